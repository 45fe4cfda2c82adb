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
#include "settings/recentpuzzles.h"

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

class ActionTable;
class WindowCommands;
class AnswerCommands;
class DialogCommands;
class DistributionBar;
class LookUpCommands;
class RecentPuzzlesMenu;
class EditHistory;
class AnswerPane;
class BottomBar;
class GridViewPane;
class WordListPane;
class PoolPane;
class PrintRoom;
class QuotePane;
class SearchController;
class StatusPane;
class ViewTable;
class WordListEditorDialog;
class BrowseDialog;
class GeneralSettingsDialog;
class FileSession;
class HotkeysDialog;
class ManualEntryDialog;
class GuiHost;
class SettingsStore;
struct WordSources;
class PuzzleGridWidget;
class SettingsLoader;
class WindowLoader;
class WindowSettings;
class WindowHost;

// The main window: owns the document and composes the rooms (quote window, status area,
// answer pane, list pane, pool pane, Grid view, bottom bar), the action table, the view
// table and the search controller. Handlers call the document's operations and repaint
// from it; they never change the model themselves.
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
  ActionTable& actions() { return *m_actions; }
  // Undo and redo of the puzzle (Edit menu).
  EditHistory& editHistory() { return *m_editHistory; }
  ViewTable& views() { return *m_views; }
  // Opens a view of the view table by name ("Puzzle", "Grid", ...).
  bool ShowView(const QString& view, int arg = 0);
  bool soundsOn() const;
  bool distributionMode() const;
  bool outputShort() const { return m_outputShort; }
  PuzzleGridWidget* puzzleGrid() const;

  // The rooms of the window.
  QuotePane* quotePane() const { return m_quote; }
  StatusPane* statusPane() const { return m_status; }
  AnswerPane* answerPane() const { return m_answer; }
  WordListPane* listPane() const { return m_lists; }
  PoolPane* poolPane() const { return m_pool; }
  GridViewPane* gridViewPane() const { return m_gridView; }
  BottomBar* bottomBar() const { return m_bottom; }
  PrintRoom* printRoom() const { return m_print; }
  DialogCommands& dialogs() { return *m_dialogs; }
  LookUpCommands& lookUps() { return *m_lookups; }
  DistributionBar& distribution() { return *m_distribution; }
  // The fonts of the drawn and printed elements, shared by grid, preview and page.
  FontSet& fonts() { return m_fonts; }
  SearchController& searches() { return *m_search; }

  // Views.
  void Puzzle3Click();
  void Grid1Click();
  void Quotes3Click();
  void Output1Click();
  void WordListButtonClick(int n);
  // "Add Items" of list n: the add-item field opens, with the caret in it.
  void AddanItemClick(int n);
  void CluesButtonClick();
  // The Delete key in word list n removes its selected entry.
  void DeleteListEntry(int n);
  void CandidatesButtonClick();
  void HelpTopicClick(int topic);
  void NumberMap1Click();
  void NumberGridDblClick();
  void PoolViewClick(int view);

  // Window commands.
  void Short1Click();
  void DistributionButtonClick();

  // Making a puzzle from the quotes line under the caret, and the searches.
  void QuotesEditorDblClick();
  void HeuristicButtonClick();
  void EndHeuristicSearchNow1Click();
  // Double click on a line of word list 4: lays a three-word solution.
  void Wordlist4DblClick(int line);
  bool heuristicSearching() const;
  // The word-list editor the heuristic search opens when the user wants to prune.
  WordListEditorDialog* wordListEditor() const;
  // Fills every empty answer row from the word lists and the dictionary in a worker; the
  // same command (or Esc) stops a running fill.
  void Autofill1Click();
  bool autofilling() const;
  // The dialogs the window has opened so far (null until first use).
  ManualEntryDialog* manualEntry() const;
  HotkeysDialog* hotkeys() const;
  BrowseDialog* browser() const;
  GeneralSettingsDialog* generalSettings() const;
  // Open > Recent Puzzles: the last puzzles opened or saved.
  const RecentPuzzles& recentPuzzles() const;
  QMenu* recentMenu() const;
  void StretchGrid1Click();
  void SqueezeGrid1Click();
  // "Set Rarity Colors to Dict": recounts the dictionary with its progress log on view.
  void SetRarityColors1Click();

  // Repaints every view of the document.
  void RefreshViews();
  // Runs a command on the editors' and lists' lines: pulls the editors' texts into the
  // session first, pushes every result back to the controls after.
  void RunPullPush(const std::function<void()>& operation);

  // The file names of the companion programs in the program directory.
  static QString SolverProgram();
  static QString TextEditorProgram();
  static QString PuzzleManagerProgram();

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  friend class ActionTable;
  friend class ViewTable;
  friend class DialogCommands;
  friend class RecentPuzzlesMenu;
  friend class WindowSettings;
  friend class AnswerCommands;
  friend class WindowCommands;
  void BuildRooms();
  // The loader the settings use to fill the window's quotes editor and word lists.
  SettingsLoader* settingsLoader();
  void ConnectRooms();

  void OnStatus(StatusBar bar, int panel, const std::string& text);
  // The editors and lists the file and search operations read and fill, as lines.
  void PullEditors();
  void PushEditors();
  void PushLists();
  void PushIniText();
  void ApplySettings();
  void ShowRequestedView(int view);
  void IniFile2Click();
  void UpdateRarityColours();
  void OnDocumentChanged(PuzzleDocument::Change change);
  void SyncSelection();

  void HideAllLists();
  void ClearSwapMarksAndHighlights();
  void SetOutputShort(bool shortEditor);
  void SetListLabelToLines(const QString& fileName, int lines);
  void PlaySound(const char* name);
  // A new puzzle replaces the old one: searches end, swap marks go, the caption follows.
  void NewPuzzleShown();

  std::unique_ptr<GuiHost> m_guiHost;
  std::unique_ptr<WindowHost> m_host;
  std::unique_ptr<PuzzleDocument> m_doc;
  std::unique_ptr<FileSession> m_session;
  std::unique_ptr<WordSources> m_sources;
  std::unique_ptr<SettingsStore> m_settings;
  std::unique_ptr<WindowLoader> m_loader;
  // After the document and lists it works on, so that its workers end first.
  std::unique_ptr<SearchController> m_search;
  std::unique_ptr<ViewTable> m_views;
  std::unique_ptr<WindowSettings> m_windowSettings;
  ActionTable* m_actions = nullptr;
  EditHistory* m_editHistory = nullptr;
  int m_lastWordList = 1;
  RarityColors m_rarityColors;
  bool m_syncing = false;
  FontSet m_fonts;
  QString m_programDir;
  bool m_pathSet = false;
  bool m_outputShort = false;
  // Esc counts for a long command only when pressed while that command runs (it reaches
  // the window while the command lets pending events through).
  int m_pendingDepth = 0;
  bool m_escPressed = false;
  DialogCommands* m_dialogs = nullptr;
  AnswerCommands* m_answers = nullptr;
  WindowCommands* m_commands = nullptr;
  LookUpCommands* m_lookups = nullptr;
  DistributionBar* m_distribution = nullptr;
  RecentPuzzlesMenu* m_recent = nullptr;

  // The rooms.
  QuotePane* m_quote = nullptr;
  StatusPane* m_status = nullptr;
  AnswerPane* m_answer = nullptr;
  WordListPane* m_lists = nullptr;
  PoolPane* m_pool = nullptr;
  GridViewPane* m_gridView = nullptr;
  BottomBar* m_bottom = nullptr;
  PrintRoom* m_print = nullptr;
};

}  // namespace quotella
