#include "app/window/viewtable.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
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
#include "app/window/names.h"
#include "app/window/windowparts.h"
#include "app/window/windowrequests.h"
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

using W = WindowParts;

// The output editor reaches over the list pane unless it is short.
void ViewTable::NarrowWideOutput(W& w) {
  if (!w.answer->outputEditor()->isHidden() && !w.viewCommands->outputShort())
    w.viewCommands->SetOutputShort(true);
}

// The answer table takes the left pane back from the help, settings text and number map
// unless an editor holds it.
void ViewTable::AnswerTableUnlessEditor(W& w) {
  if (!w.answer->outputEditor()->isHidden() || !w.answer->quotesEditor()->isHidden()) return;
  w.answer->helpFile()->hide();
  w.answer->iniFile()->hide();
  w.answer->numberGrid()->hide();
  w.answer->keyWords()->show();
}

void ViewTable::LabelShownList(W& w) {
  if (!w.lists->clueList()->isHidden()) {
    w.status->listLabel()->setText(QStringLiteral(" List of Clues "));
    return;
  }
  for (int n = 1; n <= 4; ++n)
    if (!w.lists->wordList(n)->isHidden()) {
      UpdateListLabel(*w.sources, n);
      w.status->listLabel()->setText(ToQString(w.sources->ListLabel));
      return;
    }
}

bool ViewTable::NotInGridView(W& w) {
  return w.gridView->puzzleArea()->isHidden();
}

