// Tools > Rank Quotes on a small quotes file: the ranked table, its double click and its
// Save Ranking button.
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

#include "app/quotes/rankingdialog.h"
#include "app/window/names.h"
#include "windowfixture.h"

namespace quotella::test {
namespace {

constexpr int kVerdictColumn = 1;
constexpr int kQuotationColumn = 6;

class QuoteRankingTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    QDir(dir.path()).mkdir(QStringLiteral("Zitate \u00e4\u00f6"));
    m_quotesPath =
        dir.filePath(QStringLiteral("Zitate \u00e4\u00f6/ranked \u00e9.txt")).toStdString();
    const std::vector<std::string> lines = {
        "no fields on this line at all", "Zappa@Xylophone@Hello there, friend.",
        "Pope@An Essay on Man@Hope springs eternal in the human breast: Man never is, but "
        "always to be blest.",
        "",
        "Emerson@Self-Reliance@A foolish consistency is the hobgoblin of little minds, adored "
        "by little statesmen and philosophers and divines."};
    ASSERT_TRUE(WriteLinesAtomic(m_quotesPath, LineStore(lines)).ok());
    host.fileAnswers.push_back(m_quotesPath);
    window->command(QStringLiteral("Quotes1"))->trigger();
    QApplication::processEvents();
    host.Clear();
  }
  QTableWidget* RankAndShow() {
    window->command(QString::fromLatin1(names::kRankQuotes))->trigger();
    WaitForBackground(*window);
    QApplication::processEvents();
    auto* dialog = window->findChild<RankingDialog*>(QStringLiteral("QuoteRankingDialog"));
    EXPECT_NE(dialog, nullptr);
    if (!dialog) return nullptr;
    EXPECT_TRUE(dialog->isVisible());
    return dialog->table();
  }
  // Double clicks a row as a user does: the click that selects it, then the double click.
  static void DoubleClickRow(QTableWidget* table, int row, int column = 0) {
    const QPoint at = table->visualItemRect(table->item(row, column)).center();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, at);
    QApplication::processEvents();
  }
  static QString Cell(QTableWidget* table, int row, int column) {
    return table->item(row, column)->text();
  }
  // The letters of a quotes line's author and work, as the puzzle spells them.
  static std::string AuthorAndWorkLetters(const QString& line) {
    const QStringList fields = line.split(QLatin1Char('@'));
    std::string letters;
    for (QChar c : fields[0] + fields[1])
      if (c.isLetter()) letters += static_cast<char>(c.toUpper().toLatin1());
    return letters;
  }
  std::string m_quotesPath;
};

TEST_F(QuoteRankingTest, TheTableListsTheLinesBestFirstAndItsDoubleClickMakesThatPuzzle) {
  QTableWidget* table = RankAndShow();
  ASSERT_NE(table, nullptr);
  ASSERT_EQ(table->rowCount(), 4);  // the blank line is not ranked
  EXPECT_EQ(Cell(table, 2, kVerdictColumn), QStringLiteral("impossible"));
  EXPECT_EQ(Cell(table, 3, kVerdictColumn), QStringLiteral("unparsable"));
  EXPECT_TRUE(Cell(table, 0, kQuotationColumn).startsWith(QStringLiteral("Pope@")) ||
              Cell(table, 0, kQuotationColumn).startsWith(QStringLiteral("Emerson@")));
  for (int row = 1; row < table->rowCount(); ++row)
    EXPECT_GE(Cell(table, row - 1, 0).toDouble(), Cell(table, row, 0).toDouble()) << row;

  // A click on a heading sorts by that column; the double click follows the row.
  table->sortItems(2, Qt::AscendingOrder);  // letters, fewest first: the Zappa line
  const QString best = Cell(table, 0, kQuotationColumn);
  ASSERT_TRUE(best.startsWith(QStringLiteral("Zappa@")) || !best.contains(QLatin1Char('@')))
      << best.toStdString();
  table->sortItems(0, Qt::DescendingOrder);
  const QString top = Cell(table, 0, kQuotationColumn);
  DoubleClickRow(table, 0, kQuotationColumn);
  QApplication::processEvents();
  ASSERT_TRUE(window->doc().PuzzleExists);
  EXPECT_EQ(window->doc().P.QuotellaStr, AuthorAndWorkLetters(top));
  EXPECT_TRUE(host.messages.empty()) << host.messages.front();
}

