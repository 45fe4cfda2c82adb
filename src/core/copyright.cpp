#include "core/copyright.h"

#include <ctime>

#include "core/textio.h"

namespace quotella {

int CurrentYear() {
  const std::time_t now = std::time(nullptr);
  std::tm parts{};
  localtime_r(&now, &parts);
  return parts.tm_year + 1900;
}

std::string DefaultCopyrightText(int year) {
  return Utf8ToCp1252("Puzzle \u00A9 " + std::to_string(year) + " by");
}

}  // namespace quotella
