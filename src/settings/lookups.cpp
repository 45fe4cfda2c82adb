#include "settings/lookups.h"

#include <ctime>

#include "core/textio.h"

namespace quotella {

std::string BritannicaSpaces(const std::string& reply) {
  std::string result;
  std::string rest = reply;
  while (!rest.empty()) {
    const auto space = rest.find(' ');
    if (space == std::string::npos) {
      result += rest;
      rest.clear();
    } else {
      result += rest.substr(0, space);
      rest = rest.substr(space + 1);
    }
    result += "%20";
  }
  if (result.size() >= 3) result.resize(result.size() - 3);
  return result;
}

std::string LookupAddress(LookupService service, const std::string& term) {
  switch (service) {
    case LookupService::Dictionary:
      return std::string(kMerriamWebsterHost) + "/cgi-bin/dictionary?book=Dictionary&va=" + term;
    case LookupService::Thesaurus:
      return std::string(kMerriamWebsterHost) + "/cgi-bin/thesaurus?book=Thesaurus&va=" + term;
    case LookupService::Google:
      return std::string(kGoogleHost) + "/search?hl=en&ie=UTF-8&oe=UTF-8&q=%22" + term + "%22";
    case LookupService::Imdb:
      return std::string(kImdbHost) + "/Find?" + term;
    case LookupService::Britannica:
      return std::string(kBritannicaHost) + "/search?query=" + BritannicaSpaces(term) +
             "&ct=&fuzzy=N";
  }
  return {};
}

std::optional<LookupService> LookupServiceNamed(const std::string& name) {
  const std::string n = LowerCase(name);
  if (n == "dictionary") return LookupService::Dictionary;
  if (n == "thesaurus") return LookupService::Thesaurus;
  if (n == "google") return LookupService::Google;
  if (n == "imdb") return LookupService::Imdb;
  if (n == "britannica") return LookupService::Britannica;
  return std::nullopt;
}

std::optional<std::string> TypedLookupAddress(LookupService service,
                                              const std::optional<std::string>& typed) {
  // A cancelled prompt gives back its default, which is empty for every typed look-up.
  std::string term = typed.value_or(std::string());
  if (term.empty() && service != LookupService::Britannica) return std::nullopt;
  if (service == LookupService::Imdb) term = LowerCase(term);
  return LookupAddress(service, term);
}

std::optional<std::string> MainMerriamLookup(Host& host) {
  return TypedLookupAddress(LookupService::Dictionary,
                            host.Prompt("Merriam-Webster Website Lookup", "Word to look up: ", ""));
}

std::optional<std::string> ThesaurusLookup(Host& host) {
  return TypedLookupAddress(
      LookupService::Thesaurus,
      host.Prompt("Merriam-Webster Thesaurus Lookup", "Word to look up: ", ""));
}

std::optional<std::string> GoogleLookup(Host& host) {
  return TypedLookupAddress(LookupService::Google,
                            host.Prompt("Google Lookup", "Word or phrase to look up: ", ""));
}

std::optional<std::string> MovieDataBaseLookup(Host& host) {
  return TypedLookupAddress(
      LookupService::Imdb,
      host.Prompt("INTERNET MOVIE DATABASE", "Enter movie title, actor or actress : ", ""));
}

std::optional<std::string> BritannicaLookup(Host& host) {
  return TypedLookupAddress(LookupService::Britannica,
                            host.Prompt("Britannica Lookup", "Word or phrase to look up: ", ""));
}

std::optional<std::string> KeywordMerriamLookup(const std::string& answer) {
  if (answer.empty()) return std::nullopt;
  return LookupAddress(LookupService::Dictionary, LowerCase(answer));
}

std::optional<std::string> KeywordThesaurusLookup(const std::string& answer) {
  return LookupAddress(LookupService::Thesaurus, LowerCase(answer));
}

namespace {
std::optional<std::string> GooglePhrase(Host& host, const std::string& label,
                                        const std::string& word) {
  const auto reply = host.Prompt("GOOGLE LOOKUP", label, word);
  if (!reply || reply->empty()) return std::nullopt;
  return LookupAddress(LookupService::Google, LowerCase(*reply));
}
}  // namespace

std::optional<std::string> KeywordGoogleLookup(Host& host, const std::string& answer) {
  return GooglePhrase(host, "Put SPACES between words, if necessary : ", answer);
}

std::optional<std::string> CandidateMerriamLookup(const std::string& candidate) {
  return LookupAddress(LookupService::Dictionary, LowerCase(candidate));
}

std::optional<std::string> CandidateGoogleLookup(Host& host, const std::string& candidate) {
  return GooglePhrase(host, "Put SPACES between words if necessary : ", candidate);
}

void CopyKeyword(Clipboard& clipboard, const std::string& answer) {
  clipboard.SetText(answer);
}

std::string EditCopyrightNotice(Host& host, const std::string& notice, int year) {
  std::string current = notice;
  if (Trim(current).empty()) current = "\xC2\xA9 " + std::to_string(year);
  return host.Prompt("Copyright Notice", "(See General Settings for placement)", current)
      .value_or(current);
}

}  // namespace quotella
