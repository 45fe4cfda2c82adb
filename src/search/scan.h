#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/document.h"
#include "search/wordlists.h"

namespace quotella {

// Candidate scans for the answer row under the caret (doc.view().CurRow): the row's letter file
// or one of the four word lists, each entry reduced to its letters and put through the
// fit test; what fits becomes the candidate list, in the order the scan meets it.

// The dictionary scan proper: reads the row's letter file into word list 1 and appends
// the fitting words to out. With applyConditions the fit test honours doc.Conditions
// (and so only while its switch is on). Returns false when the file was missing or
// unreadable (the message has been shown).
bool ScanDictionary(PuzzleDocument& doc, WordSources& src, bool applyConditions,
                    std::vector<std::string>& out);
// "Scan Dictionary" (F11): empties the candidates, scans with the conditions switch,
// shows the candidates and plays "ding", or "pshew" with "No candidates found". False when
// the letter file was missing or unreadable.
bool ScanDictionaryCommand(PuzzleDocument& doc, WordSources& src);

// Appends the fitting entries of word list n to the candidates, or the explanatory lines
// when none fits. Returns the number of fitting entries.
int ScanWordlist(PuzzleDocument& doc, WordSources& src, int n);
// "Scan List n" (F1..F4): names the list over the side picture, empties the candidates,
// scans, shows the candidates. No sound. Returns the number of fitting entries.
int ScanListCommand(PuzzleDocument& doc, WordSources& src, int n);

// "Scan Scored Lists": names the scored lists over the side picture, empties the
// candidates and appends the words of *src.Scored at or above its minimum that start with
// the row's letter and fit (with the conditions switch), best score first, equal scores
// alphabetical; or the explanatory lines when none fits. Shows the candidates; no sound.
// Returns the number of fitting words.
int ScanScoredLists(PuzzleDocument& doc, WordSources& src);

// The statistics of a clicked candidate: the vowel outlook for the pool status panel
// "Vowel %" and the five panels of the candidate status bar.
struct CandidateStats {
  std::string vowelOutlook;
  std::array<std::string, 5> panels;
};
// primaryProblemStr: the primary problem letters still in the pool, as last computed.
CandidateStats CandidateStatistics(const PuzzleDocument& doc, const std::string& line,
                                   const std::string& primaryProblemStr);

// Number texts of the status panels: value rounded to `significant` digits, written with
// `decimals` decimals ("45.7", "100.0").
std::string FixedNumber(double value, int significant, int decimals);
// value rounded to `significant` digits in the shortest form ("0.4", "5", "12").
std::string GeneralNumber(double value, int significant);

}  // namespace quotella
