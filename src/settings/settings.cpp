#include "settings/settings.h"

#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <filesystem>

#include "core/host.h"
#include "core/textio.h"

namespace quotella {

namespace {

std::string Text(const std::string& s) {
  return s;
}
std::string Number(int n) {
  return std::to_string(n);
}
std::string Flag(bool b) {
  return b ? "TRUE" : "FALSE";
}

// The read-only data folder of an installed copy, share/quotella/ beside its bin/; empty
// when the program does not run from an installed prefix (a build folder).
std::string InstalledDataBeside(const std::string& programDir) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::path data = fs::path(programDir + "../share/quotella/").lexically_normal();
  return fs::is_directory(data, ec) ? data.string() : std::string();
}

}  // namespace

const std::vector<SettingsKey>& SettingsKeys() {
  using S = const Settings&;
  static const std::vector<SettingsKey> keys = {
      {"[initial directory]", [](S) { return std::string(); },
       "current folder of the file dialogs and of the program",
       [](S s) { return Text(s.CurrentDir); }},
      {"[quotefile]", [](S s) { return FileNamePart(s.QuotesFile); },
       "quotes file, loaded into the quotes editor", [](S s) { return Text(s.QuotesFile); }},
      {"[wordlist1]", [](S s) { return FileNamePart(s.WordListFiles[0]); }, "word list 1 file",
       [](S s) { return Text(s.WordListFiles[0]); }},
      {"[wordlist2]", [](S s) { return FileNamePart(s.WordListFiles[1]); }, "word list 2 file",
       [](S s) { return Text(s.WordListFiles[1]); }},
      {"[wordlist3]", [](S s) { return FileNamePart(s.WordListFiles[2]); }, "word list 3 file",
       [](S s) { return Text(s.WordListFiles[2]); }},
      {"[wordlist4]", [](S s) { return FileNamePart(s.WordListFiles[3]); }, "word list 4 file",
       [](S s) { return Text(s.WordListFiles[3]); }},
      {"[dictionary directory]", [](S) { return std::string(); },
       "dictionary folder of the 26 letter files (empty: the program folder)",
       [](S s) { return Text(s.DictDir); }},
      {"[Frequency]", [](S) { return std::string(kDefaultFileFreqOrder); },
       "letter frequency, most to least common (empty: built-in order)",
       [](S s) { return Text(s.FreqString); }},
      {"[NumProblems]", [](S) { return Number(kDefaultNumProblems); },
       "number of problem letters, taken from the rare end of the frequency order",
       [](S s) { return Number(s.NumProblemChars); }},
      {"[lastfile]", [](S) { return std::string(); }, "puzzle file last loaded or saved",
       [](S s) { return Text(s.LastFile); }},
      {"[loadlastfile]", [](S) { return std::string("TRUE"); },
       "open the last puzzle file at start-up", [](S s) { return Flag(s.LoadLastFile); }},
      {"[launch at startup]", [](S) { return std::string("TRUE"); },
       "launch at start-up (kept, not acted on)", [](S s) { return Flag(s.LaunchAtStartup); }},
      {"[formcolor]", [](S) { return Number(kDefaultFormColor); }, "main window background",
       [](S s) { return Number(s.FormColor); }},
      {"[qeditorcolor]", [](S) { return Number(kDefaultQEditorColor); }, "quotes editor background",
       [](S s) { return Number(s.QEditorColor); }},
      {"[oeditorcolor]", [](S) { return Number(kDefaultOEditorColor); }, "output editor background",
       [](S s) { return Number(s.OEditorColor); }},
      {"[cluecolor]", [](S) { return Number(kDefaultClueColor); }, "clue list background",
       [](S s) { return Number(s.ClueColor); }},
      {"[quotecolor]", [](S) { return Number(kDefaultQuoteWinColor); },
       "quotation window colour, written only (not applied when read)",
       [](S s) { return Number(s.QuoteWinColor); }},
      {"[quotewincolor]", [](S) { return Number(kDefaultQuoteWinColor); },
       "quotation window background", [](S s) { return Number(s.QuoteWinColor); }},
      {"[gridcolor]", [](S) { return Number(kDefaultGridColor); },
       "quotation grid colour, written only (not applied when read)",
       [](S s) { return Number(s.GridColor); }},
      {"[KEYFONT]", nullptr, "answer-word table font name",
       [](S s) { return Text(s.KeyFontName); }},
      {"[KEYFONTSIZE]", nullptr, "answer-word table font size",
       [](S s) { return Number(s.KeyFontSize); }},
      {"[CLUEFONT]", nullptr, "clue list font name", [](S s) { return Text(s.ClueFontName); }},
      {"[CLUEFONTSIZE]", nullptr, "clue list font size",
       [](S s) { return Number(s.ClueFontSize); }},
      {"[autofill rarity]", nullptr, "rarest dictionary words autofill proposes (50, 60 or 70)",
       [](S s) { return Number(s.AutofillRarity); }},
      {"[autofill time limit]", nullptr, "autofill's time limit in seconds",
       [](S s) { return Number(s.AutofillSeconds); }},
      {"[recovery interval]", nullptr, "seconds between recovery copies of unsaved work (5 to 600)",
       [](S s) { return Number(s.RecoverySeconds); }},
      {"[title]", nullptr, "title box (read only)",
       [](S s) { return s.Title ? *s.Title : std::string("(unchanged)"); }},
      {"[byline]", nullptr, "byline box (read only)",
       [](S s) { return s.Byline ? *s.Byline : std::string("(unchanged)"); }},
  };
  return keys;
}

