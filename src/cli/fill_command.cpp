#include <chrono>
#include <cstdlib>
#include <iomanip>
#include <iostream>
#include <sstream>

#include "cli/command.h"
#include "cli/engine_args.h"
#include "cli/wordsearch_support.h"
#include "core/answertable.h"
#include "core/textio.h"
#include "files/puzzlefile.h"
#include "search/autofill.h"
#include "search/autofillsource.h"
#include "search/wordsource.h"

namespace quotella::cli {
namespace {

std::optional<double> SecondsArg(const std::string& text) {
  char* end = nullptr;
  const double v = std::strtod(text.c_str(), &end);
  if (text.empty() || end != text.c_str() + text.size() || !(v >= 0) || v > 86400)
    return std::nullopt;
  return v;
}

std::string Fixed(double v, int decimals) {
  std::ostringstream out;
  out << std::fixed << std::setprecision(decimals) << v;
  return out.str();
}

int RunFill(const std::vector<std::string>& args) {
  const auto a = ParseEngineArgs("fill", args, {"--json", "--yes"},
                                 {"-o", "--min-length", "--max-length", "--solutions",
                                  "--time-limit", "--rows", "--quote", "--dict", "--words"});
  if (!a) return 2;
  const bool quote = !a->Value("--quote").empty();
  if (a->positional.size() != (quote ? 0u : 1u))
    return UsageError("fill", "fill takes one puzzle file, or --quote");

  AutofillOptions options;
  struct IntOption {
    const char* name;
    int* target;
    int low, high;
  } ints[] = {{"--min-length", &options.minLength, 0, 52},
              {"--max-length", &options.maxLength, 0, 52},
              {"--solutions", &options.solutions, 1, 100}};
  for (const auto& o : ints) {
    const std::string v = a->Value(o.name);
    if (v.empty()) continue;
    const auto n = IntArg(v, o.low, o.high);
    if (!n)
      return UsageError("fill", std::string(o.name) + " takes a whole number from " +
                                    std::to_string(o.low) + " to " + std::to_string(o.high));
    *o.target = *n;
  }
  if (const std::string v = a->Value("--time-limit"); !v.empty()) {
    const auto s = SecondsArg(v);
    if (!s) return UsageError("fill", "--time-limit takes seconds (0 for none)");
    options.timeLimit = *s;
  }

  CliPuzzle puzzle(a->Has("--yes"));
  if (!LoadEnginePuzzle(puzzle, *a, "fill")) return 1;
  PuzzleDocument& doc = puzzle.doc;
  std::vector<int> rows;
  if (const std::string v = a->Value("--rows"); !v.empty() && !ParseRowLabels(doc, v, rows))
    return UsageError("fill", "--rows names an answer this puzzle does not have: " + v);

  const std::string dictDir = CommandDictDir(a->Value("--dict"));
  if (!HasDictionary(dictDir)) {
    std::cerr << "quotella-cli: no dictionary in " << dictDir << "\n";
    return 1;
  }
  AutofillDictionary dict(dictDir);
  if (auto it = a->values.find("--words"); it != a->values.end()) {
    for (const auto& path : it->second) {
      const auto lines = ReadWordFile(path);
      if (!lines) {
        std::cerr << "quotella-cli: Could not load file " << path << "\n";
        return 1;
      }
      dict.AddListEntries(*lines);
    }
  }
  options.exclude = WordsInTable(doc);

  const AutofillProblem problem = MakeAutofillProblem(doc, rows);
  const auto start = std::chrono::steady_clock::now();
  const AutofillResult result = RunAutofill(problem, dict.Source(), options);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

  std::string saved;
  int code = result.end == AutofillEnd::Filled ? 0 : 1;
  const std::string out = a->Value("-o");
  if (code == 0 && !out.empty()) {
    if (!LayFill(doc, problem, result.fills.front())) {
      std::cerr << "quotella-cli: the fill could not be laid into the puzzle\n";
      code = 1;
    } else if (!MayWrite(puzzle, out, quote ? std::string() : a->positional.front()) ||
               !SavePuzzleAs(doc, puzzle.files, out)) {
      code = 1;
    } else {
      saved = out;
    }
  }

  if (a->Has("--json")) {
    nlohmann::json j;
    j["result"] = AutofillEndText(result.end);
    j["seconds"] = seconds;
    j["nodes"] = result.progress.nodes;
    j["bestDepth"] = result.progress.bestDepth;
    j["rows"] = nlohmann::json::array();
    for (const auto& s : problem.rowSlots) j["rows"].push_back(Cp1252ToUtf8(doc.Label(s.row)));
    j["fills"] = nlohmann::json::array();
    for (const auto& f : result.fills) {
      nlohmann::json words = nlohmann::json::object();
      for (std::size_t s = 0; s < f.words.size(); ++s)
        words[Cp1252ToUtf8(doc.Label(problem.rowSlots[s].row))] = f.words[s];
      j["fills"].push_back({{"score", f.score}, {"familiar", f.familiar}, {"words", words}});
    }
    j["saved"] = saved.empty() ? nlohmann::json() : nlohmann::json(saved);
    std::cout << j.dump(2) << "\n";
  } else {
    for (std::size_t k = 0; k < result.fills.size(); ++k) {
      const auto& f = result.fills[k];
      std::cout << "Fill " << k + 1 << ": score " << f.score << ", familiar " << f.familiar
                << " of " << f.words.size() << "\n";
      for (std::size_t s = 0; s < f.words.size(); ++s)
        PrintLine(std::cout, "  " + doc.Label(problem.rowSlots[s].row) + " " + f.words[s]);
    }
    std::cout << AutofillEndText(result.end) << " in " << Fixed(seconds, 2) << " s ("
              << result.progress.nodes << " nodes)\n";
    if (!saved.empty()) std::cout << "Saved " << saved << "\n";
  }
  return code;
}

const Registration reg{
    {"fill",
     "  quotella-cli fill P.qtl [-o OUT.qtl] [--min-length N] [--max-length N] [--solutions K]\n"
     "                  [--time-limit S] [--rows A,C,AA] [--words LIST.txt] [--dict DIR]\n"
     "                  [--json] [--yes]\n"
     "  quotella-cli fill --quote \"Author@Work@Quotation\" [the same options]\n"
     "      fill every empty answer (or those of --rows) so that the pool is used up;\n"
     "      prints each fill with its score and the time taken; with -o lays the best\n"
     "      fill and saves the puzzle there. Words of the --words lists come first.",
     RunFill}};

}  // namespace
}  // namespace quotella::cli
