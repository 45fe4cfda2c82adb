#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "search/autofill.h"

namespace quotella {

// The words of a source that WordNet knows, with the user's list words and the scored
// words, which are always allowed. Each initial is sifted once, when first asked for.
AutofillWordSource KnownWordsOf(AutofillWordSource all);

// Looks for a fill made of known words only (KnownWordsOf), for a puzzle whose fill holds
// answers WordNet does not know that no trade of a few rows removes: a long answer often
// needs its letters spread over many rows at once. One local-search chain searches the
// known words' tables from a fresh start and, once it meets a fill, improves it. The work
// is counted in candidates weighed, so the same seed gives the same fill on any machine.
class KnownFill {
 public:
  // `halt` is asked while the tables are built and every few thousand candidates weighed;
  // true ends the search at once.
  KnownFill(const AutofillProblem& problem, const AutofillWordSource& words,
            const AutofillOptions& options, std::function<bool()> halt = {});

  // A fill of known words (one per slot), found within `work` candidates and then improved
  // for a third as many; none when no fill was met within the work, none can exist with
  // the known words, or a halt came first.
  std::optional<std::vector<std::string>> Find(std::uint64_t work) const;

 private:
  const AutofillProblem& m_problem;
  AutofillWordSource m_words;
  const AutofillOptions& m_options;
  std::function<bool()> m_halt;
};

}  // namespace quotella
