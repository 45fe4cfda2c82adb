#include "app/panes/gridviewpane.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "app/widgets/barwidget.h"
#include "app/widgets/controls.h"
#include "app/widgets/puzzlegridwidget.h"

namespace quotella {

GridViewPane::GridViewPane(const PuzzleDocument& doc, const FontSet& fonts, QWidget* parent)
    : Pane(QStringLiteral("GridViewPane"), parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(3);

  m_puzzleGrid = new PuzzleGridWidget(doc, fonts);
  m_puzzleGrid->setObjectName(QStringLiteral("PuzzleGrid"));
  m_puzzleArea = new QScrollArea(this);
  m_puzzleArea->setObjectName(QStringLiteral("PuzzleGridArea"));
  m_puzzleArea->setWidget(m_puzzleGrid);
  m_puzzleArea->setWidgetResizable(false);
  m_puzzleArea->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  m_puzzleArea->hide();
  // The grid takes the room its area has, whatever the window's size.
  m_puzzleArea->viewport()->installEventFilter(this);
  m_gridRow = new QVBoxLayout;
  m_gridRow->setSpacing(3);
  m_gridRow->addWidget(m_puzzleArea, 3);
  layout->addLayout(m_gridRow, 1);
  track(m_puzzleArea);

  m_gridControlRow = new Pane(QStringLiteral("GridControls"), this);
  auto* controls = new QHBoxLayout(m_gridControlRow);
  controls->setContentsMargins(0, 0, 0, 0);
  controls->setSpacing(3);
  m_titleLabel = new QLabel(QStringLiteral("Title"), m_gridControlRow);
  m_titleLabel->setObjectName(QStringLiteral("TitleLabel"));
  m_titleEdit = new QLineEdit(m_gridControlRow);
  m_titleEdit->setObjectName(QStringLiteral("TitleEdit"));
  m_bylineLabel = new QLabel(QStringLiteral("Byline"), m_gridControlRow);
  m_bylineLabel->setObjectName(QStringLiteral("BylineLabel"));
  m_bylineEdit = new QLineEdit(m_gridControlRow);
  m_bylineEdit->setObjectName(QStringLiteral("BylineEdit"));
  // Room for thirty characters of a title or byline.
  const int thirty = m_titleEdit->fontMetrics().averageCharWidth() * 30 + 12;
  m_titleEdit->setMinimumWidth(thirty);
  m_bylineEdit->setMinimumWidth(thirty);
  m_blockColourButton = MakeButton(QStringLiteral("BlockColorButton"),
                                   QStringLiteral("Block Color"), m_gridControlRow);
  m_copyrightButton =
      MakeButton(QStringLiteral("CopyrightButton"), QStringLiteral("Copyright"), m_gridControlRow);
  m_distributionButton = MakeButton(QStringLiteral("DistributionButton"),
                                    QStringLiteral("Distribution"), m_gridControlRow);
  QFont barFont(QStringLiteral("Comic Sans MS"), 10);
  barFont.setBold(true);
  m_distributionBar =
      new BarWidget(QStringLiteral("DistributionBar"), 15, 22, barFont, m_gridControlRow);
  m_distributionBar->setToolTip(
      QStringLiteral("Click on a letter to see that word and its distribution"));
  m_answerBar = new BarWidget(QStringLiteral("AnswerBar"), 14, 20,
                              QFont(QStringLiteral("Courier New"), 10), m_gridControlRow);
  m_answerBar->setToolTip(QStringLiteral("Click on a letter to see its location in grid"));
  for (QWidget* w : gridControls()) {
    controls->addWidget(w, w == m_titleEdit || w == m_bylineEdit ? 1 : 0);
    w->hide();
    m_gridControlRow->track(w);
  }
  controls->addWidget(m_distributionButton);
  m_distributionButton->hide();
  m_gridControlRow->track(m_distributionButton);
  controls->addStretch(0);
  layout->addWidget(m_gridControlRow);
  track(m_gridControlRow);

  m_printRow = new Pane(QStringLiteral("PrintControls"), this);
  auto* print = new QHBoxLayout(m_printRow);
  print->setContentsMargins(0, 0, 0, 0);
  print->setSpacing(3);
  print->addStretch(1);
  layout->addWidget(m_printRow);
  track(m_printRow);
  m_orientationButton =
      MakeButton(QStringLiteral("OrentationButton"), QStringLiteral("Portrait"), m_printRow);
  m_stretchButton =
      MakeButton(QStringLiteral("GridStretchButton"), QStringLiteral("<->"), m_printRow);
  m_stretchButton->setFixedWidth(36);
  m_stretchButton->setToolTip(QStringLiteral("Stretch Grid"));
  m_squeezeButton =
      MakeButton(QStringLiteral("GridSqueezeButton"), QStringLiteral(">-<"), m_printRow);
  m_squeezeButton->setFixedWidth(36);
  m_squeezeButton->setToolTip(QStringLiteral("Squeeze Grid"));
  for (QWidget* w :
       std::initializer_list<QWidget*>{m_orientationButton, m_stretchButton, m_squeezeButton})
    addPrintControl(w);
}

QList<QWidget*> GridViewPane::gridControls() const {
  return {m_titleLabel,        m_titleEdit,       m_bylineLabel,     m_bylineEdit,
          m_blockColourButton, m_copyrightButton, m_distributionBar, m_answerBar};
}

void GridViewPane::addPrintControl(QWidget* control) {
  auto* row = static_cast<QHBoxLayout*>(m_printRow->layout());
  control->setParent(m_printRow);
  row->insertWidget(row->count() - 1, control);
  control->hide();
  m_printRow->track(control);
  m_printControls << control;
}

void GridViewPane::setPreview(QWidget* preview) {
  m_preview = preview;
  preview->setParent(this);
  m_gridRow->addWidget(preview, 2);
  track(preview);
}

bool GridViewPane::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_puzzleArea->viewport() && event->type() == QEvent::Resize)
    m_puzzleGrid->setRoom(m_puzzleArea->viewport()->size());
  return Pane::eventFilter(watched, event);
}

}  // namespace quotella
