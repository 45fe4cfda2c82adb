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
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QSpinBox>
#include <QStatusBar>
#include <QTableView>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>

#include "app/barwidget.h"
#include "app/browsedialog.h"
#include "app/generalsettingsdialog.h"
#include "app/guihost.h"
#include "app/hotkeysdialog.h"
#include "app/manualentrydialog.h"
#include "app/panelbar.h"
#include "app/problemsearchdialog.h"
#include "app/puzzlegridwidget.h"
#include "app/rtfreader.h"
#include "app/tablemodels.h"
#include "app/windowhost.h"
#include "app/wordlisteditordialog.h"
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
#include "files/textexport.h"
#include "render/highlight.h"
#include "render/qtext.h"
#include "search/heuristic.h"
#include "search/scan.h"
#include "search/sorts.h"
#include "search/threewordsearch.h"
#include "search/wordlists.h"
#include "settings/fileassociation.h"
#include "settings/lookups.h"
#include "settings/settings.h"
#include "settings/settingsstore.h"

#include "search/autofill.h"
#include "search/autofillsource.h"
#include "search/autofillworker.h"

namespace quotella {

namespace {

constexpr int kEditorWide = 673;
constexpr int kEditorShort = 425;
constexpr int kDistributionBarMax = 740;
constexpr int kAnswerBarRightEdge = 790;

QString Cp(const std::string& s) {
  return FromCp(s);
}

QPushButton* MakeButton(const QString& name, const QString& caption, QWidget* parent) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  b->setFocusPolicy(Qt::NoFocus);
  b->setAutoDefault(false);
  return b;
}

void SetCaptionColour(QPushButton* b, bool red) {
  b->setStyleSheet(red ? QStringLiteral("color: red;") : QString());
}

// Settings colours keep blue in bits 16-23 and red in bits 0-7.
QColor StoredColour(int value) {
  return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}
int StoredValue(const QColor& c) {
  return c.red() | (c.green() << 8) | (c.blue() << 16);
}

QColor BackgroundOf(const QWidget* w) {
  return w->palette().color(QPalette::Base);
}

void SetBackground(QWidget* w, const QColor& c, QPalette::ColorRole role = QPalette::Base) {
  QPalette pal = w->palette();
  pal.setColor(role, c);
  w->setPalette(pal);
  w->setAutoFillBackground(true);
}

QStringList ToQLines(const std::vector<std::string>& lines) {
  QStringList out;
  for (const auto& l : lines) out << FromCp(l);
  return out;
}

std::vector<std::string> FromQText(const QString& text) {
  std::vector<std::string> lines;
  if (text.isEmpty()) return lines;
  for (const QString& l : text.split(QLatin1Char('\n'))) lines.push_back(ToCp(l));
  return lines;
}

class QtClipboard : public Clipboard {
 public:
  void SetText(const std::string& text) override {
    QApplication::clipboard()->setText(FromCp(text));
  }
};

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

// One row of the action table.
struct MainWindow::CommandSpec {
  const char* name;     // object name of the action
  const char* menu;     // main menu caption, or the object name of a context menu
  const char* caption;  // the menu text as shown ("&" marks the access key)
  const char* shortcut;
  std::function<void(MainWindow&)> handler;
  bool hidden = false;
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
  sinks.quoteWindow = [this](const std::vector<std::string>& lines) { OnQuoteWindow(lines); };
  sinks.soundsOn = [this] { return m_soundsOn; };
  sinks.pendingEvents = [this] {
    QApplication::processEvents();
    return std::exchange(m_escPressed, false);
  };
  m_host = std::make_unique<WindowHost>(*dialogs, std::move(sinks));
  m_doc = std::make_unique<PuzzleDocument>(*m_host);
  m_session = std::make_unique<FileSession>();
  m_sources = std::make_unique<WordSources>();
  m_session->ShowView = [this](View v) { ShowRequestedView(static_cast<int>(v)); };
  m_session->BeforePuzzleLoad = [this] { ReloadWordLists(*m_sources); };
  m_loader = std::make_unique<WindowLoader>(*m_session, *m_sources, *m_host);
  m_rarity.fill(QColor(Qt::white));
  m_quoteFont = QFont(QStringLiteral("Times New Roman"), 11);

