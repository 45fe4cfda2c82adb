#include "app/widgets/puzzlegridwidget.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>

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
  const QSize s = PuzzleGridSize(m_columns, m_rows, m_cellSize, m_style.lineWidth);
  setMinimumSize(s);
  resize(s);
  updateGeometry();
  update();
}

QSize PuzzleGridWidget::sizeHint() const {
  return PuzzleGridSize(m_columns, m_rows, m_cellSize, m_style.lineWidth);
}

QPoint PuzzleGridWidget::positionAt(const QPoint& p) const {
  const int step = m_cellSize + m_style.lineWidth;
  const int x = p.x() - m_style.lineWidth;
  const int y = p.y() - m_style.lineWidth;
  if (x < 0 || y < 0) return {-1, -1};
  const int c = x / step;
  const int r = y / step;
  if (c >= m_columns || r >= m_rows) return {-1, -1};
  return {c, r};
}

QImage PuzzleGridWidget::renderImage() const {
  QImage img(sizeHint(), QImage::Format_RGB32);
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
  const FontMetricsMeasure measure(m_fonts, this);
  PaintPuzzleGrid(painter, m_doc.P, m_columns, m_rows, m_cellSize, m_style, m_fonts, measure);
}

void PuzzleGridWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  const QPoint pos = positionAt(event->position().toPoint());
  if (pos.x() < 0) return;
  emit positionDoubleClicked(pos.x(), pos.y());
}

}  // namespace quotella
