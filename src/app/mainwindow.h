#pragma once

#include <QMainWindow>
#include <QStringList>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "core/document.h"
#include "core/swapping.h"
#include "render/textmeasure.h"
#include "search/rarity.h"
#include "search/sorts.h"

class QAction;
class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QShortcut;
class QSpinBox;
class QTableView;
class QTextEdit;

namespace quotella {

class AutofillDictionary;
class AutofillWorker;
class BarWidget;
class WordListEditor;
class WordListEditorDialog;
class BrowseDialog;
class GeneralSettingsDialog;
struct AutofillProblem;
struct AutofillResult;
class FileSession;
class HeuristicSearch;
class HotkeysDialog;
class ManualEntryDialog;
class GuiHost;
class SettingsStore;
struct WordSources;
class KeyTableView;
class PanelBar;
class PoolGridModel;
class PuzzleGridWidget;
class StringTableModel;
class WindowLoader;
class WindowHost;

// The one main window: owns the document, every control and every command. Handlers
// call the document's operations and repaint from it; they never change the model
// themselves.
class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  struct Options {
    QString programDir;       // empty: the folder of the executable
    QStringList arguments;    // command-line arguments after the program name
    Host* dialogs = nullptr;  // null: real dialogs; tests pass a scripted host
    // Register the puzzle-file type with the desktop (off in tests: it writes to the
    // user's data folder).
    bool registerFileType = true;
  };
  explicit MainWindow(const Options& options, QWidget* parent = nullptr);
  ~MainWindow() override;

  PuzzleDocument& doc() { return *m_doc; }
  FileSession& session() { return *m_session; }
  WordSources& sources() { return *m_sources; }
  SettingsStore& settings() { return *m_settings; }
  Host& host();
  QString programDir() const { return m_programDir; }
  bool pathSet() const { return m_pathSet; }
  // A command of the action table by its object name (e.g. "Puzzle3").
  QAction* command(const QString& name) const;
  QList<QAction*> commands() const;
  bool soundsOn() const { return m_soundsOn; }
  bool distributionMode() const { return m_distributionMode; }
  bool outputShort() const { return m_outputShort; }
  PuzzleGridWidget* puzzleGrid() const { return m_puzzleGrid; }

  // Views.
  void Puzzle3Click();
  void Grid1Click();
  void Quotes3Click();
  void Output1Click();
  void WordListButtonClick(int n);
  // "Add Items" of list n: the add-item field opens, with the caret in it.
  void AddanItemClick(int n);
  void CluesButtonClick();
  void CandidatesButtonClick();
  void HelpTopicClick(int topic);
  void NumberMap1Click();
  void NumberGridDblClick();
  void PoolViewClick(int view);

  // Window commands.
  void SoundToggle1Click();
  void Short1Click();
  void Wordwrap3Click();
  void HighLightCommonClick();
  void BlockColorClick();
  void Color7Click();
  void GridHelpClick();
  void DistributionButtonClick();
  void DistributionBarClick(int col);
  void AnswerBarClick(int col);
  void ShowQuotellaDistribution1Click();
  void SaveHelpfile1Click();
  void RunCompanion(const QString& program, const QStringList& args);

  // The answer-word table, candidates, swapping.
  void KeyWordsKeyPress(char key);
  // Double click on the answer table: on the initials' column, scans the word list last
  // shown (list 1 at first) for that row.
  void KeyWordsDblClick(int col, int row);
  void CandidatesDblClick();
  void CandidateClick();
  void QuotesEditorDblClick();
  void QuotesEditorClick();
  void PuzzleGridDblClick(int col, int row);
  void SwapListBoxDblClick(int line);
  void PuzzleHotkeys1Click();
  void ManualEntry1Click();
  ManualEntryDialog* manualEntry() const { return m_manualEntry; }
  HotkeysDialog* hotkeys() const { return m_hotkeys; }
  void CopyrightButtonClick();
  void HeuristicButtonClick();
  void EndHeuristicSearchNow1Click();
  // Double click on a line of word list 4: lays a three-word solution.
  void Wordlist4DblClick(int line);
  bool heuristicSearching() const;
  // The word-list editor the heuristic search opens when the user wants to prune.
  WordListEditorDialog* wordListEditor() const { return m_listEditorDialog; }
  // Fills every empty answer row from the word lists and the dictionary in a worker; the
  // same command (or Esc) stops a running fill.
  void Autofill1Click();
  // "Find Words using most Problem Chars": asks for the search's two values, then fills
  // the candidates.
  void MajorProblemScanClick();
  // Shows the General Settings window with the values in force.
  void GeneralSettings1Click();
  // The puzzle browser at the current folder.
  void PuzzlebyBrowsing1Click();
  BrowseDialog* browser() const { return m_browser; }
  GeneralSettingsDialog* generalSettings() const { return m_generalSettings; }
  bool autofilling() const;
  void StretchGrid1Click();
  void SqueezeGrid1Click();
  void WriteClue3Click();
  void WriteClue2Click();
  void LockPopupClick();

