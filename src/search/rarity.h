#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/document.h"
#include "search/wordlists.h"

namespace quotella {

// The rarity colours of the quotella letters: the letters ranked by how many dictionary
// words begin with them, in four bands from the rarest (fill these rows first) to the
// most common.
enum class RarityBand { Red, Yellow, SkyBlue, MoneyGreen };

struct Rgb {
  int r, g, b;
  bool operator==(const Rgb&) const = default;
};
Rgb RarityRgb(RarityBand band);

struct RarityColors {
  std::array<RarityBand, 26> band{};  // per letter A-Z
  bool recountDone = false;           // "Set Rarity Colors to Dict" runs once per run
  bool logVisible = false;            // the progress log is on view during a recount

  RarityBand Of(char letter) const;
};

// Assigns the bands from the per-letter word counts: the letters sorted by count (equal
// counts alphabetically), 6 red, 8 yellow, 5 sky blue, 7 money green. Fills
// p.RarityOrder (rarest first) and appends one line per letter to log.
void InitRarityColors(Tpuzzle& p, const LetterCounts& counts, RarityColors& colors,
                      std::vector<std::string>& log, Host& host);

// "Set Rarity Colors to Dict": counts the letter files of the dictionary directory into
// src.DictWordCounts, reassigns the colours, logs the counts and explains the colours.
// Once per run; a failed count leaves the colours as they were and allows another try.
// Returns true when the colours were recounted.
bool SetRarityColorsToDict(PuzzleDocument& doc, WordSources& src, RarityColors& colors);
// Its second half, once src.DictWordCounts holds the counts: the bands, the log and the
// message.
void AssignDictRarityColors(PuzzleDocument& doc, WordSources& src, RarityColors& colors);

// A frequency order the program accepts: trimmed, the 26 letters A-Z once each.
bool ValidFreqOrder(const std::string& text);
// Uses freqOrder (valid) as the letter frequency: FreqOrder, ReverseFreqOrder, the
// problem letters and the rank view of the pool follow it.
void ApplyFreqOrder(PuzzleDocument& doc, const std::string& freqOrder);
// "Set Letter Frequency": prompts until the answer is valid, then applies it. Cancel
// keeps the present order. Returns true when an order was applied.
bool SetLetterFrequency(PuzzleDocument& doc);

}  // namespace quotella
