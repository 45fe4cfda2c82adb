#include "app/mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QColorDialog>
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
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QStatusBar>
#include <QTableView>
#include <QTextBlock>
#include <QTextEdit>
#include <QVBoxLayout>
#include <functional>

#include "app/barwidget.h"
#include "app/guihost.h"
#include "app/panelbar.h"
#include "app/puzzlegridwidget.h"
#include "app/rtfreader.h"
#include "app/tablemodels.h"
#include "app/windowhost.h"
#include "core/answertable.h"
#include "core/clues.h"
#include "core/poolstatus.h"
#include "core/textio.h"
#include "render/highlight.h"
#include "render/qtext.h"

namespace quotella {

namespace {

constexpr int kEditorWide = 673;
constexpr int kEditorShort = 425;
constexpr int kDistributionBarMax = 740;
constexpr int kAnswerBarRightEdge = 790;
constexpr const char* kFileFilter = "Quotella3 Files|*.qtl|Text Files|*.txt|All Files|*.*";

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

}  // namespace

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
      {70, 70, 60, 70, 0}, central);
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
    view->horizontalHeader()->setDefaultSectionSize(30);
    view->verticalHeader()->setDefaultSectionSize(15);
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
          [this](const QString& text) { m_doc->P.Title = ToCp(text); });
  m_bylineLabel = new QLabel(QStringLiteral("Byline"), central);
  m_bylineLabel->setObjectName(QStringLiteral("BylineLabel"));
  m_bylineEdit = new QLineEdit(central);
  m_bylineEdit->setObjectName(QStringLiteral("BylineEdit"));
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
  listHead->addWidget(m_searchStatus, 1);
  listHead->addWidget(m_candidateStatus, 1);
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
  for (auto* b : m_listButtons) bottom->addWidget(b);
  bottom->addWidget(m_cluesButton);
  bottom->addWidget(m_candidatesButton);
  bottom->addWidget(m_titleLabel);
  bottom->addWidget(m_titleEdit, 1);
  bottom->addWidget(m_bylineLabel);
  bottom->addWidget(m_bylineEdit, 1);
  bottom->addWidget(m_blockColourButton);
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
      {"ExitProgram1", "&Open", "Exit Program", "", [](W& w) { w.close(); }},
      {"Puzzle3", "&View", "Puzzle", "Ctrl+W", [](W& w) { w.Puzzle3Click(); }},
      {"Grid1", "&View", "Grid", "Ctrl+E", [](W& w) { w.Grid1Click(); }},
      {"Quotes3", "&View", "Quotes", "Ctrl+Q", [](W& w) { w.Quotes3Click(); }},
      {"Output1", "&View", "Output", "Ctrl+R", [](W& w) { w.Output1Click(); }},
      {"NumberMap1", "&View", "Number Map", "", [](W& w) { w.NumberMap1Click(); }},
      {"Solver1", "&Tools", "Solver", "",
       [](W& w) { w.RunCompanion(SolverProgram(), {w.m_currentPuzzleFile}); }},
      {"extEditor1", "&Tools", "Text Editor", "",
       [](W& w) { w.RunCompanion(TextEditorProgram(), {}); }},
      {"PuzzleManager1", "&Tools", "Puzzle Manager", "",
       [](W& w) { w.RunCompanion(PuzzleManagerProgram(), {}); }},
      {"SoundToggle1", "&Settings", "Sounds On", "", [](W& w) { w.SoundToggle1Click(); }},
      {"Basics1", "&Help", "Basics", "", [](W& w) { w.HelpTopicClick(1); }},
      {"heProcess1", "&Help", "The Process", "", [](W& w) { w.HelpTopicClick(2); }},
      {"Advanced1", "&Help", "Advanced", "", [](W& w) { w.HelpTopicClick(3); }},
      {"MoreTipsShortcuts1", "&Help", "More Tips && Shortcuts", "",
       [](W& w) { w.HelpTopicClick(4); }},
      // Context menus.
      {"WriteClue3", "KeyWordsPopup", "Write Clue", "Ins", [](W& w) { w.WriteClue3Click(); }},
      {"WriteClue2", "CluePopup", "Write Clue", "Ins", [](W& w) { w.WriteClue2Click(); }},
      {"ClueColorMenuItem", "CluePopup", "Color", "",
       [](W& w) { w.ChooseColour(w.m_clueList, QPalette::Base, QStringLiteral("Color")); }},
      {"ClueFontMenuItem", "CluePopup", "Font", "", [](W& w) { w.ChooseFont(w.m_clueList); }},
      {"HighLightCommon", "GridPopup", "Highlight Common Words OFF", "",
       [](W& w) { w.HighLightCommonClick(); }},
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
      {"Wordwrap3", "OutputPopup", "&Wordwrap", "", [](W& w) { w.Wordwrap3Click(); }},
      {"Bold1", "OutputPopup", "&Bold", "Ctrl+B",
       [](W& w) {
         const bool bold = w.m_outputEditor->fontWeight() > QFont::Normal;
         w.m_outputEditor->setFontWeight(bold ? QFont::Normal : QFont::Bold);
       }},
      {"Underline1", "OutputPopup", "&Underline", "Ctrl+U",
       [](W& w) { w.m_outputEditor->setFontUnderline(!w.m_outputEditor->fontUnderline()); }},
      {"SaveHelpfile1", "HelpPopup", "Save Helpfile", "", [](W& w) { w.SaveHelpfile1Click(); }},
      {"Form1Popup", "FormPopup", "Color", "",
       [](W& w) { w.ChooseColour(w.centralWidget(), QPalette::Window, QStringLiteral("Color")); }},
  };
  std::map<QString, QMenu*> menus;
  for (const auto& spec : table) {
    auto* action = new QAction(QString::fromLatin1(spec.caption), this);
    action->setObjectName(QString::fromLatin1(spec.name));
    if (spec.shortcut[0] != 0)
      action->setShortcut(QKeySequence(QString::fromLatin1(spec.shortcut)));
    action->setVisible(!spec.hidden);
    const auto handler = spec.handler;
    connect(action, &QAction::triggered, this, [this, handler] { handler(*this); });
    const QString menu = QString::fromLatin1(spec.menu);
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
    ContextMenu(menuName)->addAction(colour);
    ContextMenu(menuName)->addAction(font);
    m_commands[colour->objectName()] = colour;
    m_commands[font->objectName()] = font;
    AttachContextMenu(list, menuName);
  }
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
  m_programDir =
      options.programDir.isEmpty() ? QCoreApplication::applicationDirPath() : options.programDir;
  m_programDir = QDir(m_programDir).absolutePath();
  m_pathSet = QDir::setCurrent(m_programDir);
  if (!m_pathSet) host().Message("Cannot set path: " + ToCp(m_programDir));

  ResetPoolGrids(*m_doc);
  m_doc->ClueLines.assign(kMaxWords, std::string());

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
  HelpTopicClick(1);
  RefreshViews();
  QApplication::processEvents();

  if (!options.arguments.isEmpty())
    m_currentPuzzleFile = options.arguments.join(QLatin1Char(' ')).trimmed();
  if (!m_currentPuzzleFile.isEmpty() &&
      QFileInfo(m_currentPuzzleFile).fileName() == m_currentPuzzleFile)
    m_currentPuzzleFile = QDir(m_programDir).filePath(m_currentPuzzleFile);
  setWindowTitle(QStringLiteral("Quotella 3.1 ") + m_currentPuzzleFile);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  event->accept();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
    m_escPressed = true;
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
  if (m_titleEdit->text() != Cp(m_doc->P.Title)) m_titleEdit->setText(Cp(m_doc->P.Title));
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
  m_distributionButton->hide();
  m_printStatus1->hide();
  m_printStatus2->hide();
}

