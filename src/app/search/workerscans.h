#pragma once

#include <functional>

namespace quotella {

class BackgroundWork;
class PuzzleDocument;
struct ProblemSearchParams;
struct RarityColors;
struct WordSources;

// The window's long scans as background jobs: each reads copies of the puzzle and the
// lists in a worker and lays its result into the window's stores only if they are as they
// were when it started.
class WorkerScans {
 public:
  // "Find Words using most Problem Chars": the words go to the candidate list (and the last
  // letter file read to word list 1); `shown` runs after, to repaint.
  static void FindProblemWords(BackgroundWork& work, PuzzleDocument& doc, WordSources& sources,
                               const ProblemSearchParams& params, std::function<void()> shown);
  // "Set Rarity Colors to Dict": counts the dictionary's letter files, then colours.
  static void CountDictionary(BackgroundWork& work, PuzzleDocument& doc, WordSources& sources,
                              RarityColors& colors, std::function<void()> coloured);
};

}  // namespace quotella
