#pragma once

#include <string>
#include <vector>

#include "core/document.h"

namespace quotella {

// Queries of the answer-word table shared by assignment, pool status and search.

// The answer word of a row: columns 1..51 joined, trimmed.
std::string Keystring(const PuzzleDocument& doc, int row);
// The answer word of every row, to tell whether the table changed since a moment.
std::vector<std::string> TableAnswers(const PuzzleDocument& doc);
// Rows among the first NumWords that hold only their initial (column 2 empty).
int NumEmpty(const PuzzleDocument& doc);
// True when every pool count is <= 0.
bool PoolIsEmpty(const PuzzleDocument& doc);
// The first row whose answer word begins with letter (case-insensitive), or -1.
int GetFirstFreeRow(const PuzzleDocument& doc, char letter);
// The cell (1-based) whose KeywordCol/KeywordRow are col/row, first in cell order; 0 if none.
int FindMappedCell(const PuzzleDocument& doc, int col, int row);
// The number-map entry at (col, row) as a cell index in 1..NumCells; 0 when the entry is
// empty, not a number or out of range.
int MappedIndex(const PuzzleDocument& doc, int col, int row);

}  // namespace quotella
