// Features the user reaches through the window: rows selected for a fill, look-ups and
// companions without a browser or a companion program, prompts wide enough to read, the
// word lists as the searches and views leave them, and captions spelled right.
#include <QClipboard>
#include <QDesktopServices>
#include <QFileInfo>
#include <QHeaderView>
#include <QInputDialog>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <set>

#include "app/commands/dialogcommands.h"
#include "app/commands/editorsync.h"
#include "app/commands/lookupcommands.h"
#include "app/dialogs/autofilldialog.h"
#include "app/dialogs/browsedialog.h"
#include "app/dialogs/hotkeysdialog.h"
#include "app/dialogs/problemsearchdialog.h"
#include "app/dialogs/wordlisteditordialog.h"
#include "app/panes/answerpane.h"
#include "app/panes/statuspane.h"
#include "app/panes/wordlistpane.h"
#include "app/window/guihost.h"
#include "core/answertable.h"
#include "files/filesession.h"
#include "render/qtext.h"
#include "search/wordlists.h"
#include "windowfixture.h"

namespace quotella {
namespace {

using test::WindowTest;

// A window of its own over a program directory; null dialogs are the real ones.
std::unique_ptr<MainWindow> ShownWindow(const test::ProgramDir& dir, Host* dialogs) {
  test::EnsureApp();
  MainWindow::Options options;
  options.programDir = dir.path();
  options.dialogs = dialogs;
  options.registerFileType = false;
  auto window = std::make_unique<MainWindow>(options);
  window->show();
  QApplication::processEvents();
  return window;
}

class ReachableWindowTest : public WindowTest {
 protected:
  KeyTableView* table() { return window->answerPane()->keyWords(); }
  QPoint LabelOf(int row) { return table()->visualRect(table()->model()->index(row, 0)).center(); }
  QPoint CellOf(int row, int col) {
    return table()->visualRect(table()->model()->index(row, col)).center();
  }
  void ClickLabel(int row, Qt::KeyboardModifiers mods) {
    table()->scrollTo(table()->model()->index(row, 0));
    QTest::mouseClick(table()->viewport(), Qt::LeftButton, mods, LabelOf(row));
  }
  std::vector<int> SelectedRows() { return AutofillDialog::SelectedRows(table()); }
  std::vector<std::string> Answers() {
    std::vector<std::string> answers;
    for (int row = 0; row < window->doc().P.NumWords; ++row)
      answers.push_back(Keystring(window->doc(), row));
    return answers;
  }
  // The desktop opens nothing; the addresses asked for are kept.
  void NoBrowser() {
    window->lookUps().setUrlOpener([this](const QUrl& url) {
      opened << url;
      return false;
    });
  }
  void Browser() {
    window->lookUps().setUrlOpener([this](const QUrl& url) {
      opened << url;
      return true;
    });
  }
  QList<QUrl> opened;
};

// Rows picked on their labels are the rows the Autofill dialog names and the fill covers.
TEST_F(ReachableWindowTest, RowsPickedOnTheirLabelsAreTheOnlyRowsTheFillChanges) {
  LoadSample();
  ClearRows({3, 6, 7});
  const std::vector<std::string> before = Answers();
  QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, CellOf(3, 2));
  ClickLabel(3, Qt::ControlModifier);
  ClickLabel(7, Qt::ControlModifier);
  EXPECT_EQ(SelectedRows(), (std::vector<int>{3, 7}));

  window->command(QStringLiteral("AutofillDialog1"))->trigger();
  auto* dialog = Find<AutofillDialog>("AutofillDialog");
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(Find<QLabel>("AutofillRows")->text(), QStringLiteral("D, H"));
  QTest::mouseClick(Find<QPushButton>("AutofillFill"), Qt::LeftButton);
  WaitForAutofill();
  const std::vector<std::string> after = Answers();
  for (std::size_t row = 0; row < after.size(); ++row) {
    if (row == 3 || row == 7)
      EXPECT_GT(after[row].size(), 1u) << row;
    else
      EXPECT_EQ(after[row], before[row]) << row;
  }
}

TEST_F(ReachableWindowTest, ShiftExtendsARowSelectionAndAPlainClickGoesBackToOneCell) {
  LoadSample();
  // Shift+Down from the caret's row picks whole rows and moves the caret along.
  QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, CellOf(2, 3));
  table()->setFocus();
  QTest::keyClick(table(), Qt::Key_Down, Qt::ShiftModifier);
  QTest::keyClick(table(), Qt::Key_Down, Qt::ShiftModifier);
  EXPECT_EQ(SelectedRows(), (std::vector<int>{2, 3, 4}));
  EXPECT_EQ(window->doc().view().CurRow, 4);
  QTest::keyClick(table(), Qt::Key_Up, Qt::ShiftModifier);
  EXPECT_EQ(SelectedRows(), (std::vector<int>{2, 3}));

