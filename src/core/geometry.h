#pragma once

#include <string>

#include "core/document.h"

namespace quotella {

// The grid shape: the cells of the quotation fill a rectangle of doc.Grid.Columns x
// doc.Grid.Rows positions, with the spare positions split before (GridOffset) and after
// (TrailingCells) the quotation. Position p (1-based, row by row) shows cell
// p - GridOffset.
inline constexpr int kMaxGridColumns = 52;
inline constexpr int kMinGridColumns = 8;

// ExtraCells, GridOffset and TrailingCells for the current shape.
void SetCentringCounters(PuzzleDocument& doc);

struct CellSize {
  int printer = 0;  // printer pixels per cell
  int screen = 0;   // screen pixels per cell, width and height
};
CellSize GridCellSize(const GridGeometry& g);

// Widen by one column (at most 52) and drop the rows no longer needed. False when
// nothing changed.
bool StretchGrid1Click(PuzzleDocument& doc);
// Narrow by one column (at least 8), adding rows until every cell fits with room to
// spare. False when nothing changed.
bool SqueezeGrid1Click(PuzzleDocument& doc);
// Turns the page; returns the button's new caption (the orientation it would turn to).
std::string OrentationButtonClick(PuzzleDocument& doc);
// The grid shape on PrintStatusBar2 (columns, rows, extra) and the print status bar.
void ShowShape(PuzzleDocument& doc);
// The print status bar (PrintStatusBar1) texts.
void UpdatePrintStatusBar(PuzzleDocument& doc);

}  // namespace quotella
