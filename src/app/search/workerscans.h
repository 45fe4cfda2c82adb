#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "search/heuristic.h"
#include "search/searchdeadline.h"

namespace quotella {

class BackgroundWork;
class PuzzleDocument;
struct AutofillAlternative;
struct FillJob;
struct HeuristicListsRead;
struct HeuristicReading;
struct FillRequest;
struct ProblemSearchParams;
struct RarityColors;
struct WordSources;
class WordList;

// The window's long scans as background jobs: each reads copies of the puzzle and the
// lists in a worker and lays its result into the window's stores only if they are as they
// were when it started.
class WorkerScans {
 public:
  // "Find Words using most Problem Chars": the words go to the candidate list (and the last
  // letter file read to word list 1); `shown` runs after, to repaint.
  static void FindProblemWords(BackgroundWork& work, PuzzleDocument& doc, WordSources& sources,
                               const ProblemSearchParams& params, std::function<void()> shown);
  // Autofill's job: the dictionary and the word lists read, the problem made from a copy
  // of the puzzle; `ready` takes it on the window's thread.
  static void PrepareAutofill(BackgroundWork& work, const PuzzleDocument& doc,
                              const FillRequest& request, const std::string& dictDir,
                              std::function<void(std::shared_ptr<FillJob>)> ready);
  // "Other Answers for This Row": the dictionary read and the row's other answers found on a
  // copy of the puzzle, autofill's time limit measured on `clock`; `found` takes them on
  // the window's thread while the puzzle is as it was.
  static void FindOtherAnswers(BackgroundWork& work, const PuzzleDocument& doc, int row,
                               const FillRequest& request, const std::string& dictDir,
                               SearchDeadline::Clock clock,
                               std::function<void(std::vector<AutofillAlternative>)> found);
  // What takes lists read in the worker, on the window's thread: it runs `lay`, which puts
  // them in the window's lists, and shows them.
  using TakeLists = std::function<void(const std::function<void()>& lay)>;
  // Open > Wordlist n once its file is chosen: the file read into a copy of list n, taken
  // unless list n changed meanwhile.
  static void LoadWordList(BackgroundWork& work, WordSources& sources, int n,
                           const std::string& path, TakeLists take);
  // "Reload Word Lists": the four lists' files read again into copies, taken unless a
  // list changed meanwhile.
  static void ReloadWordLists(BackgroundWork& work, WordSources& sources, TakeLists take);
  // The heuristic search's three target lists, read from their letter files through `read`;
  // `done` takes them on the window's thread while the puzzle is as it was.
  static void ReadHeuristicLists(BackgroundWork& work, const PuzzleDocument& doc,
                                 HeuristicReading reading, LetterFileReader read,
                                 std::function<void(HeuristicListsRead)> done);
  // "Set Rarity Colors to Dict": counts the dictionary's letter files, then colours.
  static void CountDictionary(BackgroundWork& work, PuzzleDocument& doc, WordSources& sources,
                              RarityColors& colors, std::function<void()> coloured);
};

}  // namespace quotella
