// The local search, the portfolio around it, the quality rules of a fill and the
// alternatives of one row.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>

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
#include "search/localfill.h"
#include "search_fixture.h"
#include "support/fakehost.h"

namespace quotella {
namespace {

using Words = test::AutofillWords;
using test::MakeRandomProblem;
using test::RandomProblem;
using test::SourceOf;
using test::Verified;

TEST(LocalSearch, NeverReturnsAFillThatBreaksThePoolAndAgreesWithTheExactEngine) {
  std::mt19937 rng(11);
  int filled = 0, impossible = 0;
  for (int round = 0; round < 200; ++round) {
    const RandomProblem r = MakeRandomProblem(rng, round % 4 != 3);
    const AutofillResult exact =
        RunExactFill(r.problem, SourceOf(r.words), test::SmallProblemOptions());
    AutofillOptions local = test::SmallProblemOptions();
    local.exact = false;
    local.chains = 1 + round % 2;
    local.solutions = 3;
    local.seed = static_cast<std::uint64_t>(round);
    // Without a fill to find the local search can only run out of time.
    if (exact.end == AutofillEnd::NoFill) local.timeLimit = 0.02;
    const AutofillResult got = RunAutofill(r.problem, SourceOf(r.words), local);
    for (const auto& f : got.fills) EXPECT_TRUE(Verified(r.problem, f.words)) << "round " << round;
    if (exact.end == AutofillEnd::Filled) {
      ++filled;
      EXPECT_TRUE(Verified(r.problem, exact.fills.front().words));
      EXPECT_EQ(got.end, AutofillEnd::Filled) << "round " << round;
      EXPECT_EQ(got.engine, "local search");
    } else {
      ++impossible;
      EXPECT_TRUE(got.fills.empty()) << "round " << round;
      // Without the exact engine only a cheap certificate proves there is no fill.
      EXPECT_EQ(got.end == AutofillEnd::NoFill, !got.reason.empty()) << "round " << round;
    }
  }
  EXPECT_GT(filled, 100);
  EXPECT_GT(impossible, 20);
}

TEST(LocalSearch, TheSameSeedGivesTheSameFillsAndAnotherSeedMayNot) {
  std::mt19937 rng(5);
  Words words;
  AutofillProblem p;
  // Many fills: twelve slots over two initials, thirty words each.
  for (int s = 0; s < 12; ++s) p.rowSlots.push_back({s, s % 2 ? 'S' : 'T'});
  for (char i : std::string("ST"))
    for (int n = 0; n < 30; ++n) {
      std::string w(1, i);
      const int len = 3 + static_cast<int>(rng() % 3);
      for (int k = 0; k < len; ++k) w += static_cast<char>('A' + rng() % 5);
      words[i].push_back({w, 10 + 10 * static_cast<int>(rng() % 7), false});
    }
  for (int s = 0; s < 12; ++s) {
    const std::string& w = words[s % 2 ? 'S' : 'T'][static_cast<std::size_t>(s)].word;
    for (std::size_t k = 1; k < w.size(); ++k) ++p.pool[static_cast<std::size_t>(w[k] - 'A')];
  }
  AutofillOptions o = test::SmallProblemOptions();
  o.solutions = 4;
  o.improveRounds = 3;
  std::set<std::vector<std::string>> firsts;
  for (std::uint64_t seed : {1u, 2u, 3u, 4u}) {
    o.seed = seed;
    const AutofillResult a = RunAutofill(p, SourceOf(words), o);
    const AutofillResult b = RunAutofill(p, SourceOf(words), o);
    ASSERT_EQ(a.end, AutofillEnd::Filled);
    ASSERT_EQ(a.fills.size(), b.fills.size());
    for (std::size_t k = 0; k < a.fills.size(); ++k) {
      EXPECT_EQ(a.fills[k].words, b.fills[k].words) << "seed " << seed;
      EXPECT_TRUE(Verified(p, a.fills[k].words));
      if (k > 0) {
        EXPECT_LE(a.fills[k - 1].penalty, a.fills[k].penalty);
      }
    }
    firsts.insert(a.fills.front().words);
  }
  EXPECT_GE(firsts.size(), 2u);
}

// A restart leaves nothing of the run before it: a chain started afresh with a seed walks
// exactly as a new chain with that seed, and the byte-lane distances of both agree with
// the fills they reach.
TEST(LocalSearch, ARestartedChainWalksLikeANewChainOfThatSeed) {
  std::mt19937 rng(23);
  int compared = 0;
  for (int round = 0; round < 40; ++round) {
    const RandomProblem r = MakeRandomProblem(rng, true);
    AutofillOptions o = test::SmallProblemOptions();
    const FillCandidates cands(r.problem, SourceOf(r.words), o);
    if (!cands.Impossibility().empty()) continue;
    LocalFillChain used(cands, 7, 4);
    used.Search(5000);
    used.Restart(99);
    LocalFillChain fresh(cands, 99, 4);
    EXPECT_EQ(used.Choice(), fresh.Choice()) << "round " << round;
    EXPECT_EQ(used.Cost(), fresh.Cost());
    const bool a = used.Search(20000), b = fresh.Search(20000);
    EXPECT_EQ(a, b) << "round " << round;
    EXPECT_EQ(used.Choice(), fresh.Choice()) << "round " << round;
    if (a) {
      std::vector<std::string> words;
      for (std::size_t s = 0; s < cands.Slots(); ++s)
        words.push_back(cands.Table(s).words[used.Choice()[s]]);
      EXPECT_TRUE(Verified(r.problem, words)) << "round " << round;
    }
    ++compared;
  }
  EXPECT_GT(compared, 20);
}

TEST(Autofill, ProvesThereIsNoFillOnlyWithACertificateOrTheWholeSearch) {
  const Words words{{'S', {{"SAT", 10, false}, {"SATS", 10, false}, {"SEA", 10, false}}},
                    {'T', {{"TEA", 10, false}}},
                    {'Q', {}}};
  struct Case {
    const char* name;
    AutofillProblem p;
    bool certificate;
  } cases[] = {
      {"a row without candidates", test::ProblemOf("SQ", "AT"), true},
      {"a letter no word takes", test::ProblemOf("ST", "AEAZ"), true},
      {"too many letters", test::ProblemOf("ST", "AEAEAEAE"), true},
      // SAT + SATS would use the pool up, but they are two forms of one word.
      {"only two forms of one word", test::ProblemOf("SS", "ATATS"), false},
  };
  for (const auto& c : cases) {
    const AutofillResult r = RunAutofill(c.p, SourceOf(words), test::SmallProblemOptions());
    EXPECT_EQ(r.end, AutofillEnd::NoFill) << c.name;
    EXPECT_EQ(!r.reason.empty(), c.certificate) << c.name << ": " << r.reason;
    EXPECT_EQ(r.engine, c.certificate ? "certificate" : "exact search") << c.name;
  }
}

TEST(Autofill, WhenTimeRunsOutTheBestPartialFillFitsThePool) {
  const test::RandomProblem odd = test::OddPoolProblem('M');
  const AutofillProblem& p = odd.problem;
  const test::AutofillWords& words = odd.words;
  AutofillOptions o = test::SmallProblemOptions();
  o.timeLimit = 0.2;  // on a clock of work: as many rounds on a slow build as on a fast one
  o.clock = test::SteppingClock(std::chrono::microseconds(50));
  const AutofillResult r = RunAutofill(p, SourceOf(words), o);
  EXPECT_EQ(r.end, AutofillEnd::TimeLimit);
  EXPECT_EQ(AutofillEndText(r.end), "No fill found within the time limit");
  ASSERT_EQ(r.partial.words.size(), p.rowSlots.size());
  LetterCounts used{};
  int kept = 0;
  for (std::size_t s = 0; s < r.partial.words.size(); ++s) {
    const std::string& w = r.partial.words[s];
    if (w.empty()) continue;
    ++kept;
    EXPECT_EQ(w[0], p.rowSlots[s].initial);
    for (std::size_t k = 1; k < w.size(); ++k) ++used[static_cast<std::size_t>(w[k] - 'A')];
  }
  EXPECT_GE(kept, 6);
  for (std::size_t l = 0; l < 26; ++l) EXPECT_LE(used[l], p.pool[l]) << static_cast<char>('A' + l);
}

TEST(FillQuality, StemsJoinTheFormsOfOneWordOnly) {
  const std::vector<std::vector<std::string>> same = {
      {"KAFFEEKLATCH", "KAFFEEKLATCHES"},
      {"MAKE", "MAKES", "MAKING"},
      {"RUN", "RUNS"},
      {"RUNNING", "RUNNER", "RUNNERS"},
      {"HAPPY", "HAPPIER", "HAPPIEST", "HAPPILY"},
      {"WALK", "WALKED", "WALKING", "WALKS"},
  };
  for (const auto& group : same)
    for (const auto& w : group) EXPECT_EQ(StemOf(w), StemOf(group.front())) << w;
  EXPECT_NE(StemOf("CAT"), StemOf("CART"));
  EXPECT_NE(StemOf("GLASS"), StemOf("GLAS"));
  EXPECT_NE(StemOf("SING"), StemOf("SIN"));  // too short to lose an ending

  const auto words = QuotationWords("It was the best of times, it was the WORST of times!");
  EXPECT_EQ(words, (std::unordered_set<std::string>{"BEST", "TIMES", "WORST"}));
  EXPECT_LT(WordPenalty(10, false, 50), WordPenalty(50, false, 50));
  EXPECT_LT(WordPenalty(50, false, 50) + 1.0, WordPenalty(60, false, 50));
  EXPECT_EQ(WordPenalty(70, true, 50), 0.0);
  EXPECT_LT(LengthPenalty({10, 10, 10}), LengthPenalty({4, 10, 16}));
}

TEST(FillQuality, AFillAvoidsQuotationWordsTableStemsAndPrefersFamiliarPairs) {
  test::FakeHost host;
  PuzzleDocument doc(host);
  InitPuzzleDefaults(doc);
  ResetPuzzle(doc);
  ASSERT_EQ(QuotesEditorDblClick(doc, "Al@So@Listen, also, to the tolls"), DblClickResult::Made);
  // Rows A, L, S, O; the pool holds the quotation's letters less the initials.
  AutofillOptions o = test::SmallProblemOptions();
  ASSERT_TRUE(LayInString(doc, "ATONE", 0));
  PrepareAutofillOptions(doc, o);
  EXPECT_EQ(o.exclude.count("LISTEN"), 1u);
  EXPECT_EQ(o.exclude.count("TOLLS"), 1u);
  EXPECT_EQ(o.exclude.count("THE"), 0u);
  EXPECT_EQ(o.exclude.count("ATONE"), 1u);
  EXPECT_EQ(o.excludeStems.count(StemOf("ATONES")), 1u);
}

TEST(AutofillDictionary, TheBundledBlocklistHoldsTheFormsOfItsWordsButNotLookalikes) {
  const std::string dictDir = QUOTELLA_PROGRAM_DIR "/";
  if (!HasDictionary(dictDir)) GTEST_SKIP() << "no dictionary in " << dictDir;
  AutofillDictionary dict(dictDir);
  for (const char* w : {"GODDAMN", "GODDAMMIT", "GODDAMNED", "BASTARDS", "FUCKS", "WHORES"})
    EXPECT_EQ(dict.Offensive().count(w), 1u) << w;
  for (const char* w : {"SPICES", "BONE", "BUGS", "TITTER", "COCKPIT", "DICKER"})
    EXPECT_EQ(dict.Offensive().count(w), 0u) << w;
  std::set<std::string> g;
  for (const auto& w : dict.Words('G')) g.insert(w.word);
  EXPECT_EQ(g.count("GODDAMMIT"), 0u);
  EXPECT_EQ(g.count("GODLY"), 1u);
}

// A complete puzzle of rows S, T, A (labels A, B, C) and the alternatives of its row S.
TEST(OtherAnswers, EachAlternativeLaidLeavesThePoolExactlyEmpty) {
  test::FakeHost host;
  PuzzleDocument doc(host);
  const Words words{{'S',
                     {{"SEAT", 10, false},
                      {"SATE", 20, false},
                      {"STEAL", 30, false},
                      {"SET", 10, false},
                      {"SEATS", 10, false},
                      {"SALE", 10, false}}},
                    {'T',
                     {{"TALE", 10, false},
                      {"TEAL", 20, false},
                      {"TEA", 10, false},
                      {"TAT", 10, false},
                      {"TALES", 10, false}}},
                    {'A', {{"ALE", 10, false}, {"ATE", 10, false}, {"ALES", 10, false}}}};
  ASSERT_TRUE(test::MakeSeatTaleAle(doc));
  ASSERT_TRUE(PoolIsEmpty(doc));
  AutofillOptions o = test::SmallProblemOptions();
  const auto alternatives = OtherAnswers(doc, 0, SourceOf(words), o);
  std::vector<std::string> texts;
  for (const auto& alt : alternatives) texts.push_back(AlternativeText(doc, alt));
  // SATE alone; STEAL trading with TALE, SALE with ALE. SEAT is the answer now (and a
  // word of the quotation, as TALE is), SET and SEATS leave letters no row can take.
  EXPECT_EQ(texts, (std::vector<std::string>{"SATE", "SALE (C: ATE)", "STEAL (B: TEA)"}));
  for (const auto& alt : alternatives) {
    const std::string was = Keystring(doc, 0);
    const std::string otherWas = alt.otherRow >= 0 ? Keystring(doc, alt.otherRow) : "";
    ASSERT_TRUE(LayAlternative(doc, 0, alt)) << AlternativeText(doc, alt);
    EXPECT_TRUE(PoolIsEmpty(doc)) << AlternativeText(doc, alt);
    EXPECT_EQ(Keystring(doc, 0), alt.word);
    ASSERT_TRUE(LayAlternative(doc, 0, {was, alt.otherRow, otherWas}));
    EXPECT_TRUE(PoolIsEmpty(doc));
  }
}

}  // namespace
}  // namespace quotella
