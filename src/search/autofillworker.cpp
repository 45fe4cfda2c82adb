#include "search/autofillworker.h"

#include <algorithm>

namespace quotella {

AutofillWorker::~AutofillWorker() {
  // Each jthread asks its search to stop and joins it as it goes.
  m_thread = {};
  m_retired.clear();
}

void AutofillWorker::Start(std::shared_ptr<const FillJob> job, ProgressFn progress, DoneFn done) {
  Launch([job = std::move(job), progress = std::move(progress)](
             std::stop_token stop) { return RunFill(*job, std::move(stop), progress); },
         std::move(done), false);
}

void AutofillWorker::Start(AutofillProblem problem, AutofillWordSource source,
                           AutofillOptions options, ProgressFn progress, DoneFn done) {
  Launch(
      [problem = std::move(problem), source = std::move(source), options = std::move(options),
       progress = std::move(progress)](std::stop_token stop) {
        return RunAutofill(problem, source, options, std::move(stop), progress);
      },
      std::move(done), true);
}

void AutofillWorker::Launch(Run run, DoneFn done, bool borrowed) {
  SetAside();
  JoinFinished();
  const std::uint64_t generation = ++*m_generation;
  m_finished = std::make_shared<std::atomic<bool>>(false);
  m_borrowed = borrowed;
  m_thread = std::jthread([run = std::move(run), done = std::move(done), finished = m_finished,
                           current = m_generation, generation](std::stop_token stop) {
    AutofillResult result = run(std::move(stop));
    finished->store(true);
    // A later Start superseded this search: its result is of no use to anyone.
    if (done && current->load() == generation) done(std::move(result));
  });
}

void AutofillWorker::Stop() {
  if (!m_thread.joinable()) return;
  m_thread.request_stop();
  if (m_borrowed) m_thread.join();
}

void AutofillWorker::SetAside() {
  if (!m_thread.joinable()) return;
  if (m_borrowed) {
    Stop();
    return;
  }
  m_thread.request_stop();
  m_retired.push_back({std::move(m_thread), m_finished});
}

void AutofillWorker::JoinFinished() {
  // A finished search's thread has only its last instructions left: joining it is at once.
  std::erase_if(m_retired, [](Retired& r) {
    if (!r.finished->load()) return false;
    r.thread.join();
    return true;
  });
}

}  // namespace quotella
