#include "settings/initext.h"

#include "core/textio.h"

namespace quotella {

bool IniText::Empty() const {
  for (const auto& l : m_lines)
    if (!l.empty()) return false;
  return true;
}

namespace {

// Whether the line, blanks around it aside, is `upper` in any letter case. Looks at each
// character of the line at most once and copies nothing, so that every key can be looked
// up in a huge file.
bool IsKeyLine(const std::string& line, const std::string& upper) {
  std::size_t b = 0;
  while (b < line.size() && static_cast<unsigned char>(line[b]) <= ' ') ++b;
  if (line.size() - b < upper.size()) return false;
  for (std::size_t k = 0; k < upper.size(); ++k) {
    char c = line[b + k];
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c != upper[k]) return false;
  }
  for (std::size_t i = b + upper.size(); i < line.size(); ++i)
    if (static_cast<unsigned char>(line[i]) > ' ') return false;
  return true;
}

// A line that names a key: "[...]", blanks around it aside.
bool IsAnyKeyLine(const std::string& line) {
  std::size_t b = 0;
  std::size_t e = line.size();
  while (b < e && static_cast<unsigned char>(line[b]) <= ' ') ++b;
  while (e > b && static_cast<unsigned char>(line[e - 1]) <= ' ') --e;
  return e - b >= 2 && line[b] == '[' && line[e - 1] == ']';
}

}  // namespace

std::optional<std::size_t> IniText::KeyLine(const std::string& key) const {
  const std::string wanted = UpperCase(Trim(key));
  if (wanted.empty()) {
    for (std::size_t i = 0; i < m_lines.size(); ++i)
      if (Trim(m_lines[i]).empty()) return i;
    return std::nullopt;
  }
  // The line after a key is its value, whatever it holds: a value "[quotefile]" is not
  // the key "[quotefile]".
  for (std::size_t i = 0; i < m_lines.size(); ++i) {
    if (IsKeyLine(m_lines[i], wanted)) return i;
    if (IsAnyKeyLine(m_lines[i])) ++i;
  }
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
