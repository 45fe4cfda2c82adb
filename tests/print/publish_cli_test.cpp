#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <filesystem>
#include <regex>

#include "support/clirunner.h"

namespace quotella {
namespace {

using test::RunCliArgs;
using test::RunShell;
using test::ShellQuote;

// Runs quotella-cli; `out` holds what it printed on stderr.
test::CliRun Errors(const std::vector<std::string>& args, const std::string& env = "") {
  std::string command = env + QUOTELLA_PROGRAM_DIR "/quotella-cli";
  for (const auto& a : args) command += " " + ShellQuote(a);
  return RunShell(command + " 2>&1 >/dev/null");
}

// The sample puzzle: 21 columns x 4 rows, title "Hope Eternal", 16 answers.
class PublishCliTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    puzzle = Path("sample.qtl");
    std::filesystem::copy_file(QUOTELLA_SOURCE_DIR "/resources/samplepuzzle1.qtl", puzzle);
  }
  std::string Path(const std::string& name) const {
    return dir.filePath(QString::fromStdString(name)).toStdString();
  }
  std::string PdfText(const std::string& pdf) const {
    return RunShell("pdftotext -layout " + ShellQuote(pdf) + " -").out;
  }
  QTemporaryDir dir;
  std::string puzzle;
};

TEST_F(PublishCliTest, PdfExportWritesThePageWithoutADisplay) {
  const std::string pdf = Path("out.pdf");
  const auto run =
      RunShell("env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= " QUOTELLA_PROGRAM_DIR
               "/quotella-cli export " +
               ShellQuote(puzzle) + " --pdf --help-text -o " + ShellQuote(pdf));
  ASSERT_EQ(run.status, 0);
  const std::string text = PdfText(pdf);
  EXPECT_NE(text.find("Hope Eternal"), std::string::npos) << text;
  EXPECT_NE(text.find("by the Quotella makers"), std::string::npos);
  EXPECT_NE(text.find("B. River mammal that floats on its back"), std::string::npos);
  EXPECT_NE(text.find("Guess the words defined below"), std::string::npos);
  EXPECT_EQ(text.find("The Quotella is:"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(Path(".out.pdf.part")));
}

TEST_F(PublishCliTest, PdfExportOptionsChangeThePage) {
  const std::string pdf = Path("key.pdf");
  ASSERT_EQ(RunCliArgs({"export", puzzle, "--pdf", "--key", "--landscape", "--copyright",
                        "last-page", "--paper", "letter", "-o", pdf})
                .status,
            0);
  std::string text = PdfText(pdf);
  EXPECT_NE(text.find("The Quotella is: Pope \u2014 An Essay on Man"), std::string::npos) << text;
  EXPECT_TRUE(std::regex_search(text, std::regex("O +T +T +E +R"))) << text;
  const std::string info = RunShell("pdfinfo " + ShellQuote(pdf)).out;
  EXPECT_NE(info.find("792 x 612"), std::string::npos) << info;

  ASSERT_EQ(
      RunCliArgs({"export", puzzle, "--pdf", "--grid", "--paper", "A4", "-o", pdf, "--yes"}).status,
      0);
  text = PdfText(pdf);
  EXPECT_EQ(text.find("River mammal"), std::string::npos);
  EXPECT_NE(text.find("Hope Eternal"), std::string::npos);
  EXPECT_NE(RunShell("pdfinfo " + ShellQuote(pdf)).out.find("595 x 842"), std::string::npos);
}

TEST_F(PublishCliTest, AnOrdinaryExportSaysNothingAndADraftSaysHowUnfinishedItIs) {
  const std::string pdf = Path("quiet.pdf");
  auto run = Errors({"export", puzzle, "--pdf", "--key", "--help-text", "-o", pdf},
                    "env -u XDG_RUNTIME_DIR LSAN_OPTIONS=print_suppressions=0 ");
  ASSERT_EQ(run.status, 0);
  EXPECT_EQ(run.out, "");

  ASSERT_EQ(RunCliArgs({"clear", puzzle, "B"}).status, 0);
  run = Errors({"export", puzzle, "--pdf", "-o", pdf, "--yes"});
  EXPECT_EQ(run.status, 0) << "a draft still prints";
  EXPECT_TRUE(std::regex_search(
      run.out, std::regex("1 answer is empty and [1-9][0-9]* cells have no label\\.")))
      << run.out;
  EXPECT_NE(PdfText(pdf).find("B. River mammal"), std::string::npos);
}

TEST_F(PublishCliTest, ACellSizeWhoseGridCannotFitBelowTheHeaderIsRefused) {
  const std::string pdf = Path("big.pdf");
  const auto run = Errors({"export", puzzle, "--pdf", "--cell-size", "600", "-o", pdf});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.out.find("WARNING: At this cell size puzzle grid will not fit on page. Lower the "
                         "cell size."),
            std::string::npos)
      << run.out;
  EXPECT_FALSE(std::filesystem::exists(pdf));
  EXPECT_EQ(RunCliArgs({"export", puzzle, "--pdf", "--paper", "tabloid", "-o", pdf}).status, 2);
  EXPECT_EQ(RunCliArgs({"export", puzzle, "--pdf", "--grid-line", "0", "-o", pdf}).status, 2);
  EXPECT_EQ(RunCliArgs({"export", puzzle, "--pdf", "--margin", "x", "-o", pdf}).status, 2);
}

