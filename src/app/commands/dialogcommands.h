#pragma once

#include <QObject>
#include <QPalette>

class QString;
class QWidget;

namespace quotella {

class BrowseDialog;
class GeneralSettingsDialog;
class HotkeysDialog;
class AnswerPane;
class EditorSync;
class FileSession;
class GridViewPane;
class Host;
class PrintRoom;
class PuzzleCommands;
class PuzzleDocument;
class QuotePane;
class SearchController;
class SettingsStore;
class ViewCommands;
class WindowCommands;
class WindowRequests;
class WindowSettings;
class WordListPane;
class ManualEntryDialog;

// The commands that open the window's own dialogs (General Settings, the puzzle browser,
// the hotkeys, the copyright notice, manual entry) and the colour and font choosers of
// the context menus. Each dialog is made on first use and kept.
class DialogCommands : public QObject {
  Q_OBJECT
 public:
  DialogCommands(PuzzleDocument& doc, FileSession& session, SettingsStore& settings, Host& host,
                 AnswerPane& answer, WordListPane& lists, QuotePane& quote, GridViewPane& gridView,
                 EditorSync& sync, ViewCommands& viewCommands, PuzzleCommands& puzzleCommands,
                 WindowCommands& commands, PrintRoom& print, SearchController& search,
                 WindowSettings& windowSettings, WindowRequests& requests);

  void GeneralSettings1Click();
  void PuzzlebyBrowsing1Click();
  void PuzzleHotkeys1Click();
  void CopyrightButtonClick();
  void ManualEntry1Click();
  void ChooseColour(QWidget* widget, QPalette::ColorRole role, const QString& title);
  void ChooseFont(QWidget* widget);

  GeneralSettingsDialog* generalSettings() const { return m_generalSettings; }
  BrowseDialog* browser() const { return m_browser; }
  HotkeysDialog* hotkeys() const { return m_hotkeys; }
  ManualEntryDialog* manualEntry() const { return m_manualEntry; }

 private:
  GeneralSettingsDialog* MakeGeneralSettings();
  void ColourRequested(int colour);

  PuzzleDocument& m_doc;
  FileSession& m_session;
  SettingsStore& m_settings;
  Host& m_host;
  AnswerPane& m_answer;
  WordListPane& m_lists;
  QuotePane& m_quote;
  GridViewPane& m_gridView;
  EditorSync& m_sync;
  ViewCommands& m_viewCommands;
  PuzzleCommands& m_puzzleCommands;
  WindowCommands& m_commands;
  PrintRoom& m_print;
  SearchController& m_search;
  WindowSettings& m_windowSettings;
  WindowRequests& m_requests;
  GeneralSettingsDialog* m_generalSettings = nullptr;
  BrowseDialog* m_browser = nullptr;
  HotkeysDialog* m_hotkeys = nullptr;
  ManualEntryDialog* m_manualEntry = nullptr;
};

}  // namespace quotella
