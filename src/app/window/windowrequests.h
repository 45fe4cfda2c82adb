#pragma once

#include <QList>
#include <QString>

class QAction;
class QWidget;

namespace quotella {

// What a handler may ask of the window it lives in, beside the parts it was built with:
// repaint every view, open a view of the view table, reach a command of the action table,
// show the session's caption and the recent-puzzles entry after a file operation. The
// window implements it; handlers never see the window's other parts through it.
class WindowRequests {
 public:
  virtual ~WindowRequests() = default;

  virtual void RefreshViews() = 0;
  // Opens a view of the view table by name ("Puzzle", "Grid", ...).
  virtual bool ShowView(const QString& view, int arg = 0) = 0;
  // A command of the action table by its object name; an unknown name is reported and
  // answers null.
  virtual QAction* command(const QString& name) const = 0;
  // The controls of a group of the view table ("@lists", ...).
  virtual QList<QWidget*> viewControls(const QString& group) const = 0;
  // After a file or list operation: the caption, every view and the recent-puzzles menu.
  virtual void FileOperationDone() = 0;
  // The window itself, as the parent of dialogs.
  virtual QWidget& window() = 0;
  // The window's background, behind the rooms.
  virtual QWidget& background() = 0;
};

}  // namespace quotella
