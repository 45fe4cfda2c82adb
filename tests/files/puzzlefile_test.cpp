#include "files/puzzlefile.h"

#include <gtest/gtest.h>

#include <iostream>
#include <random>

#include "core/answertable.h"
#include "core/textio.h"
#include "filestest.h"
#include "support/fakehost.h"

namespace quotella {
namespace {

using test::FakeHost;
using test::ReadAll;
using test::TempDir;
using test::WriteAll;

// A finished-looking puzzle of the first bench quotation (28 answer words) with row C
// left empty between filled rows.
struct SavedPuzzle {
  FakeHost host;
  PuzzleDocument doc{host};
  FileSession session;
  TempDir dir;
  std::string path = dir.Path("p.qtl");

  SavedPuzzle() {
    test::MakePuzzle(doc, test::BenchQuotes().at(0));
    test::FillRows(doc, 4, {2});
    session.TitleBox = "  A Tale  ";
    session.BylineBox = "by Someone";
    session.CopyrightText = "Puzzle \xC2\xA9 2026 by Me";
    EXPECT_TRUE(SavePuzzleAs(doc, session, path));
  }
};

TEST(PuzzleFile, SaveThenLoadReproducesThePuzzleAndASecondSaveIsIdentical) {
  SavedPuzzle saved;
  const PuzzleDocument& a = saved.doc;
  ASSERT_GE(a.P.NumWords, 28);
  ASSERT_EQ(test::BrokenInvariant(a), "");

  FakeHost host;
  PuzzleDocument b(host);
  FileSession session;
  ASSERT_TRUE(LoadPuzzleFile(b, session, saved.path));
  EXPECT_EQ(host.messages, std::vector<std::string>{});
  EXPECT_EQ(test::BrokenInvariant(b), "");

  EXPECT_EQ(b.P.NumWords, a.P.NumWords);
  for (int r = 0; r < a.P.NumWords; ++r) {
    EXPECT_EQ(Keystring(b, r), Keystring(a, r)) << "row " << r;
    EXPECT_EQ(b.ClueLines[r], a.ClueLines[r]);
    for (int c = 0; c < kTableSize; ++c) EXPECT_EQ(b.NumberGrid.At(c, r), a.NumberGrid.At(c, r));
  }
  EXPECT_EQ(Keystring(b, 2).size(), 1u);  // the empty row stays empty
  for (int i = 1; i <= a.P.NumCells; ++i) {
    EXPECT_EQ(b.P.Cells[i].CellLabel, a.P.Cells[i].CellLabel);
    EXPECT_EQ(b.P.Cells[i].Mapped, a.P.Cells[i].Mapped);
  }
  EXPECT_EQ(b.P.Pool, a.P.Pool);
  EXPECT_EQ(session.TitleBox, "A Tale");
  EXPECT_EQ(session.BylineBox, "by Someone");
  EXPECT_EQ(session.CopyrightText, "Puzzle \xC2\xA9 2026 by Me");
  EXPECT_EQ(b.Grid.Columns, a.Grid.Columns);
  EXPECT_EQ(b.Grid.Rows, a.Grid.Rows);
  EXPECT_EQ(b.P.GridOffset, a.P.GridOffset);
  EXPECT_EQ(b.P.TrailingCells, a.P.TrailingCells);
  EXPECT_EQ(b.Rng.Seed(), 1500u);
  EXPECT_TRUE(b.PuzzleExists);
  EXPECT_FALSE(b.PuzzleChanged);
  EXPECT_EQ(session.LastFile, saved.path);
  EXPECT_EQ(session.Caption, std::string(kCaptionTitle) + saved.path);

  const std::string again = saved.dir.Path("again.qtl");
  ASSERT_TRUE(SavePuzzleAs(b, session, again));
  EXPECT_EQ(ReadAll(again), ReadAll(saved.path));
}

TEST(PuzzleFile, WrittenFileHasItsSectionsInOrderWithCrLfEnds) {
  SavedPuzzle saved;
  const std::string bytes = ReadAll(saved.path);
  ASSERT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
  const auto lines = SplitLines(bytes);
  EXPECT_EQ(lines[0], kPuzzleFileHeader);
  EXPECT_EQ(lines[1], "[QUOTE]");  // no accents: no marker, as older versions wrote it
  EXPECT_EQ(lines[2], test::BenchQuotes().at(0));
  EXPECT_EQ(lines.back(), "1500");
  std::vector<std::string> tags;
  for (const auto& l : lines)
    if (!l.empty() && l[0] == '[') tags.push_back(l);
  EXPECT_EQ(tags,
            (std::vector<std::string>{"[QUOTE]", "[GRID]", "[NUMGRID]", "[title]", "[byline]",
                                      "[copyright]", "[labels]", "[keywords]", "[randseed]"}));
  // Every number-map line of a filled row ends in a blank; labels come 20 cells a line.
  const auto at = [&](const std::string& tag) {
    return static_cast<std::size_t>(std::find(lines.begin(), lines.end(), tag) - lines.begin());
  };
  EXPECT_EQ(lines[at("[NUMGRID]") + 1].back(), ' ');
  EXPECT_EQ(at("[keywords]") - at("[labels]") - 1,
            static_cast<std::size_t>(saved.doc.P.NumCells / 20 + 1));
  EXPECT_EQ(lines[at("[keywords]") + 2], Keystring(saved.doc, 0));
}

TEST(PuzzleFile, EmptyTitleAndBylineAreSavedWithTheirDefaults) {
  FakeHost host;
  PuzzleDocument doc(host);
  FileSession session;
  TempDir dir;
  test::MakePuzzle(doc, "T@B@TO BE");
  ASSERT_TRUE(SavePuzzleAs(doc, session, dir.Path("t.qtl")));
  const auto lines = SplitLines(ReadAll(dir.Path("t.qtl")));
  const auto title = std::find(lines.begin(), lines.end(), "[title]");
  ASSERT_NE(title, lines.end());
  EXPECT_EQ(title[1], "Untitled");
  EXPECT_EQ(title[3], "by Anonymous");
  EXPECT_EQ(session.TitleBox, "Untitled");
  EXPECT_EQ(doc.P.Title, "Untitled");
}

TEST(PuzzleFile, OldFormatLoadsWithTheConversionMessageAndSavesAsTheNewOne) {
  SavedPuzzle saved;
  auto lines = SplitLines(ReadAll(saved.path));
  const auto numgrid = std::find(lines.begin(), lines.end(), "[NUMGRID]");
  const auto title = std::find(lines.begin(), lines.end(), "[title]");
  lines.erase(numgrid, title);
  const std::string old = saved.dir.Path("old.qtl");
  WriteAll(old, JoinLinesCrLf(lines));

  FakeHost host;
  PuzzleDocument doc(host);
  FileSession session;
  ASSERT_TRUE(LoadPuzzleFile(doc, session, old));
  EXPECT_EQ(host.messages, std::vector<std::string>{"This file is format 3.0, not 3.1 \rThis will "
                                                    "be converted to 3.1 when you save it!"});
  EXPECT_EQ(test::BrokenInvariant(doc), "");
  for (int r = 0; r < doc.P.NumWords; ++r) EXPECT_EQ(Keystring(doc, r), Keystring(saved.doc, r));

  ASSERT_TRUE(SavePuzzleAs(doc, session, saved.dir.Path("new.qtl")));
  const auto written = SplitLines(ReadAll(saved.dir.Path("new.qtl")));
  EXPECT_NE(std::find(written.begin(), written.end(), "[NUMGRID]"), written.end());
}

TEST(PuzzleFile, TagsAreFoundInAnyCaseAndTitleAndBylineFollowTheirRules) {
  SavedPuzzle saved;
  auto lines = SplitLines(ReadAll(saved.path));
  for (auto& l : lines) {
    if (l == "[keywords]") l = "xx [KeyWords] yy";
    if (l == "[GRID]") l = "[grid]";
  }
  const auto title = std::find(lines.begin(), lines.end(), "[title]");
  title[1] = "A [bracket] title";
  title[3] = "  by Two Blanks  ";
  const std::string path = saved.dir.Path("tags.qtl");
  WriteAll(path, JoinLinesCrLf(lines));

  FakeHost host;
  PuzzleDocument doc(host);
  FileSession session;
  ASSERT_TRUE(LoadPuzzleFile(doc, session, path));
  EXPECT_EQ(session.TitleBox, "A [bracket] title");  // a bracket is text, not a tag
  EXPECT_EQ(session.BylineBox, "  by Two Blanks  ");
  EXPECT_EQ(Keystring(doc, 0), Keystring(saved.doc, 0));
}

// Files the reader refuses leave the current puzzle as it was.
TEST(PuzzleFile, RefusedFilesLeaveTheDocumentUntouched) {
  SavedPuzzle saved;
  const auto good = SplitLines(ReadAll(saved.path));
  const auto numgridRow =
      static_cast<std::size_t>(std::find(good.begin(), good.end(), "[NUMGRID]") - good.begin() + 1);
  struct Case {
    const char* name;
    std::function<void(std::vector<std::string>&)> damage;
    std::string message;
  } cases[] = {
      {"no keywords tag", [](auto& l) { std::erase(l, std::string("[keywords]")); },
       "This is not a Puzzle File!"},
      {"no randseed tag", [](auto& l) { std::erase(l, std::string("[randseed]")); },
       "This is not a Puzzle File!"},
      {"last number without its blank", [&](auto& l) { l[numgridRow] = TrimRight(l[numgridRow]); },
       "error in value parsing number grid "},
      {"quotation without at signs",
       [](auto& l) { *(std::find(l.begin(), l.end(), "[QUOTE]") + 1) = "no separators here"; },
       "Could not parse the Quotation."},
      {"answers cut short",
       [](auto& l) {
         l.erase(std::find(l.begin(), l.end(), "[randseed]") - 5,
                 std::find(l.begin(), l.end(), "[randseed]"));
         l.resize(l.size() - 1);
       },
       "The answer words of this puzzle file are cut short; it cannot be loaded."},
  };
  for (const auto& c : cases) {
    auto lines = good;
    c.damage(lines);
    const std::string path = saved.dir.Path("bad.qtl");
    WriteAll(path, JoinLinesCrLf(lines));

    FakeHost host;
    PuzzleDocument doc(host);
    FileSession session;
    test::MakePuzzle(doc, "T@B@TO BE");
    host.Clear();
    EXPECT_FALSE(LoadPuzzleFile(doc, session, path)) << c.name;
    ASSERT_FALSE(host.messages.empty()) << c.name;
    EXPECT_EQ(host.messages.back(), c.message) << c.name;
    EXPECT_EQ(doc.P.QuotellaStr, "TB") << c.name;
    EXPECT_EQ(test::BrokenInvariant(doc), "") << c.name;
    EXPECT_EQ(session.CurrentPuzzleFile, "samplepuzzle1.qtl") << c.name;
    EXPECT_EQ(session.LastFile, "puzzle1.qtl") << c.name;
  }
}

TEST(PuzzleFile, ImpossibleQuotationIsRefusedWithTheReason) {
  SavedPuzzle saved;
  auto lines = SplitLines(ReadAll(saved.path));
  *(std::find(lines.begin(), lines.end(), "[QUOTE]") + 1) = "A@B@TO BE";
  WriteAll(saved.path, JoinLinesCrLf(lines));
  FakeHost host;
  PuzzleDocument doc(host);
  FileSession session;
  EXPECT_FALSE(LoadPuzzleFile(doc, session, saved.path));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].rfind("Sorry, IMPOSSIBLE Quote! ", 0), 0u);
  EXPECT_FALSE(doc.PuzzleExists);
}

