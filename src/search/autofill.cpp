#include "search/autofill.h"

#include <algorithm>
#include <atomic>
#include <barrier>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <thread>

#include "search/exactfill.h"
#include "search/fillcandidates.h"
#include "search/fillrepair.h"
#include "search/knownfill.h"
#include "search/letterweighing.h"
#include "search/localfill.h"
#include "search/luby.h"

namespace quotella {
namespace {

// One round: each chain weighs a number of candidates (AutofillOptions::roundWork while
// improving, more while searching, see below) and the exact engine visits this many nodes
// (a multiple of 256, how often it asks its hook). A few milliseconds each.
constexpr std::uint64_t kRoundNodes = 256;
// Rounds of improvement without a better fill after which it ends.
constexpr int kPatience = 150;
constexpr int kFamiliarPatience = 4;
// While no fill is known the chains' rounds grow (doubling every kGrowthRounds rounds, up to
// 2^kMaxDoublings times), so that the exact engine's fixed share of nodes per round, costly on
// long answers, holds the chains back less and less. Counted in rounds, so the same seed
// still gives the same fill.
constexpr int kGrowthRounds = 2;
constexpr int kMaxDoublings = 6;
// A search round starts at this many times the improvement's round: a search step weighs
// its candidates in byte lanes, several times faster than an improving step, which adds
// each word's penalty.
constexpr int kSearchRoundScale = 5;
// When the chains find the first fill within this many rounds, the exact engine, which
// tries familiar words first, goes on for as many rounds of the improvement to offer its
// own first fill for the ranking.
constexpr int kExactExtraRounds = 32;
// Looking for letter weights that prove there is no fill starts this late (most puzzles
// are filled by then and never pay for it) and gives up after this many steps (a few
// tenths of a second on the largest dictionaries).
constexpr double kWeighingDelay = 0.3;  // seconds on the search's clock
constexpr auto kWeighingPoll = std::chrono::milliseconds(5);
constexpr int kWeighingSteps = 400;
constexpr int kWeighingBatch = 10;
// A chain that has not found a fill starts afresh after Luby-sequence multiples of this
// many candidates weighed (half a second or so): on some puzzles a chain that went wrong
// early stays wrong for a long time, and a new start is the quicker way out. A shorter
// unit cuts runs off while they are still settling: their first tenths of a second seldom
// end in a fill.
constexpr std::uint64_t kRestartUnit = 1'000'000'000;

// The best fills whose costliest answers are traded away before the fills are ranked.
constexpr std::size_t kRepairedFills = 8;
// The repair weighs at most what a chain weighs in the improvement's rounds (and one more),
// a third of that for one answer: a few tenths of a second by default, and a small share of
// a quotation's budget when quotations are ranked.
constexpr std::uint64_t kRepairAnswerShare = 3;

std::uint64_t RepairWork(const AutofillOptions& options) {
  return static_cast<std::uint64_t>(std::max(options.improveRounds, 0) + 1) * options.roundWork;
}

const char* const kLocalEngine = "local search";
const char* const kExactEngine = "exact search";
const char* const kCertificate = "certificate";

AutofillFill FillOf(const FillCandidates& cands, const RankedFill& f) {
  AutofillFill fill;
  for (std::size_t s = 0; s < f.choice.size(); ++s)
    fill.words.push_back(f.choice[s] == LocalFillChain::kNone ? std::string()
                                                              : cands.Table(s).words[f.choice[s]]);
  fill.penalty = f.penalty;
  fill.familiar = f.familiar;
  fill.score = -static_cast<int>(std::lround(f.penalty * 100.0));
  return fill;
}

// A fill of words as indices into the tables; nullopt when a word is not a candidate.
std::optional<RankedFill> Ranked(const FillCandidates& cands,
                                 const std::vector<std::string>& words) {
  RankedFill f;
  for (std::size_t s = 0; s < words.size() && s < cands.Slots(); ++s) {
    auto it = cands.Table(s).index.find(words[s]);
    if (it == cands.Table(s).index.end()) return std::nullopt;
    f.choice.push_back(it->second);
  }
  f.penalty = cands.Penalty(f.choice, &f.familiar);
  return f;
}

class Portfolio {
 public:
  Portfolio(const AutofillProblem& problem, const AutofillWordSource& words,
            const AutofillOptions& options, std::stop_token stop,
            const std::function<void(const AutofillProgress&)>& progress)
      : m_problem(problem),
        m_words(words),
        m_options(options),
        m_callerStop(stop),
        m_deadline(std::move(stop), options.timeLimit, options.clock),
        m_progressFn(progress),
        m_cands(problem, words, options, [this] { return m_deadline.StopRequested(); }),
        m_repair(m_cands, RepairWork(options) / kRepairAnswerShare, RepairWork(options)) {
    m_repair.SetHalt([this] { return m_deadline.Passed(); });
    m_progress.rows = static_cast<int>(problem.rowSlots.size());
  }

