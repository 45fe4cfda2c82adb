// Trading the costliest answers of a fill for cheaper words with the same letters.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "autofill_fixture.h"
#include "core/construction.h"
#include "core/document.h"
#include "realfill_fixture.h"
#include "search/autofill.h"
#include "search/autofillsource.h"
#include "search/fillcandidates.h"
#include "search/fillrepair.h"
#include "search/localfill.h"
#include "search/wordsource.h"
#include "support/fakehost.h"

namespace quotella {
namespace {

using test::ProblemOf;
using test::SourceOf;
using test::Verified;
using Words = test::AutofillWords;

constexpr std::uint64_t kWork = 2'000'000;  // candidates weighed for one answer

// Rows B, C, D filled BAX COT DEN, where BAX is a word WordNet does not know. No two rows
// can trade their letters for other words; all three can: BOT CAN DEX.
Words RotationWords() {
  return {{'B', {{"BAX", 10, false, false}, {"BOT", 10, false, true}}},
          {'C', {{"COT", 10, false, true}, {"CAN", 10, false, true}, {"CANS", 10, false, true}}},
          {'D', {{"DEN", 10, false, true}, {"DEX", 10, false, true}}}};
}

std::vector<std::uint32_t> IndicesOf(const FillCandidates& cands,
                                     const std::vector<std::string>& words) {
  std::vector<std::uint32_t> choice;
  for (std::size_t s = 0; s < words.size(); ++s)
    choice.push_back(cands.Table(s).index.at(words[s]));
  return choice;
}

std::vector<std::string> WordsOf(const FillCandidates& cands,
                                 const std::vector<std::uint32_t>& choice) {
  std::vector<std::string> words;
  for (std::size_t s = 0; s < choice.size(); ++s) words.push_back(cands.Table(s).words[choice[s]]);
  return words;
}

// The words of `start` after a repair over the problem's candidates.
std::vector<std::string> Repaired(const AutofillProblem& p, const Words& words,
                                  const AutofillOptions& options,
                                  const std::vector<std::string>& start) {
  const FillCandidates cands(p, SourceOf(words), options);
  std::vector<std::uint32_t> choice = IndicesOf(cands, start);
  FillRepair(cands, kWork, kWork).Repair(choice);
  return WordsOf(cands, choice);
}

TEST(FillRepair, TradesAnUnknownWordAwayWhenOnlyThreeRowsTogetherCan) {
  const Words words = RotationWords();
  const AutofillProblem p = ProblemOf("BCD", "AXOTEN");
  const std::vector<std::string> known{"BOT", "CAN", "DEX"};
  EXPECT_EQ(Repaired(p, words, test::SmallProblemOptions(), {"BAX", "COT", "DEN"}), known);

  // Autofill repairs whatever first fill a seed leads the local search to, with no
  // improvement rounds to find the better fill another way.
  AutofillOptions o = test::SmallProblemOptions();
  o.exact = false;
  o.improveRounds = 0;
  for (std::uint64_t seed = 1; seed <= 12; ++seed) {
    o.seed = seed;
    const AutofillResult r = RunAutofill(p, SourceOf(words), o);
    ASSERT_EQ(r.end, AutofillEnd::Filled) << "seed " << seed;
    EXPECT_EQ(r.fills.front().words, known) << "seed " << seed;
  }
}

TEST(FillRepair, NeverBringsInAnExcludedWordOrASecondWordOfOneStem) {
  const Words words = RotationWords();
  const std::vector<std::string> start{"BAX", "COT", "DEN"};
  AutofillOptions o = test::SmallProblemOptions();
  o.exclude = {"CAN"};
  EXPECT_EQ(Repaired(ProblemOf("BCD", "AXOTEN"), words, o, start), start);
  o.exclude.clear();
  o.excludeStems = {StemOf("CANNING")};
  EXPECT_EQ(Repaired(ProblemOf("BCD", "AXOTEN"), words, o, start), start);

  // A fourth row holds CANS: CAN would be a second word of its stem.
  Words four = words;
  four['C'].push_back({"CUP", 10, false, true});
  const std::vector<std::string> withCans{"BAX", "COT", "DEN", "CANS"};
  EXPECT_EQ(Repaired(ProblemOf("BCDC", "AXOTENANS"), four, test::SmallProblemOptions(), withCans),
            withCans);
  // With CUP there instead, nothing stands in the way.
  const std::vector<std::string> traded{"BOT", "CAN", "DEX", "CUP"};
  EXPECT_EQ(Repaired(ProblemOf("BCDC", "AXOTENUP"), four, test::SmallProblemOptions(),
                     {"BAX", "COT", "DEN", "CUP"}),
            traded);
}

// A real puzzle with the bundled dictionary: the local search's first fill, repaired.
class RepairedRealFill : public test::RealFillTest {
 protected:
  void SetUp() override {
    MakeFrom(
        "George Eliot@Silas Marner@In old days there were angels who came and took men by the "
        "hand and led them away from the city of destruction. We see no white-winged angels now. "
        "But yet men are led away from threatening destruction: a hand is put into theirs, which "
        "leads them forth gently towards a calm and bright land.");
    if (IsSkipped() || HasFatalFailure()) return;
    m_cands.emplace(m_problem, m_dict.Source(), m_options);
    // The first fill of the first seed whose fill holds words WordNet does not know.
    for (std::uint64_t seed = 1; seed <= 40 && Unknown(m_first) < 2; ++seed) {
      LocalFillChain chain(*m_cands, seed, 1);
      for (int round = 0; round < 20 && !chain.Search(1'000'000); ++round) {
      }
      if (chain.IsFill()) m_first = chain.Choice();
    }
    ASSERT_GE(Unknown(m_first), 2);
  }

