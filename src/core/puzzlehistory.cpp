#include "core/puzzlehistory.h"

#include <set>

namespace quotella {

DocumentState PuzzleHistory::CaptureNow() const {
  const DocumentState* reference = m_depth > 0 && !m_pending.Empty() ? &m_pending : &m_last;
  return DocumentState::Capture(*m_doc, m_texts, reference);
}

void PuzzleHistory::Start() {
  m_undo.clear();
  m_redo.clear();
  m_dropped = 0;
  m_saved = 0;
  m_depth = 0;
  m_typingRow = -1;
  m_pending = {};
  m_generation = m_doc->PuzzleGeneration;
  m_last = DocumentState::Capture(*m_doc, m_texts);
  Tell();
}

void PuzzleHistory::MarkSaved() {
  m_typingRow = -1;
  m_saved = Position();
  Tell();
}

void PuzzleHistory::Begin(std::string name) {
  m_typingRow = -1;
  if (m_depth == 0) FollowReset();
  if (m_depth++ > 0) return;
  m_pendingName = std::move(name);
  m_pending = CaptureNow();
}

void PuzzleHistory::Rename(std::string name) {
  if (m_depth > 0) m_pendingName = std::move(name);
}

std::vector<int> PuzzleHistory::ReassignedCells() const {
  if (m_depth == 0) return {};
  return m_pending.ReassignedCells(CaptureNow());
}

bool PuzzleHistory::Commit() {
  if (m_depth == 0 || --m_depth > 0) return false;
  if (!Current()) {  // a puzzle was made or loaded
    Start();
    return false;
  }
  DocumentState after = DocumentState::Capture(*m_doc, m_texts, &m_pending);
  DocumentState before = std::move(m_pending);
  m_pending = {};
  if (before.PuzzleChanged() && !m_doc->PuzzleChanged) {  // saved
    m_last = std::move(after);
    MarkSaved();
    return false;
  }
  if (after.SamePuzzle(before)) {
    m_last = std::move(after);
    return false;
  }
  m_doc->PuzzleChanged = true;
  after.SetPuzzleChanged(true);
  m_last = after;
  Push({std::move(m_pendingName), std::move(before), std::move(after)});
  Tell();
  return true;
}

void PuzzleHistory::Push(Step step) {
  if (m_saved > Position()) m_saved = -1;  // the saved state was among the undone steps
  m_redo.clear();
  m_undo.push_back(std::move(step));
  while (static_cast<int>(m_undo.size()) > kMaxSteps) {
    m_undo.pop_front();
    ++m_dropped;
  }
  if (m_saved >= 0 && m_saved < m_dropped) m_saved = -1;
}

bool PuzzleHistory::Record(std::string name, const std::function<void()>& op) {
  Begin(std::move(name));
  op();
  return Commit();
}

std::vector<int> PuzzleHistory::ReassignedSinceLast() const {
  return m_last.ReassignedCells(DocumentState::Capture(*m_doc, m_texts, &m_last));
}

bool PuzzleHistory::Checkpoint(std::string name, int typingId) {
  if (m_depth > 0) return false;
  if (!Current()) {
    Start();
    return false;
  }
  DocumentState now = DocumentState::Capture(*m_doc, m_texts, &m_last);
  if (m_last.PuzzleChanged() && !m_doc->PuzzleChanged) {  // saved
    m_last = std::move(now);
    MarkSaved();
    return false;
  }
  if (now.SamePuzzle(m_last)) {
    m_last = std::move(now);
    return false;
  }
  if (typingId >= 0 && typingId == m_typingRow && !m_undo.empty()) {
    m_doc->PuzzleChanged = true;
    now.SetPuzzleChanged(true);
    m_undo.back().after = now;
    m_last = std::move(now);
    Tell();
    return true;
  }
  m_doc->PuzzleChanged = true;
  now.SetPuzzleChanged(true);
  DocumentState before = std::move(m_last);
  m_last = now;
  Push({std::move(name), std::move(before), std::move(now)});
  m_typingRow = typingId;
  Tell();
  return true;
}

bool PuzzleHistory::RecordTyping(int row, std::string name, const std::function<void()>& op) {
  FollowReset();
  const bool extend = row >= 0 && row == m_typingRow && m_depth == 0 && !m_undo.empty();
  if (!extend) {
    Begin(std::move(name));
    op();
    const bool recorded = Commit();
    if (recorded) m_typingRow = row;
    return recorded;
  }
  op();
  DocumentState after = DocumentState::Capture(*m_doc, m_texts, &m_last);
  Step& word = m_undo.back();
  if (after.SamePuzzle(word.after)) {
    m_last = std::move(after);
    return false;
  }
  if (after.SamePuzzle(word.before)) {
    // Typed and rubbed out again: the word leaves no step behind.
    m_undo.pop_back();
    m_typingRow = -1;
    m_doc->PuzzleChanged = Position() != m_saved;
    m_last = std::move(after);
    Tell();
    return false;
  }
  m_doc->PuzzleChanged = true;
  after.SetPuzzleChanged(true);
  word.after = after;
  m_last = std::move(after);
  Tell();
  return true;
}

void PuzzleHistory::CaretAt(int row) {
  if (row != m_typingRow) m_typingRow = -1;
}

const std::string& PuzzleHistory::UndoName() const {
  static const std::string none;
  return m_undo.empty() ? none : m_undo.back().name;
}

const std::string& PuzzleHistory::RedoName() const {
  static const std::string none;
  return m_redo.empty() ? none : m_redo.back().name;
}

bool PuzzleHistory::Undo() {
  FollowReset();
  if (m_undo.empty() || m_depth > 0) return false;
  m_typingRow = -1;
  Step step = std::move(m_undo.back());
  m_undo.pop_back();
  step.before.Restore(*m_doc, m_texts);
  m_doc->PuzzleChanged = Position() != m_saved;
  m_last = step.before;
  m_last.SetPuzzleChanged(m_doc->PuzzleChanged);
  m_redo.push_back(std::move(step));
  Tell();
  return true;
}

bool PuzzleHistory::Redo() {
  FollowReset();
  if (m_redo.empty() || m_depth > 0) return false;
  m_typingRow = -1;
  Step step = std::move(m_redo.back());
  m_redo.pop_back();
  step.after.Restore(*m_doc, m_texts);
  m_undo.push_back(std::move(step));
  m_doc->PuzzleChanged = Position() != m_saved;
  m_last = m_undo.back().after;
  m_last.SetPuzzleChanged(m_doc->PuzzleChanged);
  Tell();
  return true;
}

std::size_t PuzzleHistory::Bytes() const {
  std::set<const void*> seen;
  std::size_t total = 0;
  for (const Step& s : m_undo) {
    s.before.CountBytes(seen, total);
    s.after.CountBytes(seen, total);
  }
  for (const Step& s : m_redo) {
    s.before.CountBytes(seen, total);
    s.after.CountBytes(seen, total);
  }
  return total;
}

std::string SwapStepName(int a, int b) {
  return "Swap " + std::to_string(a) + " \xE2\x86\x94 " + std::to_string(b);
}

}  // namespace quotella
