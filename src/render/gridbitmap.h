#pragma once

#include <QColor>
#include <QFont>
#include <QImage>

#include "core/tpuzzle.h"
#include "render/colours.h"

namespace quotella {

// How the grid bitmap is drawn, in screen pixels.
struct BitmapStyle {
  int cellSize = 23;
  int lineWidth = 1;
  bool labels = true;
  bool key = false;
  int keyVertical = 3;  // downward shift of the letter from the cell's middle
  int numberIndent = 1;
  int labelIndent = 2;
  QColor line = kBlack;
  QColor background = kWhite;
  QColor block = kBlack;
  QFont labelFont;
  QFont keyFont;
  BitmapStyle();
};

// The quotation grid as a picture: square cells with grid lines, blocks before and after
// the quotation and in the word gaps, cell numbers and labels, and optionally the letters.
class GridBitmap {
 public:
  // columns x cellSize + lineWidth wide, rows x cellSize + lineWidth high.
  static QSize Size(int columns, int rows, const BitmapStyle& style);
  static QImage Render(const Tpuzzle& p, int columns, int rows, const BitmapStyle& style);
};

}  // namespace quotella
