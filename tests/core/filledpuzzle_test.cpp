#include <gtest/gtest.h>

#include <map>

#include "core/answertable.h"
#include "core/assignment.h"
#include "core/construction.h"
#include "core/poolstatus.h"
#include "core/swapping.h"
#include "core/textio.h"
#include "support/fakehost.h"

namespace quotella {
namespace {

// Answers for "She Walks in Beauty", one per initial of LORDBYRONSHEWALKSINBEAUTY, that
// use up the pool exactly.
const std::vector<std::string> kByronAnswers = {
    "LEASH",   "OATH",   "RESTS", "DISH", "BEADY",     "YETI", "REEK", "ODES", "NICHE",
    "SHANDLE", "HERBAL", "ELM",   "WIFE", "ANTARCTIC", "LEFT", "KNIT", "STAG", "INK",
    "NAG",     "BLURTS", "ENDS",  "ASKS", "UPHOLD",    "TRAM", "YES"};

class FilledPuzzle : public ::testing::Test {
 protected:
  test::FakeHost host;
  PuzzleDocument doc{host};

  void SetUp() override {
    const auto lines =
        ReadTextLines(std::string(QUOTELLA_SOURCE_DIR) + "/tests/data/bench_quotes.txt");
    ASSERT_TRUE(lines.has_value());
    std::string byron;
    for (const auto& line : *lines)
      if (line.rfind("Lord Byron@", 0) == 0) byron = line;
    ASSERT_FALSE(byron.empty());
    ResetPuzzle(doc);
    ASSERT_EQ(QuotesEditorDblClick(doc, byron), DblClickResult::Made);
    ASSERT_EQ(doc.P.QuotellaStr, "LORDBYRONSHEWALKSINBEAUTY");
    host.Clear();
  }

  // Each answer starts with its row's initial, and the letters after the initials are
  // exactly the pool.
  void ExpectAnswersUseUpThePool() {
    ASSERT_EQ(kByronAnswers.size(), static_cast<std::size_t>(doc.P.NumWords));
    LetterCounts used{};
    for (std::size_t r = 0; r < kByronAnswers.size(); ++r) {
      EXPECT_EQ(kByronAnswers[r][0], doc.P.QuotellaStr[r]) << kByronAnswers[r];
      for (char c : kByronAnswers[r].substr(1)) ++used[static_cast<std::size_t>(LetterIndex(c))];
    }
    EXPECT_EQ(used, doc.P.Pool);
  }

  // Every letter cell is named by exactly one table entry holding its letter.
  void ExpectEveryCellMappedOnce() {
    std::map<int, int> named;
    for (int r = 0; r < doc.P.NumWords; ++r)
      for (int c = 1; !doc.KeyWords.At(c, r).empty(); ++c) {
        const int i = MappedIndex(doc, c, r);
        ASSERT_NE(i, 0);
        ++named[i];
        const auto& cell = doc.P.Cells[static_cast<std::size_t>(i)];
        EXPECT_EQ(cell.Char, doc.KeyWords.At(c, r)[0]);
        EXPECT_EQ(cell.KeywordRow, r);
        EXPECT_EQ(cell.KeywordCol, c);
        EXPECT_EQ(cell.CellLabel, doc.Label(r));
      }
    for (int i = 1; i <= doc.P.NumCells; ++i) {
      const bool letter = !doc.P.Cells[static_cast<std::size_t>(i)].Special;
      EXPECT_EQ(named.count(i) == 1 && named[i] == 1, letter) << i;
    }
  }
};

TEST_F(FilledPuzzle, LayingEveryAnswerCompletesThePuzzleAndItsStatus) {
  ExpectAnswersUseUpThePool();
  // Half the rows through the candidate list, half laid directly; the last (row 24)
  // as a candidate, which announces the end.
  for (int r = 0; r < doc.P.NumWords; ++r) {
    const std::string& word = kByronAnswers[static_cast<std::size_t>(r)];
    if (r % 2 == 0)
      CandidatesDblClick(doc, {2, r}, {word}, 0);
    else
      ASSERT_TRUE(LayInString(doc, word, r));
    EXPECT_EQ(Keystring(doc, r), word);
  }
  EXPECT_EQ(host.messages, std::vector<std::string>{"Congratulations! The Puzzle is Filled-In!"});
  EXPECT_TRUE(PoolIsEmpty(doc));
  ExpectEveryCellMappedOnce();

  UpdateCharStatus(doc);
  EXPECT_EQ(host.StatusText(StatusBar::Main, 2), "Puzzle is complete!");
  EXPECT_EQ(host.StatusText(StatusBar::CharStatus2, 1), "Pool 0");
  EXPECT_EQ(host.StatusText(StatusBar::CharStatus2, 4), "0% Vowels  ");
  EXPECT_EQ(host.StatusText(StatusBar::CharStatus1, 3), "0 Empty ");
  EXPECT_EQ(host.StatusText(StatusBar::Main, 3), "Problem Chars:  * ");
}

TEST_F(FilledPuzzle, ExchangesKeepTheMappingWhole) {
  for (int r = 0; r < doc.P.NumWords; ++r)
    ASSERT_TRUE(LayInString(doc, kByronAnswers[static_cast<std::size_t>(r)], r));
  // Take every offered exchange for the E's, from the grid and from the list in turn.
  SwapState state;
  int exchanges = 0;
  for (int i = 1; i <= doc.P.NumCells; ++i) {
    if (doc.P.Cells[static_cast<std::size_t>(i)].Char != 'E') continue;
    state.Lines.clear();
    PuzzleGridDblClick(doc, state, i);
    ASSERT_TRUE(doc.HighlightActive);
    for (int line = 4; line < static_cast<int>(state.Lines.size()); ++line) {
      if (state.Lines[static_cast<std::size_t>(line)].find("(Best ") == std::string::npos) continue;
      ++exchanges;
      ASSERT_TRUE(SwapListBoxDblClick(doc, state, line));
      break;
    }
    ClearHighlights(doc);
  }
  EXPECT_GT(exchanges, 0);
  EXPECT_TRUE(host.messages.empty());
  ExpectEveryCellMappedOnce();
  for (int r = 0; r < doc.P.NumWords; ++r)
    EXPECT_EQ(Keystring(doc, r), kByronAnswers[static_cast<std::size_t>(r)]);
  // The marks agree with a fresh count of labels per quote word.
  RefreshAllWordInfo(doc);
  const auto before = doc.P.Cells;
  RecomputeIllegal(doc.P);
  for (int i = 1; i <= doc.P.NumCells; ++i)
    EXPECT_EQ(doc.P.Cells[static_cast<std::size_t>(i)].Illegal,
              before[static_cast<std::size_t>(i)].Illegal)
        << i;
}

}  // namespace
}  // namespace quotella
