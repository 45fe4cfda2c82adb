#include "cli/engine_args.h"

#include <iostream>

#include "cli/command.h"
#include "core/construction.h"

namespace quotella::cli {

std::optional<EngineArgs> ParseEngineArgs(const std::string& command,
                                          const std::vector<std::string>& args,
                                          const std::set<std::string>& flags,
                                          const std::set<std::string>& valued) {
  EngineArgs result;
  const std::size_t optionsEnd = EndOfOptions(args);
  for (std::size_t k = 0; k < args.size(); ++k) {
    const std::string& a = args[k];
    if (k >= optionsEnd) {
      if (k > optionsEnd) result.positional.push_back(a);
      continue;
    }
    if (valued.count(a) != 0) {
      if (k + 1 >= args.size()) {
        UsageError(command, a + " needs a value");
        return std::nullopt;
      }
      result.values[a].push_back(args[++k]);
    } else if (flags.count(a) != 0) {
      result.flags.insert(a);
    } else if (a.size() > 1 && a[0] == '-') {
      UsageError(command, "unknown option " + a);
      return std::nullopt;
    } else {
      result.positional.push_back(a);
    }
  }
  return result;
}

bool LoadEnginePuzzle(CliPuzzle& puzzle, const EngineArgs& args, const std::string& command) {
  const std::string quote = args.Value("--quote");
  if (!quote.empty()) {
    InitPuzzleDefaults(puzzle.doc);
    ResetPuzzle(puzzle.doc);
    if (QuotesEditorDblClick(puzzle.doc, TextArg(quote)) != DblClickResult::Made) {
      std::cerr << "quotella-cli: " << command << ": no puzzle can be made of that line\n";
      return false;
    }
    return true;
  }
  return LoadForCommand(puzzle, args.positional.front());
}

}  // namespace quotella::cli
