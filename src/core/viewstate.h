#pragma once

namespace quotella {

// What the window shows of the puzzle, as opposed to the puzzle itself: the caret in the
// answer-word table, the pool grid in front, the main status bar's choice between the
// problem letters and the whole pool, and whether a cell exchange is pending (cells of
// the chosen letter highlighted). None of it is a step of undo: undoing an edit leaves the
// caret and the chosen views where the user put them.
struct ViewState {
  // The selected position of the answer-word table (column, 0-based row). Core operations
  // read and move it: a typed letter advances it, a new puzzle puts it on the first row.
  int CurCol = 1;
  int CurRow = 0;
  // The pool grid shown: 0 alphabetical, 1 by rank, 2 by count.
  int PoolView = 0;
  // The main status bar lists the problem letters (true) or every letter of the pool.
  bool ShowProblemChars = true;
  // A cell was clicked and the cells it may be exchanged with are highlighted.
  bool HighlightActive = false;
};

}  // namespace quotella
