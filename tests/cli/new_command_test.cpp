#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "support/clirunner.h"

namespace {

using quotella::test::CliRun;
using quotella::test::ShellQuote;

// Runs "quotella-cli new" with the arguments (already shell-quoted).
CliRun RunNew(const std::string& args) {
  return quotella::test::RunCli("new " + args);
}

nlohmann::json Json(const std::string& args) {
  const CliRun r = RunNew(args + " --json");
  EXPECT_EQ(r.status, 0) << args;
  return nlohmann::json::parse(r.out);
}

TEST(NewCommand, ToBeMapsTheInitialsAndPrintsTheSameTwice) {
  const auto j = Json("'T@B@TO BE'");
  EXPECT_EQ(j["quotellaStr"], "TB");
  EXPECT_EQ(j["masterQuote"], "TO BE");
  EXPECT_EQ(j["numCells"], 5);
  ASSERT_EQ(j["cells"].size(), 5u);
  EXPECT_EQ(j["cells"][0], (nlohmann::json{{"index", 1},
                                           {"char", "T"},
                                           {"number", 1},
                                           {"label", "A"},
                                           {"mapped", true},
                                           {"illegal", false},
                                           {"locked", false}}));
  EXPECT_EQ(j["cells"][3]["label"], "B");
  EXPECT_EQ(j["cells"][3]["number"], 3);
  EXPECT_EQ(j["cells"][2]["char"], " ");
  EXPECT_EQ(j["rows"][1]["cells"], nlohmann::json::array({4}));
  EXPECT_EQ(j["rows"][1]["numbers"], nlohmann::json::array({3}));
  EXPECT_EQ(j["pool"], (nlohmann::json{{"E", 1}, {"O", 1}}));
  EXPECT_EQ(j["grid"], (nlohmann::json{{"columns", 21},
                                       {"rows", 1},
                                       {"extraCells", 16},
                                       {"gridOffset", 8},
                                       {"trailingCells", 8}}));
  EXPECT_EQ(j["gridLines"], nlohmann::json::array({"########TO#BE########"}));
  EXPECT_EQ(j["hint"], " Use up vowels!");
  EXPECT_EQ(j["status"]["emptyWords"], "2 Empty ");
  EXPECT_EQ(j["messages"], nlohmann::json::array());

  EXPECT_EQ(RunNew("'T@B@TO BE' --json").out, RunNew("'T@B@TO BE' --json").out);
  const CliRun text = RunNew("'T@B@TO BE'");
  EXPECT_EQ(text.status, 0);
  EXPECT_NE(text.out.find("########TO#BE########"), std::string::npos);
}

TEST(NewCommand, LayingEveryAnswerOfARealQuotationFillsIt) {
  std::ifstream in(std::string(QUOTELLA_SOURCE_DIR) + "/tests/data/bench_quotes.txt",
                   std::ios::binary);
  std::string line, byron;
  while (std::getline(in, line))
    if (line.rfind("Lord Byron@", 0) == 0) byron = line.substr(0, line.find('\r'));
  ASSERT_FALSE(byron.empty());
  const std::vector<std::string> answers = {
      "A=LEASH", "B=OATH",   "C=RESTS",   "D=DISH",   "E=BEADY", "F=YETI",   "G=REEK",
      "H=ODES",  "I=NICHE",  "J=SHANDLE", "K=HERBAL", "L=ELM",   "M=WIFE",   "N=ANTARCTIC",
      "O=LEFT",  "P=KNIT",   "Q=STAG",    "R=INK",    "S=NAG",   "T=BLURTS", "U=ENDS",
      "V=ASKS",  "W=UPHOLD", "X=TRAM",    "Y=YES"};
  std::string args = ShellQuote(byron);
  for (const auto& a : answers) args += " --lay " + a;
  const auto j = Json(args);
  EXPECT_EQ(j["messages"], nlohmann::json::array({"Congratulations! The Puzzle is Filled-In!"}));
  EXPECT_EQ(j["pool"], nlohmann::json::object());
  EXPECT_EQ(j["hint"], "Puzzle is complete!");
  EXPECT_EQ(j["status"]["emptyWords"], "0 Empty ");

  // Exchange every E with the next E; the mapping must stay whole: each answer letter in
  // its own cell holding that letter and carrying the row's label.
  std::vector<int> es;
  for (const auto& cell : j["cells"])
    if (cell["char"] == "E") es.push_back(cell["number"]);
  for (std::size_t k = 0; k + 1 < es.size(); k += 2)
    args += " --swap " + std::to_string(es[k]) + "," + std::to_string(es[k + 1]);
  const auto swapped = Json(args);
  EXPECT_NE(swapped["cells"], j["cells"]);
  std::vector<int> named(swapped["cells"].size() + 1, 0);
  for (const auto& row : swapped["rows"]) {
    const std::string word = row["word"];
    ASSERT_EQ(row["cells"].size(), word.size());
    for (std::size_t k = 0; k < word.size(); ++k) {
      const int i = row["cells"][k];
      const auto& cell = swapped["cells"][static_cast<std::size_t>(i - 1)];
      EXPECT_EQ(cell["char"], std::string(1, word[k]));
      EXPECT_EQ(cell["label"], row["label"]);
      ++named[static_cast<std::size_t>(i)];
    }
  }
  for (const auto& cell : swapped["cells"])
    EXPECT_EQ(named[cell["index"].get<std::size_t>()], cell["char"] == " " ? 0 : 1) << cell;
}

TEST(NewCommand, AppliesActionsInOrderAndRefusesBadArguments) {
  // "EE HE BE": answer A types two E's, answer B one E and a Z the pool lacks.
  const auto j = Json(
      "'H@B@EE HE BE' --type A=EE --type B=EZ --swap 1,3 --stretch 3 "
      "--squeeze 1 --clue 'b=A small bird'");
  EXPECT_EQ(j["rows"][0]["word"], "HEE");
  EXPECT_EQ(j["rows"][1]["word"], "BE");
  EXPECT_EQ(j["rows"][1]["clue"], "B. A small bird");
  EXPECT_EQ(j["messages"],
            nlohmann::json::array({" There is no more of letter Z in the character pool! ",
                                   "Error in value in SwapListBoxDblClick"}));  // E and H
  EXPECT_EQ(j["grid"]["columns"], 23);
  EXPECT_EQ(j["pool"], (nlohmann::json{{"E", 1}}));

  for (const char* args : {"", "'T@B@TO BE' --lay TO", "'T@B@TO BE' --lay C=CAT",
                           "'T@B@TO BE' --swap 1", "'T@B@TO BE' --stretch -1"})
    EXPECT_EQ(RunNew(args).status, 2) << args;
  const CliRun impossible = RunNew("'A@B@TO BE' --json");
  EXPECT_EQ(impossible.status, 1);
  const auto k = nlohmann::json::parse(impossible.out);
  EXPECT_EQ(k["made"], false);
  EXPECT_EQ(k["messages"][0].get<std::string>().rfind("IMPOSSIBLE QUOTELLA! ", 0), 0u);
}

}  // namespace

