#include "clues/wordnetindex.h"

#include <fstream>
#include <sstream>
#include <string_view>

#include "clues/wordnet.h"

namespace quotella {

namespace {

constexpr std::array<const char*, 4> kPartNames = {"noun", "verb", "adj", "adv"};
constexpr std::size_t kNoun = 0;
constexpr std::size_t kVerb = 1;
constexpr std::size_t kAdjective = 2;

// The suffix rules of WordNet's morphology, in the order it tries them: an ending and
// what replaces it.
struct Rule {
  std::string_view ending;
  std::string_view replacement;
};
constexpr Rule kNounRules[] = {{"s", ""},      {"ses", "s"},   {"xes", "x"},   {"zes", "z"},
                               {"ches", "ch"}, {"shes", "sh"}, {"men", "man"}, {"ies", "y"}};
constexpr Rule kVerbRules[] = {{"s", ""},   {"ies", "y"}, {"es", "e"},  {"es", ""},
                               {"ed", "e"}, {"ed", ""},   {"ing", "e"}, {"ing", ""}};
constexpr Rule kAdjectiveRules[] = {{"er", ""}, {"est", ""}, {"er", "e"}, {"est", "e"}};

bool EndsWith(std::string_view s, std::string_view end) {
  return s.size() >= end.size() && s.substr(s.size() - end.size()) == end;
}

std::vector<Rule> RulesOf(std::size_t part) {
  switch (part) {
    case kNoun:
      return {std::begin(kNounRules), std::end(kNounRules)};
    case kVerb:
      return {std::begin(kVerbRules), std::end(kVerbRules)};
    case kAdjective:
      return {std::begin(kAdjectiveRules), std::end(kAdjectiveRules)};
    default:
      return {};  // adverbs have their exception list only
  }
}

// The first word of each line of an index file (its lemma); the licence lines at its head
// start with a blank.
bool ReadLemmas(const std::filesystem::path& path, std::unordered_set<std::string>& lemmas) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line[0] == ' ') continue;
    lemmas.insert(line.substr(0, line.find(' ')));
  }
  return true;
}

// "inflected base base ..." per line. A word on two lines (a few are) keeps its first, the
// one the library's look-up finds.
void ReadExceptions(const std::filesystem::path& path,
                    std::unordered_map<std::string, std::vector<std::string>>& exceptions) {
  std::ifstream in(path, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream words(line);
    std::string inflected, base;
    if (!(words >> inflected) || exceptions.count(inflected) != 0) continue;
    auto& bases = exceptions[inflected];
    while (words >> base) bases.push_back(base);
  }
}

}  // namespace

bool WordNetIndex::Load(const std::filesystem::path& folder) {
  for (std::size_t part = 0; part < kParts; ++part) {
    m_lemmas[part].clear();
    m_exceptions[part].clear();
  }
  for (std::size_t part = 0; part < kParts; ++part) {
    if (!ReadLemmas(folder / (std::string("index.") + kPartNames[part]), m_lemmas[part])) {
      for (auto& lemmas : m_lemmas) lemmas.clear();
      return false;
    }
    ReadExceptions(folder / (std::string(kPartNames[part]) + ".exc"), m_exceptions[part]);
  }
  return true;
}

std::size_t WordNetIndex::Lemmas() const {
  std::size_t n = 0;
  for (const auto& lemmas : m_lemmas) n += lemmas.size();
  return n;
}

bool WordNetIndex::InIndex(const std::string& word, std::size_t part) const {
  return m_lemmas[part].count(word) != 0;
}

bool WordNetIndex::Knows(const std::string& word) const {
  const std::string spelled = WordNetSpelling(word);
  if (spelled.empty()) return false;
  for (std::size_t part = 0; part < kParts; ++part)
    if (InIndex(spelled, part) || KnowsThroughMorphology(spelled, part)) return true;
  return false;
}

bool WordNetIndex::KnowsThroughMorphology(const std::string& word, std::size_t part) const {
  // A word on the exception list takes the bases listed there and no rule.
  const auto it = m_exceptions[part].find(word);
  if (it != m_exceptions[part].end()) {
    for (const auto& base : it->second)
      if (InIndex(base, part)) return true;
    return false;
  }
  return KnowsByRules(word, part);
}

bool WordNetIndex::KnowsByRules(const std::string& word, std::size_t part) const {
  // Nouns: "boxesful" is looked up as "boxes" with "ful" put back; a noun ending in "ss"
  // or of two letters or fewer has no rule.
  std::string stem = word;
  std::string end;
  if (part == kNoun) {
    if (EndsWith(word, "ful")) {
      stem = word.substr(0, word.rfind('f'));
      end = "ful";
    } else if (EndsWith(word, "ss") || word.size() <= 2) {
      return false;
    }
  }
  // The first rule whose base differs from the word and is in the index wins.
  for (const Rule& rule : RulesOf(part)) {
    if (!EndsWith(stem, rule.ending)) continue;
    const std::string base =
        stem.substr(0, stem.size() - rule.ending.size()) + std::string(rule.replacement);
    if (base != stem && InIndex(base, part)) return InIndex(base + end, part);
  }
  return false;
}

}  // namespace quotella
