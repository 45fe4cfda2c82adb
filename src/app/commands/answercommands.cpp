#include "app/commands/answercommands.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTextBlock>

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
#include "app/widgets/panelbar.h"
#include "app/widgets/puzzlegridwidget.h"
#include "app/widgets/tablemodels.h"
#include "app/window/editorsync.h"
#include "app/window/mainwindow.h"
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

AnswerCommands::AnswerCommands(MainWindow& window) : QObject(&window), w(window) {}

void AnswerCommands::QuotesEditorClick() {
  QPlainTextEdit* quotes = w.m_answer->quotesEditor();
  if (!quotes->isVisible()) return;
  quotella::QuotesEditorClick(*w.m_doc, ToUtf8(quotes->textCursor().block().text()));
  quotes->setFocus();
}

void AnswerCommands::KeyWordsKeyPress(char key) {
  if (!w.m_doc->PuzzleExists) return;
  quotella::KeyWordsKeyPress(*w.m_doc, {w.m_doc->CurCol, w.m_doc->CurRow}, key);
  w.RefreshViews();
}

void AnswerCommands::CandidatesDblClick() {
  if (!w.m_doc->PuzzleExists) return;
  if (w.m_search->LayOtherAnswer(w.m_lists->candidates()->currentRow())) {
    w.RefreshViews();
    return;
  }
  KeyTableView* table = w.m_answer->keyWords();
  quotella::CandidatesDblClick(*w.m_doc, {w.m_doc->CurCol, w.m_doc->CurRow},
                               w.m_sources->Candidates, w.m_lists->candidates()->currentRow(),
                               table->isVisible());
  w.RefreshViews();
  if (table->isVisible()) table->setFocus();
}

void AnswerCommands::CandidateClick() {
  if (!w.m_doc->PuzzleExists) return;
  const CandidateStats stats =
      CandidateStatistics(*w.m_doc, w.m_lookups->CurrentCandidate(), w.m_doc->PrimaryProblemStr);
  for (int i = 0; i < 5; ++i)
    w.m_status->candidateStatus()->setPanel(i,
                                            ToQString(stats.panels[static_cast<std::size_t>(i)]));
  w.m_status->charStatus2()->setPanel(4, ToQString(stats.vowelOutlook));
}

void AnswerCommands::ScanDictionary() {
  if (!w.m_doc->PuzzleExists) return;
  ScanDictionaryCommand(*w.m_doc, *w.m_sources);
  w.m_sync->PushLists();
  w.m_viewCommands->CandidatesButtonClick();
}

void AnswerCommands::ScanList(int n) {
  if (!w.m_doc->PuzzleExists) return;
  w.m_listCommands->setLastWordList(n);
  ScanListCommand(*w.m_doc, *w.m_sources, n);
  w.m_sync->PushLists();
  w.m_viewCommands->CandidatesButtonClick();
  // The scanned list's file name stands above the candidates until another view opens.
  QLabel* label = w.m_status->wordListFileLabel();
  label->setText(ToQString(w.m_sources->WordListFileLabel));
  label->setVisible(w.m_sources->WordListFileLabelVisible);
}

void AnswerCommands::KeyWordsDblClick(int col, int row) {
  w.m_status->wordListFileLabel()->hide();
  w.m_pool->showCurrent();
  if (col != 1 || !w.m_doc->PuzzleExists) return;
  SelectTableCell(col, row);
  ScanList(w.m_listCommands->lastWordList());
}

void AnswerCommands::PuzzleGridDblClick(int col, int row) {
  if (!w.m_doc->PuzzleExists) return;
  const int cell = CellAtGridPosition(*w.m_doc, row, col, w.m_doc->Grid.Columns);
  quotella::PuzzleGridDblClick(*w.m_doc, m_swap, cell);
  if (m_swap.ListShown) w.m_quote->showSwapList(m_swap.Lines);
  w.puzzleGrid()->setCursor(m_swap.HandCursor ? Qt::PointingHandCursor : Qt::ArrowCursor);
  w.RefreshViews();
}

void AnswerCommands::SwapListBoxDblClick(int line) {
  if (!w.m_doc->PuzzleExists) return;
  quotella::SwapListBoxDblClick(*w.m_doc, m_swap, line);
  w.m_quote->setSwapLines(m_swap.Lines);
  w.puzzleGrid()->setCursor(m_swap.HandCursor ? Qt::PointingHandCursor : Qt::ArrowCursor);
  w.RefreshViews();
}

void AnswerCommands::WriteClue3Click() {
  if (!w.m_doc->PuzzleExists) return;
  const int line = WriteClue1Click(*w.m_doc);
  w.RefreshViews();
  if (line >= 0) {
    QPlainTextEdit* clues = w.m_lists->clueList();
    QTextCursor cursor(clues->document()->findBlockByNumber(line));
    clues->setTextCursor(cursor);
    clues->ensureCursorVisible();
  }
  w.m_answer->syncSelection();
}

void AnswerCommands::WriteClue2Click() {
  if (!w.m_doc->PuzzleExists) return;
  w.m_lists->clueList()->setFocus();
  quotella::WriteClue2Click(*w.m_doc, w.m_lists->clueList()->textCursor().blockNumber());
  w.RefreshViews();
}

void AnswerCommands::LockPopupClick() {
  const int row = w.m_pool->grid(0)->currentIndex().row();
  if (row < 1 || row > 26) return;
  quotella::LockPopupClick(*w.m_doc, row);
  w.RefreshViews();
}

void AnswerCommands::MajorProblemScanClick() {
  if (!w.m_doc->PuzzleExists) return;
  ProblemSearchDialog dialog(m_problemParams, &w);
  if (dialog.exec() != QDialog::Accepted) return;
  m_problemParams = dialog.params();
  FindWordsUsingMostProblemChars(*w.m_doc, *w.m_sources, m_problemParams);
  w.m_sync->PushLists();
  w.m_viewCommands->CandidatesButtonClick();
  w.RefreshViews();
}

void AnswerCommands::SelectTableCell(int col, int row) {
  w.m_doc->CurCol = col;
  w.m_doc->CurRow = row;
  w.m_answer->syncSelection();
}

}  // namespace quotella
