#include "app/window/viewtable.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTextEdit>
#include <QWidget>

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
#include "app/widgets/barwidget.h"
#include "app/widgets/bottombar.h"
#include "app/widgets/distributionbar.h"
#include "app/widgets/panelbar.h"
#include "app/widgets/puzzlegridwidget.h"
#include "app/widgets/tablemodels.h"
#include "app/window/mainwindow.h"
#include "core/document.h"
#include "core/geometry.h"
#include "files/filesession.h"
#include "files/quotesfile.h"
#include "render/qtext.h"
#include "search/wordlists.h"

// How to add a view: add a row to Rows() with the view's name, the controls it hides and
// then shows (object names, or the groups below written "@group"), and a `then` step for
// whatever depends on the state. Open it with MainWindow::ShowView("Name"). A control
// that several views show or hide together belongs in a group: add it to the group here,
// or from its room with ViewTable::setGroup.
//
// Groups:
//   @lists        the word lists, clue list, candidates, search bar and add-item field
//   @editors      everything of the left pane, and the puzzle grid
//   @statusArea   the pool status bars, the list label, the "Heuristic Search" button
//   @printArea    the print status bars, the distribution button and the print controls
//   @gridControls title, byline, block colour, copyright and the distribution bars
//   @searchBar    the search controls and list buttons of the bottom bar
//   @viewButtons  "Puzzle", "Grid", "Quotes", "Output"
//   @pool         the pool grid of the chosen order with its buttons