  int Unknown(const std::vector<std::uint32_t>& choice) const {
    int n = 0;
    for (std::size_t s = 0; s < choice.size(); ++s)
      n += m_dict.Known().Knows(m_cands->Table(s).words[choice[s]]) ? 0 : 1;
    return n;
  }

  void ExpectSoundFill(const std::vector<std::uint32_t>& choice) const {
    RealFillTest::ExpectSoundFill(WordsOf(*m_cands, choice));
  }

  std::optional<FillCandidates> m_cands;
  std::vector<std::uint32_t> m_first;
};

TEST_F(RepairedRealFill, KeepsThePoolAndTheAvoidListsAndCostsNoMore) {
  std::vector<std::uint32_t> choice = m_first;
  EXPECT_TRUE(FillRepair(*m_cands, kWork, 4 * kWork).Repair(choice));
  ExpectSoundFill(choice);
  EXPECT_LE(m_cands->Penalty(choice), m_cands->Penalty(m_first));
  // Some answer WordNet does not know is traded for words it knows.
  EXPECT_LT(Unknown(choice), Unknown(m_first));
}

TEST_F(RepairedRealFill, AHaltEndsTheRepairAtOnceWithASoundFill) {
  std::vector<std::uint32_t> whole = m_first;
  FillRepair unhalted(*m_cands, kWork, 4 * kWork);
  unhalted.Repair(whole);
  // Between two questions: every few thousand candidates, or the words of three rows.
  std::size_t most = 0;
  for (std::size_t s = 0; s < m_cands->Slots(); ++s)
    most = std::max(most, m_cands->Table(s).Size());
  const std::uint64_t apart = 4096 + 3 * most;
  ASSERT_GT(unhalted.Work(), 3 * apart);
  int asked = 0;
  std::vector<std::uint32_t> choice = m_first;
  FillRepair repair(*m_cands, kWork, 4 * kWork);
  repair.SetHalt([&asked] { return ++asked >= 3; });
  repair.Repair(choice);
  EXPECT_EQ(asked, 3);
  ExpectSoundFill(choice);
  EXPECT_LE(m_cands->Penalty(choice), m_cands->Penalty(m_first));
  EXPECT_LE(repair.Work(), 3 * apart);
}

}  // namespace
}  // namespace quotella
