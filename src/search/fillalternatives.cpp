#include "search/fillalternatives.h"

#include <algorithm>
#include <map>
#include <set>

#include "core/answertable.h"
#include "core/assignment.h"
#include "core/textio.h"
#include "search/fillcandidates.h"
#include "search/fillquality.h"

namespace quotella {
namespace {

std::array<std::uint8_t, 32> LettersAfterInitial(const std::string& word) {
  std::array<std::uint8_t, 32> c{};
  for (std::size_t k = 1; k < word.size(); ++k)
    if (IsUpperLetter(word[k])) ++c[static_cast<std::size_t>(LetterIndex(word[k]))];
  return c;
}

std::uint64_t HashOf(const std::array<std::uint8_t, 32>& c) {
  std::uint64_t h = 0;
  for (std::size_t l = 0; l < 26; ++l) h += c[l] * FillCandidates::LetterKey(l);
  return h;
}

}  // namespace

std::vector<AutofillAlternative> OtherAnswers(const PuzzleDocument& doc, int row,
                                              const AutofillWordSource& words,
                                              const AutofillOptions& options) {
  std::vector<AutofillAlternative> result;
  if (row < 0 || row >= doc.P.NumWords || doc.KeyWords.At(2, row).empty()) return result;
  const std::string current = UpperCase(Keystring(doc, row));
  // The rows holding words, and whether any other row is still empty.
  std::vector<int> filled;
  bool otherEmpty = false;
  for (int r = 0; r < doc.P.NumWords && r < kTableSize; ++r) {
    if (r == row || doc.KeyWords.At(1, r).empty()) continue;
    if (doc.KeyWords.At(2, r).empty())
      otherEmpty = true;
    else
      filled.push_back(r);
  }
  // One table per initial of the rows involved, over every letter a row could hold.
  AutofillProblem problem;
  problem.pool = doc.P.Pool;
  problem.locked = doc.LetterLocked;
  std::map<int, std::string> wordOf;
  wordOf[row] = current;
  for (int r : filled) wordOf[r] = UpperCase(Keystring(doc, r));
  for (const auto& [r, w] : wordOf) {
    for (std::size_t k = 1; k < w.size(); ++k)
      if (IsUpperLetter(w[k])) ++problem.pool[static_cast<std::size_t>(LetterIndex(w[k]))];
    problem.rowSlots.push_back({r, w[0]});
  }
  AutofillOptions o = options;
  o.exclude.clear();
  o.excludeStems.clear();
  const std::string& quote = doc.P.QuoteOrig.empty() ? doc.P.MasterQuote : doc.P.QuoteOrig;
  for (const auto& w : QuotationWords(quote)) o.exclude.insert(w);
  const FillCandidates cands(problem, words, o);
  std::map<int, std::size_t> slotOf;
  for (std::size_t s = 0; s < problem.rowSlots.size(); ++s) slotOf[problem.rowSlots[s].row] = s;
  const FillWordTable& mine = cands.Table(slotOf[row]);

  std::multiset<std::string> stems;  // of every answer but this row's
  for (int r : filled) stems.insert(StemOf(wordOf[r]));
  std::array<std::uint8_t, 32> free = LettersAfterInitial(current);
  for (std::size_t l = 0; l < 26; ++l)
    free[l] = static_cast<std::uint8_t>(free[l] + std::max(doc.P.Pool[l], 0));

  struct Ranked {
    AutofillAlternative alt;
    bool trade;
    float penalty;
  };
  std::vector<Ranked> ranked;
  for (std::uint32_t a = 0; a < mine.Size(); ++a) {
    if (mine.words[a] == current || stems.count(StemOf(mine.words[a])) != 0) continue;
    const std::uint8_t* ra = mine.Row(a);
    bool fits = true, exact = true;
    for (std::size_t l = 0; l < 26; ++l) {
      fits &= ra[l] <= free[l];
      exact &= ra[l] == free[l];
    }
    if (otherEmpty ? fits : exact)
      ranked.push_back({{mine.words[a], -1, {}}, false, mine.penalty[a]});
  }
  std::set<std::string> alone;  // a word that fits alone is not offered again with a trade
  for (const auto& r : ranked) alone.insert(r.alt.word);
  if (!otherEmpty && PoolIsEmpty(doc)) {
    for (int other : filled) {
      const FillWordTable& theirs = cands.Table(slotOf[other]);
      const std::string& was = wordOf[other];
      std::array<std::uint8_t, 32> both = free;
      const auto add = LettersAfterInitial(was);
      for (std::size_t l = 0; l < 26; ++l) both[l] = static_cast<std::uint8_t>(both[l] + add[l]);
      const std::uint64_t hash = HashOf(both);
      std::multiset<std::string> others = stems;
      others.erase(others.find(StemOf(was)));
      for (std::uint32_t a = 0; a < mine.Size(); ++a) {
        const std::string& wa = mine.words[a];
        if (wa == current || alone.count(wa) != 0) continue;
        const std::uint8_t* ra = mine.Row(a);
        bool fits = true;
        for (std::size_t l = 0; l < 26; ++l) fits &= ra[l] <= both[l];
        if (!fits) continue;
        const std::string stemA = StemOf(wa);
        if (others.count(stemA) != 0) continue;
        const std::uint64_t h = hash - mine.hash[a];
        auto it =
            std::lower_bound(theirs.byHash.begin(), theirs.byHash.end(), std::make_pair(h, 0u));
        for (; it != theirs.byHash.end() && it->first == h; ++it) {
          const std::uint32_t b = it->second;
          const std::string& wb = theirs.words[b];
          if (wb == was) continue;  // then wa alone would do, and is listed as such
          bool same = true;
          for (std::size_t l = 0; l < 26; ++l)
            same &= static_cast<std::uint8_t>(ra[l] + theirs.Row(b)[l]) == both[l];
          const std::string stemB = StemOf(wb);
          if (!same || stemB == stemA || others.count(stemB) != 0) continue;
          ranked.push_back({{wa, other, wb}, true, mine.penalty[a] + theirs.penalty[b]});
        }
      }
    }
  }
  std::stable_sort(ranked.begin(), ranked.end(), [](const Ranked& x, const Ranked& y) {
    if (x.trade != y.trade) return !x.trade;
    return x.penalty < y.penalty;
  });
  for (auto& r : ranked) result.push_back(std::move(r.alt));
  return result;
}

std::string AlternativeText(const PuzzleDocument& doc, const AutofillAlternative& alternative) {
  if (alternative.otherRow < 0) return alternative.word;
  return alternative.word + " (" + doc.Label(alternative.otherRow) + ": " + alternative.otherWord +
         ")";
}

bool LayAlternative(PuzzleDocument& doc, int row, const AutofillAlternative& alternative) {
  ClearWord1Click(doc, TablePos{0, row}, false);
  if (alternative.otherRow >= 0) ClearWord1Click(doc, TablePos{0, alternative.otherRow}, false);
  bool ok = LayInString(doc, alternative.word, row);
  if (alternative.otherRow >= 0)
    ok = LayInString(doc, alternative.otherWord, alternative.otherRow) && ok;
  doc.PuzzleChanged = true;
  return ok;
}

}  // namespace quotella
