// Autofill over every quotation of the bench file: each puzzle is made from its line,
// every answer row is filled within a 10 s limit, and the fill is laid and checked.
// Counters: decided (filled or proved impossible), familiar word share, search nodes.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <iostream>

#include "bench_support.h"
#include "core/answertable.h"
#include "core/construction.h"
#include "core/document.h"
#include "core/textio.h"
#include "search/autofill.h"
#include "search/autofillsource.h"

namespace {

using namespace quotella;
using bench::QuietHost;

struct Row {
  std::string quote;
  int rows = 0;
  int pool = 0;
  AutofillEnd end = AutofillEnd::NoFill;
  double seconds = 0;
  double familiar = 0;
  std::uint64_t nodes = 0;
  bool laid = false;
};

std::vector<Row> g_rows;
std::string g_dictDir;

void FillOne(benchmark::State& state, const std::string& line) {
  Row row;
  row.quote = line.substr(0, line.find('@'));
  for (auto _ : state) {
    QuietHost host;
    PuzzleDocument doc(host);
    if (!bench::MakePuzzle(doc, line)) {
      state.SkipWithError("puzzle not made");
      return;
    }
    AutofillDictionary dict(g_dictDir);
    const AutofillProblem problem = MakeAutofillProblem(doc);
    AutofillOptions options;
    options.timeLimit = 10.0;
    row.rows = static_cast<int>(problem.rowSlots.size());
    for (int n : problem.pool) row.pool += n;
    const auto start = std::chrono::steady_clock::now();
    const AutofillResult result = RunAutofill(problem, dict.Source(), options);
    row.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    row.end = result.end;
    row.nodes = result.progress.nodes;
    if (!result.fills.empty()) {
      const auto& fill = result.fills.front();
      row.familiar = 100.0 * fill.familiar / static_cast<double>(fill.words.size());
      row.laid = LayFill(doc, problem, fill);
    }
  }
  const bool decided = row.end == AutofillEnd::Filled || row.end == AutofillEnd::NoFill;
  state.counters["decided"] = decided ? 1 : 0;
  state.counters["familiar%"] = row.familiar;
  state.counters["nodes"] = static_cast<double>(row.nodes);
  g_rows.push_back(row);
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  g_dictDir = bench::DictDir();
  const auto lines = bench::QuoteLines();
  if (!lines) {
    std::cerr << "cannot read " << bench::kQuotesPath << "\n";
    return 1;
  }
  int n = 0;
  for (const auto& line : *lines) {
    ++n;
    benchmark::RegisterBenchmark(("autofill/quote" + std::to_string(n)).c_str(), FillOne, line)
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond);
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();

  int decided = 0, filled = 0;
  double familiarSum = 0;
  std::printf("\n| # | author | rows | pool | result | time (s) | familiar %% | nodes | laid |\n");
  std::printf("|---|---|---|---|---|---|---|---|---|\n");
  for (std::size_t k = 0; k < g_rows.size(); ++k) {
    const Row& r = g_rows[k];
    const bool ok = r.end == AutofillEnd::Filled || r.end == AutofillEnd::NoFill;
    decided += ok;
    if (r.end == AutofillEnd::Filled) {
      ++filled;
      familiarSum += r.familiar;
    }
    std::printf("| %zu | %s | %d | %d | %s | %.2f | %.0f | %llu | %s |\n", k + 1,
                Cp1252ToUtf8(r.quote).c_str(), r.rows, r.pool, AutofillEndText(r.end).c_str(),
                r.seconds, r.familiar, static_cast<unsigned long long>(r.nodes),
                r.laid ? "yes" : "-");
  }
  std::printf("\nDecided within 10 s: %d of %zu; filled %d; mean familiar share of fills %.1f%%\n",
              decided, g_rows.size(), filled, filled ? familiarSum / filled : 0.0);
  return 0;
}
