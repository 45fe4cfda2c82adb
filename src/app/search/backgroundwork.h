#pragma once

#include <QObject>
#include <QString>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

namespace quotella {

class Host;
class StatusPane;

// Long work of the window off its thread (the dictionary counts, the problem-letter search):
// a job reads its own copies in a worker and hands back what the window's thread is to do
// with the result. One job at a time; the message panel says what runs. Esc stops a job
// where it checks and what it found so far is still taken; a new job or a new puzzle drops
// the result of the one before. A result is taken only while the window is as it was when
// the job started (a command run meanwhile is never overwritten). Nothing here waits for a
// worker on the window's thread; the destructor joins.
class BackgroundWork : public QObject {
  Q_OBJECT
 public:
  // Runs on the window's thread with the job's result.
  using Apply = std::function<void()>;
  // Runs in the worker. The host keeps what the job shows until the result is taken; its
  // ProcessPendingEvents answers whether the job is asked to stop.
  using Job = std::function<Apply(Host& host)>;

  BackgroundWork(Host& host, StatusPane& status);
  ~BackgroundWork() override;

  // `label` names the work in the message panel; `stillCurrent` (on the window's thread)
  // says whether the result still applies.
  void Start(const QString& label, Job job, std::function<bool()> stillCurrent);
  // Esc: the job ends where it next checks; what it found is taken.
  void Stop();
  // A new puzzle: the job ends and its result is dropped.
  void Cancel();
  bool running() const { return m_running; }
  // Esc was pressed while the job whose result is being taken ran.
  bool stopRequested() const { return m_stopped; }

 signals:
  void runningChanged(bool running);
  // A job's result was taken or dropped.
  void finished(bool taken);

 private:
  struct Run {
    std::jthread thread;
    std::shared_ptr<std::atomic<bool>> done;
  };
  void Finish(unsigned generation, const std::function<void(Host&)>& replay, const Apply& apply);
  void SetRunning(bool running);
  void Reap();

  Host& m_host;
  StatusPane& m_status;
  std::vector<Run> m_runs;
  unsigned m_generation = 0;
  bool m_running = false;
  bool m_stopped = false;
  QString m_label;
  std::function<bool()> m_stillCurrent;
};

}  // namespace quotella
