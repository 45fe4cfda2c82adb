#include <iostream>

#include "cli/command.h"
#include "cli/puzzle_args.h"
#include "cli/state_report.h"

namespace quotella::cli {
namespace {

int RunShow(const std::vector<std::string>& args) {
  const auto a = ParsePuzzleArgs("show", args, {}, false);
  if (!a) return 2;
  if (a->positional.size() != 1) return UsageError("show", "show takes one puzzle file");
  // The report lists the messages of the load, so they are not echoed as well.
  CliPuzzle puzzle(a->Has("--yes"), false);
  const bool loaded = LoadForCommand(puzzle, a->positional[0]);
  if (!loaded && !puzzle.doc.PuzzleExists) {
    for (const auto& m : puzzle.host.messages) PrintLine(std::cerr, m);
    return 1;
  }
  auto state = StateJson(puzzle.doc, puzzle.host, loaded);
  state["texts"] = TextsJson(puzzle.doc, puzzle.files);
  if (a->Has("--json"))
    std::cout << state.dump(2) << "\n";
  else
    PrintState(std::cout, state);
  return 0;
}

const Registration reg{{"show",
                        "  quotella-cli show P.qtl [--json]\n"
                        "      load a puzzle file and print its state (cells, answers, pool,\n"
                        "      grid, status texts, messages)",
                        RunShow}};

}  // namespace
}  // namespace quotella::cli
