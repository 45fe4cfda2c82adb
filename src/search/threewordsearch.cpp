#include "search/threewordsearch.h"

#include <algorithm>

#include "core/textio.h"

namespace quotella {
namespace {

// What an entry takes from the pool: letters A-Z after its first character.
LetterCounts TakenLetters(const std::string& entry) {
  LetterCounts c{};
  for (std::size_t n = 1; n < entry.size(); ++n) {
    char ch = entry[n];
    if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
    if (IsUpperLetter(ch)) ++c[static_cast<std::size_t>(LetterIndex(ch))];
  }
  return c;
}

LetterCounts Clamped(const LetterCounts& pool) {
  LetterCounts c{};
  for (std::size_t l = 0; l < 26; ++l) c[l] = std::max(0, pool[l]);
  return c;
}

int PoolTotal(const LetterCounts& pool) {
  int total = 0;
  for (int n : pool) total += n;
  return total;
}

// The shared frame of both engines: opening lines, the checks between steps, the
// solution lines and the result line. Both engines call the checks at the same points,
// so a flag set from a callback has the same effect on either.
class Run {
 public:
  Run(ThreeWordControl& control, ThreeWordSink& sink) : m_control(control), m_sink(sink) {}

  void Begin() {
    m_sink.LogLine("Beginning brute force search");
    m_sink.LogLine("Use Right-click menu to EXIT");
  }

  // A list-1 or list-2 step: lets the caller poll, then honours Esc. True = leave all loops.
  bool StepAborts() {
    if (m_control.poll) m_control.poll();
    if (m_control.escape.load(std::memory_order_relaxed)) {
      m_control.searching.store(false);
      m_outcome.aborted = true;
      m_sink.LogLine("");
      m_sink.LogLine("User has aborted search.");
      return true;
    }
    return false;
  }

  // True when the current word of list 1 is to be left (skip or end of search).
  bool LeaveWord1() {
    if (!m_control.searching.load(std::memory_order_relaxed)) return true;
    // Read before taking: a locked exchange at every step would cost more than the step.
    return m_control.skip.load(std::memory_order_relaxed) && m_control.skip.exchange(false);
  }
  bool Searching() const { return m_control.searching.load(std::memory_order_relaxed); }

  void Solution(const std::string& w1, const std::string& w2, const std::string& w3, std::size_t i,
                std::size_t n1) {
    m_sink.Progress(w1, w2, w3, i, n1);
    m_sink.LogLine(w1 + " * " + w2 + " * " + w3);
    m_sink.CandidateLine("!" + w1 + "*" + w2 + "*" + w3);
    ++m_outcome.solutions;
  }

  void Word1(const std::string& w1, std::size_t i, std::size_t n1) {
    m_sink.Progress(w1, "", "", i, n1);
  }

  // Steps through every pair of a list-1 and a list-2 word with the checks between steps.
  // `onWord1(i)` prepares a first word; `onPair(i, j)` looks for third words and returns
  // true when the first word is to be left.
  template <typename OnWord1, typename OnPair>
  void Walk(const std::vector<std::string>& l1, std::size_t n2, OnWord1 onWord1, OnPair onPair) {
    for (std::size_t i = 0; i < l1.size(); ++i) {
      if (StepAborts()) return;
      Word1(l1[i], i, l1.size());
      onWord1(i);
      for (std::size_t j = 0; j < n2; ++j) {
        if (StepAborts()) return;
        if (LeaveWord1() || onPair(i, j)) break;
      }
      if (!Searching()) return;
    }
  }

  ThreeWordOutcome End() {
    if (m_outcome.solutions > 0)
      m_sink.LogLine("Found " + std::to_string(m_outcome.solutions) + " solutions");
    else
      m_sink.StatusReport("No Solutions found");
    m_outcome.stopped = !m_outcome.aborted && !m_control.searching.load();
    m_control.searching.store(false);
    return m_outcome;
  }

