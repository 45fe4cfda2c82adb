#pragma once

#include <QDialog>
#include <functional>

#include "core/manualentry.h"

class QLineEdit;
class QPlainTextEdit;

namespace quotella {

// The manual-entry window: a view of the ManualEntry fields with its four buttons.
class ManualEntryDialog : public QDialog {
  Q_OBJECT
 public:
  ManualEntryDialog(PuzzleDocument& doc, LineStore& quotesEditor, QWidget* parent = nullptr);

  ManualEntry& entry() { return m_entry; }
  // Fills the fields from the current puzzle and shows the window.
  void OpenFor();
  void MakePuzzleButtonClick();
  void AddQuoteButtonClick();
  void ClearButtonClick();

  // Run after a puzzle was made, and after a quotation line was added.
  std::function<void()> onPuzzleMade;
  std::function<void()> onQuoteAdded;

 private:
  void Pull();
  void Push();
  void FollowVisibility();

  PuzzleDocument& m_doc;
  LineStore& m_quotesEditor;
  ManualEntry m_entry;
  QPlainTextEdit* m_quote = nullptr;
  QLineEdit* m_author = nullptr;
  QLineEdit* m_work = nullptr;
};

}  // namespace quotella
