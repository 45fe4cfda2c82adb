#include <iostream>
#include <nlohmann/json.hpp>

#include "cli/command.h"
#include "cli/puzzle_args.h"
#include "clues/cluechecks.h"
#include "clues/stemmer.h"

namespace quotella::cli {
namespace {

const char* FaultName(ClueFault fault) {
  switch (fault) {
    case ClueFault::Empty:
      return "empty";
    case ClueFault::HoldsAnswer:
      return "holdsAnswer";
    case ClueFault::HoldsOtherAnswer:
      return "holdsOtherAnswer";
    case ClueFault::OverOneLine:
      return "overOneLine";
    case ClueFault::OverThreeLines:
      return "overThreeLines";
    case ClueFault::WrongEnumeration:
      return "wrongEnumeration";
  }
  return "";
}

nlohmann::json ReportJson(const std::string& file, const std::vector<ClueCheck>& checks) {
  nlohmann::json j;
  j["file"] = file;
  j["rows"] = nlohmann::json::array();
  for (const ClueCheck& c : checks) {
    nlohmann::json found = nlohmann::json::array();
    for (const ClueFinding& f : c.findings)
      found.push_back(
          {{"check", FaultName(f.fault)}, {"text", f.text}, {"needsLook", f.needsLook}});
    j["rows"].push_back({{"label", c.label},
                         {"answer", c.answer},
                         {"enumeration", c.enumeration},
                         {"clue", c.clue},
                         {"printedLines", c.printedLines},
                         {"needsLook", c.needsLook()},
                         {"checks", found}});
  }
  const ClueSummary s = Summarise(checks);
  j["summary"] = {
      {"rows", s.rows}, {"written", s.written}, {"needLook", s.needLook}, {"text", SummaryText(s)}};
  return j;
}

// LABEL, answer, enumeration, clue and what the checks found ("ok" for nothing), one row
// a line, tab-separated; the count last.
void PrintReport(const std::vector<ClueCheck>& checks) {
  for (const ClueCheck& c : checks) {
    std::string found;
    for (const ClueFinding& f : c.findings) found += (found.empty() ? "" : "; ") + f.text;
    PrintLine(std::cout, c.label + "\t" + c.answer + "\t" + c.enumeration + "\t" + c.clue + "\t" +
                             (found.empty() ? "ok" : found));
  }
  PrintLine(std::cout, SummaryText(Summarise(checks)));
}

int RunClues(const std::vector<std::string>& args) {
  const auto a = ParsePuzzleArgs("clues", args, {"--check"}, false);
  if (!a) return 2;
  if (a->positional.size() != 1) return UsageError("clues", "clues takes one puzzle file");
  if (!a->Has("--check")) return UsageError("clues", "clues needs --check");
  CliPuzzle puzzle(false, false);
  if (!LoadForCommand(puzzle, a->positional[0]) && !puzzle.doc.PuzzleExists) {
    for (const auto& m : puzzle.host.messages) PrintLine(std::cerr, m);
    return 1;
  }
  const Stemmer stemmer;
  const std::vector<ClueCheck> checks = CheckClues(puzzle.doc, stemmer);
  if (a->Has("--json"))
    std::cout << ReportJson(a->positional[0], checks).dump(2) << "\n";
  else
    PrintReport(checks);
  return 0;
}

const Registration reg{
    {"clues",
     "  quotella-cli clues P.qtl --check [--json]\n"
     "      every answer with its enumeration, its clue and the checks the clue fails: it\n"
     "      holds its answer or a word of its stem, or another answer; it is empty; it takes\n"
     "      more than one printed line (a note) or more than three; it states another\n"
     "      enumeration. Exit 0 once checked; the report is the output",
     RunClues}};

}  // namespace
}  // namespace quotella::cli
