#include "quotes/quoteranker.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <optional>
#include <thread>

#include "core/textio.h"
#include "search/autofillsource.h"

namespace quotella {
namespace {

int WorkerCount(const RankOptions& options, std::size_t lines) {
  int workers =
      options.workers > 0 ? options.workers : static_cast<int>(std::thread::hardware_concurrency());
  workers = std::max(workers, 1);
  return static_cast<int>(std::min<std::size_t>(static_cast<std::size_t>(workers), lines));
}

}  // namespace

std::shared_ptr<AutofillDictionary> PreloadDictionary(const std::string& dictDir, Host* host) {
  auto dictionary = std::make_shared<AutofillDictionary>(dictDir, host);
  // Every initial read now: afterwards a look-up only finds, and workers may share it.
  for (char initial = 'A'; initial <= 'Z'; ++initial) dictionary->Words(initial);
  return dictionary;
}

RankOutcome RankQuotes(const std::vector<std::string>& lines,
                       const std::shared_ptr<AutofillDictionary>& dictionary,
                       const RankOptions& options, std::stop_token stop,
                       const std::function<void(const RankProgress&)>& progress) {
  std::vector<std::size_t> todo;
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (!Trim(lines[i]).empty()) todo.push_back(i);
  std::vector<std::optional<QuoteRank>> slots(todo.size());
  std::atomic<std::size_t> next = 0;
  std::mutex reportMutex;
  RankProgress counts{0, static_cast<int>(todo.size())};

  const auto work = [&] {
    for (;;) {
      if (stop.stop_requested()) return;
      const std::size_t k = next.fetch_add(1);
      if (k >= todo.size()) return;
      const std::size_t i = todo[k];
      QuoteRank rank = RankQuoteLine(lines[i], static_cast<int>(i) + 1, dictionary, options, stop);
      // A search the stop may have cut short is not the line's: only whole ones are kept.
      if (stop.stop_requested()) return;
      slots[k] = std::move(rank);
      std::lock_guard lock(reportMutex);
      ++counts.done;
      if (progress) progress(counts);
    }
  };
  {
    std::vector<std::jthread> workers;
    const int n = WorkerCount(options, todo.size());
    workers.reserve(static_cast<std::size_t>(n));
    for (int w = 0; w < n; ++w) workers.emplace_back(work);
  }

  RankOutcome outcome;
  outcome.total = static_cast<int>(todo.size());
  for (auto& slot : slots)
    if (slot) outcome.ranks.push_back(std::move(*slot));
  outcome.stopped = static_cast<int>(outcome.ranks.size()) < outcome.total;
  SortRanking(outcome.ranks);
  return outcome;
}

}  // namespace quotella
