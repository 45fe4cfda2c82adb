#include "render/pagepainter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPen>

#include "render/colours.h"
#include "render/qtext.h"

namespace quotella {

namespace {

// A text on the block colour stands out in the colour farthest from it.
QColor OnBlock(QColor block) {
  return block.lightness() < 128 ? kWhite : kBlack;
}

}  // namespace

void PagePainter::Paint(QPainter& painter, const LaidOutPage& page) const {
  painter.save();
  painter.setPen(Qt::NoPen);
  painter.setBrush(m_block);
  for (const auto& r : page.blocks) painter.drawRect(r);

  QPen pen(kBlack);
  pen.setWidthF(m_lineWidth);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  painter.drawLines(page.lines.data(), static_cast<int>(page.lines.size()));

  const PageText* style = nullptr;
  int ascent = 0;
  for (const auto& t : page.texts) {
    if (!style || t.role != style->role || t.scale != style->scale || t.bold != style->bold) {
      style = &t;
      painter.setFont(m_fonts.Styled(t.role, t.scale, t.bold));
      ascent = painter.fontMetrics().ascent();
    }
    painter.setPen(t.onBlock ? OnBlock(m_block) : kBlack);
    painter.drawText(t.x, t.y + ascent, ToQString(t.text));
  }
  painter.restore();
}

}  // namespace quotella
