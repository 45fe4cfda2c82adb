#include "search/heuristic.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <mutex>
#include <thread>

#include "core/answertable.h"
#include "core/assignment.h"
#include "core/construction.h"
#include "search/wordsource.h"
#include "support/fakehost.h"

namespace quotella {
namespace {

namespace fs = std::filesystem;
using test::FakeHost;

// "Al@Ox@A lot, I tax not": rows A, L, O, X; with XI in the X row the pool holds
// A N O T T T, which ANT, LOT and OAT use up.
class HeuristicTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir = fs::temp_directory_path() /
          ("quotella_heuristic_" + std::to_string(reinterpret_cast<std::uintptr_t>(this)));
    fs::create_directories(dir);
    InitPuzzleDefaults(doc);
    ResetPuzzle(doc);
    ASSERT_EQ(QuotesEditorDblClick(doc, "Al@Ox@A lot, I tax not"), DblClickResult::Made);
    ASSERT_TRUE(LayInString(doc, "XI", 3));
    WriteLetters({{"a", {"ATE", "ANT", "at"}},
                  {"l", {"LOTTO", "LAT", "LOT"}},
                  {"o", {"OTTO", "ONTO", "OAT", "ON"}}});
    lists = {{{"user1"}, {"user2"}, {"user3"}, {"old log"}}};
    search.DictDir = dir.string() + "/";
    search.ReloadWordLists = [this] { ++reloads; };
    doc.Conditions.on = true;
    reloads = 0;
    host.Clear();
  }
  void TearDown() override { fs::remove_all(dir); }

  void WriteLetters(const std::map<std::string, std::vector<std::string>>& files) {
    for (const auto& [letter, words] : files) {
      std::ofstream out(dir / (letter + ".txt"), std::ios::binary);
      for (const auto& w : words) out << w << "\r\n";
    }
  }

  std::vector<std::string> Reports() const {
    std::vector<std::string> texts;
    for (const auto& s : host.statuses)
      if (s.bar == StatusBar::Main && s.panel == kMessagePanel) texts.push_back(s.text);
    return texts;
  }

  FakeHost host;
  PuzzleDocument doc{host};
  fs::path dir;
  std::array<LineStore, 4> lists;
  std::vector<std::string> candidates{"old candidate"};
  HeuristicSearch search{doc, {{&lists[0], &lists[1], &lists[2], &lists[3]}, &candidates}};
  int reloads = 0;
};

TEST_F(HeuristicTest, PreparationReportsEveryStepAndLeavesTheFittingShortWords) {
  ASSERT_EQ(search.Prepare(), HeuristicSearch::Prepared::Ready);
  const std::string d = search.DictDir;
  const std::vector<std::string> expected{
      "Preparing Lists....",
      "",
      "Loading " + d + "A.txt",
      "Loading " + d + "L.txt",
      "Loading " + d + "O.txt",
      "",
      "WORKING, please wait...",
      "Clearing empty lines in List 1",
      "",
      "WORKING, please wait...",
      "Clearing empty lines in List 2",
      "",
      "WORKING, please wait...",
      "Clearing empty lines in List 3",
      "",
      "Pruning lists... please wait..",
      "Pruned 0 words from list 1",
      "Pruned 0 words from list 2",
      "Pruned 2 words from list 3",
      "",
      "Lists are ready for brute force search.",
      "This can take a long time... To end search, right-click menu, \"End Heurisitic Search "
      "Now\""};
  EXPECT_EQ(Reports(), expected);
  EXPECT_EQ(lists[0], (std::vector<std::string>{"ANT", "AT"}));  // sorted, ATE does not fit
  EXPECT_EQ(lists[1], (std::vector<std::string>{"LAT", "LOT"}));
  EXPECT_EQ(lists[2], (std::vector<std::string>{"OAT", "ON"}));  // ONTO, OTTO too long
  EXPECT_EQ(lists[3], (std::vector<std::string>{"One moment please.....",
                                                "Preparing the brute force search"}));
  ASSERT_EQ(host.sounds.size(), 6u);
  EXPECT_TRUE(host.sounds[0].sync);
  EXPECT_EQ(host.SoundNames(),
            (std::vector<std::string>{"qclick", "qclick", "qclick", "ding", "ding", "ding"}));
  EXPECT_EQ(host.questions, (std::vector<std::string>{"Do you want to prune the 3 lists?"}));
  EXPECT_FALSE(doc.Conditions.on);  // the scans ran without conditions
  EXPECT_EQ(search.TargetRows(), (std::array<int, 3>{0, 1, 2}));
  EXPECT_EQ(search.PoolTotal(), 6);
}

