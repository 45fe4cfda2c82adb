#include "cli/command.h"
#include "cli/puzzle_args.h"
#include "core/assignment.h"

namespace quotella::cli {
namespace {

int RunClear(const std::vector<std::string>& args) {
  return ChangePuzzleFile("clear", args, 2, "clear takes a file and a label",
                          [](CliPuzzle& puzzle, const std::vector<std::string>& pos) {
                            const int row = RowOfLabel(puzzle.doc, pos[1]);
                            if (row < 0)
                              return UsageError("clear", "this puzzle has no answer " + pos[1]);
                            ClearWord1Click(puzzle.doc, {2, row}, true);
                            return 0;
                          });
}

const Registration reg{{"clear",
                        "  quotella-cli clear P.qtl LABEL [-o OUT.qtl] [--yes]\n"
                        "      clear answer LABEL back to its initial, save the puzzle",
                        RunClear}};

}  // namespace
}  // namespace quotella::cli
