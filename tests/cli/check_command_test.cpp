#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>

#include "support/clirunner.h"

namespace {

using quotella::test::CliRun;
using quotella::test::RunCli;

TEST(CheckCommand, ReportsOneLineAsJson) {
  CliRun r = RunCli("check 'Anon@Proverbs@Look before you leap' --json");
  ASSERT_EQ(r.status, 0);
  auto j = nlohmann::json::parse(r.out);
  EXPECT_EQ(j["quotellaStr"], "ANONPROVERBS");
  EXPECT_EQ(j["masterQuote"], "LOOK BEFORE YOU LEAP");

  r = RunCli("check 'AA@B@A B' --json");
  j = nlohmann::json::parse(r.out);
  EXPECT_EQ(j["possible"], false);
  EXPECT_EQ(j["verdict"], "IMPOSSIBLE");
  EXPECT_EQ(j["message"], "Letter A appears 2 times in Author/Work but only 1 times in Quote");
  EXPECT_EQ(j["spareCount"]["A"], -1);

  r = RunCli("check 'Caf\xc3\xa9 (cr\xc3\xa8me)@@Caf\xc3\xa9 au lait' --json");
  j = nlohmann::json::parse(r.out);
  EXPECT_EQ(j["author"], "Caf\xc3\xa9 (cr\xc3\xa8me)");  // back as UTF-8
  EXPECT_EQ(j["quotellaStr"], "CAFE");                   // the accent folded, not dropped
  EXPECT_EQ(j["masterQuote"], "CAFE AU LAIT");

  r = RunCli(
      "check 'Sokrates@@\xce\xa3\xcf\x89\xce\xba\xcf\x81\xce\xac\xcf\x84\xce\xb7\xcf\x82 Sokrates' "
      "--json");
  j = nlohmann::json::parse(r.out);
  EXPECT_EQ(j["verdict"], "IMPOSSIBLE");
  EXPECT_EQ(j["message"],
            "The letter \"\xce\xa3\" (U+03A3) has no A-Z form for the grid; write the "
            "line in Latin letters.");
  r = RunCli("check '@@...' --json");
  EXPECT_EQ(nlohmann::json::parse(r.out)["message"],
            "The quotation holds no letters; a puzzle needs at least one.");

  EXPECT_NE(RunCli("check 'no separator'").out.find("UNPARSABLE"), std::string::npos);
}

TEST(CheckCommand, JudgesEveryLineOfAFile) {
  const auto path = std::filesystem::temp_directory_path() /
                    ("quotella_check_test_" + std::to_string(::getpid()) + ".txt");
  {
    std::ofstream f(path, std::ios::binary);
    f << "T@B@TO BE\r\n\r\nAA@B@A B\r\nno at sign\r\n";
  }
  CliRun r = RunCli("check --file '" + path.string() + "'");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(
      r.out,
      "1\tPOSSIBLE\n2\tBLANK\n3\tIMPOSSIBLE\tLetter A appears 2 times in Author/Work but "
      "only 1 times in Quote\n4\tUNPARSABLE\tCould not parse Quote line. Check formatting.\n");
  r = RunCli("check --json --file '" + path.string() + "'");
  const auto j = nlohmann::json::parse(r.out);
  // Printed line by line, laid out as the whole document would be.
  EXPECT_EQ(r.out, nlohmann::ordered_json::parse(r.out).dump(2) + "\n");
  EXPECT_EQ(j["lines"].size(), 4u);
  EXPECT_EQ(j["lines"][2]["verdict"], "IMPOSSIBLE");
  EXPECT_EQ(j["summary"]["POSSIBLE"], 1);
  std::filesystem::remove(path);

  const auto resources = std::string(QUOTELLA_SOURCE_DIR) + "/resources/quotes.txt";
  const auto all = nlohmann::json::parse(RunCli("check --json --file '" + resources + "'").out);
  EXPECT_EQ(all["summary"]["POSSIBLE"], all["lines"].size());
}

TEST(CheckCommand, FilesOfNoLinesOrOnlyEmptyLinesAreJudgedToo) {
  const auto path = std::filesystem::temp_directory_path() /
                    ("quotella_check_blank_" + std::to_string(::getpid()) + ".txt");
  std::ofstream(path, std::ios::binary) << "";
  CliRun r = RunCli("check --json --file '" + path.string() + "'");
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, nlohmann::ordered_json::parse(r.out).dump(2) + "\n");
  EXPECT_EQ(nlohmann::json::parse(r.out)["lines"].size(), 0u);

  std::ofstream(path, std::ios::binary) << std::string(20000, '\n') << "T@B@TO BE";
  r = RunCli("check --json --file '" + path.string() + "'");
  const auto j = nlohmann::json::parse(r.out);
  EXPECT_EQ(j["summary"]["BLANK"], 20000);
  EXPECT_EQ(j["lines"][20000]["verdict"], "POSSIBLE");
  EXPECT_EQ(j["lines"][20000]["line"], 20001);
  std::filesystem::remove(path);
}

TEST(CheckCommand, UsageAndFileErrorsHaveTheirExitCodes) {
  EXPECT_EQ(RunCli("check").status, 2);
  EXPECT_EQ(RunCli("check --file").status, 2);
  EXPECT_EQ(RunCli("check 'A@B@C' --file x").status, 2);
  EXPECT_EQ(RunCli("check --bogus 'A@B@C'").status, 2);
  EXPECT_EQ(RunCli("check --file /nonexistent/quotes.txt").status, 1);
}

}  // namespace
