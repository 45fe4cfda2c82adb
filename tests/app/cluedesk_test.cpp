// The clue desk in the window: it follows the selected answer row with the senses of its
// answer, a draft goes into the clue box and from there into the clue list, a clue that
// holds its answer is marked, and the status bar counts the clues.

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>

#include "app/clues/cluedeskpane.h"
#include "app/panes/answerpane.h"
#include "app/panes/wordlistpane.h"
#include "core/answertable.h"
#include "render/qtext.h"
#include "windowfixture.h"

namespace quotella::test {
namespace {

class ClueDeskTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    LoadSample();
    window->command(QStringLiteral("ClueDesk1"))->trigger();
    QApplication::processEvents();
    desk = Find<ClueDeskPane>("ClueDesk");
    ASSERT_NE(desk, nullptr);
  }
  void SelectRow(int row) {
    KeyTableView* table = window->answerPane()->keyWords();
    table->setCurrentIndex(table->model()->index(row, 2));
    QApplication::processEvents();
    QApplication::processEvents();
  }
  QString Answer(int row) { return ToQString(Keystring(window->doc(), row)); }
  QList<int> MarkedLines() {
    QList<int> lines;
    for (const auto& mark : window->listPane()->clueList()->extraSelections())
      lines << mark.cursor.blockNumber();
    return lines;
  }
  ClueDeskPane* desk = nullptr;
};

TEST_F(ClueDeskTest, TheDeskFollowsTheSelectedRowWithTheSensesOfItsAnswer) {
  EXPECT_TRUE(desk->isVisible());
  EXPECT_TRUE(Visible("Cluelist"));
  SelectRow(1);
  const QString answer = Answer(1);
  ASSERT_GE(answer.size(), 3);
  EXPECT_TRUE(desk->answerLine()->text().contains(QStringLiteral("B. ") + answer));
  EXPECT_TRUE(desk->answerLine()->text().contains(QStringLiteral("(%1)").arg(answer.size())));
  EXPECT_EQ(desk->clueBox()->text(), QStringLiteral("River mammal that floats on its back"));
  EXPECT_TRUE(desk->lookedUpLine()->text().contains(QStringLiteral("Senses of <b>") + answer));
  ASSERT_FALSE(desk->draftButtons().isEmpty()) << desk->lookedUpLine()->text().toStdString();
  // Forty characters take two lines of the printed column: a note, not a fault.
  EXPECT_EQ(desk->checkLine()->text(), QStringLiteral("· takes 2 printed lines"));
  const QString firstSenses = desk->lookedUpLine()->text();

  // Another row, another answer and its senses.
  SelectRow(2);
  EXPECT_TRUE(desk->answerLine()->text().contains(QStringLiteral("C. ") + Answer(2)));
  EXPECT_EQ(desk->clueBox()->text(), QStringLiteral("Blueprints"));
  EXPECT_EQ(desk->checkLine()->text(), QStringLiteral("✓ no problems found"));
  EXPECT_NE(desk->lookedUpLine()->text(), firstSenses);

  // A synonym is looked up in place, with the way back to the answer.
  emit desk->lookUpRequested(QStringLiteral("sea otter"));
  EXPECT_TRUE(desk->lookedUpLine()->text().contains(QStringLiteral("sea otter")));
  EXPECT_TRUE(desk->lookedUpLine()->text().contains(QStringLiteral("back to")));
  EXPECT_FALSE(desk->draftButtons().isEmpty());
}

TEST_F(ClueDeskTest, AnAnswerChangedInItsRowIsLookedUpOnceTypingPauses) {
  SelectRow(3);
  const QString answer = Answer(3);
  ASSERT_TRUE(desk->lookedUpLine()->text().contains(QStringLiteral("Senses of <b>") + answer));
  ClearRows({3});
  QApplication::processEvents();
  QApplication::processEvents();
  EXPECT_TRUE(desk->answerLine()->text().contains(QStringLiteral("D. ") + Answer(3) +
                                                  QStringLiteral("</b> (1)")))
      << "the answer line follows at once";
  EXPECT_TRUE(desk->lookedUpLine()->text().contains(answer)) << "the senses wait for a pause";
  QTRY_VERIFY(desk->lookedUpLine()->text().contains(QStringLiteral("not written yet")));
  EXPECT_TRUE(desk->draftButtons().isEmpty());
}

