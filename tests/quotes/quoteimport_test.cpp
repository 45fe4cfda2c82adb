#include "quotes/quoteimport.h"

#include <gtest/gtest.h>

namespace quotella {
namespace {

TEST(QuoteImportFortune, JoinsLinesKeepsPercentInTextAndReadsTheAttribution) {
  QuoteImport import;
  import.AddText(
      "Whether you think you can,\r\n"
      "or you think you can't -- you're right.\r\n"
      "\t-- Henry Ford, Interview (1947)\r\n"
      "%\r\n"
      "Genius is 1% inspiration and 99% perspiration.\r\n"
      "    -- Thomas Edison, Harper's Monthly\r\n"
      "%\r\n"
      "Nie ma wolności bez Solidarności.\r\n"
      "-- Lech Wałęsa, Przemówienie\r\n"
      "%\r\n",
      "f.txt");
  ASSERT_EQ(import.Quotes().size(), 3u);
  EXPECT_TRUE(import.Skipped().empty());
  const auto lines = import.Lines();
  EXPECT_EQ(lines[0],
            "Henry Ford@Interview (1947)@Whether you think you can, or you think you can't -- "
            "you're right.");
  EXPECT_EQ(lines[1],
            "Thomas Edison@Harper's Monthly@Genius is 1% inspiration and 99% perspiration.");
  EXPECT_EQ(lines[2], "Lech Wałęsa@Przemówienie@Nie ma wolności bez Solidarności.");
  EXPECT_EQ(import.Quotes()[1].line, 5);
  EXPECT_EQ(import.Quotes()[2].source, "f.txt");
}

TEST(QuoteImportFortune, SkipsEntriesWithoutAuthorOrWorkAndDropsDuplicates) {
  QuoteImport import;
  import.AddText(
      "A line with no attribution at all.\n"
      "%\n"
      "Only an author here.\n"
      "-- Anonymous\n"
      "%\n"
      "Brevity is the soul of wit.\n"
      "-- Shakespeare, Hamlet\n"
      "%\n"
      "BREVITY is the soul of wit!\n"
      "--Shakespeare, Hamlet (Act II)\n"
      "%\n"
      "Mail me.\n"
      "-- a@b, Letters\n",
      "f.txt");
  ASSERT_EQ(import.Quotes().size(), 1u);
  EXPECT_EQ(import.Duplicates(), 1);
  ASSERT_EQ(import.Skipped().size(), 3u);
  EXPECT_EQ(import.Skipped()[0].reason, "no author");
  EXPECT_EQ(import.Skipped()[0].line, 1);
  EXPECT_EQ(import.Skipped()[1].reason, "no work");
  EXPECT_EQ(import.Skipped()[1].line, 3);
  EXPECT_EQ(import.Skipped()[2].reason, "an at sign in the author or work");
  EXPECT_EQ(import.Skipped()[0].excerpt, "A line with no attribution at all.");
}

TEST(QuoteImportPlain, OneQuotationPerParagraphWithTheAttributionAfterADash) {
  QuoteImport import;
  import.AddText(
      "\"The only thing we have to fear is fear itself.\" -- Franklin D. Roosevelt, "
      "First Inaugural Address\n"
      "\n"
      "\n"
      "Two roads diverged in a wood, and I-\n"
      "I took the one less traveled by,\n"
      "And that has made all the difference.\n"
      "\xE2\x80\x94 Robert Frost, The Road Not Taken\n"
      "\n"
      "A well-read, self-taught man - Samuel Johnson, Rambler\n"
      "\n"
      "Nobody said this, with no dash anywhere.\n"
      "\n"
      "Only the author follows. \xE2\x80\x93 Seneca\n",
      "p.txt");
  const auto lines = import.Lines();
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0],
            "Franklin D. Roosevelt@First Inaugural Address@The only thing we have to fear is "
            "fear itself.");
  EXPECT_EQ(lines[1],
            "Robert Frost@The Road Not Taken@Two roads diverged in a wood, and I- I took the "
            "one less traveled by, And that has made all the difference.");
  EXPECT_EQ(lines[2], "Samuel Johnson@Rambler@A well-read, self-taught man");
  EXPECT_EQ(import.Quotes()[1].line, 4);
  ASSERT_EQ(import.Skipped().size(), 2u);
  EXPECT_EQ(import.Skipped()[0].reason, "no author");
  EXPECT_EQ(import.Skipped()[0].line, 11);
  EXPECT_EQ(import.Skipped()[1].reason, "no work");
}

TEST(QuoteImportPlain, DuplicatesAcrossFilesAndFormsAreDroppedAndLongExcerptsCut) {
  QuoteImport import;
  import.AddText("Know thyself. -- Socrates, Sayings\n", "one.txt");
  import.AddText("Know thyself.\n-- socrates, Maxims\n%\n", "two.txt");
  import.AddText(
      "Ünïcödé letters count as characters when an excerpt is cut: é è ê ë ī ō ū ǖ ǘ ǚ ǜ\n",
      "three.txt");
  EXPECT_EQ(import.Quotes().size(), 1u);
  EXPECT_EQ(import.Duplicates(), 1);
  ASSERT_EQ(import.Skipped().size(), 1u);
  EXPECT_EQ(import.Skipped()[0].excerpt, "Ünïcödé letters count as characters when...");
}

}  // namespace
}  // namespace quotella
