#include "app/window/windoweventfilter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTimer>

#include "app/commands/answercommands.h"
#include "app/commands/listcommands.h"
#include "app/commands/puzzlecommands.h"
#include "app/panes/answerpane.h"
#include "app/panes/statuspane.h"
#include "app/panes/wordlistpane.h"
#include "app/window/windowrequests.h"
#include "app/window/windowsettings.h"

namespace quotella {

WindowEventFilter::WindowEventFilter(AnswerPane& answer, WordListPane& lists, StatusPane& status,
                                     AnswerCommands& answers, ListCommands& listCommands,
                                     PuzzleCommands& puzzleCommands, WindowSettings& windowSettings,
                                     QWidget& background)
    : m_answer(answer),
      m_lists(lists),
      m_status(status),
      m_answers(answers),
      m_listCommands(listCommands),
      m_puzzleCommands(puzzleCommands),
      m_windowSettings(windowSettings),
      m_background(background) {
  m_answer.quotesEditor()->viewport()->installEventFilter(this);
  qApp->installEventFilter(this);
}

bool WindowEventFilter::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  const int key = type == QEvent::KeyPress ? static_cast<QKeyEvent*>(event)->key() : 0;
  // A double click on the window's bare background adds items to the list last shown.
  if (type == QEvent::MouseButtonDblClick && watched == &m_background) {
    m_listCommands.AddanItemClick(m_listCommands.lastWordList());
    return true;
  }
  if (key == Qt::Key_Delete) {
    for (int n = 1; n <= 4; ++n)
      if (watched == m_lists.wordList(n)) {
        m_listCommands.DeleteListEntry(n);
        return true;
      }
  }
  // A double click on the list label reads the settings file again.
  if (type == QEvent::MouseButtonDblClick && watched == m_status.listLabel()) {
    m_windowSettings.LoadIniFile1Click();
    return true;
  }
  QPlainTextEdit* quotes = m_answer.quotesEditor();
  if (watched == quotes->viewport()) {
    if (type == QEvent::MouseButtonPress) m_doubleClickEnding = false;
    if (type == QEvent::MouseButtonDblClick) {
      const auto* me = static_cast<QMouseEvent*>(event);
      quotes->setTextCursor(quotes->cursorForPosition(me->position().toPoint()));
      m_puzzleCommands.QuotesEditorDblClick();
      m_doubleClickEnding = true;
      return true;
    }
    // Otherwise a release would show the double-clicked line over a puzzle kept by Cancel.
    if (type == QEvent::MouseButtonRelease && !m_doubleClickEnding)
      QTimer::singleShot(0, this, [this] { m_answers.QuotesEditorClick(); });
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace quotella
