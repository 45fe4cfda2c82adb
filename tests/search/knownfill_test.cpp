// Filling from the words WordNet knows when the fill found holds others that no trade of a
// few rows removes.
#include <gtest/gtest.h>

#include "autofill_fixture.h"
#include "realfill_fixture.h"
#include "search/autofill.h"
#include "search/autofillsource.h"
#include "search/knownfill.h"

namespace quotella {
namespace {

using test::ProblemOf;
using test::SourceOf;
using test::Verified;
using Words = test::AutofillWords;

// Rows B, C, D, F over the letters P-W. Two fills exist: BPQ CRS DTU FVW, where BPQ is a
// word WordNet does not know, and BQR CST DUV FWP, which takes a new word in every row, so
// that no trade of two or three rows leads from one to the other. FWP is unknown too, but
// comes from the user's word list.
Words CycleWords(bool withKnownB = true) {
  Words words{{'B', {{"BPQ", 10, false, false}}},
              {'C', {{"CRS", 10, false, true}, {"CST", 10, false, true}}},
              {'D', {{"DTU", 10, false, true}, {"DUV", 10, false, true}}},
              {'F', {{"FVW", 10, false, true}, {"FWP", 10, true, false}}}};
  if (withKnownB) words['B'].push_back({"BQR", 10, false, true});
  return words;
}

const std::vector<std::string> kKnownFill{"BQR", "CST", "DUV", "FWP"};
const std::vector<std::string> kUnknownFill{"BPQ", "CRS", "DTU", "FVW"};

// Autofill from whatever first fill a seed leads to, with no improvement rounds to find
// the other fill another way.
AutofillOptions FirstFillOnly(std::uint64_t seed) {
  AutofillOptions o = test::SmallProblemOptions();
  o.exact = false;
  o.improveRounds = 0;
  o.seed = seed;
  return o;
}

TEST(KnownFill, AutofillEndsOnTheFillOfKnownAndListWordsWhenOneExists) {
  const Words words = CycleWords();
  const AutofillProblem p = ProblemOf("BCDF", "PQRSTUVW");
  const AutofillOptions options = FirstFillOnly(1);
  EXPECT_EQ(KnownFill(p, SourceOf(words), options).Find(100'000), kKnownFill);
  for (std::uint64_t seed = 1; seed <= 12; ++seed) {
    const AutofillResult r = RunAutofill(p, SourceOf(words), FirstFillOnly(seed));
    ASSERT_EQ(r.end, AutofillEnd::Filled) << "seed " << seed;
    EXPECT_EQ(r.fills.front().words, kKnownFill) << "seed " << seed;
  }
}

TEST(KnownFill, AutofillKeepsItsFillWhenTheKnownWordsCannotFillThePuzzle) {
  const Words words = CycleWords(false);
  const AutofillProblem p = ProblemOf("BCDF", "PQRSTUVW");
  EXPECT_FALSE(KnownFill(p, SourceOf(words), FirstFillOnly(1)).Find(100'000));
  for (std::uint64_t seed = 1; seed <= 4; ++seed) {
    const AutofillResult r = RunAutofill(p, SourceOf(words), FirstFillOnly(seed));
    ASSERT_EQ(r.end, AutofillEnd::Filled) << "seed " << seed;
    EXPECT_EQ(r.fills.front().words, kUnknownFill) << "seed " << seed;
  }
}

// A long real puzzle (18 rows) with the bundled dictionary and WordNet's marks.
class KnownRealFill : public test::RealFillTest {
 protected:
  void SetUp() override {
    MakeFrom(
        "Coleridge@Kubla Khan@In Xanadu did Kubla Khan A stately "
        "pleasure-dome decree: Where Alph, the sacred river, ran "
        "Through caverns measureless to man Down to a sunless sea. So "
        "twice five miles of fertile ground With walls and towers "
        "were girdled round; And there were gardens bright with "
        "sinuous rills.");
  }

  void ExpectKnownSoundFill(const std::vector<std::string>& words) const {
    ExpectSoundFill(words);
    for (const auto& w : words) EXPECT_TRUE(m_dict.Known().Knows(w)) << w;
  }
};

TEST_F(KnownRealFill, FindsASoundFillOfKnownWordsAndAHaltEndsTheSearchAtOnce) {
  int asked = 0;
  const KnownFill unhalted(m_problem, m_dict.Source(), m_options, [&asked] {
    ++asked;
    return false;
  });
  const auto words = unhalted.Find(200'000'000);
  ASSERT_TRUE(words);
  ExpectKnownSoundFill(*words);
  // The search asks far more often than three times on the way to a fill.
  ASSERT_GT(asked, 30);

  int halted = 0;
  const KnownFill stopped(m_problem, m_dict.Source(), m_options,
                          [&halted] { return ++halted >= 3; });
  EXPECT_FALSE(stopped.Find(200'000'000));
  EXPECT_EQ(halted, 3);
}

}  // namespace
}  // namespace quotella
