#pragma once

#include <QFont>
#include <array>
#include <string>

class QPaintDevice;

namespace quotella {

// The fonts of the drawn elements; screen grid, page and bitmap share them.
enum class FontRole { Letter, Number, Title, Byline, Copyright, Clue, Dash, Help, Count };

// The default size of each role's font in points, in the order of FontRole.
inline constexpr std::array<int, static_cast<std::size_t>(FontRole::Count)> kDefaultPoints = {
    8, 6, 24, 12, 8, 10, 10, 7};

// Measures text in one of the element fonts on one drawing surface. Layout code asks
// only this, so its numbers can be checked with a fixed-width stand-in.
class TextMeasure {
 public:
  virtual ~TextMeasure() = default;
  virtual int TextWidth(FontRole role, const std::string& text) const = 0;
  // The line height: the height of "M" on the surface.
  virtual int TextHeight(FontRole role, const std::string& text) const = 0;
  // The role's font at `scale` times its size, bold or not. By default the plain
  // measure scaled, a bold face an eighth wider.
  virtual int StyledWidth(FontRole role, const std::string& text, double scale, bool bold) const;
  virtual int StyledHeight(FontRole role, double scale) const;
  // The role's font size in points.
  virtual double PointSize(FontRole role) const;
};

// The element fonts with their defaults.
class FontSet {
 public:
  FontSet();
  const QFont& Font(FontRole role) const { return m_fonts[static_cast<std::size_t>(role)]; }
  void SetFont(FontRole role, const QFont& font) { m_fonts[static_cast<std::size_t>(role)] = font; }
  // The role's font at `scale` times its size, bold or not.
  QFont Styled(FontRole role, double scale, bool bold) const;

 private:
  std::array<QFont, static_cast<std::size_t>(FontRole::Count)> m_fonts;
};

// Measures with QFontMetrics on a real device (screen widget, printer, image).
class FontMetricsMeasure : public TextMeasure {
 public:
  FontMetricsMeasure(const FontSet& fonts, QPaintDevice* device)
      : m_fonts(fonts), m_device(device) {}
  int TextWidth(FontRole role, const std::string& text) const override;
  int TextHeight(FontRole role, const std::string& text) const override;
  int StyledWidth(FontRole role, const std::string& text, double scale, bool bold) const override;
  int StyledHeight(FontRole role, double scale) const override;
  double PointSize(FontRole role) const override;

 private:
  const FontSet& m_fonts;
  QPaintDevice* m_device;
};

}  // namespace quotella
