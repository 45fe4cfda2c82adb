#include <iostream>

#include "cli/command.h"
#include "cli/puzzle_args.h"
#include "core/textio.h"
#include "files/inforeport.h"

namespace quotella::cli {
namespace {

int RunSynopsis(const std::vector<std::string>& args) {
  const auto a = ParsePuzzleArgs("synopsis", args, {}, false);
  if (!a) return 2;
  if (a->positional.size() != 1) return UsageError("synopsis", "synopsis takes one file");
  const std::string& file = a->positional[0];
  if (!FileExists(file)) {
    std::cerr << "quotella-cli: " << file << ": no such file\n";
    return 1;
  }
  CliHost host(false, true);
  FileSession files;
  for (const auto& line : MakeInfoReport(files, host, file)) PrintLine(std::cout, line);
  return host.messages.empty() ? 0 : 1;
}

const Registration reg{{"synopsis",
                        "  quotella-cli synopsis FILE\n"
                        "      the browser's synopsis of a puzzle file, without loading it",
                        RunSynopsis}};

}  // namespace
}  // namespace quotella::cli
