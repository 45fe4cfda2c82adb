#include "search/localfill.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace quotella {
namespace {

constexpr double kTemperature = 0.35;
// Candidates weighed between two questions whether to halt: a few tens of microseconds.
constexpr std::uint64_t kHaltCheckWork = 4096;
constexpr int kSearchMargin = 2;  // letters off the nearest that a search draw considers
constexpr double kImproveMargin = 2.5;
constexpr float kPenaltyWeight = 1.5f;  // how far a word's penalty counts as letters off

}  // namespace

LocalFillChain::LocalFillChain(const FillCandidates& candidates, std::uint64_t seed,
                               std::size_t keep)
    : m_cands(candidates), m_rng(seed), m_keep(std::max<std::size_t>(keep, 1)) {
  for (std::size_t l = 0; l < 26; ++l) {
    m_d[l] = candidates.Pool()[l];
    if (m_d[l] > 0) m_active.push_back(l);
  }
  m_cost = candidates.PoolTotal();
  m_choice.assign(candidates.Slots(), kNone);
  m_unset = static_cast<int>(candidates.Slots());
  m_stemUse.assign(candidates.StemCount(), 0);
  std::size_t most = 0;
  for (std::size_t s = 0; s < candidates.Slots(); ++s)
    most = std::max(most, candidates.Table(s).Size());
  m_dist.resize(most);
  m_dist8.resize((most + 15) / 16 * 16);
  static_assert(std::tuple_size_v<decltype(m_weights)> == kSearchMargin + 1);
  for (std::size_t k = 0; k < m_weights.size(); ++k)
    m_weights[k] = std::exp(-static_cast<double>(k) / kTemperature);
  DrawFirstWords();
  m_bestCost = m_cost;
  m_bestChoice = m_choice;
}

// Every slot gets a first word, in a random order, each the best for what is left.
void LocalFillChain::DrawFirstWords() {
  std::vector<std::size_t> order(m_cands.Slots());
  for (std::size_t s = 0; s < order.size(); ++s) order[s] = s;
  for (std::size_t s = order.size(); s > 1; --s) std::swap(order[s - 1], order[Next() % s]);
  for (std::size_t s : order) Step(s, false);
}

void LocalFillChain::Restart(std::uint64_t seed) {
  m_rng = seed;
  for (std::size_t s = 0; s < m_choice.size(); ++s) Set(s, kNone);
  DrawFirstWords();
}

std::uint64_t LocalFillChain::Next() {
  std::uint64_t z = (m_rng += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

void LocalFillChain::Set(std::size_t slot, std::uint32_t word) {
  const FillWordTable& t = m_cands.Table(slot);
  const std::uint32_t cur = m_choice[slot];
  if (cur == word) return;
  if (cur != kNone) {
    for (std::size_t l : m_active) m_d[l] += t.Count(l, cur);
    --m_stemUse[t.stem[cur]];
  }
  m_unset += (word == kNone) - (cur == kNone);
  if (word != kNone) {
    for (std::size_t l : m_active) m_d[l] -= t.Count(l, word);
    ++m_stemUse[t.stem[word]];
  }
  m_choice[slot] = word;
  m_cost = 0;
  for (std::size_t l : m_active) m_cost += std::abs(m_d[l]);
}

// Summed over the letters, w |target - count| = w |target| + w count - 2 w min(target, count)
// where the target is positive and w |target| + w count elsewhere, so a word's distance is
// the bound (the weighted sum of |target|) plus its weighed length less twice its weighted
// overlap with the positive part of the target. Only the letters the target holds are
// read, each once per sixteen words, with the running overlap kept in a register. The
// search weighs letters by FillCandidates::LetterWeights, the improvement counts each once.
void LocalFillChain::NarrowDistances(const FillWordTable& t, const std::array<int, 26>& target,
                                     int bound, bool weighted) {
  const std::size_t stride = t.stride;
  std::uint8_t* dist = m_dist8.data();
  std::array<const std::uint8_t*, 26> rows{};
  std::array<std::uint8_t, 26> want{};
  std::array<int, 26> times{};
  std::size_t held = 0;
  for (std::size_t l : m_active)
    if (target[l] > 0) {
      rows[held] = &t.counts[l * stride];
      times[held] = weighted ? m_cands.LetterWeights()[l] : 1;
      want[held++] = static_cast<std::uint8_t>(target[l]);
    }
  const std::uint8_t* length = weighted ? t.weighed.data() : t.length.data();
#if defined(__SSE2__)
  __m128i wantv[26];
  for (std::size_t k = 0; k < held; ++k) wantv[k] = _mm_set1_epi8(static_cast<char>(want[k]));
  const __m128i base = _mm_set1_epi8(static_cast<char>(bound));
  for (std::size_t i = 0; i < stride; i += 16) {
    __m128i overlap = _mm_setzero_si128();
    for (std::size_t k = 0; k < held; ++k) {
      const __m128i least =
          _mm_min_epu8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(rows[k] + i)), wantv[k]);
      for (int r = 0; r < times[k]; ++r) overlap = _mm_adds_epu8(overlap, least);
    }
    const __m128i len = _mm_loadu_si128(reinterpret_cast<const __m128i*>(length + i));
    const __m128i d = _mm_subs_epu8(_mm_adds_epu8(base, len), _mm_adds_epu8(overlap, overlap));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dist + i), d);
  }
