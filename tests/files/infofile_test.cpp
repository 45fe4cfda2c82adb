#include "files/infofile.h"

#include <gtest/gtest.h>

#include "core/assignment.h"
#include "core/textio.h"
#include "files/inforeport.h"
#include "files/puzzlefile.h"
#include "filestest.h"
#include "support/clirunner.h"
#include "support/fakehost.h"

namespace quotella {
namespace {

using test::FakeHost;

struct InfoPuzzle {
  FakeHost host;
  PuzzleDocument doc{host};
  FileSession session;
  test::TempDir dir;
  InfoPuzzle() {
    test::MakePuzzle(doc, "T@B (1600)@TO BE");
    LayInString(doc, "TO", 0);
    session.TitleBox = "Small {one}";
    session.CopyrightText = "\xC2\xA9 2026 Me";
    host.Clear();
  }
};

const std::vector<std::string> kInfoLines = {
    "Small {one}", "\xC2\xA9 2026 Me", "", "Quotella: T B (1600)", "", "TO BE", "", "A. TO",
    "B. B"};

// unrtf writes its text in Latin-1.
std::string RunUnrtf(const std::string& path) {
  return DecodeText(test::RunShell("unrtf --text " + test::ShellQuote(path) + " 2>/dev/null").out)
      .text;
}

TEST(InfoFile, PlainTextHoldsTheLinesInOrder) {
  InfoPuzzle s;
  const std::string path = s.dir.Path("info.txt");
  ASSERT_TRUE(WriteInfoFile(s.doc, s.session, path, false).ok());
  EXPECT_EQ(test::ReadAll(path), JoinLinesCrLf(kInfoLines));
}

TEST(InfoFile, RichTextReadsBackAsTheSameLines) {
  InfoPuzzle s;
  const std::string path = s.dir.Path("info.rtf");
  ASSERT_TRUE(WriteInfoFile(s.doc, s.session, path, true).ok());
  const std::string rtf = test::ReadAll(path);
  EXPECT_NE(rtf.find("{\\f0\\fnil\\fcharset0 Times New Roman;}"), std::string::npos);
  EXPECT_NE(rtf.find("\\f0\\fs40 Small \\{one\\}\\par"), std::string::npos);
  EXPECT_NE(rtf.find("\\f1\\fs22 \\'a9 2026 Me\\par"), std::string::npos);
  EXPECT_NE(rtf.find("\\f2\\fs24 A. TO\\par"), std::string::npos);

  // unrtf prints a few header lines, a rule of hyphens, then the text.
  const auto lines = SplitLines(RunUnrtf(path));
  const auto rule = std::find_if(lines.begin(), lines.end(), [](const std::string& l) {
    return l.size() > 10 && l.find_first_not_of('-') == std::string::npos;
  });
  ASSERT_NE(rule, lines.end()) << "unrtf gave no text";
  std::vector<std::string> text(rule + 1, lines.end());
  EXPECT_EQ(text, kInfoLines);
}

TEST(InfoFile, SaveAsksForMissingTitleAndCopyrightThenForTheFormat) {
  InfoPuzzle s;
  s.session.TitleBox = "  ";
  s.session.CopyrightText = "";
  s.session.CurrentPuzzleFile = s.dir.Path("p.qtl");
  s.host.promptAnswers = {std::nullopt, std::string("(c) Me")};
  s.host.confirmAnswers = {false};
  s.host.fileAnswers = {s.dir.Path("p.txt")};
  SaveInfoClick(s.doc, s.session);
  EXPECT_EQ(s.host.prompts, (std::vector<std::string>{"Input Box | Enter Puzzle Title: ",
                                                      "Input Box | Enter Copyright string : "}));
  EXPECT_EQ(s.host.questions, std::vector<std::string>{"Use RICHTEXT format? (No=Plaintext) "});
  const auto written = SplitLines(test::ReadAll(s.dir.Path("p.txt")));
  ASSERT_GE(written.size(), 2u);
  EXPECT_EQ(written[0], "  ");  // the cancelled prompt keeps the blank title
  EXPECT_EQ(written[1], "(c) Me");
  EXPECT_FALSE(s.session.Output.WordWrap);

  // An existing file is kept when the user says No.
  s.host.Clear();
  s.host.confirmAnswers = {false, false};
  s.host.fileAnswers = {s.dir.Path("p.txt")};
  test::WriteAll(s.dir.Path("p.txt"), "keep");
  SaveInfoClick(s.doc, s.session);
  EXPECT_EQ(s.host.questions.back(), "File exists! Save anyway? ");
  EXPECT_EQ(test::ReadAll(s.dir.Path("p.txt")), "keep");
}

TEST(InfoReport, SynopsisOfAPuzzleFileCountsTheUnfinishedAnswers) {
  InfoPuzzle s;
  const std::string path = s.dir.Path("p.qtl");
  s.session.BylineBox = "by Me";
  ASSERT_TRUE(SavePuzzleAs(s.doc, s.session, path));
  const auto pane = MakeInfoReport(s.session, s.host, path);
  EXPECT_EQ(pane, (std::vector<std::string>{"Small {one}", "by Me", "", "Quotella: T B (1600)", "",
                                            "\"TO BE\"", "", "------------------", "A. TO", "B. B",
                                            "", "There are 2 Answers left to be completed."}));
}

TEST(InfoReport, LabelsFollowThePositionBeyondZ) {
  FakeHost host;
  PuzzleDocument doc(host);
  FileSession session;
  test::TempDir dir;
  test::MakePuzzle(doc, test::BenchQuotes().at(0));
  ASSERT_EQ(doc.P.NumWords, 30);
  ASSERT_TRUE(SavePuzzleAs(doc, session, dir.Path("p.qtl")));
  const auto pane = MakeInfoReport(session, host, dir.Path("p.qtl"));
  ASSERT_EQ(pane.size(), 8u + 30 + 2);
  EXPECT_EQ(pane[8 + 26], "AA. " + std::string(1, doc.P.QuotellaStr[26]));
  EXPECT_EQ(pane[8 + 27], "BB. " + std::string(1, doc.P.QuotellaStr[27]));
  EXPECT_EQ(pane.back(), "There are 30 Answers left to be completed.");
}

TEST(InfoReport, FilesThatAreNotPuzzlesAreNamedSo) {
  FakeHost host;
  FileSession session;
  test::TempDir dir;
  test::WriteAll(dir.Path("a.txt"), "just text\r\nmore\r\n");
  EXPECT_EQ(MakeInfoReport(session, host, dir.Path("a.txt")),
            std::vector<std::string>{"This is not a puzzle file!"});
  EXPECT_EQ(session.Output.Lines, (std::vector<std::string>{"just text", "more"}));

  test::WriteAll(dir.Path("b.qtl"),
                 "x\r\n! This file made by Quotella 3.0 program.\r\n[QUOTE]\r\n");
  EXPECT_EQ(MakeInfoReport(session, host, dir.Path("b.qtl")),
            std::vector<std::string>{"Not an Quotella puzzle."});

  EXPECT_TRUE(MakeInfoReport(session, host, dir.Path("none")).empty());
  EXPECT_EQ(host.messages, std::vector<std::string>{"Cannot load " + dir.Path("none")});
}

}  // namespace
}  // namespace quotella

namespace quotella {
namespace {

TEST(InfoReport, OpeningFromTheBrowserAsksThenLoads) {
  test::FakeHost host;
  PuzzleDocument doc(host);
  FileSession session;
  const std::string sample = std::string(QUOTELLA_SOURCE_DIR) + "/resources/samplepuzzle1.qtl";
  EXPECT_FALSE(OpenButtonClick(doc, session, sample));
  EXPECT_EQ(host.questions,
            std::vector<std::string>{"This will REPLACE current puzzle. Continue?"});
  EXPECT_FALSE(doc.PuzzleExists);

  host.confirmAnswers = {true};
  EXPECT_TRUE(OpenButtonClick(doc, session, sample));
  EXPECT_TRUE(doc.PuzzleExists);
  EXPECT_TRUE(session.ConfirmBeforeLoad);
  EXPECT_EQ(session.LastFile, sample);
  EXPECT_EQ(session.Caption, std::string(kCaptionTitle) + sample);
}

}  // namespace
}  // namespace quotella
