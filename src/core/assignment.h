#pragma once

#include <string>
#include <vector>

#include "core/document.h"

namespace quotella {

// Letter assignment. Every letter in columns 2.. of the answer-word table is mapped to
// exactly one letter cell of the quotation holding the same letter (number map entry =
// that cell's index; the cell is Mapped with KeywordRow/KeywordCol pointing back), and
// for every letter: pool count = occurrences in the master quote - occurrences in the
// table. Initials (column 1) are mapped once when the puzzle is made and never released
// here. The cell for a letter is drawn at random among the free ones, preferring a
// quotation word that holds no other letter of the same answer word.

// The selected position of the answer-word table: column (1..51) and 0-based row.
struct TablePos {
  int col = 1;
  int row = 0;
  bool operator==(const TablePos&) const = default;
};

// The quotation word around cell i: its label text (each cell's CellLabel followed by
// "*") and its letters.
struct QuoteWordInfo {
  std::string labelText;
  std::string letters;
};
QuoteWordInfo WordAtCell(const PuzzleDocument& doc, int i);

// Maps letter (an upper-case letter) of answer row `row`, column `col`, to a free cell.
// Returns the cell index, 0 when none could be taken (reported through the host).
int AssignKeywordChar(PuzzleDocument& doc, char letter, int col, int row);
// Ties cell i (a valid cell index) to answer row `row`, column `col`: the cell takes the
// letter, the row's label and the mapping, and the number map records the cell. The pool
// and the word information are left to the caller.
void MapCell(PuzzleDocument& doc, int i, char letter, int col, int row);
// Releases cell i from (col, row): the letter returns to the pool and both table
// entries are emptied.
void UnassignCell(PuzzleDocument& doc, char letter, int i, int col, int row);

// Lays word w into row `row` letter by letter from its second letter on; the initial is
// not touched. Words longer than an answer row, or holding anything but letters, are
// refused (false, nothing changed).
bool LayInString(PuzzleDocument& doc, const std::string& w, int row);

// The heuristic-search button: enabled (with a red caption) exactly when three answer
// rows are empty.
struct SearchButtonState {
  bool enabled = false;
  bool red = false;
  bool operator==(const SearchButtonState&) const = default;
};
SearchButtonState CheckNumEmpty(const PuzzleDocument& doc);

// Trims the must-have letters of the scan conditions to what the pool can still give.
void FixConditions(PuzzleDocument& doc);

// Shows the table position on the main status bar (panels 0 and 1).
void UpdateRowCol(PuzzleDocument& doc, TablePos pos);
// The user selected a table entry (clicked: with the mouse, which also refreshes the
// pool status).
TablePos KeyWordsSelectCell(PuzzleDocument& doc, TablePos pos, bool clicked);

// Table keys passed to KeyWordsKeyPress besides letters and the space.
inline constexpr char kKeyEsc = 27;
inline constexpr char kKeyEnter = 13;
inline constexpr char kKeyBackspace = 8;

// A key typed with the table entry `pos` selected. Returns the new selection (also
// stored in doc.view().CurCol/CurRow).
TablePos KeyWordsKeyPress(PuzzleDocument& doc, TablePos pos, char key);

// Takes candidate `selected` (an index into `candidates`, -1 when none is selected) into
// the answer row at `pos`, or into the first row with the candidate's initial. Lines
// that are not words (explanations of an empty scan) are ignored. tableVisible: the
// answer table is on screen, so the automatic row advance applies.
TablePos CandidatesDblClick(PuzzleDocument& doc, TablePos pos,
                            const std::vector<std::string>& candidates, int selected,
                            bool tableVisible = true);

// Clears the word of row pos.row back to its initial. fromMenu: the user chose
// "Clear Word" (which plays its sound).
void ClearWord1Click(PuzzleDocument& doc, TablePos pos, bool fromMenu);
// Asks, then clears every answer word and the clues; initials stay.
TablePos ClearPuzzle1Click(PuzzleDocument& doc, TablePos pos);
// The next row (after the last: row 0) when the automatic row advance is on.
TablePos RowAdvanceClick(PuzzleDocument& doc, TablePos pos);
// Flips the automatic row advance; returns the menu entry's new caption.
std::string ScanConditionalClick(PuzzleDocument& doc);

}  // namespace quotella
