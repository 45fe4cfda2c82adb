#pragma once

#include <QWidget>

#include "core/host.h"

class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace quotella {

class PanelBar;

// The status area right of the quote window and the status bar at the bottom edge: the
// pool status bars (or the print status bars in the Grid view), the list label with the
// add-item field, the search and candidate bars, the "Heuristic Search" button, and the
// main status bar with the autofill progress.
class StatusPane : public QWidget {
  Q_OBJECT
 public:
  explicit StatusPane(QWidget* parent = nullptr);

  // The bar a status text of the document goes to.
  PanelBar* bar(StatusBar which) const;
  PanelBar* charStatus1() const { return m_charStatus1; }
  PanelBar* charStatus2() const { return m_charStatus2; }
  PanelBar* printStatus1() const { return m_printStatus1; }
  PanelBar* printStatus2() const { return m_printStatus2; }
  PanelBar* searchStatus() const { return m_searchStatus; }
  PanelBar* candidateStatus() const { return m_candidateStatus; }
  // The main status bar; the window puts it into its status bar.
  PanelBar* statusBar1() const { return m_statusBar1; }
  // The autofill progress, beside the main status bar.
  QProgressBar* progress() const { return m_progress; }
  QLabel* listLabel() const { return m_listLabel; }
  QLabel* wordListFileLabel() const { return m_wordListFileLabel; }
  // Names the scanned list (or lists) above the candidates: a long name is shortened in the
  // middle to the label's room, whole in its tooltip, so that the bars beside it keep theirs.
  void showScannedListName(const QString& name, bool visible);
  QLineEdit* addItemField() const { return m_addItemField; }
  QPushButton* heuristicButton() const { return m_heuristicButton; }

 protected:
  // The scanned list's name is shortened anew whenever its label is resized.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void elideListName();

  QString m_listName;
  PanelBar* m_charStatus1 = nullptr;
  PanelBar* m_charStatus2 = nullptr;
  PanelBar* m_printStatus1 = nullptr;
  PanelBar* m_printStatus2 = nullptr;
  PanelBar* m_searchStatus = nullptr;
  PanelBar* m_candidateStatus = nullptr;
  PanelBar* m_statusBar1 = nullptr;
  QProgressBar* m_progress = nullptr;
  QLabel* m_listLabel = nullptr;
  QLabel* m_wordListFileLabel = nullptr;
  QLineEdit* m_addItemField = nullptr;
  QPushButton* m_heuristicButton = nullptr;
};

}  // namespace quotella