  BuildControls();
  BuildLayout();
  BuildCommands();
  resize(805, 587);
  m_doc->Subscribe([this](PuzzleDocument::Change c) { OnDocumentChanged(c); });
  qApp->installEventFilter(this);
  StartUp(options);
}

MainWindow::~MainWindow() {
  qApp->removeEventFilter(this);
  delete m_listEditorDialog;  // it works on m_listEditor
  m_listEditorDialog = nullptr;
  m_autofill.reset();   // stops and joins a running fill before its dictionary goes
  m_heuristic.reset();  // ends and joins a running search before the lists go
}

Host& MainWindow::host() {
  return *m_host;
}

QAction* MainWindow::command(const QString& name) const {
  const auto it = m_commands.find(name);
  return it == m_commands.end() ? nullptr : it->second;
}

QList<QAction*> MainWindow::commands() const {
  QList<QAction*> list;
  for (const auto& [name, action] : m_commands) list << action;
  return list;
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
// Controls and layout

void MainWindow::BuildControls() {
  auto* central = new QWidget(this);
  central->setObjectName(QStringLiteral("Background"));
  setCentralWidget(central);

  m_quoteWindow = new QTextEdit(central);
  m_quoteWindow->setObjectName(QStringLiteral("QuoteWindow"));
  m_quoteWindow->setReadOnly(true);
  m_swapList = new QListWidget(central);
  m_swapList->setObjectName(QStringLiteral("SwapListBox"));
  m_swapList->hide();

  m_charStatus1 = new PanelBar(QStringLiteral("CharStatus1"),
                               {QStringLiteral("Cell"), QStringLiteral("Char"),
                                QStringLiteral("Col"), QStringLiteral("Empty, Use up..")},
                               {60, 60, 60, 0}, central);
  m_charStatus2 =
      new PanelBar(QStringLiteral("CharStatus2"),
                   {QStringLiteral("Avg wrd len"), QStringLiteral("Pool"), QStringLiteral("Cons"),
                    QStringLiteral("Vowels"), QStringLiteral("Vowel %")},
                   {80, 60, 60, 65, 0}, central);
  m_printStatus1 = new PanelBar(
      QStringLiteral("PrintStatusBar1"),
      {QStringLiteral("PWidth"), QStringLiteral("PHeight"), QStringLiteral("PCellsize"),
       QStringLiteral("Orientation"), QStringLiteral("GridHeight")},
      {80, 80, 60, 70, 0}, central);
  m_printStatus2 =
      new PanelBar(QStringLiteral("PrintStatusBar2"),
                   {QStringLiteral("Columns"), QStringLiteral("Rows"), QStringLiteral("Extra")},
                   {90, 90, 0}, central);
  m_printStatus1->hide();
  m_printStatus2->hide();

  m_keyWords = new KeyTableView(central);
  m_keyWords->setObjectName(QStringLiteral("KeyWords"));
  m_keyWordsModel = new StringTableModel(
      m_doc->KeyWords, [this] { return m_doc->PuzzleExists ? m_doc->P.NumWords : 0; }, this);
  m_keyWords->setModel(m_keyWordsModel);
  m_keyWords->setItemDelegate(new KeyWordsDelegate(*m_doc, m_rarity, this));
  m_keyWords->setFont(QFont(QStringLiteral("Comic Sans MS"), 10));
  m_keyWords->horizontalHeader()->hide();
  m_keyWords->verticalHeader()->hide();
  m_keyWords->horizontalHeader()->setDefaultSectionSize(22);
  m_keyWords->horizontalHeader()->setMinimumSectionSize(10);
  m_keyWords->verticalHeader()->setDefaultSectionSize(22);
  m_keyWords->verticalHeader()->setMinimumSectionSize(10);
  m_keyWords->setStyleSheet(QStringLiteral("QTableView { background-color: #FFFFE0; }"));

  m_numberGrid = new QTableView(central);
  m_numberGrid->setObjectName(QStringLiteral("NumberGrid"));
  m_numberModel = new StringTableModel(
      m_doc->NumberGrid, [this] { return m_doc->PuzzleExists ? m_doc->P.NumWords : 0; }, this);
  m_numberGrid->setModel(m_numberModel);
  m_numberGrid->horizontalHeader()->hide();
  m_numberGrid->verticalHeader()->hide();
  m_numberGrid->horizontalHeader()->setDefaultSectionSize(30);
  m_numberGrid->verticalHeader()->setDefaultSectionSize(20);
  m_numberGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_numberGrid->hide();
  connect(m_numberGrid, &QTableView::doubleClicked, this, [this] { NumberGridDblClick(); });

  m_helpFile = new QTextEdit(central);
  m_helpFile->setObjectName(QStringLiteral("HelpFile"));
  m_helpFile->setReadOnly(true);
  m_helpFile->hide();
  m_iniFile = new QPlainTextEdit(central);
  m_iniFile->setObjectName(QStringLiteral("IniFile"));
  m_iniFile->hide();
  m_quotesEditor = new QPlainTextEdit(central);
  m_quotesEditor->setObjectName(QStringLiteral("QuotesEditor"));
  m_quotesEditor->setLineWrapMode(QPlainTextEdit::NoWrap);
  m_quotesEditor->hide();
  m_outputEditor = new QTextEdit(central);
  m_outputEditor->setObjectName(QStringLiteral("OutputEditor"));
  m_outputEditor->setLineWrapMode(QTextEdit::NoWrap);
  m_outputEditor->setAcceptRichText(true);
  m_outputEditor->hide();

  m_puzzleGrid = new PuzzleGridWidget(*m_doc, m_fonts);
  m_puzzleArea = new QScrollArea(central);
  m_puzzleArea->setObjectName(QStringLiteral("PuzzleGridArea"));
  m_puzzleArea->setWidget(m_puzzleGrid);
  m_puzzleArea->setWidgetResizable(false);
  m_puzzleArea->hide();

  m_listLabel = new QLabel(central);
  m_listLabel->setObjectName(QStringLiteral("ListLabel"));
  m_wordListFileLabel = new QLabel(central);
  m_wordListFileLabel->setObjectName(QStringLiteral("WordListFileLabel"));
  m_wordListFileLabel->hide();
  m_addItemField = new QLineEdit(central);
  m_addItemField->setObjectName(QStringLiteral("AddItemEdit"));
  m_addItemField->hide();
  connect(m_addItemField, &QLineEdit::returnPressed, this, [this] {
    const int n = m_sources->AddItemTarget;
    const std::size_t index = AddItemFromField(*m_sources, ToCp(m_addItemField->text()));
    PushLists();
    if (n >= 1 && n <= 4)
      m_wordLists[static_cast<std::size_t>(n - 1)]->setCurrentRow(static_cast<int>(index));
    m_addItemField->clear();
  });
  m_searchStatus =
      new PanelBar(QStringLiteral("SearchStatusBar"),
                   {QStringLiteral("word1"), QStringLiteral("word2"), QStringLiteral("word3")},
                   {80, 80, 0}, central);
  m_searchStatus->hide();
  m_candidateStatus =
      new PanelBar(QStringLiteral("CandidateStatusBar"),
                   {QStringLiteral("Vowels"), QStringLiteral("Score 1"), QStringLiteral("Score 2"),
                    QStringLiteral("Len"), QStringLiteral("Avg")},
                   {45, 50, 50, 40, 0}, central);
  m_candidateStatus->hide();

  m_candidates = new QListWidget(central);
  m_candidates->setObjectName(QStringLiteral("Candidates"));
  m_candidates->hide();
  for (int i = 0; i < 4; ++i) {
    auto* list = new QListWidget(central);
    list->setObjectName(QStringLiteral("Wordlist%1").arg(i + 1));
    list->hide();
    m_wordLists[static_cast<std::size_t>(i)] = list;
  }
  m_clueList = new QPlainTextEdit(central);
  m_clueList->setObjectName(QStringLiteral("Cluelist"));
  m_clueList->setReadOnly(true);
  m_clueList->setLineWrapMode(QPlainTextEdit::NoWrap);
  m_clueList->hide();

  const QString poolNames[3] = {QStringLiteral("CharPoolGrid"), QStringLiteral("RankGrid"),
                                QStringLiteral("PoolNumSortGrid")};
  const PoolGridKind kinds[3] = {PoolGridKind::CharPool, PoolGridKind::Rank, PoolGridKind::NumSort};
  for (std::size_t i = 0; i < 3; ++i) {
    auto* view = new QTableView(central);
    view->setObjectName(poolNames[i]);
    auto* model = new PoolGridModel(*m_doc, kinds[i], this);
    view->setModel(model);
    view->setItemDelegate(new PoolGridDelegate(*m_doc, kinds[i], this));
    view->horizontalHeader()->hide();
    view->verticalHeader()->hide();
    view->horizontalHeader()->setMinimumSectionSize(10);
    view->verticalHeader()->setMinimumSectionSize(10);
    view->horizontalHeader()->setDefaultSectionSize(31);
    view->verticalHeader()->setDefaultSectionSize(15);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setFixedWidth(100);
    view->hide();
    connect(view, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
      if (PoolGridDblClick(*m_doc, index.column(), index.row()))
        m_conditions->setText(Cp(m_doc->Conditions.mustHave));
      RefreshViews();
    });
    m_poolGrids[i] = view;
    m_poolModels[i] = model;
  }
  const QString poolButtons[3][2] = {{QStringLiteral("AlphaButton"), QStringLiteral("Alpha")},
                                     {QStringLiteral("RankSortButton"), QStringLiteral("Rank")},
                                     {QStringLiteral("SortPoolButton"), QStringLiteral("Sort")}};
  for (int i = 0; i < 3; ++i) {
    auto* b = MakeButton(poolButtons[i][0], poolButtons[i][1], central);
    b->setFixedWidth(32);
    connect(b, &QPushButton::clicked, this, [this, i] { PoolViewClick(i); });
    m_poolButtons[static_cast<std::size_t>(i)] = b;
  }

  const QString views[4][2] = {{QStringLiteral("PuzzleButton"), QStringLiteral("Puzzle")},
                               {QStringLiteral("GridButton"), QStringLiteral("Grid")},
                               {QStringLiteral("QuotesButton"), QStringLiteral("Quotes")},
                               {QStringLiteral("OutputButton"), QStringLiteral("Output")}};
  for (std::size_t i = 0; i < 4; ++i)
    m_viewButtons[i] = MakeButton(views[i][0], views[i][1], central);
  connect(m_viewButtons[0], &QPushButton::clicked, this, [this] { Puzzle3Click(); });
  connect(m_viewButtons[1], &QPushButton::clicked, this, [this] { Grid1Click(); });
  connect(m_viewButtons[2], &QPushButton::clicked, this, [this] { Quotes3Click(); });
  connect(m_viewButtons[3], &QPushButton::clicked, this, [this] { Output1Click(); });

  m_conditions = new QLineEdit(central);
  m_conditions->setObjectName(QStringLiteral("Conditions"));
  m_conditions->setPlaceholderText(QStringLiteral("Must Have"));
  m_conditions->setToolTip(QStringLiteral("Must Have"));
  m_conditions->setFixedWidth(80);
  connect(m_conditions, &QLineEdit::textChanged, this, [this](const QString& text) {
    m_doc->Conditions.mustHave = ToCp(text);
    for (auto* view : m_poolGrids) view->viewport()->update();
  });
  m_minLength = new QSpinBox(central);
  m_minLength->setObjectName(QStringLiteral("MinLength"));
  m_minLength->setRange(0, 52);
  m_minLength->setPrefix(QStringLiteral("Min "));
  m_minLength->setFixedWidth(64);
  connect(m_minLength, &QSpinBox::valueChanged, this,
          [this](int v) { m_doc->Conditions.minLength = v; });
  m_maxLength = new QSpinBox(central);
  m_maxLength->setObjectName(QStringLiteral("MaxLength"));
  m_maxLength->setRange(0, 52);
  m_maxLength->setPrefix(QStringLiteral("Max "));
  m_maxLength->setFixedWidth(66);
  connect(m_maxLength, &QSpinBox::valueChanged, this,
          [this](int v) { m_doc->Conditions.maxLength = v; });
  m_conditionsBox = new QCheckBox(QStringLiteral("Off"), central);
  m_conditionsBox->setObjectName(QStringLiteral("ConditionsCheckbox"));
  connect(m_conditionsBox, &QCheckBox::clicked, this, [this](bool on) {
    m_doc->Conditions.on = on;
    m_conditionsBox->setText(on ? QStringLiteral("On") : QStringLiteral("Off"));
    m_keyWords->setFocus();
  });

  for (int i = 0; i < 4; ++i) {
    auto* b =
        MakeButton(QStringLiteral("List%1Button").arg(i + 1), QString::number(i + 1), central);
    b->setFixedWidth(24);
    connect(b, &QPushButton::clicked, this, [this, i] { WordListButtonClick(i + 1); });
    m_listButtons[static_cast<std::size_t>(i)] = b;
  }
  for (auto* b : m_viewButtons) b->setFixedWidth(48);
  m_cluesButton = MakeButton(QStringLiteral("CluesButton"), QStringLiteral("Clues"), central);
  m_cluesButton->setFixedWidth(44);
  connect(m_cluesButton, &QPushButton::clicked, this, [this] { CluesButtonClick(); });
  m_candidatesButton =
      MakeButton(QStringLiteral("CandidatesButton"), QStringLiteral("Candidates"), central);
  m_candidatesButton->setFixedWidth(72);
  connect(m_candidatesButton, &QPushButton::clicked, this, [this] { CandidatesButtonClick(); });

  m_titleLabel = new QLabel(QStringLiteral("Title"), central);
  m_titleLabel->setObjectName(QStringLiteral("TitleLabel"));
  m_titleEdit = new QLineEdit(central);
  m_titleEdit->setObjectName(QStringLiteral("TitleEdit"));
  connect(m_titleEdit, &QLineEdit::textEdited, this,
          [this](const QString& text) { m_session->TitleBox = ToCp(text); });
  m_bylineLabel = new QLabel(QStringLiteral("Byline"), central);
  m_bylineLabel->setObjectName(QStringLiteral("BylineLabel"));
  m_bylineEdit = new QLineEdit(central);
  m_bylineEdit->setObjectName(QStringLiteral("BylineEdit"));
  connect(m_bylineEdit, &QLineEdit::textEdited, this,
          [this](const QString& text) { m_session->BylineBox = ToCp(text); });
  m_stretchButton = MakeButton(QStringLiteral("GridStretchButton"), QStringLiteral("<->"), central);
  m_stretchButton->setFixedWidth(36);
  m_stretchButton->setToolTip(QStringLiteral("Stretch Grid"));
  connect(m_stretchButton, &QPushButton::clicked, this, [this] { StretchGrid1Click(); });
  m_squeezeButton = MakeButton(QStringLiteral("GridSqueezeButton"), QStringLiteral(">-<"), central);
  m_squeezeButton->setFixedWidth(36);
  m_squeezeButton->setToolTip(QStringLiteral("Squeeze Grid"));
  connect(m_squeezeButton, &QPushButton::clicked, this, [this] { SqueezeGrid1Click(); });
  m_orientationButton =
      MakeButton(QStringLiteral("OrentationButton"), QStringLiteral("Portrait"), central);
  connect(m_orientationButton, &QPushButton::clicked, this,
          [this] { m_orientationButton->setText(Cp(OrentationButtonClick(*m_doc))); });
  for (QWidget* w : {static_cast<QWidget*>(m_stretchButton), static_cast<QWidget*>(m_squeezeButton),
                     static_cast<QWidget*>(m_orientationButton)})
    w->hide();
  m_scanButton = MakeButton(QStringLiteral("ScanButton"), QStringLiteral("Scan"), central);
  m_scanButton->setFixedWidth(40);
  connect(m_scanButton, &QPushButton::clicked, this, [this] { ScanDictionary(); });
  m_copyrightButton =
      MakeButton(QStringLiteral("CopyrightButton"), QStringLiteral("Copyright"), central);
  connect(m_copyrightButton, &QPushButton::clicked, this, [this] { CopyrightButtonClick(); });
  m_copyrightButton->hide();
  m_heuristicButton =
      MakeButton(QStringLiteral("HeuristicButton"), QStringLiteral("Heuristic Search"), central);
  m_heuristicButton->setEnabled(false);
  connect(m_heuristicButton, &QPushButton::clicked, this, [this] { HeuristicButtonClick(); });
  m_blockColourButton =
      MakeButton(QStringLiteral("BlockColorButton"), QStringLiteral("Block Color"), central);
  connect(m_blockColourButton, &QPushButton::clicked, this, [this] { BlockColorClick(); });
  m_distributionButton =
      MakeButton(QStringLiteral("DistributionButton"), QStringLiteral("Distribution"), central);
  connect(m_distributionButton, &QPushButton::clicked, this, [this] { DistributionButtonClick(); });
  QFont barFont(QStringLiteral("Comic Sans MS"), 10);
  barFont.setBold(true);
  m_distributionBar = new BarWidget(QStringLiteral("DistributionBar"), 15, 22, barFont, central);
  m_distributionBar->setToolTip(
      QStringLiteral("Click on a letter to see that word and its distribution"));
  connect(m_distributionBar, &BarWidget::cellClicked, this,
          [this](int col) { DistributionBarClick(col); });
  m_answerBar = new BarWidget(QStringLiteral("AnswerBar"), 14, 20,
                              QFont(QStringLiteral("Courier New"), 10), central);
  m_answerBar->setToolTip(QStringLiteral("Click on a letter to see its location in grid"));
  connect(m_answerBar, &BarWidget::cellClicked, this, [this](int col) { AnswerBarClick(col); });
  for (QWidget* w : std::initializer_list<QWidget*>{
           m_titleLabel, m_titleEdit, m_bylineLabel, m_bylineEdit, m_blockColourButton,
           m_distributionButton, m_distributionBar, m_answerBar})
    w->hide();

  m_statusBar1 = new PanelBar(
      QStringLiteral("StatusBar1"),
      {QStringLiteral("Row"), QStringLiteral("Col"), QString(), QStringLiteral("Chars")},
      {60, 60, 160, 0}, this);
  statusBar()->addWidget(m_statusBar1, 1);
  connect(m_statusBar1, &PanelBar::doubleClicked, this, [this] { StatusBar1DblClick(*m_doc); });

  connect(m_keyWords->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) {
            if (!current.isValid()) return;
            m_doc->CurCol = current.column();
            m_doc->CurRow = current.row();
            m_statusBar1->setPanel(0, QStringLiteral("Row %1").arg(current.row()));
            m_statusBar1->setPanel(1, QStringLiteral("Col %1").arg(current.column()));
            if (m_doc->PuzzleExists) UpdateCharStatus(*m_doc);
          });
  m_quotesEditor->viewport()->installEventFilter(this);
  connect(m_keyWords, &KeyTableView::keyTyped, this, [this](char key) { KeyWordsKeyPress(key); });
  connect(m_keyWords, &QTableView::doubleClicked, this,
          [this](const QModelIndex& index) { KeyWordsDblClick(index.column(), index.row()); });
  m_stopAutofill = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  m_stopAutofill->setEnabled(false);
  connect(m_stopAutofill, &QShortcut::activated, this, [this] {
    if (m_autofill) m_autofill->Stop();
  });
  connect(m_candidates, &QListWidget::itemDoubleClicked, this, [this] { CandidatesDblClick(); });
  connect(m_wordLists[3], &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { Wordlist4DblClick(m_wordLists[3]->row(item)); });
  connect(m_searchStatus, &PanelBar::clicked, this, [this] {
    if (m_heuristic) m_heuristic->Skip();
  });
  connect(m_candidates, &QListWidget::itemClicked, this, [this] { CandidateClick(); });
  connect(m_swapList, &QListWidget::itemDoubleClicked, this,
          [this](QListWidgetItem* item) { SwapListBoxDblClick(m_swapList->row(item)); });
  connect(m_puzzleGrid, &PuzzleGridWidget::positionDoubleClicked, this,
          [this](int c, int r) { PuzzleGridDblClick(c, r); });
  connect(m_quotesEditor, &QPlainTextEdit::textChanged, this, [this] {
    if (m_syncing) return;
    m_session->QuotesEditor = FromQText(m_quotesEditor->toPlainText());
    QuotesEditorChange(*m_session);
  });
}

void MainWindow::BuildLayout() {
  auto* root = new QVBoxLayout(centralWidget());
  root->setContentsMargins(8, 4, 8, 2);
  root->setSpacing(3);

  auto* top = new QHBoxLayout;
  auto* quoteRegion = new QVBoxLayout;
  quoteRegion->addWidget(m_quoteWindow);
  quoteRegion->addWidget(m_swapList);
  auto* quoteBox = new QWidget(centralWidget());
  quoteBox->setLayout(quoteRegion);
  quoteRegion->setContentsMargins(0, 0, 0, 0);
  quoteBox->setFixedHeight(82);
  top->addWidget(quoteBox, 425);
  auto* statusArea = new QVBoxLayout;
  statusArea->setSpacing(2);
  statusArea->addWidget(m_charStatus1);
  statusArea->addWidget(m_charStatus2);
  statusArea->addWidget(m_printStatus1);
  statusArea->addWidget(m_printStatus2);
  statusArea->addStretch(1);
  auto* listHead = new QHBoxLayout;
  listHead->addWidget(m_listLabel);
  listHead->addWidget(m_wordListFileLabel);
  listHead->addWidget(m_addItemField, 1);
  listHead->addWidget(m_searchStatus, 1);
  listHead->addWidget(m_candidateStatus, 1);
  listHead->addWidget(m_heuristicButton);
  statusArea->addLayout(listHead);
  top->addLayout(statusArea, 353);
  root->addLayout(top);

  m_middle = new QGridLayout;
  m_middle->setHorizontalSpacing(7);
  m_middle->setVerticalSpacing(3);
  auto* poolButtons = new QHBoxLayout;
  for (auto* b : m_poolButtons) poolButtons->addWidget(b);
  m_middle->addLayout(poolButtons, 0, 2);
  for (QWidget* w :
       std::initializer_list<QWidget*>{m_keyWords, m_helpFile, m_iniFile, m_numberGrid})
    m_middle->addWidget(w, 1, 0);
  m_middle->addWidget(m_quotesEditor, 1, 0, 1, 2);
  m_middle->addWidget(m_outputEditor, 1, 0, 1, 2);
  m_middle->addWidget(m_puzzleArea, 0, 0, 2, 3);
  m_middle->addWidget(m_candidates, 1, 1);
  for (auto* list : m_wordLists) m_middle->addWidget(list, 1, 1);
  m_middle->addWidget(m_clueList, 1, 1);
  for (auto* grid : m_poolGrids) m_middle->addWidget(grid, 1, 2);
  m_middle->setColumnStretch(0, 425);
  m_middle->setColumnStretch(1, 241);
  m_middle->setColumnStretch(2, 0);
  m_middle->setRowStretch(1, 1);
  root->addLayout(m_middle, 1);

  auto* bottom = new QHBoxLayout;
  bottom->setSpacing(3);
  for (auto* b : m_viewButtons) bottom->addWidget(b);
  bottom->addWidget(m_conditions);
  bottom->addWidget(m_minLength);
  bottom->addWidget(m_maxLength);
  bottom->addWidget(m_conditionsBox);
  bottom->addWidget(m_scanButton);
  for (auto* b : m_listButtons) bottom->addWidget(b);
  bottom->addWidget(m_cluesButton);
  bottom->addWidget(m_candidatesButton);
  bottom->addWidget(m_titleLabel);
  bottom->addWidget(m_titleEdit, 1);
  bottom->addWidget(m_bylineLabel);
  bottom->addWidget(m_bylineEdit, 1);
  bottom->addWidget(m_blockColourButton);
  bottom->addWidget(m_copyrightButton);
  bottom->addWidget(m_orientationButton);
  bottom->addWidget(m_stretchButton);
  bottom->addWidget(m_squeezeButton);
  bottom->addWidget(m_distributionButton);
  bottom->addWidget(m_distributionBar);
  bottom->addSpacing(10);
  bottom->addWidget(m_answerBar);
  bottom->addStretch(1);
  root->addLayout(bottom);
}

