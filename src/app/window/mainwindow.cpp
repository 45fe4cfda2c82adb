#include "app/window/mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "app/clues/cluedeskpane.h"
#include "app/clues/cluedeskroom.h"
#include "app/commands/answercommands.h"
#include "app/commands/dialogcommands.h"
#include "app/commands/edithistory.h"
#include "app/commands/editorsync.h"
#include "app/commands/listcommands.h"
#include "app/commands/lookupcommands.h"
#include "app/commands/puzzlecommands.h"
#include "app/commands/recentpuzzlesmenu.h"
#include "app/commands/viewcommands.h"
#include "app/commands/windowcommands.h"
#include "app/panes/answerpane.h"
#include "app/panes/gridviewpane.h"
#include "app/panes/poolpane.h"
#include "app/panes/quotepane.h"
#include "app/panes/statuspane.h"
#include "app/panes/wordlistpane.h"
#include "app/print/printroom.h"
#include "app/recovery/recoverykeeper.h"
#include "app/search/searchcontroller.h"
#include "app/search/searchhooks.h"
#include "app/widgets/bottombar.h"
#include "app/widgets/controls.h"
#include "app/widgets/distributionbar.h"
#include "app/widgets/panelbar.h"
#include "app/widgets/puzzlegridwidget.h"
#include "app/widgets/raritycolouring.h"
#include "app/window/actiontable.h"
#include "app/window/guihost.h"
#include "app/window/roomwiring.h"
#include "app/window/viewtable.h"
#include "app/window/windoweventfilter.h"
#include "app/window/windowhost.h"
#include "app/window/windowloader.h"
#include "app/window/windowsettings.h"
#include "app/wordscores/scoredlistroom.h"
#include "core/assignment.h"
#include "core/geometry.h"
#include "files/filesession.h"
#include "files/puzzlefile.h"
#include "files/quotesfile.h"
#include "render/qtext.h"
#include "search/wordlists.h"
#include "settings/settings.h"
#include "settings/settingsstore.h"

namespace quotella {

MainWindow::MainWindow(const Options& options, QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("Form1"));
  BuildStores(options);
  BuildRooms();
  BuildHandlers();
  BuildTables();
  resize(805, 587);
  // The size is the user's: a bar or view that needs more room than the window has is
  // fitted into it, and the window never grows by itself.
  setMinimumSize(480, 360);
  m_doc->Subscribe([this](PuzzleDocument::Change change) { RefreshFor(change); });
  m_windowSettings->StartUp(options, m_paths);
  m_recovery = std::make_unique<RecoveryKeeper>(m_parts);
  // Once the window is up, the work a crash left is offered.
  QTimer::singleShot(0, m_recovery.get(), &RecoveryKeeper::OfferAtStart);
}

MainWindow::~MainWindow() = default;

namespace {

ProgramPaths PathsOf(const WindowOptions& options) {
  if (options.programDir.isEmpty()) return CurrentProgramPaths();
  const QByteArray config = qgetenv("XDG_CONFIG_HOME");
  const QByteArray home = qgetenv("HOME");
  return ResolveProgramPaths(WithTrailingSeparator(ToUtf8(QDir(options.programDir).absolutePath())),
                             config.toStdString(), home.toStdString());
}

}  // namespace

