#pragma once

#include <array>

#include "app/panes/pane.h"

class QPushButton;
class QTableView;

namespace quotella {

class PoolGridModel;
class PuzzleDocument;

// The pool pane at the right: one of the three letter-pool grids (alphabetical, by rank,
// by count) under its three order buttons "Alpha", "Rank" and "Sort".
class PoolPane : public Pane {
  Q_OBJECT
 public:
  PoolPane(PuzzleDocument& doc, QWidget* parent = nullptr);

  // Grid 0 alphabetical, 1 by rank, 2 by count.
  QTableView* grid(int view) const { return m_grids[static_cast<std::size_t>(view)]; }
  QPushButton* button(int view) const { return m_buttons[static_cast<std::size_t>(view)]; }

  // Shows the grid of the document's pool order with its buttons.
  void showCurrent();
  void hideAll();
  // Marks the button of the document's pool order.
  void markCurrent();
  void refresh();

 signals:
  void orderClicked(int view);
  // A double click on a pool grid cell (the conditions may have changed).
  void cellDoubleClicked(int col, int row);

 private:
  PuzzleDocument& m_doc;
  std::array<QTableView*, 3> m_grids{};
  std::array<PoolGridModel*, 3> m_models{};
  std::array<QPushButton*, 3> m_buttons{};
};

}  // namespace quotella