#else
  for (std::size_t i = 0; i < stride; ++i) {
    int overlap = 0;
    for (std::size_t k = 0; k < held; ++k) overlap += times[k] * std::min(rows[k][i], want[k]);
    dist[i] = static_cast<std::uint8_t>(bound + length[i] - 2 * overlap);
  }
#endif
}

void LocalFillChain::Step(std::size_t slot, bool improving) {
  ++m_steps;
  const FillWordTable& t = m_cands.Table(slot);
  const std::size_t n = t.Size();
  m_work += n + 1;
  if (n == 0) return;
  const std::uint32_t cur = m_choice[slot];
  std::array<int, 26> target{};
  // The search weighs the letters (see NarrowDistances); the improvement does not.
  const bool weighted = !improving;
  const auto& weights = m_cands.LetterWeights();
  int bound = 0;  // no distance can exceed it with the word's (weighed) length
  for (std::size_t l : m_active) {
    target[l] = m_d[l] + (cur == kNone ? 0 : t.Count(l, cur));
    bound += std::abs(target[l]) * (weighted ? weights[l] : 1);
  }
  // When the bound and the longest word stay below 255, byte lanes with saturating
  // arithmetic give exact distances, twice as many per instruction as 16-bit lanes.
  const bool narrow = bound + (weighted ? t.maxWeighed : t.maxLength) < 255;
  if (narrow) NarrowDistances(t, target, bound, weighted);
  m_near.clear();
  double total = 0;
  if (narrow && !improving) {
    total = NearestByByte(t, cur);
  } else {
    total = NearestByWord(t, target, cur, improving, narrow, weighted);
  }
  if (m_near.empty() && cur == kNone) {
    // Every near word is another slot's stem: an empty slot still takes the nearest free one.
    if (narrow)
      for (std::size_t i = 0; i < n; ++i) m_dist[i] = m_dist8[i];
    const std::int16_t* dist = m_dist.data();
    for (std::size_t i = 0; i < n; ++i)
      if (m_stemUse[t.stem[i]] == 0 && (m_near.empty() || dist[i] < dist[m_near[0].first]))
        m_near.assign(1, {static_cast<std::uint32_t>(i), 1.0});
    total = 1.0;
  }
  if (m_near.empty()) return;
  double u = Uniform() * total;
  std::uint32_t pick = m_near.back().first;
  for (const auto& [i, w] : m_near) {
    if (u < w) {
      pick = i;
      break;
    }
    u -= w;
  }
  Set(slot, pick);
  if (m_cost < m_bestCost) {
    m_bestCost = m_cost;
    m_bestChoice = m_choice;
  }
}

// The search's draw straight from the byte distances: the nearest distance, then only the
// lanes within the margin of it, found sixteen at a time.
double LocalFillChain::NearestByByte(const FillWordTable& t, std::uint32_t cur) {
  const std::size_t n = t.Size();
  const std::size_t stride = t.stride;
  std::uint8_t* dist = m_dist8.data();
  std::fill(dist + n, dist + stride, std::uint8_t{0xFF});  // lanes past the last word
  std::uint8_t least = 0xFF;
#if defined(__SSE2__)
  __m128i lo = _mm_set1_epi8(static_cast<char>(0xFF));
  for (std::size_t i = 0; i < stride; i += 16)
    lo = _mm_min_epu8(lo, _mm_loadu_si128(reinterpret_cast<const __m128i*>(dist + i)));
  alignas(16) std::uint8_t lanes[16];
  _mm_store_si128(reinterpret_cast<__m128i*>(lanes), lo);
  for (std::uint8_t v : lanes) least = std::min(least, v);
#else
  for (std::size_t i = 0; i < n; ++i) least = std::min(least, dist[i]);
#endif
  const int rough = std::min(least + kSearchMargin, 254);
  const std::uint32_t curStem = cur == kNone ? kNone : t.stem[cur];
  double total = 0;
  const auto take = [&](std::size_t i) {
    const std::uint32_t stem = t.stem[i];
    if (m_stemUse[stem] > (stem == curStem ? 1 : 0)) return;  // another slot holds this stem
    const double w = m_weights[static_cast<std::size_t>(dist[i] - least)];
    total += w;
    m_near.emplace_back(static_cast<std::uint32_t>(i), w);
  };
#if defined(__SSE2__)
  const __m128i limit = _mm_set1_epi8(static_cast<char>(rough));
  for (std::size_t i = 0; i < stride; i += 16) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(dist + i));
    // v <= rough exactly where min(v, rough) == v
    auto mask = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(_mm_min_epu8(v, limit), v)));
    while (mask != 0) {
      take(i + static_cast<std::size_t>(__builtin_ctz(mask)));
      mask &= mask - 1;
    }
  }
