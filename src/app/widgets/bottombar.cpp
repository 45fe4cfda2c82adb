#include "app/widgets/bottombar.h"

#include <QCheckBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QValidator>

#include "app/widgets/controls.h"
#include "core/document.h"
#include "render/qtext.h"

namespace quotella {

namespace {

class UpperCaseValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    input = input.toUpper();
    return Acceptable;
  }
};

}  // namespace

BottomBar::BottomBar(PuzzleDocument& doc, QWidget* parent) : QWidget(parent), m_doc(doc) {
  setObjectName(QStringLiteral("BottomBar"));
  const QString views[4][2] = {{QStringLiteral("PuzzleButton"), QStringLiteral("Puzzle")},
                               {QStringLiteral("GridButton"), QStringLiteral("Grid")},
                               {QStringLiteral("QuotesButton"), QStringLiteral("Quotes")},
                               {QStringLiteral("OutputButton"), QStringLiteral("Output")}};
  for (int i = 0; i < 4; ++i) {
    auto* b = MakeButton(views[i][0], views[i][1], this);
    b->setFixedWidth(48);
    connect(b, &QPushButton::clicked, this, [this, i] { emit viewClicked(i); });
    m_viewButtons[static_cast<std::size_t>(i)] = b;
  }

  m_conditions = new QLineEdit(this);
  m_conditions->setObjectName(QStringLiteral("Conditions"));
  m_conditions->setPlaceholderText(QStringLiteral("Must Have"));
  m_conditions->setToolTip(QStringLiteral("Must Have"));
  m_conditions->setFixedWidth(80);
  connect(m_conditions, &QLineEdit::textChanged, this, [this](const QString& text) {
    m_doc.Conditions.mustHave = ToUtf8(text);
    emit mustHaveChanged();
  });
  // Letters are upper case as they are typed.
  m_conditions->setValidator(new UpperCaseValidator(m_conditions));
  connect(m_conditions, &QLineEdit::returnPressed, this, [this] {
    SetConditionsOn(true);
    emit conditionsEntered();
  });
  m_conditions->installEventFilter(this);
  m_minLength = new QSpinBox(this);
  m_minLength->setObjectName(QStringLiteral("MinLength"));
  m_minLength->setRange(0, 52);
  m_minLength->setPrefix(QStringLiteral("Min "));
  m_minLength->setFixedWidth(64);
  connect(m_minLength, &QSpinBox::valueChanged, this, [this](int v) {
    m_doc.Conditions.minLength = v;
    emit lengthChanged(false);
  });
  m_maxLength = new QSpinBox(this);
  m_maxLength->setObjectName(QStringLiteral("MaxLength"));
  m_maxLength->setRange(0, 52);
  m_maxLength->setPrefix(QStringLiteral("Max "));
  m_maxLength->setFixedWidth(66);
  connect(m_maxLength, &QSpinBox::valueChanged, this, [this](int v) {
    m_doc.Conditions.maxLength = v;
    emit lengthChanged(true);
  });
  m_conditionsBox = new QCheckBox(QStringLiteral("Off"), this);
  m_conditionsBox->setObjectName(QStringLiteral("ConditionsCheckbox"));
  connect(m_conditionsBox, &QCheckBox::clicked, this, [this](bool on) {
    SetConditionsOn(on);
    emit conditionsToggled();
  });
  // A double click on Min or Max sets it to 0.
  for (QSpinBox* box : {m_minLength, m_maxLength}) {
    if (auto* edit = box->findChild<QLineEdit*>()) edit->installEventFilter(this);
    connect(box, &QSpinBox::editingFinished, this, &BottomBar::lengthCommitted);
  }
  m_scanButton = MakeButton(QStringLiteral("ScanButton"), QStringLiteral("Scan"), this);
  m_scanButton->setFixedWidth(40);
  connect(m_scanButton, &QPushButton::clicked, this, [this] { emit scanClicked(); });
  for (int i = 0; i < 4; ++i) {
    auto* b = MakeButton(QStringLiteral("List%1Button").arg(i + 1), QString::number(i + 1), this);
    b->setFixedWidth(24);
    connect(b, &QPushButton::clicked, this, [this, i] { emit listClicked(i + 1); });
    m_listButtons[static_cast<std::size_t>(i)] = b;
  }
  m_cluesButton = MakeButton(QStringLiteral("CluesButton"), QStringLiteral("Clues"), this);
  m_cluesButton->setFixedWidth(44);
  connect(m_cluesButton, &QPushButton::clicked, this, [this] { emit cluesClicked(); });
  m_candidatesButton =
      MakeButton(QStringLiteral("CandidatesButton"), QStringLiteral("Candidates"), this);
  m_candidatesButton->setFixedWidth(72);
  connect(m_candidatesButton, &QPushButton::clicked, this, [this] { emit candidatesClicked(); });

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(3);
  for (auto* b : m_viewButtons) layout->addWidget(b);
  for (QWidget* w : std::initializer_list<QWidget*>{m_conditions, m_minLength, m_maxLength,
                                                    m_conditionsBox, m_scanButton})
    layout->addWidget(w);
  for (auto* b : m_listButtons) layout->addWidget(b);
  layout->addWidget(m_cluesButton);
  layout->addWidget(m_candidatesButton);
  layout->addStretch(1);
}

void BottomBar::SetConditionsOn(bool on) {
  m_doc.Conditions.on = on;
  m_conditionsBox->setChecked(on);
  m_conditionsBox->setText(on ? QStringLiteral("On") : QStringLiteral("Off"));
}

bool BottomBar::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::MouseButtonDblClick) return QWidget::eventFilter(watched, event);
  if (watched == m_conditions) {
    m_conditions->clear();
    return true;
  }
  for (QSpinBox* box : {m_minLength, m_maxLength})
    if (watched == box->findChild<QLineEdit*>()) {
      box->setValue(0);
      emit focusTable();
      return true;
    }
  return QWidget::eventFilter(watched, event);
}

QList<QWidget*> BottomBar::searchControls() const {
  QList<QWidget*> list{m_conditions, m_minLength, m_maxLength, m_conditionsBox, m_scanButton};
  for (auto* b : m_listButtons) list << b;
  list << m_cluesButton << m_candidatesButton;
  return list;
}

QList<QWidget*> BottomBar::viewButtons() const {
  return {m_viewButtons.begin(), m_viewButtons.end()};
}

void BottomBar::refresh() {
  if (m_conditionsBox->isChecked() != m_doc.Conditions.on) {
    m_conditionsBox->setChecked(m_doc.Conditions.on);
    m_conditionsBox->setText(m_doc.Conditions.on ? QStringLiteral("On") : QStringLiteral("Off"));
  }
  if (m_conditions->text() != ToQString(m_doc.Conditions.mustHave))
    m_conditions->setText(ToQString(m_doc.Conditions.mustHave));
  // What undo put back is shown, not taken as the user's change.
  const QSignalBlocker blockMin(m_minLength);
  const QSignalBlocker blockMax(m_maxLength);
  if (m_minLength->value() != m_doc.Conditions.minLength)
    m_minLength->setValue(m_doc.Conditions.minLength);
  if (m_maxLength->value() != m_doc.Conditions.maxLength)
    m_maxLength->setValue(m_doc.Conditions.maxLength);
}

}  // namespace quotella
