#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "search/autofill.h"

namespace quotella {

// The words one initial may take, laid out for fast distance and pair look-ups.
struct FillWordTable {
  char initial = 'A';
  std::vector<std::string> words;
  // Letter-major counts of the letters after the initial: counts[l * stride + i] is how
  // often letter l occurs in word i. The stride is the word count rounded up to 16; the
  // lanes past the last word hold 0.
  std::vector<std::uint8_t> counts;
  std::size_t stride = 0;
  // Row-major copy padded to 32 lanes: rows[i * 32 + l], for whole-word comparisons.
  std::vector<std::uint8_t> rows;
  std::vector<std::uint64_t> hash;  // additive letter-count hash of the letters after the initial
  // Letters taken from the pool; 0 in the lanes past the last word.
  std::vector<std::uint8_t> length;
  int maxLength = 0;
  // The letters after the initial, each counted as often as FillCandidates::LetterWeights
  // says; 0 in the lanes past the last word.
  std::vector<std::uint8_t> weighed;
  int maxWeighed = 0;
  std::vector<float> penalty;       // WordPenalty of the word
  std::vector<std::uint32_t> stem;  // stem id, shared by all tables of one FillCandidates
  std::vector<std::uint8_t> familiar;
  std::vector<std::int8_t> score;  // the word's score in the constructor's lists; -1: none
  std::vector<std::pair<std::uint64_t, std::uint32_t>> byHash;  // sorted (hash, word)
  std::unordered_map<std::string, std::uint32_t> index;

  std::size_t Size() const { return words.size(); }
  std::uint8_t Count(std::size_t letter, std::size_t word) const {
    return counts[letter * stride + word];
  }
  const std::uint8_t* Row(std::size_t word) const { return &rows[word * 32]; }
};

// The candidates of every slot of a problem: words with the slot's initial, of the
// allowed lengths and rarity, holding no locked letter, not excluded (by word or by
// stem) and whose letters after the initial fit inside the pool. Slots of one initial
// share a table. Sorted by penalty (which follows WordStanding), then alphabetically, so the order
// is reproducible.
class FillCandidates {
 public:
  // `halt` is asked between tables and every few thousand words; when it says so the
  // building ends at once and Halted() tells that the tables are not complete.
  FillCandidates(const AutofillProblem& problem, const AutofillWordSource& source,
                 const AutofillOptions& options, const std::function<bool()>& halt = {});

  bool Halted() const { return m_halted; }

  std::size_t Slots() const { return m_slotTable.size(); }
  const FillWordTable& Table(std::size_t slot) const { return m_tables[m_slotTable[slot]]; }
  std::size_t TableOf(std::size_t slot) const { return m_slotTable[slot]; }
  std::size_t StemCount() const { return m_stemCount; }
  const LetterCounts& Pool() const { return m_pool; }
  int PoolTotal() const { return m_poolTotal; }

  // A proof that no fill exists, cheap to check: a slot without candidates, a pool letter
  // that the candidates together cannot take, or a pool too long or too short for every
  // choice of lengths. Empty when none applies.
  std::string Impossibility() const;

  // The quality of a fill given by word indices (lower is better): word penalties plus
  // the length balance. familiar gets the number of familiar or list words.
  double Penalty(const std::vector<std::uint32_t>& choice, int* familiar = nullptr) const;
  // The same for a fill of words; a word outside the tables costs the most.
  double Penalty(const std::vector<std::string>& words, int* familiar = nullptr) const;
  // Sets the fill's count and sum of scored words from the tables' scores.
  void NoteScores(AutofillFill& fill) const;

  static std::uint64_t LetterKey(std::size_t letter);

  // How much each letter counts when the local search measures how far a word is from
  // what a row needs: 1, or more for a letter the pool holds far more often than the
  // candidates do (a pool heavy in H or F), which is the hardest to place and so worth
  // placing first.
  const std::array<int, 26>& LetterWeights() const { return m_letterWeights; }

 private:
  std::vector<FillWordTable> m_tables;
  std::vector<std::size_t> m_slotTable;
  std::size_t m_stemCount = 0;
  LetterCounts m_pool{};
  int m_poolTotal = 0;
  std::array<int, 26> m_letterWeights{};
  bool m_halted = false;

  void WeighLetters();
};

}  // namespace quotella
