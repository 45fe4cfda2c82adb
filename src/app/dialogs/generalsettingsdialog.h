#pragma once

#include <QDialog>
#include <array>

#include "settings/settingsstore.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace quotella {

class ScoredListsGroup;

// "General Settings": the most used entries of the settings file in boxes. The window
// copies the store's form into the boxes when it shows the dialog and back before
// "Close" or "Save Ini" act on it. Not modal; it stays above the main window.
class GeneralSettingsDialog : public QDialog {
  Q_OBJECT
 public:
  // The buttons that open a colour dialog, in this order.
  enum Colour { Background, Quotes, Editor, Clues, QuoteWindow, PuzzleGrid, kColours };

  explicit GeneralSettingsDialog(QWidget* parent = nullptr);
  void load(const GeneralSettingsForm& form);
  void store(GeneralSettingsForm& form) const;
  // 0: the quotes box, 1-4: the word-list boxes.
  QLineEdit* fileBox(int index) const { return m_files[static_cast<std::size_t>(index)]; }
  QPushButton* closeButton() const { return m_close; }
  // The "Copyright Placement" boxes, read by the printed page; not stored.
  QCheckBox* copyrightUnderBylineBox() const { return m_underByline; }
  QCheckBox* copyrightOnLastPageBox() const { return m_lastPage; }
  QPushButton* saveButton() const { return m_save; }
  // The constructor's scored word lists and their choices.
  ScoredListsGroup* scoredLists() const { return m_scored; }

 signals:
  void closeRequested();
  void saveRequested();
  void browseFile(int index);
  void colourRequested(int colour);
  void answersFontRequested();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::array<QLineEdit*, 5> m_files{};
  QLineEdit* m_startup = nullptr;
  QLineEdit* m_dictDir = nullptr;
  QLineEdit* m_frequency = nullptr;
  QLineEdit* m_numProblems = nullptr;
  QLineEdit* m_copyright = nullptr;
  QCheckBox* m_loadLast = nullptr;
  QCheckBox* m_launch = nullptr;
  QCheckBox* m_underByline = nullptr;
  QCheckBox* m_lastPage = nullptr;
  QPushButton* m_close = nullptr;
  QPushButton* m_save = nullptr;
  ScoredListsGroup* m_scored = nullptr;
};

}  // namespace quotella
