#include <algorithm>
#include <limits>

#include "core/textio.h"
#include "settings/settings.h"
#include "settings/settingsstore.h"

namespace quotella {

namespace {

using S = const Settings&;
using Store = SettingsStore&;
using Value = const std::string&;

std::string Number(int n) {
  return std::to_string(n);
}
std::string Flag(bool b) {
  return b ? "TRUE" : "FALSE";
}
std::string Blank(S) {
  return {};
}

// "TRUE" and "FALSE", trimmed and in any case; anything else leaves the flag as it is.
void ReadFlag(Value value, bool& target) {
  const std::string t = UpperCase(Trim(value));
  if (t == "TRUE") target = true;
  if (t == "FALSE") target = false;
}

// A colour that is not a number falls back to its fresh value.
template <int Settings::*Field, int Fallback>
void ReadColour(Store store, Value value) {
  store.Values().*Field = ParseIniInt(value).value_or(Fallback);
}

// A colour kept only when it is a number.
template <int Settings::*Field>
void ReadColourIfNumber(Store store, Value value) {
  if (auto c = ParseIniInt(value)) store.Values().*Field = *c;
}

// A score of 0-100; anything else leaves the score as it is.
void ReadScore(Value value, int& target) {
  if (auto n = ParseIniInt(value); n && *n >= kLowestWordScore && *n <= kHighestWordScore)
    target = *n;
}

template <int List>
SettingsKey WordListKey(int readStep, int writeStep) {
  constexpr std::size_t kIndex = List - 1;
  static const std::string key = "[wordlist" + std::to_string(List) + "]";
  static const std::string meaning = "word list " + std::to_string(List) + " file";
  return {key.c_str(),     [](S s) { return FileNamePart(s.WordListFiles[kIndex]); },
          meaning.c_str(), [](S s) { return Trim(s.WordListFiles[kIndex]); },
          readStep,        [](Store store, Value v) { store.ReadWordList(List, v); },
          false,           writeStep};
}

template <int Settings::*Field, int Fallback>
SettingsKey ColourKey(const char* key, const char* meaning, int readStep, int writeStep) {
  return {
      key,      [](S) { return Number(Fallback); }, meaning, [](S s) { return Number(s.*Field); },
      readStep, &ReadColour<Field, Fallback>,       true,    writeStep};
}

// The constructor's scored word lists, read after everything else and written last.
std::vector<SettingsKey> ScoredListKeys() {
  return {
      {"[scored lists]", nullptr,
       "the constructor's scored word lists, each path in double quotes (a bare name lies in the "
       "program folder)",
       [](S s) { return JoinQuotedPaths(s.ScoredListFiles); }, 27,
       [](Store store, Value v) {
         std::vector<std::string> files;
         for (const std::string& name : SplitQuotedPaths(v))
           files.push_back(store.InProgramDir(name));
         store.Values().ScoredListFiles = std::move(files);
       },
       false, kFirstScoredListStep},
      {"[scored min score]", nullptr, "least score of a listed word autofill takes (0 to 100)",
       [](S s) { return Number(s.MinWordScore); }, 28,
       [](Store store, Value v) { ReadScore(v, store.Values().MinWordScore); }, false,
       kFirstScoredListStep + 1},
      {"[scored default score]", nullptr,
       "score of a scored-list line holding a word alone (0 to 100)",
       [](S s) { return Number(s.ListWordScore); }, 29,
       [](Store store, Value v) { ReadScore(v, store.Values().ListWordScore); }, false,
       kFirstScoredListStep + 2},
      {"[autofill dictionary words]", nullptr,
       "autofill may also take dictionary words when scored lists are named",
       [](S s) { return Flag(s.DictionaryWordsAllowed); }, 30,
       [](Store store, Value v) { ReadFlag(v, store.Values().DictionaryWordsAllowed); }, false,
       kFirstScoredListStep + 3},
  };
}

// Reading follows the file's meaning: the answer table's font and the Autofill limits,
// the quotes file, title and byline, the last file and the flags, the letter order and
// the problem letters, the word lists, the folders, then the colours. Writing puts the
// colours first, then the names, flags and fonts, as a file lacking them gets them
// appended in that order.
std::vector<SettingsKey> MakeKeys() {
  std::vector<SettingsKey> keys = {
      {"[initial directory]", Blank, "current folder of the file dialogs and of the program",
       [](S s) { return s.CurrentDir; }, 17,
       [](Store store, Value v) { store.ReadInitialDirectory(v); }, false, 16},
      {"[quotefile]", [](S s) { return FileNamePart(s.QuotesFile); },
       "quotes file, loaded into the quotes editor", [](S s) { return Trim(s.QuotesFile); }, 5,
       [](Store store, Value v) { store.ReadQuotesFile(v); }, false, 11},
      WordListKey<1>(13, 12),
      WordListKey<2>(14, 13),
      WordListKey<3>(15, 14),
      WordListKey<4>(16, 15),
      {"[dictionary directory]", Blank,
       "dictionary folder of the 26 letter files (empty: the program folder)",
       [](S s) { return Trim(s.DictDir); }, 18,
       [](Store store, Value v) { store.ReadDictionaryDirectory(v); }, false, 17},
      {"[Frequency]", [](S) { return std::string(kDefaultFileFreqOrder); },
       "letter frequency, most to least common (empty: built-in order)",
       [](S s) { return s.FreqString; }, 11, [](Store store, Value v) { store.ReadFrequency(v); }},
      {"[NumProblems]", [](S) { return Number(kDefaultNumProblems); },
       "number of problem letters, taken from the rare end of the frequency order",
       [](S s) { return Number(s.NumProblemChars); }, 12,
       [](Store store, Value v) { store.ReadNumProblems(v); }, false, 18, "[NUMPROBLEMS]"},
      {"[lastfile]", Blank, "puzzle file last loaded or saved",
       [](S s) { return Trim(s.LastFile); }, 8,
       [](Store store, Value v) { store.Values().LastFile = Trim(v); }, false, 8},
      {"[loadlastfile]", [](S) { return std::string("TRUE"); },
       "open the last puzzle file at start-up", [](S s) { return Flag(s.LoadLastFile); }, 9,
       [](Store store, Value v) { ReadFlag(v, store.Values().LoadLastFile); }, false, 10},
      {"[launch at startup]", [](S) { return std::string("TRUE"); },
       "launch at start-up (kept, not acted on)", [](S s) { return Flag(s.LaunchAtStartup); }, 10,
       [](Store store, Value v) { ReadFlag(v, store.Values().LaunchAtStartup); }, false, 9},
      ColourKey<&Settings::FormColor, kDefaultFormColor>("[formcolor]", "main window background",
                                                         19, 1),
      ColourKey<&Settings::QEditorColor, kDefaultQEditorColor>("[qeditorcolor]",
                                                               "quotes editor background", 21, 3),
      ColourKey<&Settings::OEditorColor, kDefaultOEditorColor>("[oeditorcolor]",
                                                               "output editor background", 22, 4),
      ColourKey<&Settings::ClueColor, kDefaultClueColor>("[cluecolor]", "clue list background", 20,
                                                         2),
      // Written from the quotation window's colour; read back before "[quotewincolor]",
      // which has the last word.
      {"[quotecolor]", [](S) { return Number(kDefaultQuoteWinColor); },
       "quotation window colour (a number here stands until [quotewincolor] is read)",
       [](S s) { return Number(s.QuoteWinColor); }, 23,
       &ReadColourIfNumber<&Settings::QuoteWinColor>, false, 5},
      {"[quotewincolor]", [](S) { return Number(kDefaultQuoteWinColor); },
       "quotation window background", [](S s) { return Number(s.QuoteWinColor); }, 24,
       [](Store store, Value v) { store.ReadQuoteWinColor(v); }, true, 6},
      {"[gridcolor]", [](S) { return Number(kDefaultGridColor); },
       "quotation grid background (kept when it is a number)",
       [](S s) { return Number(s.GridColor); }, 25, &ReadColourIfNumber<&Settings::GridColor>,
       false, 7},
      // The answer table's font name is taken as written, blanks and all.
      {"[KEYFONT]", nullptr, "answer-word table font name", [](S s) { return s.KeyFontName; }, 1,
       [](Store store, Value v) { store.Values().KeyFontName = v; }, false, 19},
      {"[KEYFONTSIZE]", nullptr, "answer-word table font size",
       [](S s) { return Number(s.KeyFontSize); }, 2,
       [](Store store, Value v) {
         if (auto n = ParseIniInt(v)) store.Values().KeyFontSize = *n;
       },
       false, 20},
      // The clue list's font is taken from the text when the settings are saved.
      {"[CLUEFONT]", nullptr, "clue list font name", [](S s) { return s.ClueFontName; }, 0,
       [](Store store, Value v) { store.Values().ClueFontName = v; }, false, kFirstClueFontStep},
      {"[CLUEFONTSIZE]", nullptr, "clue list font size", [](S s) { return Number(s.ClueFontSize); },
       0,
       [](Store store, Value v) {
         if (auto n = ParseIniInt(v)) store.Values().ClueFontSize = *n;
       },
       false, kFirstClueFontStep + 1},
      {"[autofill rarity]", nullptr, "rarest dictionary words autofill proposes (50, 60 or 70)",
       [](S s) { return Number(s.AutofillRarity); }, 3,
       [](Store store, Value v) {
         if (auto n = ParseIniInt(v); n && (*n == 50 || *n == 60 || *n == 70))
           store.Values().AutofillRarity = *n;
       },
       false, kFirstAutofillStep},
      {"[autofill time limit]", nullptr, "autofill's time limit in seconds",
       [](S s) { return Number(s.AutofillSeconds); }, 4,
       [](Store store, Value v) {
         if (auto n = ParseIniInt(v); n && *n >= 1 && *n <= 600)
           store.Values().AutofillSeconds = *n;
       },
       false, kFirstAutofillStep + 1},
      {"[recovery interval]", nullptr, "seconds between recovery copies of unsaved work (5 to 600)",
       [](S s) { return Number(s.RecoverySeconds); }, 26,
       [](Store store, Value v) {
         if (auto n = ParseIniInt(v); n && *n >= kMinRecoverySeconds && *n <= kMaxRecoverySeconds)
           store.Values().RecoverySeconds = *n;
       },
       false, kFirstAutofillStep + 2},
      {"[title]", nullptr, "title box (read only)",
       [](S s) { return s.Title ? *s.Title : std::string("(unchanged)"); }, 6,
       [](Store store, Value v) { store.Values().Title = Trim(v); }},
      {"[byline]", nullptr, "byline box (read only)",
       [](S s) { return s.Byline ? *s.Byline : std::string("(unchanged)"); }, 7,
       [](Store store, Value v) { store.Values().Byline = Trim(v); }},
  };
  const std::vector<SettingsKey> scored = ScoredListKeys();
  keys.insert(keys.end(), scored.begin(), scored.end());
  return keys;
}

// The keys whose step, as `step` gives it, lies in [first, last), in step order.
template <typename Step>
std::vector<const SettingsKey*> KeysByStep(Step step, int first, int last) {
  std::vector<const SettingsKey*> keys;
  for (const SettingsKey& k : SettingsKeys())
    if (step(k) >= first && step(k) < last) keys.push_back(&k);
  std::stable_sort(keys.begin(), keys.end(),
                   [&](const SettingsKey* a, const SettingsKey* b) { return step(*a) < step(*b); });
  return keys;
}

}  // namespace

const std::vector<SettingsKey>& SettingsKeys() {
  static const std::vector<SettingsKey> keys = MakeKeys();
  return keys;
}

std::vector<const SettingsKey*> KeysWrittenIn(int first, int last) {
  return KeysByStep([](const SettingsKey& k) { return k.writeStep; }, first, last);
}

std::vector<const SettingsKey*> KeysRead() {
  static const std::vector<const SettingsKey*> keys = KeysByStep(
      [](const SettingsKey& k) { return k.readStep; }, 1, std::numeric_limits<int>::max());
  return keys;
}

}  // namespace quotella
