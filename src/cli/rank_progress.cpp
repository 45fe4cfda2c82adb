#include "cli/rank_progress.h"

#include <cmath>
#include <cstdio>
#include <iomanip>
#include <ostream>
#include <sstream>
#include <string>

namespace quotella::cli {
namespace {

constexpr int kBarWidth = 30;
constexpr auto kRedraw = std::chrono::milliseconds(100);

std::string MinutesSeconds(double seconds) {
  const long s = std::lround(seconds);
  std::ostringstream out;
  out << s / 60 << ':' << std::setw(2) << std::setfill('0') << s % 60;
  return out.str();
}

}  // namespace

RankProgressBar::RankProgressBar(std::ostream& out)
    : m_out(out), m_start(std::chrono::steady_clock::now()), m_last(m_start) {}

void RankProgressBar::Show(int done, int total) {
  const auto now = std::chrono::steady_clock::now();
  if (m_shown && done < total && now - m_last < kRedraw) return;
  m_last = now;
  m_shown = true;
  const double elapsed = std::chrono::duration<double>(now - m_start).count();
  const double rate = elapsed > 0 ? done / elapsed : 0;
  const int filled = total > 0 ? kBarWidth * done / total : kBarWidth;
  std::ostringstream line;
  line << '\r' << '[' << std::string(static_cast<std::size_t>(filled), '#')
       << std::string(static_cast<std::size_t>(kBarWidth - filled), '.') << "] " << done << '/'
       << total << "  " << std::fixed << std::setprecision(1) << rate << "/s";
  if (rate > 0) line << "  " << MinutesSeconds((total - done) / rate) << " left";
  line << "   ";
  m_out << line.str() << std::flush;
}

void RankProgressBar::Clear() {
  if (!m_shown) return;
  m_out << '\r' << std::string(kBarWidth + 48, ' ') << '\r' << std::flush;
  m_shown = false;
}

}  // namespace quotella::cli
