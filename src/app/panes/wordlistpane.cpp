#include "app/panes/wordlistpane.h"

#include <QListWidget>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "app/widgets/controls.h"
#include "app/widgets/scoredelegate.h"
#include "search/wordlists.h"

namespace quotella {

namespace {

// A word from the constructor's scored lists shows its score beside it.
void ShowScores(QListWidget* list) {
  list->setItemDelegate(new ScoreDelegate(list));
}

// The scores shown follow the lists the sources hold now.
void FollowScores(QListWidget* list, const std::shared_ptr<const ScoredWords>& scored) {
  auto* delegate = qobject_cast<ScoreDelegate*>(list->itemDelegate());
  if (delegate && delegate->setScoredWords(scored)) list->viewport()->update();
}

}  // namespace

WordListPane::WordListPane(QWidget* parent) : Pane(QStringLiteral("WordListPane"), parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  m_candidates = new QListWidget(this);
  m_candidates->setObjectName(QStringLiteral("Candidates"));
  m_candidates->hide();
  ShowScores(m_candidates);
  layout->addWidget(m_candidates);
  track(m_candidates);
  for (int i = 0; i < 4; ++i) {
    auto* list = new QListWidget(this);
    list->setObjectName(QStringLiteral("Wordlist%1").arg(i + 1));
    list->hide();
    ShowScores(list);
    layout->addWidget(list);
    track(list);
    m_wordLists[static_cast<std::size_t>(i)] = list;
  }
  m_clueList = new QPlainTextEdit(this);
  m_clueList->setObjectName(QStringLiteral("Cluelist"));
  m_clueList->setReadOnly(true);
  m_clueList->setLineWrapMode(QPlainTextEdit::NoWrap);
  m_clueList->hide();
  layout->addWidget(m_clueList);
  track(m_clueList);

  // Outside the layout: it covers the pane rather than taking a share of it.
  m_progressLog = new QListWidget(this);
  m_progressLog->setObjectName(QStringLiteral("ProgressLog"));
  m_progressLog->hide();

  connect(m_candidates, &QListWidget::itemClicked, this, [this] { emit candidateClicked(); });
  connect(m_candidates, &QListWidget::itemDoubleClicked, this,
          [this] { emit candidateDoubleClicked(); });
  connect(m_wordLists[3], &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
    emit wordList4DoubleClicked(m_wordLists[3]->row(item));
  });
}

void WordListPane::hideAll() {
  for (auto* list : m_wordLists) list->hide();
  m_clueList->hide();
  m_candidates->hide();
}

bool WordListPane::anyVisible() const {
  for (auto* list : m_wordLists)
    if (!list->isHidden()) return true;
  return !m_clueList->isHidden() || !m_candidates->isHidden();
}

void WordListPane::fill(const WordSources& sources) {
  const auto fillOne = [this](std::size_t k, QListWidget* list,
                              const std::vector<std::string>& items) {
    if (m_filled[k] == items && list->count() == static_cast<int>(items.size())) return;
    m_filled[k] = items;
    const int row = list->currentRow();
    list->clear();
    list->addItems(ToQLines(items));
    if (row >= 0 && row < list->count()) list->setCurrentRow(row);
  };
  for (std::size_t i = 0; i < 4; ++i) fillOne(i, m_wordLists[i], sources.Lists[i].Items);
  fillOne(4, m_candidates, sources.Candidates);
  for (QListWidget* list : m_wordLists) FollowScores(list, sources.Scored);
  FollowScores(m_candidates, sources.Scored);
}

void WordListPane::showProgressLog(bool show) {
  if (show) {
    m_progressLog->clear();
    m_progressLog->setGeometry(rect());
    m_progressLog->raise();
  }
  m_progressLog->setVisible(show);
}

void WordListPane::setProgressLog(const std::vector<std::string>& lines) {
  if (m_progressLog->isHidden()) return;
  const QStringList want = ToQLines(lines);
  QStringList have;
  for (int i = 0; i < m_progressLog->count(); ++i) have << m_progressLog->item(i)->text();
  if (have == want) return;
  m_progressLog->clear();
  m_progressLog->addItems(want);
  m_progressLog->scrollToBottom();
}

void WordListPane::setClues(const QString& text) {
  if (m_clueList->toPlainText() != text) m_clueList->setPlainText(text);
}

}  // namespace quotella
