#include "app/widgets/scoredelegate.h"

#include <QApplication>
#include <QPainter>
#include <utility>

#include "render/qtext.h"
#include "search/scoredlist.h"
#include "search/sorts.h"

namespace quotella {

namespace {

// Room for the widest score ("100") and a blank on either side of it.
int ScoreColumnWidth(const QFontMetrics& metrics) {
  return metrics.horizontalAdvance(QStringLiteral("100")) + 2 * metrics.horizontalAdvance(' ');
}

// Dimmer than the word: the placeholder shade on the base, a paler highlight text on a
// chosen row.
QColor ScoreColour(const QStyleOptionViewItem& option) {
  const QPalette::ColorGroup group =
      option.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
  if (!(option.state & QStyle::State_Selected))
    return option.palette.color(group, QPalette::PlaceholderText);
  QColor colour = option.palette.color(group, QPalette::HighlightedText);
  colour.setAlphaF(0.75f);
  return colour;
}

}  // namespace

ScoreDelegate::ScoreDelegate(QObject* parent) : QStyledItemDelegate(parent) {}

bool ScoreDelegate::setScoredWords(std::shared_ptr<const ScoredWords> words) {
  if (words == m_words) return false;
  const bool wasShown = m_words && m_words->Active();
  m_words = std::move(words);
  return wasShown || (m_words && m_words->Active());
}

QString ScoreDelegate::scoreText(const QModelIndex& index) const {
  if (!m_words || !m_words->Active()) return {};
  const QString word = index.data(Qt::DisplayRole).toString();
  if (word.isEmpty()) return {};
  return ToQString(CandidateScoreText(*m_words, ToUtf8(word)));
}

void ScoreDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const {
  const QString score = scoreText(index);
  if (score.isEmpty()) {
    QStyledItemDelegate::paint(painter, option, index);
    return;
  }
  QStyleOptionViewItem item(option);
  initStyleOption(&item, index);
  // The word gives way to the score: a long word is shortened before the score's column,
  // the row's background and selection still span the whole row.
  const int column = ScoreColumnWidth(item.fontMetrics);
  const int room = item.rect.width() - column;
  if (item.fontMetrics.horizontalAdvance(item.text) > room)
    item.text = item.fontMetrics.elidedText(item.text, item.textElideMode, std::max(room, 0));
  const QStyle* style = item.widget ? item.widget->style() : QApplication::style();
  style->drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);

  QRect scoreRect = item.rect;
  scoreRect.setLeft(item.rect.right() - column + 1);
  scoreRect.adjust(0, 0, -item.fontMetrics.horizontalAdvance(' '), 0);
  painter->save();
  painter->setFont(item.font);
  painter->setPen(ScoreColour(item));
  painter->drawText(scoreRect, Qt::AlignRight | Qt::AlignVCenter, score);
  painter->restore();
}

}  // namespace quotella
