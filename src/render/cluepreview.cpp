#include "render/cluepreview.h"

#include <QPainter>

#include "render/cluelayout.h"
#include "render/qtext.h"

namespace quotella {

std::vector<PageText> CluePreview::Compute(const PuzzleDocument& doc, int top,
                                           const TextMeasure& measure) {
  std::vector<PageText> texts;
  const auto blocks = ClueLayout::Build(doc, static_cast<int>(0.8 * kColumnWidth),
                                        static_cast<int>(0.9 * kColumnWidth), measure);
  const int clueHeight = measure.TextHeight(FontRole::Clue, "M");
  const int dashHeight = measure.TextHeight(FontRole::Dash, "M");
  int x = 1;
  int y = top;
  int column = 1;
  for (const auto& block : blocks) {
    if (block.height + y >= kPageSize) {
      if (++column > kColumns) break;
      x += kColumnWidth;
      y = top;
    }
    for (const auto& line : block.clueLines) {
      texts.push_back({FontRole::Clue, x, y, line});
      y += clueHeight;
    }
    for (const auto& numbers : block.numberLines) {
      texts.push_back({FontRole::Dash, x, y,
                       ClueLayout::WritingLine(ClueLayout::NumbersOnLine(numbers), {}, false)});
      y += dashHeight;
      texts.push_back({FontRole::Dash, x, y, numbers});
      y += dashHeight;
    }
    y += clueHeight;
  }
  return texts;
}

void CluePreview::Paint(QPainter& painter, const std::vector<PageText>& texts, const FontSet& fonts,
                        QColor background) {
  painter.save();
  painter.setBackgroundMode(Qt::OpaqueMode);
  painter.setBackground(background);
  painter.setPen(Qt::black);
  for (const auto& t : texts) {
    painter.setFont(fonts.Font(t.role));
    painter.drawText(t.x, t.y + painter.fontMetrics().ascent(), ToQString(t.text));
  }
  painter.restore();
}

}  // namespace quotella
