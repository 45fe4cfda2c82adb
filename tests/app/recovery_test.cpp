// Unsaved work outlives a crash: the window keeps recovery copies while work is unsaved,
// removes them when it is saved or given up, and offers those a crash left at the next
// start. The hard end is a real one: a window in a child process killed with SIGKILL.

#include <gtest/gtest.h>
#include <signal.h>

#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <filesystem>

#include "app/panes/answerpane.h"
#include "app/recovery/recoverykeeper.h"
#include "core/textio.h"
#include "files/puzzlefile.h"
#include "files/recoverycopy.h"
#include "render/qtext.h"
#include "settings/initext.h"
#include "settings/settingsstore.h"
#include "windowfixture.h"

namespace quotella::test {
namespace {

// Every file in a folder (none when it does not exist).
std::vector<std::string> FilesIn(const std::string& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
    names.push_back(it->path().filename().string());
  return names;
}

// A user's home with its own state folder, a program folder whose settings ask for a copy
// every 5 seconds, and the sample puzzle as "lincoln.qtl" in a folder with an accent.
class RecoveryChildTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string ini = program.filePath(QStringLiteral("quotella.ini")).toStdString();
    IniText text(ReadTextLines(ini).value_or(std::vector<std::string>{}));
    text.SetIniValue("[recovery interval]", "5");
    ASSERT_TRUE(WriteLinesAtomic(ini, text.Lines()).ok());
    QDir(home.path()).mkpath(QStringLiteral("Rätsel"));
    puzzle = home.filePath(QStringLiteral("Rätsel/lincoln.qtl")).toStdString();
    ASSERT_TRUE(QFile::copy(QStringLiteral(QUOTELLA_SOURCE_DIR "/resources/samplepuzzle1.qtl"),
                            ToQString(puzzle)));
  }
  std::string Folder() const {
    return home.filePath(QStringLiteral("state/quotella/recovery")).toStdString();
  }
  std::string Report(const char* name) const { return home.filePath(name).toStdString(); }
  // Starts the child and waits for its "ready".
  void Start(QProcess& child, const QStringList& args) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_STATE_HOME"), home.filePath(QStringLiteral("state")));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(env);
    child.start(QStringLiteral(RECOVERY_CHILD), QStringList{args[0], program.path()} + args.mid(1));
    ASSERT_TRUE(child.waitForStarted(30000));
    QByteArray out;
    while (!out.contains("ready") && child.waitForReadyRead(120000)) out += child.readAll();
    ASSERT_TRUE(out.contains("ready")) << child.readAllStandardError().toStdString();
  }
  // Works on the puzzle in a child until its copy is on disk, then kills it.
  std::vector<std::string> WorkThenCrash() {
    QProcess child;
    Start(child, {QStringLiteral("work"), ToQString(puzzle), ToQString(Report("before"))});
    ::kill(static_cast<pid_t>(child.processId()), SIGKILL);
    child.waitForFinished(30000);
    return ReadTextLines(Report("before")).value_or(std::vector<std::string>{});
  }
  std::vector<std::string> Offer(const char* answer) {
    QProcess child;
    Start(child,
          {QStringLiteral("offer"), QString::fromLatin1(answer), ToQString(Report("after"))});
    child.waitForFinished(60000);
    EXPECT_EQ(child.exitCode(), 0);
    return ReadTextLines(Report("after")).value_or(std::vector<std::string>{});
  }
  ProgramDir program;
  QTemporaryDir home;
  std::string puzzle;
};

TEST_F(RecoveryChildTest, AKilledWindowsWorkComesBackExactlyAsItWas) {
  const std::vector<std::string> before = WorkThenCrash();
  ASSERT_GT(before.size(), 20u);
  EXPECT_EQ(before[2], "changed");
  EXPECT_NE(std::find(before.begin(), before.end(), "Révisé à Łódź"), before.end());
  EXPECT_NE(std::find_if(before.begin(), before.end(),
                         [](const std::string& line) {
                           return line.find("Ångström's unit, in a clue") != std::string::npos;
                         }),
            before.end());

  const std::vector<std::string> after = Offer("recover");
  ASSERT_GT(after.size(), 3u);
  EXPECT_EQ(after[0].rfind("Recover the unsaved changes to lincoln.qtl from ", 0), 0u) << after[0];
  // The puzzle is the original file's, unsaved: Save writes lincoln.qtl.
  EXPECT_EQ(after[1], puzzle);
  EXPECT_EQ(after[2], "changed");
  // Answers, cells, clues and title, line for line.
  EXPECT_EQ(std::vector<std::string>(after.begin() + 3, after.end()),
            std::vector<std::string>(before.begin() + 3, before.end()));
  // The recovering window closed without saving: no copy is left to offer again.
  EXPECT_TRUE(FilesIn(Folder()).empty());
}

TEST_F(RecoveryChildTest, DiscardingTheOfferRemovesTheCopy) {
  WorkThenCrash();
  ASSERT_FALSE(FilesIn(Folder()).empty());
  const std::vector<std::string> after = Offer("discard");
  ASSERT_GE(after.size(), 3u);
  EXPECT_EQ(after[0].rfind("Recover the unsaved changes to lincoln.qtl from ", 0), 0u);
  EXPECT_EQ(after[2], "unchanged");
  EXPECT_TRUE(FilesIn(Folder()).empty());
}

TEST_F(RecoveryChildTest, LaterKeepsTheCopyForTheNextStart) {
  WorkThenCrash();
  Offer("later");
  const std::vector<std::string> again = Offer("discard");
  ASSERT_FALSE(again.empty());
  EXPECT_EQ(again[0].rfind("Recover the unsaved changes to lincoln.qtl", 0), 0u);
  EXPECT_TRUE(FilesIn(Folder()).empty());
}

