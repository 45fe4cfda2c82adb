// The window's behaviour around searches, keys, settings, lists and views that a new user
// walking through the window found wrong once.

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QDesktopServices>
#include <QFile>
#include <QKeySequenceEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <map>
#include <string>

#include "app/commands/dialogcommands.h"
#include "app/commands/listcommands.h"
#include "app/commands/lookupcommands.h"
#include "app/commands/puzzlecommands.h"
#include "app/commands/recentpuzzlesmenu.h"
#include "app/commands/viewcommands.h"
#include "app/dialogs/generalsettingsdialog.h"
#include "app/dialogs/hotkeysdialog.h"
#include "app/dialogs/problemsearchdialog.h"
#include "app/dialogs/wordlisteditordialog.h"
#include "app/search/searchcontroller.h"
#include "app/widgets/panelbar.h"
#include "app/window/mainwindow.h"
#include "core/answertable.h"
#include "core/poolstatus.h"
#include "files/filesession.h"
#include "settings/settingsstore.h"
#include "windowfixture.h"

namespace quotella {
namespace {

using test::PuzzleWindowTest;
using test::WindowTest;

// Records the addresses the window asks the desktop to open.
class UrlCatcher : public QObject {
  Q_OBJECT
 public:
  UrlCatcher() {
    for (const char* scheme : {"https", "http", "file"})
      QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "open");
  }
  ~UrlCatcher() override {
    for (const char* scheme : {"https", "http", "file"})
      QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
  }
  QStringList urls;
 public slots:
  void open(const QUrl& url) { urls << url.toString(); }
};

// The sample puzzle, opened, with three answers cleared for the heuristic search.
class SearchWindowTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    LoadSample();
    for (int row : {3, 6, 7}) cleared.push_back(Keystring(window->doc(), row));
    ClearRows({3, 6, 7});
    host.Clear();
  }
  // Starts the search with pruning and leaves the editor with Cancel: the preparation
  // ends early and the searching flag stays set.
  void EndPreparationEarly() {
    host.confirmAnswers.push_back(true);
    Find<QPushButton>("HeuristicButton")->click();
    test::WaitForBackground(*window);  // the lists are read behind the window
    ASSERT_NE(window->searches().wordListEditor(), nullptr);
    window->searches().wordListEditor()->button(QStringLiteral("Cancel"))->click();
    QApplication::processEvents();
    ASSERT_TRUE(window->searches().heuristicSearching());
  }
  void WaitForSearch() { WaitForHeuristic(); }
  QString MessagePanel() { return Find<PanelBar>("StatusBar1")->panel(2); }
  std::vector<std::string> cleared;  // the three answers taken out
};

TEST_F(SearchWindowTest, MakingAPuzzleFromAQuoteLineEndsTheSearch) {
  EndPreparationEarly();
  window->doc().PuzzleChanged = false;
  window->command(QStringLiteral("Quotes3"))->trigger();
  auto* editor = Find<QPlainTextEdit>("QuotesEditor");
  editor->setPlainText(QString::fromLatin1(PuzzleWindowTest::kLine));
  editor->setTextCursor(QTextCursor(editor->document()));
  window->puzzleCommands().QuotesEditorDblClick();
  ASSERT_EQ(window->doc().P.QuotellaStr, "MILTONPARADISELOST");
  EXPECT_FALSE(window->searches().heuristicSearching());
  EXPECT_TRUE(Visible("Cluelist"));
  host.Clear();
  window->command(QStringLiteral("Autofill1"))->trigger();
  EXPECT_TRUE(window->searches().autofilling());
  window->command(QStringLiteral("Autofill1"))->trigger();  // stop it again
  EXPECT_TRUE(host.messages.empty() || host.messages.front().rfind("First you must", 0) != 0)
      << host.messages.front();
}

TEST_F(SearchWindowTest, OpeningAPuzzleEndsTheSearch) {
  EndPreparationEarly();
  window->doc().PuzzleChanged = false;
  host.confirmAnswers.push_back(true);
  host.fileAnswers.push_back(QUOTELLA_SOURCE_DIR "/resources/samplepuzzle1.qtl");
  window->command(QStringLiteral("Puzzle1"))->trigger();
  ASSERT_TRUE(window->doc().PuzzleExists);
  EXPECT_FALSE(window->searches().heuristicSearching());
}

