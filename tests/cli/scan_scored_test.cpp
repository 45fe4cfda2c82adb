#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "support/clirunner.h"

namespace {

namespace fs = std::filesystem;

using quotella::test::CliRun;
using quotella::test::RunCli;
using quotella::test::ShellQuote;

// 46 answers (ZOEBRONTELUKASIEWICZ NOTESFROMTHELAKESOFSMALAND): row B is O, row E is R.
const std::string kQuote = ShellQuote(
    "Zoë Brontë-Łukasiewicz@Notes from the Lakes of Småland@Zoë Brontë-Łukasiewicz wrote her "
    "notes from the lakes of Småland in winter, when the ice sang under every step and the "
    "pines stood like patient witnesses to a silence that nobody in the city would ever "
    "believe was real, quick as a fox, vexed by jazz.");

class ScanScored : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("quotella_scan_scored_" + std::to_string(::getpid())) /
          "listes étoilées";
    fs::create_directories(dir);
    // UTF-8 with notes, an accented multi-word entry and a word too short to be an answer.
    Write("mine.txt",
          "# my words\nOcéan;80\nOTTER;75\norbit ; 75\nOXOXOXOX;99\nopal;40\nO;100\n"
          "RIVER;90\n");
    // Windows-1252, a word alone, a duplicate and two bad lines.
    Write("theirs.txt", "otter;95\r\nonion\r\nOBOE;200\r\nORE;x\r\n\xF3leo;60\r\n");
  }
  void TearDown() override { fs::remove_all(dir.parent_path()); }
  void Write(const std::string& name, const std::string& bytes) {
    std::ofstream(dir / name, std::ios::binary) << bytes;
  }
  std::string Path(const std::string& name) const { return ShellQuote((dir / name).string()); }
  fs::path dir;
};

TEST_F(ScanScored, ScansTheListsBestFirstWithTheirScores) {
  const CliRun run = RunCli("scan --quote " + kQuote + " B --scored " + Path("mine.txt") +
                            " --scored " + Path("theirs.txt"));
  EXPECT_EQ(run.status, 0);
  // OTTER keeps its higher score, óleo is read as Windows-1252; OPAL is under the minimum,
  // OXOXOXOX needs four X.
  EXPECT_EQ(run.out, "OTTER\t95\nOCEAN\t80\nORBIT\t75\nOLEO\t60\nONION\t50\n");

  EXPECT_EQ(RunCli("scan --quote " + kQuote + " b --scored " + Path("mine.txt") +
                   " --min-score 40 --default-score 10 --max 4")
                .out,
            "OPAL\t40\n");
  const CliRun none =
      RunCli("scan --quote " + kQuote + " B --scored " + Path("mine.txt") + " --min-score 100");
  EXPECT_EQ(none.status, 0);
  EXPECT_EQ(none.out.substr(0, none.out.find('\n')), "No words found in the scored word lists");
  EXPECT_NE(none.out.find("scoring at least 100\n"), std::string::npos);
}

TEST_F(ScanScored, AWordListOrDictionaryScanShowsAndSortsByTheScores) {
  Write("o-words.txt", "oath\r\nocean\r\nonion\r\notter\r\nouter\r\n");
  Write("o.txt", "otter\r\nOUTER\r\nopal\r\n");
  const CliRun list = RunCli("scan --quote " + kQuote + " B --list " + Path("o-words.txt") +
                             " --scored " + Path("mine.txt") + " --sort score");
  EXPECT_EQ(list.status, 0);
  EXPECT_EQ(list.out, "OCEAN\t80\nOTTER\t75\nOATH\nONION\nOUTER\n");
  const CliRun dict =
      RunCli("scan --quote " + kQuote + " B --dict " + Path("") + " --scored " + Path("mine.txt"));
  EXPECT_EQ(dict.status, 0);
  // The dictionary's order; words under the minimum still show their score.
  EXPECT_EQ(dict.out, "OPAL\t40\nOTTER\t75\nOUTER\n");
}

TEST_F(ScanScored, ABadOrMissingListIsNamedAndTheScanGoesOn) {
  const std::string missing = (dir / "gone.txt").string();
  const CliRun run = RunCli("scan --quote " + kQuote + " E --scored " + ShellQuote(missing) +
                                " --scored " + Path("theirs.txt") + " --scored " + Path("mine.txt"),
                            true);
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("Could not read the scored word list " + missing), std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("The scored word list " + (dir / "theirs.txt").string() +
                         " has 2 bad lines (the first is line 3: OBOE;200); they were skipped"),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("RIVER\t90\n"), std::string::npos) << run.out;

  // Nothing to scan at all is a failure; a scan with another source goes on.
  EXPECT_EQ(RunCli("scan --quote " + kQuote + " E --scored " + ShellQuote(missing)).status, 1);
  Write("r.txt", "river\r\n");
  EXPECT_EQ(RunCli("scan --quote " + kQuote + " E --scored " + ShellQuote(missing) + " --dict " +
                   Path(""))
                .out,
            "RIVER\n");
}

TEST_F(ScanScored, ScoreOptionsAreChecked) {
  const std::string scan = "scan --quote " + kQuote + " B ";
  EXPECT_EQ(RunCli(scan + "--scored " + Path("mine.txt") + " --min-score 101").status, 2);
  EXPECT_EQ(RunCli(scan + "--scored " + Path("mine.txt") + " --default-score x").status, 2);
  EXPECT_EQ(RunCli(scan + "--min-score 60").status, 2);
  EXPECT_EQ(RunCli(scan + "--sort score").status, 2);
  EXPECT_EQ(RunCli(scan + "--scored").status, 2);
}

}  // namespace