TEST_F(ClueDeskTest, ADraftGoesIntoTheClueBoxAndIsWrittenAsOneUndoableStep) {
  SelectRow(1);
  ASSERT_FALSE(desk->draftButtons().isEmpty());
  QTest::mouseClick(desk->draftButtons().front(), Qt::LeftButton);
  const QString draft = desk->clueBox()->text();
  ASSERT_FALSE(draft.isEmpty());
  EXPECT_TRUE(draft.front().isUpper()) << draft.toStdString();
  EXPECT_EQ(window->doc().ClueLines[1], "B. River mammal that floats on its back")
      << "a draft is only a draft until it is written";

  QTest::mouseClick(desk->writeButton(), Qt::LeftButton);
  QApplication::processEvents();
  EXPECT_EQ(ToQString(window->doc().ClueLines[1]), QStringLiteral("B. ") + draft);
  EXPECT_TRUE(
      window->listPane()->clueList()->toPlainText().contains(QStringLiteral("B. ") + draft));
  EXPECT_TRUE(window->doc().PuzzleChanged);
  QAction* undo = window->command(QStringLiteral("Undo1"));
  ASSERT_TRUE(undo->isEnabled());
  EXPECT_EQ(undo->text(), QStringLiteral("Undo Write Clue from Desk"));
  undo->trigger();
  QApplication::processEvents();
  EXPECT_EQ(window->doc().ClueLines[1], "B. River mammal that floats on its back");
}

TEST_F(ClueDeskTest, AClueHoldingItsAnswerIsMarkedInTheListAndCountedInTheStatusBar) {
  auto* count = Find<QLabel>("ClueCount");
  ASSERT_NE(count, nullptr);
  const int rows = window->doc().P.NumWords;
  EXPECT_EQ(count->text(), QStringLiteral("Clues: %1 of %1 written, 0 need a look").arg(rows));
  EXPECT_TRUE(MarkedLines().isEmpty());

  SelectRow(1);
  desk->clueBox()->setText(QStringLiteral("An ") + Answer(1).toLower() +
                           QStringLiteral(" at play"));
  QTest::keyClick(desk->clueBox(), Qt::Key_Return);
  QApplication::processEvents();
  QApplication::processEvents();
  EXPECT_TRUE(
      desk->checkLine()->text().startsWith(QStringLiteral("✗ holds its answer (") + Answer(1)))
      << desk->checkLine()->text().toStdString();
  EXPECT_EQ(MarkedLines(), QList<int>{1});
  EXPECT_EQ(count->text(), QStringLiteral("Clues: %1 of %1 written, 1 needs a look").arg(rows));

  // Emptying a clue counts it unwritten, not marked.
  SelectRow(4);
  desk->clueBox()->clear();
  QTest::mouseClick(desk->writeButton(), Qt::LeftButton);
  QApplication::processEvents();
  QApplication::processEvents();
  EXPECT_EQ(desk->checkLine()->text(), QStringLiteral("✗ no clue yet"));
  EXPECT_EQ(MarkedLines(), QList<int>{1});
  EXPECT_EQ(count->text(),
            QStringLiteral("Clues: %1 of %2 written, 1 needs a look").arg(rows - 1).arg(rows));
}

TEST_F(ClueDeskTest, OtherViewsPutTheDeskAwayAndAHiddenDeskWritesNothing) {
  SelectRow(1);
  desk->clueBox()->setText(QStringLiteral("Typed but not written"));
  window->command(QStringLiteral("Puzzle3"))->trigger();
  QApplication::processEvents();
  EXPECT_FALSE(desk->isVisible());
  EXPECT_TRUE(Visible("Cluelist"));
  window->command(QStringLiteral("WriteDeskClue1"))->trigger();
  EXPECT_EQ(window->doc().ClueLines[1], "B. River mammal that floats on its back");
  window->command(QStringLiteral("ClueDesk1"))->trigger();
  QApplication::processEvents();
  EXPECT_TRUE(desk->isVisible());
  EXPECT_TRUE(window->command(QStringLiteral("WriteDeskClue1"))->isEnabled());
}

}  // namespace
}  // namespace quotella::test
