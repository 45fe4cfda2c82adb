#include "app/clues/cluedeskpane.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "render/qtext.h"

namespace quotella {

namespace {

QLabel* WrappingLabel(const QString& name, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setWordWrap(true);
  label->setTextInteractionFlags(Qt::TextBrowserInteraction);
  return label;
}

QString Link(const QString& word) {
  return QStringLiteral("<a href=\"%1\">%2</a>").arg(word.toHtmlEscaped(), word.toHtmlEscaped());
}

// "✓ fine" or each finding after a cross (a note after a dot).
QString CheckText(const ClueCheck& check) {
  QStringList parts;
  for (const ClueFinding& f : check.findings)
    parts << (f.needsLook ? QStringLiteral("✗ ") : QStringLiteral("· ")) + ToQString(f.text);
  if (parts.isEmpty()) return QStringLiteral("✓ no problems found");
  return parts.join(QStringLiteral("   "));
}

}  // namespace

ClueDeskPane::ClueDeskPane(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("ClueDesk"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  m_answer = WrappingLabel(QStringLiteral("ClueDeskAnswer"), this);
  layout->addWidget(m_answer);
  auto* writeRow = new QHBoxLayout;
  m_clueBox = new QLineEdit(this);
  m_clueBox->setObjectName(QStringLiteral("ClueDeskClue"));
  m_clueBox->setPlaceholderText(QStringLiteral("Clue"));
  m_write = new QPushButton(QStringLiteral("Write"), this);
  m_write->setObjectName(QStringLiteral("ClueDeskWrite"));
  writeRow->addWidget(m_clueBox, 1);
  writeRow->addWidget(m_write);
  layout->addLayout(writeRow);
  m_checks = WrappingLabel(QStringLiteral("ClueDeskChecks"), this);
  layout->addWidget(m_checks);
  m_lookedUp = WrappingLabel(QStringLiteral("ClueDeskLookedUp"), this);
  layout->addWidget(m_lookedUp);

  auto* scroll = new QScrollArea(this);
  scroll->setObjectName(QStringLiteral("ClueDeskSenses"));
  scroll->setWidgetResizable(true);
  m_senses = new QWidget(scroll);
  m_sensesLayout = new QVBoxLayout(m_senses);
  m_sensesLayout->addStretch(1);
  scroll->setWidget(m_senses);
  layout->addWidget(scroll, 1);

  connect(m_clueBox, &QLineEdit::returnPressed, this, &ClueDeskPane::writeRequested);
  connect(m_write, &QPushButton::clicked, this, &ClueDeskPane::writeRequested);
  connect(m_lookedUp, &QLabel::linkActivated, this, &ClueDeskPane::lookUpRequested);
}

void ClueDeskPane::showRow(const ClueCheck& check) {
  m_answer->setText(QStringLiteral("<b>%1. %2</b> %3")
                        .arg(ToQString(check.label), ToQString(check.answer).toHtmlEscaped(),
                             ToQString(check.enumeration)));
  const QString clue = ToQString(check.clue);
  if (check.row != m_shownRow || clue != m_shownClue) {
    m_clueBox->setText(clue);
    m_shownRow = check.row;
    m_shownClue = clue;
  }
  m_checks->setText(CheckText(check));
}

void ClueDeskPane::clearSenses() {
  m_draftButtons.clear();
  while (m_sensesLayout->count() > 1) {
    QLayoutItem* item = m_sensesLayout->takeAt(0);
    delete item->widget();
    delete item;
  }
}

QWidget* ClueDeskPane::senseWidget(int number, const Sense& sense) {
  auto* box = new QWidget(m_senses);
  box->setObjectName(QStringLiteral("ClueDeskSense%1").arg(number));
  auto* layout = new QVBoxLayout(box);
  layout->setContentsMargins(0, 2, 0, 6);
  QString text =
      QStringLiteral("<b>%1.</b> <i>%2</i> %3")
          .arg(number)
          .arg(QString::fromLatin1(PartName(sense.pos)), ToQString(sense.gloss).toHtmlEscaped());
  for (const std::string& e : sense.examples)
    text += QStringLiteral("<br>&nbsp;&nbsp;“%1”").arg(ToQString(e).toHtmlEscaped());
  if (!sense.synonyms.empty()) {
    QStringList links;
    for (const std::string& s : sense.synonyms) links << Link(ToQString(s));
    text += QStringLiteral("<br>Synonyms: ") + links.join(QStringLiteral(", "));
  }
  QLabel* label = WrappingLabel(QStringLiteral("ClueDeskGloss"), box);
  label->setText(text);
  connect(label, &QLabel::linkActivated, this, &ClueDeskPane::lookUpRequested);
  layout->addWidget(label);
  auto* draft = new QPushButton(QStringLiteral("Use as clue draft"), box);
  draft->setObjectName(QStringLiteral("ClueDeskDraft"));
  const QString gloss = ToQString(ClueDraft(sense.gloss));
  connect(draft, &QPushButton::clicked, this, [this, gloss] {
    m_clueBox->setText(gloss);
    m_clueBox->setFocus();
  });
  m_draftButtons << draft;
  layout->addWidget(draft, 0, Qt::AlignLeft);
  return box;
}

void ClueDeskPane::showSenses(const QString& word, const QString& answer,
                              const Definition& definition) {
  clearSenses();
  QString head = QStringLiteral("Senses of <b>%1</b>").arg(word.toHtmlEscaped());
  if (!definition.baseForms.empty() && ToQString(definition.baseForms.front()) != word.toLower())
    head += QStringLiteral(" (%1)").arg(ToQString(definition.baseForms.front()).toHtmlEscaped());
  if (word.compare(answer, Qt::CaseInsensitive) != 0 && !answer.isEmpty())
    head += QStringLiteral(" · back to ") + Link(answer);
  if (!definition.problem.empty())
    head = ToQString(definition.problem).toHtmlEscaped();
  else if (definition.senses.empty() && !word.isEmpty())
    head += QStringLiteral(": WordNet has no entry for it");
  m_lookedUp->setText(head);
  int n = 0;
  for (const Sense& sense : definition.senses)
    m_sensesLayout->insertWidget(m_sensesLayout->count() - 1, senseWidget(++n, sense));
}

}  // namespace quotella
