// Recovery copies: where they go, what they are called, who may take them, and that a
// copy taken back is the work exactly as it was.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utime.h>

#include <filesystem>

#include "core/textio.h"
#include "files/puzzlefile.h"
#include "files/recoveryclaim.h"
#include "files/recoveryload.h"
#include "files/recoverylock.h"
#include "files/recoverystore.h"
#include "filestest.h"
#include "support/fakehost.h"

namespace quotella {
namespace {

using test::FakeHost;
using test::ReadAll;
using test::TempDir;

// 46 answers; accents in author, work and quotation.
constexpr const char* kLongLine =
    "Zoë Brontë-Łukasiewicz@Notes from the Lakes of Småland@Zoë Brontë-Łukasiewicz wrote her "
    "notes from the lakes of Småland in winter, when the ice sang under every step and the "
    "pines stood like patient witnesses to a silence that nobody in the city would ever "
    "believe was real, quick as a fox, vexed by jazz.";

std::time_t LocalTime(int hour, int minute) {
  std::tm t{};
  t.tm_year = 126;
  t.tm_mon = 11;
  t.tm_mday = 9;
  t.tm_hour = hour;
  t.tm_min = minute;
  t.tm_isdst = -1;
  return std::mktime(&t);
}

// The id of a process that has ended.
long GonePid() {
  const pid_t child = ::fork();
  if (child == 0) ::_exit(0);
  ::waitpid(child, nullptr, 0);
  return child;
}

TEST(RecoveryFolder, IsTheStateFolderOrItsDefaultUnderHome) {
  EXPECT_EQ(RecoveryFolderPath("/s/state", "/home/ann"), "/s/state/quotella/recovery");
  EXPECT_EQ(RecoveryFolderPath("/s/state/", "/home/ann"), "/s/state/quotella/recovery");
  EXPECT_EQ(RecoveryFolderPath("", "/home/ann"), "/home/ann/.local/state/quotella/recovery");
  // A relative state folder is not a folder the user chose for every program.
  EXPECT_EQ(RecoveryFolderPath("state", "/home/ann"), "/home/ann/.local/state/quotella/recovery");
  EXPECT_EQ(RecoveryFolderPath("", ""), "");
  EXPECT_EQ(RecoveryFolderPath("", "relative"), "");
}

TEST(RecoveryCopyNames, NameTheFileTheTimeAndTheOwner) {
  const std::time_t when = LocalTime(14, 32);
  EXPECT_EQ(RecoveryCopyName(RecoveryKind::Puzzle, "/home/ann/Rätsel/lincoln.qtl", when, "7-1"),
            "lincoln.qtl 2026-12-09 14.32.00 ~7-1.qtl");
  EXPECT_EQ(RecoveryCopyName(RecoveryKind::Puzzle, "", when, "7-1"),
            "new puzzle 2026-12-09 14.32.00 ~7-1.qtl");
  EXPECT_EQ(RecoveryCopyName(RecoveryKind::Quotes, "/q/quotes.txt", when, "7-1"),
            "quotes.txt 2026-12-09 14.32.00 ~7-1.txt");
  EXPECT_EQ(RecoveryCopyName(RecoveryKind::Settings, "/q/quotella.ini", when, "7-1"),
            "quotella.ini 2026-12-09 14.32.00 ~7-1.ini");
  // A very long name of two-byte letters is cut between letters, within a file name's room.
  std::string longName;
  for (int i = 0; i < 200; ++i) longName += "é";
  const std::string name = RecoveryCopyName(RecoveryKind::Puzzle, "/x/" + longName, when, "7-1");
  EXPECT_LE(name.size(), 255u);
  EXPECT_TRUE(IsValidUtf8(name));
}

TEST(RecoveryCopyNames, OfferNamesTheFileAndTheTimeOfTheChanges) {
  RecoveryCopy copy;
  copy.original = "/home/ann/Rätsel/lincoln.qtl";
  copy.written = LocalTime(14, 32);
  EXPECT_EQ(copy.OfferText(), "Recover the unsaved changes to lincoln.qtl from 14:32?");
  copy.original.clear();
  EXPECT_EQ(copy.OfferText(), "Recover the unsaved changes to new puzzle from 14:32?");
}

TEST(RecoverySource, ReadsBackAndRefusesWhatItDidNotWrite) {
  RecoveryCopy copy;
  copy.kind = RecoveryKind::Quotes;
  copy.owner = "4711-2-1765290000";
  copy.original = "/home/zoë/Citations [old]/quotes.txt";
  const auto read = ParseRecoverySource(RecoverySourceText(copy));
  ASSERT_TRUE(read);
  EXPECT_EQ(read->kind, RecoveryKind::Quotes);
  EXPECT_EQ(read->owner, copy.owner);
  EXPECT_EQ(read->original, copy.original);

  EXPECT_FALSE(ParseRecoverySource(""));
  EXPECT_FALSE(ParseRecoverySource("some notes\nkind=puzzle\nowner=1\noriginal=/a\n"));
  EXPECT_FALSE(ParseRecoverySource("quotella recovery copy\nkind=poem\nowner=1\noriginal=/a\n"));
  // An owner that would put the lock file into another folder.
  EXPECT_FALSE(
      ParseRecoverySource("quotella recovery copy\nkind=puzzle\nowner=../x\noriginal=/a\n"));
}

class RecoveryStoreTest : public ::testing::Test {
 protected:
  std::string Folder() const { return dir.Path("state/quotella/recovery"); }
  TempDir dir;
};

TEST_F(RecoveryStoreTest, FirstWriteMakesAPrivateFolderTheCopyAndTheLock) {
  RecoveryStore store(Folder(), "me-1");
  EXPECT_FALSE(std::filesystem::exists(Folder()));  // nothing until there is work to keep
  ASSERT_EQ(store.Write(RecoveryKind::Puzzle, "/p/lincoln.qtl", "bytes\r\n", LocalTime(9, 5)), "");
  const std::string copy = store.CopyPath(RecoveryKind::Puzzle);
  EXPECT_EQ(ReadAll(copy), "bytes\r\n");
  EXPECT_EQ(std::filesystem::path(copy).filename(), "lincoln.qtl 2026-12-09 09.05.00 ~me-1.qtl");
  struct stat st {};
  ASSERT_EQ(::stat(Folder().c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0700u);
  EXPECT_EQ(RecoveryLock::OwnerPid(RecoveryLockPath(Folder(), "me-1")), ::getpid());

  const auto listed = ListRecoveryCopies(Folder());
  ASSERT_EQ(listed.size(), 1u);
  EXPECT_EQ(listed[0].path, copy);
  EXPECT_EQ(listed[0].original, "/p/lincoln.qtl");
  EXPECT_EQ(listed[0].owner, "me-1");
}

TEST_F(RecoveryStoreTest, RewritesOneCopyPerKindAndReplacesOneOfAnotherFile) {
  RecoveryStore store(Folder(), "me-1");
  ASSERT_EQ(store.Write(RecoveryKind::Puzzle, "/p/a.qtl", "one", LocalTime(9, 5)), "");
  ASSERT_EQ(store.Write(RecoveryKind::Puzzle, "/p/a.qtl", "two", LocalTime(9, 6)), "");
  ASSERT_EQ(store.Write(RecoveryKind::Quotes, "/p/quotes.txt", "q", LocalTime(9, 6)), "");
  auto listed = ListRecoveryCopies(Folder());
  ASSERT_EQ(listed.size(), 2u);
  EXPECT_EQ(ReadAll(store.CopyPath(RecoveryKind::Puzzle)), "two");

  ASSERT_EQ(store.Write(RecoveryKind::Puzzle, "/p/b.qtl", "three", LocalTime(9, 7)), "");
  listed = ListRecoveryCopies(Folder());
  ASSERT_EQ(listed.size(), 2u);
  for (const auto& copy : listed) {
    if (copy.kind == RecoveryKind::Puzzle) {
      EXPECT_EQ(copy.original, "/p/b.qtl");
    }
  }
}

TEST_F(RecoveryStoreTest, DiscardAndCloseLeaveNothingBehindButKeptCopies) {
  {
    RecoveryStore store(Folder(), "me-1");
    ASSERT_EQ(store.Write(RecoveryKind::Puzzle, "/p/a.qtl", "one", LocalTime(9, 5)), "");
    store.Discard(RecoveryKind::Puzzle);
    store.Close();
    EXPECT_TRUE(std::filesystem::is_empty(Folder()));
  }
  RecoveryStore store(Folder(), "me-2");
  ASSERT_EQ(store.Write(RecoveryKind::Puzzle, "/p/a.qtl", "one", LocalTime(9, 5)), "");
  store.Close();
  // The copy is kept for the next start, with the lock file that names its window.
  EXPECT_EQ(ListRecoveryCopies(Folder()).size(), 1u);
  EXPECT_TRUE(std::filesystem::exists(RecoveryLockPath(Folder(), "me-2")));
}

TEST_F(RecoveryStoreTest, AFolderThatCannotBeMadeIsReported) {
  test::WriteAll(dir.Path("state"), "a file where the folder should be");
  RecoveryStore store(Folder(), "me-1");
  EXPECT_NE(store.Write(RecoveryKind::Puzzle, "", "one", LocalTime(9, 5)), "");
  EXPECT_FALSE(store.Has(RecoveryKind::Puzzle));
}

// The copies of a window that is gone: written, then its process ended.
void LeaveCopiesOfAGoneWindow(const std::string& folder, const std::string& owner) {
  RecoveryStore store(folder, owner);
  ASSERT_EQ(store.Write(RecoveryKind::Puzzle, "/p/lincoln.qtl", "gone", LocalTime(9, 5)), "");
  store.Close();
  test::WriteAll(RecoveryLockPath(folder, owner), std::to_string(GonePid()) + "\n");
}

TEST_F(RecoveryStoreTest, ALockIsHeldWhileItsProcessRunsAndFreeAfter) {
  std::filesystem::create_directories(Folder());
  const std::string path = RecoveryLockPath(Folder(), "other");
  int ready[2];
  ASSERT_EQ(::pipe(ready), 0);
  const pid_t child = ::fork();
  if (child == 0) {
    auto lock = RecoveryLock::Take(path, true);
    const char c = lock ? '1' : '0';
    (void)!::write(ready[1], &c, 1);
    ::pause();
    ::_exit(0);
  }
  char c = 0;
  ASSERT_EQ(::read(ready[0], &c, 1), 1);
  ASSERT_EQ(c, '1');
  EXPECT_EQ(RecoveryLock::OwnerPid(path), child);
  EXPECT_EQ(RecoveryLock::Take(path, false), nullptr);
  ::kill(child, SIGKILL);
  ::waitpid(child, nullptr, 0);
  EXPECT_NE(RecoveryLock::Take(path, false), nullptr);
  ::close(ready[0]);
  ::close(ready[1]);
}

TEST_F(RecoveryStoreTest, AClaimTakesOnlyCopiesOfGoneWindowsAndOnlyOnce) {
  LeaveCopiesOfAGoneWindow(Folder(), "gone-1");
  RecoveryStore running(Folder(), "running-1");  // a window of this process, still open
  ASSERT_EQ(running.Write(RecoveryKind::Puzzle, "/p/mine.qtl", "mine", LocalTime(9, 6)), "");

  RecoveryClaim first(Folder(), "self-1");
  ASSERT_EQ(first.copies().size(), 1u);
  EXPECT_EQ(first.copies()[0].owner, "gone-1");
  EXPECT_EQ(ReadAll(first.copies()[0].path), "gone");
  // A second window starting meanwhile finds the copy taken.
  RecoveryClaim second(Folder(), "self-2");
  EXPECT_TRUE(second.copies().empty());
}

TEST_F(RecoveryStoreTest, ADiscardedClaimLeavesNoCopyAndNoLockOfTheGoneWindow) {
  LeaveCopiesOfAGoneWindow(Folder(), "gone-1");
  {
    RecoveryClaim claim(Folder(), "self-1");
    ASSERT_EQ(claim.copies().size(), 1u);
    claim.Discard(claim.copies()[0]);
  }
  EXPECT_TRUE(std::filesystem::is_empty(Folder()));
  // A copy left for later is offered again at the next start.
  LeaveCopiesOfAGoneWindow(Folder(), "gone-2");
  { RecoveryClaim later(Folder(), "self-1"); }
  EXPECT_EQ(RecoveryClaim(Folder(), "self-3").copies().size(), 1u);
}

class RecoveredWorkTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(dir.Path("Rätsel"));
    original = dir.Path("Rätsel/lincoln.qtl");
    test::MakePuzzle(doc, kLongLine);
    ASSERT_TRUE(doc.PuzzleExists);
    ASSERT_GE(doc.P.NumWords, 45);
    test::FillRows(doc, 3, {5, 17});
    session.TitleBox = "Sjöar i vinter";
    session.BylineBox = "by Zoë";
    ASSERT_TRUE(SavePuzzleAs(doc, session, original));
    // Unsaved work after the save.
    doc.ClueLines[3] = "Ångström's unit, changed";
    session.TitleBox = "Sjöar i vinter (nytt)";
    doc.PuzzleChanged = true;
  }
  TempDir dir;
  FakeHost host;
  PuzzleDocument doc{host};
  FileSession session;
  std::string original;
};

TEST_F(RecoveredWorkTest, TakingACopyChangesNothing) {
  session.BylineBox.clear();
  session.Output.Lines = {"what the output editor shows"};
  const std::string bytes = PuzzleCopyBytes(doc, session);
  EXPECT_NE(bytes.find("by Anonymous"), std::string::npos);
  EXPECT_EQ(session.BylineBox, "");
  EXPECT_EQ(session.Output.Lines.size(), 1u);
  EXPECT_TRUE(doc.PuzzleChanged);
  EXPECT_EQ(PuzzleOriginal(session), original);
}

TEST_F(RecoveredWorkTest, APuzzleCopyComesBackExactlyAsUnsavedWorkOfItsFile) {
  const std::vector<std::string> expected = PuzzleFileLines(doc, session, false);
  RecoveryStore store(dir.Path("recovery"), "gone-1");
  ASSERT_EQ(store.Write(RecoveryKind::Puzzle, PuzzleOriginal(session),
                        PuzzleCopyBytes(doc, session), std::time(nullptr)),
            "");
  const auto copies = ListRecoveryCopies(dir.Path("recovery"));
  ASSERT_EQ(copies.size(), 1u);

  FakeHost otherHost;
  PuzzleDocument next(otherHost);
  FileSession nextSession;
  nextSession.LastFile = "before.qtl";
  ASSERT_TRUE(LoadRecoveredPuzzle(next, nextSession, copies[0]));
  EXPECT_EQ(PuzzleFileLines(next, nextSession, false), expected);
  EXPECT_EQ(test::BrokenInvariant(next), "");
  EXPECT_TRUE(next.PuzzleChanged);
  EXPECT_EQ(nextSession.CurrentPuzzleFile, original);
  EXPECT_EQ(nextSession.LastFile, original);
  EXPECT_EQ(nextSession.Caption, std::string(kCaptionTitle) + original);
  EXPECT_EQ(nextSession.TitleBox, "Sjöar i vinter (nytt)");
  EXPECT_EQ(next.ClueLines[3], "Ångström's unit, changed");
}

TEST_F(RecoveredWorkTest, ANeverSavedPuzzleComesBackUnderTheNameOfANewOne) {
  RecoveryStore store(dir.Path("recovery"), "gone-1");
  ASSERT_EQ(store.Write(RecoveryKind::Puzzle, "", PuzzleCopyBytes(doc, session), 0), "");
  const auto copies = ListRecoveryCopies(dir.Path("recovery"));
  ASSERT_EQ(copies.size(), 1u);
  PuzzleDocument next(host);
  FileSession nextSession;
  nextSession.LastFile = "before.qtl";
  ASSERT_TRUE(LoadRecoveredPuzzle(next, nextSession, copies[0]));
  EXPECT_EQ(nextSession.CurrentPuzzleFile, "noname.txt");
  EXPECT_EQ(nextSession.LastFile, "before.qtl");
  EXPECT_NE(nextSession.Caption.find("noname.txt"), std::string::npos);
}

TEST_F(RecoveredWorkTest, QuotesComeBackAsUnsavedEditsOfTheirFile) {
  session.QuotesFile = dir.Path("Rätsel/quotes.txt");
  session.QuotesEditor = {"Ibsen@Peer Gynt@Å være seg selv", "second line"};
  RecoveryStore store(dir.Path("recovery"), "gone-1");
  ASSERT_EQ(store.Write(RecoveryKind::Quotes, session.QuotesFile, QuotesCopyBytes(session), 0), "");
  FileSession next;
  ASSERT_TRUE(LoadRecoveredQuotes(next, ListRecoveryCopies(dir.Path("recovery"))[0]));
  EXPECT_EQ(next.QuotesEditor, session.QuotesEditor);
  EXPECT_EQ(next.QuotesFile, session.QuotesFile);
  EXPECT_TRUE(next.QuotesModified);
}

}  // namespace
}  // namespace quotella
