#pragma once

#include <QMainWindow>
#include <QStringList>
#include <memory>

#include "core/document.h"
#include "render/textmeasure.h"

namespace quotella {

class ActionTable;
class AnswerCommands;
class AnswerPane;
class BottomBar;
class DialogCommands;
class DistributionBar;
class EditHistory;
class EditorSync;
class FileSession;
class GridViewPane;
class GuiHost;
class ListCommands;
class LookUpCommands;
class PoolPane;
class PrintRoom;
class PuzzleCommands;
class PuzzleGridWidget;
class QuotePane;
class RarityColouring;
class RecentPuzzlesMenu;
class SearchController;
class SettingsStore;
class StatusPane;
class ViewCommands;
class ViewTable;
class WindowCommands;
class WindowEventFilter;
class WindowHost;
class WindowLoader;
class WindowSettings;
class WordListPane;
struct WordSources;

// The main window: owns the document and composes the rooms (quote window, status area,
// answer pane, list pane, pool pane, Grid view, bottom bar), the action table, the view
// table, the search controller and the handler classes the commands live in. Handlers
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
  ActionTable& actions() { return *m_actions; }
  ViewTable& views() { return *m_views; }
  // Opens a view of the view table by name ("Puzzle", "Grid", ...).
  bool ShowView(const QString& view, int arg = 0);
  // The fonts of the drawn and printed elements, shared by grid, preview and page.
  FontSet& fonts() { return m_fonts; }
  PuzzleGridWidget* puzzleGrid() const;
  // Repaints every view of the document.
  void RefreshViews();

  // The rooms of the window.
  QuotePane* quotePane() const { return m_quote; }
  StatusPane* statusPane() const { return m_status; }
  AnswerPane* answerPane() const { return m_answer; }
  WordListPane* listPane() const { return m_lists; }
  PoolPane* poolPane() const { return m_pool; }
  GridViewPane* gridViewPane() const { return m_gridView; }
  BottomBar* bottomBar() const { return m_bottom; }
  PrintRoom* printRoom() const { return m_print; }

  // The classes the commands live in.
  ViewCommands& viewCommands() { return *m_viewCommands; }
  ListCommands& listCommands() { return *m_listCommands; }
  PuzzleCommands& puzzleCommands() { return *m_puzzleCommands; }
  EditorSync& editors() { return *m_sync; }
  SearchController& searches() { return *m_search; }
  DialogCommands& dialogs() { return *m_dialogs; }
  LookUpCommands& lookUps() { return *m_lookups; }
  DistributionBar& distribution() { return *m_distribution; }
  RecentPuzzlesMenu& recent() { return *m_recent; }
  // Undo and redo of the puzzle (Edit menu).
  EditHistory& editHistory() { return *m_editHistory; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  friend class ActionTable;
  friend class AnswerCommands;
  friend class DialogCommands;
  friend class EditorSync;
  friend class ListCommands;
  friend class PuzzleCommands;
  friend class RarityColouring;
  friend class RecentPuzzlesMenu;
  friend class RoomWiring;
  friend class SearchHooks;
  friend class ViewCommands;
  friend class ViewTable;
  friend class WindowCommands;
  friend class WindowEventFilter;
  friend class WindowSettings;
  void BuildRooms();
  void OnStatus(StatusBar bar, int panel, const std::string& text);

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
  FontSet m_fonts;
  QString m_programDir;
  bool m_pathSet = false;

  // The rooms.
  QuotePane* m_quote = nullptr;
  StatusPane* m_status = nullptr;
  AnswerPane* m_answer = nullptr;
  WordListPane* m_lists = nullptr;
  PoolPane* m_pool = nullptr;
  GridViewPane* m_gridView = nullptr;
  BottomBar* m_bottom = nullptr;
  PrintRoom* m_print = nullptr;

  // The action table and the handler classes (children of the window).
  ActionTable* m_actions = nullptr;
  WindowEventFilter* m_events = nullptr;
  EditorSync* m_sync = nullptr;
  ViewCommands* m_viewCommands = nullptr;
  ListCommands* m_listCommands = nullptr;
  PuzzleCommands* m_puzzleCommands = nullptr;
  RarityColouring* m_rarity = nullptr;
  DialogCommands* m_dialogs = nullptr;
  AnswerCommands* m_answers = nullptr;
  WindowCommands* m_commands = nullptr;
  LookUpCommands* m_lookups = nullptr;
  DistributionBar* m_distribution = nullptr;
  RecentPuzzlesMenu* m_recent = nullptr;
  EditHistory* m_editHistory = nullptr;
};

}  // namespace quotella
