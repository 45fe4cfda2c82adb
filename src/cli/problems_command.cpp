#include <iostream>

#include "cli/command.h"
#include "cli/wordsearch_support.h"
#include "search/searchcommands.h"

namespace quotella::cli {
namespace {

const char* const kUsage =
    "  quotella-cli problems (P.qtl | --quote \"<author@work@quotation>\") [--min N]\n"
    "                        [--count K] [--dict DIR]\n"
    "      for every unfinished answer row, the dictionary words holding at least N\n"
    "      problem letters (default 1), the best K per initial (default 18), most\n"
    "      problem letters first";

int RunProblems(const std::vector<std::string>& args) {
  ProblemSearchParams params;
  std::string quote;
  std::string dictArg;
  std::string path;
  const std::size_t optionsEnd = EndOfOptions(args);
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (i == optionsEnd) continue;
    if (i > optionsEnd || a.empty() || a[0] != '-') {
      if (!path.empty()) return UsageError("problems", "unexpected argument '" + a + "'");
      path = a;
      continue;
    }
    if (i + 1 >= args.size()) return UsageError("problems", a + " needs a value");
    if (a == "--quote") {
      quote = args[++i];
    } else if (a == "--dict") {
      dictArg = args[++i];
    } else if (a == "--min" || a == "--count") {
      const auto n = IntArg(args[++i], 0, 100000);
      if (!n) return UsageError("problems", a + " takes a whole number");
      (a == "--min" ? params.minProblems : params.wordsPerLetter) = *n;
    } else {
      return UsageError("problems", "unexpected argument '" + a + "'");
    }
  }
  if (path.empty() == quote.empty())
    return UsageError("problems", "give either a puzzle file or --quote");

  CliPuzzle puzzle(false);
  if (!LoadSearchPuzzle(puzzle, path, quote)) return 1;
  std::vector<std::string> out;
  const int code = RunProblemSearch(puzzle.doc, CommandDictDir(dictArg), params, out);
  for (const auto& line : out) PrintLine(std::cout, line);
  return code;
}

const Registration reg{{"problems", kUsage, RunProblems}};

}  // namespace
}  // namespace quotella::cli
