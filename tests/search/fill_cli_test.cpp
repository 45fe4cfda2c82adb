// quotella-cli fill on real quotations with the bundled dictionary: selected rows, seeds,
// the familiarity limit and the alternatives of a row. Fills run without a time limit: a
// slow build or a busy machine must not decide whether they fill.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "core/answertable.h"
#include "files/filesession.h"
#include "files/puzzlefile.h"
#include "search/wordsource.h"
#include "search_fixture.h"
#include "support/clirunner.h"
#include "support/fakehost.h"

namespace quotella {
namespace {

using test::CliRun;
using test::RunCli;
using test::ShellQuote;

const char* const kLine = test::kByronLine;

class FillCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!HasDictionary(QUOTELLA_PROGRAM_DIR "/")) GTEST_SKIP() << "no bundled dictionary";
  }
  // The answer table and number map of one row as the saved file holds them.
  static std::vector<std::string> RowOf(const PuzzleDocument& doc, int row) {
    std::vector<std::string> cells;
    for (int c = 0; c < kTableSize; ++c) {
      cells.push_back(doc.KeyWords.At(c, row));
      cells.push_back(doc.NumberGrid.At(c, row));
    }
    return cells;
  }
  struct Loaded {
    test::FakeHost host;
    PuzzleDocument doc{host};
    FileSession session;
  };
  static void Load(Loaded& l, const std::string& path) {
    ASSERT_TRUE(LoadPuzzleFile(l.doc, l.session, path)) << path;
  }
  test::TempDir dir;
};

TEST_F(FillCommand, SelectedRowsAreFilledAndEveryOtherRowStaysByteForByte) {
  const std::string f1 = dir.Path("f1.qtl"), f2 = dir.Path("f2.qtl"), f3 = dir.Path("f3.qtl");
  // A fresh puzzle: only rows A and C are laid, the others stay empty but fillable.
  CliRun r = RunCli("fill --time-limit 0 --quote " + ShellQuote(kLine) + " --rows A,C -o " +
                    ShellQuote(f1));
  ASSERT_EQ(r.status, 0) << r.out;
  Loaded one;
  Load(one, f1);
  for (int row = 0; row < one.doc.P.NumWords; ++row)
    EXPECT_EQ(one.doc.KeyWords.At(2, row).empty(), row != 0 && row != 2) << row;
  EXPECT_FALSE(PoolIsEmpty(one.doc));

  r = RunCli("fill " + ShellQuote(f1) + " --time-limit 0 -o " + ShellQuote(f2));
  ASSERT_EQ(r.status, 0) << r.out;
  Loaded two;
  Load(two, f2);
  EXPECT_TRUE(PoolIsEmpty(two.doc));
  EXPECT_EQ(RowOf(two.doc, 0), RowOf(one.doc, 0));
  EXPECT_EQ(RowOf(two.doc, 2), RowOf(one.doc, 2));

  // Refilling row B of the complete puzzle leaves every other row as it was.
  r = RunCli("fill " + ShellQuote(f2) + " --time-limit 0 --rows b --seed 9 -o " + ShellQuote(f3));
  ASSERT_EQ(r.status, 0) << r.out;
  Loaded three;
  Load(three, f3);
  EXPECT_TRUE(PoolIsEmpty(three.doc));
  for (int row = 0; row < two.doc.P.NumWords; ++row)
    if (row != 1) {
      EXPECT_EQ(RowOf(three.doc, row), RowOf(two.doc, row)) << row;
    }
}

TEST_F(FillCommand, TheSameSeedGivesTheSameFillAndTheRarityLimitHolds) {
  auto fills = [](const std::string& options) {
    // No time limit: a run cut short by the clock may end anywhere.
    const CliRun r =
        RunCli("fill --json --fills 2 --time-limit 0 --quote " + ShellQuote(kLine) + " " + options);
    EXPECT_EQ(r.status, 0) << r.out;
    return nlohmann::json::parse(r.out);
  };
  const auto a = fills("--seed 4");
  const auto b = fills("--seed 4");
  EXPECT_EQ(a["fills"], b["fills"]);
  EXPECT_EQ(a["result"], "Filled");
  const auto common = fills("--max-rarity 50");
  for (const auto& f : common["fills"]) EXPECT_EQ(f["familiar"], f["words"].size());

  EXPECT_EQ(RunCli("fill --max-rarity 55 --quote " + ShellQuote(kLine)).status, 2);
  EXPECT_EQ(RunCli("fill --seed x --quote " + ShellQuote(kLine)).status, 2);
  EXPECT_EQ(RunCli("fill --fills 0 --quote " + ShellQuote(kLine)).status, 2);
  EXPECT_EQ(RunCli("fill --alternatives QQ --quote " + ShellQuote(kLine)).status, 2);
}

TEST_F(FillCommand, AlternativesOfARowEachKeepThePuzzleComplete) {
  const std::string f = dir.Path("full.qtl");
  ASSERT_EQ(
      RunCli("fill --time-limit 0 --quote " + ShellQuote(kLine) + " -o " + ShellQuote(f)).status,
      0);
  const CliRun r = RunCli("fill " + ShellQuote(f) + " --alternatives D --json");
  ASSERT_EQ(r.status, 0) << r.out;
  const auto j = nlohmann::json::parse(r.out);
  EXPECT_EQ(j["row"], "D");
  Loaded l;
  Load(l, f);
  for (const auto& alt : j["alternatives"]) {
    const std::string word = alt["word"];
    EXPECT_EQ(word[0], l.doc.KeyWords.At(1, 3)[0]) << word;
    EXPECT_NE(word, Keystring(l.doc, 3));
  }
}

}  // namespace
}  // namespace quotella
