#pragma once

#include <QObject>

class QWidget;

namespace quotella {

class BottomBar;
class GridViewPane;
class PuzzleDocument;

// The distribution mode of the Grid view: the bar of quotella letters, the bar of the
// chosen answer's letters below it, and the highlights they put on the puzzle grid.
class DistributionBar : public QObject {
  Q_OBJECT
 public:
  DistributionBar(PuzzleDocument& doc, GridViewPane& grid, BottomBar& bottom, QWidget* window);

  bool active() const { return m_active; }
  // The "Distribution" button: enters the mode, or leaves it with the Grid controls back.
  void DistributionButtonClick();
  void DistributionBarClick(int col);
  void AnswerBarClick(int col);
  void ShowQuotellaDistribution1Click();
  // Ends the mode; the title, byline and Grid buttons come back only when asked for.
  void Leave(bool showGridControls);

 private:
  void ShowAnswerBarFor(int row);
  void RepaintGrid();

  PuzzleDocument& m_doc;
  GridViewPane& m_grid;
  BottomBar& m_bottom;
  QWidget* m_window;
  bool m_active = false;
};

}  // namespace quotella
