#include "core/assignment.h"

#include <gtest/gtest.h>

#include <fstream>
#include <map>

#include "core/answertable.h"
#include "core/construction.h"
#include "core/textio.h"
#include "support/fakehost.h"

namespace quotella {
namespace {

class Assignment : public ::testing::Test {
 protected:
  test::FakeHost host;
  PuzzleDocument doc{host};

  void Make(const std::string& line) {
    ResetPuzzle(doc);
    ASSERT_EQ(QuotesEditorDblClick(doc, line), DblClickResult::Made) << line;
    host.Clear();
  }
  TMasterCellRec& Cell(int i) { return doc.P.Cells[static_cast<std::size_t>(i)]; }
  TablePos Type(TablePos pos, const std::string& keys) {
    for (char k : keys) pos = KeyWordsKeyPress(doc, pos, k);
    return pos;
  }
  std::string Snapshot() {
    std::string s;
    for (int r = 0; r < doc.P.NumWords; ++r)
      for (int c = 0; c < kTableSize; ++c)
        s += doc.KeyWords.At(c, r) + doc.NumberGrid.At(c, r) + "|";
    for (int l = 0; l < 26; ++l) s += std::to_string(doc.P.Pool[static_cast<std::size_t>(l)]) + ",";
    return s;
  }