TEST_F(PublishCliTest, TheCopyrightCommandSetsTheLinePrintedUnderTheByline) {
  ASSERT_EQ(
      RunCliArgs({"copyright", puzzle, "Puzzle \u00A9 2026 by \u00C9lodie Ma\u00EEtre"}).status, 0);
  const std::string pdf = Path("copyright.pdf");
  ASSERT_EQ(RunCliArgs({"export", puzzle, "--pdf", "-o", pdf}).status, 0);
  EXPECT_NE(PdfText(pdf).find("Puzzle \u00A9 2026 by \u00C9lodie Ma\u00EEtre"), std::string::npos);
  EXPECT_EQ(RunCliArgs({"copyright", puzzle}).status, 2);
}

TEST_F(PublishCliTest, PdfExportRefusesBadArgumentsAndKeepsAnExistingFile) {
  const std::string pdf = Path("keep.pdf");
  std::filesystem::copy_file(puzzle, pdf);
  EXPECT_EQ(RunCliArgs({"export", puzzle, "--pdf", "--cell-size", "big", "-o", pdf}).status, 2);
  EXPECT_EQ(RunCliArgs({"export", puzzle, "--pdf", "--copyright", "top", "-o", pdf}).status, 2);
  EXPECT_EQ(RunCliArgs({"export", puzzle, "--pdf", "--grid", "--clues", "-o", pdf}).status, 2);
  EXPECT_EQ(RunCliArgs({"export", puzzle, "--pdf", "-o", pdf}).status, 1) << "exists, no --yes";
  EXPECT_EQ(std::filesystem::file_size(pdf), std::filesystem::file_size(puzzle));
}

TEST_F(PublishCliTest, BitmapExportSizesThePictureFromCellSizeAndLineWidth) {
  const std::string bmp = Path("grid.bmp");
  ASSERT_EQ(RunCliArgs({"export", puzzle, "--bitmap", "-o", bmp}).status, 0);
  QImage image(QString::fromStdString(bmp));
  EXPECT_EQ(image.size(), QSize(21 * 23 + 1, 4 * 23 + 1)) << "the default cell size is 23";

  const std::string png = Path("grid.png");
  ASSERT_EQ(RunCliArgs({"export", puzzle, "--bitmap", "--cell-size", "30", "--line-width", "3",
                        "--key", "--no-labels", "-o", png})
                .status,
            0);
  EXPECT_TRUE(image.load(QString::fromStdString(png), "PNG"));
  EXPECT_EQ(image.size(), QSize(21 * 30 + 3, 4 * 30 + 3));

  EXPECT_EQ(RunCliArgs({"export", puzzle, "--bitmap", "-o", Path("grid.gif")}).status, 2);
  EXPECT_EQ(RunCliArgs({"export", puzzle, "--bitmap", "--cell-size", "7", "-o", png}).status, 2);
}

}  // namespace
}  // namespace quotella
