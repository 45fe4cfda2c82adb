#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "core/fittest_types.h"
#include "core/geometry_types.h"
#include "core/host.h"
#include "core/random.h"
#include "core/tpuzzle.h"
#include "core/viewstate.h"

namespace quotella {

// The one puzzle of a run with its tables, clue lines and flags. Created once with the
// host that shows its messages; cleared and refilled for every puzzle, never replaced.
// Views subscribe to its notifications and repaint from it; they never change it.
class PuzzleDocument {
 public:
  explicit PuzzleDocument(Host& host) : m_host(&host) {}
  PuzzleDocument(const PuzzleDocument&) = delete;
  PuzzleDocument& operator=(const PuzzleDocument&) = delete;

  Host& host() const { return *m_host; }
  void SetHost(Host& host) { m_host = &host; }

  // The caret and the chosen views. A document has one of its own; a window that owns
  // the view state attaches it (it must outlive the document's use of it).
  ViewState& view() { return *m_view; }
  const ViewState& view() const { return *m_view; }
  void AttachView(ViewState& view) { m_view = &view; }

  Tpuzzle P;
  StringTable KeyWords;                // answer-word table
  StringTable NumberGrid;              // number map: cell index of each answer letter
  std::vector<std::string> ClueLines;  // the clue list, one line per answer word
  std::array<TClueRecord, kMaxWords + 1> ClueRecords{};  // [1..52]

  bool PuzzleExists = false;
  bool PuzzleChanged = false;
  // Counts the resets of the document: a new value means a puzzle was made or loaded.
  unsigned PuzzleGeneration = 0;
  std::array<bool, 26> LetterLocked{};

  RandomGenerator Rng;

  // After a candidate is taken or Esc is pressed, move to the next answer row.
  bool AutoRowAdvance = false;

  // The quotation grid's shape and the printer values behind the cell size.
  GridGeometry Grid;

  // The scan conditions below the answer-word table ("Must Have", Min, Max, On/Off).
  ScanConditions Conditions;

  // The three pool grids as data: row 0 is the header, rows 1..26 the letters;
  // columns 0 letter, 1 pool count, 2 rank.
  using PoolGrid = std::array<std::array<std::string, 3>, 27>;
  PoolGrid CharPoolGrid{};
  PoolGrid RankGrid{};
  PoolGrid PoolNumSortGrid{};

  // The primary problem letters still in the pool as last computed.
  std::string PrimaryProblemStr = "GYPWBVKXJQZ";

  // A letter-frequency string from the settings; empty for the built-in order.
  std::string SettingsFreqString;

  // Label of a 0-based answer row ("A" .. "Z", "AA" .. "ZZ").
  const std::string& Label(int row) const { return P.Labels[static_cast<std::size_t>(row) + 1]; }

  // Notifications. Listeners run in subscription order.
  enum class Change { Pool, Cells, Table, Clues, Everything };
  using Listener = std::function<void(Change)>;
  void Subscribe(Listener listener) { m_listeners.push_back(std::move(listener)); }
  void Notify(Change change) const {
    for (const auto& l : m_listeners) l(change);
  }

  // While held, pool changes leave the pool views and the pool status as they are: a
  // change of many letters at once (a construction laying in every answer's initial)
  // refreshes them once when it is done. Holds nest.
  void HoldPoolViews() { ++m_poolViewsHeld; }
  void ReleasePoolViews() { --m_poolViewsHeld; }
  bool PoolViewsHeld() const { return m_poolViewsHeld > 0; }

 private:
  Host* m_host;
  ViewState m_ownView;
  ViewState* m_view = &m_ownView;
  std::vector<Listener> m_listeners;
  int m_poolViewsHeld = 0;
};

// Pool bookkeeping: each letter A-Z of s (upper-cased) leaves or returns to the pool;
// then, unless the document holds them, the pool views and the pool status are refreshed
// (RefreshPoolViews and UpdateCharStatus). Other characters count nothing.
void TakeFromPool(PuzzleDocument& doc, const std::string& s);
void ReturnToPool(PuzzleDocument& doc, const std::string& s);

// Labels[i] := letter 64+i for 1..26, the letter doubled for 27..52.
void MakeLabels(Tpuzzle& p);

}  // namespace quotella