TEST_F(QuoteRankingTest, TheDoubleClickAsksBeforeDroppingAChangedPuzzle) {
  QTableWidget* table = RankAndShow();
  ASSERT_NE(table, nullptr);
  window->doc().PuzzleExists = true;
  window->doc().PuzzleChanged = true;
  host.choiceAnswers.push_back(std::nullopt);  // Cancel
  DoubleClickRow(table, 0, 0);
  ASSERT_EQ(host.questions.size(), 1u);
  EXPECT_EQ(host.questions[0], "Puzzle file has changed. Save it?");
  EXPECT_TRUE(window->doc().PuzzleChanged);
}

TEST_F(QuoteRankingTest, ALineEditedSinceTheRankingIsNotMadeIntoAPuzzle) {
  QTableWidget* table = RankAndShow();
  ASSERT_NE(table, nullptr);
  auto* editor = Find<QPlainTextEdit>("QuotesEditor");
  editor->setPlainText(QStringLiteral("Milton@Paradise Lost@The mind is its own place."));
  DoubleClickRow(table, 0, 0);
  EXPECT_FALSE(window->doc().PuzzleExists);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_NE(host.messages[0].find("changed since it was ranked"), std::string::npos);
}

TEST_F(QuoteRankingTest, SaveRankingWritesTheLinesInTheOrderShown) {
  QTableWidget* table = RankAndShow();
  ASSERT_NE(table, nullptr);
  table->sortItems(2, Qt::DescendingOrder);  // letters, most first
  std::vector<std::string> shown;
  for (int row = 0; row < table->rowCount(); ++row)
    shown.push_back(Cell(table, row, kQuotationColumn).toStdString());
  const std::string out =
      dir.filePath(QStringLiteral("Zitate \u00e4\u00f6/best \u00e9.txt")).toStdString();
  host.fileAnswers.push_back(out);
  window->findChild<QPushButton*>(QStringLiteral("SaveRankingButton"))->click();
  const auto written = ReadTextLines(out);
  ASSERT_TRUE(written.has_value());
  EXPECT_EQ(std::vector<std::string>(written->begin(), written->end()), shown);

  // An existing file is replaced only when the user agrees.
  host.fileAnswers.push_back(out);
  host.confirmAnswers.push_back(false);
  table->sortItems(2, Qt::AscendingOrder);
  window->findChild<QPushButton*>(QStringLiteral("SaveRankingButton"))->click();
  const auto kept = ReadTextLines(out);
  ASSERT_TRUE(kept.has_value());
  EXPECT_EQ(std::vector<std::string>(kept->begin(), kept->end()), shown);
}

TEST_F(QuoteRankingTest, EscStopsTheRankingAndKeepsWhatWasRanked) {
  window->command(QString::fromLatin1(names::kRankQuotes))->trigger();
  ASSERT_TRUE(window->searches().background().running());
  window->searches().background().Stop();  // the dictionary is still being read
  WaitForBackground(*window);
  QApplication::processEvents();
  auto* dialog = window->findChild<RankingDialog*>(QStringLiteral("QuoteRankingDialog"));
  ASSERT_NE(dialog, nullptr);
  const QString summary = dialog->findChild<QLabel*>(QStringLiteral("QuoteRankingSummary"))->text();
  EXPECT_TRUE(summary.endsWith(QStringLiteral(" of 4 lines (stopped)"))) << summary.toStdString();
  EXPECT_LT(dialog->table()->rowCount(), 4);
  EXPECT_EQ(summary,
            QStringLiteral("Ranked %1 of 4 lines (stopped)").arg(dialog->table()->rowCount()));
}

TEST_F(QuoteRankingTest, RankQuotesNeedsAQuotesFileWithLines) {
  auto* editor = Find<QPlainTextEdit>("QuotesEditor");
  editor->setPlainText(QStringLiteral("  \n\n"));
  window->command(QString::fromLatin1(names::kRankQuotes))->trigger();
  EXPECT_FALSE(window->searches().background().running());
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0], "The quotes file has no lines to rank.");
}

}  // namespace
}  // namespace quotella::test
