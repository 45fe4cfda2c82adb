#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "render/pagelayout.h"
#include "support/fakehost.h"
#include "support/handpuzzle.h"

namespace quotella {
namespace {

using test::FakeHost;
using test::HandPuzzle;

// Every character 10 dots wide (60 in the numbered-dash font, so number lines wrap
// early); each font its own line height.
class PageMeasure : public TextMeasure {
 public:
  int TextWidth(FontRole role, const std::string& text) const override {
    return (role == FontRole::Dash ? 60 : 10) * static_cast<int>(text.size());
  }
  int TextHeight(FontRole role, const std::string&) const override {
    switch (role) {
      case FontRole::Title:
        return 100;
      case FontRole::Byline:
        return 50;
      case FontRole::Copyright:
        return 40;
      case FontRole::Number:
        return 30;
      case FontRole::Letter:
        return 60;
      case FontRole::Help:
        return 40;
      default:
        return 50;
    }
  }
};

// Header with the copyright under the byline: 20 + 100 (title) + 50 + 40/2 + 40.
constexpr int kHeaderBottom = 230;

class PageLayoutTest : public ::testing::Test {
 protected:
  PageLayoutTest() {
    options.title = "A TITLE";
    options.byline = "by Someone";
    options.copyright = "Puzzle (c) 2003";
  }
  PageLayoutResult Compute() { return PageLayout::Compute(doc, options, page, measure); }

  // n letters, no word gaps.
  void LayLetters(int n, int columns) { HandPuzzle::Lay(doc, std::string(n, 'E'), columns); }
  // words answers of `letters` letters each over consecutive cells.
  void AddWords(int words, int letters, const std::string& clue = "A clue") {
    int cell = 1;
    for (int r = 0; r < words; ++r) {
      std::vector<int> cells;
      for (int k = 0; k < letters; ++k) cells.push_back(cell++);
      HandPuzzle::AddWord(doc, r, cells, clue);
    }
  }
  static std::vector<const PageText*> TextsOf(const LaidOutPage& p, FontRole role) {
    std::vector<const PageText*> out;
    for (const auto& t : p.texts)
      if (t.role == role) out.push_back(&t);
    return out;
  }
  static const PageText* Find(const LaidOutPage& p, const std::string& text) {
    for (const auto& t : p.texts)
      if (t.text == text) return &t;
    return nullptr;
  }

