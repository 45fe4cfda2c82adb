#pragma once

#include <QMainWindow>
#include <QStringList>
#include <memory>

#include "app/window/windowoptions.h"
#include "app/window/windowparts.h"
#include "app/window/windowrequests.h"
#include "core/document.h"
#include "render/textmeasure.h"
#include "settings/settings.h"

namespace quotella {

// The stores, rooms and handlers are declared with WindowParts.
class GuiHost;
class PuzzleGridWidget;
class RecoveryKeeper;
class ViewTable;
class WindowEventFilter;
class WindowHost;
class WindowLoader;

// The main window: owns the document and the stores, builds the rooms (quote window,
// status area, answer pane, list pane, pool pane, Grid view, bottom bar) and lays them
// out, then builds the handler classes, each given the stores, rooms and handlers it
// works with, and the tables that wire commands, views and signals to them. Its members
// are declared in the order they are built, so every part outlives the parts built after
// it. Handlers call the document's operations and repaint from it; they never change the
// model themselves.
class MainWindow : public QMainWindow, public WindowRequests {
  Q_OBJECT
 public:
  using Options = WindowOptions;
  explicit MainWindow(const Options& options, QWidget* parent = nullptr);
  ~MainWindow() override;

  PuzzleDocument& doc() { return *m_doc; }
  FileSession& session() { return *m_session; }
  WordSources& sources() { return *m_sources; }
  SettingsStore& settings() { return *m_settings; }
  Host& host();
  QString programDir() const { return m_programDir; }
  bool pathSet() const { return m_pathSet; }
  // A command of the action table by its object name (e.g. "Puzzle3"); an unknown name
  // is reported and answers null.
  QAction* command(const QString& name) const override;
  QList<QAction*> commands() const;
  ActionTable& actions() { return *m_actions; }
  ViewTable& views() { return *m_views; }
  // Opens a view of the view table by name ("Puzzle", "Grid", ...).
  bool ShowView(const QString& view, int arg = 0) override;
  // The fonts of the drawn and printed elements, shared by grid, preview and page.
  FontSet& fonts() { return m_fonts; }
  PuzzleGridWidget* puzzleGrid() const;
  // Repaints every view of the document.
  void RefreshViews() override;

  // The rooms of the window.
  QuotePane* quotePane() const { return m_parts.quote; }
  StatusPane* statusPane() const { return m_parts.status; }
  AnswerPane* answerPane() const { return m_parts.answer; }
  WordListPane* listPane() const { return m_parts.lists; }
  PoolPane* poolPane() const { return m_parts.pool; }
  GridViewPane* gridViewPane() const { return m_parts.gridView; }
  BottomBar* bottomBar() const { return m_parts.bottom; }
  PrintRoom* printRoom() const { return m_print.get(); }

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
  // The constructor's scored lists: their reading, count and commands.
  ScoredListRoom& scoredLists() { return *m_scoredLists; }
  // The recovery copies of unsaved work and the offer of those a crash left.
  RecoveryKeeper& recovery() { return *m_recovery; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // What handlers ask of the window.
  QList<QWidget*> viewControls(const QString& group) const override;
  void FileOperationDone() override;
  QWidget& window() override { return *this; }
  QWidget& background() override { return *centralWidget(); }

  void BuildStores(const Options& options);
  void BuildRooms();
  void BuildHandlers();
  void BuildTables();
  void OnStatus(StatusBar bar, int panel, const std::string& text);
  void RefreshFor(PuzzleDocument::Change change);
  void RefreshTable();
  void RefreshClues();
  void RefreshSearchButton();

  ProgramPaths m_paths;
  QString m_programDir;
  bool m_pathSet = false;
  // The stores.
  std::unique_ptr<GuiHost> m_guiHost;
  std::unique_ptr<WindowHost> m_host;
  // The caret and the chosen views: the window's, outside undo; the document reads and
  // moves them through view().
  ViewState m_view;
  std::unique_ptr<PuzzleDocument> m_doc;
  std::unique_ptr<FileSession> m_session;
  std::unique_ptr<WordSources> m_sources;
  std::unique_ptr<WindowLoader> m_loader;
  std::unique_ptr<SettingsStore> m_settings;
  FontSet m_fonts;
  // Every part as the wiring tables see it; the rooms are widgets the window's central
  // widget owns.
  WindowParts m_parts;

  // The handler classes, each built after the parts it is given.
  std::unique_ptr<EditorSync> m_sync;
  std::unique_ptr<ViewCommands> m_viewCommands;
  std::unique_ptr<LookUpCommands> m_lookups;
  // After the document and lists it works on, so that its workers end first.
  std::unique_ptr<SearchController> m_search;
  std::unique_ptr<ListCommands> m_listCommands;
  std::unique_ptr<AnswerCommands> m_answers;
  std::unique_ptr<PuzzleCommands> m_puzzleCommands;
  std::unique_ptr<WindowCommands> m_commands;
  std::unique_ptr<RarityColouring> m_rarity;
  std::unique_ptr<PrintRoom> m_print;
  std::unique_ptr<DistributionBar> m_distribution;
  // The tables.
  std::unique_ptr<ActionTable> m_actions;
  std::unique_ptr<ViewTable> m_views;
  std::unique_ptr<RecentPuzzlesMenu> m_recent;
  std::unique_ptr<ScoredListRoom> m_scoredLists;
  std::unique_ptr<WindowSettings> m_windowSettings;
  std::unique_ptr<DialogCommands> m_dialogs;
  std::unique_ptr<EditHistory> m_editHistory;
  std::unique_ptr<ClueDeskRoom> m_clueRoom;
  std::unique_ptr<RecoveryKeeper> m_recovery;
  // Last, so that it goes first: no event reaches the handlers while the window goes.
  std::unique_ptr<WindowEventFilter> m_events;
};

}  // namespace quotella
