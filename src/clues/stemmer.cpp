#include "clues/stemmer.h"

#include <libstemmer.h>

namespace quotella {

Stemmer::Stemmer() : m_stemmer(sb_stemmer_new("english", nullptr)) {}

Stemmer::~Stemmer() {
  if (m_stemmer) sb_stemmer_delete(m_stemmer);
}

std::string Stemmer::Stem(const std::string& word) const {
  if (!m_stemmer || word.empty()) return word;
  const sb_symbol* stem = sb_stemmer_stem(
      m_stemmer, reinterpret_cast<const sb_symbol*>(word.data()), static_cast<int>(word.size()));
  if (!stem) return word;
  return std::string(reinterpret_cast<const char*>(stem),
                     static_cast<std::size_t>(sb_stemmer_length(m_stemmer)));
}

}  // namespace quotella
