#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/tpuzzle.h"

namespace quotella {

// The flags a running three-word search polls between its steps. Any thread may set
// them; the search only reads them (and consumes a skip).
struct ThreeWordControl {
  std::atomic<bool> searching{true};  // cleared by "End Heuristic Search Now" and by Esc
  std::atomic<bool> skip{false};      // abandon the current word of list 1
  std::atomic<bool> escape{false};    // Esc held down
  // Called at every list-1 and list-2 step; may set the flags (a synchronous caller
  // lets its window process events here). Empty: nothing to poll.
  std::function<void()> poll;
};

// Everything a search reports, in the order the user sees it. The search calls these
// from the thread it runs on; a window marshals them to its own thread.
class ThreeWordSink {
 public:
  virtual ~ThreeWordSink() = default;
  virtual void LogLine(const std::string& line) = 0;        // appended to word list 4
  virtual void CandidateLine(const std::string& line) = 0;  // appended to the candidate list
  virtual void StatusReport(const std::string& text) = 0;   // the main status bar's message
  // The combination on show in the search status bar; i counts list-1 words done.
  virtual void Progress(const std::string& w1, const std::string& w2, const std::string& w3,
                        std::size_t i, std::size_t n1) {
    (void)w1, (void)w2, (void)w3, (void)i, (void)n1;
  }
};

struct ThreeWordOutcome {
  int solutions = 0;
  bool aborted = false;  // Esc
  bool stopped = false;  // "End Heuristic Search Now"
};

// The text holds exactly the pool's letters: blanks removed, upper-cased, letters A-Z
// counted and compared with the pool (a count below zero counts as zero).
bool CompletesPuzzle(const std::string& text, const LetterCounts& pool);

// The three-word search over lists 1-3: every combination (i, j, k) in that loop order
// whose lengths add up to the pool total plus three and whose letters after the
// initials use up the pool exactly is a solution. Solutions go to list 4 as
// "w1 * w2 * w3" and to the candidate list as "!w1*w2*w3", followed by the result line.
//
// Two engines give the same lines in the same order. The plain one tries every
// combination. The fast one groups list 3 by what a word takes from the pool (its
// letter counts after the initial and its length, hashed linearly so that the key a
// pair of words leaves is a subtraction) and looks up each pair's remainder; a group
// keeps its words in list order, so solutions for one pair come out as the plain loop
// finds them.
class ThreeWordSearch {
 public:
  using Lists = std::array<std::vector<std::string>, 3>;

  static ThreeWordOutcome RunPlain(const Lists& lists, const LetterCounts& pool,
                                   ThreeWordControl& control, ThreeWordSink& sink);
  static ThreeWordOutcome RunFast(const Lists& lists, const LetterCounts& pool,
                                  ThreeWordControl& control, ThreeWordSink& sink);
};

}  // namespace quotella
