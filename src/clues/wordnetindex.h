#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace quotella {

// Which words WordNet knows, read straight from its index and exception files into
// memory: the same answer as WordNet::Knows (the word itself, its exception-list base
// forms, or the first base its suffix rules give that the index holds), without going
// through the library, so that a whole dictionary can be checked in a moment.
class WordNetIndex {
 public:
  // Reads index.{noun,verb,adj,adv} and {noun,verb,adj,adv}.exc of the folder. False, with
  // the index left empty, when an index file cannot be read; a missing exception file
  // only means no exceptions for that part of speech.
  bool Load(const std::filesystem::path& folder);
  // The word in any case, accents folded, as WordNetSpelling spells it.
  bool Knows(const std::string& word) const;
  std::size_t Lemmas() const;

 private:
  static constexpr std::size_t kParts = 4;  // noun, verb, adjective, adverb
  bool InIndex(const std::string& word, std::size_t part) const;
  bool KnowsThroughMorphology(const std::string& word, std::size_t part) const;
  bool KnowsByRules(const std::string& word, std::size_t part) const;

  std::array<std::unordered_set<std::string>, kParts> m_lemmas;
  std::array<std::unordered_map<std::string, std::vector<std::string>>, kParts> m_exceptions;
};

}  // namespace quotella
