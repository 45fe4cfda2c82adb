#include <unistd.h>

#include <atomic>
#include <csignal>
#include <cstdlib>
#include <iomanip>
#include <iostream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <thread>

#include "cli/command.h"
#include "cli/engine_args.h"
#include "cli/rank_progress.h"
#include "cli/wordsearch_support.h"
#include "core/textio.h"
#include "quotes/quoteranker.h"
#include "search/wordsource.h"

namespace quotella::cli {
namespace {

// The exit code of a ranking stopped by Ctrl+C, as a shell reports an interrupt.
constexpr int kInterrupted = 130;

volatile std::sig_atomic_t g_interrupted = 0;

extern "C" void OnInterrupt(int) {
  g_interrupted = 1;
}

// Ctrl+C asks the ranking to stop instead of ending the program, while this lives.
class InterruptStop {
 public:
  explicit InterruptStop(std::stop_source& stop) {
    g_interrupted = 0;
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, &m_old);
    m_watch = std::jthread([&stop](const std::stop_token& done) {
      while (!done.stop_requested()) {
        if (g_interrupted) {
          stop.request_stop();
          return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
      }
    });
  }
  ~InterruptStop() {
    m_watch.request_stop();
    m_watch.join();
    sigaction(SIGINT, &m_old, nullptr);
  }
  InterruptStop(const InterruptStop&) = delete;
  InterruptStop& operator=(const InterruptStop&) = delete;
  bool Interrupted() const { return g_interrupted != 0; }