  // Every table letter maps to its own cell holding that letter, every mapped cell is
  // named once, and the pool is the quotation's letters minus the table's.
  void ExpectConsistent() {
    std::map<int, int> named;
    LetterCounts used{};
    for (int r = 0; r < doc.P.NumWords; ++r) {
      for (int c = 1; c < kTableSize; ++c) {
        const std::string& letter = doc.KeyWords.At(c, r);
        if (letter.empty()) {
          EXPECT_TRUE(doc.NumberGrid.At(c, r).empty()) << c << "," << r;
          continue;
        }
        ++used[static_cast<std::size_t>(LetterIndex(letter[0]))];
        const int i = MappedIndex(doc, c, r);
        ASSERT_NE(i, 0) << c << "," << r;
        ++named[i];
        EXPECT_EQ(Cell(i).Char, letter[0]);
        EXPECT_EQ(Cell(i).KeywordRow, r);
        EXPECT_EQ(Cell(i).KeywordCol, c);
        EXPECT_EQ(Cell(i).CellLabel, doc.Label(r));
      }
    }
    for (int i = 1; i <= doc.P.NumCells; ++i) {
      EXPECT_EQ(Cell(i).Mapped, named.count(i) == 1) << i;
      EXPECT_LE(named[i], 1) << i;
    }
    LetterCounts quote{};
    for (char ch : doc.P.MasterQuote)
      if (IsUpperLetter(ch)) ++quote[static_cast<std::size_t>(LetterIndex(ch))];
    for (std::size_t l = 0; l < 26; ++l) EXPECT_EQ(doc.P.Pool[l], quote[l] - used[l]) << l;
  }
};

TEST_F(Assignment, SecondLetterAvoidsTheQuoteWordOfTheFirst) {
  Make("S@@SEE E");
  // Cells 2 and 3 share a quote word with the initial S of the same answer word.
  EXPECT_EQ(Type({2, 0}, "E"), (TablePos{3, 0}));
  EXPECT_EQ(doc.NumberGrid.At(2, 0), "5");
  EXPECT_FALSE(Cell(5).Illegal);
  // Only cells of that word are left: one is taken and marked.
  Type({3, 0}, "E");
  const int j = MappedIndex(doc, 3, 0);
  EXPECT_TRUE(j == 2 || j == 3);
  EXPECT_TRUE(Cell(j).Illegal);
  EXPECT_EQ(Cell(j).Labelstr, j == 2 ? "A*A**" : "A**A*");
  ExpectConsistent();
  EXPECT_TRUE(host.messages.empty());
  Type({4, 0}, "E");  // the last letter of the pool
  EXPECT_EQ(host.SoundNames(), (std::vector<std::string>{"type0", "type0", "type0", "cheer"}));
  EXPECT_EQ(host.messages, std::vector<std::string>{" Congratulations! Puzzle is complete "});
}

TEST_F(Assignment, TwoLetterLabelsCountAsHoldingTheirSingleLetter) {
  // Row 0 (label A) starts with X; row 26 (label AA) holds the Y of "YQ".
  Make("X" + std::string(25, 'Z') + "Y@@X " + std::string(25, 'Z') + " YQ Q");
  ASSERT_EQ(doc.KeyWords.At(0, 26), "AA");
  Type({2, 0}, "Q");
  const int j = MappedIndex(doc, 2, 0);
  EXPECT_EQ(doc.P.Cells[static_cast<std::size_t>(j)].Wordstr, "Q");
  EXPECT_FALSE(Cell(j).Illegal);
}

TEST(AssignmentRepeatability, SameActionsFromSeedZeroChooseTheSameCells) {
  const std::string line =
      "Anon@Proverbs@Look before you leap, reap, sow, and be a poor verb sans noun";
  auto run = [&](test::FakeHost& h) {
    PuzzleDocument d(h);
    ResetPuzzle(d);
    EXPECT_EQ(QuotesEditorDblClick(d, line), DblClickResult::Made);
    TablePos pos{2, 0};
    for (char k : std::string("NEAR")) pos = KeyWordsKeyPress(d, pos, k);
    LayInString(d, "PLOW", 4);
    std::string cells;
    for (int r = 0; r < d.P.NumWords; ++r)
      for (int c = 1; c < kTableSize; ++c) cells += d.NumberGrid.At(c, r) + ",";
    return cells;
  };
  test::FakeHost h1, h2;
  const std::string first = run(h1);
  EXPECT_EQ(run(h2), first);
  EXPECT_TRUE(h1.messages.empty());
}

TEST_F(Assignment, KeysEditTheRowAndKeepTheCellsConsistent) {
  Make("T@B@TO BE OR NOT TO BE");
  struct Step {
    TablePos at;
    char key;
    TablePos to;
    const char* word;  // row 0 afterwards
  };
  const Step steps[] = {
      {{1, 0}, 'O', {2, 0}, "T"},            // an initial is never edited
      {{2, 0}, kKeyBackspace, {2, 0}, "T"},  // nothing left of column 2
      {{2, 0}, ' ', {2, 0}, "T"},            // space on an empty entry
      {{2, 0}, 'o', {3, 0}, "TO"},
      {{3, 0}, 'N', {4, 0}, "TON"},
      {{3, 0}, 'E', {4, 0}, "TOE"},  // typing over releases the old letter
      {{4, 0}, kKeyBackspace, {3, 0}, "TO"},
      {{2, 0}, ' ', {3, 0}, "T"},
      {{2, 0}, '7', {2, 0}, "T"},
      {{2, 0}, kKeyEnter, {2, 1}, "T"},
  };
  for (const auto& s : steps) {
    EXPECT_EQ(KeyWordsKeyPress(doc, s.at, s.key), s.to) << s.key;
    EXPECT_EQ(Keystring(doc, 0), s.word) << s.key;
    ExpectConsistent();
  }
  EXPECT_EQ(KeyWordsKeyPress(doc, {2, 1}, kKeyEnter), (TablePos{2, 1}));  // last row stays
  EXPECT_TRUE(host.messages.empty());
  EXPECT_TRUE(doc.PuzzleChanged);
  EXPECT_EQ(host.StatusText(StatusBar::Main, 0), "Row 1");
  EXPECT_EQ(host.StatusText(StatusBar::Main, 1), "Col 2");
}

TEST_F(Assignment, ALetterThePoolLacksChangesNothing) {
  Make("T@B@TO BE");
  Type({2, 0}, "E");
  host.Clear();
  const std::string before = Snapshot();
  EXPECT_EQ(KeyWordsKeyPress(doc, {2, 1}, 'E'), (TablePos{2, 1}));
  EXPECT_EQ(host.messages,
            std::vector<std::string>{" There is no more of letter E in the character pool! "});
  EXPECT_EQ(host.SoundNames(), (std::vector<std::string>{"type0", "ding"}));
  EXPECT_EQ(Snapshot(), before);
}

TEST_F(Assignment, TypingInTheLastColumnStaysThere) {
  Make("T@@T " + std::string(52, 'E') + " " + std::string(10, 'E'));
  TablePos pos{2, 0};
  for (int k = 0; k < 55; ++k) pos = KeyWordsKeyPress(doc, pos, 'E');
  EXPECT_EQ(pos, (TablePos{51, 0}));
  EXPECT_EQ(Keystring(doc, 0), "T" + std::string(50, 'E'));
  ExpectConsistent();
}

TEST_F(Assignment, CandidatesGoToTheRowWithTheirInitial) {
  Make("T@BB@TO BE OR NOT TO BE");
  Type({2, 1}, "E");
  struct Case {
    TablePos at;
    std::vector<std::string> list;
    int selected;
    TablePos to;
    std::vector<std::string> words;
    std::vector<std::string> messages;
  };
  const Case cases[] = {
      {{2, 0}, {"BOOT"}, 0, {2, 1}, {"T", "BOOT", "B"}, {}},  // replaces row 1's BE
      {{2, 0}, {"TOTE"}, 0, {2, 0}, {"TOTE", "BOOT", "B"}, {}},
      {{2, 0}, {"NOT"}, 0, {2, 0}, {"TOTE", "BOOT", "B"}, {"No free word starting with N"}},
      {{2, 0}, {"No candidates found"}, 0, {2, 0}, {"TOTE", "BOOT", "B"}, {}},
      {{2, 0}, {"TOTE"}, -1, {2, 0}, {"TOTE", "BOOT", "B"}, {"find no sel item, dblclk"}},
      {{2, 2},
       {"BOON"},
       0,
       {2, 2},
       {"TOTE", "BOOT", "B"},
       {"Lists have changed. This word cannot be put in."}},
  };
  for (const auto& c : cases) {
    host.Clear();
    EXPECT_EQ(CandidatesDblClick(doc, c.at, c.list, c.selected), c.to) << c.list[0];
    for (int r = 0; r < 3; ++r) EXPECT_EQ(Keystring(doc, r), c.words[static_cast<std::size_t>(r)]);
    EXPECT_EQ(host.messages, c.messages) << c.list[0];
    ExpectConsistent();
  }
}

TEST_F(Assignment, ClearPuzzleOnYesKeepsOnlyInitialsAndBareClues) {
  Make("T@B@TO BE OR NOT");
  Type({2, 0}, "OO");
  Type({2, 1}, "E");
  doc.ClueLines[0] = "A. A written clue";
  host.Clear();
  EXPECT_EQ(ClearPuzzle1Click(doc, {2, 0}), (TablePos{2, 0}));  // unscripted: No
  EXPECT_EQ(Keystring(doc, 0), "TOO");
  host.confirmAnswers = {true};
  ClearPuzzle1Click(doc, {2, 0});
  EXPECT_EQ(host.questions.back(),
            "This will erase all the Answers! \rAre you sure you want to start over?");
  EXPECT_EQ(Keystring(doc, 0), "T");
  EXPECT_EQ(Keystring(doc, 1), "B");
  EXPECT_EQ(doc.ClueLines, (std::vector<std::string>{"A.", "B."}));
  EXPECT_EQ(host.SoundNames(), (std::vector<std::string>{"pshew", "pshew"}));
  ExpectConsistent();
}

TEST_F(Assignment, ClearWordReturnsTheLettersAndEmptiesTheRow) {
  Make("T@B@TO BE OR NOT");
  Type({2, 0}, "ON");
  doc.KeyWords.At(4, 0) = "Z";  // a letter that never found a cell
  host.Clear();
  ClearWord1Click(doc, {3, 0}, true);
  EXPECT_EQ(Keystring(doc, 0), "T");
  EXPECT_EQ(host.SoundNames(), std::vector<std::string>{"whip"});
  ExpectConsistent();
}

TEST_F(Assignment, LayInStringRefusesWhatNoRowCanHold) {
  Make("T@@T " + std::string(30, 'O') + " " + std::string(30, 'O'));
  EXPECT_FALSE(LayInString(doc, "TO{", 0));
  EXPECT_FALSE(LayInString(doc, "T" + std::string(51, 'O'), 0));
  EXPECT_EQ(Keystring(doc, 0), "T");
  EXPECT_TRUE(LayInString(doc, "T" + std::string(50, 'O'), 0));
  ExpectConsistent();
}

// A long word laid in at once tells the pool's viewers once, and leaves the pool views and
// the problem letters as they would be after typing it letter by letter.
TEST_F(Assignment, LayingInAWordRefreshesThePoolViewsOnce) {
  const auto views = [&] {
    std::string s = doc.PrimaryProblemStr + "|";
    for (const auto* grid : {&doc.CharPoolGrid, &doc.RankGrid, &doc.PoolNumSortGrid})
      for (const auto& line : *grid)
        for (const auto& text : line) s += text + ",";
    return s;
  };
  const std::string line = "T@@T " + std::string(30, 'O') + " " + std::string(30, 'O');
  Make(line);
  int poolChanges = 0;
  doc.Subscribe(
      [&](PuzzleDocument::Change c) { poolChanges += c == PuzzleDocument::Change::Pool; });
  ASSERT_TRUE(LayInString(doc, "T" + std::string(20, 'O'), 0));
  EXPECT_EQ(poolChanges, 1);
  EXPECT_EQ(doc.P.PoolOf('O'), 40);
  EXPECT_EQ(doc.CharPoolGrid[15][1], "40");
  const std::string laid = views();

  Make(line);
  Type({2, 0}, std::string(20, 'O'));
  EXPECT_EQ(doc.P.PoolOf('O'), 40);
  EXPECT_EQ(views(), laid);
  EXPECT_FALSE(doc.PoolViewsHeld());
  ExpectConsistent();
}

TEST_F(Assignment, RowAdvanceFollowsTheSwitch) {
  Make("T@B@TO BE");
  EXPECT_EQ(RowAdvanceClick(doc, {2, 0}), (TablePos{2, 0}));
  EXPECT_EQ(ScanConditionalClick(doc), "Auto Row Advance Off");
  EXPECT_EQ(RowAdvanceClick(doc, {2, 0}), (TablePos{2, 1}));
  EXPECT_EQ(KeyWordsKeyPress(doc, {3, 1}, kKeyEsc), (TablePos{3, 0}));
  EXPECT_EQ(CandidatesDblClick(doc, {2, 0}, {"TO"}, 0), (TablePos{2, 1}));
  EXPECT_EQ(ScanConditionalClick(doc), "Auto Row Advance On");
}

TEST_F(Assignment, MustHaveLettersShrinkToThePool) {
  Make("T@@TEA");  // pool: A and E once each
  doc.Conditions.mustHave = "eeexq";
  FixConditions(doc);
  EXPECT_EQ(doc.Conditions.mustHave, "EE");
  EXPECT_EQ(CheckNumEmpty(doc), (SearchButtonState{false, false}));
  Make("ABC@@ABC");
  EXPECT_EQ(CheckNumEmpty(doc), (SearchButtonState{true, true}));
}

TEST_F(Assignment, LayingEveryAnswerOfARealPuzzleFillsIt) {
  const auto lines =
      ReadTextLines(std::string(QUOTELLA_SOURCE_DIR) + "/tests/data/bench_quotes.txt");
  ASSERT_TRUE(lines && !lines->empty());
  Make((*lines)[0]);
  // Share the pool's letters out over the rows: any such split fills the puzzle.
  std::vector<std::string> words;
  for (int r = 0; r < doc.P.NumWords; ++r) words.push_back(doc.KeyWords.At(1, r));
  std::size_t next = 0;
  for (char l = 'A'; l <= 'Z'; ++l)
    for (int k = 0; k < doc.P.PoolOf(l); ++k) words[next++ % words.size()] += l;
  for (int r = 0; r < doc.P.NumWords; ++r) {
    host.Clear();
    CandidatesDblClick(doc, {2, r}, {words[static_cast<std::size_t>(r)]}, 0);
    EXPECT_EQ(Keystring(doc, r), words[static_cast<std::size_t>(r)]);
  }
  EXPECT_EQ(host.messages, std::vector<std::string>{"Congratulations! The Puzzle is Filled-In!"});
  EXPECT_TRUE(PoolIsEmpty(doc));
  ExpectConsistent();
  for (int i = 1; i <= doc.P.NumCells; ++i) EXPECT_EQ(Cell(i).Mapped, !Cell(i).Special) << i;
}

}  // namespace
}  // namespace quotella
