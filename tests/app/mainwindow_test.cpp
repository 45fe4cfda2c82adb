#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>

#include "app/commands/dialogcommands.h"
#include "app/commands/listcommands.h"
#include "app/commands/lookupcommands.h"
#include "app/commands/viewcommands.h"
#include "app/dialogs/browsedialog.h"
#include "app/dialogs/generalsettingsdialog.h"
#include "app/dialogs/hotkeysdialog.h"
#include "app/dialogs/manualentrydialog.h"
#include "app/dialogs/problemsearchdialog.h"
#include "app/dialogs/wordlisteditordialog.h"
#include "app/panes/quotewindowfile.h"
#include "app/search/searchcontroller.h"
#include "app/widgets/distributionbar.h"
#include "app/widgets/panelbar.h"
#include "app/widgets/puzzlegridwidget.h"
#include "app/widgets/soundplayer.h"
#include "app/widgets/tablemodels.h"
#include "app/window/guihost.h"
#include "app/window/mainwindow.h"
#include "core/answertable.h"
#include "core/swapping.h"
#include "core/textio.h"
#include "files/filesession.h"
#include "render/colours.h"
#include "render/gridpainter.h"
#include "rtf/rtfreader.h"
#include "settings/initext.h"
#include "settings/settings.h"
#include "support/fakehost.h"
#include "windowfixture.h"

namespace quotella {
namespace {

using test::EnsureApp;
using test::ProgramDir;
using test::PuzzleWindowTest;
using test::WindowTest;

TEST_F(WindowTest, StartsWithTheBasicsHelpAndNoMessages) {
  EXPECT_EQ(window->size(), QSize(805, 587));
  EXPECT_TRUE(window->pathSet());
  EXPECT_TRUE(host.messages.empty()) << host.messages.front();
  EXPECT_TRUE(Visible("HelpFile"));
  EXPECT_TRUE(Visible("CharPoolGrid"));
  EXPECT_FALSE(Visible("RankGrid"));
  EXPECT_TRUE(Visible("Cluelist"));
  EXPECT_FALSE(Find<QTextEdit>("HelpFile")->toPlainText().isEmpty());
  EXPECT_FALSE(Find<QTextEdit>("QuoteWindow")->toPlainText().isEmpty());
}

TEST_F(WindowTest, MissingHelpFileIsReported) {
  QFile::remove(QDir(dir.path()).filePath(QStringLiteral("help3.rtf")));
  window->command(QStringLiteral("Advanced1"))->trigger();
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0],
            "Cannot find file " + QDir(dir.path()).filePath("help3.rtf").toStdString());
}

TEST_F(WindowTest, ViewsShowAndHideTheirControls) {
  window->command(QStringLiteral("Quotes3"))->trigger();
  EXPECT_TRUE(Visible("QuotesEditor"));
  EXPECT_FALSE(Visible("KeyWords"));
  EXPECT_FALSE(Visible("HelpFile"));
  EXPECT_FALSE(Visible("Cluelist"));
  EXPECT_TRUE(Visible("ListLabel"));

  window->command(QStringLiteral("Puzzle3"))->trigger();
  EXPECT_TRUE(Visible("KeyWords"));
  EXPECT_TRUE(Visible("Cluelist"));
  EXPECT_TRUE(Visible("CharStatus1"));
  EXPECT_FALSE(Visible("QuotesEditor"));
  EXPECT_FALSE(Visible("PrintStatusBar1"));

  window->command(QStringLiteral("Output1"))->trigger();
  EXPECT_TRUE(Visible("OutputEditor"));
  EXPECT_FALSE(Visible("KeyWords"));
  EXPECT_FALSE(Visible("Cluelist"));  // the wide editor hides every list

  // Short shows word list 1 beside the editor; Short again returns to wide, lists hidden.
  window->command(QStringLiteral("Short1"))->trigger();
  EXPECT_TRUE(window->viewCommands().outputShort());
  EXPECT_TRUE(Visible("Wordlist1"));
  EXPECT_EQ(window->command(QStringLiteral("Short1"))->text(), QStringLiteral("Wide"));
  window->command(QStringLiteral("Short1"))->trigger();
  EXPECT_FALSE(window->viewCommands().outputShort());
  EXPECT_FALSE(Visible("Wordlist1"));

  window->viewCommands().WordListButtonClick(3);
  EXPECT_TRUE(Visible("Wordlist3"));
  EXPECT_TRUE(window->viewCommands().outputShort());  // a wide output editor becomes short

  window->command(QStringLiteral("Puzzle3"))->trigger();
  window->viewCommands().CandidatesButtonClick();
  EXPECT_TRUE(Visible("Candidates"));
  EXPECT_TRUE(Visible("CandidateStatusBar"));
  EXPECT_FALSE(Visible("ListLabel"));
  window->viewCommands().CluesButtonClick();
  EXPECT_TRUE(Visible("Cluelist"));
  EXPECT_FALSE(Visible("Candidates"));
  EXPECT_EQ(Find<QLabel>("ListLabel")->text(), QStringLiteral(" List of Clues "));

  window->command(QStringLiteral("NumberMap1"))->trigger();
  EXPECT_TRUE(Visible("NumberGrid"));
  window->viewCommands().NumberGridDblClick();
  EXPECT_FALSE(Visible("NumberGrid"));
  EXPECT_TRUE(Visible("KeyWords"));
}

TEST_F(WindowTest, GridWithoutPuzzleOnlySaysSo) {
  window->command(QStringLiteral("Grid1"))->trigger();
  EXPECT_EQ(host.messages, std::vector<std::string>{"There is no puzzle loaded yet!"});
  EXPECT_FALSE(Visible("PuzzleGridArea"));
}

TEST_F(WindowTest, SoundsPlayOnlyWhileSwitchedOn) {
  window->command(QStringLiteral("Puzzle3"))->trigger();
  EXPECT_TRUE(host.sounds.empty());
  window->command(QStringLiteral("SoundToggle1"))->trigger();
  EXPECT_EQ(window->command(QStringLiteral("SoundToggle1"))->text(), QStringLiteral("Sounds Off"));
  window->command(QStringLiteral("Quotes3"))->trigger();
  EXPECT_EQ(host.SoundNames(), std::vector<std::string>{"CHIMES"});
  window->command(QStringLiteral("SoundToggle1"))->trigger();
  window->command(QStringLiteral("Output1"))->trigger();
  EXPECT_EQ(host.SoundNames().size(), 1u);
}

