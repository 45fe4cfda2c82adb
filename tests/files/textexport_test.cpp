#include "files/textexport.h"

#include <gtest/gtest.h>

#include "core/assignment.h"
#include "core/geometry.h"
#include "core/textio.h"
#include "filestest.h"
#include "support/fakehost.h"

namespace quotella {
namespace {

using test::FakeHost;
using test::ReadAll;

// TO BE in an eight-column grid: a block, T O, a block for the blank, B E, two blocks.
struct SmallPuzzle {
  FakeHost host;
  PuzzleDocument doc{host};
  FileSession session;
  test::TempDir dir;

  SmallPuzzle() {
    test::MakePuzzle(doc, "T@B@TO BE");
    LayInString(doc, "TO", 0);
    LayInString(doc, "BE", 1);
    doc.ClueLines = {"A. Tee", "B. Bee"};
    doc.Grid.Columns = 8;
    doc.Grid.Rows = 1;
    SetCentringCounters(doc);
    session.TitleBox = "Small";
    session.BylineBox = "  by Me";
    host.Clear();
  }
  std::string Expected(const std::string& name) const {
    return ReadAll(std::string(QUOTELLA_SOURCE_DIR) + "/tests/data/" + name);
  }
};

TEST(TextExport, PuzzleAndKeyEqualTheCheckedFilesByteForByte) {
  SmallPuzzle s;
  s.host.confirmAnswers = {true};
  s.host.fileAnswers = {s.dir.Path("puzzle.txt")};
  SavePuzzleasText1Click(s.doc, s.session);
  EXPECT_EQ(s.host.questions, std::vector<std::string>{"Include Puzzle grid made of text chars?"});
  EXPECT_EQ(s.host.fileDialogs, std::vector<std::string>{"Save Puzzle as Text"});
  EXPECT_EQ(ReadAll(s.dir.Path("puzzle.txt")), s.Expected("small_puzzle.txt"));
  EXPECT_EQ(s.session.Output.OutputFileName, s.dir.Path("puzzle.txt"));

  s.host.fileAnswers = {s.dir.Path("key.txt")};
  SavePuzzleKey1Click(s.doc, s.session);
  EXPECT_EQ(ReadAll(s.dir.Path("key.txt")), s.Expected("small_key.txt"));
  EXPECT_EQ(s.session.SaveDialogTitle, "Save Puzzle Key as Text File");
}

TEST(TextExport, WithoutTheGridOnlyTheCluesAreComposed) {
  SmallPuzzle s;
  const auto lines = ComposePuzzleText(s.doc, s.session, TextForm::Puzzle, false);
  EXPECT_EQ(lines, (std::vector<std::string>{"A. Tee", " ___ ___", "   1   2", "", "B. Bee",
                                             " ___ ___", "   3   4", ""}));
}

TEST(TextExport, NumberPiecesArePaddedButNeverCut) {
  SmallPuzzle s;
  s.doc.P.Cells[1].CellNumber = 1000;
  s.doc.P.Cells[1].CellLabel = "AA";
  s.doc.P.Cells[2].CellLabel = "LONGLABEL";
  const auto grid = GridAsText(s.doc, TextForm::Puzzle);
  EXPECT_EQ(grid[0].substr(0, 33), "|#######|1000 AA|2 LONGLABEL|####");
  // A ten-column grid has an 81-character separator.
  EXPECT_EQ(ComposePuzzleText(s.doc, s.session, TextForm::Puzzle, true)[2].size(), 65u);
  s.doc.Grid.Columns = 10;
  EXPECT_EQ(GridAsText(s.doc, TextForm::Puzzle)[3].size(), 81u);
}

TEST(TextExport, AnEmptyAnswerGivesItsClueAndEmptyLines) {
  SmallPuzzle s;
  ClearWord1Click(s.doc, {1, 1}, false);
  s.doc.NumberGrid.At(1, 1).clear();  // an answer with no mapped letter at all
  const auto clues = CluesAsText(s.doc, TextForm::Key);
  EXPECT_EQ(std::vector<std::string>(clues.begin() + 4, clues.end()),
            (std::vector<std::string>{"B. Bee", "", "", ""}));
}

TEST(TextExport, SavingAsksBeforeOverwritingAndReportsFailure) {
  SmallPuzzle s;
  const std::string path = s.dir.Path("out.txt");
  test::WriteAll(path, "old");
  s.session.Output.Lines = {"new"};
  s.host.fileAnswers = {path};
  EXPECT_FALSE(SaveOutputFile(s.session, s.host));
  EXPECT_EQ(s.host.questions, std::vector<std::string>{"File " + path + " exists! Overwrite ?"});
  EXPECT_EQ(ReadAll(path), "old");

  s.host.fileAnswers = {s.dir.Path("no/such/folder.txt")};
  EXPECT_FALSE(SaveOutputFile(s.session, s.host));
  EXPECT_EQ(s.host.messages,
            std::vector<std::string>{"Could not save file " + s.dir.Path("no/such/folder.txt") +
                                     ": no such folder"});
  EXPECT_EQ(s.session.Output.OutputFileName, "output.txt");
}

TEST(TextExport, NothingIsComposedWithoutAPuzzle) {
  FakeHost host;
  PuzzleDocument doc(host);
  FileSession session;
  SavePuzzleasText1Click(doc, session);
  EXPECT_FALSE(AsText1Click(doc, session));
  EXPECT_EQ(host.messages, (std::vector<std::string>{"First you must load a puzzle!",
                                                     "First you must load or create a puzzle"}));
}

TEST(TextExport, PrintAsTextNarrowsTheGridToFourteenColumns) {
  FakeHost host;
  PuzzleDocument doc(host);
  FileSession session;
  test::MakePuzzle(doc, test::BenchQuotes().at(1));
  ASSERT_GT(doc.Grid.Columns, 14);
  host.Clear();
  host.confirmAnswers = {true};
  EXPECT_TRUE(AsText1Click(doc, session));
  EXPECT_EQ(doc.Grid.Columns, 14);
  EXPECT_EQ(host.messages.front(),
            " You will have a chance to save, or not, then Printing will begin ");
  EXPECT_EQ(session.Output.Lines[2].size(), 1u + 14 * 8);
}

TEST(TextExport, OpenOutputEditorReadsAnyTextFile) {
  SmallPuzzle s;
  const std::string path = s.dir.Path("notes.txt");
  test::WriteAll(path, "one\r\ntwo\n");
  s.host.fileAnswers = {path};
  EXPECT_TRUE(OutPut3Click(s.session, s.host));
  EXPECT_EQ(s.session.Output.Lines, (std::vector<std::string>{"one", "two"}));
  EXPECT_EQ(s.session.Output.OutputFileName, path);
  s.host.fileAnswers = {s.dir.Path("absent.txt")};
  EXPECT_FALSE(OutPut3Click(s.session, s.host));
  EXPECT_EQ(s.host.messages, std::vector<std::string>{"Could not load file "});
}

}  // namespace
}  // namespace quotella