  // Repaints every view of the document.
  void RefreshViews();

  // The file names of the companion programs in the program directory.
  static QString SolverProgram();
  static QString TextEditorProgram();
  static QString PuzzleManagerProgram();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct CommandSpec;
  void BuildControls();
  void BuildLayout();
  void BuildCommands();
  void StartUp(const Options& options);
  QMenu* ContextMenu(const QString& name);
  void AttachContextMenu(QWidget* widget, const QString& menuName);

  void OnStatus(StatusBar bar, int panel, const std::string& text);
  // The editors and lists the file and search operations read and fill, as lines.
  void PullEditors();
  void PushEditors();
  void PushLists();
  void PushIniText();
  void ApplySettings();
  void ShowRequestedView(int view);
  void ChooseStartupPuzzle(const QStringList& arguments);
  void RunPullPush(const std::function<void()>& operation);
  void ScanDictionary();
  void ScanList(int n);
  void IniFile2Click();
  void OpenAddress(const std::optional<std::string>& address);
  std::string CurrentAnswer() const;
  std::string CurrentCandidate() const;
  void UpdateRarityColours();
  void OnQuoteWindow(const std::vector<std::string>& lines);
  void OnDocumentChanged(PuzzleDocument::Change change);
  void SyncSelection();
  void SelectTableCell(int col, int row);

  // View helpers.
  void HideAllLists();
  void HideAllEditors();
  void RestoreStatusArea();
  void ClearStatusArea();
  // The search controls of the bottom bar, shown and hidden together.
  std::vector<QWidget*> SearchBarControls() const;
  void RestoreBottomBar();
  void ClearBottomBar();
  void ClearGridBottomControls();
  void ShowPoolGrid();
  void ClearSwapMarksAndHighlights();
  void SetOutputShort(bool shortEditor);
  bool AnyListVisible() const;
  void SetListLabelToLines(const QString& fileName, int lines);
  void LeaveDistributionMode();
  void ShowAnswerBarFor(int row);
  void PlaySound(const char* name);
  void OnAutofillDone(const AutofillResult& result);
  void StartHeuristicWorker();
  void OpenWordListEditor(const std::array<std::vector<std::string>, 3>& lists);

  void ChooseColour(QWidget* widget, QPalette::ColorRole role, const QString& title);
  void ChooseFont(QWidget* widget);