// A letter whose cell was missing when saved keeps its place in the word, and the letters
// after it keep their cells.
TEST(PuzzleFile, UnmappedLetterInsideAWordKeepsTheLettersAfterIt) {
  SavedPuzzle saved;
  PuzzleDocument& doc = saved.doc;
  const std::string word = Keystring(doc, 0);
  ASSERT_GE(word.size(), 4u);
  // Release the cell of the second letter as a failed assignment leaves it: the letter
  // stays in the table, its cell and pool count are free again.
  const int cell = MappedIndex(doc, 2, 0);
  auto& rec = doc.P.Cells[cell];
  rec.Mapped = false;
  rec.CellLabel.clear();
  rec.KeywordCol = rec.KeywordRow = 0;
  doc.NumberGrid.At(2, 0).clear();
  ++doc.P.PoolOf(rec.Char);
  const std::string third = doc.NumberGrid.At(3, 0);
  ASSERT_TRUE(SavePuzzleAs(doc, saved.session, saved.path));

  FakeHost host;
  PuzzleDocument b(host);
  FileSession session;
  ASSERT_TRUE(LoadPuzzleFile(b, session, saved.path));
  EXPECT_EQ(host.messages, std::vector<std::string>{"Error in value in set keywords "});
  EXPECT_EQ(Keystring(b, 0), word);
  EXPECT_EQ(b.NumberGrid.At(2, 0), "");
  EXPECT_EQ(b.NumberGrid.At(3, 0), third);
  EXPECT_EQ(b.P.PoolOf(rec.Char), doc.P.PoolOf(rec.Char));
}

