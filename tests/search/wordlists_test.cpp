#include "search/wordlists.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/letterfold.h"
#include "core/textio.h"
#include "search/wordsource.h"
#include "search_fixture.h"

namespace quotella {
namespace {

using test::FakeHost;
using test::TempDir;
using Lines = std::vector<std::string>;

TEST(ListLabel, NamesTheListItsFileAndItsSize) {
  WordSources src;
  src.List(2).FileName = "/any/where/birds.txt";
  src.List(2).Items = {"a", "b", "c"};
  UpdateListLabel(src, 2);
  EXPECT_EQ(src.ListLabel, "2: birds.txt - 3 items ");
  EXPECT_TRUE(src.ListLabelVisible);
  src.List(2).Items = {"a"};
  UpdateListLabel(src, 2);
  EXPECT_EQ(src.ListLabel, "2: birds.txt - 1 item ");
  UpdateListLabel(src, 1);
  EXPECT_EQ(src.ListLabel, "1: words1.txt - 0 items ");
}

TEST(WordListFiles, LoadSortsSaveWritesCrLfAndFailuresChangeNothing) {
  TempDir tmp;
  FakeHost host;
  WordSources src;
  src.ProgramDir = tmp.Dir();
  tmp.Write("birds.txt", "wren\nRobin\r\n\r\nauk\rrobin\n");
  ASSERT_TRUE(LoadWordListFile(src, 3, "birds.txt", host));
  EXPECT_EQ(src.List(3).Items, (Lines{"", "auk", "Robin", "robin", "wren"}));
  EXPECT_EQ(src.List(3).FileName, "birds.txt");
  EXPECT_EQ(src.Pane, ListPane::List3);
  EXPECT_EQ(src.ListLabel, "3: birds.txt - 5 items ");

  EXPECT_FALSE(LoadWordListFile(src, 3, tmp.Path("missing.txt"), host));
  EXPECT_EQ(host.messages, (Lines{"Could not load file "}));
  EXPECT_EQ(src.List(3).FileName, "birds.txt");
  EXPECT_EQ(src.List(3).Items.size(), 5u);

  host.fileAnswers.push_back(tmp.Path("out.txt"));
  ASSERT_TRUE(SaveWordList(src, 3, host));
  EXPECT_EQ(host.fileDialogs.back(), "Save Wordlist 3");
  EXPECT_EQ(tmp.Read("out.txt"), "\r\nauk\r\nRobin\r\nrobin\r\nwren\r\n");
  EXPECT_EQ(src.List(3).FileName, tmp.Path("out.txt"));

  host.messages.clear();
  EXPECT_FALSE(SaveWordListFile(src, 3, tmp.Path("no/such/dir/x.txt"), host));
  EXPECT_EQ(host.messages,
            (Lines{"Could not save file " + tmp.Path("no/such/dir/x.txt") + ": no such folder"}));
  EXPECT_EQ(src.List(3).FileName, tmp.Path("out.txt"));
}

TEST(WordListFiles, ReloadSkipsMissingFilesAndEditsKeepTheOrder) {
  TempDir tmp;
  WordSources src;
  src.ProgramDir = tmp.Dir();
  tmp.Write("words1.txt", "b\r\na\r\n");
  src.List(1).Items = {"old"};
  src.List(2).Items = {"kept"};
  ReloadWordLists(src);
  EXPECT_EQ(src.List(1).Items, (Lines{"a", "b"}));
  EXPECT_EQ(src.List(2).Items, (Lines{"kept"}));

  src.AddItemTarget = 2;
  FakeHost host;
  EXPECT_EQ(AddItemFromField(src, "", host), 0u);
  EXPECT_EQ(src.List(2).Items, (Lines{"", "kept"}));
  AddLinesToList(src, 1, {"C", "", "a"}, host);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(src.List(1).Items, (Lines{"", "a", "a", "b", "C"}));
  EXPECT_EQ(DeleteListEntry(src, 1, 4), 3);  // the last: the new last is selected
  EXPECT_EQ(DeleteListEntry(src, 1, 0), 0);
  EXPECT_EQ(DeleteListEntry(src, 1, 7), -1);
  EXPECT_EQ(src.List(1).Items, (Lines{"a", "a", "b"}));
}

TEST(WordListFiles, NoteLinesSurviveALoadAndASaveInTheirOrder) {
  TempDir tmp;
  FakeHost host;
  WordSources src;
  src.ProgramDir = tmp.Dir();
  tmp.Write("birds.txt",
            "# Birds of \xC5\x81\xC3\xB3"
            "d\xC5\xBA\r\nwren\r\n# my own note\r\nauk\r\n");
  ASSERT_TRUE(LoadWordListFile(src, 1, "birds.txt", host));
  EXPECT_EQ(src.List(1).Items, (Lines{"auk", "wren"}));
  src.AddItemTarget = 1;
  EXPECT_EQ(AddItemFromField(src, "\xC3\xA6gir", host), 0u);  // folded to "aegir"
  ASSERT_TRUE(SaveWordListFile(src, 1, "birds.txt", host));
  EXPECT_EQ(tmp.Read("birds.txt"),
            "# Birds of \xC5\x81\xC3\xB3"
            "d\xC5\xBA\r\n# my own note\r\naegir\r\nauk\r\nwren\r\n");
  EXPECT_TRUE(host.messages.empty());
}

TEST(WordListFiles, AnEntryStartingWithAHashIsRefused) {
  FakeHost host;
  WordSources src;
  src.AddItemTarget = 2;
  EXPECT_EQ(AddItemFromField(src, "#hashtag", host), std::nullopt);
  EXPECT_TRUE(src.List(2).Items.empty());
  EXPECT_EQ(host.messages, (Lines{"A word list entry may not start with \"#\": #hashtag"}));
  host.messages.clear();
  AddLinesToList(src, 2, {"# one", "ok", "#two"}, host);
  EXPECT_EQ(src.List(2).Items, (Lines{"ok"}));
  EXPECT_EQ(host.messages, (Lines{"A word list entry may not start with \"#\": 2 lines left out"}));
}

TEST(WordListFolding, FileEntriesAreFoldedToAToZAndOtherScriptsAreNotListedWithACount) {
  TempDir tmp;
  FakeHost host;
  WordSources src;
  src.ProgramDir = tmp.Dir();
  // café, Łódź with a comment that keeps its accents, Москва, straße, Dvořák decomposed
  // (r + combining caron), αβγ.
  tmp.Write("mixed.txt",
            "caf\xC3\xA9\r\n\xC5\x81\xC3\xB3"
            "d\xC5\xBA @ \xC5\x81\xC3\xB3"
            "d\xC5\xBA\r\n\xD0\x9C\xD0\xBE\xD1\x81\xD0\xBA\xD0\xB2\xD0\xB0\r\n"
            "stra\xC3\x9F"
            "e\r\nDvor\xCC\x8C\xC3\xA1k\r\n\xCE\xB1\xCE\xB2\xCE\xB3\r\n");
  ASSERT_TRUE(LoadWordListFile(src, 2, "mixed.txt", host));
  EXPECT_EQ(src.List(2).Items, (Lines{"cafe", "Dvorak",
                                      "Lodz @ \xC5\x81\xC3\xB3"
                                      "d\xC5\xBA",
                                      "strasse"}));
  EXPECT_EQ(host.messages,
            (Lines{UnfoldableMessage("\xD0\x9C") + " 2 lines not listed; the file keeps them."}));
  // The scans see the folded letters.
  EXPECT_EQ(NormaliseListEntry(src.List(2).Items[0]), "CAFE");
  EXPECT_EQ(NormaliseListEntry(src.List(2).Items[2]), "LODZ");

  // A reload folds alike and has no one to tell.
  src.List(2).Items.clear();
  ReloadWordLists(src);
  EXPECT_EQ(src.List(2).Items.size(), 4u);

  // Saved under a folder Windows-1252 cannot spell, folded, and read back the same.
  const std::string folder = tmp.Path(
      "\xC5\x81\xC3\xB3"
      "d\xC5\xBA \xE2\x80\x94 \xE6\x97\xA5");
  std::filesystem::create_directories(folder);
  ASSERT_TRUE(SaveWordListFile(src, 2, folder + "/lista.txt", host));
  EXPECT_EQ(src.List(2).FileName, folder + "/lista.txt");
  const Lines saved = src.List(2).Items;
  ASSERT_TRUE(LoadWordListFile(src, 1, folder + "/lista.txt", host));
  EXPECT_EQ(src.List(1).Items, saved);
}

TEST(WordListFolding, LinesOfAnotherScriptSurviveALoadAndASaveAsTheyWere) {
  TempDir tmp;
  FakeHost host;
  WordSources src;
  src.ProgramDir = tmp.Dir();
  // 日本, café, a note, Ωmega with a comment, and 日本 again.
  const std::string nihon = "\xE6\x97\xA5\xE6\x9C\xAC";
  const std::string omega = "\xCE\xA9mega @ the last";
  tmp.Write("mixed.txt", nihon + "\r\ncaf\xC3\xA9\r\n# note\r\n" + omega + "\n" + nihon + "\r\n");
  ASSERT_TRUE(LoadWordListFile(src, 3, "mixed.txt", host));
  EXPECT_EQ(src.List(3).Items, (Lines{"cafe"}));
  EXPECT_EQ(src.List(3).Unlisted, (Lines{nihon, omega, nihon}));
  EXPECT_EQ(src.List(3).Unlisted.size(), 3u);
  UpdateListLabel(src, 3);
  EXPECT_EQ(src.ListLabel, "3: mixed.txt - 1 item ");

  // An entry added before the save goes among the entries; the unlisted lines follow them.
  src.AddItemTarget = 3;
  ASSERT_TRUE(AddItemFromField(src, "abc", host));
  ASSERT_TRUE(SaveWordListFile(src, 3, "mixed.txt", host));
  EXPECT_EQ(tmp.Read("mixed.txt"),
            "# note\r\nabc\r\ncafe\r\n" + nihon + "\r\n" + omega + "\r\n" + nihon + "\r\n");

  // Read again and saved again, nothing moves; a reload keeps them too.
  ASSERT_TRUE(LoadWordListFile(src, 3, "mixed.txt", host));
  const std::string once = tmp.Read("mixed.txt");
  ASSERT_TRUE(SaveWordListFile(src, 3, "mixed.txt", host));
  EXPECT_EQ(tmp.Read("mixed.txt"), once);
  src.List(3).FileName = "mixed.txt";
  ReloadWordLists(src);
  EXPECT_EQ(src.List(3).Unlisted.size(), 3u);

  // A list file read as a letter file of the dictionary forgets what the last file kept.
  src.List(3).Assign({"b", "a"});
  EXPECT_TRUE(src.List(3).Unlisted.empty());
  EXPECT_EQ(src.List(3).FileText(), "a\r\nb\r\n");
}

TEST(WordListFolding, EntriesTheUserAddsAreFoldedOrRefusedWithTheLetterNamed) {
  FakeHost host;
  WordSources src;
  src.AddItemTarget = 3;
  EXPECT_EQ(AddItemFromField(src, "Erd\xC5\x91s", host), 0u);
  EXPECT_EQ(AddItemFromField(src, "\xD0\x96uk", host), std::nullopt);  // Жuk
  EXPECT_EQ(host.messages, (Lines{UnfoldableMessage("\xD0\x96")}));
  EXPECT_EQ(src.List(3).Items, (Lines{"Erdos"}));

  host.messages.clear();
  AddLinesToList(src, 3, {"na\xC3\xAFve", "\xE6\x97\xA5\xE6\x9C\xAC", "#x", "abc", "ERDOS"}, host);
  EXPECT_EQ(src.List(3).Items, (Lines{"abc", "Erdos", "ERDOS", "naive"}));
  EXPECT_EQ(host.messages, (Lines{"A word list entry may not start with \"#\": 1 line left out",
                                  UnfoldableMessage("\xE6\x97\xA5") + " 1 line left out."}));
}

TEST(SearchList1, BinarySearchMatchesWholeUpperCasedEntries) {
  const Lines list{"apple", "Bee", "cat @ pet", "dog ", "eel", "fig"};
  struct Case {
    const char* word;
    bool found;
    int index;
  };
  const Case cases[] = {
      {"apple", true, 0},     {"APPLE", true, 0},      {" bee ", true, 1},
      {"fig", true, 5},       {"eel @ fish", true, 4},  // the search word's comment goes
      {"cat", false, 1},                                // an entry's comment stays
      {"dog", false, 2},                                // ... and so does its blank
      {"aardvark", false, 0}, {"zebra", false, 5},
  };
  for (const auto& c : cases) {
    const auto [found, index] = SearchList1(list, c.word);
    EXPECT_EQ(found, c.found) << c.word;
    EXPECT_EQ(index, c.index) << c.word;
  }
  EXPECT_EQ(SearchList1({}, "x"), std::make_pair(false, 0));
  EXPECT_EQ(SearchList1({"x"}, "X"), std::make_pair(true, 0));
  EXPECT_EQ(SearchList1({"", "", "a"}, "a"), std::make_pair(true, 2));
}

TEST(DeleteFromDictionary, RewritesTheLetterFileSortedWithoutTheWord) {
  TempDir tmp;
  FakeHost host;
  WordSources src;
  src.ProgramDir = tmp.Dir();  // no dictionary directory: the program directory
  tmp.Write("z.txt", "zoo\r\nZebra\r\nzymurgy\r\nzeal\r\n");
  src.Candidates = {"ZEAL", "ZYMURGY", "ZORRO", "QUIZ"};

  ASSERT_TRUE(DeleteFromDictionary(src, 1, host));  // the alphabetically last word
  EXPECT_EQ(src.DictDir, tmp.Dir());
  EXPECT_EQ(host.messages.back(), "Deleted! ZYMURGY");
  EXPECT_EQ(tmp.Read("z.txt"), "zeal\r\nZebra\r\nzoo\r\n");
  EXPECT_EQ(src.Candidates, (Lines{"ZEAL", "ZORRO", "QUIZ"}));

  EXPECT_FALSE(DeleteFromDictionary(src, 1, host));
  EXPECT_EQ(host.messages.back(), "ZORRO was not in the Dictionary");
  EXPECT_EQ(tmp.Read("z.txt"), "zeal\r\nZebra\r\nzoo\r\n");

  host.messages.clear();
  EXPECT_FALSE(DeleteFromDictionary(src, 2, host));  // no q.txt: nothing happens
  EXPECT_FALSE(DeleteFromDictionary(src, 9, host));
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(src.Candidates.size(), 3u);
}

TEST(DeleteFromDictionary, AUtf8LetterFileStaysUtf8AndKeepsEveryCharacter) {
  TempDir tmp;
  FakeHost host;
  WordSources src;
  src.ProgramDir = tmp.Dir();
  // Only characters Windows-1252 has: read as UTF-8 and written back as UTF-8.
  tmp.Write("c.txt", "caf\xC3\xA9\r\ncat\r\nco\xC3\xB6perate\r\n");
  src.Candidates = {"CAT"};
  ASSERT_TRUE(DeleteFromDictionary(src, 0, host));
  EXPECT_EQ(tmp.Read("c.txt"), "caf\xC3\xA9\r\nco\xC3\xB6perate\r\n");
  // A character Windows-1252 lacks: the file is kept byte for byte.
  tmp.Write("t.txt",
            "t\xC5\x82ok\r\ntoe\r\n\xC5\x81\xC3\xB3"
            "d\xC5\xBA\r\n");
  src.Candidates = {"TOE"};
  ASSERT_TRUE(DeleteFromDictionary(src, 0, host));
  const std::string rest = tmp.Read("t.txt");
  EXPECT_NE(rest.find("t\xC5\x82ok\r\n"), std::string::npos) << rest;
  EXPECT_NE(rest.find("\xC5\x81\xC3\xB3"
                      "d\xC5\xBA\r\n"),
            std::string::npos)
      << rest;
  EXPECT_EQ(rest.find("toe"), std::string::npos);
}

TEST(DictWordCounts, CountLinesPerLetterAndStopAtAMissingFile) {
  TempDir tmp;
  FakeHost host;
  for (char c = 'a'; c <= 'z'; ++c) tmp.Write(std::string(1, c) + ".txt", "x\r\n");
  tmp.Write("b.txt", "bee\r\nbat\r\n\r\n");
  LetterCounts counts{};
  Lines log;
  ASSERT_TRUE(GetDictWordCounts(tmp.Dir(), counts, log, host));
  EXPECT_EQ(counts[0], 1);
  EXPECT_EQ(counts[1], 3);
  ASSERT_EQ(log.size(), 28u);
  EXPECT_EQ(log[0], "Working in Directory: ");
  EXPECT_EQ(log[1], tmp.Dir());
  EXPECT_EQ(log[3], "File:b.txt  Count=3");
  EXPECT_EQ(host.pendingEventCalls, 26);

  std::filesystem::remove(tmp.Path("m.txt"));
  counts = {};
  log.clear();
  EXPECT_FALSE(GetDictWordCounts(tmp.Dir(), counts, log, host));
  EXPECT_EQ(host.messages, (Lines{"Could not load file " + tmp.Dir() + "M.txt"}));
  EXPECT_EQ(counts[11], 1);  // L was counted
  EXPECT_EQ(counts[12], 0);
}

}  // namespace
}  // namespace quotella
