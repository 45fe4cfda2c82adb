#pragma once

#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "cli/state_report.h"
#include "core/document.h"
#include "files/filesession.h"

namespace quotella::cli {

// The arguments of a command that works on a puzzle file: positional arguments, the
// flags given (from the allowed set), and the value of -o.
struct PuzzleArgs {
  std::vector<std::string> positional;
  std::set<std::string> flags;
  std::string output;  // -o FILE
  bool Has(const std::string& flag) const { return flags.count(flag) > 0; }
};

// Splits args; nullopt (after the usage error was printed) on an unknown option or a
// missing -o value. "--yes" and "--json" are always allowed, -o when allowOutput.
std::optional<PuzzleArgs> ParsePuzzleArgs(const std::string& command,
                                          const std::vector<std::string>& args,
                                          const std::set<std::string>& allowedFlags,
                                          bool allowOutput);

// One puzzle loaded from a file, with the host and file state of a run.
struct CliPuzzle {
  explicit CliPuzzle(bool yes, bool echo = true) : host(yes, echo) {}
  CliHost host;
  PuzzleDocument doc{host};
  FileSession files;
};

// Loads path; false (with the reason on stderr) when it is not a loadable puzzle file.
bool LoadForCommand(CliPuzzle& puzzle, const std::string& path);

// May the command write to target? A target other than the input that already exists is
// a question (answered by --yes).
bool MayWrite(CliPuzzle& puzzle, const std::string& target, const std::string& input);

// Saves the changed puzzle back to input, or to output when given (input may be empty
// for a new puzzle). Returns the exit code.
int WriteBack(CliPuzzle& puzzle, const std::string& input, const std::string& output);

// The frame of a command that changes one puzzle file: `command FILE ARG... [-o OUT]
// [--yes]` with `count` positional arguments in all (FILE among them; otherwise the usage
// error `wrongCount`). FILE is loaded, `change` alters the puzzle and returns 0 to save it
// back (to OUT when given) or the exit code to end with unsaved.
using PuzzleChange = std::function<int(CliPuzzle&, const std::vector<std::string>& positional)>;
int ChangePuzzleFile(const std::string& command, const std::vector<std::string>& args,
                     std::size_t count, const std::string& wrongCount, const PuzzleChange& change);

// The 0-based answer row of a label ("A" .. "Z", "AA" .. "ZZ", any case); -1 when the
// puzzle has no such row.
int RowOfLabel(const PuzzleDocument& doc, const std::string& label);

}  // namespace quotella::cli
