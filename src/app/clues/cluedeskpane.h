#pragma once

#include <QWidget>

#include "clues/cluechecks.h"
#include "clues/sense.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace quotella {

// The clue desk beside the clue list: the answer of the selected row with its
// enumeration, a box to write its clue in, the line of checks of that clue, and the
// senses of the answer (or of a synonym looked up from it), each with "Use as clue
// draft". It shows what it is given; ClueDeskRoom decides what that is.
class ClueDeskPane : public QWidget {
  Q_OBJECT
 public:
  explicit ClueDeskPane(QWidget* parent = nullptr);

  QLineEdit* clueBox() const { return m_clueBox; }
  QPushButton* writeButton() const { return m_write; }
  QLabel* answerLine() const { return m_answer; }
  QLabel* checkLine() const { return m_checks; }
  QLabel* lookedUpLine() const { return m_lookedUp; }
  // The "Use as clue draft" buttons, one per sense shown.
  QList<QPushButton*> draftButtons() const { return m_draftButtons; }

  // The row's answer and its clue; the box is filled only when the row or its stored clue
  // changed, so that a draft being edited is not overwritten.
  void showRow(const ClueCheck& check);
  // The senses of `word`, or `message` in their place (an unknown word, no database).
  // `answer` is the row's own answer, offered back when a synonym is shown.
  void showSenses(const QString& word, const QString& answer, const Definition& definition);

 signals:
  // The user asked for the senses of another word (a synonym, or back to the answer).
  void lookUpRequested(const QString& word);
  // Enter in the clue box or the "Write" button.
  void writeRequested();

 private:
  void clearSenses();
  QWidget* senseWidget(int number, const Sense& sense);

  QLabel* m_answer = nullptr;
  QLineEdit* m_clueBox = nullptr;
  QPushButton* m_write = nullptr;
  QLabel* m_checks = nullptr;
  QLabel* m_lookedUp = nullptr;
  QWidget* m_senses = nullptr;
  QVBoxLayout* m_sensesLayout = nullptr;
  QList<QPushButton*> m_draftButtons;
  int m_shownRow = -1;
  QString m_shownClue;
};

}  // namespace quotella
