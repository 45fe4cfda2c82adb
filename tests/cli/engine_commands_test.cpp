#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "support/clirunner.h"

namespace {

namespace fs = std::filesystem;

using quotella::test::CliRun;
using quotella::test::RunCli;

class EngineCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("quotella_engine_cli_" + std::to_string(::getpid()));
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
  void Write(const std::string& name, const std::vector<std::string>& lines) {
    std::ofstream out(dir / name, std::ios::binary);
    for (const auto& l : lines) out << l << "\r\n";
  }
  fs::path dir;
};

TEST_F(EngineCommands, SearchPrintsEverySolutionAndTheResultLine) {
  // Rows A, L, X; the pool after the initials is A I N O O T T T.
  Write("a.txt", {"ANT", "AT"});
  Write("l.txt", {"LOTTO", "LOATT"});
  Write("x.txt", {"XIA", "XI"});
  const std::string quote = "--quote 'Al@X@A lot, I tax not' --dict '" + dir.string() + "'";
  const CliRun r = RunCli("search " + quote);
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "ANT * LOTTO * XIA\nFound 1 solutions\n");

  const auto j = nlohmann::json::parse(RunCli("search --json " + quote).out);
  EXPECT_EQ(j["rows"], nlohmann::json({"A", "B", "C"}));
  EXPECT_EQ(j["solutions"], nlohmann::json({{"ANT", "LOTTO", "XIA"}}));

  fs::remove(dir / "x.txt");
  Write("x.txt", {"XU"});
  const CliRun none = RunCli("search " + quote);
  EXPECT_EQ(none.status, 1);
  EXPECT_EQ(none.out, "Sorry, could not find any words in list 3* \n");

  EXPECT_EQ(RunCli("search --quote 'Al@Ox@A lot, I tax not'").status, 1);  // four empty rows
  EXPECT_EQ(RunCli("search --bogus x.qtl").status, 2);
}

TEST_F(EngineCommands, FillLaysTheBestFillAndSavesIt) {
  const std::string out = (dir / "filled.qtl").string();
  const std::string line =
      "Abraham Lincoln@Gettysburg Address@Four score and seven years ago our fathers brought "
      "forth on this continent, a new nation, conceived in Liberty, and dedicated to the "
      "proposition that all men are created equal.";
  const CliRun r = RunCli("fill --json --solutions 2 --quote '" + line + "' -o '" + out + "'");
  ASSERT_EQ(r.status, 0) << r.out;
  const auto j = nlohmann::json::parse(r.out);
  EXPECT_EQ(j["result"], "Filled");
  ASSERT_GE(j["fills"].size(), 1u);
  EXPECT_EQ(j["fills"][0]["words"].size(), j["rows"].size());
  EXPECT_EQ(j["saved"], out);
  EXPECT_TRUE(fs::exists(out));

  EXPECT_EQ(RunCli("fill --solutions 0 --quote '" + line + "'").status, 2);
  EXPECT_EQ(RunCli("fill --rows QQ --quote '" + line + "'").status, 2);
}

}  // namespace
