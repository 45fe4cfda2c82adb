#include "app/window/roomwiring.h"

#include <QAction>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <functional>
#include <tuple>

#include "app/commands/answercommands.h"
#include "app/commands/dialogcommands.h"
#include "app/commands/edithistory.h"
#include "app/commands/listcommands.h"
#include "app/commands/puzzlecommands.h"
#include "app/commands/viewcommands.h"
#include "app/commands/windowcommands.h"
#include "app/panes/answerpane.h"
#include "app/panes/gridviewpane.h"
#include "app/panes/poolpane.h"
#include "app/panes/quotepane.h"
#include "app/panes/statuspane.h"
#include "app/panes/wordlistpane.h"
#include "app/search/searchcontroller.h"
#include "app/widgets/bottombar.h"
#include "app/widgets/panelbar.h"
#include "app/widgets/puzzlegridwidget.h"
#include "app/widgets/tablemodels.h"
#include "app/window/actiontable.h"
#include "app/window/names.h"
#include "app/window/windowparts.h"
#include "app/window/windowrequests.h"
#include "core/geometry.h"
#include "core/poolstatus.h"
#include "files/filesession.h"
#include "render/qtext.h"

namespace quotella {

namespace {

using W = WindowParts;
using Handler = void (*)(W&);

template <typename Sender, typename Signal>
void On(W& w, Sender* sender, Signal signal, Handler handler) {
  QObject::connect(sender, signal, w.window, [&w, handler] { handler(w); });
}

// The controls that change the puzzle by themselves record their change as an undo step
// here, where it is made.
void Step(W& w, const QString& name, const std::function<void()>& change) {
  EditHistory::StepIn(w.editHistory, name, change);
}

void BoxEdit(W& w, int box, const QString& name, const std::function<void()>& change) {
  if (w.editHistory)
    w.editHistory->BoxEdit(box, name, change);
  else
    change();
}

// The conditions switch has been flipped: a step named after where it now stands.
void ConditionsSwitched(W& w) {
  if (w.editHistory)
    w.editHistory->Changed(w.doc->Conditions.on ? QStringLiteral("Conditions On")
                                                : QStringLiteral("Conditions Off"));
}

void Swap(W& w, const std::function<void()>& change) {
  if (w.editHistory)
    w.editHistory->Swap(change);
  else
    change();
}

}  // namespace

void RoomWiring::Connect(W& w) {
  ConnectPlainSignals(w);
  ConnectAnswerTable(w);
  ConnectGridView(w);

  QObject::connect(w.quote, &QuotePane::swapLineDoubleClicked, w.window,
                   [&w](int line) { Swap(w, [&] { w.answers->SwapListBoxDblClick(line); }); });
  QObject::connect(w.bottom, &BottomBar::viewClicked, w.window, [&w](int view) {
    static const Handler kViews[] = {
        [](W& w) { w.viewCommands->Puzzle3Click(); }, [](W& w) { w.viewCommands->Grid1Click(); },
        [](W& w) { w.viewCommands->Quotes3Click(); }, [](W& w) { w.viewCommands->Output1Click(); }};
    kViews[view >= 0 && view < 3 ? view : 3](w);
  });
  // The values typed or stepped into one length box make one step until it is committed.
  QObject::connect(w.bottom, &BottomBar::lengthChanged, w.window, [&w](bool max) {
    BoxEdit(w, max ? EditHistory::kMaxLengthBox : EditHistory::kMinLengthBox,
            max ? QStringLiteral("Max") : QStringLiteral("Min"), [] {});
  });
  QObject::connect(w.bottom, &BottomBar::listClicked, w.window,
                   [&w](int n) { w.viewCommands->WordListButtonClick(n); });
  QObject::connect(w.pool, &PoolPane::orderClicked, w.window,
                   [&w](int view) { w.viewCommands->PoolViewClick(view); });
  QObject::connect(w.pool, &PoolPane::cellDoubleClicked, w.window, [&w](int col, int row) {
    BoxEdit(w, EditHistory::kMustHaveBox, QStringLiteral("Must Have"),
            [&] { PoolGridDblClick(*w.doc, col, row); });
    w.requests->RefreshViews();
  });
  if (QMenu* pool = w.actions->contextMenu(QStringLiteral("PoolPopup"))) {
    QObject::connect(pool, &QMenu::aboutToShow, w.window, [&w] {
      const int row = w.pool->grid(0)->currentIndex().row();
      if (QAction* lock = w.requests->command(names::kLockCharacter))
        lock->setText(row >= 1 && row <= 26 ? ToQString(LockPopupCaption(*w.doc, row))
                                            : QStringLiteral("Lock Character"));
    });
  }
  QObject::connect(w.lists, &WordListPane::wordList4DoubleClicked, w.window,
                   [&w](int line) { w.listCommands->Wordlist4DblClick(line); });
}

// Signals without arguments: the bottom bar's, the status bars', the buttons', the list
// pane's and the add-item field's.
void RoomWiring::ConnectPlainSignals(W& w) {
  const std::pair<void (BottomBar::*)(), Handler> bottomBar[] = {
      {&BottomBar::cluesClicked, [](W& w) { w.viewCommands->CluesButtonClick(); }},
      {&BottomBar::candidatesClicked, [](W& w) { w.viewCommands->CandidatesButtonClick(); }},
      {&BottomBar::scanClicked, [](W& w) { w.answers->ScanDictionary(); }},
      {&BottomBar::conditionsToggled,
       [](W& w) {
         ConditionsSwitched(w);
         w.answer->keyWords()->setFocus();
       }},
      {&BottomBar::mustHaveChanged,
       [](W& w) {
         // The box has put its text into the scan conditions.
         BoxEdit(w, EditHistory::kMustHaveBox, QStringLiteral("Must Have"), [] {});
         w.pool->refresh();
       }},
      {&BottomBar::conditionsEntered,
       [](W& w) {
         ConditionsSwitched(w);
         w.answers->ScanDictionary();
       }},
      {&BottomBar::lengthCommitted,
       [](W& w) {
         if (w.editHistory) w.editHistory->EndBoxEdit();
       }},
      {&BottomBar::focusTable, [](W& w) { w.answer->keyWords()->setFocus(); }},
  };
  for (const auto& [signal, handler] : bottomBar) On(w, w.bottom, signal, handler);

  StatusPane* status = w.status;
  const std::tuple<PanelBar*, void (PanelBar::*)(), Handler> panels[] = {
      {status->candidateStatus(), &PanelBar::doubleClicked,
       [](W& w) { w.answers->ScanDictionary(); }},
      {status->statusBar1(), &PanelBar::doubleClicked, [](W& w) { StatusBar1DblClick(*w.doc); }},
      {status->searchStatus(), &PanelBar::clicked, [](W& w) { w.search->SkipHeuristic(); }},
  };
  for (const auto& [panel, signal, handler] : panels) On(w, panel, signal, handler);

  GridViewPane* g = w.gridView;
  const std::pair<QPushButton*, Handler> buttons[] = {
      {status->heuristicButton(), [](W& w) { w.search->HeuristicButtonClick(); }},
      {g->stretchButton(),
       [](W& w) {
         Step(w, QStringLiteral("Stretch Grid"), [&w] { w.puzzleCommands->StretchGrid1Click(); });
       }},
      {g->squeezeButton(),
       [](W& w) {
         Step(w, QStringLiteral("Squeeze Grid"), [&w] { w.puzzleCommands->SqueezeGrid1Click(); });
       }},
      {g->orientationButton(),
       [](W& w) {
         w.gridView->orientationButton()->setText(ToQString(OrentationButtonClick(*w.doc)));
       }},
      {g->copyrightButton(),
       [](W& w) {
         Step(w, QStringLiteral("Copyright"), [&w] { w.dialogs->CopyrightButtonClick(); });
       }},
      {g->blockColourButton(), [](W& w) { w.commands->BlockColorClick(); }},
  };
  for (const auto& [button, handler] : buttons) On(w, button, &QPushButton::clicked, handler);

  const std::pair<void (WordListPane::*)(), Handler> listPane[] = {
      {&WordListPane::candidateClicked, [](W& w) { w.answers->CandidateClick(); }},
      {&WordListPane::candidateDoubleClicked,
       [](W& w) {
         const QListWidgetItem* item = w.lists->candidates()->currentItem();
         Step(w, QStringLiteral("Candidate ") + (item ? item->text().trimmed() : QString()),
              [&w] { w.answers->CandidatesDblClick(); });
       }},
  };
  for (const auto& [signal, handler] : listPane) On(w, w.lists, signal, handler);

  On(w, status->addItemField(), &QLineEdit::returnPressed,
     [](W& w) { w.listCommands->AddItemEntered(); });
  On(w, w.answer->numberGrid(), &QTableView::doubleClicked,
     [](W& w) { w.viewCommands->NumberGridDblClick(); });
}

// The answer table: the current cell, typed keys and double clicks.
void RoomWiring::ConnectAnswerTable(W& w) {
  KeyTableView* keyWords = w.answer->keyWords();
  QObject::connect(keyWords->selectionModel(), &QItemSelectionModel::currentChanged, w.window,
                   [&w](const QModelIndex& current) {
                     if (!current.isValid()) return;
                     w.doc->view().CurCol = current.column();
                     w.doc->view().CurRow = current.row();
                     PanelBar* bar = w.status->statusBar1();
                     bar->setPanel(0, QStringLiteral("Row %1").arg(current.row()));
                     bar->setPanel(1, QStringLiteral("Col %1").arg(current.column()));
                     if (w.doc->PuzzleExists) ShowPoolStatus(*w.doc);
                   });
  QObject::connect(keyWords, &KeyTableView::keyTyped, w.window, [&w](char key) {
    const auto type = [&w, key] { w.answers->KeyWordsKeyPress(key); };
    if (w.editHistory)
      w.editHistory->Typing(w.doc->view().CurRow, type);
    else
      type();
  });
  QObject::connect(keyWords, &QTableView::doubleClicked, w.window, [&w](const QModelIndex& index) {
    w.answers->KeyWordsDblClick(index.column(), index.row());
  });
}

// The Grid view: double clicks on the grid, the title and byline boxes.
void RoomWiring::ConnectGridView(W& w) {
  GridViewPane* g = w.gridView;
  QObject::connect(g->puzzleGrid(), &PuzzleGridWidget::positionDoubleClicked, w.window,
                   [&w](int c, int r) { Swap(w, [&] { w.answers->PuzzleGridDblClick(c, r); }); });
  QObject::connect(g->titleEdit(), &QLineEdit::textEdited, w.window, [&w](const QString& text) {
    BoxEdit(w, EditHistory::kTitleBox, QStringLiteral("Title"),
            [&] { w.session->TitleBox = ToUtf8(text); });
  });
  QObject::connect(g->bylineEdit(), &QLineEdit::textEdited, w.window, [&w](const QString& text) {
    BoxEdit(w, EditHistory::kBylineBox, QStringLiteral("Byline"),
            [&] { w.session->BylineBox = ToUtf8(text); });
  });
}

}  // namespace quotella
