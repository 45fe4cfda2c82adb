// Reading a constructor's scored word list of 500,000 entries (the bundled dictionary's
// words, a share of them accented, and two-word entries; random scores from a fixed seed) into
// the table of scores, against the plain algorithm: the same file's lines read into a
// vector of strings. Target: the list reads in under half a second.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include <unistd.h>

#include "bench_support.h"
#include "search/scoredlist.h"
#include "search/wordsource.h"

namespace {

using namespace quotella;

constexpr std::size_t kEntries = 500000;
constexpr double kTargetSeconds = 0.5;

// Every word of the bundled dictionary, lower-case.
std::vector<std::string> DictionaryWords() {
  std::vector<std::string> words;
  const std::string dir = bench::DictDir();
  for (char c = 'A'; c <= 'Z'; ++c) {
    const auto lines = ReadWordFile(FindLetterFile(dir, c));
    if (!lines) continue;
    for (const auto& line : *lines)
      if (line.size() >= 2) words.push_back(LowerCase(line));
  }
  return words;
}

// The word with its first "e" spelt "é" and its first "o" spelt "ö", as a list might hold it.
std::string Accented(std::string word) {
  if (const auto e = word.find('e'); e != std::string::npos) word.replace(e, 1, "\xC3\xA9");
  if (const auto o = word.find('o'); o != std::string::npos) word.replace(o, 1, "\xC3\xB6");
  return word;
}

// The list's text: a note, then every dictionary word once in a shuffled order (5% of them
// accented), then two-word entries up to kEntries, so that nearly every entry is a word of
// its own; 5% of the lines are words alone (the default score), the rest "word;score".
std::string ListText(std::vector<std::string> words) {
  std::mt19937 random(30);
  std::shuffle(words.begin(), words.end(), random);
  std::uniform_int_distribution<std::size_t> pick(0, words.size() - 1);
  std::uniform_int_distribution<int> score(kMinWordScore, kMaxWordScore);
  std::uniform_int_distribution<int> kind(0, 99);
  std::string text = "# scored word list for the benchmark\n";
  text.reserve(kEntries * 20);
  for (std::size_t i = 0; i < kEntries; ++i) {
    std::string entry = words[i % words.size()];
    if (i >= words.size()) {
      entry += " " + words[pick(random)];
    } else if (kind(random) < 5) {
      entry = Accented(entry);
    }
    text += entry;
    if (kind(random) < 95) text += ";" + std::to_string(score(random));
    text += "\n";
  }
  return text;
}

// The list file, written once per run into a folder of its own.
class ListFile {
 public:
  ListFile() {
    m_dir = std::filesystem::temp_directory_path() /
            ("quotella-bench-scored-" + std::to_string(::getpid()));
    std::filesystem::create_directories(m_dir);
    m_path = (m_dir / "scored.txt").string();
    std::ofstream(m_path, std::ios::binary) << ListText(DictionaryWords());
  }
  ~ListFile() {
    std::error_code ec;
    std::filesystem::remove_all(m_dir, ec);
  }
  ListFile(const ListFile&) = delete;
  ListFile& operator=(const ListFile&) = delete;
  const std::string& Path() const { return m_path; }

 private:
  std::filesystem::path m_dir;
  std::string m_path;
};

std::vector<std::string> PlainLines(const std::string& path) {
  std::vector<std::string> lines;
  std::ifstream in(path, std::ios::binary);
  for (std::string line; std::getline(in, line);) lines.push_back(std::move(line));
  return lines;
}

template <typename Run>
double SecondsOf(Run&& run) {
  const auto start = std::chrono::steady_clock::now();
  run();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_ReadScoredList500k(benchmark::State& state) {
  const ListFile file;
  constexpr int kPlainRuns = 5;
  double plain = 0;
  std::size_t lines = 0;
  for (int i = 0; i < kPlainRuns; ++i) {
    plain += SecondsOf([&] {
      auto read = PlainLines(file.Path());
      lines = read.size();
      benchmark::DoNotOptimize(read);
    });
  }
  plain /= kPlainRuns;

  double total = 0;
  ScoredListRead read;
  std::size_t words = 0;
  for (auto _ : state) {
    ScoredList list;
    total += SecondsOf([&] { read = list.AddFile(file.Path(), kDefaultListScore); });
    words = list.Count();
    benchmark::DoNotOptimize(list);
  }
  const double ours = total / static_cast<double>(state.iterations());
  state.SetLabel(std::to_string(lines) + " lines, " + std::to_string(words) + " words");
  state.counters["entries"] = static_cast<double>(read.entries);
  state.counters["duplicates"] = static_cast<double>(read.duplicates);
  state.counters["bad_lines"] = static_cast<double>(read.badLines);
  state.counters["ms"] = ours * 1e3;
  state.counters["plain_ms"] = plain * 1e3;
  state.counters["ratio_vs_plain"] = plain / ours;
  state.counters["under_target"] = ours < kTargetSeconds ? 1 : 0;
}
BENCHMARK(BM_ReadScoredList500k)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