// NOLINTNEXTLINE(readability-function-size): the rows are data, one view a row.
std::vector<ViewRow> ViewTable::Rows() {
  return {
      {names::kPuzzleView,
       {"WordListFileLabel", "SwapListBox", "@gridControls", "@printArea", "@lists", "@editors"},
       {"QuoteWindow", "@statusArea", "@pool", "@searchBar", "@viewButtons", "KeyWords"},
       [](W& w, int) {
         w.host->PlaySound("CHIMES");
         if (w.distribution->active()) w.distribution->Leave(false);
         w.viewCommands->ClearSwapMarksAndHighlights();
         w.quote->showQuotation(QLatin1Char('"') + ToQString(w.doc->P.QuoteOrig) +
                                QLatin1Char('"') + QStringLiteral(" - ") +
                                ToQString(w.doc->P.AuthorOrig) + QLatin1Char(' ') +
                                ToQString(w.doc->P.WorkOrig));
         if (w.search->heuristicSearching())
           w.lists->wordList(4)->show();
         else
           w.lists->clueList()->show();
         LabelShownList(w);
         w.answer->keyWords()->setFocus();
       },
       nullptr,
       MiddlePage::kPanes},
      {names::kGridView,
       {"WordListFileLabel", "@pool", "@statusArea", "CandidateStatusBar", "@lists", "@editors"},
       {"@printControls", "PuzzleGridArea"},
       [](W& w, int) {
         if (w.distribution->active()) {
           w.distribution->Leave(true);
         } else {
           for (QWidget* c : w.bottom->searchControls()) c->hide();
           w.status->printStatus1()->show();
           w.status->printStatus2()->show();
           w.gridView->distributionButton()->show();
           for (QWidget* c : w.gridView->gridControls())
             if (c != static_cast<QWidget*>(w.gridView->distributionBar()) &&
                 c != static_cast<QWidget*>(w.gridView->answerBar()))
               c->show();
         }
         w.viewCommands->ClearSwapMarksAndHighlights();
         if (w.doc->Grid.PrinterAvailable) {
           UpdatePrintStatusBar(*w.doc);
           w.gridView->orientationButton()->setText(
               w.doc->Grid.Landscape ? QStringLiteral("Portrait") : QStringLiteral("Landscape"));
         }
         w.gridView->puzzleGrid()->setFocus();
         w.puzzleCommands->SqueezeGrid1Click();
         w.puzzleCommands->StretchGrid1Click();
       },
       [](W& w) {
         if (w.doc->PuzzleExists) return true;
         w.host->Message("There is no puzzle loaded yet!");
         return false;
       },
       MiddlePage::kGrid},
      {names::kQuotesView,
       {"CandidateStatusBar", "@printArea", "WordListFileLabel", "SwapListBox", "@gridControls",
        "@lists", "@editors"},
       {"@statusArea", "QuoteWindow", "@searchBar", "@viewButtons", "@pool", "QuotesEditor"},
       [](W& w, int) {
         w.host->PlaySound("CHIMES");
         w.status->listLabel()->setText(ToQString(QuotesListLabel(*w.session)));
       },
       nullptr,
       MiddlePage::kPanes},
      {names::kOutputView,
       {"KeyWords", "PuzzleGridArea", "QuotesEditor", "SwapListBox", "WordListFileLabel",
        "HelpFile", "IniFile", "NumberGrid", "@printArea", "@gridControls"},
       {"QuoteWindow", "@statusArea", "@searchBar", "@viewButtons", "@pool"},
       [](W& w, int) {
         w.host->PlaySound("CHIMES");
         if (!w.viewCommands->outputShort()) w.viewCommands->HideAllLists();
         w.answer->outputEditor()->show();
         if (w.viewCommands->outputShort() && !w.lists->anyVisible()) w.lists->wordList(1)->show();
         w.listCommands->SetListLabelToLines(ToQString(w.session->Output.OutputFileName),
                                             static_cast<int>(w.session->Output.Lines.size()));
       },
       nullptr,
       MiddlePage::kPanes},
      {names::kWordListView,
       {"WordListFileLabel", "QuotesEditor", "@lists", "CandidateStatusBar"},
       {"ListLabel"},
       [](W& w, int n) {
         NarrowWideOutput(w);
         AnswerTableUnlessEditor(w);
         w.lists->wordList(n)->show();
         w.listCommands->setLastWordList(n);
         UpdateListLabel(*w.sources, n);
         w.status->listLabel()->setText(ToQString(w.sources->ListLabel));
       },
       NotInGridView},
      {names::kCluesView,
       {"@lists", "WordListFileLabel", "QuotesEditor", "CandidateStatusBar"},
       {"Cluelist", "ListLabel"},
       [](W& w, int) {
         NarrowWideOutput(w);
         AnswerTableUnlessEditor(w);
         w.status->listLabel()->setText(QStringLiteral(" List of Clues "));
       },
       NotInGridView},
      {names::kCandidatesView,
       {"WordListFileLabel", "QuotesEditor", "OutputEditor", "@lists", "HelpFile", "IniFile",
        "NumberGrid", "ListLabel"},
       {"Candidates", "KeyWords", "CandidateStatusBar"},
       nullptr,
       NotInGridView},
      {names::kHelpView,
       {"@printArea", "@gridControls", "PuzzleGridArea", "KeyWords", "QuotesEditor", "OutputEditor",
        "IniFile", "NumberGrid"},
       {"@statusArea", "@searchBar", "@viewButtons", "@pool", "HelpFile"},
       [](W& w, int topic) {
         if (!w.lists->anyVisible()) w.lists->clueList()->show();
         w.listCommands->SetListLabelToLines(ToQString(w.session->Output.OutputFileName),
                                             static_cast<int>(w.session->Output.Lines.size()));
         w.commands->LoadHelpTopic(topic);
       },
       nullptr,
       MiddlePage::kPanes},
      {names::kIniFileView,
       {"KeyWords", "HelpFile", "NumberGrid", "OutputEditor", "QuotesEditor", "PuzzleGridArea",
        "@printArea", "@gridControls"},
       {"IniFile", "@statusArea", "@searchBar", "@viewButtons", "@pool"},
       [](W& w, int) {
         if (w.distribution->active()) w.distribution->Leave(false);
         if (!w.lists->anyVisible()) w.lists->clueList()->show();
         LabelShownList(w);
       },
       nullptr,
       MiddlePage::kPanes},
      {names::kNumberMapView,
       {"KeyWords", "HelpFile", "IniFile"},
       {"NumberGrid"},
       nullptr,
       NotInGridView},
  };
}

