#include <gtest/gtest.h>

#include <set>

#include "guiapp.h"
#include "render/svgwriter.h"
#include "support/fakehost.h"
#include "support/handpuzzle.h"
#include "support/svgtexts.h"

namespace quotella {
namespace {

using test::FakeHost;
using test::HandPuzzle;
using test::SvgTexts;

class SvgWriterTest : public ::testing::Test {
 protected:
  void SetUp() override { test::EnsureGuiApp(); }
  // `words` answers of five letters each, with their clues.
  void MakePuzzle(int words) {
    std::string quote;
    for (int i = 0; i < words * 5; ++i) quote += static_cast<char>('A' + i % 26);
    HandPuzzle::Lay(doc, quote, 21);
    for (int r = 0; r < words; ++r)
      HandPuzzle::AddWord(doc, r, {r * 5 + 1, r * 5 + 2, r * 5 + 3, r * 5 + 4, r * 5 + 5},
                          "Clue & <number> " + std::to_string(r + 1));
  }
  FakeHost host;
  PuzzleDocument doc{host};
};

TEST_F(SvgWriterTest, TheGridHoldsEveryCellNumberAndWithTheKeyEveryLetter) {
  MakePuzzle(45);
  BitmapStyle style;
  style.cellSize = BitmapStyle::kFontReferenceCellSize;  // roomy enough for every label
  style.key = true;
  QRectF box;
  const auto texts = SvgTexts(
      SvgWriter::Grid(doc.P, 21, doc.Grid.Rows, style, QStringLiteral("Ann & <Bo>")), &box);
  const std::multiset<std::string> found(texts.begin(), texts.end());
  for (int n = 1; n <= 225; ++n) EXPECT_EQ(found.count(std::to_string(n)), 1u) << n;
  EXPECT_EQ(found.count("SS"), 5u) << "the last answer's label on each of its cells";
  EXPECT_EQ(found.count("A"), 9u + 5u) << "nine letters A and the first answer's labels";
  const QSize size = GridBitmap::Size(21, doc.Grid.Rows, style);
  EXPECT_EQ(box, QRectF(0, 0, size.width(), size.height()));
}

TEST_F(SvgWriterTest, ThePagesFollowOneAnotherWithEveryClue) {
  MakePuzzle(52);
  PrintOptions options;
  options.title = "Famous Words";
  const FontSet fonts;
  PageFormat format;
  int pages = 0;
  QRectF box;
  const auto texts =
      SvgTexts(SvgWriter::Pages(doc, options, format, 600, fonts, Qt::black, &pages), &box);
  ASSERT_GE(pages, 2) << "52 answers need a continuation page";
  EXPECT_EQ(box.width(), format.width);
  EXPECT_EQ(box.height(), pages * (format.height + 150) - 150);
  EXPECT_EQ(texts.front(), "Famous Words");
  std::size_t at = 0;
  for (int r = 0; r < 52; ++r) {
    // The label is bold and a text of its own; its clue follows it.
    const std::string clue = "Clue & <number> " + std::to_string(r + 1);
    const auto next =
        std::find_if(texts.begin() + static_cast<long>(at), texts.end(), [&](const std::string& t) {
          return t.size() >= clue.size() &&
                 t.compare(t.size() - clue.size(), clue.size(), clue) == 0 &&
                 (t.size() == clue.size() || t[t.size() - clue.size() - 1] == ' ');
        });
    ASSERT_NE(next, texts.end()) << clue;
    at = static_cast<std::size_t>(next - texts.begin());
  }
}

}  // namespace
}  // namespace quotella
