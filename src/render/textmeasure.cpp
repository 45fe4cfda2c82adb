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

FontSet::FontSet() {
  SetFont(FontRole::Letter, MakeFont("Arial", 8));
  // A raster face of 8 pixels where it exists; fontconfig picks the nearest otherwise.
  QFont small(QStringLiteral("Small Fonts"));
  small.setPixelSize(8);
  SetFont(FontRole::Number, small);
  SetFont(FontRole::Title, MakeFont("Times New Roman", 16, true));
  SetFont(FontRole::Byline, MakeFont("Times New Roman", 10));
  SetFont(FontRole::Copyright, MakeFont("Arial", 8));
  SetFont(FontRole::Clue, MakeFont("Times New Roman", 10));
  SetFont(FontRole::Dash, MakeFont("Courier New", 10));
  SetFont(FontRole::Help, MakeFont("Arial", 8));
}

int FontMetricsMeasure::TextWidth(FontRole role, const std::string& text) const {
  const QFontMetrics fm(m_fonts.Font(role), m_device);
  return fm.horizontalAdvance(FromCp(text));
}

int FontMetricsMeasure::TextHeight(FontRole role, const std::string& text) const {
  (void)text;
  const QFontMetrics fm(m_fonts.Font(role), m_device);
  return fm.height();
}

}  // namespace quotella