// The host with its sinks into the rooms, the document, the session, the word sources,
// the program folder and the settings store.
void MainWindow::BuildStores(const Options& options) {
  Host* dialogs = options.dialogs;
  if (!dialogs) {
    m_guiHost = std::make_unique<GuiHost>(this);
    dialogs = m_guiHost.get();
  }
  WindowHost::Sinks sinks;
  sinks.status = [this](StatusBar bar, int panel, const std::string& text) {
    OnStatus(bar, panel, text);
  };
  sinks.quoteWindow = [this](const std::vector<std::string>& lines) {
    m_parts.quote->showLines(lines);
  };
  sinks.soundsOn = [this] { return m_commands && m_commands->soundsOn(); };
  sinks.beforeMessage = [this] {
    if (m_parts.lists) m_parts.lists->setProgressLog(m_sources->ProgressLog);
  };
  m_host = std::make_unique<WindowHost>(*dialogs, std::move(sinks));
  m_doc = std::make_unique<PuzzleDocument>(*m_host);
  m_doc->AttachView(m_view);
  m_session = std::make_unique<FileSession>();
  m_sources = std::make_unique<WordSources>();
  m_session->ShowView = [this](View v) { m_viewCommands->ShowRequestedView(static_cast<int>(v)); };
  m_session->BeforePuzzleLoad = [this] { ReloadWordLists(*m_sources); };
  m_loader = std::make_unique<WindowLoader>(*m_session, *m_sources, *m_host);

  m_paths = PathsOf(options);
  m_programDir = ToQString(m_paths.ProgramDir);
  if (m_programDir.endsWith(QLatin1Char('/')) && m_programDir.size() > 1) m_programDir.chop(1);
  m_pathSet = MakeProgramDirCurrent(*m_host, m_paths.ProgramDir);
  m_sources->ProgramDir = m_paths.ProgramDir;
  m_settings = std::make_unique<SettingsStore>(*m_host, StartupSettings(m_paths), m_doc.get(),
                                               m_loader.get());

  m_parts.window = this;
  m_parts.requests = this;
  m_parts.doc = m_doc.get();
  m_parts.session = m_session.get();
  m_parts.sources = m_sources.get();
  m_parts.settings = m_settings.get();
  m_parts.host = m_host.get();
  m_parts.fonts = &m_fonts;
}

// The quote window and the status area on top; the answer pane, the list pane and the
// pool pane (or the Grid view across all three) in the middle; the bottom bar below.
void MainWindow::BuildRooms() {
  auto* central = new QWidget(this);
  central->setObjectName(QStringLiteral("Background"));
  setCentralWidget(central);

  WindowParts& p = m_parts;
  p.quote = new QuotePane(central);
  p.status = new StatusPane(central);
  p.answer = new AnswerPane(*m_doc, central);
  p.lists = new WordListPane(central);
  p.pool = new PoolPane(*m_doc, central);
  p.gridView = new GridViewPane(*m_doc, m_fonts, central);
  p.bottom = new BottomBar(*m_doc, central);
  p.clueDesk = new ClueDeskPane(central);
  p.clueDesk->hide();

  auto* root = new QVBoxLayout(central);
  root->setContentsMargins(8, 4, 8, 2);
  root->setSpacing(3);
  auto* top = new QHBoxLayout;
  top->setSpacing(7);
  // The quote window keeps its width whatever the status area shows.
  p.quote->setFixedWidth(425);
  top->addWidget(p.quote);
  top->addWidget(p.status, 1);
  root->addLayout(top);
  // The middle area: the views bring one of its pages to the front (ViewRow::page).
  p.middle = new QStackedWidget(central);
  p.middle->setObjectName(QStringLiteral("MiddleArea"));
  auto* panes = new QWidget;
  panes->setObjectName(QStringLiteral("PanesPage"));
  auto* row = new QHBoxLayout(panes);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(7);
  row->addWidget(p.answer, 425);
  row->addWidget(p.lists, 241);
  row->addWidget(p.clueDesk, 300);
  row->addWidget(p.pool, 0);
  p.middle->insertWidget(static_cast<int>(MiddlePage::kPanes), panes);
  // The grid pane steps aside by itself when its controls are hidden, so it stands in a
  // page of its own rather than being the page.
  auto* grid = new QWidget;
  grid->setObjectName(QStringLiteral("GridPage"));
  auto* gridLayout = new QVBoxLayout(grid);
  gridLayout->setContentsMargins(0, 0, 0, 0);
  gridLayout->addWidget(p.gridView);
  p.middle->insertWidget(static_cast<int>(MiddlePage::kGrid), grid);
  root->addWidget(p.middle, 1);
  root->addWidget(p.bottom);

  statusBar()->addWidget(p.status->statusBar1(), 1);
  statusBar()->addPermanentWidget(p.status->progress());
}

