#include <gtest/gtest.h>

#include <sstream>

#include "core/textio.h"
#include "search/wordsource.h"
#include "search_fixture.h"
#include "support/clirunner.h"

namespace quotella {
namespace {

using test::CliRun;
using test::RunCli;

TEST(RarityCommand, ReportsTheCountsOfTheBundledLetterFiles) {
  const CliRun run = RunCli("rarity");
  ASSERT_EQ(run.status, 0);
  std::istringstream in(run.out);
  std::string line;
  std::getline(in, line);
  EXPECT_EQ(line, "Dictionary: " + DirWithSeparator(QUOTELLA_PROGRAM_DIR));
  int red = 0;
  for (char c = 'A'; c <= 'Z'; ++c) {
    std::getline(in, line);
    std::istringstream fields(line);
    char letter = 0;
    std::size_t count = 0;
    fields >> letter >> count;
    EXPECT_EQ(letter, c);
    const auto lines = ReadWordFile(FindLetterFile(QUOTELLA_PROGRAM_DIR "/", c));
    ASSERT_TRUE(lines.has_value());
    EXPECT_EQ(count, lines->size()) << c;
    if (line.ends_with(" red")) ++red;
  }
  EXPECT_EQ(red, 6);
  std::getline(in, line);
  EXPECT_TRUE(line.starts_with("red: X ")) << line;  // the bundled dictionary's rarest initial
}

TEST(RarityCommand, FailsOnAnIncompleteDictionaryAndNamesTheFile) {
  test::TempDir tmp;
  tmp.Write("a.txt", "a\r\n");
  const CliRun run = RunCli("rarity --dict '" + tmp.Dir() + "'", true);
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(UpperCase(run.out).find(UpperCase("Could not load file " + tmp.Dir() + "b.txt")),
            std::string::npos)
      << run.out;
  EXPECT_EQ(RunCli("rarity --bogus").status, 2);
}

TEST(ProblemsCommand, FailsWhenNoLetterFileCanBeRead) {
  test::TempDir tmp;
  const std::string quote = "'A@B@ABLE BODIED SEAMEN'";
  EXPECT_EQ(RunCli("problems --quote " + quote + " --dict '" + tmp.Dir() + "'").status, 1);
  EXPECT_EQ(RunCli("problems --quote " + quote).status, 0);
}

}  // namespace
}  // namespace quotella

namespace quotella {
namespace {

TEST(ScanCommand, ReadsAPuzzleFileOrMakesOneFromAQuotationLine) {
  test::TempDir tmp;
  const std::string quote =
      "'Charles Dickens@A Tale of Two Cities@It was the best of times, it was the worst of "
      "times, it was the age of wisdom, it was the age of foolishness, it was the epoch of "
      "belief, it was the epoch of incredulity, it was the season of Light, it was the season "
      "of Darkness.'";
  ASSERT_EQ(RunCli("new " + quote + " --lay A=CHEST -o '" + tmp.Path("p.qtl") + "'").status, 0);
  const CliRun fromFile = RunCli("scan '" + tmp.Path("p.qtl") + "' b --max 4 --sort length");
  ASSERT_EQ(fromFile.status, 0);
  const auto words = SplitLines(fromFile.out);
  ASSERT_FALSE(words.empty());
  for (const auto& w : words) {
    EXPECT_EQ(w[0], 'H') << w;  // CHARLES: row B is H
    EXPECT_LE(w.size(), 4u) << w;
  }
  EXPECT_GE(words.front().size(), words.back().size());
  // The fresh puzzle still holds the letters CHEST took from the pool of the saved one.
  EXPECT_GE(SplitLines(RunCli("scan --quote " + quote + " b --max 4").out).size(), words.size());
  EXPECT_EQ(RunCli("problems '" + tmp.Path("p.qtl") + "' --count 2").status, 0);
  EXPECT_EQ(RunCli("scan '" + tmp.Path("none.qtl") + "' A").status, 1);
  EXPECT_EQ(RunCli("scan '" + tmp.Path("p.qtl") + "' A --sort sideways").status, 2);
}

}  // namespace
}  // namespace quotella
