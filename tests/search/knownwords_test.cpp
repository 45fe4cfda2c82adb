// Answers a solver can be clued on: the dictionary's known-word file, and the candidate
// order of autofill and of a row's other answers, which puts the words WordNet knows first.
#include "search/knownwords.h"

#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>

#include "autofill_fixture.h"
#include "core/answertable.h"
#include "core/assignment.h"
#include "core/construction.h"
#include "core/textio.h"
#include "search/autofill.h"
#include "search/autofillsource.h"
#include "search/exactfill.h"
#include "search/fillalternatives.h"
#include "search/fillcandidates.h"
#include "search/fillquality.h"
#include "support/fakehost.h"

namespace quotella {
namespace {

namespace fs = std::filesystem;
using Words = test::AutofillWords;
using test::ProblemOf;
using test::SourceOf;

// A scratch dictionary folder (blanks and accents in its name) that goes when the test ends.
class ScratchDictionary : public ::testing::Test {
 protected:
  void SetUp() override {
    m_dir = fs::temp_directory_path() /
            ("quotella known m\xc3\xb6t " + std::to_string(::getpid()) + " " +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(m_dir);
    Write("t.txt", {"tae", "tea", "tie", "toe"});
    Write("familiarity.txt", {"tae 60", "tea 10", "tie 20", "toe 60"});
    Write(kOffensiveFileName, {"# none"});
  }
  void TearDown() override { fs::remove_all(m_dir); }
  void Write(const std::string& name, const std::vector<std::string>& lines) {
    ASSERT_TRUE(WriteLinesAtomic((m_dir / name).string(), lines).ok());
  }
  std::string Dir() const { return m_dir.string() + "/"; }

  fs::path m_dir;
};

TEST_F(ScratchDictionary, KnownWordsAreReadInAnyCaseAndAMissingFileKnowsEveryWord) {
  KnownWords known;
  EXPECT_FALSE(known.LoadFromDictDir(Dir()));
  EXPECT_FALSE(known.Loaded());
  EXPECT_TRUE(known.Knows("TEA"));
  EXPECT_TRUE(known.Knows("XQZV"));

  Write(kKnownWordsFileName, {"tea", "Toe", "", "  tie  "});
  ASSERT_TRUE(known.LoadFromDictDir(Dir()));
  EXPECT_TRUE(known.Loaded());
  EXPECT_EQ(known.Count(), 3u);
  EXPECT_TRUE(known.Knows("TEA"));
  EXPECT_TRUE(known.Knows("toe"));
  EXPECT_TRUE(known.Knows("Tie"));
  EXPECT_FALSE(known.Knows("TAE"));
  // Loading again replaces the table; a file gone afterwards leaves no marks behind.
  fs::remove(m_dir / kKnownWordsFileName);
  EXPECT_FALSE(known.LoadFromDictDir(Dir()));
  EXPECT_TRUE(known.Knows("TAE"));
}

TEST_F(ScratchDictionary, TheDictionaryMarksItsWordsAndAFolderWithoutTheFileIsUnchanged) {
  // Without known.txt: every word known, no message, the same words in the same order.
  test::FakeHost host;
  AutofillDictionary without(Dir(), &host);
  std::vector<std::string> got;
  for (const auto& w : without.Words('T')) {
    got.push_back(w.word);
    EXPECT_TRUE(w.known) << w.word;
  }
  EXPECT_EQ(got, (std::vector<std::string>{"TAE", "TEA", "TIE", "TOE"}));
  EXPECT_TRUE(host.messages.empty());

  Write(kKnownWordsFileName, {"tae", "toe"});
  AutofillDictionary with(Dir(), &host);
  with.AddListEntries({"tie"});
  std::vector<std::string> marks;
  for (const auto& w : with.Words('T'))
    marks.push_back(w.word + (w.fromList ? "*" : "") + (w.known ? "+" : "-"));
  EXPECT_EQ(marks, (std::vector<std::string>{"TIE*-", "TAE+", "TEA-", "TIE-", "TOE+"}));
  EXPECT_TRUE(host.messages.empty());

  // A fill of pool E A from row T: TEA (most familiar) without the file, TAE with it.
  const AutofillProblem p = ProblemOf("T", "AE");
  const auto o = test::SmallProblemOptions();
  fs::remove(m_dir / kKnownWordsFileName);
  AutofillDictionary before(Dir());
  EXPECT_EQ(RunAutofill(p, before.Source(), o).fills.at(0).words, std::vector<std::string>{"TEA"});
  Write(kKnownWordsFileName, {"tae", "toe"});
  AutofillDictionary after(Dir());
  EXPECT_EQ(RunAutofill(p, after.Source(), o).fills.at(0).words, std::vector<std::string>{"TAE"});
}

// The property every candidate order keeps: among words of the user's lists nothing
// changes (they come first); otherwise a word WordNet knows ranks above every word it does
// not know, whatever the two words' familiarity, and among words alike in that, a familiar
// word ranks above a rarer one, a commoner above a less common one, an unsized one last.
TEST(WordStanding, AnUnknownWordNeverRanksAboveAKnownOneAndFamiliarityOrdersTheRest) {
  for (int familiarSize : {20, 50, 70}) {
    for (int a = 0; a < 100; ++a) {
      EXPECT_EQ(WordPenalty(a, true, familiarSize, false), 0.0);
      EXPECT_EQ(WordStanding(a, true, familiarSize, false), 0);
      for (int b = 0; b < 100; ++b) {
        const double known = WordPenalty(a, false, familiarSize, true);
        const double unknown = WordPenalty(b, false, familiarSize, false);
        ASSERT_LT(known, unknown) << a << " " << b << " at " << familiarSize;
        ASSERT_LT(WordStanding(a, false, familiarSize, true),
                  WordStanding(b, false, familiarSize, false));
        ASSERT_GT(known, 0.0);
        for (bool k : {true, false}) {
          const double pa = WordPenalty(a, false, familiarSize, k);
          const double pb = WordPenalty(b, false, familiarSize, k);
          const bool familiarA = a > 0 && a <= familiarSize;
          const bool familiarB = b > 0 && b <= familiarSize;
          if (familiarA && !familiarB) {
            ASSERT_LT(pa, pb) << a << " " << b;
          }
          if (familiarA == familiarB && a > 0 && b > 0 && a < b) {
            ASSERT_LT(pa, pb) << a << b;
          }
          if (a > 0 && b == 0) {
            ASSERT_LT(pa, pb) << a << " unsized";
          }
          // The standing and the cost agree.
          const int sa = WordStanding(a, false, familiarSize, k);
          const int sb = WordStanding(b, false, familiarSize, k);
          if (sa < sb) {
            ASSERT_LT(pa, pb) << a << " " << b;
          }
        }
      }
    }
  }
}

// Pool A I E T over rows S and T: SAT+TIE or SIT+TAE. SIT and TAE are the familiar pair,
// SAT and TIE the pair WordNet knows.
Words SitTaeWords(bool marked) {
  return {{'S', {{"SAT", 60, false, true}, {"SIT", 10, false, !marked}}},
          {'T', {{"TIE", 60, false, true}, {"TAE", 20, false, !marked}}}};
}

TEST(Autofill, EveryEngineTakesTheWordsWordNetKnowsBeforeMoreFamiliarOnes) {
  const AutofillProblem p = ProblemOf("ST", "AEIT");
  const Words marked = SitTaeWords(true);
  const FillCandidates cands(p, SourceOf(marked), test::SmallProblemOptions());
  EXPECT_EQ(cands.Table(0).words, (std::vector<std::string>{"SAT", "SIT"}));
  EXPECT_EQ(cands.Table(1).words, (std::vector<std::string>{"TIE", "TAE"}));
  const std::vector<std::string> knownPair{"SAT", "TIE"};
  const AutofillResult exact = RunExactFill(p, SourceOf(marked), test::SmallProblemOptions(5));
  ASSERT_EQ(exact.fills.size(), 2u);
  EXPECT_EQ(exact.fills[0].words, knownPair);
  const AutofillResult best = RunAutofill(p, SourceOf(marked), test::SmallProblemOptions(5));
  ASSERT_EQ(best.end, AutofillEnd::Filled);
  EXPECT_EQ(best.fills[0].words, knownPair);
  // Familiarity still counts the familiar words, whatever WordNet knows.
  EXPECT_EQ(best.fills[0].familiar, 0);

  // All known (a dictionary without the file): the familiar pair, as ever.
  const Words plain = SitTaeWords(false);
  const std::vector<std::string> familiarPair{"SIT", "TAE"};
  EXPECT_EQ(RunExactFill(p, SourceOf(plain), test::SmallProblemOptions(5)).fills.at(0).words,
            familiarPair);
  EXPECT_EQ(RunAutofill(p, SourceOf(plain), test::SmallProblemOptions(5)).fills.at(0).words,
            familiarPair);
}

TEST(OtherAnswers, ListsTheAnswersWordNetKnowsFirst) {
  test::FakeHost host;
  PuzzleDocument doc(host);
  // SALE is the most familiar trade but unknown; STEAL, rarer, is known.
  const Words words{{'S',
                     {{"SEAT", 10, false},
                      {"SATE", 20, false},
                      {"STEAL", 30, false},
                      {"SALE", 10, false, false}}},
                    {'T', {{"TALE", 10, false}, {"TEA", 10, false}}},
                    {'A', {{"ALE", 10, false}, {"ATE", 10, false}}}};
  ASSERT_TRUE(test::MakeSeatTaleAle(doc));
  std::vector<std::string> texts;
  for (const auto& alt : OtherAnswers(doc, 0, SourceOf(words), test::SmallProblemOptions()))
    texts.push_back(AlternativeText(doc, alt));
  EXPECT_EQ(texts, (std::vector<std::string>{"SATE", "STEAL (B: TEA)", "SALE (C: ATE)"}));
}

}  // namespace
}  // namespace quotella
