#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPrinter>
#include <QTemporaryDir>
#include <regex>

#include "print/pageprinter.h"
#include "support/clirunner.h"
#include "support/fakehost.h"
#include "support/handpuzzle.h"

namespace quotella {
namespace {

using test::FakeHost;
using test::HandPuzzle;
using test::RunShell;
using test::ShellQuote;

int PageCount(const std::string& pdf) {
  const std::string info = RunShell("pdfinfo " + ShellQuote(pdf)).out;
  const auto at = info.find("Pages:");
  return at == std::string::npos ? -1 : std::atoi(info.c_str() + at + 6);
}

void EnsureGui() {
  if (QCoreApplication::instance()) return;
  static int argc = 1;
  static char name[] = "print_tests";
  static char* argv[] = {name, nullptr};
  static QGuiApplication* app = new QGuiApplication(argc, argv);
  (void)app;
}

class PdfTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureGui();
    ASSERT_TRUE(dir.isValid());
    options.title = "Famous Words";
    options.byline = "by Ann Setter";
    options.copyright = "Puzzle 2026 by Ann Setter";
  }
  std::string Path(const std::string& name) const {
    return dir.filePath(QString::fromStdString(name)).toStdString();
  }
  // The puzzle page as a PDF file; returns its path.
  std::string Print(const std::string& name, QColor block = Qt::black) {
    const std::string path = Path(name);
    QPrinter printer(QPrinter::HighResolution);
    PagePrinter::SetUpPdf(printer, path, false);
    int pages = 0;
    EXPECT_TRUE(PagePrinter::PrintPuzzle(printer, doc, options, fonts, block, &pages));
    EXPECT_GE(pages, 1);
    return path;
  }
  // A quotation of `words` answers of five letters each, with numbered clues.
  void MakePuzzle(int words) {
    std::string quote;
    for (int i = 0; i < words * 5; ++i) quote += static_cast<char>('A' + i % 26);
    HandPuzzle::Lay(doc, quote, 21);
    for (int r = 0; r < words; ++r) {
      std::vector<int> cells;
      for (int k = 0; k < 5; ++k) cells.push_back(r * 5 + k + 1);
      HandPuzzle::AddWord(doc, r, cells, "Clue number " + std::to_string(r + 1));
    }
  }

  QTemporaryDir dir;
  FakeHost host;
  PuzzleDocument doc{host};
  PrintOptions options;
  FontSet fonts;
};

TEST_F(PdfTest, TitleBylineAndCluesComeOutAsTextInReadingOrder) {
  HandPuzzle::Lay(doc, "TO BE OR NOT TO BE", 8);
  HandPuzzle::AddWord(doc, 0, {1, 2}, "Preposition of direction");
  HandPuzzle::AddWord(doc, 1, {4, 5, 7}, "Existence, briefly");
  HandPuzzle::AddWord(doc, 2, {8, 10, 11, 12, 14, 15, 17, 18}, "The rest of it");
  const std::string path = Print("page.pdf");
  // Reading order comes from the text tool's own column analysis; the layout form keeps
  // the dashes over their numbers.
  const std::string text = RunShell("pdftotext " + ShellQuote(path) + " -").out;
  const auto at = [&](const std::string& s) {
    const auto pos = text.find(s);
    EXPECT_NE(pos, std::string::npos) << s << "\n" << text;
    return pos;
  };
  const auto title = at("Famous Words");
  const auto byline = at("by Ann Setter");
  const auto copyright = at("Puzzle 2026 by Ann Setter");
  const auto a = at("A. Preposition of direction");
  const auto b = at("B. Existence, briefly");
  const auto c = at("C. The rest of it");
  EXPECT_LT(title, byline);
  EXPECT_LT(byline, copyright);
  EXPECT_LT(copyright, a);
  EXPECT_LT(a, b);
  EXPECT_LT(b, c);
  // B's dashes, then its numbers on the next line (the text tool may narrow the gaps).
  const std::string laid = RunShell("pdftotext -layout " + ShellQuote(path) + " -").out;
  const std::string bBlock = laid.substr(laid.find("B. Existence"));
  EXPECT_TRUE(std::regex_search(bBlock, std::regex("\\n *___ ___ ___ *\\n +3 +4 +5 *\\n")))
      << bBlock;
}

