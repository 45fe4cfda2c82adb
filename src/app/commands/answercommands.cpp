#include "app/commands/answercommands.h"
#include "app/panes/gridviewpane.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTextBlock>

#include "app/commands/editorsync.h"
#include "app/commands/listcommands.h"
#include "app/commands/lookupcommands.h"
#include "app/commands/viewcommands.h"
#include "app/dialogs/problemsearchdialog.h"
#include "app/panes/answerpane.h"
#include "app/panes/poolpane.h"
#include "app/panes/quotepane.h"
#include "app/panes/statuspane.h"
#include "app/panes/wordlistpane.h"
#include "app/search/searchcontroller.h"
#include "app/search/workerscans.h"
#include "app/widgets/panelbar.h"
#include "app/widgets/puzzlegridwidget.h"
#include "app/widgets/tablemodels.h"
#include "app/window/windowrequests.h"
#include "core/answertable.h"
#include "core/assignment.h"
#include "core/clues.h"
#include "core/construction.h"
#include "core/geometry.h"
#include "core/poolstatus.h"
#include "core/quoteparse.h"
#include "render/qtext.h"
#include "search/scan.h"
#include "search/sorts.h"
#include "search/wordlists.h"

namespace quotella {

AnswerCommands::AnswerCommands(PuzzleDocument& doc, WordSources& sources, AnswerPane& answer,
                               WordListPane& lists, PoolPane& pool, QuotePane& quote,
                               StatusPane& status, GridViewPane& gridView, EditorSync& sync,
                               ViewCommands& viewCommands, ListCommands& listCommands,
                               LookUpCommands& lookups, SearchController& search,
                               WindowRequests& requests)
    : m_doc(doc),
      m_sources(sources),
      m_answer(answer),
      m_lists(lists),
      m_pool(pool),
      m_quote(quote),
      m_status(status),
      m_gridView(gridView),
      m_sync(sync),
      m_viewCommands(viewCommands),
      m_listCommands(listCommands),
      m_lookups(lookups),
      m_search(search),
      m_requests(requests) {}

void AnswerCommands::QuotesEditorClick() {
  QPlainTextEdit* quotes = m_answer.quotesEditor();
  if (!quotes->isVisible()) return;
  quotella::QuotesEditorClick(m_doc, ToUtf8(quotes->textCursor().block().text()));
  quotes->setFocus();
}

void AnswerCommands::KeyWordsKeyPress(char key) {
  if (!m_doc.PuzzleExists) return;
  quotella::KeyWordsKeyPress(m_doc, {m_doc.view().CurCol, m_doc.view().CurRow}, key);
  m_requests.RefreshViews();
}

void AnswerCommands::CandidatesDblClick() {
  if (!m_doc.PuzzleExists) return;
  if (m_search.LayOtherAnswer(m_lists.candidates()->currentRow())) {
    m_requests.RefreshViews();
    return;
  }
  KeyTableView* table = m_answer.keyWords();
  quotella::CandidatesDblClick(m_doc, {m_doc.view().CurCol, m_doc.view().CurRow},
                               m_sources.Candidates, m_lists.candidates()->currentRow(),
                               table->isVisible());
  m_requests.RefreshViews();
  if (table->isVisible()) table->setFocus();
}

void AnswerCommands::CandidateClick() {
  if (!m_doc.PuzzleExists) return;
  const CandidateStats stats =
      CandidateStatistics(m_doc, m_lookups.CurrentCandidate(), m_doc.PrimaryProblemStr);
  for (int i = 0; i < 5; ++i)
    m_status.candidateStatus()->setPanel(i, ToQString(stats.panels[static_cast<std::size_t>(i)]));
  m_status.charStatus2()->setPanel(4, ToQString(stats.vowelOutlook));
}

void AnswerCommands::ScanDictionary() {
  if (!m_doc.PuzzleExists) return;
  ScanDictionaryCommand(m_doc, m_sources);
  m_sync.PushLists();
  m_viewCommands.CandidatesButtonClick();
}

void AnswerCommands::ScanList(int n) {
  if (!m_doc.PuzzleExists) return;
  m_listCommands.setLastWordList(n);
  ScanListCommand(m_doc, m_sources, n);
  ShowScannedCandidates();
}

void AnswerCommands::ScanScoredLists() {
  if (!m_doc.PuzzleExists || !m_sources.Scored->Active()) return;
  quotella::ScanScoredLists(m_doc, m_sources);
  ShowScannedCandidates();
}

void AnswerCommands::ShowScannedCandidates() {
  m_sync.PushLists();
  m_viewCommands.CandidatesButtonClick();
  // The scanned list's name stands above the candidates until another view opens.
  m_status.showScannedListName(ToQString(m_sources.WordListFileLabel),
                               m_sources.WordListFileLabelVisible);
}

void AnswerCommands::KeyWordsDblClick(int col, int row) {
  m_status.wordListFileLabel()->hide();
  m_pool.showCurrent();
  if (col != 1 || !m_doc.PuzzleExists) return;
  SelectTableCell(col, row);
  ScanList(m_listCommands.lastWordList());
}

void AnswerCommands::PuzzleGridDblClick(int col, int row) {
  if (!m_doc.PuzzleExists) return;
  const int cell = CellAtGridPosition(m_doc, row, col, m_doc.Grid.Columns);
  quotella::PuzzleGridDblClick(m_doc, m_swap, cell);
  if (m_swap.ListShown) m_quote.showSwapList(m_swap.Lines);
  m_gridView.puzzleGrid()->setCursor(m_swap.HandCursor ? Qt::PointingHandCursor : Qt::ArrowCursor);
  m_requests.RefreshViews();
}

void AnswerCommands::SwapListBoxDblClick(int line) {
  if (!m_doc.PuzzleExists) return;
  quotella::SwapListBoxDblClick(m_doc, m_swap, line);
  m_quote.setSwapLines(m_swap.Lines);
  m_gridView.puzzleGrid()->setCursor(m_swap.HandCursor ? Qt::PointingHandCursor : Qt::ArrowCursor);
  m_requests.RefreshViews();
}

void AnswerCommands::WriteClue3Click() {
  if (!m_doc.PuzzleExists) return;
  const int line = WriteClue1Click(m_doc);
  m_requests.RefreshViews();
  if (line >= 0) {
    QPlainTextEdit* clues = m_lists.clueList();
    QTextCursor cursor(clues->document()->findBlockByNumber(line));
    clues->setTextCursor(cursor);
    clues->ensureCursorVisible();
  }
  m_answer.syncSelection();
}

void AnswerCommands::WriteClue2Click() {
  if (!m_doc.PuzzleExists) return;
  m_lists.clueList()->setFocus();
  quotella::WriteClue2Click(m_doc, m_lists.clueList()->textCursor().blockNumber());
  m_requests.RefreshViews();
}

void AnswerCommands::LockPopupClick() {
  const int row = m_pool.grid(0)->currentIndex().row();
  if (row < 1 || row > 26) return;
  quotella::LockPopupClick(m_doc, row);
  m_requests.RefreshViews();
}

void AnswerCommands::MajorProblemScanClick(BackgroundWork& work) {
  if (!m_doc.PuzzleExists) return;
  ProblemSearchDialog dialog(m_problemParams, &m_requests.window());
  if (dialog.exec() != QDialog::Accepted) return;
  m_problemParams = dialog.params();
  WorkerScans::FindProblemWords(work, m_doc, m_sources, m_problemParams, [this] {
    m_sync.PushLists();
    m_viewCommands.CandidatesButtonClick();
    m_requests.RefreshViews();
  });
}

void AnswerCommands::SelectTableCell(int col, int row) {
  m_doc.view().CurCol = col;
  m_doc.view().CurRow = row;
  m_answer.syncSelection();
}

}  // namespace quotella
