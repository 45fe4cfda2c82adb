// Looking never changes the puzzle, and what the window writes it says: Bitmap View leaves
// the grid alone, a swap takes its marks away, the copyright label follows the button,
// Print Now without a printer says the page goes into a PDF file, every export names the
// file it wrote (or why it could not), and the Autofill dialog is a dialog Esc closes.

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPrinterInfo>
#include <QPushButton>

#include "app/dialogs/autofilldialog.h"
#include "app/print/bitmapdialog.h"
#include "app/print/printcommands.h"
#include "app/print/printroom.h"
#include "app/widgets/panelbar.h"
#include "render/qtext.h"
#include "windowfixture.h"

namespace quotella {
namespace {

using test::PuzzleWindowTest;

class SaysWhatTest : public test::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    LoadSample();
  }
  QString MessagePanel() { return Find<PanelBar>("StatusBar1")->panel(2); }
  std::string Path(const char* name) { return dir.filePath(QString::fromUtf8(name)).toStdString(); }
  void Trigger(const char* name) {
    window->command(QString::fromLatin1(name))->trigger();
    QApplication::processEvents();
  }
  int Marked() {
    int n = 0;
    for (int i = 1; i <= window->doc().P.NumCells; ++i)
      n += window->doc().P.Cells[static_cast<std::size_t>(i)].SwapMark;
    return n;
  }
};

TEST_F(SaysWhatTest, BitmapViewLeavesTheGridAsItWas) {
  Trigger("Puzzle3");
  const int columns = window->doc().Grid.Columns;
  const bool undoable = window->command(QStringLiteral("Undo1"))->isEnabled();
  Trigger("BitmapView1");
  ASSERT_TRUE(Visible("SideBitmapArea"));
  EXPECT_EQ(window->doc().Grid.Columns, columns);
  EXPECT_FALSE(window->doc().PuzzleChanged);
  EXPECT_EQ(window->command(QStringLiteral("Undo1"))->isEnabled(), undoable);
  // The picture is fitted to the area by its cell size alone (within a step of it).
  const QSize size = Find<QLabel>("SideBitmap")->pixmap().size();
  EXPECT_LE(size.width(), BitmapMaker::kFitWidth + 30);
  EXPECT_LE(size.height(), BitmapMaker::kFitHeight + 30);
  EXPECT_TRUE(size.width() >= BitmapMaker::kFitWidth || size.height() >= BitmapMaker::kFitHeight)
      << size.width() << "x" << size.height();

  Trigger("Grid1");
  EXPECT_TRUE(host.messages.empty()) << host.messages.front();
  EXPECT_EQ(window->doc().Grid.Columns, columns);
}

TEST_F(SaysWhatTest, TheBestSwapMarksGoOnceTheSwapIsMade) {
  Trigger("Grid1");
  int partner = 0;
  for (int i = 1; i <= window->doc().P.NumCells && partner == 0; ++i) {
    if (window->doc().P.Cells[static_cast<std::size_t>(i)].Special) continue;
    DoubleClickCell(i);
    for (int j = 1; j <= window->doc().P.NumCells && partner == 0; ++j)
      if (window->doc().P.Cells[static_cast<std::size_t>(j)].SwapMark) partner = j;
    if (partner == 0) DoubleClickCell(i);  // picking it again ends the exchange
  }
  ASSERT_NE(partner, 0) << "the sample has a best swap";
  DoubleClickCell(partner);
  QApplication::processEvents();
  EXPECT_EQ(Marked(), 0);
  EXPECT_TRUE(window->doc().PuzzleChanged) << "the swap was made";
}

TEST_F(SaysWhatTest, TheCopyrightLabelFollowsTheCopyrightButtonAtOnce) {
  Trigger("Grid1");
  const std::string notice = "\xC2\xA9 2026 \xC3\x89milie Dubois";
  host.promptAnswers.push_back(notice);
  Find<QPushButton>("CopyrightButton")->click();
  EXPECT_EQ(Find<QLabel>("CopyrightLabel")->text(), ToQString(notice));
}

TEST_F(SaysWhatTest, PrintNowWithoutAPrinterSaysThePageGoesIntoAPdfFile) {
  ASSERT_TRUE(QPrinterInfo::availablePrinterNames().isEmpty()) << "the tests run without a printer";
  Trigger("Formatted1");
  host.confirmAnswers.push_back(false);
  Find<QPushButton>("PrintNowButton")->click();
  ASSERT_EQ(host.questions.size(), 1u);
  EXPECT_NE(host.questions[0].find("saved as a PDF file"), std::string::npos) << host.questions[0];
  EXPECT_EQ(host.messages, std::vector<std::string>{PrintCommands::kExiting});
  EXPECT_TRUE(host.fileDialogs.empty());

  host.Clear();
  host.confirmAnswers.push_back(true);
  const std::string pdf = Path("seite \xC3\xBC.pdf");
  host.fileAnswers.push_back(pdf);
  Find<QPushButton>("PrintNowButton")->click();
  EXPECT_EQ(host.questions.size(), 1u);
  EXPECT_EQ(host.fileDialogs.size(), 1u);
  EXPECT_TRUE(FileExists(pdf));
  EXPECT_TRUE(MessagePanel().contains(ToQString(pdf))) << MessagePanel().toStdString();
}