TEST_F(PdfTest, FiftyTwoAnswersRunOntoHeadedContinuationPages) {
  MakePuzzle(52);
  const std::string path = Print("long.pdf");
  QPrinter printer(QPrinter::HighResolution);
  PagePrinter::SetUpPdf(printer, Path("unused.pdf"), false);
  const FontMetricsMeasure measure(fonts, &printer);
  const auto layout = PageLayout::Compute(doc, options, PagePrinter::FormatOf(printer), measure);
  const int pages = static_cast<int>(layout.pages.size());
  ASSERT_GE(pages, 2);
  EXPECT_EQ(PageCount(path), pages);
  const auto pageText = [&](int n) {
    const std::string page = std::to_string(n);
    return RunShell("pdftotext -layout -f " + page + " -l " + page + " " + ShellQuote(path) + " -")
        .out;
  };
  EXPECT_EQ(pageText(1).find("Puzzle Clues (continued)"), std::string::npos);
  for (int n = 2; n <= pages; ++n) {
    const std::string text = pageText(n);
    EXPECT_NE(text.find("Famous Words"), std::string::npos) << n;
    EXPECT_NE(text.find("by Ann Setter"), std::string::npos) << n;
    EXPECT_NE(text.find("Puzzle Clues (continued)"), std::string::npos) << n;
    EXPECT_LT(text.find("Famous Words"), text.find("Puzzle Clues (continued)")) << n;
  }
  EXPECT_NE(pageText(pages).find("ZZ. Clue number 52"), std::string::npos);
}

TEST_F(PdfTest, ARenderedPageShowsTheBlockSquaresWhereTheLayoutPutsThem) {
  HandPuzzle::Lay(doc, "TO BE OR NOT TO BE THAT IS THE QUESTION", 12);
  HandPuzzle::AddWord(doc, 0, {1, 2}, "First");
  const std::string path = Print("grid.pdf", QColor(0, 0, 255));

  // The same layout as the printer made, measured on an identical printer.
  QPrinter printer(QPrinter::HighResolution);
  PagePrinter::SetUpPdf(printer, Path("unused.pdf"), false);
  const FontMetricsMeasure measure(fonts, &printer);
  const auto layout = PageLayout::Compute(doc, options, PagePrinter::FormatOf(printer), measure);
  const auto& blocks = layout.pages.at(0).blocks;
  ASSERT_GE(blocks.size(), 5u);

  // 60 pixels per inch: a dot is a tenth of a pixel, plus the quarter-inch margin.
  const std::string prefix = Path("grid");
  ASSERT_EQ(RunShell("pdftoppm -r 60 -f 1 -l 1 -png " + ShellQuote(path) + " " +
                     ShellQuote(prefix) + " && echo ok")
                .out,
            "ok\n");
  QImage image(QString::fromStdString(prefix + "-1.png"));
  ASSERT_FALSE(image.isNull());
  const auto px = [](int dots) { return 15 + dots / 10; };
  for (const QRect& r : blocks) {
    const QColor c = image.pixelColor(px(r.center().x()), px(r.center().y()));
    EXPECT_LT(c.red(), 60) << r.x() << "," << r.y();
    EXPECT_GT(c.blue(), 200) << r.x() << "," << r.y();
  }
  // The lower middle of the first letter cell (T, after the leading blocks) is white.
  const int s = layout.cellSize;
  const QPoint cell(layout.grid.left() + doc.P.GridOffset * s + s / 2,
                    layout.grid.top() + s * 3 / 4);
  EXPECT_EQ(image.pixelColor(px(cell.x()), px(cell.y())), QColor(Qt::white));
}

TEST_F(PdfTest, PlainTextPrintsLineByLineOntoAsManyPagesAsNeeded) {
  std::vector<std::string> lines;
  for (int i = 1; i <= 150; ++i) lines.push_back("Line " + std::to_string(i) + " of the output");
  const std::string path = Path("text.pdf");
  QPrinter printer(QPrinter::HighResolution);
  PagePrinter::SetUpPdf(printer, path, false);
  ASSERT_TRUE(PagePrinter::PrintText(printer, lines));
  EXPECT_EQ(PageCount(path), 2);
  const std::string text = RunShell("pdftotext " + ShellQuote(path) + " -").out;
  EXPECT_LT(text.find("Line 1 of the output"), text.find("Line 150 of the output"));
  EXPECT_NE(text.find("Line 150 of the output"), std::string::npos);
}

