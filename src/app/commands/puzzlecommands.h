#pragma once

#include <QObject>

namespace quotella {

class MainWindow;

// Making a puzzle and shaping its grid: a double click on a quotes line (or "Make Puzzle
// of Current Line") makes a puzzle of that line; any new puzzle ends the searches and
// drops the old one's marks; Stretch Grid and Squeeze Grid widen and narrow the grid.
class PuzzleCommands : public QObject {
  Q_OBJECT
 public:
  explicit PuzzleCommands(MainWindow& window);

  // Makes a puzzle of the quotes line under the caret; a changed puzzle is offered for
  // saving first ("Puzzle file has changed. Save it?"; Cancel keeps it).
  void QuotesEditorDblClick();
  // A new puzzle replaces the old one: searches end, swap marks go, the lists follow.
  void NewPuzzleShown();
  void StretchGrid1Click();
  void SqueezeGrid1Click();

 private:
  MainWindow& w;
};

}  // namespace quotella
