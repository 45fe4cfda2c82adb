#include "app/commands/windowcommands.h"

#include <QAction>
#include <QColorDialog>
#include <QDir>
#include <QFileInfo>
#include <QTextEdit>
#include <iterator>

#include "app/panes/answerpane.h"
#include "app/widgets/puzzlegridwidget.h"
#include "app/window/mainwindow.h"
#include "core/textio.h"
#include "render/qtext.h"
#include "rtf/rtfreader.h"
#include "settings/settingsstore.h"

namespace quotella {

WindowCommands::WindowCommands(MainWindow& window) : QObject(&window), w(window) {}

void WindowCommands::SoundToggle1Click() {
  m_soundsOn = !m_soundsOn;
  if (QAction* a = w.command(QStringLiteral("SoundToggle1")))
    a->setText(m_soundsOn ? QStringLiteral("Sounds Off") : QStringLiteral("Sounds On"));
}

void WindowCommands::Wordwrap3Click() {
  QTextEdit* output = w.m_answer->outputEditor();
  const bool wrap = output->lineWrapMode() == QTextEdit::NoWrap;
  output->setLineWrapMode(wrap ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
  if (QAction* a = w.command(QStringLiteral("Wordwrap3")))
    a->setText(wrap ? QStringLiteral("No Wrap") : QStringLiteral("&Wordwrap"));
}

void WindowCommands::HighLightCommonClick() {
  auto& style = w.puzzleGrid()->style();
  style.commonHighlight = !style.commonHighlight;
  if (QAction* a = w.command(QStringLiteral("HighLightCommon")))
    a->setText(style.commonHighlight ? QStringLiteral("Highlight Common Words OFF")
                                     : QStringLiteral("Highlight Common Words ON"));
  w.puzzleGrid()->update();
}

void WindowCommands::BlockColorClick() {
  const QColor c = QColorDialog::getColor(w.puzzleGrid()->style().block, &w);
  if (!c.isValid()) return;
  w.puzzleGrid()->style().block = c;
  if (w.puzzleGrid()->isVisible()) w.puzzleGrid()->update();
}

void WindowCommands::Color7Click() {
  const QColor c = QColorDialog::getColor(w.puzzleGrid()->style().background, &w);
  if (!c.isValid()) return;
  w.puzzleGrid()->style().background = c;
  w.puzzleGrid()->update();
}

void WindowCommands::GridHelpClick() {
  static const char* const kLines[] = {
      "You can swap any cell's label with any other having the same letter.",
      "",
      "The DARK GREY cells are unmapped, they have no label yet.",
      "",
      "The BLUE cells are \"illegal\" (there are duplicate labels in that word).",
      "Click on the BLUE cells in order to \"legalize\" them by label swapping.",
      "This highlights in RED all cells with that letter, to choose from for swapping.",
      "",
      "The RED cells are cells which will make a legal swap.",
      "Click on a RED cell to make the swap. Blue cell should turn white (\"legal\").",
      "",
      "Keep clearing the blue cells until all the BLUE cells are gone.",
      "Puzzle then conforms to publishing requirements.",
      "",
      "Yellow on dark blue cells are also swappable, but will result in an illegal cell.",
      "",
      "The cells that are VERY LIGHT GREY show the most common (easiest) words",
      "if that feature is turned on. Right-click on grid and choose \"Highlight Common Words.\"",
      "",
      "Note: many smaller puzzles may impossible to \"legalize,\" this is normal.",
  };
  std::string text;
  for (std::size_t i = 0; i < std::size(kLines); ++i) {
    if (i > 0) text += '\r';
    text += kLines[i];
  }
  w.host().Message(text);
}

void WindowCommands::SaveHelpfile1Click() {
  const auto name = w.host().SaveFileName("Save File", kFileFilter,
                                          ToUtf8(QFileInfo(m_helpFileName).absolutePath()),
                                          ToUtf8(m_helpFileName));
  if (!name) return;
  const std::string error = WriteFileAtomic(*name, m_helpRtf);
  if (!error.empty()) w.host().Message("Could not save file " + *name);
}

void WindowCommands::LoadHelpTopic(int topic) {
  const QString path = QDir(w.m_programDir).filePath(QStringLiteral("help%1.rtf").arg(topic));
  if (!QFileInfo::exists(path)) {
    w.host().Message("Cannot find file " + ToUtf8(path));
    return;
  }
  const auto bytes = ReadFileBytes(ToUtf8(path));
  bool ok = false;
  const QString html = bytes ? RtfToHtml(*bytes, &ok) : QString();
  if (!ok) {
    w.host().Message("Could not load file ");
    return;
  }
  w.m_answer->helpFile()->setHtml(html);
  m_helpRtf = *bytes;
  m_helpFileName = path;
}

}  // namespace quotella
