// The constructor's scored lists in the window: a listed word shows its score beside it
// (painted, never part of the word), the candidates sort by score, and the scored lists
// can be scanned for the row at the caret. On a puzzle of 45 answers.

#include <gtest/gtest.h>

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <memory>
#include <string>
#include <vector>

#include "app/commands/editorsync.h"
#include "app/commands/viewcommands.h"
#include "app/panes/statuspane.h"
#include "app/panes/wordlistpane.h"
#include "app/widgets/panelbar.h"
#include "app/widgets/scoredelegate.h"
#include "app/widgets/tablemodels.h"
#include "app/window/actiontable.h"
#include "core/answertable.h"
#include "search/scoredlist.h"
#include "search/wordlists.h"
#include "windowfixture.h"

namespace quotella::test {
namespace {

// 45 answers: the author's 20 letters and the work's 25.
constexpr const char* kLongLine =
    "Gabriel Garc\u00eda M\u00e1rquez@One Hundred Years of Solitude@Quiet rivers run through "
    "the old town of zinc roofs, where the baker sings before dawn and the children race "
    "their dogs along the dusty road; every evening the bells of the grey church call the "
    "farmers home, and the village gathers beneath the yellow lamps to argue about rain, "
    "harvests, weddings and the price of bread.";

class ScoredCandidatesTest : public PuzzleWindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    MakePuzzleOf(QString::fromUtf8(kLongLine));
    ASSERT_TRUE(window->doc().PuzzleExists);
    ASSERT_EQ(window->doc().P.NumWords, 45);
    CaretTo(0);  // row A: the G of Gabriel
  }
  QListWidget* candidates() { return window->listPane()->candidates(); }
  void CaretTo(int row) {
    table()->setFocus();
    table()->setCurrentIndex(table()->model()->index(row, 2));
    QApplication::processEvents();
  }
  // Letters the pool still holds once each, in alphabetical order.
  std::string PoolLetters() {
    std::string letters;
    for (char c = 'A'; c <= 'Z'; ++c)
      if (doc().P.PoolOf(c) > 0) letters += c;
    return letters;
  }
  // Scored lists in use, as the settings name them, holding these entries.
  void UseScoredLists(const std::vector<std::pair<std::string, int>>& entries) {
    auto words = std::make_shared<ScoredWords>();
    words->files = {"/home/k\u00f6nig/mes listes/favoris.txt"};
    words->minScore = 50;
    for (const auto& [word, score] : entries) words->table.Put(word, score);
    window->sources().Scored = words;
    window->editors().PushLists();
    window->RefreshViews();
  }
  QStringList Shown() {
    QStringList words;
    for (int i = 0; i < candidates()->count(); ++i) words << candidates()->item(i)->text();
    return words;
  }
  QString ScoreBeside(QListWidget* list, int row) {
    auto* delegate = qobject_cast<ScoreDelegate*>(list->itemDelegate());
    EXPECT_NE(delegate, nullptr);
    return delegate ? delegate->scoreText(list->model()->index(row, 0)) : QString();
  }
  // Pixels of the row's right end (where a score stands) that differ from the list's base.
  int InkAtRightEnd(QListWidget* list, int row) {
    const QImage image = list->viewport()->grab().toImage();
    const QRect rect = list->visualItemRect(list->item(row));
    const QRgb base = list->palette().color(QPalette::Base).rgb();
    const int width = list->fontMetrics().horizontalAdvance(QStringLiteral("100  "));
    int ink = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y)
      for (int x = rect.right() - width; x <= rect.right(); ++x)
        if (image.pixel(x, y) != base) ++ink;
    return ink;
  }
  bool Enabled(const char* name) {
    window->actions().updateEnabled();
    return window->command(QString::fromLatin1(name))->isEnabled();
  }
};

