#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <array>

#include "core/document.h"
#include "render/colours.h"
#include "render/textmeasure.h"

class QPainter;

namespace quotella {

// What the user chose for the quotation grid.
struct GridStyle {
  QColor block = kBlack;
  QColor background = kWhite;
  QColor sameLetter = kSameLetterColour;
  bool commonHighlight = true;
  int lineWidth = 2;
};

// Colours of one quotation cell.
struct CellColours {
  QColor background;
  QColor letter;
  QColor number;
};

// The colours of a letter or hyphen cell from its flags; the first matching flag wins.
CellColours PuzzleCellColours(const TMasterCellRec& cell, const GridStyle& style);

// The 1-based cell index shown at grid position (c, r); the quotation is centred, so
// the first positions of row 0 give an index below 1 and positions after the last
// cell an index above NumCells.
int GridCellIndex(int numCells, int columns, int rows, int c, int r);

// Paints grid position (c, r) of the quotation grid into rect.
void PaintPuzzleCell(QPainter& painter, const QRect& rect, const Tpuzzle& puzzle, int columns,
                     int rows, int c, int r, const GridStyle& style, const FontSet& fonts,
                     const TextMeasure& measure);

// The whole grid with square cells of cellSize pixels and grid lines between them.
QSize PuzzleGridSize(int columns, int rows, int cellSize, int lineWidth);
QRect PuzzleCellRect(int c, int r, int cellSize, int lineWidth);
void PaintPuzzleGrid(QPainter& painter, const Tpuzzle& puzzle, int columns, int rows, int cellSize,
                     const GridStyle& style, const FontSet& fonts, const TextMeasure& measure);

// One cell of the answer-word table. rarity holds the colour of each letter A..Z.
// Returns false when the cell keeps the ordinary look and the caller draws it.
bool PaintKeyWordCell(QPainter& painter, const QRect& rect, const PuzzleDocument& doc, int col,
                      int row, const std::array<QColor, 26>& rarity, const QFont& font);

enum class PoolGridKind { CharPool, Rank, NumSort };
const PuzzleDocument::PoolGrid& PoolGridData(const PuzzleDocument& doc, PoolGridKind kind);

// One cell of a pool grid: must-have counts and locked letters get their own look.
// Returns false when the caller draws the cell in the ordinary way.
bool PaintPoolCell(QPainter& painter, const QRect& rect, const PuzzleDocument& doc,
                   PoolGridKind kind, int col, int row, const QFont& font);

// One letter of the distribution bar or the answer bar.
void PaintBarCell(QPainter& painter, const QRect& rect, const QColor& background,
                  const std::string& text, const QFont& font);

}  // namespace quotella
