#include "core/manualentry.h"

#include <gtest/gtest.h>

#include "core/construction.h"
#include "support/fakehost.h"

namespace quotella {
namespace {

class ManualEntryTest : public ::testing::Test {
 protected:
  test::FakeHost host;
  PuzzleDocument doc{host};
  ManualEntry form;
  int switchedOff = 0;
  int resets = 0;

  void SetUp() override {
    ResetPuzzle(doc);
    ASSERT_EQ(QuotesEditorDblClick(doc, "Old@Tale@ONCE UPON A TIME THERE LIVED A LOYAL KING"),
              DblClickResult::Made);
    form.SwitchHeuristicOff = [this] { ++switchedOff; };
    form.ResetHeuristicSearch = [this] { ++resets; };
    form.Open(doc);
    ASSERT_EQ(form.QuoteSourceEdit, "Tale");  // the form starts from the current puzzle
    host.Clear();
  }

  void Fill(std::vector<std::string> quote, std::string author, std::string work) {
    form.QuoteLines = std::move(quote);
    form.AuthorEdit = std::move(author);
    form.QuoteSourceEdit = std::move(work);
  }
};

TEST_F(ManualEntryTest, MakesAPuzzleFromLinesJoinedWithoutABlank) {
  Fill({"  To be or not to ", "be, that is the question "}, "Bo (W.S.)", "Net");
  host.confirmAnswers = {true};
  EXPECT_EQ(form.MakePuzzle(doc), ManualEntry::MakeResult::Made);
  EXPECT_FALSE(form.Visible);
  EXPECT_EQ(host.questions,
            std::vector<std::string>{"This will erase any current puzzle. Continue?"});
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(switchedOff, 1);
  EXPECT_EQ(resets, 1);

  const Tpuzzle& p = doc.P;
  EXPECT_EQ(p.QuoteOrig, "To be or not to be, that is the question");
  EXPECT_EQ(p.AuthorOrig, "Bo (W.S.)");
  EXPECT_EQ(p.WorkOrig, "Net");
  EXPECT_EQ(p.QuoteText, "TO BE OR NOT TO BE, THAT IS THE QUESTION");
  EXPECT_EQ(p.AuthorText, "BO");
  EXPECT_EQ(p.WorkText, "NET");
  // The parenthesised part stays in the display line but spells no initial.
  EXPECT_EQ(form.ManualQuoteLine, "To be or not to be, that is the question - Bo (W.S.) Net");
  EXPECT_EQ(p.QuoteLine, form.ManualQuoteLine);
  EXPECT_EQ(p.QuotellaStr, "BONET");
  EXPECT_EQ(p.NumWords, 5);
  EXPECT_TRUE(doc.PuzzleExists);
  EXPECT_EQ(host.quoteWindow, std::vector<std::string>{form.ManualQuoteLine});
  // The letter statistics are the new puzzle's.
  EXPECT_EQ(p.SingletonStr, "A*Q*R*U*");
  EXPECT_EQ(p.SpareCount[LetterIndex('T')], 7 - 1);
}

TEST_F(ManualEntryTest, SingletonCellsOfAManualPuzzleAreLocked) {
  Fill({"QUIZ ME"}, "M", "E");
  host.confirmAnswers = {true};
  ASSERT_EQ(form.MakePuzzle(doc), ManualEntry::MakeResult::Made);
  EXPECT_EQ(doc.P.SingletonStr, "I*Q*U*Z*");
  EXPECT_TRUE(doc.P.Cells[1].Locked);   // Q
  EXPECT_FALSE(doc.P.Cells[6].Locked);  // M starts an answer
}

// Every way of not making the puzzle leaves the current one as it was.
TEST_F(ManualEntryTest, RefusalsKeepTheCurrentPuzzle) {
  struct Case {
    const char* name;
    std::vector<std::string> quote;
    std::string author, work;
    std::vector<bool> answers;
    ManualEntry::MakeResult result;
    std::string message;
    bool visibleAfter;
  };
  const std::string longWord(60, 'A');
  const Case cases[] = {
      {"no quote",
       {},
       "A",
       "B",
       {},
       ManualEntry::MakeResult::Incomplete,
       "Incomplete Data! All fields required.",
       true},
      {"blank author",
       {"AB"},
       "  ",
       "B",
       {},
       ManualEntry::MakeResult::Incomplete,
       "Incomplete Data! All fields required.",
       true},
      {"no work",
       {"AB"},
       "A",
       "",
       {},
       ManualEntry::MakeResult::Incomplete,
       "Incomplete Data! All fields required.",
       true},
      {"short of letters",
       {"ABC"},
       "Zed",
       "A",
       {},
       ManualEntry::MakeResult::Impossible,
       "Impossible Quotella: Letter D appears 1 times in Author/Work but only 0 times in Quote",
       true},
      {"word too long",
       {longWord},
       "A",
       "A",
       {},
       ManualEntry::MakeResult::Impossible,
       "The quotation word " + longWord + " has 60 letters; a quotation word may have at most " +
           std::to_string(kTableSize) + ".",
       true},
      {"declined",
       {"HELLO WORLD"},
       "Lo",
       "Wo",
       {false},
       ManualEntry::MakeResult::Declined,
       "",
       false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    host.Clear();
    form.Visible = true;
    host.confirmAnswers.assign(c.answers.begin(), c.answers.end());
    Fill(c.quote, c.author, c.work);
    EXPECT_EQ(form.MakePuzzle(doc), c.result);
    if (c.message.empty()) {
      EXPECT_TRUE(host.messages.empty());
    } else {
      EXPECT_EQ(host.messages, std::vector<std::string>{c.message});
    }
    EXPECT_EQ(form.Visible, c.visibleAfter);
    EXPECT_EQ(doc.P.QuotellaStr, "OLDTALE");
    EXPECT_EQ(doc.P.QuoteOrig, "ONCE UPON A TIME THERE LIVED A LOYAL KING");
    EXPECT_EQ(doc.P.AuthorOrig, "Old");
    EXPECT_EQ(doc.P.QuoteLine, "Old@Tale@ONCE UPON A TIME THERE LIVED A LOYAL KING");
    EXPECT_TRUE(doc.PuzzleExists);
  }
  EXPECT_EQ(resets, 0);
}

TEST_F(ManualEntryTest, AddQuoteAppendsTheLineAndAnEmptyLine) {
  LineStore quotes{"A@B@AB"};
  Fill({"Brevity is the soul ", "of wit"}, "Shakespeare (W.)", "Hamlet");
  EXPECT_TRUE(form.AddQuote(quotes, host));
  EXPECT_EQ(quotes, (std::vector<std::string>{
                        "A@B@AB", "Shakespeare (W.)@Hamlet@Brevity is the soul of wit", ""}));
  EXPECT_FALSE(form.Visible);

  form.Visible = true;
  form.QuoteSourceEdit.clear();
  EXPECT_FALSE(form.AddQuote(quotes, host));
  EXPECT_EQ(host.messages, std::vector<std::string>{"Incomplete Data!"});
  EXPECT_EQ(quotes.size(), 3u);
  EXPECT_TRUE(form.Visible);
}

}  // namespace
}  // namespace quotella
