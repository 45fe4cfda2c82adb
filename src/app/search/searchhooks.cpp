#include "app/search/searchhooks.h"

#include <QAction>
#include <QListWidget>
#include <QMainWindow>

#include "app/commands/edithistory.h"
#include "app/commands/editorsync.h"
#include "app/commands/lookupcommands.h"
#include "app/commands/viewcommands.h"
#include "app/panes/answerpane.h"
#include "app/panes/statuspane.h"
#include "app/panes/wordlistpane.h"
#include "app/widgets/panelbar.h"
#include "app/widgets/tablemodels.h"
#include "app/window/names.h"
#include "app/window/windowparts.h"
#include "app/window/windowrequests.h"
#include "render/qtext.h"
#include "settings/lookups.h"
#include "settings/settingsstore.h"

namespace quotella {

SearchController::Hooks SearchHooks::For(WindowParts& w) {
  SearchController::Hooks hooks;
  hooks.listsChanged = [&w] { w.sync->PushLists(); };
  hooks.viewsChanged = [&w] { w.requests->RefreshViews(); };
  hooks.step = [&w](const QString& name, const std::function<void()>& change) {
    EditHistory::StepIn(w.editHistory, name, change);
  };
  hooks.showSearchLog = [&w] {
    w.viewCommands->HideAllLists();
    w.status->candidateStatus()->hide();
    w.lists->wordList(4)->show();
    w.status->searchStatus()->show();
  };
  hooks.lookUp = [&w](const QString& word) {
    w.lookups->OpenAddress(KeywordMerriamLookup(ToUtf8(word)));
  };
  hooks.programDir = [&w] { return w.settings->Values().ProgramDir; };
  hooks.autofillRunning = [&w](bool running) {
    if (QAction* a = w.requests->command(names::kAutofill))
      a->setText(running ? QStringLiteral("Stop Autofill") : QStringLiteral("Autofill"));
  };
  hooks.autofillRequest = [&w] { return AutofillRequestOf(w); };
  hooks.bailedOut = [&w] { w.viewCommands->Puzzle3Click(); };
  return hooks;
}

AutofillRequest SearchHooks::AutofillRequestOf(WindowParts& w) {
  AutofillRequest request;
  request.maxRarity = w.settings->Values().AutofillRarity;
  request.seconds = w.settings->Values().AutofillSeconds;
  request.rows = AutofillDialog::SelectedRows(w.answer->keyWords());
  return request;
}

}  // namespace quotella
