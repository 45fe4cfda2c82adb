#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextBlock>

#include "app/window/mainwindow.h"
#include "core/assignment.h"
#include "core/textio.h"
#include "formats/ipuzimport.h"
#include "settings/initext.h"
#include "settings/settings.h"
#include "support/fakehost.h"
#include "windowfixture.h"

namespace quotella {
namespace {

// The window with a program directory of its own, the sample puzzle opened through
// Open > Puzzle, and every dialog answered by the scripted host.
class PublishWindowTest : public test::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    LoadSample();
  }
  std::string Path(const char* name) const {
    return dir.filePath(QString::fromLatin1(name)).toStdString();
  }
  QTableView* table() { return window->findChild<QTableView*>(QStringLiteral("KeyWords")); }
  QPlainTextEdit* clues() { return window->findChild<QPlainTextEdit*>(QStringLiteral("Cluelist")); }
  QStringList MenuTexts(const char* menu) {
    QStringList texts;
    if (auto* m = window->findChild<QMenu*>(QString::fromLatin1(menu)))
      for (QAction* a : m->actions()) texts << a->text();
    return texts;
  }
};

TEST_F(PublishWindowTest, SaveMenuWritesTheIpuzFileAndTheWebPageWithTheWrittenClue) {
  EXPECT_TRUE(MenuTexts("SaveMenu").contains(QString::fromUtf8("As ipuz\u2026")));
  EXPECT_TRUE(MenuTexts("SaveMenu").contains(QString::fromUtf8("As Web Page\u2026")));
  EXPECT_TRUE(MenuTexts("OpenMenu").contains(QString::fromUtf8("ipuz Puzzle\u2026")));

  // The user writes the first clue through the clue list, then saves.
  clues()->setTextCursor(QTextCursor(clues()->document()->findBlockByNumber(0)));
  host.promptAnswers = {std::string("Apiece & each")};
  window->command(QStringLiteral("WriteClue2"))->trigger();
  ASSERT_EQ(clues()->document()->findBlockByNumber(0).text(), QStringLiteral("A. Apiece & each"));
  const std::string ipuz = Path("hope.ipuz");
  host.fileAnswers = {ipuz};
  window->command(QStringLiteral("SaveAsIpuz1"))->trigger();
  EXPECT_EQ(host.fileDialogs, std::vector<std::string>{"Save as ipuz"});
  EXPECT_TRUE(host.messages.empty());
  const std::string text = ReadFileBytes(ipuz).value_or("");
  EXPECT_NE(text.find("\"clue\": \"Apiece &amp; each\""), std::string::npos);

  const std::string page = Path("hope.html");
  host.fileAnswers = {page};
  window->command(QStringLiteral("SaveAsWebPage1"))->trigger();
  EXPECT_NE(ReadFileBytes(page).value_or("").find("<b>A.</b> Apiece &amp; each"),
            std::string::npos);

  // Saving over the file asks first; No keeps it.
  host.fileAnswers = {ipuz};
  host.confirmAnswers = {false};
  clues()->setPlainText(
      clues()->toPlainText().replace(QStringLiteral("Apiece"), QStringLiteral("Per")));
  window->command(QStringLiteral("SaveAsIpuz1"))->trigger();
  EXPECT_EQ(host.questions.back(), "File " + ipuz + " exists! Overwrite ?");
  EXPECT_EQ(ReadFileBytes(ipuz).value_or(""), text);
}

TEST_F(PublishWindowTest, OpenIpuzPuzzleShowsTheImportedPuzzleAndRefusesOtherKinds) {
  const std::string ipuz = Path("hope.ipuz");
  host.fileAnswers = {ipuz};
  window->command(QStringLiteral("SaveAsIpuz1"))->trigger();
  // Clear answer B in the window, then bring the puzzle back from its ipuz file.
  ClearWord1Click(window->doc(), {1, 1}, false);
  window->RefreshViews();
  EXPECT_EQ(table()->model()->index(1, 2).data().toString(), QString());

  host.Clear();
  host.confirmAnswers = {true};
  host.fileAnswers = {ipuz};
  window->command(QStringLiteral("IpuzPuzzle1"))->trigger();
  QApplication::processEvents();
  EXPECT_EQ(host.questions.size(), 1u);
  EXPECT_EQ(host.fileDialogs, std::vector<std::string>{"Open ipuz Puzzle"});
  EXPECT_EQ(host.messages, std::vector<std::string>{});
  EXPECT_EQ(table()->model()->index(1, 2).data().toString(), QStringLiteral("T"));
  EXPECT_EQ(clues()->document()->findBlockByNumber(1).text(),
            QStringLiteral("B. River mammal that floats on its back"));
  EXPECT_EQ(window->windowTitle(),
            QStringLiteral("Quotella 3.1 - ") + QString::fromStdString(Path("hope.qtl")));

  // A crossword is refused with the message and the puzzle stays.
  const std::string crossword = Path("cross.ipuz");
  EXPECT_TRUE(
      WriteFileAtomic(crossword,
                      R"({"version":"http://ipuz.org/v2","kind":["http://ipuz.org/crossword#1"]})")
          .ok());
  host.Clear();
  host.confirmAnswers = {true};
  host.fileAnswers = {crossword};
  window->command(QStringLiteral("IpuzPuzzle1"))->trigger();
  EXPECT_EQ(host.messages, std::vector<std::string>{kNotAcrosticIpuz});
  EXPECT_EQ(table()->model()->index(1, 2).data().toString(), QStringLiteral("T"));
  EXPECT_EQ(window->windowTitle(),
            QStringLiteral("Quotella 3.1 - ") + QString::fromStdString(Path("hope.qtl")));
}

}  // namespace
}  // namespace quotella