  FakeHost host;
  PuzzleDocument doc{host};
  PrintOptions options;
  PageFormat page;
  PageMeasure measure;
};

TEST_F(PageLayoutTest, TwentyOneColumnsOnA4800DotPageGive223DotCellsBelowTheHeader) {
  LayLetters(43, 21);
  const auto r = Compute();
  EXPECT_EQ(r.cellSize, 223);
  EXPECT_EQ(r.grid.left(), 50);
  EXPECT_EQ(r.grid.top(), kHeaderBottom + 100);
  EXPECT_EQ(r.grid.height(), 3 * 223);
  const auto& p = r.pages.at(0);
  const PageText* title = Find(p, "A TITLE");
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(title->x, (4800 - 70) / 2);
  EXPECT_EQ(title->y, 20);
  const PageText* copyright = Find(p, "Puzzle (c) 2003");
  ASSERT_NE(copyright, nullptr);
  EXPECT_EQ(copyright->y, 20 + 100 + 50 + 20);
  // Four horizontal lines and 21 + 1 vertical ones, the last at the right border.
  EXPECT_EQ(p.lines.size(), 4u + 22u);
  EXPECT_EQ(p.lines.back().x1(), 4750);
}

TEST_F(PageLayoutTest, FortyThreeCellsOn21By3HaveTenBlocksEachSideAndTheLastReachesTheBorder) {
  LayLetters(43, 21);
  ASSERT_EQ(doc.Grid.Rows, 3);
  const auto r = Compute();
  auto blocks = r.pages.at(0).blocks;
  ASSERT_EQ(blocks.size(), 20u);
  const int top = r.grid.top();
  for (int c = 0; c < 10; ++c) {
    EXPECT_EQ(blocks[static_cast<std::size_t>(c)], QRect(50 + c * 223, top, 223, 223));
  }
  // The trailing ten: columns 11..20 of the last row.
  for (int c = 11; c < 20; ++c)
    EXPECT_EQ(blocks[static_cast<std::size_t>(c - 1)],
              QRect(50 + c * 223, top + 2 * 223, 223, 223));
  const QRect last = blocks.back();
  EXPECT_EQ(last.left(), 50 + 20 * 223);
  EXPECT_EQ(last.left() + last.width(), 4750);
}

TEST_F(PageLayoutTest, FromTheFirstSquareTheQuotationStartsTopLeftAndTheLastRowEndsInBlocks) {
  LayLetters(43, 21);
  options.fromFirstSquare = true;
  const auto r = Compute();
  const auto& blocks = r.pages.at(0).blocks;
  ASSERT_EQ(blocks.size(), 20u);
  const int top = r.grid.top();
  // Cell 1 is the first square; positions 44 to 63 (row 3 from column 2) are blocks.
  const auto numbers = TextsOf(r.pages[0], FontRole::Number);
  ASSERT_FALSE(numbers.empty());
  EXPECT_EQ(numbers.front()->text, "1");
  EXPECT_EQ(numbers.front()->x, 50 + 10);
  EXPECT_EQ(blocks.front(), QRect(50 + 1 * 223, top + 2 * 223, 223, 223));
  EXPECT_EQ(blocks.back().left() + blocks.back().width(), 4750);
  EXPECT_EQ(doc.P.GridOffset, 10) << "the puzzle keeps its centring";
}

TEST_F(PageLayoutTest, PunctuationPrintsSmallInTheBlockAfterItsWordOnlyWhenTheWordsPairUp) {
  HandPuzzle::Lay(doc, "TO BE OR NOT", 8);  // 12 cells, 4 trailing positions
  doc.P.QuoteOrig = "To be, or \"not\"?!";
  options.punctuation = true;
  auto r = Compute();
  std::vector<const PageText*> marks;
  for (const auto* t : TextsOf(r.pages[0], FontRole::Number))
    if (t->onBlock) marks.push_back(t);
  ASSERT_EQ(marks.size(), 2u);
  const int s = r.cellSize;
  EXPECT_EQ(marks[0]->text, ",");  // in the gap after BE, cell 6
  const int column = (doc.P.GridOffset + 6 - 1) % 8;
  EXPECT_GE(marks[0]->x, 50 + column * s);
  EXPECT_LT(marks[0]->x, 50 + (column + 1) * s);
  EXPECT_EQ(marks[1]->text, "\"?!");  // after the last word, in the first trailing block
  EXPECT_GE(marks[1]->y, r.grid.top() + s);

  doc.P.QuoteOrig = "To be, or not, that is it.";  // more words than the grid holds
  r = Compute();
  for (const auto* t : TextsOf(r.pages[0], FontRole::Number)) EXPECT_FALSE(t->onBlock) << t->text;
}

TEST_F(PageLayoutTest, WordGapsAreBlocksAndLetterCellsShowNumberAndLabel) {
  HandPuzzle::Lay(doc, "TO BE-A", 8);  // one row, one trailing position
  HandPuzzle::AddWord(doc, 0, {1, 2}, "first");
  const auto r = Compute();
  const auto& p = r.pages.at(0);
  const int s = r.cellSize;
  const int top = r.grid.top();
  // The gap (cell 3), the hyphen and the trailing position are blocks; the hyphen is
  // drawn on its block.
  ASSERT_EQ(p.blocks.size(), 3u);
  EXPECT_EQ(p.blocks[0].left(), 50 + 2 * s);
  EXPECT_EQ(p.blocks[1].left(), 50 + 5 * s);
  const auto numbers = TextsOf(p, FontRole::Number);
  const auto one = std::find_if(numbers.begin(), numbers.end(),
                                [](const PageText* t) { return t->text == "1"; });
  ASSERT_NE(one, numbers.end());
  EXPECT_EQ((*one)->x, 50 + 10);
  EXPECT_EQ((*one)->y, top + 3);
  const auto label = std::find_if(numbers.begin(), numbers.end(),
                                  [](const PageText* t) { return t->text == "A"; });
  ASSERT_NE(label, numbers.end());
  EXPECT_EQ((*label)->x, 50 + s - 10 - 10);
  const PageText* hyphen = Find(p, "-");
  ASSERT_NE(hyphen, nullptr);
  EXPECT_TRUE(hyphen->onBlock);
  EXPECT_EQ(hyphen->y, top + (s - 60) / 2);
  EXPECT_TRUE(TextsOf(p, FontRole::Letter).size() == 1u) << "only the hyphen without the key";
}

TEST_F(PageLayoutTest, AFixedCellSizeChoosesTheColumnCount) {
  LayLetters(100, 21);
  EXPECT_TRUE(PageLayout::FitColumnsToCellSize(doc, 200, page, options, measure));
  EXPECT_EQ(doc.Grid.Columns, 24);
  EXPECT_EQ(Compute().cellSize, 195);

  LayLetters(100, 30);
  EXPECT_TRUE(PageLayout::FitColumnsToCellSize(doc, 200, page, options, measure));
  EXPECT_EQ(doc.Grid.Columns, 23);
  EXPECT_EQ(Compute().cellSize, 204);
  EXPECT_TRUE(host.messages.empty());

  // Widening stops at 52 columns however small the cell.
  LayLetters(100, 21);
  EXPECT_TRUE(PageLayout::FitColumnsToCellSize(doc, 20, page, options, measure));
  EXPECT_EQ(doc.Grid.Columns, 52);
}

TEST_F(PageLayoutTest, AFixedCellSizeTooTallForThePageWarnsAndKeepsTheColumns) {
  LayLetters(1000, 21);
  EXPECT_FALSE(PageLayout::FitColumnsToCellSize(doc, 400, page, options, measure));
  EXPECT_EQ(doc.Grid.Columns, 11);  // 11 x 400 <= 4700
  ASSERT_FALSE(host.messages.empty());
  EXPECT_EQ(host.messages.back(),
            "WARNING: At this cell size puzzle grid will not fit on page. Lower the cell size.");
  // The room under the header decides: 31 rows of 200 would fit the page's height of
  // 6300, but not the 5902 dots between the header and the footer.
  host.messages.clear();
  LayLetters(740, 21);
  EXPECT_FALSE(PageLayout::FitColumnsToCellSize(doc, 200, page, options, measure));
  EXPECT_EQ(doc.Grid.Columns, 24);
  ASSERT_FALSE(host.messages.empty());
  EXPECT_EQ(host.messages.back(), PageLayout::kGridWarning);
}

TEST_F(PageLayoutTest, CluesRunInTwoColumnsInPortraitAndThreeInLandscape) {
  LayLetters(260, 21);
  AddWords(52, 5);
  std::set<int> xs;
  for (const auto& pl : Compute().placements)
    if (pl.page == 0) xs.insert(pl.x);
  EXPECT_EQ(xs, (std::set<int>{50, 50 + 2350}));

  page = PageFormat{6300, 4800, true};
  xs.clear();
  for (const auto& pl : Compute().placements)
    if (pl.page == 0) xs.insert(pl.x);
  EXPECT_EQ(xs, (std::set<int>{50, 50 + 2066, 50 + 4132}));
}

TEST_F(PageLayoutTest, FiftyTwoAnswersContinueOnANumberedSecondPageUnderARunningHead) {
  LayLetters(260, 21);
  AddWords(52, 5);
  const auto r = Compute();
  ASSERT_EQ(r.pages.size(), 2u);
  ASSERT_EQ(r.placements.size(), 52u);
  const auto& second = r.pages[1];
  EXPECT_TRUE(second.blocks.empty());
  // The title runs in the byline's font and size.
  const PageText* title = Find(second, "A TITLE");
  ASSERT_NE(title, nullptr);
  EXPECT_EQ(title->role, FontRole::Byline);
  EXPECT_EQ(title->y, 20);
  const PageText* byline = Find(second, "by Someone");
  ASSERT_NE(byline, nullptr);
  EXPECT_EQ(byline->y, 70);
  EXPECT_EQ(Find(second, "Puzzle (c) 2003"), nullptr) << "no copyright on a continuation page";
  const PageText* heading = Find(second, PageLayout::kContinued);
  ASSERT_NE(heading, nullptr);
  EXPECT_EQ(heading->x, 50);
  EXPECT_EQ(heading->y, 120);
  EXPECT_NE(Find(r.pages[0], "Page 1 of 2"), nullptr);
  EXPECT_NE(Find(second, "Page 2 of 2"), nullptr);
  // The first block of the new page sits three clue lines below the heading, at the
  // same left edge as page 1, and the blocks keep their order.
  const auto first = std::find_if(r.placements.begin(), r.placements.end(),
                                  [](const CluePlacement& p) { return p.page == 1; });
  ASSERT_NE(first, r.placements.end());
  EXPECT_EQ(first->x, 50);
  EXPECT_EQ(first->y, 120 + 150);
  for (std::size_t i = 1; i < r.placements.size(); ++i) {
    const auto& a = r.placements[i - 1];
    const auto& b = r.placements[i];
    EXPECT_TRUE(std::tie(a.page, a.column, a.y) < std::tie(b.page, b.column, b.y)) << i;
  }
  // Every block on the first page ends above the page's bottom.
  for (std::size_t i = 0; i < r.placements.size(); ++i) {
    if (r.placements[i].page == 0) {
      EXPECT_LT(r.placements[i].y + r.clues[i].height, page.height) << i;
    }
  }
}

TEST_F(PageLayoutTest, ALongNumberListWrapsWithEveryNumberUnderItsDashGroup) {
  // 30 letters whose cell numbers have one, two and three digits.
  HandPuzzle::Lay(doc, std::string(130, 'E'), 21);
  std::vector<int> cells;
  for (int k = 0; k < 30; ++k) cells.push_back(k < 5 ? k + 1 : k < 20 ? 3 * k + 10 : k + 100);
  HandPuzzle::AddWord(doc, 0, cells, "a word of many letters");
  const auto r = Compute();
  ASSERT_EQ(r.clues.size(), 1u);
  const auto& lines = r.clues[0].numberLines;
  // 0.9 x 2400 = 2160 dots hold 35 characters of 60 dots: nine numbers a line.
  ASSERT_EQ(lines.size(), 4u);
  std::size_t next = 0;
  for (const auto& line : lines) {
    const int n = ClueLayout::NumbersOnLine(line);
    EXPECT_EQ(line.size(), static_cast<std::size_t>(4 * n - 1)) << line;
    for (int i = 0; i < n; ++i) {
      const std::string field = line.substr(static_cast<std::size_t>(4 * i), 3);
      const int number = doc.P.Cells[static_cast<std::size_t>(cells[next++])].CellNumber;
      const std::string digits = std::to_string(number);
      const std::string centred = digits.size() == 1   ? " " + digits + " "
                                  : digits.size() == 2 ? " " + digits
                                                       : digits;
      EXPECT_EQ(field, centred) << line;
    }
  }
  EXPECT_EQ(next, cells.size());
  // Each number line lies under a writing line of as many dash groups.
  const auto dashes = TextsOf(r.pages[0], FontRole::Dash);
  ASSERT_EQ(dashes.size(), 8u);
  for (std::size_t i = 0; i < 4; ++i) {
    std::string groups;
    for (int k = 0; k < ClueLayout::NumbersOnLine(lines[i]); ++k) groups += "___ ";
    EXPECT_EQ(dashes[2 * i]->text, groups);
    EXPECT_EQ(dashes[2 * i + 1]->text, lines[i]);
    EXPECT_EQ(dashes[2 * i + 1]->y, dashes[2 * i]->y + 50);
    EXPECT_EQ(dashes[2 * i]->x, dashes[2 * i + 1]->x);
  }
}

TEST_F(PageLayoutTest, TheKeyPutsLettersInTheGridInTheKeyLineAndOverTheNumbers) {
  HandPuzzle::Lay(doc, "QUOTE TEXT", 8);
  doc.P.AuthorOrig = "Ann Author";
  doc.P.WorkOrig = "Work";
  HandPuzzle::AddWord(doc, 0, {1, 2, 3}, "first");
  HandPuzzle::AddWord(doc, 1, {7, 8, 9, 10}, "second");
  options.key = true;
  const auto r = Compute();
  const auto& p = r.pages[0];
  const int gridBottom = r.grid.top() + r.grid.height();
  const PageText* keyLine = Find(p, "The Quotella is: " + PageLayout::AuthorAndWork(doc.P));
  ASSERT_NE(keyLine, nullptr);
  EXPECT_EQ(keyLine->x, 50);
  EXPECT_EQ(keyLine->y, gridBottom + 60);
  EXPECT_EQ(r.placements.at(0).y, gridBottom + 60 + 2 * 50);
  // Nine letters in the grid, each below its number line.
  const auto letters = TextsOf(p, FontRole::Letter);
  EXPECT_EQ(letters.size(), 9u);
  for (const auto* t : letters) EXPECT_GE(t->y, r.grid.top() + 2 + 30);
  const auto dashes = TextsOf(p, FontRole::Dash);
  ASSERT_EQ(dashes.size(), 4u);
  EXPECT_EQ(dashes[0]->text, " Q   U   O  ");
  EXPECT_EQ(dashes[1]->text, " 1   2   3 ");
  EXPECT_EQ(dashes[2]->text, " T   E   X   T  ");
}

TEST_F(PageLayoutTest, ABadNumberMapEntryIsLeftOutWithItsMessage) {
  LayLetters(20, 10);
  HandPuzzle::AddWord(doc, 0, {1, 2, 3}, "clue");
  doc.NumberGrid.At(2, 0) = "x2";
  const auto r = Compute();
  EXPECT_EQ(host.messages, std::vector<std::string>{"Val error in FillclueRecs"});
  EXPECT_EQ(r.clues.at(0).numberLines, std::vector<std::string>{" 1   3 "});
}

TEST_F(PageLayoutTest, TheHelpParagraphWrapsInTheFirstColumnAndLaterColumnsStartAtTheClueTop) {
  LayLetters(260, 21);
  AddWords(30, 5);
  options.help = true;
  const auto r = Compute();
  const auto help = TextsOf(r.pages[0], FontRole::Help);
  ASSERT_GT(help.size(), 1u);
  const int gridBottom = r.grid.top() + r.grid.height();
  EXPECT_EQ(help[0]->y, gridBottom + 60);
  std::string joined;
  for (const auto* t : help) {
    EXPECT_LT(measure.TextWidth(FontRole::Help, t->text), 2160);
    EXPECT_EQ(t->x, 50);
    joined += (joined.empty() ? "" : " ") + t->text;
  }
  EXPECT_EQ(joined, PageLayout::kHelpText);
  EXPECT_EQ(r.placements[0].y, help.back()->y + 2 * 40);
  const auto second = std::find_if(r.placements.begin(), r.placements.end(),
                                   [](const CluePlacement& p) { return p.column == 2; });
  ASSERT_NE(second, r.placements.end());
  EXPECT_EQ(second->y, gridBottom + 60);
}

TEST_F(PageLayoutTest, TheLastPageBalancesItsColumnsAndKeepsTheInstructionsFirst) {
  LayLetters(43, 21);
  AddWords(6, 4);
  auto r = Compute();
  ASSERT_EQ(r.pages.size(), 1u);
  std::map<int, int> perColumn;
  for (const auto& pl : r.placements) ++perColumn[pl.column];
  EXPECT_EQ(perColumn, (std::map<int, int>{{1, 3}, {2, 3}}));

  // In landscape the paragraph heads the first column and the clues even out beside it.
  options.help = true;
  options.key = true;
  page = PageFormat{6300, 4800, true};
  r = Compute();
  const auto help = TextsOf(r.pages[0], FontRole::Help);
  ASSERT_FALSE(help.empty());
  EXPECT_EQ(help.front()->x, 50);
  perColumn.clear();
  for (const auto& pl : r.placements) ++perColumn[pl.column];
  EXPECT_EQ(perColumn.count(1) + perColumn.count(2) + perColumn.count(3),
            3u - (perColumn.count(1) == 0));
  EXPECT_GE(perColumn[2], 1);
  EXPECT_LE(std::abs(perColumn[2] - perColumn[3]), 1);
}

TEST_F(PageLayoutTest,
       ACellNumberAndLabelShrinkWithTheSquareAndTheLabelGoesOnlyBelowTheSmallestSize) {
  // 52 columns of 90 dots: "1" and " A" need 30 dots at full size, the indents 20.
  LayLetters(60, 52);
  AddWords(2, 3);
  auto r = Compute();
  EXPECT_TRUE(r.notes.empty());
  const auto numbers = TextsOf(r.pages[0], FontRole::Number);
  ASSERT_EQ(numbers.size(), 60u + 6u);
  for (const auto* t : numbers) EXPECT_EQ(t->scale, 1.0) << t->text;

  // Wide indents leave 20 dots: the pair shrinks below 5 of the font's 6 points, so the
  // labels are left out, with a note, and the numbers keep their size.
  options.numberIndent = 35;
  options.labelIndent = 35;
  r = Compute();
  EXPECT_EQ(r.notes, std::vector<std::string>{PageLayout::kLabelsLeftOut});
  EXPECT_EQ(TextsOf(r.pages[0], FontRole::Number).size(), 60u);
}

TEST_F(PageLayoutTest, AGridTallerThanTheRoomBelowTheHeaderPrintsWithSmallerSquares) {
  LayLetters(900, 21);  // 43 rows of 223 dots would need 9589
  const auto r = Compute();
  EXPECT_EQ(r.cellSize, (6256 - 20 - 330 - 4) / 43);
  EXPECT_EQ(r.grid.width(), 21 * r.cellSize);
  EXPECT_EQ(r.grid.left(), 50 + (4700 - 21 * r.cellSize) / 2) << "centred";
  ASSERT_EQ(r.notes.size(), 1u);
  EXPECT_NE(r.notes[0].find("smaller squares"), std::string::npos);
}

TEST_F(PageLayoutTest, AnUnfinishedPuzzleCountsItsEmptyAnswersAndUnlabelledCells) {
  LayLetters(20, 10);
  AddWords(3, 4);
  EXPECT_EQ(PageLayout::Unfinished(doc), "0 answers are empty and 8 cells have no label.");
  doc.KeyWords.At(2, 1).clear();
  EXPECT_EQ(PageLayout::Unfinished(doc), "1 answer is empty and 8 cells have no label.");
  AddWords(5, 4);
  EXPECT_EQ(PageLayout::Unfinished(doc), std::nullopt);
}

TEST_F(PageLayoutTest, ALongTitleWrapsToTwoLinesAndShrinksRatherThanRunOffThePage) {
  LayLetters(43, 21);
  // Three words of 3000 dots: three lines at full size, two once shrunk.
  options.title = std::string(300, 'T') + " " + std::string(300, 'U') + " " + std::string(300, 'V');
  const auto r = Compute();
  const auto title = TextsOf(r.pages[0], FontRole::Title);
  ASSERT_EQ(title.size(), 2u);
  for (const auto* t : title) {
    EXPECT_LT(t->scale, 1.0);
    EXPECT_GE(t->x, 50);
    EXPECT_LE(t->x + measure.StyledWidth(FontRole::Title, t->text, t->scale, false), 4750);
  }
  EXPECT_EQ(title[1]->y - title[0]->y, measure.StyledHeight(FontRole::Title, title[0]->scale));
}

TEST_F(PageLayoutTest, AClueTallerThanAColumnContinuesInTheNextColumnTextThenBlanks) {
  LayLetters(43, 21);
  std::string clue;
  for (int i = 0; i < 4000; ++i) clue += "word" + std::to_string(i) + " ";
  clue += "https://example.org/" + std::string(400, 'x');
  HandPuzzle::AddWord(doc, 0, {1, 2, 3}, clue);
  HandPuzzle::AddWord(doc, 1, {4, 5}, "short");
  const auto r = Compute();
  std::vector<const PageBox*> parts;
  for (const auto& p : r.pages)
    for (const auto& b : p.boxes)
      if (b.kind == BoxKind::Clue && b.answer == 0) parts.push_back(&b);
  ASSERT_GE(parts.size(), 2u);
  // Every line of the clue is printed once, the unbreakable address in pieces no wider
  // than the column's wrap width.
  std::string printed;
  for (const auto& p : r.pages)
    for (const auto& t : p.texts)
      if (t.role == FontRole::Clue && !t.bold && t.text != "short") {
        EXPECT_LT(measure.TextWidth(FontRole::Clue, t.text), 2115) << t.text;
        printed += t.text;
      }
  EXPECT_NE(printed.find("word3999"), std::string::npos);
  EXPECT_NE(printed.find(std::string(400, 'x')), std::string::npos);
}

TEST_F(PageLayoutTest, TheFirstClueKeepsTheGapBelowTheGrid) {
  LayLetters(43, 21);
  AddWords(3, 4);
  const auto r = Compute();
  EXPECT_EQ(r.placements.at(0).y, r.grid.top() + r.grid.height() + 60);
}

TEST_F(PageLayoutTest, GridOnlyAndCluesOnlyAndTheCopyrightOnTheLastPage) {
  LayLetters(43, 21);
  AddWords(3, 4);
  options.content = PrintOptions::Content::Grid;
  auto r = Compute();
  EXPECT_TRUE(r.placements.empty());
  EXPECT_TRUE(TextsOf(r.pages[0], FontRole::Dash).empty());

  options.content = PrintOptions::Content::Clues;
  options.copyrightUnderByline = false;
  options.copyrightOnLastPage = true;
  r = Compute();
  EXPECT_TRUE(r.pages[0].blocks.empty());
  EXPECT_TRUE(r.pages[0].lines.empty());
  // Below the header (title and byline end at 170), where the grid would have begun,
  // with the same gap as under a grid.
  EXPECT_EQ(r.placements.at(0).y, 170 + 100 + 60);
  const PageText* copyright = Find(r.pages.back(), "Puzzle (c) 2003");
  ASSERT_NE(copyright, nullptr);
  EXPECT_EQ(copyright->y, page.height - 40 - 4);
}

}  // namespace
}  // namespace quotella