TEST_F(HeuristicTest, SearchListsTheSolutionAndLayingItEmptiesThePool) {
  ASSERT_EQ(search.Prepare(), HeuristicSearch::Prepared::Ready);
  // While the search is on, a solution is refused.
  EXPECT_EQ(search.LaySolution("ANT * LOT * OAT"), 0);
  EXPECT_EQ(host.messages.back(),
            "First you must exit the Heuristic Search!\rRight-Click Wordlist and select \"End "
            "Search Now\"");

  const ThreeWordOutcome outcome = search.Run();
  EXPECT_EQ(outcome.solutions, 1);
  EXPECT_EQ(lists[3], (std::vector<std::string>{"Beginning brute force search",
                                                "Use Right-click menu to EXIT", "ANT * LOT * OAT",
                                                "Found 1 solutions"}));
  EXPECT_EQ(candidates, (std::vector<std::string>{"!ANT*LOT*OAT"}));
  EXPECT_FALSE(search.Searching());
  EXPECT_TRUE(doc.Conditions.on);  // set back
  EXPECT_EQ(reloads, 0);           // solutions found: the lists stay

  EXPECT_EQ(search.LaySolution("ANT*LOT"), 0);  // one star: ignored
  EXPECT_EQ(search.LaySolution(" ant * LOT * oat "), 3);
  EXPECT_TRUE(PoolIsEmpty(doc));
  EXPECT_EQ(Keystring(doc, 0), "ANT");
  EXPECT_EQ(Keystring(doc, 2), "OAT");

  host.Clear();
  EXPECT_EQ(search.LaySolution("ANT * LOT * OAT"), 0);
  EXPECT_EQ(host.messages,
            (std::vector<std::string>{" There must be 3 and only 3 empty Answers available "}));
}

TEST_F(HeuristicTest, SearchInAWorkerDeliversTheSameEventsInOrder) {
  ASSERT_EQ(search.Prepare(), HeuristicSearch::Prepared::Ready);
  std::mutex m;
  std::vector<HeuristicEvent> events;
  search.Start([&](HeuristicEvent e) {
    std::lock_guard lock(m);
    events.push_back(std::move(e));
  });
  search.Join();
  EXPECT_EQ(search.Prepare(), HeuristicSearch::Prepared::Busy);  // its end is not applied yet
  ASSERT_FALSE(events.empty());
  EXPECT_EQ(events.back().kind, HeuristicEvent::Kind::Finished);
  for (const auto& e : events) search.Apply(e);
  EXPECT_EQ(lists[3], (std::vector<std::string>{"Beginning brute force search",
                                                "Use Right-click menu to EXIT", "ANT * LOT * OAT",
                                                "Found 1 solutions"}));
  EXPECT_FALSE(search.Searching());
}

TEST_F(HeuristicTest, EarlyEndsReportAndReloadTheWordLists) {
  struct Case {
    std::map<std::string, std::vector<std::string>> files;
    HeuristicSearch::Prepared result;
    std::string report;
  } cases[] = {
      {{{"o", {"OX", "OXEN"}}},
       HeuristicSearch::Prepared::EmptyList,
       "Sorry, could not find any words in list 3* "},
      {{{"a", {"AT"}}, {"l", {"LA"}}, {"o", {"ON"}}},
       HeuristicSearch::Prepared::TooShort,
       "Quotella search failed because words in list are too short"},
      {{{"a", {"ATT"}}, {"l", {"LOT"}}, {"o", {"OTT"}}},
       HeuristicSearch::Prepared::MissingLetters,
       "Ooops! Letter(s) missing from the lists: N"},
  };
  for (const auto& c : cases) {
    SetUp();
    WriteLetters(c.files);
    EXPECT_EQ(search.Prepare(), c.result) << c.report;
    EXPECT_EQ(Reports().back(), c.report);
    EXPECT_EQ(reloads, 1) << c.report;
    EXPECT_TRUE(doc.Conditions.on) << c.report;
    // The flag stays on after an early end: a solution is refused until the search is ended.
    EXPECT_TRUE(search.Searching());
    search.EndNow();
    TearDown();
  }
}

TEST_F(HeuristicTest, BailingOutOfTheEditorKeepsTheEditedListsWithoutReload) {
  host.confirmAnswers = {true};
  search.PruneEditor = [](ThreeWordSearch::Lists& l) {
    l[0] = {"ANT"};
    return false;
  };
  EXPECT_EQ(search.Prepare(), HeuristicSearch::Prepared::BailedOut);
  EXPECT_EQ(lists[0], (std::vector<std::string>{"ANT"}));
  EXPECT_EQ(reloads, 0);
  EXPECT_TRUE(doc.Conditions.on);

  host.confirmAnswers = {true};
  search.PruneEditor = [](ThreeWordSearch::Lists& l) {
    l[1] = {"LOT"};
    return true;
  };
  EXPECT_EQ(search.Prepare(), HeuristicSearch::Prepared::Ready);
  EXPECT_EQ(lists[1], (std::vector<std::string>{"LOT"}));

  // The window's editor does not block: the preparation waits for it to be left.
  ThreeWordSearch::Lists shown;
  search.OpenPruneEditor = [&shown](const ThreeWordSearch::Lists& l) { shown = l; };
  host.confirmAnswers = {true};
  EXPECT_EQ(search.Prepare(), HeuristicSearch::Prepared::AwaitingEditor);
  EXPECT_EQ(shown[2], (std::vector<std::string>{"OAT", "ON"}));
  EXPECT_EQ(search.Prepare(), HeuristicSearch::Prepared::Busy);
  shown[0] = {"AT"};
  EXPECT_EQ(search.EditorClosed(false, shown), HeuristicSearch::Prepared::TooShort);
  EXPECT_EQ(lists[0], (std::vector<std::string>{"AT"}));
}

