#include <iostream>

#include "cli/command.h"
#include "cli/puzzle_args.h"
#include "core/textio.h"
#include "files/puzzlefile.h"
#include "formats/ipuzimport.h"

namespace quotella::cli {
namespace {

int RunImport(const std::vector<std::string>& args) {
  const auto a = ParsePuzzleArgs("import", args, {}, true);
  if (!a) return 2;
  if (a->positional.size() != 1) return UsageError("import", "import takes one ipuz file");
  if (a->output.empty()) return UsageError("import", "import needs -o P.qtl");
  const std::string& file = a->positional[0];
  if (a->output == file) {
    std::cerr << "quotella-cli: the puzzle would replace the ipuz file itself\n";
    return 1;
  }
  CliPuzzle puzzle(a->Has("--yes"));
  if (!FileExists(file)) {
    std::cerr << "quotella-cli: " << file << ": no such file\n";
    return 1;
  }
  if (!LoadIpuzFile(puzzle.doc, puzzle.files, file)) {
    std::cerr << "quotella-cli: " << file << ": not imported\n";
    return 1;
  }
  if (!MayWrite(puzzle, a->output, file)) return 1;
  return SavePuzzleAs(puzzle.doc, puzzle.files, a->output) ? 0 : 1;
}

const Registration reg{{"import",
                        "  quotella-cli import F.ipuz -o P.qtl [--yes]\n"
                        "      make a puzzle file of an acrostic ipuz file",
                        RunImport}};

}  // namespace
}  // namespace quotella::cli
