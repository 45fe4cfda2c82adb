#include "app/printsettingsdialog.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace quotella {

namespace {

QSpinBox* Spin(const QString& name, int value, int low, QWidget* parent) {
  auto* s = new QSpinBox(parent);
  s->setObjectName(name);
  s->setRange(low, 50);
  s->setValue(value);
  return s;
}

}  // namespace

PrintSettingsDialog::PrintSettingsDialog(PrintOptions& options, FontSet& fonts,
                                         FontChooser chooseFont, QWidget* parent)
    : QDialog(parent), m_options(options), m_fonts(fonts), m_chooseFont(std::move(chooseFont)) {
  setObjectName(QStringLiteral("PrintSettingsForm"));
  setWindowTitle(QStringLiteral("Additional Print Settings"));
  auto* lineWidth = Spin(QStringLiteral("LineWidthSpin"), options.lineWidth, 1, this);
  auto* numberIndent = Spin(QStringLiteral("NumberIndentSpin"), options.numberIndent, 0, this);
  auto* labelIndent = Spin(QStringLiteral("LabelIndentSpin"), options.labelIndent, 0, this);
  connect(lineWidth, &QSpinBox::valueChanged, this, [this](int v) { m_options.lineWidth = v; });
  connect(numberIndent, &QSpinBox::valueChanged, this,
          [this](int v) { m_options.numberIndent = v; });
  connect(labelIndent, &QSpinBox::valueChanged, this, [this](int v) { m_options.labelIndent = v; });
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Grid Line Width (dots)"), lineWidth);
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
