#pragma once

#include <QObject>
#include <QPalette>

class QString;
class QWidget;

namespace quotella {

class BrowseDialog;
class GeneralSettingsDialog;
class HotkeysDialog;
class MainWindow;
class ManualEntryDialog;

// The commands that open the window's own dialogs (General Settings, the puzzle browser,
// the hotkeys, the copyright notice, manual entry) and the colour and font choosers of
// the context menus. Each dialog is made on first use and kept.
class DialogCommands : public QObject {
  Q_OBJECT
 public:
  explicit DialogCommands(MainWindow& window);

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

  MainWindow& w;
  GeneralSettingsDialog* m_generalSettings = nullptr;
  BrowseDialog* m_browser = nullptr;
  HotkeysDialog* m_hotkeys = nullptr;
  ManualEntryDialog* m_manualEntry = nullptr;
};

}  // namespace quotella
