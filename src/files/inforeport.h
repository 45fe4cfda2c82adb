#pragma once

#include <string>
#include <vector>

#include "core/document.h"
#include "files/filesession.h"

namespace quotella {

// The puzzle browser: a synopsis of a puzzle file read straight from the file, without
// loading it.

// The caption of the browser window.
inline constexpr const char* kBrowserCaption =
    "Open Puzzle File  (Click file name to see puzzle synopsis)";

// The synopsis pane's lines for the file at path. The file's text replaces the output
// editor's. A file that cannot be read shows "Cannot load " + name and gives no lines.
std::vector<std::string> MakeInfoReport(FileSession& session, Host& host, const std::string& path);

// The browser's folder changed: it becomes the current folder and the working directory.
void DirectoryListBox1Change(FileSession& session, const std::string& folder);

// The browser's "Open": asks, then loads the selected file as the current puzzle.
// True when a puzzle was loaded.
bool OpenButtonClick(PuzzleDocument& doc, FileSession& session, const std::string& path);

}  // namespace quotella
