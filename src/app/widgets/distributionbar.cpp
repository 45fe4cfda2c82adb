#include "app/widgets/distributionbar.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <string>
#include <vector>

#include "app/panes/gridviewpane.h"
#include "app/widgets/barwidget.h"
#include "app/widgets/bottombar.h"
#include "app/widgets/puzzlegridwidget.h"
#include "core/answertable.h"
#include "core/document.h"
#include "render/colours.h"
#include "render/highlight.h"

namespace quotella {

namespace {

constexpr int kDistributionBarMax = 740;
constexpr int kAnswerBarRightEdge = 790;

// The controls the distribution mode hides and gives back.
QList<QWidget*> DistributionHides(GridViewPane& g, BottomBar& b) {
  return {g.titleLabel(),  g.titleEdit(),         g.bylineLabel(),
          g.bylineEdit(),  g.blockColourButton(), g.copyrightButton(),
          b.viewButton(1), b.viewButton(2),       b.viewButton(3)};
}

}  // namespace

DistributionBar::DistributionBar(PuzzleDocument& doc, GridViewPane& grid, BottomBar& bottom,
                                 QWidget* window)
    : QObject(window), m_doc(doc), m_grid(grid), m_bottom(bottom), m_window(window) {
  connect(grid.distributionButton(), &QPushButton::clicked, this,
          [this] { DistributionButtonClick(); });
  connect(grid.distributionBar(), &BarWidget::cellClicked, this,
          [this](int col) { DistributionBarClick(col); });
  connect(grid.answerBar(), &BarWidget::cellClicked, this,
          [this](int col) { AnswerBarClick(col); });
}

void DistributionBar::RepaintGrid() {
  m_grid.puzzleGrid()->update();
}

void DistributionBar::ShowAnswerBarFor(int row) {
  std::vector<std::string> letters;
  for (char c : Keystring(m_doc, row)) letters.emplace_back(1, c);
  BarWidget* bar = m_grid.answerBar();
  BarWidget* distribution = m_grid.distributionBar();
  bar->setBackground(kAnswerBarColour);
  bar->setCurrentColumn(0);
  const int left = distribution->isVisible()
                       ? distribution->mapTo(m_window, QPoint(distribution->width(), 0)).x() + 10
                       : 0;
  bar->setCells(letters, std::max(20, kAnswerBarRightEdge - left));
}

void DistributionBar::DistributionButtonClick() {
  if (m_active) {
    Leave(true);
    return;
  }
  m_active = true;
  m_grid.distributionButton()->setText(QStringLiteral("Set Title"));
  for (QWidget* w : DistributionHides(m_grid, m_bottom)) w->hide();
  std::vector<std::string> initials;
  for (char c : m_doc.P.QuotellaStr) initials.emplace_back(1, c);
  BarWidget* distribution = m_grid.distributionBar();
  distribution->setBackground(kHighlightColour);
  distribution->setCells(initials, kDistributionBarMax);
  distribution->show();
  ShowAnswerBarFor(distribution->currentColumn());
  Unhighlight(m_doc.P);
  HighlightInitials(m_doc);
  m_grid.answerBar()->show();
  RepaintGrid();
}

void DistributionBar::Leave(bool showGridControls) {
  m_active = false;
  m_grid.distributionButton()->setText(QStringLiteral("Distribution"));
  m_grid.distributionBar()->hide();
  m_grid.answerBar()->hide();
  for (QWidget* w : DistributionHides(m_grid, m_bottom)) {
    if (showGridControls || m_bottom.viewButtons().contains(w)) w->show();
  }
  Unhighlight(m_doc.P);
  RepaintGrid();
}

void DistributionBar::DistributionBarClick(int col) {
  m_grid.distributionBar()->setCurrentColumn(col);
  ShowAnswerBarFor(col);
  Unhighlight(m_doc.P);
  HighlightWord(m_doc, col);
  m_grid.answerBar()->show();
  RepaintGrid();
  AnswerBarClick(0);
}

void DistributionBar::AnswerBarClick(int col) {
  m_grid.answerBar()->setCurrentColumn(col);
  if (SetCursorCell(m_doc, col + 1, m_grid.distributionBar()->currentColumn())) RepaintGrid();
}

void DistributionBar::ShowQuotellaDistribution1Click() {
  m_grid.answerBar()->setCurrentColumn(0);
  Unhighlight(m_doc.P);
  HighlightInitials(m_doc);
  RepaintGrid();
}

}  // namespace quotella
