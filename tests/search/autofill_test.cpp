#include "search/autofill.h"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <future>
#include <iterator>
#include <map>
#include <random>
#include <set>

#include <unistd.h>

#include "autofill_fixture.h"
#include "core/answertable.h"
#include "core/assignment.h"
#include "core/construction.h"
#include "core/textio.h"
#include "files/filesession.h"
#include "files/puzzlefile.h"
#include "search/autofillsource.h"
#include "search/autofillworker.h"
#include "search/exactfill.h"
#include "search/fillalternatives.h"
#include "search/fillquality.h"
#include "support/fakehost.h"

namespace quotella {
namespace {

using Words = test::AutofillWords;
using test::ProblemOf;
using test::SourceOf;

// A fill is sound when each word starts with its slot's initial and the words' letters
// after the initials are exactly the pool.
void ExpectSound(const AutofillProblem& p, const AutofillFill& fill) {
  ASSERT_EQ(fill.words.size(), p.rowSlots.size());
  LetterCounts used{};
  for (std::size_t s = 0; s < p.rowSlots.size(); ++s) {
    ASSERT_FALSE(fill.words[s].empty());
    EXPECT_EQ(fill.words[s][0], p.rowSlots[s].initial);
    for (std::size_t k = 1; k < fill.words[s].size(); ++k)
      ++used[static_cast<std::size_t>(fill.words[s][k] - 'A')];
  }
  EXPECT_EQ(used, p.pool);
  std::set<std::string> distinct(fill.words.begin(), fill.words.end());
  EXPECT_EQ(distinct.size(), fill.words.size()) << "a word used twice";
}

TEST(ExactFill, FindsEveryFillOfSmallRandomProblemsAndProvesWhenThereIsNone) {
  // Brute force over all combinations is the reference: the set of fills and whether any
  // exists must agree, whatever the pruning, the restarts and the remembered states do.
  std::mt19937 rng(7);
  int withFill = 0, without = 0;
  for (int round = 0; round < 60; ++round) {
    const std::string initials = round % 3 == 0 ? "SSTA" : "STAB";
    Words words;
    for (char i : std::string("STAB")) {
      for (int n = 0; n < 7; ++n) {
        std::string w(1, i);
        const int len = 1 + static_cast<int>(rng() % 4);
        for (int k = 0; k < len; ++k) w += static_cast<char>('A' + rng() % 4);
        words[i].push_back({w, 10 + static_cast<int>(rng() % 60), false});
      }
    }
    std::string poolLetters;
    for (char i : initials) poolLetters += words[i][rng() % 7].word.substr(1);
    if (round % 4 == 1) poolLetters += 'Z';  // now no fill can exist
    AutofillProblem p = ProblemOf(initials, poolLetters);

    std::set<std::vector<std::string>> expected;
    std::vector<std::string> pick(4);
    auto brute = [&](auto&& self, std::size_t s) -> void {
      if (s == 4) {
        LetterCounts used{};
        for (const auto& w : pick)
          for (std::size_t k = 1; k < w.size(); ++k) ++used[static_cast<std::size_t>(w[k] - 'A')];
        std::set<std::string> stems;
        for (const auto& w : pick) stems.insert(StemOf(w));
        if (used == p.pool && stems.size() == 4) expected.insert(pick);
        return;
      }
      std::set<std::string> seen;
      for (const auto& w : words[initials[s]])
        if (seen.insert(w.word).second) {
          pick[s] = w.word;
          self(self, s + 1);
        }
    };
    brute(brute, 0);

    const AutofillResult r = RunExactFill(p, SourceOf(words), test::SmallProblemOptions(1000));
    std::set<std::vector<std::string>> got;
    for (const auto& f : r.fills) {
      ExpectSound(p, f);
      got.insert(f.words);
    }
    EXPECT_EQ(got, expected) << "round " << round;
    EXPECT_EQ(got.size(), r.fills.size()) << "a fill listed twice";
    EXPECT_EQ(r.end, expected.empty() ? AutofillEnd::NoFill : AutofillEnd::Filled);
    (expected.empty() ? without : withFill)++;
  }
  EXPECT_GT(withFill, 10);
  EXPECT_GT(without, 10);
}

TEST(Autofill, PrefersFamiliarWordsAndIsDeterministic) {
  const Words words{{'S', {{"SAT", 70, false}, {"SIT", 10, false}}},
                    {'T', {{"TIE", 70, false}, {"TAE", 20, false}}}};
  // Pool A I E T: SAT+TIE or SIT+TAE; the second pair is all familiar.
  const AutofillProblem p = ProblemOf("ST", "AEIT");
  // The exact engine lists both, best first; the portfolio trades the worse pair away.
  const AutofillResult r = RunExactFill(p, SourceOf(words), test::SmallProblemOptions(5));
  ASSERT_EQ(r.fills.size(), 2u);
  EXPECT_EQ(r.fills[0].words, (std::vector<std::string>{"SIT", "TAE"}));
  EXPECT_EQ(r.fills[0].familiar, 2);
  EXPECT_EQ(r.fills[1].familiar, 0);
  EXPECT_GT(r.fills[0].score, r.fills[1].score);
  const AutofillResult again = RunExactFill(p, SourceOf(words), test::SmallProblemOptions(5));
  EXPECT_EQ(again.fills[0].words, r.fills[0].words);
  EXPECT_EQ(again.fills[1].words, r.fills[1].words);
  const AutofillResult best = RunAutofill(p, SourceOf(words), test::SmallProblemOptions(5));
  ASSERT_EQ(best.end, AutofillEnd::Filled);
  EXPECT_EQ(best.fills[0].words, (std::vector<std::string>{"SIT", "TAE"}));
  EXPECT_EQ(best.fills[0].familiar, 2);
}

TEST(Autofill, OptionsAndLockedLettersRestrictTheWords) {
  const Words words{{'S', {{"SAT", 10, false}, {"SATE", 10, false}, {"SA", 10, false}}},
                    {'T', {{"TEA", 10, false}, {"TE", 10, false}, {"TATE", 10, false}}}};
  const AutofillProblem p = ProblemOf("ST", "AAETT");  // SAT+TATE, SATE+TAT?, SA+?...
  struct Case {
    const char* name;
    std::function<void(AutofillOptions&, AutofillProblem&)> set;
    std::vector<std::string> first;  // empty: no fill
  } cases[] = {
      {"plain", [](AutofillOptions&, AutofillProblem&) {}, {"SAT", "TATE"}},
      {"max length 3", [](AutofillOptions& o, AutofillProblem&) { o.maxLength = 3; }, {}},
      {"excluded", [](AutofillOptions& o, AutofillProblem&) { o.exclude = {"TATE"}; }, {}},
      {"locked E", [](AutofillOptions&, AutofillProblem& q) { q.locked[4] = true; }, {}},
      {"min length 4", [](AutofillOptions& o, AutofillProblem&) { o.minLength = 4; }, {}},
  };
  for (const auto& c : cases) {
    AutofillOptions o = test::SmallProblemOptions();
    AutofillProblem q = p;
    c.set(o, q);
    const AutofillResult r = RunAutofill(q, SourceOf(words), o);
    if (c.first.empty()) {
      EXPECT_EQ(r.end, AutofillEnd::NoFill) << c.name;
      EXPECT_EQ(AutofillEndText(r.end), "No fill exists");
    } else {
      ASSERT_EQ(r.end, AutofillEnd::Filled) << c.name;
      EXPECT_EQ(r.fills[0].words, c.first) << c.name;
    }
  }
}

TEST(Autofill, StopsOnRequestAndAtTheTimeLimitWithoutClaimingThereIsNoFill) {
  const test::RandomProblem odd = test::OddPoolProblem('U');
  const AutofillProblem& p = odd.problem;
  const test::AutofillWords& words = odd.words;
  std::stop_source stop;
  stop.request_stop();
  AutofillOptions o = test::SmallProblemOptions();
  EXPECT_EQ(RunAutofill(p, SourceOf(words), o, stop.get_token()).end, AutofillEnd::Stopped);

  // A stop while the search runs: only the stop can end it before the fail-safe limit.
  std::stop_source later;
  std::promise<void> underway;
  std::atomic<bool> told = false;
  o.timeLimit = 60;
  auto running = std::async(std::launch::async, [&] {
    return RunAutofill(p, SourceOf(words), o, later.get_token(), [&](const AutofillProgress&) {
      if (!told.exchange(true)) underway.set_value();
    });
  });
  ASSERT_EQ(underway.get_future().wait_for(std::chrono::seconds(60)), std::future_status::ready);
  later.request_stop();
  EXPECT_EQ(running.get().end, AutofillEnd::Stopped);

  o.timeLimit = 0.05;  // on a clock of work, so that the search gets as far on any build
  o.clock = test::SteppingClock(std::chrono::microseconds(20));
  int reports = 0;
  const AutofillResult r = RunAutofill(p, SourceOf(words), o, {}, [&](const AutofillProgress& pr) {
    ++reports;
    EXPECT_EQ(pr.rows, 20);
  });
  EXPECT_EQ(r.end, AutofillEnd::TimeLimit);
  EXPECT_EQ(AutofillEndText(r.end), "No fill found within the time limit");
  EXPECT_GT(r.progress.nodes, 1000u);
  EXPECT_GE(reports, 1);
}

TEST(Autofill, NothingToFillWithoutEmptyRows) {
  EXPECT_EQ(RunAutofill(ProblemOf("", "A"), SourceOf({}), test::SmallProblemOptions()).end,
            AutofillEnd::NothingToFill);
}

TEST(AutofillDictionary, NeverProposesAnOffensiveWordAndRanksListWordsFirst) {
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() / "quotella_autofill_dict";
  fs::create_directories(dir);
  ASSERT_TRUE(WriteLinesAtomic((dir / "s.txt").string(), {"s", "sat", "Sit", "SOT"}).ok());
  ASSERT_TRUE(WriteLinesAtomic((dir / "offensive.txt").string(), {"# comment", "", "sot"}).ok());
  ASSERT_TRUE(WriteLinesAtomic((dir / "familiarity.txt").string(), {"SAT 20", "SIT 60"}).ok());
  AutofillDictionary dict(dir.string() + "/");
  dict.AddListEntries({"sit @ a comment", "SOT", "S"});
  std::vector<std::string> got;
  for (const auto& w : dict.Words('S')) got.push_back(w.word + (w.fromList ? "*" : ""));
  EXPECT_EQ(got, (std::vector<std::string>{"SIT*", "SAT", "SIT"}));
  EXPECT_EQ(dict.Words('S')[1].size, 20);
  EXPECT_TRUE(dict.Words('Q').empty());
  EXPECT_EQ(dict.Unreadable().size(), 1u);
  fs::remove_all(dir);
}

TEST(AutofillDictionary, AFolderWithoutItsOwnBlocklistTakesTheBundledOneWithOneWarning) {
  namespace fs = std::filesystem;
  const fs::path dir = fs::temp_directory_path() / ("quotella_no_blocklist \xC5\x82\xC3\xB3"
                                                    "d\xC5\xBA " +
                                                    std::to_string(::getpid()));
  fs::create_directories(dir);
  const std::string dictDir = dir.string() + "/";
  ASSERT_TRUE(WriteLinesAtomic(dictDir + "b.txt", {"bastard", "basket", "bitch", "bitter"}).ok());
  test::FakeHost host;
  AutofillDictionary dict(dictDir, &host);
  EXPECT_TRUE(dict.BundledBlocklist());
  std::vector<std::string> got;
  for (const auto& w : dict.Words('B')) got.push_back(w.word);
  EXPECT_EQ(got, (std::vector<std::string>{"BASKET", "BITTER"}));
  EXPECT_EQ(host.messages, std::vector<std::string>{NoOffensiveListWarning(dictDir)});
  EXPECT_NE(host.messages[0].find(dictDir), std::string::npos);

  // Each fill makes its dictionary anew: the folder is not named again in this run.
  AutofillDictionary again(dictDir, &host);
  EXPECT_TRUE(again.BundledBlocklist());
  EXPECT_EQ(host.messages.size(), 1u);

  // The user's own list, even an empty one, is the list: nothing bundled, no warning.
  ASSERT_TRUE(WriteLinesAtomic(dictDir + kOffensiveFileName, {"# mine", "basket"}).ok());
  test::FakeHost quiet;
  AutofillDictionary own(dictDir, &quiet);
  EXPECT_FALSE(own.BundledBlocklist());
  got.clear();
  for (const auto& w : own.Words('B')) got.push_back(w.word);
  EXPECT_EQ(got, (std::vector<std::string>{"BASTARD", "BITCH", "BITTER"}));
  EXPECT_TRUE(quiet.messages.empty());
  fs::remove_all(dir);
}

TEST(AutofillDictionary, TheCompiledInBlocklistIsTheOneInTheResources) {
  std::ifstream in(QUOTELLA_SOURCE_DIR "/resources/offensive.txt", std::ios::binary);
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ASSERT_FALSE(text.empty());
  EXPECT_EQ(BundledOffensiveText(), text);
  EXPECT_EQ(OffensiveWordsOf(BundledOffensiveText()),
            LoadOffensiveWords(QUOTELLA_SOURCE_DIR "/resources/offensive.txt"));
}

// The real dictionary on real quotations: every fill is laid with the normal assignment,
// empties the pool, and survives saving and loading the puzzle file.
TEST(AutofillDictionary, FillsOfRealQuotationsEmptyThePoolAndSurviveAReload) {
  namespace fs = std::filesystem;
  const std::string dictDir = QUOTELLA_PROGRAM_DIR "/";
  if (!HasDictionary(dictDir)) GTEST_SKIP() << "no dictionary in " << dictDir;
  const auto lines = ReadTextLines(QUOTELLA_SOURCE_DIR "/tests/data/bench_quotes.txt");
  ASSERT_TRUE(lines.has_value());
  AutofillDictionary dict(dictDir);
  ASSERT_FALSE(dict.Offensive().empty());
  const fs::path file = fs::temp_directory_path() / "quotella_autofill_reload.qtl";
  for (std::size_t q : {1u, 6u, 12u}) {
    test::FakeHost host;
    PuzzleDocument doc(host);
    InitPuzzleDefaults(doc);
    ResetPuzzle(doc);
    ASSERT_EQ(QuotesEditorDblClick(doc, (*lines)[q]), DblClickResult::Made);
    // A row the user filled stays as it is.
    if (doc.P.PoolOf('E') > 0) {
      ASSERT_TRUE(LayInString(doc, doc.KeyWords.At(1, 0) + "E", 0));
    }
    const AutofillProblem problem = MakeAutofillProblem(doc);
    AutofillOptions options;
    options.timeLimit = 0;  // none: whether it fills depends on the seed, not the machine
    options.exclude = WordsInTable(doc);
    const AutofillResult r = RunAutofill(problem, dict.Source(), options);
    ASSERT_EQ(r.end, AutofillEnd::Filled) << (*lines)[q];
    const AutofillFill& fill = r.fills.front();
    ExpectSound(problem, fill);
    for (const auto& w : fill.words) EXPECT_EQ(dict.Offensive().count(w), 0u) << w;
    ASSERT_TRUE(LayFill(doc, problem, fill));
    EXPECT_TRUE(PoolIsEmpty(doc));
    EXPECT_EQ(NumEmpty(doc), 0);

    FileSession session;
    ASSERT_TRUE(SavePuzzleAs(doc, session, file.string()));
    test::FakeHost host2;
    PuzzleDocument loaded(host2);
    FileSession session2;
    ASSERT_TRUE(LoadPuzzleFile(loaded, session2, file.string()));
    EXPECT_TRUE(PoolIsEmpty(loaded));
    for (std::size_t s = 0; s < problem.rowSlots.size(); ++s)
      EXPECT_EQ(Keystring(loaded, problem.rowSlots[s].row), fill.words[s]);
    EXPECT_TRUE(host2.messages.empty());
  }
  fs::remove(file);
}

}  // namespace
}  // namespace quotella

