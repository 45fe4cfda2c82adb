#include "search/rarity.h"

#include <algorithm>
#include <cstdio>

#include "core/poolstatus.h"
#include "core/textio.h"

namespace quotella {

Rgb RarityRgb(RarityBand band) {
  switch (band) {
    case RarityBand::Red:
      return {255, 0, 0};
    case RarityBand::Yellow:
      return {255, 255, 0};
    case RarityBand::SkyBlue:
      return {166, 202, 240};
    case RarityBand::MoneyGreen:
      return {192, 220, 192};
  }
  return {0, 0, 0};
}

RarityBand RarityColors::Of(char letter) const {
  const char up = UpperCase(std::string(1, letter))[0];
  if (!IsUpperLetter(up)) return RarityBand::MoneyGreen;
  return band[static_cast<std::size_t>(LetterIndex(up))];
}

void InitRarityColors(Tpuzzle& p, const LetterCounts& counts, RarityColors& colors,
                      std::vector<std::string>& log, Host& host) {
  std::vector<std::string> keys;
  keys.reserve(26);
  for (int l = 0; l < 26; ++l) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%06d%c", counts[static_cast<std::size_t>(l)], 'A' + l);
    keys.insert(std::upper_bound(keys.begin(), keys.end(), std::string(buf)), buf);
    host.ProcessPendingEvents();
  }
  p.RarityOrder.clear();
  for (std::size_t i = 0; i < keys.size(); ++i) {
    const std::string& key = keys[i];
    const char letter = UpperCase(key.substr(key.size() - 1))[0];
    p.RarityOrder.push_back(letter);
    RarityBand band = RarityBand::MoneyGreen;
    const char* name = "money green";
    if (i <= 5) {
      band = RarityBand::Red, name = "red ";
    } else if (i <= 13) {
      band = RarityBand::Yellow, name = "yellow";
    } else if (i <= 18) {
      band = RarityBand::SkyBlue, name = "skyblue";
    }
    colors.band[static_cast<std::size_t>(LetterIndex(letter))] = band;
    log.push_back(std::string(name) + " assigned to: " + letter + " " + key);
  }
}

bool SetRarityColorsToDict(PuzzleDocument& doc, WordSources& src, RarityColors& colors) {
  if (colors.recountDone) return false;
  Host& host = doc.host();
  src.ProgressLog.clear();
  colors.logVisible = true;
  src.ProgressLog.push_back("Finding word counts from Dictionary files");
  if (!GetDictWordCounts(src.DictionaryDir(), src.DictWordCounts, src.ProgressLog, host))
    return false;
  AssignDictRarityColors(doc, src, colors);
  return true;
}

void AssignDictRarityColors(PuzzleDocument& doc, WordSources& src, RarityColors& colors) {
  Host& host = doc.host();
  src.ProgressLog.clear();
  src.ProgressLog.push_back("Assigning colors based on rarity...");
  InitRarityColors(doc.P, src.DictWordCounts, colors, src.ProgressLog, host);
  doc.Notify(PuzzleDocument::Change::Table);
  for (int l = 0; l < 26; ++l)
    src.ProgressLog.push_back(std::string(1, static_cast<char>('A' + l)) + " : " +
                              std::to_string(src.DictWordCounts[static_cast<std::size_t>(l)]));
  host.Message(
      "Rarity colors in the Answer grid\r"
      "now reflect the actual number of words in the \r"
      "Dictionary files. There are 4 colors indicating \r"
      "in which order Answers should be filled in.\r"
      "\r"
      "Red    : Fill these first \r"
      "Yellow : Fill these second\r"
      "Blue   : Fill these third\r"
      "Green  : Fill these last");
  colors.logVisible = false;
  colors.recountDone = true;
}

bool ValidFreqOrder(const std::string& text) {
  const std::string t = Trim(text);
  if (t.size() != 26) return false;
  std::array<bool, 26> seen{};
  for (char c : t) {
    if (!IsUpperLetter(c)) return false;
    auto& s = seen[static_cast<std::size_t>(LetterIndex(c))];
    if (s) return false;
    s = true;
  }
  return true;
}

void ApplyFreqOrder(PuzzleDocument& doc, const std::string& freqOrder) {
  Tpuzzle& p = doc.P;
  p.FreqOrder = UpperCase(Trim(freqOrder));
  p.ReverseFreqOrder.assign(p.FreqOrder.rbegin(), p.FreqOrder.rend());
  p.ProblemSet.reset();
  const int n = std::clamp(p.NumProblemChars, 0, static_cast<int>(p.ReverseFreqOrder.size()));
  for (int i = 0; i < n; ++i)
    p.ProblemSet.set(static_cast<unsigned char>(p.ReverseFreqOrder[static_cast<std::size_t>(i)]));
  // A new puzzle starts from the settings' order: keep the edited one there too.
  doc.SettingsFreqString = p.FreqOrder;
  ResetPoolGrids(doc);
  // The alphabetical grid's Rank column follows the new order.
  for (int l = 0; l < 26; ++l) {
    const auto pos = p.FreqOrder.find(static_cast<char>('A' + l));
    doc.CharPoolGrid[static_cast<std::size_t>(l + 1)][2] =
        pos == std::string::npos ? std::string() : std::to_string(pos + 1);
  }
  RefreshPoolViews(doc);
  UpdateCharStatus(doc);  // the problem letters of the pool follow the new order
  doc.Notify(PuzzleDocument::Change::Pool);
}

bool SetLetterFrequency(PuzzleDocument& doc) {
  const std::string caption = "Letter Frequency, Most common to least common";
  const std::string label =
      "Must contain all 26 letters of the Alphabet!\r"
      "The rightmost 11 letters will be considered \r"
      "the \"Primary Problem Chars\" : ";
  std::string answer;
  do {
    const auto reply = doc.host().Prompt(caption, label, doc.P.FreqOrder);
    // Cancel answers the present order; when even that is unusable there is nothing to
    // apply, and asking again could never end.
    if (!reply && !ValidFreqOrder(doc.P.FreqOrder)) return false;
    answer = reply ? *reply : doc.P.FreqOrder;
  } while (!ValidFreqOrder(answer));
  ApplyFreqOrder(doc, answer);
  return true;
}

}  // namespace quotella
