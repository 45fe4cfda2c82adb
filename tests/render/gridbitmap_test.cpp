#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>

#include "render/bitmapmaker.h"
#include "render/gridbitmap.h"
#include "support/fakehost.h"
#include "support/handpuzzle.h"

namespace quotella {
namespace {

using test::FakeHost;
using test::HandPuzzle;

void EnsureGui() {
  if (QCoreApplication::instance()) return;
  static int argc = 1;
  static char name[] = "render_tests";
  static char* argv[] = {name, nullptr};
  static QGuiApplication* app = new QGuiApplication(argc, argv);
  (void)app;
}

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
  void SetUp() override { EnsureGui(); }
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
  // The shape is brought near the area's proportions (360 x 430) first.
  const double ratio = static_cast<double>(doc.Grid.Columns) / doc.Grid.Rows;
  EXPECT_LT(ratio, 360.0 / 430.0 + 0.2);
  EXPECT_GT(ratio, 360.0 / 430.0 - 0.3);
  ExpectFit(doc, maker, true);

  HandPuzzle::Lay(doc, std::string(239, 'E'), 21);
  BitmapMaker smaller(doc);
  smaller.FitToSideArea();
  ExpectFit(doc, smaller, false);
}

}  // namespace
}  // namespace quotella
