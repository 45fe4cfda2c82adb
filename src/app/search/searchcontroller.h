#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/dialogs/autofilldialog.h"

class QShortcut;
class QWidget;

namespace quotella {

class AutofillDictionary;
class AutofillWorker;
class HeuristicSearch;
class Host;
class PuzzleDocument;
class StatusPane;
class WordListEditor;
class WordListEditorDialog;
struct AutofillAlternative;
struct AutofillFill;
struct AutofillProblem;
struct AutofillResult;
struct WordSources;

// The long searches of the window, the heuristic three-word search and autofill, behind
// one owner: it starts their workers, shows their progress, takes their results on the
// window's thread, and ends them (the "End Heuristic Search Now" command, "Stop
// Autofill", Esc, or a new puzzle). Nothing else in the window starts or ends a search.
class SearchController : public QObject {
  Q_OBJECT
 public:
  // What the controller asks of the window.
  struct Hooks {
    std::function<void()> listsChanged;  // the word lists or candidates changed
    std::function<void()> viewsChanged;  // the document changed: repaint
    // The search shows its log: all lists hidden, word list 4 and the search bar shown.
    std::function<void()> showSearchLog;
    std::function<void(const QString& word)> lookUp;  // the editor's dictionary look-up
    std::function<std::string()> programDir;
    // Autofill started (true) or ended (false): the command's caption follows.
    std::function<void(bool running)> autofillRunning;
    // What "Autofill" (F9) asks for: the remembered limits and the selected rows.
    std::function<AutofillRequest()> autofillRequest;
    // The user left the prune editor with "Cancel": the window goes back to its puzzle.
    std::function<void()> bailedOut;
  };
  SearchController(PuzzleDocument& doc, WordSources& sources, Host& host, StatusPane& status,
                   QWidget* window, Hooks hooks);
  ~SearchController() override;

  bool heuristicSearching() const;
  bool autofilling() const { return m_autofillRunning; }
  WordListEditorDialog* wordListEditor() const { return m_listEditorDialog; }

  // The "Heuristic Search" button.
  void HeuristicButtonClick();
  // "End Heuristic Search Now".
  void EndHeuristicSearchNow1Click();
  // A click on the search status bar skips to the next first word.
  void SkipHeuristic();
  // A double click on a line of word list 4 lays its three words; false when it was
  // refused (with a message).
  bool LaySolution(const std::string& line);
  // "Autofill" starts a fill; while one runs, the same command stops it.
  void Autofill1Click();
  // Starts a fill of the request's rows (every empty row when it names none); rows that
  // hold words get new ones, every other row is kept.
  void StartAutofill(const AutofillRequest& request);
  // "Fill Again": the next fill of the last run in rank, or a new run with the next seed
  // once they are used up or the table changed.
  void FillAgain();
  // "Other Answers for This Row": every word that can replace the row's answer, in the
  // candidate list; false (with a message) when the row holds no word.
  bool ShowOtherAnswers(int row);
  // A double click on a line of the candidate list while it holds other answers: lays
  // the answer; false when the list holds something else.
  bool LayOtherAnswer(int line);
  // Esc: stops whichever search runs.
  void Escape();
  // A new or another puzzle: every search ends and its results are dropped.
  void EndAll();

 private:
  void StartHeuristicWorker();
  // What follows a step of the preparation (a HeuristicSearch::Prepared).
  void AfterPreparation(int prepared);
  void OpenWordListEditor(const std::array<std::vector<std::string>, 3>& lists);
  void OnAutofillDone(const AutofillResult& result);
  void UpdateEscape();
  void SetAutofillRunning(bool running);

  PuzzleDocument& m_doc;
  WordSources& m_sources;
  Host& m_host;
  StatusPane& m_status;
  QWidget* m_window;
  Hooks m_hooks;
  std::unique_ptr<HeuristicSearch> m_heuristic;
  bool m_heuristicRunning = false;  // a worker's results are still arriving
  int m_generation = 0;             // results of an earlier search are dropped
  std::unique_ptr<WordListEditor> m_listEditor;
  WordListEditorDialog* m_listEditorDialog = nullptr;
  std::unique_ptr<AutofillDictionary> m_autofillDict;
  std::unique_ptr<AutofillProblem> m_autofillProblem;
  AutofillRequest m_request;             // of the last run
  std::vector<AutofillFill> m_fills;     // its fills, best first
  std::size_t m_nextFill = 0;            // the next one "Fill Again" lays
  std::vector<std::string> m_laidTable;  // the answers just after a fill was laid
  std::vector<AutofillAlternative> m_alternatives;
  std::vector<std::string> m_alternativeLines;  // as the candidate list shows them
  int m_alternativesRow = -1;
  std::vector<std::string> m_alternativesTable;  // the answers they were found for
  // After the dictionary it reads from, so that it is stopped first.
  std::unique_ptr<AutofillWorker> m_autofill;
  bool m_autofillRunning = false;  // until its result has been taken on this thread
  QShortcut* m_escape = nullptr;
};

}  // namespace quotella
