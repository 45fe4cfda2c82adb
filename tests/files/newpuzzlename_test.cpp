#include <gtest/gtest.h>

#include "core/textio.h"
#include "files/newpuzzle.h"
#include "filestest.h"

namespace quotella {
namespace {

TEST(NewPuzzleFileName, IsTheAuthorsNameAsAPuzzleFileThatAnyFolderTakes) {
  EXPECT_EQ(NewPuzzleFileName("Milton"), "Milton.qtl");
  EXPECT_EQ(NewPuzzleFileName("\xC3\x89mile Zola"), "\xC3\x89mile Zola.qtl");
  EXPECT_EQ(
      NewPuzzleFileName(
          "\xD0\x9B\xD0\xB5\xD0\xB2 \xD0\xA2\xD0\xBE\xD0\xBB\xD1\x81\xD1\x82\xD0\xBE\xD0\xB9"),
      "\xD0\x9B\xD0\xB5\xD0\xB2 \xD0\xA2\xD0\xBE\xD0\xBB\xD1\x81\xD1\x82\xD0\xBE\xD0\xB9.qtl");
  // Separators and the characters other systems refuse become blanks, runs of blanks one.
  EXPECT_EQ(NewPuzzleFileName("AC/DC: \"Live\" <1991>"), "AC DC Live 1991.qtl");
  EXPECT_EQ(NewPuzzleFileName("a\\b|c?d*e\tf"), "a b c d e f.qtl");
  // No hidden file, no name of dots alone, no blanks at the ends.
  EXPECT_EQ(NewPuzzleFileName("  .Anon.  "), "Anon.qtl");
  EXPECT_EQ(NewPuzzleFileName(".."), "noname.qtl");
  EXPECT_EQ(NewPuzzleFileName(""), "noname.qtl");
  EXPECT_EQ(NewPuzzleFileName("///"), "noname.qtl");
}

TEST(NewPuzzleFileName, ALongNameIsCutWithoutSplittingACharacter) {
  std::string author;
  for (int i = 0; i < 200; ++i) author += "\xC3\xA9";  // é, two bytes each
  const std::string name = NewPuzzleFileName(author);
  EXPECT_LE(name.size(), 255u);
  ASSERT_GT(name.size(), 4u);
  EXPECT_EQ(name.substr(name.size() - 4), ".qtl");
  const std::string stem = name.substr(0, name.size() - 4);
  EXPECT_EQ(stem.size() % 2, 0u) << "a character was split";
  // The name can be written as it is.
  test::TempDir dir;
  EXPECT_TRUE(WriteFileAtomic(dir.Path(name), "x").ok());
}

}  // namespace
}  // namespace quotella
