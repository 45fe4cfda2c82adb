#include "search/sorts.h"

#include <gtest/gtest.h>

#include "search_fixture.h"

namespace quotella {
namespace {

using test::FakeHost;
using test::TempDir;
using Lines = std::vector<std::string>;

Tpuzzle DefaultLetters() {
  FakeHost host;
  PuzzleDocument doc(host);
  test::SetUpPuzzle(doc, "", "");
  return doc.P;
}

TEST(ProblemLetters, CountsAndRarityScoresFollowTheFrequencyOrder) {
  const Tpuzzle p = DefaultLetters();
  struct Case {
    const char* letters;
    int score;
  };
  for (const Case& c : {Case{"Z", 78}, Case{"X", 69}, Case{"C", 26}, Case{"M", 14}, Case{"E", 1},
                        Case{"G", 48}, Case{"z", 78}, Case{"ZE-", 79}, Case{"", 0}})
    EXPECT_EQ(RarityScore(p.FreqOrder, c.letters), c.score) << c.letters;

  EXPECT_EQ(NumProblemChars(p, "hyphen"), 3);         // H, Y and H are problem letters
  EXPECT_EQ(NumPrimaryProblemChars(p, "hyphen"), 2);  // Y, P
  EXPECT_EQ(NumPrimaryProblemChars(p, "QUIZ"), 2);
}

TEST(CandidateSorts, ProblemSortsPutTheMostFirstAndTiesInReverseAlphabeticalOrder) {
  const Tpuzzle p = DefaultLetters();
  Lines list{"BOX", "BUZZ", "BAT", "BEE", "BQZX", "BHH"};
  SortbyProblemChars(p, list, true);
  EXPECT_EQ(list, (Lines{"BQZX", "BUZZ", "BHH", "BOX", "BEE", "BAT"}));
  SortbyProblemChars(p, list, false);  // H is no primary problem letter
  EXPECT_EQ(list, (Lines{"BQZX", "BUZZ", "BOX", "BHH", "BEE", "BAT"}));

  // The score covers the five letters after the initial only.
  list = {"STRANGE", "STRANGER", "SZ", "SAX"};
  SortByRarity(p, list);
  EXPECT_EQ(list, (Lines{"SZ", "STRANGER", "STRANGE", "SAX"}));

  list.clear();
  SortbyProblemChars(p, list, true);
  SortByRarity(p, list);
  EXPECT_TRUE(list.empty());
}

TEST(CandidateSorts, LengthSortIsStableAndDropsEmptyLines) {
  Lines list{"ABCD", "AB", "", "XY", "ABC", "WXYZ"};
  SortByLength(list);
  EXPECT_EQ(list, (Lines{"ABCD", "WXYZ", "ABC", "AB", "XY"}));
}

TEST(CandidateSorts, VowelPercentSortsItsKeysAsText) {
  // Keys 100.00, 33.30, 5.56, 50.00: text order puts 100.00 first and 5.56 before 50.00.
  Lines list{"AB", "BCDFGHJKLMNPQRSTVA", "AXX", "A"};
  SortByVowelPercent(list);
  EXPECT_EQ(list, (Lines{"A", "AXX", "BCDFGHJKLMNPQRSTVA", "AB"}));
}

TEST(CandidateSorts, CommandsPlayTheirSoundsAndSetTheProblemFlag) {
  FakeHost host;
  PuzzleDocument doc(host);
  test::SetUpPuzzle(doc, "B", "");
  WordSources src;
  src.Candidates = {"BOX", "BHH"};
  SortCandidates(doc, src, CandidateSort::Length);
  SortCandidates(doc, src, CandidateSort::VowelPercent);
  EXPECT_EQ(host.SoundNames(), (Lines{"ding", "ding", "ding"}));
  SortCandidates(doc, src, CandidateSort::AllProblems);
  EXPECT_TRUE(doc.P.AllProblemChars);
  EXPECT_EQ(src.Candidates, (Lines{"BHH", "BOX"}));
  SortCandidates(doc, src, CandidateSort::PrimaryProblems);
  EXPECT_FALSE(doc.P.AllProblemChars);
  EXPECT_EQ(src.Candidates, (Lines{"BOX", "BHH"}));
}

// Rows T (empty), B (empty), T (empty), S (filled); pool A E O X Z R K Q U.
class ProblemSearchTest : public ::testing::Test {
 protected:
  ProblemSearchTest() : doc(host) {
    test::SetUpPuzzle(doc, "TBTS", "AEOXZRKQU");
    test::PutWord(doc, 3, "SO");
    src.ProgramDir = tmp.Dir();
    tmp.Write("t.txt", "tax\r\ntzar\r\ntoe\r\ntoque\r\ntaxa\r\n");
    tmp.Write("b.txt", "box\r\nbake\r\nbar\r\nbore\r\nbee\r\n");
    tmp.Write("s.txt", "sax\r\n");
  }
  Lines Run(int minProblems, int perLetter) {
    FindWordsUsingMostProblemChars(doc, src, {minProblems, perLetter});
    return src.Candidates;
  }
  FakeHost host;
  PuzzleDocument doc;
  TempDir tmp;
  WordSources src;
};

TEST_F(ProblemSearchTest, TakesTheBestWordsOfEachUnfinishedInitial) {
  EXPECT_EQ(Run(1, 18), (Lines{"TZAR", "TOQUE", "TAX", "BOX", "BAKE", "BORE", "BAR"}));
  EXPECT_EQ(src.Pane, ListPane::Candidates);
  EXPECT_EQ(Run(1, 2), (Lines{"TZAR", "TOQUE", "BOX", "BAKE"}));
  // The initial counts: every B word holds one problem letter already.
  EXPECT_EQ(Run(2, 18), (Lines{"BOX", "BAKE"}));
  EXPECT_EQ(Run(5, 18), (Lines{"No words found for this search"}));
}

TEST_F(ProblemSearchTest, AppliesTheConditionsWhateverTheSwitch) {
  doc.Conditions = {false, "X", 0, 0};
  EXPECT_EQ(Run(1, 18), (Lines{"TAX", "BOX"}));
  EXPECT_FALSE(doc.Conditions.on);
}

TEST_F(ProblemSearchTest, AMissingLetterFileIsReportedAndContributesNothing) {
  std::filesystem::remove(tmp.Path("b.txt"));
  EXPECT_EQ(Run(1, 18), (Lines{"TZAR", "TOQUE", "TAX"}));
  EXPECT_EQ(host.messages, (Lines{"File does not exist: " + tmp.Dir() + "B.txt"}));
}

}  // namespace
}  // namespace quotella
