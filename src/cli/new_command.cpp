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
#include "cli/puzzle_args.h"
#include "cli/state_report.h"
#include "core/answertable.h"
#include "core/assignment.h"
#include "core/clues.h"
#include "core/construction.h"
#include "core/geometry.h"
#include "core/poolstatus.h"
#include "core/puzzlehistory.h"
#include "core/swapping.h"
#include "core/textio.h"

namespace quotella::cli {
namespace {

const char* const kUsage =
    "  quotella-cli new \"<quotation line>\" [--lay LABEL=WORD]... [--type LABEL=LETTERS]...\n"
    "                   [--swap N,M]... [--stretch K] [--squeeze K] [--clue LABEL=TEXT]...\n"
    "                   [--undo] [--redo] [--json] [-o P.qtl [--yes]]\n"
    "      makes the puzzle, applies the actions in the order given and prints its state:\n"
    "      --lay takes WORD as a chosen candidate, --type types LETTERS into the row from\n"
    "      its second column, --swap exchanges the cells printed N and M, --stretch and\n"
    "      --squeeze widen or narrow the grid K times, --clue writes the row's clue;\n"
    "      --undo takes back the latest action still done, --redo does it again;\n"
    "      -o saves the puzzle file (an existing file only with --yes)";

struct Action {
  enum Kind { Lay, Type, Swap, Stretch, Squeeze, Clue, Undo, Redo } kind;
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

// The name of the step an action makes in the puzzle's history.
std::string StepName(const Action& a) {
  switch (a.kind) {
    case Action::Lay:
      return "Candidate " + a.text;
    case Action::Type:
      return "Typing in " + a.label;
    case Action::Swap: {
      const std::size_t comma = a.text.find(',');
      return SwapStepName(std::stoi(a.text.substr(0, comma)), std::stoi(a.text.substr(comma + 1)));
    }
    case Action::Stretch:
      return "Stretch Grid";
    case Action::Squeeze:
      return "Squeeze Grid";
    case Action::Clue:
      return "Clue " + a.label;
    default:
      return {};
  }
}

// Carries out one action; false (with a usage complaint on stderr) when it names an
// answer row the puzzle does not have.
bool Apply(PuzzleDocument& doc, CliHost& host, SwapState& swaps, const Action& a) {
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
    case Action::Undo:
    case Action::Redo:
      break;
  }
  return true;
}

int RunNew(const std::vector<std::string>& args) {
  std::optional<std::string> line;
  std::vector<Action> actions;
  bool json = false;
  bool yes = false;
  std::string output;
  const std::size_t optionsEnd = EndOfOptions(args);
  for (std::size_t k = 0; k < args.size(); ++k) {
    const std::string& arg = args[k];
    if (k == optionsEnd) continue;
    if (k > optionsEnd || arg.rfind("--", 0) != 0) {
      if (arg == "-o" && k < optionsEnd) {
        if (k + 1 >= args.size()) return UsageError("new", "-o needs a file name");
        output = args[++k];
        continue;
      }
      if (line) return UsageError("new", "only one quotation line may be given");
      line = TextArg(arg);
      continue;
    }
    if (arg == "--json") {
      json = true;
      continue;
    }
    if (arg == "--yes") {
      yes = true;
      continue;
    }
    if (arg == "--undo" || arg == "--redo") {
      actions.push_back({arg == "--undo" ? Action::Undo : Action::Redo, {}, {}, 0});
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

  CliPuzzle puzzle(yes, false);
  CliHost& host = puzzle.host;
  PuzzleDocument& doc = puzzle.doc;
  InitPuzzleDefaults(doc);
  ResetPuzzle(doc);
  const bool made = QuotesEditorDblClick(doc, *line) == DblClickResult::Made;
  if (made) {
    SwapState swaps;
    PuzzleHistory history(doc);
    history.Start();
    for (const auto& action : actions) {
      if (action.kind == Action::Undo || action.kind == Action::Redo) {
        const bool done = action.kind == Action::Undo ? history.Undo() : history.Redo();
        if (!done)
          std::cerr << "quotella-cli: nothing to "
                    << (action.kind == Action::Undo ? "undo" : "redo") << "\n";
        continue;
      }
      history.Begin(StepName(action));
      const bool ok = Apply(doc, host, swaps, action);
      history.Commit();
      if (!ok) return UsageError("new");
    }
  }
  int code = made ? 0 : 1;
  if (made && !output.empty()) code = WriteBack(puzzle, "", output);
  const auto state = StateJson(doc, host, made);
  if (json)
    std::cout << state.dump(2) << "\n";
  else
    PrintState(std::cout, state);
  return code;
}

const Registration reg{{"new", kUsage, RunNew}};

}  // namespace
}  // namespace quotella::cli
