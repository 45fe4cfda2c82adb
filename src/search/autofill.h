#pragma once

#include <cstdint>
#include <functional>
#include <stop_token>
#include <string>
#include <unordered_set>
#include <vector>

#include "core/tpuzzle.h"

namespace quotella {

// A word autofill may use, with how familiar it is.
struct AutofillWord {
  std::string word;       // upper-case letters A-Z, initial included
  int size = 0;           // its SCOWL size (10 = most common); 0 = unknown
  bool fromList = false;  // one of the user's word lists holds it: preferred to any other
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
  int minLength = 3;                        // whole word, initial included; 0 = no limit
  int maxLength = 0;                        // 0 = no limit
  std::unordered_set<std::string> exclude;  // upper-case words never proposed
  int solutions = 1;                        // distinct fills wanted
  double timeLimit = 10.0;                  // seconds; 0 or less: none
  int familiarSize = 50;                    // a word of this SCOWL size or less counts as familiar
};

struct AutofillFill {
  std::vector<std::string> words;  // one per slot, in slot order
  int familiar = 0;                // words that are familiar or from a word list
  int score = 0;                   // higher is better
};

struct AutofillProgress {
  std::uint64_t nodes = 0;
  double elapsed = 0.0;  // seconds
  int bestDepth = 0;     // most rows filled at once so far
  int rows = 0;          // rows to fill
  int fills = 0;         // fills found so far
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
};

// The words of one initial, for a slot.
using AutofillWordSource = std::function<const std::vector<AutofillWord>&(char initial)>;

// The text that reports an end ("No fill exists", ...).
std::string AutofillEndText(AutofillEnd end);

// Finds fills of every slot that use up the pool exactly.
//
// Exact cover with multiplicities: the columns are the slots (each takes one word) and
// the pool letters (each taken exactly as often as the pool holds it). A node keeps, for
// every open slot, the candidates that still fit the remaining pool (letter counts in
// byte lanes, compared a vector at a time); it fails as soon as a slot has none, the
// remaining length lies outside what the open slots can take, or some letter exceeds
// what the open slots can hold at most. It branches on the slot with the fewest
// candidates, familiar words first and then words near the average length still
// needed; the last two slots are closed by looking up the remainder by its letter
// counts. Remainders proved to have no completion are remembered. The search is
// deterministic: equal input gives equal fills in equal order.
AutofillResult RunAutofill(const AutofillProblem& problem, const AutofillWordSource& words,
                           const AutofillOptions& options, std::stop_token stop = {},
                           const std::function<void(const AutofillProgress&)>& progress = {});

}  // namespace quotella
