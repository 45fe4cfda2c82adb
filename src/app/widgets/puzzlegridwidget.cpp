#include "app/widgets/puzzlegridwidget.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace quotella {

PuzzleGridWidget::PuzzleGridWidget(const PuzzleDocument& doc, const FontSet& fonts, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_fonts(fonts) {
  setObjectName(QStringLiteral("PuzzleGrid"));
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::StrongFocus);
}

void PuzzleGridWidget::setShape(int columns, int rows, int cellSize) {
  m_columns = std::max(0, columns);
  m_rows = std::max(0, rows);
  m_cellSize = std::max(1, cellSize);
  fit();
}

void PuzzleGridWidget::setRoom(const QSize& room) {
  if (room == m_room) return;
  m_room = room;
  fit();
}

QSize PuzzleGridWidget::fullSize() const {
  return PuzzleGridSize(m_columns, m_rows, m_cellSize, m_style.lineWidth);
}

void PuzzleGridWidget::fit() {
  const QSize full = fullSize();
  m_scale = 1.0;
  if (!m_room.isEmpty() && full.width() > 0 && full.height() > 0)
    m_scale = std::min({1.0, static_cast<double>(m_room.width()) / full.width(),
                        static_cast<double>(m_room.height()) / full.height()});
  const QSize s = sizeHint();
  setFixedSize(s);
  updateGeometry();
  update();
}

QSize PuzzleGridWidget::sizeHint() const {
  const QSize full = fullSize();
  return {static_cast<int>(full.width() * m_scale), static_cast<int>(full.height() * m_scale)};
}

QRect PuzzleGridWidget::shown(const QRect& cells) const {
  return QRectF(cells.x() * m_scale, cells.y() * m_scale, cells.width() * m_scale,
                cells.height() * m_scale)
      .toRect();
}

QPoint PuzzleGridWidget::positionAt(const QPoint& p) const {
  const int step = m_cellSize + m_style.lineWidth;
  const int x = static_cast<int>(p.x() / m_scale) - m_style.lineWidth;
  const int y = static_cast<int>(p.y() / m_scale) - m_style.lineWidth;
  if (x < 0 || y < 0) return {-1, -1};
  const int c = x / step;
  const int r = y / step;
  if (c >= m_columns || r >= m_rows) return {-1, -1};
  return {c, r};
}

QImage PuzzleGridWidget::renderImage() const {
  QImage img(fullSize(), QImage::Format_RGB32);
  img.fill(m_style.background);
  QPainter painter(&img);
  const FontMetricsMeasure measure(m_fonts, &img);
  PaintPuzzleGrid(painter, m_doc.P, m_columns, m_rows, m_cellSize, m_style, m_fonts, measure);
  return img;
}

void PuzzleGridWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), m_style.background);
  if (m_columns == 0 || m_rows == 0) return;
  painter.scale(m_scale, m_scale);
  const FontMetricsMeasure measure(m_fonts, this);
  PaintPuzzleGrid(painter, m_doc.P, m_columns, m_rows, m_cellSize, m_style, m_fonts, measure);
}

void PuzzleGridWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  const QPoint pos = positionAt(event->position().toPoint());
  if (pos.x() < 0) return;
  emit positionDoubleClicked(pos.x(), pos.y());
}

}  // namespace quotella
