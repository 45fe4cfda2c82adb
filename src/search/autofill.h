#pragma once

#include <cstdint>
#include <functional>
#include <stop_token>
#include <string>
#include <unordered_set>
#include <vector>

#include "core/tpuzzle.h"
#include "search/searchdeadline.h"

namespace quotella {

// A word autofill may use, with how familiar it is.
struct AutofillWord {
  std::string word;       // upper-case letters A-Z, initial included
  int size = 0;           // its SCOWL size (10 = most common); 0 = unknown
  bool fromList = false;  // one of the user's word lists holds it: preferred to any other
  bool known = true;      // WordNet knows it (true when the dictionary does not say)
  int score = -1;         // its score in the constructor's scored lists (0-100); -1: in none
};

// One answer row to fill: its table row and its initial.
struct AutofillSlot {
  int row = 0;
  char initial = 'A';
};

struct AutofillProblem {
  std::vector<AutofillSlot> rowSlots;
  LetterCounts pool{};            // the letters the slots' words must use up, initials excluded
  std::array<bool, 26> locked{};  // letters no proposed word may hold
};

struct AutofillOptions {
  int minLength = 3;                             // whole word, initial included; 0 = no limit
  int maxLength = 0;                             // 0 = no limit
  int maxSize = 0;                               // rarest SCOWL size proposed; 0 = any word
  std::unordered_set<std::string> exclude;       // upper-case words never proposed
  std::unordered_set<std::string> excludeStems;  // stems (StemOf) never proposed
  int solutions = 1;                             // distinct fills wanted
  double timeLimit = 10.0;                       // seconds; 0 or less: none
  int familiarSize = 50;             // a word of this SCOWL size or less counts as familiar
  std::uint64_t seed = 1;            // the local search's seed: same seed, same fill
  int chains = 2;                    // local-search chains
  bool exact = true;                 // run the exact engine beside them
  int improveRounds = 150;           // most rounds of improvement after the first fill
  std::uint64_t roundWork = 600000;  // candidates a chain weighs in an improvement round
  int searchRounds = 0;              // rounds without a fill before it gives up; 0: no limit
  bool weighing = true;              // look for letter weights that prove there is no fill
  SearchDeadline::Clock clock;       // what the time limit is measured on; empty: steady clock
};

struct AutofillFill {
  std::vector<std::string> words;  // one per slot, in slot order ("" = left empty)
  int familiar = 0;                // words that are familiar or from a word list
  int score = 0;                   // higher is better
  double penalty = 0;              // lower is better (see FillCandidates::Penalty)
  int scored = 0;                  // words that have a score in the constructor's lists
  int scoreSum = 0;                // the sum of their scores

  // The mean score of the scored words; 0 when none is scored.
  double MeanScore() const { return scored > 0 ? static_cast<double>(scoreSum) / scored : 0.0; }
};

struct AutofillProgress {
  std::uint64_t nodes = 0;  // exact-engine nodes and local-search steps
  double elapsed = 0.0;     // seconds
  int bestDepth = 0;        // most rows filled at once so far
  int rows = 0;             // rows to fill
  int fills = 0;            // fills found so far
  int lettersOff = -1;      // the local search's best cost so far (0 once filled)
  int searchRounds = 0;     // rounds of fixed work spent before the first fill or the proof
};

enum class AutofillEnd {
  Filled,         // at least one fill (the search may have stopped early after it)
  NoFill,         // the whole search space was tried: no fill exists
  TimeLimit,      // time ran out before any fill
  Stopped,        // stopped by the caller before any fill
  NothingToFill,  // no empty row; or the pool is not empty with no row to take it
};

struct AutofillResult {
  AutofillEnd end = AutofillEnd::NoFill;
  std::vector<AutofillFill> fills;  // best first
  AutofillProgress progress;
  std::string engine;    // which engine found the winning fill, or proved there is none
  std::string reason;    // why no fill exists, when a cheap certificate shows it
  double decided = 0.0;  // seconds until the first fill or the proof
  AutofillFill partial;  // when no fill was found: the most rows that fit the pool together
};

// The words of one initial, for a slot.
using AutofillWordSource = std::function<const std::vector<AutofillWord>&(char initial)>;

// The text that reports an end ("No fill exists", ...).
std::string AutofillEndText(AutofillEnd end);

// The search rounds (AutofillOptions::searchRounds) in which one chain weighs at least this
// many candidates: the rounds grow as a search goes on.
int SearchRoundsOfWork(std::uint64_t candidates, std::uint64_t roundWork);

// Fills every slot so that the pool is used up: a portfolio of the exact engine
// (RunExactFill) and several local-search chains (LocalFillChain), each on its own
// thread, sharing one stop token. They work in rounds of fixed work and meet after each;
// the first round in which any of them finds a fill starts the improvement, in which the
// chains start from the best fill of that round and keep the best distinct fills they
// meet for a fixed number of rounds. The first fill, each new best fill and the best fills
// at the end have their costliest answers (words WordNet does not know) traded for cheaper
// ones by refilling three rows from the letters they hold (FillRepair), within an amount of
// work that follows the improvement's (improveRounds and roundWork); the chains go on from
// the fills they found. The outcome therefore depends on the seed and never
// on thread timing, unless the time limit or a stop cuts it short. NoFill comes only from
// a proof: a cheap certificate or the exact engine trying everything. A stop or the time
// limit is noticed inside the rounds (every few thousand candidates or nodes), so the search
// returns within milliseconds of it. The time limit counts from when the candidate tables
// are built; a stop also cuts their building short.
AutofillResult RunAutofill(const AutofillProblem& problem, const AutofillWordSource& words,
                           const AutofillOptions& options, std::stop_token stop = {},
                           const std::function<void(const AutofillProgress&)>& progress = {});

}  // namespace quotella
