#include "app/searchcontroller.h"

#include <QMetaObject>
#include <QPointer>
#include <QProgressBar>
#include <QShortcut>
#include <QTimer>
#include <QWidget>
#include <algorithm>

#include "app/panelbar.h"
#include "app/statuspane.h"
#include "app/wordlisteditordialog.h"
#include "core/answertable.h"
#include "core/document.h"
#include "core/poolstatus.h"
#include "render/qtext.h"
#include "search/autofill.h"
#include "search/autofillsource.h"
#include "search/autofillworker.h"
#include "search/heuristic.h"
#include "search/wordlisteditor.h"
#include "search/wordlists.h"

namespace quotella {

namespace {

constexpr const char* kExitSearchFirst =
    "First you must exit the Heuristic Search!\rRight-Click Wordlist and select \"End Search "
    "Now\"";
// The heuristic search's last report before the brute force starts; it means nothing once
// the search is over.
constexpr const char* kLongTimeNote = "This can take a long time";

}  // namespace

SearchController::SearchController(PuzzleDocument& doc, WordSources& sources, Host& host,
                                   StatusPane& status, QWidget* window, Hooks hooks)
    : QObject(nullptr),
      m_doc(doc),
      m_sources(sources),
      m_host(host),
      m_status(status),
      m_window(window),
      m_hooks(std::move(hooks)) {
  m_escape = new QShortcut(QKeySequence(Qt::Key_Escape), window);
  m_escape->setObjectName(QStringLiteral("SearchEscape"));
  m_escape->setEnabled(false);
  connect(m_escape, &QShortcut::activated, this, [this] { Escape(); });
}

SearchController::~SearchController() {
  delete m_listEditorDialog;  // it works on m_listEditor
  m_listEditorDialog = nullptr;
  m_autofill.reset();   // stops and joins a running fill before its dictionary goes
  m_heuristic.reset();  // ends and joins a running search before the lists go
}

bool SearchController::heuristicSearching() const {
  return m_heuristicRunning || (m_heuristic && m_heuristic->Searching());
}

void SearchController::UpdateEscape() {
  m_escape->setEnabled(m_heuristicRunning || m_autofillRunning);
}

// ---------------------------------------------------------------------------------
// The heuristic search

void SearchController::StartHeuristic() {
  // A preparation that ended early leaves the searching flag set (no solution can be laid
  // until the search is ended); the button starts afresh all the same. Only a worker
  // still delivering results, or the open prune editor, keeps it from starting.
  if (!m_doc.PuzzleExists || m_heuristicRunning) return;
  if (!m_heuristic) {
    m_heuristic = std::make_unique<HeuristicSearch>(m_doc, m_sources);
    m_heuristic->OpenPruneEditor = [this](const ThreeWordSearch::Lists& lists) {
      OpenWordListEditor(lists);
    };
  }
  if (m_hooks.showSearchLog) m_hooks.showSearchLog();
  AfterPreparation(static_cast<int>(m_heuristic->Prepare()));
}

void SearchController::AfterPreparation(int prepared) {
  using Prepared = HeuristicSearch::Prepared;
  const auto step = static_cast<Prepared>(prepared);
  // The repaint moves the table's cursor, which puts the pool hint into the message panel;
  // an early end's report is put back so that it can be read.
  const QString report = m_status.statusBar1()->panel(kMessagePanel);
  if (m_hooks.listsChanged) m_hooks.listsChanged();
  if (m_hooks.viewsChanged) m_hooks.viewsChanged();
  const bool early = step == Prepared::EmptyList || step == Prepared::TooShort ||
                     step == Prepared::MissingLetters || step == Prepared::BailedOut;
  if (early) m_status.statusBar1()->setPanel(kMessagePanel, report);
  if (step == Prepared::Ready) StartHeuristicWorker();
}

void SearchController::OpenWordListEditor(const std::array<std::vector<std::string>, 3>& lists) {
  if (!m_listEditor) m_listEditor = std::make_unique<WordListEditor>();
  m_listEditor->DictDir = m_sources.DictionaryDir();
  if (m_hooks.programDir) m_listEditor->ProgramDir = m_hooks.programDir();
  if (!m_listEditorDialog) {
    m_listEditorDialog = new WordListEditorDialog(*m_listEditor, m_host, m_window);
    connect(m_listEditorDialog, &WordListEditorDialog::lookupRequested, this,
            [this](const QString& word) {
              if (m_hooks.lookUp) m_hooks.lookUp(word);
            });
  }
  const int generation = m_generation;
  m_listEditor->Open(lists, [this, generation](bool bailedOut, WordListEditor::Lists pruned) {
    // The editor calls this from its own button handler: carry on once that is done.
    QTimer::singleShot(
        0, this, [this, generation, bailedOut, pruned = std::move(pruned)]() mutable {
          if (!m_heuristic || generation != m_generation) return;
          AfterPreparation(
              static_cast<int>(m_heuristic->EditorClosed(bailedOut, std::move(pruned))));
        });
  });
  m_listEditorDialog->refresh();
  m_listEditorDialog->show();
  m_listEditorDialog->raise();
}

void SearchController::StartHeuristicWorker() {
  QPointer<SearchController> self(this);
  m_heuristicRunning = true;
  UpdateEscape();
  const int generation = m_generation;
  m_heuristic->Start([self, generation](HeuristicEvent event) {
    QMetaObject::invokeMethod(
        self.data(),
        [self, generation, event] {
          if (!self || !self->m_heuristic || generation != self->m_generation) return;
          self->m_heuristic->Apply(event);
          if (self->m_hooks.listsChanged) self->m_hooks.listsChanged();
          if (event.kind == HeuristicEvent::Kind::Finished) {
            self->m_heuristicRunning = false;
            self->UpdateEscape();
            PanelBar* bar = self->m_status.statusBar1();
            if (bar->panel(kMessagePanel).startsWith(QLatin1String(kLongTimeNote)))
              bar->setPanel(kMessagePanel, QString());
            if (self->m_hooks.viewsChanged) self->m_hooks.viewsChanged();
          }
        },
        Qt::QueuedConnection);
  });
}

void SearchController::EndHeuristic() {
  if (m_heuristic) m_heuristic->EndNow();
  if (m_hooks.viewsChanged) m_hooks.viewsChanged();
}

void SearchController::SkipHeuristic() {
  if (m_heuristic) m_heuristic->Skip();
}

bool SearchController::LaySolution(const std::string& line) {
  if (!m_doc.PuzzleExists) return false;
  if (NumEmpty(m_doc) != 3) {
    m_host.Message(" There must be 3 and only 3 empty Answers available ");
    return false;
  }
  if (heuristicSearching()) {
    m_host.Message(kExitSearchFirst);
    return false;
  }
  if (!m_heuristic) m_heuristic = std::make_unique<HeuristicSearch>(m_doc, m_sources);
  m_heuristic->LaySolution(line);
  if (m_hooks.viewsChanged) m_hooks.viewsChanged();
  return true;
}

void SearchController::Escape() {
  if (m_autofillRunning && m_autofill) m_autofill->Stop();
  if (m_heuristicRunning && m_heuristic) m_heuristic->Escape();
}

void SearchController::EndAll() {
  ++m_generation;
  // Destroying the search ends and joins its worker; whatever it still posts is dropped.
  m_heuristic.reset();
  m_heuristicRunning = false;
  if (m_listEditorDialog) m_listEditorDialog->hide();
  if (m_autofillRunning) {
    m_autofillRunning = false;
    if (m_autofill) m_autofill->Stop();
    SetAutofillRunning(false);
  }
  UpdateEscape();
}

// ---------------------------------------------------------------------------------
// Autofill

void SearchController::SetAutofillRunning(bool running) {
  m_autofillRunning = running;
  QProgressBar* progress = m_status.progress();
  progress->setVisible(running);
  if (!running) m_status.statusBar1()->setPanel(kMessagePanel, QString());
  UpdateEscape();
  if (m_hooks.autofillRunning) m_hooks.autofillRunning(running);
}

void SearchController::ToggleAutofill() {
  if (m_autofillRunning) {
    // The result (a stop, or the fills found so far) still arrives through OnAutofillDone.
    if (m_autofill) m_autofill->Stop();
    return;
  }
  if (!m_doc.PuzzleExists) return;
  if (heuristicSearching()) {
    m_host.Message(kExitSearchFirst);
    return;
  }
  auto problem = std::make_unique<AutofillProblem>(MakeAutofillProblem(m_doc));
  if (problem->rowSlots.empty()) {
    m_host.Message(AutofillEndText(AutofillEnd::NothingToFill));
    return;
  }
  if (!m_autofill) m_autofill = std::make_unique<AutofillWorker>();
  m_autofill->Stop();
  m_autofillDict = std::make_unique<AutofillDictionary>(m_sources.DictionaryDir());
  for (const auto& list : m_sources.Lists) m_autofillDict->AddListEntries(list.Items);
  AutofillOptions options;
  options.exclude = WordsInTable(m_doc);
  options.timeLimit = 30.0;
  m_autofillProblem = std::move(problem);
  const int rows = static_cast<int>(m_autofillProblem->rowSlots.size());
  QProgressBar* progress = m_status.progress();
  progress->setRange(0, rows);
  progress->setValue(0);
  progress->setFormat(QStringLiteral("Autofill: %v of %m rows"));
  SetAutofillRunning(true);
  m_status.statusBar1()->setPanel(kMessagePanel, QStringLiteral("Autofill: starting"));

  QPointer<SearchController> self(this);
  const int generation = m_generation;
  m_autofill->Start(
      *m_autofillProblem, m_autofillDict->Source(), options,
      [self, generation](const AutofillProgress& p) {
        const int depth = p.bestDepth;
        const QString format =
            QStringLiteral("Autofill: %v of %m rows, %1 s").arg(p.elapsed, 0, 'f', 1);
        QMetaObject::invokeMethod(
            self.data(),
            [self, generation, depth, format] {
              if (!self || !self->m_autofillRunning || generation != self->m_generation) return;
              QProgressBar* bar = self->m_status.progress();
              bar->setValue(std::min(depth, bar->maximum()));
              bar->setFormat(format);
              self->m_status.statusBar1()->setPanel(kMessagePanel, QString());
            },
            Qt::QueuedConnection);
      },
      [self, generation](AutofillResult result) {
        QMetaObject::invokeMethod(
            self.data(),
            [self, generation, result = std::move(result)] {
              if (self && generation == self->m_generation) self->OnAutofillDone(result);
            },
            Qt::QueuedConnection);
      });
}

void SearchController::OnAutofillDone(const AutofillResult& result) {
  if (!m_autofillRunning) return;
  SetAutofillRunning(false);
  if (result.end != AutofillEnd::Filled || result.fills.empty()) {
    m_host.Message(AutofillEndText(result.end));
    return;
  }
  // The table may have changed while the search ran: a fill that no longer fits is
  // reported rather than laid half-way.
  const AutofillProblem now = MakeAutofillProblem(m_doc);
  const auto sameSlot = [](const AutofillSlot& a, const AutofillSlot& b) {
    return a.row == b.row && a.initial == b.initial;
  };
  const bool unchanged =
      now.pool == m_autofillProblem->pool &&
      std::equal(now.rowSlots.begin(), now.rowSlots.end(), m_autofillProblem->rowSlots.begin(),
                 m_autofillProblem->rowSlots.end(), sameSlot);
  if (!unchanged || !LayFill(m_doc, *m_autofillProblem, result.fills.front())) {
    if (m_hooks.viewsChanged) m_hooks.viewsChanged();
    m_host.Message("The answers changed during Autofill: its fill no longer fits");
    return;
  }
  m_doc.PuzzleChanged = true;
  if (m_hooks.viewsChanged) m_hooks.viewsChanged();
  m_status.statusBar1()->setPanel(
      kMessagePanel,
      QStringLiteral("Autofill: %1 rows filled").arg(m_autofillProblem->rowSlots.size()));
  if (PoolIsEmpty(m_doc)) m_host.PlaySound("cheer");
}

}  // namespace quotella