  std::unique_ptr<GuiHost> m_guiHost;
  std::unique_ptr<WindowHost> m_host;
  std::unique_ptr<PuzzleDocument> m_doc;
  std::unique_ptr<FileSession> m_session;
  std::unique_ptr<WordSources> m_sources;
  std::unique_ptr<SettingsStore> m_settings;
  std::unique_ptr<WindowLoader> m_loader;
  std::unique_ptr<HeuristicSearch> m_heuristic;
  std::unique_ptr<AutofillDictionary> m_autofillDict;
  std::unique_ptr<AutofillProblem> m_autofillProblem;
  // After the dictionary it reads from, so that it is stopped first.
  std::unique_ptr<AutofillWorker> m_autofill;
  bool m_autofillRunning = false;  // until its result has been taken on this thread
  QShortcut* m_stopAutofill = nullptr;
  int m_lastWordList = 1;
  ProblemSearchParams m_problemParams;  // kept for the run, never saved
  std::unique_ptr<WordListEditor> m_listEditor;
  WordListEditorDialog* m_listEditorDialog = nullptr;
  GeneralSettingsDialog* m_generalSettings = nullptr;
  BrowseDialog* m_browser = nullptr;
  HotkeysDialog* m_hotkeys = nullptr;
  ManualEntryDialog* m_manualEntry = nullptr;
  bool m_heuristicRunning = false;  // a worker's results are still arriving
  SwapState m_swap;
  RarityColors m_rarityColors;
  bool m_syncing = false;
  FontSet m_fonts;
  std::array<QColor, 26> m_rarity{};
  QString m_programDir;
  bool m_pathSet = false;
  bool m_soundsOn = false;
  bool m_outputShort = false;
  bool m_distributionMode = false;
  bool m_escPressed = false;
  QString m_helpFileName;
  std::string m_helpRtf;
  QString m_currentPuzzleFile;
  QFont m_quoteFont;

  std::map<QString, QAction*> m_commands;
  std::map<QString, QMenu*> m_contextMenus;

  // Controls, named as the program names them.
  QTextEdit* m_quoteWindow = nullptr;
  QListWidget* m_swapList = nullptr;
  PanelBar* m_charStatus1 = nullptr;
  PanelBar* m_charStatus2 = nullptr;
  PanelBar* m_printStatus1 = nullptr;
  PanelBar* m_printStatus2 = nullptr;
  PanelBar* m_statusBar1 = nullptr;
  PanelBar* m_searchStatus = nullptr;
  PanelBar* m_candidateStatus = nullptr;
  KeyTableView* m_keyWords = nullptr;
  StringTableModel* m_keyWordsModel = nullptr;
  QTableView* m_numberGrid = nullptr;
  StringTableModel* m_numberModel = nullptr;
  QTextEdit* m_helpFile = nullptr;
  QPlainTextEdit* m_iniFile = nullptr;
  QPlainTextEdit* m_quotesEditor = nullptr;
  QTextEdit* m_outputEditor = nullptr;
  QScrollArea* m_puzzleArea = nullptr;
  PuzzleGridWidget* m_puzzleGrid = nullptr;
  QLabel* m_listLabel = nullptr;
  QLabel* m_wordListFileLabel = nullptr;
  QLineEdit* m_addItemField = nullptr;  // "Add Items": each Enter adds its text to a list
  QListWidget* m_candidates = nullptr;
  std::array<QListWidget*, 4> m_wordLists{};
  QPlainTextEdit* m_clueList = nullptr;
  std::array<QTableView*, 3> m_poolGrids{};
  std::array<PoolGridModel*, 3> m_poolModels{};
  std::array<QPushButton*, 3> m_poolButtons{};  // Alpha, Rank, Sort
  // Bottom bar.
  std::array<QPushButton*, 4> m_viewButtons{};  // Puzzle, Grid, Quotes, Output
  QLineEdit* m_conditions = nullptr;
  QSpinBox* m_minLength = nullptr;
  QSpinBox* m_maxLength = nullptr;
  QCheckBox* m_conditionsBox = nullptr;
  std::array<QPushButton*, 4> m_listButtons{};
  QPushButton* m_cluesButton = nullptr;
  QPushButton* m_candidatesButton = nullptr;
  // Grid view.
  QLabel* m_titleLabel = nullptr;
  QLineEdit* m_titleEdit = nullptr;
  QLabel* m_bylineLabel = nullptr;
  QLineEdit* m_bylineEdit = nullptr;
  QPushButton* m_blockColourButton = nullptr;
  QPushButton* m_distributionButton = nullptr;
  QPushButton* m_stretchButton = nullptr;
  QPushButton* m_squeezeButton = nullptr;
  QPushButton* m_orientationButton = nullptr;
  QPushButton* m_scanButton = nullptr;
  QPushButton* m_heuristicButton = nullptr;
  QPushButton* m_copyrightButton = nullptr;
  BarWidget* m_distributionBar = nullptr;
  BarWidget* m_answerBar = nullptr;
  QGridLayout* m_middle = nullptr;
};

}  // namespace quotella
