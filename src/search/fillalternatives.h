#pragma once

#include <string>
#include <vector>

#include "core/document.h"
#include "search/autofill.h"

namespace quotella {

// A word that can replace a row's answer: alone, or together with a new word for one
// other row when the two trade letters.
struct AutofillAlternative {
  std::string word;
  int otherRow = -1;  // -1: the word replaces the answer alone
  std::string otherWord;
};

// Every word that can take the place of `row`'s answer with the other rows kept: a word
// of the row's initial made of the row's letters and the pool's (all of them when no
// other row is empty, so that a complete puzzle stays complete), or, when every row is
// filled, a word that trades letters with one other row, whose new word is found by its
// letter counts. Words the fill rules forbid (offensive, a stem already used, a word of
// the quotation) are left out. Direct replacements before trades; each in the candidate
// order of autofill (WordStanding: words WordNet knows first, the more familiar first).
std::vector<AutofillAlternative> OtherAnswers(const PuzzleDocument& doc, int row,
                                              const AutofillWordSource& words,
                                              const AutofillOptions& options);

// "WORD" or "WORD (C: OTHERWORD)", as the candidate list shows an alternative.
std::string AlternativeText(const PuzzleDocument& doc, const AutofillAlternative& alternative);

// Lays an alternative: the row's answer (and the other row's) are replaced. False when a
// word does not fit any more.
bool LayAlternative(PuzzleDocument& doc, int row, const AutofillAlternative& alternative);

}  // namespace quotella
