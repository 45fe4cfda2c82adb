#pragma once

#include <QLine>
#include <QRect>
#include <string>
#include <vector>

#include "core/document.h"
#include "render/cluelayout.h"
#include "render/textmeasure.h"

namespace quotella {

// What goes on the printed page and how.
struct PrintOptions {
  enum class Content { Grid, Clues, Both };
  Content content = Content::Both;
  bool key = false;   // letters in the grid, the key line, letters over the numbers
  bool help = false;  // the instruction paragraph
  bool copyrightUnderByline = true;
  bool copyrightOnLastPage = false;
  int lineWidth = 1;      // grid line pen, dots
  int numberIndent = 10;  // cell number from the cell's left edge, dots
  int labelIndent = 10;   // cell label from the cell's right edge, dots
  std::string title;
  std::string byline;
  std::string copyright;
};

// The size of the printable page in printer dots and its orientation.
struct PageFormat {
  int width = 4800;
  int height = 6300;
  bool landscape = false;
  int ColumnsPerPage() const { return landscape ? 3 : 2; }
};

// One text on a page; (x, y) is the top left corner of the text, as the line heights
// of the layout count from there.
struct PageText {
  FontRole role;
  int x = 0;
  int y = 0;
  std::string text;
};

// One page as data: block squares (filled with the block colour), grid lines and texts,
// painted in that order.
struct LaidOutPage {
  std::vector<QRect> blocks;
  std::vector<QLine> lines;
  std::vector<PageText> texts;
};

// Where a clue block landed.
struct CluePlacement {
  int page = 0;    // 0-based
  int column = 0;  // 1-based column of that page
  int x = 0;
  int y = 0;
};

struct PageLayoutResult {
  std::vector<LaidOutPage> pages;
  int cellSize = 0;  // printed cell, dots
  QRect grid;        // the grid's outer rectangle (empty without a grid)
  int clueColumnWidth = 0;
  std::vector<ClueBlock> clues;
  std::vector<CluePlacement> placements;  // one per answer word when clues are printed
};

// The formatted page of a puzzle, computed as data in printer dots before anything is
// painted: the header, the grid, the key line, the instruction paragraph and the clue
// blocks flowing down the columns and onto continuation pages.
class PageLayout {
 public:
  static constexpr const char* kHelpText =
      "Guess the words defined below and write them over their numbered dashes. Then transfer "
      "each letter to the correspondingly numbered square in the pattern. Black squares "
      "indicate word endings. The filled pattern will contain a quotation reading from left to "
      "right. The first letters of the guessed words will form an quotella giving the author's "
      "name and the title of the work.";
  static constexpr const char* kContinued = "Puzzle Clues (continued)";

  static PageLayoutResult Compute(const PuzzleDocument& doc, const PrintOptions& options,
                                  const PageFormat& page, const TextMeasure& measure);

  // A fixed printed cell size chooses the column count: the grid is narrowed while its
  // columns at `cellSize` are wider than the usable width, or widened while they are
  // narrower, within the column limits. False, after "WARNING: At this cell size puzzle
  // grid will not fit on page. Lower the cell size.", when the rows are then taller than
  // the page.
  static bool FitColumnsToCellSize(PuzzleDocument& doc, int cellSize, const PageFormat& page);
};

}  // namespace quotella
