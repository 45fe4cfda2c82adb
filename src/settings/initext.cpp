#include "settings/initext.h"

#include <algorithm>
#include <limits>

#include "core/textio.h"

namespace quotella {

namespace {

bool IsBlank(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}

char Upper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// The line without the blanks around it.
std::string_view Trimmed(std::string_view line) {
  std::size_t b = 0, e = line.size();
  while (b < e && IsBlank(line[b])) ++b;
  while (e > b && IsBlank(line[e - 1])) --e;
  return line.substr(b, e - b);
}

bool MayBeKey(std::string_view line) {
  const std::string_view t = Trimmed(line);
  return !t.empty() && t[0] == '[';
}

// FNV-1a of the trimmed line in upper case.
std::uint32_t KeyHash(std::string_view line) {
  std::uint32_t h = 2166136261u;
  for (char c : Trimmed(line)) {
    h ^= static_cast<unsigned char>(Upper(c));
    h *= 16777619u;
  }
  return h;
}

// Whether the line, blanks around it aside, is `upper` in any letter case.
bool IsKeyLine(std::string_view line, const std::string& upper) {
  const std::string_view t = Trimmed(line);
  if (t.size() != upper.size()) return false;
  for (std::size_t k = 0; k < upper.size(); ++k)
    if (Upper(t[k]) != upper[k]) return false;
  return true;
}

// A line that names a key: "[...]", blanks around it aside. The line after it is that
// key's value, whatever it holds: a value "[quotefile]" is not the key "[quotefile]".
bool IsAnyKeyLine(std::string_view line) {
  const std::string_view t = Trimmed(line);
  return t.size() >= 2 && t.front() == '[' && t.back() == ']';
}

}  // namespace

IniText::KeyCandidate IniText::Candidate(std::size_t start, std::string_view line) {
  return {static_cast<std::uint32_t>(start), KeyHash(line) >> 1, IsAnyKeyLine(line)};
}

std::size_t IniText::NextLine(std::size_t start) const {
  const std::size_t end = m_text.find('\n', start);
  return end == std::string::npos ? m_text.size() : end + 1;
}

std::size_t IniText::LineIndex(std::size_t start) const {
  return static_cast<std::size_t>(
      std::count(m_text.begin(), m_text.begin() + static_cast<std::ptrdiff_t>(start), '\n'));
}

std::vector<std::string> IniText::Lines() const {
  std::vector<std::string> lines;
  ForEachTextLine([&](std::size_t, std::string_view line) { lines.emplace_back(line); });
  return lines;
}

void IniText::SetLines(const std::vector<std::string>& lines) {
  Clear();
  for (const auto& line : lines) AppendLine(line);
}

void IniText::SetText(std::string_view text) {
  Clear();
  m_text.reserve(text.size() + 1);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\r') {
      m_text += c;
      continue;
    }
    m_text += '\n';
    if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
  }
  if (!m_text.empty() && m_text.back() != '\n') m_text += '\n';
  Reindex();
}

std::string IniText::CrLfText() const {
  std::string out;
  out.reserve(m_text.size() +
              static_cast<std::size_t>(std::count(m_text.begin(), m_text.end(), '\n')));
  for (char c : m_text) {
    if (c == '\n') out += '\r';
    out += c;
  }
  return out;
}

void IniText::Clear() {
  m_text.clear();
  m_candidates.clear();
  m_indexed = true;
  m_found.clear();
}

bool IniText::Empty() const {
  return m_text.find_first_not_of('\n') == std::string::npos;
}

void IniText::Reindex() {
  m_candidates.clear();
  m_found.clear();
  m_indexed = m_text.size() < std::numeric_limits<std::uint32_t>::max();
  if (!m_indexed) return;
  // Counted first, so that the index never holds more room than it needs.
  std::size_t count = 0;
  ForEachTextLine([&](std::size_t, std::string_view line) { count += MayBeKey(line); });
  m_candidates.reserve(count);
  ForEachTextLine([&](std::size_t start, std::string_view line) {
    if (MayBeKey(line)) m_candidates.push_back(Candidate(start, line));
  });
}

void IniText::AppendLine(std::string_view line) {
  const std::size_t start = m_text.size();
  m_text += line;
  m_text += '\n';
  m_found.clear();
  if (line.find_first_of("\r\n") != std::string_view::npos ||
      m_text.size() >= std::numeric_limits<std::uint32_t>::max()) {
    Reindex();  // the text holds more than one line, or has outgrown the index
  } else if (m_indexed && MayBeKey(line)) {
    m_candidates.push_back(Candidate(start, line));
  }
}

