// One fill, asked for two ways: quotella-cli fill, and the request the window makes from its
// Autofill dialog (rarity, seconds, rows, seed, eight fills, its word lists) prepared, run
// and laid in process. Both must lay the same words into the same cells, whatever the
// rarity limit, and a dictionary without a familiarity file must fill either way.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "core/answertable.h"
#include "files/filesession.h"
#include "files/puzzlefile.h"
#include "search/autofill.h"
#include "search/filljob.h"
#include "search/wordlists.h"
#include "search/wordsource.h"
#include "search_fixture.h"
#include "support/clirunner.h"
#include "support/fakehost.h"

namespace quotella {
namespace {

using test::CliRun;
using test::RunCli;
using test::ShellQuote;

const char* const kLine = test::kByronLine;

struct Loaded {
  test::FakeHost host;
  PuzzleDocument doc{host};
  FileSession session;
};

// Every row's answer and cell numbers, as laid.
std::vector<std::string> Table(const PuzzleDocument& doc) {
  std::vector<std::string> cells;
  for (int row = 0; row < doc.P.NumWords; ++row)
    for (int c = 0; c < kTableSize; ++c) {
      cells.push_back(doc.KeyWords.At(c, row));
      cells.push_back(doc.NumberGrid.At(c, row));
    }
  return cells;
}

struct Case {
  const char* name;
  int maxRarity;
  std::vector<int> rows;  // table rows to fill anew
  std::uint64_t seed;
  bool wordList;
};

class FillParity : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!HasDictionary(kBundled)) GTEST_SKIP() << "no bundled dictionary";
    // A puzzle with rows A to T laid and U to Y empty, so that each fill below is short.
    start = dir.Path("start.qtl");
    const CliRun r =
        RunCli("fill --time-limit 0 --quote " + ShellQuote(kLine) +
               " --rows A,B,C,D,E,F,G,H,I,J,K,L,M,N,O,P,Q,R,S,T --seed 2 -o " + ShellQuote(start));
    ASSERT_EQ(r.status, 0) << r.out;
    list = dir.Path("list.txt");
    std::ofstream(list) << "SKYLARK\nBRIGHTNESS\nDARKNESS\nMEADOW\n";
  }

  // The command line's path: the words it reports and the table it saves.
  std::pair<nlohmann::json, std::vector<std::string>> ByCommandLine(const Case& c,
                                                                    const std::string& dict) {
    const std::string out = dir.Path(std::string(c.name) + ".qtl");
    std::string args = "fill " + ShellQuote(start) + " --json --fills 8 --time-limit 0 --seed " +
                       std::to_string(c.seed) + " --max-rarity " + std::to_string(c.maxRarity) +
                       " --dict " + ShellQuote(dict) + " -o " + ShellQuote(out);
    if (!c.rows.empty()) {
      Loaded l;
      EXPECT_TRUE(LoadPuzzleFile(l.doc, l.session, start));
      std::string labels;
      for (int row : c.rows) labels += (labels.empty() ? "" : ",") + l.doc.Label(row);
      args += " --rows " + labels;
    }
    if (c.wordList) args += " --words " + ShellQuote(list);
    const CliRun r = RunCli(args, true);
    EXPECT_EQ(r.status, 0) << c.name << ": " << r.out;
    notes = r.out.substr(0, r.out.find('{'));  // stderr comes before the JSON
    Loaded saved;
    EXPECT_TRUE(LoadPuzzleFile(saved.doc, saved.session, out)) << c.name;
    return {nlohmann::json::parse(r.out.substr(notes.size())), Table(saved.doc)};
  }

  // The window's path: its request, prepared, run and laid by the fill use-case.
  std::pair<AutofillResult, std::vector<std::string>> ByWindowRequest(const Case& c,
                                                                      const std::string& dict) {
    Loaded l;
    EXPECT_TRUE(LoadPuzzleFile(l.doc, l.session, start));
    WordSources sources;
    if (c.wordList) sources.List(1).Items = *ReadWordFile(list);
    const FillRequest request = WindowFillRequest(c.rows, c.maxRarity, 0, c.seed, sources);
    const FillJob job = PrepareFill(l.doc, request, dict);
    AutofillResult result = RunAutofill(job.problem, job.Source(), job.options);
    EXPECT_EQ(result.end, AutofillEnd::Filled) << c.name;
    if (!result.fills.empty()) {
      EXPECT_EQ(LayChosenFill(l.doc, job, result.fills.front()), FillLaid::Laid) << c.name;
    }
    return {std::move(result), Table(l.doc)};
  }

  void ExpectSameFill(const Case& c, const std::string& dict) {
    const auto [json, cliTable] = ByCommandLine(c, dict);
    const auto [result, windowTable] = ByWindowRequest(c, dict);
    EXPECT_EQ(json["result"], "Filled") << c.name;
    ASSERT_EQ(json["fills"].size(), result.fills.size()) << c.name;
    for (std::size_t k = 0; k < result.fills.size(); ++k) {
      std::vector<std::string> words;
      for (const auto& label : json["rows"]) words.push_back(json["fills"][k]["words"][label]);
      EXPECT_EQ(words, result.fills[k].words) << c.name << ", fill " << k + 1;
    }
    EXPECT_EQ(cliTable, windowTable) << c.name;
  }

  static constexpr const char* kBundled = QUOTELLA_PROGRAM_DIR "/";
  test::TempDir dir;
  std::string start, list;
  std::string notes;  // what the command line said on stderr
};

