// define and clues --check as a user runs them: senses through morphology, unknown words,
// a missing database, and the clue report of a puzzle file with every kind of finding.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <set>
#include <string>

#include "support/clirunner.h"

namespace {

namespace fs = std::filesystem;

using quotella::test::CliRun;
using quotella::test::RunCli;
using quotella::test::ShellQuote;

TEST(DefineCommand, PrintsTheSensesOfAnInflectedFormUnderItsBaseForm) {
  const CliRun r = RunCli("define AQUAPLANED");
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_EQ(r.out.rfind("aquaplaned (aquaplane)\n1. verb: ", 0), 0u) << r.out;

  const CliRun json = RunCli("define --json light");
  ASSERT_EQ(json.status, 0);
  const auto j = nlohmann::json::parse(json.out);
  EXPECT_EQ(j["word"], "light");
  std::set<std::string> parts;
  for (const auto& s : j["senses"]) parts.insert(s["partOfSpeech"].get<std::string>());
  EXPECT_EQ(parts, (std::set<std::string>{"noun", "verb", "adjective", "adverb"}));
  EXPECT_FALSE(j["senses"][0]["gloss"].get<std::string>().empty());
  EXPECT_TRUE(j["senses"][0]["examples"].is_array());
}

TEST(DefineCommand, AnUnknownWordOrAMissingDatabaseExitsOneWithAReason) {
  const CliRun unknown = RunCli("define qxzvyk", true);
  EXPECT_EQ(unknown.status, 1);
  EXPECT_NE(unknown.out.find("WordNet has no entry for 'qxzvyk'"), std::string::npos);
  EXPECT_EQ(RunCli("define", true).status, 2);

  const fs::path empty =
      fs::temp_directory_path() / ("quotella_no_wn_" + std::to_string(::getpid()));
  fs::create_directories(empty);
  ::setenv("WNSEARCHDIR", empty.c_str(), 1);
  const CliRun missing = RunCli("define light", true);
  const CliRun json = RunCli("define --json light");
  ::unsetenv("WNSEARCHDIR");
  fs::remove_all(empty);
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.out.find("install the Debian package wordnet-base"), std::string::npos)
      << missing.out;
  EXPECT_NE(missing.out.find(empty.string()), std::string::npos);
  EXPECT_TRUE(nlohmann::json::parse(json.out).contains("problem"));
}

class CluesCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("quotella_clues_cli_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    file = (dir / "Pièce.qtl").string();
  }
  void TearDown() override { fs::remove_all(dir); }
  fs::path dir;
  std::string file;
};

TEST_F(CluesCommand, ReportsEveryRowWithItsEnumerationClueAndFindings) {
  // Rows A, B, C (initials A, L, X) take ANT, LOTTO and XIA; C's clue stays empty.
  const CliRun made = RunCli(
      "new 'Al@X@A lot, I tax not' --lay A=ANT --lay B=LOTTO --lay C=XIA"
      " --clue 'A=Small ants at work' --clue 'B=Game won by an ant (6)' -o " +
      ShellQuote(file));
  ASSERT_EQ(made.status, 0) << made.out;
  const CliRun r = RunCli("clues " + ShellQuote(file) + " --check");
  ASSERT_EQ(r.status, 0);
  EXPECT_EQ(r.out,
            "A\tANT\t(3)\tSmall ants at work\tholds ANTS, a form of its answer\n"
            "B\tLOTTO\t(5)\tGame won by an ant (6)\tholds the answer of A (ANT); states (6) for 5 "
            "letters\n"
            "C\tXIA\t(3)\t\tno clue yet\n"
            "Clues: 2 of 3 written, 2 need a look\n");

  const auto j = nlohmann::json::parse(RunCli("clues " + ShellQuote(file) + " --check --json").out);
  EXPECT_EQ(j["summary"]["text"], "Clues: 2 of 3 written, 2 need a look");
  ASSERT_EQ(j["rows"].size(), 3u);
  EXPECT_EQ(j["rows"][1]["checks"][0]["check"], "holdsOtherAnswer");
  EXPECT_EQ(j["rows"][1]["checks"][1]["check"], "wrongEnumeration");
  EXPECT_EQ(j["rows"][2]["checks"][0]["check"], "empty");
  EXPECT_FALSE(j["rows"][2]["needsLook"].get<bool>());
}

TEST_F(CluesCommand, NeedsCheckAndAReadablePuzzle) {
  EXPECT_EQ(RunCli("clues " + ShellQuote(file), true).status, 2);
  EXPECT_EQ(RunCli("clues " + ShellQuote((dir / "missing.qtl").string()) + " --check").status, 1);
}

}  // namespace
