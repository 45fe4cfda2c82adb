// The rooms' buttons reach their commands: each click shows what its command shows.

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include "app/window/mainwindow.h"
#include "windowfixture.h"

namespace quotella {
namespace {

using test::PuzzleWindowTest;

class RoomWiringTest : public PuzzleWindowTest {
 protected:
  void Click(const char* button) {
    auto* b = Find<QPushButton>(button);
    ASSERT_NE(b, nullptr) << button;
    QTest::mouseClick(b, Qt::LeftButton);
    QApplication::processEvents();
  }
};

TEST_F(RoomWiringTest, ViewListAndPoolButtonsOpenTheirViews) {
  const std::pair<const char*, const char*> clicks[] = {
      {"QuotesButton", "QuotesEditor"}, {"OutputButton", "OutputEditor"},
      {"PuzzleButton", "KeyWords"},     {"List2Button", "Wordlist2"},
      {"CluesButton", "Cluelist"},      {"CandidatesButton", "Candidates"},
      {"RankSortButton", "RankGrid"},   {"SortPoolButton", "PoolNumSortGrid"},
      {"AlphaButton", "CharPoolGrid"},  {"GridButton", "PuzzleGridArea"},
  };
  for (const auto& [button, shown] : clicks) {
    Click(button);
    EXPECT_TRUE(Visible(shown)) << button << " should show " << shown;
  }
  EXPECT_FALSE(Visible("KeyWords"));  // the Grid view took the middle
}

TEST_F(RoomWiringTest, TheGridViewsButtonsStretchAndSqueezeTheGrid) {
  Click("GridButton");
  const int columns = doc().Grid.Columns;
  Click("GridSqueezeButton");
  EXPECT_EQ(doc().Grid.Columns, columns - 1);
  Click("GridStretchButton");
  Click("GridStretchButton");
  EXPECT_EQ(doc().Grid.Columns, columns + 1);
}

}  // namespace
}  // namespace quotella
