#include "search/searchdeadline.h"

#include <algorithm>

namespace quotella {

SearchDeadline::SearchDeadline(std::stop_token stop, double seconds, Clock clock)
    : m_stop(std::move(stop)), m_seconds(seconds), m_clock(std::move(clock)), m_start(Now()) {}

double SearchDeadline::Elapsed() const {
  return std::chrono::duration<double>(Now() - m_start).count();
}

double SearchDeadline::Remaining() const {
  if (m_seconds <= 0) return 0;
  return std::max(m_seconds - Elapsed(), 1e-9);
}

}  // namespace quotella