TEST_F(ScoredCandidatesTest, AListedWordShowsItsScoreBesideItAndTheItemKeepsTheBareWord) {
  const std::string pool = PoolLetters();
  ASSERT_GE(pool.size(), 3u);
  const std::string listed = std::string("G") + pool[0] + pool[1];
  const std::string unlisted = std::string("G") + pool[2];
  UseScoredLists({{listed, 90}});
  window->sources().Candidates = {listed, unlisted};
  window->editors().PushLists();
  window->ShowView(QStringLiteral("Candidates"));
  candidates()->setCurrentItem(nullptr);
  candidates()->clearSelection();
  QApplication::processEvents();

  EXPECT_EQ(ScoreBeside(candidates(), 0), QStringLiteral("90"));
  EXPECT_EQ(ScoreBeside(candidates(), 1), QString());
  EXPECT_EQ(Shown(),
            (QStringList{QString::fromStdString(listed), QString::fromStdString(unlisted)}));
  // The score is painted at the row's right end, and nothing stands there for the other.
  EXPECT_GT(InkAtRightEnd(candidates(), 0), 0);
  EXPECT_EQ(InkAtRightEnd(candidates(), 1), 0);

  // A word list's entry shows its score the same way, written as the constructor keeps it.
  window->sources().List(2).Items = {"Gar\u00e7on @ from the caf\u00e9 list", "zebra"};
  UseScoredLists({{listed, 90}, {"GARCON", 72}});
  QListWidget* list2 = window->listPane()->wordList(2);
  EXPECT_EQ(ScoreBeside(list2, 0), QStringLiteral("72"));
  EXPECT_EQ(ScoreBeside(list2, 1), QString());

  // Without scored lists nothing is shown beside any word.
  window->sources().Scored = std::make_shared<const ScoredWords>();
  window->editors().PushLists();
  QApplication::processEvents();
  EXPECT_EQ(ScoreBeside(candidates(), 0), QString());
  EXPECT_EQ(InkAtRightEnd(candidates(), 0), 0);
}

TEST_F(ScoredCandidatesTest, ScanScoredListsFillsThePaneWithTheRowsListedWordsBestFirst) {
  const std::string pool = PoolLetters();
  ASSERT_GE(pool.size(), 3u);
  ASSERT_GT(doc().P.PoolOf('E'), 0);
  char exhausted = 0;
  for (char c = 'A'; c <= 'Z' && !exhausted; ++c)
    if (doc().P.PoolOf(c) == 0) exhausted = c;
  ASSERT_NE(exhausted, 0);
  const std::string best = std::string("G") + pool[0] + pool[1];
  const std::string plain = std::string("G") + pool[1];
  UseScoredLists({{best, 95},
                  {std::string("g\u00e9") + pool[2], 80},  // accented: folds to GE...
                  {plain, 60},
                  {std::string("G") + pool[2] + pool[0], 30},  // below the minimum
                  {std::string("G") + exhausted, 99},          // the pool lacks its letter
                  {std::string("A") + pool[0], 97}});          // another row's initial
  ASSERT_TRUE(Enabled("ScanScoredLists1"));

  // F8 in the answer table scans, as F1 to F4 scan the word lists.
  CaretTo(0);
  QTest::keyClick(table(), Qt::Key_F8);
  QApplication::processEvents();
  EXPECT_TRUE(candidates()->isVisible());
  EXPECT_EQ(Shown(), (QStringList{QString::fromStdString(best),
                                  QStringLiteral("GE") + QChar::fromLatin1(pool[2]),
                                  QString::fromStdString(plain)}));
  EXPECT_EQ(ScoreBeside(candidates(), 0), QStringLiteral("95"));
  EXPECT_EQ(ScoreBeside(candidates(), 1), QStringLiteral("80"));
  // The scan is named above the candidates, as a list scan names its list.
  QLabel* label = window->statusPane()->wordListFileLabel();
  EXPECT_TRUE(label->isVisible());
  EXPECT_TRUE(label->toolTip().contains(QStringLiteral("favoris.txt")))
      << label->toolTip().toStdString();
  EXPECT_FALSE(label->text().isEmpty()) << label->width();
}

