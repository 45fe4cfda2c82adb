#include "app/mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCloseEvent>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QStatusBar>
#include <QTableView>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

#include "app/actiontable.h"
#include "app/answercommands.h"
#include "app/answerpane.h"
#include "app/autofilldialog.h"
#include "app/barwidget.h"
#include "app/bottombar.h"
#include "app/browsedialog.h"
#include "app/controls.h"
#include "app/dialogcommands.h"
#include "app/distributionbar.h"
#include "app/edithistory.h"
#include "app/generalsettingsdialog.h"
#include "app/gridviewpane.h"
#include "app/guihost.h"
#include "app/hotkeysdialog.h"
#include "app/lookupcommands.h"
#include "app/manualentrydialog.h"
#include "app/panelbar.h"
#include "app/poolpane.h"
#include "app/printcommands.h"
#include "app/printroom.h"
#include "app/problemsearchdialog.h"
#include "app/puzzlegridwidget.h"
#include "app/quotepane.h"
#include "app/recentpuzzlesmenu.h"
#include "app/rtfreader.h"
#include "app/searchcontroller.h"
#include "app/statuspane.h"
#include "app/tablemodels.h"
#include "app/viewtable.h"
#include "app/windowcommands.h"
#include "app/windowhost.h"
#include "app/windowsettings.h"
#include "app/wordlisteditordialog.h"
#include "app/wordlistpane.h"
#include "core/answertable.h"
#include "core/assignment.h"
#include "core/clues.h"
#include "core/construction.h"
#include "core/geometry.h"
#include "core/poolstatus.h"
#include "core/quoteparse.h"
#include "core/textio.h"
#include "files/filesession.h"
#include "files/infofile.h"
#include "files/inforeport.h"
#include "files/puzzlefile.h"
#include "files/quotesfile.h"
#include "render/highlight.h"
#include "render/qtext.h"
#include "search/scan.h"
#include "search/sorts.h"
#include "search/wordlists.h"
#include "settings/fileassociation.h"
#include "settings/lookups.h"
#include "settings/settings.h"
#include "settings/settingsstore.h"

namespace quotella {

namespace {

QString Cp(const std::string& s) {
  return FromCp(s);
}

}  // namespace

// The settings name the quotes file and the word lists; the window loads them into its
// own editors and lists.
class WindowLoader : public SettingsLoader {
 public:
  WindowLoader(FileSession& session, WordSources& sources, Host& host)
      : m_session(session), m_sources(sources), m_host(host) {}
  bool LoadQuotesFile(const std::string& path) override {
    const auto lines = ReadTextLines(path);
    if (!lines) return false;
    m_session.QuotesEditor = *lines;
    m_session.QuotesFile = path;
    m_session.QuotesModified = false;
    return true;
  }
  bool LoadWordList(int list, const std::string& path) override {
    if (!ValidListNumber(list) || !FileExists(path)) return false;
    return LoadWordListFile(m_sources, list, path, m_host);
  }

 private:
  FileSession& m_session;
  WordSources& m_sources;
  Host& m_host;
};

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
    ++m_pendingDepth;
    QApplication::processEvents();
    --m_pendingDepth;
    return std::exchange(m_escPressed, false);
  };
  sinks.beforeMessage = [this] {
    if (m_lists) m_lists->setProgressLog(m_sources->ProgressLog);
  };
  m_host = std::make_unique<WindowHost>(*dialogs, std::move(sinks));
  m_doc = std::make_unique<PuzzleDocument>(*m_host);
  m_session = std::make_unique<FileSession>();
  m_sources = std::make_unique<WordSources>();
  m_session->ShowView = [this](View v) { ShowRequestedView(static_cast<int>(v)); };
  m_session->BeforePuzzleLoad = [this] { ReloadWordLists(*m_sources); };
  m_loader = std::make_unique<WindowLoader>(*m_session, *m_sources, *m_host);

  BuildRooms();
  m_actions = new ActionTable(*this);
  m_views = std::make_unique<ViewTable>(*this);
  m_print->ConnectViews();
  m_dialogs = new DialogCommands(*this);
  m_commands = new WindowCommands(*this);
  m_answers = new AnswerCommands(*this);
  m_lookups = new LookUpCommands(*this);
  m_distribution = new DistributionBar(*m_doc, *m_gridView, *m_bottom, this);
  ConnectRooms();
  m_recent = new RecentPuzzlesMenu(*this);
  resize(805, 587);
  m_doc->Subscribe([this](PuzzleDocument::Change c) { OnDocumentChanged(c); });
  qApp->installEventFilter(this);
  m_editHistory = new EditHistory(*this);
  m_windowSettings = std::make_unique<WindowSettings>(*this);
  m_windowSettings->StartUp(options);
}