TEST_F(WindowTest, ContextCommandsFlipTheirCaptions) {
  QAction* common = window->command(QStringLiteral("HighLightCommon"));
  EXPECT_EQ(common->text(), QStringLiteral("Highlight Common Words OFF"));
  common->trigger();
  EXPECT_EQ(common->text(), QStringLiteral("Highlight Common Words ON"));
  QAction* wrap = window->command(QStringLiteral("Wordwrap3"));
  wrap->trigger();
  EXPECT_EQ(wrap->text(), QStringLiteral("No Wrap"));
  wrap->trigger();
  EXPECT_EQ(wrap->text(), QStringLiteral("&Wordwrap"));
}

TEST_F(WindowTest, GridHelpAndMissingCompanionPrograms) {
  window->command(QStringLiteral("GridHelp"))->trigger();
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].rfind("You can swap any cell's label", 0), 0u);
  EXPECT_NE(host.messages[0].find("\r\rThe DARK GREY cells"), std::string::npos);
  // Without its program, the puzzle manager's place is taken by the puzzle browser.
  window->command(QStringLiteral("PuzzleManager1"))->trigger();
  EXPECT_EQ(host.messages.size(), 1u) << host.messages.back();
  QWidget* browser = Find("BrowseForm");
  ASSERT_NE(browser, nullptr);
  EXPECT_TRUE(browser->isVisible());
}

TEST_F(WindowTest, CommandLineArgumentsAreJoinedIntoOnePath) {
  MainWindow::Options options;
  options.programDir = dir.path();
  options.dialogs = &host;
  options.arguments = {QStringLiteral("/tmp/my"), QStringLiteral("puzzle.qtl ")};
  MainWindow second(options);
  EXPECT_EQ(second.windowTitle(), QStringLiteral("Quotella 3.1 - /tmp/my puzzle.qtl"));
}

TEST_F(PuzzleWindowTest, DoubleClickingAQuoteLineMakesThePuzzleAndShowsIt) {
  ASSERT_TRUE(doc().PuzzleExists);
  EXPECT_EQ(doc().P.QuotellaStr, "MILTONPARADISELOST");
  EXPECT_TRUE(Visible("KeyWords"));
  EXPECT_TRUE(Visible("Cluelist"));
  EXPECT_FALSE(Visible("QuotesEditor"));
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Quotella 3.1 - noname.txt"));
  EXPECT_EQ(table()->model()->rowCount(), 18);
  EXPECT_EQ(table()->model()->index(3, 0).data().toString(), QStringLiteral("D"));
  EXPECT_EQ(table()->model()->index(3, 1).data().toString(), QStringLiteral("T"));
  EXPECT_EQ(Find<QPlainTextEdit>("Cluelist")->document()->blockCount(), 18);
}

TEST_F(PuzzleWindowTest, TypingTakesLettersFromThePoolAndBackspaceReturnsThem) {
  window->command(QStringLiteral("SoundToggle1"))->trigger();
  const char letter = AvailableLetter();
  ASSERT_NE(letter, 0);
  const int before = doc().P.PoolOf(letter);
  table()->setCurrentIndex(table()->model()->index(0, 2));
  Type(static_cast<char>(letter + 32));  // typed in lower case
  EXPECT_EQ(doc().KeyWords.At(2, 0), std::string(1, letter));
  EXPECT_EQ(doc().P.PoolOf(letter), before - 1);
  EXPECT_NE(MappedIndex(doc(), 2, 0), 0);
  EXPECT_EQ(doc().view().CurCol, 3);
  EXPECT_EQ(table()->currentIndex().column(), 3);
  const auto& row = doc().CharPoolGrid[static_cast<std::size_t>(letter - 'A' + 1)];
  EXPECT_EQ(row[1], std::to_string(before - 1));
  EXPECT_EQ(host.SoundNames().front(), "type0");
  EXPECT_FALSE(Find<PanelBar>("CharStatus2")->panel(1).isEmpty());

  // A letter the pool lacks: the message, the sound, no change.
  const char none = ExhaustedLetter();
  if (none != 0) {
    Type(none);
    ASSERT_FALSE(host.messages.empty());
    EXPECT_EQ(host.messages.back(),
              std::string(" There is no more of letter ") + none + " in the character pool! ");
    EXPECT_EQ(host.SoundNames().back(), "ding");
    EXPECT_TRUE(doc().KeyWords.At(3, 0).empty());
  }

  // Backspace moves back and returns the letter.
  QTest::keyClick(table(), Qt::Key_Backspace);
  EXPECT_TRUE(doc().KeyWords.At(2, 0).empty());
  EXPECT_EQ(doc().P.PoolOf(letter), before);
  EXPECT_EQ(doc().view().CurCol, 2);

  // Space clears the letter under the cursor and moves on.
  Type(letter);
  table()->setCurrentIndex(table()->model()->index(0, 2));
  QTest::keyClick(table(), Qt::Key_Space);
  EXPECT_TRUE(doc().KeyWords.At(2, 0).empty());
  EXPECT_EQ(doc().P.PoolOf(letter), before);
  EXPECT_EQ(doc().view().CurCol, 3);

  // The last column keeps the selection.
  table()->setCurrentIndex(table()->model()->index(0, kTableSize - 1));
  Type(letter);
  EXPECT_EQ(doc().view().CurCol, kTableSize - 1);
}

