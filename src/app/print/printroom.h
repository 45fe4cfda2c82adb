#pragma once

#include <QObject>

class QLabel;
class QScrollArea;

namespace quotella {

class BitmapDialog;
class GeneralSettingsDialog;
class CluePreviewWidget;
class GridPrintControls;
class PrintCommands;
class PrintSettingsDialog;
class ViewTable;
struct WindowParts;

// Everything the window prints and draws for publishing: the Grid view's print controls
// and clue preview, the print commands, "Additional Print Settings", the grid-bitmap
// window and the side picture of Bitmap View. Built into the Grid view and the list pane
// once the rooms exist; the action table's Print, Bitmap and side-picture commands call
// the handlers below.
class PrintRoom : public QObject {
  Q_OBJECT
 public:
  explicit PrintRoom(WindowParts& parts);
  // After the view table exists: the Bitmap view and the side picture's group.
  // (The window attaches the side picture's menu, "SideBitmapPopup", to sidePicture().)
  void ConnectViews(ViewTable& views);
  // The page follows General Settings' "Copyright Placement" boxes.
  void WatchCopyrightPlacement(GeneralSettingsDialog* dialog);

  PrintCommands& commands() { return *m_commands; }
  GridPrintControls* controls() const { return m_controls; }
  CluePreviewWidget* preview() const { return m_preview; }
  PrintSettingsDialog* settingsDialog() const { return m_settings; }
  BitmapDialog* bitmapDialog() const { return m_bitmap; }
  QLabel* sidePicture() const { return m_side; }

  // Print > "Formatted": the Grid view, the print workspace.
  void Formatted1Click();
  // Print > "As Text": the puzzle as text in the output editor, then printed.
  void AsText1Click();
  // Print > "To PDF...".
  void ToPdfClick();
  // Print > "Printer Setup".
  void PrinterSettingsClick();
  // Settings > "Print Settings" and the Grid view's "Settings".
  void PrintSettings1Click();
  // Tools > "Make Grid Bitmap" and Print > "To Bitmap": the bitmap window, drawn anew.
  void MakeGridBitmap1Click();
  // View > "Bitmap View": the picture fitted into the side area.
  void BitmapView1Click();
  // The side picture's menu: the bitmap commands, then the picture follows.
  void Wider1Click();
  void Narrower1Click();
  void IncreaseCellsize1Click();
  void DecreaseCellsize1Click();
  // The copyright label and the clue preview follow the puzzle and the notice.
  void RefreshPreview();

 private:
  void PrintNowClick();

  WindowParts& m_parts;
  PrintCommands* m_commands = nullptr;
  GridPrintControls* m_controls = nullptr;
  CluePreviewWidget* m_preview = nullptr;
  QScrollArea* m_previewArea = nullptr;
  PrintSettingsDialog* m_settings = nullptr;
  BitmapDialog* m_bitmap = nullptr;
  QLabel* m_side = nullptr;
  QScrollArea* m_sideArea = nullptr;
};

}  // namespace quotella
