#pragma once

#include "core/copyright.h"
#include "core/defaultfiles.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace quotella {

class Host;

inline constexpr const char* kIniFileBaseName = "quotella.ini";
// The frequency order written into a fresh settings file.
inline constexpr const char* kDefaultFileFreqOrder = "ETAOINSRDLUCMFGHYPWBVKXJQZ";
inline constexpr int kDefaultNumProblems = 14;
// Used for the quotation window when its stored colour is not a number.
inline constexpr int kQuoteWinFallbackColor = 16777134;
// The values of a fresh start, each declared once: the settings, the fresh settings file
// and the reader's fallbacks take them from here.
inline constexpr int kDefaultFormColor = 15780518;
inline constexpr int kDefaultClueColor = 15522303;
inline constexpr int kDefaultQEditorColor = 15532030;
inline constexpr int kDefaultOEditorColor = 16699345;
inline constexpr int kDefaultQuoteWinColor = 16699345;
inline constexpr int kDefaultGridColor = 16699345;
inline constexpr const char* kDefaultFontName = "Arial";
inline constexpr int kDefaultFontSize = 10;
inline constexpr int kDefaultAutofillRarity = 70;
inline constexpr int kDefaultAutofillSeconds = 10;
// Seconds between two recovery copies of unsaved work, and the range the file may set.
inline constexpr int kDefaultRecoverySeconds = 30;
inline constexpr int kMinRecoverySeconds = 5;
inline constexpr int kMaxRecoverySeconds = 600;
// The constructor's scored word lists: the least score autofill takes, the score of a line
// holding a word alone, and the range of a score. The word-score table declares the same
// values; the window checks that they agree.
inline constexpr int kFreshMinWordScore = 50;
inline constexpr int kFreshListWordScore = 50;
inline constexpr int kLowestWordScore = 0;
inline constexpr int kHighestWordScore = 100;

// Every value the settings file feeds, as plain data. The window and the other modules
// apply what they own from here (colours, fonts, word lists, the quotes file, title and
// byline) and put their current values back before the file is written. Colours use the
// stored encoding: blue in bits 16-23, green in bits 8-15, red in bits 0-7.
struct Settings {
  // Where the program is and which settings file is in use. ProgramDir ends in '/'.
  std::string ProgramDir;
  std::string IniFileName;

  std::string QuotesFile = kDefaultQuotesFile;
  std::array<std::string, 4> WordListFiles{"words1.txt", "words2.txt", "words3.txt", "words4.txt"};
  std::string DictDir;     // ends in '/'
  std::string CurrentDir;  // folder offered by the file dialogs
  std::string LastFile = kDefaultLastFile;
  std::string CopyrightText = DefaultCopyrightText();

  // The 26 letters from most to least frequent; empty for the built-in order.
  std::string FreqString;
  int NumProblemChars = kDefaultNumProblems;

  bool LoadLastFile = false;
  bool LaunchAtStartup = false;  // shown and saved, nothing else
  bool IniLoaded = false;        // a settings file was read in this run

  // Title and byline boxes: set only when the file carries them.
  std::optional<std::string> Title;
  std::optional<std::string> Byline;

  int FormColor = kDefaultFormColor;          // main window background
  int ClueColor = kDefaultClueColor;          // clue list
  int QEditorColor = kDefaultQEditorColor;    // quotes editor
  int OEditorColor = kDefaultOEditorColor;    // output editor
  int QuoteWinColor = kDefaultQuoteWinColor;  // quotation window
  int GridColor = kDefaultGridColor;          // quotation grid

  std::string KeyFontName = kDefaultFontName;  // answer-word table
  int KeyFontSize = kDefaultFontSize;
  std::string ClueFontName = kDefaultFontName;  // clue list
  int ClueFontSize = kDefaultFontSize;

  // The Autofill dialog: the rarest SCOWL size proposed (50, 60 or 70) and the time limit.
  int AutofillRarity = kDefaultAutofillRarity;
  int AutofillSeconds = kDefaultAutofillSeconds;

  // At most this often a recovery copy of unsaved work is written.
  int RecoverySeconds = kDefaultRecoverySeconds;

  // The constructor's scored word lists, in order (a bare name lies in the program folder),
  // the least score autofill takes, the score of a line holding a word alone, and whether
  // autofill may also take words of the dictionary.
  std::vector<std::string> ScoredListFiles;
  int MinWordScore = kFreshMinWordScore;
  int ListWordScore = kFreshListWordScore;
  bool DictionaryWordsAllowed = true;
};

