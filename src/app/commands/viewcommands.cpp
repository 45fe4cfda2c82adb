#include "app/commands/viewcommands.h"

#include <QAction>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QTextEdit>

#include "app/commands/editorsync.h"
#include "app/panes/answerpane.h"
#include "app/panes/gridviewpane.h"
#include "app/panes/poolpane.h"
#include "app/panes/wordlistpane.h"
#include "app/widgets/puzzlegridwidget.h"
#include "app/widgets/tablemodels.h"
#include "app/window/names.h"
#include "app/window/windowrequests.h"
#include "core/poolstatus.h"
#include "files/filesession.h"
#include "render/highlight.h"
#include "settings/settingsstore.h"

namespace quotella {

ViewCommands::ViewCommands(PuzzleDocument& doc, SettingsStore& settings, AnswerPane& answer,
                           WordListPane& lists, PoolPane& pool, GridViewPane& gridView,
                           EditorSync& sync, WindowRequests& requests)
    : m_doc(doc),
      m_settings(settings),
      m_answer(answer),
      m_lists(lists),
      m_pool(pool),
      m_gridView(gridView),
      m_sync(sync),
      m_requests(requests) {}

void ViewCommands::Puzzle3Click() {
  m_requests.ShowView(names::kPuzzleView);
}

void ViewCommands::Grid1Click() {
  m_requests.ShowView(names::kGridView);
}

void ViewCommands::Quotes3Click() {
  m_requests.ShowView(names::kQuotesView);
}

void ViewCommands::Output1Click() {
  m_requests.ShowView(names::kOutputView);
}

void ViewCommands::WordListButtonClick(int n) {
  if (n >= 1 && n <= 4) m_requests.ShowView(names::kWordListView, n);
}

void ViewCommands::CluesButtonClick() {
  m_requests.ShowView(names::kCluesView);
}

void ViewCommands::CandidatesButtonClick() {
  m_requests.ShowView(names::kCandidatesView);
}

void ViewCommands::HelpTopicClick(int topic) {
  if (topic < 1 || topic > 4) return;
  if (topic == 1) m_answer.helpFile()->document()->setDocumentMargin(2);
  m_requests.ShowView(names::kHelpView, topic);
}

void ViewCommands::NumberMap1Click() {
  m_requests.ShowView(names::kNumberMapView);
  RefreshPoolViews(m_doc);
  m_requests.RefreshViews();
}

void ViewCommands::NumberGridDblClick() {
  m_answer.numberGrid()->hide();
  if (m_answer.outputEditor()->isHidden() && m_answer.quotesEditor()->isHidden() &&
      m_gridView.puzzleArea()->isHidden())
    m_answer.keyWords()->show();
}

void ViewCommands::PoolViewClick(int view) {
  SetPoolView(m_doc, view);
  m_pool.markCurrent();
  if (m_gridView.puzzleArea()->isHidden()) m_pool.showCurrent();
  m_requests.RefreshViews();
}

void ViewCommands::IniFile2Click() {
  m_sync.RunPullPush([this] { m_settings.ReloadIniView(); });
  m_requests.ShowView(names::kIniFileView);
}

void ViewCommands::Short1Click() {
  SetOutputShort(!m_outputShort);
  if (m_outputShort) {
    if (!m_lists.anyVisible()) m_lists.wordList(1)->show();
  } else {
    HideAllLists();
  }
}

void ViewCommands::SetOutputShort(bool shortEditor) {
  m_outputShort = shortEditor;
  if (QAction* a = m_requests.command(names::kShortOutput))
    a->setText(shortEditor ? QStringLiteral("Wide") : QStringLiteral("Short"));
}

void ViewCommands::ShowRequestedView(int view) {
  switch (static_cast<View>(view)) {
    case View::Puzzle:
      Puzzle3Click();
      break;
    case View::Output:
      m_sync.PushEditors();
      Output1Click();
      break;
    case View::Quotes:
      m_sync.PushEditors();
      Quotes3Click();
      break;
  }
}

void ViewCommands::HideAllLists() {
  for (QWidget* c : m_requests.viewControls(QStringLiteral("@lists"))) c->hide();
}

void ViewCommands::ClearSwapMarksAndHighlights() {
  ClearDisplayMarks(m_doc);
  m_gridView.puzzleGrid()->update();
}

}  // namespace quotella
