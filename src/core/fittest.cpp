#include "core/fittest.h"

#include "core/textio.h"

namespace quotella {

bool WordFitsPool(const std::string& word, char initial, const LetterCounts& pool,
                  const std::array<bool, 26>& locked, const ScanConditions* conditions) {
  if (word.empty()) return false;
  const std::string w = UpperCase(word);
  const char first = UpperCase(std::string(1, initial))[0];
  if (!IsUpperLetter(first) || w[0] != first) return false;
  for (char c : w) {
    if (!IsUpperLetter(c)) return false;  // braces and bar survive the filters: never a fit
    if (locked[static_cast<std::size_t>(LetterIndex(c))]) return false;
  }
  LetterCounts count{};
  for (std::size_t i = 1; i < w.size(); ++i) ++count[static_cast<std::size_t>(LetterIndex(w[i]))];
  for (std::size_t l = 0; l < 26; ++l)
    if (count[l] > pool[l]) return false;

  if (conditions == nullptr || !conditions->on) return true;
  const std::string must = Trim(UpperCase(conditions->mustHave));
  if (!must.empty()) {
    LetterCounts need{};
    for (char c : must)
      if (IsUpperLetter(c)) ++need[static_cast<std::size_t>(LetterIndex(c))];
    for (std::size_t l = 0; l < 26; ++l)
      if (need[l] > count[l]) return false;
  }
  const int len = static_cast<int>(w.size());
  if (conditions->maxLength > 0 && len > conditions->maxLength) return false;
  if (conditions->minLength > 0 && len < conditions->minLength) return false;
  return true;
}

bool WordFits(const PuzzleDocument& doc, const std::string& word, int row,
              const ScanConditions* conditions) {
  if (!StringTable::Valid(1, row)) return false;
  const std::string& initial = doc.KeyWords.At(1, row);
  if (initial.empty()) return false;  // no puzzle row here: nothing fits
  return WordFitsPool(word, initial[0], doc.P.Pool, doc.LetterLocked, conditions);
}

}  // namespace quotella