  AutofillResult Run() {
    AutofillResult result;
    if (m_cands.Halted()) {
      result.end = AutofillEnd::Stopped;
      result.progress = m_progress;
      return result;
    }
    // The time limit is the search's: reading the words and building the tables, which a
    // stop cuts short, come before it, so that a short limit still searches.
    m_deadline.Restart();
    if (const std::string why = m_cands.Impossibility(); !why.empty()) {
      result.end = AutofillEnd::NoFill;
      result.reason = why;
      result.engine = kCertificate;
      result.decided = Elapsed();
      result.progress = m_progress;
      return result;
    }
    const int chains = std::max(1, m_options.chains);
    const std::size_t keep = static_cast<std::size_t>(std::max(m_options.solutions, 8));
    for (int k = 0; k < chains; ++k) {
      m_chains.push_back(
          std::make_unique<LocalFillChain>(m_cands, ChainSeed(static_cast<std::size_t>(k)), keep));
      // A stop or the deadline cuts the round short; the round's end then ends the search.
      m_chains.back()->SetHalt([this] { return m_deadline.Passed(); });
    }
    m_found.assign(m_chains.size(), 0);
    m_roundWork = m_options.roundWork * kSearchRoundScale;
    const std::ptrdiff_t parties = chains + (m_options.exact ? 1 : 0);
    std::barrier<RoundEnd> round(parties, RoundEnd{this});
    m_round = &round;
    {
      std::vector<std::jthread> threads;
      for (std::size_t k = 0; k < m_chains.size(); ++k)
        threads.emplace_back([this, k] { RunChain(k); });
      if (m_options.exact) threads.emplace_back([this] { RunExact(); });
      threads.emplace_back([this] { RunWeighing(); });
    }
    return Collect();
  }

 private:
  enum class Phase { Search, Improve };
  struct RoundEnd {
    Portfolio* portfolio;
    void operator()() noexcept { portfolio->EndOfRound(); }
  };

  std::uint64_t ChainSeed(std::size_t k) const {
    return m_options.seed * 0x9E3779B97F4A7C15ull + static_cast<std::uint64_t>(k);
  }

  double Elapsed() const { return m_deadline.Elapsed(); }

  void RunChain(std::size_t k) {
    LocalFillChain& chain = *m_chains[k];
    bool improving = false;
    const std::stop_token token = m_stop.get_token();
    std::uint64_t spent = 0, restarts = 0;
    for (;;) {
      if (m_phase == Phase::Search) {
        m_found[k] = chain.Search(m_roundWork) ? 1 : 0;
        spent += m_roundWork;
        if (!m_found[k] && spent >= kRestartUnit * LubyTerm(restarts + 1)) {
          chain.Restart(ChainSeed(k) + 0x632BE59BD9B4E019ull * ++restarts);
          spent = 0;
        }
      } else {
        if (!improving) chain.StartImproving(m_startFill.choice);
        improving = true;
        chain.Improve(m_options.roundWork);
      }
      m_round->arrive_and_wait();
      if (token.stop_requested()) break;
    }
  }

