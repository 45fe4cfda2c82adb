#include "app/window/mainwindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>
#include <algorithm>

#include "app/commands/answercommands.h"
#include "app/commands/dialogcommands.h"
#include "app/commands/listcommands.h"
#include "app/commands/lookupcommands.h"
#include "app/commands/puzzlecommands.h"
#include "app/commands/viewcommands.h"
#include "app/commands/windowcommands.h"
#include "app/panes/answerpane.h"
#include "app/panes/gridviewpane.h"
#include "app/panes/poolpane.h"
#include "app/panes/quotepane.h"
#include "app/panes/statuspane.h"
#include "app/panes/wordlistpane.h"
#include "app/print/printroom.h"
#include "app/search/searchcontroller.h"
#include "app/search/searchhooks.h"
#include "app/widgets/bottombar.h"
#include "app/widgets/controls.h"
#include "app/widgets/distributionbar.h"
#include "app/widgets/panelbar.h"
#include "app/widgets/puzzlegridwidget.h"
#include "app/widgets/raritycolouring.h"
#include "app/window/actiontable.h"
#include "app/window/edithistory.h"
#include "app/window/editorsync.h"
#include "app/window/guihost.h"
#include "app/window/recentpuzzlesmenu.h"
#include "app/window/roomwiring.h"
#include "app/window/viewtable.h"
#include "app/window/windoweventfilter.h"
#include "app/window/windowhost.h"
#include "app/window/windowloader.h"
#include "app/window/windowsettings.h"
#include "core/assignment.h"
#include "core/geometry.h"
#include "files/filesession.h"
#include "files/puzzlefile.h"
#include "files/quotesfile.h"
#include "render/qtext.h"
#include "search/wordlists.h"
#include "settings/settingsstore.h"

namespace quotella {

MainWindow::MainWindow(const Options& options, QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("Form1"));
  Host* dialogs = options.dialogs;
  if (!dialogs) {
    m_guiHost = std::make_unique<GuiHost>(this);
    dialogs = m_guiHost.get();
  }
  WindowHost::Sinks sinks;
  sinks.status = [this](StatusBar bar, int panel, const std::string& text) {
    OnStatus(bar, panel, text);
  };
  sinks.quoteWindow = [this](const std::vector<std::string>& lines) { m_quote->showLines(lines); };
  sinks.soundsOn = [this] { return m_commands && m_commands->soundsOn(); };
  sinks.pendingEvents = [this] {
    if (m_lists) m_lists->setProgressLog(m_sources->ProgressLog);
    return m_events && m_events->ProcessPendingEvents();
  };
  sinks.beforeMessage = [this] {
    if (m_lists) m_lists->setProgressLog(m_sources->ProgressLog);
  };
  m_host = std::make_unique<WindowHost>(*dialogs, std::move(sinks));
  m_doc = std::make_unique<PuzzleDocument>(*m_host);
  m_session = std::make_unique<FileSession>();
  m_sources = std::make_unique<WordSources>();
  m_session->ShowView = [this](View v) { m_viewCommands->ShowRequestedView(static_cast<int>(v)); };
  m_session->BeforePuzzleLoad = [this] { ReloadWordLists(*m_sources); };
  m_loader = std::make_unique<WindowLoader>(*m_session, *m_sources, *m_host);

  BuildRooms();
  m_sync = new EditorSync(*this);
  m_viewCommands = new ViewCommands(*this);
  m_listCommands = new ListCommands(*this);
  m_puzzleCommands = new PuzzleCommands(*this);
  m_rarity = new RarityColouring(*this);
  m_search = std::make_unique<SearchController>(*m_doc, *m_sources, *m_host, *m_status, this,
                                                SearchHooks::For(*this));
  m_actions = new ActionTable(*this);
  m_views = std::make_unique<ViewTable>(*this);
  m_print->ConnectViews();
  m_dialogs = new DialogCommands(*this);
  m_commands = new WindowCommands(*this);
  m_answers = new AnswerCommands(*this);
  m_lookups = new LookUpCommands(*this);
  m_distribution = new DistributionBar(*m_doc, *m_gridView, *m_bottom, this);
  RoomWiring::Connect(*this);
  m_recent = new RecentPuzzlesMenu(*this);
  resize(805, 587);
  m_doc->Subscribe([this](PuzzleDocument::Change) { RefreshViews(); });
  m_events = new WindowEventFilter(*this);
  m_editHistory = new EditHistory(*this);
  m_windowSettings = std::make_unique<WindowSettings>(*this);
  m_windowSettings->StartUp(options);
}

