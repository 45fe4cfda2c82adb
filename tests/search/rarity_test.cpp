#include "search/rarity.h"

#include <gtest/gtest.h>

#include "search/sorts.h"
#include "search_fixture.h"

namespace quotella {
namespace {

using test::FakeHost;
using test::TempDir;
using Lines = std::vector<std::string>;

std::string LettersIn(const RarityColors& colors, RarityBand band, const std::string& order) {
  std::string letters;
  for (char c : order)
    if (colors.Of(c) == band) letters.push_back(c);
  return letters;
}

TEST(RarityColors, TheDefaultTableGivesTheKnownBands) {
  FakeHost host;
  Tpuzzle p;
  RarityColors colors;
  Lines log;
  InitRarityColors(p, kDefaultDictWordCounts, colors, log, host);
  EXPECT_EQ(p.RarityOrder, "XZYQJKVWNLUGOHFIETMRDABPCS");
  EXPECT_EQ(LettersIn(colors, RarityBand::Red, p.RarityOrder), "XZYQJK");
  EXPECT_EQ(LettersIn(colors, RarityBand::Yellow, p.RarityOrder), "VWNLUGOH");
  EXPECT_EQ(LettersIn(colors, RarityBand::SkyBlue, p.RarityOrder), "FIETM");
  EXPECT_EQ(LettersIn(colors, RarityBand::MoneyGreen, p.RarityOrder), "RDABPCS");
  ASSERT_EQ(log.size(), 26u);
  EXPECT_EQ(log[0], "red  assigned to: X 000137X");
  EXPECT_EQ(log[6], "yellow assigned to: V 002741V");
  EXPECT_EQ(log[14], "skyblue assigned to: F 006799F");
  EXPECT_EQ(log[25], "money green assigned to: S 018839S");
  EXPECT_EQ(host.pendingEventCalls, 26);
  EXPECT_EQ(RarityRgb(RarityBand::SkyBlue), (Rgb{166, 202, 240}));
  EXPECT_EQ(RarityRgb(colors.Of('s')), (Rgb{192, 220, 192}));
}

TEST(RarityColors, EqualCountsTakeTheAlphabeticalOrder) {
  FakeHost host;
  Tpuzzle p;
  RarityColors colors;
  Lines log;
  LetterCounts counts{};
  counts.fill(7);
  counts[0] = 8;  // A last
  InitRarityColors(p, counts, colors, log, host);
  EXPECT_EQ(p.RarityOrder, "BCDEFGHIJKLMNOPQRSTUVWXYZA");
}

class RecountTest : public ::testing::Test {
 protected:
  RecountTest() : doc(host) {
    src.ProgramDir = tmp.Dir();
    for (char c = 'a'; c <= 'z'; ++c) tmp.Write(std::string(1, c) + ".txt", "w\r\n");
    tmp.Write("q.txt", "");
    tmp.Write("e.txt", std::string(40, 'e') + "\r\n" + "e\r\ne\r\n");
    Lines log;
    InitRarityColors(doc.P, src.DictWordCounts, colors, log, host);
  }
  FakeHost host;
  PuzzleDocument doc;
  TempDir tmp;
  WordSources src;
  RarityColors colors;
};

TEST_F(RecountTest, RecountsOnceFromTheLetterFiles) {
  ASSERT_TRUE(SetRarityColorsToDict(doc, src, colors));
  EXPECT_EQ(src.DictWordCounts[16], 0);  // Q
  EXPECT_EQ(src.DictWordCounts[4], 3);   // E
  EXPECT_EQ(doc.P.RarityOrder.front(), 'Q');
  EXPECT_EQ(doc.P.RarityOrder.back(), 'E');
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0],
            "Rarity colors in the Answer grid\rnow reflect the actual number of words in the "
            "\rDictionary files. There are 4 colors indicating \rin which order Answers should "
            "be filled in.\r\rRed    : Fill these first \rYellow : Fill these second\rBlue   : "
            "Fill these third\rGreen  : Fill these last");
  ASSERT_EQ(src.ProgressLog.size(), 1u + 26u + 26u);
  EXPECT_EQ(src.ProgressLog[0], "Assigning colors based on rarity...");
  EXPECT_EQ(src.ProgressLog[27], "A : 1");
  EXPECT_FALSE(colors.logVisible);

