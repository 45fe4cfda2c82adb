#include "render/textmeasure.h"

#include <QFontMetrics>

#include "render/qtext.h"

namespace quotella {

namespace {

QFont MakeFont(const char* family, int points, bool bold = false) {
  QFont f(QString::fromLatin1(family), points);
  f.setBold(bold);
  return f;
}

}  // namespace

// The faces of the page are the metric-compatible Liberation fonts: Liberation Serif
// where the page was designed with Times New Roman, Liberation Sans for Arial and for
// the small raster face of numbers and labels, Liberation Mono for Courier New. The
// numbered dashes need the monospaced face: numbers must sit under their dash groups.
FontSet::FontSet() {
  SetFont(FontRole::Letter, MakeFont("Liberation Sans", 8));
  SetFont(FontRole::Number, MakeFont("Liberation Sans", 6));
  SetFont(FontRole::Title, MakeFont("Liberation Serif", 24));
  SetFont(FontRole::Byline, MakeFont("Liberation Serif", 12));
  SetFont(FontRole::Copyright, MakeFont("Liberation Sans", 8));
  SetFont(FontRole::Clue, MakeFont("Liberation Serif", 10));
  SetFont(FontRole::Dash, MakeFont("Liberation Mono", 10, true));
  SetFont(FontRole::Help, MakeFont("Liberation Sans", 7));
}

int FontMetricsMeasure::TextWidth(FontRole role, const std::string& text) const {
  const QFontMetrics fm(m_fonts.Font(role), m_device);
  return fm.horizontalAdvance(ToQString(text));
}

int FontMetricsMeasure::TextHeight(FontRole role, const std::string& text) const {
  (void)text;
  const QFontMetrics fm(m_fonts.Font(role), m_device);
  return fm.height();
}

}  // namespace quotella
