// Definition look-ups as the clue desk makes them when the selected row changes: the first
// look-up opens the database, every later one must stay under 5 ms. Words are answers of
// every kind: plain, inflected (through morphology), several parts of speech, unknown.
// The clue checks of a 46-answer puzzle, redone after each change, are timed beside them.

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "clues/cluechecks.h"
#include "clues/stemmer.h"
#include "clues/wordnet.h"

namespace {

using namespace quotella;

const std::vector<std::string> kWords = {
    "AQUAPLANED", "LIGHT",  "RUNNING", "OTTER",   "BLUEPRINTS", "GEESE",   "HEAVEN",
    "AMBITION",   "SECURE", "REIGN",   "CHOICES", "PLACE",      "QXZVYKA", "SERVED",
    "MINDFUL",    "WORTH",  "ABETTED", "NIBBLE",  "ELMS",       "SIR"};

void BM_DefineAfterTheFirst(benchmark::State& state) {
  const WordNet wordnet;
  if (!wordnet.available()) {
    state.SkipWithError(wordnet.problem().c_str());
    return;
  }
  wordnet.Define("first");
  std::size_t i = 0;
  std::size_t senses = 0;
  for (auto _ : state) {
    const Definition d = wordnet.Define(kWords[i++ % kWords.size()]);
    senses += d.senses.size();
    benchmark::DoNotOptimize(d);
  }
  state.counters["senses/lookup"] =
      benchmark::Counter(static_cast<double>(senses) / static_cast<double>(state.iterations()));
}
BENCHMARK(BM_DefineAfterTheFirst)->Unit(benchmark::kMillisecond);

void BM_KnowsAWord(benchmark::State& state) {
  const WordNet wordnet;
  wordnet.Knows("first");
  std::size_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(wordnet.Knows(kWords[i++ % kWords.size()]));
}
BENCHMARK(BM_KnowsAWord)->Unit(benchmark::kMicrosecond);

void BM_CheckFortySixClues(benchmark::State& state) {
  const Stemmer stemmer;
  std::vector<OtherAnswer> answers;
  for (int r = 0; r < 46; ++r)
    answers.push_back({"A",
                       kWords[static_cast<std::size_t>(r) % kWords.size()] +
                           std::string(1, static_cast<char>('A' + r % 26)),
                       ""});
  const std::string clue = "A river mammal that floats on its back, cracking shells (5)";
  for (auto _ : state)
    for (const OtherAnswer& a : answers)
      benchmark::DoNotOptimize(CheckClue(clue, a.word, answers, stemmer));
}
BENCHMARK(BM_CheckFortySixClues)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
