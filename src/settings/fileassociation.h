#pragma once

#include <string>

namespace quotella {

inline constexpr const char* kPuzzleMimeType = "application/x-quotella3";

// What RegisterExtension did; start-up never looks at it, tests do.
enum class AssociationResult { Written, Unchanged, Failed };

// The desktop entry that opens puzzle files with the program at programPath.
std::string DesktopEntryText(const std::string& programPath);
// The shared-mime-info package that names "*.qtl" files.
std::string MimePackageText();

// Registers the ".qtl" puzzle files with the desktop: a desktop entry in
// dataHome/applications/ and a mime package in dataHome/mime/packages/. Files that
// already hold the right text are left alone, so a second start changes nothing. When
// something was written and runUpdaters is set, the desktop's caches are refreshed with
// update-mime-database and update-desktop-database when they are installed. Never
// throws and never reports: a desktop that cannot take the association only means that
// puzzle files are not opened by double-click.
AssociationResult RegisterExtension(const std::string& programPath, const std::string& dataHome,
                                    bool runUpdaters = true);

// $XDG_DATA_HOME, or ~/.local/share when it is unset or not absolute.
std::string UserDataHome();

// The start-up registration: the running program, the user's data folder.
AssociationResult RegisterPuzzleFiles();

}  // namespace quotella
