#pragma once

#include <string>

#include "core/document.h"
#include "core/poolstatistics.h"

namespace quotella {

// The letter-pool views and status texts: three pool grids (alphabetical, by frequency
// rank, by count), the two small status bars under the pool, the hint and the
// problem-letter panel of the main status bar.

// Column 1 of the pool grids := pool counts, then the rank and count orders.
void RefreshPoolViews(PuzzleDocument& doc);
// Column 1 of RankGrid := the pool count of the letter in column 0.
void UpdateRankSort(PuzzleDocument& doc);
// Rebuilds PoolNumSortGrid: largest count on row 1; among equal counts the later letter
// of the alphabet stands higher.
void UpdateNumSort(PuzzleDocument& doc);
// The pool figures kept in the document (average word length, vowel percentage, problem
// letters, and the pool letters while the main status bar lists them), then every pool
// status text and the hint, through the host.
void UpdateCharStatus(PuzzleDocument& doc);
// The status texts alone, from the document as it is: nothing in it is written. For a
// change of what is shown (the caret moved, a recorded state put back).
void ShowPoolStatus(const PuzzleDocument& doc);
// Keeps the figures of s in the document.
void StorePoolFigures(PuzzleDocument& doc, const PoolStatistics& s);
// Headers, letters and ranks of the three pool grids for a fresh puzzle; also derives
// ReverseFreqOrder from FreqOrder.
void ResetPoolGrids(PuzzleDocument& doc);

// Shows a non-empty text as the hint unchanged, otherwise computes one from the pool.
// Returns the text shown (main status bar, panel 2).
std::string GiveHint(PuzzleDocument& doc, const std::string& text = {});

// Primary problem letters of s: empty when NumProblemChars <= 11, else s without the
// secondary problem letters (ReverseFreqOrder positions 12 .. NumProblemChars).
std::string FirstEleven(const Tpuzzle& p, const std::string& s);
// Secondary problem letters of s: s without the 11 rarest letters.
std::string StripEleven(const Tpuzzle& p, const std::string& s);

int PoolTotal(const Tpuzzle& p);
int PoolVowels(const Tpuzzle& p);
int PoolConsonants(const Tpuzzle& p);

// Every problem letter with a positive pool count, repeated by its count, alphabetical.
std::string ProblemPoolString(const Tpuzzle& p);
// Every letter repeated by its pool count, alphabetical.
std::string PoolLetterString(const Tpuzzle& p);

// Number text in the general format with the given significant digits, trailing zeros
// dropped ("4.5", "12", "33.3").
std::string FormatGeneral(double value, int significantDigits);

// Pool grid choice: 0 "Alpha", 1 "Rank", 2 "Sort" (plays "type0"). Other values are
// ignored.
void SetPoolView(PuzzleDocument& doc, int view);
// The grid of the current pool view.
const PuzzleDocument::PoolGrid& VisiblePoolGrid(const PuzzleDocument& doc);

// Double click on a row of the visible pool grid: on the Pool column the row's letter is
// appended to the must-have letters, on the Rank column its first occurrence there is
// removed. Other cells change nothing. Returns true when the must-have text changed.
bool PoolGridDblClick(PuzzleDocument& doc, int col, int row);

// The letter lock of the popup menu on the alphabetical pool grid, for the letter of
// row 1..26: the popup's caption, and the toggle.
std::string LockPopupCaption(const PuzzleDocument& doc, int row);
void LockPopupClick(PuzzleDocument& doc, int row);

// Double click on the main status bar: problem letters <-> whole pool.
void StatusBar1DblClick(PuzzleDocument& doc);

}  // namespace quotella
