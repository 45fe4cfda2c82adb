#include "cli/command.h"
#include "cli/puzzle_args.h"
#include "core/clues.h"

namespace quotella::cli {
namespace {

int RunClue(const std::vector<std::string>& args) {
  const auto a = ParsePuzzleArgs("clue", args, {}, true);
  if (!a) return 2;
  if (a->positional.size() != 3)
    return UsageError("clue", "clue takes a file, a label and the clue text");
  const std::string& file = a->positional[0];
  CliPuzzle puzzle(a->Has("--yes"));
  if (!LoadForCommand(puzzle, file)) return 1;
  const int row = RowOfLabel(puzzle.doc, a->positional[1]);
  if (row < 0) return UsageError("clue", "this puzzle has no answer " + a->positional[1]);
  // The clue prompt, answered with the text given.
  puzzle.host.answers.push_back(TextArg(a->positional[2]));
  if (!PromptClue(puzzle.doc, row)) return 1;
  return WriteBack(puzzle, file, a->output);
}

const Registration reg{{"clue",
                        "  quotella-cli clue P.qtl LABEL \"text\" [-o OUT.qtl] [--yes]\n"
                        "      write the clue of answer LABEL, save the puzzle",
                        RunClue}};

}  // namespace
}  // namespace quotella::cli