TEST_F(SearchWindowTest, TheButtonStartsAgainAfterAnEarlyEndAndItsReportStays) {
  EndPreparationEarly();
  window->searches().EndHeuristicSearchNow1Click();
  // An early end by a list the pruning emptied: the report is what the panel shows.
  host.confirmAnswers.push_back(true);
  Find<QPushButton>("HeuristicButton")->click();
  test::WaitForBackground(*window);  // the lists are read behind the window
  WordListEditorDialog* editor = window->searches().wordListEditor();
  ASSERT_TRUE(editor->isVisible());
  QListWidget* first = editor->list(1);
  for (int i = 0; i < first->count(); ++i) first->item(i)->setCheckState(Qt::Checked);
  editor->button(QStringLiteral("OK"))->click();
  QApplication::processEvents();
  EXPECT_EQ(MessagePanel(),
            QStringLiteral("Quotella search failed because words in list are too short"));
  ASSERT_TRUE(window->searches().heuristicSearching());  // the flag stays after an early end

  // The button runs the search all the same, without "End Heuristic Search Now" first.
  host.confirmAnswers.push_back(false);  // no pruning
  Find<QPushButton>("HeuristicButton")->click();
  WaitForSearch();
  ASSERT_FALSE(window->searches().heuristicSearching());
  const QListWidget* list4 = Find<QListWidget>("Wordlist4");
  bool solution = false;
  for (int i = 0; i < list4->count(); ++i)
    solution = solution || list4->item(i)->text().count(QLatin1Char('*')) == 2;
  EXPECT_TRUE(solution);
  EXPECT_FALSE(MessagePanel().startsWith(QStringLiteral("This can take a long time")));
}

