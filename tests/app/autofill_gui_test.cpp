// The window's autofill commands: the Autofill dialog and its remembered limits, a fill of
// the selected rows, "Fill Again", the partial-fill question and the other answers of a row.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include "app/dialogs/autofilldialog.h"
#include "app/panes/answerpane.h"
#include "app/search/backgroundwork.h"
#include "app/search/searchcontroller.h"
#include "app/widgets/panelbar.h"
#include "app/widgets/tablemodels.h"
#include "app/window/mainwindow.h"
#include "core/answertable.h"
#include "core/construction.h"
#include "core/textio.h"
#include "settings/initext.h"
#include "settings/settings.h"
#include "settings/settingsstore.h"
#include "support/fakehost.h"
#include "windowfixture.h"

namespace quotella {
namespace {

class AutofillWindow : public test::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    LoadSample();
  }
  void Wait() { WaitForAutofill(); }
  std::vector<std::string> Answers() {
    std::vector<std::string> answers;
    for (int row = 0; row < window->doc().P.NumWords; ++row)
      answers.push_back(Keystring(window->doc(), row));
    return answers;
  }
};

TEST_F(AutofillWindow, TheDialogFillsOnlyTheSelectedRowsAndRemembersItsChoices) {
  ClearRows({3, 6, 7});
  const std::vector<std::string> before = Answers();
  // Select rows D and G of the answer table.
  KeyTableView* table = window->answerPane()->keyWords();
  QItemSelectionModel* selection = table->selectionModel();
  selection->clearSelection();
  selection->select(table->model()->index(3, 2), QItemSelectionModel::Select);
  selection->select(table->model()->index(6, 2), QItemSelectionModel::Select);

  window->command(QStringLiteral("AutofillDialog1"))->trigger();
  auto* dialog = Find<AutofillDialog>("AutofillDialog");
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(dialog->isVisible());
  EXPECT_EQ(Find<QLabel>("AutofillRows")->text(), QStringLiteral("D, G"));
  auto* familiarity = Find<QComboBox>("AutofillFamiliarity");
  EXPECT_EQ(familiarity->currentText(), QStringLiteral("Any dictionary word"));
  EXPECT_EQ(Find<QSpinBox>("AutofillTimeLimit")->value(), 10);
  familiarity->setCurrentIndex(familiarity->findText(QStringLiteral("Common words only")));
  Find<QSpinBox>("AutofillTimeLimit")->setValue(20);
  QTest::mouseClick(Find<QPushButton>("AutofillFill"), Qt::LeftButton);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_TRUE(window->searches().autofilling());
  EXPECT_TRUE(window->findChild<QProgressBar*>()->isVisible())
      << "progress shows in the status bar";
  Wait();
  EXPECT_TRUE(host.messages.empty()) << host.messages.front();
  const std::vector<std::string> after = Answers();
  for (std::size_t row = 0; row < after.size(); ++row) {
    if (row == 3 || row == 6)
      EXPECT_GT(after[row].size(), 1u) << row;
    else
      EXPECT_EQ(after[row], before[row]) << row;
  }
  EXPECT_EQ(window->doc().KeyWords.At(2, 7), "") << "row H was not selected";

  // The choices are kept and written to the settings file.
  EXPECT_EQ(window->settings().Values().AutofillRarity, 50);
  EXPECT_EQ(window->settings().Values().AutofillSeconds, 20);
  ASSERT_TRUE(window->settings().SimplySaveIniFile());
  const auto lines = ReadTextLines(window->settings().Values().IniFileName);
  ASSERT_TRUE(lines.has_value());
  const IniText saved(*lines);
  EXPECT_EQ(saved.GetIniValue("[autofill rarity]"), "50");
  EXPECT_EQ(saved.GetIniValue("[autofill time limit]"), "20");
  window->command(QStringLiteral("AutofillDialog1"))->trigger();
  EXPECT_EQ(familiarity->currentText(), QStringLiteral("Common words only"));
  EXPECT_EQ(Find<QSpinBox>("AutofillTimeLimit")->value(), 20);
  dialog->reject();
}

TEST_F(AutofillWindow, FillAgainLaysAnotherCompleteFillOfTheSameRows) {
  ClearRows({1, 3, 6, 7, 9});
  const std::vector<std::string> kept = Answers();
  window->command(QStringLiteral("Autofill1"))->trigger();
  Wait();
  ASSERT_TRUE(PoolIsEmpty(window->doc()));
  const std::vector<std::string> first = Answers();
  window->command(QStringLiteral("FillAgain1"))->trigger();
  Wait();
  EXPECT_TRUE(host.messages.empty()) << host.messages.front();
  EXPECT_TRUE(PoolIsEmpty(window->doc()));
  EXPECT_EQ(NumEmpty(window->doc()), 0);
  const std::vector<std::string> second = Answers();
  EXPECT_NE(second, first);
  for (std::size_t row = 0; row < second.size(); ++row)
    if (row != 1 && row != 3 && row != 6 && row != 7 && row != 9) {
      EXPECT_EQ(second[row], kept[row]);
    }
}

