#include <iostream>

#include "cli/command.h"
#include "cli/engine_args.h"
#include "cli/wordsearch_support.h"
#include "core/answertable.h"
#include "core/textio.h"
#include "search/heuristic.h"

namespace quotella::cli {
namespace {

int RunSearch(const std::vector<std::string>& args) {
  const auto a = ParseEngineArgs("search", args, {"--json", "--yes"}, {"--quote", "--dict"});
  if (!a) return 2;
  const bool quote = !a->Value("--quote").empty();
  if (a->positional.size() != (quote ? 0u : 1u))
    return UsageError("search", "search takes one puzzle file, or --quote");
  CliPuzzle puzzle(a->Has("--yes"));
  if (!LoadEnginePuzzle(puzzle, *a, "search")) return 1;
  PuzzleDocument& doc = puzzle.doc;
  const int empty = NumEmpty(doc);
  if (empty != 3) {
    std::cerr << "quotella-cli: search needs exactly three empty answers; this puzzle has " << empty
              << "\n";
    return 1;
  }

  std::array<LineStore, 4> lists;
  std::vector<std::string> candidates;
  HeuristicSearch search(doc, {{&lists[0], &lists[1], &lists[2], &lists[3]}, &candidates});
  search.DictDir = CommandDictDir(a->Value("--dict"));
  const auto report = [&puzzle] {
    auto it = puzzle.host.status.find({StatusBar::Main, kMessagePanel});
    return it == puzzle.host.status.end() ? std::string() : it->second;
  };

  std::vector<std::array<std::string, 3>> solutions;
  std::string result;
  const bool ready = search.Prepare() == HeuristicSearch::Prepared::Ready;
  if (ready) {
    const ThreeWordOutcome outcome = search.Run();
    for (const auto& line : lists[3]) {
      const auto s1 = line.find(" * ");
      const auto s2 = s1 == std::string::npos ? s1 : line.find(" * ", s1 + 3);
      if (s2 == std::string::npos) continue;
      solutions.push_back(
          {line.substr(0, s1), line.substr(s1 + 3, s2 - s1 - 3), line.substr(s2 + 3)});
    }
    result = outcome.solutions > 0 ? lists[3].back() : report();
  } else {
    result = report();
  }

  if (a->Has("--json")) {
    nlohmann::json j;
    j["rows"] = nlohmann::json::array();
    for (int row : search.TargetRows()) j["rows"].push_back(doc.Label(row));
    j["solutions"] = nlohmann::json::array();
    for (const auto& s : solutions) j["solutions"].push_back({s[0], s[1], s[2]});
    j["result"] = result;
    j["prepared"] = ready;
    std::cout << j.dump(2) << "\n";
  } else {
    for (const auto& s : solutions) PrintLine(std::cout, s[0] + " * " + s[1] + " * " + s[2]);
    PrintLine(std::cout, result);
  }
  return ready ? 0 : 1;
}

const Registration reg{
    {"search",
     "  quotella-cli search P.qtl [--dict DIR] [--json]\n"
     "  quotella-cli search --quote \"Author@Work@Quotation\" [--dict DIR] [--json]\n"
     "      with exactly three empty answers: every combination of dictionary words that\n"
     "      uses up the pool, one per line, then the result line",
     RunSearch}};

}  // namespace
}  // namespace quotella::cli
