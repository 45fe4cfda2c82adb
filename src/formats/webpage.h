#pragma once

#include <string>

#include "core/document.h"
#include "files/filesession.h"

namespace quotella {

inline constexpr const char* kWebPageFilter = "Web Pages|*.html;*.htm|All Files|*.*";
// What the page says when the solver has filled in the whole quotation correctly.
inline constexpr const char* kWebPageDoneText = "Congratulations! The quotation is complete.";

// The puzzle as one self-contained HTML page (inline CSS and JavaScript, nothing
// fetched) on which a solver plays it in a browser. The grid and the clues are plain
// HTML, readable without JavaScript; the solution is stored only obfuscated (each letter
// mixed with a key made from the puzzle), which keeps honest solvers honest and no more.
std::string ComposeWebPage(const PuzzleDocument& doc, const FileSession& session);

// The key and the obfuscation the page uses; exposed so the tests can read a page back.
std::string WebPageKey(const PuzzleDocument& doc, const FileSession& session);
std::string ObfuscateSolution(const std::string& letters, const std::string& key);
std::string RevealSolution(const std::string& hex, const std::string& key);

// Save > As Web Page... to path: composes and writes atomically. Warns when the puzzle is
// not finished; "Could not save file " when the write fails.
bool WriteWebPage(const PuzzleDocument& doc, const FileSession& session, const std::string& path);

}  // namespace quotella
