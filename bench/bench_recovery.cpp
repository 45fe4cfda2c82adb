// A recovery copy of a 1000-cell puzzle: composing it (on the window's thread, between two
// keystrokes) must stay far under one frame (16 ms); writing it (on the worker, with the
// flush to disk) is timed to show what the window does not wait for.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "bench_support.h"
#include "files/filesession.h"
#include "files/recoveryload.h"
#include "files/recoverystore.h"

namespace quotella::bench {
namespace {

struct CopiedPuzzle {
  CopiedPuzzle() {
    MakeFilledPuzzle(doc, 1100);
    session.TitleBox = "A thousand cells";
    for (int r = 0; r < doc.P.NumWords; ++r)
      doc.ClueLines[static_cast<std::size_t>(r)] =
          doc.Label(r) + ". A clue of some length, " + std::to_string(r);
    doc.PuzzleChanged = true;
  }
  QuietHost host;
  PuzzleDocument doc{host};
  FileSession session;
};

void Describe(benchmark::State& state, const CopiedPuzzle& p, std::size_t bytes) {
  state.counters["cells"] = p.doc.P.NumCells;
  state.counters["answers"] = p.doc.P.NumWords;
  state.counters["bytes"] = static_cast<double>(bytes);
}

// What the window's thread does: the file's bytes as a save would write them.
void BM_RecoveryCopyCompose(benchmark::State& state) {
  CopiedPuzzle p;
  std::size_t bytes = 0;
  for (auto _ : state) {
    const std::string copy = PuzzleCopyBytes(p.doc, p.session);
    bytes = copy.size();
    benchmark::DoNotOptimize(copy.data());
  }
  Describe(state, p, bytes);
}
BENCHMARK(BM_RecoveryCopyCompose)->Unit(benchmark::kMicrosecond);

// What the worker does: the atomic write of the copy into the recovery folder.
void BM_RecoveryCopyWrite(benchmark::State& state) {
  CopiedPuzzle p;
  const std::string bytes = PuzzleCopyBytes(p.doc, p.session);
  const std::string folder = std::filesystem::temp_directory_path().string() +
                             "/quotella-bench-recovery-" + std::to_string(::getpid());
  {
    RecoveryStore store(folder, RecoveryStore::NewOwnerTag());
    for (auto _ : state)
      if (!store.Write(RecoveryKind::Puzzle, "/p/thousand.qtl", bytes, 0).empty())
        state.SkipWithError("the copy could not be written");
    store.Discard(RecoveryKind::Puzzle);
    store.Close();
  }
  std::error_code ec;
  std::filesystem::remove_all(folder, ec);
  Describe(state, p, bytes.size());
}
BENCHMARK(BM_RecoveryCopyWrite)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quotella::bench

BENCHMARK_MAIN();