// Each handler gets the stores, rooms and handlers it works with; requests to the window
// (repaint, views, commands) go through WindowRequests.
void MainWindow::BuildHandlers() {
  WindowParts& p = m_parts;
  m_sync =
      std::make_unique<EditorSync>(*m_session, *m_settings, *m_sources, *p.answer, *p.lists, *this);
  p.sync = m_sync.get();
  m_viewCommands = std::make_unique<ViewCommands>(*m_doc, *m_settings, *p.answer, *p.lists, *p.pool,
                                                  *p.gridView, *m_sync, *this);
  p.viewCommands = m_viewCommands.get();
  m_lookups = std::make_unique<LookUpCommands>(*m_doc, *m_host, *p.answer, *p.lists, m_programDir);
  p.lookups = m_lookups.get();
  m_search = std::make_unique<SearchController>(*m_doc, *m_sources, *m_host, *p.status, this,
                                                SearchHooks::For(m_parts));
  p.search = m_search.get();
  m_listCommands = std::make_unique<ListCommands>(*m_doc, *m_sources, *m_host, *p.lists, *p.status,
                                                  *m_sync, *m_viewCommands, *m_search, *this);
  p.listCommands = m_listCommands.get();
  m_answers = std::make_unique<AnswerCommands>(
      *m_doc, *m_sources, *p.answer, *p.lists, *p.pool, *p.quote, *p.status, *p.gridView, *m_sync,
      *m_viewCommands, *m_listCommands, *m_lookups, *m_search, *this);
  p.answers = m_answers.get();
  m_puzzleCommands =
      std::make_unique<PuzzleCommands>(*m_doc, *m_session, *m_sources, *m_host, *p.answer,
                                       *m_answers, *m_sync, *m_viewCommands, *m_search, *this);
  p.puzzleCommands = m_puzzleCommands.get();
  m_commands =
      std::make_unique<WindowCommands>(*m_host, *p.answer, *p.gridView, m_programDir, *this);
  p.commands = m_commands.get();
  m_rarity = std::make_unique<RarityColouring>(*m_doc, *m_sources, *m_host, *p.answer, *p.lists);
  p.rarity = m_rarity.get();
  m_print = std::make_unique<PrintRoom>(m_parts);
  p.print = m_print.get();
  m_distribution = std::make_unique<DistributionBar>(*m_doc, *p.gridView, *p.bottom, this);
  p.distribution = m_distribution.get();
}

// The action and view tables, the handlers that work through them, the rooms' signals,
// the history and the application-wide events.
void MainWindow::BuildTables() {
  WindowParts& p = m_parts;
  m_actions = std::make_unique<ActionTable>(m_parts);
  p.actions = m_actions.get();
  m_actions->attach(m_print->sidePicture(), QStringLiteral("SideBitmapPopup"));
  m_views = std::make_unique<ViewTable>(m_parts);
  m_print->ConnectViews(*m_views);
  m_recent = std::make_unique<RecentPuzzlesMenu>(*m_doc, *m_session, *m_host, *m_puzzleCommands,
                                                 *m_sync, *m_viewCommands, *this,
                                                 *m_actions->mainMenu(QStringLiteral("&Open")));
  p.recent = m_recent.get();
  m_scoredLists = std::make_unique<ScoredListRoom>(m_parts);
  p.scoredLists = m_scoredLists.get();
  m_windowSettings = std::make_unique<WindowSettings>(
      WindowSettingsParts{*this, *this, *m_doc, *m_session, *m_sources, *m_settings, *p.answer,
                          *p.lists, *p.quote, *p.gridView, *m_sync, *m_viewCommands, *m_rarity,
                          *m_print, *m_recent, [this] { m_scoredLists->SettingsApplied(); }},
      m_programDir);
  p.windowSettings = m_windowSettings.get();
  m_dialogs = std::make_unique<DialogCommands>(*m_doc, *m_session, *m_settings, *m_host, *p.answer,
                                               *p.lists, *p.quote, *p.gridView, *m_sync,
                                               *m_viewCommands, *m_puzzleCommands, *m_commands,
                                               *m_print, *m_search, *m_windowSettings, *this);
  p.dialogs = m_dialogs.get();
  RoomWiring::Connect(m_parts);
  m_events = std::make_unique<WindowEventFilter>(*p.answer, *p.lists, *p.status, *m_answers,
                                                 *m_listCommands, *m_puzzleCommands,
                                                 *m_windowSettings, *centralWidget());
  m_editHistory = std::make_unique<EditHistory>(*m_doc, *m_session, *p.answer, *this);
  p.editHistory = m_editHistory.get();
  m_clueRoom = std::make_unique<ClueDeskRoom>(m_parts);
  p.clueRoom = m_clueRoom.get();
  m_clueRoom->Connect(*m_views);
}

