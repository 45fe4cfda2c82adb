#include "files/textexport.h"

#include <charconv>

#include "core/answertable.h"
#include "core/geometry.h"
#include "core/savereport.h"
#include "core/textio.h"

namespace quotella {

namespace {

constexpr const char* kTextFilter = "Text Files|*.txt|All Files|*.*";
constexpr int kPrintTextColumns = 14;

std::string Separator(int columns) {
  std::string line = "+";
  for (int c = 0; c < columns; ++c) line += "-------+";
  return line;
}

std::string PadRight(std::string text, std::size_t width) {
  if (text.size() < width) text.append(width - text.size(), ' ');
  return text;
}

std::string PadLeft(const std::string& text, std::size_t width) {
  return text.size() < width ? std::string(width - text.size(), ' ') + text : text;
}

// The cell shown at grid position p (1-based), or nullptr for a block.
const TMasterCellRec* CellAt(const PuzzleDocument& doc, int position) {
  const Tpuzzle& p = doc.P;
  const int index = position - p.GridOffset;
  if (index < 1 || index > p.NumCells || index > kMaxCells) return nullptr;
  const auto& cell = p.Cells[static_cast<std::size_t>(index)];
  return cell.CellNumber > 0 ? &cell : nullptr;
}

}  // namespace

std::vector<std::string> GridAsText(const PuzzleDocument& doc, TextForm form) {
  const int cols = doc.Grid.Columns;
  const std::string separator = Separator(cols);
  std::vector<std::string> out;
  for (int row = 0; row < doc.Grid.Rows; ++row) {
    std::string numbers = "|", empty = "|", third = "|";
    for (int col = 0; col < cols; ++col) {
      const TMasterCellRec* cell = CellAt(doc, row * cols + col + 1);
      if (!cell) {
        numbers += "#######|";
        empty += "#######|";
        third += "#######|";
        continue;
      }
      numbers += PadRight(std::to_string(cell->CellNumber) + " " + cell->CellLabel, 7) + "|";
      empty += "       |";
      third += form == TextForm::Key ? std::string("   ") + cell->Char + "   |" : "       |";
    }
    out.push_back(numbers);
    out.push_back(empty);
    out.push_back(third);
    out.push_back(separator);
  }
  return out;
}

std::vector<std::string> CluesAsText(const PuzzleDocument& doc, TextForm form) {
  const Tpuzzle& p = doc.P;
  std::vector<std::string> out;
  for (int r = 0; r < p.NumWords && r < kTableSize; ++r) {
    std::string letters, numbers;
    for (int c = 1; c < kTableSize; ++c) {
      const std::string entry = Trim(doc.NumberGrid.At(c, r));
      if (entry.empty()) break;
      const int index = MappedIndex(doc, c, r);
      const TMasterCellRec* cell = index ? &p.Cells[static_cast<std::size_t>(index)] : nullptr;
      if (form == TextForm::Key)
        letters += std::string("   ") + (cell ? cell->Char : ' ');
      else
        letters += " ___";
      numbers += " " + PadLeft(cell ? std::to_string(cell->CellNumber) : entry, 3);
    }
    out.push_back(static_cast<std::size_t>(r) < doc.ClueLines.size()
                      ? doc.ClueLines[static_cast<std::size_t>(r)]
                      : std::string());
    out.push_back(letters);
    out.push_back(numbers);
    out.push_back("");
  }
  return out;
}

std::vector<std::string> ComposePuzzleText(const PuzzleDocument& doc, const FileSession& session,
                                           TextForm form, bool includeGrid) {
  std::vector<std::string> out;
  if (includeGrid) {
    out.push_back(session.TitleBox);
    out.push_back(session.BylineBox);
    out.push_back(Separator(doc.Grid.Columns));
    for (auto& line : GridAsText(doc, form)) out.push_back(std::move(line));
    out.push_back("");
    if (form == TextForm::Key) {
      out.push_back("Quotella Text is " + doc.P.Author + " " + doc.P.Work);
      out.push_back("");
    }
  }
  for (auto& line : CluesAsText(doc, form)) out.push_back(std::move(line));
  return out;
}

bool SaveOutputFile(FileSession& session, Host& host) {
  const auto chosen = host.SaveFileName(session.SaveDialogTitle, kTextFilter, session.CurrentDir,
                                        session.Output.OutputFileName);
  if (!chosen) return false;
  const std::string& path = *chosen;
  if (FileExists(path) &&
      !host.Confirm("File " + path + " exists! Overwrite ?", ConfirmKind::Question))
    return false;
  if (!ReportSave(host, WriteLinesAtomic(path, session.Output.Lines), "Text",
                  "Could not save file ", path))
    return false;
  session.Output.OutputFileName = path;
  return true;
}

void SavePuzzleasText1Click(const PuzzleDocument& doc, FileSession& session) {
  Host& host = doc.host();
  if (!doc.PuzzleExists) {
    host.Message("First you must load a puzzle!");
    return;
  }
  session.SaveDialogTitle = "Save Puzzle as Text";
  session.RequestView(View::Output);
  session.Output.Clear();
  const bool grid = host.Confirm("Include Puzzle grid made of text chars?", ConfirmKind::Question);
  session.Output.Lines = ComposePuzzleText(doc, session, TextForm::Puzzle, grid);
  SaveOutputFile(session, host);
}

void SavePuzzleKey1Click(const PuzzleDocument& doc, FileSession& session) {
  Host& host = doc.host();
  if (!doc.PuzzleExists) {
    host.Message("First you must load a puzzle!");
    return;
  }
  session.SaveDialogTitle = "Save Puzzle Key as Text File";
  session.RequestView(View::Output);
  session.Output.Lines = ComposePuzzleText(doc, session, TextForm::Key, true);
  SaveOutputFile(session, host);
}

void Output2Click(FileSession& session, Host& host) {
  session.SaveDialogTitle = "Save Output File";
  SaveOutputFile(session, host);
}

bool OutPut3Click(FileSession& session, Host& host) {
  const auto chosen = host.OpenFileNamed("Open File", kTextFilter, session.CurrentDir,
                                         session.Output.OutputFileName);
  if (!chosen) return false;
  auto lines = ReadTextLines(*chosen);
  if (!lines) {
    host.Message("Could not load file ");
    return false;
  }
  session.Output.Lines = *lines;
  session.Output.OutputFileName = *chosen;
  session.RequestView(View::Output);
  return true;
}

bool AsText1Click(PuzzleDocument& doc, FileSession& session) {
  Host& host = doc.host();
  if (!doc.PuzzleExists) {
    host.Message("First you must load or create a puzzle");
    return false;
  }
  host.Message(" You will have a chance to save, or not, then Printing will begin ");
  while (doc.Grid.Columns > kPrintTextColumns)
    if (!SqueezeGrid1Click(doc)) break;
  SavePuzzleasText1Click(doc, session);
  return true;
}

}  // namespace quotella
