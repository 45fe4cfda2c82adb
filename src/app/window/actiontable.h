#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <set>
#include <vector>

#include "app/window/actionrows.h"

class QAction;
class QMenu;
class QWidget;

namespace quotella {

struct WindowParts;

// Every command of the window, built from one table (actionrows.cpp): the main menus
// in their order, the context menus and the controls they belong to, and the shortcuts.
class ActionTable : public QObject {
  Q_OBJECT
 public:
  explicit ActionTable(WindowParts& parts);

  // A command by object name; an unknown name is reported and answers null.
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
  // The context menus that belong to no control (their commands could never be chosen).
  QStringList unattachedMenus() const;
  // Enables each command by its rule.
  void updateEnabled();

 private:
  void FollowChoices();

  WindowParts& m_parts;
  bool m_built = false;  // the table's menus are in the menu bar
  std::map<QString, QAction*> m_commands;
  std::map<QString, QMenu*> m_mainMenus;
  std::map<QString, QMenu*> m_contextMenus;
  std::set<QString> m_attached;  // context menus given to a control
  std::vector<std::pair<QAction*, std::function<bool(const WindowParts&)>>> m_rules;
};

}  // namespace quotella
