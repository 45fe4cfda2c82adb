#include "settings/fileassociation.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

#include "core/textio.h"

extern char** environ;

namespace quotella {

namespace {

// An Exec argument in double quotes: the desktop-entry rules escape ", `, $ and \ with a
// backslash, and a literal % is doubled.
std::string QuoteExecArg(const std::string& arg) {
  std::string out = "\"";
  for (char c : arg) {
    // Escaped once for the Exec rules, and each backslash once more for the string rules.
    if (c == '"' || c == '`' || c == '$') {
      out += "\\\\";
      out += c;
    } else if (c == '\\') {
      out += "\\\\\\\\";
    } else if (c == '%') {
      out += "%%";
    } else {
      out += c;
    }
  }
  out += '"';
  return out;
}

// Writes text to path unless it already holds exactly that text.
AssociationResult WriteIfChanged(const std::filesystem::path& path, const std::string& text) {
  const auto old = ReadFileBytes(path.string());
  if (old && *old == text) return AssociationResult::Unchanged;
  std::error_code ec;
  std::filesystem::create_directories(path.parent_path(), ec);
  if (ec) return AssociationResult::Failed;
  return WriteFileAtomic(path.string(), text).ok() ? AssociationResult::Written
                                                   : AssociationResult::Failed;
}

void RunQuietly(const std::vector<std::string>& argv) {
  std::vector<char*> args;
  args.reserve(argv.size() + 1);
  for (const auto& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  if (posix_spawn_file_actions_init(&actions) != 0) return;
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  if (posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ) == 0) {
    int status = 0;
    waitpid(pid, &status, 0);
  }
  posix_spawn_file_actions_destroy(&actions);
}

}  // namespace

std::string DesktopEntryText(const std::string& programPath) {
  std::string t;
  t += "[Desktop Entry]\n";
  t += "Type=Application\n";
  t += "Name=Quotella 3\n";
  t += "Comment=Quotella3 Puzzle\n";
  t += "Exec=" + QuoteExecArg(programPath) + " %f\n";
  t += "MimeType=" + std::string(kPuzzleMimeType) + ";\n";
  t += "Terminal=false\n";
  t += "Categories=Game;LogicGame;\n";
  return t;
}

std::string MimePackageText() {
  std::string t;
  t += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  t += "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n";
  t += "  <mime-type type=\"" + std::string(kPuzzleMimeType) + "\">\n";
  t += "    <comment>Quotella3 Puzzle</comment>\n";
  t += "    <sub-class-of type=\"text/plain\"/>\n";
  t += "    <glob pattern=\"*.qtl\"/>\n";
  t += "  </mime-type>\n";
  t += "</mime-info>\n";
  return t;
}

AssociationResult RegisterExtension(const std::string& programPath, const std::string& dataHome,
                                    bool runUpdaters) {
  try {
    namespace fs = std::filesystem;
    const fs::path base(dataHome);
    const auto mime =
        WriteIfChanged(base / "mime" / "packages" / "quotella.xml", MimePackageText());
    const auto desktop =
        WriteIfChanged(base / "applications" / "quotella.desktop", DesktopEntryText(programPath));
    if (runUpdaters) {
      if (mime == AssociationResult::Written)
        RunQuietly({"update-mime-database", (base / "mime").string()});
      if (desktop == AssociationResult::Written)
        RunQuietly({"update-desktop-database", (base / "applications").string()});
    }
    if (mime == AssociationResult::Failed || desktop == AssociationResult::Failed)
      return AssociationResult::Failed;
    if (mime == AssociationResult::Written || desktop == AssociationResult::Written)
      return AssociationResult::Written;
    return AssociationResult::Unchanged;
  } catch (...) {
    return AssociationResult::Failed;
  }
}

std::string UserDataHome() {
  const char* data = std::getenv("XDG_DATA_HOME");
  if (data && data[0] == '/') return data;
  const char* home = std::getenv("HOME");
  return std::string(home && home[0] ? home : "/tmp") + "/.local/share";
}

AssociationResult RegisterPuzzleFiles() {
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec || exe.empty()) return AssociationResult::Failed;
  return RegisterExtension(exe.string(), UserDataHome());
}

}  // namespace quotella
