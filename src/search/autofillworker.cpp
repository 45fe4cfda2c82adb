#include "search/autofillworker.h"

namespace quotella {

void AutofillWorker::Start(AutofillProblem problem, AutofillWordSource source,
                           AutofillOptions options, ProgressFn progress, DoneFn done) {
  Stop();
  m_finished = std::make_shared<std::atomic<bool>>(false);
  m_thread = std::jthread([problem = std::move(problem), source = std::move(source),
                           options = std::move(options), progress = std::move(progress),
                           done = std::move(done), finished = m_finished](std::stop_token stop) {
    AutofillResult result = RunAutofill(problem, source, options, std::move(stop), progress);
    finished->store(true);
    if (done) done(std::move(result));
  });
}

void AutofillWorker::Stop() {
  if (!m_thread.joinable()) return;
  m_thread.request_stop();
  m_thread.join();
}

}  // namespace quotella
