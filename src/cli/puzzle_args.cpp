#include "cli/puzzle_args.h"

#include <iostream>

#include "cli/command.h"
#include "core/textio.h"
#include "files/puzzlefile.h"

namespace quotella::cli {

std::optional<PuzzleArgs> ParsePuzzleArgs(const std::string& command,
                                          const std::vector<std::string>& args,
                                          const std::set<std::string>& allowedFlags,
                                          bool allowOutput) {
  PuzzleArgs out;
  const std::size_t optionsEnd = EndOfOptions(args);
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (i >= optionsEnd) {
      if (i > optionsEnd) out.positional.push_back(a);
      continue;
    }
    if (a == "-o" && allowOutput) {
      if (i + 1 >= args.size()) {
        UsageError(command, "-o needs a file name");
        return std::nullopt;
      }
      out.output = args[++i];
    } else if (a == "--yes" || a == "--json" || allowedFlags.count(a)) {
      out.flags.insert(a);
    } else if (a.size() > 1 && a[0] == '-' && a != "-") {
      UsageError(command, "unknown option '" + a + "'");
      return std::nullopt;
    } else {
      out.positional.push_back(a);
    }
  }
  return out;
}

bool LoadForCommand(CliPuzzle& puzzle, const std::string& path) {
  if (!FileExists(path)) {
    std::cerr << "quotella-cli: " << path << ": no such file\n";
    return false;
  }
  if (!LoadPuzzleFile(puzzle.doc, puzzle.files, path)) {
    std::cerr << "quotella-cli: " << path << ": not loaded\n";
    return false;
  }
  return true;
}

bool MayWrite(CliPuzzle& puzzle, const std::string& target, const std::string& input) {
  if (target == input || !FileExists(target)) return true;
  if (puzzle.host.Confirm("File " + target + " exists! Overwrite ?", ConfirmKind::Question))
    return true;
  std::cerr << "quotella-cli: " << target << " not written (give --yes to overwrite it)\n";
  return false;
}

int WriteBack(CliPuzzle& puzzle, const std::string& input, const std::string& output) {
  const std::string target = output.empty() ? input : output;
  if (!MayWrite(puzzle, target, input)) return 1;
  return SavePuzzleAs(puzzle.doc, puzzle.files, target) ? 0 : 1;
}

int ChangePuzzleFile(const std::string& command, const std::vector<std::string>& args,
                     std::size_t count, const std::string& wrongCount, const PuzzleChange& change) {
  const auto a = ParsePuzzleArgs(command, args, {}, true);
  if (!a) return 2;
  if (a->positional.size() != count) return UsageError(command, wrongCount);
  const std::string& file = a->positional[0];
  CliPuzzle puzzle(a->Has("--yes"));
  if (!LoadForCommand(puzzle, file)) return 1;
  if (const int code = change(puzzle, a->positional); code != 0) return code;
  return WriteBack(puzzle, file, a->output);
}

int RowOfLabel(const PuzzleDocument& doc, const std::string& label) {
  const std::string wanted = UpperCase(label);
  for (int r = 0; r < doc.P.NumWords; ++r)
    if (doc.Label(r) == wanted) return r;
  return -1;
}

}  // namespace quotella::cli
