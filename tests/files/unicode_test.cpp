// Every character a constructor types survives a save and a load; the grid letters are
// the quotation's letters folded to A-Z; files written before folding keep their letters.

#include <gtest/gtest.h>

#include <random>

#include "core/answertable.h"
#include "core/construction.h"
#include "core/textio.h"
#include "files/puzzlefile.h"
#include "files/quotesfile.h"
#include "filestest.h"
#include "support/fakehost.h"

namespace quotella {
namespace {

using test::FakeHost;
using test::ReadAll;
using test::TempDir;
using test::WriteAll;

// A Latin letter as typed and the grid letters it folds to.
struct Letter {
  const char* typed;
  const char* grid;
};
constexpr Letter kLetters[] = {
    {"e", "E"},         {"Q", "Q"},         {"\xC3\xA9", "E"},         {"\xC3\xAF", "I"},
    {"\xC3\xB1", "N"},  {"\xC5\x82", "L"},  {"\xC5\x81", "L"},         {"\xC3\xB8", "O"},
    {"\xC3\x9F", "SS"}, {"\xC3\xA6", "AE"}, {"\xC5\x93", "OE"},        {"e\xCC\x81", "E"},
    {"a\xCC\x8A", "A"}, {"\xC5\x91", "O"},  {"\xC5\x99", "R"},         {"\xC3\xBE", "TH"},
    {"\xC4\xB1", "I"},  {"\xC3\x85", "A"},  {"u\xCC\x88\xCC\x81", "U"}};

// Texts drawn from all of Unicode: every plane, combining marks, right-to-left text and
// its controls, emoji, controls. Never a line break: one-line texts hold none.
class UnicodeMaker {
 public:
  explicit UnicodeMaker(unsigned seed) : m_rng(seed) {}

  char32_t AnyCharacter() {
    for (;;) {
      const unsigned pick = m_rng() % 20;
      char32_t cp;
      if (pick < 8)
        cp = m_rng() % 0x10000;  // the basic plane
      else if (pick < 11)
        cp = 0x10000 + m_rng() % 0x10000;  // emoji, scripts, music
      else if (pick < 13)
        cp = 0x20000 + m_rng() % 0x20000;  // ideographs
      else if (pick < 14)
        cp = 0xE0000 + m_rng() % 0x30000;  // tags, private use
      else if (pick < 15)
        cp = 0x40000 + m_rng() % 0xA0000;  // unassigned planes
      else if (pick < 17)
        cp = 0x0300 + m_rng() % 0x70;  // combining marks
      else if (pick < 18)
        cp = 0x0590 + m_rng() % 0x1F0;  // Hebrew and Arabic
      else if (pick < 19)
        cp = 0x1F300 + m_rng() % 0x700;  // emoji
      else
        cp = 0x200E + m_rng() % 0x22;  // direction controls
      if (cp >= 0xD800 && cp <= 0xDFFF) continue;
      if (cp == '\r' || cp == '\n') continue;
      return cp;
    }
  }

  // A character that is no letter: symbols, emoji, marks, direction controls, tags.
  char32_t NonLetter() {
    static constexpr char32_t kRanges[][2] = {
        {0x2190, 0x22FF}, {0x2500, 0x257F}, {0x1F600, 0x1F64F}, {0x0300, 0x036F},
        {0x200E, 0x200F}, {0x202A, 0x202E}, {0xE0020, 0xE007F}, {0xF0000, 0xF0FFF},
        {0x2010, 0x2027}, {0x21, 0x27},     {0x2A, 0x2F},       {0x1D100, 0x1D126},
        {0x3008, 0x3011}};
    const auto& r = kRanges[m_rng() % std::size(kRanges)];
    return r[0] + m_rng() % (r[1] - r[0] + 1);
  }

  std::string Text() {
    std::string out;
    const int n = 1 + static_cast<int>(m_rng() % 16);
    for (int i = 0; i < n; ++i) out += Utf8Of(AnyCharacter());
    return out;
  }

  // Latin letters and other characters; `grid` gets the letters the grid should hold.
  std::string Letters(int count, std::string& grid, bool blanks) {
    std::string out;
    for (int i = 0; i < count; ++i) {
      const Letter& l = kLetters[m_rng() % std::size(kLetters)];
      out += l.typed;
      grid += l.grid;
      const unsigned extra = m_rng() % 6;
      if (extra == 0) out += Utf8Of(NonLetter());
      if (blanks && extra == 1) out += " ";
      if (blanks && extra == 2) out += " \xE2\x80\x94 ";  // a dash between blanks
    }
    return out;
  }

