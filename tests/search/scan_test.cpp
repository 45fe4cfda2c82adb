#include "search/scan.h"

#include <gtest/gtest.h>

#include "core/construction.h"
#include "search/searchcommands.h"
#include "search_fixture.h"

namespace quotella {
namespace {

using test::FakeHost;
using test::TempDir;
using Lines = std::vector<std::string>;

// Row A starts with T, row B with S; the pool holds E E A H R X.
class ScanTest : public ::testing::Test {
 protected:
  ScanTest() : doc(host) {
    test::SetUpPuzzle(doc, "TS", "EEAHRX");
    src.ProgramDir = tmp.Dir();
    tmp.Write("t.txt", "tree\r\nthe\r\ntea\r\ntext\r\nTHAT\r\nt{e}\r\nthe @ea\r\n");
  }
  FakeHost host;
  PuzzleDocument doc;
  TempDir tmp;
  WordSources src;
};

TEST_F(ScanTest, DictionaryScanListsFittingWordsInSortedOrder) {
  ScanDictionaryCommand(doc, src);
  // "the @ea" is read as THEEA: the letter files carry no comments.
  EXPECT_EQ(src.Candidates, (Lines{"TEA", "THE", "THEEA", "TREE"}));
  EXPECT_EQ(src.List(1).Items.size(), 7u);  // word list 1 shows the letter file
  EXPECT_EQ(src.List(1).Items.front(), "tea");
  EXPECT_EQ(src.List(1).FileName, "words1.txt");
  EXPECT_EQ(src.Pane, ListPane::Candidates);
  EXPECT_EQ(host.SoundNames(), (Lines{"ding"}));
}

TEST_F(ScanTest, OneLetterEntriesAreNeverCandidates) {
  // "S" and "s @x" fit row B on their own letter; an answer needs two letters.
  tmp.Write("s.txt", "s\r\nSEA\r\n");
  src.List(2).Items = {"S", "s @ the bare letter", "SHE"};
  doc.view().CurRow = 1;
  ScanDictionaryCommand(doc, src);
  EXPECT_EQ(src.Candidates, (Lines{"SEA"}));
  src.Candidates.clear();
  ScanWordlist(doc, src, 2);
  EXPECT_EQ(src.Candidates, (Lines{"SHE"}));
  // The letter file keeps its one-letter line.
  EXPECT_EQ(tmp.Read("s.txt"), "s\r\nSEA\r\n");
}

// GCC 12 at -O2 wrongly warns that the strings of the table below may be used
// uninitialised.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
TEST_F(ScanTest, ConditionsApplyOnlyWhileSwitchedOn) {
  struct Case {
    ScanConditions conditions;
    std::string locked;
    Lines expected;
  };
  const Case cases[] = {
      {{false, "EE", 5, 3}, "", {"TEA", "THE", "THEEA", "TREE"}},
      {{true, "EE", 0, 0}, "", {"THEEA", "TREE"}},
      {{true, "ee", 4, 4}, "", {"TREE"}},
      {{true, "", 0, 3}, "", {"TEA", "THE"}},
      {{true, "", 4, 4}, "", {"TREE"}},
      {{true, "T", 0, 0}, "", {}},  // the initial does not satisfy a must-have letter
      {{false, "", 0, 0}, "R", {"TEA", "THE", "THEEA"}},
      {{false, "", 0, 0}, "T", {}},  // a locked initial
  };
  for (const auto& c : cases) {
    doc.Conditions = c.conditions;
    doc.LetterLocked = {};
    for (char l : c.locked) doc.LetterLocked[static_cast<std::size_t>(LetterIndex(l))] = true;
    Lines found;
    ASSERT_TRUE(ScanDictionary(doc, src, true, found));
    EXPECT_EQ(found, c.expected) << c.conditions.mustHave << " " << c.locked;
  }
}
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif

TEST_F(ScanTest, MissingOrEmptyLetterFilesLeaveOnlyTheExplanation) {
  doc.view().CurRow = 1;  // S: no s.txt
  ScanDictionaryCommand(doc, src);
  EXPECT_EQ(host.messages, (Lines{"File does not exist: " + tmp.Dir() + "S.txt"}));
  EXPECT_EQ(src.Candidates, (Lines{"No candidates found"}));
  EXPECT_TRUE(src.List(1).Items.empty());
  EXPECT_EQ(host.SoundNames(), (Lines{"pshew"}));

  tmp.Write("S.TXT", "");
  host.Clear();
  ScanDictionaryCommand(doc, src);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(src.Candidates, (Lines{"No candidates found"}));

  doc.view().CurRow = 5;  // no puzzle row: nothing fits, nothing is read
  host.Clear();
  ScanDictionaryCommand(doc, src);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(src.Candidates, (Lines{"No candidates found"}));
}

TEST_F(ScanTest, DictDirOverridesTheProgramDirectory) {
  src.DictDir = tmp.Dir() + "dict/";
  std::filesystem::create_directories(src.DictDir);
  std::ofstream(src.DictDir + "t.txt") << "tax\n";
  Lines found;
  ASSERT_TRUE(ScanDictionary(doc, src, false, found));
  EXPECT_EQ(found, (Lines{"TAX"}));
}

TEST_F(ScanTest, WordListScanCutsCommentsAndExplainsAnEmptyResult) {
  src.List(2).FileName = "/lists/t-words.txt";
  src.List(2).Items = {"tax @ fee", "tea", "tree @ (plant)", "top"};
  ScanListCommand(doc, src, 2);
  EXPECT_EQ(src.Candidates, (Lines{"TAX", "TEA", "TREE"}));
  EXPECT_EQ(src.WordListFileLabel, "t-words.txt");
  EXPECT_TRUE(host.sounds.empty());

  doc.Conditions = {true, "ee", 2, 3};
  ScanListCommand(doc, src, 2);
  EXPECT_EQ(src.Candidates, (Lines{"No words found in word list 2", "(/lists/t-words.txt)",
                                   "meeting these conditions ", "", "Conditions: Must contain ee",
                                   "Maximum length: 3", "Minimum length: 2"}));

  doc.Conditions = {false, "ee", 2, 3};
  src.List(2).Items = {"apple"};
  ScanListCommand(doc, src, 2);
  EXPECT_EQ(src.Candidates, (Lines{"No words found in word list 2", "(/lists/t-words.txt)",
                                   "scanning with NO conditions "}));
}

TEST_F(ScanTest, CandidateStatisticsCountBackTheRowsPresentWord) {
  // Empty row T, pool E E A H R X: 6 letters, 3 vowels.
  doc.P.VowelPercent = 50.0;
  CandidateStats s = CandidateStatistics(doc, " THREE ", "GYPWBVKXJQZ");
  // r = HREE: w = 0.5, p = 0.5, next share (3 - 2) / (6 - 4) = 50%.
  EXPECT_EQ(s.vowelOutlook, "50.0% Vowels +50.0");
  EXPECT_EQ(s.panels[0], "Vow: 0.4");
  EXPECT_EQ(s.panels[1], "Prob: 1");  // H
  EXPECT_EQ(s.panels[2], "Wrst: 0");
  EXPECT_EQ(s.panels[3], "Len 5");
  EXPECT_EQ(s.panels[4], "Avg 2");  // (6 - 4) / (2 - 1)

  // Row T holds TEA: its E and A count back (8 letters, 5 vowels) for the outlook; the
  // average uses the pool as it is, with one empty row left (Avg 0).
  test::PutWord(doc, 0, "TEA");
  doc.P.PoolOf('E') -= 1;
  doc.P.PoolOf('A') -= 1;
  s = CandidateStatistics(doc, "THEX", "X");
  // r = HEX: w = 1/3 <= p = 3/6; next = (3 - 1) / (6 - 3) = 66.7%.
  EXPECT_EQ(s.vowelOutlook, "50.0% Vowels +66.7");
  EXPECT_EQ(s.panels[1], "Prob: 2");
  EXPECT_EQ(s.panels[2], "Wrst: 1");
  EXPECT_EQ(s.panels[0], "Vow: 0.3");
  EXPECT_EQ(s.panels[4], "Avg 0");

  s = CandidateStatistics(doc, "A", "");
  EXPECT_EQ(s.panels[0], "Vow: 0");
  EXPECT_EQ(s.panels[3], "Len 1");
}

}  // namespace
}  // namespace quotella

