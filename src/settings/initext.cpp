#include "settings/initext.h"

#include "core/textio.h"

namespace quotella {

bool IniText::Empty() const {
  for (const auto& l : m_lines)
    if (!l.empty()) return false;
  return true;
}

std::optional<std::size_t> IniText::KeyLine(const std::string& key) const {
  const std::string wanted = UpperCase(Trim(key));
  for (std::size_t i = 0; i < m_lines.size(); ++i)
    if (UpperCase(Trim(m_lines[i])) == wanted) return i;
  return std::nullopt;
}

std::optional<std::size_t> IniText::GetIniLine(const std::string& key) const {
  const auto k = KeyLine(key);
  if (!k || *k + 1 >= m_lines.size()) return std::nullopt;
  return *k + 1;
}

std::string IniText::GetIniValue(const std::string& key) const {
  const auto v = GetIniLine(key);
  return v ? m_lines[*v] : std::string();
}

void IniText::SetIniValue(const std::string& key, const std::string& value) {
  const auto k = KeyLine(key);
  if (!k) {
    m_lines.push_back(key);
    m_lines.push_back(value);
  } else if (*k + 1 >= m_lines.size()) {
    m_lines.push_back(value);
  } else {
    m_lines[*k + 1] = value;
  }
}

}  // namespace quotella
