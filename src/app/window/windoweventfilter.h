#pragma once

#include <QObject>

class QWidget;

namespace quotella {

class AnswerCommands;
class AnswerPane;
class ListCommands;
class PuzzleCommands;
class StatusPane;
class WindowSettings;
class WordListPane;

// The window's watch on the application's events, forwarding to the handler classes:
// an Esc pressed while a long command lets events through, the double click on the bare
// background (Add Items of the list last shown), the Delete key in a word list, the
// double click on the list label (the settings file read again) and the quotes editor's
// clicks.
class WindowEventFilter : public QObject {
  Q_OBJECT
 public:
  // Installs itself on the application and on the quotes editor.
  WindowEventFilter(AnswerPane& answer, WordListPane& lists, StatusPane& status,
                    AnswerCommands& answers, ListCommands& listCommands,
                    PuzzleCommands& puzzleCommands, WindowSettings& windowSettings,
                    QWidget& background);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  AnswerPane& m_answer;
  WordListPane& m_lists;
  StatusPane& m_status;
  AnswerCommands& m_answers;
  ListCommands& m_listCommands;
  PuzzleCommands& m_puzzleCommands;
  WindowSettings& m_windowSettings;
  QWidget& m_background;
  // From a double click on the quotes editor to the next press: the release that ends the
  // double click is no click of its own.
  bool m_doubleClickEnding = false;
};

}  // namespace quotella
