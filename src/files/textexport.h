#pragma once

#include <string>
#include <vector>

#include "core/document.h"
#include "files/filesession.h"

namespace quotella {

// The puzzle and its key as plain text: the grid drawn with text characters, eight
// characters a column, then every clue over numbered dashes (or, in the key, over the
// answer letters).

enum class TextForm { Puzzle, Key };

// The grid, four lines a grid row: numbers, an empty line, an empty line (puzzle) or the
// letters (key), the separator.
std::vector<std::string> GridAsText(const PuzzleDocument& doc, TextForm form);
// Four lines an answer word: the clue, the dashes or letters, the numbers, an empty line.
std::vector<std::string> CluesAsText(const PuzzleDocument& doc, TextForm form);
// The whole export: with the grid, the title and byline boxes, the separator, the grid
// and an empty line (the key adds its quotella text), then the clues.
std::vector<std::string> ComposePuzzleText(const PuzzleDocument& doc, const FileSession& session,
                                           TextForm form, bool includeGrid);

// The output editor's save step: the save dialog (with the title the caller set), the
// overwrite question, the write. True when written.
bool SaveOutputFile(FileSession& session, Host& host);

// Save > Save Puzzle as Text: asks whether to include the grid, composes, saves.
void SavePuzzleasText1Click(const PuzzleDocument& doc, FileSession& session);
// Save > Save Puzzle Key as Text: composes the key with its grid, saves.
void SavePuzzleKey1Click(const PuzzleDocument& doc, FileSession& session);
// Save > Output Editor (and the editor's popup entry).
void Output2Click(FileSession& session, Host& host);
// Open > Output Editor: reads any text file into the output editor.
bool OutPut3Click(FileSession& session, Host& host);

// Print > As Text up to the printing itself: narrows the grid to at most 14 columns and
// runs Save Puzzle as Text. True when the output editor holds the text to print.
bool AsText1Click(PuzzleDocument& doc, FileSession& session);

}  // namespace quotella
