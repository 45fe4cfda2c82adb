// Random puzzles of every size on every page: the layout's boxes stay on their pages and
// apart, every text sits in a box, and nothing is printed twice or left out.
#include <gtest/gtest.h>

#include <map>
#include <random>

#include "render/pagelayout.h"
#include "support/fakehost.h"
#include "support/handpuzzle.h"

namespace quotella {
namespace {

using test::FakeHost;
using test::HandPuzzle;

// Widths and heights in proportion to the default point sizes at 600 dots per inch.
class ProportionalMeasure : public TextMeasure {
 public:
  int TextWidth(FontRole role, const std::string& text) const override {
    return static_cast<int>(text.size()) * Dots(role) / 2;
  }
  int TextHeight(FontRole role, const std::string&) const override {
    return Dots(role) * 115 / 100;
  }

 private:
  static int Dots(FontRole role) {
    return kDefaultPoints[static_cast<std::size_t>(role)] * 600 / 72;
  }
};

struct Paper {
  const char* name;
  PageFormat portrait;
};

// Letter and A4 with half-inch margins.
const Paper kPapers[] = {{"Letter", {4500, 6000, false}}, {"A4", {4361, 6414, false}}};

class RandomPuzzle {
 public:
  explicit RandomPuzzle(unsigned seed) : m_rng(seed) {}

  int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(m_rng); }
  bool Coin() { return Between(0, 1) == 1; }

  std::string Text(int length) {
    std::string text;
    while (static_cast<int>(text.size()) < length) {
      // Now and then a word no column can hold: an address or a chemical name.
      const int word = Between(0, 20) == 0 ? Between(60, 400) : Between(1, 12);
      for (int i = 0; i < word; ++i) text += static_cast<char>('a' + Between(0, 25));
      text += ' ';
    }
    return text.substr(0, static_cast<std::size_t>(length));
  }

  void Build(PuzzleDocument& doc) {
    const int answers = Between(1, kMaxWords);
    const int cells = Between(std::max(20, answers), 900);
    std::string quote;
    for (int i = 0; i < cells; ++i) {
      const int r = Between(0, 30);
      quote += i > 0 && r < 5 ? ' ' : i > 0 && r == 5 ? '-' : static_cast<char>('A' + r % 26);
    }
    HandPuzzle::Lay(doc, quote, Between(8, 52));
    doc.P.QuoteOrig = Text(Between(0, 900));
    doc.P.AuthorOrig = Text(Between(0, 40));
    doc.P.WorkOrig = Text(Between(0, 60));
    std::vector<int> letters;
    for (int i = 1; i <= cells; ++i)
      if (doc.P.Cells[static_cast<std::size_t>(i)].CellNumber != 0) letters.push_back(i);
    std::shuffle(letters.begin(), letters.end(), m_rng);
    // Each answer takes a share of the letters (at most a table row's worth); the rest
    // stay unlabelled, as in a puzzle still being made.
    const int rows = std::min(answers, static_cast<int>(letters.size()));
    std::size_t next = 0;
    for (int row = 0; row < rows; ++row) {
      const int length = std::min(Between(1, 20), kTableSize - 1);
      std::vector<int> word;
      for (int k = 0; k < length && next < letters.size(); ++k) word.push_back(letters[next++]);
      if (word.empty()) word.push_back(letters[static_cast<std::size_t>(row)]);
      const int clue = Between(0, 3) == 0 ? Between(500, 2000) : Between(0, 120);
      HandPuzzle::AddWord(doc, row, word, Text(clue));
    }
  }

