#include "app/window/roomwiring.h"

#include <QAction>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <tuple>

#include "app/commands/answercommands.h"
#include "app/commands/dialogcommands.h"
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
#include "app/window/mainwindow.h"
#include "core/geometry.h"
#include "core/poolstatus.h"
#include "files/filesession.h"
#include "render/qtext.h"

namespace quotella {

namespace {

using W = MainWindow;
using Handler = void (*)(W&);

template <typename Sender, typename Signal>
void On(W& w, Sender* sender, Signal signal, Handler handler) {
  QObject::connect(sender, signal, &w, [&w, handler] { handler(w); });
}

}  // namespace

void RoomWiring::Connect(W& w) {
  ConnectPlainSignals(w);
  ConnectAnswerTable(w);
  ConnectGridView(w);

  QObject::connect(w.m_quote, &QuotePane::swapLineDoubleClicked, &w,
                   [&w](int line) { w.m_answers->SwapListBoxDblClick(line); });
  QObject::connect(w.m_bottom, &BottomBar::viewClicked, &w, [&w](int view) {
    static const Handler kViews[] = {[](W& w) { w.m_viewCommands->Puzzle3Click(); },
                                     [](W& w) { w.m_viewCommands->Grid1Click(); },
                                     [](W& w) { w.m_viewCommands->Quotes3Click(); },
                                     [](W& w) { w.m_viewCommands->Output1Click(); }};
    kViews[view >= 0 && view < 3 ? view : 3](w);
  });
  QObject::connect(w.m_bottom, &BottomBar::listClicked, &w,
                   [&w](int n) { w.m_viewCommands->WordListButtonClick(n); });
  QObject::connect(w.m_pool, &PoolPane::orderClicked, &w,
                   [&w](int view) { w.m_viewCommands->PoolViewClick(view); });
  QObject::connect(w.m_pool, &PoolPane::cellDoubleClicked, &w, [&w](int col, int row) {
    PoolGridDblClick(*w.m_doc, col, row);
    w.RefreshViews();
  });
  if (QMenu* pool = w.m_actions->contextMenu(QStringLiteral("PoolPopup"))) {
    QObject::connect(pool, &QMenu::aboutToShow, &w, [&w] {
      const int row = w.m_pool->grid(0)->currentIndex().row();
      if (QAction* lock = w.command(QStringLiteral("LockPopup")))
        lock->setText(row >= 1 && row <= 26 ? ToQString(LockPopupCaption(*w.m_doc, row))
                                            : QStringLiteral("Lock Character"));
    });
  }
  QObject::connect(w.m_lists, &WordListPane::wordList4DoubleClicked, &w,
                   [&w](int line) { w.m_listCommands->Wordlist4DblClick(line); });
}

// Signals without arguments: the bottom bar's, the status bars', the buttons', the list
// pane's and the add-item field's.
void RoomWiring::ConnectPlainSignals(W& w) {
  const std::pair<void (BottomBar::*)(), Handler> bottomBar[] = {
      {&BottomBar::cluesClicked, [](W& w) { w.m_viewCommands->CluesButtonClick(); }},
      {&BottomBar::candidatesClicked, [](W& w) { w.m_viewCommands->CandidatesButtonClick(); }},
      {&BottomBar::scanClicked, [](W& w) { w.m_answers->ScanDictionary(); }},
      {&BottomBar::conditionsToggled, [](W& w) { w.m_answer->keyWords()->setFocus(); }},
      {&BottomBar::mustHaveChanged, [](W& w) { w.m_pool->refresh(); }},
      {&BottomBar::conditionsEntered, [](W& w) { w.m_answers->ScanDictionary(); }},
      {&BottomBar::focusTable, [](W& w) { w.m_answer->keyWords()->setFocus(); }},
  };
  for (const auto& [signal, handler] : bottomBar) On(w, w.m_bottom, signal, handler);

  StatusPane* status = w.m_status;
  const std::tuple<PanelBar*, void (PanelBar::*)(), Handler> panels[] = {
      {status->candidateStatus(), &PanelBar::doubleClicked,
       [](W& w) { w.m_answers->ScanDictionary(); }},
      {status->statusBar1(), &PanelBar::doubleClicked, [](W& w) { StatusBar1DblClick(*w.m_doc); }},
      {status->searchStatus(), &PanelBar::clicked, [](W& w) { w.m_search->SkipHeuristic(); }},
  };
  for (const auto& [panel, signal, handler] : panels) On(w, panel, signal, handler);

  GridViewPane* g = w.m_gridView;
  const std::pair<QPushButton*, Handler> buttons[] = {
      {status->heuristicButton(), [](W& w) { w.m_search->HeuristicButtonClick(); }},
      {g->stretchButton(), [](W& w) { w.m_puzzleCommands->StretchGrid1Click(); }},
      {g->squeezeButton(), [](W& w) { w.m_puzzleCommands->SqueezeGrid1Click(); }},
      {g->orientationButton(),
       [](W& w) {
         w.m_gridView->orientationButton()->setText(ToQString(OrentationButtonClick(*w.m_doc)));
       }},
      {g->copyrightButton(), [](W& w) { w.m_dialogs->CopyrightButtonClick(); }},
      {g->blockColourButton(), [](W& w) { w.m_commands->BlockColorClick(); }},
  };
  for (const auto& [button, handler] : buttons) On(w, button, &QPushButton::clicked, handler);

  const std::pair<void (WordListPane::*)(), Handler> listPane[] = {
      {&WordListPane::candidateClicked, [](W& w) { w.m_answers->CandidateClick(); }},
      {&WordListPane::candidateDoubleClicked, [](W& w) { w.m_answers->CandidatesDblClick(); }},
  };
  for (const auto& [signal, handler] : listPane) On(w, w.m_lists, signal, handler);

  On(w, status->addItemField(), &QLineEdit::returnPressed,
     [](W& w) { w.m_listCommands->AddItemEntered(); });
  On(w, w.m_answer->numberGrid(), &QTableView::doubleClicked,
     [](W& w) { w.m_viewCommands->NumberGridDblClick(); });
}

// The answer table: the current cell, typed keys and double clicks.
void RoomWiring::ConnectAnswerTable(W& w) {
  KeyTableView* keyWords = w.m_answer->keyWords();
  QObject::connect(keyWords->selectionModel(), &QItemSelectionModel::currentChanged, &w,
                   [&w](const QModelIndex& current) {
                     if (!current.isValid()) return;
                     w.m_doc->CurCol = current.column();
                     w.m_doc->CurRow = current.row();
                     PanelBar* bar = w.m_status->statusBar1();
                     bar->setPanel(0, QStringLiteral("Row %1").arg(current.row()));
                     bar->setPanel(1, QStringLiteral("Col %1").arg(current.column()));
                     if (w.m_doc->PuzzleExists) UpdateCharStatus(*w.m_doc);
                   });
  QObject::connect(keyWords, &KeyTableView::keyTyped, &w,
                   [&w](char key) { w.m_answers->KeyWordsKeyPress(key); });
  QObject::connect(keyWords, &QTableView::doubleClicked, &w, [&w](const QModelIndex& index) {
    w.m_answers->KeyWordsDblClick(index.column(), index.row());
  });
}

// The Grid view: double clicks on the grid, the title and byline boxes.
void RoomWiring::ConnectGridView(W& w) {
  GridViewPane* g = w.m_gridView;
  QObject::connect(g->puzzleGrid(), &PuzzleGridWidget::positionDoubleClicked, &w,
                   [&w](int c, int r) { w.m_answers->PuzzleGridDblClick(c, r); });
  QObject::connect(g->titleEdit(), &QLineEdit::textEdited, &w,
                   [&w](const QString& text) { w.m_session->TitleBox = ToUtf8(text); });
  QObject::connect(g->bylineEdit(), &QLineEdit::textEdited, &w,
                   [&w](const QString& text) { w.m_session->BylineBox = ToUtf8(text); });
}

}  // namespace quotella
