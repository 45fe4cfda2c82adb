#include "cli/command.h"
#include "cli/puzzle_args.h"

namespace quotella::cli {
namespace {

int Run(const std::vector<std::string>& args) {
  const auto a = ParsePuzzleArgs("title", args, {}, true);
  if (!a) return 2;
  if (a->positional.size() != 2) return UsageError("title", "title takes a file and the text");
  const std::string& file = a->positional[0];
  CliPuzzle puzzle(a->Has("--yes"));
  if (!LoadForCommand(puzzle, file)) return 1;
  puzzle.files.TitleBox = TextArg(a->positional[1]);
  return WriteBack(puzzle, file, a->output);
}

const Registration reg{{"title",
                        "  quotella-cli title P.qtl \"text\" [-o OUT.qtl] [--yes]\n"
                        "      set the puzzle's title, save the puzzle",
                        Run}};

}  // namespace
}  // namespace quotella::cli
