#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>

#include "guiapp.h"
#include "render/bitmapcelllayout.h"
#include "render/bitmapmaker.h"
#include "render/gridbitmap.h"
#include "support/fakehost.h"
#include "support/handpuzzle.h"

namespace quotella {
namespace {

using test::FakeHost;
using test::HandPuzzle;

// How many pixels of the area differ from the colour.
int Differing(const QImage& image, const QRect& area, QColor colour) {
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (image.pixelColor(x, y) != colour) ++n;
  return n;
}

class GridBitmapTest : public ::testing::Test {
 protected:
  void SetUp() override { test::EnsureGuiApp(); }
  FakeHost host;
  PuzzleDocument doc{host};
};

TEST_F(GridBitmapTest, TwentyColumnsByThreeRowsAtCellSize23AreA461By70Picture) {
  HandPuzzle::Lay(doc, std::string(55, 'E'), 20);
  ASSERT_EQ(doc.Grid.Rows, 3);
  BitmapMaker maker(doc);
  maker.style.cellSize = 23;
  ASSERT_TRUE(maker.Redraw());
  EXPECT_EQ(maker.Image().size(), QSize(461, 70));
  // Grid lines in black on both outer edges; blocks before the first cell.
  EXPECT_EQ(maker.Image().pixelColor(0, 35), QColor(Qt::black));
  EXPECT_EQ(maker.Image().pixelColor(460, 35), QColor(Qt::black));
  EXPECT_EQ(maker.Image().pixelColor(11, 11), QColor(Qt::black));
}

TEST_F(GridBitmapTest, LabelsAndKeyChooseWhatALetterCellShows) {
  HandPuzzle::Lay(doc, "WORD", 8);  // two blocks, then W O R D, then two blocks
  HandPuzzle::AddWord(doc, 0, {1, 2, 3, 4}, "clue");
  BitmapStyle style;
  style.cellSize = 40;
  style.block = QColor(Qt::red);
  const QRect cell(2 * 40 + 1, 1, 39, 39);              // inside the lines of cell W
  const QRect corner(cell.left(), cell.top(), 14, 12);  // where the number goes
  const QRect middle(cell.left() + 10, cell.top() + 14, 20, 20);

  style.labels = false;
  style.key = true;
  QImage image = GridBitmap::Render(doc.P, 8, 1, style);
  EXPECT_EQ(Differing(image, corner, Qt::white), 0) << "no number without labels";
  EXPECT_GT(Differing(image, middle, Qt::white), 0) << "the letter shows";

  style.labels = true;
  style.key = false;
  image = GridBitmap::Render(doc.P, 8, 1, style);
  EXPECT_GT(Differing(image, corner, Qt::white), 0) << "the number shows";
  EXPECT_EQ(Differing(image, middle, Qt::white), 0) << "no letter without the key";

  style.labels = false;
  image = GridBitmap::Render(doc.P, 8, 1, style);
  EXPECT_EQ(Differing(image, cell, Qt::white), 0) << "a plain square";
  // Blocks take the block colour.
  EXPECT_EQ(Differing(image, QRect(1, 1, 39, 39), Qt::red), 0);
  EXPECT_EQ(Differing(image, QRect(7 * 40 + 1, 1, 39, 39), Qt::red), 0);
}

TEST_F(GridBitmapTest, ABadLineWidthKeepsThePreviousPictureWithItsMessage) {
  HandPuzzle::Lay(doc, std::string(40, 'E'), 10);
  BitmapMaker maker(doc);
  int drawn = 0;
  maker.onDrawn = [&] { ++drawn; };
  ASSERT_TRUE(maker.Redraw());
  const QImage before = maker.Image();
  maker.lineWidthText = "1x";
  maker.style.cellSize = 30;
  EXPECT_FALSE(maker.Redraw());
  EXPECT_EQ(host.messages, std::vector<std::string>{"Numerical Error in values .. please Edit "});
  EXPECT_EQ(maker.Image(), before);
  EXPECT_EQ(drawn, 1);
  maker.lineWidthText = " 3 ";
  EXPECT_TRUE(maker.Redraw());
  EXPECT_EQ(maker.Image().size(), QSize(10 * 30 + 3, 4 * 30 + 3));
}

TEST_F(GridBitmapTest, NarrowerAndWiderChangeThePuzzleGridAndTheCellSizeStaysInItsRange) {
  HandPuzzle::Lay(doc, std::string(300, 'E'), 10);
  doc.Grid.PageWidth = 800;  // a page on which narrowing would warn
  BitmapMaker maker(doc);
  maker.Narrower();
  EXPECT_EQ(doc.Grid.Columns, 9);
  EXPECT_TRUE(host.messages.empty()) << "a picture has no page";
  EXPECT_EQ(maker.Image().width(), 9 * BitmapStyle::kDefaultCellSize + 1);
  maker.Wider();
  EXPECT_EQ(doc.Grid.Columns, 10);
  maker.style.cellSize = 8;
  maker.DecreaseCellSize();
  EXPECT_EQ(maker.style.cellSize, 8);
  maker.IncreaseCellSize();
  EXPECT_EQ(maker.Image().width(), 10 * 9 + 1);
}

// The fit's end state, checked against the area rather than replaying the steps.
void ExpectFit(const PuzzleDocument& doc, const BitmapMaker& maker, bool oneStepBelow) {
  const int s = maker.style.cellSize;
  auto size = [&](int cell) {
    BitmapStyle st = maker.style;
    st.cellSize = cell;
    return GridBitmap::Size(doc.Grid.Columns, doc.Grid.Rows, st);
  };
  auto reaches = [](QSize z) {
    return z.width() >= BitmapMaker::kFitWidth || z.height() >= BitmapMaker::kFitHeight;
  };
  EXPECT_EQ(maker.Image().size(), size(s));
  if (oneStepBelow) {
    EXPECT_FALSE(reaches(size(s))) << s;
    EXPECT_TRUE(reaches(size(s + 1))) << s;
  } else {
    EXPECT_TRUE(reaches(size(s))) << s;
    EXPECT_FALSE(reaches(size(s - 1))) << s;
  }
  EXPECT_EQ(maker.style.labels, s > 20);
}

TEST_F(GridBitmapTest, BitmapViewOnA240CellPuzzleEndsOneStepBelowTheFirstFit) {
  HandPuzzle::Lay(doc, std::string(240, 'E'), 21);
  BitmapMaker maker(doc);
  maker.FitToSideArea();
  EXPECT_TRUE(maker.style.key);
  // The texts follow the cell size; the chosen fonts stay.
  EXPECT_EQ(maker.style.labelFont.pointSize(), BitmapStyle().labelFont.pointSize());
  // Only the picture is fitted: the grid keeps its shape.
  EXPECT_EQ(doc.Grid.Columns, 21);
  ExpectFit(doc, maker, true);

  HandPuzzle::Lay(doc, std::string(239, 'E'), 21);
  BitmapMaker smaller(doc);
  smaller.FitToSideArea();
  ExpectFit(doc, smaller, false);
}

// A long quotation: `words` answers of five letters each, so the numbers reach three
// digits and the labels two letters.
void LayLong(PuzzleDocument& doc, int words, int columns) {
  std::string quote;
  for (int i = 0; i < words * 5; ++i) quote += static_cast<char>('A' + (i * 7) % 26);
  HandPuzzle::Lay(doc, quote, columns);
  for (int r = 0; r < words; ++r)
    HandPuzzle::AddWord(doc, r, {r * 5 + 1, r * 5 + 2, r * 5 + 3, r * 5 + 4, r * 5 + 5}, "c");
}

// The first and last rows of the square's inside (lines left out) where the two pictures
// differ, or where `a` is not white when `b` is null; {-1, -1} when there are none.
std::pair<int, int> InkRows(const QImage& a, const QImage* b, QPoint corner, int cell) {
  std::pair<int, int> rows{-1, -1};
  for (int y = 1; y < cell; ++y)
    for (int x = 1; x < cell; ++x) {
      const QPoint at = corner + QPoint(x, y);
      if (a.pixelColor(at) != (b ? b->pixelColor(at) : QColor(Qt::white))) {
        if (rows.first < 0) rows.first = y;
        rows.second = y;
        break;
      }
    }
  return rows;
}

TEST_F(GridBitmapTest, KeyLettersStayBelowTheNumberBandAtEveryCellSizeAndShift) {
  LayLong(doc, 45, 21);  // 225 cells: numbers up to 225, labels up to "SS"
  const int columns = 21;
  const int rows = doc.Grid.Rows;
  int banded = 0;
  for (int cell : {16, 23, 32, 48, 90}) {
    for (int shift : {-50, 3, 50}) {
      BitmapStyle style;
      style.cellSize = cell;
      style.keyVertical = shift;
      const QImage band = GridBitmap::Render(doc.P, columns, rows, style);
      style.key = true;
      const QImage both = GridBitmap::Render(doc.P, columns, rows, style);
      for (int i : {1, 100, 225}) {
        const int pos = i + doc.P.GridOffset - 1;
        const QPoint corner(pos % columns * cell, pos / columns * cell);
        const auto numberInk = InkRows(band, nullptr, corner, cell);
        const auto letterInk = InkRows(both, &band, corner, cell);
        ASSERT_GE(letterInk.first, 0) << "a letter in a " << cell << "-pixel square";
        if (numberInk.first < 0) continue;
        ++banded;
        EXPECT_LT(numberInk.second, letterInk.first)
            << "cell " << i << " at " << cell << " px, shift " << shift;
      }
    }
  }
  EXPECT_GE(banded, 4 * 3 * 3) << "numbers from 23 pixels on";
}

TEST_F(GridBitmapTest, TheBorderIsAsThickAsTheInnerLinesAndLinesAreAtMostAThirdOfACell) {
  HandPuzzle::Lay(doc, "WORD", 4);
  BitmapStyle style;
  style.line = QColor(Qt::blue);
  style.block = QColor(Qt::red);
  // The lengths of the runs of line colour along a row or a column of the picture.
  auto runs = [](const QImage& image, bool across, int at) {
    std::vector<int> lengths;
    int run = 0;
    const int length = across ? image.width() : image.height();
    for (int k = 0; k <= length; ++k) {
      const bool line =
          k < length && image.pixelColor(across ? k : at, across ? at : k) == Qt::blue;
      if (line) ++run;
      if (!line && run > 0) lengths.push_back(run);
      if (!line) run = 0;
    }
    return lengths;
  };
  for (const auto& [cell, width, drawn] : {std::tuple{30, 3, 3}, {30, 1, 1}, {12, 9, 4}}) {
    style.cellSize = cell;
    style.lineWidth = width;
    const QImage image = GridBitmap::Render(doc.P, 4, 1, style);
    EXPECT_EQ(image.size(), QSize(4 * cell + drawn, cell + drawn));
    EXPECT_EQ(runs(image, true, 1 + cell / 2 + 1), std::vector<int>(5, drawn)) << cell << width;
    EXPECT_EQ(runs(image, false, cell + cell / 2), std::vector<int>(2, drawn)) << cell << width;
  }
}

TEST_F(GridBitmapTest, LabelsGiveWayBeforeNumbersAndBothGrowWithTheCell) {
  LayLong(doc, 52, 21);  // numbers to 260, labels to "ZZ"
  BitmapStyle style;
  auto layout = [&](int cell) {
    style.cellSize = cell;
    return BitmapCellLayout::For(doc.P, style);
  };
  EXPECT_FALSE(layout(12).numbers) << "no legible number fits a 12-pixel square";
  EXPECT_TRUE(layout(23).numbers);
  EXPECT_FALSE(layout(23).labels) << "\"260\" beside \"ZZ\" does not fit 23 pixels legibly";
  EXPECT_TRUE(layout(BitmapStyle::kFontReferenceCellSize).labels);
  EXPECT_GT(BitmapCellLayout::PixelSize(layout(90).numberFont),
            BitmapCellLayout::PixelSize(layout(40).numberFont));
  EXPECT_GT(BitmapCellLayout::PixelSize(layout(90).keyFont),
            BitmapCellLayout::PixelSize(layout(40).keyFont));

  // What the picture shows: the top band of cell 1 (number "1", label "A").
  auto bandInk = [&](int cell, bool rightHalf) {
    style.cellSize = cell;
    const QImage image = GridBitmap::Render(doc.P, 21, doc.Grid.Rows, style);
    const int x = doc.P.GridOffset * cell;  // cell 1 is in the first row
    const int left = x + (rightHalf ? cell / 2 : 1);
    return Differing(image, QRect(left, 1, cell / 2 - 1, cell / 3), Qt::white);
  };
  EXPECT_EQ(bandInk(12, false), 0) << "no number";
  EXPECT_GT(bandInk(23, false), 0) << "the number";
  EXPECT_EQ(bandInk(23, true), 0) << "no label";
  EXPECT_GT(bandInk(40, true), 0) << "the label";
}

TEST_F(GridBitmapTest, ALongPuzzleShowsLegibleNumbersAtTheDefaultCellSizeAndLabelsAt32) {
  HandPuzzle::Lay(doc, std::string(531, 'E'), 21);  // 531 cells, 26 rows
  for (int r = 0; r < 45; ++r)
    HandPuzzle::AddWord(doc, r, {r * 11 + 1, r * 11 + 2, r * 11 + 3}, "c");
  BitmapStyle style;
  const BitmapCellLayout small = BitmapCellLayout::For(doc.P, style);
  EXPECT_TRUE(small.numbers);
  EXPECT_GE(BitmapCellLayout::PixelSize(small.numberFont), BitmapCellLayout::kMinLegiblePixels);
  style.cellSize = BitmapStyle::kFontReferenceCellSize;
  const BitmapCellLayout roomy = BitmapCellLayout::For(doc.P, style);
  EXPECT_TRUE(roomy.numbers);
  EXPECT_TRUE(roomy.labels);
  EXPECT_GE(BitmapCellLayout::PixelSize(roomy.numberFont), BitmapCellLayout::kMinLegiblePixels);
}

}  // namespace
}  // namespace quotella
