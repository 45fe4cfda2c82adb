#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <filesystem>
#include <set>

#include "core/textio.h"
#include "support/clirunner.h"
#include "support/svgtexts.h"

namespace quotella {
namespace {

using test::RunCli;
using test::RunCliArgs;
using test::ShellQuote;

std::vector<std::string> SvgTexts(const std::string& path) {
  return test::SvgTexts(QByteArray::fromStdString(ReadFileBytes(path).value_or("")));
}

// The sample puzzle (21 columns x 4 rows, "Hope Eternal", 16 answers) in a folder with
// an accented name.
class SvgCliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    folder = dir.path().toStdString() + "/Grilles d\xC3\xA9j\xC3\xA0 faites";
    std::filesystem::create_directory(folder);
    puzzle = folder + "/sample.qtl";
    std::filesystem::copy_file(QUOTELLA_SOURCE_DIR "/resources/samplepuzzle1.qtl", puzzle);
  }
  std::vector<std::string> Files() const {
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(folder))
      names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
  QTemporaryDir dir;
  std::string folder;
  std::string puzzle;
};

TEST_F(SvgCliTest, TheGridSvgHoldsEveryCellNumberAndNothingElseIsLeftBehind) {
  const std::string svg = folder + "/grid.svg";
  ASSERT_EQ(RunCliArgs({"export", puzzle, "--svg", "-o", svg}).status, 0);
  const auto texts = SvgTexts(svg);
  const std::multiset<std::string> found(texts.begin(), texts.end());
  // The sample's 62 letter cells are numbered 1 to 62.
  for (int n = 1; n <= 62; ++n) EXPECT_EQ(found.count(std::to_string(n)), 1u) << n;
  EXPECT_EQ(found.count("63"), 0u);
  EXPECT_EQ(Files(), (std::vector<std::string>{"grid.svg", "sample.qtl"}));

  ASSERT_EQ(
      RunCliArgs({"export", puzzle, "--svg", "--key", "--cell-size", "60", "-o", svg, "--yes"})
          .status,
      0);
  const std::string bytes = ReadFileBytes(svg).value_or("");
  EXPECT_NE(bytes.find("viewBox=\"0 0 1261 241\""), std::string::npos)
      << "21 x 60 + 1 by 4 x 60 + 1";
  const auto keyed = SvgTexts(svg);
  EXPECT_GT(std::count(keyed.begin(), keyed.end(), "E"), 0);
}

TEST_F(SvgCliTest, ThePageSvgCarriesTheHeaderAndTheCluesOfThePrintedPage) {
  const std::string svg = folder + "/page.svg";
  ASSERT_EQ(RunCliArgs({"export", puzzle, "--svg", "--page", "--help-text", "--copyright",
                        "last-page", "-o", svg})
                .status,
            0);
  const auto texts = SvgTexts(svg);
  ASSERT_FALSE(texts.empty());
  EXPECT_EQ(texts.front(), "Hope Eternal");
  auto has = [&](const std::string& start) {
    return std::any_of(texts.begin(), texts.end(),
                       [&](const std::string& t) { return t.find(start) != std::string::npos; });
  };
  EXPECT_TRUE(has("B."));  // the label in bold, its clue after it
  EXPECT_TRUE(has("River mammal"));
  EXPECT_TRUE(has("Guess the words defined below"));
  EXPECT_TRUE(has("62"));
  EXPECT_EQ(texts.back().rfind("Puzzle ", 0), 0u) << "the copyright closes the last page";
  EXPECT_EQ(Files(), (std::vector<std::string>{"page.svg", "sample.qtl"})) << "no PDF file";
}

TEST_F(SvgCliTest, AnUnwritablePlaceOrAMisplacedOptionIsRefusedWithoutTouchingFiles) {
  const std::string svg = folder + "/missing/grid.svg";
  const auto run = RunCli("export " + ShellQuote(puzzle) + " --svg -o " + ShellQuote(svg), true);
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.out.find("Could not save file " + svg + ": no such folder"), std::string::npos)
      << run.out;

  const std::string keep = folder + "/keep.svg";
  std::filesystem::copy_file(puzzle, keep);
  for (const std::vector<std::string>& bad : {std::vector<std::string>{"--svg", "--pdf"},
                                              {"--svg", "--landscape"},
                                              {"--svg", "--page", "--cell-size", "40"},
                                              {"--svg", "--cell-size", "7"},
                                              {"--svg", "--page", "--grid", "--clues"},
                                              {"--svg", "--line-width", "2"},
                                              {"--svg", "--copyright", "last-page"}}) {
    std::vector<std::string> args = {"export", puzzle, "-o", keep, "--yes"};
    args.insert(args.end(), bad.begin(), bad.end());
    EXPECT_EQ(RunCliArgs(args).status, 2) << bad.back();
  }
  EXPECT_EQ(RunCliArgs({"export", puzzle, "--svg", "-o", keep}).status, 1) << "exists, no --yes";
  EXPECT_EQ(ReadFileBytes(keep), ReadFileBytes(puzzle));
}

}  // namespace
}  // namespace quotella