TEST(PuzzleFile, SaveFailureKeepsTheOldFileAndSaysSo) {
  SavedPuzzle saved;
  const std::string before = ReadAll(saved.path);
  test::FillRows(saved.doc, 2, {});
  saved.doc.PuzzleChanged = true;

  // A folder that does not exist, and a target that is a folder.
  const std::pair<std::string, std::string> targets[] = {
      {saved.dir.Path("missing/p.qtl"), "no such folder"},
      {saved.dir.Path(""), "a folder is in the way"}};
  for (const auto& [target, reason] : targets) {
    saved.host.Clear();
    EXPECT_FALSE(SavePuzzleAs(saved.doc, saved.session, target));
    EXPECT_EQ(saved.host.messages,
              std::vector<std::string>{"Could not save file " + target + ": " + reason});
    EXPECT_TRUE(saved.doc.PuzzleChanged);  // closing still offers to save
  }
  EXPECT_EQ(ReadAll(saved.path), before);
  EXPECT_EQ(saved.session.CurrentPuzzleFile, saved.path);
}

TEST(PuzzleFile, SaveDialogAsksBeforeOverwriting) {
  SavedPuzzle saved;
  const std::string before = ReadAll(saved.path);
  test::FillRows(saved.doc, 2, {});
  saved.host.Clear();
  saved.host.fileAnswers = {saved.path};
  saved.host.confirmAnswers = {false};
  Puzzle2Click(saved.doc, saved.session);
  EXPECT_EQ(saved.host.fileDialogs, std::vector<std::string>{"Save Puzzle File"});
  EXPECT_EQ(saved.host.questions,
            std::vector<std::string>{"File " + saved.path + " exists! Overwrite ?"});
  EXPECT_EQ(ReadAll(saved.path), before);

  saved.host.fileAnswers = {saved.path};
  saved.host.confirmAnswers = {true};
  Puzzle2Click(saved.doc, saved.session);
  EXPECT_NE(ReadAll(saved.path), before);
}

