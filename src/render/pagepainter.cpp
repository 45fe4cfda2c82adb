#include "render/pagepainter.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPen>

#include "render/colours.h"
#include "render/qtext.h"

namespace quotella {

void PagePainter::Paint(QPainter& painter, const LaidOutPage& page) const {
  painter.save();
  painter.setPen(Qt::NoPen);
  painter.setBrush(m_block);
  for (const auto& r : page.blocks) painter.drawRect(r);

  QPen pen(kBlack);
  pen.setWidth(m_lineWidth);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  painter.drawLines(page.lines.data(), static_cast<int>(page.lines.size()));

  painter.setPen(kBlack);
  FontRole current = FontRole::Count;
  int ascent = 0;
  for (const auto& t : page.texts) {
    if (t.role != current) {
      current = t.role;
      painter.setFont(m_fonts.Font(current));
      ascent = painter.fontMetrics().ascent();
    }
    painter.drawText(t.x, t.y + ascent, ToQString(t.text));
  }
  painter.restore();
}

}  // namespace quotella