  // A plain click on a cell is the caret again, and nothing else is selected.
  QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, CellOf(5, 4));
  EXPECT_TRUE(SelectedRows().empty());
  EXPECT_EQ(window->doc().view().CurRow, 5);
  EXPECT_EQ(window->doc().view().CurCol, 4);
  // Typing still goes into the caret's cell.
  EXPECT_EQ(table()->selectionModel()->selectedIndexes().size(), 1);

  // Ctrl on one label, Shift on another: the range between them; Ctrl again drops one.
  ClickLabel(8, Qt::ControlModifier);
  ClickLabel(11, Qt::ShiftModifier);
  EXPECT_EQ(SelectedRows(), (std::vector<int>{8, 9, 10, 11}));
  ClickLabel(9, Qt::ControlModifier);
  EXPECT_EQ(SelectedRows(), (std::vector<int>{8, 10, 11}));
  // Ctrl+Shift adds a range to them; Shift alone replaces them with one.
  // (from the row last Ctrl-clicked).
  ClickLabel(13, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(SelectedRows(), (std::vector<int>{8, 9, 10, 11, 12, 13}));
  ClickLabel(14, Qt::ShiftModifier);
  EXPECT_EQ(SelectedRows(), (std::vector<int>{9, 10, 11, 12, 13, 14}));
  // One row alone is a selection too.
  QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, CellOf(1, 2));
  ClickLabel(12, Qt::ControlModifier);
  EXPECT_EQ(SelectedRows(), (std::vector<int>{12}));
}

TEST_F(ReachableWindowTest, ALookUpWithoutABrowserSaysSoAndCopiesTheAddressWhenAsked) {
  NoBrowser();
  QApplication::clipboard()->setText(QStringLiteral("kept"));
  host.promptAnswers.push_back(std::string("serendipity"));
  host.confirmAnswers.push_back(false);
  window->command(QStringLiteral("MainMerriamLookup"))->trigger();
  ASSERT_EQ(opened.size(), 1);
  EXPECT_TRUE(opened.front().toString().contains(QStringLiteral("serendipity")));
  ASSERT_EQ(host.questions.size(), 1u);
  EXPECT_NE(host.questions.front().find("No web browser is set up on this desktop"),
            std::string::npos)
      << host.questions.front();
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("kept")) << "No copies nothing";

  host.Clear();
  host.promptAnswers.push_back(std::string("serendipity"));
  host.confirmAnswers.push_back(true);
  window->command(QStringLiteral("MainMerriamLookup"))->trigger();
  EXPECT_EQ(QApplication::clipboard()->text(), opened.back().toString());

  // With a browser, nothing is asked.
  Browser();
  host.Clear();
  host.promptAnswers.push_back(std::string("zeal"));
  window->command(QStringLiteral("GoogleLookup1"))->trigger();
  EXPECT_TRUE(host.questions.empty());
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(ReachableWindowTest, TheWebsiteWithoutABrowserOffersItsPath) {
  NoBrowser();
  host.confirmAnswers.push_back(true);
  window->command(QStringLiteral("Website1"))->trigger();
  ASSERT_EQ(opened.size(), 1);
  ASSERT_EQ(host.questions.size(), 1u);
  EXPECT_NE(host.questions.front().find("No web browser is set up on this desktop"),
            std::string::npos);
  EXPECT_EQ(QApplication::clipboard()->text(), opened.front().toLocalFile());
  EXPECT_TRUE(opened.front().toLocalFile().endsWith(QStringLiteral("quotella.html")));
}

