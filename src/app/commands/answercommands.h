#pragma once

#include <QObject>

#include "core/swapping.h"
#include "search/sorts.h"

namespace quotella {

class MainWindow;

// The commands on the answer-word table and what feeds it: typing answers, the
// candidates and their scans, swapping labels in the grid, clue writing and letter locks.
class AnswerCommands : public QObject {
  Q_OBJECT
 public:
  explicit AnswerCommands(MainWindow& window);

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
  void MajorProblemScanClick();
  void WriteClue3Click();
  void WriteClue2Click();
  void LockPopupClick();
  void ScanDictionary();
  void ScanList(int n);
  void SelectTableCell(int col, int row);
  // A new puzzle has no swap in progress.
  void ResetSwap() { m_swap = SwapState{}; }

 private:
  MainWindow& w;
  SwapState m_swap;
  ProblemSearchParams m_problemParams;  // kept for the run, never saved
};

}  // namespace quotella
