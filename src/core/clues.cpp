#include "core/clues.h"

#include "core/answertable.h"
#include "core/textio.h"

namespace quotella {

std::string RemoveLabel(const std::string& line) {
  const std::size_t stop = line.find('.');
  if (stop != std::string::npos && stop <= 2) return line.substr(stop + 1);
  return line;
}

bool WriteClue(PuzzleDocument& doc, int row, const std::string& text) {
  if (row < 0 || row >= doc.P.NumWords || row >= kMaxWords) return false;
  if (doc.ClueLines.size() < static_cast<std::size_t>(doc.P.NumWords))
    doc.ClueLines.resize(static_cast<std::size_t>(doc.P.NumWords));
  std::string& line = doc.ClueLines[static_cast<std::size_t>(row)];
  std::string written = doc.Label(row) + ". " + Trim(text);
  // Clues are saved with the puzzle; a changed one must not be lost on exit.
  if (written != line) doc.PuzzleChanged = true;
  line = std::move(written);
  doc.Notify(PuzzleDocument::Change::Clues);
  return true;
}

bool PromptClue(PuzzleDocument& doc, int row) {
  if (row < 0 || row >= doc.P.NumWords || row >= kMaxWords) return false;
  const std::string line = static_cast<std::size_t>(row) < doc.ClueLines.size()
                               ? doc.ClueLines[static_cast<std::size_t>(row)]
                               : std::string();
  const std::string current = RemoveLabel(Trim(line));
  const auto answer = doc.host().Prompt(
      "CLUE ENTRY", "Enter the clue for " + doc.Label(row) + ".  " + Keystring(doc, row), current);
  return WriteClue(doc, row, answer.value_or(current));
}

int WriteClue1Click(PuzzleDocument& doc) {
  const int row = doc.view().CurRow;
  if (!PromptClue(doc, row)) return -1;
  if (row < doc.P.NumWords - 1) doc.view().CurRow = row + 1;
  return row;
}

void WriteClue2Click(PuzzleDocument& doc, int caretLine) {
  PromptClue(doc, caretLine);
}

}  // namespace quotella
