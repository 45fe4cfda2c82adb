// Letter weights as a proof that no fill exists.
#include "search/letterweighing.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>

#include "autofill_fixture.h"
#include "core/construction.h"
#include "core/textio.h"
#include "search/autofillsource.h"
#include "search/exactfill.h"
#include "search/wordsource.h"
#include "support/fakehost.h"

namespace quotella {
namespace {

using test::SourceOf;

// Every candidate takes an A and the pool has one A for two answers: each letter on its
// own fits, and so do the lengths, but weighing A negatively shows there is no fill. The
// portfolio ends on that proof without the exact engine.
TEST(LetterWeighing, ALetterEveryAnswerMustTakeEndsTheSearch) {
  const test::AutofillWords words{{'S', {{"SAB", 10, false}, {"SAC", 10, false}}},
                                  {'T', {{"TAB", 10, false}, {"TAC", 10, false}}}};
  const AutofillProblem p = test::ProblemOf("ST", "ABCC");
  const FillCandidates cands(p, SourceOf(words), test::SmallProblemOptions());
  ASSERT_EQ(cands.Impossibility(), "");
  LetterWeighing weighing(cands);
  ASSERT_TRUE(weighing.Search(100));
  EXPECT_GT(LetterWeighing::Slack(cands, weighing.Proof()), 0);
  EXPECT_LT(weighing.Proof()[0], 0);

  AutofillOptions o = test::SmallProblemOptions();
  o.exact = false;
  o.timeLimit = 20;
  const AutofillResult r = RunAutofill(p, SourceOf(words), o);
  EXPECT_EQ(r.end, AutofillEnd::NoFill);
  EXPECT_EQ(r.engine, "certificate");
  EXPECT_EQ(r.reason, LetterWeighing::Reason());
  EXPECT_LT(r.decided, 10.0);
}

// Weights never prove a pool that has a fill, and they prove many that have none: random
// pools planted from one word per slot, half of them with one letter swapped for another.
TEST(LetterWeighing, ProvesOnlyWhatTheWholeSearchConfirms) {
  std::mt19937 rng(17);
  int proved = 0, beyondSingleLetters = 0;
  for (int round = 0; round < 300; ++round) {
    test::RandomProblem r = test::MakeRandomProblem(rng, true);
    if (round % 2 == 1) {
      std::size_t from = rng() % 6;
      while (r.problem.pool[from] == 0) from = (from + 1) % 6;
      --r.problem.pool[from];
      ++r.problem.pool[(from + 1 + rng() % 5) % 6];
    }
    const FillCandidates cands(r.problem, SourceOf(r.words), test::SmallProblemOptions());
    LetterWeighing weighing(cands);
    if (!weighing.Search(300)) continue;
    ++proved;
    EXPECT_GT(LetterWeighing::Slack(cands, weighing.Proof()), 0) << "round " << round;
    EXPECT_EQ(RunExactFill(r.problem, SourceOf(r.words), test::SmallProblemOptions()).end,
              AutofillEnd::NoFill)
        << "round " << round;
    int lettersWeighed = 0;
    for (auto w : weighing.Proof()) lettersWeighed += w != 0;
    beyondSingleLetters += cands.Impossibility().empty() && lettersWeighed > 1;
  }
  EXPECT_GT(proved, 30);
  EXPECT_GT(beyondSingleLetters, 5);
}

// The candidates of a real quotation line with the bundled dictionary.
class RealLine {
 public:
  RealLine(AutofillDictionary& dict, const std::string& line) : m_doc(m_host) {
    InitPuzzleDefaults(m_doc);
    ResetPuzzle(m_doc);
    m_made = QuotesEditorDblClick(m_doc, line) == DblClickResult::Made;
    m_problem = MakeAutofillProblem(m_doc);
    PrepareAutofillOptions(m_doc, m_options);
    m_cands.emplace(m_problem, dict.Source(), m_options);
  }
  bool Made() const { return m_made; }
  const FillCandidates& Candidates() const { return *m_cands; }

 private:
  test::FakeHost m_host;
  PuzzleDocument m_doc;
  bool m_made = false;
  AutofillProblem m_problem;
  AutofillOptions m_options;
  std::optional<FillCandidates> m_cands;
};

std::string LineOf(const char* path, const std::string& start) {
  const auto lines = ReadTextLines(path);
  if (lines)
    for (const auto& line : *lines)
      if (line.rfind(start, 0) == 0) return line;
  return {};
}

// Two long-answer lines with the real dictionary: the Odyssey line of the bench file has
// no fill, which single letters and lengths cannot show but weights of many letters do;
// the Dorian Gray line has fills, on a pool so heavy in H and F that the local search
// weighs them more.
TEST(LetterWeighing, RealLongAnswerLines) {
  const std::string dictDir = QUOTELLA_PROGRAM_DIR "/";
  if (!HasDictionary(dictDir)) GTEST_SKIP() << "no dictionary in " << dictDir;
  AutofillDictionary dict(dictDir);

  const RealLine odyssey(
      dict, LineOf(QUOTELLA_SOURCE_DIR "/tests/data/bench_quotes.txt", "Homer@The Odyssey@"));
  ASSERT_TRUE(odyssey.Made());
  EXPECT_EQ(odyssey.Candidates().Impossibility(), "");
  LetterWeighing weighing(odyssey.Candidates());
  ASSERT_TRUE(weighing.Search(600));
  EXPECT_GT(LetterWeighing::Slack(odyssey.Candidates(), weighing.Proof()), 0);
  int lettersWeighed = 0;
  for (auto w : weighing.Proof()) lettersWeighed += w != 0;
  EXPECT_GT(lettersWeighed, 5);

  const RealLine dorian(
      dict, LineOf(QUOTELLA_SOURCE_DIR "/resources/long_answer_quotes.txt", "Wilde@Dorian Gray@"));
  ASSERT_TRUE(dorian.Made());
  const auto& w = dorian.Candidates().LetterWeights();
  EXPECT_EQ(w['H' - 'A'], 3);
  EXPECT_EQ(w['F' - 'A'], 2);
  for (char c : std::string("AEINORST")) EXPECT_EQ(w[c - 'A'], 1) << c;
  LetterWeighing none(dorian.Candidates());
  EXPECT_FALSE(none.Search(200));
}

}  // namespace
}  // namespace quotella
