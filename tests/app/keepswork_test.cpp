// The window never throws the user's work away: leaving asks with a way back, closing
// General Settings keeps the files in use, a new puzzle starts with its own title and
// byline and is offered for saving under a name of its own, and a cancelled question puts
// the open puzzle's quotation back.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>

#include "app/commands/puzzlecommands.h"
#include "app/dialogs/generalsettingsdialog.h"
#include "app/panes/gridviewpane.h"
#include "app/panes/quotepane.h"
#include "files/filesession.h"
#include "files/puzzlefile.h"
#include "render/qtext.h"
#include "windowfixture.h"

namespace quotella {
namespace {

using test::PuzzleWindowTest;
using test::WindowTest;

constexpr const char* kByronLine =
    "Byron@Childe Harold@There is a pleasure in the pathless woods, there is a rapture on the "
    "lonely shore, there is society where none intrudes, by the deep sea, and music in its roar.";
constexpr const char* kExitQuestion = "Puzzle file has changed.  Save it?";

class KeepsWorkTest : public PuzzleWindowTest {
 protected:
  // One answer letter typed: the puzzle has unsaved changes.
  void ChangeAnswers() {
    window->session().QuotesModified = false;
    doc().view().CurRow = 1;
    doc().view().CurCol = 2;
    Type(AvailableLetter());
    ASSERT_TRUE(doc().PuzzleChanged);
    host.Clear();
  }
  // Double-clicks line `block` of the quotes editor, as a user makes a puzzle of it: the
  // first click of the two shows the line in the quote window.
  void DoubleClickQuote(int block) {
    window->command(QStringLiteral("Quotes3"))->trigger();
    auto* editor = Find<QPlainTextEdit>("QuotesEditor");
    const QRect line =
        editor->cursorRect(QTextCursor(editor->document()->findBlockByNumber(block)));
    const QPoint at = line.center() + QPoint(20, 0);
    QTest::mouseClick(editor->viewport(), Qt::LeftButton, {}, at);
    QTest::qWait(20);
    shownOnClick = QuoteWindowText();
    QTest::mouseDClick(editor->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(editor->viewport(), Qt::LeftButton, {}, at);
    QApplication::processEvents();
  }
  QString shownOnClick;  // the quote window after the first click of a double click
  QString QuoteWindowText() { return window->quotePane()->quoteWindow()->toPlainText(); }
  std::string IniValue(const char* key) {
    const auto lines = ReadTextLines(window->settings().Values().IniFileName);
    return lines ? IniText(*lines).GetIniValue(key) : std::string("(no settings file)");
  }
  std::string Saved(const char* name) {
    return dir.filePath(QString::fromUtf8(name)).toStdString();
  }
};

TEST_F(KeepsWorkTest, LeavingWithUnsavedAnswersCanBeCancelledAndACancelledSaveStays) {
  ChangeAnswers();
  host.choiceAnswers.push_back(std::nullopt);  // Cancel
  EXPECT_FALSE(window->close());
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(doc().PuzzleChanged);
  EXPECT_EQ(host.questions, std::vector<std::string>{kExitQuestion});

  // Yes, then Cancel in the save dialog: back in the program, nothing lost.
  host.Clear();
  host.choiceAnswers.push_back(true);
  EXPECT_FALSE(window->close());
  EXPECT_EQ(host.fileDialogs.size(), 1u);
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(doc().PuzzleChanged);

  // Yes and a file: saved, closed, and the next start names the file just saved.
  const std::string path = Saved("Milton answers.qtl");
  host.choiceAnswers.push_back(true);
  host.fileAnswers.push_back(path);
  EXPECT_TRUE(window->close());
  EXPECT_TRUE(FileExists(path));
  EXPECT_EQ(IniValue("[lastfile]"), path);
}

TEST_F(KeepsWorkTest, ChangedQuotesCanKeepTheProgramOpenToo) {
  window->session().QuotesModified = true;
  host.choiceAnswers.push_back(std::nullopt);
  EXPECT_FALSE(window->close());
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(host.questions, std::vector<std::string>{"Quotes file has changed.  Save it?"});
  EXPECT_TRUE(window->session().QuotesModified);
}

TEST_F(KeepsWorkTest, ClosingGeneralSettingsKeepsThePuzzleFileAndFolderInUse) {
  host.confirmAnswers.push_back(true);
  const std::string sample = QUOTELLA_SOURCE_DIR "/resources/samplepuzzle1.qtl";
  host.fileAnswers.push_back(sample);
  window->command(QStringLiteral("Puzzle1"))->trigger();
  ASSERT_EQ(window->session().LastFile, sample);
  window->doc().PuzzleChanged = false;
  window->command(QStringLiteral("GeneralSettings1"))->trigger();
  auto* settings = window->findChild<GeneralSettingsDialog*>();
  ASSERT_NE(settings, nullptr);
  settings->closeButton()->click();
  EXPECT_FALSE(settings->isVisible());
  EXPECT_EQ(window->session().LastFile, sample);
  EXPECT_EQ(window->session().CurrentDir, FolderOf(sample));
  EXPECT_EQ(window->gridViewPane()->titleEdit()->text(), QStringLiteral("Hope Eternal"));

  host.Clear();
  EXPECT_TRUE(window->close());
  EXPECT_EQ(IniValue("[lastfile]"), sample);
  EXPECT_EQ(IniValue("[initial directory]"), FolderOf(sample));
}

TEST_F(KeepsWorkTest, ANewPuzzleHasItsOwnTitleAndBylineOnScreenAndInItsFile) {
  window->command(QStringLiteral("Grid1"))->trigger();
  QLineEdit* title = window->gridViewPane()->titleEdit();
  QLineEdit* byline = window->gridViewPane()->bylineEdit();
  QTest::keyClicks(title, QStringLiteral("Hope Eternal"));
  QTest::keyClicks(byline, QStringLiteral("by Alexander Pope"));
  ASSERT_EQ(window->session().TitleBox, "Hope Eternal");

  auto* editor = Find<QPlainTextEdit>("QuotesEditor");
  editor->setPlainText(QString::fromLatin1(kLine) + QLatin1Char('\n') +
                       QString::fromLatin1(kByronLine));
  DoubleClickQuote(1);
  ASSERT_EQ(doc().P.AuthorOrig, "Byron");
  EXPECT_EQ(title->text(), QString());
  EXPECT_EQ(byline->text(), QStringLiteral("by Anonymous"));

  const std::string path = Saved("byron.qtl");
  host.fileAnswers.push_back(path);
  window->command(QStringLiteral("Puzzle2"))->trigger();
  const std::string text = ReadFileBytes(path).value_or("");
  EXPECT_EQ(text.find("Hope Eternal"), std::string::npos) << text;
  EXPECT_EQ(text.find("Pope"), std::string::npos) << text;
  EXPECT_NE(text.find("[byline]\r\nby Anonymous\r\n"), std::string::npos) << text;
}

TEST_F(KeepsWorkTest, CancellingANewPuzzleShowsTheOpenPuzzlesQuotationAgain) {
  ChangeAnswers();
  auto* editor = Find<QPlainTextEdit>("QuotesEditor");
  editor->setPlainText(QString::fromLatin1(kLine) + QLatin1Char('\n') +
                       QString::fromLatin1(kByronLine));
  host.choiceAnswers.push_back(std::nullopt);
  DoubleClickQuote(1);
  ASSERT_TRUE(shownOnClick.contains(QStringLiteral("pathless woods"))) << "the click shows it";
  EXPECT_EQ(host.questions, std::vector<std::string>{"Puzzle file has changed. Save it?"});
  ASSERT_EQ(doc().P.AuthorOrig, "Milton");
  EXPECT_TRUE(QuoteWindowText().contains(QStringLiteral("The mind is its own place")))
      << QuoteWindowText().toStdString();
  EXPECT_FALSE(QuoteWindowText().contains(QStringLiteral("pathless woods")))
      << QuoteWindowText().toStdString();
}

// The window with its own dialogs: question boxes are answered with Esc, file dialogs are
// read (the name and the filter they offer) and cancelled.
class KeepsWorkRealDialogs : public ::testing::Test {
 protected:
  void SetUp() override {
    test::EnsureApp();
    QObject::connect(&m_answerer, &QTimer::timeout, [this] { Answer(); });
    m_answerer.start(20);
    MainWindow::Options options;
    options.programDir = dir.path();
    options.registerFileType = false;  // no scripted host: the window's own dialogs
    window = std::make_unique<MainWindow>(options);
    window->show();
    QApplication::processEvents();
  }
  void TearDown() override {
    m_answerer.stop();
    window->doc().PuzzleChanged = false;
  }
  void MakePuzzle(const QString& line) {
    window->doc().PuzzleChanged = false;
    window->command(QStringLiteral("Quotes3"))->trigger();
    auto* editor = window->findChild<QPlainTextEdit*>(QStringLiteral("QuotesEditor"));
    editor->setPlainText(line);
    editor->setTextCursor(QTextCursor(editor->document()));
    window->puzzleCommands().QuotesEditorDblClick();
    ASSERT_TRUE(window->doc().PuzzleExists);
    window->session().QuotesModified = false;
    shown.clear();
  }
  test::ProgramDir dir;
  std::unique_ptr<MainWindow> window;
  QStringList shown;  // box texts (" +Cancel" when it has Cancel); dialogs' name | filter

