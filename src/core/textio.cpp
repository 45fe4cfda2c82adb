#include "core/textio.h"

#include "core/linestore.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <mutex>
#include <random>
#include <utility>

namespace quotella {

namespace {

// Unicode code points of bytes 0x80..0x9F in Windows-1252.
constexpr char32_t kHigh[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

char ToCp1252(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
  for (int i = 0; i < 32; ++i)
    if (kHigh[i] == cp) return static_cast<char>(0x80 + i);
  return '?';
}

// Decodes one UTF-8 sequence at text[i]; returns its length, 0 when malformed.
std::size_t DecodeUtf8(const std::string& text, std::size_t i, char32_t& cp) {
  const auto b0 = static_cast<unsigned char>(text[i]);
  std::size_t len;
  if (b0 < 0x80) {
    cp = b0;
    return 1;
  } else if ((b0 & 0xE0) == 0xC0) {
    len = 2;
    cp = b0 & 0x1F;
  } else if ((b0 & 0xF0) == 0xE0) {
    len = 3;
    cp = b0 & 0x0F;
  } else if ((b0 & 0xF8) == 0xF0) {
    len = 4;
    cp = b0 & 0x07;
  } else {
    return 0;
  }
  if (i + len > text.size()) return 0;
  for (std::size_t k = 1; k < len; ++k) {
    const auto b = static_cast<unsigned char>(text[i + k]);
    if ((b & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (b & 0x3F);
  }
  // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
  if ((len == 2 && cp < 0x80) || (len == 3 && cp < 0x800) || (len == 4 && cp < 0x10000) ||
      (cp >= 0xD800 && cp <= 0xDFFF) || cp > 0x10FFFF)
    return 0;
  return len;
}

}  // namespace

std::string Cp1252ToUtf8(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char ch : text) {
    const auto b = static_cast<unsigned char>(ch);
    if (b >= 0x80 && b < 0xA0)
      AppendUtf8(out, kHigh[b - 0x80]);
    else
      AppendUtf8(out, b);
  }
  return out;
}

bool FitsCp1252(const std::string& utf8) {
  std::size_t i = 0;
  while (i < utf8.size()) {
    char32_t cp = 0;
    const std::size_t len = DecodeUtf8(utf8, i, cp);
    if (len == 0 || (len > 1 && ToCp1252(cp) == '?')) return false;
    i += len;
  }
  return true;
}

std::string Utf8ToCp1252(const std::string& utf8) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    char32_t cp = 0;
    const std::size_t len = DecodeUtf8(utf8, i, cp);
    if (len == 0) {
      out += '?';
      ++i;
      continue;
    }
    out += ToCp1252(cp);
    i += len;
  }
  return out;
}

bool IsValidUtf8(const std::string& bytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    char32_t cp = 0;
    const std::size_t len = DecodeUtf8(bytes, i, cp);
    if (len == 0) return false;
    i += len;
  }
  return true;
}

bool LooksLikeUtf8(const std::string& bytes) {
  if (!IsValidUtf8(bytes)) return false;
  for (char c : bytes)
    if (static_cast<unsigned char>(c) >= 0x80) return true;
  return false;
}

std::string Utf8Of(char32_t cp) {
  std::string out;
  AppendUtf8(out, cp);
  return out;
}

std::u32string CodePoints(const std::string& utf8) {
  std::u32string out;
  out.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    char32_t cp = 0;
    const std::size_t len = DecodeUtf8(utf8, i, cp);
    if (len == 0) {
      const auto b = static_cast<unsigned char>(utf8[i]);
      out += b >= 0x80 && b < 0xA0 ? kHigh[b - 0x80] : char32_t{b};
      ++i;
      continue;
    }
    out += cp;
    i += len;
  }
  return out;
}

std::size_t Utf8Length(const std::string& utf8) {
  std::size_t n = 0;
  for (char c : utf8) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  return n;
}

