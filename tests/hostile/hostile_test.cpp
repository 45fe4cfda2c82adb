// The line-based readers on files of a million empty lines: each holds at most four times
// the file's size on the heap while it reads, and still finds what the file holds after
// the empty lines. A reader that kept a string per line would hold over thirty times it.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "core/document.h"
#include "files/inforeport.h"
#include "files/puzzlefile.h"
#include "files/quotesfile.h"
#include "heapcounter.h"
#include "search/autofillsource.h"
#include "search/scoredlist.h"
#include "search/wordlists.h"
#include "search/wordsource.h"
#include "settings/settingsstore.h"
#include "support/fakehost.h"

namespace quotella {
namespace {

constexpr std::size_t kBlankLines = 1'000'000;

class HostileFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    m_dir =
        std::filesystem::temp_directory_path() / ("quotella-hostile-" + std::to_string(::getpid()));
    std::filesystem::create_directories(m_dir);
  }
  void TearDown() override { std::filesystem::remove_all(m_dir); }

  // A file of `head`, a million empty lines and then `tail`.
  std::string Write(const std::string& name, const std::string& tail,
                    const std::string& head = "") {
    const std::string path = (m_dir / name).string();
    std::ofstream(path, std::ios::binary) << head << std::string(kBlankLines, '\n') << tail;
    m_size = head.size() + kBlankLines + tail.size();
    return path;
  }

  void StartCounting() { test::ResetHeapPeak(), m_start = test::HeapInUse(); }
  // The most heap held since StartCounting, over the file's size.
  double HeapOverFileSize() const {
    return static_cast<double>(test::HeapPeak() - m_start) / static_cast<double>(m_size);
  }

  std::filesystem::path m_dir;
  std::size_t m_size = 0;
  std::size_t m_start = 0;
};

TEST_F(HostileFiles, SettingsFileOfEmptyLinesIsReadInBoundedMemory) {
  const std::string path =
      Write("quotella.ini", "[title]\r\nMots croises\r\n[byline]\r\nElodie\r\n");
  test::FakeHost host;
  Settings values;
  values.IniFileName = path;
  struct NoFiles : SettingsLoader {
    bool LoadQuotesFile(const std::string&) override { return true; }
    bool LoadWordList(int, const std::string&) override { return true; }
    bool ChangeDirectory(const std::string&) override { return true; }
  } loader;
  StartCounting();
  SettingsStore store(host, values, nullptr, &loader);
  store.ReadIniFile(path);
  EXPECT_LT(HeapOverFileSize(), 4.0);
  EXPECT_EQ(store.Values().Title, "Mots croises");
  EXPECT_EQ(store.View().GetIniValue("[byline]"), "Elodie");
}

TEST_F(HostileFiles, LetterFileOfEmptyLinesKeepsOnlyItsWords) {
  Write("w.txt", "wren\r\nwasp\r\n");
  StartCounting();
  const auto words = LoadLetterWords(m_dir.string() + "/", 'W');
  EXPECT_LT(HeapOverFileSize(), 4.0);
  ASSERT_TRUE(words);
  EXPECT_EQ(*words, (std::vector<std::string>{"WASP", "WREN"}));
}

TEST_F(HostileFiles, FamiliarityAndOffensiveListsOfEmptyLinesKeepOnlyTheirEntries) {
  const std::string familiar = Write("familiarity.txt", "wren 12\r\n");
  StartCounting();
  Familiarity table;
  ASSERT_TRUE(table.Load(familiar));
  EXPECT_LT(HeapOverFileSize(), 4.0);
  EXPECT_EQ(table.SizeOf("WREN"), 12);
  EXPECT_EQ(table.Count(), 1u);

  const std::string offensive = Write("offensive.txt", "# notes\r\nbadword\r\n");
  StartCounting();
  const auto words = LoadOffensiveWords(offensive);
  EXPECT_LT(HeapOverFileSize(), 4.0);
  EXPECT_EQ(words.size(), 1u);
  EXPECT_EQ(words.count("BADWORD"), 1u);
}

