#include "app/widgets/tablemodels.h"

#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "render/qtext.h"

namespace quotella {

StringTableModel::StringTableModel(const StringTable& table, std::function<int()> rowCount,
                                   QObject* parent)
    : QAbstractTableModel(parent), m_table(table), m_rowCount(std::move(rowCount)) {
  m_rows = m_rowCount();
}

int StringTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : m_rows;
}

int StringTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : kTableSize;
}

QVariant StringTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || !StringTable::Valid(index.column(), index.row())) return {};
  if (role == Qt::DisplayRole) return ToQString(m_table.At(index.column(), index.row()));
  if (role == Qt::BackgroundRole && index.column() == 0) return QColor(kCreamColour);
  return {};
}

Qt::ItemFlags StringTableModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  if (index.column() == 0) return Qt::ItemIsEnabled;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void StringTableModel::refresh() {
  const int rows = std::clamp(m_rowCount(), 0, kTableSize);
  if (rows != m_rows) {
    beginResetModel();
    m_rows = rows;
    endResetModel();
    return;
  }
  if (m_rows > 0) emit dataChanged(index(0, 0), index(m_rows - 1, kTableSize - 1));
}

PoolGridModel::PoolGridModel(const PuzzleDocument& doc, PoolGridKind kind, QObject* parent)
    : QAbstractTableModel(parent), m_doc(doc), m_kind(kind) {}

int PoolGridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : 27;
}

int PoolGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : 3;
}

QVariant PoolGridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const auto& grid = PoolGridData(m_doc, m_kind);
  if (role == Qt::DisplayRole)
    return ToQString(
        grid[static_cast<std::size_t>(index.row())][static_cast<std::size_t>(index.column())]);
  if (role == Qt::BackgroundRole && (index.row() == 0 || index.column() == 0))
    return QColor(0xF0, 0xF0, 0xF0);
  return {};
}

Qt::ItemFlags PoolGridModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  if (index.row() == 0 || index.column() == 0) return Qt::ItemIsEnabled;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

void PoolGridModel::refresh() {
  emit dataChanged(index(0, 0), index(26, 2));
}

KeyWordsDelegate::KeyWordsDelegate(const PuzzleDocument& doc, const std::array<QColor, 26>& rarity,
                                   QObject* parent)
    : QStyledItemDelegate(parent), m_doc(doc), m_rarity(rarity) {}

void KeyWordsDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
  if (m_doc.PuzzleExists) {
    painter->save();
    const bool own = PaintKeyWordCell(*painter, option.rect, m_doc, index.column(), index.row(),
                                      m_rarity, option.font);
    if (own && (option.state & QStyle::State_Selected)) {
      painter->setPen(QPen(Qt::black, 2));
      painter->drawRect(option.rect.adjusted(1, 1, -1, -1));
    }
    painter->restore();
    if (own) return;
  }
  QStyledItemDelegate::paint(painter, option, index);
}

PoolGridDelegate::PoolGridDelegate(const PuzzleDocument& doc, PoolGridKind kind, QObject* parent)
    : QStyledItemDelegate(parent), m_doc(doc), m_kind(kind) {}

void PoolGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
  painter->save();
  const bool own =
      PaintPoolCell(*painter, option.rect, m_doc, m_kind, index.column(), index.row(), option.font);
  painter->restore();
  if (!own) QStyledItemDelegate::paint(painter, option, index);
}

KeyTableView::KeyTableView(QWidget* parent) : QTableView(parent) {
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
}

QItemSelection KeyTableView::Rows(int from, int to) const {
  const int last = model()->columnCount() - 1;
  return QItemSelection(model()->index(std::min(from, to), 1),
                        model()->index(std::max(from, to), last));
}

bool KeyTableView::AnyWholeRow() const {
  for (int row = 0; row < model()->rowCount(); ++row)
    if (selectionModel()->isRowSelected(row)) return true;
  return false;
}

int KeyTableView::AnchorRow() const {
  if (m_anchorRow >= 0 && m_anchorRow < model()->rowCount()) return m_anchorRow;
  return std::max(currentIndex().row(), 0);
}

void KeyTableView::mousePressEvent(QMouseEvent* event) {
  const QModelIndex index = indexAt(event->position().toPoint());
  const Qt::KeyboardModifiers mods = event->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier);
  if (!index.isValid() || index.column() != 0 || mods == Qt::NoModifier ||
      event->button() != Qt::LeftButton) {
    if (event->button() == Qt::LeftButton && mods == Qt::NoModifier) m_anchorRow = -1;
    QTableView::mousePressEvent(event);
    return;
  }
  const int row = index.row();
  QItemSelectionModel* selection = selectionModel();
  if (mods & Qt::ShiftModifier) {
    // Ctrl+Shift adds the range to the rows already picked.
    selection->select(Rows(AnchorRow(), row), (mods & Qt::ControlModifier)
                                                  ? QItemSelectionModel::Select
                                                  : QItemSelectionModel::ClearAndSelect);
  } else if (selection->isRowSelected(row)) {
    selection->select(Rows(row, row), QItemSelectionModel::Deselect);
    m_anchorRow = row;
  } else {
    // The first row picked replaces the caret's cell.
    if (!AnyWholeRow()) selection->clearSelection();
    selection->select(Rows(row, row), QItemSelectionModel::Select);
    m_anchorRow = row;
  }
  event->accept();
}

void KeyTableView::ExtendRows(int key) {
  const QModelIndex current = currentIndex();
  if (!current.isValid()) return;
  const int anchor = AnchorRow();
  const int row =
      std::clamp(current.row() + (key == Qt::Key_Up ? -1 : 1), 0, model()->rowCount() - 1);
  selectionModel()->setCurrentIndex(model()->index(row, current.column()),
                                    QItemSelectionModel::NoUpdate);
  selectionModel()->select(Rows(anchor, row), QItemSelectionModel::ClearAndSelect);
  m_anchorRow = anchor;
}

void KeyTableView::keyPressEvent(QKeyEvent* event) {
  if ((event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) &&
      event->modifiers() == Qt::ShiftModifier) {
    ExtendRows(event->key());
    return;
  }
  // Any other key but a modifier ends the row picking's anchor.
  const int key = event->key();
  if (key != Qt::Key_Shift && key != Qt::Key_Control && key != Qt::Key_Alt && key != Qt::Key_Meta)
    m_anchorRow = -1;
  switch (event->key()) {
    case Qt::Key_Escape:
      emit keyTyped(27);
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      emit keyTyped(13);
      return;
    case Qt::Key_Backspace:
      emit keyTyped(8);
      return;
    default:
      break;
  }
  const QString text = event->text();
  if (text.size() == 1 && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) &&
      text[0].unicode() >= 32) {
    const std::string cp = ToUtf8(text);
    if (cp.size() == 1) {
      emit keyTyped(cp[0]);
      return;
    }
  }
  QTableView::keyPressEvent(event);
}

}  // namespace quotella
