#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "guiapp.h"
#include "render/gridpainter.h"
#include "render/highlight.h"
#include "support/fakehost.h"

namespace quotella {
namespace {

// Every glyph 6 pixels wide; number font 8 high, letter font 14 high.
class FixedMeasure : public TextMeasure {
 public:
  int TextWidth(FontRole, const std::string& text) const override {
    return 6 * static_cast<int>(text.size());
  }
  int TextHeight(FontRole role, const std::string&) const override {
    return role == FontRole::Number ? 8 : 14;
  }
};

// Lays a quotation into cells by hand: letters numbered, spaces and hyphens special.
void LayQuote(Tpuzzle& p, const std::string& quote) {
  p.NumCells = static_cast<int>(quote.size());
  int number = 0;
  for (int i = 1; i <= p.NumCells; ++i) {
    auto& c = p.Cells[static_cast<std::size_t>(i)];
    c = TMasterCellRec{};
    c.Char = quote[static_cast<std::size_t>(i - 1)];
    c.Special = c.Char == ' ' || c.Char == '-';
    c.CellNumber = c.Special ? 0 : ++number;
  }
}

TMasterCellRec Flags(bool mapped, bool swap, bool cursor, bool word, bool illegal, bool same,
                     bool common, bool locked) {
  TMasterCellRec c;
  c.Char = 'E';
  c.Mapped = mapped;
  c.SwapMark = swap;
  c.Cursor = cursor;
  c.WordHighlight = word;
  c.Illegal = illegal;
  c.Highlight = same;
  c.CommonMark = common;
  c.Locked = locked;
  return c;
}

TEST(PuzzleCellColours, FirstMatchingFlagWins) {
  const GridStyle style;
  struct Case {
    const char* name;
    TMasterCellRec cell;
    QColor bg, letter, number;
  };
  //                              mapped swap  cursor word  illeg same  common locked
  const Case cases[] = {
      {"plain mapped", Flags(true, false, false, false, false, false, false, false), kWhite, kRed,
       kRed},
      {"locked mapped", Flags(true, false, false, false, false, false, false, true), kWhite, kBlue,
       kBlue},
      {"locked best partner", Flags(true, true, false, false, false, false, false, true), kRed,
       kWhite, kWhite},
      {"cursor", Flags(true, false, true, true, false, false, false, false), kCursorColour, kBlack,
       kRed},
      {"highlighted illegal", Flags(true, false, false, true, true, false, false, false),
       kHighlightColour, kBlue, kBlue},
      {"highlighted legal", Flags(true, false, false, true, false, false, false, false),
       kHighlightColour, kRed, kRed},
      {"illegal", Flags(true, false, false, false, true, false, false, false), kIllegalColour, kRed,
       kRed},
      {"same letter", Flags(true, false, false, false, false, true, false, false), style.sameLetter,
       kHighlightColour, kHighlightColour},
      {"common mapped", Flags(true, false, false, false, false, false, true, false),
       kCommonWordColour, kRed, kRed},
      {"unmapped", Flags(false, false, false, false, false, false, false, false), kUnmappedColour,
       kRed, kWhite},
      {"unmapped locked", Flags(false, false, false, false, false, false, false, true),
       kUnmappedColour, kBlue, kWhite},
      {"unmapped common", Flags(false, false, false, false, false, false, true, false),
       kCommonWordColour, kRed, kRed},
      {"unmapped illegal before common",
       Flags(false, false, false, false, true, false, true, false), kIllegalColour, kRed, kRed},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const CellColours got = PuzzleCellColours(c.cell, style);
    EXPECT_EQ(got.background, c.bg);
    EXPECT_EQ(got.letter, c.letter);
    EXPECT_EQ(got.number, c.number);
  }
}

TEST(PuzzleCellColours, CommonWordsFollowTheHighlightSwitch) {
  GridStyle style;
  style.commonHighlight = false;
  EXPECT_EQ(PuzzleCellColours(Flags(true, false, false, false, false, false, true, false), style)
                .background,
            kWhite);
  EXPECT_EQ(PuzzleCellColours(Flags(false, false, false, false, false, false, true, false), style)
                .background,
            kUnmappedColour);
}

TEST(GridCellIndex, CentresTheQuotationWithBlocksAroundIt) {
  // 7 columns x 2 rows around 9 cells: Extra = 5, two leading and three trailing blocks.
  EXPECT_EQ(GridCellIndex(9, 7, 2, 0, 0), -1);
  EXPECT_EQ(GridCellIndex(9, 7, 2, 1, 0), 0);
  EXPECT_EQ(GridCellIndex(9, 7, 2, 2, 0), 1);
  EXPECT_EQ(GridCellIndex(9, 7, 2, 3, 1), 9);
  EXPECT_EQ(GridCellIndex(9, 7, 2, 4, 1), 10);
  // Too few positions for the cells never shifts them to before the first position.
  EXPECT_EQ(GridCellIndex(20, 4, 2, 0, 0), 1);
}

class GridImage : public ::testing::Test {
 protected:
  void SetUp() override {
    test::EnsureGuiApp();
    // cell 1..4 = T O space B E, then a hyphen cell and "A".
    LayQuote(doc.P, "TO BE-A");
  }
  QImage Paint(int columns, int rows, int cellSize) {
    const QSize size = PuzzleGridSize(columns, rows, cellSize, style.lineWidth);
    QImage img(size, QImage::Format_RGB32);
    img.fill(Qt::magenta);
    QPainter painter(&img);
    PaintPuzzleGrid(painter, doc.P, columns, rows, cellSize, style, fonts, measure);
    return img;
  }
  // Colour at the bottom-right corner of a cell, where no text is drawn.
  QColor Corner(const QImage& img, int c, int r, int cellSize) {
    const QRect rect = PuzzleCellRect(c, r, cellSize, style.lineWidth);
    return img.pixelColor(rect.right() - 1, rect.bottom() - 1);
  }
  test::FakeHost host;
  PuzzleDocument doc{host};
  GridStyle style;
  FontSet fonts;
  FixedMeasure measure;
};

TEST_F(GridImage, CellsShowTheirStateColours) {
  auto& cells = doc.P.Cells;
  cells[1].Mapped = true;  // T: plain mapped, white
  cells[2].Mapped = true;  // O: illegal
  cells[2].Illegal = true;
  cells[4].Mapped = true;  // B: locked and best swap partner
  cells[4].Locked = true;
  cells[4].SwapMark = true;
  cells[5].Mapped = true;  // E: highlighted word
  cells[5].WordHighlight = true;
  style.block = QColor(0x10, 0x20, 0x30);
  // 8 columns x 1 row around 7 cells: no leading block, one trailing.
  const QImage img = Paint(8, 1, 34);
  EXPECT_EQ(Corner(img, 0, 0, 34), kWhite);
  EXPECT_EQ(Corner(img, 1, 0, 34), kIllegalColour);
  EXPECT_EQ(Corner(img, 2, 0, 34), style.block);  // the word gap
  EXPECT_EQ(Corner(img, 3, 0, 34), kRed);
  EXPECT_EQ(Corner(img, 4, 0, 34), kHighlightColour);
  EXPECT_EQ(Corner(img, 5, 0, 34), kUnmappedColour);  // the hyphen cell
  EXPECT_EQ(Corner(img, 6, 0, 34), kUnmappedColour);  // A, unmapped
  EXPECT_EQ(Corner(img, 7, 0, 34), style.block);      // filler after the last cell
  EXPECT_EQ(img.pixelColor(0, 0), style.background);  // grid lines
}

TEST_F(GridImage, LeadingFillerPositionsAreBlocks) {
  // 4 x 3 = 12 positions for 7 cells: Extra 5, two leading blocks.
  const QImage img = Paint(4, 3, 20);
  EXPECT_EQ(Corner(img, 0, 0, 20), style.block);
  EXPECT_EQ(Corner(img, 1, 0, 20), style.block);
  EXPECT_EQ(Corner(img, 2, 0, 20), kUnmappedColour);
  EXPECT_EQ(Corner(img, 1, 2, 20), style.block);
}

// Counts the pixels of a rectangle that differ from its background: drawn text.
int CountInk(const QImage& img, const QRect& rect, const QColor& background) {
  int n = 0;
  for (int y = rect.top(); y <= rect.bottom(); ++y)
    for (int x = rect.left(); x <= rect.right(); ++x)
      if (img.pixelColor(x, y) != background) ++n;
  return n;
}

TEST_F(GridImage, SmallCellsDropNumbersAndHyphensNeverShowThem) {
  fonts.SetFont(FontRole::Number, QFont(QStringLiteral("Liberation Sans"), 7));
  // At 34 pixels the number line sits above the letter.
  const QImage big = Paint(8, 1, 34);
  const QRect topStrip(PuzzleCellRect(0, 0, 34, 2).topLeft(), QSize(34, 9));
  EXPECT_GT(CountInk(big, topStrip, kUnmappedColour), 0);
  // The hyphen cell shows the hyphen only.
  const QRect hyphenTop(PuzzleCellRect(5, 0, 34, 2).topLeft(), QSize(34, 9));
  EXPECT_EQ(CountInk(big, hyphenTop, kUnmappedColour), 0);
  // 14 + 8 >= 12 + 4: no room for numbers, so only the letter's colour appears.
  fonts.SetFont(FontRole::Letter, QFont(QStringLiteral("Liberation Sans"), 5));
  const QImage small = Paint(8, 1, 12);
  const QRect cell = PuzzleCellRect(0, 0, 12, 2);
  int whiteish = 0;
  for (int y = cell.top(); y <= cell.bottom(); ++y)
    for (int x = cell.left(); x <= cell.right(); ++x)
      if (small.pixelColor(x, y).lightness() > 200) ++whiteish;
  EXPECT_EQ(whiteish, 0);
}

TEST_F(GridImage, KeyWordCellsShowPlacementAndRarity) {
  doc.PuzzleExists = true;
  doc.KeyWords.At(0, 0) = "A";
  doc.KeyWords.At(1, 0) = "T";
  doc.KeyWords.At(2, 0) = "O";
  doc.KeyWords.At(3, 0) = "E";
  doc.NumberGrid.At(2, 0) = "2";
  std::array<QColor, 26> rarity;
  rarity.fill(kWhite);
  rarity['T' - 'A'] = QColor(166, 202, 240);
  QImage img(22 * 4, 22, QImage::Format_RGB32);
  QPainter painter(&img);
  const QFont font;
  for (int col = 0; col < 4; ++col)
    EXPECT_TRUE(PaintKeyWordCell(painter, QRect(col * 22, 0, 22, 22), doc, col, 0, rarity, font));
  painter.end();
  EXPECT_EQ(img.pixelColor(20, 20), kCreamColour);
  EXPECT_EQ(img.pixelColor(42, 20), QColor(166, 202, 240));
  EXPECT_EQ(img.pixelColor(64, 20), kWhite);
  EXPECT_EQ(img.pixelColor(86, 20), kUnplacedColour);
}

TEST_F(GridImage, PoolCellsMarkMustHaveAndLockedLetters) {
  doc.CharPoolGrid[5] = {"E", "3", "1"};
  doc.PoolNumSortGrid[5] = {"E", "", ""};
  doc.Conditions.mustHave = "ee";
  doc.LetterLocked[4] = true;
  QImage img(40, 20, QImage::Format_RGB32);
  QPainter painter(&img);
  const QFont font;
  EXPECT_TRUE(PaintPoolCell(painter, QRect(0, 0, 20, 20), doc, PoolGridKind::CharPool, 1, 5, font));
  EXPECT_TRUE(
      PaintPoolCell(painter, QRect(20, 0, 20, 20), doc, PoolGridKind::CharPool, 2, 5, font));
  EXPECT_FALSE(PaintPoolCell(painter, QRect(), doc, PoolGridKind::NumSort, 1, 5, font));
  EXPECT_FALSE(PaintPoolCell(painter, QRect(), doc, PoolGridKind::CharPool, 1, 6, font));
  EXPECT_FALSE(PaintPoolCell(painter, QRect(), doc, PoolGridKind::Rank, 2, 5, font));
  painter.end();
  EXPECT_EQ(img.pixelColor(18, 18), kIllegalColour);
  EXPECT_EQ(img.pixelColor(38, 18), kRed);
}

TEST(Highlight, WordsInitialsAndCursor) {
  test::FakeHost host;
  PuzzleDocument doc(host);
  LayQuote(doc.P, "TO BE");
  doc.P.QuotellaStr = "TB";
  doc.KeyWords.At(1, 0) = "T";
  doc.KeyWords.At(2, 0) = "O";
  doc.KeyWords.At(3, 0) = "E";
  doc.NumberGrid.At(1, 0) = "1";
  doc.NumberGrid.At(2, 0) = "2";  // E of row 0 is not placed
  doc.KeyWords.At(1, 1) = "B";
  doc.NumberGrid.At(1, 1) = "4";

  HighlightInitials(doc);
  EXPECT_TRUE(doc.P.Cells[1].WordHighlight);
  EXPECT_TRUE(doc.P.Cells[4].WordHighlight);
  EXPECT_FALSE(doc.P.Cells[2].WordHighlight);

  Unhighlight(doc.P);
  HighlightWord(doc, 0);
  EXPECT_TRUE(doc.P.Cells[1].WordHighlight);
  EXPECT_TRUE(doc.P.Cells[2].WordHighlight);
  EXPECT_FALSE(doc.P.Cells[4].WordHighlight);
  EXPECT_EQ(host.messages, std::vector<std::string>{"Err in value HighlightWord"});

  EXPECT_TRUE(SetCursorCell(doc, 2, 0));
  EXPECT_TRUE(doc.P.Cells[2].Cursor);
  EXPECT_FALSE(SetCursorCell(doc, 3, 0));  // unplaced: nothing changes
  EXPECT_TRUE(doc.P.Cells[2].Cursor);
  // A number-map entry pointing outside the quotation is treated as unplaced.
  doc.NumberGrid.At(1, 1) = "999";
  EXPECT_FALSE(SetCursorCell(doc, 1, 1));
}

}  // namespace
}  // namespace quotella
