#include "search/fillquality.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace quotella {
namespace {

bool IsVowel(char c) {
  return c == 'A' || c == 'E' || c == 'I' || c == 'O' || c == 'U';
}

bool EndsWith(const std::string& s, const char* suffix) {
  const std::string t(suffix);
  return s.size() >= t.size() && s.compare(s.size() - t.size(), t.size(), t) == 0;
}

}  // namespace

std::string StemOf(const std::string& word) {
  // Longest inflectional or common derivational ending first; the stem keeps at least
  // three letters so that short words are left alone.
  static constexpr std::array<const char*, 16> kEndings = {
      "INGS", "NESS", "IEST", "IERS", "ERS", "EST", "IES", "IED",
      "IER",  "ING",  "ED",   "ES",   "ER",  "LY",  "S",   "Y"};
  std::string s = word;
  for (const char* e : kEndings) {
    const std::size_t n = std::char_traits<char>::length(e);
    if (s.size() >= n + 3 && EndsWith(s, e)) {
      if (e[0] == 'S' && n == 1 && EndsWith(s, "SS")) continue;  // GLASS is no plural
      s.resize(s.size() - n);
      break;
    }
  }
  // RUNNING -> RUN, MAKE / MAKING -> MAK, HAPPY / HAPPIER -> HAPP.
  if (s.size() >= 4 && (s.back() == 'E' || s.back() == 'I' || s.back() == 'Y')) s.pop_back();
  if (s.size() >= 4 && s.back() == s[s.size() - 2] && !IsVowel(s.back())) s.pop_back();
  return s;
}

std::unordered_set<std::string> QuotationWords(const std::string& quotation) {
  std::unordered_set<std::string> words;
  std::string current;
  auto flush = [&] {
    if (current.size() >= 4) words.insert(current);
    current.clear();
  };
  for (char c : quotation) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 128 && std::isalpha(u))
      current += static_cast<char>(std::toupper(u));
    else
      flush();
  }
  flush();
  return words;
}

int WordStanding(int size, bool fromList, int familiarSize, bool known, int score) {
  if (fromList || score >= 0) return 0;
  const bool familiar = size > 0 && size <= familiarSize;
  return (known ? 1 : 3) + (familiar ? 0 : 1);
}

double WordPenalty(int size, bool fromList, int familiarSize, bool known, int score) {
  if (!fromList && score >= 0) return kScoredSpan * (100 - std::min(score, 100)) / 100.0;
  // Familiar words cost under 1, rarer ones 2 to 3, unsized ones 3.5: an unknown word's
  // extra cost is more than that whole span.
  constexpr double kRareCost = 2.0;
  constexpr double kUnsizedCost = 3.5;
  constexpr double kUnknownCost = 4.0;
  const double sized = std::min(size, 99) / 100.0;
  double cost = 0.0;
  switch (WordStanding(size, fromList, familiarSize, known)) {
    case 0:
      return 0.0;
    case 1:
    case 3:
      cost = sized;
      break;
    default:
      cost = size <= 0 ? kUnsizedCost : kRareCost + sized;
      break;
  }
  return known ? cost : cost + kUnknownCost;
}

double LengthPenalty(const std::vector<int>& lengths) {
  if (lengths.empty()) return 0.0;
  double sum = 0;
  for (int n : lengths) sum += n;
  const double avg = sum / static_cast<double>(lengths.size());
  double var = 0;
  for (int n : lengths) var += (n - avg) * (n - avg);
  return 0.003 * var;
}

}  // namespace quotella
