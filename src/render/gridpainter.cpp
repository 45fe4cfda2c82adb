#include "render/gridpainter.h"

#include <QFontMetrics>
#include <QPainter>
#include <cctype>

#include "render/qtext.h"

namespace quotella {

namespace {

// Text drawn with its top-left corner at (x, y), as the grids lay it out.
void DrawTextAt(QPainter& painter, int x, int y, const QString& text) {
  const QFontMetrics fm(painter.font(), painter.device());
  painter.drawText(x, y + fm.ascent(), text);
}

void FillAndText(QPainter& painter, const QRect& rect, const QColor& background,
                 const QColor& textColour, const QFont& font, int dx, int dy,
                 const std::string& text) {
  painter.fillRect(rect, background);
  painter.setFont(font);
  painter.setPen(textColour);
  DrawTextAt(painter, rect.left() + dx, rect.top() + dy, ToQString(text));
}

}  // namespace

CellColours PuzzleCellColours(const TMasterCellRec& cell, const GridStyle& style) {
  CellColours c;
  const QColor lockedOrRed = cell.Locked ? kBlue : kRed;
  const QColor highlightText = cell.Illegal ? kBlue : kRed;
  if (cell.Mapped) {
    if (cell.SwapMark)
      c.background = kRed;
    else if (cell.Cursor)
      c.background = kCursorColour;
    else if (cell.WordHighlight)
      c.background = kHighlightColour;
    else if (cell.Illegal)
      c.background = kIllegalColour;
    else if (cell.Highlight)
      c.background = style.sameLetter;
    else if (cell.CommonMark && style.commonHighlight)
      c.background = kCommonWordColour;
    else
      c.background = kWhite;
  } else {
    if (cell.WordHighlight)
      c.background = kHighlightColour;
    else if (cell.Illegal)
      c.background = kIllegalColour;
    else if (cell.CommonMark)
      c.background = style.commonHighlight ? kCommonWordColour : kUnmappedColour;
    else if (cell.Highlight)
      c.background = style.sameLetter;
    else
      c.background = kUnmappedColour;
  }

  if (cell.SwapMark)
    c.letter = kWhite;
  else if (cell.Cursor)
    c.letter = kBlack;
  else if (cell.WordHighlight)
    c.letter = highlightText;
  else if (cell.Highlight)
    c.letter = kHighlightColour;
  else if (cell.CommonMark && !cell.Mapped)
    c.letter = kRed;
  else
    c.letter = lockedOrRed;

  if (cell.Mapped) {
    if (cell.SwapMark)
      c.number = kWhite;
    else if (cell.WordHighlight)
      c.number = highlightText;
    else if (cell.Highlight)
      c.number = kHighlightColour;
    else
      c.number = lockedOrRed;
  } else {
    if (cell.WordHighlight)
      c.number = highlightText;
    else if (cell.Highlight)
      c.number = kHighlightColour;
    else if (cell.CommonMark)
      c.number = kRed;
    else
      c.number = kWhite;
  }
  return c;
}

int GridCellIndex(int numCells, int columns, int rows, int c, int r) {
  const int extra = columns * rows - numCells;
  const int offset = extra > 0 ? extra / 2 : 0;
  return columns * r + c + 1 - offset;
}

void PaintPuzzleCell(QPainter& painter, const QRect& rect, const Tpuzzle& puzzle, int columns,
                     int rows, int c, int r, const GridStyle& style, const FontSet& fonts,
                     const TextMeasure& measure) {
  const int i = GridCellIndex(puzzle.NumCells, columns, rows, c, r);
  if (i < 1 || i > puzzle.NumCells || i > kMaxCells) {
    painter.fillRect(rect, style.block);
    return;
  }
  const TMasterCellRec& cell = puzzle.Cells[static_cast<std::size_t>(i)];
  if (cell.Char == ' ' || cell.Char == 0) {
    painter.fillRect(rect, style.block);
    return;
  }
  const int hN = measure.TextHeight(FontRole::Number, "M");
  const int hK = measure.TextHeight(FontRole::Letter, "M");
  const CellColours colours = PuzzleCellColours(cell, style);
  painter.fillRect(rect, colours.background);

  const std::string letter(1, cell.Char);
  const int width = rect.width();
  const int height = rect.height();
  const int textWidth = measure.TextWidth(FontRole::Letter, letter);
  const int textHeight = measure.TextHeight(FontRole::Letter, letter);
  const int x = rect.left() + (width - textWidth) / 2;
  const int y = hN + hK < height + 5 ? rect.top() + hN + (height - (textHeight + hN)) / 2
                                     : rect.top() + (height - textHeight) / 2;
  painter.setFont(fonts.Font(FontRole::Letter));
  painter.setPen(colours.letter);
  DrawTextAt(painter, x, y, ToQString(letter));

  if (cell.Char == '-') return;
  if (!(hN + hK < height + hN / 2)) return;
  painter.setFont(fonts.Font(FontRole::Number));
  painter.setPen(colours.number);
  DrawTextAt(painter, rect.left() + 1, rect.top(), QString::number(cell.CellNumber));
  const int labelWidth = measure.TextWidth(FontRole::Number, cell.CellLabel);
  // rect.right() is the last pixel inside; the label ends one pixel before the edge.
  DrawTextAt(painter, rect.left() + width - labelWidth - 1, rect.top(), ToQString(cell.CellLabel));
}

QSize PuzzleGridSize(int columns, int rows, int cellSize, int lineWidth) {
  return {columns * cellSize + (columns + 1) * lineWidth, rows * cellSize + (rows + 1) * lineWidth};
}

QRect PuzzleCellRect(int c, int r, int cellSize, int lineWidth) {
  return {lineWidth + c * (cellSize + lineWidth), lineWidth + r * (cellSize + lineWidth), cellSize,
          cellSize};
}

void PaintPuzzleGrid(QPainter& painter, const Tpuzzle& puzzle, int columns, int rows, int cellSize,
                     const GridStyle& style, const FontSet& fonts, const TextMeasure& measure) {
  const QSize size = PuzzleGridSize(columns, rows, cellSize, style.lineWidth);
  painter.fillRect(QRect(QPoint(0, 0), size), style.background);
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < columns; ++c)
      PaintPuzzleCell(painter, PuzzleCellRect(c, r, cellSize, style.lineWidth), puzzle, columns,
                      rows, c, r, style, fonts, measure);
}

