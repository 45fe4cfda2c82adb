// The puzzle history on a full 1000-cell puzzle: recording a step and undoing it must each
// stay well under a millisecond, and 200 steps must stay small.

#include <benchmark/benchmark.h>

#include "bench_support.h"
#include "core/answertable.h"
#include "core/assignment.h"
#include "core/poolstatus.h"
#include "core/puzzlehistory.h"
#include "core/swapping.h"

namespace quotella::bench {
namespace {

// A puzzle of as close to 1000 cells as the bench quotations give, with every answer
// row filled so that every letter cell is mapped.
class BigPuzzle {
 public:
  BigPuzzle() {
    MakeFilledPuzzle(doc, 1100);
    // Two cells of one letter to exchange.
    for (int i = 1; i <= doc.P.NumCells && !a; ++i)
      for (int j = i + 1; j <= doc.P.NumCells && !a; ++j)
        if (doc.P.Cells[i].Mapped && doc.P.Cells[j].Mapped &&
            doc.P.Cells[i].Char == doc.P.Cells[j].Char)
          a = i, b = j;
    history.BindTexts({&title});
    history.Start();
  }

  void RecordSwap() {
    history.Begin("Swap");
    SwapCells(doc, a, b);
    history.Commit();
  }

  QuietHost host;
  PuzzleDocument doc{host};
  PuzzleHistory history{doc};
  std::string title = "Untitled";
  int a = 0, b = 0;
};

void Describe(benchmark::State& state, BigPuzzle& p) {
  state.counters["cells"] = p.doc.P.NumCells;
  state.counters["steps"] = p.history.UndoCount();
  state.counters["historyKB"] = static_cast<double>(p.history.Bytes()) / 1024.0;
}

// An exchange of two cells recorded as a step (the exchange itself included).
void BM_RecordSwapStep(benchmark::State& state) {
  BigPuzzle p;
  for (auto _ : state) p.RecordSwap();
  Describe(state, p);
}
BENCHMARK(BM_RecordSwapStep)->Unit(benchmark::kMicrosecond);

// The exchange alone, to see what recording adds to it.
void BM_SwapWithoutHistory(benchmark::State& state) {
  BigPuzzle p;
  for (auto _ : state) SwapCells(p.doc, p.a, p.b);
}
BENCHMARK(BM_SwapWithoutHistory)->Unit(benchmark::kMicrosecond);

// Undoing an exchange: the whole document is put back.
void BM_UndoStep(benchmark::State& state) {
  BigPuzzle p;
  for (auto _ : state) {
    state.PauseTiming();
    p.RecordSwap();
    state.ResumeTiming();
    p.history.Undo();
  }
  Describe(state, p);
}
BENCHMARK(BM_UndoStep)->Unit(benchmark::kMicrosecond);

// Redoing it.
void BM_RedoStep(benchmark::State& state) {
  BigPuzzle p;
  p.RecordSwap();
  for (auto _ : state) {
    state.PauseTiming();
    p.history.Undo();
    state.ResumeTiming();
    p.history.Redo();
  }
  Describe(state, p);
}
BENCHMARK(BM_RedoStep)->Unit(benchmark::kMicrosecond);

// 200 exchanges: the memory a full history holds.
void BM_FullHistory(benchmark::State& state) {
  BigPuzzle p;
  for (auto _ : state)
    for (int k = 0; k < PuzzleHistory::kMaxSteps; ++k) p.RecordSwap();
  Describe(state, p);
}
BENCHMARK(BM_FullHistory)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace quotella::bench

BENCHMARK_MAIN();
