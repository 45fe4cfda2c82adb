#pragma once

#include <QColor>
#include <QFont>
#include <QWidget>
#include <string>
#include <vector>

namespace quotella {

// One row of letter cells: the distribution bar and the answer bar of the Grid view.
class BarWidget : public QWidget {
  Q_OBJECT
 public:
  BarWidget(const QString& name, int cellWidth, int cellHeight, const QFont& font,
            QWidget* parent = nullptr);

  // One cell per string; the width fits the cells but never passes maxWidth.
  void setCells(const std::vector<std::string>& cells, int maxWidth);
  int cellCount() const { return static_cast<int>(m_cells.size()); }
  const std::vector<std::string>& cells() const { return m_cells; }
  void setBackground(const QColor& colour);
  int currentColumn() const { return m_current; }
  void setCurrentColumn(int col) { m_current = col; }
  QSize sizeHint() const override;
  QRect cellRect(int col) const;

 signals:
  void cellClicked(int col);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  int m_cellWidth;
  int m_cellHeight;
  QFont m_font;
  QColor m_background = Qt::white;
  std::vector<std::string> m_cells;
  int m_current = 0;
};

}  // namespace quotella