TEST_F(HeuristicTest, AnUnreadableLetterFileIsReportedAndTheListKeepsItsEntries) {
  fs::remove(dir / "l.txt");
  lists[1] = {"LOT", "LOX"};
  EXPECT_EQ(search.Prepare(), HeuristicSearch::Prepared::Ready);
  EXPECT_EQ(host.messages, (std::vector<std::string>{"Could not load file "}));
  EXPECT_EQ(lists[1], (std::vector<std::string>{"LOT"}));  // LOX does not fit
}

TEST_F(HeuristicTest, EscDuringTheSearchAbortsWithItsText) {
  ASSERT_EQ(search.Prepare(), HeuristicSearch::Prepared::Ready);
  host.escAfterCalls = host.pendingEventCalls + 1;
  const ThreeWordOutcome outcome = search.Run();
  EXPECT_TRUE(outcome.aborted);
  EXPECT_EQ(lists[3], (std::vector<std::string>{"Beginning brute force search",
                                                "Use Right-click menu to EXIT", "",
                                                "User has aborted search."}));
  EXPECT_EQ(Reports().back(), "No Solutions found");
  EXPECT_EQ(reloads, 1);
}

TEST_F(HeuristicTest, NothingHappensUnlessExactlyThreeRowsAreEmpty) {
  ASSERT_TRUE(LayInString(doc, "AT", 0));
  EXPECT_EQ(search.Prepare(), HeuristicSearch::Prepared::NotThreeEmpty);
  for (const auto& r : Reports()) EXPECT_NE(r, "Preparing Lists....");
  EXPECT_EQ(lists[3], (std::vector<std::string>{"old log"}));
}

// The lists can be read on another host (a worker's) between Begin and ListsRead: the
// outcome is Prepare's, the reading reports only on its own host, and a stop asked for
// between files ends it before the next file is read.
TEST_F(HeuristicTest, ListsReadAwayFromTheSearchPrepareAsPrepareDoesAndAStopEndsTheReading) {
  ASSERT_EQ(search.Begin(), HeuristicSearch::Prepared::Ready);
  const HeuristicReading reading = search.Reading();
  std::vector<std::string> paths;
  const LetterFileReader reader = [&paths](const std::string& path) {
    paths.push_back(path);
    return ReadWordFile(path);
  };
  FakeHost stopping;
  stopping.escAfterCalls = 2;  // Esc once the first file is read
  const HeuristicListsRead stopped = ReadHeuristicLists(reading, stopping, reader);
  EXPECT_TRUE(stopped.stopped);
  EXPECT_EQ(paths.size(), 1u);

  host.Clear();
  FakeHost worker;
  HeuristicListsRead read = ReadHeuristicLists(reading, worker, reader);
  EXPECT_FALSE(read.stopped);
  EXPECT_TRUE(Reports().empty());  // nothing shown on the window's host while reading
  EXPECT_EQ(worker.StatusText(StatusBar::Main, kMessagePanel),
            "This can take a long time... To end search, right-click menu, \"End Heurisitic "
            "Search Now\"");
  EXPECT_EQ(search.ListsRead(std::move(read)), HeuristicSearch::Prepared::Ready);
  EXPECT_EQ(lists[0], (std::vector<std::string>{"ANT", "AT"}));
  EXPECT_EQ(lists[1], (std::vector<std::string>{"LAT", "LOT"}));
  EXPECT_EQ(lists[2], (std::vector<std::string>{"OAT", "ON"}));
  EXPECT_EQ(candidates, (std::vector<std::string>{"OAT", "ON", "ONTO", "OTTO"}));
  EXPECT_EQ(host.questions, (std::vector<std::string>{"Do you want to prune the 3 lists?"}));
}

// A search's worker can be handed over and the search destroyed while the worker is still
// busy: nothing waits for it, and it ends on its own once let go.
TEST_F(HeuristicTest, ATakenWorkerOutlivesItsSearchWithoutBeingWaitedFor) {
  auto owned = std::make_unique<HeuristicSearch>(
      doc, HeuristicLists{{&lists[0], &lists[1], &lists[2], &lists[3]}, &candidates});
  owned->DictDir = search.DictDir;
  ASSERT_EQ(owned->Prepare(), HeuristicSearch::Prepared::Ready);
  std::atomic<bool> letGo{false};
  std::atomic<int> events{0};
  owned->Start([&](const HeuristicEvent&) {
    ++events;
    while (!letGo.load()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  });
  while (events.load() == 0) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  HeuristicWorker worker = owned->TakeWorker();
  ASSERT_TRUE(worker.thread.joinable());
  owned.reset();  // would never return if it waited for the worker held in its first event
  EXPECT_FALSE(worker.done->load());
  letGo.store(true);
  worker.thread.join();
  EXPECT_TRUE(worker.done->load());
  EXPECT_GE(events.load(), 2);  // the stopped search still reported its end
}

}  // namespace
}  // namespace quotella
