#pragma once

#include <QColor>

#include "render/pagelayout.h"
#include "render/textmeasure.h"

class QPainter;

namespace quotella {

// Paints a laid-out page in printer dots onto any painter: printer, PDF file, SVG
// generator, image or the screen. The layout decides every position; this only chooses
// pens, brushes and fonts.
class PagePainter {
 public:
  // lineWidth: the grid lines' pen in dots (the layout's lineWidth).
  PagePainter(const FontSet& fonts, QColor block, double lineWidth)
      : m_fonts(fonts), m_block(block), m_lineWidth(lineWidth) {}

  void Paint(QPainter& painter, const LaidOutPage& page) const;

 private:
  const FontSet& m_fonts;
  QColor m_block;
  double m_lineWidth;
};

}  // namespace quotella
