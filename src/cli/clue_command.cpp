#include "cli/command.h"
#include "cli/puzzle_args.h"
#include "core/clues.h"

namespace quotella::cli {
namespace {

int RunClue(const std::vector<std::string>& args) {
  return ChangePuzzleFile("clue", args, 3, "clue takes a file, a label and the clue text",
                          [](CliPuzzle& puzzle, const std::vector<std::string>& pos) {
                            const int row = RowOfLabel(puzzle.doc, pos[1]);
                            if (row < 0)
                              return UsageError("clue", "this puzzle has no answer " + pos[1]);
                            // The clue prompt, answered with the text given.
                            puzzle.host.answers.push_back(TextArg(pos[2]));
                            return PromptClue(puzzle.doc, row) ? 0 : 1;
                          });
}

const Registration reg{{"clue",
                        "  quotella-cli clue P.qtl LABEL \"text\" [-o OUT.qtl] [--yes]\n"
                        "      write the clue of answer LABEL, save the puzzle",
                        RunClue}};

}  // namespace
}  // namespace quotella::cli