namespace quotella {
namespace {

using Lines = std::vector<std::string>;

TEST_F(ScanTest, ScanCommandSwitchesConditionsOnAndSortsOnlyRealCandidates) {
  ScanRequest request;
  request.label = "a";
  request.dictDir = tmp.Dir();
  request.sort = SortByName("length");
  Lines out;
  EXPECT_EQ(RunScan(doc, request, "", out), 0);
  EXPECT_EQ(out, (Lines{"THEEA", "TREE", "TEA", "THE"}));
  EXPECT_FALSE(doc.Conditions.on);

  request.maxLength = 3;
  out.clear();
  EXPECT_EQ(RunScan(doc, request, "", out), 0);
  EXPECT_EQ(out, (Lines{"TEA", "THE"}));
  EXPECT_TRUE(doc.Conditions.on);

  request.label = "b";  // S: no letter file
  out.clear();
  EXPECT_EQ(RunScan(doc, request, "", out), 1);
  EXPECT_EQ(out, (Lines{"No candidates found"}));

  request.label = "C";
  EXPECT_EQ(RunScan(doc, request, "", out), 2);
  EXPECT_FALSE(SortByName("alphabet").has_value());
}

TEST_F(ScanTest, ScanCommandReadsWordListsAndGivesStatistics) {
  tmp.Write("mine.txt", "tax\r\ntoo\r\n");
  ScanRequest request;
  request.label = "A";
  request.listFile = tmp.Path("mine.txt");
  Lines out;
  EXPECT_EQ(RunScan(doc, request, "", out), 0);
  EXPECT_EQ(out, (Lines{"TAX"}));

  request.listFile = tmp.Path("none.txt");
  EXPECT_EQ(RunScan(doc, request, "", out), 1);

  request.statsWord = "three";
  out.clear();
  EXPECT_EQ(RunScan(doc, request, "GYPWBVKXJQZ", out), 0);
  EXPECT_EQ(out.size(), 6u);
  EXPECT_EQ(out[4], "Len 5");
}

// The puzzle of a real quotation (rows LORDBYRON SHEWALKSINBEAUTY; the quotation has no
// X, J, Q or Z) with a scored list; the caret on row A (L).
class ScoredScanTest : public ::testing::Test {
 protected:
  ScoredScanTest() : doc(host) {
    EXPECT_EQ(QuotesEditorDblClick(doc, test::kByronLine), DblClickResult::Made);
    doc.view().CurRow = 0;
    host.sounds.clear();
    auto words = std::make_shared<ScoredWords>();
    words->files = {"/lists/mine.txt", "/lists/theirs.txt"};
    words->table.AddText(
        "LIGHT;90\nLA;80\nLANE;70\nLAKE;70\nLAMB;60\nLOT;40\nLUXURY;99\n"
        "BRIGHT;95\nL;100\n",
        50);
    src.Scored = words;
  }
  FakeHost host;
  PuzzleDocument doc;
  WordSources src;
};

TEST_F(ScoredScanTest, TakesTheRowsFittingWordsAtTheMinimumBestFirst) {
  src.Candidates = {"old"};
  EXPECT_EQ(ScanScoredLists(doc, src), 5);
  // LOT is under the minimum, LUXURY needs an X, BRIGHT starts another row, L is one letter.
  EXPECT_EQ(src.Candidates, (Lines{"LIGHT", "LA", "LAKE", "LANE", "LAMB"}));
  EXPECT_EQ(src.WordListFileLabel, "mine.txt, theirs.txt");
  EXPECT_TRUE(src.WordListFileLabelVisible);
  EXPECT_EQ(src.Pane, ListPane::Candidates);
  EXPECT_TRUE(host.sounds.empty());

  doc.Conditions = {true, "A", 0, 4};
  EXPECT_EQ(ScanScoredLists(doc, src), 4);
  EXPECT_EQ(src.Candidates, (Lines{"LA", "LAKE", "LANE", "LAMB"}));
  doc.Conditions.on = false;
  doc.view().CurRow = 4;  // B
  EXPECT_EQ(ScanScoredLists(doc, src), 1);
  EXPECT_EQ(src.Candidates, (Lines{"BRIGHT"}));
}

TEST_F(ScoredScanTest, ExplainsAScanThatFindsNothing) {
  doc.Conditions = {true, "ee", 5, 0};
  EXPECT_EQ(ScanScoredLists(doc, src), 0);
  EXPECT_EQ(src.Candidates,
            (Lines{"No words found in the scored word lists", "(/lists/mine.txt)",
                   "(/lists/theirs.txt)", "scoring at least 50", "meeting these conditions ", "",
                   "Conditions: Must contain ee", "Minimum length: 5"}));
  src.Scored = std::make_shared<const ScoredWords>();
  doc.Conditions.on = false;
  EXPECT_EQ(ScanScoredLists(doc, src), 0);
  EXPECT_EQ(src.Candidates,
            (Lines{"No words found in the scored word lists", "(no scored word list is named)",
                   "scoring at least 50", "scanning with NO conditions "}));
}

TEST_F(ScoredScanTest, AWordListScanSortsByScoreWithTheUnlistedLast) {
  src.List(2).Items = {"lady", "lake", "lamb", "lane", "last", "light", "lot"};
  ScanListCommand(doc, src, 2);
  SortCandidates(doc, src, CandidateSort::Score);
  // Listed words by score, ties alphabetical (LOT too: sorting ignores the minimum), then
  // the unlisted in the order the scan met them.
  EXPECT_EQ(src.Candidates, (Lines{"LIGHT", "LAKE", "LANE", "LAMB", "LOT", "LADY", "LAST"}));
  EXPECT_EQ(CandidateScoreText(*src.Scored, "LIGHT"), "90");
  EXPECT_EQ(CandidateScoreText(*src.Scored, "lot"), "40");
  EXPECT_EQ(CandidateScoreText(*src.Scored, "LADY"), "");
}

}  // namespace
}  // namespace quotella
