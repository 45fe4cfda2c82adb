#pragma once

#include <string>
#include <vector>

#include "core/document.h"
#include "files/filesession.h"

namespace quotella {

// The finished puzzle as a solver sees it, independent of any output format: the
// quotation grid as laid out now (rows holding no cell left out), each position a block,
// a letter cell or a hyphen, and the answers in label order with the grid positions of
// their letters. Texts are Windows-1252, as in the document.
struct LayoutCell {
  enum class Kind { Block, Letter, Hyphen };
  Kind kind = Kind::Block;
  char letter = 0;    // the cell's letter (letter cells)
  int number = 0;     // printed number (letter cells)
  std::string label;  // label of the answer using the cell, empty when none
};

struct LayoutAnswer {
  std::string label;
  std::string clue;  // the clue text without its label prefix, trimmed
  std::string word;  // the answer's letters
  // Grid position (column, row), 0-based, of each letter that has a cell, in letter order.
  std::vector<std::pair<int, int>> cells;
};

// True when a copyright line is the one a new puzzle starts with (blanks aside).
bool IsDefaultCopyright(const std::string& copyright);

// The name in a byline: the text without a leading "by " (any letter case); empty for
// an empty byline and for the default "by Anonymous".
std::string BylineName(const std::string& byline);

class AcrosticLayout {
 public:
  AcrosticLayout(const PuzzleDocument& doc, const FileSession& session);

  int Columns() const { return m_columns; }
  int Rows() const { return m_rows; }
  const LayoutCell& At(int column, int row) const {
    return m_cells[static_cast<std::size_t>(row * m_columns + column)];
  }
  const std::vector<LayoutAnswer>& Answers() const { return m_answers; }

  std::string title;      // "Untitled" when the title box is empty
  std::string byline;     // "by Anonymous" when the byline box is empty
  std::string copyright;  // the copyright line as it stands
  // Who made the puzzle: the byline without its "by ", empty when the byline is empty or
  // the default "by Anonymous".
  std::string bylineName;
  // The copyright line, empty when it is blank or the untouched default.
  std::string copyrightNotice;
  std::string authorOrig, workOrig, quoteOrig;

  // Letter cells no answer uses, and answer letters without a cell: both zero for a
  // finished puzzle.
  int LettersInNoAnswer() const { return m_lettersInNoAnswer; }
  int LettersWithoutCell() const { return m_lettersWithoutCell; }
  // A one-line warning when the puzzle is not finished, empty when it is.
  std::string UnfinishedWarning() const;

 private:
  int m_columns = 0;
  int m_rows = 0;
  std::vector<LayoutCell> m_cells;
  std::vector<LayoutAnswer> m_answers;
  int m_lettersInNoAnswer = 0;
  int m_lettersWithoutCell = 0;
};

}  // namespace quotella
