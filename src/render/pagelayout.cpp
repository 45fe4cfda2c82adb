#include "render/pagelayout.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <cmath>
#include <map>

#include "core/geometry.h"
#include "core/textio.h"

namespace quotella {

namespace {

constexpr int kHeaderTop = 20;
constexpr int kGridGap = 100;    // header to grid
constexpr int kSectionGap = 60;  // grid to key, key to help
constexpr int kFooterGap = 20;   // clue area to the footer line
constexpr int kPageNumberGap = 40;

// A header or footer text fitted to a width: wrapped to at most maxLines lines and
// shrunk until it is; a text that cannot get there keeps all its lines at the smallest
// size rather than lose a word.
struct FittedText {
  std::vector<std::string> lines;
  double scale = 1.0;
  int lineHeight = 0;
  int Height() const { return lineHeight * static_cast<int>(lines.size()); }
};

FittedText Fit(const TextMeasure& m, FontRole role, const std::string& text, int width,
               std::size_t maxLines) {
  FittedText f;
  for (double scale = 1.0;; scale *= 0.9) {
    f.scale = scale;
    f.lines = ClueLayout::Wrap(
        text, width, [&](const std::string& s) { return m.StyledWidth(role, s, scale, false); });
    if (f.lines.size() <= maxLines || scale < 0.3) break;
  }
  f.lineHeight = m.StyledHeight(role, f.scale);
  return f;
}

// A group of texts that stays together in a column (a clue line, a writing line with its
// number line); x and y of its texts count from the unit's top left corner.
struct FlowUnit {
  std::vector<PageText> texts;
  int height = 0;
};

// A clue block or the instruction paragraph as it flows down the columns.
struct FlowBlock {
  BoxKind kind = BoxKind::Clue;
  int answer = -1;
  std::vector<FlowUnit> units;
  int gapAfter = 0;
  int Height() const {
    int h = 0;
    for (const auto& u : units) h += u.height;
    return h;
  }
};

// Builds the pages: texts and boxes on the current page.
class PageBuilder {
 public:
  PageBuilder(const PageFormat& page, const TextMeasure& measure)
      : m_page(page), m_measure(measure) {}

  LaidOutPage& Current() { return m_pages.back(); }
  void NewPage() { m_pages.emplace_back(); }
  int PageIndex() const { return static_cast<int>(m_pages.size()) - 1; }
  std::vector<LaidOutPage>& Pages() { return m_pages; }
  int Usable() const { return m_page.width - 2 * PageLayout::kInset; }
  int TM(FontRole role) const { return m_measure.TextHeight(role, "M"); }

  // A counting builder keeps pages but no texts and boxes.
  void CountOnly() { m_countOnly = true; }
  bool Counting() const { return m_countOnly; }
  void Text(PageText t) {
    if (!m_countOnly && !t.text.empty()) Current().texts.push_back(std::move(t));
  }
  void Box(BoxKind kind, const QRect& rect, int answer = -1) {
    if (!m_countOnly && rect.height() > 0) Current().boxes.push_back({kind, rect, answer});
  }

  // Fitted lines centred on the page from y in a box of their own; returns the height
  // they take, a line's height when there is no text.
  int Centred(BoxKind kind, FontRole role, const std::string& text, int y, int maxLines = 2,
              int width = 0) {
    if (Trim(text).empty()) return TM(role);
    const FittedText f = Fit(m_measure, role, text, width > 0 ? width : Usable(),
                             static_cast<std::size_t>(maxLines));
    for (std::size_t i = 0; i < f.lines.size(); ++i) {
      const int w = m_measure.StyledWidth(role, f.lines[i], f.scale, false);
      Text({role, (m_page.width - w) / 2, y + static_cast<int>(i) * f.lineHeight, f.lines[i],
            f.scale});
    }
    Box(kind, QRect(PageLayout::kInset, y, Usable(), f.Height()));
    return f.Height();
  }

