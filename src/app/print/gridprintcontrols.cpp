#include "app/print/gridprintcontrols.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "app/print/printcommands.h"
#include "render/qtext.h"

namespace quotella {

namespace {

template <typename T>
T* Named(T* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

}  // namespace

GridPrintControls::GridPrintControls(PrintCommands& commands, QWidget* parent)
    : QWidget(parent), m_commands(commands) {
  setObjectName(QStringLiteral("GridPrintControls"));
  auto* printNow = Named(new QPushButton(QStringLiteral("Print Now"), this), "PrintNowButton");
  m_grid = Named(new QRadioButton(QStringLiteral("Grid"), this), "PrintGridRadio");
  m_clues = Named(new QRadioButton(QStringLiteral("Clues"), this), "PrintCluesRadio");
  m_both = Named(new QRadioButton(QStringLiteral("Both"), this), "PrintBothRadio");
  auto* group = new QButtonGroup(this);
  for (auto* r : {m_grid, m_clues, m_both}) group->addButton(r);
  m_key = Named(new QCheckBox(QStringLiteral("Print Key"), this), "PrintKeyCheck");
  m_help = Named(new QCheckBox(QStringLiteral("Print Help"), this), "PrintHelpCheck");
  m_fixedSize = Named(new QCheckBox(QStringLiteral("Cell Size"), this), "CellSizeCheck");
  m_cellSize = Named(new QLineEdit(this), "CellSizeEdit");
  m_cellSize->setMaximumWidth(50);
  auto* settings = Named(new QPushButton(QStringLiteral("Settings"), this), "PrintSettingsButton");
  m_copyright = Named(new QLabel(this), "CopyrightLabel");

  const PrintOptions& o = commands.options;
  m_grid->setChecked(o.content == PrintOptions::Content::Grid);
  m_clues->setChecked(o.content == PrintOptions::Content::Clues);
  m_both->setChecked(o.content == PrintOptions::Content::Both);
  m_key->setChecked(o.key);
  m_help->setChecked(o.help);
  m_fixedSize->setChecked(commands.fixedCellSize);
  m_cellSize->setText(ToQString(commands.cellSizeText));

  // Two short rows, so the Grid view keeps the window's width.
  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setHorizontalSpacing(6);
  layout->setVerticalSpacing(0);
  int column = 0;
  for (QWidget* w : std::initializer_list<QWidget*>{printNow, m_grid, m_clues, m_both})
    layout->addWidget(w, 0, column++);
  column = 0;
  for (QWidget* w : std::initializer_list<QWidget*>{m_key, m_help, m_fixedSize, m_cellSize})
    layout->addWidget(w, 1, column++);
  layout->addWidget(settings, 0, column);
  layout->addWidget(m_copyright, 1, column, 1, 2);
  layout->setColumnStretch(column + 1, 1);

  connect(printNow, &QPushButton::clicked, this, [this] {
    ReadControls();
    emit printNowClicked();
  });
  connect(settings, &QPushButton::clicked, this, &GridPrintControls::settingsClicked);
  for (QAbstractButton* b :
       std::initializer_list<QAbstractButton*>{m_grid, m_clues, m_both, m_key, m_help, m_fixedSize})
    connect(b, &QAbstractButton::toggled, this, [this] {
      ReadControls();
      emit optionsChanged();
    });
  connect(m_cellSize, &QLineEdit::textEdited, this, [this] { ReadControls(); });
}

void GridPrintControls::ReadControls() {
  PrintOptions& o = m_commands.options;
  o.content = m_grid->isChecked()    ? PrintOptions::Content::Grid
              : m_clues->isChecked() ? PrintOptions::Content::Clues
                                     : PrintOptions::Content::Both;
  o.key = m_key->isChecked();
  o.help = m_help->isChecked();
  m_commands.fixedCellSize = m_fixedSize->isChecked();
  m_commands.cellSizeText = ToUtf8(m_cellSize->text());
}

void GridPrintControls::setCopyrightText(const QString& text) {
  m_copyright->setText(text);
}

}  // namespace quotella
