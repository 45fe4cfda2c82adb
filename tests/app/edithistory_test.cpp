#include "app/commands/edithistory.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QKeySequenceEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <QUrl>
#include <algorithm>

#include "app/commands/dialogcommands.h"
#include "app/commands/puzzlecommands.h"
#include "app/dialogs/hotkeysdialog.h"
#include "app/search/searchcontroller.h"
#include "app/widgets/bottombar.h"
#include "app/widgets/puzzlegridwidget.h"
#include "app/widgets/tablemodels.h"
#include "app/window/actiontable.h"
#include "app/window/mainwindow.h"
#include "app/window/windowparts.h"
#include "core/answertable.h"
#include "core/documentstate.h"
#include "core/poolstatus.h"
#include "core/swapping.h"
#include "core/textio.h"
#include "files/filesession.h"
#include "render/gridpainter.h"
#include "settings/initext.h"
#include "settings/settings.h"
#include "support/fakehost.h"
#include "windowfixture.h"

namespace quotella {
namespace {

// The sample puzzle open in a window whose program directory holds a fresh settings file.
class UndoWindowTest : public test::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    // Shortcuts reach only the active window.
    window->activateWindow();
    QApplication::setActiveWindow(window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    LoadSample();
  }
  PuzzleDocument& doc() { return window->doc(); }
  QAction* Undo() { return window->command(QStringLiteral("Undo1")); }
  QAction* Redo() { return window->command(QStringLiteral("Redo1")); }
  KeyTableView* Table() { return window->findChild<KeyTableView*>(QStringLiteral("KeyWords")); }
  QString Shown(int row, int col) { return Table()->model()->index(row, col).data().toString(); }
};

TEST_F(UndoWindowTest, TypedWordIsUndoneWithItsPoolLettersAndRedoneByKey) {
  ASSERT_NE(Undo(), nullptr);
  EXPECT_FALSE(Undo()->isEnabled());
  EXPECT_EQ(Undo()->text(), QStringLiteral("Undo"));
  EXPECT_FALSE(Redo()->isEnabled());
  EXPECT_EQ(Undo()->shortcut(), QKeySequence(QStringLiteral("Alt+Backspace")));
  EXPECT_TRUE(Redo()->shortcuts().contains(QKeySequence(QStringLiteral("Ctrl+Shift+Z"))));
  EXPECT_TRUE(Redo()->shortcuts().contains(QKeySequence(QStringLiteral("Ctrl+Y"))));

  const std::string word = Keystring(doc(), 3);
  ASSERT_GE(word.size(), 3u);
  ClearRows({3});
  EXPECT_EQ(Undo()->text(), QStringLiteral("Undo Clear Word"));
  const LetterCounts pool = doc().P.Pool;

  Table()->setFocus();
  Table()->setCurrentIndex(Table()->model()->index(3, 2));
  for (std::size_t k = 1; k < word.size(); ++k) QTest::keyClick(Table(), word[k]);
  ASSERT_EQ(Keystring(doc(), 3), word)
      << (host.messages.empty() ? "" : host.messages.back()) << doc().view().CurCol;
  EXPECT_EQ(Undo()->text(), QStringLiteral("Undo Typing in D"));

  QTest::keyClick(Table(), Qt::Key_Backspace, Qt::AltModifier);
  EXPECT_EQ(Keystring(doc(), 3), word.substr(0, 1));
  EXPECT_TRUE(Shown(3, 2).isEmpty());
  EXPECT_EQ(doc().P.Pool, pool);
  EXPECT_EQ(Undo()->text(), QStringLiteral("Undo Clear Word"));
  EXPECT_TRUE(Redo()->isEnabled());
  EXPECT_EQ(Redo()->text(), QStringLiteral("Redo Typing in D"));

  QTest::keyClick(Table(), Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(Keystring(doc(), 3), word);
  EXPECT_EQ(Shown(3, 2), QString(QLatin1Char(word[1])));
  EXPECT_FALSE(Redo()->isEnabled());
}

TEST_F(UndoWindowTest, APuzzleMadeFromTheQuotesEditorStartsANewHistory) {
  ClearRows({3});
  ASSERT_TRUE(Undo()->isEnabled());
  window->command(QStringLiteral("Quotes3"))->trigger();
  auto* editor = window->findChild<QPlainTextEdit*>(QStringLiteral("QuotesEditor"));
  editor->setPlainText(QStringLiteral("T@B@TO BE OR NOT TO BE"));
  const QRect line = editor->cursorRect(QTextCursor(editor->document()));
  QTest::mouseDClick(editor->viewport(), Qt::LeftButton, {}, line.center() + QPoint(20, 0));
  QApplication::processEvents();
  ASSERT_EQ(doc().P.QuotellaStr, "TB");
  EXPECT_FALSE(Undo()->isEnabled());

  // The first letter typed into the new puzzle is its first step.
  Table()->setFocus();
  Table()->setCurrentIndex(Table()->model()->index(0, 2));
  QTest::keyClick(Table(), 'O');
  ASSERT_EQ(Keystring(doc(), 0), "TO");
  EXPECT_EQ(Undo()->text(), QStringLiteral("Undo Typing in A"));
  Undo()->trigger();
  EXPECT_EQ(Keystring(doc(), 0), "T");
  EXPECT_FALSE(Undo()->isEnabled());
  EXPECT_FALSE(doc().PuzzleChanged);
}

TEST_F(UndoWindowTest, ACommandAddedLaterIsFollowedToo) {
  QAction* added =
      window->actions().add({"LateStretch", "GridPopup", "Late Stretch", "",
                             [](WindowParts& w) { w.puzzleCommands->StretchGrid1Click(); }});
  QApplication::processEvents();
  added->trigger();
  EXPECT_EQ(Undo()->text(), QStringLiteral("Undo Late Stretch"));
}

TEST_F(UndoWindowTest, TheShortCutKeysWindowRebindsUndoAndRedo) {
  window->command(QStringLiteral("PuzzleHotkeys1"))->trigger();
  ASSERT_NE(window->dialogs().hotkeys(), nullptr);
  auto* box =
      window->dialogs().hotkeys()->findChild<QKeySequenceEdit*>(QStringLiteral("UndoHotkey"));
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->keySequence(), QKeySequence(QStringLiteral("Alt+Backspace")));
  window->dialogs().hotkeys()->setBox("UndoHotkey", QKeySequence(QStringLiteral("Ctrl+Alt+U")));
  EXPECT_EQ(Undo()->shortcut(), QKeySequence(QStringLiteral("Ctrl+Alt+U")));
  window->dialogs().hotkeys()->setBox("RedoHotkey", QKeySequence(QStringLiteral("Ctrl+Alt+R")));
  EXPECT_EQ(Redo()->shortcut(), QKeySequence(QStringLiteral("Ctrl+Alt+R")));
}

TEST_F(UndoWindowTest, SwapIsUndoneFromTheEditMenu) {
  window->command(QStringLiteral("Grid1"))->trigger();
  const Tpuzzle& p = doc().P;
  int a = 0, b = 0;
  for (int i = 1; i <= p.NumCells && !b; ++i)
    for (int j = i + 1; j <= p.NumCells && !b; ++j) {
      const auto& ci = p.Cells[static_cast<std::size_t>(i)];
      const auto& cj = p.Cells[static_cast<std::size_t>(j)];
      if (ci.Char == cj.Char && ci.Mapped && cj.Mapped && !ci.Locked && !cj.Locked &&
          ci.CellLabel != cj.CellLabel && SwapLegal(ci.CellLabel, cj.Labelstr))
        a = i, b = j;
    }
  ASSERT_NE(b, 0);
  const std::string labelA = p.Cells[static_cast<std::size_t>(a)].CellLabel;
  const std::string labelB = p.Cells[static_cast<std::size_t>(b)].CellLabel;
  const std::string numbers = doc().NumberGrid.At(p.Cells[static_cast<std::size_t>(a)].KeywordCol,
                                                  p.Cells[static_cast<std::size_t>(a)].KeywordRow);
  const auto click = [&](int cell) { DoubleClickCell(cell); };
  click(a);
  EXPECT_FALSE(Undo()->isEnabled());  // the first double click only lists the partners
  click(b);
  ASSERT_EQ(p.Cells[static_cast<std::size_t>(a)].CellLabel, labelB);
  const QString name = QStringLiteral("Undo Swap %1 \u2194 %2")
                           .arg(p.Cells[static_cast<std::size_t>(a)].CellNumber)
                           .arg(p.Cells[static_cast<std::size_t>(b)].CellNumber);
  EXPECT_EQ(Undo()->text(), name);

  Undo()->trigger();
  EXPECT_EQ(p.Cells[static_cast<std::size_t>(a)].CellLabel, labelA);
  EXPECT_EQ(p.Cells[static_cast<std::size_t>(b)].CellLabel, labelB);
  EXPECT_EQ(MappedIndex(doc(), p.Cells[static_cast<std::size_t>(a)].KeywordCol,
                        p.Cells[static_cast<std::size_t>(a)].KeywordRow),
            a);
  EXPECT_FALSE(Undo()->isEnabled());
}

TEST_F(UndoWindowTest, AutofillIsOneStep) {
  ClearRows({3, 6, 7});
  const std::string pool = PoolLetterString(doc().P);
  QAction* autofill = window->command(QStringLiteral("Autofill1"));
  autofill->trigger();
  WaitForAutofill();
  ASSERT_EQ(NumEmpty(doc()), 0) << (host.messages.empty() ? "" : host.messages.front());
  EXPECT_EQ(Undo()->text(), QStringLiteral("Undo Autofill"));

  Undo()->trigger();
  EXPECT_EQ(NumEmpty(doc()), 3);
  for (int row : {3, 6, 7}) EXPECT_TRUE(Shown(row, 2).isEmpty()) << row;
  EXPECT_EQ(PoolLetterString(doc().P), pool);
  EXPECT_EQ(Undo()->text(), QStringLiteral("Undo Clear Word"));
}

// Takes the addresses a look-up command would open in a browser.
class AddressCatcher : public QObject {
  Q_OBJECT
 public:
  AddressCatcher() {
    for (const char* scheme : {"https", "http", "file"})
      QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "open");
  }
  ~AddressCatcher() override {
    for (const char* scheme : {"https", "http", "file"})
      QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
  }
 public slots:
  void open(const QUrl&) {}
};

