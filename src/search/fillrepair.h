#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <set>
#include <utility>
#include <vector>

#include "search/fillcandidates.h"

namespace quotella {

// Trades the costliest answers of a fill for cheaper ones without touching the pool.
//
// For each answer that costs more than the cheapest word of its row by a clear margin
// (a rare word, a word WordNet does not know), costliest first, it refills that row
// together with two other rows from exactly the letters the three hold: the words of the
// first two rows are drawn from those that fit the three rows' letters, the third is
// looked up by the letters that remain through the additive letter-count hashes. The
// best trade over every choice of the two other rows is taken when it lowers the fill's
// cost (FillCandidates::Penalty), and the pass starts again, until no answer can be
// traded. Pairs of rows are the local search's polish; this reaches the trades that need
// a third word. The new words come from the candidate tables, so every word and stem the
// options exclude stays out, and no two answers share a stem. The order of the work is
// fixed, so equal input gives equal trades.
class FillRepair {
 public:
  // `totalWork` is the most candidates it weighs over all its repairs, `answerWork` the most
  // for one answer, which is then given up (a trade of a long answer may take most of it to
  // find; an answer without one costs all). Counted in work, so that where it stops does not
  // depend on how busy the machine is.
  FillRepair(const FillCandidates& candidates, std::uint64_t answerWork, std::uint64_t totalWork);

  // Asked every few thousand candidates weighed; true ends Repair at once, with the trades
  // made so far.
  void SetHalt(std::function<bool()> halt) { m_halt = std::move(halt); }

  // Trades what it can in a complete fill (word indices per slot); true when anything
  // changed. The letters used stay the same. An answer that found no trade in one fill is
  // not weighed again in a later one.
  bool Repair(std::vector<std::uint32_t>& choice);

  // Some answer of the fill is costly enough to trade away (a word WordNet does not know).
  bool Worth(const std::vector<std::uint32_t>& choice) const { return !Targets(choice).empty(); }

  // Candidates weighed so far.
  std::uint64_t Work() const { return m_work; }

 private:
  using Letters = std::array<std::uint8_t, 32>;
  struct Trade {
    std::array<std::size_t, 3> slots{};
    std::array<std::uint32_t, 3> words{};
    double penalty = 0;
  };

  std::vector<std::size_t> Targets(const std::vector<std::uint32_t>& choice) const;
  std::vector<std::pair<std::size_t, std::size_t>> Partners(
      const std::vector<std::uint32_t>& choice, std::size_t target) const;
  bool FindTrade(std::vector<std::uint32_t>& choice, std::size_t target, Trade& trade);
  bool TryPartners(std::vector<std::uint32_t>& choice, const std::array<std::size_t, 3>& slots,
                   Trade& trade);
  void Fitting(const FillWordTable& t, const Letters& room, float most,
               std::vector<std::uint32_t>& out);
  bool Halting();
  bool Spent();  // halted, or the work for one answer or for all is used up

  const FillCandidates& m_cands;
  std::uint64_t m_answerWork;
  std::uint64_t m_totalWork;
  std::vector<std::uint16_t> m_stemUse;
  std::array<std::vector<std::uint32_t>, 3> m_fits;  // the words that fit, per trade tried
  std::vector<std::uint64_t> m_thirdBits;
  std::set<std::pair<std::size_t, std::uint32_t>> m_givenUp;  // (row, word) without a trade
  std::function<bool()> m_halt;
  std::uint64_t m_work = 0;
  std::uint64_t m_nextHaltCheck = 0;
  std::uint64_t m_workEnd = 0;

  bool m_halted = false;
};

}  // namespace quotella
