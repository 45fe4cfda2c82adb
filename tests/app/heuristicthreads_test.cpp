// The three-word search never makes the window wait for its threads: its lists are read in
// the long scans' worker, a stop or another puzzle returns at once however busy the worker
// is, and what a stopped search delivers late is dropped.
#include <gtest/gtest.h>

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <thread>

#include "app/search/backgroundwork.h"
#include "app/search/searchcontroller.h"
#include "app/widgets/panelbar.h"
#include "core/answertable.h"
#include "search/wordlists.h"
#include "search/wordsource.h"
#include "windowfixture.h"

namespace quotella::test {
namespace {

// Letter files read behind a gate the test opens. A watchdog opens it after a long while so
// that a window that waits for the reading fails the test instead of hanging it.
struct LetterGate {
  std::atomic<bool> open{false};
  std::atomic<bool> openedByWatchdog{false};
  std::atomic<int> entered{0};
  std::atomic<int> left{0};
};

class HeuristicThreadsTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    LoadSample();
    ClearRows({3, 6, 7});
    host.Clear();
    window->searches().SetLetterFileReader([gate = m_gate](const std::string& path) {
      ++gate->entered;
      while (!gate->open.load()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
      ++gate->left;
      return ReadWordFile(path);
    });
    m_watchdog = std::jthread([gate = m_gate](const std::stop_token& stop) {
      for (int i = 0; i < 60000 && !stop.stop_requested() && !gate->open.load(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
      if (!gate->open.exchange(true)) gate->openedByWatchdog.store(true);
    });
  }
  void TearDown() override {
    m_gate->open.store(true);
    m_watchdog = {};
    window.reset();
  }
  // Clicks the button and waits until the worker is held in the first letter file.
  void StartHeldInTheFirstFile() {
    Find<QPushButton>("HeuristicButton")->click();
    ASSERT_TRUE(window->searches().background().running());
    EXPECT_TRUE(window->searches().heuristicSearching());
    EXPECT_EQ(MessagePanel(), QStringLiteral("Preparing Lists… (Esc stops)"));
    for (int i = 0; i < 15000 && m_gate->entered.load() == 0; ++i) QTest::qWait(2);
    ASSERT_EQ(m_gate->entered.load(), 1);
  }
  void OpenTheGateAndLetTheWorkerEnd() {
    m_gate->open.store(true);
    for (int i = 0; i < 15000 && window->searches().background().running(); ++i) QTest::qWait(2);
    // A dropped reading no longer counts as running: wait for its thread to leave the file.
    for (int i = 0; i < 15000 && m_gate->left.load() == 0; ++i) QTest::qWait(2);
    QTest::qWait(50);
    QApplication::processEvents();
  }
  QStringList List4() {
    QStringList lines;
    const auto* list = Find<QListWidget>("Wordlist4");
    for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
    return lines;
  }
  QString MessagePanel() { return Find<PanelBar>("StatusBar1")->panel(2); }

  std::shared_ptr<LetterGate> m_gate = std::make_shared<LetterGate>();
  std::jthread m_watchdog;
};

TEST_F(HeuristicThreadsTest, EscWhileTheListsAreReadReturnsAtOnceAndEndsTheSearch) {
  const auto listsBefore = window->sources().Lists;
  StartHeldInTheFirstFile();
  QTest::keyClick(window.get(), Qt::Key_Escape);
  // Esc came back while the worker is still held in the file.
  EXPECT_FALSE(m_gate->openedByWatchdog.load());
  EXPECT_EQ(m_gate->left.load(), 0);
  OpenTheGateAndLetTheWorkerEnd();
  EXPECT_EQ(m_gate->entered.load(), 1) << "the reading ends at the next file";
  EXPECT_FALSE(window->searches().heuristicSearching());
  EXPECT_EQ(MessagePanel(), QStringLiteral("Preparing Lists: stopped"));
  EXPECT_TRUE(host.questions.empty()) << "no prune question after a stop";
  for (std::size_t n = 0; n < 3; ++n)
    EXPECT_EQ(window->sources().Lists[n].Items, listsBefore[n].Items) << "list " << n + 1;
  EXPECT_FALSE(List4().contains(QStringLiteral("Beginning brute force search")));
  // The search can be run again at once.
  m_gate->entered.store(0);
  m_gate->left.store(0);
  host.confirmAnswers.push_back(false);  // no pruning
  Find<QPushButton>("HeuristicButton")->click();
  WaitForBackground(*window);
  WaitForHeuristic();
  EXPECT_EQ(m_gate->entered.load(), 3);
  EXPECT_TRUE(List4().contains(QStringLiteral("Beginning brute force search")))
      << List4().join(u'|').toStdString();
}

TEST_F(HeuristicThreadsTest, AnotherPuzzleOpenedWhileTheListsAreReadDropsTheLateLists) {
  StartHeldInTheFirstFile();
  window->doc().PuzzleChanged = false;
  host.confirmAnswers.push_back(true);
  host.fileAnswers.push_back(QUOTELLA_SOURCE_DIR "/resources/samplepuzzle1.qtl");
  window->command(QStringLiteral("Puzzle1"))->trigger();
  // The command came back with the worker still held in the file.
  EXPECT_FALSE(m_gate->openedByWatchdog.load());
  EXPECT_EQ(m_gate->left.load(), 0);
  ASSERT_TRUE(window->doc().PuzzleExists);
  EXPECT_FALSE(window->searches().heuristicSearching());
  const auto listsAfterOpening = window->sources().Lists;
  const QStringList log = List4();
  host.Clear();

  OpenTheGateAndLetTheWorkerEnd();
  EXPECT_EQ(m_gate->left.load(), 1);
  EXPECT_FALSE(window->searches().heuristicSearching());
  EXPECT_TRUE(host.questions.empty()) << "the late lists led to no question";
  for (std::size_t n = 0; n < 3; ++n)
    EXPECT_EQ(window->sources().Lists[n].Items, listsAfterOpening[n].Items) << "list " << n + 1;
  EXPECT_EQ(List4(), log);
  EXPECT_EQ(NumEmpty(window->doc()), 0) << "the new puzzle is as it was opened";
}

// The search's own worker is not waited for either: opening another puzzle while the
// brute force runs returns, and the old search's end never reaches the new puzzle's lists.
TEST_F(HeuristicThreadsTest, AnotherPuzzleOpenedWhileTheSearchRunsDropsItsLateEnd) {
  const auto words = SlowSearchLetterFiles(window->doc());
  window->searches().SetLetterFileReader([words](const std::string& path) {
    const char initial = UpperCase(std::filesystem::path(path).filename().string()).at(0);
    return std::optional<std::vector<std::string>>(words.at(initial));
  });
  host.confirmAnswers.push_back(false);  // no pruning
  Find<QPushButton>("HeuristicButton")->click();
  WaitForBackground(*window);
  ASSERT_TRUE(window->searches().heuristicSearching());

  window->doc().PuzzleChanged = false;
  host.confirmAnswers.push_back(true);
  host.fileAnswers.push_back(QUOTELLA_SOURCE_DIR "/resources/samplepuzzle1.qtl");
  window->command(QStringLiteral("Puzzle1"))->trigger();
  EXPECT_FALSE(window->searches().heuristicSearching());
  window->sources().Lists[3].Items = {"kept"};
  QTest::qWait(300);  // time for a late end to arrive, were it taken
  EXPECT_EQ(window->sources().Lists[3].Items, std::vector<std::string>{"kept"});
  EXPECT_NE(MessagePanel(), QStringLiteral("No Solutions found"));
}

}  // namespace
}  // namespace quotella::test
