#pragma once

#include <chrono>
#include <functional>
#include <stop_token>

namespace quotella {

// When a search must end: a stop request, or a time limit measured on a clock that can be
// replaced (a test moves it on at a moment of its choosing). Cheap enough to ask every few
// thousand candidates.
class SearchDeadline {
 public:
  using TimePoint = std::chrono::steady_clock::time_point;
  using Clock = std::function<TimePoint()>;  // empty: the steady clock

  SearchDeadline(std::stop_token stop, double seconds, Clock clock = {});

  // The time limit counts from now (a search that first prepares its tables).
  void Restart() { m_start = Now(); }
  double Elapsed() const;
  double Seconds() const { return m_seconds; }
  bool StopRequested() const { return m_stop.stop_requested(); }
  bool TimeUp() const { return m_seconds > 0 && Elapsed() >= m_seconds; }
  // A stop was asked for or the time is up.
  bool Passed() const { return StopRequested() || TimeUp(); }
  // The time left, for a search started later under the same limit: 0 means none, so a
  // limit already spent is a tiny positive one.
  double Remaining() const;

 private:
  TimePoint Now() const { return m_clock ? m_clock() : std::chrono::steady_clock::now(); }

  std::stop_token m_stop;
  double m_seconds;
  Clock m_clock;
  TimePoint m_start;
};

}  // namespace quotella
