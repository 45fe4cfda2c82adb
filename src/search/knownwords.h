#pragma once

#include <string>
#include <unordered_set>

namespace quotella {

inline constexpr const char* kKnownWordsFileName = "known.txt";

// The dictionary words WordNet knows (directly or through its morphology), so that a
// solver can be given a clue for them: known.txt beside the letter files, one word per
// line. A folder without the file knows every word, so nothing is preferred over anything.
class KnownWords {
 public:
  // Replaces the table; false when the file cannot be read (every word is then known).
  bool Load(const std::string& path);
  // Loads dir + kKnownWordsFileName.
  bool LoadFromDictDir(const std::string& dir) { return Load(dir + kKnownWordsFileName); }
  // A word in any case; true for every word while no file is loaded.
  bool Knows(const std::string& word) const;
  bool Loaded() const { return m_loaded; }
  std::size_t Count() const { return m_words.size(); }

 private:
  bool m_loaded = false;
  std::unordered_set<std::string> m_words;  // upper-cased letters A-Z
};

}  // namespace quotella