// Without the companion programs, the Tools entries open what the desktop can show.
TEST_F(ReachableWindowTest, SolverWithoutItsProgramOpensThePlayableWebPage) {
  LoadSample();
  Browser();
  window->command(QStringLiteral("Solver1"))->trigger();
  EXPECT_TRUE(host.messages.empty()) << host.messages.front();
  ASSERT_EQ(opened.size(), 1);
  ASSERT_TRUE(opened.front().isLocalFile());
  const QString page = opened.front().toLocalFile();
  EXPECT_TRUE(page.endsWith(QStringLiteral(".html")));
  QFile file(page);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray html = file.readAll();
  EXPECT_TRUE(html.contains("<html") || html.contains("<!DOCTYPE")) << html.left(200).data();
  EXPECT_TRUE(html.contains(QByteArray::fromStdString(window->doc().Label(0))));
}

TEST_F(ReachableWindowTest, SolverWithoutAPuzzleSaysSo) {
  Browser();
  window->command(QStringLiteral("Solver1"))->trigger();
  EXPECT_TRUE(opened.isEmpty());
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages.front(), "First you must load a puzzle!");
}

TEST_F(ReachableWindowTest, TextEditorWithoutItsProgramSavesAndOpensTheOutputFile) {
  Browser();
  QDir(dir.path()).mkdir(QStringLiteral("Ausgabe-Größe"));
  const QString path = dir.filePath(QStringLiteral("Ausgabe-Größe/notizen.txt"));
  window->session().Output.Lines = LineStore(std::vector<std::string>{"erste Zeile", "zweite"});
  host.fileAnswers.push_back(ToUtf8(path));
  window->command(QStringLiteral("extEditor1"))->trigger();
  ASSERT_EQ(host.fileDialogs.size(), 1u) << "an unsaved output is saved first";
  ASSERT_TRUE(QFileInfo::exists(path));
  ASSERT_EQ(opened.size(), 1);
  EXPECT_EQ(opened.front(), QUrl::fromLocalFile(path));

  // Once it is saved, the file opens at once.
  host.Clear();
  window->command(QStringLiteral("extEditor1"))->trigger();
  EXPECT_TRUE(host.fileDialogs.empty());
  ASSERT_EQ(opened.size(), 2);
  EXPECT_EQ(opened.back(), QUrl::fromLocalFile(path));

  // A cancelled save opens nothing.
  host.Clear();
  window->session().Output.OutputFileName = "never-saved.txt";
  window->command(QStringLiteral("extEditor1"))->trigger();
  EXPECT_EQ(opened.size(), 2);
}

TEST_F(ReachableWindowTest, PuzzleManagerWithoutItsProgramOpensThePuzzleBrowser) {
  window->command(QStringLiteral("PuzzleManager1"))->trigger();
  EXPECT_TRUE(host.messages.empty()) << host.messages.front();
  auto* browser = Find<BrowseDialog>("BrowseForm");
  ASSERT_NE(browser, nullptr);
  EXPECT_TRUE(browser->isVisible());
}

TEST_F(ReachableWindowTest, APresentCompanionProgramIsStartedInstead) {
  const QString marker = dir.filePath(QStringLiteral("started"));
  const QString program = dir.filePath(LookUpCommands::PuzzleManagerProgram());
  QFile script(program);
  ASSERT_TRUE(script.open(QIODevice::WriteOnly));
  script.write(("#!/bin/sh\ntouch '" + marker + "'\n").toUtf8());
  script.close();
  script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
  window->command(QStringLiteral("PuzzleManager1"))->trigger();
  for (int i = 0; i < 250 && !QFileInfo::exists(marker); ++i) QTest::qWait(20);
  EXPECT_TRUE(QFileInfo::exists(marker));
  auto* browser = Find<BrowseDialog>("BrowseForm");
  EXPECT_TRUE(browser == nullptr || !browser->isVisible());
}

// The real prompt as the user sees it: measured while it is shown, then cancelled.
struct ShownPrompt {
  int width = 0;
  int labelHint = 0;
  int labelWidth = 0;
};
ShownPrompt MeasureNextPrompt(const std::function<void()>& ask) {
  ShownPrompt shown;
  QTimer timer;
  timer.setInterval(20);
  QObject::connect(&timer, &QTimer::timeout, [&] {
    auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
    if (!dialog || !dialog->isVisible()) return;
    shown.width = dialog->width();
    for (QLabel* label : dialog->findChildren<QLabel*>())
      if (!label->text().isEmpty()) {
        shown.labelHint = label->sizeHint().width();
        shown.labelWidth = label->width();
      }
    dialog->reject();
  });
  timer.start();
  ask();
  return shown;
}

