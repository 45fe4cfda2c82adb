#include "core/poolstatus.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "core/answertable.h"
#include "core/poolstatistics.h"
#include "core/poolstatuspresenter.h"

namespace quotella {

namespace {

// The number of rarest letters that are always primary problem letters.
constexpr int kPrimaryProblemChars = 11;

bool ValidGridRow(int row) {
  return row >= 1 && row <= 26;
}

std::string RemoveChars(const std::string& s, const std::string& remove) {
  std::string out;
  for (char c : s) {
    const char up = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    if (remove.find(up) == std::string::npos) out += c;
  }
  return out;
}

// Letters of the pool repeated by their counts, alphabetical, for letters that pass keep.
template <typename Keep>
std::string RepeatedPoolLetters(const Tpuzzle& p, Keep keep) {
  std::string out;
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    const int count = p.PoolOf(letter);
    if (count > 0 && keep(letter)) out.append(static_cast<std::size_t>(count), letter);
  }
  return out;
}

}  // namespace

int PoolTotal(const Tpuzzle& p) {
  int sum = 0;
  for (int count : p.Pool) sum += count;
  return sum;
}

int PoolVowels(const Tpuzzle& p) {
  int sum = 0;
  for (char letter = 'A'; letter <= 'Z'; ++letter)
    if (InSet(p.VowelSet, letter)) sum += p.PoolOf(letter);
  return sum;
}

int PoolConsonants(const Tpuzzle& p) {
  int sum = 0;
  for (char letter = 'A'; letter <= 'Z'; ++letter)
    if (InSet(p.ConsonantSet, letter)) sum += p.PoolOf(letter);
  return sum;
}

std::string ProblemPoolString(const Tpuzzle& p) {
  return RepeatedPoolLetters(p, [&p](char letter) { return InSet(p.ProblemSet, letter); });
}

std::string PoolLetterString(const Tpuzzle& p) {
  return RepeatedPoolLetters(p, [](char) { return true; });
}

std::string FirstEleven(const Tpuzzle& p, const std::string& s) {
  if (p.NumProblemChars <= kPrimaryProblemChars) return {};
  const auto available = static_cast<int>(p.ReverseFreqOrder.size());
  const int last = std::min(p.NumProblemChars, available);
  std::string secondary;
  if (last > kPrimaryProblemChars)
    secondary = p.ReverseFreqOrder.substr(kPrimaryProblemChars,
                                          static_cast<std::size_t>(last - kPrimaryProblemChars));
  return RemoveChars(s, secondary);
}

std::string StripEleven(const Tpuzzle& p, const std::string& s) {
  return RemoveChars(s, p.ReverseFreqOrder.substr(0, kPrimaryProblemChars));
}

std::string FormatGeneral(double value, int significantDigits) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*g", significantDigits, value);
  return buffer;
}

void ResetPoolGrids(PuzzleDocument& doc) {
  auto& p = doc.P;
  p.ReverseFreqOrder.assign(p.FreqOrder.rbegin(), p.FreqOrder.rend());
  for (auto* grid : {&doc.CharPoolGrid, &doc.RankGrid, &doc.PoolNumSortGrid})
    (*grid)[0] = {"Char", "Pool", "Rank"};
  for (int row = 1; row <= 26; ++row) {
    auto& alpha = doc.CharPoolGrid[static_cast<std::size_t>(row)];
    alpha[0] = std::string(1, static_cast<char>('A' + row - 1));
    alpha[2].clear();
    auto& rank = doc.RankGrid[static_cast<std::size_t>(row)];
    rank[0] = row <= static_cast<int>(p.ReverseFreqOrder.size())
                  ? std::string(1, p.ReverseFreqOrder[static_cast<std::size_t>(row - 1)])
                  : std::string();
    rank[2] = std::to_string(27 - row);
  }
}

void UpdateRankSort(PuzzleDocument& doc) {
  for (int row = 1; row <= 26; ++row) {
    auto& line = doc.RankGrid[static_cast<std::size_t>(row)];
    if (line[0].size() == 1 && IsUpperLetter(line[0][0]))
      line[1] = std::to_string(doc.P.PoolOf(line[0][0]));
  }
}

