#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/document.h"

namespace quotella {

class Stemmer;

// Checks of a clue against the first rules of clue writing: a clue must not hold its own
// answer or a word of the same stem, nor another answer of the puzzle; it must be written
// and fit its printed column; an enumeration it states must match the answer.
enum class ClueFault {
  Empty,             // nothing written yet
  HoldsAnswer,       // the answer, or a word of its stem
  HoldsOtherAnswer,  // another row's answer, or a word of its stem
  OverOneLine,       // a note: the printed clue takes more than one line
  OverThreeLines,    // longer than three printed lines
  WrongEnumeration,  // "(8)" at the end of the clue of a nine-letter answer
};

struct ClueFinding {
  ClueFault fault;
  std::string text;  // what the user reads: "holds its answer (AQUAPLANE)"
  bool needsLook;    // false for a note
};

// One row's clue and what its checks found.
struct ClueCheck {
  int row = 0;
  std::string label;
  std::string answer;       // the answer word as it stands (A-Z)
  std::string clue;         // the clue text without its label
  std::string enumeration;  // what the solver sees: "(9)"
  int printedLines = 0;     // lines of the printed column the clue line takes
  std::vector<ClueFinding> findings;

  bool written() const { return !clue.empty(); }
  // A written clue that fails a check (not a note).
  bool needsLook() const;
};

// An answer of another row, to look for in a clue.
struct OtherAnswer {
  std::string label;
  std::string word;
  std::string stem;  // the word's stem when known; found by the check when empty
};

// How many printed lines a clue line takes in the clue column.
using LinesOf = std::function<int(const std::string&)>;

// Without the page at hand: the clue column of a Letter page in three columns holds
// about kEstimatedCharsPerLine characters of the 10-point clue font; lines are wrapped
// at blanks as the page wraps them.
inline constexpr int kEstimatedCharsPerLine = 34;
int EstimatedPrintedLines(const std::string& line);

// Answers shorter than this are not looked for in clues: a row holding only its initial is
// unfinished, and two-letter words ("AN", "IN") stand in most clues.
inline constexpr std::size_t kShortestCheckedAnswer = 3;

// The words of a clue folded to A-Z (accents off, case up), split at anything not a letter.
std::vector<std::string> ClueWords(const std::string& clue);

// "(9)" for a nine-letter answer.
std::string Enumeration(const std::string& answer);

// The checks of one clue.
ClueCheck CheckClue(const std::string& clue, const std::string& answer,
                    const std::vector<OtherAnswer>& others, const Stemmer& stemmer,
                    const LinesOf& linesOf = EstimatedPrintedLines);

// The checks of every answer row of the puzzle, in row order.
std::vector<ClueCheck> CheckClues(const PuzzleDocument& doc, const Stemmer& stemmer,
                                  const LinesOf& linesOf = EstimatedPrintedLines);

struct ClueSummary {
  int rows = 0;
  int written = 0;
  int needLook = 0;
};
ClueSummary Summarise(const std::vector<ClueCheck>& checks);
// "Clues: 41 of 45 written, 2 need a look" (one "needs a look").
std::string SummaryText(const ClueSummary& summary);

// A gloss as a clue draft: trimmed, a leading field label "(physics)" dropped, its first
// letter upper case.
std::string ClueDraft(const std::string& gloss);

}  // namespace quotella
