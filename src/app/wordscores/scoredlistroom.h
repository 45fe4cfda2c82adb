#pragma once

#include <QObject>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "app/wordscores/scoredlistreader.h"

class QLabel;

namespace quotella {

class ActionTable;
struct WindowParts;

// The constructor's scored lists in the window: reads the lists the settings name at
// start-up and whenever those settings change (behind the window), puts them into the word
// sources for autofill and the scans, tells each problem of a list once, and counts the
// words in use in the status bar. Its commands save a word list with scores and add the
// puzzle's answers to the user's own list.
class ScoredListRoom : public QObject {
  Q_OBJECT
 public:
  explicit ScoredListRoom(WindowParts& parts);
  ~ScoredListRoom() override;

  // The settings were applied: the lists are read again when their choices changed.
  void SettingsApplied();
  // Reads the lists the settings name, whatever was read before.
  void ReadLists();
  bool reading() const { return m_reader.reading(); }
  QLabel* countLabel() const { return m_count; }

  // Save > "Wordlist n with Scores…": list n as "WORD;SCORE" lines, scores from the lists
  // in use, else the default score.
  void SaveListWithScores(int n);
  // "Add Answers to My List…": the puzzle's filled answers, with a score the user gives,
  // into the first scored list the settings name (a new one when none is named).
  void AddAnswersToMyList();
  // Some answer holds more than its initial.
  bool HasFilledAnswers() const;

 signals:
  // A read's result is in the word sources.
  void listsRead();

 private:
  void AddCommands(ActionTable& actions);
  ScoredWords ChoicesInForce() const;
  void ListsRead(const ScoredListReader::Result& result);
  // The score the user gives the answers; nothing when cancelled or not a score.
  std::optional<int> AskScore();
  // The list the answers go to; a new one is asked for when the settings name none.
  std::optional<std::string> TargetList(bool& isNew);
  void NameList(const std::string& path);

  WindowParts& m_parts;
  QLabel* m_count = nullptr;
  ScoredWords m_requested;  // the choices of the newest read (its table empty)
  bool m_readOnce = false;
  std::set<std::string> m_told;  // the problems of lists shown already
  // Last, so that it goes first: its workers end before the parts they report to.
  ScoredListReader m_reader;
};

}  // namespace quotella
