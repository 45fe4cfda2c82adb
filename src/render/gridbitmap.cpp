#include "render/gridbitmap.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "render/bitmapcelllayout.h"
#include "render/qtext.h"

namespace quotella {

BitmapStyle::BitmapStyle()
    : labelFont(QStringLiteral("Liberation Sans"), 7),
      keyFont(QStringLiteral("Liberation Sans"), 12, QFont::Bold) {}

int BitmapStyle::EffectiveLineWidth() const {
  return std::clamp(lineWidth, 1, std::max(1, cellSize / 3));
}

QSize GridBitmap::Size(int columns, int rows, const BitmapStyle& style) {
  const int line = style.EffectiveLineWidth();
  return {columns * style.cellSize + line, rows * style.cellSize + line};
}

namespace {

// Each line is a band `line` pixels wide starting at its multiple of the cell size, so
// the outer border is as thick as the lines inside.
void DrawLines(QPainter& painter, int columns, int rows, const BitmapStyle& style, int line) {
  const QSize size = GridBitmap::Size(columns, rows, style);
  const int s = style.cellSize;
  for (int r = 0; r <= rows; ++r) painter.fillRect(0, r * s, size.width(), line, style.line);
  for (int c = 0; c <= columns; ++c) painter.fillRect(c * s, 0, line, size.height(), style.line);
}

void DrawBand(QPainter& painter, const TMasterCellRec& cell, QPoint corner,
              const BitmapStyle& style, const BitmapCellLayout& layout) {
  painter.setFont(layout.numberFont);
  const int baseline = corner.y() + layout.baseline;
  painter.drawText(corner.x() + layout.line + style.numberIndent, baseline,
                   QString::number(cell.CellNumber));
  if (!layout.labels) return;
  const QString label = ToQString(cell.CellLabel);
  const int width = QFontMetrics(layout.numberFont).horizontalAdvance(label);
  painter.drawText(corner.x() + style.cellSize - style.labelIndent - width, baseline, label);
}

// The letter centred across the square and `keyVertical` below its middle, but never
// higher than the room under the number band nor lower than the square.
void DrawKey(QPainter& painter, const QString& letter, QPoint corner, const BitmapStyle& style,
             const BitmapCellLayout& layout) {
  painter.setFont(layout.keyFont);
  const QFontMetrics fm(layout.keyFont);
  const QRect ink = fm.tightBoundingRect(letter);
  const int s = style.cellSize;
  int top = s / 2 + style.keyVertical - ink.height() / 2;
  top = std::max(layout.keyTop, std::min(top, s - 1 - ink.height()));
  const int x = layout.line + (s - layout.line) / 2 - fm.horizontalAdvance(letter) / 2;
  painter.drawText(corner.x() + x, corner.y() + top - ink.top(), letter);
}

void DrawDash(QPainter& painter, QPoint corner, const BitmapStyle& style,
              const BitmapCellLayout& layout) {
  const QFont& font = style.key ? layout.keyFont : layout.numberFont;
  painter.setFont(font);
  const QFontMetrics fm(font);
  const QString dash = QStringLiteral("-");
  const QRect ink = fm.tightBoundingRect(dash);
  const int middle = layout.line + (style.cellSize - layout.line) / 2;
  painter.drawText(corner.x() + middle - fm.horizontalAdvance(dash) / 2,
                   corner.y() + middle - ink.height() / 2 - ink.top(), dash);
}

}  // namespace

QImage GridBitmap::Render(const Tpuzzle& p, int columns, int rows, const BitmapStyle& style) {
  QImage image(Size(columns, rows, style), QImage::Format_RGB32);
  QPainter painter(&image);
  Paint(painter, p, columns, rows, style);
  return image;
}

void GridBitmap::Paint(QPainter& painter, const Tpuzzle& p, int columns, int rows,
                       const BitmapStyle& style) {
  const BitmapCellLayout layout = BitmapCellLayout::For(p, style);
  const int s = style.cellSize;
  const int positions = columns * rows;
  painter.fillRect(QRect(QPoint(0, 0), Size(columns, rows, style)), style.background);
  painter.setPen(kBlack);
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < columns; ++c) {
      const int pos = r * columns + c + 1;
      const QPoint corner(c * s, r * s);
      const QRect square(corner, QSize(s, s));
      const int i = pos - p.GridOffset;
      if (pos <= p.GridOffset || pos > positions - p.TrailingCells || i < 1 || i > p.NumCells) {
        painter.fillRect(square, style.block);
        continue;
      }
      const TMasterCellRec& cell = p.Cells[static_cast<std::size_t>(i)];
      if (cell.CellNumber != 0) {
        if (layout.numbers) DrawBand(painter, cell, corner, style, layout);
        if (style.key)
          DrawKey(painter, ToQString(std::string(1, cell.Char)), corner, style, layout);
      } else if (cell.Char == '-') {
        DrawDash(painter, corner, style, layout);
      } else {
        painter.fillRect(square, style.block);
      }
    }
  }
  DrawLines(painter, columns, rows, style, layout.line);
}

}  // namespace quotella
