// Commands that cannot run are disabled, not silent: one command of each rule, without
// and with what it needs, and every command tells in the status bar what it does.

#include <QAction>
#include <QListWidget>
#include <QMenu>

#include "app/commands/editorsync.h"
#include "app/panes/answerpane.h"
#include "app/panes/wordlistpane.h"
#include "app/window/actiontable.h"
#include "search/wordlists.h"
#include "windowfixture.h"

namespace quotella::test {
namespace {

class EnabledRulesTest : public WindowTest {
 protected:
  bool Enabled(const char* name) {
    QAction* action = window->command(QString::fromLatin1(name));
    EXPECT_NE(action, nullptr) << name;
    return action && action->isEnabled();
  }
  // The caret onto an answer row, as a click in the answer table puts it there.
  void CaretTo(int row) {
    KeyTableView* table = window->answerPane()->keyWords();
    table->setCurrentIndex(table->model()->index(row, 2));
    QApplication::processEvents();
  }
};

TEST_F(EnabledRulesTest, PuzzleCommandsWaitForAPuzzle) {
  ASSERT_FALSE(window->doc().PuzzleExists);
  EXPECT_FALSE(Enabled("Scan1"));
  EXPECT_FALSE(Enabled("StretchGrid1"));
  // A disabled command's shortcut or trigger does nothing, and says nothing.
  window->command(QStringLiteral("Scan1"))->trigger();
  EXPECT_TRUE(host.messages.empty());
  LoadSample();
  EXPECT_TRUE(Enabled("Scan1"));
  EXPECT_TRUE(Enabled("StretchGrid1"));
  // Commands that need nothing stay enabled throughout.
  EXPECT_TRUE(Enabled("Puzzle1"));
}

TEST_F(EnabledRulesTest, AnswerLookUpsWaitForAWordInTheCaretRow) {
  EXPECT_FALSE(Enabled("hesaurusLookup1"));
  LoadSample();
  ClearRows({3});
  CaretTo(3);
  EXPECT_FALSE(Enabled("hesaurusLookup1")) << "row 3 holds only its initial";
  CaretTo(0);
  ASSERT_GT(window->doc().KeyWords.At(3, 0).size(), 0u) << "the sample's first row is filled";
  EXPECT_TRUE(Enabled("hesaurusLookup1"));
}

TEST_F(EnabledRulesTest, ListItemCommandsWaitForAChosenItem) {
  window->sources().List(1).Items = {"ÉTÉ", "naïve"};
  window->editors().PushLists();
  QListWidget* list = window->listPane()->wordList(1);
  list->setCurrentRow(-1);
  QApplication::processEvents();
  EXPECT_FALSE(Enabled("List1Copy"));
  list->setCurrentRow(1);
  QApplication::processEvents();
  EXPECT_TRUE(Enabled("List1Copy"));
  // The other lists' copies still have nothing chosen.
  EXPECT_FALSE(Enabled("List2copy"));
}

TEST_F(EnabledRulesTest, EveryCommandTellsWhatItDoesInTheStatusBar) {
  int commands = 0;
  for (QAction* action : window->commands()) {
    ++commands;
    EXPECT_FALSE(action->statusTip().isEmpty()) << action->objectName().toStdString();
  }
  EXPECT_GT(commands, 150);
  EXPECT_TRUE(window->command(QStringLiteral("Scan1"))->statusTip().contains("needs a puzzle"));
}

}  // namespace
}  // namespace quotella::test
