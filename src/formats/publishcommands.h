#pragma once

#include "core/document.h"
#include "files/filesession.h"

namespace quotella {

// The window's commands for the publishing formats, with their dialogs and questions
// asked through the host.

// Save > As ipuz...: the save dialog (proposing the puzzle's name with ".ipuz"), the
// overwrite question, the write. Does nothing without a puzzle. True when written.
bool SaveAsIpuzClick(PuzzleDocument& doc, FileSession& session);

// Save > As Web Page...: the same for the playable web page (".html").
bool SaveAsWebPageClick(PuzzleDocument& doc, FileSession& session);

// Open > ipuz Puzzle...: the question that the current puzzle will go, the open dialog,
// the import. True when a puzzle was loaded.
bool OpenIpuzClick(PuzzleDocument& doc, FileSession& session);

}  // namespace quotella
