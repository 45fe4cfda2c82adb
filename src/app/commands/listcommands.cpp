#include "app/commands/listcommands.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <algorithm>

#include "app/commands/viewcommands.h"
#include "app/panes/statuspane.h"
#include "app/panes/wordlistpane.h"
#include "app/search/searchcontroller.h"
#include "app/widgets/panelbar.h"
#include "app/window/editorsync.h"
#include "app/window/mainwindow.h"
#include "render/qtext.h"
#include "search/wordlists.h"

namespace quotella {

ListCommands::ListCommands(MainWindow& window) : QObject(&window), w(window) {}

void ListCommands::OpenList(int n) {
  bool loaded = false;
  w.m_sync->RunPullPush([this, n, &loaded] { loaded = LoadWordList(*w.m_sources, n, w.host()); });
  if (loaded) w.m_viewCommands->WordListButtonClick(n);
}

void ListCommands::SaveList(int n) {
  w.m_viewCommands->WordListButtonClick(n);
  w.m_sync->RunPullPush([this, n] { SaveWordList(*w.m_sources, n, w.host()); });
}

void ListCommands::AddanItemClick(int n) {
  if (n < 1 || n > 4) return;
  w.m_viewCommands->WordListButtonClick(n);
  w.m_sources->AddItemTarget = n;
  StatusPane* status = w.m_status;
  status->listLabel()->hide();
  w.m_lists->candidates()->hide();
  status->candidateStatus()->hide();
  status->addItemField()->setPlaceholderText(
      QStringLiteral("Add to word list %1: type a word, then Enter").arg(n));
  status->addItemField()->show();
  status->addItemField()->setFocus();
}

void ListCommands::AddItemEntered() {
  QLineEdit* field = w.m_status->addItemField();
  const int n = w.m_sources->AddItemTarget;
  const auto index = AddItemFromField(*w.m_sources, ToUtf8(field->text()), w.host());
  if (!index) return;
  w.m_sync->PushLists();
  if (n >= 1 && n <= 4) w.m_lists->wordList(n)->setCurrentRow(static_cast<int>(*index));
  field->clear();
}

void ListCommands::DeleteListEntry(int n) {
  QListWidget* list = w.m_lists->wordList(n);
  auto& items = w.m_sources->List(n).Items;
  const int row = list->currentRow();
  if (row < 0 || row >= static_cast<int>(items.size())) return;
  items.erase(items.begin() + row);
  w.m_sync->PushLists();
  list->setCurrentRow(std::min(row, list->count() - 1));
  UpdateListLabel(*w.m_sources, n);
  w.m_status->listLabel()->setText(ToQString(w.m_sources->ListLabel));
}

void ListCommands::Wordlist4DblClick(int line) {
  if (!w.m_doc->PuzzleExists || line < 0 ||
      line >= static_cast<int>(w.m_sources->Lists[3].Items.size()))
    return;
  const std::string text = w.m_sources->Lists[3].Items[static_cast<std::size_t>(line)];
  if (!w.m_search->LaySolution(text)) return;
  w.m_viewCommands->Puzzle3Click();
  w.RefreshViews();
}

void ListCommands::SetListLabelToLines(const QString& fileName, int lines) {
  w.m_status->listLabel()->setText(fileName + QLatin1Char(' ') + QString::number(lines) +
                                   QStringLiteral(" lines "));
}

}  // namespace quotella
