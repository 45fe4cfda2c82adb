#include "core/geometry.h"

#include <gtest/gtest.h>

#include "core/construction.h"
#include "support/fakehost.h"

namespace quotella {
namespace {

struct Shape {
  int columns, rows, extra, offset, trailing;
  bool operator==(const Shape&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Shape& s) {
  return os << s.columns << "x" << s.rows << " extra " << s.extra << " offset " << s.offset
            << " trailing " << s.trailing;
}

class Geometry : public ::testing::Test {
 protected:
  test::FakeHost host;
  PuzzleDocument doc{host};
  void Make(int cells) {
    // One long quotation of `cells` cells in words of at most 10 letters.
    std::string q;
    while (static_cast<int>(q.size()) < cells) q += (q.size() % 11 == 10) ? ' ' : 'E';
    if (q.back() == ' ') q.back() = 'E';
    ResetPuzzle(doc);
    ASSERT_EQ(QuotesEditorDblClick(doc, "E@@" + q), DblClickResult::Made);
    ASSERT_EQ(doc.P.NumCells, cells);
    host.Clear();
  }
  Shape Now() const {
    return {doc.Grid.Columns, doc.Grid.Rows, doc.P.ExtraCells, doc.P.GridOffset,
            doc.P.TrailingCells};
  }
};

TEST_F(Geometry, WideningAndNarrowingKeepEveryCellWithLessThanARowSpare) {
  Make(43);
  EXPECT_EQ(Now(), (Shape{21, 3, 20, 10, 10}));
  EXPECT_TRUE(StretchGrid1Click(doc));
  EXPECT_EQ(Now(), (Shape{22, 2, 1, 0, 1}));
  EXPECT_EQ(host.StatusText(StatusBar::Print2, 0), "Columns 22");
  EXPECT_EQ(host.StatusText(StatusBar::Print2, 1), "Rows 2");
  EXPECT_EQ(host.StatusText(StatusBar::Print2, 2), "Extra 1");
  EXPECT_EQ(host.SoundNames(), std::vector<std::string>{"tick"});

  Make(42);
  EXPECT_EQ(Now(), (Shape{21, 2, 0, 0, 0}));
  EXPECT_TRUE(SqueezeGrid1Click(doc));
  EXPECT_EQ(Now(), (Shape{20, 3, 18, 9, 9}));
  EXPECT_EQ(host.SoundNames(), std::vector<std::string>{"qclick"});
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(Geometry, WidthStopsAtEightAndFiftyTwoColumns) {
  Make(43);
  while (SqueezeGrid1Click(doc)) {
  }
  EXPECT_EQ(Now(), (Shape{8, 6, 5, 2, 3}));
  host.Clear();
  EXPECT_FALSE(SqueezeGrid1Click(doc));
  EXPECT_TRUE(host.SoundNames().empty());
  while (StretchGrid1Click(doc)) {
  }
  EXPECT_EQ(Now(), (Shape{52, 1, 9, 4, 5}));
}

TEST_F(Geometry, AFullGridSaysSoAndKeepsEveryCellInside) {
  Make(42);
  doc.Grid.Columns = 20;
  doc.Grid.Rows = 2;  // a shape too small for the cells, as a damaged file may give
  EXPECT_TRUE(StretchGrid1Click(doc));
  EXPECT_EQ(host.messages, std::vector<std::string>{"They are equal"});
  EXPECT_EQ(Now(), (Shape{21, 2, 0, 0, 0}));
}

TEST_F(Geometry, CellSizeAndPrintStatusFollowThePrinter) {
  Make(43);
  const CellSize size = GridCellSize(doc.Grid);
  EXPECT_EQ(size.printer, 228);
  EXPECT_EQ(size.screen, 34);
  UpdatePrintStatusBar(doc);
  EXPECT_EQ(host.StatusText(StatusBar::Print1, 0), "Width 4800");
  EXPECT_EQ(host.StatusText(StatusBar::Print1, 2), "Size 228");
  EXPECT_EQ(host.StatusText(StatusBar::Print1, 3), "Portrait");
  EXPECT_EQ(host.StatusText(StatusBar::Print1, 4), "Clues at 684");
  EXPECT_EQ(OrentationButtonClick(doc), "Portrait");
  EXPECT_EQ(host.StatusText(StatusBar::Print1, 0), "Width 6300");
  EXPECT_EQ(host.StatusText(StatusBar::Print1, 3), "Landscape");
  EXPECT_EQ(OrentationButtonClick(doc), "Landscape");

  doc.Grid.PrinterAvailable = false;
  host.Clear();
  EXPECT_EQ(OrentationButtonClick(doc), "Landscape");
  EXPECT_TRUE(host.statuses.empty());
}

TEST_F(Geometry, NarrowGridsTooTallForThePageWarn) {
  Make(200);
  while (doc.Grid.Columns > 14) SqueezeGrid1Click(doc);
  EXPECT_EQ(Now(), (Shape{14, 15, 10, 5, 5}));  // 15 rows of 342 pixels: 5130
  EXPECT_TRUE(host.messages.empty());
  SqueezeGrid1Click(doc);  // 16 rows of 369 pixels: 5904
  EXPECT_EQ(host.messages,
            std::vector<std::string>{"WARNING: Grid will not fit on the page at this size!"});
}

}  // namespace
}  // namespace quotella
