#include "app/dialogs/autofilldialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>
#include <set>

#include "core/document.h"
#include "render/qtext.h"

namespace quotella {

const std::vector<std::pair<QString, int>>& AutofillDialog::Familiarities() {
  static const std::vector<std::pair<QString, int>> choices = {
      {QStringLiteral("Common words only"), 50},
      {QStringLiteral("Common and less common words"), 60},
      {QStringLiteral("Any dictionary word"), 70},
  };
  return choices;
}

std::vector<int> AutofillDialog::SelectedRows(const QTableView* answers) {
  if (!answers || !answers->selectionModel()) return {};
  const QItemSelectionModel* selection = answers->selectionModel();
  std::set<int> rows, whole;
  for (const QModelIndex& index : selection->selectedIndexes()) rows.insert(index.row());
  for (int row : rows)
    if (selection->isRowSelected(row)) whole.insert(row);
  if (!whole.empty()) return {whole.begin(), whole.end()};
  if (rows.size() < 2) return {};
  return {rows.begin(), rows.end()};
}

QString AutofillDialog::RowsText(const PuzzleDocument& doc, const std::vector<int>& rows) {
  if (rows.empty()) return QStringLiteral("All empty rows");
  QStringList labels;
  for (int row : rows) labels << ToQString(doc.Label(row));
  return labels.join(QStringLiteral(", "));
}

AutofillDialog::AutofillDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("AutofillDialog"));
  setWindowTitle(QStringLiteral("Autofill"));
  // The options are asked before a fill: the window waits for Fill, Cancel or Esc.
  setModal(true);
  m_familiarity = new QComboBox(this);
  m_familiarity->setObjectName(QStringLiteral("AutofillFamiliarity"));
  for (const auto& [caption, size] : Familiarities()) m_familiarity->addItem(caption, size);
  m_seconds = new QSpinBox(this);
  m_seconds->setObjectName(QStringLiteral("AutofillTimeLimit"));
  m_seconds->setRange(1, 600);
  m_seconds->setSuffix(QStringLiteral(" s"));
  m_rows = new QLabel(this);
  m_rows->setObjectName(QStringLiteral("AutofillRows"));
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Words:"), m_familiarity);
  form->addRow(QStringLiteral("Time limit:"), m_seconds);
  form->addRow(QStringLiteral("Rows:"), m_rows);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
  QPushButton* fill = buttons->addButton(QStringLiteral("Fill"), QDialogButtonBox::AcceptRole);
  fill->setObjectName(QStringLiteral("AutofillFill"));
  fill->setDefault(true);
  connect(buttons, &QDialogButtonBox::accepted, this, &AutofillDialog::Fill);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
}

void AutofillDialog::Open(const AutofillRequest& request, const QString& rowsText,
                          std::function<void(const AutofillRequest&)> fill) {
  m_request = request;
  m_fill = std::move(fill);
  const int index = m_familiarity->findData(request.maxRarity);
  m_familiarity->setCurrentIndex(index >= 0 ? index : m_familiarity->count() - 1);
  m_seconds->setValue(request.seconds);
  m_rows->setText(rowsText);
  show();
  raise();
  activateWindow();
}

void AutofillDialog::Fill() {
  m_request.maxRarity = m_familiarity->currentData().toInt();
  m_request.seconds = m_seconds->value();
  accept();
  if (m_fill) m_fill(m_request);
}

}  // namespace quotella