std::vector<std::string> DefaultIniLines(const Settings& s) {
  std::vector<std::string> lines;
  for (const auto& k : SettingsKeys()) {
    if (!k.defaultValue) continue;
    lines.push_back(k.key);
    lines.push_back(k.defaultValue(s));
  }
  return lines;
}

std::string FileNamePart(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string FolderPart(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string WithTrailingSeparator(const std::string& dir) {
  if (dir.empty() || dir.back() == '/') return dir;
  return dir + '/';
}

std::optional<int> ParseIniInt(const std::string& text) {
  const std::string t = Trim(text);
  if (t.empty()) return std::nullopt;
  std::size_t i = (t[0] == '-' || t[0] == '+') ? 1 : 0;
  if (i == t.size()) return std::nullopt;
  for (std::size_t k = i; k < t.size(); ++k)
    if (t[k] < '0' || t[k] > '9') return std::nullopt;
  errno = 0;
  char* end = nullptr;
  const long long v = std::strtoll(t.c_str(), &end, 10);
  if (errno == ERANGE || v < INT_MIN || v > INT_MAX) return std::nullopt;
  return static_cast<int>(v);
}

std::string RunningProgramDir() {
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec || exe.empty()) {
    const auto cwd = std::filesystem::current_path(ec);
    return ec ? std::string("./") : WithTrailingSeparator(cwd.string());
  }
  return WithTrailingSeparator(exe.parent_path().string());
}

ProgramPaths ResolveProgramPaths(const std::string& programDir, const std::string& configHome,
                                 const std::string& home) {
  ProgramPaths p;
  p.ProgramDir = WithTrailingSeparator(programDir);
  const std::string data = InstalledDataBeside(p.ProgramDir);
  // An installed copy never writes beside its program, even where it could (root, or a
  // prefix the user owns), and finds its help, quotes, word lists and dictionary in its
  // data folder.
  p.Installed = !data.empty() || ::access(p.ProgramDir.c_str(), W_OK) != 0;
  if (!data.empty()) p.ProgramDir = data;
  if (!p.Installed) {
    p.SettingsDir = p.ProgramDir;
  } else {
    // A relative $XDG_CONFIG_HOME is invalid and is ignored.
    std::string base = (!configHome.empty() && configHome[0] == '/')
                           ? configHome
                           : (home.empty() ? std::string("/tmp") : home) + "/.config";
    p.SettingsDir = WithTrailingSeparator(base) + "quotella/";
  }
  p.IniFileName = p.SettingsDir + kIniFileBaseName;
  return p;
}

ProgramPaths CurrentProgramPaths() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  const char* home = std::getenv("HOME");
  return ResolveProgramPaths(RunningProgramDir(), config ? config : "", home ? home : "");
}

bool MakeProgramDirCurrent(Host& host, const std::string& programDir) {
  std::error_code ec;
  std::filesystem::current_path(programDir, ec);
  if (ec) host.Message("Cannot set path: " + programDir);
  return !ec;
}

Settings StartupSettings(const ProgramPaths& paths) {
  Settings s;
  s.ProgramDir = paths.ProgramDir;
  s.IniFileName = paths.IniFileName;
  s.DictDir = paths.ProgramDir;
  s.CurrentDir = paths.ProgramDir;
  return s;
}

}  // namespace quotella
