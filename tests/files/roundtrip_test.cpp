// A file the program writes loads back as the same puzzle, whatever the texts hold.

#include <gtest/gtest.h>

#include <random>

#include "core/answertable.h"
#include "core/construction.h"
#include "core/manualentry.h"
#include "core/textio.h"
#include "files/puzzlefile.h"
#include "filestest.h"
#include "support/clirunner.h"
#include "support/fakehost.h"

namespace quotella {
namespace {

using test::FakeHost;
using test::ReadAll;
using test::TempDir;

struct Texts {
  std::string title, byline, copyright;
  std::vector<std::string> clues;
};

// What one-line texts become in the file: a line break is a blank.
std::string Flat(std::string text) {
  for (char& c : text)
    if (c == '\r' || c == '\n') c = ' ';
  return text;
}

// Saves through the real composer and reader (bytes, encoding detection, line split).
std::string Compose(PuzzleDocument& doc, FileSession& session) {
  return EncodePuzzleText(JoinLinesCrLf(ComposePuzzleFile(doc, session)), session.PuzzleEncoding);
}

bool Load(PuzzleDocument& doc, FileSession& session, const std::string& bytes) {
  session.Output.Lines = SplitLines(DecodeText(bytes).text);
  return LoadPuzzleFromEditor(doc, session);
}

// Compares everything a puzzle file stores.
void ExpectSamePuzzle(const PuzzleDocument& a, const PuzzleDocument& b, const std::string& where) {
  ASSERT_EQ(b.P.NumWords, a.P.NumWords) << where;
  EXPECT_EQ(b.P.AuthorOrig, a.P.AuthorOrig) << where;
  EXPECT_EQ(b.P.WorkOrig, a.P.WorkOrig) << where;
  EXPECT_EQ(b.P.QuoteOrig, a.P.QuoteOrig) << where;
  EXPECT_EQ(b.P.Pool, a.P.Pool) << where;
  for (int r = 0; r < a.P.NumWords; ++r) {
    EXPECT_EQ(Keystring(b, r), Keystring(a, r)) << where << " row " << r;
    for (int c = 1; c < kTableSize; ++c)
      EXPECT_EQ(b.NumberGrid.At(c, r), a.NumberGrid.At(c, r)) << where << " row " << r;
  }
  EXPECT_EQ(b.Grid.Columns, a.Grid.Columns) << where;
  EXPECT_EQ(b.P.GridOffset, a.P.GridOffset) << where;
}

TEST(PuzzleRoundTrip, TextsThatHoldTagsStayWhatTheyWere) {
  FakeHost host;
  PuzzleDocument doc(host);
  FileSession session;
  test::MakePuzzle(doc, test::BenchQuotes().at(0));
  ASSERT_GE(doc.P.NumWords, 3);
  test::FillRows(doc, 2);
  doc.ClueLines[0] = "Famous [quote] from Hamlet";
  doc.ClueLines[1] = "[title]";
  session.TitleBox = "Grid [numgrid] puzzle";
  session.BylineBox = "[byline]";
  session.CopyrightText = "[KEYWORDS]";
  const std::string bytes = Compose(doc, session);

  FakeHost host2;
  PuzzleDocument back(host2);
  FileSession session2;
  ASSERT_TRUE(Load(back, session2, bytes)) << (host2.messages.empty() ? "" : host2.messages[0]);
  EXPECT_EQ(host2.messages, std::vector<std::string>{});
  ExpectSamePuzzle(doc, back, "tags");
  EXPECT_EQ(back.ClueLines[0], "Famous [quote] from Hamlet");
  EXPECT_EQ(back.ClueLines[1], "[title]");
  EXPECT_EQ(session2.TitleBox, "Grid [numgrid] puzzle");
  EXPECT_EQ(session2.BylineBox, "[byline]");
  EXPECT_EQ(session2.CopyrightText, "[KEYWORDS]");
  EXPECT_EQ(Compose(back, session2), bytes);
}

TEST(PuzzleRoundTrip, HandWrittenFilesStillFindTagsInsideText) {
  FakeHost host;
  PuzzleDocument doc(host);
  FileSession session;
  test::MakePuzzle(doc, test::BenchQuotes().at(0));
  ASSERT_GE(doc.P.NumWords, 3);
  test::FillRows(doc, 2);
  doc.ClueLines[2] = "see the [title] above";
  session.TitleBox = "Real title";
  auto lines = ComposePuzzleFile(doc, session);
  for (auto& l : lines)
    if (l == "[keywords]") l = "the [KEYWORDS] follow";
  // A clue holds "[title]" too: the line that is exactly the tag wins.
  FakeHost host2;
  PuzzleDocument back(host2);
  FileSession session2;
  session2.Output.Lines = lines;
  ASSERT_TRUE(LoadPuzzleFromEditor(back, session2));
  ExpectSamePuzzle(doc, back, "hand");
  EXPECT_EQ(session2.TitleBox, "Real title");
  EXPECT_EQ(back.ClueLines[2], "see the [title] above");
}

TEST(PuzzleRoundTrip, ManualEntryRefusesAnAtSignInAuthorOrWork) {
  FakeHost host;
  PuzzleDocument doc(host);
  ManualEntry entry;
  entry.QuoteLines = {"Brevity is the soul of wit and more"};
  entry.AuthorEdit = "@dril";
  entry.QuoteSourceEdit = "Posts";
  EXPECT_EQ(entry.MakePuzzle(doc), ManualEntry::MakeResult::Incomplete);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_NE(host.messages[0].find("\"@\""), std::string::npos);
  EXPECT_FALSE(doc.PuzzleExists);
  LineStore quotes;
  entry.AuthorEdit = "dril";
  entry.QuoteSourceEdit = "a@b";
  EXPECT_FALSE(entry.AddQuote(quotes, host));
  EXPECT_TRUE(quotes.empty());
}

TEST(PuzzleRoundTrip, SavingOverAReadOnlyFileIsRefusedByName) {
  FakeHost host;
  PuzzleDocument doc(host);
  FileSession session;
  TempDir dir;
  const std::string path = dir.Path("locked.qtl");
  test::WriteAll(path, "old");
  std::filesystem::permissions(path, std::filesystem::perms::owner_read);
  test::MakePuzzle(doc, "T@B@TO BE");
  EXPECT_FALSE(SavePuzzleAs(doc, session, path));
  EXPECT_EQ(host.messages.back(), "Could not save file " + path + ": the file is read-only");
  EXPECT_EQ(ReadAll(path), "old");
}

TEST(PuzzleRoundTrip, CommandLineRefusesLineBreaksAndTakesTextAfterDoubleDash) {
  TempDir dir;
  const std::string path = dir.Path("p.qtl");
  ASSERT_EQ(test::RunCliArgs({"new", "A@B@ABLE BODIED", "-o", path}).status, 0);
  const std::string before = ReadAll(path);
  EXPECT_EQ(test::RunCliArgs({"clue", path, "A", "Flesh\nfood"}).status, 2);
  EXPECT_EQ(test::RunCliArgs({"title", path, "one\rtwo"}).status, 2);
  EXPECT_EQ(test::RunCliArgs({"new", "A@B@ABLE\nBODIED", "-o", dir.Path("q.qtl")}).status, 2);
  EXPECT_FALSE(FileExists(dir.Path("q.qtl")));
  EXPECT_EQ(ReadAll(path), before);

  EXPECT_EQ(test::RunCliArgs({"clue", path, "A", "--", "-ish suffix"}).status, 0);
  EXPECT_EQ(test::RunCliArgs({"title", path, "--", "--not an option"}).status, 0);
  FakeHost host;
  PuzzleDocument doc(host);
  FileSession session;
  ASSERT_TRUE(LoadPuzzleFile(doc, session, path));
  EXPECT_EQ(doc.ClueLines[0], "A. -ish suffix");
  EXPECT_EQ(session.TitleBox, "--not an option");
  EXPECT_EQ(test::RunCliArgs({"check", "--", "-A@B@ABLE BODIED"}).status, 0);
}

// Random texts drawn from everything the file format gives a meaning to.
class TextMaker {
 public:
  explicit TextMaker(unsigned seed) : m_rng(seed) {}

