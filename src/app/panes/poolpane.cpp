#include "app/panes/poolpane.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include "app/widgets/controls.h"
#include "app/widgets/tablemodels.h"
#include "core/document.h"

namespace quotella {

namespace {
constexpr int kColumnWidth = 38;
constexpr int kButtonWidth = 42;
}  // namespace

PoolPane::PoolPane(PuzzleDocument& doc, QWidget* parent)
    : Pane(QStringLiteral("PoolPane"), parent), m_doc(doc) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(3);
  auto* buttons = new QHBoxLayout;
  buttons->setSpacing(2);
  const QString names[3][2] = {{QStringLiteral("AlphaButton"), QStringLiteral("Alpha")},
                               {QStringLiteral("RankSortButton"), QStringLiteral("Rank")},
                               {QStringLiteral("SortPoolButton"), QStringLiteral("Sort")}};
  for (int i = 0; i < 3; ++i) {
    auto* b = MakeButton(names[i][0], names[i][1], this);
    b->setFixedWidth(kButtonWidth);
    connect(b, &QPushButton::clicked, this, [this, i] { emit orderClicked(i); });
    buttons->addWidget(b);
    track(b);
    m_buttons[static_cast<std::size_t>(i)] = b;
  }
  layout->addLayout(buttons);

  const QString gridNames[3] = {QStringLiteral("CharPoolGrid"), QStringLiteral("RankGrid"),
                                QStringLiteral("PoolNumSortGrid")};
  const PoolGridKind kinds[3] = {PoolGridKind::CharPool, PoolGridKind::Rank, PoolGridKind::NumSort};
  for (std::size_t i = 0; i < 3; ++i) {
    auto* view = new QTableView(this);
    view->setObjectName(gridNames[i]);
    auto* model = new PoolGridModel(m_doc, kinds[i], this);
    view->setModel(model);
    view->setItemDelegate(new PoolGridDelegate(m_doc, kinds[i], this));
    view->horizontalHeader()->hide();
    view->verticalHeader()->hide();
    view->horizontalHeader()->setMinimumSectionSize(10);
    view->verticalHeader()->setMinimumSectionSize(10);
    view->horizontalHeader()->setDefaultSectionSize(kColumnWidth);
    view->verticalHeader()->setDefaultSectionSize(15);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    // Three columns whose headers read whole ("Char", "Pool", "Rank"), and the scroll bar.
    view->setFixedWidth(3 * kColumnWidth + view->verticalScrollBar()->sizeHint().width() +
                        2 * view->frameWidth());
    view->hide();
    connect(view, &QTableView::doubleClicked, this, [this](const QModelIndex& index) {
      emit cellDoubleClicked(index.column(), index.row());
    });
    layout->addWidget(view, 1);
    track(view);
    m_grids[i] = view;
    m_models[i] = model;
  }
}

void PoolPane::showCurrent() {
  for (int i = 0; i < 3; ++i)
    m_grids[static_cast<std::size_t>(i)]->setVisible(i == m_doc.view().PoolView);
  for (auto* b : m_buttons) b->show();
}

void PoolPane::hideAll() {
  for (auto* grid : m_grids) grid->hide();
  for (auto* b : m_buttons) b->hide();
}

void PoolPane::markCurrent() {
  for (int i = 0; i < 3; ++i)
    SetCaptionColour(m_buttons[static_cast<std::size_t>(i)], i == m_doc.view().PoolView);
}

void PoolPane::refresh() {
  for (auto* model : m_models) model->refresh();
  for (auto* view : m_grids) view->viewport()->update();
}

}  // namespace quotella
