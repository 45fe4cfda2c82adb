#pragma once

#include <string>

#include "core/host.h"
#include "core/poolstatistics.h"

namespace quotella {

// The panel texts of the pool status, one per panel of the two small status bars under
// the pool, and the main status bar's hint (panel 2) and letters (panel 3).
struct PoolStatusTexts {
  std::string averageLength;  // CharStatus2 panel 0
  std::string poolTotal;      // CharStatus2 panel 1
  std::string consonants;     // CharStatus2 panel 2
  std::string vowels;         // CharStatus2 panel 3
  std::string vowelShare;     // CharStatus2 panel 4
  std::string cell;           // CharStatus1 panel 0
  std::string letter;         // CharStatus1 panel 1
  std::string row;            // CharStatus1 panel 2
  std::string emptyWords;     // CharStatus1 panel 3
  std::string hint;           // Main panel 2
  std::string letters;        // Main panel 3

  bool operator==(const PoolStatusTexts&) const = default;
};

// Turns pool statistics into the texts the status bars show and hands them to the host.
class PoolStatusPresenter {
 public:
  explicit PoolStatusPresenter(Host& host) : m_host(&host) {}

  // The texts for the statistics; the main bar lists the problem letters when
  // showProblemChars is set, else every pool letter.
  static PoolStatusTexts Texts(const PoolStatistics& s, bool showProblemChars);
  // What to use up next: "Puzzle is complete!" for an empty pool, else the problem
  // letters when there are more primary ones than empty words, else consonants or vowels
  // when the vowel share is below 0.35 or above 0.5, else the problem letters.
  static std::string Hint(const PoolStatistics& s);

  // Every panel.
  void Show(const PoolStatistics& s, bool showProblemChars) const;
  // The hint panel alone.
  void ShowHint(const std::string& hint) const;

 private:
  Host* m_host;
};

}  // namespace quotella
