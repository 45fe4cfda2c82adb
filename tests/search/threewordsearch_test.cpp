#include "search/threewordsearch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "search/wordsource.h"

namespace quotella {
namespace {

// Records every report in one sequence so that order across kinds is compared too.
struct RecordingSink : ThreeWordSink {
  std::vector<std::string> events;
  std::function<void(const std::string&)> onSolution;
  void LogLine(const std::string& line) override {
    events.push_back("log:" + line);
    if (onSolution && line.find(" * ") != std::string::npos) onSolution(line);
  }
  void CandidateLine(const std::string& line) override { events.push_back("cand:" + line); }
  void StatusReport(const std::string& text) override { events.push_back("status:" + text); }
};

LetterCounts CountsOf(const std::string& letters) {
  LetterCounts c{};
  for (char ch : letters) ++c[static_cast<std::size_t>(ch - 'A')];
  return c;
}

// Words over a tiny alphabet, so that many words of a list are anagrams of each other and
// many pairs leave the same remainder.
std::vector<std::string> CrampedWords(std::mt19937& rng, char initial, std::size_t n) {
  std::vector<std::string> words;
  std::uniform_int_distribution<int> len(1, 6);
  std::uniform_int_distribution<int> letter(0, 3);
  for (std::size_t i = 0; i < n; ++i) {
    std::string w(1, initial);
    const int l = len(rng);
    for (int k = 1; k < l; ++k) w += static_cast<char>('A' + letter(rng));
    words.push_back(w);
  }
  return words;
}

ThreeWordSearch::Lists CrampedLists(unsigned seed, LetterCounts& pool) {
  std::mt19937 rng(seed);
  ThreeWordSearch::Lists lists{CrampedWords(rng, 'S', 60), CrampedWords(rng, 'T', 50),
                               CrampedWords(rng, 'A', 70)};
  // Entries a scan would not produce but an edited list may hold: they must be treated
  // alike by both engines.
  lists[1].push_back("");
  lists[2].push_back("a b");
  lists[2].push_back("Abc");
  lists[2].push_back(lists[2][3]);  // a duplicate
  const std::string taken = lists[0][5].substr(1) + lists[1][7].substr(1) + lists[2][11].substr(1);
  pool = CountsOf(taken);
  return lists;
}

std::vector<std::string> RunWith(bool fast, const ThreeWordSearch::Lists& lists,
                                 const LetterCounts& pool,
                                 const std::function<void(ThreeWordControl&, int)>& onSolution = {},
                                 ThreeWordOutcome* outcome = nullptr) {
  ThreeWordControl control;
  RecordingSink sink;
  int count = 0;
  if (onSolution) sink.onSolution = [&](const std::string&) { onSolution(control, ++count); };
  const auto o = fast ? ThreeWordSearch::RunFast(lists, pool, control, sink)
                      : ThreeWordSearch::RunPlain(lists, pool, control, sink);
  if (outcome) *outcome = o;
  return sink.events;
}

TEST(ThreeWordSearch, FastSearchListsThePlainLoopsSolutionsInOrderOnAnagramHeavyLists) {
  for (unsigned seed = 1; seed <= 12; ++seed) {
    LetterCounts pool{};
    const auto lists = CrampedLists(seed, pool);
    const auto plain = RunWith(false, lists, pool);
    const auto fast = RunWith(true, lists, pool);
    EXPECT_EQ(plain, fast) << "seed " << seed;
    EXPECT_GT(plain.size(), 5u) << "seed " << seed;  // at least one solution besides the frame
    EXPECT_EQ(plain.front(), "log:Beginning brute force search");
    EXPECT_EQ(plain[1], "log:Use Right-click menu to EXIT");
  }
}

TEST(ThreeWordSearch, SolutionLinesAndResultLine) {
  const ThreeWordSearch::Lists lists{{{"SAT", "SO"}, {"TOE", "TEA"}, {"AT", "ATE", "ASS"}}};
  // Pool after the initials: AT + OE + TE -> A E E O T T
  const auto events = RunWith(true, lists, CountsOf("AEEOTT"));
  const std::vector<std::string> expected{"log:Beginning brute force search",
                                          "log:Use Right-click menu to EXIT", "log:SAT * TOE * ATE",
                                          "cand:!SAT*TOE*ATE", "log:Found 1 solutions"};
  EXPECT_EQ(events, expected);
  const auto none = RunWith(true, lists, CountsOf("ZZZZZZ"));
  EXPECT_EQ(none.back(), "status:No Solutions found");
  EXPECT_EQ(none, RunWith(false, lists, CountsOf("ZZZZZZ")));
}

TEST(ThreeWordSearch, LastEntryOfEveryListTakesPart) {
  const ThreeWordSearch::Lists lists{{{"SX", "SAB"}, {"TX", "TCD"}, {"UX", "UEF"}}};
  const auto events = RunWith(true, lists, CountsOf("ABCDEF"));
  EXPECT_EQ(events[2], "log:SAB * TCD * UEF");
}

TEST(ThreeWordSearch, SkipAbandonsTheCurrentFirstWordInBothEngines) {
  for (unsigned seed = 1; seed <= 6; ++seed) {
    LetterCounts pool{};
    auto lists = CrampedLists(seed, pool);
    // Distinct first words, so that the lines tell which word of list 1 they belong to.
    std::sort(lists[0].begin(), lists[0].end());
    lists[0].erase(std::unique(lists[0].begin(), lists[0].end()), lists[0].end());
    auto skipOnOdd = [](ThreeWordControl& c, int n) {
      if (n % 2 == 1) c.skip.store(true);
    };
    const auto plain = RunWith(false, lists, pool, skipOnOdd);
    const auto fast = RunWith(true, lists, pool, skipOnOdd);
    EXPECT_EQ(plain, fast) << "seed " << seed;
    // After a skip the next solution has another first word.
    std::vector<std::string> firstWords;
    for (const auto& e : fast)
      if (e.rfind("cand:!", 0) == 0) firstWords.push_back(e.substr(6, e.find('*') - 6));
    for (std::size_t n = 1; n < firstWords.size(); n += 2)
      EXPECT_NE(firstWords[n - 1], firstWords[n]) << "seed " << seed;
  }
}

TEST(ThreeWordSearch, EndNowAndEscStopTheSearchWithTheirTexts) {
  LetterCounts pool{};
  const auto lists = CrampedLists(3, pool);
  const auto all = RunWith(true, lists, pool);
  ASSERT_GT(std::count_if(all.begin(), all.end(),
                          [](const std::string& e) { return e.rfind("cand:", 0) == 0; }),
            2);

  for (bool fast : {false, true}) {
    ThreeWordOutcome outcome;
    const auto stopped = RunWith(
        fast, lists, pool,
        [](ThreeWordControl& c, int n) {
          if (n == 2) {
            c.searching.store(false);
            c.skip.store(true);
          }
        },
        &outcome);
    EXPECT_EQ(stopped.back(), "log:Found 2 solutions");
    EXPECT_TRUE(outcome.stopped);
    EXPECT_FALSE(outcome.aborted);

    // Esc is seen at the next step; the solutions of the current pair still come out.
    auto escAtFirst = [](ThreeWordControl& c, int n) {
      if (n == 1) c.escape.store(true);
    };
    const auto aborted = RunWith(fast, lists, pool, escAtFirst, &outcome);
    EXPECT_EQ(aborted, RunWith(!fast, lists, pool, escAtFirst));
    const std::vector<std::string> tail(aborted.end() - 3, aborted.end() - 1);
    EXPECT_EQ(tail, (std::vector<std::string>{"log:", "log:User has aborted search."}));
    EXPECT_EQ(aborted.back(), "log:Found " + std::to_string(outcome.solutions) + " solutions");
    EXPECT_TRUE(outcome.aborted);
  }

  // Esc before any solution: the result line says none were found.
  ThreeWordControl control;
  control.escape.store(true);
  RecordingSink sink;
  ThreeWordSearch::RunFast(lists, pool, control, sink);
  EXPECT_EQ(sink.events.back(), "status:No Solutions found");
  EXPECT_FALSE(control.searching.load());
}

TEST(ThreeWordSearch, CompletesPuzzleHoldsExactlyThePoolsLetters) {
  const LetterCounts pool = CountsOf("AEET");
  struct Case {
    const char* text;
    bool completes;
  } cases[] = {{"TEEA", true},   {"t e e a", true}, {"TEA", false},
               {"TEEAA", false}, {"TEE-A!", true},  {"", false}};
  for (const auto& c : cases) EXPECT_EQ(CompletesPuzzle(c.text, pool), c.completes) << c.text;
  LetterCounts negative = pool;
  negative[25] = -2;  // an overdrawn letter counts as none left
  EXPECT_TRUE(CompletesPuzzle("TEEA", negative));
}

// Real dictionary words: the three letter files of a small pool, filtered by what fits.
TEST(ThreeWordSearch, FastSearchMatchesThePlainLoopOnDictionaryLists) {
  const std::string dir = QUOTELLA_PROGRAM_DIR "/";
  if (!HasDictionary(dir)) GTEST_SKIP() << "no dictionary in " << dir;
  const LetterCounts pool = CountsOf("AEEINORSTT");  // "rat" "tie" "nose" less their initials
  ThreeWordSearch::Lists lists;
  const char initials[3] = {'R', 'T', 'N'};
  for (std::size_t t = 0; t < 3; ++t) {
    auto words = LoadLetterWords(dir, initials[t]);
    ASSERT_TRUE(words.has_value());
    for (const auto& w : *words) {
      LetterCounts c{};
      bool fits = w.size() >= 2 && static_cast<int>(w.size()) - 1 <= 6;
      for (std::size_t n = 1; n < w.size() && fits; ++n) {
        auto& k = c[static_cast<std::size_t>(w[n] - 'A')];
        fits = ++k <= pool[static_cast<std::size_t>(w[n] - 'A')];
      }
      if (fits) lists[t].push_back(w);
    }
    ASSERT_GT(lists[t].size(), 20u);
  }
  const auto plain = RunWith(false, lists, pool);
  const auto fast = RunWith(true, lists, pool);
  EXPECT_EQ(plain, fast);
  EXPECT_GT(plain.size(), 10u);
}

}  // namespace
}  // namespace quotella
