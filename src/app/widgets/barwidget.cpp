#include "app/widgets/barwidget.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "render/gridpainter.h"

namespace quotella {

BarWidget::BarWidget(const QString& name, int cellWidth, int cellHeight, const QFont& font,
                     QWidget* parent)
    : QWidget(parent), m_cellWidth(cellWidth), m_cellHeight(cellHeight), m_font(font) {
  setObjectName(name);
  setFixedHeight(cellHeight + 2);
}

void BarWidget::setCells(const std::vector<std::string>& cells, int maxWidth) {
  m_cells = cells;
  const int want = static_cast<int>(m_cells.size()) * (m_cellWidth + 1) + 1;
  setFixedWidth(std::max(1, std::min(want, maxWidth)));
  if (m_current >= cellCount()) m_current = 0;
  update();
}

void BarWidget::setBackground(const QColor& colour) {
  m_background = colour;
  update();
}

QSize BarWidget::sizeHint() const {
  return {width(), m_cellHeight + 2};
}

QRect BarWidget::cellRect(int col) const {
  return {1 + col * (m_cellWidth + 1), 1, m_cellWidth, m_cellHeight};
}

void BarWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::darkGray);
  for (int c = 0; c < cellCount(); ++c)
    PaintBarCell(painter, cellRect(c), m_background, m_cells[static_cast<std::size_t>(c)], m_font);
}

void BarWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  const int col = (static_cast<int>(event->position().x()) - 1) / (m_cellWidth + 1);
  if (col < 0 || col >= cellCount()) return;
  m_current = col;
  emit cellClicked(col);
}

}  // namespace quotella
