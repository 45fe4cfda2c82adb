// Autofill over every quotation of the bench file and of the long-answer set: each
// puzzle is made from its line, every answer row is filled within a 10 s limit, and the
// fill is laid and checked. Counters: decided (filled or proved impossible), seconds to
// the decision, familiar word share, the share of answers WordNet defines (directly or
// through its morphology: answers a solver can be clued on), steps and nodes.
//
// QUOTELLA_BENCH_EXACT=1 runs the exact engine alone, as autofill was before the
// portfolio, for comparison; QUOTELLA_BENCH_SEED=N gives the local search another seed.
// QUOTELLA_BENCH_SCORED=MIN fills from a scored list made of every dictionary word with a
// random score from 0 to 100 (the same scores every run), taking the words scored MIN or
// more; the table then adds each fill's scored answers and their mean score.
// QUOTELLA_BENCH_KNOWN=1 offers only the words WordNet knows (and list or scored words),
// to show whether an all-known fill exists; QUOTELLA_BENCH_LIMIT=S sets the time limit.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <random>
#include <set>

#include "bench_support.h"
#include "clues/wordnet.h"
#include "core/answertable.h"
#include "core/construction.h"
#include "core/document.h"
#include "core/textio.h"
#include "search/autofill.h"
#include "search/autofillsource.h"
#include "search/exactfill.h"
#include "search/fillquality.h"
#include "search/knownfill.h"