// Esc in the window stops the search while it runs, on letter files that give it millions
// of steps before its one solution.
TEST_F(SearchWindowTest, EscStopsARunningSearch) {
  QTemporaryDir dict;
  for (const auto& [initial, words] : test::SlowSearchLetterFiles(window->doc())) {
    QFile file(dict.filePath(QString(QLatin1Char(initial)) + QStringLiteral(".txt")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    for (const std::string& word : words) file.write((word + "\n").c_str());
  }
  window->sources().DictDir = dict.path().toStdString() + "/";

  host.confirmAnswers.push_back(false);  // no pruning
  Find<QPushButton>("HeuristicButton")->click();
  test::WaitForBackground(*window);  // the lists are read behind the window
  ASSERT_TRUE(window->searches().heuristicSearching());
  auto* esc = window->findChild<QShortcut*>(QStringLiteral("SearchEscape"));
  ASSERT_NE(esc, nullptr);
  EXPECT_TRUE(esc->isEnabled());
  QTest::keyClick(window.get(), Qt::Key_Escape);
  WaitForSearch();
  ASSERT_FALSE(window->searches().heuristicSearching());
  // The search says it was aborted and never reached its solution.
  QStringList log;
  const QListWidget* list4 = Find<QListWidget>("Wordlist4");
  for (int i = 0; i < list4->count(); ++i) log << list4->item(i)->text();
  EXPECT_TRUE(log.contains(QStringLiteral("User has aborted search.")))
      << log.join(u'|').toStdString();
  EXPECT_TRUE(log.filter(QStringLiteral(" * ")).isEmpty()) << log.join(u'|').toStdString();
  EXPECT_EQ(MessagePanel(), QStringLiteral("No Solutions found"));
  EXPECT_FALSE(esc->isEnabled());  // Esc is free again
}

TEST_F(SearchWindowTest, LayingASolutionMarksThePuzzleChanged) {
  window->doc().PuzzleChanged = false;
  window->sources().Lists[3].Items = {cleared[0] + " * " + cleared[1] + " * " + cleared[2]};
  window->listCommands().Wordlist4DblClick(0);
  EXPECT_TRUE(host.messages.empty()) << host.messages.front();
  EXPECT_EQ(NumEmpty(window->doc()), 0);
  EXPECT_TRUE(window->doc().PuzzleChanged);
  host.Clear();
  window->close();
  EXPECT_NE(
      std::find(host.questions.begin(), host.questions.end(), "Puzzle file has changed.  Save it?"),
      host.questions.end());
}

TEST_F(PuzzleWindowTest, AStaleEscDoesNotAbortTheNextLongCommand) {
  QTest::keyClick(table(), Qt::Key_Escape);
  QTimer::singleShot(0, window.get(), [this] {
    auto* dialog = window->findChild<ProblemSearchDialog*>();
    ASSERT_NE(dialog, nullptr);
    dialog->findChild<QPushButton*>(QStringLiteral("SearchNowButton"))->click();
  });
  window->command(QStringLiteral("MajorProblemScan"))->trigger();
  test::WaitForBackground(*window);
  EXPECT_TRUE(host.messages.empty()) << host.messages.front();
  EXPECT_GT(Find<QListWidget>("Candidates")->count(), 1);
}

TEST_F(PuzzleWindowTest, CtrlDTogglesTheConditionsAndCtrlMLooksUpAMovie) {
  auto* box = Find<QCheckBox>("ConditionsCheckbox");
  table()->setFocus();
  const bool before = box->isChecked();
  QTest::keyClick(table(), Qt::Key_D, Qt::ControlModifier);
  EXPECT_NE(box->isChecked(), before);
  EXPECT_EQ(doc().Conditions.on, box->isChecked());

  UrlCatcher urls;
  host.promptAnswers.push_back(std::string("casablanca"));
  QTest::keyClick(table(), Qt::Key_M, Qt::ControlModifier);
  ASSERT_EQ(urls.urls.size(), 1);
  EXPECT_TRUE(urls.urls[0].contains(QStringLiteral("casablanca"))) << urls.urls[0].toStdString();
}

TEST_F(PuzzleWindowTest, F5AndF7LookUpWhatHasTheFocus) {
  UrlCatcher urls;
  // The answer table: its current answer, without a prompt.
  table()->setCurrentIndex(table()->model()->index(0, 2));
  for (char c : std::string("MIND")) QTest::keyClick(table(), c);
  table()->setCurrentIndex(table()->model()->index(0, 2));
  table()->setFocus();
  QTest::keyClick(table(), Qt::Key_F5);
  ASSERT_EQ(urls.urls.size(), 1);
  EXPECT_TRUE(urls.urls[0].contains(QStringLiteral("MIND"), Qt::CaseInsensitive))
      << urls.urls[0].toStdString();
  EXPECT_TRUE(host.prompts.empty());

  // The candidate list: the chosen candidate, offered in the candidate's own prompt (the
  // answer's prompt has a comma) and looked up as the user leaves it.
  window->command(QStringLiteral("Scan1"))->trigger();
  auto* candidates = Find<QListWidget>("Candidates");
  ASSERT_GT(candidates->count(), 0);
  candidates->setCurrentRow(0);
  candidates->setFocus();
  host.promptAnswers.push_back(std::string("mindful"));
  QTest::keyClick(candidates, Qt::Key_F7);
  ASSERT_EQ(host.prompts.size(), 1u);
  EXPECT_EQ(host.prompts[0], "GOOGLE LOOKUP | Put SPACES between words if necessary : ");
  ASSERT_EQ(urls.urls.size(), 2);
  EXPECT_TRUE(urls.urls[1].contains(QStringLiteral("mindful"))) << urls.urls[1].toStdString();
}

TEST_F(PuzzleWindowTest, AMadePuzzleShowsThePoolAlphabetically) {
  window->viewCommands().PoolViewClick(1);
  EXPECT_TRUE(Visible("RankGrid"));
  doc().PuzzleChanged = false;
  window->command(QStringLiteral("Quotes3"))->trigger();
  auto* editor = Find<QPlainTextEdit>("QuotesEditor");
  editor->setTextCursor(QTextCursor(editor->document()));
  window->puzzleCommands().QuotesEditorDblClick();
  EXPECT_EQ(doc().view().PoolView, 0);
  EXPECT_TRUE(Visible("CharPoolGrid"));
  EXPECT_FALSE(Visible("RankGrid"));
}

TEST_F(PuzzleWindowTest, DoubleClickingAQuoteLineAsksBeforeDroppingAChangedPuzzle) {
  table()->setCurrentIndex(table()->model()->index(0, 2));
  QTest::keyClick(table(), AvailableLetter());
  ASSERT_TRUE(doc().PuzzleChanged);
  const std::string typed = doc().KeyWords.At(2, 0);
  window->command(QStringLiteral("Quotes3"))->trigger();
  auto* editor = Find<QPlainTextEdit>("QuotesEditor");
  editor->setTextCursor(QTextCursor(editor->document()));

  host.choiceAnswers.push_back(std::nullopt);  // Cancel: the puzzle stays
  window->puzzleCommands().QuotesEditorDblClick();
  ASSERT_EQ(host.questions.size(), 1u);
  EXPECT_EQ(host.questions[0], "Puzzle file has changed. Save it?");
  EXPECT_EQ(doc().KeyWords.At(2, 0), typed);

  host.choiceAnswers.push_back(false);  // No: the new puzzle replaces it
  window->puzzleCommands().QuotesEditorDblClick();
  EXPECT_TRUE(doc().KeyWords.At(2, 0).empty());
  EXPECT_FALSE(doc().PuzzleChanged);
}

TEST_F(PuzzleWindowTest, IniFileFromTheGridViewShowsTheSettingsAndTheClues) {
  window->command(QStringLiteral("Grid1"))->trigger();
  ASSERT_TRUE(Visible("PrintStatusBar1"));
  window->command(QStringLiteral("IniFile2"))->trigger();
  EXPECT_TRUE(Visible("IniFile"));
  EXPECT_TRUE(Visible("Cluelist"));
  EXPECT_FALSE(Visible("PuzzleGridArea"));
  for (const char* name : {"PrintStatusBar1", "PrintStatusBar2", "TitleEdit", "BylineEdit",
                           "OrentationButton", "DistributionButton", "CopyrightButton"})
    EXPECT_FALSE(Visible(name)) << name;
  EXPECT_TRUE(Visible("CharStatus1"));
}

TEST_F(WindowTest, SavingTheSettingsFileAppliesItsView) {
  window->command(QStringLiteral("IniFile2"))->trigger();
  auto* text = Find<QPlainTextEdit>("IniFile");
  text->setPlainText(text->toPlainText() + QStringLiteral("\n[title]\nMonday Puzzle"));
  host.fileAnswers.push_back(window->settings().Values().IniFileName);
  window->command(QStringLiteral("InitFile1"))->trigger();
  window->command(QStringLiteral("Puzzle3"))->trigger();
  EXPECT_EQ(Find<QLineEdit>("TitleEdit")->text(), QStringLiteral("Monday Puzzle"));
}

TEST_F(SearchWindowTest, AutofillShowsItsProgressInTheStatusBar) {
  auto* progress = Find<QProgressBar>("AutofillProgress");
  ASSERT_NE(progress, nullptr);
  EXPECT_FALSE(progress->isVisible());
  window->command(QStringLiteral("Autofill1"))->trigger();
  EXPECT_TRUE(progress->isVisible());
  EXPECT_EQ(progress->maximum(), 3);
  WaitForAutofill();
  EXPECT_FALSE(progress->isVisible());
  EXPECT_EQ(NumEmpty(window->doc()), 0);
}

TEST_F(WindowTest, WebsiteOpensTheInstalledPageAndSaysWhenItIsMissing) {
  UrlCatcher urls;
  QAction* website = window->command(QStringLiteral("Website1"));
  ASSERT_NE(website, nullptr);
  website->trigger();
  ASSERT_EQ(urls.urls.size(), 1);
  EXPECT_TRUE(urls.urls[0].startsWith(QStringLiteral("file:")));
  EXPECT_TRUE(urls.urls[0].endsWith(QStringLiteral("/quotella.html")));
  QFile::remove(QDir(dir.path()).filePath(QStringLiteral("quotella.html")));
  website->trigger();
  EXPECT_EQ(urls.urls.size(), 1);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].rfind("Cannot find file ", 0), 0u);
}

