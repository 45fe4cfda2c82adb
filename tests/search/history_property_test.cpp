// Random sequences of edits on real puzzles, then the whole history undone and redone:
// every field of the document must come back.

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <set>

#include "core/answertable.h"
#include "core/assignment.h"
#include "core/clues.h"
#include "core/construction.h"
#include "core/geometry.h"
#include "core/poolstatus.h"
#include "core/puzzlehistory.h"
#include "core/swapping.h"
#include "core/textio.h"
#include "search/autofill.h"
#include "search/autofillsource.h"
#include "support/fakehost.h"

namespace quotella {
namespace {

// A full copy of what undo must restore, compared field by field.
struct Copy {
  std::unique_ptr<Tpuzzle> p = std::make_unique<Tpuzzle>();
  StringTable keyWords, numberGrid;
  std::vector<std::string> clues;
  std::array<bool, 26> locked{};
  std::uint32_t seed = 0;
  int columns = 0, rows = 0;
  ScanConditions conditions;
  bool changed = false;
  PuzzleDocument::PoolGrid poolView{};
  std::string title, byline;
};

Copy Take(const PuzzleDocument& doc, const std::string& title, const std::string& byline) {
  Copy c;
  *c.p = doc.P;
  c.keyWords = doc.KeyWords;
  c.numberGrid = doc.NumberGrid;
  c.clues = doc.ClueLines;
  c.locked = doc.LetterLocked;
  c.seed = doc.Rng.Seed();
  c.columns = doc.Grid.Columns;
  c.rows = doc.Grid.Rows;
  c.conditions = doc.Conditions;
  c.changed = doc.PuzzleChanged;
  c.poolView = doc.CharPoolGrid;
  c.title = title;
  c.byline = byline;
  return c;
}

void ExpectSame(const Copy& want, const Copy& got, const std::string& when) {
  SCOPED_TRACE(when);
  const Tpuzzle& a = *want.p;
  const Tpuzzle& b = *got.p;
  EXPECT_EQ(a.Title, b.Title);
  EXPECT_EQ(a.NumCells, b.NumCells);
  EXPECT_EQ(a.NumWords, b.NumWords);
  EXPECT_EQ(a.QuotellaStr, b.QuotellaStr);
  EXPECT_EQ(a.MasterQuote, b.MasterQuote);
  EXPECT_EQ(a.Pool, b.Pool);
  EXPECT_EQ(a.SpareCount, b.SpareCount);
  EXPECT_EQ(a.PoolLetters, b.PoolLetters);
  EXPECT_EQ(a.ProblemPoolStr, b.ProblemPoolStr);
  EXPECT_EQ(a.AvgWordLength, b.AvgWordLength);
  EXPECT_EQ(a.VowelPercent, b.VowelPercent);
  EXPECT_EQ(a.Labels, b.Labels);
  EXPECT_EQ(a.ExtraCells, b.ExtraCells);
  EXPECT_EQ(a.GridOffset, b.GridOffset);
  EXPECT_EQ(a.TrailingCells, b.TrailingCells);
  EXPECT_EQ(a.ProblemSet, b.ProblemSet);
  EXPECT_EQ(a.AllProblemChars, b.AllProblemChars);
  for (std::size_t i = 1; i <= static_cast<std::size_t>(kMaxCells); ++i) {
    const TMasterCellRec& x = a.Cells[i];
    const TMasterCellRec& y = b.Cells[i];
    ASSERT_TRUE(x.Char == y.Char && x.CellNumber == y.CellNumber && x.Special == y.Special &&
                x.Mapped == y.Mapped && x.KeywordRow == y.KeywordRow &&
                x.KeywordCol == y.KeywordCol && x.CellLabel == y.CellLabel &&
                x.Illegal == y.Illegal && x.Locked == y.Locked && x.Wordstr == y.Wordstr &&
                x.Labelstr == y.Labelstr && x.WordHighlight == y.WordHighlight &&
                x.CommonMark == y.CommonMark && x.Cursor == y.Cursor)
        << "cell " << i;
  }
  for (int row = 0; row < kTableSize; ++row)
    for (int col = 0; col < kTableSize; ++col) {
      ASSERT_EQ(want.keyWords.At(col, row), got.keyWords.At(col, row)) << col << "," << row;
      ASSERT_EQ(want.numberGrid.At(col, row), got.numberGrid.At(col, row)) << col << "," << row;
    }
  EXPECT_EQ(want.clues, got.clues);
  EXPECT_EQ(want.locked, got.locked);
  EXPECT_EQ(want.seed, got.seed);
  EXPECT_EQ(want.columns, got.columns);
  EXPECT_EQ(want.rows, got.rows);
  EXPECT_EQ(want.conditions.mustHave, got.conditions.mustHave);
  EXPECT_EQ(want.changed, got.changed);
  EXPECT_EQ(want.poolView, got.poolView);
  EXPECT_EQ(want.title, got.title);
  EXPECT_EQ(want.byline, got.byline);
}

class HistoryProperty : public ::testing::TestWithParam<int> {
 protected:
  test::FakeHost host;
  PuzzleDocument doc{host};
  PuzzleHistory history{doc};
  std::string title, byline;
  std::mt19937 rng;
  TablePos pos{2, 0};

