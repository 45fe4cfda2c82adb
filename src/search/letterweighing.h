#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "search/fillcandidates.h"

namespace quotella {

// A proof that no fill exists, found by weighing the letters. Give each letter a whole
// weight; a row's answer then weighs at most as much as its heaviest candidate. When the
// heaviest candidates of all rows together weigh less than the pool, no choice of words
// takes exactly the pool's letters. A letter that the candidates cannot take (its weight
// 1, the others 0) and a pool too long for the answers (every weight 1) are the simplest
// cases; long answers on a pool of awkward letters need weights of many letters at once,
// which are looked for here by projected subgradient ascent on the pool's weight minus the
// rows' heaviest weights. The proof itself is checked in exact integer arithmetic.
class LetterWeighing {
 public:
  using Weights = std::array<std::int64_t, 26>;

  explicit LetterWeighing(const FillCandidates& cands);

  // Takes up to `steps` more steps of the search; true once weights that prove there is no
  // fill were found (they stay in Proof()).
  bool Search(int steps);
  bool Found() const { return m_found; }
  const Weights& Proof() const { return m_proof; }
  // The text that says why no fill exists.
  static std::string Reason();

  // How much lighter the rows' heaviest candidates are than the pool under these weights:
  // a positive slack proves that no fill exists.
  static std::int64_t Slack(const FillCandidates& cands, const Weights& weights);

 private:
  bool TryRounded();

  const FillCandidates& m_cands;
  std::vector<std::size_t> m_tableSlot;  // a slot of each table
  std::vector<int> m_rows;               // how many slots share each table
  std::array<double, 26> m_y{};
  std::vector<float> m_weight;  // per candidate of the table being weighed
  int m_step = 0;
  bool m_found = false;
  bool m_settled = false;
  Weights m_proof{};
};

}  // namespace quotella
