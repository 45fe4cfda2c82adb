#include "render/bitmapmaker.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "core/geometry.h"

namespace quotella {

namespace {

std::optional<int> ParseWhole(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return std::nullopt;
  const auto last = text.find_last_not_of(" \t");
  int value = 0;
  const char* end = text.data() + last + 1;
  const auto [ptr, ec] = std::from_chars(text.data() + first, end, value);
  if (ec != std::errc() || ptr != end) return std::nullopt;
  return value;
}

// Passes everything on to the real host except the page warning of narrowing, which
// means nothing for a picture.
class NoPageWarningHost : public Host {
 public:
  explicit NoPageWarningHost(Host& inner) : m_inner(inner) {}
  void Message(const std::string& text) override {
    if (text != "WARNING: Grid will not fit on the page at this size!") m_inner.Message(text);
  }
  bool Confirm(const std::string& text, ConfirmKind kind) override {
    return m_inner.Confirm(text, kind);
  }
  std::optional<std::string> Prompt(const std::string& caption, const std::string& label,
                                    const std::string& initial) override {
    return m_inner.Prompt(caption, label, initial);
  }
  void Status(StatusBar bar, int panel, const std::string& text) override {
    m_inner.Status(bar, panel, text);
  }
  void PlaySound(const std::string& name, bool sync) override { m_inner.PlaySound(name, sync); }

 private:
  Host& m_inner;
};

}  // namespace

bool BitmapMaker::Redraw() {
  const auto lineWidth = ParseWhole(lineWidthText);
  if (!lineWidth || *lineWidth < 1) {
    m_doc.host().Message("Numerical Error in values .. please Edit ");
    return false;
  }
  style.lineWidth = *lineWidth;
  style.cellSize = std::clamp(style.cellSize, kMinCellSize, kMaxCellSize);
  m_image = GridBitmap::Render(m_doc.P, m_doc.Grid.Columns, m_doc.Grid.Rows, style);
  if (onDrawn) onDrawn();
  return true;
}

void BitmapMaker::Narrower() {
  Host& host = m_doc.host();
  NoPageWarningHost quiet(host);
  m_doc.SetHost(quiet);
  SqueezeGrid1Click(m_doc);
  m_doc.SetHost(host);
  Redraw();
}

void BitmapMaker::Wider() {
  StretchGrid1Click(m_doc);
  Redraw();
}

void BitmapMaker::IncreaseCellSize() {
  style.cellSize = std::min(style.cellSize + 1, kMaxCellSize);
  Redraw();
}

void BitmapMaker::DecreaseCellSize() {
  style.cellSize = std::max(style.cellSize - 1, kMinCellSize);
  Redraw();
}

void BitmapMaker::FitToSideArea() {
  style.key = true;
  if (!Redraw()) return;
  auto size = [this] { return GridBitmap::Size(m_doc.Grid.Columns, m_doc.Grid.Rows, style); };
  while ((size().width() > kFitWidth || size().height() > kFitHeight) &&
         style.cellSize > kMinCellSize) {
    --style.cellSize;
    style.labels = style.cellSize > 20;
    style.keyVertical = style.labels ? 4 : 0;
    Redraw();
  }
  while (size().width() < kFitWidth && size().height() < kFitHeight &&
         style.cellSize < kMaxCellSize) {
    ++style.cellSize;
    Redraw();
  }
  if (m_doc.P.NumCells >= 240) {
    style.cellSize = std::max(style.cellSize - 1, kMinCellSize);
    style.labels = style.cellSize > 20;
    Redraw();
  }
}

}  // namespace quotella
