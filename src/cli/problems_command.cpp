#include <iostream>

#include "cli/command.h"
#include "cli/wordsearch_support.h"
#include "search/searchcommands.h"

namespace quotella::cli {
namespace {

const char* const kUsage =
    "  quotella-cli problems --quote \"<author@work@quotation>\" [--min N] [--count K]\n"
    "                        [--dict DIR]\n"
    "      for every unfinished answer row, the dictionary words holding at least N\n"
    "      problem letters (default 1), the best K per initial (default 18), most\n"
    "      problem letters first";

int RunProblems(const std::vector<std::string>& args) {
  ProblemSearchParams params;
  std::string quote;
  std::string dictArg;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (i + 1 >= args.size()) return UsageError("problems", "unexpected argument '" + a + "'");
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
  if (quote.empty()) return UsageError("problems", "give the puzzle with --quote");

  StderrHost host;
  PuzzleDocument doc(host);
  if (!MakeSearchPuzzle(doc, quote)) return 1;
  std::vector<std::string> out;
  const int code = RunProblemSearch(doc, CommandDictDir(dictArg), params, out);
  for (const auto& line : out) PrintLine(std::cout, line);
  return code;
}

const Registration reg{{"problems", kUsage, RunProblems}};

}  // namespace
}  // namespace quotella::cli
