#pragma once

class QMainWindow;
class QStackedWidget;

namespace quotella {

class ActionTable;
class AnswerCommands;
class AnswerPane;
class BottomBar;
class ClueDeskPane;
class ClueDeskRoom;
class DialogCommands;
class DistributionBar;
class EditHistory;
class EditorSync;
class FileSession;
class GridViewPane;
class Host;
class ListCommands;
class LookUpCommands;
class PoolPane;
class PrintRoom;
class PuzzleCommands;
class PuzzleDocument;
class QuotePane;
class RarityColouring;
class RecentPuzzlesMenu;
class ScoredListRoom;
class SearchController;
class SettingsStore;
class StatusPane;
class ViewCommands;
class WindowCommands;
class WindowRequests;
class WindowSettings;
class WordListPane;
class FontSet;
struct WordSources;

// The parts of the window as its wiring tables see them (the action table, the view
// table, the rooms' signals, the search controller's hooks): the stores, the rooms and
// the handler classes. The window fills it as it builds each part and owns every one of
// them; the tables only call through it when a command runs.
struct WindowParts {
  QMainWindow* window = nullptr;
  WindowRequests* requests = nullptr;

  // The stores.
  PuzzleDocument* doc = nullptr;
  FileSession* session = nullptr;
  WordSources* sources = nullptr;
  SettingsStore* settings = nullptr;
  Host* host = nullptr;
  FontSet* fonts = nullptr;

  // The rooms.
  QuotePane* quote = nullptr;
  StatusPane* status = nullptr;
  AnswerPane* answer = nullptr;
  WordListPane* lists = nullptr;
  PoolPane* pool = nullptr;
  GridViewPane* gridView = nullptr;
  BottomBar* bottom = nullptr;
  ClueDeskPane* clueDesk = nullptr;
  // The middle area: one page for the answer, list and pool panes, one for the Grid view.
  QStackedWidget* middle = nullptr;

  // The handler classes.
  EditorSync* sync = nullptr;
  ViewCommands* viewCommands = nullptr;
  LookUpCommands* lookups = nullptr;
  SearchController* search = nullptr;
  ListCommands* listCommands = nullptr;
  AnswerCommands* answers = nullptr;
  PuzzleCommands* puzzleCommands = nullptr;
  WindowCommands* commands = nullptr;
  RarityColouring* rarity = nullptr;
  PrintRoom* print = nullptr;
  DistributionBar* distribution = nullptr;
  RecentPuzzlesMenu* recent = nullptr;
  WindowSettings* windowSettings = nullptr;
  DialogCommands* dialogs = nullptr;
  EditHistory* editHistory = nullptr;
  ClueDeskRoom* clueRoom = nullptr;
  ScoredListRoom* scoredLists = nullptr;
  ActionTable* actions = nullptr;
};

}  // namespace quotella
