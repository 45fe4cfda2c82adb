#include "formats/publishcommands.h"

#include <functional>

#include "core/textio.h"
#include "formats/ipuzexport.h"
#include "formats/ipuzimport.h"
#include "formats/webpage.h"

namespace quotella {

namespace {

using Writer = std::function<bool(const PuzzleDocument&, const FileSession&, const std::string&)>;

bool SaveAs(PuzzleDocument& doc, FileSession& session, const std::string& title,
            const std::string& filter, const std::string& extension, const Writer& write) {
  if (!doc.PuzzleExists) return false;
  Host& host = doc.host();
  std::string folder = FolderOf(session.CurrentPuzzleFile);
  if (folder.empty()) folder = session.CurrentDir;
  const auto chosen = host.SaveFileName(title, filter, folder,
                                        ChangeExtension(session.CurrentPuzzleFile, extension));
  if (!chosen) return false;
  if (FileExists(*chosen) &&
      !host.Confirm("File " + *chosen + " exists! Overwrite ?", ConfirmKind::Question))
    return false;
  return write(doc, session, *chosen);
}

}  // namespace

bool SaveAsIpuzClick(PuzzleDocument& doc, FileSession& session) {
  return SaveAs(doc, session, "Save as ipuz", kIpuzFilter, ".ipuz", WriteIpuzFile);
}

bool SaveAsWebPageClick(PuzzleDocument& doc, FileSession& session) {
  return SaveAs(doc, session, "Save as Web Page", kWebPageFilter, ".html", WriteWebPage);
}

bool OpenIpuzClick(PuzzleDocument& doc, FileSession& session) {
  Host& host = doc.host();
  if (doc.PuzzleExists &&
      !host.Confirm("This will erase the current puzzle! \rAre you sure you want to do that?",
                    ConfirmKind::Warning))
    return false;
  const auto chosen = host.OpenFileName("Open ipuz Puzzle", kIpuzFilter, session.CurrentDir);
  if (!chosen) return false;
  return LoadIpuzFile(doc, session, *chosen);
}

}  // namespace quotella
