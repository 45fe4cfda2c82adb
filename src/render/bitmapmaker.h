#pragma once

#include <QImage>
#include <functional>
#include <string>

#include "core/document.h"
#include "render/gridbitmap.h"

namespace quotella {

// The grid-bitmap maker without its window: the drawing parameters as the window's
// controls hold them, the last picture, and the commands that change the grid's width
// or the cell size and draw again. The column and row counts are the puzzle grid's own,
// so narrowing the picture narrows the grid.
class BitmapMaker {
 public:
  static constexpr int kMinCellSize = 8;
  static constexpr int kMaxCellSize = 120;
  // The side area that Bitmap View fits the picture into.
  static constexpr int kFitWidth = 360;
  static constexpr int kFitHeight = 430;

  explicit BitmapMaker(PuzzleDocument& doc) : m_doc(doc) {}

  BitmapStyle style;
  // The "Line Width" box as typed; read on every drawing.
  std::string lineWidthText = "1";

  // Draws the picture from the parameters. A line width that is not a whole number
  // shows "Numerical Error in values .. please Edit " and keeps the previous picture.
  bool Redraw();
  const QImage& Image() const { return m_image; }

  // "<" and ">": one column fewer (without the page warning) or more, then redraw.
  void Narrower();
  void Wider();
  // The cell size one step up or down within 8..120, then redraw.
  void IncreaseCellSize();
  void DecreaseCellSize();

  // Bitmap View: the letters on, then the cell size shrunk until the picture fits the side
  // area and grown until it reaches the area's width or height; the texts follow the cell
  // size. The grid keeps its shape: looking never changes the puzzle. A quotation of 240
  // cells or more ends one step smaller again.
  void FitToSideArea();

  // Runs after every drawing (the window mirrors the picture into the side picture).
  std::function<void()> onDrawn;

 private:
  PuzzleDocument& m_doc;
  QImage m_image;
};

}  // namespace quotella
