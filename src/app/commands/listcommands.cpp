#include "app/commands/listcommands.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <algorithm>

#include "app/commands/editorsync.h"
#include "app/commands/viewcommands.h"
#include "app/panes/statuspane.h"
#include "app/panes/wordlistpane.h"
#include "app/search/searchcontroller.h"
#include "app/search/workerscans.h"
#include "app/widgets/panelbar.h"
#include "app/window/windowrequests.h"
#include "core/document.h"
#include "render/qtext.h"
#include "search/wordlists.h"

namespace quotella {

ListCommands::ListCommands(PuzzleDocument& doc, WordSources& sources, Host& host,
                           WordListPane& lists, StatusPane& status, EditorSync& sync,
                           ViewCommands& viewCommands, SearchController& search,
                           WindowRequests& requests)
    : m_doc(doc),
      m_sources(sources),
      m_host(host),
      m_lists(lists),
      m_status(status),
      m_sync(sync),
      m_viewCommands(viewCommands),
      m_search(search),
      m_requests(requests) {}

void ListCommands::OpenList(int n) {
  const auto path = AskWordListFile(m_sources, n, m_host);
  if (!path) return;
  WorkerScans::LoadWordList(m_search.background(), m_sources, n, *path,
                            [this, n](const std::function<void()>& lay) {
                              m_sync.RunPullPush(lay);
                              m_viewCommands.WordListButtonClick(n);
                            });
}

void ListCommands::ReloadLists() {
  WorkerScans::ReloadWordLists(
      m_search.background(), m_sources,
      [this](const std::function<void()>& lay) { m_sync.RunPullPush(lay); });
}

void ListCommands::SaveList(int n) {
  m_viewCommands.WordListButtonClick(n);
  m_sync.RunPullPush([this, n] { SaveWordList(m_sources, n, m_host); });
}

void ListCommands::AddanItemClick(int n) {
  if (n < 1 || n > 4) return;
  m_viewCommands.WordListButtonClick(n);
  m_sources.AddItemTarget = n;
  StatusPane* status = &m_status;
  status->listLabel()->hide();
  m_lists.candidates()->hide();
  status->candidateStatus()->hide();
  status->addItemField()->setPlaceholderText(
      QStringLiteral("Add to word list %1: type a word, then Enter").arg(n));
  status->addItemField()->show();
  status->addItemField()->setFocus();
}

void ListCommands::AddItemEntered() {
  QLineEdit* field = m_status.addItemField();
  const int n = m_sources.AddItemTarget;
  const auto index = AddItemFromField(m_sources, ToUtf8(field->text()), m_host);
  if (!index) return;
  m_sync.PushLists();
  if (n >= 1 && n <= 4) m_lists.wordList(n)->setCurrentRow(static_cast<int>(*index));
  field->clear();
}

void ListCommands::DeleteListEntry(int n) {
  QListWidget* list = m_lists.wordList(n);
  auto& items = m_sources.List(n).Items;
  const int row = list->currentRow();
  if (row < 0 || row >= static_cast<int>(items.size())) return;
  items.erase(items.begin() + row);
  m_sync.PushLists();
  list->setCurrentRow(std::min(row, list->count() - 1));
  UpdateListLabel(m_sources, n);
  m_status.listLabel()->setText(ToQString(m_sources.ListLabel));
}

void ListCommands::Wordlist4DblClick(int line) {
  if (!m_doc.PuzzleExists || line < 0 || line >= static_cast<int>(m_sources.Lists[3].Items.size()))
    return;
  const std::string text = m_sources.Lists[3].Items[static_cast<std::size_t>(line)];
  if (!m_search.LaySolution(text)) return;
  m_viewCommands.Puzzle3Click();
  m_requests.RefreshViews();
}

void ListCommands::SetListLabelToLines(const QString& fileName, int lines) {
  m_status.listLabel()->setText(fileName + QLatin1Char(' ') + QString::number(lines) +
                                QStringLiteral(" lines "));
}

}  // namespace quotella
