#include "formats/acrosticlayout.h"

#include <algorithm>

#include "core/answertable.h"
#include "core/clues.h"
#include "core/copyright.h"
#include "core/textio.h"

namespace quotella {

// A new puzzle's notice names the year it was made in ("Puzzle © 2003 by" in older
// files); with no name after "by" it is still the untouched default.
bool IsDefaultCopyright(const std::string& copyright) {
  const std::string text = Trim(copyright);
  const std::string model = DefaultCopyrightText(2000);
  const std::size_t year = model.find("2000");
  if (text.size() != model.size() || text.compare(0, year, model, 0, year) != 0 ||
      text.compare(year + 4, std::string::npos, model, year + 4) != 0)
    return false;
  return std::all_of(text.begin() + static_cast<std::ptrdiff_t>(year),
                     text.begin() + static_cast<std::ptrdiff_t>(year + 4),
                     [](char c) { return c >= '0' && c <= '9'; });
}

std::string BylineName(const std::string& byline) {
  std::string name = Trim(byline);
  if (name.size() >= 3 && LowerCase(name.substr(0, 3)) == "by ")
    name = Trim(name.substr(3));
  else if (LowerCase(name) == "by")
    name.clear();
  return name == "Anonymous" ? std::string() : name;
}

AcrosticLayout::AcrosticLayout(const PuzzleDocument& doc, const FileSession& session) {
  const Tpuzzle& p = doc.P;
  title = Trim(session.TitleBox).empty() ? "Untitled" : Trim(session.TitleBox);
  byline = Trim(session.BylineBox).empty() ? "by Anonymous" : Trim(session.BylineBox);
  copyright = session.CopyrightText;
  bylineName = BylineName(session.BylineBox);
  copyrightNotice = IsDefaultCopyright(copyright) ? std::string() : Trim(copyright);
  authorOrig = p.AuthorOrig;
  workOrig = p.WorkOrig;
  quoteOrig = p.QuoteOrig;

  const int numCells = std::min(p.NumCells, kMaxCells);
  m_columns = std::max(1, doc.Grid.Columns);
  const int offset = std::max(0, p.GridOffset);
  // Rows before the first cell or after the last one hold nothing and are left out.
  const int firstRow = offset / m_columns;
  const int lastRow = numCells > 0 ? (offset + numCells - 1) / m_columns : firstRow;
  m_rows = lastRow - firstRow + 1;
  m_cells.assign(static_cast<std::size_t>(m_rows * m_columns), LayoutCell{});
  // Grid position of cell index i (1-based), as an index into m_cells.
  const auto slot = [&](int i) { return offset + i - 1 - firstRow * m_columns; };

  for (int i = 1; i <= numCells; ++i) {
    const TMasterCellRec& cell = p.Cells[static_cast<std::size_t>(i)];
    LayoutCell& out = m_cells[static_cast<std::size_t>(slot(i))];
    if (cell.Char == '-') {
      out.kind = LayoutCell::Kind::Hyphen;
    } else if (IsUpperLetter(cell.Char) && cell.CellNumber > 0) {
      out.kind = LayoutCell::Kind::Letter;
      out.letter = cell.Char;
      out.number = cell.CellNumber;
    }
  }

  for (int r = 0; r < p.NumWords && r < kTableSize; ++r) {
    LayoutAnswer answer;
    answer.label = doc.Label(r);
    const std::size_t row = static_cast<std::size_t>(r);
    answer.clue = Trim(RemoveLabel(Trim(row < doc.ClueLines.size() ? doc.ClueLines[row] : "")));
    for (int c = 1; c < kTableSize; ++c) {
      const std::string letter = Trim(doc.KeyWords.At(c, r));
      if (letter.empty()) break;
      answer.word += letter;
      const int i = MappedIndex(doc, c, r);
      if (i < 1 || i > numCells) {
        ++m_lettersWithoutCell;
        continue;
      }
      const int at = slot(i);
      answer.cells.emplace_back(at % m_columns, at / m_columns);
      m_cells[static_cast<std::size_t>(at)].label = answer.label;
    }
    m_answers.push_back(std::move(answer));
  }
  for (const LayoutCell& cell : m_cells)
    if (cell.kind == LayoutCell::Kind::Letter && cell.label.empty()) ++m_lettersInNoAnswer;
}

std::string AcrosticLayout::UnfinishedWarning() const {
  if (m_lettersInNoAnswer == 0 && m_lettersWithoutCell == 0) return {};
  std::string text = "The puzzle is not finished:";
  if (m_lettersInNoAnswer > 0)
    text +=
        " " + std::to_string(m_lettersInNoAnswer) + " letters of the quotation are in no answer";
  if (m_lettersInNoAnswer > 0 && m_lettersWithoutCell > 0) text += ";";
  if (m_lettersWithoutCell > 0)
    text += " " + std::to_string(m_lettersWithoutCell) + " answer letters have no cell";
  return text + ".";
}

}  // namespace quotella