 private:
  ThreeWordControl& m_control;
  ThreeWordSink& m_sink;
  ThreeWordOutcome m_outcome;
};

// Multipliers of the linear hash: 26 letters and the length.
constexpr std::array<std::uint64_t, 27> kHashKeys = [] {
  std::array<std::uint64_t, 27> keys{};
  std::uint64_t x = 0x9E3779B97F4A7C15ull;
  for (auto& k : keys) {
    x ^= x >> 31;
    x *= 0xBF58476D1CE4E5B9ull;
    x ^= x >> 27;
    k = x | 1u;
  }
  return keys;
}();

std::uint64_t KeyHash(const LetterCounts& c, int length) {
  std::uint64_t h = static_cast<std::uint64_t>(length) * kHashKeys[26];
  for (std::size_t l = 0; l < 26; ++l) h += static_cast<std::uint64_t>(c[l]) * kHashKeys[l];
  return h;
}

struct Entry {
  LetterCounts taken;
  int length;
  std::uint64_t hash;
};

Entry MakeEntry(const std::string& s) {
  Entry e{TakenLetters(s), static_cast<int>(s.size()), 0};
  e.hash = KeyHash(e.taken, e.length);
  return e;
}

// List 3 grouped by (taken letters, length), found by hash with open addressing. A slot
// holds the hash beside the group number, so that a miss touches the slot array only.
class Groups {
 public:
  explicit Groups(const std::vector<Entry>& entries) {
    std::size_t cap = 16;
    while (cap < entries.size() * 2 + 2) cap *= 2;
    m_slots.assign(cap, Slot{0, -1});
    m_mask = cap - 1;
    for (std::size_t k = 0; k < entries.size(); ++k) {
      const Entry& e = entries[k];
      if (e.length >= 0 && static_cast<std::size_t>(e.length) < m_lengths.size())
        m_lengths[static_cast<std::size_t>(e.length)] = true;
      std::size_t s = e.hash & m_mask;
      for (;; s = (s + 1) & m_mask) {
        Slot& slot = m_slots[s];
        if (slot.group < 0) {
          slot = {e.hash, static_cast<int>(m_groups.size())};
          m_groups.push_back({e.length, e.taken, {k}});
          break;
        }
        Group& grp = m_groups[static_cast<std::size_t>(slot.group)];
        if (slot.hash == e.hash && grp.length == e.length && grp.taken == e.taken) {
          grp.members.push_back(k);
          break;
        }
      }
    }
  }

  // Does list 3 hold a word of this length at all?
  bool HasLength(int length) const {
    return length >= 0 && static_cast<std::size_t>(length) < m_lengths.size() &&
           m_lengths[static_cast<std::size_t>(length)];
  }

  // Cheap pre-test: is any slot under this hash taken at all?
  bool MayHold(std::uint64_t hash) const {
    for (std::size_t s = hash & m_mask;; s = (s + 1) & m_mask) {
      const Slot& slot = m_slots[s];
      if (slot.group < 0) return false;
      if (slot.hash == hash) return true;
    }
  }

  // The list-3 indices, in list order, of the words that take exactly `need`.
  const std::vector<std::size_t>* Find(std::uint64_t hash, const LetterCounts& need,
                                       int length) const {
    for (std::size_t s = hash & m_mask;; s = (s + 1) & m_mask) {
      const Slot& slot = m_slots[s];
      if (slot.group < 0) return nullptr;
      if (slot.hash != hash) continue;
      const Group& grp = m_groups[static_cast<std::size_t>(slot.group)];
      if (grp.length == length && grp.taken == need) return &grp.members;
    }
  }

