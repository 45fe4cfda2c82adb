#pragma once

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "cli/puzzle_args.h"
#include "search/scoredlist.h"

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

// The options that name the constructor's scored lists (add them to ParseEngineArgs's sets).
inline const std::set<std::string> kScoredValued{"--scored", "--min-score", "--default-score"};
inline const std::set<std::string> kScoredFlags{"--no-dictionary"};

// What the scored-list options ask for.
struct ScoredArgs {
  int failure = 0;  // the exit status of an error already printed (2: usage); 0: none
  std::shared_ptr<const ScoredWords> scored;  // null: no --scored
};

// Reads the lists of --scored LIST (repeatable) with --min-score N (0-100, default 50),
// --default-score N (0-100, default 50) and --no-dictionary (only with --scored). A list
// that cannot be read, or has bad lines, is reported on stderr and the rest is used; with
// --no-dictionary and no word read, there is nothing to draw on, which is an error.
ScoredArgs ReadScoredArgs(const EngineArgs& args, const std::string& command);

}  // namespace quotella::cli
