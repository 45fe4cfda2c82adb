#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quotella {

class PrintCommands;

// The print controls that printing adds to the Grid view's print row (beside its
// orientation, stretch and squeeze buttons): "Print Now", the "Grid" / "Clues" / "Both"
// choice, "Print Key", "Print Help", "Cell Size" with its box, "Settings" and the
// copyright line. They edit the print commands' options as the user changes them; the
// states last while the program runs.
class GridPrintControls : public QWidget {
  Q_OBJECT
 public:
  GridPrintControls(PrintCommands& commands, QWidget* parent = nullptr);

  void setCopyrightText(const QString& text);
  QLineEdit* cellSizeBox() const { return m_cellSize; }

 signals:
  void printNowClicked();
  void settingsClicked();
  // A choice that changes what the page shows.
  void optionsChanged();

 private:
  void ReadControls();

  PrintCommands& m_commands;
  QRadioButton* m_grid = nullptr;
  QRadioButton* m_clues = nullptr;
  QRadioButton* m_both = nullptr;
  QCheckBox* m_key = nullptr;
  QCheckBox* m_help = nullptr;
  QCheckBox* m_fixedSize = nullptr;
  QLineEdit* m_cellSize = nullptr;
  QLabel* m_copyright = nullptr;
};

}  // namespace quotella
