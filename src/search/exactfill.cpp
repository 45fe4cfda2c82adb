#include "search/exactfill.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <limits>
#include <unordered_map>

#include "search/fillquality.h"
#include "search/luby.h"

namespace quotella {
namespace {

// Letter counts in byte lanes: lanes 0-15 are A-P, lanes 16-25 Q-Z, the rest stay 0.
typedef unsigned char V16 __attribute__((vector_size(16)));
typedef signed char M16 __attribute__((vector_size(16)));

struct Counts {
  V16 lo{};
  V16 hi{};
  unsigned char At(std::size_t l) const { return l < 16 ? lo[l] : hi[l - 16]; }
  void Set(std::size_t l, unsigned char v) {
    if (l < 16)
      lo[l] = v;
    else
      hi[l - 16] = v;
  }
};

inline bool AnyLane(M16 m) {
  std::uint64_t w[2];
  std::memcpy(w, &m, sizeof w);
  return (w[0] | w[1]) != 0;
}

inline bool Fits(const Counts& c, const Counts& r) {
  return !AnyLane((c.lo > r.lo) | (c.hi > r.hi));
}

inline Counts Max(const Counts& a, const Counts& b) {
  return {a.lo > b.lo ? a.lo : b.lo, a.hi > b.hi ? a.hi : b.hi};
}

inline Counts Minus(const Counts& a, const Counts& b) {
  return {a.lo - b.lo, a.hi - b.hi};
}

inline Counts Plus(const Counts& a, const Counts& b) {
  return {a.lo + b.lo, a.hi + b.hi};
}

inline bool Equal(const Counts& a, const Counts& b) {
  return !AnyLane((a.lo != b.lo) | (a.hi != b.hi));
}

constexpr std::array<std::uint64_t, 26> kKeys = [] {
  std::array<std::uint64_t, 26> keys{};
  std::uint64_t x = 0x2545F4914F6CDD1Dull;
  for (auto& k : keys) {
    x ^= x << 13;
    x ^= x >> 7;
    x ^= x << 17;
    k = x | 1u;
  }
  return keys;
}();

std::uint64_t HashOf(const Counts& c) {
  std::uint64_t h = 0;
  for (std::size_t l = 0; l < 26; ++l) h += c.At(l) * kKeys[l];
  return h;
}

// Which words count as familiar in a fill: word lists, familiar words, the rest.
enum Group : unsigned char { kListWord = 0, kFamiliar = 1, kOther = 2 };

struct Cand {
  Counts counts;  // letters after the initial
  std::uint64_t hash;
  unsigned char len;  // letters taken from the pool
  unsigned char group;
  unsigned char standing;  // WordStanding: the order the candidates are tried in
  unsigned char unscored;  // 0 for a plain list word, 101 - score for a scored one, else 101
  unsigned char size;      // SCOWL size, 100 when unknown
  std::uint32_t word;      // index into the slot data's words
  std::uint32_t stem;      // two candidates of one stem never fill two slots
};

struct SlotWords {
  std::vector<Cand> cands;  // in static preference order
  std::vector<std::string> words;
  std::vector<std::pair<std::uint64_t, std::uint32_t>> byHash;  // sorted
};

class Search {
 public:
  Search(const AutofillProblem& problem, const AutofillWordSource& source,
         const AutofillOptions& options, std::stop_token stop,
         const std::function<void(const AutofillProgress&)>& progress, const ExactFillHook& hook)
      : m_problem(problem),
        m_options(options),
        m_deadline(std::move(stop), options.timeLimit, options.clock),
        m_progressFn(progress),
        m_hook(hook) {
    const std::size_t n = problem.rowSlots.size();
    m_progress.rows = static_cast<int>(n);
    std::unordered_map<char, std::size_t> byInitial;
    for (const auto& slot : problem.rowSlots) {
      const char initial = slot.initial;
      auto it = byInitial.find(initial);
      if (it == byInitial.end()) {
        if (Halted()) break;
        it = byInitial.emplace(initial, m_data.size()).first;
        m_data.push_back(Build(initial, source(initial)));
      }
      m_slotData.push_back(it->second);
    }
    for (std::size_t l = 0; l < 26; ++l) {
      const int v = std::clamp(problem.pool[l], 0, 255);
      m_remaining.Set(l, static_cast<unsigned char>(v));
      m_total += v;
    }
    m_hash = HashOf(m_remaining);
    m_bufs.resize(n + 1);
    m_ranges.assign(n + 1, std::vector<Range>(n));
    m_choice.assign(n, 0);
    m_open = n >= 64 ? ~0ull : ((1ull << n) - 1);
  }