TEST_F(SaysWhatTest, EveryExportSaysWhereItWroteOrWhyItCouldNot) {
  const std::string pdf = Path("page.pdf");
  host.fileAnswers.push_back(pdf);
  Trigger("PrintToPdf");
  ASSERT_TRUE(FileExists(pdf));
  EXPECT_TRUE(MessagePanel().contains(ToQString(pdf))) << MessagePanel().toStdString();

  const std::string bitmap = Path("grid.png");
  Trigger("MakeGridBitmap1");
  host.fileAnswers.push_back(bitmap);
  window->printRoom()
      ->bitmapDialog()
      ->findChild<QPushButton*>(QStringLiteral("SaveButton"))
      ->click();
  ASSERT_TRUE(FileExists(bitmap));
  EXPECT_TRUE(MessagePanel().contains(ToQString(bitmap))) << MessagePanel().toStdString();
  window->printRoom()->bitmapDialog()->hide();

  const std::string text = Path("puzzle.txt");
  host.confirmAnswers.push_back(false);  // no text grid
  host.fileAnswers.push_back(text);
  Trigger("SavePuzzleasText1");
  ASSERT_TRUE(FileExists(text));
  EXPECT_TRUE(MessagePanel().contains(ToQString(text))) << MessagePanel().toStdString();

  const std::string web = Path("puzzle.html");
  host.fileAnswers.push_back(web);
  Trigger("SaveAsWebPage1");
  ASSERT_TRUE(FileExists(web));
  EXPECT_TRUE(MessagePanel().contains(ToQString(web))) << MessagePanel().toStdString();

  // A failure keeps its message box and says why in the status bar too.
  host.Clear();
  const std::string nowhere = Path("no such folder/grid.svg");
  host.fileAnswers.push_back(nowhere);
  Trigger("ExportGridSvg1");
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].rfind("Could not save file " + nowhere + ": ", 0), 0u)
      << host.messages[0];
  EXPECT_EQ(MessagePanel(), ToQString(host.messages[0]));
}

TEST_F(SaysWhatTest, TheMessagePanelShowsWhereAPageWentAtTheStartSize) {
  window->resize(805, 587);
  const std::string pdf = Path("a folder with a rather long name, as users have/page.pdf");
  ASSERT_TRUE(QDir().mkpath(
      dir.filePath(QStringLiteral("a folder with a rather long name, as users have"))));
  host.fileAnswers.push_back(pdf);
  Trigger("PrintToPdf");
  ASSERT_TRUE(MessagePanel().contains(ToQString(pdf)));
  const QList<QLabel*> panels = Find<PanelBar>("StatusBar1")->findChildren<QLabel*>();
  ASSERT_GE(panels.size(), 4);
  const QLabel* message = panels[2];
  // What the panel shows fits it, begins with what was written and ends with the file's
  // name; the whole text is in the tooltip.
  EXPECT_LE(message->fontMetrics().horizontalAdvance(message->text()),
            message->contentsRect().width());
  EXPECT_TRUE(message->text().startsWith(QStringLiteral("PDF"))) << message->text().toStdString();
  EXPECT_TRUE(message->text().endsWith(QStringLiteral("/page.pdf")))
      << message->text().toStdString();
  EXPECT_EQ(message->toolTip(), MessagePanel());
  EXPECT_GT(message->width(), panels[3]->width()) << "the message takes the larger share";
  EXPECT_EQ(window->width(), 805) << "a long message never widens the window";
}

class AutofillOptionsTest : public PuzzleWindowTest {};

TEST_F(AutofillOptionsTest, TheOptionsDialogHoldsTheWindowUntilEscClosesIt) {
  window->command(QStringLiteral("AutofillDialog1"))->trigger();
  auto* dialog = Find<AutofillDialog>("AutofillDialog");
  ASSERT_NE(dialog, nullptr);
  ASSERT_TRUE(dialog->isVisible());
  EXPECT_EQ(QApplication::activeModalWidget(), dialog) << "other commands wait for it";
  QTest::keyClick(dialog, Qt::Key_Escape);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_FALSE(window->searches().autofilling());
}

}  // namespace
}  // namespace quotella
