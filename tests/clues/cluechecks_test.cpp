// The checks of a clue, each with a case that fails it and one that passes, and the
// checks of a whole puzzle of 46 answers.

#include <gtest/gtest.h>

#include <algorithm>

#include "clues/cluechecks.h"
#include "clues/stemmer.h"
#include "support/fakehost.h"
#include "support/handpuzzle.h"

namespace quotella {
namespace {

std::vector<ClueFault> Faults(const ClueCheck& c) {
  std::vector<ClueFault> faults;
  for (const ClueFinding& f : c.findings) faults.push_back(f.fault);
  return faults;
}

bool Has(const ClueCheck& c, ClueFault fault) {
  for (ClueFault f : Faults(c))
    if (f == fault) return true;
  return false;
}

class ClueChecksTest : public ::testing::Test {
 protected:
  ClueCheck Check(const std::string& clue, const std::string& answer,
                  const std::vector<OtherAnswer>& others = {}) {
    return CheckClue(clue, answer, others, stemmer);
  }
  Stemmer stemmer;
  test::FakeHost host;
};

TEST_F(ClueChecksTest, AClueHoldingItsAnswerOrAWordOfItsStemNeedsALook) {
  const ClueCheck same = Check("Skimmed the water, as an aquaplaned boat", "AQUAPLANED");
  ASSERT_TRUE(Has(same, ClueFault::HoldsAnswer));
  EXPECT_EQ(same.findings.front().text, "holds its answer (AQUAPLANED)");
  EXPECT_TRUE(same.needsLook());
  const ClueCheck stem = Check("What a boat may do: aquaplane", "AQUAPLANED");
  ASSERT_TRUE(Has(stem, ClueFault::HoldsAnswer));
  EXPECT_EQ(stem.findings.front().text, "holds AQUAPLANE, a form of its answer");
  // Case and accents do not hide it.
  EXPECT_TRUE(Has(Check("Le café du coin", "CAFES"), ClueFault::HoldsAnswer));
}

TEST_F(ClueChecksTest, AWordThatMerelyBeginsLikeTheAnswerIsNoStemMatch) {
  EXPECT_FALSE(Has(Check("Patron of the arts", "ARTIST"), ClueFault::HoldsAnswer));
  EXPECT_FALSE(Has(Check("Hearty welcome", "HEART"), ClueFault::HoldsAnswer));
  // Nor a word the answer stands inside of.
  const ClueCheck inside = Check("Starting line", "ART");
  EXPECT_FALSE(Has(inside, ClueFault::HoldsAnswer));
  EXPECT_FALSE(inside.needsLook());
  EXPECT_TRUE(inside.findings.empty());
}

TEST_F(ClueChecksTest, AClueHoldingAnotherAnswerNamesItsRow) {
  const std::vector<OtherAnswer> others = {
      {"B", "RIVER", ""}, {"C", "OX", ""}, {"D", "STONES", ""}};
  const ClueCheck c = Check("Bank of a river, or of a stone", "SHORE", others);
  const auto faults = Faults(c);
  ASSERT_EQ(std::count(faults.begin(), faults.end(), ClueFault::HoldsOtherAnswer), 2);
  EXPECT_EQ(c.findings[0].text, "holds the answer of B (RIVER)");
  EXPECT_EQ(c.findings[1].text, "holds the answer of D (STONES)");
  // Answers of fewer than three letters (an unfinished row) are not looked for.
  EXPECT_FALSE(Has(Check("An ox cart", "WAGON", {{"C", "OX", ""}}), ClueFault::HoldsOtherAnswer));
  EXPECT_FALSE(Has(Check("Riverbank", "SHORE", others), ClueFault::HoldsOtherAnswer));
}

TEST_F(ClueChecksTest, AnEmptyClueIsUnwrittenAndNotCountedAsNeedingALook) {
  const ClueCheck empty = Check("   ", "SHORE");
  EXPECT_EQ(Faults(empty), std::vector<ClueFault>{ClueFault::Empty});
  EXPECT_FALSE(empty.written());
  EXPECT_FALSE(empty.needsLook());
  EXPECT_FALSE(Has(Check("Beach", "SHORE"), ClueFault::Empty));
  EXPECT_EQ(Check("Beach", "SHORE").enumeration, "(5)");
}

TEST_F(ClueChecksTest, LongCluesAreNotedOverOneLineAndNeedALookOverThree) {
  EXPECT_EQ(EstimatedPrintedLines("A. Beach"), 1);
  EXPECT_EQ(EstimatedPrintedLines(std::string(kEstimatedCharsPerLine, 'x')), 1);
  EXPECT_EQ(EstimatedPrintedLines(std::string(kEstimatedCharsPerLine + 1, 'x')), 2)
      << "a word longer than the line is broken";
  const std::string two = "Where the land meets the sea, with sand";  // 39 characters
  const ClueCheck noted = Check(two, "SHORE");
  ASSERT_EQ(Faults(noted), std::vector<ClueFault>{ClueFault::OverOneLine});
  EXPECT_FALSE(noted.needsLook()) << "two lines are a note";
  std::string four;
  for (int i = 0; i < 24; ++i) four += "word ";
  const ClueCheck tooLong = Check(four, "SHORE");
  EXPECT_EQ(tooLong.printedLines, 4);
  EXPECT_TRUE(Has(tooLong, ClueFault::OverThreeLines));
  EXPECT_TRUE(tooLong.needsLook());
  // A measure of the real page replaces the estimate.
  const ClueCheck measured =
      CheckClue(two, "SHORE", {}, stemmer, [](const std::string&) { return 1; });
  EXPECT_TRUE(measured.findings.empty());
}

TEST_F(ClueChecksTest, AStatedEnumerationMustMatchTheAnswer) {
  const ClueCheck wrong = Check("Beach (6)", "SHORE");
  ASSERT_TRUE(Has(wrong, ClueFault::WrongEnumeration));
  EXPECT_EQ(wrong.findings.front().text, "states (6) for 5 letters");
  EXPECT_FALSE(Has(Check("Beach (5)", "SHORE"), ClueFault::WrongEnumeration));
  EXPECT_FALSE(Has(Check("Land's end (2,3)", "SHORE"), ClueFault::WrongEnumeration));
  EXPECT_TRUE(Has(Check("Land's end (2-4)", "SHORE"), ClueFault::WrongEnumeration));
  // Parentheses that are no enumeration are left alone.
  EXPECT_FALSE(Has(Check("Beach (US)", "SHORE"), ClueFault::WrongEnumeration));
  EXPECT_FALSE(Has(Check("Beach (99999999999999)", "SHORE"), ClueFault::WrongEnumeration));
}

TEST_F(ClueChecksTest, APuzzleOfFortySixAnswersIsCheckedAndCounted) {
  PuzzleDocument doc(host);
  std::vector<std::string> words;
  for (int r = 0; r < 46; ++r)
    words.push_back(std::string(1, static_cast<char>('A' + r % 26)) + "BCDEF" +
                    std::string(1, static_cast<char>('A' + r / 26)));
  std::string quote;
  for (const auto& w : words) quote += w;
  test::HandPuzzle::Lay(doc, quote, 20);
  int cell = 1;
  for (int r = 0; r < 46; ++r) {
    std::vector<int> cells;
    for (std::size_t k = 0; k < words[static_cast<std::size_t>(r)].size(); ++k)
      cells.push_back(cell++);
    std::string clue = "Clue number " + std::to_string(r);
    if (r == 3) clue = "";
    if (r == 7) clue = "Unlike " + words[8];               // another answer
    if (r == 45) clue = "Sounds like " + words[45] + "s";  // its own answer's plural
    test::HandPuzzle::AddWord(doc, r, cells, clue);
  }
  const std::vector<ClueCheck> checks = CheckClues(doc, stemmer);
  ASSERT_EQ(checks.size(), 46u);
  EXPECT_EQ(checks[45].label, "TT");
  EXPECT_EQ(checks[45].answer, words[45]);
  EXPECT_TRUE(Has(checks[45], ClueFault::HoldsAnswer));
  EXPECT_TRUE(Has(checks[7], ClueFault::HoldsOtherAnswer));
  EXPECT_EQ(checks[7].findings.front().text, "holds the answer of I (" + words[8] + ")");
  EXPECT_FALSE(checks[3].written());
  const ClueSummary s = Summarise(checks);
  EXPECT_EQ(s.rows, 46);
  EXPECT_EQ(s.written, 45);
  EXPECT_EQ(s.needLook, 2);
  EXPECT_EQ(SummaryText(s), "Clues: 45 of 46 written, 2 need a look");
  EXPECT_EQ(SummaryText({45, 44, 1}), "Clues: 44 of 45 written, 1 needs a look");
}

TEST(ClueDraft, TakesTheGlossWithItsFirstLetterUp) {
  EXPECT_EQ(ClueDraft(" a person who creates art "), "A person who creates art");
  EXPECT_EQ(ClueDraft("(physics) electromagnetic radiation"), "Electromagnetic radiation");
  EXPECT_EQ(ClueDraft("élan"), "élan") << "only a plain letter is raised";
  EXPECT_EQ(ClueDraft(""), "");
}

}  // namespace
}  // namespace quotella
