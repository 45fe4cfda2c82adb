#include "quotes/quoterank.h"

#include <algorithm>
#include <chrono>
#include <cmath>

#include "core/construction.h"
#include "core/document.h"
#include "core/poolstatistics.h"
#include "core/quoteparse.h"
#include "core/textio.h"
#include "quotes/silenthost.h"
#include "search/autofill.h"
#include "search/autofillsource.h"
#include "search/filljob.h"

namespace quotella {
namespace {

// Candidates one chain weighs in a second of one core, measured on the reference machine
// (an undecided line's twelve rounds, 126 million candidates, take about 0.12 s).
constexpr double kCandidatesPerSecond = 1.0e9;
// The time limit behind the work budget, only against a machine so loaded that the rounds
// would take far longer than meant: this many times the budget, and never less than a second.
constexpr double kWallClockFactor = 10.0;
// After the first fill the search looks this many rounds for better and other fills.
constexpr int kImproveRounds = 4;
// Candidates a chain weighs in an improvement round (a search round weighs five times as
// many, doubling every other round): a third of a fill's, so that a budget of a fifth of a
// second is fourteen rounds and a line's search ends soon after it.
constexpr std::uint64_t kRoundWork = 200000;

// How near the answers' mean length is to 5-10 letters: 1 inside, 0 three letters away.
double LengthFit(double mean) {
  const double off = mean < 5 ? 5 - mean : mean > 10 ? mean - 10 : 0;
  return std::max(0.0, 1.0 - off / 3.0);
}

int VerdictOrder(RankVerdict v) {
  return static_cast<int>(v);
}

bool IsVowel(std::size_t letter) {
  return letter == 0 || letter == 4 || letter == 8 || letter == 14 || letter == 20;
}

void CountLettersOf(QuoteRank& rank, const QuoteLineCheck& check) {
  const LetterCounts quote = CountAZ(check.masterQuote);
  int pool = 0, vowels = 0;
  for (std::size_t l = 0; l < 26; ++l) {
    rank.letters += quote[l];
    const int spare = std::max(0, check.spareCount[l]);
    pool += spare;
    if (IsVowel(l)) vowels += spare;
  }
  rank.answers = static_cast<int>(check.quotellaStr.size());
  rank.meanLength = rank.answers > 0 ? static_cast<double>(rank.letters) / rank.answers : 0;
  rank.vowelShare = pool > 0 ? static_cast<double>(vowels) / pool : 0;
}

void SearchFill(QuoteRank& rank, const PuzzleDocument& doc,
                const std::shared_ptr<AutofillDictionary>& dictionary, const RankOptions& options,
                std::stop_token stop) {
  FillRequest request;
  request.fills = kRankFills;
  request.seed = LineSeed(options.seed, rank.line);
  request.seconds = std::max(1.0, options.perQuote * kWallClockFactor);
  FillJob job = PrepareFill(doc, request, dictionary);
  job.options.chains = 1;
  job.options.improveRounds = kImproveRounds;
  job.options.roundWork = kRoundWork;
  // Letter weighing starts after a time, not after an amount of work: left out, so that a
  // line's verdict never depends on how busy the machine is.
  job.options.weighing = false;
  // One local-search chain alone: the exact engine costs a quarter of a line's time and,
  // on quotations of this size, seldom decides one within the budget; the cheap
  // certificate still proves the plain cases of no fill.
  job.options.exact = false;
  job.options.searchRounds = SearchRoundsFor(options.perQuote);
  rank.roundBudget = job.options.searchRounds;
  const auto start = std::chrono::steady_clock::now();
  const AutofillResult result =
      RunAutofill(job.problem, job.Source(), job.options, std::move(stop));
  rank.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  rank.searchRounds = result.progress.searchRounds;
  if (result.end == AutofillEnd::Filled && !result.fills.empty()) {
    rank.fill = RankFill::Filled;
    const AutofillFill& best = result.fills.front();
    rank.familiarShare =
        best.words.empty() ? 0 : static_cast<double>(best.familiar) / best.words.size();
    rank.fills = static_cast<int>(result.fills.size());
  } else if (result.end == AutofillEnd::NoFill) {
    rank.fill = RankFill::NoFill;
    rank.reason = result.reason.empty() ? AutofillEndText(result.end) : result.reason;
  } else {
    rank.fill = RankFill::Undecided;
  }
  rank.decided = rank.fill == RankFill::Filled || rank.fill == RankFill::NoFill;
}

}  // namespace

int SearchRoundsFor(double seconds) {
  return SearchRoundsOfWork(
      static_cast<std::uint64_t>(std::max(0.0, seconds) * kCandidatesPerSecond), kRoundWork);
}

std::uint64_t LineSeed(std::uint64_t seed, int line) {
  // splitmix64 of the pair: neighbouring lines and seeds get unrelated searches.
  std::uint64_t z = seed * 0x9E3779B97F4A7C15ull + static_cast<std::uint64_t>(line);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

QuoteRank JudgeQuoteLine(const std::string& line, int lineNumber) {
  QuoteRank rank;
  rank.line = lineNumber;
  rank.text = Trim(line);
  if (rank.text.empty()) return rank;
  const QuoteLineCheck check = CheckQuoteLine(rank.text);
  if (!check.parts.ok) {
    rank.reason = "Could not parse Quote line. Check formatting.";
    return rank;
  }
  CountLettersOf(rank, check);
  if (!check.possible) {
    rank.verdict = RankVerdict::Impossible;
    rank.reason = check.message.empty() ? check.foldProblem : check.message;
  } else {
    rank.verdict = RankVerdict::Possible;
  }
  return rank;
}

QuoteRank RankQuoteLine(const std::string& line, int lineNumber,
                        const std::shared_ptr<AutofillDictionary>& dictionary,
                        const RankOptions& options, std::stop_token stop) {
  QuoteRank rank = JudgeQuoteLine(line, lineNumber);
  if (rank.verdict == RankVerdict::Possible) {
    SilentHost host;
    PuzzleDocument doc(host);
    if (QuotesEditorDblClick(doc, rank.text) == DblClickResult::Made) {
      rank.problemLetters = ComputePoolStatistics(doc).problemPool;
      SearchFill(rank, doc, dictionary, options, std::move(stop));
    } else {
      rank.verdict = RankVerdict::Impossible;
      rank.reason = "No puzzle can be made of this line";
    }
  }
  rank.score = ScoreOf(rank);
  return rank;
}

double ScoreOf(const QuoteRank& rank) {
  if (rank.verdict != RankVerdict::Possible) return 0;
  const double length = LengthFit(rank.meanLength);
  switch (rank.fill) {
    case RankFill::Filled: {
      const double budget = std::max(1, rank.roundBudget);
      const double speed = std::clamp(1.0 - rank.searchRounds / budget, 0.0, 1.0);
      const double variety = std::min(rank.fills, kRankFills) / double(kRankFills);
      return 40 + 25 * rank.familiarShare + 15 * speed + 15 * length + 5 * variety;
    }
    case RankFill::Undecided:
      return 10 + 20 * length;
    case RankFill::NoFill:
      return 5;
    case RankFill::NotTried:
      break;
  }
  return 0;
}

bool RanksBefore(const QuoteRank& a, const QuoteRank& b) {
  if (a.score != b.score) return a.score > b.score;
  if (a.verdict != b.verdict) return VerdictOrder(a.verdict) < VerdictOrder(b.verdict);
  return a.line < b.line;
}

void SortRanking(std::vector<QuoteRank>& ranks) {
  std::sort(ranks.begin(), ranks.end(), RanksBefore);
}

std::string VerdictName(RankVerdict verdict) {
  switch (verdict) {
    case RankVerdict::Possible:
      return "possible";
    case RankVerdict::Impossible:
      return "impossible";
    case RankVerdict::Unparsable:
      return "unparsable";
  }
  return {};
}

std::string FillName(RankFill fill) {
  switch (fill) {
    case RankFill::Filled:
      return "filled";
    case RankFill::NoFill:
      return "no fill";
    case RankFill::Undecided:
      return "undecided";
    case RankFill::NotTried:
      break;
  }
  return {};
}

}  // namespace quotella
