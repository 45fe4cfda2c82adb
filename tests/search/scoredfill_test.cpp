// Autofill with the constructor's scored word lists: which words the dictionary offers
// beside the lists, and fills drawn from them.
#include <gtest/gtest.h>

#include <algorithm>

#include "autofill_fixture.h"
#include "core/document.h"
#include "scored_fixture.h"
#include "search/autofillsource.h"
#include "search/filljob.h"
#include "search/wordlists.h"
#include "support/fakehost.h"

namespace quotella {
namespace {

class ScoredDictionary : public ::testing::Test {
 protected:
  test::TempDir m_temp;
  std::string m_dir = test::WriteSeatDictionary(m_temp);
};

std::vector<std::string> Marks(AutofillDictionary& dict, char initial) {
  std::vector<std::string> marks;
  for (const auto& w : dict.Words(initial))
    marks.push_back(w.word + (w.fromList ? "*" : "") +
                    (w.score >= 0 ? " " + std::to_string(w.score) : ""));
  return marks;
}

TEST_F(ScoredDictionary, OffersListedWordsWithTheirScoresAndNeverARuledOutOrOffensiveOne) {
  AutofillDictionary dict(m_dir);
  dict.AddListEntries({"stale", "seal"});
  // SATE listed, STEAL listed though not in the dictionary, SEAL below the minimum (ruled
  // out even from the user's list), SALE listed exactly at the minimum, STOAT on the
  // offensive-word list of the second dictionary.
  ASSERT_TRUE(WriteLinesAtomic(m_dir + kOffensiveFileName, {"stoat"}).ok());
  AutofillDictionary offended(m_dir);
  for (AutofillDictionary* d : {&dict, &offended}) {
    d->UseScoredWords(test::ScoredTable(
        {{"SATE", 80}, {"steal", 95}, {"Seal", 49}, {"SALE", 50}, {"STOAT", 100}}));
  }
  EXPECT_EQ(Marks(dict, 'S'),
            (std::vector<std::string>{"STALE*", "SALE 50", "SATE 80", "STEAL 95", "STOAT 100"}));
  EXPECT_EQ(Marks(offended, 'S'), (std::vector<std::string>{"SALE 50", "SATE 80", "STEAL 95"}));
  EXPECT_EQ(dict.ScoreOf("SEAL"), -1);
  EXPECT_FALSE(dict.ScoredOnly());

  // Without the dictionary: the list entries and the scored words only, no letter file read.
  dict.UseScoredWords(test::ScoredTable({{"TEAL", 70}}, 50, false));
  EXPECT_TRUE(dict.ScoredOnly());
  EXPECT_EQ(Marks(dict, 'T'), std::vector<std::string>{"TEAL 70"});
  EXPECT_EQ(Marks(dict, 'S'), (std::vector<std::string>{"STALE*", "SEAL*"}));

  // Lists named by no file, or none at all, leave the dictionary as it was.
  auto unnamed = test::ScoredTable({{"TEA", 10}}, 50, false);
  unnamed->files.clear();
  dict.UseScoredWords(unnamed);
  EXPECT_EQ(Marks(dict, 'T'), (std::vector<std::string>{"TEA", "TEAL"}));
  dict.UseScoredWords(nullptr);
  EXPECT_FALSE(dict.ScoredOnly());
  EXPECT_EQ(Marks(dict, 'T'), (std::vector<std::string>{"TEA", "TEAL"}));
}

class ScoredFill : public ScoredDictionary {
 protected:
  void SetUp() override { ASSERT_TRUE(test::MakeSeatTaleAle(m_doc)); }

  // Every row filled anew (the table holds SEAT TALE ALE), eight fills wanted.
  FillJob Prepare(std::shared_ptr<const ScoredWords> scored) {
    FillRequest request;
    request.rows = {0, 1, 2};
    request.seconds = 0;
    request.scored = std::move(scored);
    return Small(PrepareFill(m_doc, request, m_dir));
  }
  static FillJob Small(FillJob job) {
    job.options.improveRounds = 2;
    job.options.roundWork = 20000;
    return job;
  }

  test::FakeHost m_host;
  PuzzleDocument m_doc{m_host};
};

TEST_F(ScoredFill, TakesTheListedWordsAboveTheMinimumAndNeverOneBelowIt) {
  const AutofillResult plain = RunFill(Prepare(nullptr));
  EXPECT_EQ(plain.fills.at(0).words, (std::vector<std::string>{"SALE", "TEAL", "ATE"}));
  EXPECT_EQ(plain.fills[0].scored, 0);

  // The least familiar fill, all of whose S and A words are listed.
  const AutofillResult listed = RunFill(Prepare(test::ScoredTable({{"SATE", 80}, {"ALE", 60}})));
  ASSERT_EQ(listed.end, AutofillEnd::Filled);
  EXPECT_EQ(listed.fills[0].words, (std::vector<std::string>{"SATE", "TEAL", "ALE"}));
  EXPECT_EQ(listed.fills[0].scored, 2);
  EXPECT_EQ(listed.fills[0].MeanScore(), 70.0);

  // SALE, the dictionary's best, listed below the minimum: no fill takes it.
  const AutofillResult ruled = RunFill(Prepare(test::ScoredTable({{"SALE", 40}})));
  ASSERT_EQ(ruled.end, AutofillEnd::Filled);
  EXPECT_EQ(ruled.fills[0].words, (std::vector<std::string>{"SEAL", "TEAL", "ATE"}));
  for (const auto& fill : ruled.fills)
    EXPECT_EQ(std::count(fill.words.begin(), fill.words.end(), "SALE"), 0);
}

TEST_F(ScoredFill, WithoutTheDictionaryAPuzzleTheListsCannotFillSaysWhy) {
  const AutofillResult result =
      RunFill(Prepare(test::ScoredTable({{"SATE", 80}, {"ALE", 60}}, 50, false)));
  EXPECT_EQ(result.end, AutofillEnd::NoFill);
  EXPECT_TRUE(result.fills.empty());
  EXPECT_NE(result.reason.find("No word fits the answer starting with T"), std::string::npos)
      << result.reason;
  EXPECT_NE(result.reason.find(kScoredOnlyReason), std::string::npos) << result.reason;
}

TEST_F(ScoredFill, TheWindowsRequestCarriesTheNamedListsAndASharedDictionaryKeepsItsOwn) {
  WordSources sources;
  EXPECT_EQ(WindowFillRequest({}, 70, 10, 1, sources).scored, nullptr);
  auto named = test::ScoredTable({{"SATE", 80}, {"ALE", 60}});
  sources.Scored = named;
  EXPECT_EQ(WindowFillRequest({}, 70, 10, 1, sources).scored, named);

  // A dictionary shared by several jobs (the quote ranking's) keeps what it was given: a
  // request's lists are not added to it.
  auto shared = std::make_shared<AutofillDictionary>(m_dir);
  FillRequest request;
  request.rows = {0, 1, 2};
  request.seconds = 0;
  request.scored = named;
  const std::vector<std::string> familiar{"SALE", "TEAL", "ATE"};
  EXPECT_EQ(RunFill(Small(PrepareFill(m_doc, request, shared))).fills.at(0).words, familiar);
  shared->UseScoredWords(named);
  for (int job = 0; job < 2; ++job)
    EXPECT_EQ(RunFill(Small(PrepareFill(m_doc, request, shared))).fills.at(0).words,
              (std::vector<std::string>{"SATE", "TEAL", "ALE"}));
}

}  // namespace
}  // namespace quotella