TEST(PuzzleFile, OpeningAsksFirstAndAlwaysRunsThePreparation) {
  SavedPuzzle saved;
  FakeHost host;
  PuzzleDocument doc(host);
  FileSession session;
  int prepared = 0;
  session.BeforePuzzleLoad = [&] { ++prepared; };

  host.confirmAnswers = {true};  // then the open dialog is cancelled
  EXPECT_FALSE(Puzzle1Click(doc, session));
  EXPECT_EQ(host.questions, std::vector<std::string>{"This will erase the current puzzle! \rAre "
                                                     "you sure you want to do that?"});
  EXPECT_EQ(prepared, 1);

  host.confirmAnswers = {true};
  host.fileAnswers = {saved.path};
  EXPECT_TRUE(Puzzle1Click(doc, session));
  EXPECT_EQ(prepared, 2);
  EXPECT_EQ(session.CurrentPuzzleFile, saved.path);
  EXPECT_EQ(session.LastFile, saved.path);

  session.CurrentPuzzleFile = saved.dir.Path("gone.qtl");
  host.Clear();
  EXPECT_FALSE(SimplyLoadPuzzle(doc, session));
  EXPECT_EQ(host.messages,
            std::vector<std::string>{"File " + saved.dir.Path("gone.qtl") + " does not exist"});
  EXPECT_TRUE(session.ConfirmBeforeLoad);
  EXPECT_TRUE(doc.PuzzleExists);  // the loaded puzzle is still there
}