ViewTable::ViewTable(WindowParts& parts) : m_parts(parts), m_rows(Rows()) {
  W& w = parts;
  QList<QWidget*> lists;
  lists << w.lists->candidates() << w.lists->clueList() << w.status->searchStatus()
        << w.status->addItemField();
  for (int n = 1; n <= 4; ++n) lists << w.lists->wordList(n);
  m_groups[QStringLiteral("@lists")] = lists;
  QList<QWidget*> editors;
  editors << w.answer->outputEditor() << w.answer->quotesEditor() << w.answer->iniFile()
          << w.answer->helpFile() << w.answer->keyWords() << w.gridView->puzzleArea()
          << w.answer->numberGrid();
  m_groups[QStringLiteral("@editors")] = editors;
  QList<QWidget*> status;
  status << w.status->charStatus1() << w.status->charStatus2() << w.status->listLabel()
         << w.status->heuristicButton();
  m_groups[QStringLiteral("@statusArea")] = status;
  setGroup(QStringLiteral("@printControls"), w.gridView->printControls());
  m_groups[QStringLiteral("@gridControls")] = w.gridView->gridControls();
  m_groups[QStringLiteral("@searchBar")] = w.bottom->searchControls();
  m_groups[QStringLiteral("@viewButtons")] = w.bottom->viewButtons();
}

QList<QWidget*> ViewTable::find(const QString& name) const {
  if (name == QLatin1String("@pool")) return {};  // the chosen grid only; see show()
  if (name.startsWith(QLatin1Char('@'))) {
    const auto it = m_groups.find(name);
    return it == m_groups.end() ? QList<QWidget*>{} : it->second;
  }
  if (auto* control = m_parts.window->findChild<QWidget*>(name)) return {control};
  return {};
}

QList<QWidget*> ViewTable::controls(const QString& name) const {
  QList<QWidget*> found = find(name);
  const bool known = !found.isEmpty() || name == QLatin1String("@pool") || m_groups.count(name);
  if (!known) qCritical("No control or group of the views is named \"%s\"", qPrintable(name));
  return found;
}

QStringList ViewTable::unresolvedNames() const {
  QStringList names;
  for (const ViewRow& row : m_rows)
    for (const QStringList* list : {&row.hide, &row.show})
      for (const QString& name : *list)
        if (name != QLatin1String("@pool") && find(name).isEmpty())
          names << QString::fromLatin1(row.name) + QLatin1Char(':') + name;
  return names;
}

void ViewTable::setGroup(const QString& group, const QList<QWidget*>& controls) {
  m_groups[group] = controls;
  if (group == QLatin1String("@printControls")) {
    QList<QWidget*> print;
    print << m_parts.status->printStatus1() << m_parts.status->printStatus2()
          << m_parts.gridView->distributionButton() << controls;
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
    if (row.allowed && !row.allowed(m_parts)) return false;
    for (const QString& name : row.hide) {
      if (name == QLatin1String("@pool")) m_parts.pool->hideAll();
      for (QWidget* c : controls(name)) c->hide();
    }
    for (const QString& name : row.show) {
      if (name == QLatin1String("@pool")) m_parts.pool->showCurrent();
      for (QWidget* c : controls(name)) c->show();
    }
    if (row.page != MiddlePage::kSame) m_parts.middle->setCurrentIndex(static_cast<int>(row.page));
    if (row.then) row.then(m_parts, arg);
    return true;
  }
  qCritical("No view is named \"%s\"", qPrintable(view));
  return false;
}

}  // namespace quotella
