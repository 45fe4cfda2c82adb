#include "core/geometry.h"

#include <algorithm>

namespace quotella {

void ShowShape(PuzzleDocument& doc) {
  Host& host = doc.host();
  host.Status(StatusBar::Print2, 0, "Columns " + std::to_string(doc.Grid.Columns));
  host.Status(StatusBar::Print2, 1, "Rows " + std::to_string(doc.Grid.Rows));
  host.Status(StatusBar::Print2, 2, "Extra " + std::to_string(doc.P.ExtraCells));
  UpdatePrintStatusBar(doc);
  doc.Notify(PuzzleDocument::Change::Cells);
}

namespace {

int Positions(const GridGeometry& g) {
  return g.Columns * g.Rows;
}

}  // namespace

void SetCentringCounters(PuzzleDocument& doc) {
  Tpuzzle& p = doc.P;
  p.ExtraCells = Positions(doc.Grid) - p.NumCells;
  p.GridOffset = p.ExtraCells / 2;
  p.TrailingCells = p.ExtraCells / 2 + p.ExtraCells % 2;
}

CellSize GridCellSize(const GridGeometry& g) {
  CellSize size;
  size.printer = g.PageWidth / std::max(g.Columns, 1);
  const double dpi = g.PrinterDPI > 0 ? g.PrinterDPI : 600;
  size.screen = static_cast<int>(size.printer / (dpi / 90.0));
  return size;
}

bool StretchGrid1Click(PuzzleDocument& doc) {
  GridGeometry& g = doc.Grid;
  const int n = doc.P.NumCells;
  if (g.Columns >= kMaxGridColumns) return false;
  ++g.Columns;
  doc.host().PlaySound("tick");
  if (Positions(g) == n) {
    // The quotation fills the grid exactly: nothing to centre.
    doc.host().Message("They are equal");
    SetCentringCounters(doc);
    ShowShape(doc);
    return true;
  }
  while (g.Rows > 1 && Positions(g) - n >= g.Columns) --g.Rows;
  // A shape that came from elsewhere may be too small; every cell must have a place.
  while (Positions(g) < n) ++g.Rows;
  SetCentringCounters(doc);
  ShowShape(doc);
  return true;
}

bool SqueezeGrid1Click(PuzzleDocument& doc) {
  GridGeometry& g = doc.Grid;
  if (g.Columns <= kMinGridColumns) return false;
  --g.Columns;
  doc.host().PlaySound("qclick");
  while (Positions(g) <= doc.P.NumCells) ++g.Rows;
  SetCentringCounters(doc);
  ShowShape(doc);
  if (g.Rows * GridCellSize(g).printer > g.GridPageHeight)
    doc.host().Message("WARNING: Grid will not fit on the page at this size!");
  return true;
}

std::string OrentationButtonClick(PuzzleDocument& doc) {
  GridGeometry& g = doc.Grid;
  if (g.PrinterAvailable) {
    g.Landscape = !g.Landscape;
    UpdatePrintStatusBar(doc);
  }
  return g.Landscape ? "Portrait" : "Landscape";
}

void UpdatePrintStatusBar(PuzzleDocument& doc) {
  const GridGeometry& g = doc.Grid;
  if (!g.PrinterAvailable) return;
  Host& host = doc.host();
  const int width = g.PrinterPageWidth();
  const int size = width / std::max(g.Columns, 1);
  host.Status(StatusBar::Print1, 0, "Width " + std::to_string(width));
  host.Status(StatusBar::Print1, 1, "Height " + std::to_string(g.PrinterPageHeight()));
  host.Status(StatusBar::Print1, 2, "Size " + std::to_string(size));
  host.Status(StatusBar::Print1, 3, g.Landscape ? "Landscape" : "Portrait");
  host.Status(StatusBar::Print1, 4, "Clues at " + std::to_string(g.Rows * size));
}

}  // namespace quotella
