#pragma once

#include <QObject>

#include "core/swapping.h"
#include "search/sorts.h"

namespace quotella {

class AnswerPane;
class BackgroundWork;
class EditorSync;
class GridViewPane;
class ListCommands;
class LookUpCommands;
class PoolPane;
class PuzzleDocument;
class QuotePane;
class SearchController;
class StatusPane;
class ViewCommands;
class WindowRequests;
class WordListPane;
struct WordSources;

// The commands on the answer-word table and what feeds it: typing answers, the
// candidates and their scans, swapping labels in the grid, clue writing and letter locks.
class AnswerCommands : public QObject {
  Q_OBJECT
 public:
  AnswerCommands(PuzzleDocument& doc, WordSources& sources, AnswerPane& answer, WordListPane& lists,
                 PoolPane& pool, QuotePane& quote, StatusPane& status, GridViewPane& gridView,
                 EditorSync& sync, ViewCommands& viewCommands, ListCommands& listCommands,
                 LookUpCommands& lookups, SearchController& search, WindowRequests& requests);

  // The answer-word table, candidates, swapping.
  void KeyWordsKeyPress(char key);
  // Double click on the answer table: on the initials' column, scans the word list last
  // shown (list 1 at first) for that row.
  void KeyWordsDblClick(int col, int row);
  void CandidatesDblClick();
  void CandidateClick();
  void QuotesEditorClick();
  void PuzzleGridDblClick(int col, int row);
  void SwapListBoxDblClick(int line);
  // "Find Words using most Problem Chars": asks for the search's two values, then fills
  // the candidates.
  // The search runs in `work`; its words replace the candidates when it is done.
  void MajorProblemScanClick(BackgroundWork& work);
  void WriteClue3Click();
  void WriteClue2Click();
  void LockPopupClick();
  void ScanDictionary();
  void ScanList(int n);
  // "Scan Scored Lists": the row's words from the constructor's scored lists, best first.
  // Nothing happens while no puzzle is made or no scored list is in use.
  void ScanScoredLists();
  void SelectTableCell(int col, int row);
  // A new puzzle has no swap in progress.
  void ResetSwap() { m_swap = SwapState{}; }

 private:
  // A list scan's candidates on view, with the scanned list named above them.
  void ShowScannedCandidates();

  PuzzleDocument& m_doc;
  WordSources& m_sources;
  AnswerPane& m_answer;
  WordListPane& m_lists;
  PoolPane& m_pool;
  QuotePane& m_quote;
  StatusPane& m_status;
  GridViewPane& m_gridView;
  EditorSync& m_sync;
  ViewCommands& m_viewCommands;
  ListCommands& m_listCommands;
  LookUpCommands& m_lookups;
  SearchController& m_search;
  WindowRequests& m_requests;
  SwapState m_swap;
  ProblemSearchParams m_problemParams;  // kept for the run, never saved
};

}  // namespace quotella
