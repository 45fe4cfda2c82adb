// The known-word marks of the dictionary, read from WordNet's own files, against the
// library's answer: inflected forms, exceptions, unknown words, the generating tool.

#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "clues/wordnet.h"
#include "clues/wordnetindex.h"
#include "support/clirunner.h"

namespace quotella {
namespace {

namespace fs = std::filesystem;

class WordNetIndexTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!wordnet.available()) GTEST_FAIL() << wordnet.problem();
    ASSERT_TRUE(index.Load(wordnet.folder()));
  }
  WordNet wordnet;
  WordNetIndex index;
};

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

TEST_F(WordNetIndexTest, AgreesWithTheLibraryOnInflectionsExceptionsAndUnknownWords) {
  // Rules of each part of speech, exception lists (geese, mice, ran, better, oxen),
  // "-ful" nouns, nouns in -ss that take no rule, words it lacks and no word at all; a word
  // on two lines of an exception list (aurar: eyir, eyrir) takes its first line only.
  const char* words[] = {
      "aquaplaned", "AQUAPLANED",  "geese",   "mice",    "ran",  "went",     "better",   "oxen",
      "running",    "happier",     "biggest", "glasses", "axes", "boxesful", "churches", "firemen",
      "ponies",     "tried",       "hoping",  "lights",  "moss", "the",      "of",       "whose",
      "xyzzyq",     "caf\xc3\xa9", "",        "qu'est",  "as",   "us",       "aurar"};
  int known = 0;
  for (const char* w : words) {
    EXPECT_EQ(index.Knows(w), wordnet.Knows(w)) << w;
    known += wordnet.Knows(w) ? 1 : 0;
  }
  EXPECT_TRUE(index.Knows("aquaplaned"));
  EXPECT_TRUE(index.Knows("geese"));
  EXPECT_FALSE(index.Knows("xyzzyq"));
  EXPECT_FALSE(index.Knows(""));
  EXPECT_GT(known, 15);  // the sample is not all unknown words
  EXPECT_GT(index.Lemmas(), 100000u);
}

TEST_F(WordNetIndexTest, TheBundledKnownWordsAreTheDictionaryWordsTheLibraryKnows) {
  const fs::path dir = QUOTELLA_PROGRAM_DIR;
  if (!fs::exists(dir / "known.txt")) GTEST_SKIP() << "no dictionary in " << dir;
  std::istringstream known(ReadAll(dir / "known.txt"));
  std::set<std::string> marked;
  for (std::string line; std::getline(known, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    marked.insert(line);
  }
  EXPECT_GT(marked.size(), 50000u);
  // Every 97th word of every letter file: marked exactly when the library knows it.
  int checked = 0;
  for (char initial = 'a'; initial <= 'z'; ++initial) {
    std::istringstream letter(ReadAll(dir / (std::string(1, initial) + ".txt")));
    int n = 0;
    for (std::string line; std::getline(letter, line);) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (n++ % 97 != 0) continue;
      EXPECT_EQ(marked.count(line) == 1, wordnet.Knows(line)) << line;
      ++checked;
    }
  }
  EXPECT_GT(checked, 1000);
}

TEST_F(WordNetIndexTest, TheToolMarksTheKnownWordsOfADictionaryFolder) {
  const fs::path dir = fs::temp_directory_path() /
                       ("quotella_known \xc3\xa9t\xc3\xa9 " + std::to_string(::getpid()));
  fs::create_directories(dir);
  for (char initial = 'a'; initial <= 'z'; ++initial)
    std::ofstream(dir / (std::string(1, initial) + ".txt"), std::ios::binary);
  std::ofstream(dir / "a.txt", std::ios::binary) << "aardvarks\r\naquaplaned\r\naxqzv\r\n";
  std::ofstream(dir / "g.txt", std::ios::binary) << "geese\r\nglorbing\r\n";
  const std::string tool = QUOTELLA_MKKNOWN;
  const auto run =
      test::RunShell(test::ShellQuote(tool) + " " + test::ShellQuote(wordnet.folder().string()) +
                     " " + test::ShellQuote(dir.string()));
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.out.find("knows 3 of 5 words"), std::string::npos) << run.out;
  EXPECT_EQ(ReadAll(dir / "known.txt"), "aardvarks\r\naquaplaned\r\ngeese\r\n");

  // No database, or a letter file missing: an error, and the file written before stays.
  const auto noDatabase =
      test::RunShell(test::ShellQuote(tool) + " " + test::ShellQuote((dir / "none").string()) +
                     " " + test::ShellQuote(dir.string()) + " 2>&1");
  EXPECT_EQ(noDatabase.status, 1);
  EXPECT_NE(noDatabase.out.find("wordnet-base"), std::string::npos) << noDatabase.out;
  fs::remove(dir / "q.txt");
  const auto noLetter =
      test::RunShell(test::ShellQuote(tool) + " " + test::ShellQuote(wordnet.folder().string()) +
                     " " + test::ShellQuote(dir.string()) + " 2>&1");
  EXPECT_EQ(noLetter.status, 1);
  EXPECT_NE(noLetter.out.find("q.txt"), std::string::npos) << noLetter.out;
  EXPECT_EQ(ReadAll(dir / "known.txt"), "aardvarks\r\naquaplaned\r\ngeese\r\n");
  fs::remove_all(dir);
}

TEST(WordNetIndex, AFolderWithoutTheDatabaseKnowsNothing) {
  const fs::path dir =
      fs::temp_directory_path() / ("quotella_no_wordnet_" + std::to_string(::getpid()));
  fs::create_directories(dir);
  std::ofstream(dir / "index.noun") << "cat n 1 0 1 0 02121620\n";
  WordNetIndex index;
  EXPECT_FALSE(index.Load(dir));  // the other three index files are missing
  EXPECT_FALSE(index.Knows("cat"));
  EXPECT_EQ(index.Lemmas(), 0u);
  fs::remove_all(dir);
}

}  // namespace
}  // namespace quotella
