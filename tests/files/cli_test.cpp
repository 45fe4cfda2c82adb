#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include <nlohmann/json.hpp>

#include "core/answertable.h"
#include "core/textio.h"
#include "files/puzzlefile.h"
#include "files/textexport.h"
#include "filestest.h"
#include "support/fakehost.h"

namespace quotella {
namespace {

using test::ReadAll;

struct Run {
  int code = -1;
  std::string out;
};

// Runs quotella-cli with the arguments (each quoted for the shell), stderr discarded.
Run Cli(const std::vector<std::string>& args) {
  std::string command = std::string(QUOTELLA_PROGRAM_DIR) + "/quotella-cli";
  for (const auto& a : args) command += " '" + a + "'";
  command += " 2>/dev/null";
  Run run;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return run;
  char buffer[4096];
  std::size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) run.out.append(buffer, n);
  const int status = pclose(pipe);
  run.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

struct Sample {
  test::TempDir dir;
  std::string path = dir.Path("sample.qtl");
  Sample() {
    std::filesystem::copy_file(std::string(QUOTELLA_SOURCE_DIR) + "/resources/samplepuzzle1.qtl",
                               path);
  }
  nlohmann::json Show() const { return nlohmann::json::parse(Cli({"show", path, "--json"}).out); }
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
  EXPECT_EQ(Cli({"clear", s.path, "b"}).code, 0);
  EXPECT_EQ(s.Show()["rows"][1]["word"], "O");
  EXPECT_EQ(Cli({"lay", s.path, "B", "otter"}).code, 0);
  EXPECT_EQ(Cli({"clue", s.path, "B", "  Playful swimmer "}).code, 0);
  EXPECT_EQ(Cli({"title", s.path, "Caf\xC3\xA9 Quiz"}).code, 0);
  EXPECT_EQ(Cli({"byline", s.path, "by Me"}).code, 0);

  test::FakeHost host;
  PuzzleDocument doc(host);
  FileSession session;
  ASSERT_TRUE(LoadPuzzleFile(doc, session, s.path));
  EXPECT_EQ(Keystring(doc, 1), "OTTER");
  EXPECT_EQ(doc.ClueLines[1], "B. Playful swimmer");
  EXPECT_EQ(session.TitleBox, "Caf\xE9 Quiz");  // stored in the program's 8-bit text
  EXPECT_EQ(session.BylineBox, "by Me");
  EXPECT_EQ(test::BrokenInvariant(doc), "");

  // A word that no longer fits the pool is refused and the file is left alone.
  const std::string before = ReadAll(s.path);
  EXPECT_EQ(Cli({"lay", s.path, "A", "PEAR"}).code, 1);
  EXPECT_EQ(Cli({"lay", s.path, "A", "QUIZ"}).code, 2);
  EXPECT_EQ(Cli({"lay", s.path, "ZZ", "ZOO"}).code, 2);
  EXPECT_EQ(ReadAll(s.path), before);
}

TEST(CliCommands, WritingOverAnotherFileNeedsYes) {
  Sample s;
  const std::string other = s.dir.Path("other.qtl");
  test::WriteAll(other, "keep me");
  EXPECT_EQ(Cli({"title", s.path, "New", "-o", other}).code, 1);
  EXPECT_EQ(ReadAll(other), "keep me");
  EXPECT_EQ(Cli({"title", s.path, "New", "-o", other, "--yes"}).code, 0);
  EXPECT_NE(ReadAll(other).find("\r\nNew\r\n"), std::string::npos);
  EXPECT_EQ(Cli({"new", "T@B@TO BE", "-o", other}).code, 1);
  EXPECT_EQ(Cli({"new", "T@B@TO BE", "-o", s.dir.Path("fresh.qtl")}).code, 0);
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
  EXPECT_EQ(Cli({"swap", s.path, std::to_string(e1), std::to_string(other)}).code, 2);
  EXPECT_EQ(Cli({"swap", s.path, std::to_string(e1), std::to_string(e2)}).code, 0);
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

  EXPECT_EQ(Cli({"export", s.path, "--text", "-o", s.dir.Path("p.txt")}).code, 0);
  EXPECT_EQ(ReadAll(s.dir.Path("p.txt")),
            JoinLinesCrLf(ComposePuzzleText(doc, session, TextForm::Puzzle, true)));
  EXPECT_EQ(Cli({"export", s.path, "--text", "--no-grid", "-o", s.dir.Path("n.txt")}).code, 0);
  EXPECT_EQ(ReadAll(s.dir.Path("n.txt")),
            JoinLinesCrLf(ComposePuzzleText(doc, session, TextForm::Puzzle, false)));
  EXPECT_EQ(Cli({"export", s.path, "--key", "-o", s.dir.Path("k.txt")}).code, 0);
  EXPECT_EQ(ReadAll(s.dir.Path("k.txt")),
            JoinLinesCrLf(ComposePuzzleText(doc, session, TextForm::Key, true)));
  EXPECT_EQ(Cli({"export", s.path, "--info", "--rtf", "-o", s.dir.Path("i.rtf")}).code, 0);
  EXPECT_EQ(ReadAll(s.dir.Path("i.rtf")).rfind("{\\rtf1", 0), 0u);

  EXPECT_EQ(Cli({"export", s.path, "--text"}).code, 2);
  EXPECT_EQ(Cli({"export", s.path, "--text", "--key", "-o", s.dir.Path("x")}).code, 2);
  EXPECT_EQ(Cli({"export", s.path, "--key", "-o", s.path}).code, 1);
  EXPECT_EQ(Cli({"export", s.dir.Path("none.qtl"), "--key", "-o", s.dir.Path("x")}).code, 1);
}

TEST(CliCommands, SynopsisAndShowOnOtherFiles) {
  Sample s;
  const auto synopsis = Cli({"synopsis", s.path});
  EXPECT_EQ(synopsis.code, 0);
  EXPECT_EQ(synopsis.out.substr(0, 13), "Hope Eternal\n");
  test::WriteAll(s.dir.Path("text.txt"), "hello\r\n");
  EXPECT_EQ(Cli({"synopsis", s.dir.Path("text.txt")}).out, "This is not a puzzle file!\n");
  EXPECT_EQ(Cli({"show", s.dir.Path("text.txt")}).code, 1);
  EXPECT_EQ(Cli({"show"}).code, 2);
}

}  // namespace
}  // namespace quotella