TEST_F(WindowTest, TheBundledWordListsAreEmpty) {
  QFile::copy(QStringLiteral(QUOTELLA_SOURCE_DIR "/resources/words2.txt"),
              QDir(dir.path()).filePath(QStringLiteral("words2.txt")));
  host.fileAnswers.push_back(QDir(dir.path()).filePath(QStringLiteral("words2.txt")).toStdString());
  window->command(QStringLiteral("Wordlist21"))->trigger();
  test::WaitForBackground(*window);
  EXPECT_TRUE(host.messages.empty()) << host.messages.front();
  EXPECT_TRUE(window->sources().Lists[1].Items.empty());
}

TEST_F(PuzzleWindowTest, NothingIsClippedAt805By587) {
  ASSERT_EQ(window->size(), QSize(805, 587));
  const auto fits = [](const QWidget* w, const QString& text) {
    return w->width() >= w->fontMetrics().horizontalAdvance(text);
  };
  // The pool grid's headers and order buttons read whole.
  auto* pool = Find<QTableView>("CharPoolGrid");
  ASSERT_TRUE(pool->isVisible());
  for (int col = 0; col < 3; ++col) {
    const QString header = pool->model()->index(0, col).data().toString();
    EXPECT_GE(pool->columnWidth(col), pool->fontMetrics().horizontalAdvance(header) + 4)
        << header.toStdString();
  }
  for (const char* name : {"AlphaButton", "RankSortButton", "SortPoolButton"}) {
    auto* b = Find<QPushButton>(name);
    EXPECT_TRUE(fits(b, b->text() + QStringLiteral("  "))) << name;
  }
  // The quote window keeps its width when the candidate or search bar shows.
  const int quoteWidth = Find("QuoteWindow")->width();
  window->viewCommands().CandidatesButtonClick();
  QApplication::processEvents();
  EXPECT_EQ(Find("QuoteWindow")->width(), quoteWidth);
  // The Grid view: title and byline hold thirty characters, every bottom control shows.
  window->command(QStringLiteral("Grid1"))->trigger();
  QApplication::processEvents();
  for (const char* name : {"TitleEdit", "BylineEdit"})
    EXPECT_TRUE(fits(Find(name), QString(30, QLatin1Char('n')))) << name;
  for (const char* name :
       {"BlockColorButton", "CopyrightButton", "DistributionButton", "OrentationButton"}) {
    auto* b = Find<QPushButton>(name);
    EXPECT_TRUE(fits(b, b->text())) << name;
    EXPECT_LE(b->mapTo(window.get(), QPoint(b->width(), 0)).x(), window->width()) << name;
  }
  // A long status text keeps the window's size and can be read in the tooltip.
  auto* bar = Find<PanelBar>("StatusBar1");
  const QString longText(300, QLatin1Char('x'));
  bar->setPanel(2, longText);
  QApplication::processEvents();
  EXPECT_EQ(window->width(), 805);
  EXPECT_EQ(bar->findChildren<QLabel*>()[2]->toolTip(), longText);
}

