#include "core/clues.h"

#include <gtest/gtest.h>

#include "support/fakehost.h"

namespace quotella {
namespace {

using test::FakeHost;

TEST(Clues, RemoveLabelDropsAShortLabelPrefixOnly) {
  const std::pair<const char*, const char*> cases[] = {
      {"B. A small bird", " A small bird"},
      {"AA. Twin", " Twin"},
      {"A.", ""},
      {". x", " x"},
      {"ABCD. x", "ABCD. x"},
      {"No label here. Really", "No label here. Really"},
      {"", ""},
      {"Q.E.D.", "E.D."}};
  for (const auto& [line, clue] : cases) EXPECT_EQ(RemoveLabel(line), clue) << line;
}

struct ClueFixture {
  FakeHost host;
  PuzzleDocument doc{host};
  explicit ClueFixture(int words) {
    MakeLabels(doc.P);
    doc.P.NumWords = words;
    for (int r = 0; r < words; ++r) {
      doc.KeyWords.At(0, r) = doc.Label(r);
      doc.KeyWords.At(1, r) = "T";
      doc.ClueLines.push_back(doc.Label(r) + ".");
    }
    doc.KeyWords.At(2, 1) = "O";
  }
};

TEST(Clues, TablePromptWalksDownTheRowsAndStopsAtTheLast) {
  ClueFixture f(3);
  f.doc.ClueLines[1] = "B. A small bird";
  f.host.promptAnswers = {"  First  ", std::nullopt, "Third"};
  EXPECT_EQ(WriteClue1Click(f.doc), 0);
  EXPECT_EQ(WriteClue1Click(f.doc), 1);
  EXPECT_EQ(WriteClue1Click(f.doc), 2);
  EXPECT_EQ(f.doc.view().CurRow, 2);
  EXPECT_EQ(f.doc.ClueLines, (std::vector<std::string>{"A. First", "B. A small bird", "C. Third"}));
  EXPECT_EQ(f.host.prompts[1], "CLUE ENTRY | Enter the clue for B.  TO");
  // one more stays on the last row
  f.host.promptAnswers = {"Again"};
  EXPECT_EQ(WriteClue1Click(f.doc), 2);
  EXPECT_EQ(f.doc.view().CurRow, 2);
  EXPECT_EQ(f.doc.ClueLines[2], "C. Again");
}

TEST(Clues, ListPromptRewritesTheCaretLine) {
  ClueFixture f(28);
  f.doc.ClueLines[26] = "AA. Old";
  f.doc.ClueLines[3] = "lost its label";
  f.host.promptAnswers = {std::nullopt, std::nullopt};
  WriteClue2Click(f.doc, 26);
  WriteClue2Click(f.doc, 3);
  EXPECT_EQ(f.doc.ClueLines[26], "AA. Old");
  EXPECT_EQ(f.doc.ClueLines[3], "D. lost its label");
  WriteClue2Click(f.doc, 28);  // beyond the answer words: nothing asked
  WriteClue2Click(f.doc, -1);
  EXPECT_EQ(f.host.prompts.size(), 2u);
  EXPECT_EQ(f.doc.ClueLines.size(), 28u);
}

}  // namespace
}  // namespace quotella
