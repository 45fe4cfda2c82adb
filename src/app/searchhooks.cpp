#include "app/searchhooks.h"

#include <QAction>
#include <QListWidget>

#include "app/answerpane.h"
#include "app/edithistory.h"
#include "app/editorsync.h"
#include "app/lookupcommands.h"
#include "app/mainwindow.h"
#include "app/panelbar.h"
#include "app/statuspane.h"
#include "app/tablemodels.h"
#include "app/viewcommands.h"
#include "app/wordlistpane.h"
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