// A Sunday-size quotation: 45 answers over 544 cells in a 26-row grid, with the key and
// the instructions, and one clue longer than a column.
TEST_F(PdfTest, ALongQuotationPrintsClueAAndEveryClueKeyAndHelpInOrder) {
  std::string quote;
  for (int i = 0; quote.size() < 544; ++i)
    quote += std::string(static_cast<std::size_t>(2 + i % 7), static_cast<char>('A' + i % 26)) +
             (i % 11 == 10 ? "-" : " ");
  quote.resize(544);
  HandPuzzle::Lay(doc, quote, 21);
  ASSERT_EQ(doc.Grid.Rows, 26);
  doc.P.QuoteOrig = "Trust thyself: every heart vibrates to that iron string.";
  doc.P.AuthorOrig = "Ralph Waldo Emerson";
  doc.P.WorkOrig = "Essays";
  std::vector<int> letters;
  for (int i = 1; i <= doc.P.NumCells; ++i)
    if (doc.P.Cells[static_cast<std::size_t>(i)].CellNumber != 0) letters.push_back(i);
  std::vector<std::string> clues;
  for (int r = 0; r < 45; ++r) {
    std::string clue = "Clue " + std::to_string(r + 1) + " reads";
    if (r == 9)
      for (int k = 0; k < 120; ++k) clue += " and a long explanation";
    clues.push_back(clue);
    std::vector<int> cells;
    for (std::size_t k = static_cast<std::size_t>(r) * 10;
         k < static_cast<std::size_t>(r) * 10 + 10; ++k)
      cells.push_back(letters.at(k));
    HandPuzzle::AddWord(doc, r, cells, clue);
  }
  options.key = true;
  options.help = true;
  for (const bool landscape : {false, true}) {
    SCOPED_TRACE(landscape ? "landscape" : "portrait");
    const std::string path = Path(landscape ? "long-landscape.pdf" : "long-portrait.pdf");
    QPrinter printer(QPrinter::HighResolution);
    PagePrinter::SetUpPdf(printer, path, landscape);
    int pages = 0;
    ASSERT_TRUE(PagePrinter::PrintPuzzle(printer, doc, options, fonts, Qt::black, &pages));
    EXPECT_EQ(PageCount(path), pages);
    // In the order the page draws its texts.
    const std::string text = RunShell("pdftotext -raw " + ShellQuote(path) + " -").out;
    std::size_t at = text.find("The Quotella is: Ralph Waldo Emerson \u2014 Essays");
    ASSERT_NE(at, std::string::npos) << text;
    EXPECT_LT(text.find("Trust thyself: every heart vibrates"), at);
    at = text.find("Guess the words defined below", at);
    ASSERT_NE(at, std::string::npos) << text;
    for (int r = 0; r < 45; ++r) {
      const std::string label = doc.Label(r) + ". Clue " + std::to_string(r + 1) + " reads";
      const std::size_t next = text.find(label, at);
      ASSERT_NE(next, std::string::npos) << label << "\n" << text;
      EXPECT_EQ(text.find(label, next + 1), std::string::npos) << label << " twice";
      at = next;
    }
    // The clue split between columns comes out whole: 120 explanations before K.
    const std::size_t j = text.find("J. ");
    const std::size_t k = text.find("K. ");
    std::size_t count = 0;
    for (std::size_t p = text.find("explanation", j); p < k; p = text.find("explanation", p + 1))
      ++count;
    EXPECT_EQ(count, 120u);
    if (pages > 1) {
      EXPECT_NE(text.find("Page " + std::to_string(pages) + " of " + std::to_string(pages)),
                std::string::npos);
    }
  }
}

TEST_F(PdfTest, APrinterThatCannotStartReportsFailure) {
  MakePuzzle(3);
  QPrinter printer(QPrinter::HighResolution);
  PagePrinter::SetUpPdf(printer, Path("no/such/folder/page.pdf"), false);
  EXPECT_FALSE(PagePrinter::PrintPuzzle(printer, doc, options, fonts, Qt::black));
}

}  // namespace
}  // namespace quotella
