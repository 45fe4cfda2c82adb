#pragma once

#include <QDialog>
#include <functional>
#include <optional>

#include "render/pagelayout.h"
#include "render/textmeasure.h"

class QFormLayout;
class QSpinBox;

namespace quotella {

class PrintCommands;

// "Additional Print Settings": the paper and its margins, grid line width and the two
// cell indents of the printed page, the eight fonts of the page's elements, and the
// printer setup. Not modal; its values last while the program runs.
class PrintSettingsDialog : public QDialog {
  Q_OBJECT
 public:
  using FontChooser =
      std::function<std::optional<QFont>(const QFont& current, const QString& title)>;
  PrintSettingsDialog(PrintCommands& commands, FontSet& fonts, FontChooser chooseFont,
                      QWidget* parent = nullptr);

 signals:
  void printerSetupRequested();
  // A font of the page changed: the screen grid and the clue preview draw again.
  void fontsChanged();

 private:
  void AddPageRows(QFormLayout* form);

  PrintCommands& m_commands;
  PrintOptions& m_options;
  FontSet& m_fonts;
  FontChooser m_chooseFont;
};

}  // namespace quotella