  // A continuation page: the title as a running head in the byline's size, the byline
  // and "Puzzle Clues (continued)"; returns the top of its columns.
  int ContinuationPage(const PrintOptions& options) {
    NewPage();
    int y = kHeaderTop;
    if (!Trim(options.title).empty())
      y += CentredAs(BoxKind::Title, FontRole::Byline, options.title, y);
    y += Centred(BoxKind::Byline, FontRole::Byline, options.byline, y);
    const int h = TM(FontRole::Clue);
    Text({FontRole::Clue, PageLayout::kInset, y, PageLayout::kContinued});
    Box(BoxKind::Continued, QRect(PageLayout::kInset, y, Usable(), h));
    return y + 3 * h;
  }

 private:
  int CentredAs(BoxKind kind, FontRole role, const std::string& text, int y) {
    return Centred(kind, role, text, y, 1);
  }

  const PageFormat& m_page;
  const TextMeasure& m_measure;
  std::vector<LaidOutPage> m_pages;
  bool m_countOnly = false;
};

// Where the flow stands and how it moves on: down a column, to the next column, to a
// continuation page.
struct FlowState {
  int page = 0;
  int column = 1;
  int x = PageLayout::kInset;
  int y = 0;
  int columnTop = 0;  // top of the columns after the first on this page
};

// Lays flow blocks into the columns. Every block is tested against the room left in its
// column; a block taller than a whole column is split between units, never dropped.
class ColumnFlow {
 public:
  ColumnFlow(PageBuilder& b, const PrintOptions& options, int columns, int columnWidth, int bottom,
             int continuationTop, int lastPage, int cap)
      : m_b(b),
        m_options(options),
        m_columns(columns),
        m_columnWidth(columnWidth),
        m_bottom(bottom),
        m_continuationTop(continuationTop),
        m_lastPage(lastPage),
        m_cap(cap) {}

  FlowState state;

  // Places the block; returns where it began.
  CluePlacement Place(const FlowBlock& block) {
    // Balancing evens out the clue columns; the instructions stay at the head of the
    // first.
    m_capped = block.kind == BoxKind::Clue;
    const int total = block.Height();
    const bool whole = total <= m_bottom - m_continuationTop;
    if (whole) {
      while (state.y + total > Bottom() && !AtFreshTop()) NextColumn();
    }
    CluePlacement first{state.page, state.column, state.x, state.y};
    bool started = false;
    int partTop = state.y;
    for (const auto& unit : block.units) {
      while (!whole && state.y + unit.height > Bottom() && !AtFreshTop()) {
        CloseBox(block, partTop);
        NextColumn();
        partTop = state.y;
      }
      if (!started) {
        first = {state.page, state.column, state.x, state.y};
        partTop = state.y;
        started = true;
      }
      if (!m_b.Counting()) {
        for (PageText t : unit.texts) {
          t.x += state.x;
          t.y += state.y;
          m_b.Text(std::move(t));
        }
      }
      state.y += unit.height;
    }
    CloseBox(block, partTop);
    state.y += block.gapAfter;
    return first;
  }

 private:
  int Bottom() const {
    return m_capped && state.page == m_lastPage ? std::min(m_cap, m_bottom) : m_bottom;
  }
  // The top of a column no higher than any later one: a block that does not fit here
  // fits nowhere whole. The balanced last page does not count: there a block that does
  // not fit shows that its columns end too high.
  bool AtFreshTop() const {
    return (!m_capped || state.page != m_lastPage) && state.y == state.columnTop &&
           state.columnTop <= m_continuationTop;
  }

  void CloseBox(const FlowBlock& block, int top) {
    const int gutter = std::max(1, m_columnWidth / 20);
    m_b.Box(block.kind, QRect(state.x, top, m_columnWidth - gutter, state.y - top), block.answer);
  }

  void NextColumn() {
    if (++state.column > m_columns) {
      state.columnTop = m_b.ContinuationPage(m_options);
      state.page = m_b.PageIndex();
      state.column = 1;
      state.x = PageLayout::kInset;
    } else {
      state.x += m_columnWidth;
    }
    state.y = state.columnTop;
  }