namespace quotella {
namespace {

TEST(AutofillWorker, DeliversTheResultFromItsThreadAndStopsOnRequest) {
  const Words words{{'S', {{"SAT", 10, false}}}, {'T', {{"TEA", 10, false}}}};
  AutofillWorker worker;
  std::promise<AutofillResult> done;
  worker.Start(ProblemOf("ST", "AEAT"), SourceOf(words), test::SmallProblemOptions(), {},
               [&done](AutofillResult r) { done.set_value(std::move(r)); });
  const AutofillResult r = done.get_future().get();
  ASSERT_EQ(r.end, AutofillEnd::Filled);
  EXPECT_EQ(r.fills[0].words, (std::vector<std::string>{"SAT", "TEA"}));
  worker.Stop();
  EXPECT_FALSE(worker.Running());

  // A search with no end but its fail-safe limit: Stop ends it, and since the worker reads
  // the caller's words it waits until the result is out.
  const test::RandomProblem odd = test::OddPoolProblem('U');
  AutofillOptions endless = test::SmallProblemOptions();
  endless.timeLimit = 60;
  std::promise<void> underway;
  std::atomic<bool> told = false;
  std::atomic<int> stopped = 0;
  worker.Start(
      odd.problem, SourceOf(odd.words), endless,
      [&](const AutofillProgress&) {
        if (!told.exchange(true)) underway.set_value();
      },
      [&](AutofillResult r) { stopped += r.end == AutofillEnd::Stopped; });
  ASSERT_EQ(underway.get_future().wait_for(std::chrono::seconds(60)), std::future_status::ready);
  worker.Stop();
  EXPECT_EQ(stopped.load(), 1);
  EXPECT_FALSE(worker.Running());
}

}  // namespace
}  // namespace quotella
