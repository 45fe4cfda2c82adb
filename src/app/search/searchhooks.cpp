#include "app/search/searchhooks.h"

#include <QAction>
#include <QListWidget>

#include "app/commands/lookupcommands.h"
#include "app/commands/viewcommands.h"
#include "app/panes/answerpane.h"
#include "app/panes/statuspane.h"
#include "app/panes/wordlistpane.h"
#include "app/widgets/panelbar.h"
#include "app/widgets/tablemodels.h"
#include "app/window/edithistory.h"
#include "app/window/editorsync.h"
#include "app/window/mainwindow.h"
#include "render/qtext.h"
#include "settings/lookups.h"
#include "settings/settingsstore.h"

namespace quotella {

SearchController::Hooks SearchHooks::For(MainWindow& w) {
  SearchController::Hooks hooks;
  hooks.listsChanged = [&w] { w.m_sync->PushLists(); };
  hooks.viewsChanged = [&w] {
    w.RefreshViews();
    if (w.m_editHistory) w.m_editHistory->searchLaid();
  };
  hooks.showSearchLog = [&w] {
    w.m_viewCommands->HideAllLists();
    w.m_status->candidateStatus()->hide();
    w.m_lists->wordList(4)->show();
    w.m_status->searchStatus()->show();
  };
  hooks.lookUp = [&w](const QString& word) {
    w.m_lookups->OpenAddress(KeywordMerriamLookup(ToUtf8(word)));
  };
  hooks.programDir = [&w] { return w.m_settings->Values().ProgramDir; };
  hooks.autofillRunning = [&w](bool running) {
    if (QAction* a = w.command(QStringLiteral("Autofill1")))
      a->setText(running ? QStringLiteral("Stop Autofill") : QStringLiteral("Autofill"));
  };
  hooks.autofillRequest = [&w] { return AutofillRequestOf(w); };
  hooks.bailedOut = [&w] { w.m_viewCommands->Puzzle3Click(); };
  return hooks;
}

AutofillRequest SearchHooks::AutofillRequestOf(MainWindow& w) {
  AutofillRequest request;
  request.maxRarity = w.m_settings->Values().AutofillRarity;
  request.seconds = w.m_settings->Values().AutofillSeconds;
  request.rows = AutofillDialog::SelectedRows(w.m_answer->keyWords());
  return request;
}

}  // namespace quotella
