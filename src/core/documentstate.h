#pragma once

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "core/document.h"

namespace quotella {

// A compact copy of everything an edit of the puzzle can change: the puzzle record with
// the cells in use, both tables, the clue lines, the letter locks, the generator's seed,
// the grid shape, the scan conditions, the bound texts (title, byline, copyright) and the
// pool views that go with them. The caret and the chosen views are not part of it.
//
// A state is made of immutable parts (puzzle record, runs of cells, tables, clues, pool
// views) held by shared pointers. Capturing against an earlier state reuses every part
// that has not changed, so a step that exchanges two cells costs a few runs of cells,
// not a copy of the puzzle.
class DocumentState {
 public:
  DocumentState() = default;

  // The document now. Parts equal to those of `reference` are shared with it.
  static DocumentState Capture(const PuzzleDocument& doc, const std::vector<std::string*>& texts,
                               const DocumentState* reference = nullptr);

  // Puts the state back into the document and the bound texts. Display marks of a
  // pending exchange (letter highlight, best-partner marks) are cleared; listeners are
  // told that everything changed.
  void Restore(PuzzleDocument& doc, const std::vector<std::string*>& texts) const;

  // Same puzzle: equal apart from the display marks, the pool views and
  // the PuzzleChanged flag. An operation that leaves the puzzle the same makes no step.
  bool SamePuzzle(const DocumentState& other) const;

  bool Empty() const { return m_head == nullptr; }

  bool PuzzleChanged() const { return m_puzzleChanged; }
  void SetPuzzleChanged(bool changed) { m_puzzleChanged = changed; }

  // Cells (1-based indices) whose answer-word assignment differs between the two states.
  std::vector<int> ReassignedCells(const DocumentState& other) const;
  // The printed number of cell i (1-based), 0 when the state has no such cell.
  int CellNumber(int i) const;

  // Adds the bytes of the parts not yet in `seen` to total (shared parts count once).
  void CountBytes(std::set<const void*>& seen, std::size_t& total) const;

  struct Head;
  struct Tables;

 private:
  std::shared_ptr<const Head> m_head;
  // The cells in use, in runs of kChunk: an edit copies only the runs it touched.
  static constexpr std::size_t kChunk = 32;
  using CellRun = std::vector<TMasterCellRec>;
  const TMasterCellRec& CellAt(std::size_t k) const { return (*m_cells[k / kChunk])[k % kChunk]; }
  std::vector<std::shared_ptr<const CellRun>> m_cells;
  std::size_t m_cellCount = 0;
  std::shared_ptr<const Tables> m_tables;
  std::shared_ptr<const std::vector<std::string>> m_clues;

  // Not part of the puzzle: they follow it but never make a step on their own.
  bool m_puzzleChanged = false;
  std::shared_ptr<const std::vector<PuzzleDocument::PoolGrid>> m_poolViews;
  std::string m_primaryProblemStr;
};

}  // namespace quotella
