#include "core/letterfold.h"

#include <gtest/gtest.h>

#include "core/construction.h"
#include "core/quoteparse.h"
#include "support/fakehost.h"

namespace quotella {
namespace {

TEST(FoldLetters, FoldsLatinLettersAsAConstructorWritesThemInTheGrid) {
  struct Case {
    const char* text;
    const char* folded;
  };
  const Case cases[] = {
      {"caf\xC3\xA9 na\xC3\xAFve", "cafe naive"},  // é, ï
      {"Espa\xC3\xB1"
       "a",
       "Espana"},                                    // ñ
      {"Lech Wa\xC5\x82\xC4\x99sa", "Lech Walesa"},  // ł, ę
      {"\xC5\x81\xC3\xB3"
       "d\xC5\xBA",
       "Lodz"},  // Ł, ó, ź
      {"K\xC3\xB8"
       "benhavn",
       "Kobenhavn"},  // ø
      {"Stra\xC3\x9F"
       "e",
       "Strasse"},                                                   // ß
      {"\xC3\x86sop \xC5\x93uvre \xC5\x92IL", "AEsop oeuvre OEIL"},  // Æ, œ, Œ
      {"Dvo\xC5\x99\xC3\xA1k Erd\xC5\x91s", "Dvorak Erdos"},         // ř, á, ő
      {"cafe\xCC\x81 nai\xCC\x88ve", "cafe naive"},                  // decomposed accents
      {"\xEF\xAC\x81n", "fin"},                                      // the ligature fi
  };
  for (const auto& c : cases) {
    const FoldedText f = FoldLetters(c.text);
    EXPECT_EQ(f.text, c.folded) << c.text;
    EXPECT_EQ(f.unfoldable, "") << c.text;
  }
}

TEST(FoldLetters, KeepsWhatIsNotALetterAndNamesALetterWithNoLatinForm) {
  // Dashes, quotes, symbols and emoji stay for the grid's own rules to drop.
  const std::string other =
      "\xE2\x80\x94 \xE2\x80\x9Chi\xE2\x80\x9D \xE2\x89\xA0 \xF0\x9F\x98\x80 1";
  EXPECT_EQ(FoldLetters(other).text, other);
  EXPECT_EQ(FoldLetters(other).unfoldable, "");

  EXPECT_EQ(FoldLetters("Sokrates \xCE\xA3\xCF\x89").unfoldable, "\xCE\xA3");  // Greek Σ
  EXPECT_EQ(FoldLetters("\xD0\x96ukov").unfoldable, "\xD0\x96");               // Cyrillic Ж
  EXPECT_EQ(FoldLetters("Li \xE7\x99\xBD").unfoldable, "\xE7\x99\xBD");        // CJK 白
  EXPECT_EQ(FoldLetters("\xD7\xA9"
                        "alom")
                .unfoldable,
            "\xD7\xA9");  // Hebrew ש
  EXPECT_EQ(UnfoldableMessage("\xD0\x96"),
            "The letter \"\xD0\x96\" (U+0416) has no A-Z form for the grid; write the line in "
            "Latin letters.");
}

TEST(CheckQuoteLine, FoldsEveryLetterInsteadOfDroppingIt) {
  const QuoteLineCheck c = CheckQuoteLine(
      "Lech Wa\xC5\x82\xC4\x99sa@@\xC2\xA1Ol\xC3\xA9! Na\xC3\xAFve caf\xC3\xA9, "
      "Lech Wa\xC5\x82\xC4\x99sa said");
  EXPECT_EQ(c.quotellaStr, "LECHWALESA");
  EXPECT_EQ(c.masterQuote, "OLE NAIVE CAFE LECH WALESA SAID");
  EXPECT_EQ(c.parts.author, "Lech Wa\xC5\x82\xC4\x99sa");  // as typed
  EXPECT_TRUE(c.possible) << c.message;
}

TEST(CheckQuoteLine, ARunOfBlanksLeftByADashBecomesOneBlank) {
  const QuoteLineCheck c = CheckQuoteLine("A@@blanca \xE2\x80\x94 en & a");
  EXPECT_EQ(c.masterQuote, "BLANCA EN A");
}

TEST(CheckQuoteLine, RefusesALetterWithNoLatinFormAndAQuotationWithoutLetters) {
  const QuoteLineCheck greek = CheckQuoteLine("A@@A \xCE\xB1\xCE\xB2");
  EXPECT_FALSE(greek.possible);
  EXPECT_EQ(greek.message, UnfoldableMessage("\xCE\xB1"));

  for (const char* line : {"@@", "@@...", "@@ - ! \xE2\x80\x94"}) {
    const QuoteLineCheck empty = CheckQuoteLine(line);
    EXPECT_FALSE(empty.possible) << line;
    EXPECT_EQ(empty.message, "The quotation holds no letters; a puzzle needs at least one.");
  }
}

TEST(QuotesEditorDblClick, RefusesUnfoldableLettersAndEmptyQuotationsBeforeTheCurrentPuzzle) {
  test::FakeHost host;
  PuzzleDocument doc(host);
  ASSERT_EQ(QuotesEditorDblClick(doc, "T@B@TO BE"), DblClickResult::Made);
  for (const char* line : {"@@", "@@...", "T@B@TO BE \xD0\x96"}) {
    host.messages.clear();
    EXPECT_EQ(QuotesEditorDblClick(doc, line), DblClickResult::Refused) << line;
    ASSERT_EQ(host.messages.size(), 1u) << line;
    EXPECT_EQ(doc.P.MasterQuote, "TO BE") << line;
    EXPECT_TRUE(doc.PuzzleExists);
  }
  EXPECT_EQ(host.messages[0], UnfoldableMessage("\xD0\x96"));

  ASSERT_EQ(QuotesEditorDblClick(
                doc, "\xC3\x89mile Zola@@\xC3\x89t\xC3\xA9 \xE2\x80\x94 Zola mit le mot"),
            DblClickResult::Made);
  EXPECT_EQ(doc.P.QuotellaStr, "EMILEZOLA");
  EXPECT_EQ(doc.P.MasterQuote, "ETE ZOLA MIT LE MOT");
  EXPECT_EQ(doc.P.QuoteOrig, "\xC3\x89t\xC3\xA9 \xE2\x80\x94 Zola mit le mot");
}

}  // namespace
}  // namespace quotella
