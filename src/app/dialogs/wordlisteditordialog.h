#pragma once

#include <QDialog>
#include <array>

#include "search/wordlisteditor.h"

class QLabel;
class QListWidget;
class QPushButton;
class QTextEdit;

namespace quotella {

class PanelBar;

// The window of the word-list editor: the three lists as tick lists, the letter file
// being weeded with its log, and the editor's buttons. It shows the editor's state and
// forwards every button to it; leaving ("OK", "Cancel" or closing the window) hands the
// pruned lists to the close handler given to the editor.
class WordListEditorDialog : public QDialog {
  Q_OBJECT
 public:
  WordListEditorDialog(WordListEditor& editor, Host& host, QWidget* parent = nullptr);
  // Shows the editor's state again.
  void refresh();
  QListWidget* list(int n) const { return m_lists[static_cast<std::size_t>(n - 1)]; }
  QPushButton* button(const QString& caption) const;

 signals:
  void lookupRequested(const QString& word);

 protected:
  void reject() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  WordListEditor& m_editor;
  Host& m_host;
  bool m_refreshing = false;
  std::array<QListWidget*, 3> m_lists{};
  std::array<QPushButton*, 3> m_listButtons{};
  QListWidget* m_workList = nullptr;
  QListWidget* m_log = nullptr;
  QTextEdit* m_help = nullptr;
  PanelBar* m_status = nullptr;
};

}  // namespace quotella
