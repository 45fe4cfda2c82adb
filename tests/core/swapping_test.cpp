#include "core/swapping.h"

#include <gtest/gtest.h>

#include "core/answertable.h"
#include "core/assignment.h"
#include "core/construction.h"
#include "support/fakehost.h"

namespace quotella {
namespace {

class Swapping : public ::testing::Test {
 protected:
  test::FakeHost host;
  PuzzleDocument doc{host};
  SwapState state;

  void Make(const std::string& line) {
    ResetPuzzle(doc);
    ASSERT_EQ(QuotesEditorDblClick(doc, line), DblClickResult::Made) << line;
    host.Clear();
  }
  TMasterCellRec& Cell(int i) { return doc.P.Cells[static_cast<std::size_t>(i)]; }
  // Moves the letter at (col, row) to cell i, whatever cell chance gave it.
  void Place(int col, int row, int i) {
    const int now = MappedIndex(doc, col, row);
    ASSERT_NE(now, 0);
    if (now != i) SwapCells(doc, now, i);
    ASSERT_EQ(MappedIndex(doc, col, row), i);
  }
  // "EE HE BE": cells E E _ H E _ B E, numbered 1 2 - 3 4 - 5 6. Answer A = HEE with
  // both E's in the first word (illegal), answer B = BE with its E in HE; cell 8 free.
  void MakeThreeWords() {
    Make("H@B@EE HE BE");
    ASSERT_TRUE(LayInString(doc, "HEE", 0));
    ASSERT_TRUE(LayInString(doc, "BE", 1));
    Place(2, 0, 1);
    Place(3, 0, 2);
    Place(2, 1, 5);
    RefreshAllWordInfo(doc);
    RecomputeIllegal(doc.P);
    doc.PuzzleChanged = false;
    host.Clear();
  }
};

TEST_F(Swapping, ExchangeMovesLabelsAndNumberMapButNotTheTable) {
  Make("E@E@HE BE");
  const int a = MappedIndex(doc, 1, 0);
  const int b = MappedIndex(doc, 1, 1);
  ASSERT_EQ(a + b, 7);  // cells 2 and 5, in either order
  SwapCells(doc, a, b);
  EXPECT_EQ(MappedIndex(doc, 1, 0), b);
  EXPECT_EQ(MappedIndex(doc, 1, 1), a);
  EXPECT_EQ(Cell(b).CellLabel, "A");
  EXPECT_EQ(Cell(a).CellLabel, "B");
  EXPECT_EQ(Cell(b).KeywordRow, 0);
  EXPECT_EQ(Cell(a).KeywordRow, 1);
  EXPECT_EQ(Keystring(doc, 0), "E");
  EXPECT_EQ(Keystring(doc, 1), "E");
  EXPECT_EQ(Cell(2).Labelstr, Cell(2).CellLabel == "A" ? "*A*" : "*B*");
  EXPECT_TRUE(doc.PuzzleChanged);
}

TEST_F(Swapping, LegalityCountsWholeLabelsBestSwapUsesSubstrings) {
  const struct {
    const char* label;
    const char* labelstr;
    bool legal;
  } cases[] = {
      {"A", "A*A*", false}, {"A", "A*B*", true},     {"A", "AA*A*", true},    {"A", "**", true},
      {"", "**", true},     {" A ", "A* A*", false}, {"AA", "AA*AA*", false},
  };
  for (const auto& c : cases) EXPECT_EQ(SwapLegal(c.label, c.labelstr), c.legal) << c.labelstr;

  MakeThreeWords();
  EXPECT_FALSE(IsBestSwap(doc.P, 5, 1));  // A already in HE
  EXPECT_TRUE(IsBestSwap(doc.P, 8, 1));   // a free cell in a word without A
  EXPECT_FALSE(IsBestSwap(doc.P, 8, 5));  // B is already in BE
}

TEST_F(Swapping, FirstDoubleClickListsEveryPartner) {
  MakeThreeWords();
  EXPECT_TRUE(Cell(1).Illegal);
  EXPECT_TRUE(Cell(2).Illegal);
  PuzzleGridDblClick(doc, state, 1);
  const std::vector<std::string> expected = {
      "",
      "DOUBLECLICK THE SWAP YOU WANT TO MAKE!",
      "Cell: 1, Char: E (Not Locked, Illegal) ",
      "Label:A Word:EE (A*A*)",
      "1,2. (Illegal Swap cell 1 with cell: 2  EE Lbl: A",
      "     1,4. (Swap: 1 with cell: 4  HE Lbl: B)",
      "     1,6. (Best 1 with cell: 6  BE Lbl: )",
  };
  EXPECT_EQ(state.Lines, expected);
  EXPECT_EQ(state.SwapSource, 1);
  EXPECT_TRUE(doc.view().HighlightActive);
  for (int i : {1, 2, 5, 8}) EXPECT_TRUE(Cell(i).Highlight) << i;
  EXPECT_FALSE(Cell(4).Highlight);
  EXPECT_TRUE(Cell(8).SwapMark);
  EXPECT_FALSE(Cell(5).SwapMark);
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(Swapping, SecondDoubleClickSwapsOnlyLegallyAndWithTheSameLetter) {
  MakeThreeWords();
  PuzzleGridDblClick(doc, state, 5);  // B's E ...
  PuzzleGridDblClick(doc, state, 4);  // ... with an H: cancelled
  PuzzleGridDblClick(doc, state, 2);  // A's second E ...
  PuzzleGridDblClick(doc, state, 1);  // ... into word EE, which holds A twice: cancelled
  EXPECT_EQ(MappedIndex(doc, 2, 1), 5);
  EXPECT_EQ(MappedIndex(doc, 3, 0), 2);
  EXPECT_FALSE(doc.PuzzleChanged);

  PuzzleGridDblClick(doc, state, 1);
  PuzzleGridDblClick(doc, state, 3);  // a space: still pending
  PuzzleGridDblClick(doc, state, 8);  // a free cell
  EXPECT_FALSE(doc.view().HighlightActive);
  EXPECT_EQ(MappedIndex(doc, 2, 0), 8);
  EXPECT_FALSE(Cell(1).Mapped);
  EXPECT_EQ(Cell(8).CellLabel, "A");
  EXPECT_FALSE(Cell(2).Illegal);  // the duplicate is gone
  // A free cell has no number-map entry: the label column stays intact.
  EXPECT_EQ(doc.NumberGrid.At(0, 0), "A");
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(Swapping, ListLinesSwapByPrintedNumbers) {
  MakeThreeWords();
  PuzzleGridDblClick(doc, state, 1);
  EXPECT_FALSE(SwapListBoxDblClick(doc, state, 2));  // before the fourth line: ignored
  EXPECT_FALSE(SwapListBoxDblClick(doc, state, 3));  // "Label:..." holds no numbers
  EXPECT_EQ(host.messages, std::vector<std::string>{"Error in value in SwapListBoxDblClick"});
  EXPECT_TRUE(doc.view().HighlightActive);
  // An illegal line is carried out all the same; the marks are recomputed.
  EXPECT_TRUE(SwapListBoxDblClick(doc, state, 4));
  EXPECT_EQ(state.Lines, std::vector<std::string>{"CLICK ON A CELL TO SWAP"});
  EXPECT_TRUE(state.HandCursor);
  EXPECT_FALSE(doc.view().HighlightActive);
  EXPECT_EQ(MappedIndex(doc, 2, 0), 2);
  EXPECT_EQ(MappedIndex(doc, 3, 0), 1);
  EXPECT_TRUE(Cell(1).Illegal);
  for (int i = 1; i <= doc.P.NumCells; ++i) EXPECT_FALSE(Cell(i).SwapMark) << i;

  PuzzleGridDblClick(doc, state, 1);
  const int best = static_cast<int>(state.Lines.size()) - 1;
  ASSERT_EQ(state.Lines[static_cast<std::size_t>(best)].substr(0, 15), "     1,6. (Best");
  EXPECT_TRUE(SwapListBoxDblClick(doc, state, best));
  EXPECT_EQ(MappedIndex(doc, 3, 0), 8);
  EXPECT_FALSE(Cell(2).Illegal);
}

TEST_F(Swapping, OnlyLetterIsLockedAndLonelyLettersHaveNoPartners) {
  Make("H@B@HEX BE");
  ASSERT_TRUE(Cell(3).Locked);
  PuzzleGridDblClick(doc, state, 3);
  EXPECT_EQ(state.Lines,
            (std::vector<std::string>{"", "DOUBLECLICK THE SWAP YOU WANT TO MAKE!",
                                      "Cell: 3, Char: X (Locked, Legal)", "Label: Word:HEX (A***)",
                                      "", "This cannot be swapped!  It is the only X!"}));
  EXPECT_FALSE(doc.view().HighlightActive);
  EXPECT_EQ(state.SwapSource, 0);

  state.Lines.clear();
  PuzzleGridDblClick(doc, state, 1);  // the only H, but also an initial: not locked
  EXPECT_EQ(state.Lines,
            (std::vector<std::string>{"", "DOUBLECLICK THE SWAP YOU WANT TO MAKE!",
                                      "Cell: 1, Char: H (Not Locked, Legal)",
                                      "Label:A Word:HEX (A***)", "", "No swaps are legal!"}));
  EXPECT_TRUE(doc.view().HighlightActive);
}

TEST_F(Swapping, GridPositionsAndPrintedNumbersFindCells) {
  Make("H@B@EE HE BE");  // 8 cells in 21 columns: 6 empty positions first
  const struct {
    int row, col, columns, cell;
  } cases[] = {{0, 5, 21, 0}, {0, 6, 21, 1}, {0, 13, 21, 8}, {0, 14, 21, 0}, {1, 2, 4, 1}};
  for (const auto& c : cases)
    EXPECT_EQ(CellAtGridPosition(doc, c.row, c.col, c.columns), c.cell) << c.row << "," << c.col;
  EXPECT_EQ(FindCellByNumber(doc.P, 6), 8);
  EXPECT_EQ(FindCellByNumber(doc.P, 0), 0);  // never a space
}

}  // namespace
}  // namespace quotella
