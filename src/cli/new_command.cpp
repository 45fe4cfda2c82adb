// quotella-cli new: makes a puzzle of a quotation line, applies answer words, typed
// keys, exchanges, grid changes and clues in the order given, and prints the state.

#include <charconv>
#include <iostream>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "cli/command.h"
#include "core/answertable.h"
#include "core/assignment.h"
#include "core/clues.h"
#include "core/construction.h"
#include "core/geometry.h"
#include "core/poolstatus.h"
#include "core/swapping.h"
#include "core/textio.h"

namespace quotella::cli {
namespace {

const char* const kUsage =
    "  quotella-cli new \"<quotation line>\" [--lay LABEL=WORD]... [--type LABEL=LETTERS]...\n"
    "                   [--swap N,M]... [--stretch K] [--squeeze K] [--clue LABEL=TEXT]...\n"
    "                   [--json]\n"
    "      makes the puzzle, applies the actions in the order given and prints its state:\n"
    "      --lay takes WORD as a chosen candidate, --type types LETTERS into the row from\n"
    "      its second column, --swap exchanges the cells printed N and M, --stretch and\n"
    "      --squeeze widen or narrow the grid K times, --clue writes the row's clue";

// What the user would see: messages in order, the latest text of every status panel.
// Prompts (the clue entry) are answered from a queue; questions are answered No.
class RecordingHost : public Host {
 public:
  void Message(const std::string& text) override { messages.push_back(text); }
  bool Confirm(const std::string& text, ConfirmKind) override {
    messages.push_back(text);
    return false;
  }
  std::optional<std::string> Prompt(const std::string&, const std::string&,
                                    const std::string&) override {
    if (answers.empty()) return std::nullopt;
    std::string answer = answers.front();
    answers.erase(answers.begin());
    return answer;
  }
  void Status(StatusBar bar, int panel, const std::string& text) override {
    status[{bar, panel}] = text;
  }
  void PlaySound(const std::string&, bool) override {}