TEST_F(HostileFiles, ScoredListOfEmptyLinesKeepsOnlyItsEntries) {
  const std::string path = Write("scored.txt", "wren;80\r\nice cream\r\n", "# mine\r\n");
  ScoredList list;
  StartCounting();
  const ScoredListRead read = list.AddFile(path, 50);
  EXPECT_LT(HeapOverFileSize(), 4.0);
  EXPECT_EQ(read.entries, 2u);
  EXPECT_EQ(read.badLines, 0u);
  EXPECT_EQ(list.Text(), "ICECREAM;50\nWREN;80\n");
}

TEST_F(HostileFiles, WordListOfEmptyLinesKeepsEveryLineInBoundedMemory) {
  const std::string path = Write("birds.txt", "# note\r\nwren\r\ncaf\xC3\xA9\r\n");
  test::FakeHost host;
  WordSources src;
  StartCounting();
  ASSERT_TRUE(LoadWordListFile(src, 1, path, host));
  EXPECT_LT(HeapOverFileSize(), 4.0);
  // The empty lines are entries (they sort first), and are written back.
  EXPECT_EQ(src.List(1).Items.size(), kBlankLines + 2);
  EXPECT_EQ(src.List(1).Items[kBlankLines], "cafe");
  EXPECT_EQ(src.List(1).Items.back(), "wren");
  EXPECT_EQ(src.List(1).Notes, (std::vector<std::string>{"# note"}));
}

TEST_F(HostileFiles, QuotesFileOfEmptyLinesIsHeldWholeInBoundedMemoryAndSavedAsItWas) {
  const std::string quote = "Erd\xC5\x91s@Proofs@Mathematics is a game\r\n";
  const std::string path = Write("quotes.txt", quote);
  test::FakeHost host;
  host.fileAnswers = {path};
  FileSession session;
  StartCounting();
  ASSERT_TRUE(OpenQuotesFile(session, host));
  EXPECT_LT(HeapOverFileSize(), 4.0);
  RecordProperty("heap_over_file_size", std::to_string(HeapOverFileSize()));
  ASSERT_EQ(session.QuotesEditor.size(), kBlankLines + 1);
  EXPECT_EQ(session.QuotesEditor.back(), "Erd\xC5\x91s@Proofs@Mathematics is a game");
  EXPECT_EQ(QuotesListLabel(session), "quotes.txt " + std::to_string(kBlankLines + 1) + " lines ");

  // Saved back, every empty line is there again, now ended by CR LF.
  const std::string copy = (m_dir / "copy.txt").string();
  host.fileAnswers = {copy};
  ASSERT_TRUE(SaveQuotesFile(session, host));
  std::ifstream in(copy, std::ios::binary);
  const std::string saved((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::string expected;
  for (std::size_t i = 0; i < kBlankLines; ++i) expected += "\r\n";
  EXPECT_TRUE(saved == expected + quote) << "saved " << saved.size() << " bytes";
}

TEST_F(HostileFiles, PuzzleFileAndSynopsisOfEmptyLinesAreReadInBoundedMemory) {
  const std::string head = "! This file made by Quotella 3.1\r\n";
  const std::string path = Write("blank.qtl", "[QUOTE]\r\n", head);
  test::FakeHost host;
  PuzzleDocument doc(host);
  FileSession session;
  StartCounting();
  EXPECT_FALSE(LoadPuzzleFile(doc, session, path));
  EXPECT_LT(HeapOverFileSize(), 4.0);
  EXPECT_EQ(host.messages.back(), "This is not a Puzzle File!");
  // The output editor holds the file as it was read.
  EXPECT_EQ(session.Output.Lines.size(), kBlankLines + 2);
  EXPECT_EQ(session.Output.Lines.back(), "[QUOTE]");

  FileSession synopsis;
  StartCounting();
  const auto pane = MakeInfoReport(synopsis, host, path);
  EXPECT_LT(HeapOverFileSize(), 4.0);
  EXPECT_EQ(synopsis.Output.Lines.size(), kBlankLines + 2);
  EXPECT_FALSE(pane.empty());
}

}  // namespace
}  // namespace quotella
