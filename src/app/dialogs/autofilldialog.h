#pragma once

#include <QDialog>
#include <cstdint>
#include <functional>
#include <vector>

#include "settings/settings.h"

class QComboBox;
class QLabel;
class QSpinBox;
class QTableView;

namespace quotella {

class PuzzleDocument;

// What one autofill run is asked to do.
struct AutofillRequest {
  int maxRarity = kDefaultAutofillRarity;  // rarest SCOWL size proposed: 50, 60 or 70
  int seconds = kDefaultAutofillSeconds;   // time limit
  std::vector<int> rows;                   // table rows to fill; empty: every empty row
  std::uint64_t seed = 1;                  // the local search's seed
};

// The Autofill dialog: how familiar the words must be and how long to search, with the
// rows the fill will cover. Modal: the window waits until Fill, Cancel or Esc. "Fill" hands the
// request on; the choices are kept for the next run (the window remembers them in the settings
// file).
class AutofillDialog : public QDialog {
  Q_OBJECT
 public:
  explicit AutofillDialog(QWidget* parent = nullptr);

  // Shows the dialog for these choices; rowsText names the rows ("All empty rows", ...).
  void Open(const AutofillRequest& request, const QString& rowsText,
            std::function<void(const AutofillRequest&)> fill);

  // The familiarity choices as the list shows them, with their SCOWL sizes.
  static const std::vector<std::pair<QString, int>>& Familiarities();
  // The rows picked whole in the answer table, or the rows of a selection that spans two
  // rows or more (a fill of those rows only); otherwise none (a fill of every empty row).
  static std::vector<int> SelectedRows(const QTableView* answers);
  // "All empty rows" or "A, C, F".
  static QString RowsText(const PuzzleDocument& doc, const std::vector<int>& rows);

 private:
  void Fill();

  QComboBox* m_familiarity;
  QSpinBox* m_seconds;
  QLabel* m_rows;
  AutofillRequest m_request;
  std::function<void(const AutofillRequest&)> m_fill;
};

}  // namespace quotella
