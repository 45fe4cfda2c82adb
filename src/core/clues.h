#pragma once

#include <string>

#include "core/document.h"

namespace quotella {

// Clue lines: line r of doc.ClueLines reads Labels[r + 1] + ". " + clue text.

// The clue text of a line: everything after its first full stop when that stands at
// position 1, 2 or 3 (a label of one or two letters and the stop); else the whole line.
std::string RemoveLabel(const std::string& line);

// Writes the clue of answer row r: line r becomes the label and the trimmed text, and a
// change marks the puzzle changed. False for a row outside the answer words.
bool WriteClue(PuzzleDocument& doc, int row, const std::string& text);

// Asks for the clue of answer row r ("CLUE ENTRY"), proposing the present clue, and
// rewrites line r with the label and the trimmed answer. A cancelled prompt rewrites the
// proposed text. Returns false (and asks nothing) for a row outside the answer words.
bool PromptClue(PuzzleDocument& doc, int row);

// "Write Clue" from the answer-word table: the clue of the selected row (doc.view().CurRow),
// then the selection moves to the next row unless it is the last answer word.
// Returns the clue line the clue list should show (the row written), -1 when none.
int WriteClue1Click(PuzzleDocument& doc);

// "Write Clue" from the clue list: the clue of the line holding the caret.
void WriteClue2Click(PuzzleDocument& doc, int caretLine);

}  // namespace quotella
