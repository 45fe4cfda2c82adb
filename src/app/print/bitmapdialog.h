#pragma once

#include <QDialog>
#include <functional>
#include <optional>

#include "render/bitmapmaker.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace quotella {

// "Make Puzzle Grid Bitmap": the grid drawn as a picture with the cell size, line width,
// colours, fonts and options of its controls. Every change of a control draws again; the
// picture is mirrored into the main window's side picture through the maker's onDrawn.
class BitmapDialog : public QDialog {
  Q_OBJECT
 public:
  // chooseColour and chooseFont run the colour and font dialogs (tests script them);
  // blockColour is shared with the screen grid and the printed page.
  struct Choosers {
    std::function<std::optional<QColor>(QColor current, const QString& title)> colour;
    std::function<std::optional<QFont>(const QFont& current, const QString& title)> font;
  };
  BitmapDialog(PuzzleDocument& doc, Choosers choosers, QWidget* parent = nullptr);

  BitmapMaker& maker() { return m_maker; }
  // Takes the puzzle grid's counts and the shared block colour, then draws.
  void Redraw();
  // The window's fields follow the parameters after a command changed them.
  void SyncControls();
  // How many pictures have been drawn; a control change adds one.
  int drawCount() const { return m_drawCount; }
  QColor blockColour() const { return m_maker.style.block; }
  void setBlockColour(QColor colour) { m_maker.style.block = colour; }
  // "Save": the save dialog with "Bitmap1.bmp"; the picture as BMP, or PNG for a name
  // ending in ".png".
  void Save();

 signals:
  void blockColourChanged(QColor colour);
  // A new picture was drawn.
  void drawn();

 private:
  void ControlsChanged();

  PuzzleDocument& m_doc;
  Choosers m_choosers;
  BitmapMaker m_maker;
  int m_drawCount = 0;
  bool m_syncing = false;
  QLabel* m_cols = nullptr;
  QLabel* m_rows = nullptr;
  QSpinBox* m_cellSize = nullptr;
  QLineEdit* m_lineWidth = nullptr;
  QCheckBox* m_labels = nullptr;
  QCheckBox* m_key = nullptr;
  QSpinBox* m_keyVertical = nullptr;
  QSpinBox* m_indents = nullptr;
  QLabel* m_picture = nullptr;
};

}  // namespace quotella