  void RunExact() {
    AutofillOptions options = m_options;
    options.solutions = 1;
    // The exact engine ends on a stop or the deadline by itself, mid-round; the others
    // notice them too and the round's end ends the search.
    options.timeLimit = m_deadline.Remaining();
    const std::stop_token token = m_stop.get_token();
    std::uint64_t next = kRoundNodes;
    const ExactFillHook hook = [&](std::uint64_t nodes) {
      m_exactNodes = nodes;
      if (nodes < next) return false;
      next = nodes + kRoundNodes;
      m_round->arrive_and_wait();
      return token.stop_requested() ||
             (m_phase != Phase::Search && m_improveRounds >= m_exactExtraRounds);
    };
    m_exact = RunExactFill(m_problem, m_words, options, m_callerStop, {}, hook);
    m_exactNodes = m_exact->progress.nodes;
    m_round->arrive_and_drop();
  }

  // Outside the rounds: a proof ends the search whenever it comes, and no fill can be
  // lost to it.
  void RunWeighing() {
    if (!m_options.weighing) return;
    const std::stop_token token = m_stop.get_token();
    std::mutex mutex;
    std::condition_variable_any wake;
    std::unique_lock lock(mutex);
    // The delay is read on the search's clock, so that a clock a test sets governs it too.
    while (!token.stop_requested() && !m_deadline.Passed() && Elapsed() < kWeighingDelay)
      wake.wait_for(lock, token, kWeighingPoll, [] { return false; });
    if (token.stop_requested() || m_deadline.Passed()) return;
    LetterWeighing weighing(m_cands);
    for (int k = 0; k < kWeighingSteps && !token.stop_requested() && !m_deadline.Passed();
         k += kWeighingBatch)
      if (weighing.Search(kWeighingBatch)) {
        m_weighed.store(true, std::memory_order_release);
        return;
      }
  }