MainWindow::~MainWindow() {
  qApp->removeEventFilter(this);
  m_search.reset();  // ends and joins the searches before the document and lists go
}

SettingsLoader* MainWindow::settingsLoader() {
  return m_loader.get();
}

Host& MainWindow::host() {
  return *m_host;
}

ManualEntryDialog* MainWindow::manualEntry() const {
  return m_dialogs->manualEntry();
}
HotkeysDialog* MainWindow::hotkeys() const {
  return m_dialogs->hotkeys();
}
BrowseDialog* MainWindow::browser() const {
  return m_dialogs->browser();
}
GeneralSettingsDialog* MainWindow::generalSettings() const {
  return m_dialogs->generalSettings();
}
const RecentPuzzles& MainWindow::recentPuzzles() const {
  return m_recent->puzzles();
}
QMenu* MainWindow::recentMenu() const {
  return m_recent->menu();
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

QString MainWindow::SolverProgram() {
  return QStringLiteral("quotella-solver");
}
QString MainWindow::TextEditorProgram() {
  return QStringLiteral("quotella-editor");
}
QString MainWindow::PuzzleManagerProgram() {
  return QStringLiteral("quotella-manager");
}

// ---------------------------------------------------------------------------------
// The rooms

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

  m_search = std::make_unique<SearchController>(
      *m_doc, *m_sources, *m_host, *m_status, this,
      SearchController::Hooks{
          [this] { PushLists(); },
          [this] {
            RefreshViews();
            if (m_editHistory) m_editHistory->searchLaid();
          },
          [this] {
            HideAllLists();
            m_status->candidateStatus()->hide();
            m_lists->wordList(4)->show();
            m_status->searchStatus()->show();
          },
          [this](const QString& word) { m_lookups->OpenAddress(KeywordMerriamLookup(ToCp(word))); },
          [this] { return m_settings->Values().ProgramDir; },
          [this](bool running) {
            if (QAction* a = command(QStringLiteral("Autofill1")))
              a->setText(running ? QStringLiteral("Stop Autofill") : QStringLiteral("Autofill"));
          },
          [this] {
            AutofillRequest request;
            request.maxRarity = m_settings->Values().AutofillRarity;
            request.seconds = m_settings->Values().AutofillSeconds;
            request.rows = AutofillDialog::SelectedRows(m_answer->keyWords());
            return request;
          },
          [this] { Puzzle3Click(); }});
}

