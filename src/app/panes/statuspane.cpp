#include "app/panes/statuspane.h"

#include <QEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/widgets/controls.h"
#include "app/widgets/panelbar.h"

namespace quotella {
namespace {

// The most the scanned list's name takes of the row it shares with the candidate bar.
constexpr int kListNameWidth = 110;
constexpr int kListNameMinWidth = 40;

}  // namespace

StatusPane::StatusPane(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("StatusArea"));
  m_charStatus1 = new PanelBar(QStringLiteral("CharStatus1"),
                               {QStringLiteral("Cell"), QStringLiteral("Char"),
                                QStringLiteral("Col"), QStringLiteral("Empty, Use up..")},
                               {60, 60, 60, 0}, this);
  m_charStatus2 =
      new PanelBar(QStringLiteral("CharStatus2"),
                   {QStringLiteral("Avg wrd len"), QStringLiteral("Pool"), QStringLiteral("Cons"),
                    QStringLiteral("Vowels"), QStringLiteral("Vowel %")},
                   {80, 60, 60, 65, 0}, this);
  m_printStatus1 = new PanelBar(
      QStringLiteral("PrintStatusBar1"),
      {QStringLiteral("PWidth"), QStringLiteral("PHeight"), QStringLiteral("PCellsize"),
       QStringLiteral("Orientation"), QStringLiteral("GridHeight")},
      {80, 80, 60, 70, 0}, this);
  m_printStatus2 =
      new PanelBar(QStringLiteral("PrintStatusBar2"),
                   {QStringLiteral("Columns"), QStringLiteral("Rows"), QStringLiteral("Extra")},
                   {90, 90, 0}, this);
  m_printStatus1->hide();
  m_printStatus2->hide();

  m_listLabel = new QLabel(this);
  m_listLabel->setObjectName(QStringLiteral("ListLabel"));
  m_wordListFileLabel = new QLabel(this);
  m_wordListFileLabel->setObjectName(QStringLiteral("WordListFileLabel"));
  // It takes what room the candidate bar and the button leave, up to kListNameWidth.
  m_wordListFileLabel->setMinimumWidth(kListNameMinWidth);
  m_wordListFileLabel->setMaximumWidth(kListNameWidth);
  m_wordListFileLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  m_wordListFileLabel->installEventFilter(this);
  m_wordListFileLabel->hide();
  m_addItemField = new QLineEdit(this);
  m_addItemField->setObjectName(QStringLiteral("AddItemEdit"));
  m_addItemField->hide();
  m_searchStatus =
      new PanelBar(QStringLiteral("SearchStatusBar"),
                   {QStringLiteral("word1"), QStringLiteral("word2"), QStringLiteral("word3")},
                   {80, 80, 0}, this);
  m_searchStatus->hide();
  m_candidateStatus =
      new PanelBar(QStringLiteral("CandidateStatusBar"),
                   {QStringLiteral("Vowels"), QStringLiteral("Score 1"), QStringLiteral("Score 2"),
                    QStringLiteral("Len"), QStringLiteral("Avg")},
                   {45, 50, 50, 40, 0}, this);
  m_candidateStatus->hide();
  m_heuristicButton =
      MakeButton(QStringLiteral("HeuristicButton"), QStringLiteral("Heuristic Search"), this);
  m_heuristicButton->setEnabled(false);

  auto* area = new QVBoxLayout(this);
  area->setContentsMargins(0, 0, 0, 0);
  area->setSpacing(2);
  area->addWidget(m_charStatus1);
  area->addWidget(m_charStatus2);
  area->addWidget(m_printStatus1);
  area->addWidget(m_printStatus2);
  area->addStretch(1);
  auto* listHead = new QHBoxLayout;
  listHead->addWidget(m_listLabel);
  listHead->addWidget(m_wordListFileLabel, 1);
  listHead->addWidget(m_addItemField, 1);
  listHead->addWidget(m_searchStatus, 1);
  listHead->addWidget(m_candidateStatus, 1);
  listHead->addWidget(m_heuristicButton);
  area->addLayout(listHead);

  m_statusBar1 = new PanelBar(
      QStringLiteral("StatusBar1"),
      {QStringLiteral("Row"), QStringLiteral("Col"), QString(), QStringLiteral("Chars")},
      // The message panel says what was written where and how long work goes: it takes
      // twice the share of the pool letters' panel.
      {60, 60, -2, -1});
  m_progress = new QProgressBar;
  m_progress->setObjectName(QStringLiteral("AutofillProgress"));
  m_progress->setFixedWidth(180);
  m_progress->hide();
}

void StatusPane::showScannedListName(const QString& name, bool visible) {
  m_listName = name;
  m_wordListFileLabel->setToolTip(name);
  elideListName();
  m_wordListFileLabel->setVisible(visible);
}

void StatusPane::elideListName() {
  const int room = std::min(m_wordListFileLabel->width(), kListNameWidth);
  m_wordListFileLabel->setText(
      m_wordListFileLabel->fontMetrics().elidedText(m_listName, Qt::ElideMiddle, room));
}

bool StatusPane::eventFilter(QObject* watched, QEvent* event) {
  if (watched == m_wordListFileLabel && event->type() == QEvent::Resize) elideListName();
  return QWidget::eventFilter(watched, event);
}

PanelBar* StatusPane::bar(StatusBar which) const {
  switch (which) {
    case StatusBar::Main:
      return m_statusBar1;
    case StatusBar::Print1:
      return m_printStatus1;
    case StatusBar::Print2:
      return m_printStatus2;
    case StatusBar::Search:
      return m_searchStatus;
    case StatusBar::CharStatus1:
      return m_charStatus1;
    case StatusBar::CharStatus2:
      return m_charStatus2;
  }
  return nullptr;
}

}  // namespace quotella
