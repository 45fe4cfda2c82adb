#pragma once

#include <array>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "core/document.h"
#include "core/linestore.h"
#include "core/tpuzzle.h"
#include "search/threewordsearch.h"

namespace quotella {

// The list views the search works on, owned by the window: word lists 1-4 (lists 1-3
// become the three target lists, list 4 the search log) and the candidate list.
struct HeuristicLists {
  std::array<LineStore*, 4> lists{};
  std::vector<std::string>* candidates = nullptr;
  // The lists' file names as stored, named when a list yields no word.
  std::array<std::string, 4> fileNames{"words1.txt", "words2.txt", "words3.txt", "words4.txt"};
};

struct WordSources;

// One thing a running search reports; the window applies them in order on its own
// thread with HeuristicSearch::Apply.
struct HeuristicEvent {
  enum class Kind { Log, Candidate, Status, Progress, Finished };
  Kind kind = Kind::Log;
  std::string text;                  // Log, Candidate, Status
  std::array<std::string, 3> words;  // Progress: the search status bar's panels
  std::size_t done = 0, total = 0;   // Progress: list-1 words begun / list 1's size
  ThreeWordOutcome outcome;          // Finished
};

// What reading the three target lists needs, copied from the puzzle on the window's
// thread so that a worker can read them without touching the document.
struct HeuristicReading {
  std::string dictDir;                   // ends in a separator (empty: the current folder)
  std::array<char, 3> initials{};        // the target rows' initials ('?' when none)
  std::array<std::string, 3> fileNames;  // lists 1-3's names, for "No words found"
  // Lists 1-3 as they are: a list whose file cannot be read keeps its entries.
  std::array<std::vector<std::string>, 3> lists;
  LetterCounts pool{};
  std::array<bool, 26> locked{};
  int poolTotal = 0;
};

// The three target lists as read: the letter files' words that fit their rows, without
// empty lines and words too long for the pool; `candidates` is what the candidate list
// shows afterwards. `stopped`: the host asked to stop between files; the lists are partial.
struct HeuristicListsRead {
  std::array<std::vector<std::string>, 3> lists;
  std::vector<std::string> candidates;
  bool stopped = false;
};

// Reads a letter file's lines; nothing when it cannot be read.
using LetterFileReader =
    std::function<std::optional<std::vector<std::string>>(const std::string& path)>;

// Reads and trims the target lists, reporting on `host` (status texts, sounds, a message for
// a file that cannot be read); the host's ProcessPendingEvents is asked between files and
// stops the reading. Touches nothing else: it may run in a worker.
HeuristicListsRead ReadHeuristicLists(const HeuristicReading& reading, Host& host,
                                      const LetterFileReader& read);

// A search's worker taken out of it: it ends soon after its stop and is joined once `done`.
struct HeuristicWorker {
  std::jthread thread;
  std::shared_ptr<const std::atomic<bool>> done;
};

// The heuristic search: when exactly three answer rows are empty, prepare the three
// target lists (letter files, the words that fit, pruning, the early ends) and then
// find every combination of one word per row that uses up the pool exactly.
//
// The session runs on the window's thread except the reading of the lists (Begin, then
// ReadHeuristicLists anywhere, then ListsRead) and the search loops, which may run in a
// worker (Start); the worker reads only its own copies of lists 1-3 and the pool and
// talks through events, so the document and the lists are touched by one thread only.
// The searching flag stays set after an early end of the preparation, which keeps a
// solution from being laid until the search is ended explicitly.
class HeuristicSearch {
 public:
  enum class Prepared {
    Ready,
    NotThreeEmpty,  // nothing done: not exactly three empty rows
    Busy,           // nothing done: a search still runs in the worker
    EmptyList,
    BailedOut,
    TooShort,
    MissingLetters,
    AwaitingEditor  // the word-list editor is open; EditorClosed continues
  };

  HeuristicSearch(PuzzleDocument& doc, HeuristicLists lists);
  // On the window's word sources: their lists, candidates, file names, dictionary
  // directory and "Reload Word Lists".
  HeuristicSearch(PuzzleDocument& doc, WordSources& sources);
  ~HeuristicSearch();
  HeuristicSearch(const HeuristicSearch&) = delete;
  HeuristicSearch& operator=(const HeuristicSearch&) = delete;