TEST_F(PuzzleWindowTest, ScanAndDoubleClickACandidate) {
  table()->setCurrentIndex(table()->model()->index(0, 2));
  window->command(QStringLiteral("Scan1"))->trigger();
  auto* candidates = Find<QListWidget>("Candidates");
  EXPECT_TRUE(candidates->isVisible());
  ASSERT_GT(candidates->count(), 0);
  int pick = 0;
  while (pick + 1 < candidates->count() && candidates->item(pick)->text().trimmed().size() < 4)
    ++pick;
  const QString word = candidates->item(pick)->text().trimmed();
  ASSERT_TRUE(word.toUpper().startsWith(QLatin1Char('M'))) << word.toStdString();
  ASSERT_GE(word.size(), 4);
  candidates->setCurrentRow(pick);
  candidates->scrollToItem(candidates->item(pick));
  // A view reports a double click only on the item the button went down on.
  const QPoint at = candidates->visualItemRect(candidates->item(pick)).center();
  QTest::mousePress(candidates->viewport(), Qt::LeftButton, {}, at);
  QTest::mouseDClick(candidates->viewport(), Qt::LeftButton, {}, at);
  EXPECT_EQ(Keystring(doc(), 0), word.toUpper().toStdString());
  EXPECT_TRUE(doc().PuzzleChanged);
}

