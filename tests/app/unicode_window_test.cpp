// Puzzles and quotes files under a folder whose name is not ASCII, opened, saved and
// opened again through the window's own file dialogs; a clue Windows-1252 cannot hold
// survives.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QStringList>
#include <QTextBlock>
#include <QTimer>
#include <deque>
#include <memory>

#include "app/window/mainwindow.h"
#include "core/textio.h"
#include "render/qtext.h"
#include "windowfixture.h"

namespace quotella {
namespace {

using test::EnsureApp;
using test::ProgramDir;

// Answers the real modal dialogs as a user would: a file dialog gets the next file name
// typed in, an input dialog the next text, a question Yes. Records every message shown.
class DialogDriver {
 public:
  DialogDriver() {
    m_timer.setInterval(20);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { Answer(); });
    m_timer.start();
  }
  std::deque<QString> files;
  std::deque<QString> texts;
  QStringList shown;  // file-dialog titles and message texts, in order

 private:
  // Pressing a button may open another dialog (a save over a file asks first): it runs
  // after this timer call returns, so that the timer can answer that dialog too.
  template <typename F>
  static void Later(QObject* target, F press) {
    QMetaObject::invokeMethod(target, press, Qt::QueuedConnection);
  }
  void Answer() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || modal == m_answered) return;  // its answer is on its way
    m_answered = modal;
    if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
      if (files.empty()) return dialog->reject();
      shown << dialog->windowTitle();
      dialog->selectFile(files.front());
      files.pop_front();
      Later(dialog, [dialog] { static_cast<QDialog*>(dialog)->accept(); });
    } else if (auto* input = qobject_cast<QInputDialog*>(modal)) {
      if (texts.empty()) return input->reject();
      input->setTextValue(texts.front());
      texts.pop_front();
      Later(input, [input] { static_cast<QDialog*>(input)->accept(); });
    } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      shown << box->text();
      QAbstractButton* yes = box->button(QMessageBox::Yes);
      QAbstractButton* button = yes ? yes : box->button(QMessageBox::Ok);
      Later(button, [button] { button->click(); });
    }
  }
  QTimer m_timer;
  QPointer<QWidget> m_answered;
};

class RealDialogWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureApp();
    driver = std::make_unique<DialogDriver>();  // its timer needs the application
    folder = QDir(dir.path()).filePath(QStringLiteral("\u00C9nigmes \u2014 \u0141\u00F3d\u017A"));
    ASSERT_TRUE(QDir().mkpath(folder));
    MainWindow::Options options;
    options.programDir = dir.path();
    options.registerFileType = false;  // dialogs stay null: the window's own dialogs
    window = std::make_unique<MainWindow>(options);
    window->show();
    QApplication::processEvents();
  }
  void Trigger(const char* command) {
    window->command(QString::fromLatin1(command))->trigger();
    QApplication::processEvents();
  }
  QPlainTextEdit* Editor(const char* name) {
    return window->findChild<QPlainTextEdit*>(QString::fromLatin1(name));
  }
  std::unique_ptr<DialogDriver> driver;
  ProgramDir dir;
  QString folder;
  std::unique_ptr<MainWindow> window;
};