  // The directory of the letter files, ending in a separator (empty: the current one).
  std::string DictDir;
  // "Reload Word Lists": puts the user's lists back after an early end.
  std::function<void()> ReloadWordLists;
  // The word-list editor on lists 1-3; edits them in place. False when the user bails out.
  // Without an editor a Yes to the prune question keeps the lists as they are.
  std::function<bool(ThreeWordSearch::Lists& lists)> PruneEditor;

  // A word-list editor that does not block (the window's): opened on lists 1-3 after a
  // Yes to the prune question; Prepare then returns AwaitingEditor and the window calls
  // EditorClosed when the user leaves it. Takes precedence over PruneEditor.
  std::function<void(const ThreeWordSearch::Lists& lists)> OpenPruneEditor;

  // Reads the letter files (tests and callers that read elsewhere replace it).
  LetterFileReader ReadLetterFile;

  // Steps up to the search: flags, list 4, the targets, the three lists, the checks.
  Prepared Prepare();
  // The first steps: flags, list 4, the targets. Ready: the lists are to be read next with
  // Reading(); anything else ends the preparation here.
  Prepared Begin();
  // What the lists are read from, once Begin answered Ready.
  HeuristicReading Reading() const;
  // The rest of the preparation with the lists read: the checks, the prune question.
  Prepared ListsRead(HeuristicListsRead read);
  // The reading was stopped or dropped: the user's lists and the switch go back, and the
  // search is over.
  void Abandon();
  // The rest of the preparation once the non-blocking editor was left.
  Prepared EditorClosed(bool bailedOut, ThreeWordSearch::Lists lists);
  // The search loops on this thread; Esc is polled through the host between steps.
  ThreeWordOutcome Run();
  // The search loops in a worker; post gets every event, in order, from the worker.
  void Start(std::function<void(HeuristicEvent)> post);
  // Applies a worker's event (on the window's thread).
  void Apply(const HeuristicEvent& event);
  // Waits for a worker to end.
  void Join();
  // Stops the worker and hands it over without waiting: it no longer touches this search,
  // which may then go at once. Empty when no worker ran.
  HeuristicWorker TakeWorker();

  // "End Heuristic Search Now": searching off, skip on.
  void EndNow();
  // A click on the search status bar.
  void Skip() { m_control->skip.store(true); }
  // Esc held down.
  void Escape() { m_control->escape.store(true); }
  bool Searching() const { return m_control->searching.load(); }

  // A double-click on a line of word list 4: lays its three words ("w1 * w2 * w3") into
  // the first empty rows of their initials. Returns the number of words laid.
  int LaySolution(const std::string& line);

  // The rows being filled (table rows, 0-based) and the pool total at the start.
  const std::array<int, 3>& TargetRows() const { return m_targets; }
  int PoolTotal() const { return m_poolTotal; }

 private:
  void Report(const std::string& text);
  void Log(const std::string& line);
  void SwitchBack();
  void EndEarly();
  void Finish(const ThreeWordOutcome& outcome);
  Prepared AfterEditor(bool bailedOut, ThreeWordSearch::Lists* lists);
  Prepared CheckLists();
  ThreeWordSearch::Lists TargetLists() const;

  PuzzleDocument& m_doc;
  HeuristicLists m_lists;
  WordSources* m_sources = nullptr;
  // Shared with the worker, which may outlive this search (TakeWorker).
  std::shared_ptr<ThreeWordControl> m_control = std::make_shared<ThreeWordControl>();
  bool m_savedSwitch = false;
  bool m_switchSaved = false;  // a search has saved the switch: there is a state to go back to
  std::array<int, 3> m_targets{-1, -1, -1};
  int m_poolTotal = 0;
  bool m_awaitingFinish = false;  // a worker's end has not been applied yet
  bool m_awaitingEditor = false;  // the non-blocking editor is open
  std::jthread m_worker;
  std::shared_ptr<std::atomic<bool>> m_workerDone;
};

// The message panel of the main status bar.
inline constexpr int kMessagePanel = 2;

}  // namespace quotella
