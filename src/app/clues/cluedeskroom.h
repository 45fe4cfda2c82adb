#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <vector>

#include "clues/cluechecks.h"

class QLabel;
class QTimer;

namespace quotella {

class ClueDeskPane;
class Stemmer;
class ViewTable;
class WordNet;
struct WindowParts;

// Joins the clue desk to the window: its view ("Clue Desk": the clue list with the desk
// beside it) and its commands, the answer row it follows, the marks of the clue list's
// rows whose clue needs a look, and the count in the status bar. Checks are redone once
// after each change of the puzzle, when the change is complete. Senses are looked up at once
// for another row, and for a row being typed in only once typing pauses, so typing in the
// answer table is not held up.
class ClueDeskRoom : public QObject {
  Q_OBJECT
 public:
  explicit ClueDeskRoom(WindowParts& parts);
  ~ClueDeskRoom() override;

  // After the action and view tables exist.
  void Connect(ViewTable& views);

  ClueDeskPane* pane() const;
  QLabel* countLabel() const { return m_count; }
  const std::vector<ClueCheck>& checks() const { return m_checks; }

  // View > "Clue Desk".
  void ShowDesk();
  // The desk's clue box into the clue of the row it shows.
  void WriteDeskClue();

 private:
  void Schedule();
  void Refresh();
  void MarkClueList();
  void LookUp(const QString& word);
  void LookUpAnswer();

  WindowParts& m_parts;
  std::unique_ptr<WordNet> m_wordnet;
  std::unique_ptr<Stemmer> m_stemmer;
  QLabel* m_count = nullptr;
  std::vector<ClueCheck> m_checks;
  bool m_scheduled = false;
  QTimer* m_typingPause = nullptr;
  int m_row = -1;
  QString m_answer;    // the row's answer when it was last looked up
  QString m_lookedUp;  // the word whose senses are shown
};

}  // namespace quotella
