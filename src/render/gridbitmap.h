#pragma once

#include <QColor>
#include <QFont>
#include <QImage>

class QPainter;

#include "core/tpuzzle.h"
#include "render/colours.h"

namespace quotella {

// How the grid bitmap is drawn, in screen pixels. The fonts' sizes are those of a square
// of kFontReferenceCellSize; other cell sizes scale them.
struct BitmapStyle {
  static constexpr int kDefaultCellSize = 23;
  // Large enough for three-digit numbers beside two-letter labels at a legible size.
  static constexpr int kFontReferenceCellSize = 32;
  int cellSize = kDefaultCellSize;
  int lineWidth = 1;  // at most a third of the cell size is drawn
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
  // The line width as drawn: at least 1, at most a third of the cell size.
  int EffectiveLineWidth() const;
};

// The quotation grid as a picture: square cells with grid lines, blocks before and after
// the quotation and in the word gaps, cell numbers and labels, and optionally the letters.
// Every grid line, the outer border included, is the drawn line width thick.
class GridBitmap {
 public:
  // columns x cellSize + line width wide, rows x cellSize + line width high.
  static QSize Size(int columns, int rows, const BitmapStyle& style);
  static QImage Render(const Tpuzzle& p, int columns, int rows, const BitmapStyle& style);
  // The same drawing onto any painter whose units are pixels (a picture, an SVG file).
  static void Paint(QPainter& painter, const Tpuzzle& p, int columns, int rows,
                    const BitmapStyle& style);
};

}  // namespace quotella