void UpdateNumSort(PuzzleDocument& doc) {
  // Keys "count@3 letter@rank" sorted as text give ascending counts, and among equal
  // counts ascending letters; filled from the bottom row up.
  std::vector<std::string> keys;
  for (int row = 1; row <= 26; ++row) {
    const char letter = static_cast<char>('A' + row - 1);
    std::string count = std::to_string(doc.P.PoolOf(letter));
    if (count.size() < 3) count.insert(0, 3 - count.size(), '0');
    keys.push_back(count + " " + letter + "@" + doc.CharPoolGrid[static_cast<std::size_t>(row)][2]);
  }
  std::sort(keys.begin(), keys.end());
  for (std::size_t pos = 0; pos < keys.size(); ++pos) {
    const std::string& key = keys[pos];
    const std::size_t space = key.find(' ');
    const std::size_t at = key.find('@');
    std::string count = key.substr(0, space);
    while (count.size() > 1 && count[0] == '0') count.erase(0, 1);
    auto& line = doc.PoolNumSortGrid[26 - pos];
    line[0] = key.substr(space + 1, at - space - 1);
    line[1] = count;
    line[2] = key.substr(at + 1);
  }
}

void RefreshPoolViews(PuzzleDocument& doc) {
  for (int row = 1; row <= 26; ++row)
    doc.CharPoolGrid[static_cast<std::size_t>(row)][1] =
        std::to_string(doc.P.PoolOf(static_cast<char>('A' + row - 1)));
  UpdateRankSort(doc);
  UpdateNumSort(doc);
  doc.Notify(PuzzleDocument::Change::Pool);
}

std::string GiveHint(PuzzleDocument& doc, const std::string& text) {
  std::string hint = text;
  if (hint.empty()) {
    // The problem letters are taken from the pool as it is now, so the hint never lags
    // one change behind.
    const PoolStatistics s = ComputePoolStatistics(doc);
    doc.P.ProblemPoolStr = s.problemPool;
    if (s.total != 0) doc.PrimaryProblemStr = s.primaryProblems;
    hint = PoolStatusPresenter::Hint(s);
  }
  PoolStatusPresenter(doc.host()).ShowHint(hint);
  return hint;
}

void StorePoolFigures(PuzzleDocument& doc, const PoolStatistics& s) {
  auto& p = doc.P;
  p.AvgWordLength = s.avgWordLength;
  p.VowelPercent = 100.0 * s.vowelShare;
  p.ProblemPoolStr = s.problemPool;
  doc.PrimaryProblemStr = s.primaryProblems;
  if (!doc.view().ShowProblemChars) p.PoolLetters = s.poolLetters;
}

void ShowPoolStatus(const PuzzleDocument& doc) {
  PoolStatusPresenter(doc.host()).Show(ComputePoolStatistics(doc), doc.view().ShowProblemChars);
}

void UpdateCharStatus(PuzzleDocument& doc) {
  const PoolStatistics s = ComputePoolStatistics(doc);
  StorePoolFigures(doc, s);
  PoolStatusPresenter(doc.host()).Show(s, doc.view().ShowProblemChars);
}

void SetPoolView(PuzzleDocument& doc, int view) {
  switch (view) {
    case 0:
      break;
    case 1:
      UpdateRankSort(doc);
      break;
    case 2:
      doc.host().PlaySound("type0");
      UpdateNumSort(doc);
      break;
    default:
      return;
  }
  doc.view().PoolView = view;
  doc.Notify(PuzzleDocument::Change::Pool);
}

const PuzzleDocument::PoolGrid& VisiblePoolGrid(const PuzzleDocument& doc) {
  switch (doc.view().PoolView) {
    case 1:
      return doc.RankGrid;
    case 2:
      return doc.PoolNumSortGrid;
    default:
      return doc.CharPoolGrid;
  }
}

bool PoolGridDblClick(PuzzleDocument& doc, int col, int row) {
  if (!ValidGridRow(row)) return false;
  const std::string letter = VisiblePoolGrid(doc)[static_cast<std::size_t>(row)][0];
  if (letter.empty()) return false;
  std::string& must = doc.Conditions.mustHave;
  if (col == 1) {
    must += letter;
  } else if (col == 2) {
    const std::size_t pos = must.find(letter);
    if (pos == std::string::npos) return false;
    must.erase(pos, 1);
  } else {
    return false;
  }
  doc.Notify(PuzzleDocument::Change::Pool);
  return true;
}

std::string LockPopupCaption(const PuzzleDocument& doc, int row) {
  const bool locked = ValidGridRow(row) && doc.LetterLocked[static_cast<std::size_t>(row - 1)];
  return locked ? "Free Character" : "Lock Character";
}

void LockPopupClick(PuzzleDocument& doc, int row) {
  if (!ValidGridRow(row)) return;
  auto& locked = doc.LetterLocked[static_cast<std::size_t>(row - 1)];
  locked = !locked;
  doc.Notify(PuzzleDocument::Change::Pool);
}

void StatusBar1DblClick(PuzzleDocument& doc) {
  doc.view().ShowProblemChars = !doc.view().ShowProblemChars;
  UpdateCharStatus(doc);
}

}  // namespace quotella
