// The window's long scans run in a worker: the window answers meanwhile, a command run
// meanwhile keeps what it did, Esc stops a scan, and a new puzzle drops its result.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "app/dialogs/problemsearchdialog.h"
#include "app/search/backgroundwork.h"
#include "app/search/searchcontroller.h"
#include "app/widgets/panelbar.h"
#include "search/wordlists.h"
#include "windowfixture.h"

namespace quotella::test {
namespace {

class LongScansTest : public PuzzleWindowTest {
 protected:
  BackgroundWork& Work() { return window->searches().background(); }
  // "Find Words using most Problem Chars", its dialog answered with Search Now.
  void StartProblemSearch() {
    QTimer::singleShot(0, window.get(), [this] {
      auto* dialog = window->findChild<ProblemSearchDialog*>();
      ASSERT_NE(dialog, nullptr);
      dialog->findChild<QPushButton*>(QStringLiteral("SearchNowButton"))->click();
    });
    window->command(QStringLiteral("MajorProblemScan"))->trigger();
  }
  QStringList Candidates() {
    QStringList lines;
    const auto* list = Find<QListWidget>("Candidates");
    for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
    return lines;
  }
  QString MessagePanel() { return Find<PanelBar>("StatusBar1")->panel(2); }
  QShortcut* Esc() { return window->findChild<QShortcut*>(QStringLiteral("SearchEscape")); }
};

TEST_F(LongScansTest, TheProblemLetterSearchRunsBehindTheWindowAndShowsItsWords) {
  StartProblemSearch();
  // The command has returned while the letter files are still being read.
  ASSERT_TRUE(Work().running());
  EXPECT_TRUE(
      MessagePanel().startsWith(QStringLiteral("Finding words using most problem letters")));
  EXPECT_TRUE(Esc()->isEnabled());
  WaitForBackground(*window);
  EXPECT_TRUE(host.messages.empty()) << host.messages.front();
  EXPECT_GT(Candidates().size(), 1);
  EXPECT_NE(Candidates().front(), QStringLiteral("No words found for this search"));
  EXPECT_TRUE(Visible("Candidates"));
  EXPECT_FALSE(Esc()->isEnabled());
}

TEST_F(LongScansTest, ACandidateListMadeMeanwhileIsNotOverwritten) {
  StartProblemSearch();
  ASSERT_TRUE(Work().running());
  // The user scans list 1 for the first row while the search reads its files.
  window->sources().List(1).Items = {"MEAN", "MOTH", "MIND"};
  doc().view().CurRow = 0;
  doc().view().CurCol = 2;
  window->command(QStringLiteral("ScanList11"))->trigger();
  const QStringList scanned = Candidates();
  ASSERT_FALSE(scanned.isEmpty());
  QSignalSpy finished(&Work(), &BackgroundWork::finished);
  WaitForBackground(*window);
  ASSERT_EQ(finished.count(), 1);
  EXPECT_FALSE(finished.front().front().toBool()) << "the late result was dropped";
  EXPECT_EQ(Candidates(), scanned);
  EXPECT_TRUE(MessagePanel().contains(QStringLiteral("dropped"))) << MessagePanel().toStdString();
}

TEST_F(LongScansTest, EscStopsTheSearchAndTheWordsFoundSoFarAreShown) {
  StartProblemSearch();
  ASSERT_TRUE(Work().running());
  // Esc reaches the window once its dialog has handed the focus back.
  window->activateWindow();
  QApplication::setActiveWindow(window.get());
  QTest::keyClick(window.get(), Qt::Key_Escape);
  WaitForBackground(*window);
  EXPECT_EQ(MessagePanel(), QStringLiteral("Finding words using most problem letters: stopped"));
  EXPECT_FALSE(Esc()->isEnabled());
  // The search ends at its next letter: far fewer words than a whole run finds.
  const qsizetype stopped = Candidates().size();
  StartProblemSearch();
  WaitForBackground(*window);
  EXPECT_LT(stopped, Candidates().size());
}

TEST_F(LongScansTest, ANewPuzzleDropsARunningScan) {
  StartProblemSearch();
  ASSERT_TRUE(Work().running());
  const QStringList before = Candidates();
  window->searches().EndAll();  // what making or opening a puzzle does first
  EXPECT_FALSE(Work().running());
  QTest::qWait(200);  // the worker's late result has nowhere to go
  EXPECT_EQ(Candidates(), before);
  EXPECT_TRUE(MessagePanel().isEmpty()) << MessagePanel().toStdString();
}

TEST_F(LongScansTest, EscStopsTheDictionaryCountWhichCanThenRunAgain) {
  window->command(QStringLiteral("SetRarityColors1"))->trigger();
  ASSERT_TRUE(Work().running());
  QTest::keyClick(window.get(), Qt::Key_Escape);
  WaitForBackground(*window);
  EXPECT_TRUE(host.messages.empty()) << "a stopped count explains no colours";
  EXPECT_EQ(MessagePanel(), QStringLiteral("Counting the dictionary's words: stopped"));
  window->command(QStringLiteral("SetRarityColors1"))->trigger();
  WaitForBackground(*window);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].rfind("Rarity colors in the Answer grid", 0), 0u);
}

}  // namespace
}  // namespace quotella::test
