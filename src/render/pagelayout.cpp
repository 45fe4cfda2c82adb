#include "render/pagelayout.h"

#include <algorithm>

#include "core/geometry.h"

namespace quotella {

namespace {

// Builds the pages while the clue blocks flow down the columns.
class PageBuilder {
 public:
  PageBuilder(const PageFormat& page, const TextMeasure& measure)
      : m_page(page), m_measure(measure) {}

  LaidOutPage& Current() { return m_pages.back(); }
  void NewPage() { m_pages.emplace_back(); }
  int PageIndex() const { return static_cast<int>(m_pages.size()) - 1; }
  std::vector<LaidOutPage> Take() { return std::move(m_pages); }

  void Text(FontRole role, int x, int y, const std::string& text) {
    if (!text.empty()) Current().texts.push_back({role, x, y, text});
  }
  int Centre(FontRole role, const std::string& text) const {
    return (m_page.width - m_measure.TextWidth(role, text)) / 2;
  }
  int TM(FontRole role) const { return m_measure.TextHeight(role, "M"); }

  // Title and byline centred from the top; returns the y below the byline.
  int TitleAndByline(const PrintOptions& options) {
    int y = 20;
    Text(FontRole::Title, Centre(FontRole::Title, options.title), y, options.title);
    y += m_measure.TextHeight(FontRole::Title, options.title);
    Text(FontRole::Byline, Centre(FontRole::Byline, options.byline), y, options.byline);
    return y;
  }

