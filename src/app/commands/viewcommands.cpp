#include "app/commands/viewcommands.h"

#include <QAction>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QTextEdit>

#include "app/panes/answerpane.h"
#include "app/panes/gridviewpane.h"
#include "app/panes/poolpane.h"
#include "app/panes/wordlistpane.h"
#include "app/widgets/puzzlegridwidget.h"
#include "app/widgets/tablemodels.h"
#include "app/window/editorsync.h"
#include "app/window/mainwindow.h"
#include "app/window/viewtable.h"
#include "core/poolstatus.h"
#include "files/filesession.h"
#include "render/highlight.h"
#include "settings/settingsstore.h"

namespace quotella {

ViewCommands::ViewCommands(MainWindow& window) : QObject(&window), w(window) {}

void ViewCommands::Puzzle3Click() {
  w.ShowView(QStringLiteral("Puzzle"));
}

void ViewCommands::Grid1Click() {
  w.ShowView(QStringLiteral("Grid"));
}

void ViewCommands::Quotes3Click() {
  w.ShowView(QStringLiteral("Quotes"));
}

void ViewCommands::Output1Click() {
  w.ShowView(QStringLiteral("Output"));
}

void ViewCommands::WordListButtonClick(int n) {
  if (n >= 1 && n <= 4) w.ShowView(QStringLiteral("Wordlist"), n);
}

void ViewCommands::CluesButtonClick() {
  w.ShowView(QStringLiteral("Clues"));
}

void ViewCommands::CandidatesButtonClick() {
  w.ShowView(QStringLiteral("Candidates"));
}

void ViewCommands::HelpTopicClick(int topic) {
  if (topic < 1 || topic > 4) return;
  if (topic == 1) w.m_answer->helpFile()->document()->setDocumentMargin(2);
  w.ShowView(QStringLiteral("Help"), topic);
}

void ViewCommands::NumberMap1Click() {
  w.ShowView(QStringLiteral("NumberMap"));
  RefreshPoolViews(*w.m_doc);
  w.RefreshViews();
}

void ViewCommands::NumberGridDblClick() {
  w.m_answer->numberGrid()->hide();
  if (w.m_answer->outputEditor()->isHidden() && w.m_answer->quotesEditor()->isHidden() &&
      w.m_gridView->puzzleArea()->isHidden())
    w.m_answer->keyWords()->show();
}

void ViewCommands::PoolViewClick(int view) {
  SetPoolView(*w.m_doc, view);
  w.m_pool->markCurrent();
  if (w.m_gridView->puzzleArea()->isHidden()) w.m_pool->showCurrent();
  w.RefreshViews();
}

void ViewCommands::IniFile2Click() {
  w.m_sync->RunPullPush([this] { w.m_settings->ReloadIniView(); });
  w.ShowView(QStringLiteral("IniFile"));
}

void ViewCommands::Short1Click() {
  SetOutputShort(!m_outputShort);
  if (m_outputShort) {
    if (!w.m_lists->anyVisible()) w.m_lists->wordList(1)->show();
  } else {
    HideAllLists();
  }
}

void ViewCommands::SetOutputShort(bool shortEditor) {
  m_outputShort = shortEditor;
  if (QAction* a = w.command(QStringLiteral("Short1")))
    a->setText(shortEditor ? QStringLiteral("Wide") : QStringLiteral("Short"));
}

void ViewCommands::ShowRequestedView(int view) {
  switch (static_cast<View>(view)) {
    case View::Puzzle:
      Puzzle3Click();
      break;
    case View::Output:
      w.m_sync->PushEditors();
      Output1Click();
      break;
    case View::Quotes:
      w.m_sync->PushEditors();
      Quotes3Click();
      break;
  }
}

void ViewCommands::HideAllLists() {
  for (QWidget* c : w.m_views->controls(QStringLiteral("@lists"))) c->hide();
}

void ViewCommands::ClearSwapMarksAndHighlights() {
  ClearDisplayMarks(*w.m_doc);
  w.puzzleGrid()->update();
}

}  // namespace quotella
