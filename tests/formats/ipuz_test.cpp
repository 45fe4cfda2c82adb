#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <nlohmann/json.hpp>

#include "core/answertable.h"
#include "core/assignment.h"
#include "core/clues.h"
#include "core/construction.h"
#include "core/textio.h"
#include "files/puzzlefile.h"
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
      : m_path((fs::temp_directory_path() / ("quotella_formats_" + name)).string()) {}
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
  EXPECT_TRUE(WriteFileAtomic(file.path(), ipuz).empty());
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
  EXPECT_EQ(ipuz["notes"], "Pope@An Essay on Man");
  EXPECT_EQ(ipuz["copyright"], "Puzzle \xC2\xA9 2003 by");  // UTF-8
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
  ipuz.erase("notes");
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

}  // namespace
}  // namespace quotella
