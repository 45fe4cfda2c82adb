#include "search/wordsource.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/textio.h"
#include "search_fixture.h"

namespace quotella {
namespace {

TEST(WordSource, NormalisersKeepOnlyTheLettersAScanSees) {
  struct Case {
    const char* entry;
    const char* listForm;
    const char* dictForm;
  };
  const Case cases[] = {
      {"apple", "APPLE", "APPLE"},
      {"  New York ", "NEWYORK", "NEWYORK"},
      {"don't", "DONT", "DONT"},
      {"cat @ a pet", "CAT", "CATAPET"},  // the letter files have no comments
      {"@only comment", "", "ONLYCOMMENT"},
      {"caf\xC3\xA9", "CAF", "CAF"},
      {"x{y}|z", "X{Y}|Z", "X{Y}|Z"},  // the filters let these through; the fit test refuses them
      {"", "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(NormaliseListEntry(c.entry), c.listForm) << c.entry;
    EXPECT_EQ(NormaliseDictLine(c.entry), c.dictForm) << c.entry;
  }
}

TEST(WordSource, SortAndInsertAreCaseInsensitiveAndKeepDuplicates) {
  std::vector<std::string> items{"pear", "Apple", "apple", "BANANA", "apple"};
  SortNoCase(items);
  EXPECT_EQ(items, (std::vector<std::string>{"Apple", "apple", "apple", "BANANA", "pear"}));
  EXPECT_EQ(InsertSorted(items, "APPLE"), 3u);
  EXPECT_EQ(InsertSorted(items, "zebra"), 6u);
  EXPECT_EQ(InsertSorted(items, ""), 0u);
}

using test::TempDir;

TEST(WordSource, LetterFilesAreFoundWhateverTheCaseOfTheirNames) {
  TempDir tmp;
  tmp.Write("a.txt", "apple\r\n");
  tmp.Write("B.txt", "bee\r\n");
  tmp.Write("C.TXT", "cat\r\n");
  EXPECT_EQ(FindLetterFile(tmp.Dir(), 'a'), tmp.Dir() + "a.txt");
  EXPECT_EQ(FindLetterFile(tmp.Dir(), 'A'), tmp.Dir() + "a.txt");
  EXPECT_EQ(FindLetterFile(tmp.Dir(), 'b'), tmp.Dir() + "B.txt");
  EXPECT_EQ(FindLetterFile(tmp.Dir(), 'c'), tmp.Dir() + "C.TXT");
  EXPECT_EQ(FindLetterFile(tmp.Dir(), 'd'), tmp.Dir() + "D.txt");  // missing: the program's name
  EXPECT_FALSE(HasDictionary(tmp.Dir()));
  EXPECT_EQ(LoadLetterWords(tmp.Dir(), 'c'), (std::vector<std::string>{"CAT"}));
  EXPECT_FALSE(LoadLetterWords(tmp.Dir(), 'd').has_value());
}

TEST(WordSource, LoadedWordsComeSortedNormalisedAndWithoutBlanks) {
  TempDir tmp;
  tmp.Write("list.txt", "zoo @ animals\r\n\r\nAnt\nbee's\r  \r\n");
  EXPECT_EQ(LoadListWords(tmp.Dir() + "list.txt"),
            (std::vector<std::string>{"ANT", "BEES", "ZOO"}));
}

TEST(WordSource, FamiliarityGivesTheSmallestSizeOfAWord) {
  TempDir tmp;
  tmp.Write("familiarity.txt", "the 10\r\nzymurgy 70\r\nbroken\r\nodd x\r\n");
  Familiarity f;
  ASSERT_TRUE(f.LoadFromDictDir(tmp.Dir()));
  EXPECT_EQ(f.Count(), 2u);
  EXPECT_EQ(f.SizeOf("THE"), 10);
  EXPECT_EQ(f.SizeOf("zymurgy"), 70);
  EXPECT_EQ(f.SizeOf("broken"), 0);
  EXPECT_FALSE(f.Load(tmp.Dir() + "missing.txt"));
  EXPECT_TRUE(f.Empty());
}

// The dictionary the build generates into the program directory.
TEST(BundledDictionary, HoldsTwentySixSortedLowerCaseLetterFilesWithCrLf) {
  const std::string dir = DirWithSeparator(QUOTELLA_PROGRAM_DIR);
  ASSERT_TRUE(HasDictionary(dir));
  EXPECT_EQ(DefaultDictDir(QUOTELLA_PROGRAM_DIR), dir);
  std::size_t total = 0;
  for (char c = 'a'; c <= 'z'; ++c) {
    const std::string path = dir + c + ".txt";
    const auto bytes = ReadFileBytes(path);
    ASSERT_TRUE(bytes.has_value()) << path;
    ASSERT_FALSE(bytes->empty()) << path;
    // Every line ends in CR LF and there are no other line ends.
    EXPECT_EQ(std::count(bytes->begin(), bytes->end(), '\n'),
              std::count(bytes->begin(), bytes->end(), '\r'))
        << path;
    EXPECT_EQ(bytes->substr(bytes->size() - 2), "\r\n") << path;
    const auto lines = SplitLines(*bytes);
    total += lines.size();
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const std::string& w = lines[i];
      ASSERT_FALSE(w.empty()) << path << " line " << i + 1;
      ASSERT_EQ(w[0], c) << path << " line " << i + 1;
      ASSERT_TRUE(std::all_of(w.begin(), w.end(), [](char ch) { return ch >= 'a' && ch <= 'z'; }))
          << path << ": " << w;
      if (i > 0) {
        ASSERT_LT(UpperCase(lines[i - 1]), UpperCase(w)) << path;
      }
    }
  }
  EXPECT_GT(total, 50000u);

  Familiarity f;
  ASSERT_TRUE(f.LoadFromDictDir(dir));
  EXPECT_EQ(f.Count(), total);
  EXPECT_EQ(f.SizeOf("the"), 10);
  EXPECT_TRUE(FileExists(dir + "scowl-copyright.txt"));
}

}  // namespace
}  // namespace quotella
