#include "quotes/quoterank.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "quotes/quoteranker.h"
#include "search/autofill.h"
#include "search/autofillsource.h"
#include "search/wordsource.h"

namespace quotella {
namespace {

namespace fs = std::filesystem;

// A dictionary folder of a few words with their familiarity: every letter file exists,
// most of them empty.
class HandDictionary : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() / ("quotella_rank_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::map<char, std::vector<std::string>> words = {
        {'A', {"ANT"}}, {'L', {"LOTTO"}}, {'X', {"XIA"}},                   // familiar
        {'B', {"BAT"}}, {'O', {"OAT"}},   {'Z', {"ZIT"}}, {'J', {"JOT"}}};  // rare
    for (char c = 'a'; c <= 'z'; ++c) {
      std::ofstream out(dir / (std::string(1, c) + ".txt"));
      if (auto it = words.find(static_cast<char>(c - 'a' + 'A')); it != words.end())
        for (const auto& w : it->second) out << w << "\r\n";
    }
    std::ofstream(dir / "familiarity.txt") << "ANT 10\nLOTTO 10\nXIA 20\nBAT 70\nOAT 70\nZIT 70\n";
    std::ofstream(dir / "offensive.txt") << "";
    dictionary = PreloadDictionary(dir.string() + "/");
  }
  void TearDown() override { fs::remove_all(dir); }

  fs::path dir;
  std::shared_ptr<AutofillDictionary> dictionary;
};

const std::vector<std::string> kHandLines = {
    "Bo@Z@Zit to a bat",        // fills only with rare words
    "",                         // blank: not ranked
    "Qu@Xy@Hello there",        // no Q, U, Y in the quotation
    "Al@X@A lot, I tax not",    // fills with familiar words
    "no at sign on this line",  // unparsable
    "Ju@K@Jug kit",             // no word of U or K: no fill exists
};

TEST_F(HandDictionary, FamiliarFillRanksAboveRareFillAboveNoFillAboveUnfitLines) {
  RankOptions options;
  const RankOutcome outcome = RankQuotes(kHandLines, dictionary, options);
  EXPECT_EQ(outcome.total, 5);
  EXPECT_FALSE(outcome.stopped);
  ASSERT_EQ(outcome.ranks.size(), 5u);
  std::vector<int> order;
  for (const auto& r : outcome.ranks) order.push_back(r.line);
  EXPECT_EQ(order, (std::vector<int>{4, 1, 6, 3, 5}));

  const QuoteRank& familiar = outcome.ranks[0];
  EXPECT_EQ(familiar.fill, RankFill::Filled);
  EXPECT_TRUE(familiar.decided);
  EXPECT_DOUBLE_EQ(familiar.familiarShare, 1.0);
  EXPECT_EQ(familiar.fills, 1);
  const QuoteRank& rare = outcome.ranks[1];
  EXPECT_EQ(rare.fill, RankFill::Filled);
  EXPECT_DOUBLE_EQ(rare.familiarShare, 0.0);
  EXPECT_GT(familiar.score, rare.score + 20);
  EXPECT_EQ(outcome.ranks[2].fill, RankFill::NoFill);
  EXPECT_TRUE(outcome.ranks[2].decided);
  EXPECT_FALSE(outcome.ranks[2].reason.empty());
  EXPECT_EQ(outcome.ranks[3].verdict, RankVerdict::Impossible);
  EXPECT_NE(outcome.ranks[3].reason.find('Q'), std::string::npos) << outcome.ranks[3].reason;
  EXPECT_EQ(outcome.ranks[4].verdict, RankVerdict::Unparsable);
  EXPECT_EQ(outcome.ranks[4].score, 0);
}

TEST_F(HandDictionary, StopKeepsOnlyTheLinesRankedBeforeIt) {
  std::stop_source stop;
  RankOptions options;
  options.workers = 1;
  std::vector<int> seen;
  const RankOutcome outcome =
      RankQuotes(kHandLines, dictionary, options, stop.get_token(), [&](const RankProgress& p) {
        seen.push_back(p.done);
        EXPECT_EQ(p.total, 5);
        if (p.done == 2) stop.request_stop();
      });
  EXPECT_TRUE(outcome.stopped);
  EXPECT_EQ(seen, (std::vector<int>{1, 2}));
  ASSERT_EQ(outcome.ranks.size(), 2u);
  EXPECT_EQ(outcome.ranks[0].line, 1);  // the first two lines in order, best first
  EXPECT_EQ(outcome.ranks[1].line, 3);

  std::stop_source early;
  early.request_stop();
  const RankOutcome none = RankQuotes(kHandLines, dictionary, options, early.get_token());
  EXPECT_TRUE(none.ranks.empty());
  EXPECT_TRUE(none.stopped);
}

TEST(QuoteJudgement, CountsLettersAnswersAndThePoolsVowels) {
  // Quotation letters: ALOTITAXNOT (11); initials A, L, X; the pool A I N O O T T T.
  const QuoteRank r = JudgeQuoteLine("  Al@X@A lot, I tax not  ", 7);
  EXPECT_EQ(r.line, 7);
  EXPECT_EQ(r.text, "Al@X@A lot, I tax not");
  EXPECT_EQ(r.verdict, RankVerdict::Possible);
  EXPECT_EQ(r.letters, 11);
  EXPECT_EQ(r.answers, 3);
  EXPECT_NEAR(r.meanLength, 11.0 / 3, 1e-9);
  EXPECT_NEAR(r.vowelShare, 4.0 / 8, 1e-9);

  const QuoteRank bad = JudgeQuoteLine("plain words", 1);
  EXPECT_EQ(bad.verdict, RankVerdict::Unparsable);
  EXPECT_EQ(bad.reason, "Could not parse Quote line. Check formatting.");
}