  PageBuilder& m_b;
  const PrintOptions& m_options;
  int m_columns;
  int m_columnWidth;
  int m_bottom;
  int m_continuationTop;
  int m_lastPage;
  int m_cap;
  bool m_capped = true;
};

// How the numbers, labels and key letters of the grid are sized for the printed cell.
struct GridText {
  double numberScale = 1.0;
  bool labels = true;
  double letterScale = 1.0;
};

GridText ChooseGridText(const Tpuzzle& p, const PrintOptions& options, const TextMeasure& m,
                        int s) {
  GridText g;
  int numbers = 0;
  int both = 0;
  for (int i = 1; i <= p.NumCells; ++i) {
    const auto& cell = p.Cells[static_cast<std::size_t>(i)];
    if (cell.CellNumber == 0) continue;
    const int n = m.TextWidth(FontRole::Number, std::to_string(cell.CellNumber));
    numbers = std::max(numbers, n);
    const int l = cell.CellLabel.empty() ? 0 : m.TextWidth(FontRole::Number, " " + cell.CellLabel);
    both = std::max(both, n + l);
  }
  const double room = std::max(1, s - options.numberIndent - options.labelIndent);
  const double tall = 0.45 * s / std::max(1, m.TextHeight(FontRole::Number, "M"));
  const double smallest = PageLayout::kSmallestPoints / m.PointSize(FontRole::Number);
  g.numberScale = std::min({1.0, tall, both > 0 ? room / both : 1.0});
  if (g.numberScale < smallest) {
    g.labels = false;
    const double alone = std::max(1, s - options.numberIndent - 2);
    g.numberScale = std::min({1.0, tall, numbers > 0 ? alone / numbers : 1.0});
  }
  const int numberHeight = m.StyledHeight(FontRole::Number, g.numberScale);
  const double letterRoom = s - 3 - numberHeight - 2;
  g.letterScale = std::clamp(std::min(letterRoom / std::max(1, m.TextHeight(FontRole::Letter, "M")),
                                      0.8 * s / std::max(1, m.TextWidth(FontRole::Letter, "M"))),
                             0.05, 1.0);
  return g;
}

// The punctuation that follows each word of the quotation as written, keyed by the index
// of the square after the word in the grid (a word gap, or the position after the last
// cell). Empty when the quotation's words and the grid's do not pair up one to one.
std::map<int, std::string> PunctuationSquares(const Tpuzzle& p) {
  std::vector<std::string> marks;
  std::size_t i = 0;
  const std::string& q = p.QuoteOrig;
  while (i < q.size()) {
    while (i < q.size() && q[i] == ' ') ++i;
    std::size_t j = i;
    while (j < q.size() && q[j] != ' ') ++j;
    if (j == i) break;
    std::size_t k = j;
    while (k > i && std::ispunct(static_cast<unsigned char>(q[k - 1]))) --k;
    marks.push_back(q.substr(k, j - k));
    i = j;
  }
  std::map<int, std::string> squares;
  std::size_t word = 0;
  for (int cell = 1; cell <= p.NumCells + 1; ++cell) {
    const bool gap = cell > p.NumCells || p.Cells[static_cast<std::size_t>(cell)].Char == ' ';
    if (!gap || cell == 1 || p.Cells[static_cast<std::size_t>(cell - 1)].Char == ' ') continue;
    if (word >= marks.size()) return {};
    if (!marks[word].empty()) squares[cell] = marks[word];
    ++word;
  }
  if (word != marks.size()) return {};
  return squares;
}

void LayOutGrid(const Tpuzzle& p, const GridGeometry& g, const PrintOptions& options,
                const TextMeasure& m, const QRect& grid, int s, int right, const GridText& gt,
                LaidOutPage& page) {
  const int left = grid.left();
  const int top = grid.top();
  const int bottom = top + grid.height();
  for (int r = 0; r <= g.Rows; ++r) page.lines.emplace_back(left, top + r * s, right, top + r * s);
  for (int c = 0; c < g.Columns; ++c)
    page.lines.emplace_back(left + c * s, top, left + c * s, bottom);
  page.lines.emplace_back(right, top, right, bottom);

  const int numberHeight = m.StyledHeight(FontRole::Number, gt.numberScale);
  const int letterHeight = m.StyledHeight(FontRole::Letter, gt.letterScale);
  const int positions = g.Columns * g.Rows;
  const auto punctuation =
      options.punctuation ? PunctuationSquares(p) : std::map<int, std::string>();
  const int offset = options.fromFirstSquare ? 0 : p.GridOffset;
  const int trailing = options.fromFirstSquare ? positions - p.NumCells : p.TrailingCells;
  for (int r = 0; r < g.Rows; ++r) {
    for (int c = 0; c < g.Columns; ++c) {
      const int pos = r * g.Columns + c + 1;
      const int x = left + c * s;
      const int y = top + r * s;
      // Squares in the last column reach the right border, which takes up what the
      // integer cell size leaves over.
      const int w = c == g.Columns - 1 ? right - x : s;
      const int i = pos - offset;
      const bool filler = pos <= offset || pos > positions - trailing || i < 1 || i > p.NumCells;
      const TMasterCellRec* cell = filler ? nullptr : &p.Cells[static_cast<std::size_t>(i)];
      const std::string letter = cell ? std::string(1, cell->Char) : std::string();
      const int letterX =
          x + (s - m.StyledWidth(FontRole::Letter, letter, gt.letterScale, false)) / 2;
      if (cell && cell->CellNumber != 0) {
        page.texts.push_back({FontRole::Number, x + options.numberIndent, y + 3,
                              std::to_string(cell->CellNumber), gt.numberScale});
        if (gt.labels && !cell->CellLabel.empty()) {
          const int lw = m.StyledWidth(FontRole::Number, cell->CellLabel, gt.numberScale, false);
          page.texts.push_back({FontRole::Number, x + s - lw - options.labelIndent, y + 1,
                                cell->CellLabel, gt.numberScale});
        }
        if (options.key) {
          const int ky = std::max(y + (s - letterHeight) / 2, y + 3 + numberHeight);
          page.texts.push_back({FontRole::Letter, letterX, ky, letter, gt.letterScale});
        }
      } else if (cell && cell->Char == '-') {
        // A hyphen square shows its hyphen on the block colour.
        page.blocks.emplace_back(x, y, w, s);
        page.texts.push_back({FontRole::Letter, letterX, y + (s - letterHeight) / 2, "-",
                              gt.letterScale, false, true});
      } else {
        page.blocks.emplace_back(x, y, w, s);
        if (const auto mark = punctuation.find(i); mark != punctuation.end()) {
          const int mw = m.StyledWidth(FontRole::Number, mark->second, gt.numberScale, false);
          page.texts.push_back({FontRole::Number, x + (s - mw) / 2, y + (s - numberHeight) / 2,
                                mark->second, gt.numberScale, false, true});
        }
      }
    }
  }
}

std::vector<std::string> HelpLines(int width, const TextMeasure& measure) {
  return ClueLayout::Wrap(PageLayout::kHelpText, width, FontRole::Help, measure);
}

FlowBlock HelpBlock(int width, const TextMeasure& m) {
  FlowBlock block;
  block.kind = BoxKind::Help;
  const int h = m.TextHeight(FontRole::Help, "M");
  for (const auto& line : HelpLines(width, m))
    block.units.push_back({{PageText{FontRole::Help, 0, 0, line}}, h});
  block.gapAfter = h;
  return block;
}

// The clue's first line with its label in bold ("A." and the rest).
std::vector<PageText> FirstClueLine(const std::string& line, const std::string& label,
                                    const TextMeasure& m) {
  const std::string head = label + ".";
  if (label.empty() || line.rfind(head + " ", 0) != 0 || line.size() <= head.size() + 1)
    return {PageText{FontRole::Clue, 0, 0, line, 1.0, line == head}};
  const int dx = m.StyledWidth(FontRole::Clue, head, 1.0, true) + m.TextWidth(FontRole::Clue, " ");
  return {PageText{FontRole::Clue, 0, 0, head, 1.0, true},
          PageText{FontRole::Clue, dx, 0, line.substr(head.size() + 1)}};
}

FlowBlock ClueFlowBlock(const ClueBlock& clue, int answer, const std::string& label, bool key,
                        const TextMeasure& m) {
  FlowBlock block;
  block.answer = answer;
  const int clueHeight = m.TextHeight(FontRole::Clue, "M");
  const int dashHeight = m.TextHeight(FontRole::Dash, "M");
  for (std::size_t i = 0; i < clue.clueLines.size(); ++i) {
    block.units.push_back(
        {i == 0 ? FirstClueLine(clue.clueLines[i], label, m)
                : std::vector<PageText>{PageText{FontRole::Clue, 0, 0, clue.clueLines[i]}},
         clueHeight});
  }
  std::size_t letter = 0;
  for (const auto& numbers : clue.numberLines) {
    const int n = ClueLayout::NumbersOnLine(numbers);
    const std::string letters =
        letter < clue.letters.size() ? clue.letters.substr(letter) : std::string();
    letter += static_cast<std::size_t>(n);
    block.units.push_back(
        {{PageText{FontRole::Dash, 0, 0, ClueLayout::WritingLine(n, letters, key)},
          PageText{FontRole::Dash, 0, dashHeight, numbers}},
         2 * dashHeight});
  }
  block.gapAfter = clueHeight;
  return block;
}

// Everything above the clue columns of page 1 and the flow that follows it; computed
// once and flowed again while the last page's columns are balanced.
struct Prelude {
  PageLayoutResult result;
  std::vector<LaidOutPage> pages;
  FlowState start;
  std::vector<FlowBlock> blocks;
};

int FooterTop(const PageFormat& page, const TextMeasure& m) {
  return page.height - m.TextHeight(FontRole::Copyright, "M") - 4;
}

// The header of page 1; returns the y below it.
int LayOutHeader(PageBuilder& b, const PrintOptions& options) {
  int y = kHeaderTop;
  y += b.Centred(BoxKind::Title, FontRole::Title, options.title, y);
  const int bylineHeight = b.Centred(BoxKind::Byline, FontRole::Byline, options.byline, y);
  if (!options.copyrightUnderByline) return y + bylineHeight;
  y += bylineHeight + b.TM(FontRole::Copyright) / 2;
  return y + b.Centred(BoxKind::Copyright, FontRole::Copyright, options.copyright, y);
}

int PenDots(const PrintOptions& options, const PageFormat& page) {
  return std::max(1, static_cast<int>(std::lround(options.lineWidthPoints * page.dpi / 72.0)));
}

// The height left for the grid between page 1's header and the footer.
int GridRoom(const PrintOptions& options, const PageFormat& page, const TextMeasure& m) {
  PageBuilder scratch(page, m);
  scratch.NewPage();
  const int top = LayOutHeader(scratch, options) + kGridGap;
  return FooterTop(page, m) - kFooterGap - top - PenDots(options, page);
}

Prelude LayOutPrelude(const PuzzleDocument& doc, const PrintOptions& options,
                      const PageFormat& page, const TextMeasure& m) {
  Prelude pre;
  PageLayoutResult& result = pre.result;
  PageBuilder b(page, m);
  b.NewPage();
  const int bottom = FooterTop(page, m) - kFooterGap;
  int y = LayOutHeader(b, options);

  const GridGeometry& g = doc.Grid;
  const int usable = b.Usable();
  const int gridTop = y + kGridGap;
  const bool withGrid = options.content != PrintOptions::Content::Clues && g.Rows > 0;
  int gridHeight = 0;
  if (withGrid) {
    const int columns = std::max(g.Columns, 1);
    int s = usable / columns;
    int width = usable;
    const int room = GridRoom(options, page, m);
    if (g.Rows * s > room) {
      s = std::max(1, room / g.Rows);
      width = columns * s;
      result.notes.push_back("The grid is printed with smaller squares (" + std::to_string(s) +
                             " dots) so that it fits on the page.");
    }
    gridHeight = g.Rows * s;
    result.cellSize = s;
    result.lineWidth = std::min(PenDots(options, page), std::max(1, s / 3));
    result.grid = QRect(PageLayout::kInset + (usable - width) / 2, gridTop, width, gridHeight);
    const GridText gt = ChooseGridText(doc.P, options, m, s);
    if (!gt.labels && doc.P.NumWords > 0) result.notes.push_back(PageLayout::kLabelsLeftOut);
    LayOutGrid(doc.P, g, options, m, result.grid, s, result.grid.left() + width, gt, b.Current());
    const int half = result.lineWidth / 2 + 1;
    b.Box(BoxKind::Grid, result.grid.adjusted(-half, -half, half, half));
  }
  // Without a grid the clues begin where the grid would have.
  y = gridTop + gridHeight;
  const int k = page.ColumnsPerPage();
  const int C = usable / k;
  result.clueColumnWidth = C;
  const int wrap = static_cast<int>(0.9 * C);

  FlowState& st = pre.start;
  st.y = y + kSectionGap;
  st.columnTop = st.y;
  const int clueHeight = b.TM(FontRole::Clue);
  if (options.key) {
    std::vector<std::string> lines = ClueLayout::Wrap(doc.P.QuoteOrig, usable, FontRole::Clue, m);
    for (auto& line : ClueLayout::Wrap("The Quotella is: " + PageLayout::AuthorAndWork(doc.P),
                                       usable, FontRole::Clue, m))
      lines.push_back(std::move(line));
    const int height = clueHeight * static_cast<int>(lines.size());
    if (st.y + height > bottom) {
      st.y = b.ContinuationPage(options);
      st.page = b.PageIndex();
    }
    b.Box(BoxKind::Key, QRect(PageLayout::kInset, st.y, usable, height));
    for (const auto& line : lines) {
      b.Text({FontRole::Clue, PageLayout::kInset, st.y, line});
      st.y += clueHeight;
    }
    st.y += clueHeight;
    st.columnTop = st.y;
  }
  if (options.help) {
    if (options.key) st.y += kSectionGap;
    pre.blocks.push_back(HelpBlock(wrap, m));
  }
  if (options.content != PrintOptions::Content::Grid) {
    result.clues = ClueLayout::Build(doc, wrap, wrap, m);
    for (std::size_t i = 0; i < result.clues.size(); ++i) {
      const int row = static_cast<int>(i);
      pre.blocks.push_back(ClueFlowBlock(result.clues[i], row, doc.Label(row), options.key, m));
    }
  }
  pre.pages = std::move(b.Pages());
  return pre;
}

// Flows the blocks after the prelude; the columns of page lastPage end at cap. A trial
// flow only counts its pages and leaves the prelude's pages out.
PageLayoutResult Flow(const Prelude& pre, const PrintOptions& options, const PageFormat& page,
                      const TextMeasure& m, int lastPage, int cap, bool trial = false) {
  PageLayoutResult result = trial ? PageLayoutResult{} : pre.result;
  PageBuilder b(page, m);
  if (trial) {
    b.CountOnly();
    b.Pages().resize(pre.pages.size());
  } else {
    b.Pages() = pre.pages;
  }
  PageBuilder scratch(page, m);
  const int continuationTop = scratch.ContinuationPage(options);
  const int bottom = FooterTop(page, m) - kFooterGap;
  ColumnFlow flow(b, options, page.ColumnsPerPage(), pre.result.clueColumnWidth, bottom,
                  continuationTop, lastPage, cap);
  flow.state = pre.start;
  for (const auto& block : pre.blocks) {
    const CluePlacement at = flow.Place(block);
    if (block.kind == BoxKind::Clue) result.placements.push_back(at);
  }
  result.pages = std::move(b.Pages());
  return result;
}

// Page numbers on every page of a longer puzzle, the copyright at the foot of the last.
void LayOutFooters(PageLayoutResult& r, const PrintOptions& options, const PageFormat& page,
                   const TextMeasure& m) {
  const int y = FooterTop(page, m);
  const int count = static_cast<int>(r.pages.size());
  const int height = m.TextHeight(FontRole::Copyright, "M");
  const int right = page.width - PageLayout::kInset;
  int numberWidth = 0;
  if (count > 1) {
    const std::string widest = "Page " + std::to_string(count) + " of " + std::to_string(count);
    numberWidth = m.TextWidth(FontRole::Copyright, widest);
    for (int i = 0; i < count; ++i) {
      const std::string text = "Page " + std::to_string(i + 1) + " of " + std::to_string(count);
      auto& p = r.pages[static_cast<std::size_t>(i)];
      p.texts.push_back(
          {FontRole::Copyright, right - m.TextWidth(FontRole::Copyright, text), y, text});
      p.boxes.push_back({BoxKind::PageNumber, QRect(right - numberWidth, y, numberWidth, height)});
    }
  }
  if (!options.copyrightOnLastPage || Trim(options.copyright).empty()) return;
  PageBuilder b(page, m);
  b.Pages().push_back(std::move(r.pages.back()));
  const int width = b.Usable() - (numberWidth > 0 ? 2 * (numberWidth + kPageNumberGap) : 0);
  const FittedText f = Fit(m, FontRole::Copyright, options.copyright, width, 1);
  const int w = m.StyledWidth(FontRole::Copyright, f.lines.front(), f.scale, false);
  b.Text({FontRole::Copyright, (page.width - w) / 2, y, f.lines.front(), f.scale});
  b.Box(BoxKind::Copyright, QRect((page.width - width) / 2, y, width, f.lineHeight));
  r.pages.back() = std::move(b.Current());
}

}  // namespace

PageLayoutResult PageLayout::Compute(const PuzzleDocument& doc, const PrintOptions& options,
                                     const PageFormat& page, const TextMeasure& measure) {
  const Prelude pre = LayOutPrelude(doc, options, page, measure);
  PageLayoutResult result = Flow(pre, options, page, measure, -1, INT_MAX);
  // The last page's columns are balanced: the lowest column bottom that still holds
  // every block of that page.
  const int last = static_cast<int>(result.pages.size()) - 1;
  const std::size_t pages = result.pages.size();
  if (!pre.blocks.empty()) {
    int low = 0;
    int high = FooterTop(page, measure) - kFooterGap;
    while (low < high) {
      const int mid = (low + high) / 2;
      if (Flow(pre, options, page, measure, last, mid, true).pages.size() == pages)
        high = mid;
      else
        low = mid + 1;
    }
    result = Flow(pre, options, page, measure, last, high);
  }
  LayOutFooters(result, options, page, measure);
  return result;
}

bool PageLayout::FitColumnsToCellSize(PuzzleDocument& doc, int cellSize, const PageFormat& page,
                                      const PrintOptions& options, const TextMeasure& measure) {
  const int usable = page.width - 2 * kInset;
  GridGeometry& g = doc.Grid;
  if (g.Columns * cellSize > usable) {
    while (g.Columns * cellSize > usable && SqueezeGrid1Click(doc)) {
    }
  } else {
    while (g.Columns * cellSize < usable && StretchGrid1Click(doc)) {
    }
  }
  // The page prints squares of usable / columns dots; they must fit below the header.
  const int printed = usable / std::max(g.Columns, 1);
  if (g.Rows * printed > GridRoom(options, page, measure)) {
    doc.host().Message(kGridWarning);
    return false;
  }
  return true;
}

std::optional<std::string> PageLayout::Unfinished(const PuzzleDocument& doc) {
  // An answer holding no more than its initial is empty.
  int empty = 0;
  for (int row = 0; row < doc.P.NumWords; ++row)
    if (doc.KeyWords.At(2, row).empty()) ++empty;
  int unlabelled = 0;
  for (int i = 1; i <= doc.P.NumCells; ++i) {
    const auto& cell = doc.P.Cells[static_cast<std::size_t>(i)];
    if (cell.CellNumber != 0 && cell.CellLabel.empty()) ++unlabelled;
  }
  if (empty == 0 && unlabelled == 0) return std::nullopt;
  return std::to_string(empty) + (empty == 1 ? " answer is" : " answers are") + " empty and " +
         std::to_string(unlabelled) + (unlabelled == 1 ? " cell has" : " cells have") +
         " no label.";
}

std::string PageLayout::AuthorAndWork(const Tpuzzle& p) {
  const std::string author = Trim(p.AuthorOrig);
  const std::string work = Trim(p.WorkOrig);
  if (author.empty() || work.empty()) return author + work;
  return author + " \u2014 " + work;
}

}  // namespace quotella
