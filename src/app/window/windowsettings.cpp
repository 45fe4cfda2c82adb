#include "app/window/windowsettings.h"

#include <QApplication>
#include <QDir>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QTextEdit>

#include "app/commands/editorsync.h"
#include "app/commands/recentpuzzlesmenu.h"
#include "app/commands/viewcommands.h"
#include "app/panes/answerpane.h"
#include "app/panes/gridviewpane.h"
#include "app/panes/quotepane.h"
#include "app/panes/wordlistpane.h"
#include "app/print/printcommands.h"
#include "app/print/printroom.h"
#include "app/widgets/controls.h"
#include "app/widgets/puzzlegridwidget.h"
#include "app/widgets/raritycolouring.h"
#include "app/widgets/tablemodels.h"
#include "app/window/windowparts.h"
#include "app/window/windowrequests.h"
#include "core/clues.h"
#include "core/construction.h"
#include "core/textio.h"
#include "files/filesession.h"
#include "files/puzzlefile.h"
#include "render/qtext.h"
#include "search/rarity.h"
#include "search/wordlists.h"
#include "settings/fileassociation.h"
#include "settings/settings.h"
#include "settings/settingsstore.h"

namespace quotella {

WindowSettings::WindowSettings(WindowParts& parts, const QString& programDir)
    : m_parts(parts), m_programDir(programDir) {}

// The window resolves the program directory and makes the settings store first; start-up
// reads the settings file and shows the first puzzle.
void WindowSettings::StartUp(const WindowOptions& options, const ProgramPaths& paths) {
  m_parts.settings->SetOutputEditor(m_parts.session->Output.Lines);
  m_parts.settings->ReadIniFile(paths.IniFileName);
  m_parts.recent->puzzles().Read(m_parts.settings->View());

  ResetPuzzle(*m_parts.doc);
  m_parts.settings->ApplyLetterOrder();
  Apply();
  InitClueList(*m_parts.doc, kMaxWords);

  m_parts.quote->loadQuoteFile(QDir(m_programDir).filePath(QStringLiteral("QuoteWindow.rtf")));
  m_parts.viewCommands->PoolViewClick(0);
  m_parts.rarity->Init();
  m_parts.viewCommands->HelpTopicClick(1);
  m_parts.sync->PushEditors();
  m_parts.sync->PushLists();
  m_parts.requests->RefreshViews();
  if (options.registerFileType) RegisterPuzzleFiles();

  ChooseStartupPuzzle(options.arguments);

  m_parts.print->commands().ProbePrinter();
}

void WindowSettings::ChooseStartupPuzzle(const QStringList& arguments) {
  std::string file = m_parts.settings->Values().LastFile;
  if (!arguments.isEmpty()) file = ToUtf8(arguments.join(QLatin1Char(' ')).trimmed());
  if (!file.empty() && FolderPart(file).empty())
    file = ToUtf8(QDir(m_programDir).filePath(ToQString(file)));
  m_parts.session->CurrentPuzzleFile = file;
  if (FileExists(file) && m_parts.settings->Values().LoadLastFile)
    m_parts.sync->RunPullPush([this] { SimplyLoadPuzzle(*m_parts.doc, *m_parts.session); });
  SetCaption(*m_parts.session, m_parts.session->CurrentPuzzleFile);
  m_parts.window->setWindowTitle(ToQString(m_parts.session->Caption));
}

void WindowSettings::Apply() {
  const Settings& v = m_parts.settings->Values();
  m_parts.session->CurrentDir = v.CurrentDir;
  m_parts.session->LastFile = v.LastFile;
  // A loaded puzzle keeps its own copyright line when the settings are read again.
  if (!m_parts.doc->PuzzleExists) m_parts.session->CopyrightText = v.CopyrightText;
  if (v.Title) m_parts.session->TitleBox = *v.Title;
  if (v.Byline) m_parts.session->BylineBox = *v.Byline;
  ApplyToRooms();
}

void WindowSettings::ApplyToRooms() {
  const Settings& v = m_parts.settings->Values();
  m_parts.sources->DictDir = v.DictDir;
  for (int i = 0; i < 4; ++i)
    if (m_parts.sources->Lists[static_cast<std::size_t>(i)].FileName.empty())
      m_parts.sources->Lists[static_cast<std::size_t>(i)].FileName =
          v.WordListFiles[static_cast<std::size_t>(i)];
  SetBackground(m_parts.window->centralWidget(), StoredColour(v.FormColor), QPalette::Window);
  SetBackground(m_parts.lists->clueList(), StoredColour(v.ClueColor));
  SetBackground(m_parts.answer->quotesEditor(), StoredColour(v.QEditorColor));
  SetBackground(m_parts.answer->outputEditor(), StoredColour(v.OEditorColor));
  SetBackground(m_parts.quote->quoteWindow(), StoredColour(v.QuoteWinColor));
  m_parts.gridView->puzzleGrid()->style().background = StoredColour(v.GridColor);
  m_parts.answer->keyWords()->setFont(QFont(ToQString(v.KeyFontName), v.KeyFontSize));
  m_parts.lists->clueList()->setFont(QFont(ToQString(v.ClueFontName), v.ClueFontSize));
  m_parts.sync->PushEditors();
  m_parts.sync->PushLists();
  m_parts.sync->PushIniText();
}

void WindowSettings::NoteSessionFiles() {
  Settings& v = m_parts.settings->Values();
  v.LastFile = m_parts.session->LastFile;
  v.CurrentDir = m_parts.session->CurrentDir;
}

void WindowSettings::LoadIniFile1Click() {
  m_parts.sync->RunPullPush([this] {
    m_parts.settings->LoadIniFile();
    Apply();
  });
}

void WindowSettings::StoreAtClose() {
  m_parts.sync->PullEditors();
  Settings& v = m_parts.settings->Values();
  v.FormColor = StoredValue(m_parts.window->centralWidget()->palette().color(QPalette::Window));
  v.ClueColor = StoredValue(BackgroundOf(m_parts.lists->clueList()));
  v.QEditorColor = StoredValue(BackgroundOf(m_parts.answer->quotesEditor()));
  v.OEditorColor = StoredValue(BackgroundOf(m_parts.answer->outputEditor()));
  v.QuoteWinColor = StoredValue(BackgroundOf(m_parts.quote->quoteWindow()));
  v.GridColor = StoredValue(m_parts.gridView->puzzleGrid()->style().background);
  v.KeyFontName = ToUtf8(m_parts.answer->keyWords()->font().family());
  v.KeyFontSize = m_parts.answer->keyWords()->font().pointSize();
  v.ClueFontName = ToUtf8(m_parts.lists->clueList()->font().family());
  v.ClueFontSize = m_parts.lists->clueList()->font().pointSize();
  v.LastFile = m_parts.session->LastFile;
  v.CurrentDir = m_parts.session->CurrentDir;
  v.CopyrightText = m_parts.session->CopyrightText;
  v.QuotesFile = m_parts.session->QuotesFile;
  v.Title = m_parts.session->TitleBox;
  v.Byline = m_parts.session->BylineBox;
  for (int i = 0; i < 4; ++i)
    v.WordListFiles[static_cast<std::size_t>(i)] =
        m_parts.sources->Lists[static_cast<std::size_t>(i)].FileName;
  m_parts.recent->puzzles().Write(m_parts.settings->View());
  m_parts.settings->SaveAtExit();
}

}  // namespace quotella