  int Pick(int n) { return n <= 0 ? 0 : static_cast<int>(rng() % static_cast<unsigned>(n)); }
  char PoolLetter() {
    std::string letters = PoolLetterString(doc.P);
    return letters.empty() ? 'E' : letters[static_cast<std::size_t>(Pick(int(letters.size())))];
  }
  TMasterCellRec& Cell(int i) { return doc.P.Cells[static_cast<std::size_t>(i)]; }

  void Swap() {
    std::vector<std::pair<int, int>> pairs;
    for (int i = 1; i <= doc.P.NumCells; ++i)
      for (int j = i + 1; j <= doc.P.NumCells; ++j)
        if (!Cell(i).Special && Cell(i).Char == Cell(j).Char && Cell(i).Mapped != Cell(j).Mapped)
          pairs.push_back({i, j});
    if (pairs.empty()) return;
    const auto [i, j] = pairs[static_cast<std::size_t>(Pick(int(pairs.size())))];
    const int a = Cell(i).CellNumber, b = Cell(j).CellNumber;
    SwapState swaps;
    history.Record(SwapStepName(a, b), [&] {
      SwapListLineDblClick(doc, swaps, std::to_string(a) + "," + std::to_string(b) + ".");
    });
  }

  // Autofill of every empty row from words made of the pool, so that a fill exists
  // (locked letters stay in the pool, a locked initial does not matter).
  void Autofill() {
    AutofillProblem problem = MakeAutofillProblem(doc);
    if (problem.rowSlots.empty()) return;
    for (std::size_t l = 0; l < 26; ++l)
      if (problem.locked[l]) problem.pool[l] = 0;
    problem.locked = {};
    std::map<char, std::vector<AutofillWord>> words;
    std::vector<std::string> made(problem.rowSlots.size());
    for (std::size_t s = 0; s < made.size(); ++s)
      made[s] = std::string(1, problem.rowSlots[s].initial);
    std::size_t s = 0;
    for (int l = 0; l < 26; ++l)
      for (int k = 0; k < problem.pool[static_cast<std::size_t>(l)]; ++k)
        made[s++ % made.size()] += static_cast<char>('A' + l);
    if (std::set<std::string>(made.begin(), made.end()).size() != made.size()) return;
    for (const std::string& w : made) words[w[0]].push_back({w, 10, true});
    AutofillOptions options;
    options.minLength = 0;
    options.timeLimit = 5;
    const AutofillResult result = RunAutofill(
        problem, [&words](char c) -> const std::vector<AutofillWord>& { return words[c]; },
        options);
    if (result.fills.empty()) return;
    history.Record("Autofill", [&] { LayFill(doc, problem, result.fills[0]); });
  }

