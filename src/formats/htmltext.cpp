#include "formats/htmltext.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <string_view>

#include "formats/htmlentitytable.h"

namespace quotella {

namespace {

// "&" and a reference up to its ";": the longest name ("CounterClockwiseContourIntegral")
// and the longest number ("#x0010FFFF" and more zeros) fit well within.
constexpr std::size_t kLongestReference = 40;

void AppendUtf8(std::string& out, std::uint32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// The UTF-8 text of a character reference without its "&" and ";" (a name such as
// "eacute" or a number such as "#233" or "#xE9"); empty when it is none.
std::string EntityText(std::string_view name) {
  std::string out;
  if (name.size() > 1 && name[0] == '#') {
    const bool hex = name[1] == 'x' || name[1] == 'X';
    const char* begin = name.data() + (hex ? 2 : 1);
    const char* end = name.data() + name.size();
    std::uint32_t code = 0;
    const auto [ptr, ec] = std::from_chars(begin, end, code, hex ? 16 : 10);
    if (ec != std::errc() || ptr != end || begin == end) return out;
    if (code > 0 && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF)) AppendUtf8(out, code);
    return out;
  }
  const HtmlEntity* table = kHtmlEntities;
  const HtmlEntity* last = kHtmlEntities + kHtmlEntityCount;
  const HtmlEntity* found = std::lower_bound(
      table, last, name, [](const HtmlEntity& e, std::string_view n) { return e.name < n; });
  if (found == last || found->name != name) return out;
  AppendUtf8(out, found->first);
  if (found->second != 0) AppendUtf8(out, found->second);
  return out;
}

}  // namespace

std::string EscapeHtml(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&#39;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

std::string HtmlToText(const std::string& html) {
  std::string out;
  std::size_t i = 0;
  while (i < html.size()) {
    const char c = html[i];
    if (c == '<') {
      const std::size_t close = html.find('>', i);
      if (close == std::string::npos) {
        out += html.substr(i);
        break;
      }
      std::string tag = html.substr(i + 1, close - i - 1);
      for (char& t : tag) t = static_cast<char>(std::tolower(static_cast<unsigned char>(t)));
      if (tag.rfind("br", 0) == 0) out += ' ';
      i = close + 1;
    } else if (c == '&') {
      // Only a short stretch is searched for the ";", so that text full of "&" is read in
      // linear time.
      const std::string_view after = std::string_view(html).substr(i + 1, kLongestReference);
      const std::size_t semi = after.find(';');
      const std::string decoded =
          semi != std::string_view::npos ? EntityText(after.substr(0, semi)) : std::string();
      if (decoded.empty()) {
        out += c;
        ++i;
      } else {
        out += decoded;
        i += semi + 2;
      }
    } else {
      out += c;
      ++i;
    }
  }
  return out;
}

}  // namespace quotella
