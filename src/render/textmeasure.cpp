#include "render/textmeasure.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>

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
  const auto points = [](FontRole role) { return kDefaultPoints[static_cast<std::size_t>(role)]; };
  for (FontRole role : {FontRole::Letter, FontRole::Number, FontRole::Copyright, FontRole::Help})
    SetFont(role, MakeFont("Liberation Sans", points(role)));
  for (FontRole role : {FontRole::Title, FontRole::Byline, FontRole::Clue})
    SetFont(role, MakeFont("Liberation Serif", points(role)));
  SetFont(FontRole::Dash, MakeFont("Liberation Mono", points(FontRole::Dash), true));
}

QFont FontSet::Styled(FontRole role, double scale, bool bold) const {
  QFont f = Font(role);
  if (scale != 1.0) {
    if (f.pointSizeF() > 0)
      f.setPointSizeF(f.pointSizeF() * scale);
    else
      f.setPixelSize(std::max(1, static_cast<int>(f.pixelSize() * scale)));
  }
  if (bold) f.setBold(true);
  return f;
}

int TextMeasure::StyledWidth(FontRole role, const std::string& text, double scale,
                             bool bold) const {
  const double width = TextWidth(role, text) * scale * (bold ? 1.125 : 1.0);
  return static_cast<int>(std::ceil(width));
}

int TextMeasure::StyledHeight(FontRole role, double scale) const {
  return static_cast<int>(std::ceil(TextHeight(role, "M") * scale));
}

double TextMeasure::PointSize(FontRole role) const {
  return kDefaultPoints[static_cast<std::size_t>(role)];
}

int FontMetricsMeasure::StyledWidth(FontRole role, const std::string& text, double scale,
                                    bool bold) const {
  if (scale == 1.0 && !bold) return TextWidth(role, text);
  const QFontMetrics fm(m_fonts.Styled(role, scale, bold), m_device);
  return fm.horizontalAdvance(ToQString(text));
}

int FontMetricsMeasure::StyledHeight(FontRole role, double scale) const {
  const QFontMetrics fm(m_fonts.Styled(role, scale, false), m_device);
  return fm.height();
}

double FontMetricsMeasure::PointSize(FontRole role) const {
  const QFont& f = m_fonts.Font(role);
  return f.pointSizeF() > 0 ? f.pointSizeF() : f.pixelSize() * 72.0 / 96.0;
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
