#include "cli/state_report.h"

#include <iostream>

#include "cli/command.h"
#include "core/answertable.h"
#include "core/poolstatus.h"
#include "core/swapping.h"
#include "core/textio.h"

namespace quotella::cli {

namespace {

std::string StatusName(StatusBar bar, int panel) {
  static const std::map<std::pair<StatusBar, int>, const char*> names = {
      {{StatusBar::Main, 0}, "tableRow"},
      {{StatusBar::Main, 1}, "tableCol"},
      {{StatusBar::Main, 2}, "hint"},
      {{StatusBar::Main, 3}, "letters"},
      {{StatusBar::CharStatus1, 0}, "cell"},
      {{StatusBar::CharStatus1, 1}, "char"},
      {{StatusBar::CharStatus1, 2}, "row"},
      {{StatusBar::CharStatus1, 3}, "emptyWords"},
      {{StatusBar::CharStatus2, 0}, "avgWordLength"},
      {{StatusBar::CharStatus2, 1}, "pool"},
      {{StatusBar::CharStatus2, 2}, "consonants"},
      {{StatusBar::CharStatus2, 3}, "vowels"},
      {{StatusBar::CharStatus2, 4}, "vowelShare"},
      {{StatusBar::Print1, 0}, "printWidth"},
      {{StatusBar::Print1, 1}, "printHeight"},
      {{StatusBar::Print1, 2}, "printCellSize"},
      {{StatusBar::Print1, 3}, "printOrientation"},
      {{StatusBar::Print1, 4}, "printCluesAt"},
      {{StatusBar::Print2, 0}, "gridColumns"},
      {{StatusBar::Print2, 1}, "gridRows"},
      {{StatusBar::Print2, 2}, "gridExtra"},
  };
  const auto it = names.find({bar, panel});
  if (it != names.end()) return it->second;
  return "bar" + std::to_string(static_cast<int>(bar)) + "." + std::to_string(panel);
}

// The quotation grid as the puzzle file writes it: one line per grid row that holds a
// cell, blanks and empty positions as "#".
std::vector<std::string> GridLines(const PuzzleDocument& doc) {
  const auto& p = doc.P;
  const int columns = doc.Grid.Columns;
  std::vector<std::string> lines;
  for (int row = 0; row < doc.Grid.Rows; ++row) {
    std::string line;
    bool anyCell = false;
    for (int col = 0; col < columns; ++col) {
      const int i = CellAtGridPosition(doc, row, col, columns);
      const char c = i != 0 ? p.Cells[static_cast<std::size_t>(i)].Char : '#';
      line += c == ' ' ? '#' : c;
      anyCell = anyCell || (i != 0 && c != ' ');
    }
    if (anyCell) lines.push_back(line);
  }
  return lines;
}

std::vector<int> RowCells(const PuzzleDocument& doc, int row) {
  std::vector<int> cells;
  for (int c = 1; c < kTableSize && !doc.KeyWords.At(c, row).empty(); ++c)
    cells.push_back(MappedIndex(doc, c, row));
  return cells;
}

}  // namespace

void CliHost::Message(const std::string& text) {
  messages.push_back(text);
  if (m_echo) PrintLine(std::cerr, text);
}

bool CliHost::Confirm(const std::string& text, ConfirmKind) {
  messages.push_back(text);
  if (m_echo) PrintLine(std::cerr, text + (m_yes ? "  [Yes]" : "  [No]"));
  return m_yes;
}

std::optional<std::string> CliHost::Prompt(const std::string&, const std::string&,
                                           const std::string&) {
  if (answers.empty()) return std::nullopt;
  std::string answer = answers.front();
  answers.pop_front();
  return answer;
}

void CliHost::Status(StatusBar bar, int panel, const std::string& text) {
  status[{bar, panel}] = text;
}

nlohmann::json StateJson(const PuzzleDocument& doc, const CliHost& host, bool made) {
  const auto& p = doc.P;
  nlohmann::json j;
  j["made"] = made;
  j["quotellaStr"] = p.QuotellaStr;
  j["masterQuote"] = p.MasterQuote;
  j["numCells"] = p.NumCells;
  j["gridLines"] = nlohmann::json::array();
  for (const auto& line : GridLines(doc)) j["gridLines"].push_back(line);
  j["cells"] = nlohmann::json::array();
  for (int i = 1; i <= p.NumCells; ++i) {
    const auto& cell = p.Cells[static_cast<std::size_t>(i)];
    j["cells"].push_back({{"index", i},
                          {"char", std::string(1, cell.Char)},
                          {"number", cell.CellNumber},
                          {"label", cell.CellLabel},
                          {"mapped", cell.Mapped},
                          {"illegal", cell.Illegal},
                          {"locked", cell.Locked}});
  }
  j["rows"] = nlohmann::json::array();
  for (int r = 0; r < p.NumWords; ++r) {
    nlohmann::json cells = nlohmann::json::array();
    nlohmann::json numbers = nlohmann::json::array();
    for (int i : RowCells(doc, r)) {
      cells.push_back(i);
      numbers.push_back(i != 0 ? p.Cells[static_cast<std::size_t>(i)].CellNumber : 0);
    }
    j["rows"].push_back({{"label", doc.Label(r)},
                         {"word", Keystring(doc, r)},
                         {"cells", cells},
                         {"numbers", numbers},
                         {"clue", r < static_cast<int>(doc.ClueLines.size())
                                      ? doc.ClueLines[static_cast<std::size_t>(r)]
                                      : std::string()}});
  }
  j["pool"] = nlohmann::json::object();
  for (char l = 'A'; l <= 'Z'; ++l)
    if (p.PoolOf(l) != 0) j["pool"][std::string(1, l)] = p.PoolOf(l);
  j["poolTotal"] = PoolTotal(p);
  j["grid"] = {{"columns", doc.Grid.Columns},
               {"rows", doc.Grid.Rows},
               {"extraCells", p.ExtraCells},
               {"gridOffset", p.GridOffset},
               {"trailingCells", p.TrailingCells}};
  j["status"] = nlohmann::json::object();
  for (const auto& [key, text] : host.status) j["status"][StatusName(key.first, key.second)] = text;
  const auto hint = host.status.find({StatusBar::Main, 2});
  j["hint"] = hint != host.status.end() ? hint->second : std::string();
  j["messages"] = nlohmann::json::array();
  for (const auto& m : host.messages) j["messages"].push_back(m);
  return j;
}

nlohmann::json TextsJson(const PuzzleDocument& doc, const FileSession& files) {
  const auto& p = doc.P;
  nlohmann::json clues = nlohmann::json::array();
  for (int r = 0; r < p.NumWords && r < static_cast<int>(doc.ClueLines.size()); ++r)
    clues.push_back(doc.ClueLines[static_cast<std::size_t>(r)]);
  return {
      {"title", files.TitleBox}, {"byline", files.BylineBox}, {"copyright", files.CopyrightText},
      {"author", p.AuthorOrig},  {"work", p.WorkOrig},        {"quotation", p.QuoteOrig},
      {"clues", clues}};
}

void PrintState(std::ostream& out, const nlohmann::json& j) {
  out << "Quotella string: " << j["quotellaStr"].get<std::string>() << "\n";
  out << "Master quote: " << j["masterQuote"].get<std::string>() << "\n";
  out << "Cells: " << j["numCells"] << "\n";
  const auto& g = j["grid"];
  out << "Grid: " << g["columns"] << " columns, " << g["rows"] << " rows, extra " << g["extraCells"]
      << ", offset " << g["gridOffset"] << ", trailing " << g["trailingCells"] << "\n";
  for (const auto& line : j["gridLines"]) out << "  " << line.get<std::string>() << "\n";
  out << "Cells (index char number label mapped illegal locked):\n";
  for (const auto& c : j["cells"]) {
    const std::string ch = c["char"].get<std::string>();
    out << "  " << c["index"] << " '" << ch << "' " << c["number"] << " "
        << (c["label"].get<std::string>().empty() ? "-" : c["label"].get<std::string>()) << " "
        << (c["mapped"].get<bool>() ? "mapped" : "free") << " "
        << (c["illegal"].get<bool>() ? "illegal" : "legal") << " "
        << (c["locked"].get<bool>() ? "locked" : "unlocked") << "\n";
  }
  out << "Rows (label word cells numbers clue):\n";
  for (const auto& r : j["rows"]) {
    std::string cells, numbers;
    for (const auto& i : r["cells"]) cells += (cells.empty() ? "" : ",") + i.dump();
    for (const auto& n : r["numbers"]) numbers += (numbers.empty() ? "" : ",") + n.dump();
    out << "  " << r["label"].get<std::string>() << " " << r["word"].get<std::string>() << " ["
        << cells << "] [" << numbers << "] " << r["clue"].get<std::string>() << "\n";
  }
  out << "Pool:";
  for (const auto& [letter, count] : j["pool"].items()) out << " " << letter << count;
  out << " (total " << j["poolTotal"] << ")\n";
  out << "Status:\n";
  for (const auto& [name, text] : j["status"].items())
    out << "  " << name << ": " << text.get<std::string>() << "\n";
  out << "Hint: " << j["hint"].get<std::string>() << "\n";
  out << "Messages:\n";
  for (const auto& m : j["messages"]) out << "  " << m.get<std::string>() << "\n";
}

}  // namespace quotella::cli
