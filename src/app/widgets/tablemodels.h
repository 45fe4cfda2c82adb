#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QStyledItemDelegate>
#include <QTableView>
#include <array>
#include <functional>

#include "core/document.h"
#include "render/gridpainter.h"

namespace quotella {

// A view model over one of the document's 52 x 52 string tables (the answer-word table
// or the number map). Column 0 holds the labels and cannot be selected.
class StringTableModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  StringTableModel(const StringTable& table, std::function<int()> rowCount,
                   QObject* parent = nullptr);
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  // Picks up changed contents; a changed row count resets the model.
  void refresh();

 private:
  const StringTable& m_table;
  std::function<int()> m_rowCount;
  int m_rows = 0;
};

// A view model over one of the three pool grids (27 rows, 3 columns; row 0 headers).
class PoolGridModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  PoolGridModel(const PuzzleDocument& doc, PoolGridKind kind, QObject* parent = nullptr);
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  void refresh();
  PoolGridKind kind() const { return m_kind; }

 private:
  const PuzzleDocument& m_doc;
  PoolGridKind m_kind;
};

// Paints answer-word table cells with the grid painters once a puzzle exists.
class KeyWordsDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  KeyWordsDelegate(const PuzzleDocument& doc, const std::array<QColor, 26>& rarity,
                   QObject* parent = nullptr);
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;

 private:
  const PuzzleDocument& m_doc;
  const std::array<QColor, 26>& m_rarity;
};

class PoolGridDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  PoolGridDelegate(const PuzzleDocument& doc, PoolGridKind kind, QObject* parent = nullptr);
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;

 private:
  const PuzzleDocument& m_doc;
  PoolGridKind m_kind;
};

// A table that hands typed keys to the window instead of editing cells itself.
class KeyTableView : public QTableView {
  Q_OBJECT
 public:
  explicit KeyTableView(QWidget* parent = nullptr);

 signals:
  // key: 27 Esc, 13 Enter, 8 Backspace, 32 Space, or the typed character (Windows-1252).
  void keyTyped(char key);

 protected:
  // A click on a cell puts the caret there. Ctrl+click on a row's label picks or drops
  // that whole row, Shift+click picks the rows from the last one picked (or the caret's),
  // Ctrl+Shift+click adds those rows to the ones picked.
  void mousePressEvent(QMouseEvent* event) override;
  // Shift+Up/Down picks whole rows from the caret's row as the caret moves.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // Rows from..to (either order), without their label cells.
  QItemSelection Rows(int from, int to) const;
  // The row a Shift range starts from: the last row Ctrl-clicked or Shift-extended,
  // else (after a plain click or key) the caret's row.
  int AnchorRow() const;
  bool AnyWholeRow() const;
  void ExtendRows(int key);
  int m_anchorRow = -1;
};

}  // namespace quotella
