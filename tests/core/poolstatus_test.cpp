#include "core/poolstatus.h"

#include <gtest/gtest.h>

#include "support/fakehost.h"

namespace quotella {
namespace {

using test::FakeHost;

// A document with the default letter sets and order, `rows` answer rows of which the
// first `filled` hold more than their initial, and the pool given as letters.
struct PoolFixture {
  FakeHost host;
  PuzzleDocument doc{host};

  PoolFixture(const std::string& pool, int rows, int filled, int problemChars = 14) {
    auto& p = doc.P;
    MakeLabels(p);
    p.FreqOrder = kDefaultFreqOrder;
    p.NumProblemChars = problemChars;
    for (char c : std::string("AEIOU")) p.VowelSet.set(static_cast<unsigned char>(c));
    for (char c = 'A'; c <= 'Z'; ++c)
      if (!InSet(p.VowelSet, c)) p.ConsonantSet.set(static_cast<unsigned char>(c));
    for (char c : std::string("BFHJKQVWXYZ")) p.ProblemSet.set(static_cast<unsigned char>(c));
    ResetPoolGrids(doc);
    for (char c : pool) ++p.PoolOf(c);
    p.NumWords = rows;
    for (int r = 0; r < rows; ++r) {
      doc.KeyWords.At(0, r) = doc.Label(r);
      doc.KeyWords.At(1, r) = "S";
      if (r < filled) doc.KeyWords.At(2, r) = "O";
    }
  }
};

TEST(PoolStatus, HintFollowsVowelShareAndProblemLetters) {
  struct Case {
    const char* pool;
    int rows, filled, problemChars;
    const char* hint;
  };
  const Case cases[] = {
      {"", 3, 0, 14, "Puzzle is complete!"},
      // 3 vowels in 10: consonants, as long as the primary problem letters are few enough
      {"AEITTTTRRS", 3, 0, 14, " Use up consonants!"},
      {"AEITTTTRRZ", 3, 2, 14, " Use up consonants!"},  // 1 empty row, 1 primary letter
      {"AEITTTTRZZ", 3, 2, 14, " Use up problem chars! (2) "},
      // exactly 0.35 (7 of 20) and exactly 0.5 are neither consonant nor vowel hints
      {"AAAAAAATTTTTTTTTTTTT", 5, 0, 14, " Use up problem chars! (0) "},
      {"AAAAATTTTT", 5, 0, 14, " Use up problem chars! (0) "},
      {"AAAAAATTTT", 5, 0, 14, " Use up vowels!"},
      // F is a secondary problem letter: not counted among the primary ones
      {"AEITTTTRFF", 3, 2, 14, " Use up consonants!"},
      // with 11 problem letters or fewer nothing is primary
      {"AEITTTTRZZ", 3, 2, 11, " Use up consonants!"},
  };
  for (const auto& c : cases) {
    PoolFixture f(c.pool, c.rows, c.filled, c.problemChars);
    EXPECT_EQ(GiveHint(f.doc), c.hint) << c.pool;
    EXPECT_EQ(f.host.StatusText(StatusBar::Main, 2), c.hint);
  }
  PoolFixture given("AE", 1, 0);
  EXPECT_EQ(GiveHint(given.doc, "Scanning..."), "Scanning...");
}

TEST(PoolStatus, StatusPanelsShowTotalsSelectionAndProblemLetters) {
  PoolFixture f("EEETBZZQ", 4, 2);
  f.doc.view().CurCol = 2;
  f.doc.view().CurRow = 1;
  UpdateCharStatus(f.doc);
  const auto text = [&](StatusBar bar, int panel) { return f.host.StatusText(bar, panel); };
  EXPECT_EQ(text(StatusBar::CharStatus2, 0), "Avg wrd len 4");
  EXPECT_EQ(text(StatusBar::CharStatus2, 1), "Pool 8");
  EXPECT_EQ(text(StatusBar::CharStatus2, 2), "Cons 5");
  EXPECT_EQ(text(StatusBar::CharStatus2, 3), "Vowels 3");
  EXPECT_EQ(text(StatusBar::CharStatus2, 4), "37.5% Vowels  ");
  EXPECT_EQ(text(StatusBar::CharStatus1, 0), "none");
  EXPECT_EQ(text(StatusBar::CharStatus1, 1), "Char O");
  EXPECT_EQ(text(StatusBar::CharStatus1, 2), "Row B");
  EXPECT_EQ(text(StatusBar::CharStatus1, 3), "2 Empty  Use up: EZ");
  EXPECT_EQ(text(StatusBar::Main, 3), "Problem Chars: BQZZ * ");
  EXPECT_DOUBLE_EQ(f.doc.P.VowelPercent, 37.5);
  EXPECT_EQ(f.doc.PrimaryProblemStr, "BQZZ");

  StatusBar1DblClick(f.doc);
  EXPECT_EQ(text(StatusBar::Main, 3), "Chars: BEEEQTZZ");
  EXPECT_EQ(f.doc.P.PoolLetters, "BEEEQTZZ");
}

TEST(PoolStatus, EmptyWordsPanelAndAverages) {
  struct Case {
    const char* pool;
    int rows, filled;
    const char* emptyPanel;
    const char* average;
    const char* share;
  };
  const Case cases[] = {
      {"EEET", 3, 1, "2 Empty  Use up: E", "Avg wrd len 2", "75% Vowels  "},
      {"EET", 3, 0, "3 Empty ", "Avg wrd len 1", "66.7% Vowels  "},
      {"", 2, 2, "0 Empty ", "Avg wrd len 0", "0% Vowels  "},
      {"ETTTTTTTTTT", 3, 0, "3 Empty  Use up: T", "Avg wrd len 3.7", "9.09% Vowels  "},
  };
  for (const auto& c : cases) {
    PoolFixture f(c.pool, c.rows, c.filled);
    UpdateCharStatus(f.doc);
    EXPECT_EQ(f.host.StatusText(StatusBar::CharStatus1, 3), c.emptyPanel) << c.pool;
    EXPECT_EQ(f.host.StatusText(StatusBar::CharStatus2, 0), c.average) << c.pool;
    EXPECT_EQ(f.host.StatusText(StatusBar::CharStatus2, 4), c.share) << c.pool;
  }
}

TEST(PoolStatus, ProblemLettersSplitIntoPrimaryAndSecondary) {
  PoolFixture f("", 1, 0);
  // ReverseFreqOrder: ZQJXKVBWPYG are primary, then F M C with 14 problem letters.
  EXPECT_EQ(FirstEleven(f.doc.P, "BFFMzC"), "Bz");
  EXPECT_EQ(StripEleven(f.doc.P, "BFFMZC"), "FFMC");
  for (int n : {0, 5, 11}) {
    f.doc.P.NumProblemChars = n;
    EXPECT_EQ(FirstEleven(f.doc.P, "BFZQ"), "") << n;
  }
  f.doc.P.NumProblemChars = 40;  // beyond the alphabet: every secondary letter goes
  EXPECT_EQ(FirstEleven(f.doc.P, "BFZUE"), "BZ");
}

TEST(PoolStatus, PoolGridsFollowThePool) {
  PoolFixture f("EETTAAB", 1, 0);
  for (int row = 1; row <= 26; ++row)  // the ranks CountLetters writes
    f.doc.CharPoolGrid[static_cast<std::size_t>(row)][2] =
        std::to_string(std::string(kDefaultFreqOrder).find(static_cast<char>('A' + row - 1)) + 1);
  RefreshPoolViews(f.doc);
  EXPECT_EQ(f.doc.CharPoolGrid[5][1], "2");  // E
  EXPECT_EQ(f.doc.RankGrid[0], (std::array<std::string, 3>{"Char", "Pool", "Rank"}));
  EXPECT_EQ(f.doc.RankGrid[1], (std::array<std::string, 3>{"Z", "0", "26"}));
  EXPECT_EQ(f.doc.RankGrid[24], (std::array<std::string, 3>{"A", "2", "3"}));
  // Largest counts first; equal counts in reverse alphabetical order.
  const std::array<std::array<std::string, 3>, 5> top = {
      {{"T", "2", "2"}, {"E", "2", "1"}, {"A", "2", "3"}, {"B", "1", "20"}, {"Z", "0", "26"}}};
  for (std::size_t i = 0; i < top.size(); ++i) EXPECT_EQ(f.doc.PoolNumSortGrid[i + 1], top[i]);
  EXPECT_EQ(f.doc.PoolNumSortGrid[26], (std::array<std::string, 3>{"C", "0", "13"}));
}

TEST(PoolStatus, PoolGridClicksEditMustHaveAndLockLetters) {
  PoolFixture f("EET", 1, 0);
  SetPoolView(f.doc, 1);  // rank order: row 1 is Z
  PoolGridDblClick(f.doc, 1, 1);
  SetPoolView(f.doc, 0);
  PoolGridDblClick(f.doc, 1, 5);
  PoolGridDblClick(f.doc, 1, 26);
  PoolGridDblClick(f.doc, 2, 26);               // the first Z goes
  EXPECT_FALSE(PoolGridDblClick(f.doc, 2, 1));  // no A to remove
  EXPECT_FALSE(PoolGridDblClick(f.doc, 1, 0));  // header row
  EXPECT_EQ(f.doc.Conditions.mustHave, "EZ");

  LockPopupClick(f.doc, 17);
  EXPECT_TRUE(f.doc.LetterLocked[16]);  // Q
  EXPECT_EQ(LockPopupCaption(f.doc, 17), "Free Character");
}

}  // namespace
}  // namespace quotella