void MainWindow::ConnectRooms() {
  connect(m_quote, &QuotePane::swapLineDoubleClicked, this,
          [this](int line) { m_answers->SwapListBoxDblClick(line); });

  connect(m_bottom, &BottomBar::viewClicked, this, [this](int view) {
    switch (view) {
      case 0:
        Puzzle3Click();
        break;
      case 1:
        Grid1Click();
        break;
      case 2:
        Quotes3Click();
        break;
      default:
        Output1Click();
        break;
    }
  });
  connect(m_bottom, &BottomBar::listClicked, this, [this](int n) { WordListButtonClick(n); });
  connect(m_bottom, &BottomBar::cluesClicked, this, [this] { CluesButtonClick(); });
  connect(m_bottom, &BottomBar::candidatesClicked, this, [this] { CandidatesButtonClick(); });
  connect(m_bottom, &BottomBar::scanClicked, this, [this] { m_answers->ScanDictionary(); });
  connect(m_bottom, &BottomBar::conditionsToggled, this,
          [this] { m_answer->keyWords()->setFocus(); });
  connect(m_bottom, &BottomBar::mustHaveChanged, this, [this] { m_pool->refresh(); });
  connect(m_bottom, &BottomBar::conditionsEntered, this, [this] { m_answers->ScanDictionary(); });
  connect(m_bottom, &BottomBar::focusTable, this, [this] { m_answer->keyWords()->setFocus(); });
  connect(m_status->candidateStatus(), &PanelBar::doubleClicked, this,
          [this] { m_answers->ScanDictionary(); });

  connect(m_pool, &PoolPane::orderClicked, this, [this](int view) { PoolViewClick(view); });
  connect(m_pool, &PoolPane::cellDoubleClicked, this, [this](int col, int row) {
    PoolGridDblClick(*m_doc, col, row);
    RefreshViews();
  });
  if (QMenu* pool = m_actions->contextMenu(QStringLiteral("PoolPopup"))) {
    connect(pool, &QMenu::aboutToShow, this, [this] {
      const int row = m_pool->grid(0)->currentIndex().row();
      if (QAction* lock = command(QStringLiteral("LockPopup")))
        lock->setText(row >= 1 && row <= 26 ? Cp(LockPopupCaption(*m_doc, row))
                                            : QStringLiteral("Lock Character"));
    });
  }

  connect(m_status->statusBar1(), &PanelBar::doubleClicked, this,
          [this] { StatusBar1DblClick(*m_doc); });
  connect(m_status->searchStatus(), &PanelBar::clicked, this,
          [this] { m_search->SkipHeuristic(); });
  connect(m_status->heuristicButton(), &QPushButton::clicked, this,
          [this] { HeuristicButtonClick(); });
  connect(m_status->addItemField(), &QLineEdit::returnPressed, this, [this] {
    QLineEdit* field = m_status->addItemField();
    const int n = m_sources->AddItemTarget;
    const std::size_t index = AddItemFromField(*m_sources, ToCp(field->text()));
    PushLists();
    if (n >= 1 && n <= 4) m_lists->wordList(n)->setCurrentRow(static_cast<int>(index));
    field->clear();
  });

  KeyTableView* keyWords = m_answer->keyWords();
  connect(keyWords->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) {
            if (!current.isValid()) return;
            m_doc->CurCol = current.column();
            m_doc->CurRow = current.row();
            m_status->statusBar1()->setPanel(0, QStringLiteral("Row %1").arg(current.row()));
            m_status->statusBar1()->setPanel(1, QStringLiteral("Col %1").arg(current.column()));
            if (m_doc->PuzzleExists) UpdateCharStatus(*m_doc);
          });
  connect(keyWords, &KeyTableView::keyTyped, this,
          [this](char key) { m_answers->KeyWordsKeyPress(key); });
  connect(keyWords, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
    m_answers->KeyWordsDblClick(index.column(), index.row());
  });
  connect(m_answer->numberGrid(), &QTableView::doubleClicked, this,
          [this] { NumberGridDblClick(); });
  m_answer->quotesEditor()->viewport()->installEventFilter(this);
  connect(m_answer->quotesEditor(), &QPlainTextEdit::textChanged, this, [this] {
    if (m_syncing) return;
    m_session->QuotesEditor = FromQText(m_answer->quotesEditor()->toPlainText());
    QuotesEditorChange(*m_session);
  });

  connect(m_lists, &WordListPane::candidateClicked, this, [this] { m_answers->CandidateClick(); });
  connect(m_lists, &WordListPane::candidateDoubleClicked, this,
          [this] { m_answers->CandidatesDblClick(); });
  connect(m_lists, &WordListPane::wordList4DoubleClicked, this,
          [this](int line) { Wordlist4DblClick(line); });

  GridViewPane* g = m_gridView;
  connect(g->puzzleGrid(), &PuzzleGridWidget::positionDoubleClicked, this,
          [this](int c, int r) { m_answers->PuzzleGridDblClick(c, r); });
  connect(g->titleEdit(), &QLineEdit::textEdited, this,
          [this](const QString& text) { m_session->TitleBox = ToCp(text); });
  connect(g->bylineEdit(), &QLineEdit::textEdited, this,
          [this](const QString& text) { m_session->BylineBox = ToCp(text); });
  connect(g->stretchButton(), &QPushButton::clicked, this, [this] { StretchGrid1Click(); });
  connect(g->squeezeButton(), &QPushButton::clicked, this, [this] { SqueezeGrid1Click(); });
  connect(g->orientationButton(), &QPushButton::clicked, this,
          [this] { m_gridView->orientationButton()->setText(Cp(OrentationButtonClick(*m_doc))); });
  connect(g->copyrightButton(), &QPushButton::clicked, this,
          [this] { m_dialogs->CopyrightButtonClick(); });
  connect(g->blockColourButton(), &QPushButton::clicked, this,
          [this] { m_commands->BlockColorClick(); });
}

// ---------------------------------------------------------------------------------
// Start-up and close

