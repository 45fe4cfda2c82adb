// The editors and the session: typing marks an editor, only a marked editor is read back,
// and only a text the session changed is put into its editor.

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

}  // namespace
}  // namespace quotella