TEST_F(WindowTest, HotkeyBoxesRebindOnlyOnARealChange) {
  window->command(QStringLiteral("PuzzleHotkeys1"))->trigger();
  HotkeysDialog* keys = window->dialogs().hotkeys();
  ASSERT_NE(keys, nullptr);
  QAction* writeClue = window->command(QStringLiteral("WriteClue3"));
  QAction* scan = window->command(QStringLiteral("Scan1"));
  const QKeySequence clueBefore = writeClue->shortcut();
  const QKeySequence scanBefore = scan->shortcut();
  // Clicking into every box and leaving it changes nothing.
  for (const HotkeyBox& b : HotkeyBoxes()) {
    QKeySequenceEdit* edit = keys->box(b.box);
    ASSERT_NE(edit, nullptr) << b.box;
    edit->setFocus();
    emit edit->editingFinished();
  }
  EXPECT_EQ(writeClue->shortcut(), clueBefore);
  EXPECT_EQ(scan->shortcut(), scanBefore);

  // A bare letter is marked, not bound as Alt+letter.
  keys->setBox("ClueEditHotKey", QKeySequence(QStringLiteral("K")));
  EXPECT_EQ(writeClue->shortcut(), clueBefore);
  EXPECT_FALSE(keys->box("ClueEditHotKey")->toolTip().isEmpty());

  // A real change binds; reopening shows the fixed start values again.
  keys->setBox("ClueEditHotKey", QKeySequence(QStringLiteral("Ctrl+K")));
  EXPECT_EQ(writeClue->shortcut(), QKeySequence(QStringLiteral("Ctrl+K")));
  keys->hide();
  window->command(QStringLiteral("PuzzleHotkeys1"))->trigger();
  for (const HotkeyBox& b : HotkeyBoxes())
    EXPECT_EQ(
        keys->box(b.box)->keySequence(),
        QKeySequence(QString::fromStdString(ShortcutToText(b.shown)), QKeySequence::PortableText))
        << b.box;
  EXPECT_TRUE(keys->box("ClueEditHotKey")->toolTip().isEmpty());
}

