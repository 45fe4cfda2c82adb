#pragma once

#include <optional>
#include <string>

#include "core/copyright.h"

#include "core/host.h"

namespace quotella {

// The outside reference services. Each look-up builds one address and the window opens
// it in the user's browser; nothing is fetched here. A look-up that opens nothing gives
// nullopt.
enum class LookupService { Dictionary, Thesaurus, Google, Imdb, Britannica };

inline constexpr const char* kMerriamWebsterHost = "https://www.merriam-webster.com";
inline constexpr const char* kGoogleHost = "https://www.google.com";
inline constexpr const char* kImdbHost = "https://www.imdb.com";
inline constexpr const char* kBritannicaHost = "https://www.britannica.com";

// The address for a term, exactly as given: no encoding except Britannica's spaces.
std::string LookupAddress(LookupService service, const std::string& term);
// Each space of the reply becomes "%20"; runs of spaces give one "%20" each.
std::string BritannicaSpaces(const std::string& reply);
// "dictionary", "thesaurus", "google", "imdb", "britannica".
std::optional<LookupService> LookupServiceNamed(const std::string& name);

// The typed-term look-ups of the main menu (Tools and Internet). typed is the reply of
// the prompt; nullopt when the user cancelled. Only the Britannica search opens for an
// empty term; the movie database gets the term lower-cased.
std::optional<std::string> TypedLookupAddress(LookupService service,
                                              const std::optional<std::string>& typed);
// The same, asking the user with the service's prompt.
std::optional<std::string> MainMerriamLookup(Host& host);
std::optional<std::string> ThesaurusLookup(Host& host);
std::optional<std::string> GoogleLookup(Host& host);
std::optional<std::string> MovieDataBaseLookup(Host& host);
std::optional<std::string> BritannicaLookup(Host& host);

// The answer-word table's look-ups of the current row's answer word (lower-cased).
std::optional<std::string> KeywordMerriamLookup(const std::string& answer);
std::optional<std::string> KeywordThesaurusLookup(const std::string& answer);
// Asks for the phrase, starting from the answer word, so the user can put the spaces
// back; cancelling opens nothing.
std::optional<std::string> KeywordGoogleLookup(Host& host, const std::string& answer);

// The candidate list's look-ups of the selected candidate (lower-cased).
std::optional<std::string> CandidateMerriamLookup(const std::string& candidate);
std::optional<std::string> CandidateGoogleLookup(Host& host, const std::string& candidate);

// Somewhere to put plain text for other programs: the system clipboard in the window.
class Clipboard {
 public:
  virtual ~Clipboard() = default;
  virtual void SetText(const std::string& text) = 0;
};

// "Copy Answer to Clipboard": the answer word of the current row, empty or not.
void CopyKeyword(Clipboard& clipboard, const std::string& answer);

// The copyright notice command: a blank notice first becomes "(c) <year>", then the user
// edits it; cancelling keeps the notice shown in the prompt. Returns the new notice.
std::string EditCopyrightNotice(Host& host, const std::string& notice, int year);

}  // namespace quotella
