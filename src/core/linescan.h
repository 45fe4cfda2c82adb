#pragma once

#include <string_view>

namespace quotella {

// Calls visit(line) for each line of text, in order, without copying: lines end at CR LF,
// LF or CR, and a final line end does not start an empty last line (as SplitLines cuts
// them). For readers that keep only some of a file's lines.
template <typename Visit>
void ForEachLine(std::string_view text, Visit&& visit) {
  const std::size_t n = text.size();
  std::size_t start = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n') continue;
    visit(text.substr(start, i - start));
    if (c == '\r' && i + 1 < n && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < n) visit(text.substr(start));
}

}  // namespace quotella
