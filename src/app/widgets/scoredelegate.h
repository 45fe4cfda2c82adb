#pragma once

#include <QStyledItemDelegate>
#include <memory>

namespace quotella {

struct ScoredWords;

// Paints the items of a word list or of the candidates with the score the constructor's
// scored lists give each word, right-aligned in a column of its own and dimmer than the
// word. The item's text stays the bare word: whatever takes the item's text (laying a
// candidate in, look-ups, statistics, copying) never sees the score. Scores are looked up
// while painting, so a list of tens of thousands of words costs no more than the rows in
// sight.
class ScoreDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  explicit ScoreDelegate(QObject* parent = nullptr);

  // The scored lists whose scores are shown; none are shown while no list is in use.
  // True when what is shown changed (the view wants a repaint).
  bool setScoredWords(std::shared_ptr<const ScoredWords> words);
  // The score painted beside the item: "90", or empty for an unlisted word, a line that
  // is no word and for every item while no scored list is in use.
  QString scoreText(const QModelIndex& index) const;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;

 private:
  std::shared_ptr<const ScoredWords> m_words;
};

}  // namespace quotella