TEST(QuoteScore, FastFamiliarFillOfMidLengthAnswersBeatsEveryWeakerOne) {
  QuoteRank best;
  best.verdict = RankVerdict::Possible;
  best.fill = RankFill::Filled;
  best.meanLength = 7;
  best.familiarShare = 1;
  best.fills = 8;
  best.roundBudget = 12;
  best.searchRounds = 1;

  QuoteRank slow = best;
  slow.searchRounds = 11;
  QuoteRank rare = best;
  rare.familiarShare = 0.2;
  QuoteRank longAnswers = best;
  longAnswers.meanLength = 13;
  QuoteRank undecided = best;
  undecided.fill = RankFill::Undecided;
  QuoteRank noFill = best;
  noFill.fill = RankFill::NoFill;
  for (const QuoteRank* worse : {&slow, &rare, &longAnswers})
    EXPECT_GT(ScoreOf(best), ScoreOf(*worse));
  // Any fill, however slow and rare, beats a line not decided, which beats a proof of none.
  QuoteRank worstFill = best;
  worstFill.familiarShare = 0;
  worstFill.searchRounds = 12;
  worstFill.meanLength = 20;
  worstFill.fills = 1;
  EXPECT_GT(ScoreOf(worstFill), ScoreOf(undecided));
  EXPECT_GT(ScoreOf(undecided), ScoreOf(noFill));
  EXPECT_GT(ScoreOf(noFill), 0);
}

TEST(QuoteScore, TiesKeepTheFileOrder) {
  std::vector<QuoteRank> ranks(3);
  ranks[0].line = 9;
  ranks[0].verdict = RankVerdict::Unparsable;
  ranks[1].line = 4;
  ranks[1].verdict = RankVerdict::Impossible;
  ranks[2].line = 2;
  ranks[2].verdict = RankVerdict::Impossible;
  SortRanking(ranks);
  EXPECT_EQ(ranks[0].line, 2);
  EXPECT_EQ(ranks[1].line, 4);
  EXPECT_EQ(ranks[2].line, 9);
  EXPECT_NE(LineSeed(1, 1), LineSeed(1, 2));
  EXPECT_NE(LineSeed(1, 1), LineSeed(2, 1));
  EXPECT_EQ(LineSeed(3, 5), LineSeed(3, 5));
}

TEST(QuoteBudget, SecondsBecomeRoundsOfGrowingWork) {
  // A chain weighs 5 x 200,000 candidates in each of the first two rounds, twice as many in
  // the next two, and so on.
  EXPECT_EQ(SearchRoundsOfWork(0, 200000), 1);
  EXPECT_EQ(SearchRoundsOfWork(1'000'000, 200000), 1);
  EXPECT_EQ(SearchRoundsOfWork(1'000'001, 200000), 2);
  EXPECT_EQ(SearchRoundsOfWork(4'000'000, 200000), 3);
  EXPECT_EQ(SearchRoundsOfWork(4'000'001, 200000), 4);
  EXPECT_EQ(SearchRoundsFor(0.2), 14);
  EXPECT_LT(SearchRoundsFor(0.05), SearchRoundsFor(0.2));
  EXPECT_LT(SearchRoundsFor(0.2), SearchRoundsFor(2.0));
}

// Real quotations and the bundled dictionary: one worker or two, the same seed gives the
// same verdicts, fills and order.
TEST(QuoteRanking, SameSeedSameRankingWhateverTheWorkers) {
  const std::string dictDir = DefaultDictDir(QUOTELLA_PROGRAM_DIR);
  ASSERT_TRUE(HasDictionary(dictDir));
  const auto dictionary = PreloadDictionary(dictDir);
  const std::vector<std::string> lines = {
      "Pope@An Essay on Man@Hope springs eternal in the human breast: Man never is, but "
      "always to be blest.",
      "Wilde@Dorian Gray@The only way to get rid of a temptation is to yield to it. Resist "
      "it, and your soul grows sick with longing for the things it has forbidden to itself.",
      "Twain@The Innocents Abroad@Travel is fatal to prejudice, bigotry, and "
      "narrow-mindedness, and many of our people need it sorely on these accounts.",
      "Nobody@Nothing@Too short"};
  RankOptions options;
  options.seed = 5;
  options.perQuote = 1.0;  // a generous time limit behind the work budget, even here
  options.workers = 1;
  const RankOutcome one = RankQuotes(lines, dictionary, options);
  options.workers = 2;
  const RankOutcome two = RankQuotes(lines, dictionary, options);
  ASSERT_EQ(one.ranks.size(), 4u);
  ASSERT_EQ(two.ranks.size(), 4u);
  for (std::size_t k = 0; k < 4; ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(one.ranks[k].line, two.ranks[k].line);
    EXPECT_EQ(one.ranks[k].fill, two.ranks[k].fill);
    EXPECT_EQ(one.ranks[k].score, two.ranks[k].score);
    EXPECT_EQ(one.ranks[k].familiarShare, two.ranks[k].familiarShare);
    EXPECT_EQ(one.ranks[k].fills, two.ranks[k].fills);
  }
  EXPECT_EQ(one.ranks[0].fill, RankFill::Filled);
  EXPECT_EQ(one.ranks[3].line, 4);
}

}  // namespace
}  // namespace quotella
