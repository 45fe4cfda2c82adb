#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/document.h"
#include "core/linestore.h"

namespace quotella {

// The [GRID] section of a puzzle file: the grid's rows of letters, with "#" for blank
// cells and for the empty positions before and after the quotation.

// The grid's columns and rows, and the empty positions before and after the quotation.
struct GridShape {
  int columns = 0;
  int rows = 0;
  int offset = 0;
  int trailing = 0;
};

// Appends the grid lines of the puzzle.
void AddGridLines(const PuzzleDocument& doc, std::vector<std::string>& out);

// The grid shape stored in the grid lines for a master quote of these cells; nullopt when
// it cannot hold them.
std::optional<GridShape> ReadGridShape(const LineStore& gridLines, const std::string& cells);

// Gives the puzzle the shape read, or, when the shape was damaged, lays the grid out as for
// a new puzzle and says so.
void ApplyGridShape(PuzzleDocument& doc, const std::optional<GridShape>& shape);

}  // namespace quotella