void MainWindow::ApplySettings() {
  m_windowSettings->Apply();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  m_windowSettings->StoreAtClose();
  OfferToSaveQuotesOnClose(*m_session, host());
  OfferToSavePuzzleOnClose(*m_doc, *m_session);
  event->accept();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  // Only an Esc that arrives while a long command lets events through is meant for it.
  if (event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && m_pendingDepth > 0)
    m_escPressed = true;
  // A double click on the window's bare background adds items to word list 1.
  if (event->type() == QEvent::MouseButtonDblClick && watched == centralWidget()) {
    AddanItemClick(m_lastWordList);
    return true;
  }
  if (event->type() == QEvent::KeyPress &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete && m_lists) {
    for (int n = 1; n <= 4; ++n)
      if (watched == m_lists->wordList(n)) {
        DeleteListEntry(n);
        return true;
      }
  }
  // A double click on the list label reads the settings file again.
  if (event->type() == QEvent::MouseButtonDblClick && m_status &&
      watched == m_status->listLabel()) {
    RunPullPush([this] {
      m_settings->LoadIniFile();
      ApplySettings();
    });
    return true;
  }
  QPlainTextEdit* quotes = m_answer ? m_answer->quotesEditor() : nullptr;
  if (quotes && watched == quotes->viewport()) {
    if (event->type() == QEvent::MouseButtonDblClick) {
      const auto* me = static_cast<QMouseEvent*>(event);
      quotes->setTextCursor(quotes->cursorForPosition(me->position().toPoint()));
      QuotesEditorDblClick();
      return true;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
      QTimer::singleShot(0, this, [this] { m_answers->QuotesEditorClick(); });
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------------
// Host sinks and repainting

void MainWindow::OnStatus(StatusBar bar, int panel, const std::string& text) {
  if (PanelBar* target = m_status->bar(bar)) target->setPanel(panel, Cp(text));
}

void MainWindow::OnDocumentChanged(PuzzleDocument::Change) {
  RefreshViews();
}

void MainWindow::RefreshViews() {
  m_answer->refresh();
  m_pool->refresh();
  QStringList clues;
  const int n = m_doc->PuzzleExists
                    ? std::min<int>(m_doc->P.NumWords, static_cast<int>(m_doc->ClueLines.size()))
                    : 0;
  for (int r = 0; r < n; ++r) clues << Cp(m_doc->ClueLines[static_cast<std::size_t>(r)]);
  m_lists->setClues(clues.join(QLatin1Char('\n')));
  if (m_gridView->titleEdit()->text() != Cp(m_session->TitleBox))
    m_gridView->titleEdit()->setText(Cp(m_session->TitleBox));
  if (m_gridView->bylineEdit()->text() != Cp(m_session->BylineBox))
    m_gridView->bylineEdit()->setText(Cp(m_session->BylineBox));
  const SearchButtonState button = CheckNumEmpty(*m_doc);
  m_status->heuristicButton()->setEnabled(m_doc->PuzzleExists && button.enabled);
  SetCaptionColour(m_status->heuristicButton(), m_doc->PuzzleExists && button.red);
  m_bottom->refresh();
  if (m_doc->PuzzleExists)
    puzzleGrid()->setShape(m_doc->Grid.Columns, m_doc->Grid.Rows, GridCellSize(m_doc->Grid).screen);
  puzzleGrid()->update();
  m_actions->updateEnabled();
}

void MainWindow::SyncSelection() {
  m_answer->syncSelection();
}

void MainWindow::PlaySound(const char* name) {
  host().PlaySound(name, false);
}

// ---------------------------------------------------------------------------------
// Views: the view table does the showing and hiding

void MainWindow::HideAllLists() {
  for (QWidget* w : m_views->controls(QStringLiteral("@lists"))) w->hide();
}

void MainWindow::ClearSwapMarksAndHighlights() {
  ClearDisplayMarks(*m_doc);
  puzzleGrid()->update();
}

void MainWindow::SetOutputShort(bool shortEditor) {
  m_outputShort = shortEditor;
  if (QAction* a = command(QStringLiteral("Short1")))
    a->setText(shortEditor ? QStringLiteral("Wide") : QStringLiteral("Short"));
}

void MainWindow::SetListLabelToLines(const QString& fileName, int lines) {
  m_status->listLabel()->setText(fileName + QLatin1Char(' ') + QString::number(lines) +
                                 QStringLiteral(" lines "));
}

void MainWindow::Puzzle3Click() {
  ShowView(QStringLiteral("Puzzle"));
}

void MainWindow::Grid1Click() {
  ShowView(QStringLiteral("Grid"));
}

void MainWindow::Quotes3Click() {
  ShowView(QStringLiteral("Quotes"));
}

void MainWindow::Output1Click() {
  ShowView(QStringLiteral("Output"));
}

void MainWindow::WordListButtonClick(int n) {
  if (n >= 1 && n <= 4) ShowView(QStringLiteral("Wordlist"), n);
}

void MainWindow::AddanItemClick(int n) {
  if (n < 1 || n > 4) return;
  WordListButtonClick(n);
  m_sources->AddItemTarget = n;
  m_status->listLabel()->hide();
  m_lists->candidates()->hide();
  m_status->candidateStatus()->hide();
  m_status->addItemField()->setPlaceholderText(
      QStringLiteral("Add to word list %1: type a word, then Enter").arg(n));
  m_status->addItemField()->show();
  m_status->addItemField()->setFocus();
}

void MainWindow::DeleteListEntry(int n) {
  QListWidget* list = m_lists->wordList(n);
  auto& items = m_sources->List(n).Items;
  const int row = list->currentRow();
  if (row < 0 || row >= static_cast<int>(items.size())) return;
  items.erase(items.begin() + row);
  PushLists();
  list->setCurrentRow(std::min(row, list->count() - 1));
  UpdateListLabel(*m_sources, n);
  m_status->listLabel()->setText(Cp(m_sources->ListLabel));
}

void MainWindow::CluesButtonClick() {
  ShowView(QStringLiteral("Clues"));
}

void MainWindow::CandidatesButtonClick() {
  ShowView(QStringLiteral("Candidates"));
}

void MainWindow::HelpTopicClick(int topic) {
  if (topic < 1 || topic > 4) return;
  if (topic == 1) m_answer->helpFile()->document()->setDocumentMargin(2);
  ShowView(QStringLiteral("Help"), topic);
}

void MainWindow::NumberMap1Click() {
  ShowView(QStringLiteral("NumberMap"));
  RefreshPoolViews(*m_doc);
  RefreshViews();
}

void MainWindow::NumberGridDblClick() {
  m_answer->numberGrid()->hide();
  if (m_answer->outputEditor()->isHidden() && m_answer->quotesEditor()->isHidden() &&
      m_gridView->puzzleArea()->isHidden())
    m_answer->keyWords()->show();
}

void MainWindow::PoolViewClick(int view) {
  SetPoolView(*m_doc, view);
  m_pool->markCurrent();
  if (m_gridView->puzzleArea()->isHidden()) m_pool->showCurrent();
  RefreshViews();
}

void MainWindow::IniFile2Click() {
  RunPullPush([this] { m_settings->ReloadIniView(); });
  ShowView(QStringLiteral("IniFile"));
}

void MainWindow::ShowRequestedView(int view) {
  switch (static_cast<View>(view)) {
    case View::Puzzle:
      Puzzle3Click();
      break;
    case View::Output:
      PushEditors();
      Output1Click();
      break;
    case View::Quotes:
      PushEditors();
      Quotes3Click();
      break;
  }
}

// ---------------------------------------------------------------------------------
// Window commands

void MainWindow::Short1Click() {
  SetOutputShort(!m_outputShort);
  if (m_outputShort) {
    if (!m_lists->anyVisible()) m_lists->wordList(1)->show();
  } else {
    HideAllLists();
  }
}

void MainWindow::DistributionButtonClick() {
  m_distribution->DistributionButtonClick();
}

bool MainWindow::soundsOn() const {
  return m_commands->soundsOn();
}

bool MainWindow::distributionMode() const {
  return m_distribution->active();
}

// ---------------------------------------------------------------------------------
// Answer-word table, clues and pool

// ---------------------------------------------------------------------------------
// Editors and lists as the operations see them

void MainWindow::PullEditors() {
  m_session->Output.Lines = FromQText(m_answer->outputEditor()->toPlainText());
  m_session->QuotesEditor = FromQText(m_answer->quotesEditor()->toPlainText());
  if (m_settings) m_settings->View().SetLines(FromQText(m_answer->iniFile()->toPlainText()));
}

void MainWindow::PushEditors() {
  m_syncing = true;
  const QString output = ToQLines(m_session->Output.Lines).join(QLatin1Char('\n'));
  if (m_answer->outputEditor()->toPlainText() != output)
    m_answer->outputEditor()->setPlainText(output);
  const QString quotes = ToQLines(m_session->QuotesEditor).join(QLatin1Char('\n'));
  if (m_answer->quotesEditor()->toPlainText() != quotes)
    m_answer->quotesEditor()->setPlainText(quotes);
  m_syncing = false;
}

void MainWindow::PushIniText() {
  if (!m_settings) return;
  const QString text = ToQLines(m_settings->View().Lines()).join(QLatin1Char('\n'));
  if (m_answer->iniFile()->toPlainText() != text) m_answer->iniFile()->setPlainText(text);
}

void MainWindow::PushLists() {
  m_lists->fill(*m_sources);
}

void MainWindow::RunPullPush(const std::function<void()>& operation) {
  PullEditors();
  operation();
  PushEditors();
  PushLists();
  PushIniText();
  setWindowTitle(Cp(m_session->Caption));
  RefreshViews();
  m_recent->NoteRecentPuzzle();
}

void MainWindow::SetRarityColors1Click() {
  if (m_rarityColors.recountDone) return;
  // The log covers the lists while the letter files are counted.
  m_lists->showProgressLog(true);
  SetRarityColorsToDict(*m_doc, *m_sources, m_rarityColors);
  m_lists->showProgressLog(false);
  UpdateRarityColours();
}

void MainWindow::UpdateRarityColours() {
  for (std::size_t i = 0; i < 26; ++i) {
    const Rgb c = RarityRgb(m_rarityColors.band[i]);
    m_answer->rarity()[i] = QColor(c.r, c.g, c.b);
  }
  m_answer->keyWords()->viewport()->update();
}

// ---------------------------------------------------------------------------------
// Making puzzles, typing, candidates, scans, swapping, grid shape

void MainWindow::NewPuzzleShown() {
  const bool searching = heuristicSearching() || autofilling();
  m_search->EndAll();
  // A search that was ending may have left its log in the lists.
  if (searching) ReloadWordLists(*m_sources);
  ClearDisplayMarks(*m_doc);
  m_answers->ResetSwap();
  PushLists();
}

void MainWindow::QuotesEditorDblClick() {
  const QString line = m_answer->quotesEditor()->textCursor().block().text();
  // One stray double click must not lose the work on a changed puzzle.
  if (m_doc->PuzzleExists && m_doc->PuzzleChanged && !line.trimmed().isEmpty()) {
    const std::optional<bool> save = host().ConfirmOrCancel("Puzzle file has changed. Save it?");
    if (!save) return;
    if (*save) {
      RunPullPush([this] { Puzzle2Click(*m_doc, *m_session); });
      if (m_doc->PuzzleChanged) return;  // not saved: the puzzle stays
    }
  }
  const DblClickResult result = quotella::QuotesEditorDblClick(*m_doc, ToCp(line));
  if (result != DblClickResult::Blank && result != DblClickResult::Refused) {
    m_session->CurrentPuzzleFile = "noname.txt";
    SetCaption(*m_session, m_session->CurrentPuzzleFile);
    setWindowTitle(Cp(m_session->Caption));
    NewPuzzleShown();
  }
  if (result == DblClickResult::Made) {
    m_doc->CurCol = 2;
    m_doc->CurRow = 0;
    PoolViewClick(0);
    Puzzle3Click();
  }
  RefreshViews();
}

void MainWindow::StretchGrid1Click() {
  if (!m_doc->PuzzleExists) return;
  quotella::StretchGrid1Click(*m_doc);
  RefreshViews();
}

void MainWindow::SqueezeGrid1Click() {
  if (!m_doc->PuzzleExists) return;
  quotella::SqueezeGrid1Click(*m_doc);
  RefreshViews();
}

// ---------------------------------------------------------------------------------
// The searches live in the search controller

bool MainWindow::heuristicSearching() const {
  return m_search->heuristicSearching();
}

bool MainWindow::autofilling() const {
  return m_search->autofilling();
}

WordListEditorDialog* MainWindow::wordListEditor() const {
  return m_search->wordListEditor();
}

void MainWindow::HeuristicButtonClick() {
  m_search->StartHeuristic();
}

void MainWindow::EndHeuristicSearchNow1Click() {
  m_search->EndHeuristic();
}

void MainWindow::Autofill1Click() {
  m_search->ToggleAutofill();
}

void MainWindow::Wordlist4DblClick(int line) {
  if (!m_doc->PuzzleExists || line < 0 ||
      line >= static_cast<int>(m_sources->Lists[3].Items.size()))
    return;
  const std::string text = m_sources->Lists[3].Items[static_cast<std::size_t>(line)];
  if (!m_search->LaySolution(text)) return;
  Puzzle3Click();
  RefreshViews();
}

}  // namespace quotella
