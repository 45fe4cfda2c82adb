#include "files/newpuzzle.h"

#include <cstring>

namespace quotella {

namespace {

// Characters no file name may hold on one system or another, and control characters.
bool RefusedInFileName(unsigned char c) {
  return c < 0x20 || c == 0x7F || std::strchr("/\\:*?\"<>|", c) != nullptr;
}

// The longest prefix of UTF-8 text within `limit` bytes that ends between characters.
std::string CutBetweenCharacters(const std::string& text, std::size_t limit) {
  if (text.size() <= limit) return text;
  std::size_t end = limit;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  return text.substr(0, end);
}

}  // namespace

std::string NewPuzzleFileName(const std::string& author) {
  constexpr std::size_t kMaxStem = 120;  // bytes: well inside every system's limit
  std::string stem;
  for (const char c : author) {
    if (!RefusedInFileName(static_cast<unsigned char>(c)) && c != ' ')
      stem += c;
    else if (!stem.empty() && stem.back() != ' ')
      stem += ' ';
  }
  // No hidden file, no name of dots alone, no blank at either end.
  const auto first = stem.find_first_not_of(". ");
  stem = first == std::string::npos ? "" : CutBetweenCharacters(stem.substr(first), kMaxStem);
  while (!stem.empty() && (stem.back() == '.' || stem.back() == ' ')) stem.pop_back();
  return (stem.empty() ? std::string("noname") : stem) + ".qtl";
}

}  // namespace quotella
