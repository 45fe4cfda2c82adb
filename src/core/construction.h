#pragma once

#include <string>

#include "core/document.h"

namespace quotella {

// Brings the document back to its empty state before a new or loaded puzzle.
void ResetPuzzle(PuzzleDocument& doc);
// Letter sets, frequency order (doc.SettingsFreqString when set), problem letters, empty
// cells, grid counters and clue records.
void InitPuzzleDefaults(PuzzleDocument& doc);

// Makes a puzzle of reduced author a, reduced work w and quotation q; the document must
// have been reset. False (with a message) when the quotation cannot hold author and
// work, or exceeds the puzzle's capacities.
bool ConstructPuzzle(PuzzleDocument& doc, const std::string& a, const std::string& w,
                     const std::string& q);

// Construction steps.
void LayCells(Tpuzzle& p, const std::string& masterQuote);
void CountLetters(PuzzleDocument& doc, const std::string& s);
void InitAnswerTable(PuzzleDocument& doc);
void InitNumberGrid(PuzzleDocument& doc);
void InitClueList(PuzzleDocument& doc, int n);

// A double click on a quotes-editor line.
enum class DblClickResult {
  Blank,       // a blank line: nothing changed
  Refused,     // over the capacities, no letters, or a letter with no A-Z form: nothing changed
  Unparsable,  // no at sign: the document was reset
  Impossible,  // not made: the document was reset
  Made,        // a new puzzle
};
// Makes a puzzle of the line. Unless the result is Blank or Refused the document was
// reset, and the caller names the current puzzle file "noname.txt".
DblClickResult QuotesEditorDblClick(PuzzleDocument& doc, const std::string& line);

}  // namespace quotella
