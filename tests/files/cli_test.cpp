#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <nlohmann/json.hpp>

#include "core/answertable.h"
#include "core/copyright.h"
#include "core/textio.h"
#include "files/puzzlefile.h"
#include "files/textexport.h"
#include "filestest.h"
#include "support/clirunner.h"
#include "support/fakehost.h"

namespace quotella {
namespace {

using test::ReadAll;

using test::RunCliArgs;

struct Sample {
  test::TempDir dir;
  std::string path = dir.Path("sample.qtl");
  Sample() {
    std::filesystem::copy_file(std::string(QUOTELLA_SOURCE_DIR) + "/resources/samplepuzzle1.qtl",
                               path);
  }
  nlohmann::json Show() const {
    return nlohmann::json::parse(RunCliArgs({"show", path, "--json"}).out);
  }
};

TEST(CliCommands, TheSamplePuzzleIsCompleteWithEveryClue) {
  Sample s;
  const auto state = s.Show();
  EXPECT_EQ(state["poolTotal"], 0);
  for (const auto& row : state["rows"]) {
    EXPECT_GE(row["word"].get<std::string>().size(), 3u) << row["label"];
    EXPECT_GT(row["clue"].get<std::string>().size(), 4u) << row["label"];
  }
}

TEST(CliCommands, CommandsChangeThePuzzleFileInPlace) {
  Sample s;
  EXPECT_EQ(RunCliArgs({"clear", s.path, "b"}).status, 0);
  EXPECT_EQ(s.Show()["rows"][1]["word"], "O");
  EXPECT_EQ(RunCliArgs({"lay", s.path, "B", "otter"}).status, 0);
  EXPECT_EQ(RunCliArgs({"clue", s.path, "B", "  Playful swimmer "}).status, 0);
  EXPECT_EQ(RunCliArgs({"title", s.path, "Caf\xC3\xA9 Quiz"}).status, 0);
  EXPECT_EQ(RunCliArgs({"byline", s.path, "by Me"}).status, 0);

  test::FakeHost host;
  PuzzleDocument doc(host);
  FileSession session;
  ASSERT_TRUE(LoadPuzzleFile(doc, session, s.path));
  EXPECT_EQ(Keystring(doc, 1), "OTTER");
  EXPECT_EQ(doc.ClueLines[1], "B. Playful swimmer");
  EXPECT_EQ(session.TitleBox, "Caf\xC3\xA9 Quiz");
  EXPECT_EQ(session.BylineBox, "by Me");
  EXPECT_EQ(test::BrokenInvariant(doc), "");

  // A word that no longer fits the pool is refused and the file is left alone.
  const std::string before = ReadAll(s.path);
  EXPECT_EQ(RunCliArgs({"lay", s.path, "A", "PEAR"}).status, 1);
  EXPECT_EQ(RunCliArgs({"lay", s.path, "A", "QUIZ"}).status, 2);
  EXPECT_EQ(RunCliArgs({"lay", s.path, "ZZ", "ZOO"}).status, 2);
  EXPECT_EQ(ReadAll(s.path), before);
}

TEST(CliCommands, ShowPrintsEveryTextAsTypedFromAnAccentedFolder) {
  test::TempDir dir;
  const std::string folder = dir.Path(
      "\xC3\x89nigmes \xE2\x80\x94 \xC5\x81\xC3\xB3"
      "d\xC5\xBA");
  std::filesystem::create_directories(folder);
  const std::string path = folder + "/Caf\xC3\xA9.qtl";
  const std::string line =
      "Lech Wa\xC5\x82\xC4\x99sa@Dzie\xC5\x82"
      "a@Lech Wa\xC5\x82\xC4\x99sa "
      "pisze dzie\xC5\x82"
      "a \xE2\x80\x94 \xC2\xA1Ol\xC3\xA9!";
  ASSERT_EQ(RunCliArgs({"new", line, "-o", path}).status, 0);
  const std::string clue = "Erd\xC5\x91s \xE2\x89\xA0 \xF0\x9F\x98\x80";
  ASSERT_EQ(RunCliArgs({"clue", path, "B", clue}).status, 0);
  ASSERT_EQ(RunCliArgs({"title", path, "Dvo\xC5\x99\xC3\xA1k"}).status, 0);
  const auto j = nlohmann::json::parse(RunCliArgs({"show", path, "--json"}).out);
  const auto& texts = j["texts"];
  EXPECT_EQ(texts["title"], "Dvo\xC5\x99\xC3\xA1k");
  EXPECT_EQ(texts["byline"], "by Anonymous");
  EXPECT_EQ(texts["copyright"], DefaultCopyrightText());
  EXPECT_EQ(texts["author"], "Lech Wa\xC5\x82\xC4\x99sa");
  EXPECT_EQ(texts["work"],
            "Dzie\xC5\x82"
            "a");
  EXPECT_EQ(texts["quotation"],
            "Lech Wa\xC5\x82\xC4\x99sa pisze dzie\xC5\x82"
            "a \xE2\x80\x94 \xC2\xA1Ol\xC3\xA9!");
  ASSERT_EQ(texts["clues"].size(), 16u);
  EXPECT_EQ(texts["clues"][1], "B. " + clue);
  EXPECT_EQ(j["quotellaStr"], "LECHWALESADZIELA");
  EXPECT_EQ(j["masterQuote"], "LECH WALESA PISZE DZIELA OLE");
  // A letter with no Latin form is refused by name, and nothing is written.
  const auto refused = test::RunCliArgs({"new", "A@@A \xCE\xB1", "-o", folder + "/g.qtl"});
  EXPECT_EQ(refused.status, 1);
  EXPECT_FALSE(FileExists(folder + "/g.qtl"));
}

// A quotes file, a word list, a settings file and a dictionary folder, all under folders
// whose names Windows-1252 cannot spell, are read by the commands that take them.
TEST(CliCommands, ReadsEveryKindOfFileFromANonAsciiFolder) {
  test::TempDir dir;
  const std::string folder = dir.Path(
      "\xC5\x81\xC3\xB3"
      "d\xC5\xBA \xE2\x80\x94 S\xC5\x82owniki/\xE6\x97\xA5\xE6\x9C\xAC");
  const std::string dict = folder + "/s\xC5\x82ownik \xC3\x9F/";
  std::filesystem::create_directories(dict);
  const auto write = [](const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
  };
  const std::string quotes = folder + "/cytaty \xC5\xBC.txt";
  write(quotes,
        "Lech Wa\xC5\x82\xC4\x99sa@Dzie\xC5\x82"
        "a@Lech Wa\xC5\x82\xC4\x99sa pisze dzie\xC5\x82"
        "a\r\nA@@\xCE\xB1\xCE\xB2\r\n");
  const auto checked = RunCliArgs({"check", "--file", quotes});
  EXPECT_EQ(checked.status, 0);
  EXPECT_TRUE(checked.out.starts_with("1\tPOSSIBLE\n2\t")) << checked.out;
  EXPECT_EQ(checked.out.find("2\tPOSSIBLE"), std::string::npos) << checked.out;

  const std::string line =
      "Charles Dickens@A Tale of Two Cities@It was the best of times, it was the worst of "
      "times, it was the age of wisdom, it was the age of foolishness, it was the epoch of "
      "belief, it was the epoch of incredulity, it was the season of Light, it was the season "
      "of Darkness.";
  // Row B's initial is H. The list's "Hütte" is offered folded; its Greek entry is left out.
  const std::string list = folder + "/lista \xC3\xA9.txt";
  write(list, "H\xC3\xBCtte\r\n\xCE\xB7\xCE\xB8\r\nhose\r\n");
  const auto fromList = RunCliArgs({"scan", "--quote", line, "B", "--list", list});
  EXPECT_EQ(fromList.status, 0);
  EXPECT_EQ(SplitLines(fromList.out), (std::vector<std::string>{"HOSE", "HUTTE"})) << fromList.out;

  for (char c = 'a'; c <= 'z'; ++c) write(dict + c + ".txt", std::string(1, c) + "ose\r\n");
  write(dict + "h.txt", "HASTE\r\nHOST\r\n");
  const auto rarity = RunCliArgs({"rarity", "--dict", dict});
  EXPECT_EQ(rarity.status, 0);
  EXPECT_TRUE(rarity.out.starts_with("Dictionary: " + dict + "\n")) << rarity.out;
  const auto fromDict = RunCliArgs({"scan", "--quote", line, "B", "--dict", dict});
  EXPECT_EQ(fromDict.status, 0);
  EXPECT_NE(fromDict.out.find("HOST"), std::string::npos) << fromDict.out;

  const std::string ini = folder + "/ustawienia \xC5\x82.ini";
  write(ini, "[title]\r\nZa\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87\r\n[dictionary directory]\r\n" + dict +
                 "\r\n");
  const auto settings = RunCliArgs({"settings", "--check", ini});
  EXPECT_EQ(settings.status, 0);
  EXPECT_NE(settings.out.find("[title] \"Za\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87\""), std::string::npos)
      << settings.out;
  EXPECT_NE(settings.out.find("[dictionary directory] \"" + dict + "\""), std::string::npos)
      << settings.out;
  EXPECT_EQ(settings.out.find("WARNING"), std::string::npos) << settings.out;
}

TEST(CliCommands, WritingOverAnotherFileNeedsYes) {
  Sample s;
  const std::string other = s.dir.Path("other.qtl");
  test::WriteAll(other, "keep me");
  EXPECT_EQ(RunCliArgs({"title", s.path, "New", "-o", other}).status, 1);
  EXPECT_EQ(ReadAll(other), "keep me");
  EXPECT_EQ(RunCliArgs({"title", s.path, "New", "-o", other, "--yes"}).status, 0);
  EXPECT_NE(ReadAll(other).find("\r\nNew\r\n"), std::string::npos);
  EXPECT_EQ(RunCliArgs({"new", "T@B@TO BE", "-o", other}).status, 1);
  EXPECT_EQ(RunCliArgs({"new", "T@B@TO BE", "-o", s.dir.Path("fresh.qtl")}).status, 0);
  EXPECT_TRUE(FileExists(s.dir.Path("fresh.qtl")));
}

TEST(CliCommands, SwapsOnlyCellsOfOneLetter) {
  Sample s;
  const auto state = s.Show();
  // Two cells holding E, and one holding another letter.
  int e1 = 0, e2 = 0, other = 0;
  for (const auto& c : state["cells"]) {
    if (c["number"] == 0) continue;
    if (c["char"] == "E" && !e1)
      e1 = c["number"];
    else if (c["char"] == "E" && !e2)
      e2 = c["number"];
    else if (c["char"] != "E" && !other)
      other = c["number"];
  }
  EXPECT_EQ(RunCliArgs({"swap", s.path, std::to_string(e1), std::to_string(other)}).status, 2);
  EXPECT_EQ(RunCliArgs({"swap", s.path, std::to_string(e1), std::to_string(e2)}).status, 0);
  const auto after = s.Show();
  const auto label = [](const nlohmann::json& st, int number) {
    for (const auto& c : st["cells"])
      if (c["number"] == number) return c["label"].get<std::string>();
    return std::string();
  };
  EXPECT_EQ(label(after, e1), label(state, e2));
  EXPECT_EQ(label(after, e2), label(state, e1));
}

TEST(CliCommands, ExportsMatchTheProgramsOwnComposition) {
  Sample s;
  test::FakeHost host;
  PuzzleDocument doc(host);
  FileSession session;
  ASSERT_TRUE(LoadPuzzleFile(doc, session, s.path));

  EXPECT_EQ(RunCliArgs({"export", s.path, "--text", "-o", s.dir.Path("p.txt")}).status, 0);
  EXPECT_EQ(ReadAll(s.dir.Path("p.txt")),
            JoinLinesCrLf(ComposePuzzleText(doc, session, TextForm::Puzzle, true)));
  EXPECT_EQ(RunCliArgs({"export", s.path, "--text", "--no-grid", "-o", s.dir.Path("n.txt")}).status,
            0);
  EXPECT_EQ(ReadAll(s.dir.Path("n.txt")),
            JoinLinesCrLf(ComposePuzzleText(doc, session, TextForm::Puzzle, false)));
  EXPECT_EQ(RunCliArgs({"export", s.path, "--key", "-o", s.dir.Path("k.txt")}).status, 0);
  EXPECT_EQ(ReadAll(s.dir.Path("k.txt")),
            JoinLinesCrLf(ComposePuzzleText(doc, session, TextForm::Key, true)));
  EXPECT_EQ(RunCliArgs({"export", s.path, "--info", "--rtf", "-o", s.dir.Path("i.rtf")}).status, 0);
  EXPECT_EQ(ReadAll(s.dir.Path("i.rtf")).rfind("{\\rtf1", 0), 0u);

  EXPECT_EQ(RunCliArgs({"export", s.path, "--text"}).status, 2);
  EXPECT_EQ(RunCliArgs({"export", s.path, "--text", "--key", "-o", s.dir.Path("x")}).status, 2);
  EXPECT_EQ(RunCliArgs({"export", s.path, "--key", "-o", s.path}).status, 1);
  EXPECT_EQ(RunCliArgs({"export", s.dir.Path("none.qtl"), "--key", "-o", s.dir.Path("x")}).status,
            1);

  // A failed write says which file and why, for text and information files alike.
  for (const char* form : {"--text", "--info"}) {
    const std::string target = s.dir.Path("gone/p.txt");
    const auto failed = test::RunCli(
        "export " + test::ShellQuote(s.path) + " " + form + " -o " + test::ShellQuote(target),
        true);
    EXPECT_EQ(failed.status, 1) << form;
    EXPECT_NE(failed.out.find("Could not save file " + target + ": no such folder"),
              std::string::npos)
        << form << ": " << failed.out;
  }
}

TEST(CliCommands, SynopsisAndShowOnOtherFiles) {
  Sample s;
  const auto synopsis = RunCliArgs({"synopsis", s.path});
  EXPECT_EQ(synopsis.status, 0);
  EXPECT_EQ(synopsis.out.substr(0, 13), "Hope Eternal\n");
  test::WriteAll(s.dir.Path("text.txt"), "hello\r\n");
  EXPECT_EQ(RunCliArgs({"synopsis", s.dir.Path("text.txt")}).out, "This is not a puzzle file!\n");
  EXPECT_EQ(RunCliArgs({"show", s.dir.Path("text.txt")}).status, 1);
  EXPECT_EQ(RunCliArgs({"show"}).status, 2);
}

}  // namespace
}  // namespace quotella