class SettingsStore;

// One key of the settings file, declared once: the key as the program writes it, its
// value in a fresh settings file (nullptr: not in it), what it sets, the value it
// currently stands for (what the writers put back), and how it is read and written.
struct SettingsKey {
  const char* key;
  std::string (*defaultValue)(const Settings&);
  const char* meaning;
  std::string (*current)(const Settings&);
  // Reading applies the keys in the order of their read steps (0: the reader passes the
  // key by). `read` gets the value line as it stands. A key that is absent, or stands on
  // the last line, is passed by, unless readAbsent: then it is read with an empty value.
  int readStep = 0;
  void (*read)(SettingsStore&, const std::string& value) = nullptr;
  bool readAbsent = false;
  // Writing puts the current values into the text in the order of the write steps (0:
  // never written back). A key missing from the text is appended as `writtenAs` when set.
  int writeStep = 0;
  const char* writtenAs = nullptr;
};

// The write steps of each writer: colours, then the file names, flags and fonts of the
// answer table, then the clue list's font (appended when missing, else read), then the
// Autofill dialog's choices, then the scored word lists.
inline constexpr int kFirstColourStep = 1;
inline constexpr int kFirstVariableStep = 10;
inline constexpr int kFirstClueFontStep = 30;
inline constexpr int kFirstAutofillStep = 40;
inline constexpr int kFirstScoredListStep = 50;
inline constexpr int kWriteStepsEnd = 60;

// All keys, in the order of a fresh settings file, then the keys it does not carry.
const std::vector<SettingsKey>& SettingsKeys();
// The keys that a step range [first, last) of writing puts back, in step order.
std::vector<const SettingsKey*> KeysWrittenIn(int first, int last);
// The keys reading applies, in step order.
std::vector<const SettingsKey*> KeysRead();

// The 38 lines of a fresh settings file for the given file names.
std::vector<std::string> DefaultIniLines(const Settings& s);

// The file-name part of a path (after the last '/').
std::string FileNamePart(const std::string& path);
// The folder part of a path with its trailing '/'; empty when there is none.
std::string FolderPart(const std::string& path);
// The path with a trailing '/' added when it lacks one (empty stays empty).
std::string WithTrailingSeparator(const std::string& dir);

// Several paths as one value line: each in double quotes (a quote inside doubled),
// separated by a blank, so that blanks, commas, semicolons and any letters survive. A path
// holding a line break cannot stand on one line and is left out.
std::string JoinQuotedPaths(const std::vector<std::string>& paths);
// The paths of such a value; a value that does not start with a quote is one path as
// written (trimmed), and an empty value none.
std::vector<std::string> SplitQuotedPaths(const std::string& value);

// A decimal integer, blanks around it allowed; nullopt for anything else.
std::optional<int> ParseIniInt(const std::string& text);

// Where the program and its settings live at start-up.
struct ProgramPaths {
  std::string ProgramDir;   // folder of the executable (of an installed copy: its data
                            // folder, share/quotella/), ends in '/'
  std::string SettingsDir;  // folder of the settings file, ends in '/'
  std::string IniFileName;  // SettingsDir + "quotella.ini"
  bool Installed = false;   // the program folder is not writable, or is an installed prefix's
};

// The folder of the running executable, with a trailing '/'.
std::string RunningProgramDir();

// Settings sit beside the program; for an installed copy (its folder cannot be written,
// or share/quotella/ sits beside it) they go to $XDG_CONFIG_HOME/quotella/, by default
// ~/.config/quotella/, and the program's files are looked up in share/quotella/.
// configHome and home are the values of $XDG_CONFIG_HOME and $HOME (empty when unset).
ProgramPaths ResolveProgramPaths(const std::string& programDir, const std::string& configHome,
                                 const std::string& home);
// The same with the running program and the process environment.
ProgramPaths CurrentProgramPaths();

// Makes the program folder the working directory; a failure is reported with
// "Cannot set path: " and the folder, and start-up goes on. True when the path is set.
bool MakeProgramDirCurrent(Host& host, const std::string& programDir);

// The start-up values: file names as at the first start, the program folder, the
// settings file, the dictionary and current folders.
Settings StartupSettings(const ProgramPaths& paths);

}  // namespace quotella
