#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include "search/autofill.h"
#include "search/filljob.h"

namespace quotella {

// Runs autofill in a worker thread. Progress and the result are handed to callbacks from
// the worker; a window marshals them to its own thread.
//
// A search started from a FillJob owns what it reads (the job, dictionary included, is
// shared with it), so Stop only asks it to end and returns at once: the search notices
// within milliseconds, its result (a stop, or the fills found before) still reaches `done`,
// and the thread is joined later off the caller's way, when the next search starts after it
// ended or in the destructor. A search started on a borrowed word source reads what the
// caller owns, so Stop waits for its end, as the caller must before freeing the source.
// Starting a search drops the result of any earlier one that has not reported yet.
class AutofillWorker {
 public:
  using ProgressFn = std::function<void(const AutofillProgress&)>;
  using DoneFn = std::function<void(AutofillResult)>;

  AutofillWorker() = default;
  ~AutofillWorker();
  AutofillWorker(const AutofillWorker&) = delete;
  AutofillWorker& operator=(const AutofillWorker&) = delete;

  void Start(std::shared_ptr<const FillJob> job, ProgressFn progress, DoneFn done);
  // The source must stay valid until the search ends (Stop waits for it).
  void Start(AutofillProblem problem, AutofillWordSource source, AutofillOptions options,
             ProgressFn progress, DoneFn done);
  void Stop();
  bool Running() const { return m_thread.joinable() && !m_finished->load(); }

 private:
  using Run = std::function<AutofillResult(std::stop_token)>;
  void Launch(Run run, DoneFn done, bool borrowed);
  void SetAside();  // stops the running search and keeps its thread to join later
  void JoinFinished();

  struct Retired {
    std::jthread thread;
    std::shared_ptr<std::atomic<bool>> finished;
  };
  std::jthread m_thread;
  std::shared_ptr<std::atomic<bool>> m_finished = std::make_shared<std::atomic<bool>>(true);
  bool m_borrowed = false;
  std::shared_ptr<std::atomic<std::uint64_t>> m_generation =
      std::make_shared<std::atomic<std::uint64_t>>(0);
  std::vector<Retired> m_retired;
};

}  // namespace quotella
