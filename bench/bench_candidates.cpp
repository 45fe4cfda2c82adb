// Scrolling a long candidate list in the real list pane: 30,000 candidates, one page
// down or up per iteration, each followed by a synchronous repaint of the list. With
// scores, every candidate stands in a scored list of 30,000 entries and the rows in sight
// paint their score beside the word; without, no scored list is in use. The two figures
// side by side are the cost of the scores. A frame is 16 ms.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QListWidget>
#include <QScrollBar>
#include <memory>
#include <string>

#include "app/panes/wordlistpane.h"
#include "bench_offscreen.h"
#include "search/scoredlist.h"
#include "search/wordlists.h"

namespace {

using namespace quotella;

constexpr int kCandidates = 30000;

// Distinct five-letter words.
std::string Word(int i) {
  std::string word = "G";
  for (int n = i; word.size() < 5 || n > 0; n /= 26) word += static_cast<char>('A' + n % 26);
  return word;
}

void BM_ScrollCandidates(benchmark::State& state) {
  const bool scores = state.range(0) != 0;
  WordListPane pane;
  pane.resize(240, 600);
  pane.candidates()->show();
  pane.show();
  WordSources sources;
  auto scored = std::make_shared<ScoredWords>();
  for (int i = 0; i < kCandidates; ++i) {
    sources.Candidates.push_back(Word(i));
    if (scores) scored->table.Put(sources.Candidates.back(), i % 101);
  }
  if (scores) scored->files = {"scored.txt"};
  sources.Scored = scored;
  pane.fill(sources);
  QApplication::processEvents();
  QScrollBar* bar = pane.candidates()->verticalScrollBar();
  int step = bar->pageStep();
  for (auto _ : state) {
    if (bar->value() + step > bar->maximum() || bar->value() + step < 0) step = -step;
    bar->setValue(bar->value() + step);
    pane.candidates()->viewport()->repaint();
  }
  state.counters["candidates"] = pane.candidates()->count();
}
BENCHMARK(BM_ScrollCandidates)
    ->ArgName("scores")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(1.0);

}  // namespace

int main(int argc, char** argv) {
  return quotella::bench::RunOffscreenBenchmarks<QApplication>(argc, argv);
}