namespace {

constexpr const char* kBom = "\xEF\xBB\xBF";

bool StartsWithBom(const std::string& bytes) {
  return bytes.size() >= 3 && bytes.compare(0, 3, kBom) == 0;
}

std::mutex& EncodingMutex() {
  static std::mutex m;
  return m;
}

std::map<std::string, TextEncoding>& EncodingTable() {
  static std::map<std::string, TextEncoding> table;
  return table;
}

std::string EncodingKey(const std::string& path) {
  std::error_code ec;
  const auto canonical = std::filesystem::weakly_canonical(path, ec);
  return ec ? path : canonical.string();
}

void RememberEncoding(const std::string& path, TextEncoding encoding) {
  const std::string key = EncodingKey(path);
  std::lock_guard lock(EncodingMutex());
  EncodingTable()[key] = encoding;
}

}  // namespace

DecodedText DecodeText(const std::string& bytes) {
  const bool bom = StartsWithBom(bytes);
  std::string body = bom ? bytes.substr(3) : bytes;
  if (IsValidUtf8(body)) return {std::move(body), bom ? TextEncoding::Utf8Bom : TextEncoding::Utf8};
  return {Cp1252ToUtf8(body), bom ? TextEncoding::Cp1252Bom : TextEncoding::Cp1252};
}

namespace {

// The Windows-1252 bytes of a text, when they read back as that text: every character fits
// and the bytes do not happen to be valid UTF-8 ("Ã©" is C3 A9, which reads as "é").
std::optional<std::string> AsCp1252(const std::string& utf8) {
  if (!FitsCp1252(utf8)) return std::nullopt;
  std::string bytes = Utf8ToCp1252(utf8);
  if (LooksLikeUtf8(bytes)) return std::nullopt;
  return bytes;
}

// Bytes that begin with a byte-order mark get one more in front: a reader takes away only
// the first, so a text that starts with "\uFEFF" (or Windows-1252 "ï»¿") keeps it.
std::string WithBom(std::string bytes, bool bom) {
  return bom || StartsWithBom(bytes) ? kBom + bytes : std::move(bytes);
}

}  // namespace

std::string EncodeText(const std::string& utf8, TextEncoding encoding) {
  const bool bom = encoding == TextEncoding::Utf8Bom || encoding == TextEncoding::Cp1252Bom;
  if (encoding == TextEncoding::Cp1252 || encoding == TextEncoding::Cp1252Bom)
    if (auto bytes = AsCp1252(utf8)) return WithBom(std::move(*bytes), bom);
  return WithBom(utf8, bom);
}

DecodedText DecodePuzzleText(const std::string& bytes) {
  return DecodeText(bytes);
}

std::string EncodePuzzleText(const std::string& utf8, TextEncoding read) {
  if (read == TextEncoding::Utf8 || read == TextEncoding::Utf8Bom) return EncodeText(utf8, read);
  if (auto bytes = AsCp1252(utf8)) return WithBom(std::move(*bytes), false);
  return EncodeText(utf8, TextEncoding::Utf8Bom);
}

TextEncoding RememberedEncoding(const std::string& path) {
  const std::string key = EncodingKey(path);
  std::lock_guard lock(EncodingMutex());
  const auto it = EncodingTable().find(key);
  return it == EncodingTable().end() ? TextEncoding::Utf8 : it->second;
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t ends = 0;
  for (char c : text) ends += c == '\n' || c == '\r';
  lines.reserve(ends + 1);
  const std::size_t n = text.size();
  std::size_t start = 0;
  for (std::size_t i = 0; i < n; ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n') continue;
    lines.emplace_back(text, start, i - start);
    if (c == '\r' && i + 1 < n && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < n) lines.emplace_back(text, start, n - start);
  return lines;
}

std::string JoinLinesCrLf(const std::vector<std::string>& lines) {
  std::string out;
  for (const auto& l : lines) {
    out += l;
    out += "\r\n";
  }
  return out;
}

std::optional<std::string> ReadFileBytes(const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes;
  const auto size = std::filesystem::file_size(path, ec);
  if (!ec) bytes.reserve(static_cast<std::size_t>(size));
  char buffer[1 << 16];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0)
    bytes.append(buffer, static_cast<std::size_t>(in.gcount()));
  if (in.bad()) return std::nullopt;
  return bytes;
}