QMenu* MainWindow::ContextMenu(const QString& name) {
  QMenu*& menu = m_contextMenus[name];
  if (!menu) {
    menu = new QMenu(this);
    menu->setObjectName(name);
  }
  return menu;
}

void MainWindow::AttachContextMenu(QWidget* widget, const QString& menuName) {
  const auto it = m_contextMenus.find(menuName);
  if (it == m_contextMenus.end()) return;
  QMenu* menu = it->second;
  widget->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(widget, &QWidget::customContextMenuRequested, this,
          [widget, menu](const QPoint& pos) { menu->popup(widget->mapToGlobal(pos)); });
  // Shortcuts of a control's menu work while that control has the focus.
  for (QAction* a : menu->actions()) {
    if (a->shortcut().isEmpty()) continue;
    a->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    widget->addAction(a);
  }
}

void MainWindow::BuildCommands() {
  using W = MainWindow;
  const std::vector<CommandSpec> table = {
      // Main menu.
      {"ManualEntry1", "&Open", "New Puzzle (Manual Entry)", "",
       [](W& w) { w.ManualEntry1Click(); }},
      {"Puzzle1", "&Open", "Puzzle", "", [](W& w) { w.RunPullPush([&w] { Puzzle1Click(*w.m_doc, *w.m_session); }); }},
      {"PuzzlebyBrowsing1", "&Open", "Puzzle by Browsing Info", "", [](W& w) { w.PuzzlebyBrowsing1Click(); }},
      {"Quotes1", "&Open", "Quotes", "",
       [](W& w) {
         w.RunPullPush([&w] {
           if (OpenQuotesFile(*w.m_session, w.host())) w.Quotes3Click();
         });
       }},
      {"OutPut3", "&Open", "Output Editor", "",
       [](W& w) {
         w.RunPullPush([&w] {
           if (OutPut3Click(*w.m_session, w.host())) w.Output1Click();
         });
       }},
      {"Wordlist11", "&Open", "Wordlist 1", "Ctrl+F1", [](W& w) { w.RunPullPush([&w] { LoadWordList(*w.m_sources, 1, w.host()); }); }},
      {"Wordlist21", "&Open", "Wordlist 2", "Ctrl+F2", [](W& w) { w.RunPullPush([&w] { LoadWordList(*w.m_sources, 2, w.host()); }); }},
      {"Wordlist31", "&Open", "Wordlist 3", "Ctrl+F3", [](W& w) { w.RunPullPush([&w] { LoadWordList(*w.m_sources, 3, w.host()); }); }},
      {"Wordlist41", "&Open", "Wordlist 4", "Ctrl+F4", [](W& w) { w.RunPullPush([&w] { LoadWordList(*w.m_sources, 4, w.host()); }); }},
      {"IniFile1", "&Open", "IniFile", "", [](W& w) { w.RunPullPush([&w] { w.m_settings->OpenIniFile(); w.ApplySettings(); }); }},
      {"ExitProgram1", "&Open", "Exit Program", "", [](W& w) { w.close(); }},
      {"Quotes2", "&Save", "Quotes", "Ctrl+Alt+Q", [](W& w) { w.RunPullPush([&w] { SaveQuotesFile(*w.m_session, w.host()); }); }},
      {"Puzzle2", "&Save", "Puzzle", "Ctrl+S", [](W& w) { w.RunPullPush([&w] { Puzzle2Click(*w.m_doc, *w.m_session); }); }},
      {"Output2", "&Save", "Output Editor", "", [](W& w) { w.RunPullPush([&w] { Output2Click(*w.m_session, w.host()); }); }},
      {"Wordlist12", "&Save", "Wordlist 1", "", [](W& w) { w.RunPullPush([&w] { SaveWordList(*w.m_sources, 1, w.host()); }); }},
      {"Wordlist22", "&Save", "Wordlist 2", "", [](W& w) { w.RunPullPush([&w] { SaveWordList(*w.m_sources, 2, w.host()); }); }},
      {"Wordlist32", "&Save", "Wordlist 3", "", [](W& w) { w.RunPullPush([&w] { SaveWordList(*w.m_sources, 3, w.host()); }); }},
      {"Wordlist42", "&Save", "Wordlist 4", "", [](W& w) { w.RunPullPush([&w] { SaveWordList(*w.m_sources, 4, w.host()); }); }},
      {"InitFile1", "&Save", "Init File", "Ctrl+Alt+I", [](W& w) { w.RunPullPush([&w] { w.m_settings->SaveInitFile(); }); }},
      {"SavePuzzleasText1", "&Save", "Save Puzzle as Text", "Ctrl+Alt+T",
       [](W& w) { w.RunPullPush([&w] { SavePuzzleasText1Click(*w.m_doc, *w.m_session); }); }},
      {"SavePuzzleKey1", "&Save", "Save Puzzle Key as Text", "Ctrl+Alt+S",
       [](W& w) { w.RunPullPush([&w] { SavePuzzleKey1Click(*w.m_doc, *w.m_session); }); }},
      {"SaveInfo", "&Save", "Save Puzzle Information File", "",
       [](W& w) { w.RunPullPush([&w] { SaveInfoClick(*w.m_doc, *w.m_session); }); }},
      {"Puzzle3", "&View", "Puzzle", "Ctrl+W", [](W& w) { w.Puzzle3Click(); }},
      {"Grid1", "&View", "Grid", "Ctrl+E", [](W& w) { w.Grid1Click(); }},
      {"Quotes3", "&View", "Quotes", "Ctrl+Q", [](W& w) { w.Quotes3Click(); }},
      {"Output1", "&View", "Output", "Ctrl+R", [](W& w) { w.Output1Click(); }},
      {"IniFile2", "&View", "Ini File", "Ctrl+I", [](W& w) { w.IniFile2Click(); }},
      {"NumberMap1", "&View", "Number Map", "", [](W& w) { w.NumberMap1Click(); }},
      {"Solver1", "&Tools", "Solver", "",
       [](W& w) { w.RunCompanion(SolverProgram(), {Cp(w.m_session->CurrentPuzzleFile)}); }},
      {"WordLists1", "&Tools", "Word Lists", "", [](W& w) { LaunchWordListManager(*w.m_sources, w.host()); }},
      {"extEditor1", "&Tools", "Text Editor", "",
       [](W& w) { w.RunCompanion(TextEditorProgram(), {}); }},
      {"ToggleConditonsX", "&Tools", "Toggle Conditons", "Ctrl+D",
       [](W& w) { w.m_conditionsBox->click(); }, true},
      {"PuzzleManager1", "&Tools", "Puzzle Manager", "",
       [](W& w) { w.RunCompanion(PuzzleManagerProgram(), {}); }},
      {"ReloadWordLists1", "&Tools", "Reload Word Lists", "", [](W& w) { w.RunPullPush([&w] { ReloadWordLists(*w.m_sources); }); }},
      {"Autofill1", "&Tools", "Autofill", "F9", [](W& w) { w.Autofill1Click(); }},
      {"SetRarityColors1", "&Tools", "Set Rarity Colors to Dict", "",
       [](W& w) { SetRarityColorsToDict(*w.m_doc, *w.m_sources, w.m_rarityColors); w.UpdateRarityColours(); }, true},
      {"MainMerriamLookup", "&Tools", "Merriam-Webster Lookup", "", [](W& w) { w.OpenAddress(MainMerriamLookup(w.host())); }, true},
      {"ThesaurusLookup", "&Tools", "Thesaurus Lookup", "", [](W& w) { w.OpenAddress(ThesaurusLookup(w.host())); }, true},
      {"GoogleLookup1", "&Tools", "Google Lookup", "", [](W& w) { w.OpenAddress(GoogleLookup(w.host())); }, true},
      {"MovieDataBaseLookup", "&Tools", "Search Internet Movie Database", "Ctrl+M", [](W& w) { w.OpenAddress(MovieDataBaseLookup(w.host())); }, true},
      {"MerriamWebsterDictionaryLookup1", "&Internet", "Merriam-Webster Dictionary Lookup", "F5", [](W& w) { w.OpenAddress(MainMerriamLookup(w.host())); }},
      {"MerriamThesaurus", "&Internet", "Merriam-Webster Thesaurus Lookup", "", [](W& w) { w.OpenAddress(ThesaurusLookup(w.host())); }},
      {"GoogleWebLookup", "&Internet", "Google Search", "F7", [](W& w) { w.OpenAddress(GoogleLookup(w.host())); }},
      {"MovieDatabase", "&Internet", "Internet Movie Database Lookup", "", [](W& w) { w.OpenAddress(MovieDataBaseLookup(w.host())); }},
      {"BritannicaLookup", "&Internet", "Britannica Lookup", "", [](W& w) { w.OpenAddress(BritannicaLookup(w.host())); }},
      {"PuzzleHotkeys1", "&Settings", "Puzzle Hotkeys", "Ctrl+H", [](W& w) { w.PuzzleHotkeys1Click(); }},
      {"GeneralSettings1", "&Settings", "General Settings", "", [](W& w) { w.GeneralSettings1Click(); }},
      {"SoundToggle1", "&Settings", "Sounds On", "", [](W& w) { w.SoundToggle1Click(); }},
      {"LetterFrequency1", "&Settings", "Set Letter Frequency", "", [](W& w) { SetLetterFrequency(*w.m_doc); w.RefreshViews(); }},
      {"SetraritycolorstoDict1", "&Settings", "Set rarity colors to Dictionary", "",
       [](W& w) { SetRarityColorsToDict(*w.m_doc, *w.m_sources, w.m_rarityColors); w.UpdateRarityColours(); }},
      {"Basics1", "&Help", "Basics", "", [](W& w) { w.HelpTopicClick(1); }},
      {"heProcess1", "&Help", "The Process", "", [](W& w) { w.HelpTopicClick(2); }},
      {"Advanced1", "&Help", "Advanced", "", [](W& w) { w.HelpTopicClick(3); }},
      {"MoreTipsShortcuts1", "&Help", "More Tips && Shortcuts", "",
       [](W& w) { w.HelpTopicClick(4); }},
      // Context menus.
      {"Scan1", "KeyWordsPopup", "Scan Dictionary", "F11", [](W& w) { w.ScanDictionary(); }},
      {"CopyKeyword", "KeyWordsPopup", "Copy Answer to Clipboard", "", [](W& w) { QtClipboard c; CopyKeyword(c, w.CurrentAnswer()); }},
      {"WriteClue1", "KeyWordsPopup", "&Copy", "Ctrl+Alt+C", [](W& w) { QtClipboard c; CopyKeyword(c, w.CurrentAnswer()); }},
      {"ScanConditional", "KeyWordsPopup", "Auto Row Advance On", "F12",
       [](W& w) { w.command(QStringLiteral("ScanConditional"))->setText(Cp(ScanConditionalClick(*w.m_doc))); }},
      {"ScanList11", "KeyWordsPopup", "Scan List 1", "F1", [](W& w) { w.ScanList(1); }},
      {"ScanList21", "KeyWordsPopup", "Scan List 2", "F2", [](W& w) { w.ScanList(2); }},
      {"ScanList31", "KeyWordsPopup", "Scan List 3", "F3", [](W& w) { w.ScanList(3); }},
      {"ScanList41", "KeyWordsPopup", "Scan List 4", "F4", [](W& w) { w.ScanList(4); }},
      {"MajorProblemScan", "KeyWordsPopup", "Find Words using most Problem Chars", "",
       [](W& w) { w.MajorProblemScanClick(); }},
      {"ClearWord1", "KeyWordsPopup", "Clear Word", "Ctrl+C",
       [](W& w) { ClearWord1Click(*w.m_doc, {w.m_doc->CurCol, w.m_doc->CurRow}, true); w.RefreshViews(); }},
      {"ToggleConditons1", "KeyWordsPopup", "Toggle Conditons", "", [](W& w) { w.m_conditionsBox->click(); }},
      {"RowAdvance", "KeyWordsPopup", "Row Advance", "",
       [](W& w) { RowAdvanceClick(*w.m_doc, {w.m_doc->CurCol, w.m_doc->CurRow}); w.RefreshViews(); }, true},
      {"WriteClue3", "KeyWordsPopup", "Write Clue", "Ins", [](W& w) { w.WriteClue3Click(); }},
      {"ClearPuzzle1", "KeyWordsPopup", "Clear Puzzle", "",
       [](W& w) { ClearPuzzle1Click(*w.m_doc, {w.m_doc->CurCol, w.m_doc->CurRow}); w.RefreshViews(); }},
      {"KeywordMerriamLookup", "KeyWordsPopup", "Look up word at Merriam-Webster", "", [](W& w) { w.OpenAddress(KeywordMerriamLookup(w.CurrentAnswer())); }},
      {"hesaurusLookup1", "KeyWordsPopup", "Thesaurus Lookup", "F6", [](W& w) { w.OpenAddress(KeywordThesaurusLookup(w.CurrentAnswer())); }},
      {"GoogleLookup2", "KeyWordsPopup", "Search Google for Clue Info", "", [](W& w) { w.OpenAddress(KeywordGoogleLookup(w.host(), w.CurrentAnswer())); }},
      {"CandidateCopy", "CandidatesPopup", "Copy", "", [](W& w) { QApplication::clipboard()->setText(Cp(w.CurrentCandidate())); }},
      {"Dictionary", "CandidatesPopup", "Delete from Dictionary", "",
       [](W& w) { DeleteFromDictionary(*w.m_sources, w.m_candidates->currentRow(), w.host()); w.PushLists(); }},
      {"SortbyLength1", "CandidatesPopup", "Sort by Length", "", [](W& w) { SortCandidates(*w.m_doc, *w.m_sources, CandidateSort::Length); w.PushLists(); }},
      {"SortbyVowelPercent1", "CandidatesPopup", "Sort by Vowel Percent", "", [](W& w) { SortCandidates(*w.m_doc, *w.m_sources, CandidateSort::VowelPercent); w.PushLists(); }},
      {"SortbyAllProblemChars1", "CandidatesPopup", "Sort by All Problem Chars", "", [](W& w) { SortCandidates(*w.m_doc, *w.m_sources, CandidateSort::AllProblems); w.PushLists(); }},
      {"SortbyRarityScore1", "CandidatesPopup", "Sort by Rarity Score", "", [](W& w) { SortCandidates(*w.m_doc, *w.m_sources, CandidateSort::Rarity); w.PushLists(); }},
      {"SortbyPrimaryProblemChars1", "CandidatesPopup", "Sort by Primary Problem Chars", "", [](W& w) { SortCandidates(*w.m_doc, *w.m_sources, CandidateSort::PrimaryProblems); w.PushLists(); }},
      {"MerriamWebsterLookup1", "CandidatesPopup", "Merriam-Webster Lookup", "", [](W& w) { w.OpenAddress(CandidateMerriamLookup(w.CurrentCandidate())); }},
      {"GoogleLookup3", "CandidatesPopup", "Google Lookup", "", [](W& w) { w.OpenAddress(CandidateGoogleLookup(w.host(), w.CurrentCandidate())); }},
      {"WriteClue2", "CluePopup", "Write Clue", "Ins", [](W& w) { w.WriteClue2Click(); }},
      {"ClueColorMenuItem", "CluePopup", "Color", "",
       [](W& w) { w.ChooseColour(w.m_clueList, QPalette::Base, QStringLiteral("Color")); }},
      {"ClueFontMenuItem", "CluePopup", "Font", "", [](W& w) { w.ChooseFont(w.m_clueList); }},
      {"HighLightCommon", "GridPopup", "Highlight Common Words OFF", "",
       [](W& w) { w.HighLightCommonClick(); }},
      {"StretchGrid1", "GridPopup", "Stretch Grid", "Ctrl+X", [](W& w) { w.StretchGrid1Click(); }},
      {"SqueezeGrid1", "GridPopup", "Squeeze Grid", "Ctrl+Z", [](W& w) { w.SqueezeGrid1Click(); }},
      {"Color7", "GridPopup", "Color", "", [](W& w) { w.Color7Click(); }},
      {"GridHelp", "GridPopup", "Help", "", [](W& w) { w.GridHelpClick(); }},
      {"ShowQuotellaDistribution1", "DistributionPopup", "Show Quotella Distribution", "",
       [](W& w) { w.ShowQuotellaDistribution1Click(); }},
      {"LockPopup", "PoolPopup", "Lock Character", "", [](W& w) { w.LockPopupClick(); }},
      {"Color1", "QuoteWindowPopup", "Color", "",
       [](W& w) { w.ChooseColour(w.m_quoteWindow, QPalette::Base, QStringLiteral("Color")); }},
      {"extColor1", "QuoteWindowPopup", "Text Color", "",
       [](W& w) { w.ChooseColour(w.m_quoteWindow, QPalette::Text, QStringLiteral("Text Color")); }},
      {"Font1", "QuoteWindowPopup", "Font", "",
       [](W& w) {
         bool ok = false;
         const QFont f = QFontDialog::getFont(&ok, w.m_quoteFont, &w);
         if (!ok) return;
         w.m_quoteFont = f;
         w.m_quoteWindow->setFont(f);
         w.m_quoteWindow->setCurrentFont(f);
       }},
      {"MakePuzzleofCurrentLine1", "QuotesPopup", "Make Puzzle of Current Line", "",
       [](W& w) { w.QuotesEditorDblClick(); }},
      {"Font3", "QuotesPopup", "Font", "", [](W& w) { w.ChooseFont(w.m_quotesEditor); }},
      {"Color8", "QuotesPopup", "Color", "",
       [](W& w) { w.ChooseColour(w.m_quotesEditor, QPalette::Base, QStringLiteral("Color")); }},
      {"QuoteEdFont1", "QuotesPopup", "Font", "", [](W& w) { w.ChooseFont(w.m_quotesEditor); }},
      {"Color2", "OutputPopup", "Co&lor", "",
       [](W& w) { w.ChooseColour(w.m_outputEditor, QPalette::Base, QStringLiteral("Color")); }},
      {"extColor2", "OutputPopup", "&Text Color", "",
       [](W& w) {
         const QColor c = QColorDialog::getColor(w.m_outputEditor->textColor(), &w);
         if (c.isValid()) w.m_outputEditor->setTextColor(c);
       }},
      {"Font2", "OutputPopup", "&Font", "",
       [](W& w) {
         bool ok = false;
         const QFont f = QFontDialog::getFont(&ok, w.m_outputEditor->currentFont(), &w);
         if (ok) w.m_outputEditor->setCurrentFont(f);
       }},
      {"Short1", "OutputPopup", "Short", "", [](W& w) { w.Short1Click(); }},
      {"SaveOutputFile1", "OutputPopup", "Sa&ve Output File", "",
       [](W& w) { w.RunPullPush([&w] { Output2Click(*w.m_session, w.host()); }); }},
      {"Wordwrap3", "OutputPopup", "&Wordwrap", "", [](W& w) { w.Wordwrap3Click(); }},
      {"Bold1", "OutputPopup", "&Bold", "Ctrl+B",
       [](W& w) {
         const bool bold = w.m_outputEditor->fontWeight() > QFont::Normal;
         w.m_outputEditor->setFontWeight(bold ? QFont::Normal : QFont::Bold);
       }},
      {"Underline1", "OutputPopup", "&Underline", "Ctrl+U",
       [](W& w) { w.m_outputEditor->setFontUnderline(!w.m_outputEditor->fontUnderline()); }},
      {"SaveIniFile1", "IniPopup", "Save Ini File", "", [](W& w) { w.RunPullPush([&w] { w.m_settings->SaveIniFileAs(); }); }},
      {"LoadIniFile1", "IniPopup", "Load Ini File", "", [](W& w) { w.RunPullPush([&w] { w.m_settings->LoadIniFile(); w.ApplySettings(); }); }},
      {"MakeDefaultFile1", "IniPopup", "Make a Default File", "", [](W& w) { w.RunPullPush([&w] { w.m_settings->MakeDefaultFile(); }); }},
      {"SaveHelpfile1", "HelpPopup", "Save Helpfile", "", [](W& w) { w.SaveHelpfile1Click(); }},
      {"Form1Popup", "FormPopup", "Color", "",
       [](W& w) { w.ChooseColour(w.centralWidget(), QPalette::Window, QStringLiteral("Color")); }},
  };
  std::map<QString, QMenu*> menus;
  for (const auto& entry : table) {
    auto* action = new QAction(QString::fromLatin1(entry.caption), this);
    action->setObjectName(QString::fromLatin1(entry.name));
    if (entry.shortcut[0] != 0)
      action->setShortcut(QKeySequence(QString::fromLatin1(entry.shortcut)));
    action->setVisible(!entry.hidden);
    const auto handler = entry.handler;
    connect(action, &QAction::triggered, this, [this, handler] { handler(*this); });
    const QString menu = QString::fromLatin1(entry.menu);
    if (menu.startsWith(QLatin1Char('&'))) {
      QMenu*& m = menus[menu];
      if (!m) {
        m = new QMenu(menu, this);
        m->setObjectName(QString(menu).remove(QLatin1Char('&')) + QStringLiteral("Menu"));
      }
      m->addAction(action);
      addAction(action);  // main-menu shortcuts work anywhere in the window
    } else {
      ContextMenu(menu)->addAction(action);
    }
    m_commands[action->objectName()] = action;
  }
  for (const char* name :
       {"&Open", "&Save", "&View", "&Tools", "&Internet", "&Settings", "&Print", "&Help"}) {
    const auto it = menus.find(QString::fromLatin1(name));
    if (it != menus.end()) menuBar()->addMenu(it->second);
  }
  for (std::size_t i = 0; i < 4; ++i) {
    const QString menuName = QStringLiteral("WordList%1Popup").arg(i + 1);
    auto* list = m_wordLists[i];
    auto* colour = new QAction(QStringLiteral("Color"), this);
    colour->setObjectName(QStringLiteral("Color%1").arg(i + 3));
    connect(colour, &QAction::triggered, this,
            [this, list] { ChooseColour(list, QPalette::Base, QStringLiteral("Color")); });
    auto* font = new QAction(QStringLiteral("Font"), this);
    font->setObjectName(QStringLiteral("Font%1").arg(i + 4));
    connect(font, &QAction::triggered, this, [this, list] { ChooseFont(list); });
    const int n = static_cast<int>(i) + 1;
    auto* copy = new QAction(n == 1 ? QStringLiteral("&Copy") : QStringLiteral("Copy"), this);
    copy->setObjectName(n == 1 ? QStringLiteral("List1Copy") : QStringLiteral("List%1copy").arg(n));
    connect(copy, &QAction::triggered, this, [list] {
      if (list->currentItem()) QApplication::clipboard()->setText(list->currentItem()->text());
    });
    auto* addOutput = new QAction(QStringLiteral("Add from Output Editor"), this);
    addOutput->setObjectName(QStringLiteral("AddFromOutput%1").arg(n));
    connect(addOutput, &QAction::triggered, this, [this, n] {
      RunPullPush([this, n] { AddLinesToList(*m_sources, n, m_session->Output.Lines); });
    });
    auto* save = new QAction(QStringLiteral("Save List %1").arg(n), this);
    save->setObjectName(QStringLiteral("SaveList%11").arg(n));
    connect(save, &QAction::triggered, this,
            [this, n] { RunPullPush([this, n] { SaveWordList(*m_sources, n, host()); }); });
    auto* load = new QAction(QStringLiteral("Load List %1").arg(n), this);
    load->setObjectName(QStringLiteral("LoadList%11").arg(n));
    connect(load, &QAction::triggered, this,
            [this, n] { RunPullPush([this, n] { LoadWordList(*m_sources, n, host()); }); });
    auto* addItems = new QAction(QStringLiteral("Add Items"), this);
    addItems->setObjectName(QStringLiteral("AddanItem%1").arg(n));
    connect(addItems, &QAction::triggered, this, [this, n] { AddanItemClick(n); });
    for (QAction* a : {copy, addOutput, addItems, save, load, colour, font}) {
      ContextMenu(menuName)->addAction(a);
      m_commands[a->objectName()] = a;
    }
    if (n == 4) {
      auto* end = new QAction(QStringLiteral("End Heuristic Search Now"), this);
      end->setObjectName(QStringLiteral("EndHeuristicSearchNow1"));
      connect(end, &QAction::triggered, this, [this] { EndHeuristicSearchNow1Click(); });
      ContextMenu(menuName)->addAction(end);
      m_commands[end->objectName()] = end;
      auto* toOutput = new QAction(QStringLiteral("Add This Item to Output Editor"), this);
      toOutput->setObjectName(QStringLiteral("AddThisItemtoOutputEditor1"));
      connect(toOutput, &QAction::triggered, this, [this, list] {
        if (!list->currentItem()) return;
        RunPullPush([this, list] { m_session->Output.Add(ToCp(list->currentItem()->text())); });
      });
      ContextMenu(menuName)->addAction(toOutput);
      m_commands[toOutput->objectName()] = toOutput;
    }
    AttachContextMenu(list, menuName);
    const QString clearMenu = QStringLiteral("ListButton%1Popup").arg(n);
    auto* clear = new QAction(QStringLiteral("Clear"), this);
    clear->setObjectName(QStringLiteral("ClearList%1").arg(n));
    connect(clear, &QAction::triggered, this, [this, n] {
      m_sources->List(n).Items.clear();
      PushLists();
    });
    ContextMenu(clearMenu)->addAction(clear);
    m_commands[clear->objectName()] = clear;
    AttachContextMenu(m_listButtons[i], clearMenu);
  }
  AttachContextMenu(m_candidates, QStringLiteral("CandidatesPopup"));
  AttachContextMenu(m_iniFile, QStringLiteral("IniPopup"));
  AttachContextMenu(m_keyWords, QStringLiteral("KeyWordsPopup"));
  AttachContextMenu(m_clueList, QStringLiteral("CluePopup"));
  AttachContextMenu(m_puzzleGrid, QStringLiteral("GridPopup"));
  AttachContextMenu(m_distributionBar, QStringLiteral("DistributionPopup"));
  AttachContextMenu(m_poolGrids[0], QStringLiteral("PoolPopup"));
  AttachContextMenu(m_quoteWindow, QStringLiteral("QuoteWindowPopup"));
  AttachContextMenu(m_quotesEditor, QStringLiteral("QuotesPopup"));
  AttachContextMenu(m_outputEditor, QStringLiteral("OutputPopup"));
  AttachContextMenu(m_helpFile, QStringLiteral("HelpPopup"));
  AttachContextMenu(centralWidget(), QStringLiteral("FormPopup"));
  if (QMenu* pool = m_contextMenus[QStringLiteral("PoolPopup")]) {
    connect(pool, &QMenu::aboutToShow, this, [this] {
      const int row = m_poolGrids[0]->currentIndex().row();
      if (QAction* lock = command(QStringLiteral("LockPopup")))
        lock->setText(row >= 1 && row <= 26 ? Cp(LockPopupCaption(*m_doc, row))
                                            : QStringLiteral("Lock Character"));
    });
  }
}

