#pragma once

#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/dialogs/autofilldialog.h"
#include "search/heuristic.h"
#include "search/searchdeadline.h"

class QShortcut;
class QWidget;

namespace quotella {

class AutofillWorker;
class BackgroundWork;
class OtherAnswersList;
class Host;
class PuzzleDocument;
class StatusPane;
class WordListEditor;
class WordListEditorDialog;
struct AutofillFill;
struct AutofillResult;
struct FillJob;
enum class FillLaid;
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
    // Runs a change of the puzzle as one undo step named `name`.
    std::function<void(const QString& name, const std::function<void()>& change)> step;
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
  // Autofill has read its words and its search runs.
  bool autofillSearching() const { return m_autofillRunning && m_job != nullptr; }
  WordListEditorDialog* wordListEditor() const { return m_listEditorDialog; }
  // The long scans' worker (dictionary counts, the problem-letter search).
  BackgroundWork& background() { return *m_background; }

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
  // "Other Answers for This Row": every word that can replace the row's answer is found in
  // the long scans' worker and put in the candidate list, then `shown` runs; the result is
  // dropped when the puzzle changes meanwhile. False (with a message) when the row holds
  // no word.
  bool ShowOtherAnswers(int row, std::function<void()> shown);
  // A double click on a line of the candidate list while it holds other answers: lays
  // the answer; false when the list holds something else.
  bool LayOtherAnswer(int line);
  // The clock autofill's time limit is measured on (empty: the steady clock); tests give
  // one that counts work instead of time.
  void SetAutofillClock(SearchDeadline::Clock clock) { m_budget = std::move(clock); }
  // What reads the heuristic search's letter files (empty: the files themselves); tests
  // give one that waits.
  void SetLetterFileReader(LetterFileReader read) { m_letterReader = std::move(read); }
  // Esc: stops whichever search runs.
  void Escape();
  // A new or another puzzle: every search ends and its results are dropped.
  void EndAll();

 private:
  // Reads the heuristic search's lists in the long scans' worker, then goes on preparing.
  void ReadHeuristicLists();
  // The reading of the lists was stopped or its result dropped: the search is over.
  void AbandonHeuristicReading();
  void StartHeuristicWorker();
  // What follows a step of the preparation (a HeuristicSearch::Prepared).
  void AfterPreparation(int prepared);
  void OpenWordListEditor(const std::array<std::vector<std::string>, 3>& lists);
  // Starts the search of a prepared job, unless it was stopped or ended meanwhile.
  void LaunchFill(std::shared_ptr<FillJob> job);
  void OnAutofillDone(const AutofillResult& result);
  void OfferPartialFill(const AutofillResult& result);
  // Lays a fill of the current job as one undo step and repaints.
  FillLaid LayFillAsStep(const AutofillFill& fill);
  void UpdateEscape();
  void AsStep(const QString& name, const std::function<void()>& change);
  void SetAutofillRunning(bool running);

  PuzzleDocument& m_doc;
  WordSources& m_sources;
  Host& m_host;
  StatusPane& m_status;
  QWidget* m_window;
  Hooks m_hooks;
  std::unique_ptr<HeuristicSearch> m_heuristic;
  bool m_heuristicRunning = false;  // a worker's results are still arriving
  bool m_heuristicReading = false;  // its lists are being read in the long scans' worker
  LetterFileReader m_letterReader;
  // Workers of ended searches, joined once they have ended or when the window goes.
  std::vector<HeuristicWorker> m_endedWorkers;
  int m_generation = 0;  // results of an earlier search are dropped
  std::unique_ptr<WordListEditor> m_listEditor;
  WordListEditorDialog* m_listEditorDialog = nullptr;
  // The last run's request and what it was prepared into; the worker shares the job.
  AutofillRequest m_request;
  std::shared_ptr<const FillJob> m_job;
  SearchDeadline::Clock m_budget;
  std::vector<AutofillFill> m_fills;     // its fills, best first
  std::size_t m_nextFill = 0;            // the next one "Fill Again" lays
  std::vector<std::string> m_laidTable;  // the answers just after a fill was laid
  std::unique_ptr<AutofillWorker> m_autofill;
  bool m_autofillRunning = false;  // until its result has been taken on this thread
  // Before the worker: a result the worker posted for it is dropped with the worker.
  std::unique_ptr<OtherAnswersList> m_otherAnswers;
  std::unique_ptr<BackgroundWork> m_background;
  QShortcut* m_escape = nullptr;
};

}  // namespace quotella
