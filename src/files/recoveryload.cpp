#include "files/recoveryload.h"

#include <filesystem>
#include <system_error>

#include "core/textio.h"
#include "files/puzzlefile.h"

namespace quotella {

namespace {

// The name a puzzle made in the window carries until it is saved.
constexpr const char* kNewPuzzleName = "noname.txt";

}  // namespace

std::string AbsolutePath(const std::string& path) {
  if (path.empty()) return path;
  std::error_code ec;
  const auto absolute = std::filesystem::absolute(path, ec);
  return ec ? path : absolute.lexically_normal().string();
}

std::string PuzzleOriginal(const FileSession& session) {
  const std::string& file = session.CurrentPuzzleFile;
  return FileExists(file) ? AbsolutePath(file) : std::string();
}

std::string PuzzleCopyBytes(const PuzzleDocument& doc, const FileSession& session) {
  return EncodePuzzleText(JoinLinesCrLf(PuzzleFileLines(doc, session, false)),
                          session.PuzzleEncoding);
}

std::string TextCopyBytes(const std::vector<std::string>& lines, const std::string& path) {
  return EncodeText(JoinLinesCrLf(lines), RememberedEncoding(path));
}

std::string QuotesCopyBytes(const FileSession& session) {
  return TextCopyBytes(session.QuotesEditor, session.QuotesFile);
}

bool LoadRecoveredPuzzle(PuzzleDocument& doc, FileSession& session, const RecoveryCopy& copy) {
  const std::string last = session.LastFile;
  const std::string dir = session.CurrentDir;
  if (!LoadPuzzleFile(doc, session, copy.path)) return false;
  // The copy's own name must never become the file that Save writes or the next start
  // opens.
  if (copy.original.empty()) {
    session.CurrentPuzzleFile = kNewPuzzleName;
    session.LastFile = last;
    session.CurrentDir = dir;
  } else {
    session.CurrentPuzzleFile = copy.original;
    session.LastFile = copy.original;
    if (const std::string folder = FolderOf(copy.original); !folder.empty())
      session.CurrentDir = folder;
  }
  SetCaption(session, session.CurrentPuzzleFile);
  doc.PuzzleChanged = true;
  return true;
}

bool LoadRecoveredQuotes(FileSession& session, const RecoveryCopy& copy) {
  auto lines = ReadTextLineStore(copy.path);
  if (!lines) return false;
  session.QuotesEditor = std::move(*lines);
  if (!copy.original.empty()) session.QuotesFile = copy.original;
  session.QuotesModified = true;
  return true;
}

std::optional<std::vector<std::string>> RecoveredLines(const RecoveryCopy& copy) {
  return ReadTextLines(copy.path);
}

}  // namespace quotella
