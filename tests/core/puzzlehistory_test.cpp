#include "core/puzzlehistory.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "core/answertable.h"
#include "core/assignment.h"
#include "core/clues.h"
#include "core/construction.h"
#include "core/geometry.h"
#include "core/swapping.h"
#include "support/fakehost.h"
#include "support/handpuzzle.h"

namespace quotella {
namespace {

class History : public ::testing::Test {
 protected:
  test::FakeHost host;
  PuzzleDocument doc{host};
  PuzzleHistory history{doc};
  std::string title = "Untitled";

  void SetUp() override {
    InitPuzzleDefaults(doc);
    ResetPuzzle(doc);
    // Answer rows A, B, R, A, H, ... (ABRAHAMLINCOLNGETTYSBURGADDRESS).
    ASSERT_EQ(QuotesEditorDblClick(doc, test::kGettysburgLine), DblClickResult::Made);
    history.BindTexts({&title});
    history.Start();
    host.Clear();
  }
  TablePos pos{2, 0};
  // Keys typed into a row, going on from the last key typed there.
  void Type(int row, const std::string& keys) {
    if (pos.row != row) pos = {2, row};
    for (char key : keys)
      history.RecordTyping(row, "Typing in " + doc.Label(row),
                           [&] { pos = KeyWordsKeyPress(doc, pos, key); });
  }
  std::string Mapping() const {
    std::string m;
    for (int i = 1; i <= doc.P.NumCells; ++i)
      m += doc.P.Cells[static_cast<std::size_t>(i)].CellLabel + ",";
    return m;
  }
};

TEST_F(History, LettersTypedIntoOneRowAreOneStepUntilTheCaretLeavesIt) {
  const auto pool = doc.P.Pool;
  Type(0, "NTS");
  ASSERT_EQ(Keystring(doc, 0), "ANTS");
  EXPECT_EQ(history.UndoCount(), 1);
  EXPECT_EQ(history.UndoName(), "Typing in A");
  Type(0, "\b");  // still the same word
  EXPECT_EQ(history.UndoCount(), 1);
  history.CaretAt(1);
  Type(1, "EN");
  EXPECT_EQ(history.UndoCount(), 2);

  ASSERT_TRUE(history.Undo());
  EXPECT_EQ(Keystring(doc, 1), "B");
  EXPECT_EQ(Keystring(doc, 0), "ANT");
  ASSERT_TRUE(history.Undo());
  EXPECT_EQ(Keystring(doc, 0), "A");
  EXPECT_EQ(doc.P.Pool, pool);
  EXPECT_TRUE(doc.NumberGrid.At(2, 0).empty());
  EXPECT_FALSE(history.CanUndo());
  EXPECT_EQ(history.RedoName(), "Typing in A");

  ASSERT_TRUE(history.Redo());
  ASSERT_TRUE(history.Redo());
  EXPECT_EQ(Keystring(doc, 0), "ANT");
  EXPECT_EQ(Keystring(doc, 1), "BEN");
}

TEST_F(History, KeysThatChangeNothingLeaveNoStep) {
  Type(0, "Z");  // no Z in the pool: a message, no change
  EXPECT_FALSE(host.messages.empty());
  Type(0, "\r");
  EXPECT_FALSE(history.CanUndo());
  // A letter typed and rubbed out still moved the generator on: a step that puts it back.
  const auto seed = doc.Rng.Seed();
  Type(2, "E\b");
  EXPECT_EQ(Keystring(doc, 2), "R");
  ASSERT_EQ(history.UndoCount(), 1);
  history.Undo();
  EXPECT_EQ(doc.Rng.Seed(), seed);
}

TEST_F(History, SwapIsUndoneAndRedoneWithTheNumberMapAndTheTable) {
  ASSERT_TRUE(LayInString(doc, "BEET", 1));
  history.Start();
  const std::string cells = Mapping();
  const std::string number = doc.NumberGrid.At(2, 1);
  const int i = MappedIndex(doc, 2, 1);
  int j = 0;
  for (int k = 1; k <= doc.P.NumCells && !j; ++k)
    if (k != i && doc.P.Cells[static_cast<std::size_t>(k)].Char == 'E') j = k;
  ASSERT_NE(j, 0);
  history.Begin("Swap");
  SwapCells(doc, i, j);
  const auto moved = history.ReassignedCells();
  ASSERT_EQ(moved.size(), 2u);
  history.Rename(
      SwapStepName(history.CellNumberBefore(moved[0]), history.CellNumberBefore(moved[1])));
  ASSERT_TRUE(history.Commit());
  EXPECT_EQ(history.UndoName(),
            SwapStepName(doc.P.Cells[static_cast<std::size_t>(std::min(i, j))].CellNumber,
                         doc.P.Cells[static_cast<std::size_t>(std::max(i, j))].CellNumber));
  EXPECT_NE(history.UndoName().find("\xE2\x86\x94"), std::string::npos);
  const std::string swapped = Mapping();
  ASSERT_NE(swapped, cells);

  ASSERT_TRUE(history.Undo());
  EXPECT_EQ(Mapping(), cells);
  EXPECT_EQ(doc.NumberGrid.At(2, 1), number);
  EXPECT_EQ(Keystring(doc, 1), "BEET");
  ASSERT_TRUE(history.Redo());
  EXPECT_EQ(Mapping(), swapped);
}

TEST_F(History, SavedMarkerDecidesPuzzleChanged) {
  history.Record("Stretch Grid", [&] { StretchGrid1Click(doc); });
  EXPECT_TRUE(doc.PuzzleChanged);
  history.MarkSaved();
  doc.PuzzleChanged = false;  // as saving does
  history.Record("Squeeze Grid", [&] { SqueezeGrid1Click(doc); });
  EXPECT_TRUE(doc.PuzzleChanged);

  history.Undo();
  EXPECT_FALSE(doc.PuzzleChanged);
  EXPECT_TRUE(history.AtSaved());
  history.Undo();
  EXPECT_TRUE(doc.PuzzleChanged);
  history.Redo();
  EXPECT_FALSE(doc.PuzzleChanged);

  // Undo past the saved state, then a new change: the saved state is gone for good.
  history.Undo();
  history.Record("Squeeze Grid", [&] { SqueezeGrid1Click(doc); });
  EXPECT_FALSE(history.CanRedo());
  history.Undo();
  EXPECT_TRUE(doc.PuzzleChanged);
  EXPECT_FALSE(history.AtSaved());
}

TEST_F(History, MakingAPuzzleStartsAFreshHistoryWrappedOrNot) {
  history.Record("Stretch Grid", [&] { StretchGrid1Click(doc); });
  history.Record("New Puzzle", [&] {
    ResetPuzzle(doc);
    QuotesEditorDblClick(doc, "T@B@TO BE");
  });
  EXPECT_FALSE(history.CanUndo());
  EXPECT_FALSE(doc.PuzzleChanged);
  history.Record("Stretch Grid", [&] { StretchGrid1Click(doc); });
  ASSERT_TRUE(history.CanUndo());
  ResetPuzzle(doc);
  QuotesEditorDblClick(doc, "T@B@TO BE");
  EXPECT_FALSE(history.CanUndo());
  EXPECT_FALSE(history.Undo());
  EXPECT_EQ(doc.P.MasterQuote, "TO BE");
}

TEST_F(History, AnOperationThatClearsPuzzleChangedHasSavedThePuzzle) {
  history.Record("Stretch Grid", [&] { StretchGrid1Click(doc); });
  ASSERT_TRUE(doc.PuzzleChanged);
  EXPECT_FALSE(history.Record("Save", [&] {
    title = "Untitled";
    doc.PuzzleChanged = false;
  }));
  EXPECT_TRUE(history.AtSaved());
  EXPECT_EQ(history.UndoCount(), 1);
  history.Undo();
  EXPECT_TRUE(doc.PuzzleChanged);
  history.Redo();
  EXPECT_FALSE(doc.PuzzleChanged);
}

TEST_F(History, KeepsTheLatestTwoHundredSteps) {
  const int columns = doc.Grid.Columns;
  for (int k = 0; k < 205; ++k)
    history.Record(k % 2 ? "Squeeze Grid" : "Stretch Grid",
                   [&] { k % 2 ? SqueezeGrid1Click(doc) : StretchGrid1Click(doc); });
  EXPECT_EQ(history.UndoCount(), PuzzleHistory::kMaxSteps);
  while (history.Undo()) {
  }
  // The five oldest steps fell off: the grid stays one column wider, and the file state
  // can no longer be reached.
  EXPECT_EQ(doc.Grid.Columns, columns + 1);
  EXPECT_TRUE(doc.PuzzleChanged);
  EXPECT_EQ(history.RedoCount(), PuzzleHistory::kMaxSteps);
}

TEST_F(History, NestedStepsCountOnceAndBoundTextsComeBack) {
  history.Begin("Clear Puzzle");
  history.Begin("Clear Word");
  ASSERT_TRUE(LayInString(doc, "BEN", 1));
  EXPECT_FALSE(history.Commit());
  title = "Getting Ahead";
  host.promptAnswers.push_back("Ten");
  WriteClue2Click(doc, 1);
  EXPECT_TRUE(history.Commit());
  EXPECT_EQ(history.UndoCount(), 1);
  EXPECT_EQ(history.UndoName(), "Clear Puzzle");

  history.Undo();
  EXPECT_EQ(title, "Untitled");
  EXPECT_EQ(doc.ClueLines[1], "B.");
  EXPECT_EQ(Keystring(doc, 1), "B");
  history.Redo();
  EXPECT_EQ(title, "Getting Ahead");
  EXPECT_EQ(doc.ClueLines[1], "B. Ten");
}

TEST_F(History, UndoPutsTheGeneratorBackSoRedoingByHandPicksTheSameCells) {
  history.Record("Candidate", [&] { LayInString(doc, "BENT", 1); });
  const std::string first = Mapping();
  history.Undo();
  LayInString(doc, "BENT", 1);
  EXPECT_EQ(Mapping(), first);
}

TEST_F(History, UndoCancelsAPendingExchange) {
  ASSERT_TRUE(LayInString(doc, "BEET", 1));
  SwapState swaps;
  history.Record("Stretch Grid", [&] { StretchGrid1Click(doc); });
  PuzzleGridDblClick(doc, swaps, MappedIndex(doc, 2, 1));
  ASSERT_TRUE(doc.view().HighlightActive);
  history.Undo();
  EXPECT_FALSE(doc.view().HighlightActive);
  for (int i = 1; i <= doc.P.NumCells; ++i)
    EXPECT_FALSE(doc.P.Cells[static_cast<std::size_t>(i)].Highlight);
}

}  // namespace
}  // namespace quotella

