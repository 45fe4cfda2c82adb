// The window's long scans run in a worker: the window answers meanwhile, a command run
// meanwhile keeps what it did, Esc stops a scan, and a new puzzle drops its result.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <algorithm>

#include "app/dialogs/problemsearchdialog.h"
#include "app/search/backgroundwork.h"
#include "app/search/searchcontroller.h"
#include "app/widgets/panelbar.h"
#include "core/linestore.h"
#include "core/textio.h"
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

// A word list of 60 entries, accented ones among them, in a folder with a non-ASCII name.
class WordListLoadTest : public LongScansTest {
 protected:
  std::string WriteList(const std::vector<std::string>& extra) {
    QDir(dir.path()).mkdir(QStringLiteral("Wörter"));
    const std::string path =
        QDir(dir.path()).filePath(QStringLiteral("Wörter/größe.txt")).toStdString();
    std::vector<std::string> lines = {"# birds and cakes",
                                      "\xC3\x89"
                                      "CLAIR",
                                      "NA\xC3\x8FVE"};
    for (int i = 0; i < 57; ++i)
      lines.push_back("WORD" + std::string(1, char('A' + i % 26)) + std::to_string(i));
    lines.insert(lines.end(), extra.begin(), extra.end());
    EXPECT_TRUE(WriteLinesAtomic(path, LineStore(lines)).ok());
    return path;
  }
  const WordList& List(int n) { return window->sources().List(n); }
};

TEST_F(WordListLoadTest, AListFileIsReadBehindTheWindowUnlessTheListChangesMeanwhile) {
  host.fileAnswers.push_back(WriteList({}));
  window->command(QStringLiteral("Wordlist21"))->trigger();
  ASSERT_TRUE(Work().running());
  EXPECT_NE(List(2).Items.size(), 59u) << "the command returns before the file is read";
  WaitForBackground(*window);
  EXPECT_TRUE(host.messages.empty()) << host.messages.front();
  ASSERT_EQ(List(2).Items.size(), 59u);
  EXPECT_EQ(List(2).Items.front(), "ECLAIR");
  EXPECT_EQ(List(2).Notes, std::vector<std::string>{"# birds and cakes"});
  EXPECT_TRUE(Visible("Wordlist2"));
  EXPECT_EQ(Find<QLabel>("ListLabel")->text(), QStringLiteral("2: größe.txt - 59 items "));

  // The user adds an entry while the file is read again: the entry is kept.
  host.fileAnswers.push_back(WriteList({"ZEBRA"}));
  window->command(QStringLiteral("Wordlist21"))->trigger();
  ASSERT_TRUE(Work().running());
  window->sources().List(2).Add("MANGO");
  QSignalSpy finished(&Work(), &BackgroundWork::finished);
  WaitForBackground(*window);
  ASSERT_EQ(finished.count(), 1);
  EXPECT_FALSE(finished.front().front().toBool());
  EXPECT_EQ(List(2).Items.size(), 60u);
  EXPECT_NE(std::find(List(2).Items.begin(), List(2).Items.end(), "MANGO"), List(2).Items.end());
  EXPECT_TRUE(MessagePanel().contains(QStringLiteral("dropped"))) << MessagePanel().toStdString();
}

TEST_F(WordListLoadTest, ReloadingReadsEveryListAgainAndAnUnreadableFileKeepsItsList) {
  const std::string path = WriteList({});
  host.fileAnswers.push_back(path);
  window->command(QStringLiteral("Wordlist31"))->trigger();
  WaitForBackground(*window);
  ASSERT_EQ(List(3).Items.size(), 59u);
  WriteList({"ZEBRA", "YAK"});
  window->command(QStringLiteral("ReloadWordLists1"))->trigger();
  ASSERT_TRUE(Work().running());
  WaitForBackground(*window);
  EXPECT_EQ(List(3).Items.size(), 61u);
  EXPECT_EQ(List(3).Items.back(), "ZEBRA");
  // A list whose file has gone keeps its entries.
  ASSERT_TRUE(QFile::remove(QString::fromStdString(path)));
  window->command(QStringLiteral("ReloadWordLists1"))->trigger();
  WaitForBackground(*window);
  EXPECT_EQ(List(3).Items.size(), 61u);
  EXPECT_EQ(List(3).FileName, path);
}

}  // namespace
}  // namespace quotella::test
