// The editors and the session: typing marks an editor, only a marked editor is read back,
// only a text the session changed is put into its editor, and a command syncs only the
// editors it touches.

#include <QFile>
#include <QPlainTextEdit>
#include <QTextEdit>

#include "app/commands/editorsync.h"
#include "files/filesession.h"
#include "settings/settingsstore.h"
#include "windowfixture.h"

namespace quotella {
namespace {

using test::WindowTest;

class EditorSyncTest : public WindowTest {
 protected:
  QTextEdit* Output() { return Find<QTextEdit>("OutputEditor"); }
  QPlainTextEdit* Ini() { return Find<QPlainTextEdit>("IniFile"); }
  // A command that runs on the session's texts and touches none of them.
  void RunAnyFileCommand() {
    window->command(QStringLiteral("ReloadWordLists1"))->trigger();
    test::WaitForBackground(*window);
  }
};

TEST_F(EditorSyncTest, TypedTextIsReadBackBeforeTheNextCommand) {
  window->command(QStringLiteral("Output1"))->trigger();
  Output()->setFocus();
  QTest::keyClicks(Output(), QStringLiteral("Ode "));
  Output()->insertPlainText(QStringLiteral("\u00E0 la joie"));  // as a paste
  EXPECT_TRUE(window->editors().OutputDirty());
  RunAnyFileCommand();
  EXPECT_FALSE(window->editors().OutputDirty());
  EXPECT_EQ(window->session().Output.Lines, (std::vector<std::string>{"Ode \xC3\xA0 la joie"}));

  // The settings view likewise.
  Ini()->setPlainText(QStringLiteral("[lastfile]\nmine.qtl"));
  EXPECT_TRUE(window->editors().IniDirty());
  RunAnyFileCommand();
  EXPECT_FALSE(window->editors().IniDirty());
  EXPECT_EQ(window->settings().View().GetIniValue("[lastfile]"), "mine.qtl");
}

TEST_F(EditorSyncTest, WhatTheSessionChangedIsShownAndNotTakenForTyping) {
  window->session().Output.Lines = std::vector<std::string>{"first", "second"};
  window->session().QuotesEditor = {"A@B@C"};
  window->editors().PushEditors();
  EXPECT_EQ(Output()->toPlainText(), QStringLiteral("first\nsecond"));
  EXPECT_EQ(Find<QPlainTextEdit>("QuotesEditor")->toPlainText(), QStringLiteral("A@B@C"));
  EXPECT_FALSE(window->editors().OutputDirty());
}

TEST_F(EditorSyncTest, TypingIsNotWipedByAShowThatChangedNothing) {
  window->session().Output.Lines = std::vector<std::string>{"from a file"};
  window->editors().PushEditors();
  Output()->setFocus();
  Output()->moveCursor(QTextCursor::End);
  QTest::keyClicks(Output(), QStringLiteral(" and typed"));

  // Opening a view shows the session's texts again; the session's output has not
  // changed, so the user's typing stays and is what the next command reads.
  window->editors().PushEditors();
  EXPECT_EQ(Output()->toPlainText(), QStringLiteral("from a file and typed"));
  RunAnyFileCommand();
  EXPECT_EQ(window->session().Output.Lines, (std::vector<std::string>{"from a file and typed"}));
}

TEST_F(EditorSyncTest, ACommandSyncsOnlyTheEditorsItTouches) {
  QTextEdit* output = Output();
  QPlainTextEdit* ini = Ini();
  window->command(QStringLiteral("Output1"))->trigger();
  output->insertPlainText(QStringLiteral("Caf\u00E9 notes"));
  ini->setPlainText(QStringLiteral("[lastfile]\nmine.qtl"));
  ASSERT_TRUE(window->editors().OutputDirty());
  ASSERT_TRUE(window->editors().IniDirty());

  // Save > Quotes (cancelled) touches the quotes only: the other typing stays unread.
  window->command(QStringLiteral("Quotes2"))->trigger();
  EXPECT_TRUE(window->editors().OutputDirty());
  EXPECT_TRUE(window->editors().IniDirty());
  EXPECT_NE(window->settings().View().GetIniValue("[lastfile]"), "mine.qtl");

  // Saving the output editor reads the output editor, and only it.
  const QString path = dir.filePath(QStringLiteral("n\u00F6tes.txt"));
  host.fileAnswers.push_back(path.toStdString());
  window->command(QStringLiteral("Output2"))->trigger();
  EXPECT_FALSE(window->editors().OutputDirty());
  EXPECT_EQ(window->session().Output.Lines, (std::vector<std::string>{"Caf\xC3\xA9 notes"}));
  QFile saved(path);
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  EXPECT_TRUE(saved.readAll().startsWith("Caf\xC3\xA9 notes"));
  EXPECT_TRUE(window->editors().IniDirty());
  EXPECT_EQ(ini->toPlainText(), QStringLiteral("[lastfile]\nmine.qtl"));
}

}  // namespace
}  // namespace quotella