  std::string Text(bool lineBreaks, bool at) {
    static const std::vector<std::string> kPieces = {"[QUOTE]",
                                                     "[grid]",
                                                     "[NumGrid]",
                                                     "[title]",
                                                     "[BYLINE]",
                                                     "[copyright]",
                                                     "[labels]",
                                                     "[keywords]",
                                                     "[randseed]",
                                                     "[",
                                                     "]",
                                                     "|",
                                                     "#",
                                                     "(",
                                                     ")",
                                                     " ",
                                                     "  ",
                                                     "-",
                                                     "word",
                                                     "Caf\xC3\xA9",
                                                     "\xC3\x89",
                                                     "\xE2\x80\x99",
                                                     "\xC2\xA9",
                                                     "\xC3\x83",
                                                     "\xE2\x82\xAC",
                                                     "na\xC3\xAFve",
                                                     "1500",
                                                     "0 ",
                                                     "\t"};
    std::string out;
    const int pieces = static_cast<int>(m_rng() % 8);
    for (int i = 0; i < pieces; ++i) {
      const unsigned pick = m_rng() % 40;
      if (pick < kPieces.size())
        out += kPieces[pick];
      else if (pick < 34)
        out += static_cast<char>('a' + m_rng() % 26);
      else if (pick < 36 && lineBreaks)
        out += pick == 34 ? "\r\n" : "\n";
      else if (pick < 37 && at)
        out += "@";
      else if (pick < 38)
        out += std::string(50 + m_rng() % 400, static_cast<char>('A' + m_rng() % 26));
      else
        out += std::string(1 + m_rng() % 4, ' ');
    }
    return out;
  }

