#pragma once

#include <QByteArray>
#include <QColor>
#include <QString>

#include "render/gridbitmap.h"
#include "render/pagelayout.h"
#include "render/textmeasure.h"

namespace quotella {

// The grid and the printed page as SVG documents for layout programs, drawn by the same
// painters as the picture and the PDF: every number, label and letter is a text element.
class SvgWriter {
 public:
  // The grid as the bitmap draws it, one SVG unit per pixel, shown at 96 dots per inch.
  static QByteArray Grid(const Tpuzzle& p, int columns, int rows, const BitmapStyle& style,
                         const QString& title);

  // Every page of the printed layout, one under another with a gap between them, one SVG
  // unit per printer dot, shown at the printer's resolution. pages receives the count.
  static QByteArray Pages(const PuzzleDocument& doc, const PrintOptions& options,
                          const PageFormat& format, int resolution, const FontSet& fonts,
                          QColor block, int* pages = nullptr);
};

}  // namespace quotella
