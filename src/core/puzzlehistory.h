#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "core/document.h"
#include "core/documentstate.h"

namespace quotella {

// Undo and redo for every change to the puzzle.
//
// A step is a named pair of document states, before and after one user action. The
// undo list holds at most kMaxSteps steps (the oldest go first); the redo list holds the
// steps undone since the last new step. Undo puts a step's before-state back, redo its
// after-state, so a change made outside the history is simply overwritten, never mixed in.
//
// The saved marker is the position (steps from the start of the history) whose state is
// the one on disk; PuzzleChanged is true exactly when the document is away from it.
// Making a new puzzle or loading one (anything that resets the document) starts a new
// history at the saved position, and an operation that clears PuzzleChanged without a
// reset has saved the puzzle: both are recognised here, so a window can wrap every
// command alike, opening and saving included.
//
// Step names are UTF-8 display texts ("Swap 12 ↔ 40"); the window puts "Undo " or
// "Redo " in front.
class PuzzleHistory {
 public:
  static constexpr int kMaxSteps = 200;

  explicit PuzzleHistory(PuzzleDocument& doc) : m_doc(&doc) {}
  PuzzleHistory(const PuzzleHistory&) = delete;
  PuzzleHistory& operator=(const PuzzleHistory&) = delete;

  // Texts that belong to the puzzle but live outside the document (title, byline and
  // copyright boxes). They must outlive the history.
  void BindTexts(std::vector<std::string*> texts) { m_texts = std::move(texts); }

  // A new history: the document as it is now is the start and the saved state.
  void Start();
  // The document as it is now was saved.
  void MarkSaved();

  // A step around any operation: Begin before it, Commit after it. Nested pairs make one
  // step, named by the outermost Begin. Commit records the step only when the puzzle
  // changed and returns whether it did; a change also sets PuzzleChanged.
  void Begin(std::string name);
  bool Commit();
  // The name of the open step, for an operation that knows better once it is done.
  void Rename(std::string name);
  // The cells whose assignment the open step has changed so far.
  std::vector<int> ReassignedCells() const;
  // The printed number of cell i in the open step's before-state.
  int CellNumberBefore(int i) const { return m_pending.CellNumber(i); }

  // Begin, op, Commit.
  bool Record(std::string name, const std::function<void()>& op);

  // After the fact: whatever changed since the latest state the history saw (the end of
  // the last step, undo, redo or checkpoint) becomes a step now. For changes made by
  // controls that edit the document themselves (text boxes). A typing id >= 0 makes
  // consecutive checkpoints of that id one step, as RecordTyping does for its rows.
  bool Checkpoint(std::string name, int typingId = -1);
  // The cells whose assignment changed since the latest state seen, and their printed
  // numbers then.
  std::vector<int> ReassignedSinceLast() const;
  int CellNumberLast(int i) const { return m_last.CellNumber(i); }

  // A key typed into answer row `row`. Keys typed into one row make one step, which
  // stays open until the caret leaves the row (CaretAt another row), another step
  // begins, or the history is undone, redone or saved.
  bool RecordTyping(int row, std::string name, const std::function<void()>& op);
  void CaretAt(int row);
  void CloseTyping() { m_typingRow = -1; }

  // False once a puzzle was made or loaded behind the history's back (the next step,
  // checkpoint, undo or redo starts a new history then).
  bool Current() const { return m_generation == m_doc->PuzzleGeneration; }

  bool CanUndo() const { return Current() && !m_undo.empty(); }
  bool CanRedo() const { return Current() && !m_redo.empty(); }
  const std::string& UndoName() const;
  const std::string& RedoName() const;
  bool Undo();
  bool Redo();

  int UndoCount() const { return static_cast<int>(m_undo.size()); }
  int RedoCount() const { return static_cast<int>(m_redo.size()); }
  bool AtSaved() const { return Position() == m_saved; }
  // Bytes held by the recorded states (shared parts counted once per state).
  std::size_t Bytes() const;

  // Runs after every change of the lists or the saved marker (menu captions follow it).
  std::function<void()> Changed;

 private:
  struct Step {
    std::string name;
    DocumentState before;
    DocumentState after;
  };

  void FollowReset() {
    if (!Current()) Start();
  }
  long Position() const { return m_dropped + static_cast<long>(m_undo.size()); }
  DocumentState CaptureNow() const;
  void Push(Step step);
  void Tell() const {
    if (Changed) Changed();
  }

  PuzzleDocument* m_doc;
  std::vector<std::string*> m_texts;
  std::deque<Step> m_undo;
  std::vector<Step> m_redo;  // back() is the next redo
  long m_dropped = 0;        // steps that fell off the front of the undo list
  long m_saved = 0;          // position of the saved state; -1 when it cannot come back
  int m_depth = 0;
  std::string m_pendingName;
  DocumentState m_pending;  // before-state of the open step
  DocumentState m_last;     // the latest state seen; new captures share its parts
  int m_typingRow = -1;     // row of the open typed word, -1 when none
  unsigned m_generation = 0;
};

// "Swap 12 ↔ 40": the exchange of the cells printed a and b.
std::string SwapStepName(int a, int b);

}  // namespace quotella
