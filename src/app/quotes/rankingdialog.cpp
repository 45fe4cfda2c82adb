#include "app/quotes/rankingdialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "render/qtext.h"

namespace quotella {

namespace {

// Where a row keeps the index of its rank, so that sorting keeps the row's rank.
constexpr int kRankIndexRole = Qt::UserRole + 1;

enum Column { kScore, kVerdict, kLetters, kAnswers, kMeanLength, kFamiliar, kQuotation, kColumns };

// Where a number cell keeps its value.
constexpr int kValueRole = Qt::UserRole + 2;

// A cell that sorts by its number, not by its text.
class NumberCell : public QTableWidgetItem {
 public:
  NumberCell(double value, int decimals) : QTableWidgetItem(QString::number(value, 'f', decimals)) {
    setData(kValueRole, value);
    setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  }
  bool operator<(const QTableWidgetItem& other) const override {
    return data(kValueRole).toDouble() < other.data(kValueRole).toDouble();
  }
};

QString VerdictText(const QuoteRank& rank) {
  if (rank.verdict != RankVerdict::Possible) return ToQString(VerdictName(rank.verdict));
  return ToQString(FillName(rank.fill));
}

}  // namespace

RankingDialog::RankingDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("QuoteRankingDialog"));
  setWindowTitle(QStringLiteral("Ranked Quotes"));
  m_summary = new QLabel(this);
  m_summary->setObjectName(QStringLiteral("QuoteRankingSummary"));
  m_table = new QTableWidget(0, kColumns, this);
  m_table->setObjectName(QStringLiteral("QuoteRankingTable"));
  m_table->setHorizontalHeaderLabels({QStringLiteral("Score"), QStringLiteral("Verdict"),
                                      QStringLiteral("Letters"), QStringLiteral("Answers"),
                                      QStringLiteral("Mean Length"), QStringLiteral("Familiar %"),
                                      QStringLiteral("Quotation")});
  m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
  m_table->setSelectionMode(QAbstractItemView::SingleSelection);
  m_table->horizontalHeader()->setStretchLastSection(true);
  m_table->verticalHeader()->hide();
  m_table->setWordWrap(false);  // one line a quotation, elided
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  QPushButton* save =
      buttons->addButton(QStringLiteral("Save Ranking\u2026"), QDialogButtonBox::ActionRole);
  save->setObjectName(QStringLiteral("SaveRankingButton"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_summary);
  layout->addWidget(m_table);
  layout->addWidget(buttons);
  resize(760, 420);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
  connect(save, &QPushButton::clicked, this, &RankingDialog::saveRequested);
  connect(m_table, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
    const QTableWidgetItem* item = m_table->item(row, kScore);
    if (!item) return;
    const int index = item->data(kRankIndexRole).toInt();
    if (index >= 0 && index < static_cast<int>(m_ranks.size())) emit lineChosen(m_ranks[index]);
  });
}

void RankingDialog::Show(const std::vector<QuoteRank>& ranks, const QString& summary) {
  m_ranks = ranks;
  m_summary->setText(summary);
  m_table->setSortingEnabled(false);
  m_table->clearContents();
  m_table->setRowCount(static_cast<int>(ranks.size()));
  for (int row = 0; row < static_cast<int>(ranks.size()); ++row) AddRow(row, ranks[row]);
  m_table->resizeColumnsToContents();
  m_table->setSortingEnabled(true);
  // Best first: the ranking's own order, which the score column keeps when sorted down.
  m_table->horizontalHeader()->setSortIndicator(kScore, Qt::DescendingOrder);
  m_table->sortItems(kScore, Qt::DescendingOrder);
  show();
  raise();
}

void RankingDialog::AddRow(int row, const QuoteRank& rank) {
  auto* score = new NumberCell(rank.score, 1);
  score->setData(kRankIndexRole, row);
  m_table->setItem(row, kScore, score);
  auto* verdict = new QTableWidgetItem(VerdictText(rank));
  if (!rank.reason.empty()) verdict->setToolTip(ToQString(rank.reason));
  m_table->setItem(row, kVerdict, verdict);
  m_table->setItem(row, kLetters, new NumberCell(rank.letters, 0));
  m_table->setItem(row, kAnswers, new NumberCell(rank.answers, 0));
  m_table->setItem(row, kMeanLength, new NumberCell(rank.meanLength, 1));
  m_table->setItem(row, kFamiliar, new NumberCell(rank.familiarShare * 100, 0));
  m_table->setItem(row, kQuotation, new QTableWidgetItem(ToQString(rank.text)));
}

std::vector<std::string> RankingDialog::ShownLines() const {
  std::vector<std::string> lines;
  for (int row = 0; row < m_table->rowCount(); ++row) {
    const int index = m_table->item(row, kScore)->data(kRankIndexRole).toInt();
    lines.push_back(m_ranks[index].text);
  }
  return lines;
}

}  // namespace quotella