TEST_F(PuzzleWindowTest, DoubleClickOnAnInitialScansTheLastWordList) {
  auto& lists = window->sources().Lists;
  lists[0].Items = {"mind", "Mzzzz", "tame"};
  lists[1].Items = {"make @ a comment", "mire"};
  lists[1].FileName = "second.txt";
  const auto dclick = [&](int row, int col) {
    const QPoint at = table()->visualRect(table()->model()->index(row, col)).center();
    QTest::mousePress(table()->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(table()->viewport(), Qt::LeftButton, {}, at);
    QApplication::processEvents();
  };
  auto* candidates = Find<QListWidget>("Candidates");
  const auto shown = [&] {
    QStringList words;
    for (int i = 0; i < candidates->count(); ++i) words << candidates->item(i)->text();
    return words;
  };

  dclick(0, 2);  // not the initials' column: no scan
  EXPECT_FALSE(candidates->isVisible());

  dclick(0, 1);  // row A starts with M; list 1 at first
  EXPECT_TRUE(candidates->isVisible());
  EXPECT_EQ(shown(), QStringList{QStringLiteral("MIND")});
  EXPECT_EQ(doc().view().CurRow, 0);

  // After list 2 was looked at, its entries are scanned instead, comments cut.
  window->viewCommands().WordListButtonClick(2);
  dclick(0, 1);
  EXPECT_EQ(shown(), (QStringList{QStringLiteral("MAKE"), QStringLiteral("MIRE")}));

  // Row D starts with T: nothing of list 2 fits, and the scan says so.
  dclick(3, 1);
  ASSERT_GE(candidates->count(), 2);
  EXPECT_EQ(candidates->item(0)->text(), QStringLiteral("No words found in word list 2"));
  EXPECT_TRUE(table()->isVisible());
}

TEST_F(PuzzleWindowTest, ProblemLetterSearchKeepsItsValuesForTheRun) {
  auto* candidates = Find<QListWidget>("Candidates");
  QAction* search = window->command(QStringLiteral("MajorProblemScan"));
  ASSERT_NE(search, nullptr);
  // Answers the dialog once it is up: checks the preset values, sets new ones, presses.
  const auto answer = [&](int expectMin, int expectWords, int words, const char* button) {
    QTimer::singleShot(0, window.get(), [=, this] {
      auto* dialog = window->findChild<ProblemSearchDialog*>();
      ASSERT_NE(dialog, nullptr);
      EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Find words with most Problem Chars"));
      EXPECT_EQ(dialog->minimumBox()->value(), expectMin);
      EXPECT_EQ(dialog->wordsBox()->value(), expectWords);
      dialog->wordsBox()->setValue(words);
      dialog->findChild<QPushButton*>(QString::fromLatin1(button))->click();
    });
    search->trigger();
    test::WaitForBackground(*window);
  };

  answer(1, 18, 5, "CancelButton");
  EXPECT_FALSE(candidates->isVisible());

  answer(1, 18, 2, "SearchNowButton");
  EXPECT_TRUE(candidates->isVisible());
  ASSERT_GT(candidates->count(), 0);
  // At most two words for each initial of the quotella string.
  std::map<QChar, int> perInitial;
  for (int i = 0; i < candidates->count(); ++i) {
    const QString word = candidates->item(i)->text().trimmed();
    ASSERT_FALSE(word.isEmpty());
    EXPECT_TRUE(QStringLiteral("MILTONPARADISELOST").contains(word[0])) << word.toStdString();
    EXPECT_LE(++perInitial[word[0]], 2) << word.toStdString();
  }

  answer(1, 2, 2, "CancelButton");  // the last values are offered again
}

TEST_F(PuzzleWindowTest, WriteAClueSaveAndReload) {
  table()->setCurrentIndex(table()->model()->index(0, 2));
  host.promptAnswers.push_back(std::string("  Blind poet's epic"));
  window->command(QStringLiteral("WriteClue3"))->trigger();
  EXPECT_EQ(host.prompts.back(), "CLUE ENTRY | Enter the clue for A.  M");
  EXPECT_EQ(doc().ClueLines[0], "A. Blind poet's epic");
  EXPECT_EQ(Find<QPlainTextEdit>("Cluelist")->document()->firstBlock().text(),
            QStringLiteral("A. Blind poet's epic"));
  EXPECT_EQ(doc().view().CurRow, 1);  // the next row for the next clue

  const std::string path = QDir(dir.path()).filePath(QStringLiteral("milton.qtl")).toStdString();
  host.fileAnswers.push_back(path);
  window->command(QStringLiteral("Puzzle2"))->trigger();
  ASSERT_TRUE(FileExists(path)) << (host.messages.empty() ? "" : host.messages.back());
  EXPECT_EQ(window->windowTitle().toStdString(), "Quotella 3.1 - " + path);

  host.confirmAnswers.push_back(true);
  host.fileAnswers.push_back(path);
  doc().ClueLines[0] = "A.";
  window->command(QStringLiteral("Puzzle1"))->trigger();
  EXPECT_EQ(doc().ClueLines[0], "A. Blind poet's epic");
  EXPECT_EQ(doc().P.QuotellaStr, "MILTONPARADISELOST");
  EXPECT_TRUE(Visible("KeyWords"));
}

TEST_F(PuzzleWindowTest, DoubleClickingTwoGridCellsSwapsThem) {
  window->command(QStringLiteral("Grid1"))->trigger();
  EXPECT_TRUE(Visible("PuzzleGridArea"));
  EXPECT_TRUE(Visible("PrintStatusBar1"));
  EXPECT_FALSE(Visible("CharPoolGrid"));
  EXPECT_FALSE(Visible("KeyWords"));
  EXPECT_FALSE(Visible("ScanButton"));
  EXPECT_FALSE(Visible("List1Button"));
  EXPECT_TRUE(Visible("CopyrightButton"));
  EXPECT_TRUE(Visible("DistributionButton"));
  // The list buttons are ignored while the grid shows.
  window->viewCommands().WordListButtonClick(1);
  window->viewCommands().CluesButtonClick();
  window->viewCommands().CandidatesButtonClick();
  EXPECT_FALSE(Visible("Wordlist1"));
  EXPECT_FALSE(Visible("Cluelist"));
  EXPECT_FALSE(Visible("Candidates"));
  EXPECT_FALSE(Visible("KeyWords"));

  // Two mapped cells of one letter whose exchange is legal.
  const Tpuzzle& p = doc().P;
  int a = 0, b = 0;
  for (int i = 1; i <= p.NumCells && !b; ++i)
    for (int j = i + 1; j <= p.NumCells && !b; ++j) {
      const auto& ci = p.Cells[static_cast<std::size_t>(i)];
      const auto& cj = p.Cells[static_cast<std::size_t>(j)];
      if (ci.Char == cj.Char && ci.Mapped && cj.Mapped && !ci.Locked && !cj.Locked &&
          ci.CellLabel != cj.CellLabel && SwapLegal(ci.CellLabel, cj.Labelstr)) {
        a = i;
        b = j;
      }
    }
  ASSERT_NE(b, 0);
  const std::string labelA = p.Cells[static_cast<std::size_t>(a)].CellLabel;
  const std::string labelB = p.Cells[static_cast<std::size_t>(b)].CellLabel;
  const auto click = [&](int cell) { DoubleClickCell(cell); };
  click(a);
  EXPECT_TRUE(Visible("SwapListBox"));
  EXPECT_GT(Find<QListWidget>("SwapListBox")->count(), 3);
  EXPECT_TRUE(doc().view().HighlightActive);
  click(b);
  EXPECT_EQ(p.Cells[static_cast<std::size_t>(a)].CellLabel, labelB);
  EXPECT_EQ(p.Cells[static_cast<std::size_t>(b)].CellLabel, labelA);
  EXPECT_FALSE(doc().view().HighlightActive);
}

TEST_F(PuzzleWindowTest, GridImageShowsCellStates) {
  window->command(QStringLiteral("Grid1"))->trigger();
  Tpuzzle& p = doc().P;
  // The distribution mode highlights the initials; an unmapped cell, an illegal one and a
  // locked one keep their own looks.
  window->distribution().DistributionButtonClick();
  EXPECT_TRUE(Visible("DistributionBar"));
  EXPECT_FALSE(Visible("TitleEdit"));
  EXPECT_FALSE(Visible("CopyrightButton"));
  EXPECT_FALSE(Visible("QuotesButton"));
  int highlighted = 0;
  std::vector<int> free;
  for (int i = 1; i <= p.NumCells; ++i) {
    const auto& c = p.Cells[static_cast<std::size_t>(i)];
    if (c.Char == ' ' || c.Char == '-') continue;
    if (c.WordHighlight && !highlighted) highlighted = i;
    if (!c.Mapped && !c.Locked && !c.CommonMark && !c.WordHighlight) free.push_back(i);
  }
  ASSERT_GE(free.size(), 3u);
  const int unmapped = free[0], illegal = free[1], locked = free[2];
  p.Cells[static_cast<std::size_t>(illegal)].Illegal = true;
  p.Cells[static_cast<std::size_t>(locked)].Locked = true;
  ASSERT_TRUE(highlighted && unmapped && illegal && locked);
  PuzzleGridWidget* grid = window->puzzleGrid();
  const QImage img = grid->grab().toImage();
  const auto rectOf = [&](int cell) { return CellRect(cell); };
  const auto corner = [&](int cell) {
    const QRect r = rectOf(cell);
    return img.pixelColor(r.right() - 1, r.bottom() - 1);
  };
  EXPECT_EQ(corner(highlighted), kHighlightColour);
  EXPECT_EQ(corner(unmapped), kUnmappedColour);
  EXPECT_EQ(corner(illegal), kIllegalColour);
  EXPECT_EQ(corner(locked), kUnmappedColour);
  // A locked cell writes its letter in blue.
  int blue = 0;
  const QRect r = rectOf(locked);
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x) {
      const QColor c = img.pixelColor(x, y);
      if (c.blue() > 150 && c.red() < 100 && c.green() < 100) ++blue;
    }
  EXPECT_GT(blue, 0);

  window->distribution().DistributionButtonClick();
  EXPECT_FALSE(Visible("DistributionBar"));
  EXPECT_TRUE(Visible("TitleEdit"));
  EXPECT_FALSE(p.Cells[static_cast<std::size_t>(highlighted)].WordHighlight);
}

