#pragma once

#include <string>
#include <vector>

#include "search/scoredlist.h"

namespace quotella {

class PuzzleDocument;
class WordList;

// The file dialogs' filter for scored lists.
inline constexpr const char* kScoredListFilter = "Text files (*.txt)|*.txt|All files (*.*)|*.*";

// A word list written as a scored list, CR LF: the list's notes first, then one
// "WORD;SCORE" line an entry in the list's order (the word as the list holds it, a
// comment after "@" kept on a note line above it; a word met before and an empty entry are
// left out), then the lines the list could not offer as entries, as notes. A word's score
// is its score in `scored`, or `defaultScore` when it is not listed there.
std::string ScoredListFileText(const WordList& list, const ScoredList& scored, int defaultScore);

// The answers of the puzzle that hold more than their initial, each with `score`, in row
// order.
std::vector<ScoredEntry> FilledAnswers(const PuzzleDocument& doc, int score);

// "Scored lists: 48,211 words, 31,907 at 50 or more"; brief, as the status bar has room
// for: "Scored: 48,211 words, 31,907 at 50+".
std::string ScoredCountText(std::size_t words, std::size_t usable, int minScore, bool brief);

}  // namespace quotella
