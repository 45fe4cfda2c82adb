#pragma once

#include <QStringList>

#include "app/window/mainwindow.h"

namespace quotella {

// Start-up and the settings file as the window sees them: finds the program directory,
// reads the settings, prepares the document and chooses the first puzzle; applies the
// settings to the rooms (colours, fonts, files) whenever they are read again; and puts
// the rooms' state back into the settings when the window closes.
class WindowSettings {
 public:
  explicit WindowSettings(MainWindow& window);

  void StartUp(const MainWindow::Options& options);
  void Apply();
  // "Load Ini File" (and a double click on the list label): reads the settings file again
  // and applies it.
  void LoadIniFile1Click();
  // Colours, fonts, files and the recent puzzles into the settings, which are saved.
  void StoreAtClose();

 private:
  void ChooseStartupPuzzle(const QStringList& arguments);

  MainWindow& w;
};

}  // namespace quotella
