#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "clues/sense.h"

namespace quotella {

// Definitions from WordNet, the lexical database of English, read through its C library.
// That library keeps its open files, search buffers and morphology state in globals and is
// not thread-safe: every call into it, from every WordNet object, runs under one mutex,
// and an object whose folder is not the one the library has open reopens the library on
// its own folder first. Look-ups are therefore safe from any thread, one at a time.
class WordNet {
 public:
  // $WNSEARCHDIR when it is set, else the folder the Debian package installs.
  static std::filesystem::path DefaultFolder();

  explicit WordNet(std::filesystem::path folder = DefaultFolder());

  const std::filesystem::path& folder() const { return m_folder; }
  // Empty while the database can be read; otherwise the message that says why not and
  // what to install.
  std::string problem() const;
  bool available() const { return problem().empty(); }

  // The senses of a word, inflected forms through WordNet's morphology ("aquaplaned" ->
  // aquaplane, "geese" -> goose). Case and accents do not matter; a word the database
  // does not know has no senses; without a database the definition carries the problem.
  Definition Define(const std::string& word) const;
  // True when the database holds the word, directly or through its morphology.
  bool Knows(const std::string& word) const;

 private:
  // Makes the library read this object's folder; false, with the problem, when it cannot.
  bool Select(std::string& problem) const;

  std::filesystem::path m_folder;
};

// A word as the database spells its entries: folded to plain letters, lower case, blanks
// as underscores; other characters dropped. Empty for a text with no letters or one too
// long to be a word.
std::string WordNetSpelling(const std::string& word);

}  // namespace quotella
