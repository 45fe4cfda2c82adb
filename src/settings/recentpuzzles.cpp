#include "settings/recentpuzzles.h"

#include <algorithm>

namespace quotella {

void RecentPuzzles::Add(const std::string& path) {
  if (path.empty() || path.find('|') != std::string::npos) return;
  Remove(path);
  m_paths.insert(m_paths.begin(), path);
  if (m_paths.size() > kMax) m_paths.resize(kMax);
}

void RecentPuzzles::Remove(const std::string& path) {
  std::erase(m_paths, path);
}

void RecentPuzzles::Read(const IniText& ini) {
  m_paths.clear();
  if (!ini.HasValue(kKey)) return;
  const std::string value = ini.GetIniValue(kKey);
  std::size_t start = 0;
  while (start <= value.size() && m_paths.size() < kMax) {
    const std::size_t bar = value.find('|', start);
    const std::string path =
        value.substr(start, bar == std::string::npos ? std::string::npos : bar - start);
    if (!path.empty() && std::find(m_paths.begin(), m_paths.end(), path) == m_paths.end())
      m_paths.push_back(path);
    if (bar == std::string::npos) break;
    start = bar + 1;
  }
}

void RecentPuzzles::Write(IniText& ini) const {
  std::string value;
  for (const auto& path : m_paths) {
    if (!value.empty()) value += '|';
    value += path;
  }
  ini.SetIniValue(kKey, value);
}

}  // namespace quotella
