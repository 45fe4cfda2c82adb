// The main window under test: a fresh program directory, the scripted host, the window
// shown offscreen; and the same with a puzzle made from a quotes line.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <atomic>
#include <chrono>
#include <map>
#include <memory>
#include <thread>

#include "app/search/backgroundwork.h"
#include "app/search/searchcontroller.h"
#include "app/widgets/puzzlegridwidget.h"
#include "app/widgets/tablemodels.h"
#include "app/window/mainwindow.h"
#include "core/document.h"
#include "core/textio.h"
#include "render/gridpainter.h"
#include "settings/initext.h"
#include "settings/settings.h"
#include "support/fakehost.h"

namespace quotella::test {

inline void EnsureApp() {
  if (QCoreApplication::instance()) return;
  static int argc = 1;
  static char name[] = "app_tests";
  static char* argv[] = {name, nullptr};
  // Never destroyed: Qt must outlive every static that tears down after main.
  static QApplication* app = new QApplication(argc, argv);
  (void)app;
}

// A program directory holding the bundled help, quote-window and quotes files and a
// fresh settings file.
class ProgramDir {
 public:
  ProgramDir() {
    const QDir source(QStringLiteral(QUOTELLA_SOURCE_DIR "/resources"));
    for (const QString& name : source.entryList(
             {QStringLiteral("*.rtf"), QStringLiteral("*.html"), QStringLiteral("quotes.txt")},
             QDir::Files))
      QFile::copy(source.filePath(name), m_dir.filePath(name));
    const ProgramPaths paths = ResolveProgramPaths(path().toStdString() + "/", "", "");
    IniText ini(DefaultIniLines(StartupSettings(paths)));
    ini.SetIniValue("[dictionary directory]", QUOTELLA_PROGRAM_DIR "/");
    ini.SetIniValue("[loadlastfile]", "FALSE");
    EXPECT_TRUE(WriteLinesAtomic(paths.IniFileName, ini.Lines()).ok());
  }
  QString path() const { return m_dir.path(); }
  QString filePath(const QString& name) const { return m_dir.filePath(name); }