// The state without the panels of the selected table entry, which undo and redo show
// afresh for the selection they restore.
nlohmann::json Puzzle(const std::string& args) {
  auto j = Json(args);
  for (const char* panel : {"cell", "char", "row"}) j["status"].erase(panel);
  return j;
}

TEST(NewCommand, UndoAndRedoWalkTheActionsBackAndForth) {
  const std::string line = ShellQuote(
      "Abraham Lincoln@Gettysburg Address@Four score and seven years ago our fathers brought "
      "forth on this continent, a new nation, conceived in Liberty, and dedicated to the "
      "proposition that all men are created equal.");
  const auto fresh = Puzzle(line);
  const auto laid = Puzzle(line + " --lay B=BENT");
  ASSERT_EQ(laid["rows"][1]["word"], "BENT");
  // Move the E of BENT to another E cell.
  const int from = laid["rows"][1]["numbers"][1];
  int to = 0;
  for (const auto& cell : laid["cells"])
    if (cell["char"] == "E" && cell["number"] != from && !to) to = cell["number"];
  ASSERT_NE(to, 0);
  const std::string swap = " --swap " + std::to_string(from) + "," + std::to_string(to);
  const auto swapped = Puzzle(line + " --lay B=BENT" + swap);
  ASSERT_NE(swapped["cells"], laid["cells"]);

  EXPECT_EQ(Puzzle(line + " --lay B=BENT" + swap + " --undo"), laid);
  EXPECT_EQ(Puzzle(line + " --lay B=BENT" + swap + " --undo --undo"), fresh);
  EXPECT_EQ(Puzzle(line + " --lay B=BENT" + swap + " --undo --undo --redo --redo"), swapped);
  // The generator comes back with the puzzle: laying the word again picks the same cells.
  EXPECT_EQ(Puzzle(line + " --lay B=BENT --undo --lay B=BENT"), laid);
  // A new action after an undo leaves nothing to redo.
  const CliRun r = quotella::test::RunCli(
      "new " + line + " --lay B=BENT --undo --lay A=ANT --redo --json", true);
  EXPECT_NE(r.out.find("nothing to redo"), std::string::npos);
  EXPECT_EQ(RunNew(line + " --undo").status, 0);
}