TEST_F(WindowTest, HeuristicSearchFindsAndLaysTheLastThreeWords) {
  const QString sample = QStringLiteral(QUOTELLA_SOURCE_DIR "/resources/samplepuzzle1.qtl");
  host.confirmAnswers.push_back(true);
  host.fileAnswers.push_back(sample.toStdString());
  window->command(QStringLiteral("Puzzle1"))->trigger();
  PuzzleDocument& doc = window->doc();
  ASSERT_TRUE(doc.PuzzleExists) << (host.messages.empty() ? "" : host.messages.back());
  auto* button = Find<QPushButton>("HeuristicButton");
  EXPECT_FALSE(button->isEnabled());
  // Rows D, G and H hold ADDS, MEET and LAIN.
  for (int row : {3, 6, 7}) {
    doc.view().CurRow = row;
    doc.view().CurCol = 2;
    window->command(QStringLiteral("ClearWord1"))->trigger();
  }
  EXPECT_TRUE(button->isEnabled());
  host.confirmAnswers.push_back(false);  // no pruning
  button->click();
  auto* list4 = Find<QListWidget>("Wordlist4");
  EXPECT_TRUE(list4->isVisible());
  WaitForHeuristic();
  ASSERT_FALSE(window->searches().heuristicSearching());
  int solution = -1;
  // A solution of three real words (a one-letter dictionary word leaves its row empty).
  for (int i = 0; i < list4->count() && solution < 0; ++i) {
    const QStringList words = list4->item(i)->text().split(QLatin1Char('*'));
    if (words.size() == 3 && std::all_of(words.begin(), words.end(),
                                         [](const QString& w) { return w.trimmed().size() > 1; }))
      solution = i;
  }
  ASSERT_GE(solution, 0);
  window->listCommands().Wordlist4DblClick(solution);
  EXPECT_EQ(NumEmpty(doc), 0);
  EXPECT_TRUE(PoolIsEmpty(doc));
  EXPECT_TRUE(Visible("KeyWords"));
}

class AutofillWindowTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    LoadSample();
  }
  void Wait() { WaitForAutofill(); }
  QString Panel() { return Find<PanelBar>("StatusBar1")->panel(2); }
};

TEST_F(AutofillWindowTest, FillsTheEmptyRowsAndReportsWhatItCannot) {
  PuzzleDocument& doc = window->doc();
  QAction* autofill = window->command(QStringLiteral("Autofill1"));
  ASSERT_NE(autofill, nullptr);
  EXPECT_EQ(autofill->shortcut(), QKeySequence(Qt::Key_F9));

  autofill->trigger();  // the sample puzzle is complete
  EXPECT_FALSE(window->searches().autofilling());
  EXPECT_EQ(host.messages, std::vector<std::string>{"No empty answer to fill"});

  ClearRows({3, 6, 7});
  host.Clear();
  autofill->trigger();
  EXPECT_TRUE(window->searches().autofilling());
  EXPECT_EQ(autofill->text(), QStringLiteral("Stop Autofill"));
  Wait();
  EXPECT_TRUE(host.messages.empty()) << host.messages.front();
  EXPECT_EQ(NumEmpty(doc), 0);
  EXPECT_TRUE(PoolIsEmpty(doc));
  EXPECT_TRUE(doc.PuzzleChanged);
  EXPECT_EQ(Panel(), QStringLiteral("Autofill: 3 rows filled"));
  EXPECT_EQ(autofill->text(), QStringLiteral("Autofill"));

  // A locked letter the pool still needs: no fill can exist, and the table is untouched.
  ClearRows({3, 6});
  const std::string before = Keystring(doc, 3) + Keystring(doc, 6);
  for (char c = 'A'; c <= 'Z'; ++c)
    if (doc.P.PoolOf(c) > 0) doc.LetterLocked[static_cast<std::size_t>(c - 'A')] = true;
  host.Clear();
  autofill->trigger();
  Wait();
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].rfind("No fill exists.\rNo word fits the answer starting with ", 0),
            0u)
      << host.messages[0];
  EXPECT_EQ(Keystring(doc, 3) + Keystring(doc, 6), before);
  EXPECT_EQ(NumEmpty(doc), 2);
}

TEST_F(AutofillWindowTest, TheSameCommandStopsARunningFill) {
  PuzzleDocument& doc = window->doc();
  ClearRows({3, 6, 7});
  QAction* autofill = window->command(QStringLiteral("Autofill1"));
  // While the dictionary is read: the search never starts.
  autofill->trigger();
  EXPECT_FALSE(window->searches().autofillSearching());
  autofill->trigger();
  Wait();
  EXPECT_EQ(host.messages, std::vector<std::string>{"Autofill stopped"});
  EXPECT_EQ(NumEmpty(doc), 3);

  // While the search runs: it cannot end by itself until its clock opens, after the F9.
  host.Clear();
  auto open = std::make_shared<std::atomic<bool>>(false);
  GateAutofillClock(open);
  autofill->trigger();
  for (int i = 0; i < 6000 && !window->searches().autofillSearching(); ++i) QTest::qWait(20);
  ASSERT_TRUE(window->searches().autofillSearching());
  autofill->trigger();
  open->store(true);
  Wait();
  EXPECT_EQ(host.messages, std::vector<std::string>{"Autofill stopped"});
  EXPECT_EQ(NumEmpty(doc), 3);
  EXPECT_EQ(autofill->text(), QStringLiteral("Autofill"));
}