TEST_F(PuzzleWindowTest, TheConditionsFieldsAnswerTypingEnterAndDoubleClicks) {
  auto* mustHave = Find<QLineEdit>("Conditions");
  mustHave->setFocus();
  QTest::keyClicks(mustHave, QStringLiteral("ra"));
  EXPECT_EQ(mustHave->text(), QStringLiteral("RA"));
  EXPECT_EQ(doc().Conditions.mustHave, "RA");
  QTest::keyClick(mustHave, Qt::Key_Return);
  EXPECT_TRUE(doc().Conditions.on);
  EXPECT_TRUE(Find<QCheckBox>("ConditionsCheckbox")->isChecked());
  EXPECT_TRUE(Visible("Candidates"));  // the scan ran
  QTest::mouseDClick(mustHave, Qt::LeftButton);
  EXPECT_TRUE(mustHave->text().isEmpty());

  auto* max = Find<QSpinBox>("MaxLength");
  max->setValue(9);
  QTest::mouseDClick(max->findChild<QLineEdit*>(), Qt::LeftButton);
  EXPECT_EQ(max->value(), 0);
  EXPECT_EQ(doc().Conditions.maxLength, 0);
  EXPECT_TRUE(table()->hasFocus());

  window->command(QStringLiteral("Puzzle3"))->trigger();
  Find<QListWidget>("Candidates")->clear();
  window->viewCommands().CandidatesButtonClick();
  QTest::mouseDClick(Find<PanelBar>("CandidateStatusBar"), Qt::LeftButton);
  EXPECT_GT(Find<QListWidget>("Candidates")->count(), 0);
}

TEST_F(WindowTest, WordListsShowTheirLabelAndLoseEntriesToDelete) {
  const QString file = QDir(dir.path()).filePath(QStringLiteral("mine.txt"));
  EXPECT_TRUE(WriteLinesAtomic(file.toStdString(), {"APPLE", "PEAR", "PLUM"}).ok());
  host.fileAnswers.push_back(file.toStdString());
  window->command(QStringLiteral("Wordlist31"))->trigger();
  test::WaitForBackground(*window);
  EXPECT_TRUE(Visible("Wordlist3"));
  EXPECT_EQ(Find<QLabel>("ListLabel")->text(), QStringLiteral("3: mine.txt - 3 items "));

  auto* list = Find<QListWidget>("Wordlist3");
  list->setFocus();
  list->setCurrentRow(1);
  QTest::keyClick(list, Qt::Key_Delete);
  EXPECT_EQ(window->sources().Lists[2].Items, (std::vector<std::string>{"APPLE", "PLUM"}));
  EXPECT_EQ(Find<QLabel>("ListLabel")->text(), QStringLiteral("3: mine.txt - 2 items "));

  // The background double click adds to the list last shown, and says which.
  QTest::mouseDClick(window->centralWidget(), Qt::LeftButton, {}, QPoint(2, 2));
  auto* field = Find<QLineEdit>("AddItemEdit");
  ASSERT_TRUE(field->isVisible());
  EXPECT_TRUE(field->placeholderText().contains(QStringLiteral("word list 3")));
  QTest::keyClicks(field, QStringLiteral("FIG"));
  QTest::keyClick(field, Qt::Key_Return);
  const auto& items = window->sources().Lists[2].Items;
  EXPECT_NE(std::find(items.begin(), items.end(), "FIG"), items.end());
}