// Damage walked over a real file: cut at every line, and random bytes changed. The reader
// must never crash and never leave the cells, table, number map and pool disagreeing.
TEST(PuzzleFile, DamagedFilesNeverBreakThePuzzle) {
  SavedPuzzle saved;
  const std::string good = ReadAll(saved.path);
  const auto lines = SplitLines(good);
  const std::string path = saved.dir.Path("damaged.qtl");

  int loadedCount = 0, damageReported = 0;
  const auto check = [&](const std::string& bytes, const std::string& what) {
    WriteAll(path, bytes);
    FakeHost host;
    PuzzleDocument doc(host);
    FileSession session;
    test::MakePuzzle(doc, "T@B@TO BE");
    const bool loaded = LoadPuzzleFile(doc, session, path);
    EXPECT_EQ(test::BrokenInvariant(doc), "") << what;
    loadedCount += loaded;
    damageReported += loaded && !host.messages.empty();
    if (!loaded) {
      EXPECT_EQ(doc.P.QuotellaStr, "TB") << what;
    }
  };

  for (std::size_t n = 0; n <= lines.size(); ++n) {
    std::vector<std::string> cut(lines.begin(), lines.begin() + static_cast<long>(n));
    check(JoinLinesCrLf(cut), "cut at line " + std::to_string(n));
  }
  std::mt19937 rng(7);
  const std::string alphabet = "0123456789 |[]#@ABCDEZabcxyz\r\n-";
  for (int round = 0; round < 150; ++round) {
    std::string bytes = good;
    const int changes = 1 + static_cast<int>(rng() % 6);
    for (int k = 0; k < changes; ++k)
      bytes[rng() % bytes.size()] = alphabet[rng() % alphabet.size()];
    check(bytes, "random damage round " + std::to_string(round));
  }
  // The walk must reach the answer words: many damaged files still load, some with reports.
  std::cout << lines.size() + 1 << " cuts and 150 damaged copies: " << loadedCount << " loaded, "
            << damageReported << " of them with reports\n";
  EXPECT_GT(loadedCount, 100);
  EXPECT_GT(damageReported, 20);
}

}  // namespace
}  // namespace quotella

