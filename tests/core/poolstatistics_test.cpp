#include "core/poolstatistics.h"

#include <gtest/gtest.h>

#include "core/answertable.h"
#include "core/assignment.h"
#include "core/construction.h"
#include "core/poolstatus.h"
#include "core/poolstatuspresenter.h"
#include "core/puzzlehistory.h"
#include "support/fakehost.h"
#include "support/handpuzzle.h"

namespace quotella {
namespace {

using test::FakeHost;

// A puzzle made from a real quotation, 31 answer rows, with the window's view state
// attached the way the window attaches its own.
class PoolFigures : public ::testing::Test {
 protected:
  FakeHost host;
  ViewState view;
  PuzzleDocument doc{host};

  void SetUp() override {
    doc.AttachView(view);
    InitPuzzleDefaults(doc);
    ResetPuzzle(doc);
    ASSERT_EQ(QuotesEditorDblClick(doc, test::kGettysburgLine), DblClickResult::Made);
    host.Clear();
  }
};

TEST_F(PoolFigures, StatisticsAgreeWithThePoolAndTheTable) {
  ASSERT_TRUE(LayInString(doc, "BEET", 1));
  view.CurCol = 2;
  view.CurRow = 1;
  const PoolStatistics s = ComputePoolStatistics(doc);

  EXPECT_EQ(s.total, PoolTotal(doc.P));
  EXPECT_EQ(s.vowels + s.consonants, s.total);
  EXPECT_EQ(s.emptyWords, NumEmpty(doc));
  EXPECT_EQ(s.emptyWords, doc.P.NumWords - 1);
  EXPECT_DOUBLE_EQ(s.avgWordLength, static_cast<double>(s.total) / s.emptyWords);
  EXPECT_DOUBLE_EQ(s.vowelShare, static_cast<double>(s.vowels) / s.total);
  EXPECT_EQ(s.poolLetters.size(), static_cast<std::size_t>(s.total));
  EXPECT_EQ(s.primaryProblems + s.secondaryProblems,
            FirstEleven(doc.P, s.problemPool) + StripEleven(doc.P, s.problemPool));
  // No letter is left 30 times over, so nothing is to be used up in every empty word.
  EXPECT_EQ(s.useUp, "");
  // The caret stands on the E laid into row B.
  EXPECT_EQ(s.caretLetter, "E");
  EXPECT_EQ(s.caretRowLabel, "B");
  EXPECT_EQ(s.caretCell, doc.P.Cells[static_cast<std::size_t>(MappedIndex(doc, 2, 1))].CellNumber);
  EXPECT_GT(s.caretCell, 0);
}

TEST_F(PoolFigures, ComputingAndShowingWriteNothingIntoTheDocument) {
  ASSERT_TRUE(LayInString(doc, "BEET", 1));
  // Figures deliberately out of date: only UpdateCharStatus may store new ones.
  doc.P.VowelPercent = 12.0;
  doc.P.AvgWordLength = 1.0;
  doc.PrimaryProblemStr = "stale";
  const Tpuzzle before = doc.P;

  const PoolStatistics s = ComputePoolStatistics(doc);
  ShowPoolStatus(doc);
  EXPECT_TRUE(doc.P == before);
  EXPECT_EQ(doc.PrimaryProblemStr, "stale");
  // The panels show the pool as it is, not the stored figures.
  EXPECT_EQ(host.StatusText(StatusBar::CharStatus2, 4),
            FormatGeneral(100.0 * s.vowelShare, 3) + "% Vowels  ");

  UpdateCharStatus(doc);
  EXPECT_DOUBLE_EQ(doc.P.VowelPercent, 100.0 * s.vowelShare);
  EXPECT_DOUBLE_EQ(doc.P.AvgWordLength, s.avgWordLength);
  EXPECT_EQ(doc.PrimaryProblemStr, s.primaryProblems);
}

TEST_F(PoolFigures, TheCaretOffTheTableShowsNoCellLetterOrRow) {
  for (const auto& [col, row] : {std::pair{-1, 0}, std::pair{2, kTableSize}, std::pair{60, 3}}) {
    view.CurCol = col;
    view.CurRow = row;
    const PoolStatistics s = ComputePoolStatistics(doc);
    EXPECT_EQ(s.caretCell, 0) << col << "," << row;
    EXPECT_EQ(s.caretLetter, "");
    EXPECT_EQ(s.caretRowLabel, "");
    const PoolStatusTexts t = PoolStatusPresenter::Texts(s, true);
    EXPECT_EQ(t.cell, "none");
    EXPECT_EQ(t.letter, "No char");
    EXPECT_EQ(t.row, "Row ");
  }
}

TEST_F(PoolFigures, CoreOperationsMoveTheAttachedCaret) {
  view.CurCol = 7;
  view.CurRow = 9;
  ResetPuzzle(doc);
  EXPECT_EQ(view.CurCol, 1);
  EXPECT_EQ(view.CurRow, 0);
  EXPECT_EQ(&doc.view(), &view);
}

TEST_F(PoolFigures, UndoPutsTheRecordedFiguresBackAndLeavesTheCaretWhereItIs) {
  PuzzleHistory history(doc);
  history.Start();
  const Tpuzzle start = doc.P;
  const std::string startProblems = doc.PrimaryProblemStr;
  view.ShowProblemChars = false;
  ASSERT_TRUE(history.Record("Lay BEET", [&] { LayInString(doc, "BEET", 1); }));
  ASSERT_FALSE(doc.P == start);

  view.CurCol = 3;
  view.CurRow = 4;
  view.PoolView = 2;
  host.Clear();
  ASSERT_TRUE(history.Undo());
  // The record as it was, stored figures included, although the status bars were
  // refreshed (with the whole pool listed) on the way.
  EXPECT_TRUE(doc.P == start);
  EXPECT_EQ(doc.PrimaryProblemStr, startProblems);
  EXPECT_EQ(host.StatusText(StatusBar::Main, 3), "Chars: " + PoolLetterString(doc.P));
  EXPECT_EQ(host.StatusText(StatusBar::CharStatus1, 2), "Row " + doc.Label(4));
  // The view is the user's, not a step of the puzzle.
  EXPECT_EQ(view.CurCol, 3);
  EXPECT_EQ(view.CurRow, 4);
  EXPECT_EQ(view.PoolView, 2);
  EXPECT_FALSE(view.ShowProblemChars);
}

// Statistics as a presenter sees them: 8 letters, 3 of them vowels, in 2 empty words.
PoolStatistics Sample() {
  PoolStatistics s;
  s.total = 8;
  s.vowels = 3;
  s.consonants = 5;
  s.emptyWords = 2;
  s.avgWordLength = 4.0;
  s.vowelShare = 3.0 / 8.0;
  s.useUp = "EZ";
  s.problemPool = "BQZZ";
  s.primaryProblems = "BQZZ";
  s.poolLetters = "BEEEQTZZ";
  s.caretCell = 17;
  s.caretLetter = "O";
  s.caretRowLabel = "B";
  return s;
}

TEST(PoolStatusPresenterTexts, EveryPanelReadsAsTheProgramShowsIt) {
  const PoolStatusTexts t = PoolStatusPresenter::Texts(Sample(), true);
  EXPECT_EQ(t.averageLength, "Avg wrd len 4");
  EXPECT_EQ(t.poolTotal, "Pool 8");
  EXPECT_EQ(t.consonants, "Cons 5");
  EXPECT_EQ(t.vowels, "Vowels 3");
  EXPECT_EQ(t.vowelShare, "37.5% Vowels  ");
  EXPECT_EQ(t.cell, "Cell 17");
  EXPECT_EQ(t.letter, "Char O");
  EXPECT_EQ(t.row, "Row B");
  EXPECT_EQ(t.emptyWords, "2 Empty  Use up: EZ");
  EXPECT_EQ(t.hint, " Use up problem chars! (4) ");
  EXPECT_EQ(t.letters, "Problem Chars: BQZZ * ");
  EXPECT_EQ(PoolStatusPresenter::Texts(Sample(), false).letters, "Chars: BEEEQTZZ");

  PoolStatistics none = Sample();
  none.useUp.clear();
  none.emptyWords = 0;
  EXPECT_EQ(PoolStatusPresenter::Texts(none, true).emptyWords, "0 Empty ");
}

TEST(PoolStatusPresenterTexts, HintThresholdsAndTheCompletePuzzle) {
  PoolStatistics s = Sample();
  s.primaryProblems = "Z";
  s.emptyWords = 1;
  for (const auto& [share, hint] :
       {std::pair{0.3, " Use up consonants!"}, std::pair{0.35, " Use up problem chars! (1) "},
        std::pair{0.5, " Use up problem chars! (1) "}, std::pair{0.6, " Use up vowels!"}}) {
    s.vowelShare = share;
    EXPECT_EQ(PoolStatusPresenter::Hint(s), hint) << share;
  }
  // More primary problem letters than empty words: those first, whatever the vowels.
  s.primaryProblems = "ZQ";
  s.vowelShare = 0.1;
  EXPECT_EQ(PoolStatusPresenter::Hint(s), " Use up problem chars! (2) ");
  s.total = 0;
  EXPECT_EQ(PoolStatusPresenter::Hint(s), "Puzzle is complete!");
}

TEST(PoolStatusPresenterTexts, ShowPutsEachTextInItsPanel) {
  FakeHost host;
  PoolStatusPresenter(host).Show(Sample(), true);
  EXPECT_EQ(host.StatusText(StatusBar::CharStatus2, 0), "Avg wrd len 4");
  EXPECT_EQ(host.StatusText(StatusBar::CharStatus2, 4), "37.5% Vowels  ");
  EXPECT_EQ(host.StatusText(StatusBar::CharStatus1, 0), "Cell 17");
  EXPECT_EQ(host.StatusText(StatusBar::CharStatus1, 3), "2 Empty  Use up: EZ");
  EXPECT_EQ(host.StatusText(StatusBar::Main, 2), " Use up problem chars! (4) ");
  EXPECT_EQ(host.StatusText(StatusBar::Main, 3), "Problem Chars: BQZZ * ");
  EXPECT_EQ(host.statuses.size(), 11u);
  EXPECT_TRUE(host.messages.empty());
}

}  // namespace
}  // namespace quotella
