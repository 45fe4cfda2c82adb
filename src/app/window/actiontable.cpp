#include "app/window/actiontable.h"

#include <QAction>
#include <QDebug>
#include <QItemSelectionModel>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "app/commands/edithistory.h"
#include "app/commands/editorsync.h"
#include "app/panes/answerpane.h"
#include "app/panes/wordlistpane.h"
#include "app/widgets/tablemodels.h"
#include "app/window/actiontips.h"
#include "app/window/windowparts.h"

namespace quotella {

namespace {

// The main menus from left to right.
const char* const kMenuOrder[] = {"&Open",     "&Save",     "&Edit",  "&View", "&Tools",
                                  "&Internet", "&Settings", "&Print", "&Help"};

// The context menus and the controls (by object name) they belong to.
const char* const kAttachments[][2] = {
    {"Candidates", "CandidatesPopup"},   {"IniFile", "IniPopup"},
    {"KeyWords", "KeyWordsPopup"},       {"Cluelist", "CluePopup"},
    {"PuzzleGrid", "GridPopup"},         {"DistributionBar", "DistributionPopup"},
    {"CharPoolGrid", "PoolPopup"},       {"QuoteWindow", "QuoteWindowPopup"},
    {"QuotesEditor", "QuotesPopup"},     {"OutputEditor", "OutputPopup"},
    {"HelpFile", "HelpPopup"},           {"Background", "FormPopup"},
    {"Wordlist1", "WordList1Popup"},     {"Wordlist2", "WordList2Popup"},
    {"Wordlist3", "WordList3Popup"},     {"Wordlist4", "WordList4Popup"},
    {"List1Button", "ListButton1Popup"}, {"List2Button", "ListButton2Popup"},
    {"List3Button", "ListButton3Popup"}, {"List4Button", "ListButton4Popup"},
};

}  // namespace

ActionTable::ActionTable(WindowParts& parts) : m_parts(parts) {
  for (const ActionRow& row : ActionRows()) add(row);
  for (const char* name : kMenuOrder) {
    const auto it = m_mainMenus.find(QString::fromLatin1(name));
    if (it != m_mainMenus.end()) m_parts.window->menuBar()->addMenu(it->second);
  }
  m_built = true;
  for (const auto& [control, menu] : kAttachments) {
    auto* widget = m_parts.window->findChild<QWidget*>(QString::fromLatin1(control));
    if (widget) attach(widget, QString::fromLatin1(menu));
  }
  FollowChoices();
}

// Rules that follow the caret and the chosen list items as well as the document, once
// the room's own handlers have seen the change.
void ActionTable::FollowChoices() {
  const auto update = [this] { updateEnabled(); };
  connect(m_parts.answer->keyWords()->selectionModel(), &QItemSelectionModel::currentChanged, this,
          update, Qt::QueuedConnection);
  connect(m_parts.lists->candidates(), &QListWidget::currentItemChanged, this, update,
          Qt::QueuedConnection);
  for (int n = 1; n <= 4; ++n)
    connect(m_parts.lists->wordList(n), &QListWidget::currentItemChanged, this, update,
            Qt::QueuedConnection);
}

QAction* ActionTable::add(const ActionRow& row) {
  auto* action = new QAction(QString::fromUtf8(row.caption), m_parts.window);
  action->setObjectName(QString::fromLatin1(row.name));
  action->setStatusTip(ActionStatusTip(action->objectName()));
  if (row.shortcut[0] != 0) action->setShortcut(QKeySequence(QString::fromLatin1(row.shortcut)));
  WindowParts* parts = &m_parts;
  std::function<void(WindowParts&)> handler = row.handler;
  if (row.editors != kNotSynced)
    handler = [run = row.handler, editors = row.editors](WindowParts& w) {
      w.sync->RunPullPush([&] { run(w); }, editors);
    };
  // Whatever a command changes in the puzzle is one undo step, named by its caption.
  connect(action, &QAction::triggered, m_parts.window, [parts, action, handler] {
    if (parts->editHistory)
      parts->editHistory->Command(action, [&] { handler(*parts); });
    else
      handler(*parts);
  });
  const QString menu = QString::fromLatin1(row.menu);
  if (menu.startsWith(QLatin1Char('&'))) {
    QMenu*& m = m_mainMenus[menu];
    if (!m) {
      m = new QMenu(menu, m_parts.window);
      connect(m, &QMenu::aboutToShow, this, [this] { updateEnabled(); });
      m->setObjectName(QString(menu).remove(QLatin1Char('&')) + QStringLiteral("Menu"));
      // A menu added after the table was built goes to the end of the menu bar.
      if (m_built) m_parts.window->menuBar()->addMenu(m);
    }
    // A hidden command stays out of its menu but keeps its shortcut (an invisible action's
    // shortcut would never fire).
    if (!row.hidden) m->addAction(action);
    m_parts.window->addAction(action);  // main-menu shortcuts work anywhere in the window
  } else {
    action->setVisible(!row.hidden);
    contextMenu(menu)->addAction(action);
  }
  m_commands[action->objectName()] = action;
  if (row.enabled) m_rules.emplace_back(action, row.enabled);
  return action;
}

QAction* ActionTable::command(const QString& name) const {
  const auto it = m_commands.find(name);
  if (it != m_commands.end()) return it->second;
  qCritical("No command is named \"%s\"", qPrintable(name));
  return nullptr;
}

QList<QAction*> ActionTable::commands() const {
  QList<QAction*> list;
  for (const auto& [name, action] : m_commands) list << action;
  return list;
}

QMenu* ActionTable::mainMenu(const QString& caption) const {
  const auto it = m_mainMenus.find(caption);
  return it == m_mainMenus.end() ? nullptr : it->second;
}

QMenu* ActionTable::contextMenu(const QString& name) {
  QMenu*& menu = m_contextMenus[name];
  if (!menu) {
    menu = new QMenu(m_parts.window);
    menu->setObjectName(name);
    connect(menu, &QMenu::aboutToShow, this, [this] { updateEnabled(); });
  }
  return menu;
}

void ActionTable::attach(QWidget* control, const QString& menuName) {
  QMenu* menu = contextMenu(menuName);
  m_attached.insert(menuName);
  control->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(control, &QWidget::customContextMenuRequested, menu,
          [control, menu](const QPoint& pos) { menu->popup(control->mapToGlobal(pos)); });
  // Shortcuts of a control's menu work while that control has the focus.
  for (QAction* a : menu->actions()) {
    if (a->shortcut().isEmpty()) continue;
    a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    control->addAction(a);
  }
}

QStringList ActionTable::unattachedMenus() const {
  QStringList names;
  for (const auto& [name, menu] : m_contextMenus)
    if (!m_attached.count(name)) names << name;
  return names;
}

void ActionTable::updateEnabled() {
  for (const auto& [action, rule] : m_rules) action->setEnabled(rule(m_parts));
}

}  // namespace quotella
