#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <iomanip>
#include <iostream>
#include <sstream>

#include "cli/command.h"
#include "cli/engine_args.h"
#include "cli/wordsearch_support.h"
#include "core/answertable.h"
#include "core/assignment.h"
#include "core/textio.h"
#include "files/puzzlefile.h"
#include "search/autofill.h"
#include "search/fillalternatives.h"
#include "search/filljob.h"
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

// The rows a fill lays: all of them, or only those named by --rows.
bool Wanted(const std::vector<int>& rows, int row) {
  return rows.empty() || std::find(rows.begin(), rows.end(), row) != rows.end();
}

int PrintAlternatives(CliPuzzle& puzzle, const EngineArgs& a, const FillJob& job) {
  PuzzleDocument& doc = puzzle.doc;
  const std::string label = a.Value("--alternatives");
  const int row = RowOfLabel(doc, label);
  if (row < 0)
    return UsageError("fill", "--alternatives names an answer this puzzle does not have: " + label);
  const auto alternatives = OtherAnswers(doc, row, job.Source(), job.options);
  if (a.Has("--json")) {
    nlohmann::json j = nlohmann::json::array();
    for (const auto& alt : alternatives) {
      nlohmann::json e{{"word", alt.word}};
      if (alt.otherRow >= 0) {
        e["otherRow"] = doc.Label(alt.otherRow);
        e["otherWord"] = alt.otherWord;
      }
      j.push_back(e);
    }
    std::cout << nlohmann::json{{"row", doc.Label(row)}, {"alternatives", j}}.dump(2) << "\n";
  } else {
    for (const auto& alt : alternatives) PrintLine(std::cout, AlternativeText(doc, alt));
    if (alternatives.empty()) std::cout << "No other answer for this row\n";
  }
  return 0;
}

// What a finished fill reports: its outcome, the fills found (or the best partial one) and
// where it was saved.
struct FillReport {
  const PuzzleDocument& doc;
  const FillJob& job;
  const AutofillProblem& problem;
  const AutofillResult& result;
  const std::vector<int>& rows;  // the rows a partial fill shows: all, or those of --rows
  double seconds = 0;
  int partialRows = 0;
  std::string saved;
  bool scored = false;  // the fill drew on scored lists: their scores are shown
};

// An answer's score in the scored lists the fill drew on; -1 when it has none.
int AnswerScore(const FillReport& report, const std::string& word) {
  return report.scored ? report.job.dictionary->ScoreOf(word) : -1;
}

// " (scored 80)" after an answer of the scored lists; "" for any other.
std::string ScoreNote(const FillReport& report, const std::string& word) {
  const int score = AnswerScore(report, word);
  return score < 0 ? std::string() : " (scored " + std::to_string(score) + ")";
}

// ", mean score 72.5 of 4 scored answers"; "" without scored lists.
std::string MeanScoreNote(const FillReport& report, const AutofillFill& fill) {
  if (!report.scored) return {};
  if (fill.scored == 0) return ", no scored answer";
  return ", mean score " + Fixed(fill.MeanScore(), 1) + " of " + std::to_string(fill.scored) +
         " scored answer" + (fill.scored == 1 ? "" : "s");
}

void PrintFillJson(const FillReport& report) {
  const AutofillResult& result = report.result;
  const double seconds = report.seconds;
  const std::string& saved = report.saved;
  auto rowLabel = [&](std::size_t s) { return report.doc.Label(report.problem.rowSlots[s].row); };
  nlohmann::json j;
  j["result"] = AutofillEndText(result.end);
  if (!result.reason.empty()) j["reason"] = result.reason;
  j["engine"] = result.engine;
  j["seconds"] = seconds;
  j["decided"] = result.decided;
  j["nodes"] = result.progress.nodes;
  j["bestDepth"] = result.progress.bestDepth;
  j["rows"] = nlohmann::json::array();
  for (std::size_t s = 0; s < report.problem.rowSlots.size(); ++s) j["rows"].push_back(rowLabel(s));
  j["fills"] = nlohmann::json::array();
  for (const auto& f : result.fills) {
    nlohmann::json words = nlohmann::json::object();
    nlohmann::json scores = nlohmann::json::object();
    for (std::size_t s = 0; s < f.words.size(); ++s) {
      words[rowLabel(s)] = f.words[s];
      const int score = AnswerScore(report, f.words[s]);
      if (score >= 0) scores[rowLabel(s)] = score;
    }
    nlohmann::json fill{{"score", f.score}, {"familiar", f.familiar}, {"words", words}};
    if (report.scored) {
      fill["scores"] = scores;
      fill["scored"] = f.scored;
      fill["meanScore"] = f.MeanScore();
    }
    j["fills"].push_back(fill);
  }
  if (result.fills.empty()) {
    nlohmann::json words = nlohmann::json::object();
    for (std::size_t s = 0; s < result.partial.words.size(); ++s)
      if (!result.partial.words[s].empty()) words[rowLabel(s)] = result.partial.words[s];
    j["partial"] = words;
  }
  j["saved"] = saved.empty() ? nlohmann::json() : nlohmann::json(saved);
  std::cout << j.dump(2) << "\n";
}