 private:
  void Answer() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible()) return;
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      shown << box->text() + (box->button(QMessageBox::Cancel) ? QStringLiteral(" +Cancel") : "");
      QTest::keyClick(box, Qt::Key_Escape);
    } else if (auto* files = qobject_cast<QFileDialog*>(modal)) {
      shown << QFileInfo(files->selectedFiles().value(0)).fileName() + QStringLiteral(" | ") +
                   files->selectedNameFilter();
      files->reject();
    }
  }
  QTimer m_answerer;
};

TEST_F(KeepsWorkRealDialogs, EscAtTheExitQuestionKeepsTheProgramOpen) {
  MakePuzzle(QString::fromLatin1(PuzzleWindowTest::kLine));
  window->doc().PuzzleChanged = true;
  EXPECT_FALSE(window->close());
  EXPECT_TRUE(window->isVisible());
  EXPECT_TRUE(window->doc().PuzzleChanged);
  EXPECT_EQ(shown.join(u'/').toStdString(), std::string(kExitQuestion) + " +Cancel");
}

TEST_F(KeepsWorkRealDialogs, ANewPuzzleIsOfferedForSavingUnderItsAuthorsName) {
  const std::string filter = "Quotella3 Files (*.qtl)";
  MakePuzzle(QString::fromLatin1(PuzzleWindowTest::kLine));
  window->command(QStringLiteral("Puzzle2"))->trigger();
  EXPECT_EQ(shown.join(u'/').toStdString(), "Milton.qtl | " + filter);

  MakePuzzle(QStringLiteral("\u00C9mile Zola@@\u00C9t\u00E9 \u2014 Zola mit le mot"));
  window->command(QStringLiteral("Puzzle2"))->trigger();
  EXPECT_EQ(window->doc().P.AuthorOrig, "\xC3\x89mile Zola");
  EXPECT_EQ(shown.join(u'/').toStdString(), "\xC3\x89mile Zola.qtl | " + filter);
}

}  // namespace
}  // namespace quotella
