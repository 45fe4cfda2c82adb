// Ranking a quotes file of 1,000 lines on every core: lines per second, the time for the
// 1,000 lines and the share of lines decided (filled or proved impossible) within the
// per-quote budget of 0.2 s.
//
// The corpus is made here, the same every run, from the public-domain quotations the
// program bundles (resources/quotes.txt and tests/data/bench_quotes.txt): each line takes
// two to four clauses cut from the bundled quotations and the author and work of a bundled
// line whose letters the clauses hold (of twelve drawn; the last one drawn when none fits),
// so that it has the length and letters of a real quotation; everything is drawn by a
// fixed-seed generator. Nothing is downloaded.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <thread>

#include "core/quoteparse.h"
#include "core/textio.h"
#include "quotes/quoteranker.h"
#include "search/autofillsource.h"
#include "search/wordsource.h"

namespace {

using namespace quotella;

constexpr int kCorpusLines = 1000;
constexpr int kAuthorAttempts = 12;

std::string ProgramDictDir() {
  return DefaultDictDir(std::filesystem::canonical("/proc/self/exe").parent_path().string());
}

// The clauses of a quotation: cut after , ; : . ! ? and trimmed.
std::vector<std::string> Clauses(const std::string& quote) {
  std::vector<std::string> out;
  std::string current;
  for (char c : quote) {
    current += c;
    if (c == ',' || c == ';' || c == ':' || c == '.' || c == '!' || c == '?') {
      if (const std::string t = Trim(current); t.size() > 8) out.push_back(t);
      current.clear();
    }
  }
  if (const std::string t = Trim(current); t.size() > 8) out.push_back(t);
  return out;
}

std::vector<std::string> MakeCorpus() {
  std::vector<QuoteLineParts> sources;
  for (const char* path : {QUOTELLA_SOURCE_DIR "/resources/quotes.txt",
                           QUOTELLA_SOURCE_DIR "/tests/data/bench_quotes.txt"}) {
    for (const auto& line : ReadTextLines(path).value_or(std::vector<std::string>{}))
      if (auto parts = ParseQuoteLine(line); parts.ok) sources.push_back(parts);
  }
  std::vector<std::string> clauses;
  for (const auto& s : sources)
    for (auto& c : Clauses(s.quote)) clauses.push_back(std::move(c));
  std::vector<std::string> corpus;
  if (sources.empty() || clauses.empty()) return corpus;
  std::mt19937 random(20261210);
  for (int k = 0; k < kCorpusLines; ++k) {
    std::string quote;
    const int parts = 2 + static_cast<int>(random() % 3);
    for (int p = 0; p < parts; ++p) quote += (p ? " " : "") + clauses[random() % clauses.size()];
    // A collection holds mostly quotations that can hold their author and work: the first
    // of a few authors drawn whose letters the quotation has, else the last one drawn.
    std::string line;
    for (int attempt = 0; attempt < kAuthorAttempts; ++attempt) {
      const auto& by = sources[random() % sources.size()];
      line = by.author + "@" + by.work + "@" + quote;
      if (CheckQuoteLine(line).possible) break;
    }
    corpus.push_back(line);
  }
  return corpus;
}

void BM_Rank1000(benchmark::State& state) {
  const std::vector<std::string> corpus = MakeCorpus();
  if (corpus.empty()) {
    state.SkipWithError("the bundled quotations could not be read");
    return;
  }
  const auto dictionary = PreloadDictionary(ProgramDictDir());
  RankOptions options;  // 0.2 s a quotation, seed 1, one worker per core
  RankOutcome outcome;
  for (auto _ : state) outcome = RankQuotes(corpus, dictionary, options);
  int decided = 0, filled = 0, impossible = 0, possible = 0, undecided = 0;
  double undecidedSeconds = 0;
  for (const auto& r : outcome.ranks) {
    decided += r.decided || r.verdict != RankVerdict::Possible;
    filled += r.fill == RankFill::Filled;
    impossible += r.verdict != RankVerdict::Possible || r.fill == RankFill::NoFill;
    possible += r.verdict == RankVerdict::Possible;
    if (r.fill == RankFill::Undecided) {
      ++undecided;
      undecidedSeconds += r.seconds;
    }
  }
  const double lines = static_cast<double>(outcome.ranks.size());
  state.counters["lines"] = lines;
  state.counters["lines_per_s"] = benchmark::Counter(
      lines * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
  state.counters["decided_share"] = lines > 0 ? decided / lines : 0;
  state.counters["decided_share_of_possible"] =
      possible > 0 ? (possible - undecided) / static_cast<double>(possible) : 0;
  // What a search that used its whole budget took: the budget's work in seconds here.
  state.counters["undecided_mean_s"] = undecided > 0 ? undecidedSeconds / undecided : 0;
  state.counters["filled"] = filled;
  state.counters["impossible"] = impossible;
  state.counters["workers"] = std::thread::hardware_concurrency();
}
BENCHMARK(BM_Rank1000)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
