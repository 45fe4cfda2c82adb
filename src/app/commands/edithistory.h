#pragma once

#include <QObject>
#include <QSet>
#include <QString>

#include "core/puzzlehistory.h"

class QAction;

namespace quotella {

struct WindowParts;

// The window's undo and redo. Every command of the action table and every control that
// changes the puzzle by itself (typing in the answer table, a candidate, a swap, the
// grid buttons, the title, byline and must-have boxes, the pool grid's must-have clicks, a
// three-word solution, autofill)
// is followed by a checkpoint of the puzzle history: whatever it changed becomes one
// step named after what the user did. The handlers themselves know nothing of it; the
// connections are made here, after the window's own, so they see the finished change.
//
// Edit > Undo and Redo show the name of the step they would take back or do again and
// are greyed when there is none.
class EditHistory : public QObject {
  Q_OBJECT
 public:
  // Typing ids of the text boxes (answer rows use their row number).
  static constexpr int kTitleBox = 1001;
  static constexpr int kBylineBox = 1002;
  static constexpr int kMustHaveBox = 1003;

  EditHistory(WindowParts& parts, const QList<QAction*>& commands);

  PuzzleHistory& history() { return m_history; }
  const PuzzleHistory& history() const { return m_history; }
  bool canUndo() const { return m_history.CanUndo(); }
  bool canRedo() const { return m_history.CanRedo(); }
  void undo();
  void redo();

  // After the search controller repainted: an autofill or a three-word solution may have
  // been laid.
  void searchLaid();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void connectCommand(QAction* action);
  void checkpoint(const QString& name, int typingId = -1);
  void swapped();
  void updateActions();

  WindowParts& m_parts;
  PuzzleHistory m_history;
  bool m_autofillAsked = false;  // Autofill was started and has not laid its fill yet
  bool m_startQueued = false;
  QSet<QAction*> m_connected;  // commands followed    // a new puzzle's history starts when its
                               // handler is done
};

}  // namespace quotella
