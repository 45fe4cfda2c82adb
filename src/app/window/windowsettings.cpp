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

WindowSettings::WindowSettings(const WindowSettingsParts& parts, const QString& programDir)
    : m_p(parts), m_programDir(programDir) {}

// The window resolves the program directory and makes the settings store first; start-up
// reads the settings file and shows the first puzzle.
void WindowSettings::StartUp(const WindowOptions& options, const ProgramPaths& paths) {
  m_p.settings.SetOutputEditor(m_p.session.Output.Lines);
  m_p.settings.ReadIniFile(paths.IniFileName);
  m_p.recent.puzzles().Read(m_p.settings.View());

  ResetPuzzle(m_p.doc);
  m_p.settings.ApplyLetterOrder();
  Apply();
  InitClueList(m_p.doc, kMaxWords);

  m_p.quote.loadQuoteFile(QDir(m_programDir).filePath(QStringLiteral("QuoteWindow.rtf")));
  m_p.viewCommands.PoolViewClick(0);
  m_p.rarity.Init();
  m_p.viewCommands.HelpTopicClick(1);
  m_p.sync.PushEditors();
  m_p.sync.PushLists();
  m_p.requests.RefreshViews();
  if (options.registerFileType) RegisterPuzzleFiles();

  ChooseStartupPuzzle(options.arguments);

  m_p.print.commands().ProbePrinter();
}

void WindowSettings::ChooseStartupPuzzle(const QStringList& arguments) {
  std::string file = m_p.settings.Values().LastFile;
  if (!arguments.isEmpty()) file = ToUtf8(arguments.join(QLatin1Char(' ')).trimmed());
  if (!file.empty() && FolderPart(file).empty())
    file = ToUtf8(QDir(m_programDir).filePath(ToQString(file)));
  m_p.session.CurrentPuzzleFile = file;
  if (FileExists(file) && m_p.settings.Values().LoadLastFile)
    m_p.sync.RunPullPush([this] { SimplyLoadPuzzle(m_p.doc, m_p.session); });
  SetCaption(m_p.session, m_p.session.CurrentPuzzleFile);
  m_p.window.setWindowTitle(ToQString(m_p.session.Caption));
}

void WindowSettings::Apply() {
  const Settings& v = m_p.settings.Values();
  m_p.session.CurrentDir = v.CurrentDir;
  m_p.session.LastFile = v.LastFile;
  // A loaded puzzle keeps its own copyright line when the settings are read again.
  if (!m_p.doc.PuzzleExists) m_p.session.CopyrightText = v.CopyrightText;
  if (v.Title) m_p.session.TitleBox = *v.Title;
  if (v.Byline) m_p.session.BylineBox = *v.Byline;
  ApplyToRooms();
}

void WindowSettings::ApplyToRooms() {
  const Settings& v = m_p.settings.Values();
  m_p.sources.DictDir = v.DictDir;
  for (int i = 0; i < 4; ++i)
    if (m_p.sources.Lists[static_cast<std::size_t>(i)].FileName.empty())
      m_p.sources.Lists[static_cast<std::size_t>(i)].FileName =
          v.WordListFiles[static_cast<std::size_t>(i)];
  SetBackground(m_p.window.centralWidget(), StoredColour(v.FormColor), QPalette::Window);
  SetBackground(m_p.lists.clueList(), StoredColour(v.ClueColor));
  SetBackground(m_p.answer.quotesEditor(), StoredColour(v.QEditorColor));
  SetBackground(m_p.answer.outputEditor(), StoredColour(v.OEditorColor));
  SetBackground(m_p.quote.quoteWindow(), StoredColour(v.QuoteWinColor));
  m_p.gridView.puzzleGrid()->style().background = StoredColour(v.GridColor);
  m_p.answer.keyWords()->setFont(QFont(ToQString(v.KeyFontName), v.KeyFontSize));
  m_p.lists.clueList()->setFont(QFont(ToQString(v.ClueFontName), v.ClueFontSize));
  m_p.sync.PushEditors();
  m_p.sync.PushLists();
  m_p.sync.PushIniText();
  if (m_p.applied) m_p.applied();
}

void WindowSettings::NoteSessionFiles() {
  Settings& v = m_p.settings.Values();
  v.LastFile = m_p.session.LastFile;
  v.CurrentDir = m_p.session.CurrentDir;
}

void WindowSettings::LoadIniFile1Click() {
  m_p.sync.RunPullPush([this] {
    m_p.settings.LoadIniFile();
    Apply();
  });
}

void WindowSettings::StoreAtClose() {
  m_p.sync.PullEditors();
  Settings& v = m_p.settings.Values();
  v.FormColor = StoredValue(m_p.window.centralWidget()->palette().color(QPalette::Window));
  v.ClueColor = StoredValue(BackgroundOf(m_p.lists.clueList()));
  v.QEditorColor = StoredValue(BackgroundOf(m_p.answer.quotesEditor()));
  v.OEditorColor = StoredValue(BackgroundOf(m_p.answer.outputEditor()));
  v.QuoteWinColor = StoredValue(BackgroundOf(m_p.quote.quoteWindow()));
  v.GridColor = StoredValue(m_p.gridView.puzzleGrid()->style().background);
  v.KeyFontName = ToUtf8(m_p.answer.keyWords()->font().family());
  v.KeyFontSize = m_p.answer.keyWords()->font().pointSize();
  v.ClueFontName = ToUtf8(m_p.lists.clueList()->font().family());
  v.ClueFontSize = m_p.lists.clueList()->font().pointSize();
  v.LastFile = m_p.session.LastFile;
  v.CurrentDir = m_p.session.CurrentDir;
  v.CopyrightText = m_p.session.CopyrightText;
  v.QuotesFile = m_p.session.QuotesFile;
  v.Title = m_p.session.TitleBox;
  v.Byline = m_p.session.BylineBox;
  for (int i = 0; i < 4; ++i)
    v.WordListFiles[static_cast<std::size_t>(i)] =
        m_p.sources.Lists[static_cast<std::size_t>(i)].FileName;
  m_p.recent.puzzles().Write(m_p.settings.View());
  m_p.settings.SaveAtExit();
}

}  // namespace quotella
