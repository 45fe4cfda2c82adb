// One keystroke in the answer table of the real window, with the whole refresh that
// follows it: a 1000-cell, 52-answer puzzle is made in an offscreen window, then letters
// are typed into an answer and taken back again, each followed by a synchronous repaint
// of the window. One iteration is one keystroke; a frame is 16 ms.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <cstdio>
#include <string>

#include "app/commands/puzzlecommands.h"
#include "app/widgets/tablemodels.h"
#include "app/window/mainwindow.h"
#include "bench_offscreen.h"
#include "bench_support.h"
#include "core/document.h"

namespace {

using namespace quotella;

// Author and work give 52 initials of common letters; the quotation repeats a plain
// sentence until the puzzle holds 1000 cells.
std::string LargeQuoteLine() {
  const std::string author = "Teresa Nolan Hart";
  const std::string work = "Tales on Earth and Sea in the North Riders Ode";
  std::string quote;
  const std::string sentence =
      "there is nothing either good or bad but thinking makes it so and the rest is silence ";
  // Letters and the blanks between words each take a cell.
  while (quote.size() + sentence.size() <= 1000) quote += sentence;
  for (char c : sentence) {
    if (quote.size() == 1000) break;
    quote += c;
  }
  while (quote.back() == ' ') quote.back() = 'e';
  return author + "@" + work + "@" + quote;
}

struct Window {
  Window() {
    MainWindow::Options options;
    options.programDir = dir.path();
    options.dialogs = &host;
    options.registerFileType = false;
    window = std::make_unique<MainWindow>(options);
    window->resize(805, 587);
    window->show();
    QApplication::processEvents();
    window->command(QStringLiteral("Quotes3"))->trigger();
    auto* editor = window->findChild<QPlainTextEdit*>(QStringLiteral("QuotesEditor"));
    editor->setPlainText(QString::fromLatin1(LargeQuoteLine().c_str()));
    editor->setTextCursor(QTextCursor(editor->document()));
    window->puzzleCommands().QuotesEditorDblClick();
    QApplication::processEvents();
    table = window->findChild<KeyTableView*>(QStringLiteral("KeyWords"));
  }
  QTemporaryDir dir;
  bench::QuietHost host;
  std::unique_ptr<MainWindow> window;
  KeyTableView* table = nullptr;
};

void BM_KeystrokeWithRefresh(benchmark::State& state) {
  Window w;
  PuzzleDocument& doc = w.window->doc();
  if (!doc.PuzzleExists || doc.P.NumWords != 52) {
    std::fprintf(stderr, "made: %d, answers: %d\n", doc.PuzzleExists ? 1 : 0, doc.P.NumWords);
    state.SkipWithError("the 52-answer puzzle could not be made");
    return;
  }
  state.counters["cells"] = doc.P.NumCells;
  state.counters["answers"] = doc.P.NumWords;
  const int row = doc.P.NumWords / 2;
  w.table->setFocus();
  w.table->setCurrentIndex(w.table->model()->index(row, 2));
  // Types the first letters of the quotation into one answer, then takes them back with
  // Backspace, over and over.
  const std::string letters = "THEREISNOTHING";
  std::size_t typed = 0;
  bool forward = true;
  for (auto _ : state) {
    if (forward) {
      QTest::keyClick(w.table, letters[typed]);
      if (++typed == letters.size()) forward = false;
    } else {
      QTest::keyClick(w.table, Qt::Key_Backspace);
      if (--typed == 0) forward = true;
    }
    w.window->repaint();
    QApplication::processEvents();
  }
}
BENCHMARK(BM_KeystrokeWithRefresh)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) {
  return quotella::bench::RunOffscreenBenchmarks<QApplication>(argc, argv);
}
