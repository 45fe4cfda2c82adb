#include "files/quotesfile.h"

#include "core/textio.h"

namespace quotella {

namespace {

void SetFolder(FileSession& session, const std::string& path) {
  const std::string folder = FolderOf(path);
  if (!folder.empty()) session.CurrentDir = folder;
}

}  // namespace

bool OpenQuotesFile(FileSession& session, Host& host) {
  const std::string previous = session.QuotesFile;
  const auto chosen =
      host.OpenFileNamed("Open File", kPuzzleFileFilter, session.CurrentDir, session.QuotesFile);
  if (!chosen) return false;
  const std::string& path = *chosen;

  // Re-opening the same file discards the edits without asking.
  if (session.QuotesModified && path != previous) {
    if (host.Confirm("File " + FileNameOf(previous) + " has been modified! Save it first? ",
                     ConfirmKind::Warning)) {
      // The edits could not be kept on disk: loading now would lose them.
      if (const SaveResult saved = WriteLinesAtomic(previous, session.QuotesEditor); !saved.ok()) {
        host.Message(saved.Message("Cannot save file " + previous, previous));
        return false;
      }
    }
  }

  auto lines = ReadTextLineStore(path);
  if (!lines) {
    host.Message("Could not load file ");
    return false;
  }
  session.QuotesEditor = std::move(*lines);
  session.QuotesFile = path;
  SetFolder(session, path);
  session.RequestView(View::Quotes);
  session.QuotesModified = false;
  return true;
}

bool SaveQuotesFile(FileSession& session, Host& host) {
  session.SaveDialogTitle = "Save Quotes File";
  const auto chosen = host.SaveFileName(session.SaveDialogTitle, kPuzzleFileFilter,
                                        session.CurrentDir, session.QuotesFile);
  if (!chosen) return false;
  const std::string& path = *chosen;
  if (FileExists(path) &&
      !host.Confirm("File " + path + " exists! Overwrite?", ConfirmKind::Question))
    return false;
  if (const SaveResult saved = WriteLinesAtomic(path, session.QuotesEditor); !saved.ok()) {
    host.Message(saved.Message("Could not save file ", path));
    return false;
  }
  session.QuotesFile = path;
  SetFolder(session, path);
  session.QuotesModified = false;
  return true;
}

void QuotesEditorChange(FileSession& session) {
  session.QuotesModified = true;
}

bool OfferToSaveQuotesOnClose(FileSession& session, Host& host) {
  if (!session.QuotesModified) return true;
  const std::optional<bool> save = host.ConfirmOrCancel("Quotes file has changed.  Save it?");
  if (!save) return false;
  return !*save || SaveQuotesFile(session, host);
}

std::string QuotesListLabel(const FileSession& session) {
  return FileNameOf(session.QuotesFile) + " " + std::to_string(session.QuotesEditor.size()) +
         " lines ";
}

}  // namespace quotella
