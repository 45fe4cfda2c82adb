#pragma once

#include <string>

namespace quotella {

// The file name of a puzzle that was never saved, and its byline until the user gives one.
inline constexpr const char* kNewPuzzleFile = "noname.txt";
inline constexpr const char* kDefaultByline = "by Anonymous";

// The name a new puzzle is offered for saving under: its author's name (UTF-8 kept) with
// the characters file systems refuse turned to blanks, cut to a safe length, and ".qtl";
// "noname.qtl" when nothing is left.
std::string NewPuzzleFileName(const std::string& author);

}  // namespace quotella