  AutofillResult Run() {
    AutofillResult result;
    bool negative = false;
    for (int v : m_problem.pool) negative |= v < 0;
    if (m_problem.rowSlots.empty() || negative) {
      result.end = AutofillEnd::NothingToFill;
      return result;
    }
    ComputeExpectedShares();
    // Restarts with growing node budgets (the Luby sequence): a deep search that went
    // wrong near the top is given up early and tried again in another order. Hopeless
    // remainders learnt in one run stay known in the next. A run that ends within its
    // budget has tried everything: then no fill exists.
    for (m_restart = 0;; ++m_restart) {
      m_cut = false;
      m_budgetEnd = m_progress.nodes + kBaseBudget * LubyTerm(m_restart + 1);
      Node(0);
      if (m_aborted || !m_cut) break;
    }
    m_progress.elapsed = Elapsed();
    m_progress.fills = static_cast<int>(m_fills.size());
    if (m_progressFn) m_progressFn(m_progress);
    result.progress = m_progress;
    std::stable_sort(
        m_fills.begin(), m_fills.end(),
        [](const AutofillFill& a, const AutofillFill& b) { return a.score > b.score; });
    result.fills = std::move(m_fills);
    if (!result.fills.empty())
      result.end = AutofillEnd::Filled;
    else if (m_timedOut)
      result.end = AutofillEnd::TimeLimit;
    else if (m_stopped)
      result.end = AutofillEnd::Stopped;
    else
      result.end = AutofillEnd::NoFill;
    return result;
  }

 private:
  struct Range {
    std::uint32_t begin = 0;
    std::uint32_t count = 0;
    int minLen = 0;
    int maxLen = 0;
  };

