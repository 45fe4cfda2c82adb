// How fast autofill answers a stop and keeps its time limit, on the hardest puzzle of the
// bench quotations (the one with the most pool letters to place): the time from a stop
// request to the search's return, at several moments of the search, and how far past a
// 0.1 s limit the search returns. Counters in milliseconds; the worst case is what counts.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <iostream>
#include <memory>
#include <mutex>
#include <numeric>
#include <stop_token>
#include <thread>

#include "bench_support.h"
#include "core/document.h"
#include "search/autofill.h"
#include "search/autofillsource.h"

namespace {

using namespace quotella;
using bench::QuietHost;
using Clock = std::chrono::steady_clock;

std::string g_dictDir;
std::string g_hardest;

double Milliseconds(Clock::duration d) {
  return std::chrono::duration<double, std::milli>(d).count();
}

int PoolSize(const AutofillProblem& problem) {
  return std::accumulate(problem.pool.begin(), problem.pool.end(), 0);
}

// The line whose puzzle leaves the most letters to place.
std::string HardestLine(const std::vector<std::string>& lines) {
  std::string hardest;
  int most = -1;
  for (const auto& line : lines) {
    QuietHost host;
    PuzzleDocument doc(host);
    if (!bench::MakePuzzle(doc, line)) continue;
    const int pool = PoolSize(MakeAutofillProblem(doc));
    if (pool > most) {
      most = pool;
      hardest = line;
    }
  }
  return hardest;
}

struct Prepared {
  QuietHost host;
  PuzzleDocument doc{host};
  AutofillDictionary dict{g_dictDir};
  AutofillProblem problem;
  AutofillOptions options;

  Prepared() {
    bench::MakePuzzle(doc, g_hardest);
    problem = MakeAutofillProblem(doc);
    PrepareAutofillOptions(doc, options);
    for (char c = 'A'; c <= 'Z'; ++c) dict.Words(c);  // read before timing
  }
};

// Stops the search `after` into it and returns the milliseconds from the request to the
// search's return; negative when the search ended before the stop.
double StopLatency(Prepared& p, std::chrono::milliseconds after) {
  p.options.timeLimit = 0;
  std::stop_source stop;
  Clock::time_point returned;
  std::atomic<bool> done = false;
  std::thread worker([&] {
    RunAutofill(p.problem, p.dict.Source(), p.options, stop.get_token());
    returned = Clock::now();
    done = true;
  });
  std::this_thread::sleep_for(after);
  const Clock::time_point asked = Clock::now();
  const bool running = !done;
  stop.request_stop();
  worker.join();
  return running ? Milliseconds(returned - asked) : -1.0;
}

void BM_StopLatency(benchmark::State& state) {
  Prepared p;
  double worst = 0, sum = 0;
  int samples = 0, ended = 0;
  for (auto _ : state) {
    for (int ms : {20, 60, 150, 300, 600}) {
      const double latency = StopLatency(p, std::chrono::milliseconds(ms));
      if (latency < 0) {
        ++ended;
        continue;
      }
      worst = std::max(worst, latency);
      sum += latency;
      ++samples;
    }
  }
  state.counters["worst_ms"] = worst;
  state.counters["mean_ms"] = samples ? sum / samples : 0.0;
  state.counters["samples"] = samples;
  state.counters["ended_first"] = ended;
}

void BM_DeadlineOvershoot(benchmark::State& state) {
  Prepared p;
  const double limit = 0.1;
  p.options.timeLimit = limit;
  double worst = 0, sum = 0;
  int runs = 0;
  for (auto _ : state) {
    // The limit counts from the deadline's restart once the candidate tables are built: its
    // second look at the clock (the first is when the search is set up).
    auto looks = std::make_shared<std::atomic<int>>(0);
    auto restart = std::make_shared<std::atomic<Clock::rep>>(0);
    p.options.clock = [looks, restart] {
      const Clock::time_point now = Clock::now();
      if (looks->fetch_add(1) == 1) restart->store(now.time_since_epoch().count());
      return now;
    };
    const AutofillResult result = RunAutofill(p.problem, p.dict.Source(), p.options);
    const Clock::time_point started{Clock::duration(restart->load())};
    const double overshoot = std::max(0.0, Milliseconds(Clock::now() - started) - limit * 1000);
    benchmark::DoNotOptimize(result.end);
    worst = std::max(worst, overshoot);
    sum += overshoot;
    ++runs;
  }
  state.counters["worst_ms"] = worst;
  state.counters["mean_ms"] = runs ? sum / runs : 0.0;
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  g_dictDir = bench::DictDir();
  const auto lines = bench::QuoteLines();
  const auto longLines = bench::QuoteLines(QUOTELLA_SOURCE_DIR "/resources/long_answer_quotes.txt");
  if (!lines || !longLines) {
    std::cerr << "cannot read the quotation files\n";
    return 1;
  }
  std::vector<std::string> all = *lines;
  all.insert(all.end(), longLines->begin(), longLines->end());
  g_hardest = HardestLine(all);
  if (g_hardest.empty()) {
    std::cerr << "no bench quotation makes a puzzle\n";
    return 1;
  }
  std::printf("Hardest puzzle: %s\n", g_hardest.substr(0, g_hardest.find('@')).c_str());
  benchmark::RegisterBenchmark("autofill/stop_latency", BM_StopLatency)
      ->Iterations(3)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("autofill/deadline_overshoot_0.1s", BM_DeadlineOvershoot)
      ->Iterations(10)
      ->Unit(benchmark::kMillisecond);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
