// The window's middle area and its size: views bring one page of the middle area to the
// front, bars and views never resize the window, and the Grid view and Bitmap View show
// the whole grid at the window's first size.

#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>

#include "app/print/printroom.h"
#include "app/widgets/fittedpicture.h"
#include "windowfixture.h"

namespace quotella {
namespace {

using test::WindowTest;

class WindowLayoutTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    window->resize(kFirstSize);
    QApplication::processEvents();
  }
  void Run(const char* command) {
    window->command(QString::fromLatin1(command))->trigger();
    QApplication::processEvents();
  }
  void Click(const char* button) {
    Find<QPushButton>(button)->click();
    QApplication::processEvents();
  }
  QString Front() { return Find<QStackedWidget>("MiddleArea")->currentWidget()->objectName(); }
  static constexpr QSize kFirstSize{805, 587};
};

TEST_F(WindowLayoutTest, EachViewBringsItsPageOfTheMiddleAreaToTheFront) {
  LoadSample();
  Run("Puzzle3");
  EXPECT_EQ(Front(), QStringLiteral("PanesPage"));
  EXPECT_TRUE(Visible("KeyWords"));
  Run("Grid1");
  EXPECT_EQ(Front(), QStringLiteral("GridPage"));
  EXPECT_TRUE(Visible("PuzzleGridArea"));
  EXPECT_FALSE(Visible("KeyWords"));
  EXPECT_FALSE(Visible("Cluelist"));
  // A view that needs the panes is refused in the Grid view and leaves it in front.
  Click("CluesButton");
  EXPECT_EQ(Front(), QStringLiteral("GridPage"));
  Run("Quotes3");
  EXPECT_EQ(Front(), QStringLiteral("PanesPage"));
  EXPECT_TRUE(Visible("QuotesEditor"));
  EXPECT_FALSE(Visible("PuzzleGridArea"));
  Run("Puzzle3");
  Run("BitmapView1");
  EXPECT_EQ(Front(), QStringLiteral("PanesPage"));
  EXPECT_TRUE(Visible("SideBitmapArea"));
}

TEST_F(WindowLayoutTest, BarsAndViewsLeaveTheWindowItsSize) {
  LoadSample();
  ASSERT_EQ(window->size(), kFirstSize);
  const auto unchanged = [&](const char* step) {
    QApplication::processEvents();
    EXPECT_EQ(window->size(), kFirstSize) << step;
  };
  Run("Grid1");
  unchanged("Grid view");
  Run("Puzzle3");  // the search bar of the bottom bar comes back
  unchanged("Puzzle view");
  Find("SearchStatusBar")->show();
  unchanged("search status bar");
  Find("SearchStatusBar")->hide();
  Click("CandidatesButton");
  EXPECT_TRUE(Visible("CandidateStatusBar"));
  unchanged("candidate bar");
  Run("Puzzle3");
  Run("BitmapView1");
  EXPECT_TRUE(Visible("SideBitmapArea"));
  unchanged("Bitmap View");
  for (const char* view : {"Output1", "Quotes3", "Grid1", "Puzzle3"}) {
    Run(view);
    unchanged(view);
  }
}

TEST_F(WindowLayoutTest, GridViewShowsEveryColumnAndRowWithTheCluesUnderTheGrid) {
  LoadSample();
  Run("Grid1");
  PuzzleGridWidget* grid = window->puzzleGrid();
  auto* area = Find<QScrollArea>("PuzzleGridArea");
  auto* preview = Find<QScrollArea>("CluePreviewArea");
  ASSERT_GT(grid->columns(), 14);
  EXPECT_TRUE(Visible("CluePreviewArea"));
  // The last cell of the grid lies inside the part of the area the user sees.
  const QRect last = grid->shown(PuzzleCellRect(grid->columns() - 1, grid->rows() - 1,
                                                grid->cellSize(), grid->style().lineWidth));
  const QRect seen = area->viewport()->rect();
  EXPECT_TRUE(seen.contains(grid->mapTo(area->viewport(), last.bottomRight())))
      << grid->columns() << " columns drawn " << grid->width() << " wide in " << seen.width();
  EXPECT_FALSE(area->horizontalScrollBar()->isVisible());
  // The clue preview stands under the grid, as wide as the pane.
  EXPECT_GE(preview->geometry().top(), area->geometry().bottom());
  EXPECT_EQ(preview->width(), area->width());
  // A double click on the drawn cell finds the cell.
  EXPECT_EQ(grid->positionAt(last.center()), QPoint(grid->columns() - 1, grid->rows() - 1));
}

TEST_F(WindowLayoutTest, BitmapViewShowsTheWholePicture) {
  LoadSample();
  Run("Puzzle3");
  Run("BitmapView1");
  auto* picture = Find<FittedPicture>("SideBitmap");
  auto* area = Find<QScrollArea>("SideBitmapArea");
  ASSERT_FALSE(picture->pixmap().isNull());
  const QRect drawn = picture->pictureRect();
  ASSERT_FALSE(drawn.isEmpty());
  const QRect seen = area->viewport()->rect();
  EXPECT_TRUE(seen.contains(picture->mapTo(area->viewport(), drawn.bottomRight())))
      << drawn.height() << " high in " << seen.height();
  // Drawn smaller, never out of proportion.
  const QSize full = picture->pixmap().size();
  EXPECT_NEAR(static_cast<double>(drawn.width()) / drawn.height(),
              static_cast<double>(full.width()) / full.height(), 0.05);
}

}  // namespace
}  // namespace quotella
