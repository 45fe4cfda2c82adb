#include "clues/sense.h"

namespace quotella {

const char* PartName(PartOfSpeech pos) {
  switch (pos) {
    case PartOfSpeech::Noun:
      return "noun";
    case PartOfSpeech::Verb:
      return "verb";
    case PartOfSpeech::Adjective:
      return "adjective";
    case PartOfSpeech::Adverb:
      return "adverb";
  }
  return "";
}

namespace {

std::string Trimmed(const std::string& s) {
  const auto first = s.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return {};
  const auto last = s.find_last_not_of(" \t\r\n");
  return s.substr(first, last - first + 1);
}

// Drops one pair of parentheses around the whole text (the database wraps each gloss so).
std::string Unwrapped(std::string s) {
  s = Trimmed(s);
  if (s.size() < 2 || s.front() != '(' || s.back() != ')') return s;
  int depth = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '(') ++depth;
    if (s[i] == ')' && --depth == 0 && i + 1 < s.size()) return s;  // "(physics) light..."
  }
  return Trimmed(s.substr(1, s.size() - 2));
}

}  // namespace

void SplitGloss(const std::string& raw, std::string& gloss, std::vector<std::string>& examples) {
  const std::string text = Unwrapped(raw);
  examples.clear();
  // Examples are quoted and follow the definition after "; ".
  std::size_t firstQuote = text.find("; \"");
  if (firstQuote == std::string::npos && !text.empty() && text.front() == '"') firstQuote = 0;
  gloss = Trimmed(text.substr(0, firstQuote));
  if (firstQuote == std::string::npos) return;
  std::size_t pos = text.find('"', firstQuote);
  while (pos != std::string::npos) {
    const std::size_t end = text.find('"', pos + 1);
    if (end == std::string::npos) {
      examples.push_back(Trimmed(text.substr(pos + 1)));
      break;
    }
    const std::string example = Trimmed(text.substr(pos + 1, end - pos - 1));
    if (!example.empty()) examples.push_back(example);
    pos = text.find('"', end + 1);
  }
}

}  // namespace quotella