#else
  for (std::size_t i = 0; i < n; ++i)
    if (dist[i] <= rough) take(i);
#endif
  return total;
}

// The general draw: 16-bit distances, and while improving each word's penalty counts too.
double LocalFillChain::NearestByWord(const FillWordTable& t, const std::array<int, 26>& target,
                                     std::uint32_t cur, bool improving, bool narrow,
                                     bool weighted) {
  const std::size_t n = t.Size();
  std::int16_t* dist = m_dist.data();
  if (narrow) {
    for (std::size_t i = 0; i < n; ++i) dist[i] = m_dist8[i];
  } else {
    std::fill(dist, dist + n, std::int16_t{0});
    for (std::size_t l : m_active) {
      const auto tl = static_cast<std::int16_t>(target[l]);
      const auto w = static_cast<std::int16_t>(weighted ? m_cands.LetterWeights()[l] : 1);
      const std::uint8_t* c = &t.counts[l * t.stride];
      for (std::size_t i = 0; i < n; ++i) {
        const auto d = static_cast<std::int16_t>(tl - c[i]);
        dist[i] = static_cast<std::int16_t>(dist[i] + w * (d < 0 ? -d : d));
      }
    }
  }
  const float* pen = t.penalty.data();
  const float weight = improving ? kPenaltyWeight : 0.0f;
  // The nearest distance first (an integer minimum while searching, which vectorises).
  float best;
  if (improving) {
    best = std::numeric_limits<float>::max();
    for (std::size_t i = 0; i < n; ++i) best = std::min(best, dist[i] + weight * pen[i]);
  } else {
    std::int16_t least = std::numeric_limits<std::int16_t>::max();
    for (std::size_t i = 0; i < n; ++i) least = std::min(least, dist[i]);
    best = least;
  }
  const float limit = best + static_cast<float>(improving ? kImproveMargin : kSearchMargin);
  const auto rough = static_cast<std::int16_t>(limit);  // no candidate beyond it qualifies
  const std::uint32_t curStem = cur == kNone ? kNone : t.stem[cur];
  double total = 0;
  for (std::size_t i = 0; i < n; ++i) {
    if (dist[i] > rough) continue;
    const float e = dist[i] + weight * pen[i];
    if (e > limit) continue;
    const std::uint32_t stem = t.stem[i];
    if (m_stemUse[stem] > (stem == curStem ? 1 : 0)) continue;  // another slot holds this stem
    const double w = std::exp(-(e - best) / kTemperature);
    total += w;
    m_near.emplace_back(static_cast<std::uint32_t>(i), w);
  }
  return total;
}

bool LocalFillChain::Halting() {
  if (!m_halt || m_work < m_nextHaltCheck) return false;
  m_nextHaltCheck = m_work + kHaltCheckWork;
  return m_halt();
}

bool LocalFillChain::Search(std::uint64_t work) {
  const std::uint64_t end = m_work + work;
  const std::size_t slots = m_cands.Slots();
  if (slots == 0) return IsFill();
  while (!IsFill() && m_work < end && !Halting()) Step(Next() % slots, false);
  return IsFill();
}

void LocalFillChain::StartImproving(const std::vector<std::uint32_t>& fill) {
  for (std::size_t s = 0; s < fill.size() && s < m_choice.size(); ++s) Set(s, kNone);
  for (std::size_t s = 0; s < fill.size() && s < m_choice.size(); ++s) Set(s, fill[s]);
  if (IsFill()) Record();
}

void LocalFillChain::Improve(std::uint64_t work) {
  const std::uint64_t end = m_work + work;
  const std::size_t slots = m_cands.Slots();
  if (slots == 0) return;
  while (m_work < end && !Halting()) {
    Step(Next() % slots, true);
    if (IsFill() && m_choice != m_lastRecorded) Record();
  }
}

