#include "app/commands/windowcommands.h"
#include "app/panes/gridviewpane.h"

#include <QAction>
#include <QColorDialog>
#include <QDir>
#include <QFileInfo>
#include <QTextEdit>
#include <iterator>

#include "app/panes/answerpane.h"
#include "app/widgets/puzzlegridwidget.h"
#include "app/window/names.h"
#include "app/window/windowrequests.h"
#include "core/textio.h"
#include "render/qtext.h"
#include "rtf/rtfreader.h"
#include "settings/settingsstore.h"

namespace quotella {

WindowCommands::WindowCommands(Host& host, AnswerPane& answer, GridViewPane& gridView,
                               const QString& programDir, WindowRequests& requests)
    : m_host(host),
      m_answer(answer),
      m_gridView(gridView),
      m_programDir(programDir),
      m_requests(requests) {}

void WindowCommands::SoundToggle1Click() {
  m_soundsOn = !m_soundsOn;
  if (QAction* a = m_requests.command(names::kSoundToggle))
    a->setText(m_soundsOn ? QStringLiteral("Sounds Off") : QStringLiteral("Sounds On"));
}

void WindowCommands::Wordwrap3Click() {
  QTextEdit* output = m_answer.outputEditor();
  const bool wrap = output->lineWrapMode() == QTextEdit::NoWrap;
  output->setLineWrapMode(wrap ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
  if (QAction* a = m_requests.command(names::kWordwrap))
    a->setText(wrap ? QStringLiteral("No Wrap") : QStringLiteral("&Wordwrap"));
}

void WindowCommands::HighLightCommonClick() {
  auto& style = m_gridView.puzzleGrid()->style();
  style.commonHighlight = !style.commonHighlight;
  if (QAction* a = m_requests.command(names::kHighlightCommon))
    a->setText(style.commonHighlight ? QStringLiteral("Highlight Common Words OFF")
                                     : QStringLiteral("Highlight Common Words ON"));
  m_gridView.puzzleGrid()->update();
}

void WindowCommands::BlockColorClick() {
  const QColor c =
      QColorDialog::getColor(m_gridView.puzzleGrid()->style().block, &m_requests.window());
  if (!c.isValid()) return;
  m_gridView.puzzleGrid()->style().block = c;
  if (m_gridView.puzzleGrid()->isVisible()) m_gridView.puzzleGrid()->update();
}

void WindowCommands::Color7Click() {
  const QColor c =
      QColorDialog::getColor(m_gridView.puzzleGrid()->style().background, &m_requests.window());
  if (!c.isValid()) return;
  m_gridView.puzzleGrid()->style().background = c;
  m_gridView.puzzleGrid()->update();
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
  m_host.Message(text);
}

void WindowCommands::SaveHelpfile1Click() {
  const auto name =
      m_host.SaveFileName("Save File", kFileFilter,
                          ToUtf8(QFileInfo(m_helpFileName).absolutePath()), ToUtf8(m_helpFileName));
  if (!name) return;
  if (const SaveResult saved = WriteFileAtomic(*name, m_helpRtf); !saved.ok())
    m_host.Message(saved.Message("Could not save file ", *name));
}

void WindowCommands::LoadHelpTopic(int topic) {
  const QString path = QDir(m_programDir).filePath(QStringLiteral("help%1.rtf").arg(topic));
  if (!QFileInfo::exists(path)) {
    m_host.Message("Cannot find file " + ToUtf8(path));
    return;
  }
  const auto bytes = ReadFileBytes(ToUtf8(path));
  bool ok = false;
  const QString html = bytes ? RtfToHtml(*bytes, &ok) : QString();
  if (!ok) {
    m_host.Message("Could not load file ");
    return;
  }
  m_answer.helpFile()->setHtml(html);
  m_helpRtf = *bytes;
  m_helpFileName = path;
}

}  // namespace quotella