TEST_F(RealDialogWindowTest, APuzzleWithAClueWindows1252LacksSavesAndReopensUnderAnAccentedFolder) {
  Trigger("Quotes3");
  Editor("QuotesEditor")
      ->setPlainText(QStringLiteral("\u00C9mile Zola@@\u00C9t\u00E9 \u2014 Zola mit le mot"));
  window->doc().view().CurRow = 0;
  QTextCursor cursor(Editor("QuotesEditor")->document());
  Editor("QuotesEditor")->setTextCursor(cursor);
  const QRect line = Editor("QuotesEditor")->cursorRect(cursor);
  QTest::mouseDClick(Editor("QuotesEditor")->viewport(), Qt::LeftButton, {},
                     line.center() + QPoint(20, 0));
  QApplication::processEvents();
  ASSERT_TRUE(window->doc().PuzzleExists);
  EXPECT_EQ(window->doc().P.QuotellaStr, "EMILEZOLA");
  EXPECT_EQ(window->doc().P.MasterQuote, "ETE ZOLA MIT LE MOT");

  const QString clue = QStringLiteral("Erd\u0151s \u2260 \u0141\u00F3d\u017A \U0001F600");
  window->doc().view().CurRow = 0;
  window->doc().view().CurCol = 2;
  driver->texts.push_back(clue);
  Trigger("WriteClue3");
  EXPECT_EQ(ToQString(window->doc().ClueLines[0]), QStringLiteral("A. ") + clue);

  const QString path = folder + QStringLiteral("/Caf\u00E9.qtl");
  driver->files.push_back(path);
  Trigger("Puzzle2");
  ASSERT_TRUE(QFile::exists(path)) << driver->shown.join(QStringLiteral(" | ")).toStdString();
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Quotella 3.1 - ") + path);

  window->doc().ClueLines[0] = "A.";
  driver->files.push_back(path);
  Trigger("Puzzle1");
  EXPECT_EQ(ToQString(window->doc().ClueLines[0]), QStringLiteral("A. ") + clue);
  EXPECT_EQ(Editor("Cluelist")->document()->firstBlock().text(), QStringLiteral("A. ") + clue);
  EXPECT_EQ(window->doc().P.MasterQuote, "ETE ZOLA MIT LE MOT");
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Quotella 3.1 - ") + path);
  EXPECT_TRUE(driver->shown.filter(QStringLiteral("Could not")).isEmpty())
      << driver->shown.join(QStringLiteral(" | ")).toStdString();
}

TEST_F(RealDialogWindowTest, AQuotesFileUnderAnAccentedFolderOpensSavesAndReopens) {
  const QString path = folder + QStringLiteral("/citations \u00E0 lire.txt");
  EXPECT_TRUE(WriteFileAtomic(ToUtf8(path),
                              "Cr\xE8me@Br\xFBl\xE9"
                              "e@Caf\xE9 cr\xE8me\r\n")
                  .ok());  // Windows-1252
  driver->files.push_back(path);
  Trigger("Quotes1");
  ASSERT_EQ(Editor("QuotesEditor")->toPlainText().split(QLatin1Char('\n')).first(),
            QStringLiteral("Cr\u00E8me@Br\u00FBl\u00E9e@Caf\u00E9 cr\u00E8me"));

  Editor("QuotesEditor")
      ->appendPlainText(QStringLiteral("Lech Wa\u0142\u0119sa@@Solidarno\u015B\u0107"));
  QApplication::processEvents();
  driver->files.push_back(path);
  Trigger("Quotes2");
  const auto lines = ReadTextLines(ToUtf8(path));
  ASSERT_TRUE(lines.has_value()) << driver->shown.join(QStringLiteral(" | ")).toStdString();
  ASSERT_GE(lines->size(), 2u);
  EXPECT_EQ((*lines)[0],
            "Cr\xC3\xA8me@Br\xC3\xBBl\xC3\xA9"
            "e@Caf\xC3\xA9 cr\xC3\xA8me");
  EXPECT_EQ((*lines)[1], "Lech Wa\xC5\x82\xC4\x99sa@@Solidarno\xC5\x9B\xC4\x87");

  Editor("QuotesEditor")->setPlainText(QString());
  driver->files.push_back(path);
  Trigger("Quotes1");
  EXPECT_TRUE(Editor("QuotesEditor")->toPlainText().contains(QStringLiteral("Wa\u0142\u0119sa")));
  EXPECT_TRUE(driver->shown.filter(QStringLiteral("Could not")).isEmpty())
      << driver->shown.join(QStringLiteral(" | ")).toStdString();
}

}  // namespace
}  // namespace quotella
