#pragma once

#include <array>
#include <string>
#include <vector>

#include "app/panes/pane.h"

class QListWidget;
class QPlainTextEdit;

namespace quotella {

struct WordSources;

// The list pane: the candidate list, word lists 1 to 4 and the clue list, one at a time.
class WordListPane : public Pane {
  Q_OBJECT
 public:
  explicit WordListPane(QWidget* parent = nullptr);

  QListWidget* candidates() const { return m_candidates; }
  // Word list n, 1 to 4.
  QListWidget* wordList(int n) const { return m_wordLists[static_cast<std::size_t>(n - 1)]; }
  QPlainTextEdit* clueList() const { return m_clueList; }

  void hideAll();
  bool anyVisible() const;
  // Fills the word lists and the candidates from the sources, keeping each selection. A
  // list whose items did not change since it was last filled is left alone, so a long
  // search that reports often does not rebuild lists of thousands of words. A word of the
  // scored lists in use shows its score beside it (painted, never part of the item's text).
  void fill(const WordSources& sources);
  // The clue lines of the puzzle.
  void setClues(const QString& text);
  // The progress log of a dictionary recount, in front of the lists while it is shown.
  QListWidget* progressLog() const { return m_progressLog; }
  void showProgressLog(bool show);
  // Shows the log's lines when they changed, the last one in sight.
  void setProgressLog(const std::vector<std::string>& lines);

 signals:
  void candidateClicked();
  void candidateDoubleClicked();
  void wordList4DoubleClicked(int line);

 private:
  QListWidget* m_candidates = nullptr;
  std::array<QListWidget*, 4> m_wordLists{};
  QPlainTextEdit* m_clueList = nullptr;
  QListWidget* m_progressLog = nullptr;
  // What fill() last put into word lists 1 to 4 and the candidates (this pane alone fills
  // them).
  std::array<std::vector<std::string>, 5> m_filled;
};

}  // namespace quotella