  // Runs on the last thread to arrive, while the others wait: the only place the shared
  // state changes.
  void EndOfRound() noexcept {
    const double t = Elapsed();
    int lettersOff = -1;
    for (const auto& c : m_chains)
      lettersOff = lettersOff < 0 ? c->BestCost() : std::min(lettersOff, c->BestCost());
    m_progress.lettersOff = lettersOff;
    if (m_phase == Phase::Search) {
      m_progress.searchRounds = m_searchRounds;
      if (m_weighed.load(std::memory_order_acquire)) {
        m_end = AutofillEnd::NoFill;
        m_engine = kCertificate;
        m_reason = LetterWeighing::Reason();
        m_decided = t;
        m_stop.request_stop();
        return;
      }
      if (m_exact && m_exact->end == AutofillEnd::NoFill) {
        m_end = AutofillEnd::NoFill;
        m_engine = kExactEngine;
        m_decided = t;
        m_stop.request_stop();
        return;
      }
      std::optional<RankedFill> best;
      for (std::size_t k = 0; k < m_chains.size(); ++k) {
        if (!m_found[k]) continue;
        RankedFill f;
        f.choice = m_chains[k]->Choice();
        m_chains[k]->Polish(f.choice);
        f.penalty = m_cands.Penalty(f.choice, &f.familiar);
        m_firstFills.push_back(f);
        if (!best || f.penalty < best->penalty) {
          best = f;
          m_engine = kLocalEngine;
        }
      }
      if (m_exact && !m_exact->fills.empty()) {
        m_exactRanked = true;
        if (auto f = Ranked(m_cands, m_exact->fills.front().words)) {
          m_firstFills.push_back(*f);
          if (!best) {
            best = *f;
            m_engine = kExactEngine;
          }
        }
      }
      ++m_searchRounds;
      m_roundWork = m_options.roundWork * kSearchRoundScale
                    << std::min(m_searchRounds / kGrowthRounds, kMaxDoublings);
      if (best) {
        // The chains improve from the first fill as found: one with its costliest answers
        // traded away joins the fills to choose from, but as a start it holds the chains in
        // its neighbourhood.
        m_startFill = *best;
        best = WithAlternatives(*best);
        m_phase = Phase::Improve;
        m_roundsLeft = m_options.improveRounds;
        m_exactExtraRounds = m_searchRounds <= kExactExtraRounds ? kExactExtraRounds : 0;
        m_bestPenalty = best->penalty;
        m_decided = t;
        m_end = AutofillEnd::Filled;
        if (m_roundsLeft <= 0) m_stop.request_stop();
      } else if (m_options.searchRounds > 0 && m_searchRounds >= m_options.searchRounds) {
        // A budget of work rather than time: the same seed gives up at the same point
        // however busy the machine is.
        m_stop.request_stop();
      }
      m_progress.searchRounds = m_searchRounds;
    } else {
      ++m_improveRounds;
      if (m_exact && !m_exactRanked && !m_exact->fills.empty()) {
        m_exactRanked = true;
        if (auto f = Ranked(m_cands, m_exact->fills.front().words)) m_firstFills.push_back(*f);
      }
      // Improvement ends after its rounds, or sooner once the best fill stopped getting
      // better for a while.
      const RankedFill* bestFill = &m_startFill;
      for (const auto& f : m_firstFills)
        if (f.penalty < bestFill->penalty) bestFill = &f;
      for (const auto& c : m_chains)
        if (!c->Fills().empty() && c->Fills().front().penalty < bestFill->penalty)
          bestFill = &c->Fills().front();
      double best = bestFill->penalty;
      int familiar = bestFill->familiar;
      if (best < m_bestPenalty - 1e-9) {
        // Each new best fill has its costliest answers traded away at once: the
        // improvement often runs until the time limit, leaving no time after it.
        RankedFill repaired = *bestFill;
        if (Repair(repaired)) {
          best = repaired.penalty;
          familiar = repaired.familiar;
          m_firstFills.push_back(std::move(repaired));
        }
        m_bestPenalty = best;
        m_stale = 0;
      } else {
        ++m_stale;
      }
      // A fill of familiar words only is good enough sooner.
      const bool allFamiliar = familiar == static_cast<int>(m_cands.Slots());
      if (--m_roundsLeft <= 0 || m_stale >= (allFamiliar ? kFamiliarPatience : kPatience))
        m_stop.request_stop();
    }
    if (m_deadline.StopRequested()) {
      if (m_end != AutofillEnd::Filled) m_end = AutofillEnd::Stopped;
      m_stop.request_stop();
    }
    if (m_options.timeLimit > 0 && t >= m_options.timeLimit) {
      if (m_end != AutofillEnd::Filled) m_end = AutofillEnd::TimeLimit;
      m_stop.request_stop();
    }
    if (m_progressFn && (t >= m_nextReport || m_stop.stop_requested())) {
      m_nextReport = t + 0.1;
      Report(t);
      m_progressFn(m_progress);
    }
  }

  void Report(double t) {
    m_progress.elapsed = t;
    m_progress.nodes = m_exactNodes;
    for (const auto& c : m_chains) m_progress.nodes += c->Steps();
    m_progress.fills = static_cast<int>(m_firstFills.size());
    for (const auto& c : m_chains) m_progress.fills += static_cast<int>(c->Fills().size());
    if (m_exact) m_progress.bestDepth = std::max(m_progress.bestDepth, m_exact->progress.bestDepth);
    for (const auto& c : m_chains) {
      int kept = 0;
      for (auto w : c->BestPartial()) kept += w != LocalFillChain::kNone;
      m_progress.bestDepth = std::max(m_progress.bestDepth, kept);
    }
  }

