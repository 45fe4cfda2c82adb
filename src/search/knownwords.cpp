#include "search/knownwords.h"

#include "core/linescan.h"
#include "search/wordsource.h"

namespace quotella {

bool KnownWords::Load(const std::string& path) {
  m_words.clear();
  m_loaded = false;
  const auto text = ReadWordFileText(path);
  if (!text) return false;
  ForEachLine(*text, [&](std::string_view line) {
    std::string word = NormaliseDictLine(std::string(line));
    if (!word.empty()) m_words.insert(std::move(word));
  });
  m_loaded = true;
  return true;
}

bool KnownWords::Knows(const std::string& word) const {
  return !m_loaded || m_words.count(NormaliseDictLine(word)) != 0;
}

}  // namespace quotella