void PrintFillText(const FillReport& report) {
  const AutofillResult& result = report.result;
  const PuzzleDocument& doc = report.doc;
  const AutofillProblem& problem = report.problem;
  const int partialRows = report.partialRows;
  for (std::size_t k = 0; k < result.fills.size(); ++k) {
    const auto& f = result.fills[k];
    std::cout << "Fill " << k + 1 << ": score " << f.score << ", familiar " << f.familiar << " of "
              << f.words.size() << MeanScoreNote(report, f) << "\n";
    for (std::size_t s = 0; s < f.words.size(); ++s)
      PrintLine(std::cout, "  " + doc.Label(problem.rowSlots[s].row) + " " + f.words[s] +
                               ScoreNote(report, f.words[s]));
  }
  if (result.fills.empty() && partialRows > 0) {
    std::cout << "Best partial fill: " << partialRows << " rows\n";
    for (std::size_t s = 0; s < result.partial.words.size(); ++s)
      if (!result.partial.words[s].empty() && Wanted(report.rows, problem.rowSlots[s].row))
        PrintLine(std::cout,
                  "  " + doc.Label(problem.rowSlots[s].row) + " " + result.partial.words[s]);
  }
  std::cout << AutofillEndText(result.end);
  if (!result.reason.empty()) std::cout << ": " << result.reason;
  std::cout << " in " << Fixed(report.seconds, 2) << " s";
  if (!result.engine.empty()) std::cout << " (" << result.engine << ")";
  std::cout << "\n";
  if (!report.saved.empty()) std::cout << "Saved " << report.saved << "\n";
}

