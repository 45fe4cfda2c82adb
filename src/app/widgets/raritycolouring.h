#pragma once

#include <QObject>

#include "search/rarity.h"

namespace quotella {

class MainWindow;

// The rarity colours of the answer table's initials: each letter's band, from the
// dictionary's word counts at start-up, or recounted from the letter files with the
// progress log on view ("Set rarity colors to Dictionary", once a run).
class RarityColouring : public QObject {
  Q_OBJECT
 public:
  explicit RarityColouring(MainWindow& window);

  // At start-up: the rarity order follows the frequency order, the bands the counts.
  void Init();
  void SetRarityColors1Click();

 private:
  void UpdateRarityColours();

  MainWindow& w;
  RarityColors m_colors;
};

}  // namespace quotella
