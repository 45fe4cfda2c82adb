#include "search/knownfill.h"

#include <map>
#include <memory>

#include "search/fillcandidates.h"
#include "search/localfill.h"

namespace quotella {
namespace {

// The improvement after the first known fill weighs this share of the search's work.
constexpr std::uint64_t kImproveShare = 3;
// Mixed into the seed, so that this chain does not retrace the portfolio's chains.
constexpr std::uint64_t kSeedMix = 0xD1B54A32D192ED03ull;

}  // namespace

AutofillWordSource KnownWordsOf(AutofillWordSource all) {
  auto sifted = std::make_shared<std::map<char, std::vector<AutofillWord>>>();
  return [all = std::move(all), sifted](char initial) -> const std::vector<AutofillWord>& {
    auto [it, fresh] = sifted->try_emplace(initial);
    if (fresh)
      for (const auto& w : all(initial))
        if (w.known || w.fromList || w.score >= 0) it->second.push_back(w);
    return it->second;
  };
}

KnownFill::KnownFill(const AutofillProblem& problem, const AutofillWordSource& words,
                     const AutofillOptions& options, std::function<bool()> halt)
    : m_problem(problem), m_words(words), m_options(options), m_halt(std::move(halt)) {}

std::optional<std::vector<std::string>> KnownFill::Find(std::uint64_t work) const {
  const FillCandidates cands(m_problem, KnownWordsOf(m_words), m_options, m_halt);
  if (cands.Halted() || !cands.Impossibility().empty()) return std::nullopt;
  LocalFillChain chain(cands, (m_options.seed + 1) * kSeedMix, 1);
  chain.SetHalt(m_halt);
  if (!chain.Search(work) || !chain.IsFill()) return std::nullopt;
  // The start is kept among the fills, polished: a halt in the improvement leaves it.
  const std::vector<std::uint32_t> first = chain.Choice();
  chain.StartImproving(first);
  chain.Improve(work / kImproveShare);
  if (chain.Fills().empty()) return std::nullopt;
  const std::vector<std::uint32_t>& choice = chain.Fills().front().choice;
  std::vector<std::string> words;
  for (std::size_t s = 0; s < choice.size(); ++s) words.push_back(cands.Table(s).words[choice[s]]);
  return words;
}

}  // namespace quotella
