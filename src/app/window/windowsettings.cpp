#include "app/window/windowsettings.h"

#include <QApplication>
#include <QDir>
#include <QPlainTextEdit>
#include <QTextEdit>

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
#include "app/window/editorsync.h"
#include "app/window/mainwindow.h"
#include "app/window/recentpuzzlesmenu.h"
#include "app/window/windowloader.h"
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

WindowSettings::WindowSettings(MainWindow& window) : w(window) {}

void WindowSettings::StartUp(const MainWindow::Options& options) {
  QApplication::processEvents();
  ProgramPaths paths;
  if (options.programDir.isEmpty()) {
    paths = CurrentProgramPaths();
  } else {
    const QByteArray config = qgetenv("XDG_CONFIG_HOME");
    const QByteArray home = qgetenv("HOME");
    paths =
        ResolveProgramPaths(WithTrailingSeparator(ToUtf8(QDir(options.programDir).absolutePath())),
                            config.toStdString(), home.toStdString());
  }
  w.m_programDir = ToQString(paths.ProgramDir);
  if (w.m_programDir.endsWith(QLatin1Char('/')) && w.m_programDir.size() > 1)
    w.m_programDir.chop(1);
  w.m_pathSet = MakeProgramDirCurrent(w.host(), paths.ProgramDir);

  w.m_sources->ProgramDir = paths.ProgramDir;
  w.m_settings = std::make_unique<SettingsStore>(w.host(), StartupSettings(paths), w.m_doc.get(),
                                                 w.m_loader.get());
  w.m_settings->SetOutputEditor(w.m_session->Output.Lines);
  w.m_settings->ReadIniFile(paths.IniFileName);
  w.m_recent->puzzles().Read(w.m_settings->View());

  ResetPuzzle(*w.m_doc);
  w.m_settings->ApplyLetterOrder();
  Apply();
  InitClueList(*w.m_doc, kMaxWords);

  w.m_quote->loadQuoteFile(QDir(w.m_programDir).filePath(QStringLiteral("QuoteWindow.rtf")));
  w.m_viewCommands->PoolViewClick(0);
  w.m_rarity->Init();
  w.m_viewCommands->HelpTopicClick(1);
  w.m_sync->PushEditors();
  w.m_sync->PushLists();
  w.RefreshViews();
  QApplication::processEvents();
  if (options.registerFileType) RegisterPuzzleFiles();

  ChooseStartupPuzzle(options.arguments);

  w.m_print->commands().ProbePrinter();
}

void WindowSettings::ChooseStartupPuzzle(const QStringList& arguments) {
  std::string file = w.m_settings->Values().LastFile;
  if (!arguments.isEmpty()) file = ToUtf8(arguments.join(QLatin1Char(' ')).trimmed());
  if (!file.empty() && FolderPart(file).empty())
    file = ToUtf8(QDir(w.m_programDir).filePath(ToQString(file)));
  w.m_session->CurrentPuzzleFile = file;
  if (FileExists(file) && w.m_settings->Values().LoadLastFile)
    w.m_sync->RunPullPush([this] { SimplyLoadPuzzle(*w.m_doc, *w.m_session); });
  SetCaption(*w.m_session, w.m_session->CurrentPuzzleFile);
  w.setWindowTitle(ToQString(w.m_session->Caption));
}

void WindowSettings::Apply() {
  const Settings& v = w.m_settings->Values();
  w.m_session->CurrentDir = v.CurrentDir;
  w.m_session->LastFile = v.LastFile;
  // A loaded puzzle keeps its own copyright line when the settings are read again.
  if (!w.m_doc->PuzzleExists) w.m_session->CopyrightText = v.CopyrightText;
  if (v.Title) w.m_session->TitleBox = *v.Title;
  if (v.Byline) w.m_session->BylineBox = *v.Byline;
  w.m_sources->DictDir = v.DictDir;
  for (int i = 0; i < 4; ++i)
    if (w.m_sources->Lists[static_cast<std::size_t>(i)].FileName.empty())
      w.m_sources->Lists[static_cast<std::size_t>(i)].FileName =
          v.WordListFiles[static_cast<std::size_t>(i)];
  SetBackground(w.centralWidget(), StoredColour(v.FormColor), QPalette::Window);
  SetBackground(w.m_lists->clueList(), StoredColour(v.ClueColor));
  SetBackground(w.m_answer->quotesEditor(), StoredColour(v.QEditorColor));
  SetBackground(w.m_answer->outputEditor(), StoredColour(v.OEditorColor));
  SetBackground(w.m_quote->quoteWindow(), StoredColour(v.QuoteWinColor));
  w.puzzleGrid()->style().background = StoredColour(v.GridColor);
  w.m_answer->keyWords()->setFont(QFont(ToQString(v.KeyFontName), v.KeyFontSize));
  w.m_lists->clueList()->setFont(QFont(ToQString(v.ClueFontName), v.ClueFontSize));
  w.m_sync->PushEditors();
  w.m_sync->PushLists();
  w.m_sync->PushIniText();
}

void WindowSettings::LoadIniFile1Click() {
  w.m_sync->RunPullPush([this] {
    w.m_settings->LoadIniFile();
    Apply();
  });
}

void WindowSettings::StoreAtClose() {
  w.m_sync->PullEditors();
  Settings& v = w.m_settings->Values();
  v.FormColor = StoredValue(w.centralWidget()->palette().color(QPalette::Window));
  v.ClueColor = StoredValue(BackgroundOf(w.m_lists->clueList()));
  v.QEditorColor = StoredValue(BackgroundOf(w.m_answer->quotesEditor()));
  v.OEditorColor = StoredValue(BackgroundOf(w.m_answer->outputEditor()));
  v.QuoteWinColor = StoredValue(BackgroundOf(w.m_quote->quoteWindow()));
  v.GridColor = StoredValue(w.puzzleGrid()->style().background);
  v.KeyFontName = ToUtf8(w.m_answer->keyWords()->font().family());
  v.KeyFontSize = w.m_answer->keyWords()->font().pointSize();
  v.ClueFontName = ToUtf8(w.m_lists->clueList()->font().family());
  v.ClueFontSize = w.m_lists->clueList()->font().pointSize();
  v.LastFile = w.m_session->LastFile;
  v.CurrentDir = w.m_session->CurrentDir;
  v.CopyrightText = w.m_session->CopyrightText;
  v.QuotesFile = w.m_session->QuotesFile;
  v.Title = w.m_session->TitleBox;
  v.Byline = w.m_session->BylineBox;
  for (int i = 0; i < 4; ++i)
    v.WordListFiles[static_cast<std::size_t>(i)] =
        w.m_sources->Lists[static_cast<std::size_t>(i)].FileName;
  w.m_recent->puzzles().Write(w.m_settings->View());
  w.m_settings->SaveAtExit();
}

}  // namespace quotella
