#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/document.h"
#include "render/textmeasure.h"

namespace quotella {

// One answer word's clue as it is printed: the clue wrapped into lines, and its cell
// numbers wrapped into lines of three-character fields four characters apart, so that
// each number sits centred under its "___" dash group. Lines are not capped at
// twelve: a long clue keeps all its lines.
struct ClueBlock {
  std::vector<std::string> clueLines;
  std::vector<std::string> numberLines;
  // The letters of the answer word, one per number, for the key variant.
  std::string letters;
  // Vertical room the block asks for before it is placed.
  int height = 0;
};

// Lays out the clue blocks of every answer word from the clue list and the number map.
class ClueLayout {
 public:
  using WidthOf = std::function<int(const std::string&)>;
  // Greedy wrap: words (split at blanks) join a line while the line with the next word
  // stays narrower than width; a word wider than a line of its own is broken inside the
  // word, so every line is narrower than width (a line holds at least one character).
  static std::vector<std::string> Wrap(const std::string& text, int width, const WidthOf& widthOf);
  static std::vector<std::string> Wrap(const std::string& text, int width, FontRole role,
                                       const TextMeasure& measure);

  // The cell numbers of answer row `row`, each padded with "@" to three characters so
  // that it sits centred under its dash group (a two-digit number one to the right),
  // and followed by a blank. An entry of the number map that is no cell index
  // is left out with "Val error in FillclueRecs".
  static std::string NumberText(const PuzzleDocument& doc, int row);

  // The blocks of all answer words; clue lines wrap at clueWidth in the clue font, number
  // lines at numberWidth in the numbered-dash font.
  static std::vector<ClueBlock> Build(const PuzzleDocument& doc, int clueWidth, int numberWidth,
                                      const TextMeasure& measure);

  // The writing line above a number line of n numbers: n dash groups, or with the key
  // the next n letters of the answer word, each as " L  ".
  static std::string WritingLine(int n, const std::string& keyLetters, bool key);

  // How many numbers a number line holds.
  static int NumbersOnLine(const std::string& numberLine);
};

}  // namespace quotella