std::optional<std::string> ReadText(const std::string& path) {
  auto bytes = ReadFileBytes(path);
  if (!bytes) return std::nullopt;
  DecodedText decoded = DecodeText(*bytes);
  bytes.reset();
  RememberEncoding(path, decoded.encoding);
  return std::move(decoded.text);
}

std::optional<std::vector<std::string>> ReadTextLines(const std::string& path) {
  const auto text = ReadText(path);
  if (!text) return std::nullopt;
  return SplitLines(*text);
}

std::optional<LineStore> ReadTextLineStore(const std::string& path) {
  const auto text = ReadText(path);
  if (!text) return std::nullopt;
  return LineStore::FromText(*text);
}

std::optional<LineStore> ReadPuzzleLines(const std::string& path) {
  auto bytes = ReadFileBytes(path);
  if (!bytes) return std::nullopt;
  DecodedText decoded = DecodePuzzleText(*bytes);
  bytes.reset();
  RememberEncoding(path, decoded.encoding);
  return LineStore::FromText(decoded.text);
}

namespace {

// Why a file could not be written, in the user's words.
std::string ReasonOf(int err) {
  switch (err) {
    case ENOSPC:
    case EDQUOT:
      return "the disk is full";
    case EROFS:
      return "the folder is on a read-only disk";
    case EACCES:
    case EPERM:
      return "the folder is read-only";
    case ENOENT:
      return "no such folder";
    case ENOTDIR:
      return "a file stands where a folder is named";
    case EISDIR:
      return "a folder is in the way";
    default:
      return std::strerror(err);
  }
}

constexpr const char* kTempMark = ".tmp";

// The temporary file a save of `target` writes first: ".NAME.tmpPID-NUMBER".
std::string TempPrefix(const std::filesystem::path& target) {
  return "." + target.filename().string() + kTempMark;
}

// A temporary file another save of the same file left behind when it was interrupted:
// the program's own name pattern, older than this save, and its process gone.
bool IsStaleTemp(const std::string& name, const std::string& prefix) {
  if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) return false;
  const std::string rest = name.substr(prefix.size());
  const std::size_t dash = rest.find('-');
  if (dash == 0 || dash == std::string::npos || dash + 1 == rest.size()) return false;
  if (rest.find_first_not_of("0123456789-") != std::string::npos) return false;
  if (rest.find('-', dash + 1) != std::string::npos) return false;
  const long pid = std::strtol(rest.substr(0, dash).c_str(), nullptr, 10);
  if (pid <= 0 || pid == ::getpid()) return false;
  return ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

void RemoveStaleTemps(const std::filesystem::path& dir, const std::filesystem::path& target,
                      std::filesystem::file_time_type started) {
  namespace fs = std::filesystem;
  const std::string prefix = TempPrefix(target);
  std::error_code ec;
  fs::directory_iterator it(dir, ec);
  for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (!IsStaleTemp(name, prefix)) continue;
    std::error_code timeEc;
    const auto when = fs::last_write_time(it->path(), timeEc);
    if (timeEc || when >= started) continue;
    std::error_code removeEc;
    fs::remove(it->path(), removeEc);
  }
}

// The new file takes the permission bits and, where the process may, the owner of the
// file it replaces.
void KeepModeAndOwner(int fd, const std::filesystem::path& target) {
  struct stat st {};
  if (::stat(target.c_str(), &st) != 0) return;
  ::fchmod(fd, st.st_mode & 07777);
  if (::fchown(fd, st.st_uid, st.st_gid) != 0) {
    // Not permitted (another owner): the group alone may still be kept.
    if (::fchown(fd, static_cast<uid_t>(-1), st.st_gid) != 0) {
    }
  }
}

