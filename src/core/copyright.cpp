#include "core/copyright.h"

#include <ctime>

namespace quotella {

int CurrentYear() {
  const std::time_t now = std::time(nullptr);
  std::tm parts{};
  localtime_r(&now, &parts);
  return parts.tm_year + 1900;
}

std::string DefaultCopyrightText(int year) {
  return "Puzzle \u00A9 " + std::to_string(year) + " by";
}

}  // namespace quotella
