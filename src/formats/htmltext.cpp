#include "formats/htmltext.h"

#include <cctype>
#include <charconv>
#include <cstdint>

namespace quotella {

namespace {

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

// The code point of an entity name without & and ;, or 0 when unknown.
std::uint32_t EntityCode(const std::string& name) {
  if (name.size() > 1 && name[0] == '#') {
    const bool hex = name[1] == 'x' || name[1] == 'X';
    const char* begin = name.data() + (hex ? 2 : 1);
    const char* end = name.data() + name.size();
    std::uint32_t code = 0;
    const auto [ptr, ec] = std::from_chars(begin, end, code, hex ? 16 : 10);
    if (ec != std::errc() || ptr != end || begin == end) return 0;
    const bool valid = code > 0 && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
    return valid ? code : 0;
  }
  static const std::pair<const char*, std::uint32_t> kNamed[] = {
      {"amp", '&'},      {"lt", '<'},       {"gt", '>'},       {"quot", '"'},
      {"apos", '\''},    {"nbsp", 0xA0},    {"copy", 0xA9},    {"reg", 0xAE},
      {"ndash", 0x2013}, {"mdash", 0x2014}, {"lsquo", 0x2018}, {"rsquo", 0x2019},
      {"ldquo", 0x201C}, {"rdquo", 0x201D}, {"hellip", 0x2026}};
  for (const auto& [entity, code] : kNamed)
    if (name == entity) return code;
  return 0;
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
      const std::size_t semi = html.find(';', i);
      const std::uint32_t code = semi != std::string::npos && semi - i <= 10
                                     ? EntityCode(html.substr(i + 1, semi - i - 1))
                                     : 0;
      if (code == 0) {
        out += c;
        ++i;
      } else {
        AppendUtf8(out, code);
        i = semi + 1;
      }
    } else {
      out += c;
      ++i;
    }
  }
  return out;
}

}  // namespace quotella