  SlotWords Build(char initial, const std::vector<AutofillWord>& source) {
    SlotWords data;
    std::unordered_map<std::string, std::size_t> seen;
    std::unordered_map<std::string, std::uint32_t> stems;
    struct Pending {
      Cand cand;
      std::string word;
    };
    std::vector<Pending> pending;
    std::size_t weighed = 0;
    for (const auto& w : source) {
      if ((++weighed & 4095) == 0 && Halted()) break;
      const std::string& s = w.word;
      const int length = static_cast<int>(s.size());
      if (s.empty() || s[0] != initial) continue;
      if (length < std::max(m_options.minLength, 2)) continue;
      if (m_options.maxLength > 0 && length > m_options.maxLength) continue;
      if (m_options.maxSize > 0 && !w.fromList && (w.size <= 0 || w.size > m_options.maxSize))
        continue;
      if (length - 1 > 255) continue;
      bool ok = true;
      LetterCounts c{};
      for (std::size_t k = 0; k < s.size() && ok; ++k) {
        if (!IsUpperLetter(s[k])) {
          ok = false;
          break;
        }
        const auto l = static_cast<std::size_t>(LetterIndex(s[k]));
        if (m_problem.locked[l]) ok = false;
        if (k > 0 && ++c[l] > m_problem.pool[l]) ok = false;
      }
      if (!ok || m_options.exclude.count(s) != 0) continue;
      const std::string stem = StemOf(s);
      if (m_options.excludeStems.count(stem) != 0) continue;
      Cand cand{};
      cand.stem = stems.emplace(stem, static_cast<std::uint32_t>(stems.size())).first->second;
      for (std::size_t l = 0; l < 26; ++l) cand.counts.Set(l, static_cast<unsigned char>(c[l]));
      cand.hash = HashOf(cand.counts);
      cand.len = static_cast<unsigned char>(length - 1);
      cand.size = static_cast<unsigned char>(w.size > 0 && w.size < 100 ? w.size : 100);
      const bool familiar = w.size > 0 && w.size <= m_options.familiarSize;
      const bool scored = !w.fromList && w.score >= 0;
      cand.group = w.fromList || scored ? kListWord : familiar ? kFamiliar : kOther;
      cand.unscored = static_cast<unsigned char>(w.fromList ? 0
                                                 : scored   ? 101 - std::min(w.score, 100)
                                                            : 101);
      cand.standing = static_cast<unsigned char>(
          WordStanding(w.size, w.fromList, m_options.familiarSize, w.known, w.score));
      auto [it, fresh] = seen.emplace(s, pending.size());
      if (!fresh) {
        Cand& old = pending[it->second].cand;  // the same word twice: keep its best standing
        old.group = std::min(old.group, cand.group);
        old.standing = std::min(old.standing, cand.standing);
        old.unscored = std::min(old.unscored, cand.unscored);
        old.size = std::min(old.size, cand.size);
        continue;
      }
      pending.push_back({cand, s});
    }
    std::sort(pending.begin(), pending.end(), [](const Pending& a, const Pending& b) {
      if (a.cand.standing != b.cand.standing) return a.cand.standing < b.cand.standing;
      if (a.cand.unscored != b.cand.unscored) return a.cand.unscored < b.cand.unscored;
      if (a.cand.size != b.cand.size) return a.cand.size < b.cand.size;
      return a.word < b.word;
    });
    for (auto& p : pending) {
      p.cand.word = static_cast<std::uint32_t>(data.words.size());
      data.words.push_back(std::move(p.word));
      data.cands.push_back(p.cand);
    }
    for (std::uint32_t k = 0; k < data.cands.size(); ++k)
      data.byHash.emplace_back(data.cands[k].hash, k);
    std::sort(data.byHash.begin(), data.byHash.end());
    return data;
  }

  double Elapsed() const { return m_deadline.Elapsed(); }

  // A stop or the time limit: the search ends as soon as it notices.
  bool Halted() {
    if (m_aborted) return true;
    if (m_deadline.StopRequested())
      m_stopped = m_aborted = true;
    else if (m_deadline.TimeUp())
      m_timedOut = m_aborted = true;
    return m_aborted;
  }

  // The share of each letter among the letters all candidates take: what a remainder
  // that the dictionary can still absorb looks like.
  void ComputeExpectedShares() {
    std::array<double, 26> sum{};
    double total = 0;
    for (const auto& data : m_data)
      for (const auto& c : data.cands)
        for (std::size_t l = 0; l < 26; ++l) {
          sum[l] += c.counts.At(l);
          total += c.counts.At(l);
        }
    for (std::size_t l = 0; l < 26; ++l) m_share[l] = total > 0 ? sum[l] / total : 1.0 / 26;
  }

  // How far a remainder is from what words are made of (a chi-square distance).
  double Imbalance(const Counts& rest, int total) const {
    double d = 0;
    for (std::size_t l = 0; l < 26; ++l) {
      const double expected = m_share[l] * total;
      const double diff = rest.At(l) - expected;
      d += diff * diff / (expected + 1.0);
    }
    return d;
  }

  bool Aborted() {
    if (m_aborted || m_cut) return true;
    if (m_progress.nodes >= m_budgetEnd) {
      m_cut = true;
      return true;
    }
    if ((m_progress.nodes & (kHaltCheckNodes - 1)) == 0 && Halted()) return true;
    if ((m_progress.nodes & 255) != 0) return false;
    if (m_hook && m_hook(m_progress.nodes)) {
      m_stopped = m_aborted = true;
      return true;
    }
    const double t = Elapsed();
    if (m_progressFn && t >= m_nextReport) {
      m_nextReport = t + 0.2;
      m_progress.elapsed = t;
      m_progress.fills = static_cast<int>(m_fills.size());
      m_progressFn(m_progress);
    }
    return false;
  }

  const SlotWords& Data(std::size_t slot) const { return m_data[m_slotData[slot]]; }

