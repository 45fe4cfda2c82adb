#pragma once

#include "core/copyright.h"
#include "core/defaultfiles.h"

#include <functional>
#include <string>
#include <vector>

#include "core/linestore.h"
#include "core/textio.h"
#include "files/outputeditor.h"

namespace quotella {

// Filter of the puzzle-file dialogs.
inline constexpr const char* kPuzzleFileFilter =
    "Quotella3 Files|*.qtl|Text Files|*.txt|All Files|*.*";
// The window caption is this text followed directly by the puzzle file's name.
inline constexpr const char* kCaptionTitle = "Quotella 3.1 - ";

// The views the main window can be asked to show.
enum class View { Puzzle, Output, Quotes };

// The run-time file state of the main window: which puzzle file is in use, the folder the
// dialogs offer, the title, byline and copyright texts, the output editor and the quotes
// editor. One per run, next to the puzzle document.
class FileSession {
 public:
  std::string CurrentPuzzleFile = "samplepuzzle1.qtl";
  std::string LastFile = kDefaultLastFile;
  std::string CurrentDir;  // the program directory until a dialog or a load changes it
  std::string CopyrightText = DefaultCopyrightText();
  bool ConfirmBeforeLoad = true;

  // The title and byline boxes above the grid, as typed.
  std::string TitleBox;
  std::string BylineBox;

  std::string Caption = kCaptionTitle;
  // The save dialog keeps the title the last command gave it.
  std::string SaveDialogTitle = "Save File";

  OutputEditor Output;
  // The encoding of the puzzle file last read: a file read as UTF-8 is saved as UTF-8.
  TextEncoding PuzzleEncoding = TextEncoding::Cp1252;

  // The quotes editor and its file.
  std::string QuotesFile = kDefaultQuotesFile;
  bool QuotesModified = false;
  LineStore QuotesEditor;

  // Window hooks; both may be left empty (the command line has no views).
  std::function<void(View)> ShowView;
  // Runs before every puzzle load: stop a running search, reload the word lists.
  std::function<void()> BeforePuzzleLoad;

  void RequestView(View view) const {
    if (ShowView) ShowView(view);
  }
};

// Caption := the program title text followed directly by name.
void SetCaption(FileSession& session, const std::string& name);

// Path helpers: the folder part (without a trailing separator, empty when there is none),
// the file-name part, and the path with its extension replaced (ext includes the dot).
std::string FolderOf(const std::string& path);
std::string FileNameOf(const std::string& path);
std::string ChangeExtension(const std::string& path, const std::string& ext);

}  // namespace quotella
