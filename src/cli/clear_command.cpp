#include "cli/command.h"
#include "cli/puzzle_args.h"
#include "core/assignment.h"

namespace quotella::cli {
namespace {

int RunClear(const std::vector<std::string>& args) {
  const auto a = ParsePuzzleArgs("clear", args, {}, true);
  if (!a) return 2;
  if (a->positional.size() != 2) return UsageError("clear", "clear takes a file and a label");
  const std::string& file = a->positional[0];
  CliPuzzle puzzle(a->Has("--yes"));
  if (!LoadForCommand(puzzle, file)) return 1;
  const int row = RowOfLabel(puzzle.doc, a->positional[1]);
  if (row < 0) return UsageError("clear", "this puzzle has no answer " + a->positional[1]);
  ClearWord1Click(puzzle.doc, {2, row}, true);
  return WriteBack(puzzle, file, a->output);
}

const Registration reg{{"clear",
                        "  quotella-cli clear P.qtl LABEL [-o OUT.qtl] [--yes]\n"
                        "      clear answer LABEL back to its initial, save the puzzle",
                        RunClear}};

}  // namespace
}  // namespace quotella::cli