TEST_F(ReachableWindowTest, PromptsAreWideEnoughForAClueAndShowTheirWholeCaption) {
  GuiHost real(window.get());
  const std::vector<std::pair<std::string, std::string>> prompts = {
      {"Clue for A", "Enter the clue for FOUNDATION: "},
      {"Copyright Notice", "(See General Settings for placement)"},
      {"Merriam-Webster Website Lookup", "Word to look up: "},
      {"INTERNET MOVIE DATABASE", "Enter movie title, actor or actress : "},
      {"Letter Frequency, Most common to least common",
       "Must contain all 26 letters of the Alphabet!\nThe rightmost 11 letters will be "
       "considered \nthe \"Primary Problem Chars\" : "},
      {"Letter Frequency",
       "A caption far longer than the prompt's least width, so that the dialog must grow to "
       "show every word of it"},
  };
  for (const auto& [caption, label] : prompts) {
    const ShownPrompt shown = MeasureNextPrompt([&] { (void)real.Prompt(caption, label, ""); });
    EXPECT_GE(shown.width, GuiHost::kPromptMinWidth) << caption;
    EXPECT_GT(shown.labelWidth, 0) << caption;
    EXPECT_LE(shown.labelHint, shown.labelWidth) << caption << ": the caption is cut";
  }
}

// The letter-frequency prompt through its menu entry, with the window's real dialogs.
TEST(RealPromptWindow, TheLetterFrequencyPromptIsWide) {
  test::EnsureApp();
  test::ProgramDir dir;
  const auto window = ShownWindow(dir, nullptr);
  const ShownPrompt shown =
      MeasureNextPrompt([&] { window->command(QStringLiteral("LetterFrequency1"))->trigger(); });
  EXPECT_GE(shown.width, GuiHost::kPromptMinWidth);
  EXPECT_LE(shown.labelHint, shown.labelWidth);
}

// The bundled word lists hold only note lines: no entries, however they are read.
TEST(BundledWordLists, TheirNotesAreNoEntriesWhenTheProgramStarts) {
  test::EnsureApp();
  test::ProgramDir dir;
  for (int n = 1; n <= 4; ++n) {
    const QString name = QStringLiteral("words%1.txt").arg(n);
    ASSERT_TRUE(
        QFile::copy(QStringLiteral(QUOTELLA_SOURCE_DIR "/resources/") + name, dir.filePath(name)));
  }
  test::FakeHost host;
  const auto window = ShownWindow(dir, &host);
  test::WaitForBackground(*window);
  QApplication::processEvents();
  for (int n = 1; n <= 4; ++n) {
    EXPECT_EQ(window->sources().List(n).Items.size(), 0u) << n;
    EXPECT_EQ(window->listPane()->wordList(n)->count(), 0) << n;
  }
  window->command(QStringLiteral("ReloadWordLists1"))->trigger();
  test::WaitForBackground(*window);
  EXPECT_EQ(window->listPane()->wordList(4)->count(), 0);
  window->ShowView(QStringLiteral("Wordlist"), 4);
  EXPECT_TRUE(window->statusPane()->listLabel()->text().contains(QStringLiteral("0 items")))
      << window->statusPane()->listLabel()->text().toStdString();
}

TEST_F(ReachableWindowTest, TheListLabelFollowsTheViewAfterWordList4) {
  LoadSample();
  window->sources().List(4).Items = LineStore(std::vector<std::string>{"ZEBRA"});
  window->ShowView(QStringLiteral("Wordlist"), 4);
  const QString list4Label = window->statusPane()->listLabel()->text();
  ASSERT_TRUE(window->listPane()->wordList(4)->isVisible());
  window->command(QStringLiteral("IniFile2"))->trigger();
  window->command(QStringLiteral("Puzzle3"))->trigger();
  ASSERT_TRUE(window->listPane()->clueList()->isVisible());
  EXPECT_NE(window->statusPane()->listLabel()->text(), list4Label);
  window->command(QStringLiteral("IniFile2"))->trigger();
  EXPECT_TRUE(window->listPane()->clueList()->isVisible());
  EXPECT_EQ(window->statusPane()->listLabel()->text(), QStringLiteral(" List of Clues "));
}

