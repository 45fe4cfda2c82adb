// A window in a process of its own, for the tests that end it the hard way: it works on a
// puzzle until a recovery copy is on disk, or answers the offer of one at start.
//
//   recovery_child work  PROGRAMDIR PUZZLE REPORT   change the puzzle, wait for the copy
//   recovery_child clean PROGRAMDIR PUZZLE REPORT   change, copy, then close (Save? No)
//   recovery_child offer PROGRAMDIR ANSWER REPORT   answer recover|discard|later, then close
//
// The report holds the questions asked, the puzzle file's name, whether the puzzle is
// changed, and the puzzle file's lines as the window would save them. "ready" on the
// standard output says the report is written.

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <iostream>

#include "app/panes/gridviewpane.h"
#include "app/recovery/recoverykeeper.h"
#include "app/window/mainwindow.h"
#include "core/document.h"
#include "core/textio.h"
#include "files/filesession.h"
#include "files/puzzlefile.h"
#include "support/fakehost.h"

namespace {

using quotella::MainWindow;

void WriteReport(MainWindow& window, const quotella::test::FakeHost& host,
                 const std::string& path) {
  std::vector<std::string> lines;
  std::string questions;
  for (const std::string& q : host.questions) questions += q + " | ";
  for (char& c : questions)
    if (c == '\r' || c == '\n') c = ' ';
  lines.push_back(questions);
  lines.push_back(window.session().CurrentPuzzleFile);
  lines.push_back(window.doc().PuzzleChanged ? "changed" : "unchanged");
  if (window.doc().PuzzleExists)
    for (const std::string& line : quotella::PuzzleFileLines(window.doc(), window.session(), false))
      lines.push_back(line);
  if (!quotella::WriteLinesAtomic(path, lines).ok())
    std::cerr << "could not write " << path << "\n";
}

// Opens the puzzle, then changes it through the window's own controls: a word cleared, a
// clue written, the title retyped.
void ChangePuzzle(MainWindow& window, quotella::test::FakeHost& host, const std::string& puzzle) {
  host.confirmAnswers.push_back(true);
  host.fileAnswers.push_back(puzzle);
  window.command(QStringLiteral("Puzzle1"))->trigger();
  QApplication::processEvents();
  window.doc().view().CurRow = 2;
  window.doc().view().CurCol = 2;
  window.command(QStringLiteral("ClearWord1"))->trigger();
  window.doc().view().CurRow = 4;
  host.promptAnswers.push_back(std::string("Ångström's unit, in a clue"));
  window.command(QStringLiteral("WriteClue3"))->trigger();
  QLineEdit* title = window.gridViewPane()->titleEdit();
  title->selectAll();
  for (const QChar c : QStringLiteral("Révisé à Łódź"))
    QTest::sendKeyEvent(QTest::Click, title, Qt::Key_unknown, QString(c), Qt::NoModifier);
  window.command(QStringLiteral("Puzzle3"))->trigger();
  QApplication::processEvents();
}

std::optional<bool> AnswerOf(const std::string& word) {
  if (word == "recover") return true;
  if (word == "discard") return false;
  return std::nullopt;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 5) return 2;
  const std::string mode = argv[1];
  const std::string report = argv[4];
  QApplication app(argc, argv);
  quotella::test::FakeHost host;
  MainWindow::Options options;
  options.programDir = QString::fromUtf8(argv[2]);
  options.dialogs = &host;
  options.registerFileType = false;
  if (mode == "offer") host.choiceAnswers.push_back(AnswerOf(argv[3]));
  MainWindow window(options);
  window.show();
  QApplication::processEvents();

  if (mode == "offer") {
    QApplication::processEvents();
    WriteReport(window, host, report);
    std::cout << "ready" << std::endl;
    window.close();
    return 0;
  }
  ChangePuzzle(window, host, argv[3]);
  if (mode == "clean") {
    window.recovery().CheckNow();
    window.recovery().WaitForWrites();
    WriteReport(window, host, report);
    window.close();  // "Puzzle file has changed.  Save it?" is answered No
    std::cout << "ready" << std::endl;
    return 0;
  }
  // The copy comes from the window's own timer.
  QObject::connect(&window.recovery(), &quotella::RecoveryKeeper::copiesUpdated, &window, [&] {
    WriteReport(window, host, report);
    std::cout << "ready" << std::endl;
  });
  return QApplication::exec();
}