TEST_F(WindowTest, GeneralSettingsCloseTakesTheBoxesAndSaveIniWritesThem) {
  window->command(QStringLiteral("GeneralSettings1"))->trigger();
  GeneralSettingsDialog* dialog = window->dialogs().generalSettings();
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(dialog->windowTitle(), QStringLiteral("General Settings"));
  const Settings& values = window->settings().Values();
  const auto box = [&](const char* name) {
    return dialog->findChild<QLineEdit*>(QString::fromLatin1(name));
  };
  EXPECT_EQ(box("QuotenameEdit")->text().toStdString(), values.QuotesFile);
  EXPECT_EQ(box("NumProbsEdit")->text(), QString::number(values.NumProblemChars));

  // Close: the copyright box (with the sign button) and a word list chosen by double click.
  box("CopyrightEdit")->setText(QStringLiteral(" 2026 by me"));
  dialog->findChild<QPushButton*>(QStringLiteral("CopyrightSignButton"))->click();
  host.fileAnswers.push_back(std::string("/tmp/words.txt"));
  QTest::mouseDClick(box("List2NameEdit"), Qt::LeftButton);
  EXPECT_EQ(box("List2NameEdit")->text(), QStringLiteral("/tmp/words.txt"));
  dialog->closeButton()->click();
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(values.CopyrightText, "\xC2\xA9 2026 by me");
  EXPECT_EQ(values.WordListFiles[1], "/tmp/words.txt");

  // Save Ini: a short frequency string is asked for again; the numbers and folders are
  // normalised; the file on disk holds them.
  window->command(QStringLiteral("GeneralSettings1"))->trigger();
  box("List2NameEdit")->setText(QString());
  box("NumProbsEdit")->setText(QStringLiteral(" 9 "));
  box("DictDirEdit")->setText(QStringLiteral(QUOTELLA_PROGRAM_DIR));
  box("LetFreqLabel")->setText(QStringLiteral("ETA"));
  dialog->findChild<QCheckBox*>(QStringLiteral("LoadLastCheck"))->setChecked(true);
  const std::string order = "ETAOINSHRDLCUMWFGYPBVKJXQZ";
  host.promptAnswers.push_back(order);
  host.fileAnswers.push_back(values.IniFileName);  // the save dialog
  dialog->saveButton()->click();
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(host.prompts, std::vector<std::string>{"Letter Frequency | Enter 26 letters exactly"});
  EXPECT_EQ(values.FreqString, order);
  EXPECT_EQ(values.NumProblemChars, 9);
  EXPECT_EQ(values.DictDir, QUOTELLA_PROGRAM_DIR "/");
  EXPECT_TRUE(values.LoadLastFile);
  const auto lines = ReadTextLines(values.IniFileName);
  ASSERT_TRUE(lines.has_value());
  const auto valueOf = [&](const std::string& key) {
    const auto it = std::find(lines->begin(), lines->end(), key);
    return it == lines->end() || it + 1 == lines->end() ? std::string("?") : *(it + 1);
  };
  EXPECT_EQ(valueOf("[NumProblems]"), "9");
  EXPECT_EQ(valueOf("[loadlastfile]"), "TRUE");
  EXPECT_EQ(valueOf("[dictionary directory]"), QUOTELLA_PROGRAM_DIR "/");
}

TEST_F(WindowTest, BrowserShowsSynopsesAndOpensThePuzzle) {
  QTemporaryDir folder;
  ASSERT_TRUE(QFile::copy(QStringLiteral(QUOTELLA_SOURCE_DIR "/resources/samplepuzzle1.qtl"),
                          folder.filePath(QStringLiteral("sample.qtl"))));
  EXPECT_TRUE(
      WriteLinesAtomic(folder.filePath(QStringLiteral("notes.txt")).toStdString(), {"just notes"})
          .ok());
  window->command(QStringLiteral("PuzzlebyBrowsing1"))->trigger();
  BrowseDialog* browser = window->dialogs().browser();
  ASSERT_NE(browser, nullptr);
  EXPECT_TRUE(browser->isVisible());
  EXPECT_EQ(browser->windowTitle(),
            QStringLiteral("Open Puzzle File  (Click file name to see puzzle synopsis)"));
  browser->setFolder(folder.path());
  QListWidget* files = browser->fileList();
  ASSERT_EQ(files->count(), 2);  // notes.txt, sample.qtl
  const auto click = [&](int row) {
    files->setCurrentRow(row);
    const QPoint at = files->visualItemRect(files->item(row)).center();
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, at);
  };
  click(0);
  EXPECT_EQ(browser->synopsis()->toPlainText(), QStringLiteral("This is not a puzzle file!"));
  click(1);
  const QStringList lines = browser->synopsis()->toPlainText().split(QLatin1Char('\n'));
  ASSERT_GT(lines.size(), 8);
  EXPECT_TRUE(lines[3].startsWith(QStringLiteral("Quotella: "))) << lines[3].toStdString();
  EXPECT_EQ(lines[7], QStringLiteral("------------------"));
  EXPECT_TRUE(lines[8].startsWith(QStringLiteral("A. "))) << lines[8].toStdString();
  EXPECT_FALSE(window->doc().PuzzleExists);

  host.confirmAnswers.push_back(true);
  browser->openButton()->click();
  EXPECT_FALSE(browser->isVisible());
  EXPECT_TRUE(window->doc().PuzzleExists);
  EXPECT_TRUE(window->windowTitle().contains(QStringLiteral("sample.qtl")))
      << window->windowTitle().toStdString();
  EXPECT_TRUE(Visible("KeyWords"));
}

TEST_F(WindowTest, PruningOpensTheWordListEditorAndItsTicksLeaveTheLists) {
  host.confirmAnswers.push_back(true);
  host.fileAnswers.push_back(QUOTELLA_SOURCE_DIR "/resources/samplepuzzle1.qtl");
  window->command(QStringLiteral("Puzzle1"))->trigger();
  PuzzleDocument& doc = window->doc();
  ASSERT_TRUE(doc.PuzzleExists);
  for (int row : {3, 6, 7}) {
    doc.view().CurRow = row;
    doc.view().CurCol = 2;
    window->command(QStringLiteral("ClearWord1"))->trigger();
  }
  host.confirmAnswers.push_back(true);  // prune the lists first
  Find<QPushButton>("HeuristicButton")->click();
  test::WaitForBackground(*window);  // the lists are read behind the window
  WordListEditorDialog* editor = window->searches().wordListEditor();
  ASSERT_NE(editor, nullptr);
  ASSERT_TRUE(editor->isVisible());
  EXPECT_EQ(editor->windowTitle(), QStringLiteral("Edit Lists to Remove Words "));
  QListWidget* first = editor->list(1);
  EXPECT_TRUE(first->isVisible());
  ASSERT_GT(first->count(), 1);
  const std::string ticked = first->item(0)->text().toStdString();
  first->item(0)->setCheckState(Qt::Checked);

  // "2." shows the second list in place of the first.
  editor->button(QStringLiteral("2."))->click();
  EXPECT_FALSE(first->isVisible());
  EXPECT_TRUE(editor->list(2)->isVisible());

  // Leaving with Cancel stops short of the search but still drops the ticked word.
  editor->button(QStringLiteral("Cancel"))->click();
  QApplication::processEvents();
  EXPECT_FALSE(editor->isVisible());
  window->searches()
      .EndHeuristicSearchNow1Click();  // an early end keeps the search flag until then
  EXPECT_FALSE(window->searches().heuristicSearching());
  const auto& list1 = window->sources().Lists[0].Items;
  EXPECT_FALSE(list1.empty());
  EXPECT_EQ(std::find(list1.begin(), list1.end(), ticked), list1.end()) << ticked;
}