bool PaintKeyWordCell(QPainter& painter, const QRect& rect, const PuzzleDocument& doc, int col,
                      int row, const std::array<QColor, 26>& rarity, const QFont& font) {
  if (!StringTable::Valid(col, row)) return false;
  const std::string& text = doc.KeyWords.At(col, row);
  if (col == 0) {
    FillAndText(painter, rect, kCreamColour, kBlack, font, 5, 3, text);
    return true;
  }
  if (col == 1) {
    const char first = text.empty() ? '*' : text[0];
    const int n = static_cast<unsigned char>(first) - 64;
    if (n <= 0) return true;
    // Only the 26 letters have a rarity colour; anything past Z keeps the plain look.
    const QColor bg = n <= 26 ? rarity[static_cast<std::size_t>(n - 1)] : kWhite;
    FillAndText(painter, rect, bg, kBlack, font, 5, 3, text);
    return true;
  }
  std::string placed = doc.NumberGrid.At(col, row);
  const bool isPlaced = placed.find_first_not_of(" \t") != std::string::npos;
  if (isPlaced)
    FillAndText(painter, rect, kWhite, kBlack, font, 5, 3, text);
  else
    FillAndText(painter, rect, kUnplacedColour, kBlack, font, 5, 2, text);
  return true;
}

const PuzzleDocument::PoolGrid& PoolGridData(const PuzzleDocument& doc, PoolGridKind kind) {
  switch (kind) {
    case PoolGridKind::Rank:
      return doc.RankGrid;
    case PoolGridKind::NumSort:
      return doc.PoolNumSortGrid;
    case PoolGridKind::CharPool:
      break;
  }
  return doc.CharPoolGrid;
}

bool PaintPoolCell(QPainter& painter, const QRect& rect, const PuzzleDocument& doc,
                   PoolGridKind kind, int col, int row, const QFont& font) {
  if (row < 1 || row > 26 || col < 1 || col > 2) return false;
  const auto& grid = PoolGridData(doc, kind);
  const auto& cells = grid[static_cast<std::size_t>(row)];
  const std::string& text = cells[static_cast<std::size_t>(col)];
  if (col == 1) {
    if (kind == PoolGridKind::NumSort && text.empty()) return false;
    if (cells[0].empty()) return false;
    const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(cells[0][0])));
    bool mustHave = false;
    for (char m : doc.Conditions.mustHave)
      if (std::toupper(static_cast<unsigned char>(m)) == letter) mustHave = true;
    if (!mustHave) return false;
    FillAndText(painter, rect, kIllegalColour, kind == PoolGridKind::CharPool ? kBlack : kRed, font,
                2, 2, text);
    return true;
  }
  if (kind != PoolGridKind::CharPool) return false;
  if (!doc.LetterLocked[static_cast<std::size_t>(row - 1)]) return false;
  FillAndText(painter, rect, kRed, kWhite, font, 2, 2, text);
  return true;
}

void PaintBarCell(QPainter& painter, const QRect& rect, const QColor& background,
                  const std::string& text, const QFont& font) {
  painter.fillRect(rect, background);
  painter.setFont(font);
  painter.setPen(kBlack);
  painter.drawText(rect, Qt::AlignCenter, ToQString(text));
}

}  // namespace quotella
