#include "app/search/backgroundwork.h"

#include <QMetaObject>
#include <algorithm>

#include "app/panes/statuspane.h"
#include "app/search/deferredhost.h"
#include "app/widgets/panelbar.h"
#include "search/heuristic.h"

namespace quotella {

BackgroundWork::BackgroundWork(Host& host, StatusPane& status)
    : QObject(nullptr), m_host(host), m_status(status) {}

BackgroundWork::~BackgroundWork() {
  for (auto& run : m_runs) run.thread.request_stop();
  m_runs.clear();  // joins; whatever the workers posted goes with this object
}

void BackgroundWork::Start(const QString& label, Job job, std::function<bool()> stillCurrent) {
  Cancel();
  Reap();
  const unsigned generation = m_generation;
  m_label = label;
  m_stillCurrent = std::move(stillCurrent);
  m_stopped = false;
  SetRunning(true);
  m_status.statusBar1()->setPanel(kMessagePanel, label + QStringLiteral("… (Esc stops)"));
  auto done = std::make_shared<std::atomic<bool>>(false);
  // The destructor joins the worker before this object goes, so `this` outlives it.
  std::jthread thread([this, job = std::move(job), generation, done](const std::stop_token& stop) {
    auto host = std::make_shared<DeferredHost>(stop);
    Apply apply = job(*host);
    QMetaObject::invokeMethod(
        this,
        [this, generation, host, apply = std::move(apply)] {
          Finish(
              generation, [host](Host& h) { host->Replay(h); }, apply);
        },
        Qt::QueuedConnection);
    done->store(true);
  });
  m_runs.push_back({std::move(thread), std::move(done)});
}

void BackgroundWork::Stop() {
  if (!m_running || m_runs.empty()) return;
  m_stopped = true;
  m_runs.back().thread.request_stop();
}

void BackgroundWork::Cancel() {
  ++m_generation;
  for (auto& run : m_runs) run.thread.request_stop();
  if (m_running) {
    SetRunning(false);
    m_status.statusBar1()->setPanel(kMessagePanel, QString());
    emit finished(false);
  }
}

void BackgroundWork::Reap() {
  // Only workers that have posted their result are joined: that takes no time.
  std::erase_if(m_runs, [](const Run& run) { return run.done->load(); });
}

void BackgroundWork::Finish(unsigned generation, const std::function<void(Host&)>& replay,
                            const Apply& apply) {
  if (generation != m_generation) return;
  SetRunning(false);
  replay(m_host);
  const bool current = !m_stillCurrent || m_stillCurrent();
  QString text;
  if (!current)
    text = m_label + QStringLiteral(": the puzzle changed meanwhile, its result was dropped");
  else if (m_stopped)
    text = m_label + QStringLiteral(": stopped");
  m_status.statusBar1()->setPanel(kMessagePanel, text);
  if (current && apply) apply();
  Reap();
  emit finished(current);
}

void BackgroundWork::SetRunning(bool running) {
  if (m_running == running) return;
  m_running = running;
  emit runningChanged(running);
}

}  // namespace quotella
