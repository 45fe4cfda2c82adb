#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/document.h"
#include "files/filesession.h"
#include "files/recoverycopy.h"

namespace quotella {

// What a recovery copy holds and how it comes back: the bytes are those a save would
// write, and a copy taken back is unsaved work of the file it belongs to, so that Save
// writes that file and never the copy.

// The file a puzzle's copy belongs to: the current puzzle file (absolute) when it exists;
// empty for a puzzle never saved.
std::string PuzzleOriginal(const FileSession& session);
// The puzzle file's bytes for the puzzle as it stands; changes nothing.
std::string PuzzleCopyBytes(const PuzzleDocument& doc, const FileSession& session);
// The quotes file's bytes for the quotes editor's lines, in the file's encoding.
std::string QuotesCopyBytes(const FileSession& session);
// Lines as a text file of the program holds them, in the encoding path was read in.
std::string TextCopyBytes(const std::vector<std::string>& lines, const std::string& path);
// A path made absolute against the current folder (the program folder); empty stays empty.
std::string AbsolutePath(const std::string& path);

// Loads a puzzle copy as unsaved changes to its original: the caption, the current and
// last puzzle file name the original (a never-saved puzzle keeps the name of a new one),
// and PuzzleChanged is set. A copy that does not load leaves the names as they were.
bool LoadRecoveredPuzzle(PuzzleDocument& doc, FileSession& session, const RecoveryCopy& copy);
// Puts a quotes copy into the quotes editor as unsaved edits of its original.
bool LoadRecoveredQuotes(FileSession& session, const RecoveryCopy& copy);
// The lines of a settings copy; nullopt when it cannot be read.
std::optional<std::vector<std::string>> RecoveredLines(const RecoveryCopy& copy);

}  // namespace quotella