 private:
  QTemporaryDir m_dir;
};

// Waits until the window's long scan has handed over its result; the ceiling only guards
// against a hang.
// Letter files that give the heuristic search millions of steps before its one solution:
// the lists of rows D, G and H each hold thousands of two-letter words that fit the pool
// but never use it up, and one word of a third of the pool's letters (the three together
// are the solution, met at the end of the loops). Keyed by initial.
inline std::map<char, std::vector<std::string>> SlowSearchLetterFiles(const PuzzleDocument& doc) {
  std::string pool;
  for (char c = 'A'; c <= 'Z'; ++c)
    pool.append(static_cast<std::size_t>(std::max(0, doc.P.PoolOf(c))), c);
  EXPECT_GE(pool.size(), 6u);
  const std::size_t third = (pool.size() + 2) / 3;
  std::map<char, std::vector<std::string>> words;
  const int rows[] = {3, 6, 7};
  for (std::size_t t = 0; t < 3; ++t) {
    const std::string initial = doc.KeyWords.At(1, rows[t]).substr(0, 1);
    auto& file = words[initial.at(0)];
    file.push_back(initial + pool.substr(t * third, third));
    file.insert(file.end(), 4000, initial + pool[0]);
  }
  return words;
}

inline void WaitForBackground(MainWindow& window) {
  BackgroundWork& work = window.searches().background();
  for (int i = 0; i < 6000 && work.running(); ++i) QTest::qWait(20);
  ASSERT_FALSE(work.running());
}

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    EnsureApp();
    MainWindow::Options options;
    options.programDir = dir.path();
    options.dialogs = &host;
    options.registerFileType = false;
    window = std::make_unique<MainWindow>(options);
    window->show();
    QApplication::processEvents();
    StopAutofillClock();
  }
  // Autofill's time limit on a clock that never moves: a fill ends when the search decides
  // it, however slow the build or busy the machine.
  void StopAutofillClock() {
    window->searches().SetAutofillClock([t = std::chrono::steady_clock::now()] { return t; });
  }
  // The time limit as a budget of work: the clock moves on a millisecond at each look.
  void AutofillClockStepsPerLook() {
    auto looks = std::make_shared<std::atomic<long>>(0);
    window->searches().SetAutofillClock([looks, t = std::chrono::steady_clock::now()] {
      return t + std::chrono::milliseconds(looks->fetch_add(1));
    });
  }
  // The search's clock waits until `open` is set: a search cannot end by itself before then.
  void GateAutofillClock(std::shared_ptr<std::atomic<bool>> open) {
    window->searches().SetAutofillClock([open, t = std::chrono::steady_clock::now()] {
      while (!open->load()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
      return t;
    });
  }
  // Waits for a running fill to be taken; the ceiling only guards against a hang.
  void WaitForAutofill() {
    for (int i = 0; i < 6000 && window->searches().autofilling(); ++i) QTest::qWait(50);
    ASSERT_FALSE(window->searches().autofilling());
  }
  // Waits for the three-word search to end; the ceiling only guards against a hang.
  void WaitForHeuristic() {
    for (int i = 0; i < 6000 && window->searches().heuristicSearching(); ++i) QTest::qWait(50);
  }
  template <typename T = QWidget>
  T* Find(const char* name) {
    return window->findChild<T*>(QString::fromLatin1(name));
  }
  bool Visible(const char* name) {
    QWidget* w = Find(name);
    EXPECT_NE(w, nullptr) << name;
    return w && w->isVisible();
  }
  // The sample puzzle through Open > Puzzle, as a user opens it.
  void LoadSample() {
    host.confirmAnswers.push_back(true);
    host.fileAnswers.push_back(QUOTELLA_SOURCE_DIR "/resources/samplepuzzle1.qtl");
    window->command(QStringLiteral("Puzzle1"))->trigger();
    QApplication::processEvents();
    ASSERT_TRUE(window->doc().PuzzleExists);
    host.Clear();
  }
  // Clear Word on each of the rows.
  void ClearRows(std::initializer_list<int> rows) {
    for (int row : rows) {
      window->doc().view().CurRow = row;
      window->doc().view().CurCol = 2;
      window->command(QStringLiteral("ClearWord1"))->trigger();
    }
  }
  // Where cell `cell` (1-based) of the puzzle sits on the painted grid, as drawn to fit.
  QRect CellRect(int cell) {
    PuzzleGridWidget* grid = window->puzzleGrid();
    const int pos = cell - 1 + window->doc().P.GridOffset;
    return grid->shown(PuzzleCellRect(pos % grid->columns(), pos / grid->columns(),
                                      grid->cellSize(), grid->style().lineWidth));
  }
  void DoubleClickCell(int cell) {
    QTest::mouseDClick(window->puzzleGrid(), Qt::LeftButton, {}, CellRect(cell).center());
  }
  ProgramDir dir;
  test::FakeHost host;
  std::unique_ptr<MainWindow> window;
};

// A puzzle made from a quotes-editor line and worked through the window.
class PuzzleWindowTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    MakePuzzleOf(QString::fromLatin1(kLine));
  }
  // Writes the line into the quotes editor and double-clicks it, as a user makes a puzzle.
  void MakePuzzleOf(const QString& quotesLine) {
    window->command(QStringLiteral("Quotes3"))->trigger();
    auto* editor = Find<QPlainTextEdit>("QuotesEditor");
    editor->setPlainText(quotesLine);
    // Double-click the middle of the only line.
    const QRect line = editor->cursorRect(QTextCursor(editor->document()));
    QTest::mouseDClick(editor->viewport(), Qt::LeftButton, {}, line.center() + QPoint(20, 0));
    QApplication::processEvents();
    host.Clear();
  }
  PuzzleDocument& doc() { return window->doc(); }
  KeyTableView* table() { return Find<KeyTableView>("KeyWords"); }
  // The letter of the quotation with no copy left in the pool, or 0.
  char ExhaustedLetter() {
    for (char c = 'A'; c <= 'Z'; ++c)
      if (doc().P.PoolOf(c) == 0) return c;
    return 0;
  }
  char AvailableLetter() {
    for (char c = 'A'; c <= 'Z'; ++c)
      if (doc().P.PoolOf(c) > 0) return c;
    return 0;
  }
  void Type(char c) {
    QTest::keyClick(table(), c);
    QApplication::processEvents();
  }

 public:
  static constexpr const char* kLine =
      "Milton@Paradise Lost@The mind is its own place, and in itself can make a Heaven of Hell, "
      "a Hell of Heaven. Here we may reign secure, and in my choice To reign is worth ambition "
      "though in Hell: Better to reign in Hell, than serve in Heaven.";
};

}  // namespace quotella::test
