#pragma once

#include <string>
#include <vector>

#include "core/document.h"
#include "core/saveresult.h"
#include "files/filesession.h"

namespace quotella {

// One line of the information file with the font it is set in when written as rich text.
// An empty font keeps the attributes of the line before.
struct InfoLine {
  std::string text;
  std::string font;
  int points = 0;
};

// The information file of the current puzzle: title, copyright, author and work, the
// quotation and one line per answer word.
std::vector<InfoLine> ComposeInfoFile(const PuzzleDocument& doc, const FileSession& session);

// The lines as a rich-text document: a font table, one paragraph per line.
std::string InfoFileRtf(const std::vector<InfoLine>& lines);

// Writes the information file to path, as rich text or plain text; the output editor gets
// its lines. Nothing is shown: the result says why the file could not be written.
SaveResult WriteInfoFile(const PuzzleDocument& doc, FileSession& session, const std::string& path,
                         bool richText);

// Save > Save Puzzle Information File: title and copyright prompts when they are empty,
// the format question, the save dialog and its questions.
void SaveInfoClick(const PuzzleDocument& doc, FileSession& session);

}  // namespace quotella