MainWindow::~MainWindow() {
  delete m_events;  // no event reaches the handlers while the window goes
  m_events = nullptr;
  m_search.reset();  // ends and joins the searches before the document and lists go
}

Host& MainWindow::host() {
  return *m_host;
}

QAction* MainWindow::command(const QString& name) const {
  return m_actions->command(name);
}

QList<QAction*> MainWindow::commands() const {
  return m_actions->commands();
}

bool MainWindow::ShowView(const QString& view, int arg) {
  return m_views->show(view, arg);
}

PuzzleGridWidget* MainWindow::puzzleGrid() const {
  return m_gridView->puzzleGrid();
}

// The quote window and the status area on top; the answer pane, the list pane and the
// pool pane (or the Grid view across all three) in the middle; the bottom bar below.
void MainWindow::BuildRooms() {
  auto* central = new QWidget(this);
  central->setObjectName(QStringLiteral("Background"));
  setCentralWidget(central);

  m_quote = new QuotePane(central);
  m_status = new StatusPane(central);
  m_answer = new AnswerPane(*m_doc, central);
  m_lists = new WordListPane(central);
  m_pool = new PoolPane(*m_doc, central);
  m_gridView = new GridViewPane(*m_doc, m_fonts, central);
  m_bottom = new BottomBar(*m_doc, central);
  m_print = new PrintRoom(*this);

  auto* root = new QVBoxLayout(central);
  root->setContentsMargins(8, 4, 8, 2);
  root->setSpacing(3);
  auto* top = new QHBoxLayout;
  top->setSpacing(7);
  // The quote window keeps its width whatever the status area shows.
  m_quote->setFixedWidth(425);
  top->addWidget(m_quote);
  top->addWidget(m_status, 1);
  root->addLayout(top);
  auto* middle = new QHBoxLayout;
  middle->setSpacing(7);
  middle->addWidget(m_answer, 425);
  middle->addWidget(m_lists, 241);
  middle->addWidget(m_pool, 0);
  middle->addWidget(m_gridView, 1);
  root->addLayout(middle, 1);
  root->addWidget(m_bottom);

  statusBar()->addWidget(m_status->statusBar1(), 1);
  statusBar()->addPermanentWidget(m_status->progress());
}

void MainWindow::closeEvent(QCloseEvent* event) {
  m_windowSettings->StoreAtClose();
  OfferToSaveQuotesOnClose(*m_session, host());
  OfferToSavePuzzleOnClose(*m_doc, *m_session);
  event->accept();
}

void MainWindow::OnStatus(StatusBar bar, int panel, const std::string& text) {
  if (PanelBar* target = m_status->bar(bar)) target->setPanel(panel, ToQString(text));
}

void MainWindow::RefreshViews() {
  m_answer->refresh();
  m_pool->refresh();
  QStringList clues;
  const int n = m_doc->PuzzleExists
                    ? std::min<int>(m_doc->P.NumWords, static_cast<int>(m_doc->ClueLines.size()))
                    : 0;
  for (int r = 0; r < n; ++r) clues << ToQString(m_doc->ClueLines[static_cast<std::size_t>(r)]);
  m_lists->setClues(clues.join(QLatin1Char('\n')));
  if (m_gridView->titleEdit()->text() != ToQString(m_session->TitleBox))
    m_gridView->titleEdit()->setText(ToQString(m_session->TitleBox));
  if (m_gridView->bylineEdit()->text() != ToQString(m_session->BylineBox))
    m_gridView->bylineEdit()->setText(ToQString(m_session->BylineBox));
  const SearchButtonState button = CheckNumEmpty(*m_doc);
  m_status->heuristicButton()->setEnabled(m_doc->PuzzleExists && button.enabled);
  SetCaptionColour(m_status->heuristicButton(), m_doc->PuzzleExists && button.red);
  m_bottom->refresh();
  if (m_doc->PuzzleExists)
    puzzleGrid()->setShape(m_doc->Grid.Columns, m_doc->Grid.Rows, GridCellSize(m_doc->Grid).screen);
  puzzleGrid()->update();
  m_actions->updateEnabled();
}

}  // namespace quotella
