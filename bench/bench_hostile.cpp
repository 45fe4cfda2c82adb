// Every reader on hostile files of about 20 MB: each must read or refuse such a file in
// time linear in its size (well under a second). The inputs are the shapes that once cost
// quadratic time: one huge line, millions of entries on a line, millions of short lines,
// tags everywhere.

#include <benchmark/benchmark.h>

#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <functional>

#include "bench_support.h"
#include "core/textio.h"
#include "files/filesession.h"
#include "files/puzzlefile.h"
#include "files/quotesfile.h"
#include "search/wordlists.h"
#include "search/wordsource.h"
#include "settings/settingsstore.h"

#ifdef QUOTELLA_BENCH_RTF
#include "app/rtfreader.h"
#endif

namespace quotella::bench {
namespace {

constexpr std::size_t kSize = 20u << 20;

std::string Repeat(const std::string& piece, std::size_t bytes = kSize) {
  std::string out;
  out.reserve(bytes + piece.size());
  while (out.size() < bytes) out += piece;
  return out;
}

const std::string kPuzzleHead = "Quotella 3.0\r\n[QUOTE]\r\nA B@C@ABC DEF\r\n[GRID]\r\nABC#DEF\r\n";

// The hostile files, by name.
std::string Hostile(const std::string& kind) {
  if (kind == "puzzle_labels")
    return kPuzzleHead + "[labels]\r\n" + Repeat("x |") + "\r\n[keywords]\r\n";
  if (kind == "puzzle_numgrid") return kPuzzleHead + "[NUMGRID]\r\n" + Repeat("1 ") + "\r\n";
  if (kind == "puzzle_tags") return Repeat("[title] [QUOTE] [labels]\r\n");
  if (kind == "puzzle_long_line") return kPuzzleHead + "[title]\r\n" + Repeat("[") + "\r\n";
  if (kind == "puzzle_blank_lines") return kPuzzleHead + Repeat("\n");
  if (kind == "settings_long_line") return "[title]\r\n" + Repeat(" ") + "\r\n";
  if (kind == "settings_lines") return Repeat("[x]\r\n");
  if (kind == "quotes") return Repeat("author@work@a quotation line of middling size\r\n");
  if (kind == "wordlist") return Repeat("word\r\n");
  if (kind == "wordlist_long_line") return Repeat("w");
  if (kind == "rtf_groups") return "{\\rtf1" + Repeat("{\\b x}");
  if (kind == "rtf_nesting") return "{\\rtf1" + Repeat("{");
  return {};
}

std::string WriteHostile(const std::string& kind) {
  const std::string path =
      (std::filesystem::temp_directory_path() / ("quotella-hostile-" + kind)).string();
  std::ofstream(path, std::ios::binary) << Hostile(kind);
  return path;
}

void ReadPuzzle(benchmark::State& state, const std::string& kind) {
  const std::string path = WriteHostile(kind);
  for (auto _ : state) {
    QuietHost host;
    PuzzleDocument doc(host);
    FileSession session;
    benchmark::DoNotOptimize(LoadPuzzleFile(doc, session, path));
  }
  std::filesystem::remove(path);
}

void ReadSettings(benchmark::State& state, const std::string& kind) {
  const std::string path = WriteHostile(kind);
  struct NoFiles : SettingsLoader {
    bool LoadQuotesFile(const std::string&) override { return true; }
    bool LoadWordList(int, const std::string&) override { return true; }
    bool ChangeDirectory(const std::string&) override { return true; }
  } loader;
  for (auto _ : state) {
    QuietHost host;
    PuzzleDocument doc(host);
    Settings values;
    values.IniFileName = path;
    SettingsStore store(host, values, &doc, &loader);
    store.ReadIniFile(path);
  }
  std::filesystem::remove(path);
}

class AnswerWith : public QuietHost {
 public:
  explicit AnswerWith(std::string path) : m_path(std::move(path)) {}
  std::optional<std::string> OpenFileNamed(const std::string&, const std::string&,
                                           const std::string&, const std::string&) override {
    return m_path;
  }

 private:
  std::string m_path;
};

void ReadQuotes(benchmark::State& state, const std::string& kind) {
  const std::string path = WriteHostile(kind);
  for (auto _ : state) {
    AnswerWith host(path);
    FileSession session;
    benchmark::DoNotOptimize(OpenQuotesFile(session, host));
  }
  std::filesystem::remove(path);
}

void ReadWordList(benchmark::State& state, const std::string& kind) {
  const std::string path = WriteHostile(kind);
  for (auto _ : state) {
    QuietHost host;
    WordSources src;
    benchmark::DoNotOptimize(LoadWordListFile(src, 1, path, host));
  }
  std::filesystem::remove(path);
}

void ReadLetterFile(benchmark::State& state, const std::string& kind) {
  const auto dir = std::filesystem::temp_directory_path() /
                   ("quotella-hostile-dict-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  std::ofstream(dir / "w.txt", std::ios::binary) << Hostile(kind);
  for (auto _ : state) benchmark::DoNotOptimize(LoadLetterWords(dir.string() + "/", 'W'));
  std::filesystem::remove_all(dir);
}

#ifdef QUOTELLA_BENCH_RTF
void ReadRtf(benchmark::State& state, const std::string& kind) {
  const std::string text = Hostile(kind);
  for (auto _ : state) benchmark::DoNotOptimize(RtfToHtml(text));
}
#endif

void Register() {
  const std::pair<const char*, void (*)(benchmark::State&, const std::string&)> cases[] = {
      {"puzzle_labels", ReadPuzzle},
      {"puzzle_numgrid", ReadPuzzle},
      {"puzzle_tags", ReadPuzzle},
      {"puzzle_long_line", ReadPuzzle},
      {"puzzle_blank_lines", ReadPuzzle},
      {"settings_long_line", ReadSettings},
      {"settings_lines", ReadSettings},
      {"quotes", ReadQuotes},
      {"wordlist", ReadWordList},
      {"wordlist_long_line", ReadWordList},
      {"letterfile", ReadLetterFile},
#ifdef QUOTELLA_BENCH_RTF
      {"rtf_groups", ReadRtf},
      {"rtf_nesting", ReadRtf},
#endif
  };
  for (const auto& [kind, run] : cases) {
    const std::string name = kind;
    const std::string input = name == "letterfile" ? "wordlist" : name;
    auto* fn = run;
    benchmark::RegisterBenchmark(("BM_HostileRead/" + name).c_str(),
                                 [fn, input](benchmark::State& s) { fn(s, input); })
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1);
  }
}

const bool registered = (Register(), true);

}  // namespace
}  // namespace quotella::bench

BENCHMARK_MAIN();