// Looks at the window each time a question is asked.
class WatchingHost : public test::FakeHost {
 public:
  bool Confirm(const std::string& text, ConfirmKind kind) override {
    if (onQuestion) onQuestion(text);
    return FakeHost::Confirm(text, kind);
  }
  std::function<void(const std::string&)> onQuestion;
};

TEST(HeuristicSearchLog, ANewSearchShowsNoneOfThePreviousSearchsWordsWhileItAsks) {
  test::EnsureApp();
  test::ProgramDir dir;
  WatchingHost host;
  const auto window = ShownWindow(dir, &host);
  host.confirmAnswers.push_back(true);
  host.fileAnswers.push_back(QUOTELLA_SOURCE_DIR "/resources/samplepuzzle1.qtl");
  window->command(QStringLiteral("Puzzle1"))->trigger();
  ASSERT_TRUE(window->doc().PuzzleExists);
  for (int row : {3, 6, 7}) {
    window->doc().view().CurRow = row;
    window->doc().view().CurCol = 2;
    window->command(QStringLiteral("ClearWord1"))->trigger();
  }
  // What the last search left in its log.
  window->sources().List(4).Items = LineStore(std::vector<std::string>{"OLDWORD", "STALE"});
  window->editors().PushLists();
  host.Clear();
  QListWidget* log = window->listPane()->wordList(4);
  QStringList shownAtQuestion;
  bool logVisible = false;
  host.onQuestion = [&](const std::string&) {
    logVisible = log->isVisible();
    for (int i = 0; i < log->count(); ++i) shownAtQuestion << log->item(i)->text();
  };
  host.confirmAnswers.push_back(false);  // no pruning
  window->findChild<QPushButton*>(QStringLiteral("HeuristicButton"))->click();
  test::WaitForBackground(*window);  // the lists are read behind the window, then it asks
  ASSERT_FALSE(host.questions.empty());
  EXPECT_TRUE(logVisible);
  EXPECT_FALSE(shownAtQuestion.contains(QStringLiteral("OLDWORD")))
      << shownAtQuestion.join(',').toStdString();
  EXPECT_FALSE(shownAtQuestion.contains(QStringLiteral("STALE")));
  window->searches().EndHeuristicSearchNow1Click();
  for (int i = 0; i < 6000 && window->searches().heuristicSearching(); ++i) QTest::qWait(50);
}

// Captions are spelled right; the hotkey table binds by command name, so the renamed
// captions keep their keys.
TEST_F(ReachableWindowTest, CaptionsAreSpelledRightAndKeepTheirHotkeys) {
  QAction* toggle = window->command(QStringLiteral("ToggleConditonsX"));
  ASSERT_NE(toggle, nullptr);
  EXPECT_EQ(toggle->text(), QStringLiteral("Toggle Conditions"));
  EXPECT_EQ(window->command(QStringLiteral("ToggleConditons1"))->text(),
            QStringLiteral("Toggle Conditions"));
  for (QAction* action : window->commands()) {
    EXPECT_FALSE(action->text().contains(QStringLiteral("Conditons")))
        << action->text().toStdString();
    EXPECT_FALSE(action->text().contains(QStringLiteral("Seach"))) << action->text().toStdString();
  }
  ProblemSearchDialog problems{ProblemSearchParams{}};
  auto* search = problems.findChild<QPushButton*>(QStringLiteral("SearchNowButton"));
  ASSERT_NE(search, nullptr);
  EXPECT_EQ(search->text(), QStringLiteral("Search Now"));

  window->command(QStringLiteral("PuzzleHotkeys1"))->trigger();
  window->dialogs().hotkeys()->setBox("ToggleConditionsHotkey",
                                      QKeySequence(QStringLiteral("Ctrl+Alt+K")));
  EXPECT_EQ(toggle->shortcut(), QKeySequence(QStringLiteral("Ctrl+Alt+K")));
}

}  // namespace
}  // namespace quotella
