#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <random>

#include "core/random.h"
#include "core/textio.h"

namespace quotella {
namespace {

namespace fs = std::filesystem;

TEST(RandomGenerator, FromSeedZeroDrawsTheKnownSequence) {
  RandomGenerator rng;
  std::vector<int> draws;
  for (int i = 0; i < 5; ++i) draws.push_back(rng.Random(10));
  EXPECT_EQ(draws, (std::vector<int>{0, 0, 8, 2, 2}));
}

TEST(TextEncoding, Cp1252RoundTripsThroughUtf8) {
  std::string all;
  for (int c = 1; c < 256; ++c) all += static_cast<char>(c);
  EXPECT_EQ(Utf8ToCp1252(Cp1252ToUtf8(all)), all);
  EXPECT_EQ(Cp1252ToUtf8("\x80"), "\xE2\x82\xAC");    // euro sign
  EXPECT_EQ(Cp1252ToUtf8("caf\xE9"), "caf\xC3\xA9");  // e acute
}

TEST(TextEncoding, KnowsWhichTextsWindows1252CanHold) {
  EXPECT_TRUE(FitsCp1252("caf\xC3\xA9 \xE2\x82\xAC"));  // e acute, euro sign
  EXPECT_FALSE(FitsCp1252("Erd\xC5\x91s"));             // o double acute
  EXPECT_FALSE(FitsCp1252("\xF0\x9F\x98\x80"));         // an emoji
  EXPECT_EQ(Utf8Length("Erd\xC5\x91s \xF0\x9F\x98\x80"), 7u);
}

TEST(TextEncoding, RecognisesUtf8OnlyWithNonAsciiText) {
  EXPECT_TRUE(LooksLikeUtf8("caf\xC3\xA9"));
  EXPECT_FALSE(LooksLikeUtf8("plain ascii"));
  EXPECT_FALSE(LooksLikeUtf8("caf\xE9"));       // Windows-1252 e acute
  EXPECT_FALSE(LooksLikeUtf8("\xC0\xAF"));      // overlong slash
  EXPECT_FALSE(LooksLikeUtf8("\xED\xA0\x80"));  // surrogate
}

TEST(TextEncoding, ValidUtf8IsUtf8AndAnythingElseWindows1252) {
  EXPECT_EQ(DecodeText("caf\xC3\xA9").encoding, TextEncoding::Utf8);
  EXPECT_EQ(DecodeText("caf\xC3\xA9").text, "caf\xC3\xA9");
  EXPECT_EQ(DecodeText("plain").encoding, TextEncoding::Utf8);
  EXPECT_EQ(DecodeText("\xEF\xBB\xBFplain").encoding, TextEncoding::Utf8Bom);
  EXPECT_EQ(DecodeText("\xEF\xBB\xBFplain").text, "plain");
  const DecodedText old = DecodeText("caf\xE9 \x80");
  EXPECT_EQ(old.encoding, TextEncoding::Cp1252);
  EXPECT_EQ(old.text, "caf\xC3\xA9 \xE2\x82\xAC");
  // One character outside Windows-1252 no longer turns the whole file into byte soup.
  const DecodedText polish = DecodeText(
      "\xEF\xBB\xBF\xC5\x81\xC3\xB3"
      "d\xC5\xBA Cr\xC3\xA8me");
  EXPECT_EQ(polish.encoding, TextEncoding::Utf8Bom);
  EXPECT_EQ(polish.text,
            "\xC5\x81\xC3\xB3"
            "d\xC5\xBA Cr\xC3\xA8me");
  EXPECT_EQ(EncodeText(polish.text, polish.encoding),
            "\xEF\xBB\xBF\xC5\x81\xC3\xB3"
            "d\xC5\xBA Cr\xC3\xA8me");
}

TEST(TextEncoding, AWindows1252FileTakesUtf8RatherThanLoseACharacter) {
  EXPECT_EQ(EncodeText("caf\xC3\xA9", TextEncoding::Cp1252), "caf\xE9");
  EXPECT_EQ(EncodeText("\xC5\x81\xC3\xB3"
                       "d\xC5\xBA",
                       TextEncoding::Cp1252),
            "\xC5\x81\xC3\xB3"
            "d\xC5\xBA");
  EXPECT_EQ(EncodeText("caf\xC3\xA9", TextEncoding::Cp1252Bom),
            "\xEF\xBB\xBF"
            "caf\xE9");
  // "Ã©" in Windows-1252 is C3 A9, which would read back as "é": written as UTF-8.
  const std::string mojibake = "\xC3\x83\xC2\xA9";
  EXPECT_EQ(DecodeText(EncodeText(mojibake, TextEncoding::Cp1252)).text, mojibake);
  EXPECT_EQ(DecodeText(EncodePuzzleText(mojibake, TextEncoding::Cp1252)).text, mojibake);
}

// A file whose first line went away can start with what a reader takes for a byte-order
// mark: Windows-1252 "ï»¿" is EF BB BF, and so is UTF-8 U+FEFF. The text still reads back.
TEST(TextEncoding, ATextThatBeginsLikeAByteOrderMarkKeepsItsFirstCharacters) {
  const std::string cp1252Start =
      "\xC3\xAF\xC2\xBB\xC2\xBF"
      "ez\xC3\x80";  // "ï»¿ezÀ"
  const std::string feffStart = "\xEF\xBB\xBFword";
  for (TextEncoding e :
       {TextEncoding::Cp1252, TextEncoding::Cp1252Bom, TextEncoding::Utf8, TextEncoding::Utf8Bom}) {
    EXPECT_EQ(DecodeText(EncodeText(cp1252Start, e)).text, cp1252Start) << int(e);
    EXPECT_EQ(DecodeText(EncodeText(feffStart, e)).text, feffStart) << int(e);
    EXPECT_EQ(DecodeText(EncodePuzzleText(cp1252Start, e)).text, cp1252Start) << int(e);
  }
}

TEST(TextEncoding, PuzzleFilesStayWindows1252WhileTheirTextFits) {
  EXPECT_EQ(EncodePuzzleText("caf\xC3\xA9", TextEncoding::Cp1252), "caf\xE9");
  EXPECT_EQ(EncodePuzzleText("\xC5\x81\xC3\xB3"
                             "d\xC5\xBA",
                             TextEncoding::Cp1252),
            "\xEF\xBB\xBF\xC5\x81\xC3\xB3"
            "d\xC5\xBA");
  // A file read as UTF-8 stays UTF-8, with or without its byte-order mark.
  EXPECT_EQ(EncodePuzzleText("caf\xC3\xA9", TextEncoding::Utf8Bom),
            "\xEF\xBB\xBF"
            "caf\xC3\xA9");
  EXPECT_EQ(EncodePuzzleText("caf\xC3\xA9", TextEncoding::Utf8), "caf\xC3\xA9");
}

TEST(TextEncoding, RandomBytesSurviveLoadAndSave) {
  std::mt19937 rng(1252);
  for (int n = 0; n < 4000; ++n) {
    std::string text;
    const int length = 1 + static_cast<int>(rng() % 24);
    for (int i = 0; i < length; ++i) {
      // Mostly letters, with every byte of the upper half possible.
      const unsigned pick = rng() % 4;
      text += static_cast<char>(pick == 0 ? 'a' + rng() % 26 : 0x80 + rng() % 0x80);
    }
    const DecodedText d = DecodeText(text);
    ASSERT_TRUE(IsValidUtf8(d.text)) << n;
    ASSERT_EQ(EncodeText(d.text, d.encoding), text) << n;
  }
}

TEST(TextLines, SplitsAtEveryKindOfLineEnd) {
  const std::vector<std::string> expected{"one", "two", "", "three"};
  EXPECT_EQ(SplitLines("one\r\ntwo\r\n\r\nthree\r\n"), expected);
  EXPECT_EQ(SplitLines("one\ntwo\n\nthree"), expected);
  EXPECT_EQ(SplitLines("one\rtwo\r\rthree\r"), expected);
  EXPECT_TRUE(SplitLines("").empty());
  EXPECT_EQ(SplitLines("\r\n"), std::vector<std::string>{""});
}

TEST(TextLines, TrimDropsBlanksAndControls) {
  EXPECT_EQ(Trim(" \t word \r"), "word");
  EXPECT_EQ(TrimLeft("  a "), "a ");
  EXPECT_EQ(TrimRight("  a "), "  a");
  EXPECT_EQ(Trim("   "), "");
}

class TempDir : public ::testing::Test {
 protected:
  void SetUp() override {
    m_dir = fs::temp_directory_path() /
            ("quotella-textio-" + std::to_string(::getpid()) + "-" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(m_dir);
  }
  void TearDown() override {
    fs::permissions(m_dir, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(m_dir);
  }
  fs::path m_dir;
};

using AtomicWrite = TempDir;

TEST_F(AtomicWrite, WritesLinesWithCrLfAndReadsThemBack) {
  const auto path = (m_dir / "out.txt").string();
  // A new file is UTF-8.
  ASSERT_TRUE(WriteLinesAtomic(path, {"first", "caf\xC3\xA9"}).ok());
  EXPECT_EQ(*ReadFileBytes(path), "first\r\ncaf\xC3\xA9\r\n");
  EXPECT_EQ(*ReadTextLines(path), (std::vector<std::string>{"first", "caf\xC3\xA9"}));
  // Nothing but the file itself is left in the folder.
  EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 1);
}

TEST_F(AtomicWrite, Utf8FilesAreReadAsUtf8) {
  const auto path = (m_dir / "utf8.txt").string();
  ASSERT_TRUE(WriteFileAtomic(path, "\xEF\xBB\xBFna\xC3\xAFve\nx").ok());
  EXPECT_EQ(*ReadTextLines(path), (std::vector<std::string>{"na\xC3\xAFve", "x"}));
}

TEST_F(AtomicWrite, AFailedWriteLeavesTheOldFileUntouched) {
  if (::geteuid() == 0) {
    // Root ignores folder permissions; a missing folder fails for everyone.
    const auto missing = (m_dir / "no-such-folder" / "f.txt").string();
    EXPECT_FALSE(WriteFileAtomic(missing, "x").ok());
    EXPECT_FALSE(fs::exists(missing));
  }
  const auto path = (m_dir / "keep.txt").string();
  ASSERT_TRUE(WriteFileAtomic(path, "old contents").ok());
  // Replacing the target by a folder makes the rename fail after the temporary file
  // was written; the folder (standing for the old data) must survive.
  const auto blocked = (m_dir / "blocked").string();
  fs::create_directories(fs::path(blocked) / "inside");
  EXPECT_FALSE(WriteFileAtomic(blocked, "new").ok());
  EXPECT_TRUE(fs::is_directory(fs::path(blocked) / "inside"));
  fs::permissions(m_dir, fs::perms::owner_read | fs::perms::owner_exec);
  if (::geteuid() != 0) {
    EXPECT_FALSE(WriteFileAtomic(path, "new contents").ok());
  }
  fs::permissions(m_dir, fs::perms::owner_all, fs::perm_options::add);
  EXPECT_EQ(*ReadFileBytes(path), "old contents");
  EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 2);
}

TEST_F(AtomicWrite, RewritesKeepTheEncodingTheFileWasReadIn) {
  const auto utf8 = (m_dir / "utf8.txt").string();
  ASSERT_TRUE(WriteFileAtomic(utf8, "na\xC3\xAFve\r\n").ok());
  auto lines = *ReadTextLines(utf8);
  lines.push_back("caf\xC3\xA9");
  ASSERT_TRUE(WriteLinesAtomic(utf8, lines).ok());
  EXPECT_EQ(*ReadFileBytes(utf8), "na\xC3\xAFve\r\ncaf\xC3\xA9\r\n");

  const auto bom = (m_dir / "bom.txt").string();
  ASSERT_TRUE(WriteFileAtomic(bom, "\xEF\xBB\xBFx\r\n").ok());
  ASSERT_TRUE(WriteLinesAtomic(bom, *ReadTextLines(bom)).ok());
  EXPECT_EQ(*ReadFileBytes(bom), "\xEF\xBB\xBFx\r\n");

  // UTF-8 with letters Windows-1252 lacks comes back byte for byte.
  const auto polish = (m_dir / "polish.txt").string();
  const std::string bytes =
      "\xC5\x81\xC3\xB3"
      "d\xC5\xBA\r\nt\xC5\x82ok\r\n";
  ASSERT_TRUE(WriteFileAtomic(polish, bytes).ok());
  ASSERT_TRUE(WriteLinesAtomic(polish, *ReadTextLines(polish)).ok());
  EXPECT_EQ(*ReadFileBytes(polish), bytes);

  // A Windows-1252 file stays so.
  const auto old = (m_dir / "old.txt").string();
  ASSERT_TRUE(WriteFileAtomic(old, "caf\xE9\r\n").ok());
  ASSERT_TRUE(WriteLinesAtomic(old, *ReadTextLines(old)).ok());
  EXPECT_EQ(*ReadFileBytes(old), "caf\xE9\r\n");
}

TEST_F(AtomicWrite, ALinkStaysALinkAndItsTargetIsReplaced) {
  const auto target = m_dir / "target.txt";
  const auto link = m_dir / "link.txt";
  ASSERT_TRUE(WriteFileAtomic(target.string(), "old").ok());
  fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  fs::create_symlink("target.txt", link);
  ASSERT_TRUE(WriteFileAtomic(link.string(), "new").ok());
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(*ReadFileBytes(target.string()), "new");
  EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(AtomicWrite, AReadOnlyFileIsRefusedEvenForRoot) {
  const auto path = (m_dir / "locked.txt").string();
  ASSERT_TRUE(WriteFileAtomic(path, "keep me").ok());
  fs::permissions(path, fs::perms::owner_read | fs::perms::group_read);
  EXPECT_FALSE(WriteFileAtomic(path, "lost").ok());
  EXPECT_EQ(*ReadFileBytes(path), "keep me");
  EXPECT_EQ(std::distance(fs::directory_iterator(m_dir), fs::directory_iterator()), 1);
}

TEST_F(AtomicWrite, AFailedSaveSaysWhy) {
  EXPECT_EQ(WriteFileAtomic((m_dir / "no-such-folder" / "f.txt").string(), "x").reason(),
            "no such folder");
  fs::create_directories(m_dir / "folder");
  EXPECT_EQ(WriteFileAtomic((m_dir / "folder").string(), "x").reason(), "a folder is in the way");
  EXPECT_EQ(WriteFileAtomic("/x/P.qtl", "x").Message("Could not save file ", "/x/P.qtl"),
            "Could not save file /x/P.qtl: no such folder");
  if (::geteuid() != 0) {
    fs::permissions(m_dir, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(WriteFileAtomic((m_dir / "new.txt").string(), "x").reason(),
              "the folder is read-only");
    fs::permissions(m_dir, fs::perms::owner_all, fs::perm_options::add);
  }
}

TEST_F(AtomicWrite, ASaveRemovesTheTemporaryFilesOfAnInterruptedSave) {
  const auto path = (m_dir / "P.qtl").string();
  // A process id no process has: the save that wrote it is gone.
  const auto stale = m_dir / ".P.qtl.tmp999999999-12345";
  const auto otherFile = m_dir / ".Q.qtl.tmp999999999-12345";
  const auto notOurs = m_dir / ".P.qtl.tmp-backup";
  // A live process (this one's parent) may still be saving: its file stays.
  const auto live = m_dir / (".P.qtl.tmp" + std::to_string(::getppid()) + "-1");
  for (const auto& f : {stale, otherFile, notOurs, live}) {
    ASSERT_TRUE(WriteFileAtomic(f.string(), "partial").ok());
    fs::last_write_time(f, fs::file_time_type::clock::now() - std::chrono::hours(1));
  }
  ASSERT_TRUE(WriteFileAtomic(path, "saved").ok());
  EXPECT_FALSE(fs::exists(stale));
  EXPECT_TRUE(fs::exists(otherFile));
  EXPECT_TRUE(fs::exists(notOurs));
  EXPECT_TRUE(fs::exists(live));
  EXPECT_EQ(*ReadFileBytes(path), "saved");
}

TEST_F(AtomicWrite, AReplacedFileKeepsItsPermissionBits) {
  const auto path = (m_dir / "shared.txt").string();
  ASSERT_TRUE(WriteFileAtomic(path, "one").ok());
  fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_write |
                            fs::perms::others_read);
  ASSERT_TRUE(WriteFileAtomic(path, "two").ok());
  EXPECT_EQ(fs::status(path).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_write |
                fs::perms::others_read);
  struct stat st {};
  ASSERT_EQ(::stat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_uid, ::geteuid());
}

TEST_F(AtomicWrite, UnreadableFilesAreReportedNotThrown) {
  EXPECT_FALSE(ReadFileBytes((m_dir / "missing.txt").string()).has_value());
  EXPECT_FALSE(ReadTextLines(m_dir.string()).has_value());
}

}  // namespace
}  // namespace quotella