TEST_F(ScoredCandidatesTest, ALongListNameAboveTheCandidatesLeavesTheQuoteWindowItsRoom) {
  const std::string name =
      "moje bardzo d\u0142ugie s\u0142owa do \u0142amig\u0142\u00f3wek i krzy\u017c\u00f3wek.txt";
  auto words = std::make_shared<ScoredWords>();
  words->files = {"/home/wa\u0142\u0119sa/" + name};
  words->table.Put(std::string("G") + PoolLetters()[0], 90);
  window->sources().Scored = words;
  window->editors().PushLists();
  window->RefreshViews();
  QWidget* quote = Find<QWidget>("QuotePane");
  const QRect before = quote->geometry();

  CaretTo(0);
  window->command(QStringLiteral("ScanScoredLists1"))->trigger();
  QApplication::processEvents();
  QLabel* label = window->statusPane()->wordListFileLabel();
  ASSERT_TRUE(label->isVisible());
  EXPECT_TRUE(label->toolTip().contains(QString::fromStdString(name)))
      << label->toolTip().toStdString();
  EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width());
  EXPECT_GE(label->width(), 40) << label->text().toStdString();
  // The status area beside the quote window keeps to its side of it.
  EXPECT_EQ(quote->geometry(), before);
  const QWidget* status = window->statusPane();
  const QPoint statusLeft = status->mapTo(window.get(), QPoint(0, 0));
  const QPoint quoteRight = quote->mapTo(window.get(), QPoint(quote->width(), 0));
  EXPECT_GE(statusLeft.x(), quoteRight.x());
}

TEST_F(ScoredCandidatesTest, DoubleClickOnAScoredCandidateLaysInTheBareWord) {
  const std::string pool = PoolLetters();
  ASSERT_GE(pool.size(), 3u);
  const std::string word = std::string("G") + pool[0] + pool[1] + pool[2];
  UseScoredLists({{word, 88}});
  window->command(QStringLiteral("ScanScoredLists1"))->trigger();
  ASSERT_EQ(Shown(), QStringList{QString::fromStdString(word)});
  ASSERT_EQ(ScoreBeside(candidates(), 0), QStringLiteral("88"));

  QListWidgetItem* item = candidates()->item(0);
  const QPoint at = candidates()->visualItemRect(item).center();
  QTest::mouseClick(candidates()->viewport(), Qt::LeftButton, {}, at);
  // The statistics count the word's own letters.
  EXPECT_EQ(window->statusPane()->candidateStatus()->panel(3), QStringLiteral("Len 4"));
  QTest::mouseDClick(candidates()->viewport(), Qt::LeftButton, {}, at);
  EXPECT_EQ(Keystring(doc(), 0), word);
}

TEST_F(ScoredCandidatesTest, SortByScorePutsTheBestFirstAndTheUnlistedLast) {
  UseScoredLists({{"GAMMA", 40}, {"Gr\u00fcn", 90}, {"GLOW", 70}});
  window->sources().Candidates = {"GUST", "GAMMA", "GRUN", "GOLD", "GLOW"};
  window->editors().PushLists();
  window->ShowView(QStringLiteral("Candidates"));
  ASSERT_TRUE(Enabled("SortbyScore1"));
  window->command(QStringLiteral("SortbyScore1"))->trigger();
  EXPECT_EQ(Shown(), (QStringList{"GRUN", "GLOW", "GAMMA", "GUST", "GOLD"}));
  EXPECT_EQ(ScoreBeside(candidates(), 0), QStringLiteral("90"));
  EXPECT_EQ(ScoreBeside(candidates(), 4), QString());
}

TEST_F(ScoredCandidatesTest, TheScoredCommandsWaitForScoredLists) {
  window->ShowView(QStringLiteral("Candidates"));
  EXPECT_FALSE(Enabled("ScanScoredLists1"));
  EXPECT_FALSE(Enabled("SortbyScore1"));
  // Disabled, the key does nothing: the candidates stay as they were.
  window->sources().Candidates = {"GOLD"};
  window->editors().PushLists();
  CaretTo(0);
  QTest::keyClick(table(), Qt::Key_F8);
  EXPECT_EQ(window->sources().Candidates, std::vector<std::string>{"GOLD"});
  EXPECT_TRUE(host.messages.empty());

  UseScoredLists({{"GOLD", 70}});
  EXPECT_TRUE(Enabled("ScanScoredLists1"));
  window->ShowView(QStringLiteral("Candidates"));
  EXPECT_TRUE(Enabled("SortbyScore1"));
  // Sorting wants the candidates on view: a word list shown in their place hides them.
  window->viewCommands().WordListButtonClick(1);
  ASSERT_TRUE(candidates()->isHidden());
  EXPECT_FALSE(Enabled("SortbyScore1"));
}

}  // namespace
}  // namespace quotella::test
