// Where a word of the constructor's scored lists ranks among a row's candidates and what it
// costs a fill, in every engine.
#include <gtest/gtest.h>

#include "autofill_fixture.h"
#include "search/autofill.h"
#include "search/exactfill.h"
#include "search/fillcandidates.h"
#include "search/fillquality.h"

namespace quotella {
namespace {

using Words = test::AutofillWords;
using test::ProblemOf;
using test::SourceOf;

// Scores 0-100 against every dictionary size from the commonest SCOWL size up, and
// unsized, known to WordNet or not, at several familiarity limits.
TEST(WordStanding, AScoredWordRanksWithListWordsTheHigherScoreFirstAndBeforeEveryDictionaryWord) {
  for (int familiarSize : {20, 50, 70}) {
    const double mostFamiliar = WordPenalty(10, false, familiarSize, true);
    for (int score = 0; score <= 100; ++score) {
      for (bool known : {true, false}) {
        const double cost = WordPenalty(60, false, familiarSize, known, score);
        ASSERT_EQ(WordStanding(60, false, familiarSize, known, score), 0) << score;
        // A scored word costs the same whatever its size and knownness.
        ASSERT_EQ(cost, WordPenalty(0, false, familiarSize, !known, score)) << score;
        // Never below a plain list word, which a score does not change.
        ASSERT_GE(cost, WordPenalty(60, true, familiarSize, known));
        ASSERT_EQ(WordPenalty(60, true, familiarSize, known, score), 0.0);
        // The higher score costs less.
        if (score > 0) {
          ASSERT_LT(cost, WordPenalty(60, false, familiarSize, known, score - 1));
        }
        // Even a word at the lowest minimum costs no more than a familiar word.
        ASSERT_LE(cost, mostFamiliar) << score;
        for (int size = 10; size <= 100; ++size) {
          const int dictSize = size == 100 ? 0 : size;  // 0: unsized
          for (bool dictKnown : {true, false}) {
            ASSERT_LT(cost, WordPenalty(dictSize, false, familiarSize, dictKnown))
                << score << " " << dictSize;
            ASSERT_LT(0, WordStanding(dictSize, false, familiarSize, dictKnown));
          }
        }
      }
    }
    // A constructor's 90 beats the dictionary's commonest word by far.
    EXPECT_LT(WordPenalty(0, false, familiarSize, true, 90), mostFamiliar / 5);
  }
}

// Pool A E I T over rows S and T: SIT+TAE or SAT+TIE. SIT (95) and SAT (60) are scored,
// rare and unknown to WordNet or common; TAE is scored 60, TIE the commonest word unscored.
TEST(Autofill, EveryEngineTakesScoredWordsBeforeTheDictionarysTheHigherScoreFirst) {
  const AutofillProblem p = ProblemOf("ST", "AEIT");
  const Words words{{'S', {{"SAT", 10, false, true, 60}, {"SIT", 70, false, false, 95}}},
                    {'T', {{"TIE", 10}, {"TAE", 70, false, false, 60}}}};
  const FillCandidates cands(p, SourceOf(words), test::SmallProblemOptions());
  EXPECT_EQ(cands.Table(0).words, (std::vector<std::string>{"SIT", "SAT"}));
  EXPECT_EQ(cands.Table(1).words, (std::vector<std::string>{"TAE", "TIE"}));
  const std::vector<std::string> scored{"SIT", "TAE"};
  EXPECT_EQ(RunExactFill(p, SourceOf(words), test::SmallProblemOptions(5)).fills.at(0).words,
            scored);
  const AutofillResult fill = RunAutofill(p, SourceOf(words), test::SmallProblemOptions(5));
  ASSERT_EQ(fill.end, AutofillEnd::Filled);
  EXPECT_EQ(fill.fills[0].words, scored);
  EXPECT_EQ(fill.fills[0].scored, 2);
  EXPECT_EQ(fill.fills[0].MeanScore(), 77.5);
  EXPECT_EQ(fill.fills[0].familiar, 2);  // the constructor's words count as familiar
}

}  // namespace
}  // namespace quotella
