#pragma once

#include <chrono>
#include <iosfwd>

namespace quotella::cli {

// The progress bar of a long command on a terminal: "[#####.....] 120/1000  9.8/s  1:30
// left", redrawn in place at most ten times a second, and cleared at the end.
class RankProgressBar {
 public:
  explicit RankProgressBar(std::ostream& out);
  void Show(int done, int total);
  void Clear();

 private:
  std::ostream& m_out;
  std::chrono::steady_clock::time_point m_start;
  std::chrono::steady_clock::time_point m_last;
  bool m_shown = false;
};

}  // namespace quotella::cli
