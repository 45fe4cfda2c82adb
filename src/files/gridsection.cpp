#include "files/gridsection.h"

#include <algorithm>
#include <cctype>

#include "core/geometry.h"
#include "core/textio.h"

namespace quotella {
namespace {

// Whether the grid lines show the master quote's cells from `offset` on: letters as they
// are, blanks as "#".
bool GridShows(const LineStore& gridLines, int columns, int offset, const std::string& cells) {
  for (std::size_t k = 0; k < cells.size(); ++k) {
    const int pos = offset + static_cast<int>(k);
    const auto row = static_cast<std::size_t>(pos / columns);
    const auto col = static_cast<std::size_t>(pos % columns);
    if (row >= gridLines.size() || col >= gridLines[row].size()) return false;
    const auto upper = [](char c) {
      return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    };
    if (upper(gridLines[row][col]) != upper(cells[k] == ' ' ? '#' : cells[k])) return false;
  }
  return true;
}

}  // namespace

void AddGridLines(const PuzzleDocument& doc, std::vector<std::string>& out) {
  const Tpuzzle& p = doc.P;
  const int cols = doc.Grid.Columns;
  for (int row = 0; row < doc.Grid.Rows; ++row) {
    std::string line(static_cast<std::size_t>(cols), '#');
    bool anyCell = false;
    for (int col = 0; col < cols; ++col) {
      const int cell = row * cols + col + 1 - p.GridOffset;
      if (cell < 1 || cell > p.NumCells || cell > kMaxCells) continue;
      const char ch = p.Cells[static_cast<std::size_t>(cell)].Char;
      line[static_cast<std::size_t>(col)] = ch == ' ' ? '#' : ch;
      anyCell = true;
    }
    if (anyCell) out.push_back(line);
  }
}

// The grid shape stored in the file; nullopt when it cannot hold the puzzle's cells.
// The empty positions before and after the quotation are read from the runs of "#".
// When those do not add up (a quotation that begins or ends with a blank, shown as "#"
// too), the offset is the one at which the grid shows the quotation's cells; failing that
// (a grid edited by hand), the positions are split as every change of the grid splits them.
std::optional<GridShape> ReadGridShape(const LineStore& gridLines, const std::string& cells) {
  if (gridLines.empty()) return std::nullopt;
  GridShape g;
  const std::string first = Trim(gridLines.front());
  g.columns = static_cast<int>(first.size());
  g.rows = static_cast<int>(gridLines.size());
  if (g.columns < 1 || g.columns > kMaxGridColumns || g.rows > kMaxCells) return std::nullopt;
  const int extra = g.columns * g.rows - static_cast<int>(cells.size());
  if (extra < 0) return std::nullopt;
  while (g.offset < g.columns && first[static_cast<std::size_t>(g.offset)] == '#') ++g.offset;
  const std::string& last = gridLines.back();
  int end = std::min(g.columns, static_cast<int>(last.size()));
  while (end > 0 && last[static_cast<std::size_t>(end - 1)] == '#') --end;
  g.trailing = g.columns - end;
  if (g.offset + g.trailing != extra) {
    const int leading = g.offset;
    g.offset = extra / 2;
    for (int o = std::max(0, extra - g.trailing); o <= std::min(leading, extra); ++o)
      if (GridShows(gridLines, g.columns, o, cells)) {
        g.offset = o;
        break;
      }
    g.trailing = extra - g.offset;
  }
  return g;
}

void ApplyGridShape(PuzzleDocument& doc, const std::optional<GridShape>& shape) {
  Tpuzzle& p = doc.P;
  if (shape) {
    doc.Grid.Columns = shape->columns;
    doc.Grid.Rows = shape->rows;
    p.ExtraCells = shape->columns * shape->rows - p.NumCells;
    p.GridOffset = shape->offset;
    p.TrailingCells = shape->trailing;
    return;
  }
  // A damaged shape: lay the grid out as for a new puzzle.
  doc.host().Message("The grid shape in this file is damaged; the grid is laid out afresh.");
  doc.Grid.Columns = 20;
  doc.Grid.Rows = p.NumCells / 20 + 1;
  StretchGrid1Click(doc);
  SetCentringCounters(doc);
}

}  // namespace quotella
