#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "support/clirunner.h"

namespace {

namespace fs = std::filesystem;

using quotella::test::CliRun;
using quotella::test::RunCli;
using quotella::test::ShellQuote;

class QuotesCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("quotella_quotes_cli_ä_" + std::to_string(::getpid()));
    fs::create_directories(dir);
  }
  void TearDown() override { fs::remove_all(dir); }
  std::string Write(const std::string& name, const std::string& text) {
    std::ofstream(dir / name, std::ios::binary) << text;
    return ShellQuote((dir / name).string());
  }
  std::string Read(const std::string& name) {
    std::ifstream in(dir / name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  // A dictionary of three familiar words, enough to fill "Al@X@A lot, I tax not".
  std::string HandDictionary() {
    const fs::path d = dir / "dict";
    fs::create_directories(d);
    for (char c = 'a'; c <= 'z'; ++c) std::ofstream(d / (std::string(1, c) + ".txt"));
    std::ofstream(d / "a.txt") << "ANT\r\n";
    std::ofstream(d / "l.txt") << "LOTTO\r\n";
    std::ofstream(d / "x.txt") << "XIA\r\n";
    std::ofstream(d / "offensive.txt") << "";
    return ShellQuote(d.string());
  }
  fs::path dir;
};

TEST_F(QuotesCommands, RankPrintsTheLinesBestFirstAsTextAndJson) {
  const std::string quotes =
      Write("quotes.txt", "Qu@Xy@Hello there\r\nAl@X@A lot, I tax not\r\n\r\nno at sign\r\n");
  const std::string dict = " --dict " + HandDictionary();
  const CliRun text = RunCli("rank " + quotes + dict);
  EXPECT_EQ(text.status, 0);
  std::istringstream rows(text.out);
  std::string header, first, second, third, extra;
  std::getline(rows, header);
  std::getline(rows, first);
  std::getline(rows, second);
  std::getline(rows, third);
  EXPECT_FALSE(std::getline(rows, extra)) << text.out;
  EXPECT_NE(header.find("score"), std::string::npos);
  EXPECT_NE(first.find("filled"), std::string::npos) << first;
  EXPECT_NE(first.find("Al@X@A lot, I tax not"), std::string::npos) << first;
  EXPECT_NE(second.find("impossible"), std::string::npos) << second;
  EXPECT_NE(third.find("unparsable"), std::string::npos) << third;

  const CliRun json = RunCli("rank --json --top 2 --seed 9 --per-quote 0.5 " + quotes + dict);
  EXPECT_EQ(json.status, 0);
  const auto j = nlohmann::json::parse(json.out);
  EXPECT_EQ(j["lines"], 3);
  EXPECT_EQ(j["ranked"], 3);
  EXPECT_EQ(j["seed"], 9);
  EXPECT_EQ(j["stopped"], false);
  ASSERT_EQ(j["ranks"].size(), 2u);
  EXPECT_EQ(j["ranks"][0]["line"], 2);
  EXPECT_EQ(j["ranks"][0]["fill"], "filled");
  EXPECT_EQ(j["ranks"][0]["answers"], 3);
  EXPECT_EQ(j["ranks"][1]["verdict"], "impossible");
  EXPECT_GT(j["ranks"][0]["score"].get<double>(), j["ranks"][1]["score"].get<double>());
}

TEST_F(QuotesCommands, RankRefusesBadArgumentsAndMissingFiles) {
  const std::string quotes = Write("quotes.txt", "Al@X@A lot, I tax not\r\n");
  EXPECT_EQ(RunCli("rank").status, 2);
  EXPECT_EQ(RunCli("rank " + quotes + " --per-quote 0").status, 2);
  EXPECT_EQ(RunCli("rank " + quotes + " --per-quote soon").status, 2);
  EXPECT_EQ(RunCli("rank " + quotes + " --top 0").status, 2);
  EXPECT_EQ(RunCli("rank " + quotes + " --seed -1").status, 2);
  const CliRun missing = RunCli("rank " + ShellQuote((dir / "none.txt").string()), true);
  EXPECT_EQ(missing.status, 1);
  EXPECT_NE(missing.out.find("Could not load file"), std::string::npos) << missing.out;
  const CliRun noDict = RunCli("rank " + quotes + " --dict " + ShellQuote(dir.string()), true);
  EXPECT_EQ(noDict.status, 1);
  EXPECT_NE(noDict.out.find("no dictionary"), std::string::npos) << noDict.out;
}

TEST_F(QuotesCommands, InterruptStopsTheRankingAndPrintsWhatWasRanked) {
  // Forty-odd real quotations with the bundled dictionary take far longer than the wait.
  const std::string quotes = ShellQuote(QUOTELLA_SOURCE_DIR "/resources/quotes.txt");
  const std::string cli = ShellQuote(QUOTELLA_PROGRAM_DIR "/quotella-cli");
  const CliRun r = quotella::test::RunShell(
      "(" + cli + " rank --json " + quotes + " 2>" + ShellQuote((dir / "err").string()) +
      " & pid=$!; sleep 4; kill -INT $pid; wait $pid; echo \"exit $?\")");
  EXPECT_NE(r.out.find("exit 130"), std::string::npos) << r.out;
  EXPECT_NE(Read("err").find(" lines (stopped)"), std::string::npos) << Read("err");
  const std::size_t json = r.out.rfind("exit 130");
  ASSERT_NE(json, std::string::npos);
  const auto j = nlohmann::json::parse(r.out.substr(0, json));
  EXPECT_EQ(j["stopped"], true);
  EXPECT_EQ(j["lines"], 43);
  EXPECT_LT(j["ranked"].get<int>(), 43);
  EXPECT_EQ(j["ranks"].size(), j["ranked"].get<std::size_t>());
}

TEST_F(QuotesCommands, ImportWritesAQuotesFileAndListsWhatItSkipped) {
  const std::string fortune = Write("fortunes",
                                    "Tout passe.\n-- Héraclite, Fragments\n%\n"
                                    "Nameless.\n%\n");
  const std::string plain = Write("plain.txt",
                                  "Tout passe. -- Héraclite, Fragments\n\n"
                                  "Less is more. -- Mies, Interviews\n");
  const std::string out = ShellQuote((dir / "quotes.txt").string());
  const CliRun r = RunCli("quotes import " + fortune + " " + plain + " -o " + out, true);
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("Skipped"), std::string::npos);
  EXPECT_NE(r.out.find(":4: no author (Nameless.)"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("dropped 1 duplicates"), std::string::npos) << r.out;
  EXPECT_EQ(Read("quotes.txt"),
            "Héraclite@Fragments@Tout passe.\r\nMies@Interviews@Less is more.\r\n");

  // The file is there now: replaced only with --yes, and left whole otherwise.
  Write("plain.txt", "Brevity. -- Anon, Notes\n");
  EXPECT_EQ(RunCli("quotes import " + plain + " -o " + out).status, 1);
  EXPECT_EQ(Read("quotes.txt"),
            "Héraclite@Fragments@Tout passe.\r\nMies@Interviews@Less is more.\r\n");
  EXPECT_EQ(RunCli("quotes import " + plain + " -o " + out + " --yes").status, 0);
  EXPECT_EQ(Read("quotes.txt"), "Anon@Notes@Brevity.\r\n");
}

TEST_F(QuotesCommands, ImportFailsWithoutQuotationsOrReadableFiles) {
  const std::string none = Write("none.txt", "Just a thought.\n");
  const std::string out = ShellQuote((dir / "out.txt").string());
  EXPECT_EQ(RunCli("quotes import " + none + " -o " + out).status, 1);
  EXPECT_FALSE(fs::exists(dir / "out.txt"));
  EXPECT_EQ(RunCli("quotes import " + ShellQuote((dir / "gone").string()) + " -o " + out).status,
            1);
  EXPECT_EQ(RunCli("quotes import " + none).status, 2);
  EXPECT_EQ(RunCli("quotes export " + none + " -o " + out).status, 2);
}

}  // namespace