 private:
  const PageFormat& m_page;
  const TextMeasure& m_measure;
  std::vector<LaidOutPage> m_pages;
};

void LayOutGrid(const Tpuzzle& p, const GridGeometry& g, const PrintOptions& options,
                const TextMeasure& measure, const QRect& grid, int s, LaidOutPage& page) {
  const int left = grid.left();
  const int top = grid.top();
  const int right = left + grid.width();
  const int bottom = top + grid.height();
  for (int r = 0; r <= g.Rows; ++r) page.lines.emplace_back(left, top + r * s, right, top + r * s);
  for (int c = 0; c < g.Columns; ++c)
    page.lines.emplace_back(left + c * s, top, left + c * s, bottom);
  page.lines.emplace_back(right, top, right, bottom);

  const int numberHeight = measure.TextHeight(FontRole::Number, "M");
  const int keyWidth = measure.TextWidth(FontRole::Letter, "M");
  const int keyHeight = measure.TextHeight(FontRole::Letter, "M");
  const int positions = g.Columns * g.Rows;
  for (int r = 0; r < g.Rows; ++r) {
    for (int c = 0; c < g.Columns; ++c) {
      const int pos = r * g.Columns + c + 1;
      const int x = left + c * s;
      const int y = top + r * s;
      // Squares in the last column reach the right border, which takes up what the
      // integer cell size leaves over.
      const int w = c == g.Columns - 1 ? right - x : s;
      const int i = pos - p.GridOffset;
      const bool filler =
          pos <= p.GridOffset || pos > positions - p.TrailingCells || i < 1 || i > p.NumCells;
      const TMasterCellRec* cell = filler ? nullptr : &p.Cells[static_cast<std::size_t>(i)];
      if (cell && cell->CellNumber != 0) {
        page.texts.push_back(
            {FontRole::Number, x + options.numberIndent, y + 3, std::to_string(cell->CellNumber)});
        if (!cell->CellLabel.empty()) {
          const int lw = measure.TextWidth(FontRole::Number, cell->CellLabel);
          page.texts.push_back(
              {FontRole::Number, x + s - lw - options.labelIndent, y + 1, cell->CellLabel});
        }
        if (options.key) {
          const int ky = std::max(y + s / 2 - keyHeight / 2, y + 2 + numberHeight);
          page.texts.push_back(
              {FontRole::Letter, x + s / 2 - keyWidth / 2, ky, std::string(1, cell->Char)});
        }
      } else if (cell && cell->Char == '-') {
        page.texts.push_back({FontRole::Letter, x + s / 2 - keyWidth / 2, y + s / 2, "-"});
      } else {
        page.blocks.emplace_back(x, y, w, s);
      }
    }
  }
}

// The instruction paragraph wrapped below `width`; returns its lines.
std::vector<std::string> HelpLines(int width, const TextMeasure& measure) {
  std::vector<std::string> lines;
  std::string line;
  std::string rest = PageLayout::kHelpText;
  std::size_t i = 0;
  while (i < rest.size()) {
    std::size_t j = rest.find(' ', i);
    if (j == std::string::npos) j = rest.size();
    const std::string word = rest.substr(i, j - i);
    i = j + 1;
    if (word.empty()) continue;
    if (line.empty() ||
        measure.TextWidth(FontRole::Help, line) + measure.TextWidth(FontRole::Help, word + " ") <
            width) {
      line = line.empty() ? word : line + " " + word;
    } else {
      lines.push_back(line);
      line = word;
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

}  // namespace

PageLayoutResult PageLayout::Compute(const PuzzleDocument& doc, const PrintOptions& options,
                                     const PageFormat& page, const TextMeasure& measure) {
  PageLayoutResult result;
  PageBuilder b(page, measure);
  b.NewPage();
  const int k = page.ColumnsPerPage();

  // Header.
  int y = b.TitleAndByline(options);
  const int bylineHeight = measure.TextHeight(FontRole::Byline, options.byline);
  if (options.copyrightUnderByline) {
    const int copyrightHeight = measure.TextHeight(FontRole::Copyright, options.copyright);
    y += bylineHeight + copyrightHeight / 2;
    b.Text(FontRole::Copyright, b.Centre(FontRole::Copyright, options.copyright), y,
           options.copyright);
    y += copyrightHeight;
  } else {
    y += bylineHeight;
  }

  // Grid.
  const GridGeometry& g = doc.Grid;
  const int usable = page.width - 100;
  const int s = usable / std::max(g.Columns, 1);
  result.cellSize = s;
  const int gridTop = y + 100;
  const bool withGrid = options.content != PrintOptions::Content::Clues;
  int gridHeight = 0;
  if (withGrid) {
    gridHeight = g.Rows * s;
    result.grid = QRect(50, gridTop, usable, gridHeight);
    LayOutGrid(doc.P, g, options, measure, result.grid, s, b.Current());
  }
  // Without a grid the clues begin where the grid would have.
  y = gridTop + gridHeight;
  const int clueX = 50;
  const int C = page.width / k;
  result.clueColumnWidth = C;

  // Key line.
  int clueTop = y + 60;
  if (options.key) {
    y += 60;
    b.Text(FontRole::Clue, clueX, y, "The Quotella is: " + doc.P.AuthorOrig + " " + doc.P.WorkOrig);
    y += 2 * b.TM(FontRole::Clue);
    clueTop = y;
  }

  // Instruction paragraph, in the first column only.
  const int wrap = static_cast<int>(0.9 * C);
  if (options.help) {
    y += 60;
    for (const auto& line : HelpLines(wrap, measure)) {
      b.Text(FontRole::Help, clueX, y, line);
      y += b.TM(FontRole::Help);
    }
    y += b.TM(FontRole::Help);
  }

  // Clue blocks flowing through the columns. The first column keeps the same gap below
  // the grid as the others rather than touching the grid's bottom line.
  if (!options.key && !options.help) y = clueTop;
  if (options.content != PrintOptions::Content::Grid) {
    result.clues = ClueLayout::Build(doc, wrap, wrap, measure);
    const int clueHeight = b.TM(FontRole::Clue);
    const int dashHeight = b.TM(FontRole::Dash);
    int x = clueX;
    int column = 1;
    for (const auto& block : result.clues) {
      if (y + block.height >= page.height) {
        ++column;
        if (column > k) {
          b.NewPage();
          column = 1;
          x = 1;
          y = b.TitleAndByline(options) + bylineHeight;
          b.Text(FontRole::Clue, 1, y, kContinued);
          y += 3 * clueHeight;
          clueTop = y;
        } else {
          x += C;
          y = clueTop;
        }
      }
      result.placements.push_back({b.PageIndex(), column, x, y});
      for (const auto& line : block.clueLines) {
        b.Text(FontRole::Clue, x, y, line);
        y += clueHeight;
      }
      std::size_t letter = 0;
      for (const auto& numbers : block.numberLines) {
        const int n = ClueLayout::NumbersOnLine(numbers);
        const std::string letters =
            letter < block.letters.size() ? block.letters.substr(letter) : std::string();
        letter += static_cast<std::size_t>(n);
        b.Text(FontRole::Dash, x, y, ClueLayout::WritingLine(n, letters, options.key));
        y += dashHeight;
        b.Text(FontRole::Dash, x, y, numbers);
        y += dashHeight;
      }
      y += clueHeight;
    }
  }

  if (options.copyrightOnLastPage) {
    b.Text(FontRole::Copyright, b.Centre(FontRole::Copyright, options.copyright),
           page.height - b.TM(FontRole::Copyright) - 4, options.copyright);
  }
  result.pages = b.Take();
  return result;
}

bool PageLayout::FitColumnsToCellSize(PuzzleDocument& doc, int cellSize, const PageFormat& page) {
  const int usable = page.width - 100;
  GridGeometry& g = doc.Grid;
  if (g.Columns * cellSize > usable) {
    while (g.Columns * cellSize > usable && SqueezeGrid1Click(doc)) {
    }
  } else {
    while (g.Columns * cellSize < usable && StretchGrid1Click(doc)) {
    }
  }
  if (g.Rows * cellSize > page.height) {
    doc.host().Message(
        "WARNING: At this cell size puzzle grid will not fit on page. Lower the cell size.");
    return false;
  }
  return true;
}

}  // namespace quotella
