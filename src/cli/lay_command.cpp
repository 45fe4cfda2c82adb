#include <iostream>

#include "cli/command.h"
#include "cli/puzzle_args.h"
#include "core/answertable.h"
#include "core/assignment.h"
#include "core/textio.h"

namespace quotella::cli {
namespace {

int RunLay(const std::vector<std::string>& args) {
  return ChangePuzzleFile(
      "lay", args, 3, "lay takes a file, a label and a word",
      [](CliPuzzle& puzzle, const std::vector<std::string>& pos) {
        PuzzleDocument& doc = puzzle.doc;
        const int row = RowOfLabel(doc, pos[1]);
        if (row < 0) return UsageError("lay", "this puzzle has no answer " + pos[1]);
        const std::string word = UpperCase(Trim(TextArg(pos[2])));
        const char initial = doc.P.QuotellaStr[static_cast<std::size_t>(row)];
        if (word.empty() || word[0] != initial)
          return UsageError("lay", "the answer for " + doc.Label(row) + " begins with " + initial);

        // Taken as a candidate double click would take it.
        CandidatesDblClick(doc, {2, row}, {word}, 0, false);
        if (Keystring(doc, row) != word) {
          std::cerr << "quotella-cli: " << word << " was not laid into " << doc.Label(row) << "\n";
          return 1;
        }
        return 0;
      });
}

const Registration reg{{"lay",
                        "  quotella-cli lay P.qtl LABEL WORD [-o OUT.qtl] [--yes]\n"
                        "      lay WORD into answer LABEL as a chosen candidate, save the puzzle",
                        RunLay}};

}  // namespace
}  // namespace quotella::cli
