// Autofill answers a stop and keeps its time limit within milliseconds, even on a long
// puzzle whose candidate tables make every round of the search slow, and a worker's Stop
// returns at once. The bounds are generous (the sanitizer build is slow); a search that only
// looked at its stop and its clock between rounds takes far longer on this puzzle.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <future>
#include <numeric>
#include <thread>

#include "autofill_fixture.h"
#include "core/construction.h"
#include "core/document.h"
#include "core/textio.h"
#include "search/autofill.h"
#include "search/autofillsource.h"
#include "search/autofillworker.h"
#include "search/filljob.h"
#include "search/wordsource.h"
#include "support/fakehost.h"

namespace quotella {
namespace {

using Clock = std::chrono::steady_clock;
using Millis = std::chrono::duration<double, std::milli>;

// Far above the 50 ms the search keeps on a release build, for the sanitizer build on a busy
// machine; a search that looks at its stop and its clock only between rounds takes seconds.
constexpr double kGenerousMs = 3000;

const char* const kDict = QUOTELLA_PROGRAM_DIR "/";

// The longest of the long-answer quotations (long answers, large candidate tables), made into
// a puzzle, with one E more in the pool
// than its letters: no fill exists, and nothing proves it quickly, so the search runs until
// it is stopped or its time is up.
class LongPuzzleSearch : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!HasDictionary(kDict)) GTEST_SKIP() << "no bundled dictionary";
    const auto lines = ReadTextLines(QUOTELLA_SOURCE_DIR "/resources/long_answer_quotes.txt");
    ASSERT_TRUE(lines);
    std::string longest;
    for (const auto& line : *lines)
      if (line.size() > longest.size()) longest = line;
    InitPuzzleDefaults(doc);
    ResetPuzzle(doc);
    ASSERT_EQ(QuotesEditorDblClick(doc, longest), DblClickResult::Made);
    ASSERT_GE(doc.P.NumWords, 15);
    request.seconds = 0;
    job = std::make_shared<FillJob>(PrepareFill(doc, request, kDict));
    ++job->problem.pool[LetterIndex('E')];
    for (char c = 'A'; c <= 'Z'; ++c) job->dictionary->Words(c);  // read before any timing
  }

  test::FakeHost host;
  PuzzleDocument doc{host};
  FillRequest request;
  std::shared_ptr<FillJob> job;
};

// The steady clock, moved on by an hour when asked: the deadline passes at the moment the
// test chooses, whatever the machine's speed.
struct JumpingClock {
  std::shared_ptr<std::atomic<bool>> jumped = std::make_shared<std::atomic<bool>>(false);
  SearchDeadline::Clock Function() const {
    return [jumped = jumped] {
      return Clock::now() + (jumped->load() ? std::chrono::hours(1) : Clock::duration{});
    };
  }
};

TEST_F(LongPuzzleSearch, TheTimeLimitEndsTheSearchWithinMillisecondsOfPassing) {
  JumpingClock clock;
  job->options.timeLimit = 60;
  job->options.clock = clock.Function();
  std::promise<void> underway;
  std::atomic<bool> told = false;
  auto progress = [&](const AutofillProgress&) {
    if (!told.exchange(true)) underway.set_value();
  };
  Clock::time_point returned;
  AutofillResult result;
  std::thread search([&] {
    result = RunAutofill(job->problem, job->Source(), job->options, {}, progress);
    returned = Clock::now();
  });
  ASSERT_EQ(underway.get_future().wait_for(std::chrono::seconds(60)), std::future_status::ready);
  const Clock::time_point passed = Clock::now();
  clock.jumped->store(true);
  search.join();
  EXPECT_EQ(result.end, AutofillEnd::TimeLimit);
  EXPECT_LT(Millis(returned - passed).count(), kGenerousMs);
  EXPECT_GT(result.progress.nodes, 0u);
}

TEST_F(LongPuzzleSearch, AStopWhileTheCandidatesAreBuiltEndsTheSearchThere) {
  // The stop comes as the first words are asked for: the search ends before any round,
  // however long the tables would take to build.
  std::stop_source stop;
  const AutofillWordSource asking = [&](char initial) -> const std::vector<AutofillWord>& {
    stop.request_stop();
    return job->dictionary->Words(initial);
  };
  const AutofillResult r = RunAutofill(job->problem, asking, job->options, stop.get_token());
  EXPECT_EQ(r.end, AutofillEnd::Stopped);
  EXPECT_EQ(r.progress.nodes, 0u);
}

TEST_F(LongPuzzleSearch, AWorkersStopReturnsAtOnceAndTheStoppedResultFollowsQuickly) {
  std::promise<void> underway;
  std::atomic<bool> told = false;
  std::promise<std::pair<AutofillResult, Clock::time_point>> done;
  AutofillWorker worker;  // last: it joins its thread before what the callbacks use goes
  worker.Start(
      job,
      [&](const AutofillProgress&) {
        if (!told.exchange(true)) underway.set_value();
      },
      [&](AutofillResult r) {
        done.set_value({std::move(r), Clock::now()});
      });
  ASSERT_EQ(underway.get_future().wait_for(std::chrono::seconds(60)), std::future_status::ready);
  EXPECT_TRUE(worker.Running());
  const Clock::time_point asked = Clock::now();
  worker.Stop();
  const Clock::time_point back = Clock::now();
  auto arrival = done.get_future();
  ASSERT_EQ(arrival.wait_for(std::chrono::seconds(60)), std::future_status::ready)
      << "Stop did not end the search";
  const auto [result, at] = arrival.get();
  EXPECT_EQ(result.end, AutofillEnd::Stopped);
  EXPECT_EQ(AutofillEndText(result.end), "Autofill stopped");
  // Stop only asks: the search is still winding down (or just ended) when it returns.
  EXPECT_LT(Millis(back - asked).count(), 20.0);
  EXPECT_LT(Millis(at - asked).count(), kGenerousMs);
}

TEST_F(LongPuzzleSearch, AStartedSearchDropsTheResultOfTheOneItReplaced) {
  std::atomic<int> first = 0;
  std::promise<AutofillResult> second;
  auto arrival = second.get_future();
  {
    AutofillWorker worker;
    worker.Start(job, {}, [&](AutofillResult) { ++first; });
    auto nothing = std::make_shared<FillJob>(*job);
    nothing->problem.rowSlots.clear();  // answers at once
    worker.Start(nothing, {}, [&](AutofillResult r) { second.set_value(std::move(r)); });
    ASSERT_EQ(arrival.wait_for(std::chrono::seconds(60)), std::future_status::ready);
    EXPECT_EQ(arrival.get().end, AutofillEnd::NothingToFill);
  }  // the replaced search has ended too once the worker is gone
  EXPECT_EQ(first.load(), 0);
}

}  // namespace
}  // namespace quotella
