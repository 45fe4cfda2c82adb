#include <iostream>

#include "cli/command.h"
#include "cli/puzzle_args.h"

namespace quotella::cli {
namespace {

int RunShow(const std::vector<std::string>& args) {
  const auto a = ParsePuzzleArgs("show", args, {}, false);
  if (!a) return 2;
  if (a->positional.size() != 1) return UsageError("show", "show takes one puzzle file");
  CliPuzzle puzzle(a->Has("--yes"));
  if (!LoadForCommand(puzzle, a->positional[0])) return 1;
  if (a->Has("--json"))
    std::cout << StateJson(puzzle.doc, puzzle.host).dump(2) << "\n";
  else
    PrintState(std::cout, puzzle.doc, puzzle.host);
  return 0;
}

const Registration reg{{"show",
                        "  quotella-cli show P.qtl [--json]\n"
                        "      load a puzzle file and print its state (cells, answers, pool,\n"
                        "      grid, status texts, messages)",
                        RunShow}};

}  // namespace
}  // namespace quotella::cli
