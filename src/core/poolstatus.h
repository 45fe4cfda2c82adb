#pragma once

#include "core/document.h"

namespace quotella {

// The pool views and status texts.
// Column 1 of the pool grids := pool counts, then the rank and count orders.
void RefreshPoolViews(PuzzleDocument& doc);
// Every pool status text and the hint, through the host.
void UpdateCharStatus(PuzzleDocument& doc);
// Headers, letters and ranks of the three pool grids for a fresh puzzle.
void ResetPoolGrids(PuzzleDocument& doc);

}  // namespace quotella
