#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quotella {

// The raw text of the settings file as the settings view holds it: bracketed key lines,
// each followed by its value line. A key line is a line that equals the key once both
// are trimmed and upper-cased; the first such line from the top wins. Every other line
// is kept as it is, so text the program does not own survives a read and a write.
class IniText {
 public:
  IniText() = default;
  explicit IniText(std::vector<std::string> lines) : m_lines(std::move(lines)) {}

  const std::vector<std::string>& Lines() const { return m_lines; }
  void SetLines(std::vector<std::string> lines) { m_lines = std::move(lines); }
  void Clear() { m_lines.clear(); }
  // No text at all, or nothing but empty lines.
  bool Empty() const;

  // Index of the key line itself; nullopt when the key is absent. The line after any
  // key line is that key's value and never taken for a key.
  std::optional<std::size_t> KeyLine(const std::string& key) const;
  // Index of the value line after the key; nullopt when the key is absent or stands on
  // the last line.
  std::optional<std::size_t> GetIniLine(const std::string& key) const;
  // The value line, untrimmed; empty when there is none.
  std::string GetIniValue(const std::string& key) const;
  // True when the key is present with a value line after it.
  bool HasValue(const std::string& key) const { return GetIniLine(key).has_value(); }

  // The writers' rule: replace the value line after the key; when the key is the last
  // line, append the value after it; when the key is missing, append the key (as given)
  // and the value at the end.
  void SetIniValue(const std::string& key, const std::string& value);

 private:
  std::vector<std::string> m_lines;
};

}  // namespace quotella