// The save itself; an empty text when it succeeded, otherwise why not.
std::string WriteAtomically(const std::string& path, const std::string& bytes) {
  namespace fs = std::filesystem;
  const auto started = fs::file_time_type::clock::now();
  fs::path target(path);
  std::error_code linkEc;
  // Saving over a symbolic link replaces the file it points to and keeps the link.
  if (fs::is_symlink(fs::symlink_status(target, linkEc))) {
    const auto resolved = fs::weakly_canonical(target, linkEc);
    if (linkEc) return "the link cannot be followed: " + linkEc.message();
    target = resolved;
  }
  {
    std::error_code ec;
    const auto st = fs::status(target, ec);
    if (!ec && fs::is_directory(st)) return "a folder is in the way";
    // A file its owner made read-only stays as it is, even for root.
    if (!ec && fs::exists(st)) {
      const auto writeBits =
          fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
      if ((st.permissions() & writeBits) == fs::perms::none ||
          (::geteuid() != 0 && ::access(target.c_str(), W_OK) != 0))
        return "the file is read-only";
    }
  }
  fs::path dir = target.parent_path();
  if (dir.empty()) dir = ".";
  RemoveStaleTemps(dir, target, started);
  std::random_device rd;
  const fs::path tmp = dir / (TempPrefix(target) + std::to_string(::getpid()) + "-" +
                              std::to_string(rd() % 1000000));

  const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) return ReasonOf(errno);
  FILE* f = ::fdopen(fd, "wb");
  if (!f) {
    const int err = errno;
    ::close(fd);
    std::remove(tmp.c_str());
    return ReasonOf(err);
  }
  KeepModeAndOwner(fd, target);
  bool ok = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  int err = ok ? 0 : errno;
  if (std::fflush(f) != 0 && ok) ok = false, err = errno;
  if (ok && ::fsync(fd) != 0) ok = false, err = errno;
  if (std::fclose(f) != 0 && ok) ok = false, err = errno;
  if (!ok) {
    std::remove(tmp.c_str());
    return ReasonOf(err);
  }
  if (std::rename(tmp.c_str(), target.c_str()) != 0) {
    err = errno;
    std::remove(tmp.c_str());
    return ReasonOf(err);
  }
  return {};
}

}  // namespace

SaveResult WriteFileAtomic(const std::string& path, const std::string& bytes) {
  std::string reason = WriteAtomically(path, bytes);
  return reason.empty() ? SaveResult() : SaveResult::Failed(std::move(reason));
}

SaveResult WriteLinesAtomic(const std::string& path, const LineStore& lines) {
  return WriteFileAtomic(path, EncodeText(lines.TextCrLf(), RememberedEncoding(path)));
}

bool FileExists(const std::string& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec);
}

std::string UpperCase(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

std::string LowerCase(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

namespace {
// Trimming drops spaces and control characters, as the program's trim always has.
bool IsTrimmed(char c) {
  return static_cast<unsigned char>(c) <= ' ';
}
}  // namespace

std::string TrimLeft(const std::string& s) {
  std::size_t b = 0;
  while (b < s.size() && IsTrimmed(s[b])) ++b;
  return s.substr(b);
}

std::string TrimRight(const std::string& s) {
  std::size_t e = s.size();
  while (e > 0 && IsTrimmed(s[e - 1])) --e;
  return s.substr(0, e);
}

std::string Trim(const std::string& s) {
  return TrimLeft(TrimRight(s));
}

std::size_t FindNoCase(const std::string& haystack, const std::string& needle) {
  return UpperCase(haystack).find(UpperCase(needle));
}

}  // namespace quotella
