#include "app/dialogs/problemsearchdialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace quotella {

ProblemSearchDialog::ProblemSearchDialog(const ProblemSearchParams& params, QWidget* parent)
    : QDialog(parent) {
  setObjectName(QStringLiteral("ProblemSearchDialog"));
  setWindowTitle(QStringLiteral("Find words with most Problem Chars"));
  m_minimum = new QSpinBox(this);
  m_minimum->setObjectName(QStringLiteral("MinimumProblems"));
  m_minimum->setRange(0, 52);
  m_minimum->setValue(params.minProblems);
  m_words = new QSpinBox(this);
  m_words->setObjectName(QStringLiteral("NumberOfWords"));
  m_words->setRange(1, 100000);
  m_words->setValue(params.wordsPerLetter);

  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Minimum Problems to look for"), m_minimum);
  form->addRow(QStringLiteral("Number of Words to get"), m_words);

  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  cancel->setObjectName(QStringLiteral("CancelButton"));
  m_search = new QPushButton(QStringLiteral("Search Now"), this);
  m_search->setObjectName(QStringLiteral("SearchNowButton"));
  m_search->setDefault(true);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(m_search, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(cancel);
  buttons->addWidget(m_search);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addLayout(buttons);
}

ProblemSearchParams ProblemSearchDialog::params() const {
  return {m_minimum->value(), m_words->value()};
}

}  // namespace quotella
