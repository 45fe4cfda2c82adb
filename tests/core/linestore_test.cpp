#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "core/linestore.h"
#include "core/textio.h"

namespace quotella {
namespace {

using Lines = std::vector<std::string>;

// Lines of every length class: empty, short, exactly at and beyond the one-byte length,
// several kilobytes, and bytes a separator-based store would cut at.
std::string LineOf(std::mt19937& rng) {
  static const std::size_t kLengths[] = {0, 1, 5, 126, 127, 128, 129, 300, 16383, 16384, 70000};
  std::string line(kLengths[rng() % std::size(kLengths)], 'x');
  for (auto& c : line) c = static_cast<char>(rng() % 256);
  return line;
}

TEST(LineStore, KeepsEveryLineAsGivenUnderRandomEditsLikeAVector) {
  std::mt19937 rng(7);
  LineStore store;
  Lines model;
  for (int step = 0; step < 3000; ++step) {
    const std::size_t at = model.empty() ? 0 : rng() % (model.size() + 1);
    switch (rng() % 5) {
      case 0:
      case 1:
        model.push_back(LineOf(rng));
        store.push_back(model.back());
        break;
      case 2:
        model.insert(model.begin() + static_cast<std::ptrdiff_t>(at), LineOf(rng));
        store.insert(at, model[at]);
        break;
      case 3:
        if (at < model.size()) {
          model.erase(model.begin() + static_cast<std::ptrdiff_t>(at));
          store.erase(store.begin() + static_cast<std::ptrdiff_t>(at));
        }
        break;
      default: {
        const std::size_t n = rng() % 40 == 0 ? at / 2 : model.size() + rng() % 20;
        model.resize(n);
        store.resize(n);
      }
    }
    ASSERT_EQ(store.size(), model.size()) << "step " << step;
  }
  ASSERT_EQ(store, model);
  for (std::size_t i = 0; i < model.size(); i += 7) EXPECT_EQ(store[i], model[i]) << i;
  EXPECT_EQ(store.ToVector(), model);
  EXPECT_EQ(JoinLinesCrLf(model), store.TextCrLf());
}

TEST(LineStore, IteratorsWalkAndJumpToTheSameLines) {
  LineStore store;
  for (int i = 0; i < 100; ++i) store.push_back(std::to_string(i));
  auto it = store.begin();
  for (int i = 0; i < 100; ++i, ++it) ASSERT_EQ(*it, std::to_string(i));
  EXPECT_EQ(it, store.end());
  EXPECT_EQ(store.end() - store.begin(), 100);
  EXPECT_EQ(*(store.begin() + 37), "37");
  EXPECT_EQ(*(store.end() - 1), "99");
  EXPECT_EQ((store.begin() + 90)[-75], "15");
  auto back = store.begin() + 40;
  --back;
  EXPECT_EQ(*back, "39");
  EXPECT_EQ(store.front(), "0");
  EXPECT_EQ(store.back(), "99");
  // Erasing a run returns the line after it, reached again by number.
  const auto after = store.erase(store.begin() + 10, store.begin() + 60);
  EXPECT_EQ(*after, "60");
  EXPECT_EQ(store[10], "60");
  EXPECT_EQ(store.size(), 50u);
}

TEST(LineStore, CutsTextAtEveryLineEndAsSplitLinesDoes) {
  const Lines texts = {"",
                       "a",
                       "a\r\nb",
                       "a\rb\nc\r\n",
                       "\n\n\r\r\n",
                       "x\r\r\ny\n",
                       std::string("n\0ul\n", 5) + "\xC3\xA9t\xC3\xA9"};
  for (const std::string& text : texts) {
    EXPECT_EQ(LineStore::FromText(text), SplitLines(text)) << text;
  }
}

TEST(LineStore, AFileOfBlankLinesCostsAboutAByteALine) {
  const LineStore store = LineStore::FromText(std::string(1'000'000, '\n'));
  EXPECT_EQ(store.size(), 1'000'000u);
  EXPECT_EQ(store[999'999], "");
  EXPECT_LT(store.Capacity(), 1'600'000u);
}

TEST(LineStore, TakesAndGivesVectorsOfStrings) {
  LineStore store = Lines{"b", "", "a"};
  EXPECT_EQ(store, (Lines{"b", "", "a"}));
  EXPECT_FALSE(store == (Lines{"b", "", "a", ""}));
  EXPECT_FALSE(store == (Lines{"b", "x", "a"}));
  store = {"one"};
  const Lines copy = store;
  EXPECT_EQ(copy, Lines{"one"});
  store.clear();
  EXPECT_TRUE(store.empty());
  EXPECT_EQ(store.begin(), store.end());
  store.insert(store.begin(), "first");
  EXPECT_EQ(store, Lines{"first"});
}

}  // namespace
}  // namespace quotella
