#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "core/puzzlehistory.h"

class QAction;

namespace quotella {

class AnswerPane;
class FileSession;
class PuzzleDocument;
class WindowRequests;

// The window's undo and redo. A change is recorded where it is made: the action table runs
// every command inside a step named by its caption, the room wiring runs the controls that
// change the puzzle by themselves (typing in the answer table, a candidate, a swap, the grid
// buttons, the title, byline, must-have and length boxes, the conditions switch) inside steps named
// after what the user did, and a search's result that arrives from its worker (an autofill, a laid
// three-word solution) is laid inside a step of its own. A step that changed nothing leaves no
// trace.
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
  static constexpr int kMinLengthBox = 1004;
  static constexpr int kMaxLengthBox = 1005;

  // The history of `doc` with the session's title, byline and copyright texts; the answer
  // table's caret ends typing steps; Undo and Redo are reached through `requests`.
  EditHistory(PuzzleDocument& doc, FileSession& session, AnswerPane& answer,
              WindowRequests& requests);

  PuzzleHistory& history() { return m_history; }
  const PuzzleHistory& history() const { return m_history; }
  bool canUndo() const { return m_history.CanUndo(); }
  bool canRedo() const { return m_history.CanRedo(); }
  void undo();
  void redo();

  // Runs `change` as one step named `name`. A step inside another (a command that runs a
  // control's handler) joins it, under the outer name.
  void Step(const QString& name, const std::function<void()>& change);
  // A command of the action table, as a step named by its caption ("&Clear Word" makes
  // "Clear Word"). Undo and Redo run as they are.
  void Command(const QAction* action, const std::function<void()>& run);
  // A key typed into answer row `row`: the keys typed into one row make one step until the
  // caret leaves it.
  void Typing(int row, const std::function<void()>& change);
  // An edit of a text box: the edits of one box make one step until another step begins.
  void BoxEdit(int box, const QString& name, const std::function<void()>& change);
  // The box's value is committed (Enter, or the focus left it): its next edit is a new step.
  void EndBoxEdit() { m_history.CloseTyping(); }
  // A change a control has already made (a switch flipped), as a step of its own.
  void Changed(const QString& name);
  // An exchange of cells, named after the two printed numbers ("Swap 12 ↔ 40").
  void Swap(const std::function<void()>& change);

  // `change` as a step of `history`, or as it is while the window has none yet.
  static void StepIn(EditHistory* history, const QString& name,
                     const std::function<void()>& change);

 private:
  void updateActions();

  PuzzleDocument& m_doc;
  WindowRequests& m_requests;
  PuzzleHistory m_history;
  bool m_startQueued = false;  // a new puzzle's history starts when its handler is done
};

}  // namespace quotella
