#pragma once

#include <QWidget>

#include "core/document.h"
#include "render/gridpainter.h"
#include "render/textmeasure.h"

namespace quotella {

// The quotation grid: paints the cells of the document and reports double clicks on
// grid positions. Column and row counts and the cell size come from the grid geometry.
// Given the room it has (setRoom), the grid is drawn smaller when it would not fit, so
// that every column and row shows; it is never drawn larger than its cells.
class PuzzleGridWidget : public QWidget {
  Q_OBJECT
 public:
  PuzzleGridWidget(const PuzzleDocument& doc, const FontSet& fonts, QWidget* parent = nullptr);

  void setShape(int columns, int rows, int cellSize);
  // The room the grid may take on the screen; an empty size: no limit.
  void setRoom(const QSize& room);
  // How much smaller than its cells the grid is drawn (1: full size).
  double scale() const { return m_scale; }
  // Where a rectangle of the full-size grid shows on the widget.
  QRect shown(const QRect& cells) const;
  int columns() const { return m_columns; }
  int rows() const { return m_rows; }
  int cellSize() const { return m_cellSize; }
  GridStyle& style() { return m_style; }
  const GridStyle& style() const { return m_style; }
  // The grid position (column, row) under a point, or (-1, -1).
  QPoint positionAt(const QPoint& p) const;
  QSize sizeHint() const override;

  // The whole grid at full size as an image, as the screen shows it.
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
  QSize m_room;
  double m_scale = 1.0;

  QSize fullSize() const;
  void fit();
};

}  // namespace quotella
