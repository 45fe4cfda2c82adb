#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <thread>

#include "search/autofill.h"

namespace quotella {

// Runs autofill in a worker thread. The problem, the options and the word source are the
// worker's until it ends: the source is only asked for words from the worker. Progress
// and the result are handed to callbacks from the worker; a window marshals them to its
// own thread. Stop (or destroying the worker) asks the search to end at its next check;
// the result then says "Autofill stopped" unless fills were found before.
class AutofillWorker {
 public:
  using ProgressFn = std::function<void(const AutofillProgress&)>;
  using DoneFn = std::function<void(AutofillResult)>;

  AutofillWorker() = default;
  ~AutofillWorker() { Stop(); }
  AutofillWorker(const AutofillWorker&) = delete;
  AutofillWorker& operator=(const AutofillWorker&) = delete;

  // Starts a search; a running one is stopped and waited for first.
  void Start(AutofillProblem problem, AutofillWordSource source, AutofillOptions options,
             ProgressFn progress, DoneFn done);
  void Stop();  // asks the running search to end and waits for it
  bool Running() const { return m_thread.joinable() && !m_finished->load(); }

 private:
  std::jthread m_thread;
  std::shared_ptr<std::atomic<bool>> m_finished = std::make_shared<std::atomic<bool>>(true);
};

}  // namespace quotella
