#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

#include "app/commands/dialogcommands.h"
#include "app/dialogs/generalsettingsdialog.h"
#include "app/dialogs/hotkeysdialog.h"
#include "app/print/bitmapdialog.h"
#include "app/print/printcommands.h"
#include "app/print/printroom.h"
#include "app/print/printsettingsdialog.h"
#include "app/widgets/cluepreviewwidget.h"
#include "app/window/mainwindow.h"
#include "core/textio.h"
#include "files/filesession.h"
#include "render/qtext.h"
#include "settings/initext.h"
#include "settings/settings.h"
#include "support/clirunner.h"
#include "support/fakehost.h"
#include "windowfixture.h"

namespace quotella {
namespace {

// A program directory with a fresh settings file, and the window over it with the
// sample puzzle loaded through Open > Puzzle.
class PrintWindowTest : public test::WindowTest {
 protected:
  template <typename T = QWidget>
  T* Find(const char* name) {
    T* w = window->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
  bool Visible(const char* name) {
    QWidget* w = Find(name);
    return w && w->isVisible();
  }
  QString Path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
  // Pixels of the image that are not the colour.
  static int Ink(const QImage& image, QRect area, QColor paper) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
      for (int x = area.left(); x <= area.right(); ++x)
        if (image.pixelColor(x, y) != paper) ++n;
    return n;
  }
};

TEST_F(PrintWindowTest, FormattedWithoutAPuzzleSaysSoAndStays) {
  EXPECT_EQ(window->command(QStringLiteral("PrintToPdf"))->text(), QStringLiteral("To PDF\u2026"));
  window->command(QStringLiteral("Formatted1"))->trigger();
  EXPECT_EQ(host.messages, std::vector<std::string>{"First you must load or create a puzzle!"});
  EXPECT_FALSE(Visible("PuzzleGridArea"));
  EXPECT_FALSE(Visible("PrintNowButton"));
}

TEST_F(PrintWindowTest, TheGridViewShowsThePrintControlsAndTheCluePreview) {
  LoadSample();
  window->command(QStringLiteral("Formatted1"))->trigger();
  QApplication::processEvents();
  EXPECT_TRUE(host.messages.empty()) << host.messages.front();
  for (const char* name :
       {"PuzzleGridArea", "PrintNowButton", "OrentationButton", "GridStretchButton",
        "PrintGridRadio", "PrintCluesRadio", "PrintBothRadio", "PrintKeyCheck", "PrintHelpCheck",
        "CellSizeCheck", "CellSizeEdit", "PrintSettingsButton", "CopyrightLabel", "CluePreview"})
    EXPECT_TRUE(Visible(name)) << name;
  EXPECT_TRUE(Find<QRadioButton>("PrintBothRadio")->isChecked());
  EXPECT_LE(Find("GridViewPane")->minimumSizeHint().width(), 805 - 16)
      << "the print controls fit the window";
  EXPECT_EQ(Find<QLineEdit>("CellSizeEdit")->text(), QStringLiteral("200"));
  EXPECT_EQ(Find<QLabel>("CopyrightLabel")->text(), ToQString(window->session().CopyrightText));

  // The preview shows the clue columns: ink in the first column, none in the third for a
  // puzzle whose 16 clues fill little more than one column.
  auto* preview = Find<CluePreviewWidget>("CluePreview");
  const QImage shot = preview->grab().toImage();
  const QColor paper = shot.pixelColor(799, 799);
  EXPECT_GT(Ink(shot, QRect(1, 30, 200, 300), paper), 100);
  EXPECT_EQ(Ink(shot, QRect(540, 30, 250, 700), paper), 0);

  // Squeezing the grid draws the preview again; leaving the Grid view hides it.
  const int painted = preview->paintCount();
  window->command(QStringLiteral("SqueezeGrid1"))->trigger();
  QApplication::processEvents();
  EXPECT_GT(preview->paintCount(), painted);
  window->command(QStringLiteral("Puzzle3"))->trigger();
  EXPECT_FALSE(Visible("CluePreview"));
  EXPECT_FALSE(Visible("PrintNowButton"));
}

TEST_F(PrintWindowTest, ABadCellSizeStopsPrintNowWithItsMessage) {
  LoadSample();
  window->command(QStringLiteral("Formatted1"))->trigger();
  ASSERT_FALSE(window->doc().Grid.PrinterAvailable) << "the tests run without a printer";
  Find<QCheckBox>("CellSizeCheck")->click();
  auto* box = Find<QLineEdit>("CellSizeEdit");
  box->clear();
  QTest::keyClicks(box, QStringLiteral("2x0"));
  const int columns = window->doc().Grid.Columns;

  host.confirmAnswers.push_back(false);
  Find<QPushButton>("PrintNowButton")->click();
  EXPECT_EQ(host.questions, std::vector<std::string>{PrintCommands::kNoPrinterPdf});
  EXPECT_EQ(host.messages, std::vector<std::string>{PrintCommands::kExiting});

  host.Clear();
  host.confirmAnswers.push_back(true);
  Find<QPushButton>("PrintNowButton")->click();
  EXPECT_EQ(host.messages, std::vector<std::string>{"Error in Cell Size edit box! Not a number.."});
  EXPECT_TRUE(host.fileDialogs.empty()) << "nothing printed";
  EXPECT_EQ(window->doc().Grid.Columns, columns);
}

TEST_F(PrintWindowTest, WithoutAPrinterPrintNowOffersAPdfOfThePage) {
  LoadSample();
  window->command(QStringLiteral("Formatted1"))->trigger();
  Find<QCheckBox>("PrintKeyCheck")->click();
  Find<QCheckBox>("CellSizeCheck")->click();  // 200 dots: 21 columns become 22
  const std::string pdf = Path("page.pdf").toStdString();
  host.confirmAnswers.push_back(true);
  host.fileAnswers.push_back(pdf);
  Find<QPushButton>("PrintNowButton")->click();
  EXPECT_EQ(window->doc().Grid.Columns, 22);
  ASSERT_TRUE(QFile::exists(QString::fromStdString(pdf))) << host.messages.size();
  const std::string text = test::RunShell("pdftotext " + test::ShellQuote(pdf) + " -").out;
  EXPECT_NE(text.find("Hope Eternal"), std::string::npos) << text;
  EXPECT_NE(text.find("The Quotella is: Pope \u2014 An Essay on Man"), std::string::npos) << text;
}

TEST_F(PrintWindowTest, AnUnfinishedPuzzlePrintsOnlyWhenTheUserSaysSo) {
  LoadSample();
  ClearRows({1, 4});
  window->command(QStringLiteral("Formatted1"))->trigger();
  const std::string pdf = Path("draft.pdf").toStdString();
  const int cleared = [&] {
    int n = 0;
    for (int i = 1; i <= window->doc().P.NumCells; ++i) {
      const auto& cell = window->doc().P.Cells[static_cast<std::size_t>(i)];
      n += cell.CellNumber != 0 && cell.CellLabel.empty();
    }
    return n;
  }();
  const std::string question =
      "2 answers are empty and " + std::to_string(cleared) + " cells have no label. Print anyway?";
  host.Clear();
  host.confirmAnswers = {true, false};  // the no-printer question, then the draft's
  Find<QPushButton>("PrintNowButton")->click();
  EXPECT_EQ(host.questions, (std::vector<std::string>{PrintCommands::kNoPrinterPdf, question}));
  EXPECT_TRUE(host.fileDialogs.empty()) << "nothing printed";

  host.Clear();
  host.confirmAnswers = {true, true};
  host.fileAnswers.push_back(pdf);
  Find<QPushButton>("PrintNowButton")->click();
  EXPECT_EQ(host.questions, (std::vector<std::string>{PrintCommands::kNoPrinterPdf, question}));
  EXPECT_TRUE(QFile::exists(QString::fromStdString(pdf)));
}

TEST_F(PrintWindowTest, ThePaperAndLinesChosenInThePrintSettingsAreThoseOfThePdf) {
  LoadSample();
  window->command(QStringLiteral("PrintSettings1"))->trigger();
  auto* settings = window->printRoom()->settingsDialog();
  auto* paper = settings->findChild<QComboBox*>(QStringLiteral("PaperCombo"));
  paper->setCurrentIndex(paper->findText(QStringLiteral("Legal")));
  settings->findChild<QDoubleSpinBox*>(QStringLiteral("MarginSpin"))->setValue(1.0);
  const std::string pdf = Path("legal.pdf").toStdString();
  host.fileAnswers.push_back(pdf);
  window->command(QStringLiteral("PrintToPdf"))->trigger();
  ASSERT_TRUE(QFile::exists(QString::fromStdString(pdf))) << host.messages.size();
  EXPECT_NE(test::RunShell("pdfinfo " + test::ShellQuote(pdf)).out.find("612 x 1008"),
            std::string::npos);
  // One-inch margins: the title's text starts at least an inch from the top.
  const std::string box =
      test::RunShell("pdftotext -bbox " + test::ShellQuote(pdf) + " - | grep -m1 '>Hope<'").out;
  const auto at = box.find("yMin=\"");
  ASSERT_NE(at, std::string::npos) << box;
  EXPECT_GE(std::stod(box.substr(at + 6)), 72.0);
}

TEST_F(PrintWindowTest, AsTextWithoutAPrinterComposesTheTextAndSaysThePrinterIsOff) {
  LoadSample();
  window->command(QStringLiteral("AsText1"))->trigger();
  ASSERT_FALSE(host.messages.empty());
  EXPECT_EQ(host.messages.back(), PrintCommands::kTextOffline);
  EXPECT_LE(window->doc().Grid.Columns, 14);
  EXPECT_FALSE(window->session().Output.Lines.empty());
}

TEST_F(PrintWindowTest, TheBitmapWindowRedrawsOnEveryControlChange) {
  LoadSample();
  window->command(QStringLiteral("MakeGridBitmap1"))->trigger();
  auto* dialog = window->printRoom()->bitmapDialog();
  ASSERT_TRUE(dialog->isVisible());
  EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Make Puzzle Grid Bitmap"));
  const auto& grid = window->doc().Grid;
  const auto image = [&] { return dialog->maker().Image(); };
  const int cell = BitmapStyle::kDefaultCellSize;
  EXPECT_EQ(image().size(), QSize(grid.Columns * cell + 1, grid.Rows * cell + 1));

  int count = dialog->drawCount();
  auto changed = [&] { return dialog->drawCount() == ++count; };
  dialog->findChild<QSpinBox*>(QStringLiteral("CellSizeSpin"))->setValue(30);
  EXPECT_TRUE(changed());
  EXPECT_EQ(image().width(), grid.Columns * 30 + 1);
  dialog->findChild<QCheckBox*>(QStringLiteral("KeyCheck"))->click();
  EXPECT_TRUE(changed());
  dialog->findChild<QCheckBox*>(QStringLiteral("LabelsCheck"))->click();
  EXPECT_TRUE(changed());
  dialog->findChild<QSpinBox*>(QStringLiteral("KeyVerticalSpin"))->setValue(5);
  EXPECT_TRUE(changed());
  dialog->findChild<QSpinBox*>(QStringLiteral("IndentsSpin"))->setValue(3);
  EXPECT_TRUE(changed());
  auto* lineWidth = dialog->findChild<QLineEdit*>(QStringLiteral("LineWidthEdit"));
  lineWidth->selectAll();
  QTest::keyClicks(lineWidth, QStringLiteral("2"));
  EXPECT_TRUE(changed());
  EXPECT_EQ(image().width(), grid.Columns * 30 + 2);
  const int columns = grid.Columns;
  dialog->findChild<QPushButton*>(QStringLiteral("WiderButton"))->click();
  EXPECT_TRUE(changed());
  EXPECT_EQ(grid.Columns, columns + 1);
  EXPECT_EQ(dialog->findChild<QLabel*>(QStringLiteral("ColsEdit"))->text(),
            QString::number(columns + 1));

  // A line width that is no number keeps the picture and says so.
  const QImage before = image();
  QTest::keyClicks(lineWidth, QStringLiteral("x"));
  EXPECT_EQ(host.messages.back(), "Numerical Error in values .. please Edit ");
  EXPECT_EQ(dialog->drawCount(), count);
  EXPECT_EQ(image(), before);
  // The side picture mirrors the drawing.
  EXPECT_EQ(Find<QLabel>("SideBitmap")->pixmap().size(), before.size());

  // Save writes the picture; a ".png" name gives a PNG.
  host.fileAnswers.push_back(Path("grid.png").toStdString());
  dialog->findChild<QPushButton*>(QStringLiteral("SaveButton"))->click();
  QImage saved;
  ASSERT_TRUE(saved.load(Path("grid.png"), "PNG"));
  EXPECT_EQ(saved.size(), before.size());
}

TEST_F(PrintWindowTest, BitmapViewFitsThePictureIntoTheSideArea) {
  LoadSample();
  window->command(QStringLiteral("Puzzle3"))->trigger();
  window->command(QStringLiteral("BitmapView1"))->trigger();
  EXPECT_TRUE(Visible("SideBitmapArea"));
  EXPECT_FALSE(Visible("Cluelist"));
  EXPECT_FALSE(Visible("CharPoolGrid"));
  const QSize size = Find<QLabel>("SideBitmap")->pixmap().size();
  EXPECT_LE(size.width(), 360 + 30);
  EXPECT_LE(size.height(), 430 + 30);
  EXPECT_TRUE(size.width() >= 360 || size.height() >= 430) << size.width() << "x" << size.height();
  // The side picture's menu widens the grid; "Puzzle Mode" returns to the Puzzle view.
  const int columns = window->doc().Grid.Columns;
  window->command(QStringLiteral("Wider1"))->trigger();
  EXPECT_EQ(window->doc().Grid.Columns, columns + 1);
  EXPECT_EQ(Find<QLabel>("SideBitmap")->pixmap().width(),
            window->printRoom()->bitmapDialog()->maker().Image().width());
  window->command(QStringLiteral("PuzzleMode1"))->trigger();
  EXPECT_FALSE(Visible("SideBitmapArea"));
  EXPECT_TRUE(Visible("KeyWords"));
  window->command(QStringLiteral("BitmapView1"))->trigger();
  EXPECT_TRUE(Visible("SideBitmapArea"));
  window->command(QStringLiteral("Output1"))->trigger();
  EXPECT_FALSE(Visible("SideBitmapArea"));
  // Not from a view with an editor or the grid in front.
  window->command(QStringLiteral("BitmapView1"))->trigger();
  EXPECT_FALSE(Visible("SideBitmapArea"));
}

TEST_F(PrintWindowTest, SettingsWindowsAndHotkeysReachThePrintCommands) {
  PrintCommands& commands = window->printRoom()->commands();
  window->command(QStringLiteral("PrintSettings1"))->trigger();
  auto* settings = window->printRoom()->settingsDialog();
  ASSERT_TRUE(settings->isVisible());
  EXPECT_EQ(settings->windowTitle(), QStringLiteral("Additional Print Settings"));
  auto* lineWidth = settings->findChild<QDoubleSpinBox*>(QStringLiteral("LineWidthSpin"));
  EXPECT_EQ(lineWidth->value(), 0.5);
  lineWidth->setValue(1.5);
  EXPECT_EQ(commands.options.lineWidthPoints, 1.5);
  auto* paper = settings->findChild<QComboBox*>(QStringLiteral("PaperCombo"));
  EXPECT_EQ(paper->count(), 3);
  paper->setCurrentIndex(paper->findText(QStringLiteral("A4")));
  EXPECT_EQ(commands.paper, Paper::A4);
  auto* margin = settings->findChild<QDoubleSpinBox*>(QStringLiteral("MarginSpin"));
  EXPECT_EQ(margin->value(), 0.5);
  margin->setValue(0.75);
  EXPECT_EQ(commands.marginInches, 0.75);
  auto* firstSquare = settings->findChild<QCheckBox*>(QStringLiteral("FirstSquareCheck"));
  EXPECT_EQ(firstSquare->text(), QStringLiteral("Start the quotation in the first square"));
  EXPECT_FALSE(firstSquare->isChecked()) << "centred by default";
  firstSquare->click();
  EXPECT_TRUE(commands.options.fromFirstSquare);
  settings->findChild<QCheckBox*>(QStringLiteral("PunctuationCheck"))->click();
  EXPECT_TRUE(commands.options.punctuation);
  EXPECT_EQ(settings->findChild<QPushButton*>(QStringLiteral("NumberfontButton"))->text(),
            QStringLiteral("Set Numbers Font"));
  settings->findChild<QPushButton*>(QStringLiteral("CloseButton"))->click();
  EXPECT_FALSE(settings->isVisible());

  window->command(QStringLiteral("GeneralSettings1"))->trigger();
  auto* under = window->dialogs().generalSettings()->copyrightUnderBylineBox();
  auto* last = window->dialogs().generalSettings()->copyrightOnLastPageBox();
  EXPECT_TRUE(under->isChecked());
  EXPECT_FALSE(last->isChecked());
  under->click();
  last->click();
  EXPECT_FALSE(commands.options.copyrightUnderByline);
  EXPECT_TRUE(commands.options.copyrightOnLastPage);

  EXPECT_EQ(window->command(QStringLiteral("MakeGridBitmap1"))->shortcut(),
            QKeySequence(QStringLiteral("Ctrl+B")));
  window->command(QStringLiteral("PuzzleHotkeys1"))->trigger();
  ASSERT_NE(window->dialogs().hotkeys(), nullptr);
  // Ctrl+B opens the bitmap window, except in the output editor, where it means Bold.
  window->command(QStringLiteral("Output1"))->trigger();
  auto* editor = Find<QTextEdit>("OutputEditor");
  editor->setFocus();
  QTest::keyClick(editor, Qt::Key_B, Qt::ControlModifier);
  EXPECT_FALSE(window->printRoom()->bitmapDialog()->isVisible());
  EXPECT_GT(editor->fontWeight(), QFont::Normal);
  window->command(QStringLiteral("Puzzle3"))->trigger();
  QTest::keyClick(Find("KeyWords"), Qt::Key_B, Qt::ControlModifier);
  EXPECT_TRUE(window->printRoom()->bitmapDialog()->isVisible());

  window->dialogs().hotkeys()->setBox("HotKey13", QKeySequence(QStringLiteral("Ctrl+Alt+G")));
  EXPECT_EQ(window->command(QStringLiteral("MakeGridBitmap1"))->shortcut(),
            QKeySequence(QStringLiteral("Ctrl+Alt+G")));
  // Ctrl+P is the box's start value: a different key is a real change and re-binds.
  window->dialogs().hotkeys()->setBox("PrintTextPuzzle",
                                      QKeySequence(QStringLiteral("Ctrl+Alt+P")));
  EXPECT_EQ(window->command(QStringLiteral("AsText1"))->shortcut(),
            QKeySequence(QStringLiteral("Ctrl+Alt+P")));
}

}  // namespace
}  // namespace quotella
