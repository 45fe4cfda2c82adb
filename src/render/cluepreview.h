#pragma once

#include <QColor>
#include <vector>

#include "core/document.h"
#include "render/pagelayout.h"
#include "render/textmeasure.h"

class QPainter;

namespace quotella {

// The clue columns as they would follow the grid, drawn at screen scale under the grid
// in the Grid view: an 800 x 800 pixel page of three columns.
class CluePreview {
 public:
  static constexpr int kPageSize = 800;
  static constexpr int kColumns = 3;
  static constexpr int kColumnWidth = kPageSize / kColumns;

  // The texts of the preview; the columns start `top` pixels down (below the grid).
  static std::vector<PageText> Compute(const PuzzleDocument& doc, int top,
                                       const TextMeasure& measure);

  static void Paint(QPainter& painter, const std::vector<PageText>& texts, const FontSet& fonts,
                    QColor background);
};

}  // namespace quotella
