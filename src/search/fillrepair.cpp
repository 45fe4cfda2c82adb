#include "search/fillrepair.h"

#include <algorithm>

namespace quotella {
namespace {

// An answer is worth refilling when it costs more than its row's cheapest word by more than
// the whole span of the words WordNet knows: a word it does not know is.
constexpr float kWorthRepair = 3.5f;
// Candidates weighed between two questions whether to halt: a few tens of microseconds.
constexpr std::uint64_t kHaltCheckWork = 4096;
// The third words' hashes are marked in a table of 2^16 bits, by their top bits.
constexpr int kBitShift = 48;

}  // namespace

FillRepair::FillRepair(const FillCandidates& candidates, std::uint64_t answerWork,
                       std::uint64_t totalWork)
    : m_cands(candidates),
      m_answerWork(answerWork),
      m_totalWork(totalWork),
      m_stemUse(candidates.StemCount(), 0),
      m_thirdBits((std::size_t{1} << (64 - kBitShift)) / 64, 0) {}

bool FillRepair::Halting() {
  if (m_halted) return true;
  if (!m_halt || m_work < m_nextHaltCheck) return false;
  m_nextHaltCheck = m_work + kHaltCheckWork;
  m_halted = m_halt();
  return m_halted;
}

// The answers worth refilling, costliest first (the earlier row first among equals).
std::vector<std::size_t> FillRepair::Targets(const std::vector<std::uint32_t>& choice) const {
  std::vector<std::size_t> targets;
  for (std::size_t s = 0; s < choice.size(); ++s) {
    const FillWordTable& t = m_cands.Table(s);
    if (t.penalty[choice[s]] > t.penalty.front() + kWorthRepair) targets.push_back(s);
  }
  std::stable_sort(targets.begin(), targets.end(), [&](std::size_t a, std::size_t b) {
    return m_cands.Table(a).penalty[choice[a]] > m_cands.Table(b).penalty[choice[b]];
  });
  return targets;
}

bool FillRepair::Repair(std::vector<std::uint32_t>& choice) {
  const std::size_t slots = std::min(choice.size(), m_cands.Slots());
  if (slots < 3 || m_work >= m_totalWork) return false;
  std::fill(m_stemUse.begin(), m_stemUse.end(), 0);
  for (std::size_t s = 0; s < slots; ++s) ++m_stemUse[m_cands.Table(s).stem[choice[s]]];
  bool changed = false;
  for (bool traded = true; traded && !Halting();) {
    traded = false;
    for (std::size_t target : Targets(choice)) {
      // A row that found no trade with a word is not weighed with it again, in this fill
      // or a later one.
      if (!m_givenUp.emplace(target, choice[target]).second) continue;
      Trade trade;
      if (!FindTrade(choice, target, trade)) {
        if (m_halted) return changed;
        continue;
      }
      for (std::size_t k = 0; k < 3; ++k) {
        const FillWordTable& t = m_cands.Table(trade.slots[k]);
        --m_stemUse[t.stem[choice[trade.slots[k]]]];
        choice[trade.slots[k]] = trade.words[k];
        ++m_stemUse[t.stem[trade.words[k]]];
      }
      changed = traded = true;
      break;  // the costs changed: weigh the targets again
    }
  }
  return changed;
}

// The other rows to try with a target, the shortest words first, as pairs in that order:
// the fewer letters three rows hold, the fewer words fit them and the cheaper the pair is
// to weigh, so many cheap pairs are tried before the few costly ones.
std::vector<std::pair<std::size_t, std::size_t>> FillRepair::Partners(
    const std::vector<std::uint32_t>& choice, std::size_t target) const {
  std::vector<std::size_t> rows;
  for (std::size_t s = 0; s < std::min(choice.size(), m_cands.Slots()); ++s)
    if (s != target) rows.push_back(s);
  std::stable_sort(rows.begin(), rows.end(), [&](std::size_t a, std::size_t b) {
    return m_cands.Table(a).length[choice[a]] < m_cands.Table(b).length[choice[b]];
  });
  std::vector<std::pair<std::size_t, std::size_t>> pairs;
  for (std::size_t j = 0; j < rows.size(); ++j)
    for (std::size_t k = j + 1; k < rows.size(); ++k) pairs.emplace_back(rows[j], rows[k]);
  return pairs;
}

// The first trade of the target row with two others, cheapest words first, that lowers
// the fill's cost, within a fixed amount of work.
bool FillRepair::FindTrade(std::vector<std::uint32_t>& choice, std::size_t target, Trade& trade) {
  trade.penalty = m_cands.Penalty(choice);
  m_workEnd = m_work + m_answerWork;
  for (const auto& [j, k] : Partners(choice, target)) {
    if (Spent()) return false;
    if (TryPartners(choice, {target, j, k}, trade)) return true;
  }
  return false;
}

bool FillRepair::Spent() {
  return Halting() || m_work >= m_workEnd || m_work >= m_totalWork;
}

// The words of table t, cheapest first, that cost under `most` and fit inside `room`.
void FillRepair::Fitting(const FillWordTable& t, const Letters& room, float most,
                         std::vector<std::uint32_t>& out) {
  out.clear();
  for (std::uint32_t w = 0; w < t.Size(); ++w) {
    if (t.penalty[w] >= most) break;  // sorted by cost
    const std::uint8_t* r = t.Row(w);
    bool fits = true;
    for (std::size_t l = 0; l < 32; ++l) fits &= r[l] <= room[l];
    if (fits) out.push_back(w);
  }
  m_work += t.Size() / 4 + out.size();
}

bool FillRepair::TryPartners(std::vector<std::uint32_t>& choice,
                             const std::array<std::size_t, 3>& slots, Trade& trade) {
  std::array<const FillWordTable*, 3> t{};
  std::array<std::uint32_t, 3> old{};
  Letters room{};
  std::uint64_t hash = 0;
  float base = 0;
  for (std::size_t k = 0; k < 3; ++k) {
    t[k] = &m_cands.Table(slots[k]);
    old[k] = choice[slots[k]];
    for (std::size_t l = 0; l < 32; ++l)
      room[l] = static_cast<std::uint8_t>(room[l] + t[k]->Row(old[k])[l]);
    hash += t[k]->hash[old[k]];
    base += t[k]->penalty[old[k]];
  }
  // The target's new word costs less than its old one: the trade takes it away.
  const float targetMost = t[0]->penalty[old[0]];
  Fitting(*t[0], room, std::min(base - t[1]->penalty.front() - t[2]->penalty.front(), targetMost),
          m_fits[0]);
  if (m_fits[0].empty()) return false;
  Fitting(*t[1], room, base - t[0]->penalty[m_fits[0].front()] - t[2]->penalty.front(), m_fits[1]);
  if (m_fits[1].empty()) return false;
  Fitting(*t[2], room, base - t[0]->penalty[m_fits[0].front()] - t[1]->penalty[m_fits[1].front()],
          m_fits[2]);
  if (m_fits[2].empty()) return false;
  // The fewest words outermost, the most looked up.
  std::array<std::size_t, 3> role = {0, 1, 2};
  std::stable_sort(role.begin(), role.end(), [&](std::size_t x, std::size_t y) {
    return m_fits[x].size() < m_fits[y].size();
  });
  const FillWordTable& ta = *t[role[0]];
  const FillWordTable& tb = *t[role[1]];
  const FillWordTable& tc = *t[role[2]];
  const std::vector<std::uint32_t>& first = m_fits[role[0]];
  const std::vector<std::uint32_t>& second = m_fits[role[1]];
  const float leastC = tc.penalty[m_fits[role[2]].front()];
  const float mostC = role[2] == 0 ? targetMost : base;
  // The third words that fit, marked by their hashes: most pairs of the first two leave a
  // remainder no third word has, which one bit tells.
  std::fill(m_thirdBits.begin(), m_thirdBits.end(), 0);
  for (std::uint32_t c : m_fits[role[2]]) {
    const std::uint64_t bit = tc.hash[c] >> kBitShift;
    m_thirdBits[bit / 64] |= 1ull << (bit % 64);
  }
  bool found = false;
  for (std::size_t k = 0; k < 3; ++k) --m_stemUse[t[k]->stem[old[k]]];
  for (std::uint32_t a : first) {
    if (found || Spent()) break;
    const float pa = ta.penalty[a];
    if (pa + tb.penalty[second.front()] + leastC >= base) break;
    const std::uint32_t stemA = ta.stem[a];
    if (m_stemUse[stemA] != 0) continue;
    Letters left = room;
    for (std::size_t l = 0; l < 32; ++l)
      left[l] = static_cast<std::uint8_t>(left[l] - ta.Row(a)[l]);
    for (std::uint32_t b : second) {
      ++m_work;
      const float pab = pa + tb.penalty[b];
      if (pab + leastC >= base) break;
      const std::uint32_t stemB = tb.stem[b];
      if (stemB == stemA || m_stemUse[stemB] != 0) continue;
      const std::uint8_t* rb = tb.Row(b);
      bool fits = true;
      for (std::size_t l = 0; l < 32; ++l) fits &= rb[l] <= left[l];
      if (!fits) continue;
      const std::uint64_t h = hash - ta.hash[a] - tb.hash[b];
      const std::uint64_t bit = h >> kBitShift;
      if ((m_thirdBits[bit / 64] >> (bit % 64) & 1u) == 0) continue;
      auto it = std::lower_bound(tc.byHash.begin(), tc.byHash.end(), std::make_pair(h, 0u));
      for (; it != tc.byHash.end() && it->first == h && !found; ++it) {
        const std::uint32_t c = it->second;
        if (pab + tc.penalty[c] >= base || tc.penalty[c] >= mostC) continue;
        if (tc.stem[c] == stemA || tc.stem[c] == stemB || m_stemUse[tc.stem[c]] != 0) continue;
        bool same = true;
        for (std::size_t l = 0; l < 32; ++l)
          same &= static_cast<std::uint8_t>(rb[l] + tc.Row(c)[l]) == left[l];
        if (!same) continue;
        std::array<std::uint32_t, 3> words{};
        words[role[0]] = a;
        words[role[1]] = b;
        words[role[2]] = c;
        for (std::size_t k = 0; k < 3; ++k) choice[slots[k]] = words[k];
        const double p = m_cands.Penalty(choice);
        if (p < trade.penalty - 1e-9) {
          trade = {slots, words, p};
          found = true;
        }
      }
      if (found) break;
    }
  }
  for (std::size_t k = 0; k < 3; ++k) {
    choice[slots[k]] = old[k];
    ++m_stemUse[t[k]->stem[old[k]]];
  }
  return found;
}

}  // namespace quotella