TEST_F(WindowTest, RecentPuzzlesListOpenedFilesAndDropMissingOnes) {
  const QString copy = QDir(dir.path()).filePath(QStringLiteral("mine.qtl"));
  ASSERT_TRUE(
      QFile::copy(QStringLiteral(QUOTELLA_SOURCE_DIR "/resources/samplepuzzle1.qtl"), copy));
  host.confirmAnswers.push_back(true);
  host.fileAnswers.push_back(copy.toStdString());
  window->command(QStringLiteral("Puzzle1"))->trigger();
  ASSERT_TRUE(window->doc().PuzzleExists);
  ASSERT_EQ(window->recent().puzzles().Paths(), std::vector<std::string>{copy.toStdString()});
  QMenu* recent = window->recent().menu();
  ASSERT_NE(recent, nullptr);
  emit recent->aboutToShow();
  ASSERT_EQ(recent->actions().size(), 1);
  EXPECT_EQ(recent->actions()[0]->text(), copy);

  // Kept in the settings file under its own key.
  window->close();
  const auto lines = ReadTextLines(window->settings().Values().IniFileName);
  ASSERT_TRUE(lines.has_value());
  const auto key = std::find(lines->begin(), lines->end(), "[recent puzzles]");
  ASSERT_NE(key, lines->end());
  EXPECT_EQ(*(key + 1), copy.toStdString());

  // A file that has gone is dropped with a message.
  QFile::remove(copy);
  host.Clear();
  recent->actions()[0]->trigger();
  EXPECT_EQ(host.messages, std::vector<std::string>{"Cannot find file " + copy.toStdString()});
  EXPECT_TRUE(window->recent().puzzles().Paths().empty());
}

TEST_F(PuzzleWindowTest, SetLetterFrequencyKeepsTheRankColumn) {
  const std::string order = "ZYXWVUTSRQPONMLKJIHGFEDCBA";
  host.promptAnswers.push_back(order);
  window->command(QStringLiteral("LetterFrequency1"))->trigger();
  auto* pool = Find<QTableView>("CharPoolGrid");
  // Row 1 is A, last in the new order; row 26 is Z, first.
  EXPECT_EQ(pool->model()->index(1, 2).data().toString(), QStringLiteral("26"));
  EXPECT_EQ(pool->model()->index(26, 2).data().toString(), QStringLiteral("1"));
}

TEST_F(PuzzleWindowTest, TheCopyrightNoticeStaysWhereTheUserPutIt) {
  window->command(QStringLiteral("GeneralSettings1"))->trigger();
  auto* box =
      window->dialogs().generalSettings()->findChild<QLineEdit*>(QStringLiteral("CopyrightEdit"));
  ASSERT_NE(box, nullptr);
  // The Copyright button with General Settings open: the box follows, closing keeps it.
  window->command(QStringLiteral("Grid1"))->trigger();
  host.promptAnswers.push_back(std::string("2026 New Notice"));
  Find<QPushButton>("CopyrightButton")->click();
  const std::string notice = window->session().CopyrightText;
  ASSERT_NE(notice.find("2026 New Notice"), std::string::npos);
  EXPECT_EQ(box->text().toStdString(), notice);
  window->dialogs().generalSettings()->closeButton()->click();
  EXPECT_EQ(window->session().CopyrightText, notice);

  // Reading the settings file again leaves the loaded puzzle's notice alone.
  window->session().CopyrightText = "(c) the puzzle's own";
  window->command(QStringLiteral("LoadIniFile1"))->trigger();
  EXPECT_EQ(window->session().CopyrightText, "(c) the puzzle's own");
}

TEST_F(PuzzleWindowTest, ScanListNamesTheScannedFileUntilAnotherViewOpens) {
  const QString path = QDir(dir.path()).filePath(QStringLiteral("birds.txt"));
  ASSERT_TRUE(WriteLinesAtomic(path.toStdString(), {"WREN", "OWL", "MAGPIE"}).ok());
  host.fileAnswers.push_back(path.toStdString());
  window->command(QStringLiteral("Wordlist11"))->trigger();
  test::WaitForBackground(*window);
  window->command(QStringLiteral("Puzzle3"))->trigger();
  auto* label = Find<QLabel>("WordListFileLabel");
  ASSERT_NE(label, nullptr);
  EXPECT_FALSE(label->isVisible());
  window->command(QStringLiteral("ScanList11"))->trigger();
  EXPECT_TRUE(Visible("Candidates"));
  EXPECT_TRUE(label->isVisible());
  EXPECT_EQ(label->text(), QStringLiteral("birds.txt"));
  window->command(QStringLiteral("Puzzle3"))->trigger();
  EXPECT_FALSE(label->isVisible());
}

