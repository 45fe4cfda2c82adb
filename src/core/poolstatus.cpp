#include "core/poolstatus.h"

namespace quotella {

// Filled in by the pool-status work; kept callable so every pool change already
// passes through here.
void RefreshPoolViews(PuzzleDocument& doc) {
  doc.Notify(PuzzleDocument::Change::Pool);
}
void UpdateCharStatus(PuzzleDocument&) {}
void ResetPoolGrids(PuzzleDocument&) {}

}  // namespace quotella
