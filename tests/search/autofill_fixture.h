#pragma once

#include <map>
#include <random>
#include <string>
#include <vector>

#include "search/autofill.h"

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

}  // namespace quotella::test
