#pragma once

#include <QFont>
#include <QString>

#include "core/tpuzzle.h"

namespace quotella {

struct BitmapStyle;

// Where the texts of one grid square go at one cell size: the number band along the top
// (number at the left, label at the right) and the key letter in the room below it. The
// fonts keep the family and weight the user chose; their sizes follow the cell size and
// shrink until every square's number and label fit side by side. A text that would need
// to be smaller than kMinLegiblePixels is left out: the label first, then the number.
class BitmapCellLayout {
 public:
  static constexpr int kMinLegiblePixels = 7;

  static BitmapCellLayout For(const Tpuzzle& p, const BitmapStyle& style);

  // The pixel size a font has on a 96-dpi screen.
  static int PixelSize(const QFont& font);

  int line = 1;  // grid line thickness, pixels
  bool numbers = false;
  bool labels = false;
  QFont numberFont;  // numbers and labels, pixel-sized
  QFont keyFont;     // letters, pixel-sized
  // Measured from the square's top edge (where its grid line starts).
  int baseline = 0;    // of the numbers and labels
  int bandBottom = 0;  // last row the number band may touch (anti-aliasing included)
  int keyTop = 0;      // first row a letter may touch

 private:
  bool FitBand(const Tpuzzle& p, const BitmapStyle& style, int pixels, bool withLabels) const;
  void FitKey(const BitmapStyle& style, int pixels);
};

}  // namespace quotella