TEST_F(WindowTest, AddItemsKeepsTheFieldOpenAndTheListSorted) {
  window->sources().Lists[1].Items = {"MIDDLE"};
  window->command(QStringLiteral("AddanItem2"))->trigger();
  auto* field = Find<QLineEdit>("AddItemEdit");
  ASSERT_TRUE(field->isVisible());
  EXPECT_FALSE(Visible("ListLabel"));
  auto* list = Find<QListWidget>("Wordlist2");
  EXPECT_TRUE(list->isVisible());
  for (const char* entry : {"zebra crossing", "apple"}) {
    QTest::keyClicks(field, QString::fromLatin1(entry));
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_TRUE(field->text().isEmpty());
    EXPECT_TRUE(field->isVisible());
  }
  EXPECT_EQ(window->sources().Lists[1].Items,
            (std::vector<std::string>{"apple", "MIDDLE", "zebra crossing"}));
  ASSERT_EQ(list->count(), 3);
  EXPECT_EQ(list->currentItem()->text(), QStringLiteral("apple"));

  // A double click on the bare background opens the field for the list last shown.
  window->viewCommands().WordListButtonClick(1);
  QTest::mouseDClick(window->centralWidget(), Qt::LeftButton, {}, QPoint(2, 2));
  EXPECT_TRUE(Visible("Wordlist1"));
  EXPECT_EQ(window->sources().AddItemTarget, 1);
}

TEST_F(WindowTest, HotkeyBoxesRebindTheirCommands) {
  window->command(QStringLiteral("PuzzleHotkeys1"))->trigger();
  ASSERT_NE(window->dialogs().hotkeys(), nullptr);
  EXPECT_TRUE(window->dialogs().hotkeys()->isVisible());
  EXPECT_EQ(window->dialogs().hotkeys()->windowTitle(), QStringLiteral("Short Cut Keys"));
  // The puzzle-view box re-binds View > Puzzle; a bare key gets Alt added as in the box.
  window->dialogs().hotkeys()->setBox("PuzzleViewHotkey", QKeySequence(QStringLiteral("Ctrl+K")));
  EXPECT_EQ(window->command(QStringLiteral("Puzzle3"))->shortcut(),
            QKeySequence(QStringLiteral("Ctrl+K")));
  window->dialogs().hotkeys()->setBox("ClueEditHotKey", QKeySequence(QStringLiteral("F9")));
  EXPECT_EQ(window->command(QStringLiteral("WriteClue3"))->shortcut(),
            QKeySequence(QStringLiteral("Alt+F9")));
  EXPECT_EQ(window->command(QStringLiteral("WriteClue2"))->shortcut(),
            QKeySequence(QStringLiteral("Alt+F9")));
}

TEST_F(WindowTest, ManualEntryMakesAPuzzleOrAddsTheQuote) {
  window->command(QStringLiteral("ManualEntry1"))->trigger();
  ManualEntryDialog* dialog = window->dialogs().manualEntry();
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Manual Entry Form"));
  auto* quote = dialog->findChild<QPlainTextEdit*>(QStringLiteral("ManualQuote"));
  auto* author = dialog->findChild<QLineEdit*>(QStringLiteral("AuthorEdit"));
  auto* work = dialog->findChild<QLineEdit*>(QStringLiteral("QuoteSourceEdit"));
  ASSERT_TRUE(quote && author && work);

  // An empty field keeps the window open with its message.
  dialog->MakePuzzleButtonClick();
  EXPECT_EQ(host.messages.back(), "Incomplete Data! All fields required.");
  EXPECT_TRUE(dialog->isVisible());

  // Two lines of the box join without a blank.
  quote->setPlainText(
      QStringLiteral("All that glisters is not gold; often have you hea\nrd that told"));
  author->setText(QStringLiteral("Shakespeare"));
  work->setText(QStringLiteral("Merchant"));
  dialog->findChild<QPushButton*>(QStringLiteral("AddQuoteButton"))->click();
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_TRUE(window->session().QuotesModified);
  EXPECT_TRUE(Find<QPlainTextEdit>("QuotesEditor")
                  ->toPlainText()
                  .contains(QStringLiteral(
                      "Shakespeare@Merchant@All that glisters is not gold; often have you heard "
                      "that told")));

  window->command(QStringLiteral("ManualEntry1"))->trigger();
  quote->setPlainText(QStringLiteral("Beware the ides of March"));
  author->setText(QStringLiteral("Soothsayer"));
  work->setText(QStringLiteral("Caesar"));
  host.confirmAnswers.push_back(true);
  dialog->MakePuzzleButtonClick();
  if (!window->doc().PuzzleExists) {
    // The quotation cannot hold SOOTHSAYERCAESAR: the window stays open and says why.
    EXPECT_EQ(host.messages.back().rfind("Impossible Quotella: ", 0), 0u);
    EXPECT_TRUE(dialog->isVisible());
  }
  quote->setPlainText(QStringLiteral(
      "A stitch in time saves nine, and a penny saved is a penny earned; nothing ventured, "
      "nothing gained"));
  author->setText(QStringLiteral("Anon"));
  work->setText(QStringLiteral("Saying"));
  host.confirmAnswers.push_back(true);
  dialog->MakePuzzleButtonClick();
  ASSERT_TRUE(window->doc().PuzzleExists) << host.messages.back();
  EXPECT_EQ(window->doc().P.QuotellaStr, "ANONSAYING");
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_TRUE(Visible("KeyWords"));
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Quotella 3.1 - noname.txt"));
}