 private:
  struct Slot {
    std::uint64_t hash;
    int group;
  };
  struct Group {
    int length;
    LetterCounts taken;
    std::vector<std::size_t> members;
  };
  std::vector<Slot> m_slots;
  std::size_t m_mask = 0;
  std::vector<Group> m_groups;
  std::array<bool, 256> m_lengths{};  // longer entries are looked up by hash alone
};

}  // namespace

bool CompletesPuzzle(const std::string& text, const LetterCounts& pool) {
  LetterCounts count{};
  for (char ch : text) {
    if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
    if (IsUpperLetter(ch)) ++count[static_cast<std::size_t>(LetterIndex(ch))];
  }
  return count == Clamped(pool);
}

ThreeWordOutcome ThreeWordSearch::RunPlain(const Lists& lists, const LetterCounts& pool,
                                           ThreeWordControl& control, ThreeWordSink& sink) {
  Run run(control, sink);
  run.Begin();
  const int p = PoolTotal(pool);
  const auto& l1 = lists[0];
  const auto& l2 = lists[1];
  const auto& l3 = lists[2];
  run.Walk(
      l1, l2.size(), [](std::size_t) {},
      [&](std::size_t i, std::size_t j) {
        const std::string& w1 = l1[i];
        const std::string& w2 = l2[j];
        for (std::size_t k = 0; k < l3.size() && run.Searching(); ++k) {
          const std::string& w3 = l3[k];
          if (static_cast<int>(w1.size() + w2.size() + w3.size()) - 3 != p) continue;
          const std::string joined = (w1.empty() ? w1 : w1.substr(1)) +
                                     (w2.empty() ? w2 : w2.substr(1)) +
                                     (w3.empty() ? w3 : w3.substr(1));
          if (!CompletesPuzzle(joined, pool)) continue;
          run.Solution(w1, w2, w3, i, l1.size());
          if (run.LeaveWord1()) return true;
        }
        return false;
      });
  return run.End();
}

ThreeWordOutcome ThreeWordSearch::RunFast(const Lists& lists, const LetterCounts& pool,
                                          ThreeWordControl& control, ThreeWordSink& sink) {
  Run run(control, sink);
  run.Begin();
  const LetterCounts target = Clamped(pool);
  const int targetLength = PoolTotal(pool) + 3;
  const std::uint64_t targetHash = KeyHash(target, targetLength);

  std::array<std::vector<Entry>, 3> entries;
  for (std::size_t t = 0; t < 3; ++t) {
    entries[t].reserve(lists[t].size());
    for (const auto& s : lists[t]) entries[t].push_back(MakeEntry(s));
  }
  const Groups groups(entries[2]);
  const auto& l1 = lists[0];

  // A first word that takes more of a letter than the pool holds has no partner; the
  // steps are still taken so that skip, stop and Esc behave as in the full loop.
  bool possible = true;
  std::uint64_t rest1 = 0;
  const Entry* e1 = nullptr;
  run.Walk(
      l1, lists[1].size(),
      [&](std::size_t i) {
        e1 = &entries[0][i];
        possible = true;
        for (std::size_t l = 0; l < 26; ++l)
          if (e1->taken[l] > target[l]) possible = false;
        rest1 = targetHash - e1->hash;
      },
      [&](std::size_t i, std::size_t j) {
        if (!possible) return false;
        const Entry& e2 = entries[1][j];
        const int length3 = targetLength - e1->length - e2.length;
        if (length3 < 256 && !groups.HasLength(length3)) return false;
        const std::uint64_t h = rest1 - e2.hash;
        if (!groups.MayHold(h)) return false;
        LetterCounts need{};
        for (std::size_t l = 0; l < 26; ++l) {
          need[l] = target[l] - e1->taken[l] - e2.taken[l];
          if (need[l] < 0) return false;
        }
        const auto* members = groups.Find(h, need, length3);
        if (members == nullptr) return false;
        for (std::size_t k : *members) {
          run.Solution(l1[i], lists[1][j], lists[2][k], i, l1.size());
          if (run.LeaveWord1()) return true;
        }
        return false;
      });
  return run.End();
}

}  // namespace quotella
