// Undo keeps the whole puzzle record: a change to any one field makes a step, undo puts
// the field back and redo brings the change again.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/construction.h"
#include "core/puzzlehistory.h"
#include "support/fakehost.h"

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

class UndoFields : public ::testing::Test {
 protected:
  test::FakeHost host;
  PuzzleDocument doc{host};
  PuzzleHistory history{doc};

  void SetUp() override {
    InitPuzzleDefaults(doc);
    ResetPuzzle(doc);
    // Answer rows A, B, R, A, H, ... (ABRAHAMLINCOLNGETTYSBURGADDRESS).
    ASSERT_EQ(QuotesEditorDblClick(
                  doc,
                  "Abraham Lincoln@Gettysburg Address@Four score and seven years ago our "
                  "fathers brought forth on this continent, a new nation, conceived in "
                  "Liberty, and dedicated to the proposition that all men are created equal."),
              DblClickResult::Made);
    history.Start();
  }
};

TEST_F(UndoFields, AChangeToAnyOneFieldMakesAStepThatUndoAndRedoFollow) {
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

TEST_F(UndoFields, DisplayMarksAloneMakeNoStepButTravelWithARealOne) {
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
