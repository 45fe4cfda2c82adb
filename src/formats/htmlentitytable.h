#pragma once

#include <cstddef>

namespace quotella {

// One HTML named character reference: its name without "&" and ";", and the one or two
// code points it stands for (second is 0 for one).
struct HtmlEntity {
  const char* name;
  char32_t first;
  char32_t second;
};

// Every named character reference of HTML, sorted by name (byte order).
extern const HtmlEntity kHtmlEntities[];
extern const std::size_t kHtmlEntityCount;

}  // namespace quotella
