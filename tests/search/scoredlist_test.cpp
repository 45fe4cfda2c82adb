#include "search/scoredlist.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/textio.h"
#include "search_fixture.h"

namespace quotella {
namespace {

using test::TempDir;
using Lines = std::vector<std::string>;

TEST(ScoredListLines, ReadsScoresWordsAloneAndNotesWhateverTheLineEnds) {
  ScoredList list;
  const ScoredListRead read = list.AddText(
      "# my list\r\nAPPLE;90\r\n\r\n  # indented note\nbanana\rCherry ; 7 \nDATE;0\n  \t\nFIG;100",
      40);
  EXPECT_EQ(read.entries, 5u);
  EXPECT_EQ(read.badLines, 0u);
  EXPECT_EQ(read.firstBadLine, 0u);
  EXPECT_EQ(list.Count(), 5u);
  EXPECT_EQ(list.ScoreOf("APPLE"), 90);
  EXPECT_EQ(list.ScoreOf("banana"), 40);  // a word alone takes the default
  EXPECT_EQ(list.ScoreOf("CHERRY"), 7);
  EXPECT_EQ(list.ScoreOf("Date"), 0);
  EXPECT_EQ(list.ScoreOf("FIG"), 100);
  EXPECT_EQ(list.ScoreOf("MYLIST"), -1);
  EXPECT_EQ(list.ScoreOf("INDENTEDNOTE"), -1);
  EXPECT_EQ(list.Text(), "APPLE;90\nBANANA;40\nCHERRY;7\nDATE;0\nFIG;100\n");
}

TEST(ScoredListLines, FoldsMultiWordAccentedAndCommentedEntriesToTheirLetters) {
  ScoredList list;
  const ScoredListRead read = list.AddText(
      "ice cream;60\nErd\xC5\x91s;55\nrock 'n' roll;45\nCAF\xC3\x89 au lait;70\n"
      "\xC5\x81\xC3\xB3\x64\xC5\xBA;30\nwren@a small bird;65\n",
      50);
  EXPECT_EQ(read.entries, 6u);
  EXPECT_EQ(read.badLines, 0u);
  EXPECT_EQ(list.ScoreOf("ICECREAM"), 60);
  EXPECT_EQ(list.ScoreOf("ERDOS"), 55);
  EXPECT_EQ(list.ScoreOf("Erd\xC5\x91s"), 55);  // looked up as a line's entry is folded
  EXPECT_EQ(list.ScoreOf("ROCKNROLL"), 45);
  EXPECT_EQ(list.ScoreOf("CAFEAULAIT"), 70);
  EXPECT_EQ(list.ScoreOf("LODZ"), 30);
  EXPECT_EQ(list.ScoreOf("WREN"), 65);
  EXPECT_EQ(list.ScoreOf("WRENASMALLBIRD"), -1);
}

TEST(ScoredListLines, AWordMetTwiceKeepsItsHigherScoreAndIsCounted) {
  ScoredList list;
  ScoredListRead read = list.AddText("ICECREAM;80\nice cream;60\nOTTER;20\nOtter;35\n", 50);
  EXPECT_EQ(read.entries, 4u);
  EXPECT_EQ(read.duplicates, 2u);
  EXPECT_EQ(list.Count(), 2u);
  EXPECT_EQ(list.ScoreOf("ICECREAM"), 80);
  EXPECT_EQ(list.ScoreOf("OTTER"), 35);
  // A second text joins the table on the same rule; Put sets a score whatever it was.
  read = list.AddText("ICECREAM;95\n", 50);
  EXPECT_EQ(read.duplicates, 1u);
  EXPECT_EQ(list.ScoreOf("ICECREAM"), 95);
  list.Put("ice-cream", 10);
  EXPECT_EQ(list.ScoreOf("ICECREAM"), 10);
}

TEST(ScoredListLines, TheBestWordsOfAnInitialComeByScoreThenAlphabetically) {
  ScoredList list;
  list.AddText("OWL;60\nOTTER;90\nORCA;60\nOKAPI;20\nEMU;95\nOX;70\n", 50);
  std::vector<std::string> words;
  for (const ScoredEntry& e : list.BestWithInitial('O', 60)) words.push_back(e.word);
  EXPECT_EQ(words, (Lines{"OTTER", "OX", "ORCA", "OWL"}));
  EXPECT_TRUE(list.BestWithInitial('Q', 0).empty());
}

TEST(ScoredListLines, BadLinesAreSkippedCountedAndTheFirstIsKept) {
  ScoredList list;
  const ScoredListRead read = list.AddText(
      "GOOD;50\nTOOHIGH;101\nNEGATIVE;-1\nHALF;5.5\nWORDY;fifty\nEMPTY;\n;50\n1234;60\n"
      "\xCE\x91\xCE\xB8\xCE\xAE\xCE\xBD\xCE\xB1;50\nALSOGOOD; 70\n",
      50);
  EXPECT_EQ(read.entries, 2u);
  EXPECT_EQ(read.badLines, 8u);
  EXPECT_EQ(read.firstBadLine, 2u);
  EXPECT_EQ(read.firstBadText, "TOOHIGH;101");
  EXPECT_EQ(list.Count(), 2u);
  EXPECT_EQ(list.ScoreOf("TOOHIGH"), -1);
  EXPECT_EQ(list.ScoreOf("EMPTY"), -1);
  EXPECT_EQ(list.ScoreOf("ALSOGOOD"), 70);
}

TEST(ScoredListFiles, Windows1252AndUtf8FilesGiveTheSameWordsAndAMissingFileNone) {
  TempDir tmp;
  tmp.Write("cp1252.txt", "caf\xE9;70\r\nna\xEFve\r\n# \xE9t\xE9\r\n");
  tmp.Write("utf8.txt",
            "\xEF\xBB\xBF"
            "caf\xC3\xA9;70\nna\xC3\xAFve\n# \xC3\xA9t\xC3\xA9\n");
  ScoredList fromCp1252;
  ScoredList fromUtf8;
  EXPECT_EQ(fromCp1252.AddFile(tmp.Path("cp1252.txt"), 50).entries, 2u);
  EXPECT_EQ(fromUtf8.AddFile(tmp.Path("utf8.txt"), 50).entries, 2u);
  EXPECT_EQ(fromCp1252.Text(), "CAFE;70\nNAIVE;50\n");
  EXPECT_EQ(fromUtf8.Text(), fromCp1252.Text());

  const ScoredListRead missing = fromUtf8.AddFile(tmp.Path("missing.txt"), 50);
  EXPECT_FALSE(missing.readable);
  EXPECT_EQ(fromUtf8.Count(), 2u);
}

TEST(ScoredListFiles, LoadingMergesTheNamedFilesAndNamesTheOnesThatFailed) {
  TempDir tmp;
  tmp.Write("mine.txt", "OTTER;40\nWREN\n");
  tmp.Write("theirs.txt", "otter;75\nBADGER;200\nVOLE;30\nMOLE;x\n");
  ScoredWords words;
  words.files = {tmp.Path("mine.txt"), tmp.Path("gone.txt"), tmp.Path("theirs.txt")};
  words.defaultScore = 60;
  words.minScore = 40;
  words.table.Put("STALE", 99);
  const Lines messages = LoadScoredWords(words);
  EXPECT_EQ(messages,
            (Lines{"Could not read the scored word list " + tmp.Path("gone.txt"),
                   "The scored word list " + tmp.Path("theirs.txt") +
                       " has 2 bad lines (the first is line 2: BADGER;200); they were skipped"}));
  EXPECT_EQ(words.table.Text(), "OTTER;75\nVOLE;30\nWREN;60\n");
  // The minimum decides what is usable and what the constructor ruled out.
  EXPECT_EQ(words.UsableScore("OTTER"), 75);
  EXPECT_EQ(words.UsableScore("VOLE"), -1);
  EXPECT_TRUE(words.RuledOut("VOLE"));
  EXPECT_FALSE(words.RuledOut("OTTER"));
  EXPECT_FALSE(words.RuledOut("STOAT"));
  EXPECT_EQ(words.UsableScore("STOAT"), -1);
  words.minScore = 30;
  EXPECT_EQ(words.UsableScore("VOLE"), 30);
}

TEST(ScoredListFiles, ALongBadLineIsCutInTheMessage) {
  TempDir tmp;
  const std::string longLine = std::string(78, 'X') + "\xC3\xA9\xC3\xA9;x";
  tmp.Write("long.txt", longLine + "\n");
  ScoredWords words;
  words.files = {tmp.Path("long.txt")};
  const Lines messages = LoadScoredWords(words);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find(std::string(78, 'X') + "\xC3\xA9...); they were skipped"),
            std::string::npos);
}

TEST(ScoredListWriting, AddingKeepsEveryLineAndGivesAListedWordItsNewScore) {
  TempDir tmp;
  tmp.Write("mine.txt",
            "# my words\r\nice cream;60\r\nOTTER\r\nBADGER;200\r\nwren@bird;40\r\n"
            "ICECREAM;90\r\n");
  const SaveResult saved = AddToScoredListFile(
      tmp.Path("mine.txt"), {{"ICECREAM", 75}, {"VOLE", 55}, {"OTTER", 65}, {"BADGER", 80}});
  ASSERT_TRUE(saved.ok()) << saved.reason();
  EXPECT_EQ(tmp.Read("mine.txt"),
            "# my words\r\nice cream;75\r\nOTTER;65\r\nBADGER;200\r\nwren@bird;40\r\n"
            "ICECREAM;75\r\nVOLE;55\r\nBADGER;80\r\n");
  ScoredList list;
  const ScoredListRead read = list.AddFile(tmp.Path("mine.txt"), 50);
  EXPECT_EQ(read.badLines, 1u);
  EXPECT_EQ(list.ScoreOf("ICECREAM"), 75);
  EXPECT_EQ(list.ScoreOf("BADGER"), 80);
}

TEST(ScoredListWriting, AWindows1252FileStaysSoAndAMissingFileIsCreated) {
  TempDir tmp;
  tmp.Write("old.txt", "caf\xE9;70\nna\xEFve\n");
  ASSERT_TRUE(AddToScoredListFile(tmp.Path("old.txt"), {{"CAFE", 85}, {"OTTER", 50}}).ok());
  EXPECT_EQ(tmp.Read("old.txt"), "caf\xE9;85\nna\xEFve\nOTTER;50\n");

  const std::string folder = tmp.Path("\xC3\xA9t\xC3\xA9 lists");
  std::filesystem::create_directories(folder);
  ASSERT_TRUE(AddToScoredListFile(folder + "/new.txt", {{"WREN", 90}, {"AUK", 70}}).ok());
  EXPECT_EQ(*ReadFileBytes(folder + "/new.txt"), "WREN;90\r\nAUK;70\r\n");
}

TEST(ScoredListWriting, AFailedWriteLeavesTheOldFileUntouched) {
  TempDir tmp;
  tmp.Write("mine.txt", "OTTER;40\n");
  const SaveResult noFolder = AddToScoredListFile(tmp.Path("no/such/list.txt"), {{"WREN", 90}});
  EXPECT_FALSE(noFolder.ok());
  EXPECT_EQ(noFolder.reason(), "no such folder");
  namespace fs = std::filesystem;
  if (::geteuid() != 0) {
    // Root ignores a folder's permissions.
    fs::permissions(tmp.Dir(), fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(AddToScoredListFile(tmp.Path("mine.txt"), {{"OTTER", 90}}).ok());
    fs::permissions(tmp.Dir(), fs::perms::owner_all, fs::perm_options::add);
  }
  fs::permissions(tmp.Path("mine.txt"), fs::perms::owner_read);
  EXPECT_FALSE(AddToScoredListFile(tmp.Path("mine.txt"), {{"OTTER", 90}}).ok());
  EXPECT_EQ(tmp.Read("mine.txt"), "OTTER;40\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(tmp.Dir()),
                          std::filesystem::directory_iterator()),
            1);
}

}  // namespace
}  // namespace quotella
