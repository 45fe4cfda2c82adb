#pragma once

#include <functional>
#include <memory>
#include <stop_token>
#include <string>
#include <vector>

#include "quotes/quoterank.h"

namespace quotella {

class AutofillDictionary;
class Host;

// The dictionary of dictDir with every letter file read, so that any number of searches
// can share it read-only. The host (when given) hears the dictionary's warnings.
std::shared_ptr<AutofillDictionary> PreloadDictionary(const std::string& dictDir,
                                                      Host* host = nullptr);

// Lines ranked so far and lines to rank, for a progress display.
struct RankProgress {
  int done = 0;
  int total = 0;
};

struct RankOutcome {
  std::vector<QuoteRank> ranks;  // best first
  int total = 0;                 // lines that were to be ranked (blank lines are not)
  bool stopped = false;          // a stop came before every line was ranked
};

// Ranks every non-blank line of a quotes file, one quotation per worker, all sharing the
// one dictionary. Each line's search is seeded from the seed and its line number, and the
// results are sorted the same way whichever worker finished first. A stop ends the
// searches under way and keeps the lines ranked before it. Progress is called from the
// workers, one call at a time.
RankOutcome RankQuotes(const std::vector<std::string>& lines,
                       const std::shared_ptr<AutofillDictionary>& dictionary,
                       const RankOptions& options, std::stop_token stop = {},
                       const std::function<void(const RankProgress&)>& progress = {});

}  // namespace quotella
