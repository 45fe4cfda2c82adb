#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quotella {

// The raw text of the settings file as the settings view holds it: bracketed key lines,
// each followed by its value line. A key line is a line that equals the key once both
// are trimmed and upper-cased; the first such line from the top wins. Every other line
// is kept as it is, so text the program does not own survives a read and a write.
//
// The text is held as one string, so a file of millions of empty lines costs its size and
// no more; the lines that could be keys (those starting with '[') are indexed with a hash
// of their key, so that looking a key up does not read the whole text.
class IniText {
 public:
  IniText() = default;
  explicit IniText(const std::vector<std::string>& lines) { SetLines(lines); }

  std::vector<std::string> Lines() const;
  void SetLines(const std::vector<std::string>& lines);
  // The text of a file: lines end at CR LF, LF or CR, and a final line end does not
  // start an empty last line.
  void SetText(std::string_view text);
  // The lines, each followed by CR LF, as the settings file is written.
  std::string CrLfText() const;
  void Clear();
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
  bool HasValue(const std::string& key) const;

  // The writers' rule: replace the value line after the key; when the key is the last
  // line, append the value after it; when the key is missing, append the key (as given)
  // and the value at the end.
  void SetIniValue(const std::string& key, const std::string& value);

 private:
  // A line that starts with '[' (blanks aside): where it starts and the hash of its
  // trimmed, upper-cased text.
  struct KeyCandidate {
    std::uint32_t start;
    std::uint32_t hash : 31;
    std::uint32_t keyLine : 1;  // the whole line is "[...]": the next line is its value
  };
  static KeyCandidate Candidate(std::size_t start, std::string_view line);

  // Where the key line starts in the text; nullopt when the key is absent.
  std::optional<std::size_t> KeyStart(const std::string& key) const;
  std::optional<std::size_t> ScanForKey(const std::string& wanted) const;
  // Whether the last line is a key still waiting for its value: a key appended after it
  // would be taken for that value.
  bool EndsWithKeyAwaitingValue() const;
  // Where the line after the one starting at `start` starts (the text's size at the end).
  std::size_t NextLine(std::size_t start) const;
  std::size_t LineIndex(std::size_t start) const;
  // Calls visit(start, line) for each line of the text, in order.
  template <typename Visit>
  void ForEachTextLine(Visit&& visit) const {
    for (std::size_t start = 0; start < m_text.size();) {
      const std::size_t next = NextLine(start);
      visit(start, std::string_view(m_text.data() + start, next - start - 1));
      start = next;
    }
  }
  void AppendLine(std::string_view line);
  void Reindex();

  std::string m_text;                      // every line followed by '\n'
  std::vector<KeyCandidate> m_candidates;  // in text order
  bool m_indexed = true;                   // false for a text too long for the index
  // The keys looked up since the text last changed, upper-cased, and where they start.
  mutable std::unordered_map<std::string, std::optional<std::size_t>> m_found;
};

}  // namespace quotella
