#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "core/textio.h"
#include "render/cluelayout.h"
#include "render/cluepreview.h"
#include "support/fakehost.h"
#include "support/handpuzzle.h"

namespace quotella {
namespace {

// 5 pixels a character, 10 pixels a line.
class ScreenMeasure : public TextMeasure {
 public:
  int TextWidth(FontRole, const std::string& text) const override {
    return 5 * static_cast<int>(text.size());
  }
  int TextHeight(FontRole, const std::string&) const override { return 10; }
};

TEST(CluePreview, FlowsThroughThreeColumnsBelowTheGridAndDropsWhatDoesNotFit) {
  test::FakeHost host;
  PuzzleDocument doc{host};
  test::HandPuzzle::Lay(doc, std::string(520, 'E'), 21);
  for (int r = 0; r < 52; ++r) {
    std::vector<int> cells;
    for (int k = 0; k < 10; ++k) cells.push_back(r * 10 + k + 1);
    test::HandPuzzle::AddWord(doc, r, cells, "a clue long enough to wrap onto a second line here");
  }
  const ScreenMeasure measure;
  const auto texts = CluePreview::Compute(doc, 300, measure);
  std::set<int> xs;
  int minY = 1000;
  for (const auto& t : texts) {
    xs.insert(t.x);
    minY = std::min(minY, t.y);
    EXPECT_LT(t.y, CluePreview::kPageSize) << t.text;
    if (t.role == FontRole::Clue) {
      EXPECT_LT(measure.TextWidth(t.role, t.text), 212) << t.text;
    }
  }
  EXPECT_EQ(xs, (std::set<int>{1, 1 + 266, 1 + 2 * 266}));
  EXPECT_EQ(minY, 300);
  // Each block asks for 2 clue lines + 3 x 1 number line = 50 pixels of room: nine blocks
  // a column from 300, so the preview shows A to AA and stops.
  EXPECT_EQ(texts.front().text, "A. a clue long enough to wrap onto a");
  bool hasAA = false, hasBB = false;
  for (const auto& t : texts) {
    hasAA = hasAA || t.text.rfind("AA. ", 0) == 0;
    hasBB = hasBB || t.text.rfind("BB. ", 0) == 0;
  }
  EXPECT_TRUE(hasAA);
  EXPECT_FALSE(hasBB);
}

}  // namespace
}  // namespace quotella

namespace quotella {
namespace {

// Counts characters, not bytes, the way a font measures a UTF-8 text.
int CharactersWide(const std::string& s) {
  return static_cast<int>(
      std::count_if(s.begin(), s.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

TEST(ClueWrap, AWordWiderThanTheColumnBreaksBetweenCharactersNeverInsideOne) {
  const std::string word = "\xC5\x81\xC3\xB3\x64\xC5\xBA\xF0\x9F\x98\x80\xC5\x81\xC3\xB3\x64";
  const auto lines = ClueLayout::Wrap(word, 3, CharactersWide);
  std::string joined;
  for (const auto& line : lines) {
    EXPECT_LT(CharactersWide(line), 3) << line;
    EXPECT_TRUE(IsValidUtf8(line)) << line;
    joined += line;
  }
  EXPECT_EQ(joined, word);
}

}  // namespace
}  // namespace quotella