  std::uint64_t StateKey() const {
    std::uint64_t k = m_hash ^ (m_open * 0x9E3779B97F4A7C15ull);
    k ^= k >> 29;
    return k * 0xBF58476D1CE4E5B9ull;
  }

  // Returns true when a completion (kept or not) was met under this node, or when the
  // search under it was cut short: such a node is not remembered as hopeless.
  bool Node(std::size_t depth) {
    ++m_progress.nodes;
    if (Aborted()) return true;
    m_progress.bestDepth = std::max(m_progress.bestDepth, static_cast<int>(depth));
    if (m_open == 0) return m_total == 0 && Record();
    const std::uint64_t key = StateKey();
    if (m_failed.count(key) != 0) return false;
    const bool found = Expand(depth);
    if (!found && !m_aborted && !m_cut && m_failed.size() < kMaxRemembered) m_failed.insert(key);
    return found;
  }

  bool Expand(std::size_t depth) {
    const std::size_t n = m_problem.rowSlots.size();
    auto& buf = m_bufs[depth];
    buf.clear();
    auto& ranges = m_ranges[depth];
    int sumMin = 0, sumMax = 0, open = 0;
    std::array<int, 26> letterRoom{};
    std::size_t best = n;
    std::uint32_t bestCount = std::numeric_limits<std::uint32_t>::max();
    for (std::size_t s = 0; s < n; ++s) {
      if ((m_open >> s & 1u) == 0) continue;
      // Weighing a slot's candidates near the top takes long on long answers: a stop or the
      // deadline is looked at before each.
      if (Halted()) return true;
      ++open;
      const auto& cands = Data(s).cands;
      Range r;
      r.begin = static_cast<std::uint32_t>(buf.size());
      r.minLen = std::numeric_limits<int>::max();
      Counts room{};
      auto take = [&](std::uint32_t idx) {
        const Cand& c = cands[idx];
        if (c.len > m_total || !Fits(c.counts, m_remaining)) return;
        buf.push_back(idx);
        room = Max(room, c.counts);
        r.minLen = std::min(r.minLen, static_cast<int>(c.len));
        r.maxLen = std::max(r.maxLen, static_cast<int>(c.len));
      };
      if (depth == 0) {
        for (std::uint32_t k = 0; k < cands.size(); ++k) take(k);
      } else {
        const Range& pr = m_ranges[depth - 1][s];
        const auto& pbuf = m_bufs[depth - 1];
        for (std::uint32_t k = 0; k < pr.count; ++k) take(pbuf[pr.begin + k]);
      }
      r.count = static_cast<std::uint32_t>(buf.size()) - r.begin;
      if (r.count == 0) return false;
      ranges[s] = r;
      sumMin += r.minLen;
      sumMax += r.maxLen;
      for (std::size_t l = 0; l < 26; ++l) letterRoom[l] += room.At(l);
      if (r.count < bestCount) {
        bestCount = r.count;
        best = s;
      }
    }
    if (m_total < sumMin || m_total > sumMax) return false;
    for (std::size_t l = 0; l < 26; ++l)
      if (letterRoom[l] < m_remaining.At(l)) return false;

    if (open == 1) return CloseLast(best, ranges[best], buf);
    if (open == 2) return ClosePair(depth, best);

    // Words of the best standing first (list words, then the words WordNet knows, familiar
    // before rare); among them words near the average length still needed that leave a
    // remainder most like what words are made of. Later restarts add a little
    // deterministic noise so that they look elsewhere.
    const Range& r = ranges[best];
    const auto& data = Data(best);
    const auto& cands = data.cands;
    const double avg = static_cast<double>(m_total) / open;
    // Every other restart only leans towards the best standing: some pools need a rarer word.
    const double groupWeight = m_restart % 2 == 0 ? kGroupWeight : kSoftGroupWeight;
    std::vector<std::pair<double, std::uint32_t>> order;
    order.reserve(r.count);
    for (std::uint32_t k = 0; k < r.count; ++k) {
      const std::uint32_t idx = buf[r.begin + k];
      const Cand& c = cands[idx];
      double key = c.standing * groupWeight + kLengthWeight * std::abs(c.len - avg) +
                   kBalanceWeight * Imbalance(Minus(m_remaining, c.counts), m_total - c.len);
      if (m_restart > 0) key += kNoise * Noise(c.hash, m_restart);
      order.emplace_back(key, idx);
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    bool found = false;
    const std::uint64_t bit = 1ull << best;
    for (const auto& [key, idx] : order) {
      const Cand& c = cands[idx];
      if (UsedElsewhere(best, idx)) {
        found = true;  // a word twice is refused here only: the state is not hopeless as such
        continue;
      }
      m_choice[best] = idx;
      Take(c, bit);
      found |= Node(depth + 1);
      Give(c, bit);
      if (m_aborted || m_cut) return true;
    }
    return found;
  }

  void Take(const Cand& c, std::uint64_t bit) {
    m_remaining = Minus(m_remaining, c.counts);
    m_total -= c.len;
    m_hash -= c.hash;
    m_open &= ~bit;
  }
  void Give(const Cand& c, std::uint64_t bit) {
    m_remaining = Plus(m_remaining, c.counts);
    m_total += c.len;
    m_hash += c.hash;
    m_open |= bit;
  }

  // A word of the same stem already chosen for another closed slot of the same initial.
  bool UsedElsewhere(std::size_t slot, std::uint32_t idx) const {
    const std::size_t data = m_slotData[slot];
    const std::uint32_t stem = m_data[data].cands[idx].stem;
    for (std::size_t s = 0; s < m_problem.rowSlots.size(); ++s)
      if (s != slot && (m_open >> s & 1u) == 0 && m_slotData[s] == data &&
          m_data[data].cands[m_choice[s]].stem == stem)
        return true;
    return false;
  }

  bool CloseLast(std::size_t slot, const Range& r, const std::vector<std::uint32_t>& buf) {
    bool found = false;
    const auto& cands = Data(slot).cands;
    for (std::uint32_t k = 0; k < r.count; ++k) {
      const std::uint32_t idx = buf[r.begin + k];
      if (cands[idx].len != m_total) continue;  // fits and as long as the rest: exactly the rest
      found = true;
      if (UsedElsewhere(slot, idx)) continue;
      m_choice[slot] = idx;
      const std::uint64_t bit = 1ull << slot;
      Take(cands[idx], bit);
      Record();
      Give(cands[idx], bit);
      if (m_aborted || m_cut) return true;
    }
    return found;
  }

  // Two slots left: for each candidate of the tighter one, the other must take exactly
  // what remains, which is looked up by its letter counts.
  bool ClosePair(std::size_t depth, std::size_t tight) {
    std::size_t other = 0;
    for (std::size_t s = 0; s < m_problem.rowSlots.size(); ++s)
      if ((m_open >> s & 1u) != 0 && s != tight) other = s;
    const Range& r = m_ranges[depth][tight];
    const Range& ro = m_ranges[depth][other];
    const auto& buf = m_bufs[depth];
    const auto& a = Data(tight);
    const auto& b = Data(other);
    bool found = false;
    for (std::uint32_t k = 0; k < r.count; ++k) {
      const std::uint32_t ia = buf[r.begin + k];
      const Cand& ca = a.cands[ia];
      const int rest = m_total - ca.len;
      if (rest < ro.minLen || rest > ro.maxLen) continue;
      const std::uint64_t h = m_hash - ca.hash;
      const Counts need = Minus(m_remaining, ca.counts);
      auto it = std::lower_bound(b.byHash.begin(), b.byHash.end(), std::make_pair(h, 0u));
      for (; it != b.byHash.end() && it->first == h; ++it) {
        const Cand& cb = b.cands[it->second];
        if (cb.len != rest || !Equal(cb.counts, need)) continue;
        found = true;
        m_choice[tight] = ia;
        m_choice[other] = it->second;
        if (m_slotData[tight] == m_slotData[other] && ca.stem == cb.stem) continue;
        const std::uint64_t bits = (1ull << tight) | (1ull << other);
        m_open &= ~bits;
        const bool duplicate = UsedElsewhere(tight, ia) || UsedElsewhere(other, it->second);
        if (!duplicate) Record();
        m_open |= bits;
        if (m_aborted || m_cut) return true;
      }
      if ((++m_progress.nodes & (kHaltCheckNodes - 1)) == 0 && Aborted()) return true;
    }
    return found;
  }

  bool Record() {
    AutofillFill fill;
    for (std::size_t s = 0; s < m_problem.rowSlots.size(); ++s) {
      const auto& data = Data(s);
      const Cand& c = data.cands[m_choice[s]];
      fill.words.push_back(data.words[c.word]);
      if (c.group != kOther) ++fill.familiar;
      fill.score += ScoreOf(c);
    }
    m_fills.push_back(std::move(fill));
    m_progress.bestDepth = static_cast<int>(m_problem.rowSlots.size());
    if (static_cast<int>(m_fills.size()) >= std::max(1, m_options.solutions)) m_aborted = true;
    return true;
  }

  // A word's share of a fill's score, in the order of its standing: a plain list word the
  // most, a scored one from 300 to 320 by its score, then a word WordNet knows (more when
  // familiar, the commoner the more), then one it does not know (only for being familiar).
  static int ScoreOf(const Cand& c) {
    if (c.group == kListWord) return 320 - c.unscored / 5;
    const int familiar = c.group == kFamiliar ? 100 - c.size / 5 : 0;
    return (c.standing <= 2 ? 200 : 0) + familiar;
  }

  static double Noise(std::uint64_t h, std::uint64_t restart) {
    h ^= restart * 0x9E3779B97F4A7C15ull;
    h ^= h >> 33;
    h *= 0xFF51AFD7ED558CCDull;
    h ^= h >> 33;
    return static_cast<double>(h >> 11) / static_cast<double>(1ull << 53);
  }

  static constexpr std::size_t kMaxRemembered = 1'000'000;
  static constexpr std::uint64_t kBaseBudget = 2000;
  // Nodes between two looks at the stop and the clock (a power of two dividing 256, how
  // often the hook is asked): a deep node weighs every open slot's candidates.
  static constexpr std::uint64_t kHaltCheckNodes = 16;
  static constexpr double kGroupWeight = 1000.0;
  static constexpr double kSoftGroupWeight = 8.0;
  static constexpr double kLengthWeight = 2.0;
  static constexpr double kNoise = 4.0;
  static constexpr double kBalanceWeight = 4.0;

  const AutofillProblem& m_problem;
  const AutofillOptions& m_options;
  SearchDeadline m_deadline;
  const std::function<void(const AutofillProgress&)>& m_progressFn;
  const ExactFillHook& m_hook;
  double m_nextReport = 0.2;

  std::vector<SlotWords> m_data;
  std::vector<std::size_t> m_slotData;

  Counts m_remaining{};
  int m_total = 0;
  std::uint64_t m_hash = 0;
  std::uint64_t m_open = 0;
  std::vector<std::uint32_t> m_choice;
  std::vector<std::vector<std::uint32_t>> m_bufs;
  std::vector<std::vector<Range>> m_ranges;
  std::unordered_set<std::uint64_t> m_failed;

  std::vector<AutofillFill> m_fills;
  AutofillProgress m_progress;
  std::array<double, 26> m_share{};
  std::uint64_t m_restart = 0;
  std::uint64_t m_budgetEnd = 0;
  bool m_cut = false;  // this run's node budget is spent
  bool m_aborted = false;
  bool m_timedOut = false;
  bool m_stopped = false;
};

}  // namespace

AutofillResult RunExactFill(const AutofillProblem& problem, const AutofillWordSource& words,
                            const AutofillOptions& options, std::stop_token stop,
                            const std::function<void(const AutofillProgress&)>& progress,
                            const ExactFillHook& hook) {
  if (problem.rowSlots.size() > 52) {
    AutofillResult none;
    none.end = AutofillEnd::NothingToFill;
    return none;
  }
  Search search(problem, words, options, std::move(stop), progress, hook);
  return search.Run();
}

}  // namespace quotella
