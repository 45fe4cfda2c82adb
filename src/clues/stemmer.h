#pragma once

#include <string>

struct sb_stemmer;

namespace quotella {

// The English Snowball stemmer ("artists" and "artist" -> artist, "aquaplaned" and
// "aquaplane" -> aquaplan, "arts" -> art). One object is one stemmer: not shared between
// threads.
class Stemmer {
 public:
  Stemmer();
  ~Stemmer();
  Stemmer(const Stemmer&) = delete;
  Stemmer& operator=(const Stemmer&) = delete;

  // The stem of a word of lower-case letters a-z; the word itself when no stemmer could
  // be made.
  std::string Stem(const std::string& word) const;

 private:
  sb_stemmer* m_stemmer = nullptr;
};

}  // namespace quotella
