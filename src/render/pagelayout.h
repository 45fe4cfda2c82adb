#pragma once

#include <QLine>
#include <QRect>
#include <optional>
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
  bool key = false;   // letters in the grid, the key lines, letters over the numbers
  bool help = false;  // the instruction paragraph
  // The quotation starts in the first square and the last row ends with the blocks,
  // instead of the quotation centred in the grid.
  bool fromFirstSquare = false;
  // The quotation's punctuation, small, in the block square after the word it follows.
  bool punctuation = false;
  bool copyrightUnderByline = true;
  bool copyrightOnLastPage = false;
  double lineWidthPoints = 0.5;  // grid line pen
  int numberIndent = 10;         // cell number from the cell's left edge, dots
  int labelIndent = 10;          // cell label from the cell's right edge, dots
  std::string title;
  std::string byline;
  std::string copyright;
};

// The printable area of a page in printer dots (the paper less its margins; the origin
// is the area's top left corner), its orientation and resolution.
struct PageFormat {
  int width = 4800;
  int height = 6300;
  bool landscape = false;
  int dpi = 600;
  int ColumnsPerPage() const { return landscape ? 3 : 2; }
};

// One text on a page; (x, y) is the top left corner of the text, as the line heights
// of the layout count from there. scale sizes the role's font (numbers in small
// squares, a title shrunk to the page); onBlock texts are drawn light on the block
// colour.
struct PageText {
  FontRole role;
  int x = 0;
  int y = 0;
  std::string text;
  double scale = 1.0;
  bool bold = false;
  bool onBlock = false;
};

// The parts of a page. Every text and grid line of a page lies inside one of its boxes;
// boxes never overlap and never leave the printable area.
enum class BoxKind { Title, Byline, Copyright, Grid, Key, Help, Continued, Clue, PageNumber };

struct PageBox {
  BoxKind kind;
  QRect rect;
  int answer = -1;  // the answer row of a clue box
};

// One page as data: block squares (filled with the block colour), grid lines and texts,
// painted in that order, and the boxes they sit in.
struct LaidOutPage {
  std::vector<QRect> blocks;
  std::vector<QLine> lines;
  std::vector<PageText> texts;
  std::vector<PageBox> boxes;
};

// Where a clue block began.
struct CluePlacement {
  int page = 0;    // 0-based
  int column = 0;  // 1-based column of that page
  int x = 0;
  int y = 0;
};

struct PageLayoutResult {
  std::vector<LaidOutPage> pages;
  int cellSize = 0;   // printed cell, dots
  QRect grid;         // the grid's outer rectangle (empty without a grid)
  int lineWidth = 1;  // grid line pen, dots
  int clueColumnWidth = 0;
  std::vector<ClueBlock> clues;
  std::vector<CluePlacement> placements;  // one per answer word when clues are printed
  // What the layout had to change to make everything fit, for the user.
  std::vector<std::string> notes;
};

// The formatted page of a puzzle, computed as data in printer dots before anything is
// painted: the header, the grid, the key, the instruction paragraph and the clue blocks
// flowing down balanced columns and onto continuation pages, each page numbered.
class PageLayout {
 public:
  static constexpr const char* kHelpText =
      "Guess the words defined below and write them over their numbered dashes. Then transfer "
      "each letter to the correspondingly numbered square in the pattern. Black squares "
      "indicate word endings. The filled pattern will contain a quotation reading from left to "
      "right. The first letters of the guessed words will form an quotella giving the author's "
      "name and the title of the work.";
  static constexpr const char* kContinued = "Puzzle Clues (continued)";
  static constexpr const char* kGridWarning =
      "WARNING: At this cell size puzzle grid will not fit on page. Lower the cell size.";
  static constexpr const char* kLabelsLeftOut =
      "The squares are too small for the answer labels: the grid is printed without them.";
  // The smallest legible size of the cell numbers and labels, points.
  static constexpr double kSmallestPoints = 5.0;
  // Distance of everything from the left and right edges of the printable area.
  static constexpr int kInset = 50;

  static PageLayoutResult Compute(const PuzzleDocument& doc, const PrintOptions& options,
                                  const PageFormat& page, const TextMeasure& measure);

  // A fixed printed cell size chooses the column count: the grid is narrowed while its
  // columns at `cellSize` are wider than the usable width, or widened while they are
  // narrower, within the column limits. False, after the grid warning, when the grid at
  // the printed cell size is then taller than the room below the page's header, or
  // still wider than the page.
  static bool FitColumnsToCellSize(PuzzleDocument& doc, int cellSize, const PageFormat& page,
                                   const PrintOptions& options, const TextMeasure& measure);

  // "N answers are empty and M cells have no label." for a puzzle not yet finished.
  static std::optional<std::string> Unfinished(const PuzzleDocument& doc);

  // The key's byline: author and work as answer keys in books give them.
  static std::string AuthorAndWork(const Tpuzzle& p);
};

}  // namespace quotella