  std::vector<std::string> messages;
  std::vector<std::string> answers;
  std::map<std::pair<StatusBar, int>, std::string> status;
};

struct Action {
  enum Kind { Lay, Type, Swap, Stretch, Squeeze, Clue } kind;
  std::string label;  // Lay, Type, Clue
  std::string text;   // word, letters, clue text, or "N,M." for Swap
  int count = 0;      // Stretch, Squeeze
};

std::optional<int> ParseCount(const std::string& text) {
  int value = 0;
  const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc() || ptr != text.data() + text.size() || value < 0)
    return std::nullopt;
  return value;
}

// "LABEL=TEXT" with a non-empty label.
bool SplitAssignment(const std::string& arg, std::string& label, std::string& text) {
  const std::size_t eq = arg.find('=');
  if (eq == std::string::npos || eq == 0) return false;
  label = UpperCase(Trim(arg.substr(0, eq)));
  text = arg.substr(eq + 1);
  return !label.empty();
}

int RowOfLabel(const PuzzleDocument& doc, const std::string& label) {
  for (int r = 0; r < doc.P.NumWords; ++r)
    if (doc.Label(r) == label) return r;
  return -1;
}

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

std::string Utf8(const std::string& cp1252) {
  return Cp1252ToUtf8(cp1252);
}

nlohmann::json StateJson(const PuzzleDocument& doc, const RecordingHost& host, bool made) {
  const auto& p = doc.P;
  nlohmann::json j;
  j["made"] = made;
  j["quotellaStr"] = Utf8(p.QuotellaStr);
  j["masterQuote"] = Utf8(p.MasterQuote);
  j["numCells"] = p.NumCells;
  j["gridLines"] = nlohmann::json::array();
  for (const auto& line : GridLines(doc)) j["gridLines"].push_back(Utf8(line));
  j["cells"] = nlohmann::json::array();
  for (int i = 1; i <= p.NumCells; ++i) {
    const auto& cell = p.Cells[static_cast<std::size_t>(i)];
    j["cells"].push_back({{"index", i},
                          {"char", Utf8(std::string(1, cell.Char))},
                          {"number", cell.CellNumber},
                          {"label", Utf8(cell.CellLabel)},
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
                         {"word", Utf8(Keystring(doc, r))},
                         {"cells", cells},
                         {"numbers", numbers},
                         {"clue", r < static_cast<int>(doc.ClueLines.size())
                                      ? Utf8(doc.ClueLines[static_cast<std::size_t>(r)])
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
  for (const auto& [key, text] : host.status)
    j["status"][StatusName(key.first, key.second)] = Utf8(text);
  const auto hint = host.status.find({StatusBar::Main, 2});
  j["hint"] = hint != host.status.end() ? Utf8(hint->second) : std::string();
  j["messages"] = nlohmann::json::array();
  for (const auto& m : host.messages) j["messages"].push_back(Utf8(m));
  return j;
}

void PrintState(const nlohmann::json& j) {
  auto& out = std::cout;
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

// Carries out one action; false (with a usage complaint on stderr) when it names an
// answer row the puzzle does not have.
bool Apply(PuzzleDocument& doc, RecordingHost& host, SwapState& swaps, const Action& a) {
  int row = -1;
  if (a.kind == Action::Lay || a.kind == Action::Type || a.kind == Action::Clue) {
    row = RowOfLabel(doc, a.label);
    if (row < 0) {
      std::cerr << "quotella-cli: the puzzle has no answer row labelled " << a.label << "\n";
      return false;
    }
  }
  switch (a.kind) {
    case Action::Lay:
      CandidatesDblClick(doc, {2, row}, {a.text}, 0);
      break;
    case Action::Type: {
      TablePos pos{2, row};
      for (char key : a.text) pos = KeyWordsKeyPress(doc, pos, key);
      break;
    }
    case Action::Swap:
      SwapListLineDblClick(doc, swaps, a.text);
      break;
    case Action::Stretch:
      for (int k = 0; k < a.count && StretchGrid1Click(doc); ++k) {
      }
      break;
    case Action::Squeeze:
      for (int k = 0; k < a.count && SqueezeGrid1Click(doc); ++k) {
      }
      break;
    case Action::Clue:
      host.answers.push_back(a.text);
      WriteClue2Click(doc, row);
      break;
  }
  return true;
}

int RunNew(const std::vector<std::string>& args) {
  std::optional<std::string> line;
  std::vector<Action> actions;
  bool json = false;
  for (std::size_t k = 0; k < args.size(); ++k) {
    const std::string& arg = args[k];
    if (arg == "--json") {
      json = true;
      continue;
    }
    if (arg.rfind("--", 0) != 0) {
      if (line) return UsageError("new", "only one quotation line may be given");
      line = TextArg(arg);
      continue;
    }
    if (k + 1 >= args.size()) return UsageError("new", arg + " needs a value");
    const std::string value = TextArg(args[++k]);
    Action action{Action::Lay, {}, {}, 0};
    if (arg == "--lay" || arg == "--type" || arg == "--clue") {
      action.kind = arg == "--lay" ? Action::Lay : arg == "--type" ? Action::Type : Action::Clue;
      if (!SplitAssignment(value, action.label, action.text))
        return UsageError("new", arg + " wants LABEL=TEXT");
    } else if (arg == "--swap") {
      const std::size_t comma = value.find(',');
      const auto n = comma == std::string::npos ? std::nullopt : ParseCount(value.substr(0, comma));
      const auto m =
          comma == std::string::npos ? std::nullopt : ParseCount(value.substr(comma + 1));
      if (!n || !m) return UsageError("new", "--swap wants two printed cell numbers N,M");
      action.kind = Action::Swap;
      action.text = std::to_string(*n) + "," + std::to_string(*m) + ".";
    } else if (arg == "--stretch" || arg == "--squeeze") {
      const auto count = ParseCount(value);
      if (!count) return UsageError("new", arg + " wants a count");
      action.kind = arg == "--stretch" ? Action::Stretch : Action::Squeeze;
      action.count = *count;
    } else {
      return UsageError("new", "unknown option " + arg);
    }
    actions.push_back(action);
  }
  if (!line) return UsageError("new", "no quotation line given");

  RecordingHost host;
  PuzzleDocument doc(host);
  InitPuzzleDefaults(doc);
  ResetPuzzle(doc);
  const bool made = QuotesEditorDblClick(doc, *line) == DblClickResult::Made;
  if (made) {
    SwapState swaps;
    for (const auto& action : actions)
      if (!Apply(doc, host, swaps, action)) return UsageError("new");
  }
  const auto state = StateJson(doc, host, made);
  if (json)
    std::cout << state.dump(2) << "\n";
  else
    PrintState(state);
  return made ? 0 : 1;
}

const Registration reg{{"new", kUsage, RunNew}};

}  // namespace
}  // namespace quotella::cli
