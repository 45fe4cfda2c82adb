#include "app/clues/cluedeskroom.h"

#include <QAction>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPointer>
#include <QStatusBar>
#include <QTextBlock>
#include <QTimer>
#include <algorithm>

#include "app/clues/cluedeskpane.h"
#include "app/panes/answerpane.h"
#include "app/panes/statuspane.h"
#include "app/panes/wordlistpane.h"
#include "app/widgets/tablemodels.h"
#include "app/window/actiontable.h"
#include "app/window/names.h"
#include "app/window/viewtable.h"
#include "app/window/windowparts.h"
#include "app/window/windowrequests.h"
#include "clues/stemmer.h"
#include "clues/wordnet.h"
#include "core/clues.h"
#include "core/document.h"
#include "render/qtext.h"

namespace quotella {

namespace {

// Amber: it stands out on the clue list's default pink and on white alike.
const QColor kNeedsLook(255, 186, 96);
// How long typing in the answer table pauses before the new answer is looked up.
constexpr int kTypingPauseMs = 250;

bool NeedsPuzzle(const WindowParts& w) {
  return w.doc->PuzzleExists;
}

}  // namespace

ClueDeskRoom::ClueDeskRoom(WindowParts& parts)
    : m_parts(parts),
      m_wordnet(std::make_unique<WordNet>()),
      m_stemmer(std::make_unique<Stemmer>()) {
  m_typingPause = new QTimer(this);
  m_typingPause->setSingleShot(true);
  m_typingPause->setInterval(kTypingPauseMs);
  connect(m_typingPause, &QTimer::timeout, this, &ClueDeskRoom::LookUpAnswer);
  m_count = new QLabel(parts.window);
  m_count->setObjectName(QStringLiteral("ClueCount"));
  parts.window->statusBar()->addPermanentWidget(m_count);

  ClueDeskPane* desk = parts.clueDesk;
  connect(desk, &ClueDeskPane::lookUpRequested, this, &ClueDeskRoom::LookUp);
  connect(desk, &ClueDeskPane::writeRequested, this, [this] {
    if (QAction* write = m_parts.requests->command(QString::fromLatin1(names::kWriteDeskClue)))
      write->trigger();
  });
  QPointer<ClueDeskRoom> self(this);
  parts.doc->Subscribe([self](PuzzleDocument::Change) {
    if (self) self->Schedule();
  });
  connect(parts.lists->clueList(), &QPlainTextEdit::textChanged, this, &ClueDeskRoom::Schedule);
  connect(parts.answer->keyWords()->selectionModel(), &QItemSelectionModel::currentChanged, this,
          &ClueDeskRoom::Schedule);
}

ClueDeskRoom::~ClueDeskRoom() = default;

ClueDeskPane* ClueDeskRoom::pane() const {
  return m_parts.clueDesk;
}

void ClueDeskRoom::Connect(ViewTable& views) {
  // Every view that hides the lists hides the desk too; only the desk's view shows it.
  views.setGroup(QStringLiteral("@lists"), views.controls(QStringLiteral("@lists"))
                                               << m_parts.clueDesk);
  views.addRow({names::kClueDeskView, {}, {}, [this](WindowParts& w, int) {
                  if (!w.requests->ShowView(QString::fromLatin1(names::kCluesView))) return;
                  w.clueDesk->show();
                  w.status->listLabel()->setText(QStringLiteral(" Clue Desk "));
                  w.actions->updateEnabled();
                  Refresh();
                }});
  ActionTable& actions = *m_parts.actions;
  actions
      .add({names::kClueDesk, "&View", "Clue Desk", "Ctrl+K",
            [](WindowParts& w) { w.requests->ShowView(QString::fromLatin1(names::kClueDeskView)); },
            false, NeedsPuzzle})
      ->setStatusTip(QStringLiteral(
          "Shows the clue list with the clue desk: senses, drafts and checks of the row at the "
          "caret (needs a puzzle)"));
  actions
      .add({names::kWriteDeskClue, "&Edit", "Write Clue from Desk", "",
            [this](WindowParts&) { WriteDeskClue(); }, false,
            [](const WindowParts& w) { return w.doc->PuzzleExists && w.clueDesk->isVisible(); }})
      ->setStatusTip(QStringLiteral(
          "Writes the clue desk's clue box into the clue of its row (needs the clue desk)"));
}

void ClueDeskRoom::ShowDesk() {
  m_parts.requests->ShowView(QString::fromLatin1(names::kClueDeskView));
}

void ClueDeskRoom::WriteDeskClue() {
  if (!m_parts.clueDesk->isVisible() || m_row < 0) return;
  WriteClue(*m_parts.doc, m_row, ToUtf8(m_parts.clueDesk->clueBox()->text()));
}

// Changes come in bursts (a candidate laid notifies for the table, the pool and the
// cells): the checks run once, after the burst.
void ClueDeskRoom::Schedule() {
  if (m_scheduled) return;
  m_scheduled = true;
  QTimer::singleShot(0, this, &ClueDeskRoom::Refresh);
}

void ClueDeskRoom::Refresh() {
  m_scheduled = false;
  const PuzzleDocument& doc = *m_parts.doc;
  m_checks = doc.PuzzleExists ? CheckClues(doc, *m_stemmer) : std::vector<ClueCheck>{};
  m_count->setText(m_checks.empty() ? QString() : ToQString(SummaryText(Summarise(m_checks))));
  MarkClueList();
  ClueDeskPane* desk = m_parts.clueDesk;
  if (desk->isHidden() || m_checks.empty()) return;
  const int row = std::clamp(doc.view().CurRow, 0, static_cast<int>(m_checks.size()) - 1);
  const ClueCheck& check = m_checks[static_cast<std::size_t>(row)];
  desk->showRow(check);
  const QString answer = ToQString(check.answer);
  if (row == m_row && answer == m_answer) return;
  const bool sameRow = row == m_row;
  m_row = row;
  m_answer = answer;
  if (sameRow) {
    m_typingPause->start();
  } else {
    m_typingPause->stop();
    LookUpAnswer();
  }
}

void ClueDeskRoom::LookUpAnswer() {
  LookUp(m_answer);
}

void ClueDeskRoom::LookUp(const QString& word) {
  m_lookedUp = word;
  Definition definition;
  if (word.size() < 2)
    definition.problem = "The answer of this row is not written yet.";
  else
    definition = m_wordnet->Define(ToUtf8(word));
  m_parts.clueDesk->showSenses(word, m_answer, definition);
}

void ClueDeskRoom::MarkClueList() {
  QPlainTextEdit* list = m_parts.lists->clueList();
  QList<QTextEdit::ExtraSelection> marks;
  for (const ClueCheck& check : m_checks) {
    if (!check.needsLook()) continue;
    QTextEdit::ExtraSelection mark;
    mark.cursor = QTextCursor(list->document()->findBlockByNumber(check.row));
    mark.format.setBackground(kNeedsLook);
    mark.format.setProperty(QTextFormat::FullWidthSelection, true);
    mark.format.setToolTip(ToQString(check.findings.front().text));
    marks << mark;
  }
  list->setExtraSelections(marks);
}

}  // namespace quotella
