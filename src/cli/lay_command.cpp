#include <iostream>

#include "cli/command.h"
#include "cli/puzzle_args.h"
#include "core/answertable.h"
#include "core/assignment.h"
#include "core/textio.h"

namespace quotella::cli {
namespace {

int RunLay(const std::vector<std::string>& args) {
  const auto a = ParsePuzzleArgs("lay", args, {}, true);
  if (!a) return 2;
  if (a->positional.size() != 3) return UsageError("lay", "lay takes a file, a label and a word");
  const std::string& file = a->positional[0];
  const std::string word = UpperCase(Trim(TextArg(a->positional[2])));
  CliPuzzle puzzle(a->Has("--yes"));
  if (!LoadForCommand(puzzle, file)) return 1;
  PuzzleDocument& doc = puzzle.doc;
  const int row = RowOfLabel(doc, a->positional[1]);
  if (row < 0) return UsageError("lay", "this puzzle has no answer " + a->positional[1]);
  const char initial = doc.P.QuotellaStr[static_cast<std::size_t>(row)];
  if (word.empty() || word[0] != initial)
    return UsageError("lay", "the answer for " + doc.Label(row) + " begins with " + initial);

  // Taken as a candidate double click would take it.
  CandidatesDblClick(doc, {2, row}, {word}, 0, false);
  if (Keystring(doc, row) != word) {
    std::cerr << "quotella-cli: " << word << " was not laid into " << doc.Label(row) << "\n";
    return 1;
  }
  return WriteBack(puzzle, file, a->output);
}

const Registration reg{{"lay",
                        "  quotella-cli lay P.qtl LABEL WORD [-o OUT.qtl] [--yes]\n"
                        "      lay WORD into answer LABEL as a chosen candidate, save the puzzle",
                        RunLay}};

}  // namespace
}  // namespace quotella::cli