namespace quotella {

using W = MainWindow;

// The output editor reaches over the list pane unless it is short.
void ViewTable::NarrowWideOutput(W& w) {
  if (!w.m_answer->outputEditor()->isHidden() && !w.m_viewCommands->outputShort())
    w.m_viewCommands->SetOutputShort(true);
}

// The answer table takes the left pane back from the help, settings text and number map
// unless an editor holds it.
void ViewTable::AnswerTableUnlessEditor(W& w) {
  if (!w.m_answer->outputEditor()->isHidden() || !w.m_answer->quotesEditor()->isHidden()) return;
  w.m_answer->helpFile()->hide();
  w.m_answer->iniFile()->hide();
  w.m_answer->numberGrid()->hide();
  w.m_answer->keyWords()->show();
}

bool ViewTable::NotInGridView(W& w) {
  return w.m_gridView->puzzleArea()->isHidden();
}

std::vector<ViewRow> ViewTable::Rows() {
  return {
      {"Puzzle",
       {"WordListFileLabel", "SwapListBox", "@gridControls", "@printArea", "@lists", "@editors"},
       {"QuoteWindow", "@statusArea", "@pool", "@searchBar", "@viewButtons", "KeyWords"},
       [](W& w, int) {
         w.host().PlaySound("CHIMES");
         if (w.m_distribution->active()) w.m_distribution->Leave(false);
         w.m_viewCommands->ClearSwapMarksAndHighlights();
         w.m_quote->showQuotation(QLatin1Char('"') + ToQString(w.m_doc->P.QuoteOrig) +
                                  QLatin1Char('"') + QStringLiteral(" - ") +
                                  ToQString(w.m_doc->P.AuthorOrig) + QLatin1Char(' ') +
                                  ToQString(w.m_doc->P.WorkOrig));
         if (w.m_search->heuristicSearching())
           w.m_lists->wordList(4)->show();
         else
           w.m_lists->clueList()->show();
         w.m_answer->keyWords()->setFocus();
       }},
      {"Grid",
       {"WordListFileLabel", "@pool", "@statusArea", "CandidateStatusBar", "@lists", "@editors"},
       {"@printControls", "PuzzleGridArea"},
       [](W& w, int) {
         if (w.m_distribution->active()) {
           w.m_distribution->Leave(true);
         } else {
           for (QWidget* c : w.m_bottom->searchControls()) c->hide();
           w.m_status->printStatus1()->show();
           w.m_status->printStatus2()->show();
           w.m_gridView->distributionButton()->show();
           for (QWidget* c : w.m_gridView->gridControls())
             if (c != static_cast<QWidget*>(w.m_gridView->distributionBar()) &&
                 c != static_cast<QWidget*>(w.m_gridView->answerBar()))
               c->show();
         }
         w.m_viewCommands->ClearSwapMarksAndHighlights();
         if (w.m_doc->Grid.PrinterAvailable) {
           UpdatePrintStatusBar(*w.m_doc);
           w.m_gridView->orientationButton()->setText(
               w.m_doc->Grid.Landscape ? QStringLiteral("Portrait") : QStringLiteral("Landscape"));
         }
         w.m_gridView->puzzleGrid()->setFocus();
         w.m_puzzleCommands->SqueezeGrid1Click();
         w.m_puzzleCommands->StretchGrid1Click();
       },
       [](W& w) {
         if (w.m_doc->PuzzleExists) return true;
         w.host().Message("There is no puzzle loaded yet!");
         return false;
       }},
      {"Quotes",
       {"CandidateStatusBar", "@printArea", "WordListFileLabel", "SwapListBox", "@gridControls",
        "@lists", "@editors"},
       {"@statusArea", "QuoteWindow", "@searchBar", "@viewButtons", "@pool", "QuotesEditor"},
       [](W& w, int) {
         w.host().PlaySound("CHIMES");
         w.m_status->listLabel()->setText(ToQString(QuotesListLabel(*w.m_session)));
       }},
      {"Output",
       {"KeyWords", "PuzzleGridArea", "QuotesEditor", "SwapListBox", "WordListFileLabel",
        "HelpFile", "IniFile", "NumberGrid", "@printArea", "@gridControls"},
       {"QuoteWindow", "@statusArea", "@searchBar", "@viewButtons", "@pool"},
       [](W& w, int) {
         w.host().PlaySound("CHIMES");
         if (!w.m_viewCommands->outputShort()) w.m_viewCommands->HideAllLists();
         w.m_answer->outputEditor()->show();
         if (w.m_viewCommands->outputShort() && !w.m_lists->anyVisible())
           w.m_lists->wordList(1)->show();
         w.m_listCommands->SetListLabelToLines(ToQString(w.m_session->Output.OutputFileName),
                                               static_cast<int>(w.m_session->Output.Lines.size()));
       }},
      {"Wordlist",
       {"WordListFileLabel", "QuotesEditor", "@lists", "CandidateStatusBar"},
       {"ListLabel"},
       [](W& w, int n) {
         NarrowWideOutput(w);
         AnswerTableUnlessEditor(w);
         w.m_lists->wordList(n)->show();
         w.m_listCommands->setLastWordList(n);
         UpdateListLabel(*w.m_sources, n);
         w.m_status->listLabel()->setText(ToQString(w.m_sources->ListLabel));
       },
       NotInGridView},
      {"Clues",
       {"@lists", "WordListFileLabel", "QuotesEditor", "CandidateStatusBar"},
       {"Cluelist", "ListLabel"},
       [](W& w, int) {
         NarrowWideOutput(w);
         AnswerTableUnlessEditor(w);
         w.m_status->listLabel()->setText(QStringLiteral(" List of Clues "));
       },
       NotInGridView},
      {"Candidates",
       {"WordListFileLabel", "QuotesEditor", "OutputEditor", "@lists", "HelpFile", "IniFile",
        "NumberGrid", "ListLabel"},
       {"Candidates", "KeyWords", "CandidateStatusBar"},
       nullptr,
       NotInGridView},
      {"Help",
       {"@printArea", "@gridControls", "PuzzleGridArea", "KeyWords", "QuotesEditor", "OutputEditor",
        "IniFile", "NumberGrid"},
       {"@statusArea", "@searchBar", "@viewButtons", "@pool", "HelpFile"},
       [](W& w, int topic) {
         if (!w.m_lists->anyVisible()) w.m_lists->clueList()->show();
         w.m_listCommands->SetListLabelToLines(ToQString(w.m_session->Output.OutputFileName),
                                               static_cast<int>(w.m_session->Output.Lines.size()));
         w.m_commands->LoadHelpTopic(topic);
       }},
      {"IniFile",
       {"KeyWords", "HelpFile", "NumberGrid", "OutputEditor", "QuotesEditor", "PuzzleGridArea",
        "@printArea", "@gridControls"},
       {"IniFile", "@statusArea", "@searchBar", "@viewButtons", "@pool"},
       [](W& w, int) {
         if (w.m_distribution->active()) w.m_distribution->Leave(false);
         if (!w.m_lists->anyVisible()) w.m_lists->clueList()->show();
       }},
      {"NumberMap", {"KeyWords", "HelpFile", "IniFile"}, {"NumberGrid"}},
  };
}

ViewTable::ViewTable(MainWindow& window) : m_window(window), m_rows(Rows()) {
  W& w = window;
  QList<QWidget*> lists;
  lists << w.m_lists->candidates() << w.m_lists->clueList() << w.m_status->searchStatus()
        << w.m_status->addItemField();
  for (int n = 1; n <= 4; ++n) lists << w.m_lists->wordList(n);
  m_groups[QStringLiteral("@lists")] = lists;
  QList<QWidget*> editors;
  editors << w.m_answer->outputEditor() << w.m_answer->quotesEditor() << w.m_answer->iniFile()
          << w.m_answer->helpFile() << w.m_answer->keyWords() << w.m_gridView->puzzleArea()
          << w.m_answer->numberGrid();
  m_groups[QStringLiteral("@editors")] = editors;
  QList<QWidget*> status;
  status << w.m_status->charStatus1() << w.m_status->charStatus2() << w.m_status->listLabel()
         << w.m_status->heuristicButton();
  m_groups[QStringLiteral("@statusArea")] = status;
  setGroup(QStringLiteral("@printControls"), w.m_gridView->printControls());
  m_groups[QStringLiteral("@gridControls")] = w.m_gridView->gridControls();
  m_groups[QStringLiteral("@searchBar")] = w.m_bottom->searchControls();
  m_groups[QStringLiteral("@viewButtons")] = w.m_bottom->viewButtons();
}

QList<QWidget*> ViewTable::controls(const QString& name) const {
  if (name == QLatin1String("@pool")) return {};  // the chosen grid only; see show()
  if (name.startsWith(QLatin1Char('@'))) {
    const auto it = m_groups.find(name);
    return it == m_groups.end() ? QList<QWidget*>{} : it->second;
  }
  if (auto* control = m_window.findChild<QWidget*>(name)) return {control};
  return {};
}

void ViewTable::setGroup(const QString& group, const QList<QWidget*>& controls) {
  m_groups[group] = controls;
  if (group == QLatin1String("@printControls")) {
    QList<QWidget*> print;
    print << m_window.m_status->printStatus1() << m_window.m_status->printStatus2()
          << m_window.m_gridView->distributionButton() << controls;
    m_groups[QStringLiteral("@printArea")] = print;
  }
}

void ViewTable::addRow(const ViewRow& row) {
  for (auto& r : m_rows)
    if (QString::fromLatin1(r.name) == QString::fromLatin1(row.name)) {
      r = row;
      return;
    }
  m_rows.push_back(row);
}

bool ViewTable::show(const QString& view, int arg) {
  for (const ViewRow& row : m_rows) {
    if (QString::fromLatin1(row.name) != view) continue;
    if (row.allowed && !row.allowed(m_window)) return false;
    for (const QString& name : row.hide) {
      if (name == QLatin1String("@pool")) m_window.m_pool->hideAll();
      for (QWidget* c : controls(name)) c->hide();
    }
    for (const QString& name : row.show) {
      if (name == QLatin1String("@pool")) m_window.m_pool->showCurrent();
      for (QWidget* c : controls(name)) c->show();
    }
    if (row.then) row.then(m_window, arg);
    return true;
  }
  return false;
}

}  // namespace quotella