namespace quotella {
namespace {

TEST(PuzzleFile, GridShapeIsKeptOrLaidOutAfresh) {
  test::TempDir dir;
  const std::string path = dir.Path("g.qtl");
  test::FakeHost host;
  PuzzleDocument a(host);
  FileSession session;
  // The quotation begins with a blank cell, which the grid lines show as "#" as well.
  test::MakePuzzle(a, "A@B@ 'Tis a bat, a tab, a bit");
  ASSERT_EQ(a.P.Cells[1].Char, ' ');
  ASSERT_TRUE(SavePuzzleAs(a, session, path));

  test::FakeHost host2;
  PuzzleDocument b(host2);
  ASSERT_TRUE(LoadPuzzleFile(b, session, path));
  EXPECT_TRUE(host2.messages.empty());
  EXPECT_EQ(b.Grid.Columns, a.Grid.Columns);
  EXPECT_EQ(b.Grid.Rows, a.Grid.Rows);
  EXPECT_EQ(b.P.GridOffset, a.P.GridOffset);
  EXPECT_EQ(b.P.TrailingCells, a.P.TrailingCells);

  // Not centred either way: the offset is where the grid shows the quotation's cells.
  ASSERT_GT(a.P.ExtraCells, 1);
  for (int offset : {0, a.P.ExtraCells}) {
    a.P.GridOffset = offset;
    a.P.TrailingCells = a.P.ExtraCells - offset;
    ASSERT_TRUE(SavePuzzleAs(a, session, path));
    PuzzleDocument c(host2);
    ASSERT_TRUE(LoadPuzzleFile(c, session, path));
    EXPECT_EQ(c.P.GridOffset, offset);
    EXPECT_EQ(c.P.TrailingCells, a.P.ExtraCells - offset);
  }

  // A grid section too small for the cells.
  auto lines = SplitLines(ReadAll(path));
  const auto grid = std::find(lines.begin(), lines.end(), "[GRID]");
  const auto numgrid = std::find(lines.begin(), lines.end(), "[NUMGRID]");
  lines.erase(grid + 1, numgrid);
  lines.insert(std::find(lines.begin(), lines.end(), "[GRID]") + 1, "###");
  WriteAll(path, JoinLinesCrLf(lines));
  host2.Clear();
  ASSERT_TRUE(LoadPuzzleFile(b, session, path));
  EXPECT_EQ(host2.messages,
            std::vector<std::string>{
                "The grid shape in this file is damaged; the grid is laid out afresh."});
  EXPECT_EQ(b.Grid.Columns, 21);
  EXPECT_GE(b.Grid.Columns * b.Grid.Rows, b.P.NumCells);
}

}  // namespace
}  // namespace quotella

