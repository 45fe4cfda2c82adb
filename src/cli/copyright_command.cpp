#include "cli/command.h"
#include "cli/puzzle_args.h"

namespace quotella::cli {
namespace {

int Run(const std::vector<std::string>& args) {
  return ChangePuzzleFile("copyright", args, 2, "copyright takes a file and the text",
                          [](CliPuzzle& puzzle, const std::vector<std::string>& pos) {
                            puzzle.files.CopyrightText = TextArg(pos[1]);
                            return 0;
                          });
}

const Registration reg{{"copyright",
                        "  quotella-cli copyright P.qtl \"text\" [-o OUT.qtl] [--yes]\n"
                        "      set the copyright line printed with the puzzle, save the puzzle",
                        Run}};

}  // namespace
}  // namespace quotella::cli