// A scripted host that notes what the progress log shows when a message box comes up.
class LogWatchingHost : public test::FakeHost {
 public:
  void Message(const std::string& text) override {
    if (log) {
      logVisible.push_back(log->isVisible());
      logLines.clear();
      for (int i = 0; i < log->count(); ++i) logLines << log->item(i)->text();
    }
    FakeHost::Message(text);
  }
  QListWidget* log = nullptr;
  std::vector<bool> logVisible;
  QStringList logLines;
};

TEST(RarityRecountWindow, ShowsItsProgressLogWhileCountingAndHidesItAfter) {
  test::EnsureApp();
  test::ProgramDir dir;
  LogWatchingHost host;
  MainWindow::Options options;
  options.programDir = dir.path();
  options.dialogs = &host;
  options.registerFileType = false;
  MainWindow window(options);
  window.show();
  QApplication::processEvents();
  host.log = window.findChild<QListWidget*>(QStringLiteral("ProgressLog"));
  ASSERT_NE(host.log, nullptr);
  EXPECT_FALSE(host.log->isVisible());
  host.Clear();

  window.command(QStringLiteral("SetRarityColors1"))->trigger();
  EXPECT_TRUE(host.log->isVisible());
  test::WaitForBackground(window);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].rfind("Rarity colors in the Answer grid", 0), 0u);
  ASSERT_EQ(host.logVisible, std::vector<bool>{true});
  ASSERT_FALSE(host.logLines.isEmpty());
  EXPECT_EQ(host.logLines.front(), QStringLiteral("Assigning colors based on rarity..."));
  EXPECT_TRUE(host.logLines.last().startsWith(QStringLiteral("Z : ")));
  EXPECT_FALSE(host.log->isVisible());

  // The recount runs once a run: the second call neither shows the log nor a message.
  window.command(QStringLiteral("SetraritycolorstoDict1"))->trigger();
  EXPECT_EQ(host.messages.size(), 1u);
  EXPECT_FALSE(host.log->isVisible());
}

TEST_F(SearchWindowTest, TheEditorsCheckListsLookUpTheirSelectedWord) {
  UrlCatcher urls;
  host.confirmAnswers.push_back(true);
  Find<QPushButton>("HeuristicButton")->click();
  test::WaitForBackground(*window);  // the lists are read behind the window
  WordListEditorDialog* editor = window->searches().wordListEditor();
  ASSERT_NE(editor, nullptr);
  QListWidget* list = editor->list(1);
  ASSERT_GT(list->count(), 0);
  EXPECT_EQ(list->contextMenuPolicy(), Qt::ActionsContextMenu);
  ASSERT_EQ(list->actions().size(), 1);
  QAction* lookup = list->actions().front();
  EXPECT_EQ(lookup->text(), QStringLiteral("Look up word at Merriam-Webster"));
  list->setCurrentRow(list->count() - 1);
  const QString word = list->item(list->count() - 1)->text();
  lookup->trigger();
  ASSERT_EQ(urls.urls.size(), 1);
  EXPECT_TRUE(urls.urls[0].endsWith(word.toLower())) << urls.urls[0].toStdString();
  editor->button(QStringLiteral("Cancel"))->click();
  QApplication::processEvents();
}

TEST_F(SearchWindowTest, LeavingThePruneEditorWithCancelGoesBackToThePuzzle) {
  window->command(QStringLiteral("Quotes3"))->trigger();
  ASSERT_TRUE(Visible("QuotesEditor"));
  EndPreparationEarly();
  EXPECT_FALSE(Visible("QuotesEditor"));
  EXPECT_TRUE(Visible("KeyWords"));
  EXPECT_FALSE(Visible("SearchStatusBar"));
}

TEST_F(WindowTest, WebsiteSaysSoWhenTheDesktopHasNoBrowser) {
  QUrl asked;
  window->lookUps().setUrlOpener([&asked](const QUrl& url) {
    asked = url;
    return false;
  });
  window->command(QStringLiteral("Website1"))->trigger();
  EXPECT_TRUE(asked.isLocalFile());
  // Said as a question that offers to copy the address.
  ASSERT_EQ(host.questions.size(), 1u);
  EXPECT_EQ(host.questions[0].rfind("No web browser is set up on this desktop", 0), 0u);
  EXPECT_NE(host.questions[0].find("quotella.html"), std::string::npos);
}

}  // namespace
}  // namespace quotella

#include "windowfaults_test.moc"
