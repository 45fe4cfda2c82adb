#pragma once

#include <string>

namespace quotella {

// The user's scan conditions below the answer-word table.
struct ScanConditions {
  bool on = false;       // the "On"/"Off" switch
  std::string mustHave;  // the "Must Have" text as typed
  int minLength = 0;     // 0 = no limit
  int maxLength = 0;     // 0 = no limit

  bool operator==(const ScanConditions&) const = default;
};

}  // namespace quotella
