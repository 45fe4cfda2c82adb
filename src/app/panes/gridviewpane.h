#pragma once

#include "app/panes/pane.h"
#include "render/textmeasure.h"

class QBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollArea;

namespace quotella {

class BarWidget;
class PuzzleDocument;
class PuzzleGridWidget;

// The Grid view: the puzzle grid across the whole middle of the window, drawn to fit its
// area's width and height, the row of the grid's own controls (title, byline, block
// colour, copyright, the distribution bars) and the row of print controls (orientation,
// stretch, squeeze and whatever printing adds with addPrintControl). A preview of the
// printed page's clues, when one is added with setPreview, stands under the grid.
class GridViewPane : public Pane {
  Q_OBJECT
 public:
  GridViewPane(const PuzzleDocument& doc, const FontSet& fonts, QWidget* parent = nullptr);

  PuzzleGridWidget* puzzleGrid() const { return m_puzzleGrid; }
  QScrollArea* puzzleArea() const { return m_puzzleArea; }
  QLabel* titleLabel() const { return m_titleLabel; }
  QLineEdit* titleEdit() const { return m_titleEdit; }
  QLabel* bylineLabel() const { return m_bylineLabel; }
  QLineEdit* bylineEdit() const { return m_bylineEdit; }
  QPushButton* blockColourButton() const { return m_blockColourButton; }
  QPushButton* copyrightButton() const { return m_copyrightButton; }
  QPushButton* distributionButton() const { return m_distributionButton; }
  BarWidget* distributionBar() const { return m_distributionBar; }
  BarWidget* answerBar() const { return m_answerBar; }
  QPushButton* orientationButton() const { return m_orientationButton; }
  QPushButton* stretchButton() const { return m_stretchButton; }
  QPushButton* squeezeButton() const { return m_squeezeButton; }

  // The title, byline, their labels, block colour, copyright and both distribution bars.
  QList<QWidget*> gridControls() const;
  // The print controls: the three of this pane and those added with addPrintControl.
  QList<QWidget*> printControls() const { return m_printControls; }
  // Adds a control to the print row (hidden until the Grid view shows the print row).
  void addPrintControl(QWidget* control);
  // Puts a page preview at the right of the grid; it shows with the grid.
  void setPreview(QWidget* preview);
  QWidget* preview() const { return m_preview; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  PuzzleGridWidget* m_puzzleGrid = nullptr;
  QScrollArea* m_puzzleArea = nullptr;
  QBoxLayout* m_gridRow = nullptr;
  Pane* m_gridControlRow = nullptr;
  Pane* m_printRow = nullptr;
  QLabel* m_titleLabel = nullptr;
  QLineEdit* m_titleEdit = nullptr;
  QLabel* m_bylineLabel = nullptr;
  QLineEdit* m_bylineEdit = nullptr;
  QPushButton* m_blockColourButton = nullptr;
  QPushButton* m_copyrightButton = nullptr;
  QPushButton* m_distributionButton = nullptr;
  BarWidget* m_distributionBar = nullptr;
  BarWidget* m_answerBar = nullptr;
  QPushButton* m_orientationButton = nullptr;
  QPushButton* m_stretchButton = nullptr;
  QPushButton* m_squeezeButton = nullptr;
  QList<QWidget*> m_printControls;
  QWidget* m_preview = nullptr;
};

}  // namespace quotella
