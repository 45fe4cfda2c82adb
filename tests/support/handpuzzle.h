#pragma once

#include <string>
#include <vector>

#include "core/document.h"
#include "core/geometry.h"

namespace quotella::test {

// A quotes line of 31 answers (ABRAHAMLINCOLNGETTYSBURGADDRESS) that construction makes.
inline constexpr const char* kGettysburgLine =
    "Abraham Lincoln@Gettysburg Address@Four score and seven years ago our fathers brought "
    "forth on this continent, a new nation, conceived in Liberty, and dedicated to the "
    "proposition that all men are created equal.";

// Builds a puzzle by hand, without construction's rules, so a test can choose every
// cell number and every answer's cells.
class HandPuzzle {
 public:
  // Lays `quote` into cells (letters numbered in order, blanks and hyphens special) in a
  // grid of `columns` with as few rows as hold it.
  static void Lay(PuzzleDocument& doc, const std::string& quote, int columns) {
    Tpuzzle& p = doc.P;
    MakeLabels(p);
    p.NumCells = static_cast<int>(quote.size());
    int number = 0;
    for (int i = 1; i <= p.NumCells; ++i) {
      auto& c = p.Cells[static_cast<std::size_t>(i)];
      c = TMasterCellRec{};
      c.Char = quote[static_cast<std::size_t>(i - 1)];
      c.Special = c.Char == ' ' || c.Char == '-';
      c.CellNumber = c.Special ? 0 : ++number;
    }
    doc.Grid.Columns = columns;
    doc.Grid.Rows = (p.NumCells + columns - 1) / columns;
    SetCentringCounters(doc);
    doc.PuzzleExists = true;
  }

  // Answer row `row` takes the given cell indices in order and gets its clue line.
  static void AddWord(PuzzleDocument& doc, int row, const std::vector<int>& cells,
                      const std::string& clue) {
    Tpuzzle& p = doc.P;
    const std::string& label = doc.Label(row);
    doc.KeyWords.At(0, row) = label;
    doc.NumberGrid.At(0, row) = label;
    for (std::size_t k = 0; k < cells.size(); ++k) {
      auto& cell = p.Cells[static_cast<std::size_t>(cells[k])];
      const int col = static_cast<int>(k) + 1;
      doc.NumberGrid.At(col, row) = std::to_string(cells[k]);
      doc.KeyWords.At(col, row) = std::string(1, cell.Char);
      cell.Mapped = true;
      cell.KeywordRow = row;
      cell.KeywordCol = col;
      cell.CellLabel = label;
    }
    if (doc.ClueLines.size() <= static_cast<std::size_t>(row))
      doc.ClueLines.resize(static_cast<std::size_t>(row) + 1);
    doc.ClueLines[static_cast<std::size_t>(row)] = label + ". " + clue;
    p.NumWords = std::max(p.NumWords, row + 1);
  }
};

}  // namespace quotella::test