void MainWindow::ClearStatusArea() {
  m_charStatus1->hide();
  m_charStatus2->hide();
  m_listLabel->hide();
  m_candidateStatus->hide();
}

void MainWindow::RestoreBottomBar() {
  for (QWidget* w :
       std::initializer_list<QWidget*>{m_conditions, m_minLength, m_maxLength, m_conditionsBox,
                                       m_cluesButton, m_candidatesButton})
    w->show();
  for (auto* b : m_listButtons) b->show();
  for (auto* b : m_viewButtons) b->show();
}

void MainWindow::ClearBottomBar() {
  for (QWidget* w :
       std::initializer_list<QWidget*>{m_conditions, m_minLength, m_maxLength, m_conditionsBox,
                                       m_cluesButton, m_candidatesButton})
    w->hide();
  for (auto* b : m_listButtons) b->hide();
}

void MainWindow::ClearGridBottomControls() {
  for (QWidget* w :
       std::initializer_list<QWidget*>{m_titleLabel, m_titleEdit, m_bylineLabel, m_bylineEdit,
                                       m_distributionBar, m_blockColourButton})
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
    for (QWidget* w : std::initializer_list<QWidget*>{m_titleLabel, m_titleEdit, m_bylineLabel,
                                                      m_bylineEdit, m_blockColourButton})
      w->show();
  }
  ClearSwapMarksAndHighlights();
  ClearStatusArea();
  HideAllLists();
  HideAllEditors();
  m_puzzleArea->show();
  m_puzzleGrid->show();
  m_puzzleGrid->setFocus();
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
  SetListLabelToLines(m_quotesFileName, m_quotesEditor->document()->blockCount());
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
  SetListLabelToLines(m_outputFileName, m_outputEditor->document()->blockCount());
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
  m_listLabel->setText(QStringLiteral("Wordlist %1").arg(n));
  m_listLabel->show();
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
  SetListLabelToLines(m_outputFileName, m_outputEditor->document()->blockCount());
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
           m_viewButtons[2], m_viewButtons[3], m_viewButtons[1]})
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
           m_viewButtons[2], m_viewButtons[3], m_viewButtons[1]})
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
