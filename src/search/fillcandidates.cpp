#include "search/fillcandidates.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

#include "search/fillquality.h"

namespace quotella {
namespace {

// See WeighLetters.
constexpr double kWeightStep = 2.0;
constexpr int kMostWeight = 4;

}  // namespace

std::uint64_t FillCandidates::LetterKey(std::size_t letter) {
  static const std::array<std::uint64_t, 26> keys = [] {
    std::array<std::uint64_t, 26> k{};
    std::uint64_t x = 0x9E3779B97F4A7C15ull;
    for (auto& key : k) {
      x += 0x9E3779B97F4A7C15ull;
      std::uint64_t z = x;
      z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
      z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
      key = z ^ (z >> 31);
    }
    return k;
  }();
  return keys[letter];
}

FillCandidates::FillCandidates(const AutofillProblem& problem, const AutofillWordSource& source,
                               const AutofillOptions& options, const std::function<bool()>& halt)
    : m_pool(problem.pool) {
  for (int& v : m_pool) v = std::max(v, 0);
  m_poolTotal = std::accumulate(m_pool.begin(), m_pool.end(), 0);
  std::unordered_map<std::string, std::uint32_t> stems;
  std::unordered_map<char, std::size_t> byInitial;
  std::size_t weighed = 0;
  for (const auto& slot : problem.rowSlots) {
    auto it = byInitial.find(slot.initial);
    if (it != byInitial.end()) {
      m_slotTable.push_back(it->second);
      continue;
    }
    if (halt && halt()) {
      m_halted = true;
      return;
    }
    struct Entry {
      std::string word;
      float penalty;
      bool familiar;
      int score;
      LetterCounts counts;
    };
    std::vector<Entry> entries;
    std::unordered_map<std::string, std::size_t> seen;
    for (const auto& w : source(slot.initial)) {
      if ((++weighed & 4095) == 0 && halt && halt()) {
        m_halted = true;
        return;
      }
      const std::string& s = w.word;
      const int length = static_cast<int>(s.size());
      if (s.empty() || s[0] != slot.initial || length > 255) continue;
      if (length < std::max(options.minLength, 2)) continue;
      if (options.maxLength > 0 && length > options.maxLength) continue;
      if (options.maxSize > 0 && !w.fromList && (w.size <= 0 || w.size > options.maxSize)) continue;
      LetterCounts c{};
      bool ok = true;
      for (std::size_t k = 0; k < s.size() && ok; ++k) {
        if (!IsUpperLetter(s[k])) {
          ok = false;
          break;
        }
        const auto l = static_cast<std::size_t>(LetterIndex(s[k]));
        if (problem.locked[l]) ok = false;
        if (k > 0 && ++c[l] > m_pool[l]) ok = false;
      }
      if (!ok || options.exclude.count(s) != 0) continue;
      if (!options.excludeStems.empty() && options.excludeStems.count(StemOf(s)) != 0) continue;
      const auto penalty = static_cast<float>(
          WordPenalty(w.size, w.fromList, options.familiarSize, w.known, w.score));
      const bool listed = w.fromList || w.score >= 0;
      const bool familiar = listed || (w.size > 0 && w.size <= options.familiarSize);
      auto [pos, fresh] = seen.emplace(s, entries.size());
      if (!fresh) {  // the same word twice: keep its best standing
        Entry& old = entries[pos->second];
        old.penalty = std::min(old.penalty, penalty);
        old.familiar = old.familiar || familiar;
        old.score = std::max(old.score, w.score);
        continue;
      }
      entries.push_back({s, penalty, familiar, w.score, c});
    }
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
      if (a.penalty != b.penalty) return a.penalty < b.penalty;
      return a.word < b.word;
    });
    FillWordTable t;
    t.initial = slot.initial;
    const std::size_t n = entries.size();
    t.stride = (n + 15) / 16 * 16;
    t.counts.assign(26 * t.stride, 0);
    t.rows.assign(32 * n, 0);
    for (std::size_t i = 0; i < n; ++i) {
      Entry& e = entries[i];
      std::uint64_t h = 0;
      int len = 0;
      for (std::size_t l = 0; l < 26; ++l) {
        const auto v = static_cast<std::uint8_t>(e.counts[l]);
        t.counts[l * t.stride + i] = v;
        t.rows[i * 32 + l] = v;
        h += v * LetterKey(l);
        len += v;
      }
      t.hash.push_back(h);
      t.length.push_back(static_cast<std::uint8_t>(len));
      t.maxLength = std::max(t.maxLength, len);
      t.penalty.push_back(e.penalty);
      t.familiar.push_back(e.familiar ? 1 : 0);
      t.score.push_back(static_cast<std::int8_t>(std::clamp(e.score, -1, 100)));
      const std::string stem = StemOf(e.word);
      auto s = stems.emplace(stem, static_cast<std::uint32_t>(stems.size())).first;
      t.stem.push_back(s->second);
      t.index.emplace(e.word, static_cast<std::uint32_t>(i));
      t.byHash.emplace_back(h, static_cast<std::uint32_t>(i));
      t.words.push_back(std::move(e.word));
    }
    t.length.resize(t.stride, 0);  // the lanes past the last word
    std::sort(t.byHash.begin(), t.byHash.end());
    byInitial.emplace(slot.initial, m_tables.size());
    m_slotTable.push_back(m_tables.size());
    m_tables.push_back(std::move(t));
  }
  m_stemCount = stems.size();
  WeighLetters();
}

