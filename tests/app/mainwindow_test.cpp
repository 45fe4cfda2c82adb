#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

#include "app/guihost.h"
#include "app/mainwindow.h"
#include "app/rtfreader.h"
#include "app/soundplayer.h"
#include "core/textio.h"
#include "settings/initext.h"
#include "settings/settings.h"
#include "support/fakehost.h"

namespace quotella {
namespace {

void EnsureApp() {
  if (QCoreApplication::instance()) return;
  static int argc = 1;
  static char name[] = "app_tests";
  static char* argv[] = {name, nullptr};
  // Never destroyed: Qt must outlive every static that tears down after main.
  static QApplication* app = new QApplication(argc, argv);
  (void)app;
}

// A program directory holding the bundled help, quote-window and quotes files and a
// fresh settings file.
class ProgramDir {
 public:
  ProgramDir() {
    const QDir source(QStringLiteral(QUOTELLA_SOURCE_DIR "/resources"));
    for (const QString& name :
         source.entryList({QStringLiteral("*.rtf"), QStringLiteral("quotes.txt")}, QDir::Files))
      QFile::copy(source.filePath(name), m_dir.filePath(name));
    const ProgramPaths paths = ResolveProgramPaths(path().toStdString() + "/", "", "");
    IniText ini(DefaultIniLines(StartupSettings(paths)));
    ini.SetIniValue("[dictionary directory]", QUOTELLA_PROGRAM_DIR "/");
    ini.SetIniValue("[loadlastfile]", "FALSE");
    WriteLinesAtomic(paths.IniFileName, ini.Lines());
  }
  QString path() const { return m_dir.path(); }

 private:
  QTemporaryDir m_dir;
};

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureApp();
    MainWindow::Options options;
    options.programDir = dir.path();
    options.dialogs = &host;
    options.registerFileType = false;
    window = std::make_unique<MainWindow>(options);
    window->show();
    QApplication::processEvents();
  }
  template <typename T = QWidget>
  T* Find(const char* name) {
    return window->findChild<T*>(QString::fromLatin1(name));
  }
  bool Visible(const char* name) {
    QWidget* w = Find(name);
    EXPECT_NE(w, nullptr) << name;
    return w && w->isVisible();
  }
  ProgramDir dir;
  test::FakeHost host;
  std::unique_ptr<MainWindow> window;
};

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
  EXPECT_TRUE(window->outputShort());
  EXPECT_TRUE(Visible("Wordlist1"));
  EXPECT_EQ(window->command(QStringLiteral("Short1"))->text(), QStringLiteral("Wide"));
  window->command(QStringLiteral("Short1"))->trigger();
  EXPECT_FALSE(window->outputShort());
  EXPECT_FALSE(Visible("Wordlist1"));

  window->WordListButtonClick(3);
  EXPECT_TRUE(Visible("Wordlist3"));
  EXPECT_TRUE(window->outputShort());  // a wide output editor becomes short

  window->command(QStringLiteral("Puzzle3"))->trigger();
  window->CandidatesButtonClick();
  EXPECT_TRUE(Visible("Candidates"));
  EXPECT_TRUE(Visible("CandidateStatusBar"));
  EXPECT_FALSE(Visible("ListLabel"));
  window->CluesButtonClick();
  EXPECT_TRUE(Visible("Cluelist"));
  EXPECT_FALSE(Visible("Candidates"));
  EXPECT_EQ(Find<QLabel>("ListLabel")->text(), QStringLiteral(" List of Clues "));

  window->command(QStringLiteral("NumberMap1"))->trigger();
  EXPECT_TRUE(Visible("NumberGrid"));
  window->NumberGridDblClick();
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
  window->command(QStringLiteral("PuzzleManager1"))->trigger();
  EXPECT_EQ(host.messages.back(),
            "Program not found: " +
                QDir(dir.path()).filePath(MainWindow::PuzzleManagerProgram()).toStdString());
}

TEST_F(WindowTest, CommandLineArgumentsAreJoinedIntoOnePath) {
  MainWindow::Options options;
  options.programDir = dir.path();
  options.dialogs = &host;
  options.arguments = {QStringLiteral("/tmp/my"), QStringLiteral("puzzle.qtl ")};
  MainWindow second(options);
  EXPECT_EQ(second.windowTitle(), QStringLiteral("Quotella 3.1 - /tmp/my puzzle.qtl"));
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

}  // namespace
}  // namespace quotella