namespace {

using namespace quotella;
using bench::QuietHost;

struct Row {
  std::string set;
  std::string quote;
  int rows = 0;
  int pool = 0;
  AutofillEnd end = AutofillEnd::NoFill;
  double decided = 0;
  double seconds = 0;
  std::string engine;
  double familiar = 0;
  int defined = 0;        // answers of the fill that WordNet defines
  std::string undefined;  // the others, space-separated
  bool distinctStems = true;
  bool noQuoteWord = true;
  std::uint64_t nodes = 0;
  bool laid = false;
  int scored = 0;  // answers of the fill with a score
  int scoreSum = 0;
};

std::vector<Row> g_rows;
std::string g_dictDir;
const WordNet* g_wordnet = nullptr;
bool g_exactOnly = false;
std::uint64_t g_seed = 1;
std::shared_ptr<const ScoredWords> g_scored;  // null: the dictionary alone
bool g_knownOnly = false;
double g_timeLimit = 10.0;

// Every word of the dictionary's letter files, A to Z in file order, with a score drawn
// from a fixed-seed generator, so that every run has the same list.
std::shared_ptr<const ScoredWords> RandomScoredList(const std::string& dictDir, int minScore) {
  auto words = std::make_shared<ScoredWords>();
  words->files = {"random scores"};
  words->minScore = minScore;
  std::mt19937 rng(20261210);
  std::uniform_int_distribution<int> score(kMinWordScore, kMaxWordScore);
  for (char c = 'A'; c <= 'Z'; ++c)
    if (const auto letter = LoadLetterWords(dictDir, c))
      for (const auto& w : *letter) words->table.Put(w, score(rng));
  return words;
}

void FillOne(benchmark::State& state, const std::string& set, const std::string& line) {
  Row row;
  row.set = set;
  row.quote = line.substr(0, line.find('@'));
  for (auto _ : state) {
    QuietHost host;
    PuzzleDocument doc(host);
    if (!bench::MakePuzzle(doc, line)) {
      state.SkipWithError("puzzle not made");
      return;
    }
    AutofillDictionary dict(g_dictDir);
    dict.UseScoredWords(g_scored);
    const AutofillProblem problem = MakeAutofillProblem(doc);
    AutofillOptions options;
    options.timeLimit = g_timeLimit;
    options.seed = g_seed;
    PrepareAutofillOptions(doc, options);
    row.rows = static_cast<int>(problem.rowSlots.size());
    for (int n : problem.pool) row.pool += n;
    const AutofillWordSource source = g_knownOnly ? KnownWordsOf(dict.Source()) : dict.Source();
    for (char c = 'A'; c <= 'Z'; ++c) source(c);  // the dictionary is read before timing
    const auto start = std::chrono::steady_clock::now();
    const AutofillResult result = g_exactOnly ? RunExactFill(problem, source, options)
                                              : RunAutofill(problem, source, options);
    row.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    row.end = result.end;
    row.decided = g_exactOnly ? row.seconds : result.decided;
    row.engine = g_exactOnly ? "exact search" : result.engine;
    row.nodes = result.progress.nodes;
    if (!result.fills.empty()) {
      const auto& fill = result.fills.front();
      // Familiar by the dictionary's sizes: the fill's own count takes scored words as
      // familiar too.
      int familiar = 0;
      std::set<std::string> stems;
      for (const auto& w : fill.words) {
        const int size = dict.Sizes().SizeOf(w);
        familiar += size > 0 && size <= options.familiarSize;
        if (g_wordnet->Knows(w))
          ++row.defined;
        else
          row.undefined += " " + w;
        row.distinctStems &= stems.insert(StemOf(w)).second;
        row.noQuoteWord &= options.exclude.count(w) == 0;
      }
      row.familiar = 100.0 * familiar / static_cast<double>(fill.words.size());
      row.laid = LayFill(doc, problem, fill);
      row.scored = fill.scored;
      row.scoreSum = fill.scoreSum;
    }
  }
  const bool decided = row.end == AutofillEnd::Filled || row.end == AutofillEnd::NoFill;
  state.counters["decided"] = decided ? 1 : 0;
  state.counters["decided_s"] = row.decided;
  state.counters["familiar%"] = row.familiar;
  state.counters["nodes"] = static_cast<double>(row.nodes);
  if (g_scored) state.counters["mean_score"] = row.scored ? 1.0 * row.scoreSum / row.scored : 0;
  g_rows.push_back(row);
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  g_dictDir = bench::DictDir();
  // Without the dictionary every row lacks candidates and each puzzle is "decided" at once.
  if (!FileExists(g_dictDir + "/a.txt")) {
    std::cerr << "no dictionary in " << g_dictDir << ": build the quotella_dictionary target\n";
    return 1;
  }
  const char* exact = std::getenv("QUOTELLA_BENCH_EXACT");
  g_exactOnly = exact != nullptr && std::string(exact) == "1";
  if (const char* seed = std::getenv("QUOTELLA_BENCH_SEED"))
    g_seed = std::strtoull(seed, nullptr, 10);
  if (const char* known = std::getenv("QUOTELLA_BENCH_KNOWN"))
    g_knownOnly = std::string(known) == "1";
  if (const char* limit = std::getenv("QUOTELLA_BENCH_LIMIT"))
    g_timeLimit = std::max(0.1, std::atof(limit));
  if (const char* scored = std::getenv("QUOTELLA_BENCH_SCORED")) {
    g_scored = RandomScoredList(g_dictDir, std::clamp(std::atoi(scored), 0, 100));
    std::cerr << "scored list: " << g_scored->table.Count() << " words, minimum score "
              << g_scored->minScore << "\n";
  }
  const WordNet wordnet;
  if (!wordnet.available()) std::cerr << wordnet.problem() << "\n";
  g_wordnet = &wordnet;
  const auto lines = bench::QuoteLines();
  const auto longLines = bench::QuoteLines(QUOTELLA_SOURCE_DIR "/resources/long_answer_quotes.txt");
  if (!lines || !longLines) {
    std::cerr << "cannot read the quotation files\n";
    return 1;
  }
  int n = 0;
  for (const auto& [set, list] : {std::pair{"bench", &*lines}, std::pair{"long", &*longLines}})
    for (const auto& line : *list) {
      ++n;
      benchmark::RegisterBenchmark(("autofill/" + std::string(set) + std::to_string(n)).c_str(),
                                   FillOne, std::string(set), line)
          ->Iterations(1)
          ->Unit(benchmark::kMillisecond);
    }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();

  int decided = 0, filled = 0, within2 = 0, familiarWords = 0, words = 0, defined = 0;
  int scoredWords = 0, scoreSum = 0;
  bool clean = true;
  std::vector<double> times;
  std::printf(
      "\n| # | set | author | rows | pool | result | decided (s) | total (s) | engine | familiar "
      "%% "
      "| WordNet %% | laid |%s\n",
      g_scored ? " scored | mean score |" : "");
  std::printf("|---|---|---|---|---|---|---|---|---|---|---|---|%s\n", g_scored ? "---|---|" : "");
  for (std::size_t k = 0; k < g_rows.size(); ++k) {
    const Row& r = g_rows[k];
    const bool ok = r.end == AutofillEnd::Filled || r.end == AutofillEnd::NoFill;
    decided += ok;
    within2 += ok && r.decided <= 2.0;
    times.push_back(ok ? r.decided : 1e9);
    if (r.end == AutofillEnd::Filled) {
      ++filled;
      familiarWords += static_cast<int>(r.familiar * r.rows / 100.0 + 0.5);
      words += r.rows;
      defined += r.defined;
      clean &= r.distinctStems && r.noQuoteWord && r.laid;
      scoredWords += r.scored;
      scoreSum += r.scoreSum;
    }
    const double wordnetShare =
        r.end == AutofillEnd::Filled && r.rows ? 100.0 * r.defined / r.rows : 0.0;
    std::printf("| %zu | %s | %s | %d | %d | %s | %.2f | %.2f | %s | %.0f | %.0f | %s |", k + 1,
                r.set.c_str(), r.quote.c_str(), r.rows, r.pool, AutofillEndText(r.end).c_str(),
                r.decided, r.seconds, r.engine.empty() ? "-" : r.engine.c_str(), r.familiar,
                wordnetShare, r.laid ? "yes" : "-");
    if (g_scored)
      std::printf(" %d | %.1f |", r.scored, r.scored ? 1.0 * r.scoreSum / r.scored : 0.0);
    std::printf("\n");
  }
  std::printf("\n");
  for (std::size_t k = 0; k < g_rows.size(); ++k)
    if (!g_rows[k].undefined.empty())
      std::printf("#%zu %s: not in WordNet:%s\n", k + 1, g_rows[k].quote.c_str(),
                  g_rows[k].undefined.c_str());
  std::sort(times.begin(), times.end());
  const double median = times.empty() ? 0 : times[times.size() / 2];
  std::printf(
      "\nDecided: %d of %zu (within 2 s: %d); filled %d; median time to decide %.2f s; familiar "
      "answers %d of %d (%.1f%%); answers WordNet defines %d of %d (%.1f%%); every fill without "
      "repeated stems or quotation words and laid: %s\n",
      decided, g_rows.size(), within2, filled, median, familiarWords, words,
      words ? 100.0 * familiarWords / words : 0.0, defined, words,
      words ? 100.0 * defined / words : 0.0, clean ? "yes" : "no");
  if (g_scored)
    std::printf("Scored answers %d of %d, mean score %.1f (minimum %d)\n", scoredWords, words,
                scoredWords ? 1.0 * scoreSum / scoredWords : 0.0, g_scored->minScore);
  return 0;
}
