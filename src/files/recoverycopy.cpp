#include "files/recoverycopy.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "core/textio.h"
#include "files/filesession.h"

namespace quotella {

namespace {

constexpr const char* kSourceHeader = "quotella recovery copy";
constexpr const char* kSourceExtension = ".source";
// Room in a file name (255 bytes) for the time, the owner and the extensions.
constexpr std::size_t kMaxNameBytes = 160;

struct KindName {
  RecoveryKind kind;
  const char* name;
  const char* extension;
};
constexpr KindName kKinds[] = {{RecoveryKind::Puzzle, "puzzle", ".qtl"},
                               {RecoveryKind::Quotes, "quotes", ".txt"},
                               {RecoveryKind::Settings, "settings", ".ini"}};

const KindName& Kind(RecoveryKind kind) {
  for (const auto& k : kKinds)
    if (k.kind == kind) return k;
  return kKinds[0];
}

std::string TimeText(std::time_t when, const char* format) {
  std::tm local{};
  localtime_r(&when, &local);
  char text[32];
  const std::size_t n = std::strftime(text, sizeof text, format, &local);
  return std::string(text, n);
}

// The text cut to at most max bytes without splitting a UTF-8 character.
std::string CutUtf8(const std::string& text, std::size_t max) {
  if (text.size() <= max) return text;
  std::size_t end = max;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
  return text.substr(0, end);
}

std::string ValueAfter(const std::string& line, const std::string& key) {
  return line.rfind(key, 0) == 0 ? line.substr(key.size()) : std::string();
}

std::time_t ModificationTime(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return 0;
  return st.st_mtime;
}

bool EndsWith(const std::string& s, const std::string& end) {
  return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

std::string RecoveryCopy::DisplayName() const {
  if (original.empty()) return kind == RecoveryKind::Puzzle ? "new puzzle" : "new file";
  return FileNameOf(original);
}

std::string RecoveryCopy::OfferText() const {
  return "Recover the unsaved changes to " + DisplayName() + " from " + TimeText(written, "%H:%M") +
         "?";
}

std::string RecoveryFolderPath(const std::string& xdgStateHome, const std::string& home) {
  std::string base;
  if (!xdgStateHome.empty() && xdgStateHome.front() == '/')
    base = xdgStateHome;
  else if (!home.empty() && home.front() == '/')
    base = home + "/.local/state";
  else
    return {};
  while (base.size() > 1 && base.back() == '/') base.pop_back();
  return base + "/quotella/recovery";
}

std::string RecoveryFolderFromEnvironment() {
  const char* state = std::getenv("XDG_STATE_HOME");
  const char* home = std::getenv("HOME");
  return RecoveryFolderPath(state ? state : "", home ? home : "");
}

std::string RecoveryCopyName(RecoveryKind kind, const std::string& original, std::time_t when,
                             const std::string& owner) {
  RecoveryCopy copy;
  copy.kind = kind;
  copy.original = original;
  std::string name = CutUtf8(copy.DisplayName(), kMaxNameBytes);
  std::replace(name.begin(), name.end(), '/', '_');
  return name + " " + TimeText(when, "%Y-%m-%d %H.%M.%S") + " ~" + owner + Kind(kind).extension;
}

std::string RecoverySourceText(const RecoveryCopy& copy) {
  return std::string(kSourceHeader) + "\nkind=" + Kind(copy.kind).name + "\nowner=" + copy.owner +
         "\noriginal=" + copy.original + "\n";
}

std::optional<RecoveryCopy> ParseRecoverySource(const std::string& text) {
  // The original's path is the last line and runs to the end, whatever it holds.
  const std::size_t at = text.find("\noriginal=");
  if (at == std::string::npos || text.back() != '\n') return std::nullopt;
  const std::vector<std::string> lines = SplitLines(text.substr(0, at));
  if (lines.size() != 3 || lines[0] != kSourceHeader) return std::nullopt;
  RecoveryCopy copy;
  const std::string kind = ValueAfter(lines[1], "kind=");
  const auto found = std::find_if(std::begin(kKinds), std::end(kKinds),
                                  [&](const KindName& k) { return kind == k.name; });
  if (found == std::end(kKinds)) return std::nullopt;
  copy.kind = found->kind;
  copy.owner = ValueAfter(lines[2], "owner=");
  // The owner names its lock file: a tag that could reach another folder is no tag.
  if (copy.owner.empty() || copy.owner.find('/') != std::string::npos || copy.owner == "." ||
      copy.owner == "..")
    return std::nullopt;
  const std::size_t begin = at + std::string("\noriginal=").size();
  copy.original = text.substr(begin, text.size() - 1 - begin);
  return copy;
}

std::vector<RecoveryCopy> ListRecoveryCopies(const std::string& folder) {
  namespace fs = std::filesystem;
  std::vector<RecoveryCopy> copies;
  std::error_code ec;
  for (fs::directory_iterator it(fs::path(folder), ec), end; !ec && it != end; it.increment(ec)) {
    const std::string source = it->path().string();
    if (!EndsWith(source, kSourceExtension)) continue;
    const auto bytes = ReadFileBytes(source);
    if (!bytes) continue;
    auto copy = ParseRecoverySource(*bytes);
    if (!copy) continue;
    copy->path = source.substr(0, source.size() - std::string(kSourceExtension).size());
    if (!FileExists(copy->path)) continue;
    copy->written = ModificationTime(copy->path);
    copies.push_back(std::move(*copy));
  }
  std::sort(copies.begin(), copies.end(), [](const RecoveryCopy& a, const RecoveryCopy& b) {
    return a.written != b.written ? a.written < b.written : a.path < b.path;
  });
  return copies;
}

void RemoveRecoveryCopy(const RecoveryCopy& copy) {
  std::error_code ec;
  std::filesystem::remove(copy.path, ec);
  std::filesystem::remove(copy.path + kSourceExtension, ec);
}

std::string RecoveryLockPath(const std::string& folder, const std::string& owner) {
  return folder + "/" + owner + ".lock";
}

}  // namespace quotella
