#pragma once

#include <QObject>

#include "search/rarity.h"

namespace quotella {

class AnswerPane;
class BackgroundWork;
class Host;
class PuzzleDocument;
class WordListPane;
struct WordSources;

// The rarity colours of the answer table's initials: each letter's band, from the
// dictionary's word counts at start-up, or recounted from the letter files with the
// progress log on view ("Set rarity colors to Dictionary", once a run).
class RarityColouring : public QObject {
  Q_OBJECT
 public:
  RarityColouring(PuzzleDocument& doc, WordSources& sources, Host& host, AnswerPane& answer,
                  WordListPane& lists);

  // At start-up: the rarity order follows the frequency order, the bands the counts.
  void Init();
  // Counts the letter files in `work`; the colours follow when the count is done.
  void SetRarityColors1Click(BackgroundWork& work);

 private:
  void UpdateRarityColours();

  PuzzleDocument& m_doc;
  WordSources& m_sources;
  Host& m_host;
  AnswerPane& m_answer;
  WordListPane& m_lists;
  RarityColors m_colors;
};

}  // namespace quotella
