#include "app/commands/puzzlecommands.h"

#include <QPlainTextEdit>
#include <QTextBlock>

#include "app/commands/answercommands.h"
#include "app/commands/editorsync.h"
#include "app/commands/viewcommands.h"
#include "app/panes/answerpane.h"
#include "app/search/searchcontroller.h"
#include "app/window/windowrequests.h"
#include "core/construction.h"
#include "core/geometry.h"
#include "core/quoteparse.h"
#include "files/filesession.h"
#include "files/newpuzzle.h"
#include "files/puzzlefile.h"
#include "render/highlight.h"
#include "render/qtext.h"
#include "search/wordlists.h"

namespace quotella {

PuzzleCommands::PuzzleCommands(PuzzleDocument& doc, FileSession& session, WordSources& sources,
                               Host& host, AnswerPane& answer, AnswerCommands& answers,
                               EditorSync& sync, ViewCommands& viewCommands,
                               SearchController& search, WindowRequests& requests)
    : m_doc(doc),
      m_session(session),
      m_sources(sources),
      m_host(host),
      m_answer(answer),
      m_answers(answers),
      m_sync(sync),
      m_viewCommands(viewCommands),
      m_search(search),
      m_requests(requests) {}

void PuzzleCommands::NewPuzzleShown() {
  SearchController& search = m_search;
  const bool searching = search.heuristicSearching() || search.autofilling();
  search.EndAll();
  // A search that was ending may have left its log in the lists.
  if (searching) ReloadWordLists(m_sources);
  ClearDisplayMarks(m_doc);
  m_answers.ResetSwap();
  m_sync.PushLists();
}

void PuzzleCommands::NewPuzzleMade() {
  FileSession& session = m_session;
  session.CurrentPuzzleFile = kNewPuzzleFile;
  SetCaption(session, session.CurrentPuzzleFile);
  m_requests.window().setWindowTitle(ToQString(session.Caption));
  session.TitleBox.clear();
  session.BylineBox = kDefaultByline;
  NewPuzzleShown();
}

void PuzzleCommands::ShowOpenQuotation() {
  const Tpuzzle& p = m_doc.P;
  if (p.QuotellaStr.empty()) return;
  m_doc.host().ShowQuoteWindow({QuoteWindowLine(p.QuoteOrig, p.AuthorOrig, p.WorkOrig)});
}

void PuzzleCommands::QuotesEditorDblClick() {
  PuzzleDocument& doc = m_doc;
  FileSession& session = m_session;
  const QString line = m_answer.quotesEditor()->textCursor().block().text();
  // One stray double click must not lose the work on a changed puzzle.
  if (doc.PuzzleExists && doc.PuzzleChanged && !line.trimmed().isEmpty()) {
    const std::optional<bool> save = m_host.ConfirmOrCancel("Puzzle file has changed. Save it?");
    if (save && *save) m_sync.RunPullPush([&doc, &session] { Puzzle2Click(doc, session); });
    // Cancelled or not saved: the puzzle stays, and so does its quotation above it.
    if (!save || (*save && doc.PuzzleChanged)) return ShowOpenQuotation();
  }
  const DblClickResult result = quotella::QuotesEditorDblClick(doc, ToUtf8(line));
  if (result != DblClickResult::Blank && result != DblClickResult::Refused) NewPuzzleMade();
  if (result == DblClickResult::Made) {
    doc.view().CurCol = 2;
    doc.view().CurRow = 0;
    m_viewCommands.PoolViewClick(0);
    m_viewCommands.Puzzle3Click();
  }
  m_requests.RefreshViews();
}

void PuzzleCommands::StretchGrid1Click() {
  if (!m_doc.PuzzleExists) return;
  quotella::StretchGrid1Click(m_doc);
  m_requests.RefreshViews();
}

void PuzzleCommands::SqueezeGrid1Click() {
  if (!m_doc.PuzzleExists) return;
  quotella::SqueezeGrid1Click(m_doc);
  m_requests.RefreshViews();
}

}  // namespace quotella
