#pragma once

#include <QDialog>
#include <functional>
#include <vector>

#include "quotes/quoterank.h"

class QLabel;
class QTableWidget;

namespace quotella {

// The quotes file's lines ranked by how good a puzzle each makes, best first. The columns
// sort on a click of their heading; a double click on a row makes that line's puzzle and
// Save Ranking writes the lines, in the order shown, as a quotes file.
class RankingDialog : public QDialog {
  Q_OBJECT
 public:
  explicit RankingDialog(QWidget* parent);

  // `summary` says how many lines were ranked (and whether a stop cut the ranking short).
  void Show(const std::vector<QuoteRank>& ranks, const QString& summary);
  // The lines' texts in the order the table shows them.
  std::vector<std::string> ShownLines() const;
  QTableWidget* table() const { return m_table; }

 signals:
  // A row was double clicked: the ranked line, its 1-based line number in the quotes file.
  void lineChosen(const QuoteRank& rank);
  void saveRequested();

 private:
  void AddRow(int row, const QuoteRank& rank);

  QTableWidget* m_table = nullptr;
  QLabel* m_summary = nullptr;
  std::vector<QuoteRank> m_ranks;
};

}  // namespace quotella
