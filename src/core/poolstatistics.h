#pragma once

#include <string>

#include "core/document.h"

namespace quotella {

// What the pool status shows, computed from the document and its caret alone. Nothing
// here is written back: the document's stored figures and the panel texts are made from
// it by their own steps.
struct PoolStatistics {
  int total = 0;
  int vowels = 0;
  int consonants = 0;
  // Answer rows that hold only their initial.
  int emptyWords = 0;
  // Pool letters per empty word; 0 without an empty word.
  double avgWordLength = 0.0;
  // Vowels over all pool letters, 0 to 1; 0 for an empty pool.
  double vowelShare = 0.0;
  // Letters whose pool count is at least the number of empty words, alphabetical; empty
  // without an empty word.
  std::string useUp;
  // Problem letters of the pool repeated by their counts, then split into the primary
  // and the secondary ones.
  std::string problemPool;
  std::string primaryProblems;
  std::string secondaryProblems;
  // Every letter of the pool repeated by its count, alphabetical.
  std::string poolLetters;
  // The caret: printed number of the cell its letter maps to (0 for none), its letter and
  // the label of its row (both empty off the table).
  int caretCell = 0;
  std::string caretLetter;
  std::string caretRowLabel;

  bool operator==(const PoolStatistics&) const = default;
};

PoolStatistics ComputePoolStatistics(const PuzzleDocument& doc);

}  // namespace quotella