TEST(StartUp, OpensWithClearMessagesWhateverIsMissing) {
  EnsureApp();
  QTemporaryDir empty;
  test::FakeHost host;
  // No settings file: it is reported and a default is offered (declined here).
  {
    MainWindow::Options options;
    options.programDir = empty.path();
    options.dialogs = &host;
    options.registerFileType = false;
    MainWindow window(options);
    ASSERT_FALSE(host.messages.empty());
    EXPECT_NE(host.messages[0].find("not found"), std::string::npos) << host.messages[0];
    EXPECT_EQ(host.questions.front(), "Could not load INI file. Make default file?");
    EXPECT_NE(window.findChild<QWidget*>(QStringLiteral("KeyWords")), nullptr);
  }
  // A folder that cannot be made current.
  host.Clear();
  {
    MainWindow::Options options;
    options.programDir = QStringLiteral("/nonexistent/quotella");
    options.dialogs = &host;
    options.registerFileType = false;
    MainWindow window(options);
    EXPECT_FALSE(window.pathSet());
    ASSERT_FALSE(host.messages.empty());
    EXPECT_EQ(host.messages[0], "Cannot set path: /nonexistent/quotella/");
  }
  // A damaged puzzle file named on the command line with loading on.
  host.Clear();
  {
    ProgramDir dir;
    const QString ini = QDir(dir.path()).filePath(QStringLiteral("quotella.ini"));
    auto lines = ReadTextLines(ini.toStdString());
    ASSERT_TRUE(lines);
    IniText text(*lines);
    text.SetIniValue("[loadlastfile]", "TRUE");
    text.SetIniValue("[dictionary directory]", "/nonexistent/dictionary/");
    EXPECT_TRUE(WriteLinesAtomic(ini.toStdString(), text.Lines()).ok());
    const QString damaged = QDir(dir.path()).filePath(QStringLiteral("damaged.qtl"));
    EXPECT_TRUE(
        WriteFileAtomic(damaged.toStdString(), "! This file made by Quotella\r\n@@\r\n7\r\n").ok());
    MainWindow::Options options;
    options.programDir = dir.path();
    options.dialogs = &host;
    options.registerFileType = false;
    options.arguments = {damaged};
    MainWindow window(options);
    EXPECT_FALSE(window.doc().PuzzleExists);
    EXPECT_FALSE(host.messages.empty());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Quotella 3.1 - ") + damaged);
  }
}

TEST(GuiHost, FiltersAndMessagesConvertToQtForms) {
  EXPECT_EQ(GuiHost::QtFilter("Quotella3 Files|*.qtl|Text Files|*.txt|All Files|*.*"),
            QStringLiteral("Quotella3 Files (*.qtl);;Text Files (*.txt);;All Files (*)"));
  EXPECT_EQ(GuiHost::MessageText("one\rtwo\r\nthree"), QStringLiteral("one\ntwo\nthree"));
}

TEST(SoundPlayer, EveryNamedSoundExistsInAnyCase) {
  EnsureApp();
  for (const char* name :
       {"CAMERA", "CHEER", "CHIMES", "DING", "PSHEW", "QCLICK", "TICK", "TYPE0", "WHIP", "WIND"}) {
    EXPECT_FALSE(SoundPlayer::resourcePath(QString::fromLatin1(name)).isEmpty()) << name;
    EXPECT_FALSE(SoundPlayer::resourcePath(QString::fromLatin1(name).toLower()).isEmpty());
  }
  EXPECT_TRUE(SoundPlayer::resourcePath(QStringLiteral("BOING")).isEmpty());
  SoundPlayer off;
  EXPECT_FALSE(off.play(QStringLiteral("DING")));
  off.setEnabled(true);
  EXPECT_FALSE(off.play(QStringLiteral("BOING")));
}

TEST(RtfReader, ReadsTheSubsetOfTheHelpFiles) {
  bool ok = false;
  const QString html = RtfToHtml(
      "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red255\\green0\\blue0;}"
      "\\pard\\b Bold\\b0  plain \\{x\\} caf\\'e9\\par{\\cf1 red}\\par\\u8364?}",
      &ok);
  EXPECT_TRUE(ok);
  EXPECT_FALSE(html.contains(QStringLiteral("Arial")));
  EXPECT_TRUE(html.contains(QStringLiteral("font-weight:bold;\">Bold")));
  EXPECT_TRUE(html.contains(QStringLiteral(" plain {x} caf\u00e9")));
  EXPECT_TRUE(html.contains(QStringLiteral("color:#ff0000;\">red")));
  EXPECT_TRUE(html.contains(QStringLiteral("\u20ac")));
  EXPECT_FALSE(html.contains(QLatin1Char('?')));
  RtfToHtml("plain text", &ok);
  EXPECT_FALSE(ok);
  // Truncated input ends quietly.
  RtfToHtml("{\\rtf1 \\'e", &ok);
  RtfToHtml("{\\rtf1 {\\colortbl;\\red", &ok);
  EXPECT_TRUE(ok);
}

TEST(RtfReader, QuoteWindowShowsTheStartOfAHugeFile) {
  EnsureApp();
  // A file of a million bold groups and a long run of text after them.
  std::string rtf = "{\\rtf1 ";
  for (int i = 0; i < 1'000'000; ++i) rtf += "{\\b x}";
  rtf += std::string(1'000'000, 'y') + "}";
  const auto path = std::filesystem::temp_directory_path() / "quotella-quote-window.rtf";
  std::ofstream(path, std::ios::binary) << rtf;
  QTextEdit window;
  LoadQuoteWindowFile(window, path.string());
  std::filesystem::remove(path);
  const QString shown = window.toPlainText();
  EXPECT_EQ(shown.size(), static_cast<qsizetype>(kQuoteWindowChars));
  EXPECT_EQ(shown.count(QLatin1Char('x')), static_cast<qsizetype>(kQuoteWindowChars));
  EXPECT_EQ(window.document()->firstBlock().begin().fragment().charFormat().fontWeight(),
            QFont::Bold);

  bool ok = false;
  // A tab counts four characters and a \u character one; the text stops after nine.
  const QString html = RtfToHtml("{\\rtf1 ab\\tab cd\\u8364?ef}", &ok, 9);
  EXPECT_TRUE(ok);
  EXPECT_TRUE(html.contains(QStringLiteral("ab &nbsp; &nbsp;cd\u20ac")));
  EXPECT_FALSE(html.contains(QStringLiteral("ef")));
}

}  // namespace
}  // namespace quotella
