#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "cli/puzzle_args.h"

namespace quotella::cli {

// Arguments of the search and fill commands: one positional puzzle file (or --quote),
// flags, and options that take a value (repeatable ones keep every value).
struct EngineArgs {
  std::vector<std::string> positional;
  std::set<std::string> flags;
  std::map<std::string, std::vector<std::string>> values;

  bool Has(const std::string& flag) const { return flags.count(flag) > 0; }
  std::string Value(const std::string& option) const {
    auto it = values.find(option);
    return it == values.end() ? std::string() : it->second.back();
  }
};

// nullopt (after the usage error was printed) on an unknown option or a missing value.
std::optional<EngineArgs> ParseEngineArgs(const std::string& command,
                                          const std::vector<std::string>& args,
                                          const std::set<std::string>& flags,
                                          const std::set<std::string>& valued);

// The puzzle of a command: the file named, or a fresh puzzle of --quote "Author@Work@Quote".
// False (with the reason on stderr) when neither gives a puzzle.
bool LoadEnginePuzzle(CliPuzzle& puzzle, const EngineArgs& args, const std::string& command);

}  // namespace quotella::cli
