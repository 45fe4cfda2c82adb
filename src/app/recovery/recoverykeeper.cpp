#include "app/recovery/recoverykeeper.h"

#include <QPlainTextEdit>
#include <QTextDocument>
#include <ctime>
#include <vector>

#include "app/commands/editorsync.h"
#include "app/commands/puzzlecommands.h"
#include "app/commands/viewcommands.h"
#include "app/panes/answerpane.h"
#include "app/widgets/controls.h"
#include "app/window/windowparts.h"
#include "core/document.h"
#include "core/textio.h"
#include "files/filesession.h"
#include "files/recoveryclaim.h"
#include "files/recoveryload.h"
#include "settings/settingsstore.h"

namespace quotella {

namespace {

constexpr std::array<RecoveryKind, 3> kKinds = {RecoveryKind::Puzzle, RecoveryKind::Quotes,
                                                RecoveryKind::Settings};

std::size_t Slot(RecoveryKind kind) {
  return static_cast<std::size_t>(kind);
}

}  // namespace

RecoveryKeeper::RecoveryKeeper(const WindowParts& parts, QObject* parent)
    : QObject(parent),
      m_parts(parts),
      m_store(RecoveryFolderFromEnvironment(), RecoveryStore::NewOwnerTag()) {
  // One copy after the other: a removal never overtakes the write before it.
  m_worker.setMaxThreadCount(1);
  FollowInterval();
  connect(&m_timer, &QTimer::timeout, this, &RecoveryKeeper::CheckNow);
  m_timer.start();
}

RecoveryKeeper::~RecoveryKeeper() {
  m_worker.waitForDone();
  m_store.Close();
}

void RecoveryKeeper::FollowInterval() {
  const int seconds = m_parts.settings->Values().RecoverySeconds;
  if (m_timer.interval() != seconds * 1000) m_timer.setInterval(seconds * 1000);
}

std::optional<RecoveryKeeper::Work> RecoveryKeeper::WorkOf(RecoveryKind kind) const {
  const PuzzleDocument& doc = *m_parts.doc;
  const FileSession& session = *m_parts.session;
  switch (kind) {
    case RecoveryKind::Puzzle:
      if (!doc.PuzzleExists || !doc.PuzzleChanged) return std::nullopt;
      return Work{PuzzleOriginal(session), PuzzleCopyBytes(doc, session)};
    case RecoveryKind::Quotes:
      if (!session.QuotesModified) return std::nullopt;
      return Work{AbsolutePath(session.QuotesFile), QuotesCopyBytes(session)};
    case RecoveryKind::Settings: {
      QPlainTextEdit* editor = m_parts.answer->iniFile();
      if (!editor->document()->isModified()) return std::nullopt;
      const std::string& file = m_parts.settings->Values().IniFileName;
      std::vector<std::string> lines = FromQText(editor->toPlainText());
      if (ReadTextLines(file) == lines) return std::nullopt;
      return Work{AbsolutePath(file), TextCopyBytes(lines, file)};
    }
  }
  return std::nullopt;
}

void RecoveryKeeper::CheckNow() {
  FollowInterval();
  for (RecoveryKind kind : kKinds) Keep(kind, WorkOf(kind));
}

void RecoveryKeeper::Keep(RecoveryKind kind, std::optional<Work> work) {
  std::optional<Work>& kept = m_kept[Slot(kind)];
  if (!work) {
    if (!kept) return;
    kept.reset();
    Queue([this, kind] {
      m_store.Discard(kind);
      return std::string();
    });
    return;
  }
  if (kept && kept->bytes == work->bytes && kept->original == work->original) return;
  kept = work;
  const std::time_t now = std::time(nullptr);
  Queue([this, kind, work = std::move(*work), now] {
    return m_store.Write(kind, work.original, work.bytes, now);
  });
}

void RecoveryKeeper::Queue(std::function<std::string()> job) {
  m_worker.start([this, job = std::move(job)] {
    const std::string failure = job();
    QMetaObject::invokeMethod(
        this,
        [this, failure] {
          // One word in the status bar for each new failure; the work itself is intact.
          if (!failure.empty() && failure != m_lastFailure)
            m_parts.host->Status(StatusBar::Main, 2, "No recovery copy: " + failure);
          m_lastFailure = failure;
          emit copiesUpdated();
        },
        Qt::QueuedConnection);
  });
}

void RecoveryKeeper::WaitForWrites() {
  m_worker.waitForDone();
}

void RecoveryKeeper::Closed(bool keepPuzzle, bool keepQuotes) {
  m_timer.stop();
  Keep(RecoveryKind::Puzzle, keepPuzzle ? WorkOf(RecoveryKind::Puzzle) : std::nullopt);
  Keep(RecoveryKind::Quotes, keepQuotes ? WorkOf(RecoveryKind::Quotes) : std::nullopt);
  Keep(RecoveryKind::Settings, std::nullopt);
  m_worker.waitForDone();
  m_store.Close();
}

void RecoveryKeeper::OfferAtStart() {
  RecoveryClaim claim(m_store.folder(), m_store.owner());
  std::array<bool, 3> recovered{};
  const std::vector<RecoveryCopy> copies = claim.copies();
  for (const RecoveryCopy& copy : copies) {
    // One copy of each kind comes back; the others wait for a later start.
    if (recovered[Slot(copy.kind)]) continue;
    const std::optional<int> answer =
        m_parts.host->Choose(copy.OfferText(), {"Recover", "Discard", "Later"});
    if (answer == 0 && Recover(copy)) {
      recovered[Slot(copy.kind)] = true;
      // The work is this window's now: its own copy is on disk before the old one goes.
      CheckNow();
      WaitForWrites();
      claim.Discard(copy);
    } else if (answer == 1) {
      claim.Discard(copy);
    }
  }
}

bool RecoveryKeeper::Recover(const RecoveryCopy& copy) {
  bool loaded = false;
  switch (copy.kind) {
    case RecoveryKind::Puzzle:
      m_parts.sync->RunPullPush(
          [&] { loaded = LoadRecoveredPuzzle(*m_parts.doc, *m_parts.session, copy); });
      if (loaded) {
        m_parts.puzzleCommands->NewPuzzleShown();
        m_parts.viewCommands->Puzzle3Click();
      }
      break;
    case RecoveryKind::Quotes:
      m_parts.sync->RunPullPush([&] { loaded = LoadRecoveredQuotes(*m_parts.session, copy); });
      break;
    case RecoveryKind::Settings:
      if (auto lines = RecoveredLines(copy)) {
        m_parts.sync->RunPullPush([&] { m_parts.settings->View().SetLines(*lines); });
        m_parts.answer->iniFile()->document()->setModified(true);
        loaded = true;
      }
      break;
  }
  if (!loaded) m_parts.host->Message("Could not recover " + copy.path);
  return loaded;
}

}  // namespace quotella