int RunFill(const std::vector<std::string>& args) {
  const auto a =
      ParseEngineArgs("fill", args, {"--json", "--yes", "--no-dictionary"},
                      {"-o", "--min-length", "--max-length", "--solutions", "--fills",
                       "--time-limit", "--rows", "--quote", "--dict", "--words", "--max-rarity",
                       "--seed", "--alternatives", "--scored", "--min-score", "--default-score"});
  if (!a) return 2;
  const bool quote = !a->Value("--quote").empty();
  if (a->positional.size() != (quote ? 0u : 1u))
    return UsageError("fill", "fill takes one puzzle file, or --quote");

  FillRequest request;
  request.fills = 1;
  struct IntOption {
    const char* name;
    int* target;
    int low, high;
  } ints[] = {{"--min-length", &request.minLength, 0, 52},
              {"--max-length", &request.maxLength, 0, 52},
              {"--solutions", &request.fills, 1, 100},
              {"--fills", &request.fills, 1, 100}};
  for (const auto& o : ints) {
    const std::string v = a->Value(o.name);
    if (v.empty()) continue;
    const auto n = IntArg(v, o.low, o.high);
    if (!n)
      return UsageError("fill", std::string(o.name) + " takes a whole number from " +
                                    std::to_string(o.low) + " to " + std::to_string(o.high));
    *o.target = *n;
  }
  if (const std::string v = a->Value("--max-rarity"); !v.empty()) {
    if (v != "50" && v != "60" && v != "70")
      return UsageError("fill", "--max-rarity takes 50, 60 or 70");
    request.maxRarity = std::stoi(v);
  }
  if (const std::string v = a->Value("--seed"); !v.empty()) {
    const auto n = IntArg(v, 0, 2147483647);
    if (!n) return UsageError("fill", "--seed takes a whole number from 0 to 2147483647");
    request.seed = static_cast<std::uint64_t>(*n);
  }
  if (const std::string v = a->Value("--time-limit"); !v.empty()) {
    const auto s = SecondsArg(v);
    if (!s) return UsageError("fill", "--time-limit takes seconds (0 for none)");
    request.seconds = *s;
  }

  CliPuzzle puzzle(a->Has("--yes"));
  if (!LoadEnginePuzzle(puzzle, *a, "fill")) return 1;
  PuzzleDocument& doc = puzzle.doc;
  if (const std::string v = a->Value("--rows"); !v.empty() && !ParseRowLabels(doc, v, request.rows))
    return UsageError("fill", "--rows names an answer this puzzle does not have: " + v);

  const std::string dictDir = CommandDictDir(a->Value("--dict"));
  if (!HasDictionary(dictDir)) {
    std::cerr << "quotella-cli: no dictionary in " << dictDir << "\n";
    return 1;
  }
  if (auto it = a->values.find("--words"); it != a->values.end()) {
    for (const auto& path : it->second) {
      auto lines = ReadWordFile(path);
      if (!lines) {
        std::cerr << "quotella-cli: Could not load file " << path << "\n";
        return 1;
      }
      request.wordLists.push_back(std::move(*lines));
    }
  }
  const ScoredArgs scored = ReadScoredArgs(*a, "fill");
  if (scored.failure != 0) return scored.failure;
  request.scored = scored.scored;
  const FillJob job = PrepareFill(doc, request, dictDir);
  if (job.rarityIgnored)
    std::cerr << "quotella-cli: " << dictDir << " has no " << kFamiliarityFileName
              << ": --max-rarity is not applied\n";
  if (!a->Value("--alternatives").empty()) return PrintAlternatives(puzzle, *a, job);

  // The named rows keep their words until a fill is laid; the fill covers them and every
  // empty row, so that the rows not named can still be filled from what is left.
  const AutofillProblem& problem = job.problem;
  const auto start = std::chrono::steady_clock::now();
  const AutofillResult result = quotella::RunFill(job);
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

  std::string saved;
  int code = result.end == AutofillEnd::Filled ? 0 : 1;
  const std::string out = a->Value("-o");
  const int partialRows = RowsLaidBy(job, result.partial);
  const bool keepPartial =
      code != 0 && !out.empty() && partialRows > 0 &&
      puzzle.host.Confirm("No fill found within the time limit. Keep the " +
                              std::to_string(partialRows) + " rows of the best partial fill?",
                          ConfirmKind::Question);
  if ((code == 0 || keepPartial) && !out.empty()) {
    const AutofillFill& fill = code == 0 ? result.fills.front() : result.partial;
    if (LayChosenFill(doc, job, fill) != FillLaid::Laid && code == 0) {
      std::cerr << "quotella-cli: the fill could not be laid into the puzzle\n";
      code = 1;
    } else if (!MayWrite(puzzle, out, quote ? std::string() : a->positional.front()) ||
               !SavePuzzleAs(doc, puzzle.files, out)) {
      code = 1;
    } else {
      saved = out;
    }
  }

  const FillReport report{doc,         job,          problem,
                          result,      request.rows, seconds,
                          partialRows, saved,        request.scored != nullptr};
  if (a->Has("--json"))
    PrintFillJson(report);
  else
    PrintFillText(report);
  return code;
}

const Registration reg{
    {"fill",
     "  quotella-cli fill P.qtl [-o OUT.qtl] [--rows A,C,AA] [--max-rarity 50|60|70]\n"
     "                  [--time-limit S] [--seed N] [--fills K] [--min-length N]\n"
     "                  [--max-length N] [--words LIST.txt] [--dict DIR] [--json] [--yes]\n"
     "                  [--scored LIST [--min-score N] [--default-score N] [--no-dictionary]]\n"
     "  quotella-cli fill P.qtl --alternatives LABEL [--max-rarity 50|60|70] [--json]\n"
     "  quotella-cli fill --quote \"Author@Work@Quotation\" [the same options]\n"
     "      fill every empty answer so that the pool is used up (--rows: refill and lay\n"
     "      only those rows, keeping the others as they are); prints the K best fills and\n"
     "      the time taken; with -o lays the best fill and saves the puzzle there. When\n"
     "      time runs out, the best partial fill is shown and, with -o, its rows are kept\n"
     "      if you agree (--yes). The same --seed gives the same fill. Words of the\n"
     "      --words lists come first; --max-rarity leaves out rarer dictionary words (70, the\n"
     "      default, leaves out none, nor does any limit on a dictionary without\n"
     "      familiarity.txt).\n"
     "      --scored names a scored word list (\"WORD;SCORE\" lines, scores 0-100; repeat it\n"
     "      for more): its words scored --min-score (default 50) or more come before any\n"
     "      dictionary word, the higher score first, and its words scored lower are never\n"
     "      used; a line with a word alone scores --default-score (default 50). With\n"
     "      --no-dictionary only the scored lists and the --words lists are drawn on. The\n"
     "      report shows each listed answer's score and the fill's mean score.\n"
     "      --alternatives lists every word that can replace that row's answer, alone or\n"
     "      trading letters with one other row. --solutions is another name for --fills.",
     RunFill}};

}  // namespace
}  // namespace quotella::cli