  tmp.Write("q.txt", "q\r\nq\r\nq\r\n");
  EXPECT_FALSE(SetRarityColorsToDict(doc, src, colors));
  EXPECT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(src.DictWordCounts[16], 0);
}

TEST_F(RecountTest, AFailedCountKeepsTheColoursAndAllowsAnotherTry) {
  std::filesystem::remove(tmp.Path("k.txt"));
  const std::string before = doc.P.RarityOrder;
  EXPECT_FALSE(SetRarityColorsToDict(doc, src, colors));
  EXPECT_EQ(host.messages, (Lines{"Could not load file " + tmp.Dir() + "K.txt"}));
  EXPECT_EQ(doc.P.RarityOrder, before);
  EXPECT_FALSE(colors.recountDone);
  tmp.Write("K.txt", "k\r\n");
  EXPECT_TRUE(SetRarityColorsToDict(doc, src, colors));
}

TEST(LetterFrequency, PromptsUntilTheAnswerHoldsEveryLetterOnce) {
  FakeHost host;
  PuzzleDocument doc(host);
  test::SetUpPuzzle(doc, "A", "");
  doc.P.NumProblemChars = 5;
  host.promptAnswers = {"ABC",
                        "ETAOINSHRDLUCMFGYPWBVKXJQQ",   // Q twice, no Z
                        "ETAOINSHRDLUCMFGYPWBVKXJQ",    // 25
                        "ETAOINSHRDLUCMFGYPWBVKXJQZA",  // 27
                        "etaoinshrdlucmfgypwbvkxjqz",   // lower case
                        "  ETAOINSHRDLUCMFGYPWBVKXJQZ "};
  ASSERT_TRUE(SetLetterFrequency(doc));
  ASSERT_EQ(host.prompts.size(), 6u);
  EXPECT_EQ(host.prompts[0],
            "Letter Frequency, Most common to least common | Must contain all 26 letters of the "
            "Alphabet!\rThe rightmost 11 letters will be considered \rthe \"Primary Problem "
            "Chars\" : ");
  EXPECT_EQ(doc.P.FreqOrder, "ETAOINSHRDLUCMFGYPWBVKXJQZ");
  EXPECT_EQ(doc.P.ReverseFreqOrder, "ZQJXKVBWPYGFMCULDRHSNIOATE");
  std::string problems;
  for (char c = 'A'; c <= 'Z'; ++c)
    if (InSet(doc.P.ProblemSet, c)) problems.push_back(c);
  EXPECT_EQ(problems, "JKQXZ");
  EXPECT_EQ(NumPrimaryProblemChars(doc.P, "ZQJXKVBWPYG"), 11);
  EXPECT_EQ(NumPrimaryProblemChars(doc.P, "FMCULDRHSNIOATE"), 0);
}

TEST(LetterFrequency, CancelKeepsAValidOrderAndNeverLoopsOnABrokenOne) {
  FakeHost host;
  PuzzleDocument doc(host);
  test::SetUpPuzzle(doc, "A", "");
  doc.P.FreqOrder = "ZYXWVUTSRQPONMLKJIHGFEDCBA";
  EXPECT_TRUE(SetLetterFrequency(doc));
  EXPECT_EQ(doc.P.FreqOrder, "ZYXWVUTSRQPONMLKJIHGFEDCBA");
  EXPECT_EQ(doc.P.ReverseFreqOrder, "ABCDEFGHIJKLMNOPQRSTUVWXYZ");

  doc.P.FreqOrder = "ETAOIN";  // a broken order from a settings file
  host.prompts.clear();
  EXPECT_FALSE(SetLetterFrequency(doc));
  EXPECT_EQ(host.prompts.size(), 1u);
  EXPECT_EQ(doc.P.FreqOrder, "ETAOIN");
}

}  // namespace
}  // namespace quotella