  void Operation(int k) {
    const int rows = doc.P.NumWords;
    const int row = Pick(rows);
    switch (Pick(14)) {
      case 0:
      case 1:
      case 2: {  // a few keys into one row, the caret sometimes moving on
        if (Pick(3) == 0) pos = {2, row};
        history.CaretAt(pos.row);
        for (int n = Pick(4) + 1; n > 0; --n) {
          const int kind = Pick(10);
          const char key = kind < 7   ? PoolLetter()
                           : kind < 8 ? kKeyBackspace
                           : kind < 9 ? ' '
                                      : static_cast<char>('A' + Pick(26));
          const int r = pos.row;
          history.RecordTyping(r, "Typing in " + doc.Label(r),
                               [&] { pos = KeyWordsKeyPress(doc, pos, key); });
        }
        break;
      }
      case 3:
      case 4: {  // a candidate made of pool letters
        std::string word = doc.KeyWords.At(1, row);
        for (int n = Pick(5) + 1; n > 0; --n) word += PoolLetter();
        history.Record("Candidate " + word, [&] {
          pos = CandidatesDblClick(doc, {2, row}, {word}, 0);
        });
        break;
      }
      case 5:
      case 6:
        Swap();
        break;
      case 7:
        history.Record("Clear Word", [&] { ClearWord1Click(doc, {2, row}, true); });
        break;
      case 8:
        if (k % 5 == 0) {
          host.confirmAnswers.push_back(true);
          history.Record("Clear Puzzle", [&] { pos = ClearPuzzle1Click(doc, pos); });
        }
        break;
      case 9:
        history.Record(Pick(2) ? "Stretch Grid" : "Squeeze Grid", [&] {
          for (int n = Pick(3) + 1; n > 0; --n)
            Pick(2) ? StretchGrid1Click(doc) : SqueezeGrid1Click(doc);
        });
        break;
      case 10:
        host.promptAnswers.push_back("Clue number " + std::to_string(k));
        history.Record("Clue " + doc.Label(row), [&] { WriteClue2Click(doc, row); });
        break;
      case 11:
        history.Record(Pick(2) ? "Title" : "Byline",
                       [&] { (Pick(2) ? title : byline) = "Text " + std::to_string(k); });
        break;
      case 12:
        history.Record(Pick(2) ? "Must Have" : "Lock Letter", [&] {
          if (Pick(2))
            doc.Conditions.mustHave = std::string(1, PoolLetter()) + PoolLetter();
          else
            LockPopupClick(doc, Pick(26) + 1);
        });
        break;
      case 13:
        Autofill();
        break;
    }
  }
};

TEST_P(HistoryProperty, UndoAllRestoresTheStartRedoAllTheEndAndANewStepEndsRedo) {
  const auto lines = ReadTextLines(QUOTELLA_SOURCE_DIR "/tests/data/bench_quotes.txt");
  ASSERT_TRUE(lines);
  const int which = GetParam();
  ASSERT_LT(static_cast<std::size_t>(which), lines->size());
  rng.seed(static_cast<unsigned>(which) * 7919u + 1u);
  InitPuzzleDefaults(doc);
  ResetPuzzle(doc);
  ASSERT_EQ(QuotesEditorDblClick(doc, (*lines)[static_cast<std::size_t>(which)]),
            DblClickResult::Made);
  title = "Untitled";
  byline = "by Anonymous";
  history.BindTexts({&title, &byline});
  history.Start();
  const Copy start = Take(doc, title, byline);

  std::map<std::string, int> kinds;  // steps recorded, by the first word of their name
  history.Changed = [&] {
    if (history.CanUndo()) ++kinds[history.UndoName().substr(0, history.UndoName().find(' '))];
  };
  for (int k = 0; k < 200; ++k) Operation(k);
  history.Changed = nullptr;
  for (const char* kind : {"Typing", "Candidate", "Swap", "Autofill", "Clue"})
    EXPECT_GT(kinds[kind], 0) << kind;
  const Copy end = Take(doc, title, byline);
  const int steps = history.UndoCount();
  ASSERT_GT(steps, 60);
  ASSERT_LE(steps, PuzzleHistory::kMaxSteps);

  while (history.Undo()) {
  }
  ExpectSame(start, Take(doc, title, byline), "after undoing everything");
  EXPECT_EQ(history.RedoCount(), steps);
  while (history.Redo()) {
  }
  ExpectSame(end, Take(doc, title, byline), "after redoing everything");

  for (int k = 0; k < steps / 2; ++k) ASSERT_TRUE(history.Undo());
  EXPECT_TRUE(history.CanRedo());
  history.Record("Title", [&] { title = "A new change"; });
  EXPECT_FALSE(history.CanRedo());
  EXPECT_EQ(history.UndoCount(), steps - steps / 2 + 1);
}

INSTANTIATE_TEST_SUITE_P(BenchPuzzles, HistoryProperty, ::testing::Values(0, 3, 7, 12, 19, 26));

}  // namespace
}  // namespace quotella