TEST_F(UndoWindowTest, EveryCommandThatChangesThePuzzleMakesExactlyOneStepNamedAfterIt) {
  AddressCatcher addresses;
  // Dialogs a command waits for are closed with Cancel.
  QTimer rejecter;
  QObject::connect(&rejecter, &QTimer::timeout, [] {
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) dialog->reject();
  });
  rejecter.start(10);
  ClearRows({3, 6, 7});
  const std::vector<std::string*> texts = {
      &window->session().TitleBox, &window->session().BylineBox, &window->session().CopyrightText};
  const PuzzleHistory& history = window->editHistory().history();
  QList<QAction*> commands = window->commands();
  std::sort(commands.begin(), commands.end(),
            [](QAction* a, QAction* b) { return a->objectName() < b->objectName(); });
  int changing = 0;
  for (QAction* command : commands) {
    const QString name = command->objectName();
    if (name == QStringLiteral("Undo1") || name == QStringLiteral("Redo1") ||
        name == QStringLiteral("ExitProgram1"))
      continue;
    doc().view().CurRow = 3;
    doc().view().CurCol = 2;
    window->actions().updateEnabled();
    const unsigned generation = doc().PuzzleGeneration;
    const int steps = history.UndoCount();
    const DocumentState before = DocumentState::Capture(doc(), texts);
    QString caption = command->text();
    caption.remove(QLatin1Char('&'));
    command->trigger();
    QApplication::processEvents();
    window->searches().EndAll();  // a search's own result is a step of its own
    if (doc().PuzzleGeneration != generation || !history.Current()) continue;  // a new puzzle
    const bool changed = !DocumentState::Capture(doc(), texts).SamePuzzle(before);
    if (!changed) {
      EXPECT_EQ(history.UndoCount(), steps) << name.toStdString() << " changed nothing";
      continue;
    }
    ++changing;
    ASSERT_EQ(history.UndoCount(), steps + 1) << name.toStdString();
    EXPECT_EQ(QString::fromStdString(history.UndoName()), caption) << name.toStdString();
  }
  // Clearing words, swaps, grid shapes, locks and the like: the walk did reach them.
  EXPECT_GE(changing, 5);
}

