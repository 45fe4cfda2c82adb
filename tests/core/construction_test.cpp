#include "core/construction.h"

#include <gtest/gtest.h>

#include "core/answertable.h"
#include "core/quoteparse.h"
#include "support/fakehost.h"

namespace quotella {
namespace {

class Construction : public ::testing::Test {
 protected:
  test::FakeHost host;
  PuzzleDocument doc{host};
  void SetUp() override { ResetPuzzle(doc); }
  const TMasterCellRec& Cell(int i) const { return doc.P.Cells[static_cast<std::size_t>(i)]; }
  int Pool(char l) const { return doc.P.PoolOf(l); }
};

TEST_F(Construction, ToBeMakesTwoWordsWithInitialsMapped) {
  EXPECT_EQ(QuotesEditorDblClick(doc, "T@B@TO BE"), DblClickResult::Made);
  const Tpuzzle& p = doc.P;
  EXPECT_EQ(p.QuotellaStr, "TB");
  EXPECT_EQ(p.NumWords, 2);
  EXPECT_EQ(p.NumCells, 5);
  const char chars[] = "TO BE";
  const int numbers[] = {1, 2, 0, 3, 4};
  for (int i = 1; i <= 5; ++i) {
    EXPECT_EQ(Cell(i).Char, chars[i - 1]);
    EXPECT_EQ(Cell(i).CellNumber, numbers[i - 1]);
    EXPECT_EQ(Cell(i).Special, i == 3);
  }
  EXPECT_EQ(doc.KeyWords.At(0, 0), "A");
  EXPECT_EQ(doc.KeyWords.At(1, 0), "T");
  EXPECT_EQ(doc.KeyWords.At(0, 1), "B");
  EXPECT_EQ(doc.KeyWords.At(1, 1), "B");
  EXPECT_EQ(doc.NumberGrid.At(1, 0), "1");
  EXPECT_EQ(doc.NumberGrid.At(1, 1), "4");
  EXPECT_TRUE(Cell(1).Mapped);
  EXPECT_EQ(Cell(4).CellLabel, "B");
  EXPECT_EQ(Cell(4).KeywordCol, 1);
  EXPECT_EQ(Cell(4).KeywordRow, 1);
  for (char l = 'A'; l <= 'Z'; ++l) EXPECT_EQ(Pool(l), (l == 'O' || l == 'E') ? 1 : 0) << l;
  EXPECT_TRUE(doc.PuzzleExists);
  EXPECT_FALSE(doc.PuzzleChanged);
  EXPECT_EQ(doc.ClueLines, (std::vector<std::string>{"A.", "B."}));
  EXPECT_EQ(host.quoteWindow, std::vector<std::string>{"\"TO BE\" - T B"});
  EXPECT_EQ(p.SingletonStr, "E*O*");
  EXPECT_TRUE(Cell(2).Locked);
  EXPECT_FALSE(Cell(1).Locked);
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(Construction, AuthorAndWorkUsingEveryLetterEmptyThePool) {
  ASSERT_EQ(QuotesEditorDblClick(doc, "TO@BE@TO BE"), DblClickResult::Made);
  EXPECT_TRUE(PoolIsEmpty(doc));
  for (int i : {1, 2, 4, 5}) EXPECT_TRUE(Cell(i).Mapped) << i;
}

TEST_F(Construction, FailuresReportAndLeaveNoPuzzle) {
  struct Case {
    const char* line;
    DblClickResult result;
    std::vector<std::string> messages;
  };
  const Case cases[] = {
      {"   ", DblClickResult::Blank, {"That is a blank line! Dbl-click on a quote line"}},
      {"no at sign", DblClickResult::Unparsable, {"Could not parse Quote line. Check formatting."}},
      {"A@B@TO BE",
       DblClickResult::Impossible,
       {"IMPOSSIBLE QUOTELLA! Letter A appears 1 times in Author/Work but only 0 times in Quote",
        " Could not create blank puzzle. Check Puzzle Data "}},
  };
  for (const auto& c : cases) {
    test::FakeHost h;
    PuzzleDocument d(h);
    ResetPuzzle(d);
    EXPECT_EQ(QuotesEditorDblClick(d, c.line), c.result) << c.line;
    EXPECT_EQ(h.messages, c.messages) << c.line;
    EXPECT_FALSE(d.PuzzleExists) << c.line;
  }
}

TEST_F(Construction, OverCapacityIsRefusedAndTheCurrentPuzzleKept) {
  ASSERT_EQ(QuotesEditorDblClick(doc, "T@B@TO BE"), DblClickResult::Made);
  const std::string tooLong[] = {
      "A@@" + std::string(1001, 'A'),
      std::string(53, 'A') + "@@" + std::string(60, 'A') + " A",
      "A@@A " + std::string(53, 'B'),
  };
  for (const auto& line : tooLong) {
    host.Clear();
    EXPECT_EQ(QuotesEditorDblClick(doc, line), DblClickResult::Refused);
    EXPECT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(doc.P.QuotellaStr, "TB");
    EXPECT_EQ(doc.NumberGrid.At(1, 1), "4");
  }
  // The capacities themselves are fine.
  std::string full = std::string(51, 'A');
  while (full.size() < 1000) full += " " + std::string(12, 'A');  // 51 + 73 x 13 = 1000
  ASSERT_EQ(full.size(), 1000u);
  EXPECT_EQ(QuotesEditorDblClick(doc, std::string(52, 'A') + "@@" + full), DblClickResult::Made);
  EXPECT_EQ(doc.P.NumCells, 1000);
  EXPECT_EQ(doc.P.NumWords, 52);
  EXPECT_EQ(doc.KeyWords.At(0, 51), "ZZ");
}

TEST_F(Construction, LeadingSpaceBecomesASpaceCell) {
  ASSERT_EQ(QuotesEditorDblClick(doc, "T@B@ TO BE"), DblClickResult::Made);
  EXPECT_EQ(doc.P.MasterQuote, " TO BE");
  EXPECT_TRUE(Cell(1).Special);
  EXPECT_EQ(Cell(2).CellNumber, 1);
}

TEST_F(Construction, FortyThreeCellsStartAtTwentyOneColumns) {
  const std::string quote = "ABCDEFGHIJ ABCDEFGHIJ ABCDEFGHIJ ABCDEFGHIJ";  // 43 cells
  ASSERT_EQ(quote.size(), 43u);
  ASSERT_EQ(QuotesEditorDblClick(doc, "A@B@" + quote), DblClickResult::Made);
  EXPECT_EQ(doc.Grid.Columns, 21);
  EXPECT_EQ(doc.Grid.Rows, 3);
  EXPECT_EQ(doc.P.ExtraCells, 20);
  EXPECT_EQ(doc.P.GridOffset, 10);
  EXPECT_EQ(doc.P.TrailingCells, 10);
}

TEST_F(Construction, ClueListAndLabels) {
  InitClueList(doc, 28);
  ASSERT_EQ(doc.ClueLines.size(), 28u);
  EXPECT_EQ(doc.ClueLines[0], "A.");
  EXPECT_EQ(doc.ClueLines[25], "Z.");
  EXPECT_EQ(doc.ClueLines[26], "AA.");
  EXPECT_EQ(doc.ClueLines[27], "BB.");
  EXPECT_EQ(doc.P.Labels[27], "AA");
  EXPECT_EQ(doc.P.Labels[52], "ZZ");
  EXPECT_EQ(doc.NumberGrid.At(0, 51), "ZZ");
}

TEST_F(Construction, DefaultsFollowTheFrequencyString) {
  EXPECT_EQ(doc.P.FreqOrder, "ETAOINSHRDLUCMFGYPWBVKXJQZ");
  EXPECT_TRUE(InSet(doc.P.ProblemSet, 'Q'));
  EXPECT_FALSE(InSet(doc.P.ProblemSet, 'E'));
  doc.SettingsFreqString = "ZQJXKVBWPYGFMCULDRHSNIOATE";
  InitPuzzleDefaults(doc);  // 14 problem letters, rarest first
  EXPECT_EQ(doc.P.ReverseFreqOrder, "ETAOINSHRDLUCMFGYPWBVKXJQZ");
  EXPECT_TRUE(InSet(doc.P.ProblemSet, 'E'));
  EXPECT_TRUE(InSet(doc.P.ProblemSet, 'L'));
  EXPECT_FALSE(InSet(doc.P.ProblemSet, 'F'));
  EXPECT_EQ(doc.P.NumProblemChars, 14);
}

// Laying in the initials of a long puzzle tells the pool's viewers once, not once per
// answer, and leaves the pool views as a refresh after each initial would have.
TEST_F(Construction, LongPuzzleRefreshesThePoolViewsOncePerConstruction) {
  const std::string line =
      "Marguerite Yourcenar@Memoires d'Hadrien et Archives du Nord@Marguerite Yourcenar wrote "
      "the Memoires d'Hadrien and the Archives du Nord, and with them a long meditation on "
      "memory, history, power and the quiet courage of a mind that looks at itself";
  int poolChanges = 0;
  doc.Subscribe(
      [&](PuzzleDocument::Change c) { poolChanges += c == PuzzleDocument::Change::Pool; });
  ASSERT_EQ(QuotesEditorDblClick(doc, line), DblClickResult::Made)
      << ::testing::PrintToString(host.messages);
  ASSERT_GE(doc.P.NumWords, 45);
  EXPECT_LE(poolChanges, 3);
  for (int row = 1; row <= 26; ++row) {
    const char letter = static_cast<char>('A' + row - 1);
    EXPECT_EQ(doc.CharPoolGrid[static_cast<std::size_t>(row)][1], std::to_string(Pool(letter)))
        << letter;
  }
  EXPECT_FALSE(doc.PoolViewsHeld());
}

}  // namespace
}  // namespace quotella