TEST_F(RecoveryChildTest, ACleanExitLeavesNoCopy) {
  QProcess child;
  Start(child, {QStringLiteral("clean"), ToQString(puzzle), ToQString(Report("clean"))});
  child.waitForFinished(60000);
  EXPECT_EQ(child.exitCode(), 0);
  const auto report = ReadTextLines(Report("clean"));
  ASSERT_TRUE(report);
  EXPECT_EQ((*report)[2], "changed");  // there was work to keep until the exit
  EXPECT_TRUE(FilesIn(Folder()).empty());
}

// The window in this process, its copies in a folder of the test.
class RecoveryWindowTest : public PuzzleWindowTest {
 protected:
  RecoveryKeeper& keeper() { return window->recovery(); }
  std::string Folder() { return keeper().store().folder(); }
  // This window's copies (windows of other tests may have left theirs in the folder).
  std::vector<RecoveryCopy> Copies() {
    keeper().WaitForWrites();
    std::vector<RecoveryCopy> mine;
    for (RecoveryCopy& copy : ListRecoveryCopies(Folder()))
      if (copy.owner == keeper().store().owner()) mine.push_back(std::move(copy));
    return mine;
  }
  std::vector<RecoveryCopy> PuzzleCopies() {
    std::vector<RecoveryCopy> puzzles;
    for (RecoveryCopy& copy : Copies())
      if (copy.kind == RecoveryKind::Puzzle) puzzles.push_back(std::move(copy));
    return puzzles;
  }
};

TEST_F(RecoveryWindowTest, ACopyFollowsUnsavedChangesAndGoesWithTheSave) {
  EXPECT_EQ(keeper().intervalSeconds(), 30);
  keeper().CheckNow();
  EXPECT_TRUE(PuzzleCopies().empty());  // a new puzzle with nothing done yet

  doc().view().CurRow = 1;
  doc().view().CurCol = 2;
  Type(AvailableLetter());
  ASSERT_TRUE(doc().PuzzleChanged);
  keeper().CheckNow();
  auto copies = PuzzleCopies();
  ASSERT_EQ(copies.size(), 1u);
  EXPECT_EQ(copies[0].DisplayName(), "new puzzle");
  EXPECT_EQ(ReadFileBytes(copies[0].path),
            EncodePuzzleText(JoinLinesCrLf(PuzzleFileLines(doc(), window->session(), false)),
                             window->session().PuzzleEncoding));

  const std::string path = dir.filePath(QStringLiteral("Ørsted milton.qtl")).toStdString();
  host.fileAnswers.push_back(path);
  window->command(QStringLiteral("Puzzle2"))->trigger();
  ASSERT_FALSE(doc().PuzzleChanged);
  keeper().CheckNow();
  EXPECT_TRUE(PuzzleCopies().empty());
}

TEST_F(RecoveryWindowTest, QuotesAndSettingsEditsAreKeptToo) {
  auto* quotes = Find<QPlainTextEdit>("QuotesEditor");
  quotes->appendPlainText(QStringLiteral("Ibsen@Peer Gynt@Å være seg selv"));
  auto* ini = window->answerPane()->iniFile();
  ini->setPlainText(QStringLiteral("[loadlastfile]\nTRUE"));
  ini->document()->setModified(true);
  keeper().CheckNow();
  auto copies = Copies();
  ASSERT_EQ(copies.size(), 2u);
  for (const RecoveryCopy& copy : copies) {
    const std::string text = ReadFileBytes(copy.path).value_or("");
    if (copy.kind == RecoveryKind::Quotes)
      EXPECT_NE(text.find("Peer Gynt@Å være seg selv\r\n"), std::string::npos);
    else
      EXPECT_EQ(text, "[loadlastfile]\r\nTRUE\r\n");
  }
  // Closing without saving, after the exit question, lets the copies go.
  window->close();
  EXPECT_EQ(host.questions.front(), "Quotes file has changed.  Save it?");
  EXPECT_TRUE(Copies().empty());
}

TEST_F(RecoveryWindowTest, ASaveAskedForAtExitThatFailsKeepsTheCopy) {
  window->session().QuotesModified = false;  // only the puzzle is asked about
  doc().view().CurRow = 1;
  doc().view().CurCol = 2;
  Type(AvailableLetter());
  host.confirmAnswers.push_back(true);  // "Puzzle file has changed.  Save it?"
  host.fileAnswers.push_back(dir.filePath(QStringLiteral("no such folder/x.qtl")).toStdString());
  window->close();
  ASSERT_FALSE(host.messages.empty());
  EXPECT_EQ(host.messages.back().rfind("Could not save file ", 0), 0u);
  const auto copies = PuzzleCopies();
  ASSERT_EQ(copies.size(), 1u);
  RemoveRecoveryCopy(copies[0]);
}

TEST_F(RecoveryWindowTest, TheIntervalIsASettingWithinItsRange) {
  for (const auto& [value, seconds] : std::vector<std::pair<std::string, int>>{
           {"5", 5}, {"600", 600}, {"4", 600}, {"601", 600}, {"ten", 600}}) {
    window->settings().View().SetIniValue("[recovery interval]", value);
    window->settings().ParseIniFile();
    keeper().CheckNow();
    EXPECT_EQ(keeper().intervalSeconds(), seconds) << value;
  }
}

}  // namespace
}  // namespace quotella::test