void LocalFillChain::Record() {
  std::vector<std::uint32_t> choice = m_choice;
  Polish(choice);
  for (std::size_t s = 0; s < choice.size(); ++s) Set(s, choice[s]);
  m_lastRecorded = m_choice;
  for (const auto& f : m_fills)
    if (f.choice == choice) return;
  RankedFill fill;
  fill.penalty = m_cands.Penalty(choice, &fill.familiar);
  fill.choice = std::move(choice);
  auto at = std::upper_bound(m_fills.begin(), m_fills.end(), fill.penalty,
                             [](double p, const RankedFill& f) { return p < f.penalty; });
  if (static_cast<std::size_t>(at - m_fills.begin()) >= m_keep) return;
  m_fills.insert(at, std::move(fill));
  if (m_fills.size() > m_keep) m_fills.pop_back();
}

void LocalFillChain::Polish(std::vector<std::uint32_t>& choice) {
  const std::size_t slots = choice.size();
  std::vector<std::uint16_t> stemUse(m_cands.StemCount(), 0);
  for (std::size_t s = 0; s < slots; ++s) ++stemUse[m_cands.Table(s).stem[choice[s]]];
  double current = m_cands.Penalty(choice);
  for (int pass = 0; pass < 4; ++pass) {
    bool better = false;
    for (std::size_t i = 0; i < slots; ++i) {
      if (Halting()) return;
      for (std::size_t j = i + 1; j < slots; ++j) {
        const FillWordTable& ti = m_cands.Table(i);
        const FillWordTable& tj = m_cands.Table(j);
        const std::uint32_t wi = choice[i], wj = choice[j];
        std::uint8_t both[32];
        for (std::size_t l = 0; l < 32; ++l)
          both[l] = static_cast<std::uint8_t>(ti.Row(wi)[l] + tj.Row(wj)[l]);
        const std::uint64_t hash = ti.hash[wi] + tj.hash[wj];
        const int length = ti.length[wi] + tj.length[wj];
        const float base = ti.penalty[wi] + tj.penalty[wj];
        --stemUse[ti.stem[wi]];
        --stemUse[tj.stem[wj]];
        std::uint32_t bestA = wi, bestB = wj;
        double bestPenalty = current;
        for (std::uint32_t a = 0; a < ti.Size(); ++a) {
          if (ti.penalty[a] >= base) break;  // sorted: no better pair from here on
          ++m_work;
          if (ti.length[a] >= length || stemUse[ti.stem[a]] != 0) continue;
          const std::uint8_t* ra = ti.Row(a);
          bool fits = true;
          for (std::size_t l = 0; l < 32; ++l) fits &= ra[l] <= both[l];
          if (!fits) continue;
          const std::uint64_t h = hash - ti.hash[a];
          auto it = std::lower_bound(tj.byHash.begin(), tj.byHash.end(), std::make_pair(h, 0u));
          for (; it != tj.byHash.end() && it->first == h; ++it) {
            const std::uint32_t b = it->second;
            if (ti.penalty[a] + tj.penalty[b] >= base) continue;
            if (tj.stem[b] == ti.stem[a] || stemUse[tj.stem[b]] != 0) continue;
            bool same = true;
            for (std::size_t l = 0; l < 32; ++l)
              same &= static_cast<std::uint8_t>(ra[l] + tj.Row(b)[l]) == both[l];
            if (!same) continue;
            choice[i] = a;
            choice[j] = b;
            const double p = m_cands.Penalty(choice);
            if (p < bestPenalty - 1e-9) {
              bestPenalty = p;
              bestA = a;
              bestB = b;
            }
          }
        }
        choice[i] = bestA;
        choice[j] = bestB;
        ++stemUse[ti.stem[bestA]];
        ++stemUse[tj.stem[bestB]];
        if (bestA != wi || bestB != wj) {
          current = bestPenalty;
          better = true;
        }
      }
    }
    if (!better) break;
  }
}

std::vector<std::uint32_t> LocalFillChain::BestPartial() const {
  std::vector<std::uint32_t> choice = m_bestChoice;
  std::array<int, 26> d{};
  for (std::size_t l = 0; l < 26; ++l) d[l] = m_cands.Pool()[l];
  for (std::size_t s = 0; s < choice.size(); ++s)
    if (choice[s] != kNone)
      for (std::size_t l = 0; l < 26; ++l) d[l] -= m_cands.Table(s).Count(l, choice[s]);
  for (;;) {
    std::size_t worst = choice.size();
    int worstOver = 0;
    for (std::size_t s = 0; s < choice.size(); ++s) {
      if (choice[s] == kNone) continue;
      int over = 0;
      for (std::size_t l = 0; l < 26; ++l)
        if (d[l] < 0) over += std::min<int>(m_cands.Table(s).Count(l, choice[s]), -d[l]);
      if (over > worstOver) {
        worstOver = over;
        worst = s;
      }
    }
    if (worst == choice.size()) break;
    for (std::size_t l = 0; l < 26; ++l) d[l] += m_cands.Table(worst).Count(l, choice[worst]);
    choice[worst] = kNone;
  }
  return choice;
}

}  // namespace quotella
