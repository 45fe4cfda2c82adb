#pragma once

#include <string>

namespace quotella {

// The current calendar year, four digits.
int CurrentYear();

// The copyright notice a new puzzle starts with: "Puzzle © <year> by".
std::string DefaultCopyrightText(int year = CurrentYear());

}  // namespace quotella