  // Trades the costliest answers of a fill for cheaper ones with the same letters, then
  // polishes the pairs again; true when it changed. A stop or the deadline ends it at once.
  // A fill is weighed once: one met again (or a repair's own outcome) is left as it is.
  bool Repair(RankedFill& fill) {
    if (m_deadline.Passed() || m_chains.empty() || !m_repaired.insert(fill.choice).second)
      return false;
    if (!m_repair.Repair(fill.choice)) return false;
    m_chains.front()->Polish(fill.choice);
    fill.penalty = m_cands.Penalty(fill.choice, &fill.familiar);
    m_repaired.insert(fill.choice);
    return true;
  }

  // The first fill with its costliest answers traded away, and a fill of known words only:
  // both join the fills to choose from. The cheapest of the three.
  RankedFill WithAlternatives(RankedFill best) {
    if (RankedFill repaired = best; Repair(repaired)) {
      if (repaired.penalty < best.penalty) best = repaired;
      m_firstFills.push_back(std::move(repaired));
    }
    // Answers no trade removes may still give way to a fill of known words only.
    if (auto known = KnownOnly(best)) {
      if (known->penalty < best.penalty) best = *known;
      m_firstFills.push_back(std::move(*known));
    }
    return best;
  }

  // When the first fill still holds costly answers (words WordNet does not know) after its
  // repair: a fill of known words only, searched for within the repair's amount of work,
  // which joins the fills to choose from. A stop or the deadline ends the search at once.
  std::optional<RankedFill> KnownOnly(const RankedFill& best) {
    if (m_deadline.Passed() || m_chains.empty() || !m_repair.Worth(best.choice))
      return std::nullopt;
    const KnownFill known(m_problem, m_words, m_options, [this] { return m_deadline.Passed(); });
    const auto words = known.Find(RepairWork(m_options));
    auto fill = words ? Ranked(m_cands, *words) : std::nullopt;
    if (!fill) return std::nullopt;
    m_chains.front()->Polish(fill->choice);
    fill->penalty = m_cands.Penalty(fill->choice, &fill->familiar);
    return fill;
  }

  AutofillResult Collect() {
    AutofillResult result;
    Report(Elapsed());
    result.end = m_end;
    result.engine = m_engine;
    result.reason = m_reason;
    result.decided = m_decided;
    std::vector<RankedFill> all = m_firstFills;
    for (const auto& c : m_chains) all.insert(all.end(), c->Fills().begin(), c->Fills().end());
    const auto byPenalty = [](const RankedFill& a, const RankedFill& b) {
      return a.penalty < b.penalty;
    };
    std::stable_sort(all.begin(), all.end(), byPenalty);
    const std::size_t wanted = static_cast<std::size_t>(std::max(m_options.solutions, 1));
    // The best fills met, with what the improvement left of their costliest answers traded
    // away: a fill a little worse may repair into a better one.
    for (std::size_t k = 0, n = std::min(std::max(wanted, kRepairedFills), all.size()); k < n;
         ++k) {
      RankedFill repaired = all[k];
      if (Repair(repaired)) all.push_back(std::move(repaired));
    }
    std::stable_sort(all.begin(), all.end(), byPenalty);
    for (const auto& f : all) {
      if (result.fills.size() >= wanted) break;
      AutofillFill fill = FillOf(m_cands, f);
      bool seen = false;
      for (const auto& g : result.fills) seen |= g.words == fill.words;
      if (!seen) result.fills.push_back(std::move(fill));
    }
    if (result.fills.empty() && m_exact && !m_exact->fills.empty())
      result.fills.push_back(m_exact->fills.front());
    for (auto& fill : result.fills) m_cands.NoteScores(fill);
    if (!result.fills.empty()) {
      result.end = AutofillEnd::Filled;
      m_progress.lettersOff = 0;
      m_progress.bestDepth = m_progress.rows;
    } else if (result.end == AutofillEnd::Filled) {
      result.end = AutofillEnd::Stopped;
    }
    if (result.fills.empty()) {
      RankedFill partial;
      int kept = -1;
      for (const auto& c : m_chains) {
        std::vector<std::uint32_t> choice = c->BestPartial();
        int n = 0;
        for (auto w : choice) n += w != LocalFillChain::kNone;
        if (n > kept) {
          kept = n;
          partial.choice = std::move(choice);
        }
      }
      result.partial = FillOf(m_cands, partial);
      int familiar = 0;
      for (std::size_t s = 0; s < partial.choice.size(); ++s)
        if (partial.choice[s] != LocalFillChain::kNone)
          familiar += m_cands.Table(s).familiar[partial.choice[s]];
      result.partial.familiar = familiar;
      m_cands.NoteScores(result.partial);
      m_progress.bestDepth = std::max(m_progress.bestDepth, kept);
    }
    result.progress = m_progress;
    return result;
  }

