#include "app/print/bitmapdialog.h"

#include <QBuffer>
#include <QCheckBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QVBoxLayout>

#include "core/savereport.h"
#include "core/textio.h"
#include "render/qtext.h"

namespace quotella {

namespace {

QPushButton* Button(const QString& name, const QString& caption, QWidget* parent) {
  auto* b = new QPushButton(caption, parent);
  b->setObjectName(name);
  b->setAutoDefault(false);
  return b;
}

}  // namespace

// NOLINTNEXTLINE(readability-function-size): lays out the controls in reading order.
BitmapDialog::BitmapDialog(PuzzleDocument& doc, Choosers choosers, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_choosers(std::move(choosers)), m_maker(doc) {
  setObjectName(QStringLiteral("BitmapForm"));
  setWindowTitle(QStringLiteral("Make Puzzle Grid Bitmap"));
  auto* heading = new QLabel(QStringLiteral("Bitmap Maker Program"), this);
  heading->setObjectName(QStringLiteral("BitmapCaption"));

  m_cols = new QLabel(this);
  m_cols->setObjectName(QStringLiteral("ColsEdit"));
  m_rows = new QLabel(this);
  m_rows->setObjectName(QStringLiteral("RowsEdit"));
  m_cellSize = new QSpinBox(this);
  m_cellSize->setObjectName(QStringLiteral("CellSizeSpin"));
  m_cellSize->setRange(BitmapMaker::kMinCellSize, BitmapMaker::kMaxCellSize);
  m_cellSize->setValue(m_maker.style.cellSize);
  m_lineWidth = new QLineEdit(QString::fromStdString(m_maker.lineWidthText), this);
  m_lineWidth->setObjectName(QStringLiteral("LineWidthEdit"));
  m_labels = new QCheckBox(QStringLiteral("Labels"), this);
  m_labels->setObjectName(QStringLiteral("LabelsCheck"));
  m_labels->setChecked(m_maker.style.labels);
  m_key = new QCheckBox(QStringLiteral("Key"), this);
  m_key->setObjectName(QStringLiteral("KeyCheck"));
  m_key->setChecked(m_maker.style.key);
  m_keyVertical = new QSpinBox(this);
  m_keyVertical->setObjectName(QStringLiteral("KeyVerticalSpin"));
  m_keyVertical->setRange(-50, 50);
  m_keyVertical->setValue(m_maker.style.keyVertical);
  m_indents = new QSpinBox(this);
  m_indents->setObjectName(QStringLiteral("IndentsSpin"));
  m_indents->setRange(0, 50);
  m_indents->setValue(1);

  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Cols"), m_cols);
  form->addRow(QStringLiteral("Rows"), m_rows);
  form->addRow(QStringLiteral("Cell size:"), m_cellSize);
  form->addRow(QStringLiteral("Line Width"), m_lineWidth);
  form->addRow(m_labels);
  form->addRow(m_key);
  form->addRow(QStringLiteral("Key Vertical"), m_keyVertical);
  form->addRow(QStringLiteral("Indents"), m_indents);

  auto* redraw = Button(QStringLiteral("RedrawButton"), QStringLiteral("Redraw Grid"), this);
  auto* narrower = Button(QStringLiteral("NarrowerButton"), QStringLiteral("<"), this);
  auto* wider = Button(QStringLiteral("WiderButton"), QStringLiteral(">"), this);
  auto* save = Button(QStringLiteral("SaveButton"), QStringLiteral("Save"), this);
  auto* close = Button(QStringLiteral("CloseButton"), QStringLiteral("Close"), this);
  auto* labelsFont =
      Button(QStringLiteral("LabelsFontButton"), QStringLiteral("Labels Font"), this);
  auto* keyFont = Button(QStringLiteral("KeyFontButton"), QStringLiteral("Key Font"), this);
  auto* lineColour = Button(QStringLiteral("LineColorButton"), QStringLiteral("Line Color"), this);
  auto* bkgdColour = Button(QStringLiteral("BkgdColorButton"), QStringLiteral("Bkgd Color"), this);
  auto* blockColour =
      Button(QStringLiteral("BlockColorButton"), QStringLiteral("Block Color"), this);
  labelsFont->setFont(m_maker.style.labelFont);
  keyFont->setFont(m_maker.style.keyFont);

  auto* sizeRow = new QHBoxLayout;
  sizeRow->addWidget(narrower);
  sizeRow->addWidget(wider);
  auto* buttons = new QVBoxLayout;
  buttons->addLayout(form);
  buttons->addLayout(sizeRow);
  for (QPushButton* b :
       {redraw, labelsFont, keyFont, lineColour, bkgdColour, blockColour, save, close})
    buttons->addWidget(b);
  buttons->addStretch(1);

  m_picture = new QLabel(this);
  m_picture->setObjectName(QStringLiteral("BitmapImage"));
  m_picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  auto* scroll = new QScrollArea(this);
  scroll->setWidget(m_picture);
  scroll->setWidgetResizable(true);
  scroll->setMinimumSize(500, 400);

  auto* body = new QHBoxLayout;
  body->addLayout(buttons);
  body->addWidget(scroll, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(heading);
  layout->addLayout(body);

  m_maker.onDrawn = [this] {
    ++m_drawCount;
    m_picture->setPixmap(QPixmap::fromImage(m_maker.Image()));
    m_picture->resize(m_maker.Image().size());
    emit drawn();
  };

  connect(m_cellSize, &QSpinBox::valueChanged, this, [this] { ControlsChanged(); });
  connect(m_lineWidth, &QLineEdit::textEdited, this, [this] { ControlsChanged(); });
  connect(m_labels, &QCheckBox::toggled, this, [this] { ControlsChanged(); });
  connect(m_key, &QCheckBox::toggled, this, [this] { ControlsChanged(); });
  connect(m_keyVertical, &QSpinBox::valueChanged, this, [this] { ControlsChanged(); });
  connect(m_indents, &QSpinBox::valueChanged, this, [this] {
    m_maker.style.numberIndent = m_indents->value();
    m_maker.style.labelIndent = m_indents->value();
    ControlsChanged();
  });
  connect(redraw, &QPushButton::clicked, this, [this] { Redraw(); });
  connect(narrower, &QPushButton::clicked, this, [this] {
    m_maker.Narrower();
    SyncControls();
  });
  connect(wider, &QPushButton::clicked, this, [this] {
    m_maker.Wider();
    SyncControls();
  });
  connect(save, &QPushButton::clicked, this, [this] { Save(); });
  connect(close, &QPushButton::clicked, this, &QDialog::hide);
  auto fontButton = [this](QPushButton* button, QFont BitmapStyle::*font) {
    connect(button, &QPushButton::clicked, this, [this, button, font] {
      if (!m_choosers.font) return;
      if (const auto chosen = m_choosers.font(m_maker.style.*font, button->text())) {
        m_maker.style.*font = *chosen;
        button->setFont(*chosen);
        Redraw();
      }
    });
  };
  fontButton(labelsFont, &BitmapStyle::labelFont);
  fontButton(keyFont, &BitmapStyle::keyFont);
  auto colourButton = [this](QPushButton* button, QColor BitmapStyle::*colour) {
    connect(button, &QPushButton::clicked, this, [this, button, colour] {
      if (!m_choosers.colour) return;
      if (const auto chosen = m_choosers.colour(m_maker.style.*colour, button->text())) {
        m_maker.style.*colour = *chosen;
        if (colour == &BitmapStyle::block) emit blockColourChanged(*chosen);
        Redraw();
      }
    });
  };
  colourButton(lineColour, &BitmapStyle::line);
  colourButton(bkgdColour, &BitmapStyle::background);
  colourButton(blockColour, &BitmapStyle::block);
  SyncControls();
}

void BitmapDialog::ControlsChanged() {
  if (m_syncing) return;
  m_maker.style.cellSize = m_cellSize->value();
  m_maker.lineWidthText = ToUtf8(m_lineWidth->text());
  m_maker.style.labels = m_labels->isChecked();
  m_maker.style.key = m_key->isChecked();
  m_maker.style.keyVertical = m_keyVertical->value();
  Redraw();
}

void BitmapDialog::Redraw() {
  m_cols->setText(QString::number(m_doc.Grid.Columns));
  m_rows->setText(QString::number(m_doc.Grid.Rows));
  m_maker.Redraw();
}

void BitmapDialog::SyncControls() {
  m_syncing = true;
  m_cols->setText(QString::number(m_doc.Grid.Columns));
  m_rows->setText(QString::number(m_doc.Grid.Rows));
  m_cellSize->setValue(m_maker.style.cellSize);
  m_labels->setChecked(m_maker.style.labels);
  m_key->setChecked(m_maker.style.key);
  m_keyVertical->setValue(m_maker.style.keyVertical);
  m_syncing = false;
}

void BitmapDialog::Save() {
  if (m_maker.Image().isNull() && !m_maker.Redraw()) return;
  Host& host = m_doc.host();
  const auto path = host.SaveFileName(
      "Save File", "Bitmap Files|*.bmp|PNG Files|*.png|All Files|*.*", "", "Bitmap1.bmp");
  if (!path) return;
  const bool png =
      QFileInfo(ToQString(*path)).suffix().compare(QStringLiteral("png"), Qt::CaseInsensitive) == 0;
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  const SaveResult saved = m_maker.Image().save(&buffer, png ? "PNG" : "BMP")
                               ? WriteFileAtomic(*path, bytes.toStdString())
                               : SaveResult::Failed("the picture could not be encoded");
  ReportSave(host, saved, "Grid bitmap", "Could not save file ", *path);
}

}  // namespace quotella
