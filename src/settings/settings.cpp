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

// The read-only data folder of an installed copy, share/quotella/ beside its bin/; empty
// when the program does not run from an installed prefix (a build folder).
std::string InstalledDataBeside(const std::string& programDir) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::path data = fs::path(programDir + "../share/quotella/").lexically_normal();
  return fs::is_directory(data, ec) ? data.string() : std::string();
}

}  // namespace

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

std::string JoinQuotedPaths(const std::vector<std::string>& paths) {
  std::string value;
  for (const std::string& path : paths) {
    if (path.empty() || path.find_first_of("\r\n") != std::string::npos) continue;
    if (!value.empty()) value += ' ';
    value += '"';
    for (char c : path) {
      if (c == '"') value += '"';
      value += c;
    }
    value += '"';
  }
  return value;
}

std::vector<std::string> SplitQuotedPaths(const std::string& value) {
  const std::string t = Trim(value);
  if (t.empty()) return {};
  if (t[0] != '"') return {t};
  std::vector<std::string> paths;
  std::size_t i = 0;
  while (i < t.size()) {
    // Between paths only blanks are expected; whatever else stands there is passed by.
    if (t[i] != '"') {
      ++i;
      continue;
    }
    std::string path;
    for (++i; i < t.size(); ++i) {
      if (t[i] != '"') {
        path += t[i];
      } else if (i + 1 < t.size() && t[i + 1] == '"') {
        path += '"';
        ++i;
      } else {
        ++i;
        break;
      }
    }
    if (!path.empty()) paths.push_back(path);
  }
  return paths;
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
