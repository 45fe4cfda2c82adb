#pragma once

#include <QWidget>

#include "core/document.h"
#include "render/gridpainter.h"
#include "render/textmeasure.h"

namespace quotella {

// The quotation grid: paints the cells of the document and reports double clicks on
// grid positions. Column and row counts and the cell size come from the grid geometry.
class PuzzleGridWidget : public QWidget {
  Q_OBJECT
 public:
  PuzzleGridWidget(const PuzzleDocument& doc, const FontSet& fonts, QWidget* parent = nullptr);

  void setShape(int columns, int rows, int cellSize);
  int columns() const { return m_columns; }
  int rows() const { return m_rows; }
  int cellSize() const { return m_cellSize; }
  GridStyle& style() { return m_style; }
  const GridStyle& style() const { return m_style; }
  // The grid position (column, row) under a point, or (-1, -1).
  QPoint positionAt(const QPoint& p) const;
  QSize sizeHint() const override;

  // The whole grid as an image, as the screen shows it.
  QImage renderImage() const;

 signals:
  void positionDoubleClicked(int col, int row);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  const PuzzleDocument& m_doc;
  const FontSet& m_fonts;
  GridStyle m_style;
  int m_columns = 0;
  int m_rows = 0;
  int m_cellSize = 34;
};

}  // namespace quotella
