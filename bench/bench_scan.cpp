// The dictionary scan of a real puzzle row over the largest letter file of the bundled
// dictionary, against a plain scan of the same file: read line by line, sort with a
// case-insensitive comparison of upper-cased copies, normalise each line with string
// operations and test the fit letter by letter.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "bench_support.h"
#include "core/document.h"
#include "core/textio.h"
#include "search/scan.h"
#include "search/wordlists.h"
#include "search/wordsource.h"

namespace {

using namespace quotella;
using bench::DictDir;

// The initial with the most dictionary words.
char LargestInitial(const std::string& dir) {
  char best = 'A';
  std::uintmax_t bestSize = 0;
  for (char c = 'A'; c <= 'Z'; ++c) {
    std::error_code ec;
    const auto size = std::filesystem::file_size(FindLetterFile(dir, c), ec);
    if (!ec && size > bestSize) best = c, bestSize = size;
  }
  return best;
}

std::string LettersOf(const std::string& text) {
  std::string out;
  for (char c : UpperCase(text))
    if (IsUpperLetter(c)) out.push_back(c);
  return out;
}

// The first quotation of the bench data as a fresh puzzle: one row per letter of author
// and work, the pool the quotation's letters less those initials. The scanned row is the
// first whose initial is `initial` (row 0 is given it when there is none).
struct BenchPuzzle {
  bench::QuietHost host{true};
  PuzzleDocument doc{host};
  WordSources src;

  explicit BenchPuzzle(char initial) {
    const auto lines = bench::QuoteLines();
    const std::string line = lines && !lines->empty() ? lines->front() : "A@B@ABSTRACTS";
    const std::size_t at1 = line.find('@');
    const std::size_t at2 = line.find('@', at1 + 1);
    const std::string initials = LettersOf(line.substr(0, at2));
    doc.P.NumWords = static_cast<int>(std::min<std::size_t>(initials.size(), kMaxWords));
    for (char c : LettersOf(line.substr(at2 + 1))) ++doc.P.PoolOf(c);
    doc.view().CurRow = -1;
    for (int r = 0; r < doc.P.NumWords; ++r) {
      const char c = initials[static_cast<std::size_t>(r)];
      doc.KeyWords.At(1, r) = std::string(1, c);
      --doc.P.PoolOf(c);
      if (doc.view().CurRow < 0 && c == initial) doc.view().CurRow = r;
    }
    if (doc.view().CurRow < 0)
      doc.view().CurRow = 0, doc.KeyWords.At(1, 0) = std::string(1, initial);
    src.DictDir = DictDir();
  }
  char Initial() const { return doc.KeyWords.At(1, doc.view().CurRow)[0]; }
};

std::vector<std::string> PlainScan(const std::string& path, char initial,
                                   const LetterCounts& pool) {
  std::vector<std::string> lines;
  std::ifstream in(path, std::ios::binary);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  std::sort(lines.begin(), lines.end(),
            [](const std::string& a, const std::string& b) { return UpperCase(a) < UpperCase(b); });
  const CharSet excluded = MakeExcludedSet();
  std::vector<std::string> found;
  for (const auto& line : lines) {
    std::string w = UpperCase(line);
    w.erase(std::remove(w.begin(), w.end(), ' '), w.end());
    w = Trim(w);
    std::string letters;
    for (char c : w)
      if (!InSet(excluded, c)) letters.push_back(c);
    if (letters.empty() || letters[0] != initial) continue;
    bool fits = true;
    for (char c = 'A'; c <= 'Z' && fits; ++c) {
      const auto n = std::count(letters.begin() + 1, letters.end(), c);
      fits = n <= pool[static_cast<std::size_t>(LetterIndex(c))];
    }
    for (char c : letters) fits = fits && IsUpperLetter(c);
    if (fits) found.push_back(letters);
  }
  return found;
}

double PlainScanSeconds(const BenchPuzzle& b, std::size_t* count) {
  const std::string path = FindLetterFile(b.src.DictDir, b.Initial());
  constexpr int kRuns = 20;
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < kRuns; ++i) {
    auto found = PlainScan(path, b.Initial(), b.doc.P.Pool);
    *count = found.size();
    benchmark::DoNotOptimize(found);
  }
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / kRuns;
}

void BM_ScanLargestLetterFile(benchmark::State& state) {
  BenchPuzzle b(LargestInitial(DictDir()));
  std::size_t plainCount = 0;
  const double plain = PlainScanSeconds(b, &plainCount);
  double total = 0;
  std::size_t found = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    std::vector<std::string> out;
    ScanDictionary(b.doc, b.src, true, out);
    total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    found = out.size();
    benchmark::DoNotOptimize(out);
  }
  const double ours = total / static_cast<double>(state.iterations());
  state.SetLabel(std::string("initial ") + b.Initial() + ", " +
                 std::to_string(b.src.List(1).Items.size()) + " words");
  state.counters["words_read"] = static_cast<double>(b.src.List(1).Items.size());
  state.counters["candidates"] = static_cast<double>(found);
  state.counters["same_result"] = found == plainCount ? 1 : 0;
  state.counters["ms"] = ours * 1e3;
  state.counters["plain_ms"] = plain * 1e3;
  state.counters["ratio_vs_plain"] = plain / ours;
}
BENCHMARK(BM_ScanLargestLetterFile)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
