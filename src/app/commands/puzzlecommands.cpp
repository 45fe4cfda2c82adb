#include "app/commands/puzzlecommands.h"

#include <QPlainTextEdit>
#include <QTextBlock>

#include "app/commands/answercommands.h"
#include "app/commands/viewcommands.h"
#include "app/panes/answerpane.h"
#include "app/search/searchcontroller.h"
#include "app/window/editorsync.h"
#include "app/window/mainwindow.h"
#include "core/construction.h"
#include "core/geometry.h"
#include "files/filesession.h"
#include "files/puzzlefile.h"
#include "render/highlight.h"
#include "render/qtext.h"
#include "search/wordlists.h"

namespace quotella {

PuzzleCommands::PuzzleCommands(MainWindow& window) : QObject(&window), w(window) {}

void PuzzleCommands::NewPuzzleShown() {
  SearchController& search = *w.m_search;
  const bool searching = search.heuristicSearching() || search.autofilling();
  search.EndAll();
  // A search that was ending may have left its log in the lists.
  if (searching) ReloadWordLists(*w.m_sources);
  ClearDisplayMarks(*w.m_doc);
  w.m_answers->ResetSwap();
  w.m_sync->PushLists();
}

void PuzzleCommands::QuotesEditorDblClick() {
  PuzzleDocument& doc = *w.m_doc;
  FileSession& session = *w.m_session;
  const QString line = w.m_answer->quotesEditor()->textCursor().block().text();
  // One stray double click must not lose the work on a changed puzzle.
  if (doc.PuzzleExists && doc.PuzzleChanged && !line.trimmed().isEmpty()) {
    const std::optional<bool> save = w.host().ConfirmOrCancel("Puzzle file has changed. Save it?");
    if (!save) return;
    if (*save) {
      w.m_sync->RunPullPush([&doc, &session] { Puzzle2Click(doc, session); });
      if (doc.PuzzleChanged) return;  // not saved: the puzzle stays
    }
  }
  const DblClickResult result = quotella::QuotesEditorDblClick(doc, ToUtf8(line));
  if (result != DblClickResult::Blank && result != DblClickResult::Refused) {
    session.CurrentPuzzleFile = "noname.txt";
    SetCaption(session, session.CurrentPuzzleFile);
    w.setWindowTitle(ToQString(session.Caption));
    NewPuzzleShown();
  }
  if (result == DblClickResult::Made) {
    doc.CurCol = 2;
    doc.CurRow = 0;
    w.m_viewCommands->PoolViewClick(0);
    w.m_viewCommands->Puzzle3Click();
  }
  w.RefreshViews();
}

void PuzzleCommands::StretchGrid1Click() {
  if (!w.m_doc->PuzzleExists) return;
  quotella::StretchGrid1Click(*w.m_doc);
  w.RefreshViews();
}

void PuzzleCommands::SqueezeGrid1Click() {
  if (!w.m_doc->PuzzleExists) return;
  quotella::SqueezeGrid1Click(*w.m_doc);
  w.RefreshViews();
}

}  // namespace quotella