TEST_F(AutofillWindow, WhenTimeRunsOutThePartialFillIsOfferedAndKeptOnYes) {
  const auto lines = ReadTextLines(QUOTELLA_SOURCE_DIR "/resources/long_answer_quotes.txt");
  ASSERT_TRUE(lines.has_value());
  std::string thoreau;
  for (const auto& l : *lines)
    if (l.rfind("Thoreau@", 0) == 0) thoreau = l;
  for (bool keep : {false, true}) {
    PuzzleDocument& doc = window->doc();
    InitPuzzleDefaults(doc);
    ResetPuzzle(doc);
    ASSERT_EQ(QuotesEditorDblClick(doc, thoreau), DblClickResult::Made);
    // One second of the search's clock is a thousand looks at it: a budget of work that no
    // fill of this puzzle is found within, on any machine.
    window->settings().Values().AutofillSeconds = 1;
    AutofillClockStepsPerLook();
    host.Clear();
    host.confirmAnswers.push_back(keep);
    window->command(QStringLiteral("Autofill1"))->trigger();
    Wait();
    ASSERT_EQ(host.questions.size(), 1u) << (host.messages.empty() ? "" : host.messages.front());
    EXPECT_TRUE(host.questions[0].starts_with("No fill found within the time limit.\rKeep the "))
        << host.questions[0];
    EXPECT_TRUE(host.messages.empty());
    // The partial fill's words fit the pool together; letters may be left over.
    const int empty = NumEmpty(doc);
    if (keep) {
      EXPECT_LT(empty, doc.P.NumWords);
      EXPECT_FALSE(PoolIsEmpty(doc));
    } else {
      EXPECT_EQ(empty, doc.P.NumWords);
    }
  }
}

TEST_F(AutofillWindow, OtherAnswersOfARowAreCandidatesThatKeepThePuzzleComplete) {
  PuzzleDocument& doc = window->doc();
  ASSERT_TRUE(PoolIsEmpty(doc));
  doc.view().CurRow = 4;
  doc.view().CurCol = 2;
  window->command(QStringLiteral("OtherAnswers1"))->trigger();
  // The command returns while the dictionary is read; the list comes with the result.
  ASSERT_TRUE(window->searches().background().running());
  test::WaitForBackground(*window);
  EXPECT_TRUE(Find<PanelBar>("StatusBar1")->panel(2).endsWith(QStringLiteral("for row E")))
      << Find<PanelBar>("StatusBar1")->panel(2).toStdString();
  auto* candidates = Find<QListWidget>("Candidates");
  ASSERT_NE(candidates, nullptr);
  ASSERT_TRUE(candidates->isVisible());
  ASSERT_GT(candidates->count(), 0);
  const QString first = candidates->item(0)->text();
  ASSERT_NE(first, QStringLiteral("No other answers for this row"));
  const std::string word = first.section(QLatin1Char(' '), 0, 0).toStdString();
  QListWidgetItem* item = candidates->item(0);
  candidates->scrollToItem(item);
  const QPoint at = candidates->visualItemRect(item).center();
  QTest::mousePress(candidates->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(candidates->viewport(), Qt::LeftButton, {}, at);
  EXPECT_EQ(Keystring(doc, 4), word) << first.toStdString();
  EXPECT_TRUE(PoolIsEmpty(doc));
  EXPECT_EQ(NumEmpty(doc), 0);
}

TEST_F(AutofillWindow, OtherAnswersFoundForAPuzzleChangedMeanwhileAreDropped) {
  PuzzleDocument& doc = window->doc();
  auto* candidates = Find<QListWidget>("Candidates");
  const int before = candidates->count();
  QSignalSpy finished(&window->searches().background(), &BackgroundWork::finished);
  doc.view().CurRow = 4;
  doc.view().CurCol = 2;
  window->command(QStringLiteral("OtherAnswers1"))->trigger();
  ASSERT_TRUE(window->searches().background().running());
  // The user clears row A while the other answers of row E are being found.
  ClearRows({0});
  test::WaitForBackground(*window);
  ASSERT_EQ(finished.count(), 1);
  EXPECT_FALSE(finished.front().front().toBool()) << "the late result was dropped";
  EXPECT_TRUE(doc.KeyWords.At(2, 0).empty()) << "the change made meanwhile is kept";
  EXPECT_EQ(candidates->count(), before);
  EXPECT_TRUE(Find<PanelBar>("StatusBar1")->panel(2).contains(QStringLiteral("dropped")));
  // Asked again, the row's other answers are found for the puzzle as it now is.
  doc.view().CurRow = 4;
  window->command(QStringLiteral("OtherAnswers1"))->trigger();
  test::WaitForBackground(*window);
  ASSERT_GT(candidates->count(), 0);
  EXPECT_TRUE(Find<PanelBar>("StatusBar1")->panel(2).endsWith(QStringLiteral("for row E")));
}

}  // namespace
}  // namespace quotella