namespace quotella {
namespace {

TEST_F(History, CheckpointsRecordWhatControlsChangedThemselves) {
  title = "G";
  EXPECT_TRUE(history.Checkpoint("Title", 1001));
  title = "Ge";
  history.Checkpoint("Title", 1001);
  EXPECT_FALSE(history.Checkpoint("Title", 1001));  // nothing new
  EXPECT_EQ(history.UndoCount(), 1);
  ASSERT_TRUE(LayInString(doc, "BEET", 1));
  EXPECT_TRUE(history.Checkpoint("Candidate BEET"));
  title = "Get";
  history.Checkpoint("Title", 1001);  // a new step: another one came between
  EXPECT_EQ(history.UndoCount(), 3);

  const int i = MappedIndex(doc, 2, 1);
  int j = 0;
  for (int k = 1; k <= doc.P.NumCells && !j; ++k)
    if (k != i && doc.P.Cells[static_cast<std::size_t>(k)].Char == 'E') j = k;
  SwapCells(doc, i, j);
  const auto moved = history.ReassignedSinceLast();
  ASSERT_EQ(moved.size(), 2u);
  EXPECT_EQ(history.CellNumberLast(moved[0]),
            doc.P.Cells[static_cast<std::size_t>(moved[0])].CellNumber);
  history.Checkpoint("Swap");

  history.Undo();
  history.Undo();
  EXPECT_EQ(title, "Ge");
  history.Undo();
  history.Undo();
  EXPECT_EQ(title, "Untitled");
  EXPECT_EQ(Keystring(doc, 1), "B");
  EXPECT_FALSE(doc.PuzzleChanged);
}

}  // namespace
}  // namespace quotella

