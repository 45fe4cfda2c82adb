#include "core/documentstate.h"

#include <algorithm>
#include <cstdint>

#include "core/geometry.h"
#include "core/poolstatus.h"

namespace quotella {

// The puzzle record but its cells (those are kept in runs), and what else of the document
// an edit can change. Compared and copied whole, so a field added to the puzzle record is
// undone with the rest.
struct DocumentState::Head {
  PuzzleFields Puzzle;
  std::array<bool, 26> LetterLocked{};
  std::uint32_t Seed = 0;
  int Columns = 1;
  int Rows = 1;
  ScanConditions Conditions;
  std::vector<std::string> Texts;

  bool operator==(const Head&) const = default;
};

// The two tables as their non-empty entries: a two-byte position, a length byte and the
// text. A full 1000-letter puzzle takes a few kilobytes instead of two 52 x 52 grids.
struct DocumentState::Tables {
  std::string keyWords;
  std::string numberGrid;
  bool operator==(const Tables&) const = default;
};

namespace {

std::string Encode(const StringTable& table) {
  std::string out;
  for (int row = 0; row < kTableSize; ++row) {
    for (int col = 0; col < kTableSize; ++col) {
      const std::string& s = table.At(col, row);
      if (s.empty()) continue;
      const int pos = row * kTableSize + col;
      const std::size_t len = s.size() < 255 ? s.size() : 255;
      out += static_cast<char>(pos & 0xFF);
      out += static_cast<char>(pos >> 8);
      out += static_cast<char>(len);
      out.append(s, 0, len);
    }
  }
  return out;
}

void Decode(const std::string& in, StringTable& table) {
  table.Clear();
  std::size_t k = 0;
  while (k + 3 <= in.size()) {
    const int pos = static_cast<unsigned char>(in[k]) | static_cast<unsigned char>(in[k + 1]) << 8;
    const std::size_t len = static_cast<unsigned char>(in[k + 2]);
    table.At(pos % kTableSize, pos / kTableSize).assign(in, k + 3, len);
    k += 3 + len;
  }
}

// The cell without its display marks (highlights, exchange marks, the caret).
TMasterCellRec Unmarked(TMasterCellRec cell) {
  cell.Highlight = false;
  cell.SwapMark = false;
  cell.WordHighlight = false;
  cell.CommonMark = false;
  cell.Cursor = false;
  return cell;
}

// Equal apart from the display marks: a field that is not a mark counts.
bool SameCell(const TMasterCellRec& a, const TMasterCellRec& b) {
  return a == b || Unmarked(a) == Unmarked(b);
}

int CellsInUse(const Tpuzzle& p) {
  return p.NumCells < 0 ? 0 : p.NumCells > kMaxCells ? kMaxCells : p.NumCells;
}

// The part of `reference` when it equals what `same` finds in the document, else a new one.
template <typename T, typename Same, typename Make>
std::shared_ptr<const T> Reuse(const std::shared_ptr<const T>& reference, Same same, Make make) {
  if (reference && same(*reference)) return reference;
  return std::make_shared<const T>(make());
}

}  // namespace

DocumentState DocumentState::Capture(const PuzzleDocument& doc,
                                     const std::vector<std::string*>& texts,
                                     const DocumentState* reference) {
  static const DocumentState none;
  const DocumentState& ref = reference ? *reference : none;
  DocumentState s;

  Head head;
  head.Puzzle = doc.P;
  head.LetterLocked = doc.LetterLocked;
  head.Seed = doc.Rng.Seed();
  head.Columns = doc.Grid.Columns;
  head.Rows = doc.Grid.Rows;
  head.Conditions = doc.Conditions;
  for (const std::string* t : texts) head.Texts.push_back(t ? *t : std::string());
  s.m_head = ref.m_head && *ref.m_head == head ? ref.m_head
                                               : std::make_shared<const Head>(std::move(head));

  const std::size_t count = static_cast<std::size_t>(CellsInUse(doc.P));
  s.m_cellCount = count;
  for (std::size_t start = 0; start < count; start += kChunk) {
    const auto first = doc.P.Cells.begin() + static_cast<std::ptrdiff_t>(start + 1);
    const std::size_t size = std::min(kChunk, count - start);
    const std::size_t chunk = start / kChunk;
    const std::shared_ptr<const CellRun> none;
    s.m_cells.push_back(Reuse<CellRun>(
        chunk < ref.m_cells.size() ? ref.m_cells[chunk] : none,
        [&](const CellRun& run) {
          if (run.size() != size) return false;
          for (std::size_t k = 0; k < size; ++k)
            if (!(run[k] == first[static_cast<std::ptrdiff_t>(k)])) return false;
          return true;
        },
        [&] { return CellRun(first, first + static_cast<std::ptrdiff_t>(size)); }));
  }

  Tables tables{Encode(doc.KeyWords), Encode(doc.NumberGrid)};
  s.m_tables = ref.m_tables && *ref.m_tables == tables
                   ? ref.m_tables
                   : std::make_shared<const Tables>(std::move(tables));
  s.m_clues = Reuse<std::vector<std::string>>(
      ref.m_clues, [&](const std::vector<std::string>& c) { return c == doc.ClueLines; },
      [&] { return doc.ClueLines; });
  s.m_poolViews = Reuse<std::vector<PuzzleDocument::PoolGrid>>(
      ref.m_poolViews,
      [&](const std::vector<PuzzleDocument::PoolGrid>& v) {
        return v[0] == doc.CharPoolGrid && v[1] == doc.RankGrid && v[2] == doc.PoolNumSortGrid;
      },
      [&] {
        return std::vector<PuzzleDocument::PoolGrid>{doc.CharPoolGrid, doc.RankGrid,
                                                     doc.PoolNumSortGrid};
      });

  s.m_puzzleChanged = doc.PuzzleChanged;
  s.m_primaryProblemStr = doc.PrimaryProblemStr;
  return s;
}

namespace {

void PutHead(const DocumentState::Head& h, Tpuzzle& p) {
  static_cast<PuzzleFields&>(p) = h.Puzzle;
}

}  // namespace

void DocumentState::Restore(PuzzleDocument& doc, const std::vector<std::string*>& texts) const {
  if (Empty()) return;
  const Head& h = *m_head;
  PutHead(h, doc.P);
  doc.LetterLocked = h.LetterLocked;
  doc.Rng.SetSeed(h.Seed);
  doc.Grid.Columns = h.Columns;
  doc.Grid.Rows = h.Rows;
  doc.Conditions = h.Conditions;
  for (std::size_t k = 0; k < texts.size() && k < h.Texts.size(); ++k)
    if (texts[k]) *texts[k] = h.Texts[k];

  std::size_t i = 1;
  for (const auto& run : m_cells)
    for (const TMasterCellRec& cell : *run) doc.P.Cells[i++] = cell;
  for (; i < doc.P.Cells.size() && doc.P.Cells[i].Char != 0; ++i) doc.P.Cells[i] = {};
  for (std::size_t k = 1; k < doc.P.Cells.size(); ++k) {
    doc.P.Cells[k].Highlight = false;
    doc.P.Cells[k].SwapMark = false;
  }
  doc.view().HighlightActive = false;

  Decode(m_tables->keyWords, doc.KeyWords);
  Decode(m_tables->numberGrid, doc.NumberGrid);
  doc.ClueLines = *m_clues;
  doc.CharPoolGrid = (*m_poolViews)[0];
  doc.RankGrid = (*m_poolViews)[1];
  doc.PoolNumSortGrid = (*m_poolViews)[2];
  doc.PrimaryProblemStr = m_primaryProblemStr;
  doc.PuzzleChanged = m_puzzleChanged;

  // The status bars show the restored pool and shape; the pool figures stay as recorded.
  ShowShape(doc);
  ShowPoolStatus(doc);
  doc.Notify(PuzzleDocument::Change::Everything);
}

bool DocumentState::SamePuzzle(const DocumentState& other) const {
  if (Empty() || other.Empty()) return Empty() == other.Empty();
  if (m_head != other.m_head && !(*m_head == *other.m_head)) return false;
  if (m_tables != other.m_tables && !(*m_tables == *other.m_tables)) return false;
  if (m_clues != other.m_clues && *m_clues != *other.m_clues) return false;
  if (m_cellCount != other.m_cellCount) return false;
  for (std::size_t c = 0; c < m_cells.size(); ++c) {
    if (m_cells[c] == other.m_cells[c]) continue;
    const CellRun& a = *m_cells[c];
    const CellRun& b = *other.m_cells[c];
    for (std::size_t k = 0; k < a.size(); ++k)
      if (!SameCell(a[k], b[k])) return false;
  }
  return true;
}

std::vector<int> DocumentState::ReassignedCells(const DocumentState& other) const {
  std::vector<int> cells;
  if (Empty() || other.Empty()) return cells;
  const std::size_t n = std::min(m_cellCount, other.m_cellCount);
  for (std::size_t k = 0; k < n; ++k) {
    const TMasterCellRec& a = CellAt(k);
    const TMasterCellRec& b = other.CellAt(k);
    if (a.Mapped != b.Mapped || a.KeywordRow != b.KeywordRow || a.KeywordCol != b.KeywordCol)
      cells.push_back(static_cast<int>(k) + 1);
  }
  return cells;
}

int DocumentState::CellNumber(int i) const {
  if (Empty() || i < 1 || static_cast<std::size_t>(i) > m_cellCount) return 0;
  return CellAt(static_cast<std::size_t>(i) - 1).CellNumber;
}

void DocumentState::CountBytes(std::set<const void*>& seen, std::size_t& total) const {
  if (Empty()) return;
  if (seen.insert(m_head.get()).second) {
    total += sizeof(Head);
    for (const auto& t : m_head->Texts) total += t.size();
  }
  for (const auto& run : m_cells) {
    if (!seen.insert(run.get()).second) continue;
    total += run->size() * sizeof(TMasterCellRec);
    for (const auto& c : *run)
      for (const std::string* s : {&c.CellLabel, &c.Wordstr, &c.Labelstr})
        if (s->capacity() > 15) total += s->capacity();
  }
  if (seen.insert(m_tables.get()).second)
    total += sizeof(Tables) + m_tables->keyWords.size() + m_tables->numberGrid.size();
  if (seen.insert(m_clues.get()).second)
    for (const auto& c : *m_clues) total += sizeof(std::string) + c.size();
  if (seen.insert(m_poolViews.get()).second)
    total += m_poolViews->size() * sizeof(PuzzleDocument::PoolGrid);
}

}  // namespace quotella
