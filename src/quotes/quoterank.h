#pragma once

#include <cstdint>
#include <memory>
#include <stop_token>
#include <string>
#include <vector>

namespace quotella {

class AutofillDictionary;

// How good a puzzle one quotation line makes: what the line is, what its pool is like, and
// what a short autofill made of it.

enum class RankVerdict { Possible, Impossible, Unparsable };
enum class RankFill {
  NotTried,   // the line makes no puzzle
  Filled,     // a fill was found within the budget
  NoFill,     // proved: no fill exists
  Undecided,  // the budget ran out first
};

struct RankOptions {
  double perQuote = 0.2;  // seconds of search each quotation gets (see SearchRoundsFor)
  std::uint64_t seed = 1;
  int workers = 0;  // quotations ranked at once; 0: one per core
};

struct QuoteRank {
  int line = 0;      // 1-based line of the quotes file
  std::string text;  // the line, trimmed
  RankVerdict verdict = RankVerdict::Unparsable;
  std::string reason;  // why impossible or unparsable, or why no fill exists
  int letters = 0;     // letters of the quotation
  int answers = 0;
  double meanLength = 0;       // letters per answer
  double vowelShare = 0;       // vowels among the letters the answers share out (0 to 1)
  std::string problemLetters;  // the pool's problem letters, repeated by their counts
  RankFill fill = RankFill::NotTried;
  bool decided = false;      // filled or proved impossible within the budget
  double familiarShare = 0;  // familiar answers of the best fill (0 to 1)
  int fills = 0;             // distinct fills met, up to kRankFills
  int searchRounds = 0;      // rounds of fixed work spent before the fill or the proof
  int roundBudget = 0;       // rounds the search had
  double seconds = 0;        // wall-clock time of the search, for information only
  double score = 0;          // 0 to 100, higher is better
};

inline constexpr int kRankFills = 8;

// A quotation's budget as rounds of fixed work, so that what a line's search finds does
// not depend on how busy the machine is.
int SearchRoundsFor(double seconds);

// The seed of one line's search: from the ranking's seed and the line alone.
std::uint64_t LineSeed(std::uint64_t seed, int line);

// The verdict and the pool figures of a line, without a search. Blank lines are
// Unparsable with an empty reason; callers skip them.
QuoteRank JudgeQuoteLine(const std::string& line, int lineNumber);

// JudgeQuoteLine, then for a possible line a short autofill from the dictionary (read once
// and shared: see PreloadDictionary), and the score. A stop ends the search early; the
// result is then Undecided.
QuoteRank RankQuoteLine(const std::string& line, int lineNumber,
                        const std::shared_ptr<AutofillDictionary>& dictionary,
                        const RankOptions& options, std::stop_token stop = {});

// The score of a ranked line: a quick fill of familiar words with answers of 5 to 10
// letters on average comes first, then lines not decided in time, then lines proved to have
// no fill, then lines that make no puzzle.
double ScoreOf(const QuoteRank& rank);

// True when a ranks before b: higher score, then possible before impossible before
// unparsable, then the earlier line.
bool RanksBefore(const QuoteRank& a, const QuoteRank& b);
void SortRanking(std::vector<QuoteRank>& ranks);

// "possible", "impossible", "unparsable"; "filled", "no fill", "undecided", "".
std::string VerdictName(RankVerdict verdict);
std::string FillName(RankFill fill);

}  // namespace quotella
