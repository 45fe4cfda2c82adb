#pragma once

#include <QObject>

namespace quotella {

class AnswerCommands;
class AnswerPane;
class EditorSync;
class FileSession;
class Host;
class PuzzleDocument;
class SearchController;
class ViewCommands;
class WindowRequests;
struct WordSources;

// Making a puzzle and shaping its grid: a double click on a quotes line (or "Make Puzzle
// of Current Line") makes a puzzle of that line; any new puzzle ends the searches and
// drops the old one's marks; Stretch Grid and Squeeze Grid widen and narrow the grid.
class PuzzleCommands : public QObject {
  Q_OBJECT
 public:
  PuzzleCommands(PuzzleDocument& doc, FileSession& session, WordSources& sources, Host& host,
                 AnswerPane& answer, AnswerCommands& answers, EditorSync& sync,
                 ViewCommands& viewCommands, SearchController& search, WindowRequests& requests);

  // Makes a puzzle of the quotes line under the caret; a changed puzzle is offered for
  // saving first ("Puzzle file has changed. Save it?"; Cancel keeps it).
  void QuotesEditorDblClick();
  // A new puzzle replaces the old one: searches end, swap marks go, the lists follow.
  void NewPuzzleShown();
  // A puzzle made here (a quotes line, manual entry): it has no file yet, its title box is
  // empty and its byline the default; then as NewPuzzleShown.
  void NewPuzzleMade();
  void StretchGrid1Click();
  void SqueezeGrid1Click();

 private:
  // The quote window shows the open puzzle's quotation again.
  void ShowOpenQuotation();

  PuzzleDocument& m_doc;
  FileSession& m_session;
  WordSources& m_sources;
  Host& m_host;
  AnswerPane& m_answer;
  AnswerCommands& m_answers;
  EditorSync& m_sync;
  ViewCommands& m_viewCommands;
  SearchController& m_search;
  WindowRequests& m_requests;
};

}  // namespace quotella
