#include "search/letterweighing.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace quotella {
namespace {

// The step of the ascent starts at this length (the weights stay within -1..1) and
// shrinks with the square root of the steps taken.
constexpr double kFirstStep = 0.3;
// Every this many steps with a positive slack the weights are rounded to whole numbers
// at a few scales and checked exactly.
constexpr int kCheckEvery = 10;
constexpr int kScales[] = {16, 64, 256, 1024};

}  // namespace

LetterWeighing::LetterWeighing(const FillCandidates& cands) : m_cands(cands) {
  for (std::size_t s = 0; s < cands.Slots(); ++s) {
    const std::size_t t = cands.TableOf(s);
    if (t >= m_rows.size()) {
      m_rows.resize(t + 1, 0);
      m_tableSlot.resize(t + 1, s);
    }
    if (m_rows[t]++ == 0) m_tableSlot[t] = s;
  }
}

std::string LetterWeighing::Reason() {
  return "No choice of words can take exactly the letters of the pool";
}

std::int64_t LetterWeighing::Slack(const FillCandidates& cands, const Weights& weights) {
  std::int64_t slack = 0;
  for (std::size_t l = 0; l < 26; ++l) slack += weights[l] * cands.Pool()[l];
  for (std::size_t s = 0; s < cands.Slots(); ++s) {
    const FillWordTable& t = cands.Table(s);
    std::int64_t heaviest = std::numeric_limits<std::int64_t>::min();
    for (std::size_t i = 0; i < t.Size(); ++i) {
      std::int64_t w = 0;
      for (std::size_t l = 0; l < 26; ++l) w += weights[l] * t.Count(l, i);
      heaviest = std::max(heaviest, w);
    }
    if (t.Size() > 0) slack -= heaviest;
  }
  return slack;
}

bool LetterWeighing::TryRounded() {
  for (int scale : kScales) {
    Weights w{};
    for (std::size_t l = 0; l < 26; ++l) w[l] = std::llround(m_y[l] * scale);
    if (Slack(m_cands, w) > 0) {
      m_proof = w;
      m_found = true;
      return true;
    }
  }
  return false;
}

bool LetterWeighing::Search(int steps) {
  for (int k = 0; k < steps && !m_found && !m_settled; ++k, ++m_step) {
    // The slack of the current weights and its subgradient: the pool minus the heaviest
    // candidate of every row.
    double slack = 0;
    std::array<double, 26> grad{};
    for (std::size_t l = 0; l < 26; ++l) {
      slack += m_y[l] * m_cands.Pool()[l];
      grad[l] = m_cands.Pool()[l];
    }
    for (std::size_t t = 0; t < m_rows.size(); ++t) {
      if (m_rows[t] == 0) continue;
      const FillWordTable& table = m_cands.Table(m_tableSlot[t]);
      if (table.Size() == 0) continue;
      m_weight.assign(table.stride, 0.0f);
      for (std::size_t l = 0; l < 26; ++l) {
        const float y = static_cast<float>(m_y[l]);
        if (y == 0.0f) continue;
        const std::uint8_t* column = &table.counts[l * table.stride];
        for (std::size_t i = 0; i < table.stride; ++i) m_weight[i] += y * column[i];
      }
      const std::size_t heaviest = static_cast<std::size_t>(
          std::max_element(m_weight.begin(),
                           m_weight.begin() + static_cast<std::ptrdiff_t>(table.Size())) -
          m_weight.begin());
      slack -= m_rows[t] * static_cast<double>(m_weight[heaviest]);
      for (std::size_t l = 0; l < 26; ++l) grad[l] -= m_rows[t] * table.Count(l, heaviest);
    }
    if (slack > 0 && m_step % kCheckEvery == 0 && TryRounded()) return true;
    double norm = 0;
    for (double g : grad) norm += g * g;
    if (norm == 0) {
      m_settled = true;  // the heaviest candidates take the pool exactly: no weights to find
      break;
    }
    const double step = kFirstStep / std::sqrt(m_step + 1.0) / std::sqrt(norm);
    for (std::size_t l = 0; l < 26; ++l) m_y[l] = std::clamp(m_y[l] + step * grad[l], -1.0, 1.0);
  }
  return m_found;
}

}  // namespace quotella