// The scan conditions' controls change the puzzle's conditions by themselves: each change
// is a step of its own, named after the control, and never slips into the next command's
// step. Digits typed into Min or Max make one step until the value is committed (Enter).
TEST_F(UndoWindowTest, TheConditionsControlsMakeStepsOfTheirOwnNamedAfterThem) {
  BottomBar* bar = window->bottomBar();
  const PuzzleHistory& history = window->editHistory().history();
  const int start = history.UndoCount();
  const ScanConditions before = doc().Conditions;
  ASSERT_LT(before.maxLength, 50);
  QSpinBox* min = bar->minLength();
  min->setFocus();
  min->selectAll();
  QTest::keyClicks(min, QStringLiteral("12"));
  QTest::keyClick(min, Qt::Key_Return);
  EXPECT_EQ(doc().Conditions.minLength, 12);
  EXPECT_EQ(history.UndoCount(), start + 1) << "two digits, one step";
  EXPECT_EQ(Undo()->text(), QStringLiteral("Undo Min"));

  QSpinBox* max = bar->maxLength();
  max->setFocus();
  QTest::keyClick(max, Qt::Key_Up);
  QTest::keyClick(max, Qt::Key_Return);
  QTest::keyClick(max, Qt::Key_Up);  // a new value after the commit: a new step
  EXPECT_EQ(doc().Conditions.maxLength, before.maxLength + 2);
  EXPECT_EQ(history.UndoCount(), start + 3);
  EXPECT_EQ(Undo()->text(), QStringLiteral("Undo Max"));

  const bool wasOn = doc().Conditions.on;
  bar->conditionsBox()->click();
  ASSERT_NE(doc().Conditions.on, wasOn);
  EXPECT_EQ(Undo()->text(),
            wasOn ? QStringLiteral("Undo Conditions Off") : QStringLiteral("Undo Conditions On"));

  const std::string word = Keystring(doc(), 3);
  doc().view().CurRow = 3;
  doc().view().CurCol = 2;
  window->command(QStringLiteral("ClearWord1"))->trigger();
  ASSERT_EQ(history.UndoCount(), start + 5);
  // Each undo takes back exactly its own change, and the controls show what it put back.
  Undo()->trigger();
  EXPECT_EQ(Keystring(doc(), 3), word);
  EXPECT_NE(doc().Conditions.on, wasOn);
  Undo()->trigger();
  EXPECT_EQ(doc().Conditions.on, wasOn);
  EXPECT_EQ(bar->conditionsBox()->isChecked(), wasOn);
  Undo()->trigger();
  EXPECT_EQ(doc().Conditions.maxLength, before.maxLength + 1);
  EXPECT_EQ(max->value(), before.maxLength + 1);
  Undo()->trigger();
  Undo()->trigger();
  EXPECT_EQ(doc().Conditions, before);
  EXPECT_EQ(min->value(), before.minLength);
  EXPECT_EQ(max->value(), before.maxLength);
  EXPECT_EQ(history.UndoCount(), start);
}

TEST_F(UndoWindowTest, UndoAfterSaveMarksThePuzzleChangedAndRedoToTheSavedStateClearsIt) {
  window->command(QStringLiteral("StretchGrid1"))->trigger();
  EXPECT_TRUE(doc().PuzzleChanged);
  const std::string path = QDir(dir.path()).filePath(QStringLiteral("saved.qtl")).toStdString();
  host.fileAnswers.push_back(path);
  window->command(QStringLiteral("Puzzle2"))->trigger();
  ASSERT_TRUE(FileExists(path));
  EXPECT_FALSE(doc().PuzzleChanged);
  EXPECT_EQ(Undo()->text(), QStringLiteral("Undo Stretch Grid"));

  Undo()->trigger();
  EXPECT_TRUE(doc().PuzzleChanged);
  Redo()->trigger();
  EXPECT_FALSE(doc().PuzzleChanged);
  Undo()->trigger();
  // Closing now asks to save the changed puzzle.
  host.confirmAnswers.push_back(false);
  window->close();
  ASSERT_FALSE(host.questions.empty());
  EXPECT_EQ(host.questions.back(), "Puzzle file has changed.  Save it?");
}

}  // namespace
}  // namespace quotella

#include "edithistory_test.moc"
