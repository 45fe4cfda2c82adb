// The three-word search, the full triple loop against the lookup of what each pair
// leaves, on the same real lists: a bench quotation is filled by autofill, three of its
// rows are emptied again, and the search's own preparation builds the three lists from
// the bundled dictionary. The full loop runs over the first words of list 1 only (all of
// lists 2 and 3), so that it ends in seconds; the fast search runs on the same input and
// on the whole lists.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <map>

#include "bench_support.h"
#include "core/answertable.h"
#include "core/assignment.h"
#include "core/construction.h"
#include "core/textio.h"
#include "search/autofill.h"
#include "search/autofillsource.h"
#include "search/heuristic.h"

namespace {

using namespace quotella;
using bench::QuietHost;

struct CountingSink : ThreeWordSink {
  std::size_t lines = 0;
  void LogLine(const std::string&) override { ++lines; }
  void CandidateLine(const std::string&) override { ++lines; }
  void StatusReport(const std::string&) override {}
};

struct Input {
  std::string quote;
  ThreeWordSearch::Lists lists;
  LetterCounts pool{};
  int poolTotal = 0;
};

// The first bench quotation whose three emptied rows give lists of 2,000 words or more.
std::optional<Input> MakeInput(const std::string& dictDir) {
  const auto lines = bench::QuoteLines();
  if (!lines) return std::nullopt;
  AutofillDictionary dict(dictDir);
  for (const auto& line : *lines) {
    QuietHost host;
    PuzzleDocument doc(host);
    if (!bench::MakePuzzle(doc, line)) continue;
    const AutofillProblem problem = MakeAutofillProblem(doc);
    AutofillOptions options;
    options.timeLimit = 10;
    const AutofillResult fill = RunAutofill(problem, dict.Source(), options);
    if (fill.fills.empty() || !LayFill(doc, problem, fill.fills.front())) continue;
    // Empty the three longest answers whose initials start many dictionary words.
    std::vector<int> rows;
    for (int r = 0; r < doc.P.NumWords; ++r)
      if (std::string("SCPABMTDR").find(doc.KeyWords.At(1, r)[0]) != std::string::npos)
        rows.push_back(r);
    std::stable_sort(rows.begin(), rows.end(), [&doc](int a, int b) {
      return Keystring(doc, a).size() > Keystring(doc, b).size();
    });
    if (rows.size() < 3) continue;
    for (int k = 0; k < 3; ++k) ClearWord1Click(doc, {1, rows[static_cast<std::size_t>(k)]}, false);

    std::array<LineStore, 4> lists;
    std::vector<std::string> candidates;
    HeuristicSearch search(doc, {{&lists[0], &lists[1], &lists[2], &lists[3]}, &candidates});
    search.DictDir = dictDir;
    if (search.Prepare() != HeuristicSearch::Prepared::Ready) continue;
    search.EndNow();
    if (std::min({lists[0].size(), lists[1].size(), lists[2].size()}) < 2000) continue;
    Input in;
    in.quote = line.substr(0, line.find('@'));
    in.lists = {lists[0], lists[1], lists[2]};
    in.pool = doc.P.Pool;
    in.poolTotal = search.PoolTotal();
    return in;
  }
  return std::nullopt;
}

Input g_input;
constexpr std::size_t kFirstWords = 240;

ThreeWordSearch::Lists Head() {
  ThreeWordSearch::Lists l = g_input.lists;
  l[0].resize(std::min(l[0].size(), kFirstWords));
  return l;
}

using Engine = ThreeWordOutcome (*)(const ThreeWordSearch::Lists&, const LetterCounts&,
                                    ThreeWordControl&, ThreeWordSink&);

// One engine over the head of list 1.
void BM_Head(benchmark::State& state, Engine engine) {
  const auto lists = Head();
  for (auto _ : state) {
    ThreeWordControl control;
    CountingSink sink;
    benchmark::DoNotOptimize(engine(lists, g_input.pool, control, sink));
  }
}

void BM_LookupWholeLists(benchmark::State& state) {
  for (auto _ : state) {
    ThreeWordControl control;
    CountingSink sink;
    const auto o = ThreeWordSearch::RunFast(g_input.lists, g_input.pool, control, sink);
    state.counters["solutions"] = o.solutions;
  }
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  const auto input = MakeInput(bench::DictDir());
  if (!input) {
    std::cerr << "no bench quotation gives three lists of 2,000 words\n";
    return 1;
  }
  g_input = *input;
  std::printf(
      "quotation: %s; pool %d letters; lists of %zu, %zu, %zu words; the full loop\n"
      "and the same-input lookup take the first %zu words of list 1\n",
      g_input.quote.c_str(), g_input.poolTotal, g_input.lists[0].size(), g_input.lists[1].size(),
      g_input.lists[2].size(), kFirstWords);

  // Both engines must agree before their times mean anything.
  {
    const auto lists = Head();
    ThreeWordControl c1, c2;
    CountingSink s1, s2;
    const auto a = ThreeWordSearch::RunPlain(lists, g_input.pool, c1, s1);
    const auto b = ThreeWordSearch::RunFast(lists, g_input.pool, c2, s2);
    if (a.solutions != b.solutions || s1.lines != s2.lines) {
      std::cerr << "the engines disagree\n";
      return 1;
    }
  }
  benchmark::RegisterBenchmark("heuristic/plain_loop", BM_Head, &ThreeWordSearch::RunPlain)
      ->Unit(benchmark::kMillisecond)
      ->Iterations(1);
  benchmark::RegisterBenchmark("heuristic/lookup", BM_Head, &ThreeWordSearch::RunFast)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("heuristic/lookup_whole_lists", BM_LookupWholeLists)
      ->Unit(benchmark::kMillisecond);

  struct Collect : benchmark::ConsoleReporter {
    std::map<std::string, std::pair<double, double>> seconds;  // real, CPU
    void ReportRuns(const std::vector<Run>& runs) override {
      for (const auto& r : runs) {
        const double unit = benchmark::GetTimeUnitMultiplier(r.time_unit);
        seconds[r.benchmark_name()] = {r.GetAdjustedRealTime() / unit,
                                       r.GetAdjustedCPUTime() / unit};
      }
      ConsoleReporter::ReportRuns(runs);
    }
  } reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  std::pair<double, double> plain{}, fast{};
  for (const auto& [name, s] : reporter.seconds) {
    if (name.rfind("heuristic/plain_loop", 0) == 0) plain = s;
    if (name.rfind("heuristic/lookup", 0) == 0 && name.find("whole") == std::string::npos) fast = s;
  }
  if (plain.first > 0 && fast.first > 0 && fast.second > 0)
    std::printf("\nfull loop / lookup on the same lists: %.0fx real time, %.0fx CPU time\n",
                plain.first / fast.first, plain.second / fast.second);
  return 0;
}