// ---------------------------------------------------------------------------------
// Start-up and close

void MainWindow::StartUp(const Options& options) {
  QApplication::processEvents();
  ProgramPaths paths;
  if (options.programDir.isEmpty()) {
    paths = CurrentProgramPaths();
  } else {
    const QByteArray config = qgetenv("XDG_CONFIG_HOME");
    const QByteArray home = qgetenv("HOME");
    paths =
        ResolveProgramPaths(WithTrailingSeparator(ToCp(QDir(options.programDir).absolutePath())),
                            config.toStdString(), home.toStdString());
  }
  m_programDir = Cp(paths.ProgramDir);
  if (m_programDir.endsWith(QLatin1Char('/')) && m_programDir.size() > 1) m_programDir.chop(1);
  m_pathSet = MakeProgramDirCurrent(host(), paths.ProgramDir);

  m_sources->ProgramDir = paths.ProgramDir;
  m_settings =
      std::make_unique<SettingsStore>(host(), StartupSettings(paths), m_doc.get(), m_loader.get());
  m_settings->SetOutputEditor(m_session->Output.Lines);
  m_settings->ReadIniFile(paths.IniFileName);

  ResetPuzzle(*m_doc);
  m_settings->ApplyLetterOrder();
  ApplySettings();
  InitClueList(*m_doc, kMaxWords);

  const QString quoteFile = QDir(m_programDir).filePath(QStringLiteral("QuoteWindow.rtf"));
  if (QFileInfo::exists(quoteFile)) {
    m_quoteWindow->clear();
    if (const auto bytes = ReadFileBytes(ToCp(quoteFile))) {
      bool ok = false;
      const QString html = RtfToHtml(*bytes, &ok);
      if (ok) m_quoteWindow->setHtml(html);
    }
  }
  PoolViewClick(0);
  m_doc->P.RarityOrder = m_doc->P.FreqOrder;
  std::vector<std::string> log;
  InitRarityColors(m_doc->P, m_sources->DictWordCounts, m_rarityColors, log, host());
  UpdateRarityColours();
  HelpTopicClick(1);
  PushEditors();
  PushLists();
  RefreshViews();
  QApplication::processEvents();
  if (options.registerFileType) RegisterPuzzleFiles();

  ChooseStartupPuzzle(options.arguments);

  // Printing goes to the PDF target when there is no system printer, so a printer is
  // always there: 600 dots per inch on a page 4800 dots wide.
  m_doc->Grid.PrinterAvailable = true;
  m_doc->Grid.PrinterDPI = 600;
  m_doc->Grid.PageWidth = 4800;
}

