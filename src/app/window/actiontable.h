#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <map>
#include <vector>

class QAction;
class QMenu;
class QWidget;

namespace quotella {

class MainWindow;

// One command of the window.
struct ActionRow {
  const char* name;      // object name of the action; the hotkey table binds by it
  const char* menu;      // main menu caption ("&Open", ...) or the name of a context menu
  const char* caption;   // the menu text as shown, UTF-8 ("&" marks the access key)
  const char* shortcut;  // default shortcut in portable text, or ""
  std::function<void(MainWindow&)> handler;
  bool hidden = false;  // exists (and its shortcut works) but is not shown
  // When the command can run; null: always. Checked whenever the document changes.
  std::function<bool(const MainWindow&)> enabled = nullptr;
};

// Every command of the window, built from one table (actiontable.cpp): the main menus
// in their order, the context menus and the controls they belong to, and the shortcuts.
class ActionTable : public QObject {
  Q_OBJECT
 public:
  explicit ActionTable(MainWindow& window);

  // The table itself.
  static std::vector<ActionRow> Rows();

  QAction* command(const QString& name) const;
  QList<QAction*> commands() const;
  // A main menu by caption ("&Open"), or null.
  QMenu* mainMenu(const QString& caption) const;
  // A context menu by name (created empty when new).
  QMenu* contextMenu(const QString& name);
  // Adds a command after the table was built (a room that builds its own controls).
  QAction* add(const ActionRow& row);
  // Gives a control its context menu; the menu's shortcuts work while it has the focus.
  void attach(QWidget* control, const QString& menuName);
  // Enables each command by its rule.
  void updateEnabled();

 private:
  static void AddWordListRows(std::vector<ActionRow>& rows);

  MainWindow& m_window;
  bool m_built = false;  // the table's menus are in the menu bar
  std::map<QString, QAction*> m_commands;
  std::map<QString, QMenu*> m_mainMenus;
  std::map<QString, QMenu*> m_contextMenus;
  std::vector<std::pair<QAction*, std::function<bool(const MainWindow&)>>> m_rules;
};

}  // namespace quotella
