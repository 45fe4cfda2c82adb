// Commands, views, hotkeys, undo and context menus are joined by names: every name in
// every table reaches something, and a name that reaches nothing is reported.

#include <QAction>
#include <QMenu>
#include <QSet>
#include <QStringList>
#include <QtGlobal>

#include "app/commands/edithistory.h"
#include "app/window/actiontable.h"
#include "app/window/names.h"
#include "app/window/viewtable.h"
#include "settings/hotkeys.h"
#include "windowfixture.h"

namespace quotella::test {
namespace {

// The critical messages logged while it lives.
class CriticalLog {
 public:
  CriticalLog() {
    s_lines.clear();
    m_previous = qInstallMessageHandler(&CriticalLog::Handle);
  }
  ~CriticalLog() { qInstallMessageHandler(m_previous); }
  const QStringList& lines() const { return s_lines; }

 private:
  static void Handle(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg) s_lines << text;
  }
  static inline QStringList s_lines;
  QtMessageHandler m_previous = nullptr;
};

using NameResolutionTest = WindowTest;

TEST_F(NameResolutionTest, EveryCommandRowHasItsOwnNameAndEveryMenuAControl) {
  QSet<QString> seen;
  for (const ActionRow& row : ActionRows()) {
    const QString name = QString::fromLatin1(row.name);
    EXPECT_FALSE(seen.contains(name)) << "two rows are named " << row.name;
    seen.insert(name);
    EXPECT_NE(window->command(name), nullptr) << row.name;
    const QString menu = QString::fromLatin1(row.menu);
    if (menu.startsWith(QLatin1Char('&'))) {
      EXPECT_NE(window->actions().mainMenu(menu), nullptr) << row.menu << " is in no menu bar";
    }
  }
  EXPECT_GT(seen.size(), 150);
  EXPECT_EQ(window->actions().unattachedMenus(), QStringList());
}

TEST_F(NameResolutionTest, EveryViewOpensAndNamesOnlyControlsThatExist) {
  EXPECT_EQ(window->views().unresolvedNames(), QStringList());
  window->doc().PuzzleExists = false;
  for (const char* view :
       {names::kPuzzleView, names::kGridView, names::kQuotesView, names::kOutputView,
        names::kCluesView, names::kCandidatesView, names::kNumberMapView, names::kIniFileView}) {
    CriticalLog log;
    window->ShowView(QString::fromLatin1(view));
    EXPECT_TRUE(log.lines().isEmpty()) << view << ": " << log.lines().join(' ').toStdString();
  }
}

TEST_F(NameResolutionTest, EveryHotkeyAndUndoNameIsACommand) {
  for (const HotkeyBox& box : HotkeyBoxes())
    for (const std::string& item : box.items)
      EXPECT_NE(window->command(QString::fromStdString(item)), nullptr)
          << box.box << " binds " << item;
  for (const char* name :
       {names::kUndo, names::kRedo, names::kAutofill, names::kShortOutput, names::kPrintToPdf,
        names::kBold, names::kScanConditional, names::kSoundToggle, names::kWordwrap,
        names::kHighlightCommon, names::kLockCharacter, names::kPuzzleByBrowsing})
    EXPECT_NE(window->command(QString::fromLatin1(name)), nullptr) << name;
  // Every command that changes the puzzle is an undo step named after its caption.
  window->command(QString::fromLatin1(names::kUndo))->trigger();
  EXPECT_TRUE(window->command(QString::fromLatin1(names::kUndo))->text().startsWith("Undo"));
}

TEST_F(NameResolutionTest, UnknownCommandViewAndControlNamesAreReportedNotIgnored) {
  const bool help = Visible("HelpFile");
  const bool answers = Visible("KeyWords");
  CriticalLog log;
  EXPECT_EQ(window->command(QStringLiteral("Puzzle9")), nullptr);
  EXPECT_FALSE(window->ShowView(QStringLiteral("Puzle")));
  EXPECT_TRUE(window->views().controls(QStringLiteral("KeyWordz")).isEmpty());
  ASSERT_EQ(log.lines().size(), 3) << log.lines().join('\n').toStdString();
  EXPECT_TRUE(log.lines()[0].contains("Puzzle9"));
  EXPECT_TRUE(log.lines()[1].contains("Puzle"));
  EXPECT_TRUE(log.lines()[2].contains("KeyWordz"));
  // The window is left as it was.
  EXPECT_EQ(Visible("HelpFile"), help);
  EXPECT_EQ(Visible("KeyWords"), answers);
}

}  // namespace
}  // namespace quotella::test
