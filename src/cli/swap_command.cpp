#include <charconv>

#include "cli/command.h"
#include "cli/puzzle_args.h"
#include "core/swapping.h"

namespace quotella::cli {
namespace {

int Number(const std::string& text) {
  int value = 0;
  const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && ptr == text.data() + text.size() ? value : 0;
}

int RunSwap(const std::vector<std::string>& args) {
  return ChangePuzzleFile(
      "swap", args, 3, "swap takes a file and two printed cell numbers",
      [](CliPuzzle& puzzle, const std::vector<std::string>& pos) {
        PuzzleDocument& doc = puzzle.doc;
        const int n = Number(pos[1]);
        const int m = Number(pos[2]);
        const int i = FindCellByNumber(doc.P, n);
        const int j = FindCellByNumber(doc.P, m);
        if (i == 0 || j == 0) return UsageError("swap", "no cell has one of those numbers");
        // Only cells of one letter trade places; anything else would map a letter to a cell
        // holding another.
        if (doc.P.Cells[static_cast<std::size_t>(i)].Char !=
            doc.P.Cells[static_cast<std::size_t>(j)].Char)
          return UsageError("swap",
                            "cells " + pos[1] + " and " + pos[2] + " hold different letters");
        // Carried out as a line of the swap list would be.
        SwapState state;
        state.Lines = {"", "", "", std::to_string(n) + "," + std::to_string(m) + ". "};
        return SwapListBoxDblClick(doc, state, 3) ? 0 : 1;
      });
}

const Registration reg{{"swap",
                        "  quotella-cli swap P.qtl N M [-o OUT.qtl] [--yes]\n"
                        "      exchange the answer letters of the cells numbered N and M, save",
                        RunSwap}};

}  // namespace
}  // namespace quotella::cli
