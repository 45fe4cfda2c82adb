#include "cli/command.h"
#include "cli/puzzle_args.h"

namespace quotella::cli {
namespace {

int Run(const std::vector<std::string>& args) {
  return ChangePuzzleFile("byline", args, 2, "byline takes a file and the text",
                          [](CliPuzzle& puzzle, const std::vector<std::string>& pos) {
                            puzzle.files.BylineBox = TextArg(pos[1]);
                            return 0;
                          });
}

const Registration reg{{"byline",
                        "  quotella-cli byline P.qtl \"text\" [-o OUT.qtl] [--yes]\n"
                        "      set the puzzle's byline, save the puzzle",
                        Run}};

}  // namespace
}  // namespace quotella::cli
