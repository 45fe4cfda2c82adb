#pragma once

#include <atomic>
#include <chrono>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "core/assignment.h"
#include "core/construction.h"
#include "core/document.h"
#include "search/autofill.h"
#include "search/fillquality.h"

namespace quotella::test {

// Hand-made autofill candidates by initial, served as an engine's word source.
using AutofillWords = std::map<char, std::vector<AutofillWord>>;

inline AutofillWordSource SourceOf(const AutofillWords& words) {
  return [&words](char initial) -> const std::vector<AutofillWord>& {
    static const std::vector<AutofillWord> none;
    auto it = words.find(initial);
    return it == words.end() ? none : it->second;
  };
}

// The check a fill must pass whatever engine made it: one word per slot with the slot's
// initial, no two of one stem, and the letters after the initials exactly the pool.
inline bool Verified(const AutofillProblem& p, const std::vector<std::string>& words) {
  if (words.size() != p.rowSlots.size()) return false;
  LetterCounts used{};
  std::set<std::string> stems;
  for (std::size_t s = 0; s < words.size(); ++s) {
    if (words[s].empty() || words[s][0] != p.rowSlots[s].initial) return false;
    if (!stems.insert(StemOf(words[s])).second) return false;
    for (std::size_t k = 1; k < words[s].size(); ++k)
      ++used[static_cast<std::size_t>(LetterIndex(words[s][k]))];
  }
  return used == p.pool;
}

// A clock that moves on by `step` at every reading: a time limit on it is a budget of work
// (the search reads it every few thousand candidates or nodes), the same on any machine.
inline SearchDeadline::Clock SteppingClock(std::chrono::microseconds step) {
  auto now = std::make_shared<std::atomic<std::int64_t>>(0);
  return [now, step] {
    return std::chrono::steady_clock::time_point(
        std::chrono::microseconds(now->fetch_add(step.count())));
  };
}

// Options for small hand-made problems: any length, no time limit, short rounds.
inline AutofillOptions SmallProblemOptions(int solutions = 1) {
  AutofillOptions o;
  o.minLength = 0;
  o.solutions = solutions;
  o.timeLimit = 0;
  o.improveRounds = 2;
  o.roundWork = 20000;
  return o;
}

// A problem of one slot per initial (rows 0, 1, ...) and a pool of the given letters.
inline AutofillProblem ProblemOf(const std::string& initials, const std::string& poolLetters) {
  AutofillProblem p;
  for (std::size_t k = 0; k < initials.size(); ++k)
    p.rowSlots.push_back({static_cast<int>(k), initials[k]});
  for (char c : poolLetters) ++p.pool[static_cast<std::size_t>(c - 'A')];
  return p;
}

// A complete puzzle of rows S, T, A (labels A, B, C) made from "seat tale ale" and filled
// with those words, so that its pool is empty. False when a step fails.
inline bool MakeSeatTaleAle(PuzzleDocument& doc) {
  InitPuzzleDefaults(doc);
  ResetPuzzle(doc);
  return QuotesEditorDblClick(doc, "S@TA@seat tale ale") == DblClickResult::Made &&
         LayInString(doc, "SEAT", 0) && LayInString(doc, "TALE", 1) && LayInString(doc, "ALE", 2);
}

// A random problem over a small alphabet: a handful of slots, a dozen words per initial,
// and a pool planted from one word per slot (or, now and then, one letter off).
struct RandomProblem {
  AutofillProblem problem;
  AutofillWords words;
};

inline RandomProblem MakeRandomProblem(std::mt19937& rng, bool planted) {
  RandomProblem r;
  const std::string initials = "BCDFGH";
  const int slots = 3 + static_cast<int>(rng() % 4);
  for (int s = 0; s < slots; ++s) {
    const char initial = initials[rng() % initials.size()];
    r.problem.rowSlots.push_back({s, initial});
  }
  for (char i : initials)
    for (int n = 0; n < 12; ++n) {
      std::string w(1, i);
      const int len = 2 + static_cast<int>(rng() % 5);
      for (int k = 0; k < len; ++k) w += static_cast<char>('A' + rng() % 6);
      r.words[i].push_back({w, 10 + 10 * static_cast<int>(rng() % 7), false});
    }
  for (const auto& slot : r.problem.rowSlots) {
    const auto& list = r.words[slot.initial];
    const std::string& w = list[rng() % list.size()].word;
    for (std::size_t k = 1; k < w.size(); ++k)
      ++r.problem.pool[static_cast<std::size_t>(w[k] - 'A')];
  }
  if (!planted) ++r.problem.pool[static_cast<std::size_t>(rng() % 6)];
  return r;
}

// One slot per initial from B to `last`, thirty random words each over the letters A to H
// that take an even number of letters, and a pool of one word per slot and one A more: no
// fill exists, and neither a cheap certificate nor a quick search proves it, so a search
// runs until it is stopped or its time is up.
inline RandomProblem OddPoolProblem(char last) {
  std::mt19937 rng(3);
  RandomProblem r;
  for (char i = 'B'; i <= last; ++i) {
    r.problem.rowSlots.push_back({i - 'B', i});
    for (int n = 0; n < 30; ++n) {
      std::string w(1, i);
      const int len = 2 + 2 * static_cast<int>(rng() % 2);
      for (int k = 0; k < len; ++k) w += static_cast<char>('A' + rng() % 8);
      r.words[i].push_back({w, 10, false});
    }
    const std::string& w = r.words[i][rng() % 30].word;
    for (std::size_t k = 1; k < w.size(); ++k)
      ++r.problem.pool[static_cast<std::size_t>(w[k] - 'A')];
  }
  ++r.problem.pool[0];
  return r;
}

}  // namespace quotella::test