  unsigned Next() { return m_rng(); }

 private:
  std::mt19937 m_rng;
};

std::string GridLetters(const std::string& masterQuote) {
  std::string letters;
  for (char c : masterQuote)
    if (c != ' ' && c != '-') letters += c;
  return letters;
}

std::string Save(PuzzleDocument& doc, FileSession& session) {
  return EncodePuzzleText(JoinLinesCrLf(ComposePuzzleFile(doc, session)), session.PuzzleEncoding);
}

bool Load(PuzzleDocument& doc, FileSession& session, const std::string& bytes) {
  const DecodedText decoded = DecodePuzzleText(bytes);
  session.Output.Lines = SplitLines(decoded.text);
  session.PuzzleEncoding = decoded.encoding;
  return LoadPuzzleFromEditor(doc, session);
}

void RoundTripUnicodePuzzles(unsigned seed, int wanted) {
  UnicodeMaker make(seed);
  int checked = 0;
  for (int n = 0; checked < wanted && n < 2 * wanted; ++n) {
    std::string authorGrid, workGrid;
    const std::string author =
        make.Letters(1 + static_cast<int>(make.Next() % 5), authorGrid, false);
    const std::string work = make.Letters(1 + static_cast<int>(make.Next() % 5), workGrid, false);
    const std::string initials = authorGrid + workGrid;
    std::string letters;
    std::string quote = make.Letters(static_cast<int>(make.Next() % 20), letters, true);
    quote += " " + author + " ";
    letters += authorGrid;
    quote += make.Letters(static_cast<int>(make.Next() % 20), letters, true) + " " + work;
    letters += workGrid;
    const std::string line = author + "@" + work + "@" + quote;
    const std::string where = "puzzle " + std::to_string(n) + ": " + line;

    FakeHost host;
    PuzzleDocument doc(host);
    FileSession session;
    if (QuotesEditorDblClick(doc, line) != DblClickResult::Made) continue;
    ASSERT_EQ(doc.P.QuotellaStr, initials) << where;
    ASSERT_EQ(GridLetters(doc.P.MasterQuote), letters) << where;
    test::FillRows(doc, static_cast<int>(make.Next() % 4));
    std::vector<std::string> clues;
    for (int r = 0; r < doc.P.NumWords; ++r) {
      clues.push_back(make.Text());
      doc.ClueLines[static_cast<std::size_t>(r)] = clues.back();
    }
    session.TitleBox = make.Text();
    session.BylineBox = make.Text();
    session.CopyrightText = make.Text();
    const std::string title = Trim(session.TitleBox), byline = Trim(session.BylineBox);
    const std::string copyright = session.CopyrightText;

    const std::string bytes = Save(doc, session);
    FakeHost host2;
    PuzzleDocument back(host2);
    FileSession session2;
    ASSERT_TRUE(Load(back, session2, bytes)) << where;
    ASSERT_EQ(host2.messages, std::vector<std::string>{}) << where;
    EXPECT_EQ(back.P.AuthorOrig, author) << where;
    EXPECT_EQ(back.P.WorkOrig, work) << where;
    EXPECT_EQ(back.P.QuoteOrig, quote) << where;
    EXPECT_EQ(back.P.QuotellaStr, initials) << where;
    EXPECT_EQ(back.P.MasterQuote, doc.P.MasterQuote) << where;
    EXPECT_EQ(session2.TitleBox, title.empty() ? "Untitled" : title) << where;
    EXPECT_EQ(session2.BylineBox, byline.empty() ? "by Anonymous" : byline) << where;
    EXPECT_EQ(session2.CopyrightText, copyright) << where;
    for (int r = 0; r < doc.P.NumWords; ++r) {
      EXPECT_EQ(back.ClueLines[static_cast<std::size_t>(r)], clues[static_cast<std::size_t>(r)])
          << where;
      EXPECT_EQ(Keystring(back, r), Keystring(doc, r)) << where;
    }
    ASSERT_EQ(Save(back, session2), bytes) << where;
    ++checked;
  }
  EXPECT_EQ(checked, wanted);
}

// Two halves of 1,000 puzzles each, so that the test runner can run them side by side.
TEST(UnicodeRoundTrip, TextsFromAllOfUnicodeComeBackIdenticalWithFoldedGridLetters) {
  RoundTripUnicodePuzzles(21, 1000);
}

TEST(UnicodeRoundTrip, MoreTextsFromAllOfUnicodeComeBackIdenticalWithFoldedGridLetters) {
  RoundTripUnicodePuzzles(2121, 1000);
}

// A file written before letters were folded: its quotation's accents and the dash were
// dropped, leaving two blanks. Such a file keeps those letters and is saved so again.
constexpr const char* kOldFile =
    "! This file made by Quotella 3.0 program. DO NOT EDIT!\r\n"
    "[QUOTE]\r\n"
    "Zo\xEB@@Zo\xEB \x97 caf\xE9 o\r\n"
    "[GRID]\r\n"
    "[NUMGRID]\r\n"
    "1 \r\n"
    "2 \r\n"
    "[title]\r\n"
    "Caf\xE9 \x97 na\xEFve\r\n"
    "[byline]\r\n"
    "by Jos\xE9\r\n"
    "[copyright]\r\n"
    "\xA9 2003\r\n"
    "[labels]\r\n"
    "\r\n"
    "[keywords]\r\n"
    "A. Zo\xEB\r\n"
    "Z\r\n"
    "1 \r\n"
    "B. \x93"
    "caf\xE9\x94\r\n"
    "O\r\n"
    "2 \r\n"
    "[randseed]\r\n"
    "1500\r\n";

TEST(PuzzleFileRules, AFileWrittenBeforeFoldingKeepsItsLettersAndIsSavedSoAgain) {
  FakeHost host;
  PuzzleDocument doc(host);
  FileSession session;
  TempDir dir;
  WriteAll(dir.Path("old.qtl"), kOldFile);
  ASSERT_TRUE(LoadPuzzleFile(doc, session, dir.Path("old.qtl")));
  EXPECT_EQ(doc.P.QuotellaStr, "ZO");
  EXPECT_EQ(doc.P.MasterQuote, "ZO  CAF O");
  EXPECT_FALSE(doc.P.FoldedLetters);
  EXPECT_EQ(doc.P.QuoteOrig, "Zo\xC3\xAB \xE2\x80\x94 caf\xC3\xA9 o");
  EXPECT_EQ(session.TitleBox, "Caf\xC3\xA9 \xE2\x80\x94 na\xC3\xAFve");
  EXPECT_EQ(session.CopyrightText, "\xC2\xA9 2003");
  EXPECT_EQ(doc.ClueLines[1],
            "B. \xE2\x80\x9C"
            "caf\xC3\xA9\xE2\x80\x9D");
  EXPECT_EQ(Keystring(doc, 0), "Z");
  EXPECT_EQ(Keystring(doc, 1), "O");

  ASSERT_TRUE(SavePuzzleAs(doc, session, dir.Path("again.qtl")));
  const std::string bytes = ReadAll(dir.Path("again.qtl"));
  EXPECT_EQ(bytes.find(kFoldedLettersMarker), std::string::npos);
  EXPECT_NE(bytes.find("Zo\xEB@@Zo\xEB \x97 caf\xE9 o\r\n"), std::string::npos);  // Windows-1252
  FakeHost host2;
  PuzzleDocument back(host2);
  FileSession session2;
  ASSERT_TRUE(LoadPuzzleFile(back, session2, dir.Path("again.qtl")));
  EXPECT_EQ(back.P.MasterQuote, "ZO  CAF O");
  EXPECT_EQ(ReadAll(dir.Path("again.qtl")), bytes);
}

TEST(PuzzleFileRules, ANewPuzzleIsMarkedAndReloadsWithItsFoldedLetters) {
  FakeHost host;
  PuzzleDocument doc(host);
  FileSession session;
  TempDir dir;
  ASSERT_EQ(QuotesEditorDblClick(doc, "Zo\xC3\xAB@@Zo\xC3\xAB \xE2\x80\x94 caf\xC3\xA9 o"),
            DblClickResult::Made);
  EXPECT_EQ(doc.P.MasterQuote, "ZOE CAFE O");
  ASSERT_TRUE(SavePuzzleAs(doc, session, dir.Path("new.qtl")));
  const auto lines = SplitLines(ReadAll(dir.Path("new.qtl")));
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(lines[0], kPuzzleFileHeader);
  EXPECT_EQ(lines[1], kFoldedLettersMarker);
  EXPECT_EQ(lines[2], "[QUOTE]");
  EXPECT_EQ(lines[3], "Zo\xEB@@Zo\xEB \x97 caf\xE9 o");  // every text fits Windows-1252

  FakeHost host2;
  PuzzleDocument back(host2);
  FileSession session2;
  ASSERT_TRUE(LoadPuzzleFile(back, session2, dir.Path("new.qtl")));
  EXPECT_EQ(back.P.MasterQuote, "ZOE CAFE O");
  EXPECT_EQ(back.P.QuotellaStr, "ZOE");
}

TEST(PuzzleFileRules, AClueWindows1252LacksMakesAUtf8FileThatStaysUtf8) {
  FakeHost host;
  PuzzleDocument doc(host);
  FileSession session;
  TempDir dir;
  const std::string folder = dir.Path("\xC3\x89nigmes");
  std::filesystem::create_directories(folder);
  const std::string path = folder + "/Caf\xC3\xA9.qtl";
  test::MakePuzzle(doc, "T@B@TO BE");
  doc.ClueLines[0] =
      "Erd\xC5\x91s, \xC5\x81\xC3\xB3"
      "d\xC5\xBA \xE2\x89\xA0 \xF0\x9F\x98\x80";
  ASSERT_TRUE(SavePuzzleAs(doc, session, path));
  const std::string bytes = ReadAll(path);
  EXPECT_EQ(bytes.substr(0, 3), "\xEF\xBB\xBF");

  FakeHost host2;
  PuzzleDocument back(host2);
  FileSession session2;
  ASSERT_TRUE(LoadPuzzleFile(back, session2, path));
  EXPECT_EQ(back.ClueLines[0], doc.ClueLines[0]);
  EXPECT_EQ(session2.CurrentPuzzleFile, path);
  EXPECT_EQ(session2.CurrentDir, folder);
  // Once UTF-8, always UTF-8: the clue that needed it is gone, the byte-order mark stays.
  back.ClueLines[0] = "plain";
  ASSERT_TRUE(SavePuzzleAs(back, session2, path));
  EXPECT_EQ(ReadAll(path).substr(0, 3), "\xEF\xBB\xBF");
}

TEST(QuotesFileEncoding, AQuotesFileKeepsItsEncodingAndEveryCharacter) {
  TempDir dir;
  FakeHost host;
  FileSession session;
  const std::string folder = dir.Path(
      "Citations \xE2\x80\x94 \xC5\x81\xC3\xB3"
      "d\xC5\xBA");
  std::filesystem::create_directories(folder);
  const std::string path = folder + "/quotes.txt";
  WriteAll(path,
           "Cr\xE8me@Br\xFBl\xE9"
           "e@Caf\xE9\r\n");  // Windows-1252
  host.fileAnswers.push_back(path);
  ASSERT_TRUE(OpenQuotesFile(session, host));
  EXPECT_EQ(session.QuotesEditor[0],
            "Cr\xC3\xA8me@Br\xC3\xBBl\xC3\xA9"
            "e@Caf\xC3\xA9");
  host.fileAnswers.push_back(path);
  host.confirmAnswers.push_back(true);
  ASSERT_TRUE(SaveQuotesFile(session, host));
  EXPECT_EQ(ReadAll(path),
            "Cr\xE8me@Br\xFBl\xE9"
            "e@Caf\xE9\r\n");

  // A line Windows-1252 cannot hold turns the file into UTF-8 rather than lose it.
  session.QuotesEditor.push_back("Lech Wa\xC5\x82\xC4\x99sa@@Solidarno\xC5\x9B\xC4\x87");
  host.fileAnswers.push_back(path);
  host.confirmAnswers.push_back(true);
  ASSERT_TRUE(SaveQuotesFile(session, host));
  EXPECT_EQ(ReadAll(path),
            "Cr\xC3\xA8me@Br\xC3\xBBl\xC3\xA9"
            "e@Caf\xC3\xA9\r\n"
            "Lech Wa\xC5\x82\xC4\x99sa@@Solidarno\xC5\x9B\xC4\x87\r\n");
}

}  // namespace
}  // namespace quotella