void MainWindow::ChooseStartupPuzzle(const QStringList& arguments) {
  std::string file = m_settings->Values().LastFile;
  if (!arguments.isEmpty()) file = ToCp(arguments.join(QLatin1Char(' ')).trimmed());
  if (!file.empty() && FolderPart(file).empty()) file = ToCp(QDir(m_programDir).filePath(Cp(file)));
  m_session->CurrentPuzzleFile = file;
  if (FileExists(file) && m_settings->Values().LoadLastFile)
    RunPullPush([this] { SimplyLoadPuzzle(*m_doc, *m_session); });
  SetCaption(*m_session, m_session->CurrentPuzzleFile);
  setWindowTitle(Cp(m_session->Caption));
}

void MainWindow::ApplySettings() {
  const Settings& v = m_settings->Values();
  m_session->CurrentDir = v.CurrentDir;
  m_session->LastFile = v.LastFile;
  m_session->CopyrightText = v.CopyrightText;
  if (v.Title) m_session->TitleBox = *v.Title;
  if (v.Byline) m_session->BylineBox = *v.Byline;
  m_sources->DictDir = v.DictDir;
  for (int i = 0; i < 4; ++i)
    if (m_sources->Lists[static_cast<std::size_t>(i)].FileName.empty())
      m_sources->Lists[static_cast<std::size_t>(i)].FileName =
          v.WordListFiles[static_cast<std::size_t>(i)];
  SetBackground(centralWidget(), StoredColour(v.FormColor), QPalette::Window);
  SetBackground(m_clueList, StoredColour(v.ClueColor));
  SetBackground(m_quotesEditor, StoredColour(v.QEditorColor));
  SetBackground(m_outputEditor, StoredColour(v.OEditorColor));
  SetBackground(m_quoteWindow, StoredColour(v.QuoteWinColor));
  m_puzzleGrid->style().background = StoredColour(v.GridColor);
  m_keyWords->setFont(QFont(Cp(v.KeyFontName), v.KeyFontSize));
  m_clueList->setFont(QFont(Cp(v.ClueFontName), v.ClueFontSize));
  PushEditors();
  PushLists();
  PushIniText();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  PullEditors();
  Settings& v = m_settings->Values();
  v.FormColor = StoredValue(centralWidget()->palette().color(QPalette::Window));
  v.ClueColor = StoredValue(BackgroundOf(m_clueList));
  v.QEditorColor = StoredValue(BackgroundOf(m_quotesEditor));
  v.OEditorColor = StoredValue(BackgroundOf(m_outputEditor));
  v.QuoteWinColor = StoredValue(BackgroundOf(m_quoteWindow));
  v.GridColor = StoredValue(m_puzzleGrid->style().background);
  v.KeyFontName = ToCp(m_keyWords->font().family());
  v.KeyFontSize = m_keyWords->font().pointSize();
  v.ClueFontName = ToCp(m_clueList->font().family());
  v.ClueFontSize = m_clueList->font().pointSize();
  v.LastFile = m_session->LastFile;
  v.CurrentDir = m_session->CurrentDir;
  v.CopyrightText = m_session->CopyrightText;
  v.QuotesFile = m_session->QuotesFile;
  v.Title = m_session->TitleBox;
  v.Byline = m_session->BylineBox;
  for (int i = 0; i < 4; ++i)
    v.WordListFiles[static_cast<std::size_t>(i)] =
        m_sources->Lists[static_cast<std::size_t>(i)].FileName;
  m_settings->SaveAtExit();
  OfferToSaveQuotesOnClose(*m_session, host());
  OfferToSavePuzzleOnClose(*m_doc, *m_session);
  event->accept();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
    m_escPressed = true;
  // A double click on the window's bare background adds items to word list 1.
  if (event->type() == QEvent::MouseButtonDblClick && watched == centralWidget()) {
    AddanItemClick(1);
    return true;
  }
  if (m_quotesEditor && watched == m_quotesEditor->viewport()) {
    if (event->type() == QEvent::MouseButtonDblClick) {
      const auto* me = static_cast<QMouseEvent*>(event);
      m_quotesEditor->setTextCursor(m_quotesEditor->cursorForPosition(me->position().toPoint()));
      QuotesEditorDblClick();
      return true;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
      QTimer::singleShot(0, this, [this] { QuotesEditorClick(); });
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

// ---------------------------------------------------------------------------------
// Host sinks and repainting

void MainWindow::OnStatus(StatusBar bar, int panel, const std::string& text) {
  PanelBar* target = nullptr;
  switch (bar) {
    case StatusBar::Main:
      target = m_statusBar1;
      break;
    case StatusBar::Print1:
      target = m_printStatus1;
      break;
    case StatusBar::Print2:
      target = m_printStatus2;
      break;
    case StatusBar::Search:
      target = m_searchStatus;
      break;
    case StatusBar::CharStatus1:
      target = m_charStatus1;
      break;
    case StatusBar::CharStatus2:
      target = m_charStatus2;
      break;
  }
  if (target) target->setPanel(panel, Cp(text));
}

void MainWindow::OnQuoteWindow(const std::vector<std::string>& lines) {
  QStringList text;
  for (const auto& line : lines) text << Cp(line);
  m_quoteWindow->setPlainText(text.join(QLatin1Char('\n')));
}

void MainWindow::OnDocumentChanged(PuzzleDocument::Change) {
  RefreshViews();
}

void MainWindow::RefreshViews() {
  m_keyWordsModel->refresh();
  m_numberModel->refresh();
  for (auto* model : m_poolModels) model->refresh();
  for (auto* view : m_poolGrids) view->viewport()->update();
  m_keyWords->viewport()->update();
  QStringList clues;
  const int n = m_doc->PuzzleExists
                    ? std::min<int>(m_doc->P.NumWords, static_cast<int>(m_doc->ClueLines.size()))
                    : 0;
  for (int r = 0; r < n; ++r) clues << Cp(m_doc->ClueLines[static_cast<std::size_t>(r)]);
  const QString clueText = clues.join(QLatin1Char('\n'));
  if (m_clueList->toPlainText() != clueText) m_clueList->setPlainText(clueText);
  if (m_titleEdit->text() != Cp(m_session->TitleBox)) m_titleEdit->setText(Cp(m_session->TitleBox));
  if (m_bylineEdit->text() != Cp(m_session->BylineBox))
    m_bylineEdit->setText(Cp(m_session->BylineBox));
  const SearchButtonState button = CheckNumEmpty(*m_doc);
  m_heuristicButton->setEnabled(m_doc->PuzzleExists && button.enabled);
  SetCaptionColour(m_heuristicButton, m_doc->PuzzleExists && button.red);
  if (m_conditionsBox->isChecked() != m_doc->Conditions.on) {
    m_conditionsBox->setChecked(m_doc->Conditions.on);
    m_conditionsBox->setText(m_doc->Conditions.on ? QStringLiteral("On") : QStringLiteral("Off"));
  }
  if (m_conditions->text() != Cp(m_doc->Conditions.mustHave))
    m_conditions->setText(Cp(m_doc->Conditions.mustHave));
  if (m_doc->PuzzleExists)
    m_puzzleGrid->setShape(m_doc->Grid.Columns, m_doc->Grid.Rows, GridCellSize(m_doc->Grid).screen);
  m_puzzleGrid->update();
  SyncSelection();
}

void MainWindow::SyncSelection() {
  const QModelIndex want = m_keyWordsModel->index(m_doc->CurRow, m_doc->CurCol);
  if (want.isValid() && m_keyWords->currentIndex() != want) m_keyWords->setCurrentIndex(want);
}

void MainWindow::SelectTableCell(int col, int row) {
  m_doc->CurCol = col;
  m_doc->CurRow = row;
  SyncSelection();
}

void MainWindow::PlaySound(const char* name) {
  host().PlaySound(name, false);
}

// ---------------------------------------------------------------------------------
// View helpers

void MainWindow::HideAllLists() {
  m_addItemField->hide();
  for (auto* list : m_wordLists) list->hide();
  m_clueList->hide();
  m_candidates->hide();
  m_searchStatus->hide();
}

void MainWindow::HideAllEditors() {
  m_outputEditor->hide();
  m_quotesEditor->hide();
  m_iniFile->hide();
  m_helpFile->hide();
  m_keyWords->hide();
  m_puzzleArea->hide();
  m_numberGrid->hide();
}

void MainWindow::RestoreStatusArea() {
  m_charStatus1->show();
  m_charStatus2->show();
  m_listLabel->show();
  m_heuristicButton->show();
  m_distributionButton->hide();
  m_printStatus1->hide();
  m_printStatus2->hide();
  m_orientationButton->hide();
  m_stretchButton->hide();
  m_squeezeButton->hide();
}

void MainWindow::ClearStatusArea() {
  m_charStatus1->hide();
  m_charStatus2->hide();
  m_listLabel->hide();
  m_heuristicButton->hide();
  m_candidateStatus->hide();
}

std::vector<QWidget*> MainWindow::SearchBarControls() const {
  return {m_conditions, m_minLength,   m_maxLength,       m_conditionsBox,
          m_scanButton, m_cluesButton, m_candidatesButton};
}

void MainWindow::RestoreBottomBar() {
  for (QWidget* w : SearchBarControls()) w->show();
  for (auto* b : m_listButtons) b->show();
  for (auto* b : m_viewButtons) b->show();
}

void MainWindow::ClearBottomBar() {
  for (QWidget* w : SearchBarControls()) w->hide();
  for (auto* b : m_listButtons) b->hide();
}

void MainWindow::ClearGridBottomControls() {
  for (QWidget* w :
       std::initializer_list<QWidget*>{m_titleLabel, m_titleEdit, m_bylineLabel, m_bylineEdit,
                                       m_distributionBar, m_blockColourButton, m_copyrightButton})
    w->hide();
}

void MainWindow::ShowPoolGrid() {
  for (int i = 0; i < 3; ++i)
    m_poolGrids[static_cast<std::size_t>(i)]->setVisible(i == m_doc->PoolView);
  for (auto* b : m_poolButtons) b->show();
}

void MainWindow::ClearSwapMarksAndHighlights() {
  ClearDisplayMarks(*m_doc);
  m_puzzleGrid->update();
}

bool MainWindow::AnyListVisible() const {
  for (auto* list : m_wordLists)
    if (list->isVisible()) return true;
  return m_clueList->isVisible() || m_candidates->isVisible();
}

void MainWindow::SetOutputShort(bool shortEditor) {
  m_outputShort = shortEditor;
  m_middle->removeWidget(m_outputEditor);
  m_middle->addWidget(m_outputEditor, 1, 0, 1, shortEditor ? 1 : 2);
  if (QAction* a = command(QStringLiteral("Short1")))
    a->setText(shortEditor ? QStringLiteral("Wide") : QStringLiteral("Short"));
}

void MainWindow::SetListLabelToLines(const QString& fileName, int lines) {
  m_listLabel->setText(fileName + QLatin1Char(' ') + QString::number(lines) +
                       QStringLiteral(" lines "));
}

// ---------------------------------------------------------------------------------
// Views

void MainWindow::Puzzle3Click() {
  PlaySound("CHIMES");
  m_wordListFileLabel->hide();
  m_swapList->hide();
  m_quoteWindow->show();
  m_distributionBar->hide();
  m_answerBar->hide();
  if (m_distributionMode) {
    m_distributionMode = false;
    m_distributionButton->setText(QStringLiteral("Distribution"));
  }
  ClearSwapMarksAndHighlights();
  RestoreStatusArea();
  ShowPoolGrid();
  ClearGridBottomControls();
  RestoreBottomBar();
  m_quoteWindow->setFont(m_quoteFont);
  m_quoteWindow->setPlainText(QLatin1Char('"') + Cp(m_doc->P.QuoteOrig) + QLatin1Char('"') +
                              QStringLiteral(" - ") + Cp(m_doc->P.AuthorOrig) + QLatin1Char(' ') +
                              Cp(m_doc->P.WorkOrig));
  HideAllLists();
  HideAllEditors();
  if (heuristicSearching())
    m_wordLists[3]->show();
  else
    m_clueList->show();
  m_keyWords->show();
  m_keyWords->setFocus();
}

void MainWindow::Grid1Click() {
  if (!m_doc->PuzzleExists) {
    host().Message("There is no puzzle loaded yet!");
    return;
  }
  m_wordListFileLabel->hide();
  for (auto* grid : m_poolGrids) grid->hide();
  for (auto* b : m_poolButtons) b->hide();
  if (m_distributionMode) {
    LeaveDistributionMode();
  } else {
    ClearStatusArea();
    ClearBottomBar();
    m_printStatus1->show();
    m_printStatus2->show();
    m_distributionButton->show();
    for (QWidget* w :
         std::initializer_list<QWidget*>{m_titleLabel, m_titleEdit, m_bylineLabel, m_bylineEdit,
                                         m_blockColourButton, m_copyrightButton})
      w->show();
  }
  ClearSwapMarksAndHighlights();
  ClearStatusArea();
  HideAllLists();
  HideAllEditors();
  if (m_doc->Grid.PrinterAvailable) {
    UpdatePrintStatusBar(*m_doc);
    m_orientationButton->setText(m_doc->Grid.Landscape ? QStringLiteral("Portrait")
                                                       : QStringLiteral("Landscape"));
  }
  m_orientationButton->show();
  m_stretchButton->show();
  m_squeezeButton->show();
  m_puzzleArea->show();
  m_puzzleGrid->show();
  m_puzzleGrid->setFocus();
  SqueezeGrid1Click();
  StretchGrid1Click();
}

void MainWindow::Quotes3Click() {
  PlaySound("CHIMES");
  ClearStatusArea();
  RestoreStatusArea();
  m_wordListFileLabel->hide();
  m_swapList->hide();
  m_quoteWindow->show();
  ClearGridBottomControls();
  RestoreBottomBar();
  ShowPoolGrid();
  HideAllLists();
  HideAllEditors();
  m_candidateStatus->hide();
  m_listLabel->show();
  m_quotesEditor->show();
  m_listLabel->setText(Cp(QuotesListLabel(*m_session)));
}

void MainWindow::Output1Click() {
  PlaySound("CHIMES");
  // The output editor covers the whole left pane, so nothing else of it stays shown.
  for (QWidget* w :
       std::initializer_list<QWidget*>{m_keyWords, m_puzzleArea, m_quotesEditor, m_swapList,
                                       m_wordListFileLabel, m_helpFile, m_iniFile, m_numberGrid})
    w->hide();
  m_quoteWindow->show();
  SetOutputShort(m_outputShort);
  if (!m_outputShort) HideAllLists();
  m_outputEditor->show();
  if (m_outputShort && !AnyListVisible()) m_wordLists[0]->show();
  SetListLabelToLines(Cp(m_session->Output.OutputFileName),
                      static_cast<int>(m_session->Output.Lines.size()));
  RestoreStatusArea();
  ClearGridBottomControls();
  RestoreBottomBar();
  ShowPoolGrid();
}

void MainWindow::WordListButtonClick(int n) {
  if (n < 1 || n > 4 || m_puzzleArea->isVisible()) return;
  m_wordListFileLabel->hide();
  if (m_outputEditor->isVisible() && !m_outputShort) SetOutputShort(true);
  m_quotesEditor->hide();
  if (!m_outputEditor->isVisible()) {
    m_helpFile->hide();
    m_iniFile->hide();
    m_numberGrid->hide();
    m_keyWords->show();
  }
  HideAllLists();
  m_candidateStatus->hide();
  m_wordLists[static_cast<std::size_t>(n - 1)]->show();
  m_lastWordList = n;
  m_listLabel->setText(QStringLiteral("Wordlist %1").arg(n));
  m_listLabel->show();
}

void MainWindow::AddanItemClick(int n) {
  if (n < 1 || n > 4) return;
  WordListButtonClick(n);
  m_sources->AddItemTarget = n;
  m_listLabel->hide();
  m_candidates->hide();
  m_candidateStatus->hide();
  m_addItemField->show();
  m_addItemField->setFocus();
}

void MainWindow::CluesButtonClick() {
  if (m_puzzleArea->isVisible()) return;
  HideAllLists();
  m_wordListFileLabel->hide();
  if (m_outputEditor->isVisible() && !m_outputShort) SetOutputShort(true);
  m_quotesEditor->hide();
  m_clueList->show();
  if (!m_outputEditor->isVisible() && !m_quotesEditor->isVisible()) {
    m_helpFile->hide();
    m_iniFile->hide();
    m_numberGrid->hide();
    m_keyWords->show();
  }
  m_listLabel->setText(QStringLiteral(" List of Clues "));
  m_listLabel->show();
  m_candidateStatus->hide();
}

void MainWindow::CandidatesButtonClick() {
  if (m_puzzleArea->isVisible()) return;
  m_wordListFileLabel->hide();
  m_quotesEditor->hide();
  m_outputEditor->hide();
  HideAllLists();
  m_candidates->show();
  m_helpFile->hide();
  m_iniFile->hide();
  m_numberGrid->hide();
  m_keyWords->show();
  m_listLabel->hide();
  m_candidateStatus->show();
}

void MainWindow::HelpTopicClick(int topic) {
  if (topic < 1 || topic > 4) return;
  if (topic == 1) m_helpFile->document()->setDocumentMargin(2);
  RestoreStatusArea();
  ClearGridBottomControls();
  RestoreBottomBar();
  ShowPoolGrid();
  m_helpFile->show();
  for (QWidget* w : std::initializer_list<QWidget*>{m_puzzleArea, m_keyWords, m_quotesEditor,
                                                    m_outputEditor, m_iniFile, m_numberGrid})
    w->hide();
  if (!AnyListVisible()) m_clueList->show();
  SetListLabelToLines(Cp(m_session->Output.OutputFileName),
                      static_cast<int>(m_session->Output.Lines.size()));
  const QString path = QDir(m_programDir).filePath(QStringLiteral("help%1.rtf").arg(topic));
  if (!QFileInfo::exists(path)) {
    host().Message("Cannot find file " + ToCp(path));
    return;
  }
  const auto bytes = ReadFileBytes(ToCp(path));
  bool ok = false;
  const QString html = bytes ? RtfToHtml(*bytes, &ok) : QString();
  if (!ok) {
    host().Message("Could not load file ");
    return;
  }
  m_helpFile->setHtml(html);
  m_helpRtf = *bytes;
  m_helpFileName = path;
}

void MainWindow::NumberMap1Click() {
  m_keyWords->hide();
  m_helpFile->hide();
  m_iniFile->hide();
  m_numberGrid->show();
  RefreshPoolViews(*m_doc);
  RefreshViews();
}

void MainWindow::NumberGridDblClick() {
  m_numberGrid->hide();
  if (!m_outputEditor->isVisible() && !m_quotesEditor->isVisible() && !m_puzzleArea->isVisible())
    m_keyWords->show();
}

void MainWindow::PoolViewClick(int view) {
  SetPoolView(*m_doc, view);
  for (int i = 0; i < 3; ++i)
    SetCaptionColour(m_poolButtons[static_cast<std::size_t>(i)], i == m_doc->PoolView);
  if (!m_puzzleArea->isVisible()) ShowPoolGrid();
  RefreshViews();
}

// ---------------------------------------------------------------------------------
// Window commands

void MainWindow::SoundToggle1Click() {
  m_soundsOn = !m_soundsOn;
  if (QAction* a = command(QStringLiteral("SoundToggle1")))
    a->setText(m_soundsOn ? QStringLiteral("Sounds Off") : QStringLiteral("Sounds On"));
}

void MainWindow::Short1Click() {
  SetOutputShort(!m_outputShort);
  if (m_outputShort) {
    if (!AnyListVisible()) m_wordLists[0]->show();
  } else {
    HideAllLists();
  }
}

void MainWindow::Wordwrap3Click() {
  const bool wrap = m_outputEditor->lineWrapMode() == QTextEdit::NoWrap;
  m_outputEditor->setLineWrapMode(wrap ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
  if (QAction* a = command(QStringLiteral("Wordwrap3")))
    a->setText(wrap ? QStringLiteral("No Wrap") : QStringLiteral("&Wordwrap"));
}

void MainWindow::HighLightCommonClick() {
  auto& style = m_puzzleGrid->style();
  style.commonHighlight = !style.commonHighlight;
  if (QAction* a = command(QStringLiteral("HighLightCommon")))
    a->setText(style.commonHighlight ? QStringLiteral("Highlight Common Words OFF")
                                     : QStringLiteral("Highlight Common Words ON"));
  m_puzzleGrid->update();
}

void MainWindow::BlockColorClick() {
  const QColor c = QColorDialog::getColor(m_puzzleGrid->style().block, this);
  if (!c.isValid()) return;
  m_puzzleGrid->style().block = c;
  if (m_puzzleGrid->isVisible()) m_puzzleGrid->update();
}

void MainWindow::Color7Click() {
  const QColor c = QColorDialog::getColor(m_puzzleGrid->style().background, this);
  if (!c.isValid()) return;
  m_puzzleGrid->style().background = c;
  m_puzzleGrid->update();
}

void MainWindow::GridHelpClick() {
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
  host().Message(text);
}

void MainWindow::ShowAnswerBarFor(int row) {
  std::vector<std::string> letters;
  for (char c : Keystring(*m_doc, row)) letters.emplace_back(1, c);
  m_answerBar->setBackground(kAnswerBarColour);
  m_answerBar->setCurrentColumn(0);
  const int left =
      m_distributionBar->isVisible()
          ? m_distributionBar->mapTo(this, QPoint(m_distributionBar->width(), 0)).x() + 10
          : 0;
  m_answerBar->setCells(letters, std::max(20, kAnswerBarRightEdge - left));
}

void MainWindow::DistributionButtonClick() {
  if (m_distributionMode) {
    LeaveDistributionMode();
    return;
  }
  m_distributionMode = true;
  m_distributionButton->setText(QStringLiteral("Set Title"));
  for (QWidget* w : std::initializer_list<QWidget*>{
           m_titleLabel, m_titleEdit, m_bylineLabel, m_bylineEdit, m_blockColourButton,
           m_viewButtons[2], m_viewButtons[3], m_copyrightButton, m_viewButtons[1]})
    w->hide();
  std::vector<std::string> initials;
  for (char c : m_doc->P.QuotellaStr) initials.emplace_back(1, c);
  m_distributionBar->setBackground(kHighlightColour);
  m_distributionBar->setCells(initials, kDistributionBarMax);
  m_distributionBar->show();
  ShowAnswerBarFor(m_distributionBar->currentColumn());
  Unhighlight(m_doc->P);
  HighlightInitials(*m_doc);
  m_answerBar->show();
  m_puzzleGrid->update();
}

void MainWindow::LeaveDistributionMode() {
  m_distributionMode = false;
  m_distributionButton->setText(QStringLiteral("Distribution"));
  m_distributionBar->hide();
  m_answerBar->hide();
  for (QWidget* w : std::initializer_list<QWidget*>{
           m_titleLabel, m_titleEdit, m_bylineLabel, m_bylineEdit, m_blockColourButton,
           m_viewButtons[2], m_viewButtons[3], m_copyrightButton, m_viewButtons[1]})
    w->show();
  Unhighlight(m_doc->P);
  m_puzzleGrid->update();
}

void MainWindow::DistributionBarClick(int col) {
  m_distributionBar->setCurrentColumn(col);
  ShowAnswerBarFor(col);
  Unhighlight(m_doc->P);
  HighlightWord(*m_doc, col);
  m_answerBar->show();
  m_puzzleGrid->update();
  AnswerBarClick(0);
}

void MainWindow::AnswerBarClick(int col) {
  m_answerBar->setCurrentColumn(col);
  if (SetCursorCell(*m_doc, col + 1, m_distributionBar->currentColumn())) m_puzzleGrid->update();
}

void MainWindow::ShowQuotellaDistribution1Click() {
  m_answerBar->setCurrentColumn(0);
  Unhighlight(m_doc->P);
  HighlightInitials(*m_doc);
  m_puzzleGrid->update();
}

void MainWindow::SaveHelpfile1Click() {
  const auto name =
      host().SaveFileName("Save File", kFileFilter, ToCp(QFileInfo(m_helpFileName).absolutePath()),
                          ToCp(m_helpFileName));
  if (!name) return;
  const std::string error = WriteFileAtomic(*name, m_helpRtf);
  if (!error.empty()) host().Message("Could not save file " + *name);
}

void MainWindow::RunCompanion(const QString& program, const QStringList& args) {
  const QString path = QDir(m_programDir).filePath(program);
  if (!QFileInfo(path).isExecutable()) {
    host().Message("Program not found: " + ToCp(path));
    return;
  }
  QStringList list;
  for (const auto& a : args)
    if (!a.isEmpty()) list << a;
  QProcess::startDetached(path, list, m_programDir);
}

void MainWindow::ChooseColour(QWidget* widget, QPalette::ColorRole role, const QString& title) {
  QPalette pal = widget->palette();
  const QColor c = QColorDialog::getColor(pal.color(role), this, title);
  if (!c.isValid()) return;
  pal.setColor(role, c);
  widget->setPalette(pal);
  widget->setAutoFillBackground(true);
}

void MainWindow::ChooseFont(QWidget* widget) {
  bool ok = false;
  const QFont f = QFontDialog::getFont(&ok, widget->font(), this);
  if (ok) widget->setFont(f);
}

// ---------------------------------------------------------------------------------
// Answer-word table, clues and pool

void MainWindow::WriteClue3Click() {
  if (!m_doc->PuzzleExists) return;
  const int line = WriteClue1Click(*m_doc);
  RefreshViews();
  if (line >= 0) {
    QTextCursor cursor(m_clueList->document()->findBlockByNumber(line));
    m_clueList->setTextCursor(cursor);
    m_clueList->ensureCursorVisible();
  }
  SyncSelection();
}

void MainWindow::WriteClue2Click() {
  if (!m_doc->PuzzleExists) return;
  m_clueList->setFocus();
  quotella::WriteClue2Click(*m_doc, m_clueList->textCursor().blockNumber());
  RefreshViews();
}

void MainWindow::LockPopupClick() {
  const int row = m_poolGrids[0]->currentIndex().row();
  if (row < 1 || row > 26) return;
  quotella::LockPopupClick(*m_doc, row);
  RefreshViews();
}

}  // namespace quotella

namespace quotella {

// ---------------------------------------------------------------------------------
// Editors and lists as the operations see them

void MainWindow::PullEditors() {
  m_session->Output.Lines = FromQText(m_outputEditor->toPlainText());
  m_session->QuotesEditor = FromQText(m_quotesEditor->toPlainText());
  if (m_settings) m_settings->View().SetLines(FromQText(m_iniFile->toPlainText()));
}

void MainWindow::PushEditors() {
  m_syncing = true;
  const QString output = ToQLines(m_session->Output.Lines).join(QLatin1Char('\n'));
  if (m_outputEditor->toPlainText() != output) m_outputEditor->setPlainText(output);
  const QString quotes = ToQLines(m_session->QuotesEditor).join(QLatin1Char('\n'));
  if (m_quotesEditor->toPlainText() != quotes) m_quotesEditor->setPlainText(quotes);
  m_syncing = false;
}

void MainWindow::PushIniText() {
  if (!m_settings) return;
  const QString text = ToQLines(m_settings->View().Lines()).join(QLatin1Char('\n'));
  if (m_iniFile->toPlainText() != text) m_iniFile->setPlainText(text);
}

void MainWindow::PushLists() {
  const auto fill = [](QListWidget* list, const std::vector<std::string>& items) {
    const QStringList want = ToQLines(items);
    QStringList have;
    for (int i = 0; i < list->count(); ++i) have << list->item(i)->text();
    if (have == want) return;
    const int row = list->currentRow();
    list->clear();
    list->addItems(want);
    if (row >= 0 && row < list->count()) list->setCurrentRow(row);
  };
  for (std::size_t i = 0; i < 4; ++i) fill(m_wordLists[i], m_sources->Lists[i].Items);
  fill(m_candidates, m_sources->Candidates);
}

void MainWindow::RunPullPush(const std::function<void()>& operation) {
  PullEditors();
  operation();
  PushEditors();
  PushLists();
  PushIniText();
  setWindowTitle(Cp(m_session->Caption));
  RefreshViews();
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

void MainWindow::IniFile2Click() {
  RunPullPush([this] { m_settings->ReloadIniView(); });
  m_keyWords->hide();
  m_helpFile->hide();
  m_numberGrid->hide();
  m_outputEditor->hide();
  m_quotesEditor->hide();
  m_puzzleArea->hide();
  m_iniFile->show();
}

void MainWindow::OpenAddress(const std::optional<std::string>& address) {
  if (address) QDesktopServices::openUrl(QUrl(Cp(*address)));
}

std::string MainWindow::CurrentAnswer() const {
  return Keystring(*m_doc, m_doc->CurRow);
}

std::string MainWindow::CurrentCandidate() const {
  const QListWidgetItem* item = m_candidates->currentItem();
  return item ? ToCp(item->text()) : std::string();
}

void MainWindow::UpdateRarityColours() {
  for (std::size_t i = 0; i < 26; ++i) {
    const Rgb c = RarityRgb(m_rarityColors.band[i]);
    m_rarity[i] = QColor(c.r, c.g, c.b);
  }
  m_keyWords->viewport()->update();
}

// ---------------------------------------------------------------------------------
// Making puzzles, typing, candidates, scans, swapping, grid shape

void MainWindow::QuotesEditorDblClick() {
  const QString line = m_quotesEditor->textCursor().block().text();
  const DblClickResult result = quotella::QuotesEditorDblClick(*m_doc, ToCp(line));
  if (result != DblClickResult::Blank && result != DblClickResult::Refused) {
    m_session->CurrentPuzzleFile = "noname.txt";
    SetCaption(*m_session, m_session->CurrentPuzzleFile);
    setWindowTitle(Cp(m_session->Caption));
    ClearDisplayMarks(*m_doc);
    m_swap = SwapState{};
  }
  if (result == DblClickResult::Made) {
    m_doc->CurCol = 2;
    m_doc->CurRow = 0;
    Puzzle3Click();
  }
  RefreshViews();
}

void MainWindow::QuotesEditorClick() {
  if (!m_quotesEditor->isVisible()) return;
  quotella::QuotesEditorClick(*m_doc, ToCp(m_quotesEditor->textCursor().block().text()));
  m_quotesEditor->setFocus();
}

void MainWindow::KeyWordsKeyPress(char key) {
  if (!m_doc->PuzzleExists) return;
  quotella::KeyWordsKeyPress(*m_doc, {m_doc->CurCol, m_doc->CurRow}, key);
  RefreshViews();
}

void MainWindow::CandidatesDblClick() {
  if (!m_doc->PuzzleExists) return;
  quotella::CandidatesDblClick(*m_doc, {m_doc->CurCol, m_doc->CurRow}, m_sources->Candidates,
                               m_candidates->currentRow(), m_keyWords->isVisible());
  RefreshViews();
  if (m_keyWords->isVisible()) m_keyWords->setFocus();
}

void MainWindow::CandidateClick() {
  if (!m_doc->PuzzleExists) return;
  const CandidateStats stats =
      CandidateStatistics(*m_doc, CurrentCandidate(), m_doc->PrimaryProblemStr);
  for (int i = 0; i < 5; ++i)
    m_candidateStatus->setPanel(i, Cp(stats.panels[static_cast<std::size_t>(i)]));
  m_charStatus2->setPanel(4, Cp(stats.vowelOutlook));
}

void MainWindow::ScanDictionary() {
  if (!m_doc->PuzzleExists) return;
  ScanDictionaryCommand(*m_doc, *m_sources);
  PushLists();
  CandidatesButtonClick();
}

void MainWindow::ScanList(int n) {
  if (!m_doc->PuzzleExists) return;
  m_lastWordList = n;
  ScanListCommand(*m_doc, *m_sources, n);
  PushLists();
  CandidatesButtonClick();
}

void MainWindow::KeyWordsDblClick(int col, int row) {
  m_wordListFileLabel->hide();
  ShowPoolGrid();
  if (col != 1 || !m_doc->PuzzleExists) return;
  SelectTableCell(col, row);
  ScanList(m_lastWordList);
}

void MainWindow::PuzzleGridDblClick(int col, int row) {
  if (!m_doc->PuzzleExists) return;
  const int cell = CellAtGridPosition(*m_doc, row, col, m_doc->Grid.Columns);
  quotella::PuzzleGridDblClick(*m_doc, m_swap, cell);
  if (m_swap.ListShown) {
    m_swapList->clear();
    m_swapList->addItems(ToQLines(m_swap.Lines));
    m_quoteWindow->hide();
    m_swapList->show();
    m_swapList->scrollToBottom();
  }
  m_puzzleGrid->setCursor(m_swap.HandCursor ? Qt::PointingHandCursor : Qt::ArrowCursor);
  RefreshViews();
}

void MainWindow::SwapListBoxDblClick(int line) {
  if (!m_doc->PuzzleExists) return;
  quotella::SwapListBoxDblClick(*m_doc, m_swap, line);
  m_swapList->clear();
  m_swapList->addItems(ToQLines(m_swap.Lines));
  m_puzzleGrid->setCursor(m_swap.HandCursor ? Qt::PointingHandCursor : Qt::ArrowCursor);
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

}  // namespace quotella

namespace quotella {

// ---------------------------------------------------------------------------------
// The heuristic search

bool MainWindow::heuristicSearching() const {
  return m_heuristicRunning || (m_heuristic && m_heuristic->Searching());
}

void MainWindow::HeuristicButtonClick() {
  if (!m_doc->PuzzleExists || heuristicSearching()) return;
  if (!m_heuristic) {
    HeuristicLists lists;
    for (std::size_t i = 0; i < 4; ++i) lists.lists[i] = &m_sources->Lists[i].Items;
    lists.candidates = &m_sources->Candidates;
    m_heuristic = std::make_unique<HeuristicSearch>(*m_doc, lists);
    m_heuristic->ReloadWordLists = [this] { quotella::ReloadWordLists(*m_sources); };
    m_heuristic->OpenPruneEditor = [this](const ThreeWordSearch::Lists& lists) {
      OpenWordListEditor(lists);
    };
  }
  m_heuristic->Join();
  m_heuristic->DictDir = m_sources->DictionaryDir();
  HideAllLists();
  m_candidateStatus->hide();
  m_wordLists[3]->show();
  m_searchStatus->show();
  const HeuristicSearch::Prepared prepared = m_heuristic->Prepare();
  PushLists();
  RefreshViews();
  if (prepared == HeuristicSearch::Prepared::Ready) StartHeuristicWorker();
}

void MainWindow::OpenWordListEditor(const std::array<std::vector<std::string>, 3>& lists) {
  if (!m_listEditor) m_listEditor = std::make_unique<WordListEditor>();
  m_listEditor->DictDir = m_sources->DictionaryDir();
  m_listEditor->ProgramDir = m_settings->Values().ProgramDir;
  if (!m_listEditorDialog) {
    m_listEditorDialog = new WordListEditorDialog(*m_listEditor, host(), this);
    connect(m_listEditorDialog, &WordListEditorDialog::lookupRequested, this,
            [this](const QString& word) { OpenAddress(KeywordMerriamLookup(ToCp(word))); });
  }
  m_listEditor->Open(lists, [this](bool bailedOut, WordListEditor::Lists pruned) {
    // The editor calls this from its own button handler: carry on once that is done.
    QTimer::singleShot(0, this, [this, bailedOut, pruned = std::move(pruned)]() mutable {
      if (!m_heuristic) return;
      const HeuristicSearch::Prepared next =
          m_heuristic->EditorClosed(bailedOut, std::move(pruned));
      PushLists();
      RefreshViews();
      if (next == HeuristicSearch::Prepared::Ready) StartHeuristicWorker();
    });
  });
  m_listEditorDialog->refresh();
  m_listEditorDialog->show();
  m_listEditorDialog->raise();
}

void MainWindow::StartHeuristicWorker() {
  QPointer<MainWindow> self(this);
  m_heuristicRunning = true;
  m_heuristic->Start([self](HeuristicEvent event) {
    QMetaObject::invokeMethod(
        self.data(),
        [self, event] {
          if (!self || !self->m_heuristic) return;
          self->m_heuristic->Apply(event);
          self->PushLists();
          if (event.kind == HeuristicEvent::Kind::Finished) {
            self->m_heuristicRunning = false;
            self->RefreshViews();
          }
        },
        Qt::QueuedConnection);
  });
}

void MainWindow::MajorProblemScanClick() {
  if (!m_doc->PuzzleExists) return;
  ProblemSearchDialog dialog(m_problemParams, this);
  if (dialog.exec() != QDialog::Accepted) return;
  m_problemParams = dialog.params();
  FindWordsUsingMostProblemChars(*m_doc, *m_sources, m_problemParams);
  PushLists();
  CandidatesButtonClick();
  RefreshViews();
}

void MainWindow::GeneralSettings1Click() {
  m_settings->ShowGeneralSettings();
  if (!m_generalSettings) {
    auto* dialog = new GeneralSettingsDialog(this);
    m_generalSettings = dialog;
    connect(dialog, &GeneralSettingsDialog::closeRequested, this, [this, dialog] {
      dialog->store(m_settings->Form());
      m_settings->CloseGeneralSettings();
      ApplySettings();
      dialog->hide();
    });
    connect(dialog, &GeneralSettingsDialog::saveRequested, this, [this, dialog] {
      dialog->store(m_settings->Form());
      RunPullPush([this] {
        m_settings->SaveGeneralSettings();
        ApplySettings();
      });
      dialog->load(m_settings->Form());
      dialog->setVisible(m_settings->Form().Visible);
    });
    connect(dialog, &GeneralSettingsDialog::browseFile, this, [this, dialog](int index) {
      const auto chosen = host().OpenFileName("Open", kFileFilter, m_settings->Values().CurrentDir);
      if (!chosen) return;
      dialog->fileBox(index)->setText(Cp(*chosen));
      Settings& v = m_settings->Values();
      if (index == 0)
        v.QuotesFile = *chosen;
      else
        v.WordListFiles[static_cast<std::size_t>(index - 1)] = *chosen;
    });
    connect(dialog, &GeneralSettingsDialog::colourRequested, this, [this](int colour) {
      const QString title = QStringLiteral("Color");
      switch (colour) {
        case GeneralSettingsDialog::Background:
          ChooseColour(centralWidget(), QPalette::Window, title);
          break;
        case GeneralSettingsDialog::Quotes:
          ChooseColour(m_quotesEditor, QPalette::Base, title);
          break;
        case GeneralSettingsDialog::Editor:
          ChooseColour(m_outputEditor, QPalette::Base, title);
          break;
        case GeneralSettingsDialog::Clues:
          ChooseColour(m_clueList, QPalette::Base, title);
          break;
        case GeneralSettingsDialog::QuoteWindow:
          ChooseColour(m_quoteWindow, QPalette::Base, title);
          break;
        default:
          Color7Click();
          break;
      }
    });
    connect(dialog, &GeneralSettingsDialog::answersFontRequested, this,
            [this] { ChooseFont(m_keyWords); });
  }
  m_generalSettings->load(m_settings->Form());
  m_generalSettings->show();
  m_generalSettings->raise();
}

void MainWindow::PuzzlebyBrowsing1Click() {
  if (!m_browser) {
    auto* browser = new BrowseDialog(this);
    m_browser = browser;
    connect(browser, &BrowseDialog::folderChanged, this,
            [this](const QString& folder) { DirectoryListBox1Change(*m_session, ToCp(folder)); });
    connect(browser, &BrowseDialog::fileClicked, this, [this, browser](const QString& path) {
      PullEditors();
      const std::vector<std::string> lines = MakeInfoReport(*m_session, host(), ToCp(path));
      PushEditors();
      browser->setSynopsis(ToQLines(lines));
    });
    connect(browser, &BrowseDialog::openRequested, this, [this, browser](const QString& path) {
      bool opened = false;
      RunPullPush(
          [this, &path, &opened] { opened = OpenButtonClick(*m_doc, *m_session, ToCp(path)); });
      browser->hide();
      if (opened) Puzzle3Click();
    });
  }
  const std::string folder =
      m_session->CurrentDir.empty() ? ToCp(QDir::currentPath()) : m_session->CurrentDir;
  m_browser->setFolder(Cp(folder));
  m_browser->show();
  m_browser->raise();
}

bool MainWindow::autofilling() const {
  return m_autofillRunning;
}

void MainWindow::Autofill1Click() {
  if (m_autofillRunning) {
    // The result (a stop, or the fills found so far) still arrives through OnAutofillDone.
    if (m_autofill) m_autofill->Stop();
    return;
  }
  if (!m_doc->PuzzleExists) return;
  if (heuristicSearching()) {
    host().Message(
        "First you must exit the Heuristic Search!\rRight-Click Wordlist and select \"End Search "
        "Now\"");
    return;
  }
  auto problem = std::make_unique<AutofillProblem>(MakeAutofillProblem(*m_doc));
  if (problem->rowSlots.empty()) {
    host().Message(AutofillEndText(AutofillEnd::NothingToFill));
    return;
  }
  if (!m_autofill) m_autofill = std::make_unique<AutofillWorker>();
  m_autofill->Stop();
  m_autofillDict = std::make_unique<AutofillDictionary>(m_sources->DictionaryDir());
  for (const auto& list : m_sources->Lists) m_autofillDict->AddListEntries(list.Items);
  AutofillOptions options;
  options.exclude = WordsInTable(*m_doc);
  options.timeLimit = 30.0;
  m_autofillProblem = std::move(problem);
  m_autofillRunning = true;
  m_stopAutofill->setEnabled(true);
  command(QStringLiteral("Autofill1"))->setText(QStringLiteral("Stop Autofill"));
  m_statusBar1->setPanel(2, QStringLiteral("Autofill: starting"));

  QPointer<MainWindow> self(this);
  const int rows = static_cast<int>(m_autofillProblem->rowSlots.size());
  m_autofill->Start(
      *m_autofillProblem, m_autofillDict->Source(), options,
      [self, rows](const AutofillProgress& p) {
        const QString text = QStringLiteral("Autofill: %1 of %2 rows, %3 s")
                                 .arg(p.bestDepth)
                                 .arg(rows)
                                 .arg(p.elapsed, 0, 'f', 1);
        QMetaObject::invokeMethod(
            self.data(),
            [self, text] {
              if (self && self->m_autofillRunning) self->m_statusBar1->setPanel(2, text);
            },
            Qt::QueuedConnection);
      },
      [self](AutofillResult result) {
        QMetaObject::invokeMethod(
            self.data(),
            [self, result = std::move(result)] {
              if (self) self->OnAutofillDone(result);
            },
            Qt::QueuedConnection);
      });
}

void MainWindow::OnAutofillDone(const AutofillResult& result) {
  if (!m_autofillRunning) return;
  m_autofillRunning = false;
  m_stopAutofill->setEnabled(false);
  command(QStringLiteral("Autofill1"))->setText(QStringLiteral("Autofill"));
  m_statusBar1->setPanel(2, QString());
  if (result.end != AutofillEnd::Filled || result.fills.empty()) {
    host().Message(AutofillEndText(result.end));
    return;
  }
  // The table may have changed while the search ran: a fill that no longer fits is
  // reported rather than laid half-way.
  const AutofillProblem now = MakeAutofillProblem(*m_doc);
  const auto sameSlot = [](const AutofillSlot& a, const AutofillSlot& b) {
    return a.row == b.row && a.initial == b.initial;
  };
  const bool unchanged =
      now.pool == m_autofillProblem->pool &&
      std::equal(now.rowSlots.begin(), now.rowSlots.end(), m_autofillProblem->rowSlots.begin(),
                 m_autofillProblem->rowSlots.end(), sameSlot);
  if (!unchanged || !LayFill(*m_doc, *m_autofillProblem, result.fills.front())) {
    RefreshViews();
    host().Message("The answers changed during Autofill: its fill no longer fits");
    return;
  }
  m_doc->PuzzleChanged = true;
  RefreshViews();
  m_statusBar1->setPanel(
      2, QStringLiteral("Autofill: %1 rows filled").arg(m_autofillProblem->rowSlots.size()));
  if (PoolIsEmpty(*m_doc)) PlaySound("cheer");
}

void MainWindow::EndHeuristicSearchNow1Click() {
  if (m_heuristic) m_heuristic->EndNow();
  RefreshViews();
}

void MainWindow::Wordlist4DblClick(int line) {
  if (!m_doc->PuzzleExists || line < 0 ||
      line >= static_cast<int>(m_sources->Lists[3].Items.size()))
    return;
  if (NumEmpty(*m_doc) != 3) {
    host().Message(" There must be 3 and only 3 empty Answers available ");
    return;
  }
  if (heuristicSearching()) {
    host().Message(
        "First you must exit the Heuristic Search!\rRight-Click Wordlist and select \"End Search "
        "Now\"");
    return;
  }
  const std::string text = m_sources->Lists[3].Items[static_cast<std::size_t>(line)];
  const std::size_t first = text.find('*');
  const std::size_t second = first == std::string::npos ? first : text.find('*', first + 1);
  if (second == std::string::npos) return;
  const std::string words[3] = {UpperCase(Trim(text.substr(0, first))),
                                UpperCase(Trim(text.substr(first + 1, second - first - 1))),
                                UpperCase(Trim(text.substr(second + 1)))};
  for (const std::string& word : words) {
    if (word.empty()) continue;
    for (int r = 0; r < m_doc->P.NumWords && r < kTableSize; ++r) {
      const std::string& initial = m_doc->KeyWords.At(1, r);
      if (!initial.empty() && initial[0] == word[0] && m_doc->KeyWords.At(2, r).empty()) {
        LayInString(*m_doc, word, r);
        break;
      }
    }
  }
  EndHeuristicSearchNow1Click();
  Puzzle3Click();
  RefreshViews();
}

}  // namespace quotella

namespace quotella {

void MainWindow::PuzzleHotkeys1Click() {
  if (!m_hotkeys) {
    m_hotkeys = new HotkeysDialog(
        [this](const std::string& item, const QString& text) {
          if (QAction* a = command(Cp(item)))
            a->setShortcut(QKeySequence(text, QKeySequence::PortableText));
        },
        this);
  }
  m_hotkeys->show();
  m_hotkeys->raise();
}

void MainWindow::CopyrightButtonClick() {
  m_session->CopyrightText = EditCopyrightNotice(host(), m_session->CopyrightText, CurrentYear());
  m_settings->Form().Copyright = m_session->CopyrightText;
  m_copyrightButton->setToolTip(Cp(m_session->CopyrightText));
}

}  // namespace quotella

namespace quotella {

void MainWindow::ManualEntry1Click() {
  if (!m_manualEntry) {
    m_manualEntry = new ManualEntryDialog(*m_doc, m_session->QuotesEditor, this);
    m_manualEntry->entry().SwitchHeuristicOff = [this] { EndHeuristicSearchNow1Click(); };
    m_manualEntry->onPuzzleMade = [this] {
      m_session->CurrentPuzzleFile = "noname.txt";
      SetCaption(*m_session, m_session->CurrentPuzzleFile);
      setWindowTitle(Cp(m_session->Caption));
      m_swap = SwapState{};
      m_doc->CurCol = 2;
      m_doc->CurRow = 0;
      Puzzle3Click();
      m_quoteWindow->setPlainText(Cp(m_manualEntry->entry().ManualQuoteLine));
      RefreshViews();
    };
    m_manualEntry->onQuoteAdded = [this] {
      QuotesEditorChange(*m_session);
      PushEditors();
    };
  }
  m_manualEntry->OpenFor();
}

}  // namespace quotella
