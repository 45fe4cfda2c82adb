#include "cli/command.h"
#include "cli/puzzle_args.h"

namespace quotella::cli {
namespace {

int Run(const std::vector<std::string>& args) {
  return ChangePuzzleFile("title", args, 2, "title takes a file and the text",
                          [](CliPuzzle& puzzle, const std::vector<std::string>& pos) {
                            puzzle.files.TitleBox = TextArg(pos[1]);
                            return 0;
                          });
}

const Registration reg{{"title",
                        "  quotella-cli title P.qtl \"text\" [-o OUT.qtl] [--yes]\n"
                        "      set the puzzle's title, save the puzzle",
                        Run}};

}  // namespace
}  // namespace quotella::cli
