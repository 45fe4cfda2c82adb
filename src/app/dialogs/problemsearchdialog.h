#pragma once

#include <QDialog>

#include "search/sorts.h"

class QPushButton;
class QSpinBox;

namespace quotella {

// "Find words with most Problem Chars": the two values of the problem-letter search,
// preset to the ones last used. Accepted by "Search Now", rejected by "Cancel".
class ProblemSearchDialog : public QDialog {
  Q_OBJECT
 public:
  explicit ProblemSearchDialog(const ProblemSearchParams& params, QWidget* parent = nullptr);
  ProblemSearchParams params() const;
  QSpinBox* minimumBox() const { return m_minimum; }
  QSpinBox* wordsBox() const { return m_words; }
  QPushButton* searchButton() const { return m_search; }

 private:
  QSpinBox* m_minimum = nullptr;
  QSpinBox* m_words = nullptr;
  QPushButton* m_search = nullptr;
};

}  // namespace quotella