Host& MainWindow::host() {
  return *m_host;
}

QAction* MainWindow::command(const QString& name) const {
  return m_actions ? m_actions->command(name) : nullptr;
}

QList<QAction*> MainWindow::commands() const {
  return m_actions->commands();
}

bool MainWindow::ShowView(const QString& view, int arg) {
  return m_views->show(view, arg);
}

QList<QWidget*> MainWindow::viewControls(const QString& group) const {
  return m_views->controls(group);
}

PuzzleGridWidget* MainWindow::puzzleGrid() const {
  return m_parts.gridView->puzzleGrid();
}

// The exit questions come first: Cancel, or a save that did not happen, keeps the program
// open with the work as it was (and a recovery copy of it at once). The settings are stored
// after them, so that they name the file just saved.
void MainWindow::closeEvent(QCloseEvent* event) {
  m_sync->PullEditors();
  if (!OfferToSaveQuotesOnClose(*m_session, host()) ||
      !OfferToSavePuzzleOnClose(*m_doc, *m_session)) {
    m_recovery->CheckNow();
    m_recovery->WaitForWrites();
    event->ignore();
    return;
  }
  m_windowSettings->StoreAtClose();
  m_recovery->Closed(false, false);
  event->accept();
}

void MainWindow::OnStatus(StatusBar bar, int panel, const std::string& text) {
  if (PanelBar* target = m_parts.status->bar(bar)) target->setPanel(panel, ToQString(text));
}

void MainWindow::FileOperationDone() {
  setWindowTitle(ToQString(m_session->Caption));
  RefreshViews();
  if (m_recent) m_recent->NoteRecentPuzzle();
}

void MainWindow::RefreshViews() {
  RefreshTable();
  m_parts.pool->refresh();
  RefreshClues();
  const WindowParts& p = m_parts;
  if (p.gridView->titleEdit()->text() != ToQString(m_session->TitleBox))
    p.gridView->titleEdit()->setText(ToQString(m_session->TitleBox));
  if (p.gridView->bylineEdit()->text() != ToQString(m_session->BylineBox))
    p.gridView->bylineEdit()->setText(ToQString(m_session->BylineBox));
  if (m_actions) m_actions->updateEnabled();
}

// Each kind of change repaints the views that show it; the caret follows every change.
void MainWindow::RefreshFor(PuzzleDocument::Change change) {
  using Change = PuzzleDocument::Change;
  switch (change) {
    case Change::Everything:
      RefreshViews();
      return;
    case Change::Pool:
      m_parts.pool->refresh();
      m_parts.bottom->refresh();
      RefreshSearchButton();
      break;
    case Change::Clues:
      RefreshClues();
      break;
    case Change::Cells:
    case Change::Table:
      RefreshTable();
      break;
  }
  m_parts.answer->syncSelection();
  if (m_actions) m_actions->updateEnabled();
}

// The answer table and number map, the search button, the conditions and the grid.
void MainWindow::RefreshTable() {
  m_parts.answer->refresh();
  RefreshSearchButton();
  m_parts.bottom->refresh();
  if (m_doc->PuzzleExists)
    puzzleGrid()->setShape(m_doc->Grid.Columns, m_doc->Grid.Rows, GridCellSize(m_doc->Grid).screen);
  puzzleGrid()->update();
}

void MainWindow::RefreshClues() {
  QStringList clues;
  const int n = m_doc->PuzzleExists
                    ? std::min<int>(m_doc->P.NumWords, static_cast<int>(m_doc->ClueLines.size()))
                    : 0;
  for (int r = 0; r < n; ++r) clues << ToQString(m_doc->ClueLines[static_cast<std::size_t>(r)]);
  m_parts.lists->setClues(clues.join(QLatin1Char('\n')));
}

void MainWindow::RefreshSearchButton() {
  const SearchButtonState button = CheckNumEmpty(*m_doc);
  m_parts.status->heuristicButton()->setEnabled(m_doc->PuzzleExists && button.enabled);
  SetCaptionColour(m_parts.status->heuristicButton(), m_doc->PuzzleExists && button.red);
}

}  // namespace quotella
