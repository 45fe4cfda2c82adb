#include "core/quoteparse.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

#include "core/construction.h"
#include "support/fakehost.h"

namespace quotella {
namespace {

struct ParseCase {
  const char* line;
  const char* author;
  const char* work;
  const char* quote;
  bool ok;
};

TEST(ParseQuoteLine, SplitsAtTheFirstTwoAtSignsWithoutTrimming) {
  const ParseCase cases[] = {
      {"Anon@Proverbs@Look before you leap", "Anon", "Proverbs", "Look before you leap", true},
      {"Anon@Look before", "Anon", "", "Look before", true},
      {"A @ B@ C D", "A ", " B", " C D", true},
      {"A@B@C@D", "A", "B", "C@D", true},
      {"@@", "", "", "", true},
      {"no separator here", "", "", "", false},
      {"", "", "", "", false},
  };
  for (const auto& c : cases) {
    const QuoteLineParts parts = ParseQuoteLine(c.line);
    EXPECT_EQ(parts.ok, c.ok) << c.line;
    EXPECT_EQ(parts.author, c.author) << c.line;
    EXPECT_EQ(parts.work, c.work) << c.line;
    EXPECT_EQ(parts.quote, c.quote) << c.line;
  }
}

TEST(QuotationFilters, ReduceAndNormaliseText) {
  struct Case {
    std::string (*fn)(const std::string&);
    const char* in;
    const char* out;
  };
  auto fix = [](const std::string& s) { return FixSpacesAndHyphens(s); };
  const Case cases[] = {
      {StripParens, "Old Sayings (collected)", "OLDSAYINGS"},
      {StripParens, "Anon (attributed)", "ANON"},
      {StripParens, "A (b (c) d) e", "ADE"},  // parentheses do not nest
      {StripParens, "O'Brien, 2nd", "OBRIENND"},
      {fix, "A  B - C", "A B-C"},
      {fix, "WELL -  KNOWN", "WELL-KNOWN"},
      {fix, "AB  ", "AB  "},  // a run starting at the last two positions stays
      {fix, " TO BE", " TO BE"},
      {fix, "", ""},
      {fix, "-", "-"},
      {RemoveExcluded, "It's 4 {me}!", "Its  {me}"},
      {RemoveSpaces, " a b ", "ab"},
      {stripComment, "Wind-mill@old form", "WINDMILL"},
      {stripComment, "  it's@", "ITS"},
      {MakeQuotellaString, " Anon proverbs ", "ANONPROVERBS"},
      {MakeQuotellaString, "A{B}|C", "ABC"},
      {MakeMasterQuote, "WELL ,-KNOWN", "WELL-KNOWN"},
      {MakeMasterQuote, "IT'S A - B, C!", "ITS A-B C"},
      {MakeMasterQuote, "A {B} C", "A B C"},
      {MakeMasterQuote, "END -", "END -"},  // a final hyphen is not examined
  };
  for (const auto& c : cases) EXPECT_EQ(c.fn(c.in), c.out) << c.in;
}

TEST(IsPossible, NamesTheFirstShortLetterAlphabetically) {
  struct Case {
    const char* letters;
    const char* quote;
    bool possible;
    const char* message;
  };
  const Case cases[] = {
      {"AAB", "A B", false, "Letter A appears 2 times in Author/Work but only 1 times in Quote"},
      {"AB", "TO BE", false, "Letter A appears 1 times in Author/Work but only 0 times in Quote"},
      {"ZA", "z", false, "Letter A appears 1 times in Author/Work but only 0 times in Quote"},
      {"tb", "To be!", true, "untouched"},
      {"", "", true, "untouched"},
  };
  for (const auto& c : cases) {
    std::string message = "untouched";
    EXPECT_EQ(IsPossible(c.letters, c.quote, message), c.possible) << c.letters;
    EXPECT_EQ(message, c.message) << c.letters;
  }
}

TEST(CheckQuoteLine, ReportsSparesSingletonsAndCapacity) {
  const QuoteLineCheck ok = CheckQuoteLine("Anon@Proverbs@Look before you leap");
  EXPECT_FALSE(ok.possible);
  EXPECT_EQ(ok.message, "Letter N appears 2 times in Author/Work but only 0 times in Quote");
  EXPECT_EQ(ok.quotellaStr, "ANONPROVERBS");
  EXPECT_EQ(ok.masterQuote, "LOOK BEFORE YOU LEAP");

  const QuoteLineCheck singles = CheckQuoteLine("T@B@Quiet TO BE x");
  EXPECT_EQ(singles.singletonStr, "I*O*Q*U*X*");  // T and B occur once but are initials
  EXPECT_EQ(singles.spareCount[LetterIndex('E')], 2);
  EXPECT_EQ(singles.spareCount[LetterIndex('T')], 1);

  const QuoteLineCheck none = CheckQuoteLine("AB@@AABB");
  EXPECT_EQ(none.singletonStr, "");

  EXPECT_FALSE(CheckQuoteLine("A@@" + std::string(1001, 'A')).possible);
  EXPECT_FALSE(CheckQuoteLine("A@@A " + std::string(53, 'B')).possible);
  EXPECT_TRUE(CheckQuoteLine("A@@A " + std::string(52, 'B')).possible);
  EXPECT_FALSE(CheckQuoteLine(std::string(53, 'A') + "@@" + std::string(53, 'A') + " A").possible);
  EXPECT_FALSE(CheckQuoteLine("no at sign").parts.ok);
}

TEST(CheckQuoteLine, HandlesHugeLinesInLinearTime) {
  auto line = [](int units) {
    std::string quote;
    for (int k = 0; k < units; ++k) quote += "A  - ,";
    return "A@@" + quote;
  };
  const QuoteLineCheck c = CheckQuoteLine(line(100000));
  EXPECT_FALSE(c.possible);  // far over the capacity
  EXPECT_EQ(c.masterQuote.substr(0, 6), "A-A-A-");

  // Fifty times the line takes about fifty times as long; a check that went over the line
  // once per character (2500 times as long) fails the bound. The best of a few runs of each
  // keeps a busy machine from deciding.
  auto fastest = [](const std::string& text) {
    double best = 1e300;
    for (int run = 0; run < 5; ++run) {
      const auto start = std::chrono::steady_clock::now();
      const QuoteLineCheck check = CheckQuoteLine(text);
      const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
      EXPECT_FALSE(check.masterQuote.empty());
      best = std::min(best, took.count());
    }
    return best;
  };
  const std::string small = line(2000), large = line(100000);
  EXPECT_LT(fastest(large), 500 * fastest(small));
}

TEST(QuotesEditorClick, PreviewsWithoutTouchingThePuzzle) {
  test::FakeHost host;
  PuzzleDocument doc(host);
  ResetPuzzle(doc);
  doc.P.QuoteOrig = "kept";
  QuotesEditorClick(doc, "AA@B@A B");
  ASSERT_EQ(host.quoteWindow.size(), 1u);
  EXPECT_EQ(host.quoteWindow[0], "\"A B\" - AA B");
  EXPECT_EQ(host.StatusText(StatusBar::Main, 3),
            "IMPOSSIBLE QUOTELLA! Letter A appears 2 times in Author/Work but only 1 times in "
            "Quote");
  EXPECT_EQ(doc.P.QuoteOrig, "kept");

  QuotesEditorClick(doc, "T@B@TO BE");
  EXPECT_EQ(host.StatusText(StatusBar::Main, 3), "");
  EXPECT_TRUE(host.messages.empty());
}

}  // namespace
}  // namespace quotella
