#pragma once

#include <ctime>
#include <optional>
#include <string>
#include <vector>

namespace quotella {

// What a recovery copy keeps: the puzzle, the quotes editor or the settings text.
enum class RecoveryKind { Puzzle, Quotes, Settings };

// One recovery copy in the state folder. The copy itself is the file as it would be
// saved (a puzzle file, a quotes file, a settings file); beside it, "<copy>.source" names
// its kind, the window that wrote it and the file it belongs to.
struct RecoveryCopy {
  RecoveryKind kind = RecoveryKind::Puzzle;
  std::string path;      // the copy
  std::string original;  // the file it belongs to; empty for a puzzle never saved
  std::string owner;     // the tag of the window that wrote it
  std::time_t written = 0;

  // "lincoln.qtl", or "new puzzle" for a puzzle never saved.
  std::string DisplayName() const;
  // "Recover the unsaved changes to lincoln.qtl from 14:32?"
  std::string OfferText() const;
};

// The recovery folder: $XDG_STATE_HOME/quotella/recovery, or
// ~/.local/state/quotella/recovery when XDG_STATE_HOME is unset, empty or relative. Empty
// when neither gives an absolute folder.
std::string RecoveryFolderPath(const std::string& xdgStateHome, const std::string& home);
// The same from this process's environment.
std::string RecoveryFolderFromEnvironment();

// The file name of a new copy: what it belongs to, when it was begun and the owner's tag,
// with the extension of its kind: "lincoln.qtl 2026-12-09 14.32.05 ~4711-1.qtl".
std::string RecoveryCopyName(RecoveryKind kind, const std::string& original, std::time_t when,
                             const std::string& owner);

// The text of a copy's source file, and its reading (nullopt for a file that is not one).
std::string RecoverySourceText(const RecoveryCopy& copy);
std::optional<RecoveryCopy> ParseRecoverySource(const std::string& text);

// Every copy in the folder whose source file reads and whose copy exists, oldest first.
std::vector<RecoveryCopy> ListRecoveryCopies(const std::string& folder);

// Removes the copy and its source file.
void RemoveRecoveryCopy(const RecoveryCopy& copy);

// Where the owner's lock lives.
std::string RecoveryLockPath(const std::string& folder, const std::string& owner);

}  // namespace quotella