// Undo keeps the whole puzzle record: a change to any one field makes a step, undo puts
// the field back and redo brings the change again.
namespace quotella {
namespace {

struct FieldEdit {
  const char* field;
  std::function<void(PuzzleDocument&)> edit;
};

TMasterCellRec& Cell(PuzzleDocument& doc) {
  return doc.P.Cells[7];
}

// Each edit changes one field of the puzzle record, of one cell or of the document's
// other undoable parts, and nothing else.
std::vector<FieldEdit> FieldEdits() {
  return {
      {"Title", [](PuzzleDocument& d) { d.P.Title += "!"; }},
      {"Quote", [](PuzzleDocument& d) { d.P.Quote += "!"; }},
      {"Author", [](PuzzleDocument& d) { d.P.Author += "!"; }},
      {"QuoteText", [](PuzzleDocument& d) { d.P.QuoteText += "!"; }},
      {"AuthorText", [](PuzzleDocument& d) { d.P.AuthorText += "!"; }},
      {"WorkText", [](PuzzleDocument& d) { d.P.WorkText += "!"; }},
      {"QuoteLine", [](PuzzleDocument& d) { d.P.QuoteLine += "!"; }},
      {"NumCells",
       [](PuzzleDocument& d) {
         d.P.Cells[static_cast<std::size_t>(d.P.NumCells)] = {};
         d.P.NumCells -= 1;
       }},
      {"FreqOrder", [](PuzzleDocument& d) { d.P.FreqOrder = "ZYX"; }},
      {"RarityOrder", [](PuzzleDocument& d) { d.P.RarityOrder = "ZYX"; }},
      {"ReverseFreqOrder", [](PuzzleDocument& d) { d.P.ReverseFreqOrder = "ZYX"; }},
      {"NumProblemChars", [](PuzzleDocument& d) { d.P.NumProblemChars += 3; }},
      {"SingletonStr", [](PuzzleDocument& d) { d.P.SingletonStr += "Q"; }},
      {"QuotellaStr", [](PuzzleDocument& d) { d.P.QuotellaStr += "Q"; }},
      {"MasterQuote", [](PuzzleDocument& d) { d.P.MasterQuote += "Q"; }},
      {"QuoteOrig", [](PuzzleDocument& d) { d.P.QuoteOrig += "\xE9"; }},
      {"AuthorOrig", [](PuzzleDocument& d) { d.P.AuthorOrig += "\xE9"; }},
      {"WorkOrig", [](PuzzleDocument& d) { d.P.WorkOrig += "\xE9"; }},
      {"FoldedLetters", [](PuzzleDocument& d) { d.P.FoldedLetters = !d.P.FoldedLetters; }},
      {"ProblemPoolStr", [](PuzzleDocument& d) { d.P.ProblemPoolStr += "Z"; }},
      {"AllProblemChars", [](PuzzleDocument& d) { d.P.AllProblemChars = !d.P.AllProblemChars; }},
      {"PoolLetters", [](PuzzleDocument& d) { d.P.PoolLetters += "Z"; }},
      {"NumWords", [](PuzzleDocument& d) { d.P.NumWords += 1; }},
      {"Work", [](PuzzleDocument& d) { d.P.Work += "!"; }},
      {"ProblemSet", [](PuzzleDocument& d) { d.P.ProblemSet.flip('Q'); }},
      {"VowelSet", [](PuzzleDocument& d) { d.P.VowelSet.flip('Y'); }},
      {"ConsonantSet", [](PuzzleDocument& d) { d.P.ConsonantSet.flip('Y'); }},
      {"ExcludedSet", [](PuzzleDocument& d) { d.P.ExcludedSet.flip('~'); }},
      {"Pool", [](PuzzleDocument& d) { d.P.PoolOf('Q') += 2; }},
      {"SeparatorSet", [](PuzzleDocument& d) { d.P.SeparatorSet.flip('-'); }},
      {"SpareCount", [](PuzzleDocument& d) { d.P.SpareCount[4] += 1; }},
      {"Labels", [](PuzzleDocument& d) { d.P.Labels[3] = "CC"; }},
      {"ExtraCells", [](PuzzleDocument& d) { d.P.ExtraCells += 2; }},
      {"AvgWordLength", [](PuzzleDocument& d) { d.P.AvgWordLength += 0.5; }},
      {"GridOffset", [](PuzzleDocument& d) { d.P.GridOffset += 1; }},
      {"TrailingCells", [](PuzzleDocument& d) { d.P.TrailingCells += 1; }},
      {"VowelPercent", [](PuzzleDocument& d) { d.P.VowelPercent += 1.5; }},
      {"cell Char", [](PuzzleDocument& d) { Cell(d).Char = 'Q'; }},
      {"cell CellNumber", [](PuzzleDocument& d) { Cell(d).CellNumber += 100; }},
      {"cell Special", [](PuzzleDocument& d) { Cell(d).Special = !Cell(d).Special; }},
      {"cell Mapped", [](PuzzleDocument& d) { Cell(d).Mapped = !Cell(d).Mapped; }},
      {"cell KeywordRow", [](PuzzleDocument& d) { Cell(d).KeywordRow += 1; }},
      {"cell KeywordCol", [](PuzzleDocument& d) { Cell(d).KeywordCol += 1; }},
      {"cell CellLabel", [](PuzzleDocument& d) { Cell(d).CellLabel = "Z9"; }},
      {"cell Illegal", [](PuzzleDocument& d) { Cell(d).Illegal = !Cell(d).Illegal; }},
      {"cell Locked", [](PuzzleDocument& d) { Cell(d).Locked = !Cell(d).Locked; }},
      {"cell Wordstr", [](PuzzleDocument& d) { Cell(d).Wordstr += "Q"; }},
      {"cell Labelstr", [](PuzzleDocument& d) { Cell(d).Labelstr += "Q"; }},
      {"scan On", [](PuzzleDocument& d) { d.Conditions.on = !d.Conditions.on; }},
      {"scan Must Have", [](PuzzleDocument& d) { d.Conditions.mustHave = "ÅRE"; }},
      {"scan Min", [](PuzzleDocument& d) { d.Conditions.minLength = 4; }},
      {"scan Max", [](PuzzleDocument& d) { d.Conditions.maxLength = 9; }},
      {"letter lock", [](PuzzleDocument& d) { d.LetterLocked[16] = !d.LetterLocked[16]; }},
      {"grid columns", [](PuzzleDocument& d) { d.Grid.Columns += 1; }},
  };
}

// What undo must bring back, compared whole.
struct Undoable {
  Tpuzzle puzzle;
  ScanConditions conditions;
  std::array<bool, 26> locked{};
  int columns = 0;
  bool operator==(const Undoable&) const = default;
};

std::unique_ptr<Undoable> Take(const PuzzleDocument& doc) {
  return std::make_unique<Undoable>(
      Undoable{doc.P, doc.Conditions, doc.LetterLocked, doc.Grid.Columns});
}

TEST_F(History, AChangeToAnyOneFieldMakesAStepThatUndoAndRedoFollow) {
  for (const FieldEdit& e : FieldEdits()) {
    SCOPED_TRACE(e.field);
    const auto before = Take(doc);
    ASSERT_TRUE(history.Record(e.field, [&] { e.edit(doc); }));
    const auto after = Take(doc);
    ASSERT_FALSE(*after == *before);
    ASSERT_TRUE(history.Undo());
    EXPECT_TRUE(*Take(doc) == *before);
    ASSERT_TRUE(history.Redo());
    EXPECT_TRUE(*Take(doc) == *after);
    ASSERT_TRUE(history.Undo());
  }
}

TEST_F(History, DisplayMarksAloneMakeNoStepButTravelWithARealOne) {
  EXPECT_FALSE(history.Record("Marks", [&] {
    Cell(doc).WordHighlight = true;
    Cell(doc).CommonMark = true;
    Cell(doc).Cursor = true;
  }));
  EXPECT_EQ(history.UndoCount(), 0);

  ASSERT_TRUE(history.Record("Title", [&] { doc.P.Title = "Cogito"; }));
  Cell(doc).WordHighlight = false;
  ASSERT_TRUE(history.Undo());
  ASSERT_TRUE(history.Redo());
  EXPECT_EQ(doc.P.Title, "Cogito");
  EXPECT_TRUE(Cell(doc).WordHighlight);
}

}  // namespace
}  // namespace quotella