namespace quotella {
namespace {

// Number-map entries that name no usable cell: the letter keeps its place in the answer
// without a cell, and nothing else moves.
TEST(PuzzleFile, AHugeDamagedLabelLineIsReportedOnceAndKeepsThePuzzle) {
  SavedPuzzle saved;
  auto lines = SplitLines(ReadAll(saved.path));
  const auto labels = std::find(lines.begin(), lines.end(), "[labels]");
  ASSERT_NE(labels, lines.end());
  std::string damaged;
  for (int k = 0; k < 200000; ++k) damaged += "x A|";
  labels[1] = damaged;
  WriteAll(saved.path, JoinLinesCrLf(lines));

  FakeHost host;
  PuzzleDocument b(host);
  FileSession session;
  ASSERT_TRUE(LoadPuzzleFile(b, session, saved.path));
  EXPECT_EQ(host.messages, std::vector<std::string>{"Error in value in setting cellnumbers"});
  for (int r = 0; r < saved.doc.P.NumWords; ++r)
    EXPECT_EQ(Keystring(b, r), Keystring(saved.doc, r));
}

TEST(PuzzleFile, BadCellEntriesAreReportedAndSkipped) {
  SavedPuzzle saved;
  const PuzzleDocument& a = saved.doc;
  const auto good = SplitLines(ReadAll(saved.path));
  const std::size_t rowA =
      static_cast<std::size_t>(std::find(good.begin(), good.end(), "[NUMGRID]") - good.begin() + 1);
  const std::string word = Keystring(a, 0);
  ASSERT_GE(word.size(), 3u);
  // A cell holding another letter than the second letter of A's word.
  int otherLetter = 0;
  for (int i = 1; i <= a.P.NumCells && !otherLetter; ++i)
    if (!a.P.Cells[i].Special && a.P.Cells[i].Char != word[1]) otherLetter = i;
  const std::string initialA = a.NumberGrid.At(1, 0), thirdA = a.NumberGrid.At(3, 0);
  const std::string initialB = a.NumberGrid.At(1, 1);

  const struct {
    const char* name;
    std::string secondEntry;
  } cases[] = {{"index past the cells", "9999"},
               {"index zero", "0"},
               {"negative index", "-3"},
               {"cell taken by another answer", initialB},
               {"cell of another letter", std::to_string(otherLetter)}};
  for (const auto& c : cases) {
    auto lines = good;
    lines[rowA] = initialA + " " + c.secondEntry + " " + thirdA + " ";
    for (int k = 4; k <= static_cast<int>(word.size()); ++k)
      lines[rowA] += a.NumberGrid.At(k, 0) + " ";
    WriteAll(saved.path, JoinLinesCrLf(lines));

    FakeHost host;
    PuzzleDocument b(host);
    FileSession session;
    ASSERT_TRUE(LoadPuzzleFile(b, session, saved.path)) << c.name;
    EXPECT_EQ(host.messages, std::vector<std::string>{"Error in value in set keywords "}) << c.name;
    EXPECT_EQ(test::BrokenInvariant(b), "") << c.name;
    EXPECT_EQ(Keystring(b, 0), word) << c.name;
    EXPECT_EQ(b.NumberGrid.At(2, 0), "") << c.name;
    EXPECT_EQ(b.NumberGrid.At(3, 0), thirdA) << c.name;
    EXPECT_EQ(b.NumberGrid.At(1, 1), initialB) << c.name;
  }
}

TEST(PuzzleFile, AnAnswerThatDoesNotFitItsRowKeepsOnlyItsInitial) {
  SavedPuzzle saved;
  auto lines = SplitLines(ReadAll(saved.path));
  const auto keywords = std::find(lines.begin(), lines.end(), "[keywords]");
  keywords[2] = "Z" + keywords[2];  // row A's word no longer begins with its initial
  keywords[5] = keywords[5] + "1";  // row B's word holds a digit
  WriteAll(saved.path, JoinLinesCrLf(lines));
  FakeHost host;
  PuzzleDocument b(host);
  FileSession session;
  ASSERT_TRUE(LoadPuzzleFile(b, session, saved.path));
  EXPECT_EQ(host.messages,
            (std::vector<std::string>{
                "The answer word of A in this file is damaged; only its initial is kept.",
                "The answer word of B in this file is damaged; only its initial is kept."}));
  EXPECT_EQ(Keystring(b, 0), saved.doc.P.QuotellaStr.substr(0, 1));
  EXPECT_EQ(Keystring(b, 1), saved.doc.P.QuotellaStr.substr(1, 1));
  EXPECT_NE(MappedIndex(b, 1, 0), 0);
  EXPECT_EQ(test::BrokenInvariant(b), "");
  EXPECT_EQ(Keystring(b, 3), Keystring(saved.doc, 3));
}

}  // namespace
}  // namespace quotella

namespace quotella {
namespace {

// Every bench quotation, partly filled, survives a save and a load unchanged.
TEST(PuzzleFile, EveryBenchPuzzleRoundTrips) {
  test::TempDir dir;
  const auto quotes = test::BenchQuotes();
  ASSERT_FALSE(quotes.empty());
  for (std::size_t q = 0; q < quotes.size(); ++q) {
    FakeHost host;
    PuzzleDocument a(host);
    FileSession session;
    test::MakePuzzle(a, quotes[q]);
    test::FillRows(a, 3 + static_cast<int>(q % 4), {1});
    const std::string first = dir.Path("first.qtl"), second = dir.Path("second.qtl");
    ASSERT_TRUE(SavePuzzleAs(a, session, first)) << quotes[q];

    FakeHost host2;
    PuzzleDocument b(host2);
    FileSession session2;
    ASSERT_TRUE(LoadPuzzleFile(b, session2, first)) << quotes[q];
    EXPECT_TRUE(host2.messages.empty()) << quotes[q];
    EXPECT_EQ(test::BrokenInvariant(b), "") << quotes[q];
    for (int r = 0; r < a.P.NumWords; ++r)
      for (int c = 1; c < kTableSize; ++c)
        ASSERT_EQ(b.NumberGrid.At(c, r), a.NumberGrid.At(c, r)) << quotes[q] << " row " << r;
    ASSERT_TRUE(SavePuzzleAs(b, session2, second));
    EXPECT_EQ(ReadAll(second), ReadAll(first)) << quotes[q];
  }
}

}  // namespace
}  // namespace quotella
