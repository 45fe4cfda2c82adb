// Every reader on hostile files of about 20 MB: each must read or refuse such a file in
// time linear in its size (well under a second) and, for the line-based files, with a heap
// below four times the file's size. The inputs are the shapes that once cost quadratic
// time or a string per empty line: one huge line, millions of entries on a line, millions
// of short or empty lines, tags everywhere.
//
// Each case reports heap_x: the most heap the reader held at once (operator new, counted
// by tests/hostile/heapcounter.cpp), as a multiple of the file's size. The command-line
// cases report cpu_s, the program's processor time. Qt's own text buffers are not counted
// by heap_x.

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>

#include "bench_support.h"
#include "core/textio.h"
#include "files/filesession.h"
#include "files/inforeport.h"
#include "files/puzzlefile.h"
#include "files/quotesfile.h"
#include "formats/ipuzimport.h"
#include "hostile/heapcounter.h"
#include "search/autofillsource.h"
#include "search/wordlists.h"
#include "search/wordsource.h"
#include "settings/recentpuzzles.h"
#include "settings/settingsstore.h"

#ifdef QUOTELLA_BENCH_RTF
#include <QApplication>
#include <QTextEdit>

#include "app/panes/quotewindowfile.h"
#include "rtf/rtfreader.h"
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
  if (kind == "settings_blank_lines") return Repeat("\n");
  if (kind == "recent_puzzles_line") return "[recent puzzles]\r\n" + Repeat("a.qtl|") + "\r\n";
  if (kind == "quotes_blank_lines") return Repeat("\n");
  if (kind == "wordlist_blank_lines") return Repeat("\n");
  if (kind == "familiarity") return Repeat("WORD 12\r\n");
  if (kind == "offensive") return Repeat("word\r\n");
  if (kind == "synopsis") return "! This file made by Quotella\r\n" + Repeat("[title]\n");
  if (kind == "synopsis_blank_lines") return "! This file made by Quotella\r\n" + Repeat("\n");
  if (kind == "ipuz_brackets") return Repeat("[");
  if (kind == "rtf_plain") return "{\\rtf1 " + Repeat("word  ") + "}";
  if (kind == "quotes") return Repeat("author@work@a quotation line of middling size\r\n");
  if (kind == "wordlist") return Repeat("word\r\n");
  if (kind == "wordlist_long_line") return Repeat("w");
  if (kind == "wordlist_notes") return Repeat("#\n");
  if (kind == "wordlist_folded") return Repeat("caf\xC3\xA9 cr\xC3\xA8me\r\n");
  if (kind == "puzzle_crlf_blank_lines") return kPuzzleHead + Repeat("\r\n");
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

// Measures the heap the reader holds at most, from the first iteration on.
class HeapPeak {
 public:
  explicit HeapPeak(std::size_t fileSize) : m_start(test::HeapInUse()), m_size(fileSize) {
    test::ResetHeapPeak();
  }
  void Report(benchmark::State& state) const {
    const double held = static_cast<double>(test::HeapPeak() - m_start);
    state.counters["heap_x"] = held / static_cast<double>(m_size);
  }

 private:
  std::size_t m_start;
  std::size_t m_size;
};

std::size_t FileSize(const std::string& path) {
  return static_cast<std::size_t>(std::filesystem::file_size(path));
}

// Writes the hostile file, reads it with `read` once per iteration and reports the most
// heap the reading held.
template <typename Read>
void ReadHostile(benchmark::State& state, const std::string& kind, Read read) {
  const std::string path = WriteHostile(kind);
  const HeapPeak heap(FileSize(path));
  for (auto _ : state) read(path);
  heap.Report(state);
  std::filesystem::remove(path);
}

void ReadPuzzle(benchmark::State& state, const std::string& kind) {
  ReadHostile(state, kind, [](const std::string& path) {
    QuietHost host;
    PuzzleDocument doc(host);
    FileSession session;
    benchmark::DoNotOptimize(LoadPuzzleFile(doc, session, path));
  });
}

void ReadSettings(benchmark::State& state, const std::string& kind) {
  struct NoFiles : SettingsLoader {
    bool LoadQuotesFile(const std::string&) override { return true; }
    bool LoadWordList(int, const std::string&) override { return true; }
    bool ChangeDirectory(const std::string&) override { return true; }
  };
  ReadHostile(state, kind, [](const std::string& path) {
    NoFiles loader;
    QuietHost host;
    PuzzleDocument doc(host);
    Settings values;
    values.IniFileName = path;
    SettingsStore store(host, values, &doc, &loader);
    store.ReadIniFile(path);
  });
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
  ReadHostile(state, kind, [](const std::string& path) {
    AnswerWith host(path);
    FileSession session;
    benchmark::DoNotOptimize(OpenQuotesFile(session, host));
  });
}

void ReadWordList(benchmark::State& state, const std::string& kind) {
  ReadHostile(state, kind, [](const std::string& path) {
    QuietHost host;
    WordSources src;
    benchmark::DoNotOptimize(LoadWordListFile(src, 1, path, host));
  });
}

