#include "search/fillquality.h"

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

double WordPenalty(int size, bool fromList, int familiarSize) {
  if (fromList) return 0.0;
  if (size <= 0) return 3.5;
  if (size <= familiarSize) return size / 100.0;
  return 2.0 + size / 100.0;
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
