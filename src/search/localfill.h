#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "search/fillcandidates.h"

namespace quotella {

// A fill as word indices into the slots' tables, with its quality.
struct RankedFill {
  std::vector<std::uint32_t> choice;
  double penalty = 0;  // lower is better
  int familiar = 0;
};

// One chain of the local search.
//
// The state is a complete fill: one candidate per slot, however wrong. D is the pool
// less the letters the chosen words take (signed, per letter) and the cost is the sum of
// |D|; cost 0 is a fill. A step picks a slot at random and compares every candidate of
// the slot with what the rest leaves it (D plus its current word) in one pass over the
// letter-major counts, then draws among the candidates within a small margin of the
// nearest with weight exp(-(distance - nearest) / T). No two slots hold words of one stem:
// a word whose stem another slot holds is passed over. Once a fill is known the chain
// improves it: the distance also counts each word's penalty, and every fill met is
// polished by trading the words of two slots for two better ones with exactly the same
// letters, found through the additive letter-count hashes. Same seed, same steps.
class LocalFillChain {
 public:
  static constexpr std::uint32_t kNone = 0xFFFFFFFFu;

  LocalFillChain(const FillCandidates& candidates, std::uint64_t seed, std::size_t keep);

  // Asked every few thousand candidates weighed; true ends Search, Improve and Polish at
  // once (a polished fill keeps the trades made so far). Without it they run their work out.
  void SetHalt(std::function<bool()> halt) { m_halt = std::move(halt); }

  // Steps until `work` candidates were weighed or the state is a fill; true on a fill.
  bool Search(std::uint64_t work);
  // Starts the search again from a fresh first fill drawn with this seed; the best state
  // seen so far is kept.
  void Restart(std::uint64_t seed);
  // Starts the improvement from a fill (word indices per slot).
  void StartImproving(const std::vector<std::uint32_t>& fill);
  // Steps for `work` candidates, keeping the best distinct fills met.
  void Improve(std::uint64_t work);

  int Cost() const { return m_cost; }
  // Cost 0 with a word in every slot.
  bool IsFill() const { return m_cost == 0 && m_unset == 0; }
  const std::vector<std::uint32_t>& Choice() const { return m_choice; }
  int BestCost() const { return m_bestCost; }
  // The rows of the lowest-cost state seen that fit the pool together (kNone elsewhere),
  // as many as a greedy drop of over-used words keeps.
  std::vector<std::uint32_t> BestPartial() const;
  // The best distinct fills met, best first.
  const std::vector<RankedFill>& Fills() const { return m_fills; }
  std::uint64_t Steps() const { return m_steps; }

  // Trades pairs of words for better pairs with the same letters until none is left.
  // The letters used stay the same.
  void Polish(std::vector<std::uint32_t>& choice);

 private:
  std::uint64_t Next();
  double Uniform() { return static_cast<double>(Next() >> 11) * 0x1.0p-53; }
  void Step(std::size_t slot, bool improving);
  void NarrowDistances(const FillWordTable& t, const std::array<int, 26>& target, int bound,
                       bool weighted);
  double NearestByByte(const FillWordTable& t, std::uint32_t cur);
  double NearestByWord(const FillWordTable& t, const std::array<int, 26>& target, std::uint32_t cur,
                       bool improving, bool narrow, bool weighted);
  void Set(std::size_t slot, std::uint32_t word);
  void Record();
  void DrawFirstWords();
  bool Halting();

  const FillCandidates& m_cands;
  std::uint64_t m_rng;
  std::size_t m_keep;
  std::vector<std::size_t> m_active;  // letters the pool holds
  std::vector<std::uint32_t> m_choice;
  std::array<int, 26> m_d{};
  int m_cost = 0;
  int m_unset = 0;  // slots without a word (only while every near word is taken)
  std::vector<std::uint16_t> m_stemUse;
  std::vector<std::int16_t> m_dist;
  std::vector<std::uint8_t> m_dist8;
  std::vector<std::pair<std::uint32_t, double>> m_near;
  std::array<double, 3> m_weights{};  // the draw's weight of a word 0, 1, 2 letters off the nearest
  int m_bestCost = 0;
  std::vector<std::uint32_t> m_bestChoice;
  std::vector<RankedFill> m_fills;
  std::vector<std::uint32_t> m_lastRecorded;
  std::uint64_t m_steps = 0;
  std::uint64_t m_work = 0;
  std::function<bool()> m_halt;
  std::uint64_t m_nextHaltCheck = 0;
};

}  // namespace quotella