void FillCandidates::WeighLetters() {
  // A letter weighs its share of the pool over its mean share of the letters of each row's
  // candidates, halved and rounded, from 1 to 4. Pools come from everyday words and answers
  // are longer words, so ratios up to about 3 are ordinary; an H five times as common in
  // the pool as in the candidates weighs 3.
  std::array<double, 26> share{};
  for (std::size_t s = 0; s < Slots(); ++s) {
    const FillWordTable& t = Table(s);
    std::array<double, 26> letters{};
    double total = 0;
    for (std::size_t i = 0; i < t.Size(); ++i) {
      for (std::size_t l = 0; l < 26; ++l) letters[l] += t.Count(l, i);
      total += t.length[i];
    }
    if (total > 0)
      for (std::size_t l = 0; l < 26; ++l) share[l] += letters[l] / total / Slots();
  }
  for (std::size_t l = 0; l < 26; ++l) {
    m_letterWeights[l] = 1;
    if (m_pool[l] == 0 || share[l] <= 0) continue;
    const double ratio = m_pool[l] / static_cast<double>(m_poolTotal) / share[l];
    m_letterWeights[l] =
        std::clamp(static_cast<int>(std::lround(ratio / kWeightStep)), 1, kMostWeight);
  }
  for (FillWordTable& t : m_tables) {
    t.weighed.assign(t.stride, 0);
    for (std::size_t i = 0; i < t.Size(); ++i) {
      int w = 0;
      for (std::size_t l = 0; l < 26; ++l) w += m_letterWeights[l] * t.Count(l, i);
      t.weighed[i] = static_cast<std::uint8_t>(std::min(w, 255));
      t.maxWeighed = std::max(t.maxWeighed, w);
    }
  }
}

std::string FillCandidates::Impossibility() const {
  int sumMin = 0, sumMax = 0;
  std::array<int, 26> room{};
  for (std::size_t s = 0; s < Slots(); ++s) {
    const FillWordTable& t = Table(s);
    if (t.Size() == 0) return std::string("No word fits the answer starting with ") + t.initial;
    int lo = std::numeric_limits<int>::max(), hi = 0;
    for (std::size_t i = 0; i < t.Size(); ++i) {
      lo = std::min<int>(lo, t.length[i]);
      hi = std::max<int>(hi, t.length[i]);
    }
    sumMin += lo;
    sumMax += hi;
    for (std::size_t l = 0; l < 26; ++l) {
      int most = 0;
      for (std::size_t i = 0; i < t.Size(); ++i) most = std::max<int>(most, t.Count(l, i));
      room[l] += most;
    }
  }
  for (std::size_t l = 0; l < 26; ++l)
    if (room[l] < m_pool[l])
      return std::string("No choice of words can take every ") +
             static_cast<char>('A' + static_cast<int>(l)) + " of the pool";
  if (m_poolTotal < sumMin) return "The pool is too short for the answers";
  if (m_poolTotal > sumMax) return "The pool is too long for the answers";
  return {};
}

double FillCandidates::Penalty(const std::vector<std::uint32_t>& choice, int* familiar) const {
  double p = 0;
  int f = 0;
  std::vector<int> lengths;
  for (std::size_t s = 0; s < choice.size() && s < Slots(); ++s) {
    const FillWordTable& t = Table(s);
    p += t.penalty[choice[s]];
    f += t.familiar[choice[s]];
    lengths.push_back(t.length[choice[s]] + 1);
  }
  if (familiar) *familiar = f;
  return p + LengthPenalty(lengths);
}

double FillCandidates::Penalty(const std::vector<std::string>& words, int* familiar) const {
  double p = 0;
  int f = 0;
  std::vector<int> lengths;
  for (std::size_t s = 0; s < words.size() && s < Slots(); ++s) {
    const FillWordTable& t = Table(s);
    auto it = t.index.find(words[s]);
    if (it == t.index.end()) {
      p += WordPenalty(0, false, 0, false);
    } else {
      p += t.penalty[it->second];
      f += t.familiar[it->second];
    }
    lengths.push_back(static_cast<int>(words[s].size()));
  }
  if (familiar) *familiar = f;
  return p + LengthPenalty(lengths);
}

void FillCandidates::NoteScores(AutofillFill& fill) const {
  fill.scored = 0;
  fill.scoreSum = 0;
  for (std::size_t s = 0; s < fill.words.size() && s < Slots(); ++s) {
    const FillWordTable& t = Table(s);
    const auto it = t.index.find(fill.words[s]);
    if (it == t.index.end() || t.score[it->second] < 0) continue;
    ++fill.scored;
    fill.scoreSum += t.score[it->second];
  }
}

}  // namespace quotella
