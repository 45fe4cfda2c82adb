#pragma once

#include <string>
#include <vector>

namespace quotella::test {

// An independent check of an acrostic ipuz document against the rules of the ipuz format
// for its kind: the mandatory fields, the shape and values of the puzzle and solution
// grids (LabeledCell and CrosswordValue forms), the clue objects, coordinates inside the
// grid (counted from 1), and every letter cell in exactly one answer, with the answer's
// letters matching the solution. Returns every problem found; empty when the document
// passes.
std::vector<std::string> CheckAcrosticIpuz(const std::string& json);

}  // namespace quotella::test