  const AutofillProblem& m_problem;
  const AutofillWordSource& m_words;
  const AutofillOptions& m_options;
  std::stop_token m_callerStop;
  SearchDeadline m_deadline;  // the caller's stop and the time limit
  const std::function<void(const AutofillProgress&)>& m_progressFn;
  FillCandidates m_cands;
  FillRepair m_repair;  // remembers the answers it found no trade for

  std::stop_source m_stop;  // the one stop of every thread of the portfolio
  std::barrier<RoundEnd>* m_round = nullptr;
  std::vector<std::unique_ptr<LocalFillChain>> m_chains;
  std::vector<char> m_found;
  std::uint64_t m_roundWork = 0;  // candidates each chain weighs in a search round
  int m_searchRounds = 0;
  int m_improveRounds = 0;
  int m_exactExtraRounds = 0;  // rounds of the improvement the exact engine goes on for
  bool m_exactRanked = false;  // its fill joined the first fills
  std::optional<AutofillResult> m_exact;
  std::uint64_t m_exactNodes = 0;

  Phase m_phase = Phase::Search;
  RankedFill m_startFill;
  std::vector<RankedFill> m_firstFills;
  std::set<std::vector<std::uint32_t>> m_repaired;  // fills the repair has weighed
  int m_roundsLeft = 0;
  double m_bestPenalty = 0;
  int m_stale = 0;
  AutofillEnd m_end = AutofillEnd::TimeLimit;
  std::string m_engine;
  std::string m_reason;                 // why no fill exists, with a certificate
  std::atomic<bool> m_weighed = false;  // letter weights proved there is no fill
  double m_decided = 0;
  double m_nextReport = 0.1;
  AutofillProgress m_progress;
};

}  // namespace

std::string AutofillEndText(AutofillEnd end) {
  switch (end) {
    case AutofillEnd::Filled:
      return "Filled";
    case AutofillEnd::NoFill:
      return "No fill exists";
    case AutofillEnd::TimeLimit:
      return "No fill found within the time limit";
    case AutofillEnd::Stopped:
      return "Autofill stopped";
    case AutofillEnd::NothingToFill:
      return "No empty answer to fill";
  }
  return {};
}

int SearchRoundsOfWork(std::uint64_t candidates, std::uint64_t roundWork) {
  int rounds = 0;
  for (std::uint64_t weighed = 0; weighed < candidates; ++rounds)
    weighed += std::max<std::uint64_t>(roundWork, 1) * kSearchRoundScale
               << std::min(rounds / kGrowthRounds, kMaxDoublings);
  return std::max(rounds, 1);
}

AutofillResult RunAutofill(const AutofillProblem& problem, const AutofillWordSource& words,
                           const AutofillOptions& options, std::stop_token stop,
                           const std::function<void(const AutofillProgress&)>& progress) {
  AutofillResult none;
  none.end = AutofillEnd::NothingToFill;
  bool negative = false;
  for (int v : problem.pool) negative |= v < 0;
  if (problem.rowSlots.empty() || problem.rowSlots.size() > 52 || negative) return none;
  Portfolio portfolio(problem, words, options, std::move(stop), progress);
  return portfolio.Run();
}

}  // namespace quotella
