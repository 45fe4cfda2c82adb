#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/document.h"
#include "search/sorts.h"

namespace quotella {

// The word-search commands of quotella-cli on a loaded puzzle: what they print, one
// line per entry, and their exit codes (0 done, 1 a word file could not be read,
// 2 a bad argument).

struct ScanRequest {
  std::string label;     // the answer row ("A" .. "ZZ", any case)
  std::string dictDir;   // ends in a separator
  std::string listFile;  // scan this word list instead of the dictionary
  std::optional<std::string> mustHave;
  std::optional<int> minLength;
  std::optional<int> maxLength;
  std::optional<CandidateSort> sort;
  std::optional<std::string> statsWord;  // print this candidate's statistics instead
  // The constructor's scored lists: each candidate is printed with its score, and with
  // scanScored they are scanned in place of the dictionary.
  std::vector<std::string> scoredFiles;
  int minScore = kDefaultMinScore;
  int defaultScore = kDefaultListScore;
  bool scanScored = false;
};

// "length", "vowels", "problems", "primary", "rarity", "score".
std::optional<CandidateSort> SortByName(const std::string& name);

// The 0-based answer row of a label in any case; -1 when the puzzle has none.
int RowOfAnswerLabel(const PuzzleDocument& doc, const std::string& label);

// Scans for the row as the window would: the candidates in the order shown (sorted when
// asked and something fitted), or the explanatory lines; with statsWord the vowel
// outlook and the five panels of the candidate status bar. Must, min and max switch the
// conditions on. primaryProblemStr: the primary problem letters still in the pool. With
// scored lists, a listed candidate is followed by a tab and its score; a list that cannot
// be read, or has bad lines, is reported and the scan goes on with the rest (1 when the
// scan was of the scored lists alone and none could be read).
int RunScan(PuzzleDocument& doc, const ScanRequest& request, const std::string& primaryProblemStr,
            std::vector<std::string>& out);

// The problem-letter search over the dictionary; 1 when no letter file could be read.
int RunProblemSearch(PuzzleDocument& doc, const std::string& dictDir,
                     const ProblemSearchParams& params, std::vector<std::string>& out);

}  // namespace quotella
