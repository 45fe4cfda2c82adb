// The list pane shows what the word sources hold, and keeps a long list where the user
// left it while a search reports again and again.

#include <gtest/gtest.h>

#include <QListWidget>
#include <QScrollBar>

#include "app/panes/wordlistpane.h"
#include "search/wordlists.h"
#include "windowfixture.h"

namespace quotella {
namespace {

QStringList Shown(const QListWidget* list) {
  QStringList items;
  for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
  return items;
}

TEST(WordListPane, AnUnchangedListKeepsItsPlaceAndEveryChangeIsShown) {
  test::EnsureApp();
  WordListPane pane;
  pane.resize(240, 300);
  pane.wordList(1)->show();
  pane.show();
  WordSources sources;
  for (int i = 0; i < 3000; ++i) sources.Lists[0].Items.push_back("WORD" + std::to_string(i));
  sources.Candidates = {"ALPHA", "BETA"};
  pane.fill(sources);
  QListWidget* list = pane.wordList(1);
  ASSERT_EQ(list->count(), 3000);
  list->setCurrentRow(2500);
  list->scrollToItem(list->item(2500));
  const int scrolled = list->verticalScrollBar()->value();
  ASSERT_GT(scrolled, 0);

  // A search reports while list 4 grows: list 1 stays where the user left it.
  sources.Lists[3].Items = {"SOLUTION ONE"};
  pane.fill(sources);
  EXPECT_EQ(list->verticalScrollBar()->value(), scrolled);
  EXPECT_EQ(list->currentRow(), 2500);
  EXPECT_EQ(Shown(pane.wordList(4)), QStringList{QStringLiteral("SOLUTION ONE")});

  // A change of the same length, a shorter list and an emptied list all show.
  sources.Lists[3].Items = {"SOLUTION TWO"};
  sources.Lists[0].Items.resize(2);
  sources.Candidates.clear();
  pane.fill(sources);
  EXPECT_EQ(Shown(pane.wordList(4)), QStringList{QStringLiteral("SOLUTION TWO")});
  EXPECT_EQ(Shown(list), (QStringList{QStringLiteral("WORD0"), QStringLiteral("WORD1")}));
  EXPECT_EQ(pane.candidates()->count(), 0);
}

}  // namespace
}  // namespace quotella
