#include <gtest/gtest.h>

#include "autofill_fixture.h"
#include "search/autofill.h"

namespace quotella {
namespace {

// Pool X X Y Y for rows A and B: A takes XX or YY, B takes XY, so no fill uses the pool up,
// yet every letter has room and the lengths add up: nothing short of a search shows it.
AutofillResult SearchWithRoundBudget(int rounds, std::uint64_t seed) {
  static const test::AutofillWords words = {
      {'A', {{"AXX", 10, false}, {"AYY", 10, false}}},
      {'B', {{"BXY", 10, false}}},
  };
  AutofillOptions o = test::SmallProblemOptions();
  o.timeLimit = 60;  // only against a hang: the rounds end it
  o.exact = false;
  o.weighing = false;
  o.roundWork = 2000;
  o.searchRounds = rounds;
  o.seed = seed;
  return RunAutofill(test::ProblemOf("AB", "XXYY"), test::SourceOf(words), o);
}

TEST(AutofillRoundBudget, GivesUpAfterItsRoundsWithoutClaimingThereIsNoFill) {
  const AutofillResult three = SearchWithRoundBudget(3, 1);
  EXPECT_EQ(three.end, AutofillEnd::TimeLimit);
  EXPECT_TRUE(three.fills.empty());
  EXPECT_EQ(three.progress.searchRounds, 3);
  EXPECT_LT(three.progress.elapsed, 30.0);

  const AutofillResult seven = SearchWithRoundBudget(7, 1);
  EXPECT_EQ(seven.progress.searchRounds, 7);
  EXPECT_GT(seven.progress.nodes, three.progress.nodes);
  // The same budget and seed weigh the same candidates.
  EXPECT_EQ(SearchWithRoundBudget(7, 1).progress.nodes, seven.progress.nodes);
}

TEST(AutofillRoundBudget, AFillFoundWithinTheBudgetCountsTheRoundsItTook) {
  const test::AutofillWords words = {{'A', {{"AXX", 10, false}}}, {'B', {{"BYY", 10, false}}}};
  AutofillOptions o = test::SmallProblemOptions();
  o.exact = false;
  o.searchRounds = 5;
  const AutofillResult r = RunAutofill(test::ProblemOf("AB", "XXYY"), test::SourceOf(words), o);
  EXPECT_EQ(r.end, AutofillEnd::Filled);
  EXPECT_LE(r.progress.searchRounds, 1);
}

}  // namespace
}  // namespace quotella
