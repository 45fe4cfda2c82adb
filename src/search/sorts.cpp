#include "search/sorts.h"

#include <algorithm>
#include <cstdio>

#include "core/answertable.h"
#include "core/textio.h"
#include "search/scan.h"
#include "search/wordsource.h"

namespace quotella {

namespace {

char Upper(char c) {
  return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string Padded(int value, int width) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%0*d", width, value);
  return buf;
}

// Sorts keyed entries ascending case-insensitively, then reverses the whole list: the
// largest key first, equal keys in reverse alphabetical order. Then the keys go.
void SortKeyedDescending(std::vector<std::string>& list, std::size_t keyWidth) {
  std::stable_sort(list.begin(), list.end(), LessNoCase);
  std::reverse(list.begin(), list.end());
  for (auto& entry : list) entry.erase(0, keyWidth);
}

std::string AfterInitial(const std::string& word) {
  return word.empty() ? std::string() : word.substr(1);
}

}  // namespace

int NumProblemChars(const Tpuzzle& p, const std::string& text) {
  int n = 0;
  for (char c : text)
    if (InSet(p.ProblemSet, Upper(c))) ++n;
  return n;
}

int NumPrimaryProblemChars(const Tpuzzle& p, const std::string& text) {
  // The 11 least common letters: the tail of the frequency order.
  const std::string& order = p.FreqOrder;
  const std::string primary = order.size() > 11 ? order.substr(order.size() - 11) : order;
  int n = 0;
  for (char c : text)
    if (primary.find(Upper(c)) != std::string::npos) ++n;
  return n;
}

int RarityScore(const std::string& freqOrder, const std::string& text) {
  int score = 0;
  for (char c : text) {
    const std::size_t at = freqOrder.find(Upper(c));
    if (at == std::string::npos) continue;
    const int q = static_cast<int>(at) + 1;
    if (q >= 7 && q <= 13) {
      score += 2 * q;
    } else if (q >= 15) {
      score += 3 * q;
    } else {
      score += q;
    }
  }
  return score;
}

void SortByLength(std::vector<std::string>& list) {
  std::size_t longest = 0;
  for (const auto& w : list) longest = std::max(longest, w.size());
  std::vector<std::string> sorted;
  sorted.reserve(list.size());
  for (std::size_t len = longest; len >= 1; --len)
    for (const auto& w : list)
      if (w.size() == len) sorted.push_back(w);
  list = std::move(sorted);
}

void SortByVowelPercent(std::vector<std::string>& list) {
  for (auto& w : list) {
    int vowels = 0;
    for (char c : w)
      if (std::string_view("AEIOU").find(Upper(c)) != std::string_view::npos) ++vowels;
    const double percent = w.empty() ? 0.0 : vowels * 100.0 / static_cast<double>(w.size());
    w = FixedNumber(percent, 3, 2) + "@" + w;
  }
  std::sort(list.begin(), list.end(), LessNoCase);
  for (auto& w : list) w.erase(0, w.find('@') + 1);
}

void SortbyProblemChars(const Tpuzzle& p, std::vector<std::string>& list, bool all) {
  for (auto& w : list) {
    const std::string rest = AfterInitial(w);
    w = Padded(all ? NumProblemChars(p, rest) : NumPrimaryProblemChars(p, rest), 3) + w;
  }
  SortKeyedDescending(list, 3);
}

void SortByRarity(const Tpuzzle& p, std::vector<std::string>& list) {
  for (auto& w : list) {
    const std::string firstFive = AfterInitial(w).substr(0, 5);
    w = Padded(RarityScore(p.FreqOrder, firstFive), 5) + w;
  }
  SortKeyedDescending(list, 5);
}

void SortByScore(std::vector<std::string>& list, const ScoredWords& words) {
  struct Ranked {
    int score;
    std::string word;
  };
  std::vector<Ranked> ranked;
  ranked.reserve(list.size());
  for (auto& w : list) ranked.push_back({words.table.ScoreOf(w), std::move(w)});
  // Stable: the unlisted (score -1) keep their order at the end.
  std::stable_sort(ranked.begin(), ranked.end(), [](const Ranked& a, const Ranked& b) {
    if (a.score != b.score) return a.score > b.score;
    return a.score >= 0 && LessNoCase(a.word, b.word);
  });
  for (std::size_t i = 0; i < list.size(); ++i) list[i] = std::move(ranked[i].word);
}

std::string CandidateScoreText(const ScoredWords& words, const std::string& candidate) {
  const int score = words.table.ScoreOf(candidate);
  return score < 0 ? std::string() : std::to_string(score);
}

void SortCandidates(PuzzleDocument& doc, WordSources& src, CandidateSort sort) {
  switch (sort) {
    case CandidateSort::Length:
      SortByLength(src.Candidates);
      doc.host().PlaySound("ding");
      break;
    case CandidateSort::VowelPercent:
      SortByVowelPercent(src.Candidates);
      doc.host().PlaySound("ding");
      doc.host().PlaySound("ding");
      break;
    case CandidateSort::AllProblems:
      doc.P.AllProblemChars = true;
      SortbyProblemChars(doc.P, src.Candidates, true);
      break;
    case CandidateSort::PrimaryProblems:
      doc.P.AllProblemChars = false;
      SortbyProblemChars(doc.P, src.Candidates, false);
      break;
    case CandidateSort::Rarity:
      SortByRarity(doc.P, src.Candidates);
      break;
    case CandidateSort::Score:
      if (src.Scored) SortByScore(src.Candidates, *src.Scored);
      break;
  }
}

bool FindWordsUsingMostProblemChars(PuzzleDocument& doc, WordSources& src,
                                    const ProblemSearchParams& params) {
  src.Candidates.clear();
  std::string initials;
  for (int row = 0; row < doc.P.NumWords && row < kTableSize; ++row) {
    const std::string word = Keystring(doc, row);
    if (word.size() >= 2 || word.empty()) continue;
    const char initial = Upper(word[0]);
    if (initials.find(initial) == std::string::npos) initials.push_back(initial);
  }

  // The conditions count here whatever the state of the switch.
  const ScanConditions saved = doc.Conditions;
  doc.Conditions.on = true;
  const std::size_t perLetter = static_cast<std::size_t>(std::max(0, params.wordsPerLetter));
  bool anyRead = initials.empty();
  for (char initial : initials) {
    if (doc.host().ProcessPendingEvents()) break;  // Esc keeps what was found so far
    const int row = GetFirstFreeRow(doc, initial);
    if (row < 0) continue;
    doc.view().CurRow = row;
    std::vector<std::string> fitting;
    if (ScanDictionary(doc, src, true, fitting)) anyRead = true;
    std::vector<std::string> scratch;
    for (auto& w : fitting)
      if (NumProblemChars(doc.P, w) >= params.minProblems) scratch.push_back(std::move(w));
    SortbyProblemChars(doc.P, scratch, false);
    if (scratch.size() > perLetter) scratch.resize(perLetter);
    src.Candidates.insert(src.Candidates.end(), scratch.begin(), scratch.end());
  }
  doc.Conditions = saved;

  src.Pane = ListPane::Candidates;
  src.ListLabelVisible = false;
  SortbyProblemChars(doc.P, src.Candidates, true);
  if (src.Candidates.empty()) src.Candidates.push_back("No words found for this search");
  return anyRead;
}

}  // namespace quotella
