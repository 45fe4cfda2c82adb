#pragma once

#include <string>

#include "core/document.h"

namespace quotella {

// May this word go into answer row `row` now? The word arrives normalised (upper
// case, letters only). A character outside A-Z never fits. With conditions, and only
// when conditions->on, the must-have letters and the length limits apply too.
// The initial is never drawn from the pool; must-have letters count after it.
bool WordFits(const PuzzleDocument& doc, const std::string& word, int row,
              const ScanConditions* conditions = nullptr);

// The same test on plain data: the row's initial, the pool and the locked letters.
bool WordFitsPool(const std::string& word, char initial, const LetterCounts& pool,
                  const std::array<bool, 26>& locked, const ScanConditions* conditions = nullptr);

}  // namespace quotella
