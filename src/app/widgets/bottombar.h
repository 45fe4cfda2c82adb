#pragma once

#include <QWidget>
#include <array>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace quotella {

class PuzzleDocument;

// The bottom bar: the view buttons "Puzzle", "Grid", "Quotes", "Output", the search
// conditions ("Must Have", "Min", "Max" and their "On" box), "Scan", the list buttons
// "1" to "4", "Clues" and "Candidates". The conditions edit the document's scan
// conditions directly.
class BottomBar : public QWidget {
  Q_OBJECT
 public:
  BottomBar(PuzzleDocument& doc, QWidget* parent = nullptr);

  // 0 Puzzle, 1 Grid, 2 Quotes, 3 Output.
  QPushButton* viewButton(int view) const { return m_viewButtons[static_cast<std::size_t>(view)]; }
  // List button n, 1 to 4.
  QPushButton* listButton(int n) const { return m_listButtons[static_cast<std::size_t>(n - 1)]; }
  QLineEdit* conditions() const { return m_conditions; }
  QSpinBox* minLength() const { return m_minLength; }
  QSpinBox* maxLength() const { return m_maxLength; }
  QCheckBox* conditionsBox() const { return m_conditionsBox; }
  QPushButton* scanButton() const { return m_scanButton; }
  QPushButton* cluesButton() const { return m_cluesButton; }
  QPushButton* candidatesButton() const { return m_candidatesButton; }
  // The search controls, shown and hidden together (the Grid view hides them).
  QList<QWidget*> searchControls() const;
  QList<QWidget*> viewButtons() const;

  // Shows the document's conditions.
  void refresh();

 signals:
  void viewClicked(int view);
  void listClicked(int n);
  void cluesClicked();
  void candidatesClicked();
  void scanClicked();
  // The conditions were switched on or off by the user.
  void conditionsToggled();
  // The user changed "Min" (max false) or "Max" (max true) in the scan conditions.
  void lengthChanged(bool max);
  // "Min" or "Max" was committed: Enter, or the focus left it.
  void lengthCommitted();
  // Enter in "Must Have": the conditions are on, and a scan is wanted.
  void conditionsEntered();
  // The answer table should take the focus back.
  void focusTable();
  void mustHaveChanged();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void SetConditionsOn(bool on);

  PuzzleDocument& m_doc;
  std::array<QPushButton*, 4> m_viewButtons{};
  std::array<QPushButton*, 4> m_listButtons{};
  QLineEdit* m_conditions = nullptr;
  QSpinBox* m_minLength = nullptr;
  QSpinBox* m_maxLength = nullptr;
  QCheckBox* m_conditionsBox = nullptr;
  QPushButton* m_scanButton = nullptr;
  QPushButton* m_cluesButton = nullptr;
  QPushButton* m_candidatesButton = nullptr;
};

}  // namespace quotella