 private:
  std::mt19937 m_rng;
};

bool Inside(const QRect& outer, const QRect& inner) {
  return inner.left() >= outer.left() && inner.top() >= outer.top() &&
         inner.left() + inner.width() <= outer.left() + outer.width() &&
         inner.top() + inner.height() <= outer.top() + outer.height();
}

TEST(PageLayoutProperty, EveryBoxStaysOnItsPageApartAndEveryPartIsPrintedExactlyOnce) {
  const ProportionalMeasure measure;
  for (unsigned seed = 1; seed <= 520; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    RandomPuzzle random(seed);
    FakeHost host;
    PuzzleDocument doc{host};
    random.Build(doc);
    PrintOptions options;
    options.key = random.Coin();
    options.help = random.Coin();
    options.copyrightOnLastPage = random.Coin();
    options.fromFirstSquare = random.Coin();
    options.title = random.Text(random.Between(0, 120));
    options.byline = random.Text(random.Between(0, 60));
    options.copyright = "Puzzle (c) 2026 by " + random.Text(random.Between(0, 40));
    PageFormat page = kPapers[random.Between(0, 1)].portrait;
    if (random.Coin()) page = {page.height, page.width, true};

    const PageLayoutResult r = PageLayout::Compute(doc, options, page, measure);
    const QRect area(0, 0, page.width, page.height);
    std::map<std::string, int> labels;
    std::map<int, int> numbers;
    int keyLines = 0;
    std::string help;
    for (std::size_t n = 0; n < r.pages.size(); ++n) {
      const LaidOutPage& p = r.pages[n];
      SCOPED_TRACE("page " + std::to_string(n + 1));
      for (std::size_t i = 0; i < p.boxes.size(); ++i) {
        EXPECT_TRUE(Inside(area, p.boxes[i].rect)) << static_cast<int>(p.boxes[i].kind);
        for (std::size_t j = i + 1; j < p.boxes.size(); ++j)
          EXPECT_FALSE(p.boxes[i].rect.intersects(p.boxes[j].rect))
              << static_cast<int>(p.boxes[i].kind) << " and " << static_cast<int>(p.boxes[j].kind);
      }
      // Most texts are the grid's: its box is tried first.
      std::vector<PageBox> boxes = p.boxes;
      std::stable_partition(boxes.begin(), boxes.end(),
                            [](const PageBox& b) { return b.kind == BoxKind::Grid; });
      for (const PageText& t : p.texts) {
        const QRect rect(t.x, t.y, measure.StyledWidth(t.role, t.text, t.scale, t.bold),
                         measure.StyledHeight(t.role, t.scale));
        EXPECT_TRUE(std::any_of(boxes.begin(), boxes.end(),
                                [&](const PageBox& b) { return Inside(b.rect, rect); }))
            << "'" << t.text << "' at " << t.x << "," << t.y;
        if (t.role == FontRole::Clue && t.bold) ++labels[t.text];
        if (t.role == FontRole::Number && std::isdigit(static_cast<unsigned char>(t.text[0])))
          ++numbers[std::stoi(t.text)];
        if (t.role == FontRole::Clue && t.text.rfind("The Quotella is:", 0) == 0) ++keyLines;
        if (t.role == FontRole::Help) help += (help.empty() ? "" : " ") + t.text;
      }
      for (const QLine& line : p.lines)
        EXPECT_TRUE(Inside(r.grid.adjusted(0, 0, 1, 1), QRect(line.p1(), line.p2()).normalized()));
    }
    for (int row = 0; row < doc.P.NumWords; ++row)
      EXPECT_EQ(labels[doc.Label(row) + "."], 1) << doc.Label(row);
    EXPECT_EQ(labels.size(), static_cast<std::size_t>(doc.P.NumWords));
    int highest = 0;
    for (int i = 1; i <= doc.P.NumCells; ++i)
      highest = std::max(highest, doc.P.Cells[static_cast<std::size_t>(i)].CellNumber);
    ASSERT_EQ(numbers.size(), static_cast<std::size_t>(highest));
    for (const auto& [number, count] : numbers) EXPECT_EQ(count, 1) << number;
    EXPECT_EQ(keyLines, options.key ? 1 : 0);
    EXPECT_EQ(help, options.help ? PageLayout::kHelpText : "");
    if (HasFailure()) break;
  }
}

}  // namespace
}  // namespace quotella