void ReadLetterFile(benchmark::State& state, const std::string& kind) {
  const auto dir = std::filesystem::temp_directory_path() /
                   ("quotella-hostile-dict-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  std::ofstream(dir / "w.txt", std::ios::binary) << Hostile(kind);
  const HeapPeak heap(FileSize((dir / "w.txt").string()));
  for (auto _ : state) benchmark::DoNotOptimize(LoadLetterWords(dir.string() + "/", 'W'));
  heap.Report(state);
  std::filesystem::remove_all(dir);
}

void ReadFamiliarity(benchmark::State& state, const std::string& kind) {
  ReadHostile(state, kind, [](const std::string& path) {
    Familiarity table;
    benchmark::DoNotOptimize(table.Load(path));
  });
}

void ReadOffensive(benchmark::State& state, const std::string& kind) {
  ReadHostile(state, kind,
              [](const std::string& path) { benchmark::DoNotOptimize(LoadOffensiveWords(path)); });
}

void ReadSynopsis(benchmark::State& state, const std::string& kind) {
  ReadHostile(state, kind, [](const std::string& path) {
    QuietHost host;
    FileSession session;
    benchmark::DoNotOptimize(MakeInfoReport(session, host, path));
  });
}

// The recent-puzzles line is read from the settings text the settings file gave.
void ReadRecentPuzzles(benchmark::State& state, const std::string& kind) {
  ReadHostile(state, kind, [](const std::string& path) {
    IniText ini;
    ini.SetText(*ReadText(path));
    RecentPuzzles recent;
    recent.Read(ini);
    benchmark::DoNotOptimize(recent.Paths().size());
  });
}

void ReadIpuz(benchmark::State& state, const std::string& kind) {
  ReadHostile(state, kind, [](const std::string& path) {
    QuietHost host;
    PuzzleDocument doc(host);
    FileSession session;
    benchmark::DoNotOptimize(LoadIpuzFile(doc, session, path));
  });
}

// `quotella-cli check --file` as a user runs it: the program beside this one, its output
// thrown away; cpu_s is its processor time. (Its peak resident size cannot be told from
// here: a child's count starts at the size of the process that started it.)
void CheckQuotesFile(benchmark::State& state, const std::string& kind) {
  const std::string path = WriteHostile(kind);
  const std::string cli =
      (std::filesystem::canonical("/proc/self/exe").parent_path() / "quotella-cli").string();
  if (!std::filesystem::exists(cli)) {
    state.SkipWithError("quotella-cli is not built");
    return;
  }
  double cpu = 0;
  for (auto _ : state) {
    const pid_t pid = ::fork();
    if (pid == 0) {
      const int null = ::open("/dev/null", O_WRONLY);
      ::dup2(null, 1);
      ::dup2(null, 2);
      ::execl(cli.c_str(), cli.c_str(), "check", "--file", path.c_str(), nullptr);
      ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    ::wait4(pid, &status, 0, &usage);
    cpu = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
          static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
  }
  state.counters["cpu_s"] = cpu;
  std::filesystem::remove(path);
}

#ifdef QUOTELLA_BENCH_RTF
void ReadRtf(benchmark::State& state, const std::string& kind) {
  const std::string text = Hostile(kind);
  for (auto _ : state) benchmark::DoNotOptimize(RtfToHtml(text));
}

// The window's start-up with a quote-window file: the file is read, turned into HTML and
// shown in the quote window's text box (82 pixels high), which lays it out.
void StartQuoteWindow(benchmark::State& state, const std::string& kind) {
  const std::string path = WriteHostile(kind);
  static int argc = 1;
  static char name[] = "bench_hostile";
  static char* argv[] = {name, nullptr};
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static QApplication* app = new QApplication(argc, argv);
  for (auto _ : state) {
    QTextEdit window;
    window.setReadOnly(true);
    window.resize(400, 82);
    LoadQuoteWindowFile(window, path);
    window.show();
    app->processEvents();
    benchmark::DoNotOptimize(window.document()->characterCount());
  }
  std::filesystem::remove(path);
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
      {"settings_blank_lines", ReadSettings},
      {"recent_puzzles_line", ReadRecentPuzzles},
      {"quotes_blank_lines", ReadQuotes},
      {"check_file", CheckQuotesFile},
      {"check_file_blank_lines", CheckQuotesFile},
      {"wordlist_blank_lines", ReadWordList},
      {"wordlist_notes", ReadWordList},
      {"wordlist_folded", ReadWordList},
      {"puzzle_crlf_blank_lines", ReadPuzzle},
      {"letterfile_blank_lines", ReadLetterFile},
      {"familiarity", ReadFamiliarity},
      {"offensive", ReadOffensive},
      {"synopsis", ReadSynopsis},
      {"synopsis_blank_lines", ReadSynopsis},
      {"ipuz_brackets", ReadIpuz},
#ifdef QUOTELLA_BENCH_RTF
      {"rtf_groups", ReadRtf},
      {"rtf_nesting", ReadRtf},
      {"rtf_plain", ReadRtf},
      {"quote_window_groups", StartQuoteWindow},
      {"quote_window_plain", StartQuoteWindow},
#endif
  };
  // Cases that read another case's file.
  const std::map<std::string, std::string> inputs = {
      {"letterfile", "wordlist"},
      {"letterfile_blank_lines", "wordlist_blank_lines"},
      {"check_file", "quotes"},
      {"check_file_blank_lines", "quotes_blank_lines"},
      {"quote_window_groups", "rtf_groups"},
      {"quote_window_plain", "rtf_plain"},
  };
  for (const auto& [kind, run] : cases) {
    const std::string name = kind;
    const auto alias = inputs.find(name);
    const std::string input = alias == inputs.end() ? name : alias->second;
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