std::optional<std::size_t> IniText::ScanForKey(const std::string& wanted) const {
  std::optional<std::size_t> found;
  bool isValue = false;
  ForEachTextLine([&](std::size_t start, std::string_view line) {
    if (found) return;
    if (isValue) {
      isValue = false;
      return;
    }
    if (IsKeyLine(line, wanted)) found = start;
    isValue = IsAnyKeyLine(line);
  });
  return found;
}

bool IniText::EndsWithKeyAwaitingValue() const {
  if (m_text.empty()) return false;
  std::size_t last = m_text.size() - 1;
  while (last > 0 && m_text[last - 1] != '\n') --last;
  if (!IsAnyKeyLine(std::string_view(m_text.data() + last, m_text.size() - 1 - last))) return false;
  // A key line is itself a value when the line before it is a key awaiting one.
  bool awaiting = false;
  if (m_indexed) {
    std::size_t valueAt = std::string::npos;
    for (const KeyCandidate& c : m_candidates) {
      awaiting = c.start != valueAt && c.keyLine;
      if (awaiting) valueAt = NextLine(c.start);
    }
    return awaiting;
  }
  ForEachTextLine(
      [&](std::size_t, std::string_view line) { awaiting = !awaiting && IsAnyKeyLine(line); });
  return awaiting;
}

std::optional<std::size_t> IniText::KeyStart(const std::string& key) const {
  const std::string wanted = UpperCase(Trim(key));
  if (const auto known = m_found.find(wanted); known != m_found.end()) return known->second;
  std::optional<std::size_t> found;
  if (wanted.empty() || wanted[0] != '[' || !m_indexed) {
    found = ScanForKey(wanted);
  } else {
    // Only a line that starts with '[' can be such a key, and those are indexed.
    // A candidate that is a whole key line makes the line after it a value.
    const std::uint32_t hash = KeyHash(wanted) >> 1;
    std::size_t valueAt = std::string::npos;
    for (const KeyCandidate& c : m_candidates) {
      if (c.start == valueAt) continue;
      const std::size_t next = NextLine(c.start);
      if (c.keyLine) valueAt = next;
      if (c.hash != hash) continue;
      if (IsKeyLine(std::string_view(m_text.data() + c.start, next - c.start - 1), wanted)) {
        found = c.start;
        break;
      }
    }
  }
  m_found.emplace(wanted, found);
  return found;
}

std::optional<std::size_t> IniText::KeyLine(const std::string& key) const {
  const auto start = KeyStart(key);
  if (!start) return std::nullopt;
  return LineIndex(*start);
}

std::optional<std::size_t> IniText::GetIniLine(const std::string& key) const {
  if (!HasValue(key)) return std::nullopt;
  return LineIndex(NextLine(*KeyStart(key)));
}

bool IniText::HasValue(const std::string& key) const {
  const auto start = KeyStart(key);
  return start && NextLine(*start) < m_text.size();
}

std::string IniText::GetIniValue(const std::string& key) const {
  const auto start = KeyStart(key);
  if (!start) return {};
  const std::size_t value = NextLine(*start);
  if (value >= m_text.size()) return {};
  return m_text.substr(value, NextLine(value) - value - 1);
}

void IniText::SetIniValue(const std::string& key, const std::string& value) {
  const auto start = KeyStart(key);
  if (!start) {
    if (EndsWithKeyAwaitingValue()) AppendLine("");
    AppendLine(key);
    AppendLine(value);
    return;
  }
  const std::size_t at = NextLine(*start);
  if (at >= m_text.size()) {
    AppendLine(value);
    return;
  }
  const std::size_t oldSize = NextLine(at) - at - 1;
  m_text.replace(at, oldSize, value);
  m_found.clear();
  if (value.find_first_of("\r\n") != std::string::npos || !m_indexed ||
      m_text.size() >= std::numeric_limits<std::uint32_t>::max()) {
    Reindex();  // the value brought lines of its own, or the text outgrew the index
    return;
  }
  // The index moves with the text after the value line; the value line itself may have
  // become, or stopped being, a possible key.
  auto it = std::lower_bound(m_candidates.begin(), m_candidates.end(), at,
                             [](const KeyCandidate& c, std::size_t pos) { return c.start < pos; });
  if (it != m_candidates.end() && it->start == at) it = m_candidates.erase(it);
  const auto shift =
      static_cast<std::ptrdiff_t>(value.size()) - static_cast<std::ptrdiff_t>(oldSize);
  for (auto k = it; k != m_candidates.end(); ++k)
    k->start = static_cast<std::uint32_t>(static_cast<std::ptrdiff_t>(k->start) + shift);
  if (MayBeKey(value)) m_candidates.insert(it, Candidate(at, value));
}

}  // namespace quotella
