// The formatted page of a large puzzle (1000 cells, 52 answers over two pages) printed
// into a PDF file: layout, text measuring on the printer, painting and writing the file.
// The target is well under a second per document.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QPrinter>
#include <QTemporaryDir>

#include "bench_offscreen.h"
#include "bench_support.h"
#include "print/pageprinter.h"
#include "support/handpuzzle.h"

namespace quotella::bench {
namespace {

void MakeLargePuzzle(PuzzleDocument& doc) {
  std::string quote;
  for (int i = 0; i < 1000; ++i) quote += (i % 7 == 6) ? ' ' : static_cast<char>('A' + i % 26);
  test::HandPuzzle::Lay(doc, quote, 40);
  int cell = 1;
  for (int r = 0; r < 52; ++r) {
    std::vector<int> cells;
    while (static_cast<int>(cells.size()) < 16 && cell <= 1000) {
      if (doc.P.Cells[static_cast<std::size_t>(cell)].CellNumber != 0) cells.push_back(cell);
      ++cell;
    }
    test::HandPuzzle::AddWord(doc, r, cells,
                              "A clue of some length that wraps over two lines in its column, "
                              "number " +
                                  std::to_string(r + 1));
  }
}

void BM_PrintLargePuzzleToPdf(benchmark::State& state) {
  QuietHost host;
  PuzzleDocument doc{host};
  MakeLargePuzzle(doc);
  QTemporaryDir dir;
  const std::string path = dir.filePath(QStringLiteral("large.pdf")).toStdString();
  PrintOptions options;
  options.title = "A Long Quotation";
  options.byline = "by the benchmark";
  options.key = true;
  options.help = true;
  const FontSet fonts;
  int pages = 0;
  for (auto _ : state) {
    QPrinter printer(QPrinter::HighResolution);
    PagePrinter::SetUpPdf(printer, path, false);
    if (!PagePrinter::PrintPuzzle(printer, doc, options, fonts, Qt::black, &pages)) {
      state.SkipWithError("printing failed");
      break;
    }
  }
  state.counters["pages"] = pages;
}
BENCHMARK(BM_PrintLargePuzzleToPdf)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quotella::bench

int main(int argc, char** argv) {
  return quotella::bench::RunOffscreenBenchmarks<QGuiApplication>(argc, argv);
}
