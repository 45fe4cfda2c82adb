#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <nlohmann/json.hpp>

#include "core/answertable.h"
#include "core/assignment.h"
#include "core/clues.h"
#include "core/construction.h"
#include "core/copyright.h"
#include "core/textio.h"
#include "files/puzzlefile.h"
#include "formats/acrosticlayout.h"
#include "formats/htmlentitytable.h"
#include "formats/htmltext.h"
#include "formats/ipuzexport.h"
#include "formats/ipuzimport.h"
#include "ipuzcheck.h"
#include "search/autofill.h"
#include "search/autofillsource.h"
#include "search/wordsource.h"
#include "support/fakehost.h"

namespace quotella {
namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;

constexpr const char* kSample = QUOTELLA_SOURCE_DIR "/resources/samplepuzzle1.qtl";

struct Loaded {
  test::FakeHost host;
  PuzzleDocument doc{host};
  FileSession session;
};

class TempFile {
 public:
  explicit TempFile(const std::string& name)
      : m_path((fs::temp_directory_path() /
                ("quotella_formats_" + std::to_string(::getpid()) + "_" + name))
                   .string()) {}
  ~TempFile() { fs::remove(m_path); }
  const std::string& path() const { return m_path; }

 private:
  std::string m_path;
};

void LoadSample(Loaded& p) {
  ASSERT_TRUE(LoadPuzzleFile(p.doc, p.session, kSample));
  p.host.messages.clear();
}

// Reads ipuz text into a fresh document through a file, as Open > ipuz Puzzle does.
bool Import(Loaded& into, const std::string& ipuz, const std::string& name = "in.ipuz") {
  const TempFile file(name);
  EXPECT_TRUE(WriteFileAtomic(file.path(), ipuz).ok());
  return LoadIpuzFile(into.doc, into.session, file.path());
}

std::vector<int> MappedCells(const PuzzleDocument& doc, int row) {
  std::vector<int> cells;
  for (int c = 1; c < kTableSize && !Trim(doc.KeyWords.At(c, row)).empty(); ++c)
    cells.push_back(MappedIndex(doc, c, row));
  return cells;
}

void ExpectSamePuzzle(const Loaded& a, const Loaded& b, const std::string& what) {
  SCOPED_TRACE(what);
  ASSERT_EQ(a.doc.P.NumWords, b.doc.P.NumWords);
  for (int r = 0; r < a.doc.P.NumWords; ++r) {
    EXPECT_EQ(Keystring(a.doc, r), Keystring(b.doc, r)) << "row " << r;
    EXPECT_EQ(MappedCells(a.doc, r), MappedCells(b.doc, r)) << "row " << r;
    EXPECT_EQ(Trim(RemoveLabel(a.doc.ClueLines[r])), Trim(RemoveLabel(b.doc.ClueLines[r])));
  }
  EXPECT_EQ(Trim(a.session.TitleBox), Trim(b.session.TitleBox));
  EXPECT_EQ(Trim(a.session.BylineBox), Trim(b.session.BylineBox));
  EXPECT_EQ(a.session.CopyrightText, b.session.CopyrightText);
  EXPECT_EQ(a.doc.P.QuoteOrig, b.doc.P.QuoteOrig);
  EXPECT_EQ(a.doc.P.MasterQuote, b.doc.P.MasterQuote);
  EXPECT_EQ(a.doc.Grid.Columns, b.doc.Grid.Columns);
  EXPECT_EQ(a.doc.P.GridOffset, b.doc.P.GridOffset);
}

TEST(IpuzExport, SamplePuzzlePassesTheStructuralCheckWithOneBasedCells) {
  Loaded p;
  LoadSample(p);
  const std::string text = ComposeIpuz(p.doc, p.session);
  EXPECT_EQ(test::CheckAcrosticIpuz(text), std::vector<std::string>{});
  const Json ipuz = Json::parse(text);
  EXPECT_EQ(ipuz["version"], "http://ipuz.org/v2");
  EXPECT_EQ(ipuz["kind"], Json::array({"http://ipuz.org/acrostic#1"}));
  EXPECT_EQ(ipuz["title"], "Hope Eternal");
  EXPECT_EQ(ipuz["author"], "the Quotella makers");
  EXPECT_EQ(ipuz["dimensions"], Json({{"width", 21}, {"height", 4}}));
  // Four blocks before cell 1, which answer K uses.
  EXPECT_EQ(ipuz["puzzle"][0][3], "#");
  EXPECT_EQ(ipuz["puzzle"][0][4], Json({{"cell", 1}, {"style", {{"mark", {{"TR", "K"}}}}}}));
  EXPECT_EQ(ipuz["solution"][0][4], "H");
  const Json& first = ipuz["clues"]["Clues"][0];
  EXPECT_EQ(first["number"], "A");
  EXPECT_EQ(first["clue"], "For each");
  EXPECT_EQ(first["answer"], "PER");
  EXPECT_EQ(first["enumeration"], "3");
  // Cells 3, 23 and 30 of the printed numbering.
  EXPECT_EQ(first["cells"], Json::parse("[[7,1],[10,2],[19,2]]"));
  EXPECT_EQ(ipuz["clues"]["Clues"].size(), 16u);
}

TEST(IpuzExport, EscapesHtmlConvertsToUtf8AndRoundTripsTheTexts) {
  Loaded p;
  LoadSample(p);
  p.doc.ClueLines[0] = "A. <b>Tom</b> & \"Jerry\" caf\xC3\xA9";
  p.session.TitleBox = "R\xC3\xA9sum\xC3\xA9 <1>";
  p.session.BylineBox = "by Ann & Bob";
  const std::string text = ComposeIpuz(p.doc, p.session);
  EXPECT_EQ(test::CheckAcrosticIpuz(text), std::vector<std::string>{});
  const Json ipuz = Json::parse(text);
  EXPECT_EQ(ipuz["clues"]["Clues"][0]["clue"],
            "&lt;b&gt;Tom&lt;/b&gt; &amp; &quot;Jerry&quot; caf\xC3\xA9");
  EXPECT_EQ(ipuz["title"], "R\xC3\xA9sum\xC3\xA9 &lt;1&gt;");

  Loaded back;
  ASSERT_TRUE(Import(back, text));
  ExpectSamePuzzle(p, back, "escaped texts");
}

TEST(IpuzExport, UnfinishedPuzzleIsWrittenWithAWarning) {
  Loaded p;
  LoadSample(p);
  ClearWord1Click(p.doc, {1, 1}, false);  // OTTER back to its initial
  const TempFile file("unfinished.ipuz");
  ASSERT_TRUE(WriteIpuzFile(p.doc, p.session, file.path()));
  ASSERT_EQ(p.host.messages.size(), 1u);
  EXPECT_EQ(p.host.messages[0],
            "The puzzle is not finished: 4 letters of the quotation are in no answer.");
  // Such a file still comes back as the same unfinished puzzle.
  Loaded back;
  ASSERT_TRUE(Import(back, *ReadFileBytes(file.path())));
  ExpectSamePuzzle(p, back, "unfinished");
  EXPECT_EQ(Keystring(back.doc, 1), "O");
}

TEST(IpuzRoundTrip, EveryBenchQuotationFilledByAutofill) {
  const auto lines = ReadTextLines(QUOTELLA_SOURCE_DIR "/tests/data/bench_quotes.txt");
  ASSERT_TRUE(lines.has_value());
  AutofillDictionary dict(DefaultDictDir(QUOTELLA_PROGRAM_DIR));
  int filled = 0, quotes = 0;
  for (const std::string& line : *lines) {
    if (Trim(line).empty()) continue;
    ++quotes;
    Loaded p;
    InitPuzzleDefaults(p.doc);
    ResetPuzzle(p.doc);
    ASSERT_EQ(QuotesEditorDblClick(p.doc, line), DblClickResult::Made) << line;
    const AutofillProblem problem = MakeAutofillProblem(p.doc);
    AutofillOptions options;
    options.timeLimit = 10;
    // Any fill will do: the file is what is tested, so little time goes on improving it.
    options.improveRounds = 5;
    const AutofillResult result = RunAutofill(problem, dict.Source(), options);
    const bool complete = !result.fills.empty() && LayFill(p.doc, problem, result.fills.front());
    filled += complete;
    if (!complete)
      std::printf("not filled (%s): %s\n", AutofillEndText(result.end).c_str(),
                  line.substr(0, line.find('@')).c_str());
    for (int r = 0; r < p.doc.P.NumWords; ++r)
      p.doc.ClueLines[static_cast<std::size_t>(r)] =
          p.doc.Label(r) + ". Clue " + std::to_string(r) + " <i>&</i> caf\xC3\xA9";
    p.session.TitleBox = "Bench " + std::to_string(quotes);
    p.session.BylineBox = "by the bench";
    p.session.CopyrightText = "Puzzle \xC2\xA9 2026";

    const std::string text = ComposeIpuz(p.doc, p.session);
    if (complete) {
      EXPECT_EQ(test::CheckAcrosticIpuz(text), std::vector<std::string>{}) << line;
    }
    Loaded back;
    ASSERT_TRUE(Import(back, text)) << line << "\n" << testing::PrintToString(back.host.messages);
    ExpectSamePuzzle(p, back, line);
    EXPECT_EQ(PoolIsEmpty(back.doc), complete);
  }
  EXPECT_EQ(quotes, 28);
  // Autofill's limit is wall-clock time; a busy machine may leave a few unfilled, and
  // those still make the round trip unfinished.
  EXPECT_GE(filled, 20);
  std::printf("%d of %d bench quotations filled\n", filled, quotes);
}

// The sample's ipuz with one change made to its JSON.
std::string ChangedSample(const std::function<void(Json&)>& change) {
  Loaded p;
  LoadSample(p);
  Json ipuz = Json::parse(ComposeIpuz(p.doc, p.session));
  change(ipuz);
  return ipuz.dump();
}

TEST(IpuzImport, RefusesFilesThatBreakThePuzzleRules) {
  struct Case {
    const char* what;
    std::function<void(Json&)> change;
    std::string message;
  };
  const auto clue = [](Json& j, int k) -> Json& { return j["clues"]["Clues"][k]; };
  const std::vector<Case> cases = {
      {"crossword", [](Json& j) { j["kind"] = {"http://ipuz.org/crossword#1"}; }, kNotAcrosticIpuz},
      {"no kind", [](Json& j) { j.erase("kind"); }, kNotAcrosticIpuz},
      {"letter in a cell of another letter",
       [&](Json& j) {
         clue(j, 0)["cells"][1] = {5, 1};
       },  // P E R: E onto the H of cell 1
       "Answer A: letter 2 (E) sits in a cell of the letter H (column 5, row 1)."},
      {"cell used twice",
       [&](Json& j) { clue(j, 3)["cells"][0] = clue(j, 6)["cells"][0]; },  // EVER, ELMS
       "Answer G: the cell at column 20, row 2 is used twice (answer D uses it too)."},
      {"outside the grid",
       [&](Json& j) {
         clue(j, 0)["cells"][2] = {22, 2};
       },
       "Answer A: letter 3 lies outside the grid (column 22, row 2)."},
      {"on a block",
       [&](Json& j) {
         clue(j, 0)["cells"][2] = {4, 1};
       },
       "Answer A: letter 3 sits on a cell that holds no letter (column 4, row 1)."},
      {"answer and cells disagree", [&](Json& j) { clue(j, 0)["answer"] = "PERT"; },
       "Answer A (PERT) has 4 letters but names 3 cells."},
      {"no cells", [&](Json& j) { clue(j, 2).erase("cells"); },
       "Answer C names no cells of the grid."},
      {"bad pair",
       [&](Json& j) {
         clue(j, 2)["cells"][0] = {1.5, 2};
       },
       "Answer C: its cells are not [column, row] pairs."},
      {"no solution", [](Json& j) { j.erase("solution"); },
       "The ipuz file has no solution grid, so its quotation is unknown."},
      {"short row", [](Json& j) { j["solution"][1].erase(0); },
       "Row 2 of the solution grid does not have the columns its dimensions give."},
      {"huge grid",
       [](Json& j) {
         j["dimensions"] = {{"width", 100000}, {"height", 100000}};
       },
       "The grid size of this ipuz file (100000 x 100000) is not one a puzzle can have."},
      {"two letters in a cell", [](Json& j) { j["solution"][0][4] = "TH"; },
       "The cell at column 5, row 1 holds \"TH\"; a quotation cell holds one letter."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const IpuzImport read = ReadIpuz(ChangedSample(c.change));
    EXPECT_FALSE(read.ok);
    EXPECT_EQ(read.error, c.message);
    EXPECT_TRUE(read.puzzleFile.empty());
  }
}

TEST(IpuzImport, ARefusedFileLeavesThePuzzleAndNothingIsWritten) {
  Loaded p;
  LoadSample(p);
  const std::string before = JoinLinesCrLf(ComposePuzzleFile(p.doc, p.session));
  const std::string caption = p.session.Caption;
  EXPECT_FALSE(Import(p, ChangedSample([](Json& j) { j["kind"] = {"http://ipuz.org/sudoku#1"}; })));
  EXPECT_EQ(p.host.messages, std::vector<std::string>{kNotAcrosticIpuz});
  EXPECT_EQ(JoinLinesCrLf(ComposePuzzleFile(p.doc, p.session)), before);
  EXPECT_EQ(p.session.Caption, caption);
}

TEST(IpuzImport, DamagedBytesAreRefusedWithoutACrash) {
  Loaded p;
  LoadSample(p);
  const std::string text = ComposeIpuz(p.doc, p.session);
  EXPECT_EQ(ReadIpuz("").error, "This ipuz file is damaged: it is not valid JSON.");
  EXPECT_EQ(ReadIpuz("[1,2]").error, kNotAcrosticIpuz);
  EXPECT_EQ(ReadIpuz("\xFF\xFE{}").error, "This ipuz file is damaged: it is not valid JSON.");
  for (std::size_t n = 0; n < text.size(); n += 97) {
    const IpuzImport read = ReadIpuz(text.substr(0, n));
    EXPECT_FALSE(read.ok) << n;
    EXPECT_FALSE(read.error.empty());
  }
  // Every value of the wrong type somewhere in the file.
  Json ipuz = Json::parse(text);
  for (auto& [key, value] : ipuz.items()) {
    Json broken = ipuz;
    broken[key] = Json::array({nullptr, 3.5, "x"});
    const IpuzImport read = ReadIpuz(broken.dump());
    EXPECT_TRUE(read.ok || !read.error.empty()) << key;
  }
}

TEST(IpuzImport, DetectsZeroBasedCellsAndReadsAnotherProgramsFile) {
  Loaded p;
  LoadSample(p);
  Json ipuz = Json::parse(ComposeIpuz(p.doc, p.session));
  // Another program: 0-based cells, lower-case solution, no answers, no notes, none of
  // our own fields, and the file wrapped for loading by a script.
  ipuz.erase(kIpuzExtensionKey);
  ipuz.erase("explanation");
  for (auto& row : ipuz["solution"])
    for (auto& v : row)
      if (v != "#") v = LowerCase(v.get<std::string>());
  for (auto& clue : ipuz["clues"]["Clues"]) {
    clue.erase("answer");
    for (auto& xy : clue["cells"]) xy = {xy[0].get<int>() - 1, xy[1].get<int>() - 1};
  }
  const IpuzImport read = ReadIpuz("ipuz(" + ipuz.dump() + ")");
  ASSERT_TRUE(read.ok) << read.error;
  EXPECT_EQ(read.coordinateBase, 0);
  EXPECT_EQ(read.notes, std::vector<std::string>{
                            "Author and work were taken from the initials of the answers."});

  Loaded back;
  back.session.Output.Lines = read.puzzleFile;
  ASSERT_TRUE(LoadPuzzleFromEditor(back.doc, back.session));
  EXPECT_EQ(back.host.messages, std::vector<std::string>{});
  EXPECT_EQ(back.doc.P.AuthorOrig, "POPEANESSAYONMAN");
  EXPECT_EQ(back.doc.P.MasterQuote, p.doc.P.MasterQuote);
  for (int r = 0; r < p.doc.P.NumWords; ++r) {
    EXPECT_EQ(Keystring(back.doc, r), Keystring(p.doc, r));
    EXPECT_EQ(MappedCells(back.doc, r), MappedCells(p.doc, r));
  }
}

TEST(IpuzImport, AmbiguousCellsTakeTheBaseUnderWhichTheLettersFit) {
  // A 3 x 3 grid and one answer whose cell touches neither 0 nor the last row or column:
  // only the letters tell the two bases apart.
  const auto file = [](const std::string& answer) {
    return R"({"version":"http://ipuz.org/v2","kind":["http://ipuz.org/acrostic#1"],
      "dimensions":{"width":3,"height":3},"puzzle":[[1,2,3],[4,5,6],[7,8,9]],
      "solution":[["A","B","C"],["D","E","F"],["G","H","I"]],
      "clues":{"Clues":[{"number":"A","clue":"x",)" +
           answer + R"("cells":[[2,2]]}]}})";
  };
  const IpuzImport either = ReadIpuz(file(""));
  ASSERT_TRUE(either.ok) << either.error;
  EXPECT_EQ(either.coordinateBase, 1);
  EXPECT_EQ(either.puzzleFile[2], "E@@ABCDEFGHI");
  const IpuzImport zero = ReadIpuz(file(R"("answer":"I",)"));
  ASSERT_TRUE(zero.ok) << zero.error;
  EXPECT_EQ(zero.coordinateBase, 0);
  EXPECT_EQ(zero.puzzleFile[2], "I@@ABCDEFGHI");
}

TEST(IpuzExport, AuthorAndWorkStayHiddenUntilSolvedAndBylineAndCopyrightAreThePuzzles) {
  Loaded p;
  LoadSample(p);
  Json ipuz = Json::parse(ComposeIpuz(p.doc, p.session));
  EXPECT_FALSE(ipuz.contains("notes"));
  EXPECT_EQ(ipuz["explanation"], "Pope \xE2\x80\x94 An Essay on Man");
  EXPECT_EQ(ipuz[kIpuzExtensionKey]["author"], "Pope");
  EXPECT_EQ(ipuz[kIpuzExtensionKey]["work"], "An Essay on Man");
  EXPECT_EQ(ipuz["author"], "the Quotella makers");
  EXPECT_FALSE(ipuz.contains("copyright"));  // the untouched default

  p.session.BylineBox = "  BY Ann & Bob ";
  p.session.CopyrightText = "Puzzle \xC2\xA9 2026 by Ann";
  p.doc.P.WorkOrig = "";
  ipuz = Json::parse(ComposeIpuz(p.doc, p.session));
  EXPECT_EQ(ipuz["author"], "Ann &amp; Bob");
  EXPECT_EQ(ipuz["copyright"], "Puzzle \xC2\xA9 2026 by Ann");
  EXPECT_EQ(ipuz["explanation"], "Pope");

  for (const char* empty : {"", "by ", "by Anonymous"}) {
    p.session.BylineBox = empty;
    EXPECT_FALSE(Json::parse(ComposeIpuz(p.doc, p.session)).contains("author")) << empty;
  }
}

TEST(IpuzRoundTrip, BracketsAndEntitiesInTitleClueBylineAndCopyrightComeBack) {
  Loaded p;
  LoadSample(p);
  p.session.TitleBox = "[QUOTE] Lincoln [No. 5] & <Co> caf\xC3\xA9";
  p.session.BylineBox = "by Ann [ed.]";
  p.session.CopyrightText = "[c] 2026 \xC2\xA9 Ann";
  p.doc.ClueLines[0] = "A. Lincoln [No. 5] &amp; \"caf\xC3\xA9\" [GRID]";
  const std::string text = ComposeIpuz(p.doc, p.session);
  Loaded back;
  ASSERT_TRUE(Import(back, text));
  EXPECT_EQ(back.host.messages, std::vector<std::string>{});
  ExpectSamePuzzle(p, back, "brackets");
  EXPECT_EQ(back.session.TitleBox, "[QUOTE] Lincoln [No. 5] & <Co> caf\xC3\xA9");
  EXPECT_EQ(back.doc.ClueLines[0], "A. Lincoln [No. 5] &amp; \"caf\xC3\xA9\" [GRID]");

  // Another program's texts: named entities of any kind, and no byline of ours.
  Json other = Json::parse(text);
  other.erase(kIpuzExtensionKey);
  other["title"] = "Caf&eacute; [1] &Omega;&hellip;";
  other["author"] = "Ren&eacute;e";
  other.erase("copyright");
  other["clues"]["Clues"][1]["clue"] = "&ldquo;Na&iuml;ve&rdquo; &amp;c. [2]";
  const IpuzImport read = ReadIpuz(other.dump());
  ASSERT_TRUE(read.ok) << read.error;
  const auto lineAfter = [&](const std::string& tag) {
    const auto at = std::find(read.puzzleFile.begin(), read.puzzleFile.end(), tag);
    return at + 1 < read.puzzleFile.end() ? *(at + 1) : std::string("(none)");
  };
  EXPECT_EQ(lineAfter("[title]"), "Caf\xC3\xA9 [1] \xCE\xA9\xE2\x80\xA6");
  EXPECT_EQ(lineAfter("[byline]"),
            "by Ren\xC3\xA9"
            "e");
  EXPECT_EQ(lineAfter("[copyright]"), FileSession().CopyrightText);
  EXPECT_EQ(lineAfter("[keywords]"), "A. Lincoln [No. 5] &amp; \"caf\xC3\xA9\" [GRID]");
  EXPECT_NE(std::find(read.puzzleFile.begin(), read.puzzleFile.end(),
                      "B. \xE2\x80\x9CNa\xC3\xAFve\xE2\x80\x9D &c. [2]"),
            read.puzzleFile.end());
}

TEST(HtmlText, DecodesEveryNamedReferenceOfHtml) {
  // The table is searched by halving: it must be sorted, and it is the whole list.
  EXPECT_EQ(kHtmlEntityCount, 2125u);
  EXPECT_TRUE(std::is_sorted(kHtmlEntities, kHtmlEntities + kHtmlEntityCount,
                             [](const HtmlEntity& a, const HtmlEntity& b) {
                               return std::string_view(a.name) < std::string_view(b.name);
                             }));
  EXPECT_EQ(HtmlToText("&eacute;&Eacute;&AElig;&szlig;&Omega;&euro;"),
            "\xC3\xA9\xC3\x89\xC3\x86\xC3\x9F\xCE\xA9\xE2\x82\xAC");
  EXPECT_EQ(HtmlToText("&CounterClockwiseContourIntegral;"), "\xE2\x88\xB3");
  EXPECT_EQ(HtmlToText("&NotEqualTilde;"), "\xE2\x89\x82\xCC\xB8");  // two code points
  // Unknown names, names without their ";" and a lone "&" stay as written.
  EXPECT_EQ(HtmlToText("&eacute &bogus; AT&T &;"), "&eacute &bogus; AT&T &;");
  EXPECT_EQ(HtmlToText("&#233;&#xE9;&#x110000;"), "\xC3\xA9\xC3\xA9&#x110000;");
}

TEST(IpuzImport, AcceptsAnyScriptWrapperAndWholeNumbersWrittenAsFloats) {
  const std::string plain = ChangedSample([](Json& j) {
    j["dimensions"] = Json::parse(R"({"width": 21.0, "height": 4.0})");
    j["clues"]["Clues"][0]["cells"] = Json::parse("[[7.0,1],[10,2.0],[19,2]]");
  });
  for (const std::string& text : {plain, "ipuz(" + plain + ")", "loadPuzzle_2 (" + plain + ");",
                                  " window.$cb(" + plain + ") ;\n"}) {
    const IpuzImport read = ReadIpuz(text);
    ASSERT_TRUE(read.ok) << text.substr(0, 20) << ": " << read.error;
    EXPECT_EQ(read.puzzleFile[4], "####HOPE#SPRINGS#ETER");
  }
  EXPECT_EQ(ReadIpuz(ChangedSample([](Json& j) { j["dimensions"]["width"] = 21.5; })).error,
            "The ipuz file gives no grid size (\"dimensions\").");
  EXPECT_EQ(ReadIpuz("f(" + plain).error, "This ipuz file is damaged: it is not valid JSON.");
}

TEST(IpuzImport, NamesALetterTheQuotationCannotHold) {
  const auto cell = [](const char* utf8) {
    return ReadIpuz(ChangedSample([&](Json& j) { j["solution"][0][4] = utf8; })).error;
  };
  EXPECT_EQ(cell("\xC3\x89"),  // E acute
            "The cell at column 5, row 1 holds \"\xC3\x89\" (U+00C9); a quotation cell holds one "
            "of the letters A to Z.");
  EXPECT_EQ(
      cell("\xCE\xA9"),  // omega
      "The cell at column 5, row 1 holds \"\xCE\xA9\" (U+03A9); a quotation cell holds one of "
      "the letters A to Z.");
  // Punctuation in a cell is no letter and is not refused for that.
  EXPECT_EQ(cell("\xE2\x80\x99").find("U+"), std::string::npos);
}

TEST(IpuzImport, AuthorAndWorkComeFromOurFieldsTheExplanationOrOldNotesEvenWithoutTheLastClue) {
  const auto authorLine = [](const IpuzImport& read) {
    return read.ok ? read.puzzleFile[2].substr(0, read.puzzleFile[2].rfind('@'))
                   : "refused: " + read.error;
  };
  const auto noLastClue = [](Json& j) { j["clues"]["Clues"].erase(15); };
  IpuzImport read = ReadIpuz(ChangedSample(noLastClue));
  EXPECT_EQ(authorLine(read), "Pope@An Essay on Man");
  EXPECT_EQ(read.notes, std::vector<std::string>{
                            "The ipuz file gives 15 of the 16 answers; the others hold only "
                            "their initials."});
  // It opens as the puzzle with its last answer still to be found.
  Loaded partial;
  ASSERT_TRUE(Import(partial, ChangedSample(noLastClue)))
      << testing::PrintToString(partial.host.messages);
  EXPECT_EQ(partial.doc.P.NumWords, 16);
  EXPECT_EQ(Keystring(partial.doc, 14), "ANTI");
  EXPECT_EQ(Trim(Keystring(partial.doc, 15)), "N");

  read = ReadIpuz(ChangedSample([&](Json& j) {
    noLastClue(j);
    j.erase(kIpuzExtensionKey);
  }));
  EXPECT_EQ(authorLine(read), "Pope@An Essay on Man");
  EXPECT_EQ(read.notes[0], "Author and work were taken from the explanation of the ipuz file.");

  // A file of ours from before: author and work in the notes, nothing else.
  read = ReadIpuz(ChangedSample([&](Json& j) {
    j.erase(kIpuzExtensionKey);
    j.erase("explanation");
    j["notes"] = "Pope@An Essay on Man";
  }));
  EXPECT_EQ(authorLine(read), "Pope@An Essay on Man");
  EXPECT_EQ(read.notes, std::vector<std::string>{
                            "Author and work were taken from the notes of the ipuz file."});

  // An explanation that does not spell the initials is not taken for them.
  read = ReadIpuz(ChangedSample([&](Json& j) {
    j.erase(kIpuzExtensionKey);
    j["explanation"] = "A fine quotation by a poet.";
  }));
  EXPECT_EQ(authorLine(read), "POPEANESSAYONMAN@");
}

TEST(IpuzImport, HugeCoordinatesAreReportedAsWrittenWithoutOverflow) {
  const auto at = [](const char* cells) {
    return ReadIpuz(ChangedSample(
                        [&](Json& j) { j["clues"]["Clues"][0]["cells"] = Json::parse(cells); }))
        .error;
  };
  EXPECT_EQ(at("[[7,1],[10,2],[-9223372036854775808,2]]"),
            "Answer A: letter 3 lies outside the grid (column -9223372036854775808, row 2).");
  EXPECT_EQ(at("[[7,1],[10,2],[19,9223372036854775807]]"),
            "Answer A: letter 3 lies outside the grid (column 19, row 9223372036854775807).");
  EXPECT_EQ(at("[[7,1],[10,2],[18446744073709551615,2]]"),
            "Answer A: its cells are not [column, row] pairs.");
  EXPECT_EQ(at("[[7,1],[10,2],[1e300,2]]"), "Answer A: its cells are not [column, row] pairs.");
}

TEST(IpuzImport, HostileNestingIsRefusedAfterReadingOnlyWhatExceedsTheLimit) {
  const std::string brackets(20u << 20, '[');
  // The scan stops at the first bracket past the limit: the work done is bounded by it.
  EXPECT_EQ(JsonNestingTooDeepAt(brackets, kMaxIpuzNesting),
            static_cast<std::size_t>(kMaxIpuzNesting));
  EXPECT_EQ(ReadIpuz(brackets.substr(0, kMaxIpuzBytes)).error, kIpuzTooDeep);
  EXPECT_EQ(ReadIpuz("ipuz(" + std::string(100, '{') + ")").error, kIpuzTooDeep);
  // Brackets inside strings, escaped quotes included, are text.
  const std::string inString = "{\"a\":\"\\\"" + std::string(100, '[') + "\"}";
  EXPECT_EQ(JsonNestingTooDeepAt(inString, 2), std::string_view::npos);
  EXPECT_EQ(ReadIpuz(inString).error, kNotAcrosticIpuz);
  // An acrostic of ours nests well within the limit.
  Loaded p;
  LoadSample(p);
  EXPECT_EQ(JsonNestingTooDeepAt(ComposeIpuz(p.doc, p.session), 6), std::string_view::npos);
  EXPECT_EQ(ReadIpuz(std::string(kMaxIpuzBytes + 1, ' ')).error, kIpuzTooLarge);
}

}  // namespace
}  // namespace quotella

namespace quotella {
namespace {

TEST(IpuzExport, TheUntouchedNoticeOfAnyYearIsNoCopyright) {
  EXPECT_TRUE(IsDefaultCopyright("Puzzle \xC2\xA9 2003 by"));  // older files
  EXPECT_TRUE(IsDefaultCopyright(" " + DefaultCopyrightText() + " "));
  EXPECT_FALSE(IsDefaultCopyright("Puzzle \xC2\xA9 2026 by Ann"));
  EXPECT_FALSE(IsDefaultCopyright("Puzzle \xC2\xA9 20x6 by"));
  EXPECT_FALSE(IsDefaultCopyright(""));
}

}  // namespace
}  // namespace quotella
