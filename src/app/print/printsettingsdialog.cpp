#include "app/print/printsettingsdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/print/printcommands.h"

namespace quotella {

namespace {

QSpinBox* Spin(const QString& name, int value, int low, QWidget* parent) {
  auto* s = new QSpinBox(parent);
  s->setObjectName(name);
  s->setRange(low, 50);
  s->setValue(value);
  return s;
}

QDoubleSpinBox* DecimalSpin(const QString& name, double value, double low, double high, double step,
                            QWidget* parent) {
  auto* s = new QDoubleSpinBox(parent);
  s->setObjectName(name);
  s->setRange(low, high);
  s->setSingleStep(step);
  s->setValue(value);
  return s;
}

}  // namespace

void PrintSettingsDialog::AddPageRows(QFormLayout* form) {
  auto* paper = new QComboBox(this);
  paper->setObjectName(QStringLiteral("PaperCombo"));
  paper->addItem(QStringLiteral("Letter"), static_cast<int>(Paper::Letter));
  paper->addItem(QStringLiteral("A4"), static_cast<int>(Paper::A4));
  paper->addItem(QStringLiteral("Legal"), static_cast<int>(Paper::Legal));
  paper->setCurrentIndex(paper->findData(static_cast<int>(m_commands.paper)));
  connect(paper, &QComboBox::currentIndexChanged, this,
          [this, paper] { m_commands.paper = static_cast<Paper>(paper->currentData().toInt()); });
  auto* margin =
      DecimalSpin(QStringLiteral("MarginSpin"), m_commands.marginInches, 0.25, 2.0, 0.05, this);
  auto* lineWidth =
      DecimalSpin(QStringLiteral("LineWidthSpin"), m_options.lineWidthPoints, 0.1, 4.0, 0.1, this);
  connect(margin, &QDoubleSpinBox::valueChanged, this,
          [this](double v) { m_commands.marginInches = v; });
  connect(lineWidth, &QDoubleSpinBox::valueChanged, this,
          [this](double v) { m_options.lineWidthPoints = v; });
  auto* firstSquare =
      new QCheckBox(QStringLiteral("Start the quotation in the first square"), this);
  firstSquare->setObjectName(QStringLiteral("FirstSquareCheck"));
  firstSquare->setChecked(m_options.fromFirstSquare);
  connect(firstSquare, &QCheckBox::toggled, this,
          [this](bool on) { m_options.fromFirstSquare = on; });
  auto* punctuation = new QCheckBox(QStringLiteral("Show punctuation"), this);
  punctuation->setObjectName(QStringLiteral("PunctuationCheck"));
  punctuation->setChecked(m_options.punctuation);
  connect(punctuation, &QCheckBox::toggled, this, [this](bool on) { m_options.punctuation = on; });
  form->addRow(QStringLiteral("Paper"), paper);
  form->addRow(QStringLiteral("Margins (inches)"), margin);
  form->addRow(QStringLiteral("Grid Line Width (points)"), lineWidth);
  form->addRow(firstSquare);
  form->addRow(punctuation);
}

PrintSettingsDialog::PrintSettingsDialog(PrintCommands& commands, FontSet& fonts,
                                         FontChooser chooseFont, QWidget* parent)
    : QDialog(parent),
      m_commands(commands),
      m_options(commands.options),
      m_fonts(fonts),
      m_chooseFont(std::move(chooseFont)) {
  setObjectName(QStringLiteral("PrintSettingsForm"));
  setWindowTitle(QStringLiteral("Additional Print Settings"));
  const PrintOptions& options = m_options;
  auto* numberIndent = Spin(QStringLiteral("NumberIndentSpin"), options.numberIndent, 0, this);
  auto* labelIndent = Spin(QStringLiteral("LabelIndentSpin"), options.labelIndent, 0, this);
  connect(numberIndent, &QSpinBox::valueChanged, this,
          [this](int v) { m_options.numberIndent = v; });
  connect(labelIndent, &QSpinBox::valueChanged, this, [this](int v) { m_options.labelIndent = v; });
  auto* form = new QFormLayout;
  AddPageRows(form);
  form->addRow(QStringLiteral("Cell Number Indent (dots)"), numberIndent);
  form->addRow(QStringLiteral("Cell Label Indent (dots)"), labelIndent);

  struct FontButton {
    const char* name;
    const char* caption;
    FontRole role;
  };
  static const FontButton kFontButtons[] = {
      {"TitleFontButton", "Set Title Font", FontRole::Title},
      {"BylineFontButton", "Set Byline Font", FontRole::Byline},
      {"CopyrightFontButton", "Set Copyright Font", FontRole::Copyright},
      {"TinyPrintFontButton", "Set Labels Font", FontRole::Number},
      {"KeyFontButton", "Set Key Font", FontRole::Letter},
      {"ClueFontButton", "Set Clue Font", FontRole::Clue},
      {"NumberfontButton", "Set Numbers Font", FontRole::Dash},
      {"HelpFontButton", "Set Help Font", FontRole::Help},
  };
  auto* fontGrid = new QGridLayout;
  int i = 0;
  for (const auto& f : kFontButtons) {
    auto* b = new QPushButton(QString::fromLatin1(f.caption), this);
    b->setObjectName(QString::fromLatin1(f.name));
    b->setAutoDefault(false);
    const FontRole role = f.role;
    connect(b, &QPushButton::clicked, this, [this, b, role] {
      if (!m_chooseFont) return;
      if (const auto chosen = m_chooseFont(m_fonts.Font(role), b->text())) {
        m_fonts.SetFont(role, *chosen);
        emit fontsChanged();
      }
    });
    fontGrid->addWidget(b, i / 2, i % 2);
    ++i;
  }
  auto* setup = new QPushButton(QStringLiteral("Printer Setup"), this);
  setup->setObjectName(QStringLiteral("PrinterSetupButton"));
  setup->setAutoDefault(false);
  connect(setup, &QPushButton::clicked, this, &PrintSettingsDialog::printerSetupRequested);
  auto* close = new QPushButton(QStringLiteral("CLOSE"), this);
  close->setObjectName(QStringLiteral("CloseButton"));
  close->setAutoDefault(false);
  connect(close, &QPushButton::clicked, this, &QDialog::hide);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addLayout(fontGrid);
  layout->addWidget(setup);
  layout->addWidget(close);
}

}  // namespace quotella
