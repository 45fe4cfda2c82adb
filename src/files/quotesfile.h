#pragma once

#include "core/host.h"
#include "files/filesession.h"

namespace quotella {

// The quotes file: one quotation line per line, edited in the quotes editor.

// Open > Quotes: offers to save a modified editor first, then reads the chosen file.
// When that save fails the editor keeps its edits and nothing is loaded. True when a
// file was loaded.
bool OpenQuotesFile(FileSession& session, Host& host);
// Save > Quotes: the save dialog, the overwrite question, the write. True when written.
bool SaveQuotesFile(FileSession& session, Host& host);
// Any edit in the quotes editor.
void QuotesEditorChange(FileSession& session);
// At closing: offers to save a modified quotes editor (Yes, No, Cancel). False when the
// program must stay open: Cancel, or a save asked for that did not happen.
bool OfferToSaveQuotesOnClose(FileSession& session, Host& host);
// The label over the quotes view: file name, a blank, the line count and " lines ".
std::string QuotesListLabel(const FileSession& session);

}  // namespace quotella
