#pragma once

#include <functional>
#include <iosfwd>
#include <stdexcept>
#include <string>
#include <vector>

namespace quotella::cli {

// One sub-command of quotella-cli. run gets the arguments after the command name and
// returns the exit code: 0 success, 1 failure (a file that cannot be read, ...),
// 2 usage error.
struct Command {
  std::string name;
  std::string usage;  // one or more lines, shown by "quotella-cli help"
  std::function<int(const std::vector<std::string>& args)> run;
};

// Commands register themselves from their own source file:
//   static const quotella::cli::Registration reg{{"check", "...", RunCheck}};
struct Registration {
  explicit Registration(Command command);
};

const std::vector<Command>& Commands();

// Prints the usage of one command (or of all when name is empty) to stderr and
// returns 2, the exit code of a usage error.
int UsageError(const std::string& name, const std::string& problem = {});

// "--" ends the options of every command: the arguments after it are texts or file names
// even when they begin with "-" ("clue P.qtl A -- -ish suffix"). Returns the position of
// the first "--" in args, args.size() when there is none; parsers skip the "--" itself.
std::size_t EndOfOptions(const std::vector<std::string>& args);

// Arguments arrive as the terminal's UTF-8, the program's own text; texts (quotation
// lines, words, clues) pass TextArg, file paths stay as they are. Every such text is one
// line: a line break in it throws LineBreakInText, which main reports as a usage error
// before anything is written.
std::string TextArg(const std::string& terminalText);

struct LineBreakInText : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Writes a line of text to a stream (UTF-8, the terminal's encoding).
void PrintLine(std::ostream& out, const std::string& text);

}  // namespace quotella::cli
