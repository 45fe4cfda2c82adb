#include "files/puzzlesections.h"

#include <algorithm>
#include <cctype>
#include <cstddef>

#include "core/textio.h"

namespace quotella {

namespace {

using SectionField = int Sections::*;

struct TagName {
  const char* tag;
  SectionField field;
};

// In the order the program writes them.
constexpr TagName kTags[] = {
    {"[QUOTE]", &Sections::quote},      {"[GRID]", &Sections::grid},
    {"[NUMGRID]", &Sections::numgrid},  {"[TITLE]", &Sections::title},
    {"[BYLINE]", &Sections::byline},    {"[COPYRIGHT]", &Sections::copyright},
    {"[LABELS]", &Sections::labels},    {"[KEYWORDS]", &Sections::keywords},
    {"[RANDSEED]", &Sections::randseed}};

// The tag a line is exactly (blanks around it and letter case aside); nullptr for none.
const char* ExactTag(const std::string& line) {
  std::size_t b = 0;
  std::size_t e = line.size();
  while (b < e && static_cast<unsigned char>(line[b]) <= ' ') ++b;
  while (e > b && static_cast<unsigned char>(line[e - 1]) <= ' ') --e;
  if (e == b || e - b > 16 || line[b] != '[') return nullptr;
  const std::string upper = UpperCase(line.substr(b, e - b));
  for (const auto& t : kTags)
    if (upper == t.tag) return t.tag;
  return nullptr;
}

// Calls found(tag) for every tag that occurs anywhere in the line, in any letter case.
// Each character is looked at a bounded number of times, however the line is made.
template <typename Found>
void ForEachTagIn(const std::string& line, Found found) {
  std::size_t p = line.find('[');
  while (p != std::string::npos) {
    std::size_t q = p + 1;
    std::string word = "[";
    while (q < line.size() && q - p <= 10 && std::isalpha(static_cast<unsigned char>(line[q])))
      word += static_cast<char>(std::toupper(static_cast<unsigned char>(line[q++])));
    if (q < line.size() && line[q] == ']') {
      word += ']';
      for (const auto& t : kTags)
        if (word == t.tag) found(t);
    }
    p = line.find('[', q > p + 1 ? q : p + 1);
  }
}

// The file as the program writes it: every tag once on a line of its own, in the written
// order, each text line right after its tag, the answer words between "[keywords]" and
// the last "[randseed]". Whatever a title, byline, copyright or clue holds, these are the
// positions of the tags; nullopt when the file is not laid out so.
std::optional<Sections> ScanWrittenLayout(const LineStore& lines) {
  Sections s;
  std::size_t i = 0;
  const auto next = [&](const char* tag, bool optional) -> int {
    const auto from = static_cast<std::ptrdiff_t>(std::min(i, lines.size()));
    for (auto line = lines.begin() + from; line != lines.end(); ++line) {
      const char* t = ExactTag(*line);
      if (t == nullptr) continue;
      if (std::string(t) != tag) return optional ? -2 : -1;
      i = line.Index() + 1;
      return static_cast<int>(line.Index());
    }
    return -1;
  };
  for (const auto& t : kTags) {
    if (t.field == &Sections::randseed) break;
    const bool optional = t.field == &Sections::numgrid;
    const int at = next(t.tag, optional);
    if (at == -1) return std::nullopt;
    if (at == -2) continue;  // a 3.0 file has no number map
    s.*(t.field) = at;
    s.tagLines.push_back(at);
    // The text of a one-line section is not searched for tags.
    if (t.field == &Sections::title || t.field == &Sections::byline ||
        t.field == &Sections::copyright)
      i = static_cast<std::size_t>(at) + 2;
  }
  for (std::size_t k = lines.size(); k-- > i;) {
    if (const char* t = ExactTag(lines[k]); t != nullptr && std::string(t) == "[RANDSEED]") {
      s.randseed = static_cast<int>(k);
      s.tagLines.push_back(s.randseed);
      s.written = true;
      return s;
    }
  }
  return std::nullopt;
}

}  // namespace

Sections ScanSections(const LineStore& lines) {
  if (auto written = ScanWrittenLayout(lines)) return *written;
  Sections exact;
  Sections loose;
  for (auto line = lines.begin(); line != lines.end(); ++line) {
    const int at = static_cast<int>(line.Index());
    if (const char* tag = ExactTag(*line)) {
      for (const auto& t : kTags)
        if (std::string(t.tag) == tag) exact.*(t.field) = at;
      exact.tagLines.push_back(at);
      continue;
    }
    ForEachTagIn(*line, [&](const TagName& t) { loose.*(t.field) = at; });
  }
  for (const auto& t : kTags)
    if (exact.*(t.field) < 0) exact.*(t.field) = loose.*(t.field);
  return exact;
}

std::optional<std::string> LineAfter(const LineStore& lines, int tag) {
  if (tag < 0 || static_cast<std::size_t>(tag) + 1 >= lines.size()) return std::nullopt;
  return lines[static_cast<std::size_t>(tag) + 1];
}

std::optional<std::string> TextAfter(const LineStore& lines, const Sections& s, int tag) {
  auto line = LineAfter(lines, tag);
  if (line && !s.written && ExactTag(*line) != nullptr) return std::nullopt;
  return line;
}

LineStore SectionLines(const LineStore& lines, const Sections& s, int tag) {
  LineStore out;
  if (tag < 0) return out;
  std::size_t end = lines.size();
  for (int t : s.tagLines)
    if (t > tag) {
      end = static_cast<std::size_t>(t);
      break;
    }
  for (std::size_t i = static_cast<std::size_t>(tag) + 1; i < end; ++i) {
    if (lines[i].find('[') != std::string::npos) break;
    out.push_back(lines[i]);
  }
  return out;
}

}  // namespace quotella
