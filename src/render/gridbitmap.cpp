#include "render/gridbitmap.h"

#include <QFontMetrics>
#include <QPainter>

#include "render/qtext.h"

namespace quotella {

BitmapStyle::BitmapStyle()
    : labelFont(QStringLiteral("Liberation Sans"), 6),
      keyFont(QStringLiteral("Liberation Sans"), 12, QFont::Bold) {}

QSize GridBitmap::Size(int columns, int rows, const BitmapStyle& style) {
  return {columns * style.cellSize + style.lineWidth, rows * style.cellSize + style.lineWidth};
}

namespace {

void DrawLines(QPainter& painter, int columns, int rows, const BitmapStyle& style, QSize size) {
  QPen pen(style.line);
  pen.setWidth(style.lineWidth);
  painter.setPen(pen);
  const int s = style.cellSize;
  for (int r = 0; r <= rows; ++r) painter.drawLine(0, r * s, size.width(), r * s);
  for (int c = 0; c <= columns; ++c) painter.drawLine(c * s, 0, c * s, size.height());
}

}  // namespace

QImage GridBitmap::Render(const Tpuzzle& p, int columns, int rows, const BitmapStyle& style) {
  const QSize size = Size(columns, rows, style);
  QImage image(size, QImage::Format_RGB32);
  image.fill(style.background);
  QPainter painter(&image);
  DrawLines(painter, columns, rows, style, size);

  const int s = style.cellSize;
  const int positions = columns * rows;
  const QFontMetrics label(style.labelFont, &image);
  const QFontMetrics key(style.keyFont, &image);
  for (int r = 0; r < rows; ++r) {
    for (int c = 0; c < columns; ++c) {
      const int pos = r * columns + c + 1;
      const QRect square(c * s, r * s, s, s);
      const int i = pos - p.GridOffset;
      if (pos <= p.GridOffset || pos > positions - p.TrailingCells || i < 1 || i > p.NumCells) {
        painter.fillRect(square, style.block);
        continue;
      }
      const TMasterCellRec& cell = p.Cells[static_cast<std::size_t>(i)];
      if (cell.CellNumber != 0) {
        painter.fillRect(square, style.background);
        painter.setPen(kBlack);
        if (style.labels) {
          painter.setFont(style.labelFont);
          painter.drawText(square.x() + style.numberIndent, square.y() + 1 + label.ascent(),
                           QString::number(cell.CellNumber));
          const QString text = ToQString(cell.CellLabel);
          painter.drawText(square.x() + s - label.horizontalAdvance(text) - style.labelIndent - 1,
                           square.y() + 1 + label.ascent(), text);
        }
        if (style.key) {
          painter.setFont(style.keyFont);
          const QString letter = ToQString(std::string(1, cell.Char));
          const int x = square.x() + s / 2 - key.horizontalAdvance(letter) / 2;
          const int y = square.y() + s / 2 + style.keyVertical - key.height() / 2;
          painter.drawText(x, y + key.ascent(), letter);
        }
      } else if (cell.Char == '-') {
        painter.setPen(kBlack);
        const QFontMetrics& fm = style.key ? key : label;
        painter.setFont(style.key ? style.keyFont : style.labelFont);
        const QString dash = QStringLiteral("-");
        const int x = square.center().x() - fm.horizontalAdvance(dash) / 2;
        const int y = square.y() + s / 2 - fm.height() / 2;
        painter.drawText(x, y + fm.ascent(), dash);
      } else {
        painter.fillRect(square, style.block);
      }
    }
  }
  DrawLines(painter, columns, rows, style, size);
  return image;
}

}  // namespace quotella
