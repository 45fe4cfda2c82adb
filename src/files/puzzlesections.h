#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/linestore.h"

namespace quotella {

// Where the tagged sections of a puzzle file's lines are.

// The line of each tag (-1 when missing).
struct Sections {
  int numgrid = -1, quote = -1, grid = -1, labels = -1, keywords = -1, randseed = -1, title = -1,
      byline = -1, copyright = -1;
  std::vector<int> tagLines;  // every line that is exactly a tag, in file order
  bool written = false;       // laid out as the program writes files
};

// Where each tag is. A file in the program's own layout is read by that layout. Otherwise,
// for each tag, the last line that is exactly the tag wins; with no such line, the last
// line that contains the tag anywhere (any letter case) is taken.
Sections ScanSections(const LineStore& lines);

// The line after a tag; nullopt when the tag is missing or ends the file.
std::optional<std::string> LineAfter(const LineStore& lines, int tag);

// The text line after a title, byline or copyright tag; nullopt when there is none or,
// in a file not in the program's own layout, when that line is itself a tag line.
std::optional<std::string> TextAfter(const LineStore& lines, const Sections& s, int tag);

// The lines after a tag up to the next tag line, or to the first line holding "[" (or the
// end of the file).
LineStore SectionLines(const LineStore& lines, const Sections& s, int tag);

}  // namespace quotella