 private:
  struct sigaction m_old {};
  std::jthread m_watch;
};

std::string Fixed(double v, int decimals) {
  std::ostringstream out;
  out << std::fixed << std::setprecision(decimals) << v;
  return out.str();
}

std::string Percent(double share) {
  return Fixed(share * 100, 0) + "%";
}

nlohmann::ordered_json RankJson(const QuoteRank& r, int place) {
  nlohmann::ordered_json j;
  j["rank"] = place;
  j["line"] = r.line;
  j["text"] = r.text;
  j["score"] = std::round(r.score * 10) / 10;
  j["verdict"] = VerdictName(r.verdict);
  j["reason"] = r.reason;
  j["letters"] = r.letters;
  j["answers"] = r.answers;
  j["meanLength"] = std::round(r.meanLength * 100) / 100;
  j["vowelShare"] = std::round(r.vowelShare * 1000) / 1000;
  j["problemLetters"] = r.problemLetters;
  j["fill"] = FillName(r.fill);
  j["decided"] = r.decided;
  j["familiarShare"] = std::round(r.familiarShare * 1000) / 1000;
  j["fills"] = r.fills;
  j["searchRounds"] = r.searchRounds;
  j["seconds"] = std::round(r.seconds * 1000) / 1000;
  return j;
}

void PrintText(const RankOutcome& outcome, std::size_t top) {
  std::cout << "rank  score  verdict     fill       letters answers  mean vowels familiar "
               "fills  line  quotation\n";
  for (std::size_t k = 0; k < outcome.ranks.size() && k < top; ++k) {
    const QuoteRank& r = outcome.ranks[k];
    std::ostringstream row;
    row << std::setw(4) << k + 1 << "  " << std::setw(5) << Fixed(r.score, 1) << "  " << std::left
        << std::setw(10) << VerdictName(r.verdict) << "  " << std::setw(9) << FillName(r.fill)
        << std::right << "  " << std::setw(7) << r.letters << " " << std::setw(7) << r.answers
        << " " << std::setw(5) << Fixed(r.meanLength, 1) << " " << std::setw(6)
        << Percent(r.vowelShare) << " " << std::setw(8)
        << (r.fill == RankFill::Filled ? Percent(r.familiarShare) : "-") << " " << std::setw(5)
        << r.fills << " " << std::setw(5) << r.line << "  " << r.text;
    if (!r.reason.empty()) row << "  [" << r.reason << "]";
    PrintLine(std::cout, row.str());
  }
}

void PrintJson(const RankOutcome& outcome, std::size_t top, const std::string& path,
               const RankOptions& options) {
  nlohmann::ordered_json j;
  j["file"] = path;
  j["seed"] = options.seed;
  j["perQuote"] = options.perQuote;
  j["lines"] = outcome.total;
  j["ranked"] = outcome.ranks.size();
  j["stopped"] = outcome.stopped;
  j["ranks"] = nlohmann::ordered_json::array();
  for (std::size_t k = 0; k < outcome.ranks.size() && k < top; ++k)
    j["ranks"].push_back(RankJson(outcome.ranks[k], static_cast<int>(k) + 1));
  std::cout << j.dump(2) << "\n";
}

std::optional<RankOptions> ParseRankOptions(const EngineArgs& a, std::size_t& top) {
  RankOptions options;
  if (const std::string v = a.Value("--top"); !v.empty()) {
    const auto n = IntArg(v, 1, 100000000);
    if (!n) return UsageError("rank", "--top takes a whole number of at least 1"), std::nullopt;
    top = static_cast<std::size_t>(*n);
  }
  if (const std::string v = a.Value("--seed"); !v.empty()) {
    const auto n = IntArg(v, 0, 2147483647);
    if (!n)
      return UsageError("rank", "--seed takes a whole number from 0 to 2147483647"), std::nullopt;
    options.seed = static_cast<std::uint64_t>(*n);
  }
  if (const std::string v = a.Value("--per-quote"); !v.empty()) {
    char* end = nullptr;
    const double s = std::strtod(v.c_str(), &end);
    if (end != v.c_str() + v.size() || !(s > 0) || s > 60)
      return UsageError("rank", "--per-quote takes seconds, more than 0 and at most 60"),
             std::nullopt;
    options.perQuote = s;
  }
  return options;
}

int RunRank(const std::vector<std::string>& args) {
  const auto a =
      ParseEngineArgs("rank", args, {"--json"}, {"--top", "--per-quote", "--seed", "--dict"});
  if (!a) return 2;
  if (a->positional.size() != 1) return UsageError("rank", "rank takes one quotes file");
  std::size_t top = static_cast<std::size_t>(-1);
  const auto options = ParseRankOptions(*a, top);
  if (!options) return 2;
  const std::string path = a->positional.front();
  const auto lines = ReadTextLines(path);
  if (!lines) {
    std::cerr << "quotella-cli: Could not load file " << path << "\n";
    return 1;
  }
  const std::string dictDir = CommandDictDir(a->Value("--dict"));
  if (!HasDictionary(dictDir)) {
    std::cerr << "quotella-cli: no dictionary in " << dictDir << "\n";
    return 1;
  }
  // Ctrl+C while the dictionary is read already stops the ranking before its first line.
  std::stop_source stop;
  RankOutcome outcome;
  bool interrupted = false;
  {
    InterruptStop interrupt(stop);
    const auto dictionary = PreloadDictionary(dictDir);
    RankProgressBar bar(std::cerr);
    const bool terminal = isatty(STDERR_FILENO) != 0;
    outcome =
        RankQuotes(*lines, dictionary, *options, stop.get_token(), [&](const RankProgress& p) {
          if (terminal) bar.Show(p.done, p.total);
        });
    bar.Clear();
    interrupted = interrupt.Interrupted();
  }
  if (a->Has("--json"))
    PrintJson(outcome, top, path, *options);
  else
    PrintText(outcome, top);
  std::cerr << "Ranked " << outcome.ranks.size() << " of " << outcome.total << " lines"
            << (interrupted ? " (stopped)" : "") << "\n";
  return interrupted ? kInterrupted : 0;
}

const Registration reg{
    {"rank",
     "  quotella-cli rank QUOTES [--top N] [--per-quote S] [--seed N] [--json] [--dict DIR]\n"
     "      ranks the lines of a quotes file by how good a puzzle each makes, best first:\n"
     "      the verdict, letters, answers, mean answer length, vowel share and problem\n"
     "      letters of each, then a short autofill of S seconds' work (default 0.2): filled,\n"
     "      no fill or undecided, the familiar share of its best fill and the fills met.\n"
     "      The same --seed (default 1) gives the same ranking. A progress bar shows on a\n"
     "      terminal; Ctrl+C stops and prints what was ranked (exit code 130).",
     RunRank}};

}  // namespace
}  // namespace quotella::cli