  // Author and work: a few letters (they make the quotella string) among tags, brackets
  // and the other characters the file format uses.
  std::string Name(int letters) {
    static const std::vector<std::string> kPieces = {"[title]",
                                                     "[QUOTE]",
                                                     "[grid]",
                                                     "|",
                                                     "#",
                                                     "[",
                                                     "]",
                                                     " ",
                                                     "Caf\xC3\xA9",
                                                     "-",
                                                     "\xC3\x89\xE2\x80\x99",
                                                     "\t"};
    std::string out;
    for (int i = 0; i < letters; ++i) {
      if (m_rng() % 3 == 0) out += kPieces[m_rng() % kPieces.size()];
      out += static_cast<char>((m_rng() % 2 ? 'A' : 'a') + m_rng() % 26);
    }
    return out;
  }

  // The quotation holds author and work (so it can make their initials) and more text.
  std::string Quote(const std::string& author, const std::string& work) {
    return Text(false, true) + author + " " + Text(false, true) + work + Text(false, true);
  }

  unsigned Next() { return m_rng(); }

 private:
  std::mt19937 m_rng;
};

// Makes `wanted` random puzzles (drawing more lines when one cannot make a puzzle) and
// saves, loads and saves each again.
void RoundTripRandomPuzzles(unsigned seed, int wanted) {
  TextMaker make(seed);
  int checked = 0;
  for (int n = 0; checked < wanted && n < 2 * wanted; ++n) {
    const std::string author = make.Name(1 + static_cast<int>(make.Next() % 6));
    const std::string work = make.Name(1 + static_cast<int>(make.Next() % 10));
    const std::string line = author + "@" + work + "@" + make.Quote(author, work);

    FakeHost host;
    PuzzleDocument doc(host);
    FileSession session;
    if (QuotesEditorDblClick(doc, line) != DblClickResult::Made) continue;
    test::FillRows(doc, static_cast<int>(make.Next() % 5));
    Texts texts{make.Text(true, true), make.Text(true, true), make.Text(true, true), {}};
    for (int r = 0; r < doc.P.NumWords; ++r) {
      texts.clues.push_back(make.Text(true, true));
      doc.ClueLines[static_cast<std::size_t>(r)] = texts.clues.back();
    }
    session.TitleBox = texts.title;
    session.BylineBox = texts.byline;
    session.CopyrightText = texts.copyright;
    const std::string where = "puzzle " + std::to_string(n) + ": " + line;

    const std::string bytes = Compose(doc, session);
    FakeHost host2;
    PuzzleDocument back(host2);
    FileSession session2;
    ASSERT_TRUE(Load(back, session2, bytes)) << where;
    ASSERT_EQ(host2.messages, std::vector<std::string>{}) << where;
    ExpectSamePuzzle(doc, back, where);
    const std::string title = Trim(Flat(texts.title));
    const std::string byline = Trim(Flat(texts.byline));
    EXPECT_EQ(session2.TitleBox, title.empty() ? "Untitled" : title) << where;
    EXPECT_EQ(session2.BylineBox, byline.empty() ? "by Anonymous" : byline) << where;
    EXPECT_EQ(session2.CopyrightText, Flat(texts.copyright)) << where;
    for (int r = 0; r < doc.P.NumWords; ++r)
      EXPECT_EQ(back.ClueLines[static_cast<std::size_t>(r)],
                Flat(texts.clues[static_cast<std::size_t>(r)]))
          << where;
    ASSERT_EQ(Compose(back, session2), bytes) << where;
    ++checked;
  }
  EXPECT_EQ(checked, wanted);
}

// Two halves of 1,000 puzzles each, so that the test runner can run them side by side.
TEST(PuzzleRoundTrip, RandomTextsSaveLoadAndSaveAgainToTheSameBytes) {
  RoundTripRandomPuzzles(2026, 1000);
}

TEST(PuzzleRoundTrip, MoreRandomTextsSaveLoadAndSaveAgainToTheSameBytes) {
  RoundTripRandomPuzzles(1252, 1000);
}

}  // namespace
}  // namespace quotella
