#include "render/bitmapcelllayout.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>

#include "render/gridbitmap.h"
#include "render/qtext.h"

namespace quotella {

namespace {

QFont Sized(QFont font, int pixels) {
  font.setPixelSize(std::max(1, pixels));
  return font;
}

// A font's size scaled from the reference cell size to this one.
int Scaled(const QFont& font, const BitmapStyle& style) {
  return static_cast<int>(std::lround(BitmapCellLayout::PixelSize(font) * style.cellSize /
                                      static_cast<double>(BitmapStyle::kFontReferenceCellSize)));
}

}  // namespace

int BitmapCellLayout::PixelSize(const QFont& font) {
  if (font.pixelSize() > 0) return font.pixelSize();
  return static_cast<int>(std::lround(font.pointSizeF() * 96.0 / 72.0));
}

bool BitmapCellLayout::FitBand(const Tpuzzle& p, const BitmapStyle& style, int pixels,
                               bool withLabels) const {
  const QFontMetrics fm(Sized(style.labelFont, pixels));
  const int inner = style.cellSize - line;
  if (2 * (fm.capHeight() + 3) > inner) return false;
  const int gap = std::max(3, pixels / 3);
  for (int i = 1; i <= p.NumCells; ++i) {
    const TMasterCellRec& cell = p.Cells[static_cast<std::size_t>(i)];
    if (cell.CellNumber == 0) continue;
    int width = style.numberIndent + fm.horizontalAdvance(QString::number(cell.CellNumber)) + 1;
    if (withLabels && !cell.CellLabel.empty())
      width += gap + fm.horizontalAdvance(ToQString(cell.CellLabel)) + style.labelIndent - 1;
    if (width > inner) return false;
  }
  return true;
}

void BitmapCellLayout::FitKey(const BitmapStyle& style, int pixels) {
  const int inner = style.cellSize - line;
  const int room = style.cellSize - 1 - keyTop;
  const QString widest = QStringLiteral("W");
  // A small font in a roomy square (no number band) grows until its capitals fill
  // about half the room.
  constexpr int kReference = 100;
  const int capAtReference = QFontMetrics(Sized(style.keyFont, kReference)).capHeight();
  if (capAtReference > 0) pixels = std::max(pixels, room * kReference / (2 * capAtReference));
  for (; pixels > 1; --pixels) {
    const QFontMetrics fm(Sized(style.keyFont, pixels));
    if (fm.capHeight() + 2 <= room && fm.horizontalAdvance(widest) + 2 <= inner) break;
  }
  keyFont = Sized(style.keyFont, pixels);
}

BitmapCellLayout BitmapCellLayout::For(const Tpuzzle& p, const BitmapStyle& style) {
  BitmapCellLayout layout;
  layout.line = style.EffectiveLineWidth();
  // Small squares still get legible numbers while they fit.
  const int start = std::max(Scaled(style.labelFont, style), kMinLegiblePixels);
  int pixels = 0;
  if (style.labels) {
    for (int px = start; px >= kMinLegiblePixels && !layout.numbers; --px) {
      if (layout.FitBand(p, style, px, true)) {
        layout.numbers = layout.labels = true;
        pixels = px;
      }
    }
    for (int px = start; px >= kMinLegiblePixels && !layout.numbers; --px) {
      if (layout.FitBand(p, style, px, false)) {
        layout.numbers = true;
        pixels = px;
      }
    }
  }
  layout.numberFont = Sized(style.labelFont, std::max(pixels, kMinLegiblePixels));
  if (layout.numbers) {
    layout.baseline = layout.line + 1 + QFontMetrics(layout.numberFont).capHeight();
    layout.bandBottom = layout.baseline + 1;
    layout.keyTop = layout.bandBottom + 2;
  } else {
    layout.bandBottom = layout.line - 1;
    layout.keyTop = layout.line + 1;
  }
  layout.FitKey(style, Scaled(style.keyFont, style));
  return layout;
}

}  // namespace quotella
