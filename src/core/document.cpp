#include "core/document.h"

#include <cctype>

#include "core/poolstatus.h"

namespace quotella {

CharSet MakeExcludedSet() {
  CharSet s;
  for (int c = 1; c <= 31; ++c) s.set(static_cast<std::size_t>(c));
  for (int c = 33; c <= 64; ++c) s.set(static_cast<std::size_t>(c));
  for (int c = 91; c <= 96; ++c) s.set(static_cast<std::size_t>(c));
  for (int c = 126; c <= 255; ++c) s.set(static_cast<std::size_t>(c));
  return s;
}

namespace {

void ChangePool(PuzzleDocument& doc, const std::string& s, int delta) {
  bool changed = false;
  for (char ch : s) {
    const char up = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    if (!IsUpperLetter(up)) continue;
    doc.P.PoolOf(up) += delta;
    changed = true;
  }
  if (!changed || doc.PoolViewsHeld()) return;
  RefreshPoolViews(doc);
  UpdateCharStatus(doc);
}

}  // namespace

void TakeFromPool(PuzzleDocument& doc, const std::string& s) {
  ChangePool(doc, s, -1);
}
void ReturnToPool(PuzzleDocument& doc, const std::string& s) {
  ChangePool(doc, s, +1);
}

void MakeLabels(Tpuzzle& p) {
  for (int i = 1; i <= 26; ++i) {
    const char letter = static_cast<char>(64 + i);
    p.Labels[static_cast<std::size_t>(i)] = std::string(1, letter);
    p.Labels[static_cast<std::size_t>(26 + i)] = std::string(2, letter);
  }
}

}  // namespace quotella
