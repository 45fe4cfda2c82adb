#include "core/fittest.h"

#include <gtest/gtest.h>

namespace quotella {
namespace {

LetterCounts PoolOf(const std::string& letters) {
  LetterCounts pool{};
  for (char c : letters) ++pool[static_cast<std::size_t>(LetterIndex(c))];
  return pool;
}

struct FitCase {
  const char* word;
  char initial;
  const char* pool;
  const char* locked;
  ScanConditions conditions;
  bool fits;
};

TEST(WordFits, FollowsTheInitialPoolLockAndConditionRules) {
  const ScanConditions off{};
  const ScanConditions offButFilled{false, "ZZ", 9, 2};
  const ScanConditions mustEE{true, "EE", 0, 0};
  const ScanConditions mustS{true, "s", 0, 0};
  const ScanConditions exactlyFive{true, "", 5, 5};
  const ScanConditions mustWithBrace{true, "E{", 0, 0};
  const FitCase cases[] = {
      {"SEE", 'S', "EE", "", off, true},     // the initial is not drawn from the pool
      {"SEE", 'S', "E", "", off, false},     // one more E than the pool holds
      {"TREE", 'S', "REE", "", off, false},  // another initial never fits
      {"SEE", 's', "EE", "", off, true},     // initials compare in upper case
      {"SEE", 'S', "EE", "E", off, false},   // a locked letter anywhere
      {"SEE", 'S', "EE", "S", off, false},   // ... the initial included
      {"", 'S', "EE", "", off, false},
      {"S{E", 'S', "EE", "", off, false},  // braces survive the filters but never fit
      {"SEE", 'S', "EE", "", offButFilled, true},
      {"SEE", 'S', "EE", "", mustEE, true},
      {"SET", 'S', "ET", "", mustEE, false},
      {"SET", 'S', "ET", "", mustS, false},  // the initial does not satisfy a must-have
      {"SEVEN", 'S', "EVEN", "", exactlyFive, true},
      {"SEVENS", 'S', "EVENS", "", exactlyFive, false},
      {"SEVE", 'S', "EVE", "", exactlyFive, false},
      {"SEE", 'S', "EE", "", mustWithBrace, true},  // stray must-have characters are ignored
  };
  for (const auto& c : cases) {
    std::array<bool, 26> locked{};
    for (const char* l = c.locked; *l; ++l)
      locked[static_cast<std::size_t>(LetterIndex(*l))] = true;
    EXPECT_EQ(WordFitsPool(c.word, c.initial, PoolOf(c.pool), locked, &c.conditions), c.fits)
        << c.word << " in row " << c.initial << " with pool " << c.pool;
  }
}

}  // namespace
}  // namespace quotella
