#include "cli/state_report.h"

#include <iostream>

#include "cli/command.h"
#include "core/answertable.h"
#include "core/textio.h"

namespace quotella::cli {

namespace {

std::string BarName(StatusBar bar) {
  switch (bar) {
    case StatusBar::Main:
      return "main";
    case StatusBar::Print1:
      return "print1";
    case StatusBar::Print2:
      return "print2";
    case StatusBar::Search:
      return "search";
    case StatusBar::CharStatus1:
      return "charStatus1";
    case StatusBar::CharStatus2:
      return "charStatus2";
  }
  return "bar";
}

// JSON strings must be UTF-8; the program's texts are Windows-1252.
std::string U(const std::string& text) {
  return Cp1252ToUtf8(text);
}

struct RowFacts {
  std::string word;
  std::vector<int> cells;
  std::vector<int> numbers;
};

RowFacts Row(const PuzzleDocument& doc, int r) {
  RowFacts f;
  f.word = Keystring(doc, r);
  for (int c = 1; c < kTableSize; ++c) {
    if (doc.KeyWords.At(c, r).empty()) break;
    const int i = MappedIndex(doc, c, r);
    f.cells.push_back(i);
    f.numbers.push_back(i ? doc.P.Cells[static_cast<std::size_t>(i)].CellNumber : 0);
  }
  return f;
}

std::string Hint(const CliHost& host) {
  const auto it = host.status.find({StatusBar::Main, 2});
  return it == host.status.end() ? std::string() : it->second;
}

}  // namespace

void CliHost::Message(const std::string& text) {
  messages.push_back(text);
  if (echo) PrintLine(std::cerr, text);
}

bool CliHost::Confirm(const std::string& text, ConfirmKind) {
  if (echo) PrintLine(std::cerr, text + (m_yes ? "  [Yes]" : "  [No]"));
  return m_yes;
}

std::optional<std::string> CliHost::Prompt(const std::string&, const std::string&,
                                           const std::string&) {
  if (promptAnswers.empty()) return std::nullopt;
  std::string answer = promptAnswers.front();
  promptAnswers.pop_front();
  return answer;
}

void CliHost::Status(StatusBar bar, int panel, const std::string& text) {
  status[{bar, panel}] = text;
}

std::vector<std::string> GridText(const PuzzleDocument& doc) {
  const Tpuzzle& p = doc.P;
  std::vector<std::string> lines;
  for (int row = 0; row < doc.Grid.Rows; ++row) {
    std::string line;
    for (int col = 0; col < doc.Grid.Columns; ++col) {
      const int i = row * doc.Grid.Columns + col + 1 - p.GridOffset;
      const char ch = i >= 1 && i <= p.NumCells ? p.Cells[static_cast<std::size_t>(i)].Char : '#';
      line += ch == ' ' ? '#' : ch;
    }
    lines.push_back(line);
  }
  return lines;
}

nlohmann::json StateJson(const PuzzleDocument& doc, const CliHost& host) {
  const Tpuzzle& p = doc.P;
  nlohmann::json j;
  j["quotellaStr"] = U(p.QuotellaStr);
  j["masterQuote"] = U(p.MasterQuote);
  j["numCells"] = p.NumCells;
  j["gridText"] = nlohmann::json::array();
  for (const auto& line : GridText(doc)) j["gridText"].push_back(U(line));
  j["cells"] = nlohmann::json::array();
  for (int i = 1; i <= p.NumCells; ++i) {
    const auto& c = p.Cells[static_cast<std::size_t>(i)];
    j["cells"].push_back({{"index", i},
                          {"char", U(std::string(1, c.Char))},
                          {"number", c.CellNumber},
                          {"label", U(c.CellLabel)},
                          {"mapped", c.Mapped},
                          {"illegal", c.Illegal},
                          {"locked", c.Locked}});
  }
  j["rows"] = nlohmann::json::array();
  for (int r = 0; r < p.NumWords; ++r) {
    const RowFacts f = Row(doc, r);
    const std::string clue = static_cast<std::size_t>(r) < doc.ClueLines.size()
                                 ? doc.ClueLines[static_cast<std::size_t>(r)]
                                 : "";
    j["rows"].push_back({{"label", U(doc.Label(r))},
                         {"word", U(f.word)},
                         {"cells", f.cells},
                         {"numbers", f.numbers},
                         {"clue", U(clue)}});
  }
  j["pool"] = nlohmann::json::object();
  for (int l = 0; l < 26; ++l)
    j["pool"][std::string(1, static_cast<char>('A' + l))] = p.Pool[static_cast<std::size_t>(l)];
  j["grid"] = {{"columns", doc.Grid.Columns},
               {"rows", doc.Grid.Rows},
               {"extraCells", p.ExtraCells},
               {"gridOffset", p.GridOffset},
               {"trailingCells", p.TrailingCells}};
  j["status"] = nlohmann::json::object();
  for (const auto& [key, text] : host.status)
    j["status"][BarName(key.first) + "." + std::to_string(key.second)] = U(text);
  j["hint"] = U(Hint(host));
  j["messages"] = nlohmann::json::array();
  for (const auto& m : host.messages) j["messages"].push_back(U(m));
  return j;
}

void PrintState(std::ostream& out, const PuzzleDocument& doc, const CliHost& host) {
  const Tpuzzle& p = doc.P;
  PrintLine(out, "Quotella string: " + p.QuotellaStr);
  PrintLine(out, "Master quote:    " + p.MasterQuote);
  out << "Cells: " << p.NumCells << "\n\nGrid (" << doc.Grid.Columns << " columns, "
      << doc.Grid.Rows << " rows, extra " << p.ExtraCells << ", offset " << p.GridOffset
      << ", trailing " << p.TrailingCells << "):\n";
  for (const auto& line : GridText(doc)) PrintLine(out, "  " + line);

  out << "\nCells (index char number label flags):\n";
  for (int i = 1; i <= p.NumCells; ++i) {
    const auto& c = p.Cells[static_cast<std::size_t>(i)];
    std::string flags;
    if (c.Mapped) flags += " mapped";
    if (c.Illegal) flags += " illegal";
    if (c.Locked) flags += " locked";
    PrintLine(out, "  " + std::to_string(i) + " '" + std::string(1, c.Char) + "' " +
                       std::to_string(c.CellNumber) + " " +
                       (c.CellLabel.empty() ? "-" : c.CellLabel) + flags);
  }

  out << "\nAnswers (label word: cells / numbers):\n";
  for (int r = 0; r < p.NumWords; ++r) {
    const RowFacts f = Row(doc, r);
    std::string cells, numbers;
    for (std::size_t k = 0; k < f.cells.size(); ++k) {
      cells += (k ? " " : "") + std::to_string(f.cells[k]);
      numbers += (k ? " " : "") + std::to_string(f.numbers[k]);
    }
    PrintLine(out, "  " + doc.Label(r) + " " + f.word + ": " + cells + " / " + numbers);
    if (static_cast<std::size_t>(r) < doc.ClueLines.size())
      PrintLine(out, "     " + doc.ClueLines[static_cast<std::size_t>(r)]);
  }

  std::string pool;
  for (int l = 0; l < 26; ++l)
    if (p.Pool[static_cast<std::size_t>(l)] != 0)
      pool += std::string(pool.empty() ? "" : " ") + static_cast<char>('A' + l) + "=" +
              std::to_string(p.Pool[static_cast<std::size_t>(l)]);
  out << "\nPool: " << (pool.empty() ? "(empty)" : pool) << "\n";

  out << "\nStatus:\n";
  for (const auto& [key, text] : host.status)
    PrintLine(out, "  " + BarName(key.first) + "." + std::to_string(key.second) + ": " + text);
  PrintLine(out, "Hint: " + Hint(host));
  out << "\nMessages:\n";
  for (const auto& m : host.messages) PrintLine(out, "  " + m);
}

}  // namespace quotella::cli