TEST_F(FillParity, CommandLineAndWindowRequestLayTheSameFillAtEveryRarityLimit) {
  // Every empty row with any word; a laid row and an empty one anew with common words and a
  // word list's words first.
  ExpectSameFill({"any-word", 70, {}, 3, false}, kBundled);
  ExpectSameFill({"common-refill-with-list", 50, {0, 21}, 5, true}, kBundled);
  EXPECT_EQ(notes, "");
}

TEST_F(FillParity, ADictionaryWithoutFamiliarityFillsWithAnyRarityLimitBothWays) {
  // The bundled letter files in a folder of their own, without familiarity.txt.
  const std::string dict = dir.Path("słownik ü") + "/";
  std::filesystem::create_directories(dict);
  for (char c = 'a'; c <= 'z'; ++c)
    std::filesystem::create_symlink(std::string(kBundled) + c + ".txt",
                                    dict + std::string(1, c) + ".txt");
  ExpectSameFill({"bare-common", 50, {}, 1, false}, dict);
  EXPECT_NE(notes.find("has no familiarity.txt: --max-rarity is not applied"), std::string::npos)
      << notes;
}

// The request itself, on a hand-made puzzle and dictionary.
class FillRequestPreparation : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const auto& [file, words] : std::vector<std::pair<std::string, std::string>>{
             {"a.txt", "ART\nAXE\n"}, {"b.txt", "BAT\nBOX\n"}, {"c.txt", "CAT\n"}})
      std::ofstream(dir.Path(file)) << words;
    // Rows A, B, C; B holds BAT, the pool holds what ART and CAT still need.
    test::SetUpPuzzle(doc, "ABC", "RTAT");
    test::PutWord(doc, 1, "BAT");
  }
  void WriteFamiliarity() { std::ofstream(dir.Path("familiarity.txt")) << "ART 40\nAXE 60\n"; }
  std::string Dict() { return dir.Dir(); }

  test::TempDir dir;
  test::FakeHost host;
  PuzzleDocument doc{host};
};

TEST_F(FillRequestPreparation, RarityLimitsMapToTheDictionarySizesOnlyWhereItKnowsThem) {
  FillRequest request;
  request.maxRarity = 70;
  EXPECT_EQ(PrepareFill(doc, request, Dict()).options.maxSize, 0);
  request.maxRarity = 50;
  FillJob bare = PrepareFill(doc, request, Dict());
  EXPECT_EQ(bare.options.maxSize, 0);
  EXPECT_TRUE(bare.rarityIgnored);
  WriteFamiliarity();
  FillJob known = PrepareFill(doc, request, Dict());
  EXPECT_EQ(known.options.maxSize, 50);
  EXPECT_FALSE(known.rarityIgnored);
  request.maxRarity = 70;
  EXPECT_FALSE(PrepareFill(doc, request, Dict()).rarityIgnored);
}

TEST_F(FillRequestPreparation, NamedRowsGiveTheirLettersToTheSearchButKeepThemUntilLaid) {
  FillRequest request;
  request.rows = {1};
  request.seed = 4;
  request.fills = 3;
  request.seconds = 2.5;
  request.wordLists = {{"Bra"}};
  const FillJob job = PrepareFill(doc, request, Dict());
  ASSERT_EQ(job.problem.rowSlots.size(), 3u);  // A and C are empty, B is named
  EXPECT_EQ(job.problem.pool[LetterIndex('A')], doc.P.Pool[LetterIndex('A')] + 1);
  EXPECT_EQ(job.options.seed, 4u);
  EXPECT_EQ(job.options.solutions, 3);
  EXPECT_DOUBLE_EQ(job.options.timeLimit, 2.5);
  EXPECT_EQ(Keystring(doc, 1), "BAT");
  // The word list's entry is offered first for its initial.
  EXPECT_EQ(job.dictionary->Words('B').front().word, "BRA");
  EXPECT_TRUE(job.dictionary->Words('B').front().fromList);

  const FillRequest next = NextFillRequest(request, job);
  EXPECT_EQ(next.rows, std::vector<int>{1});
  EXPECT_EQ(next.seed, 5u);
  FillRequest all;
  const FillRequest again = NextFillRequest(all, PrepareFill(doc, all, Dict()));
  EXPECT_EQ(again.rows, (std::vector<int>{0, 2}));
}

TEST_F(FillRequestPreparation, AFillIsNotLaidOnceTheTableMovedOn) {
  const FillJob job = PrepareFill(doc, FillRequest{}, Dict());
  ASSERT_EQ(job.problem.rowSlots.size(), 2u);
  AutofillFill fill;
  fill.words = {"ART", "CAT"};
  EXPECT_EQ(RowsLaidBy(job, fill), 2);
  test::PutWord(doc, 0, "AX");  // the user typed into row A meanwhile
  const auto before = Table(doc);
  EXPECT_FALSE(FillStillFits(doc, job));
  EXPECT_EQ(LayChosenFill(doc, job, fill), FillLaid::TableChanged);
  EXPECT_EQ(Table(doc), before);
}

}  // namespace
}  // namespace quotella
