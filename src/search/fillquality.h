#pragma once

#include <string>
#include <unordered_set>
#include <vector>

namespace quotella {

// What makes one fill better than another, beside using up the pool: familiar words, no
// two answers of one stem, no answer that the quotation gives away, balanced lengths.

// The part two forms of one word share: KAFFEEKLATCH and KAFFEEKLATCHES, MAKE and MAKING,
// HAPPY and HAPPIER give equal stems. Upper-case letters in, upper-case letters out. It
// errs towards calling two words one stem, which only costs the search a choice.
std::string StemOf(const std::string& word);

// The words of a quotation that an answer may not be: those of four letters or more,
// upper-cased. Words are the runs of letters A-Z (any case).
std::unordered_set<std::string> QuotationWords(const std::string& quotation);

// Where a word stands among the candidates of a row, best first: 0 a word of the user's
// lists, or a word of the constructor's scored lists (score is its score there, 0-100, when
// it is at or above the minimum autofill takes; -1 for a word in no scored list); 1 a
// familiar word (SCOWL size up to familiarSize) WordNet knows, 2 a rarer or unsized word it
// knows; 3 and 4 the same for words it does not know. So a word WordNet does not know never
// ranks above one it knows, whatever their familiarity, among words it knows (or among words
// it does not) the more familiar ranks first, and a listed word ranks above them all. Every
// candidate order of autofill and of the answers offered for a row follows this standing;
// within standing 0 the plain list words come first, then the scored words, the higher score
// first (WordPenalty orders them).
int WordStanding(int size, bool fromList, int familiarSize, bool known = true, int score = -1);

// How much one answer costs a fill: 0 for a word of the user's lists, a little for a
// familiar word (size/100, the more common the less), much more for a rarer or unsized word,
// and more again for a word WordNet does not know, so that the cost orders words as
// WordStanding does (then by size). Lower is better.
//
// A scored word (not on the user's plain lists) costs kScoredSpan x (100 - score) / 100,
// known to WordNet or not: from 0 for a 100 up to just under a word of SCOWL size 10, the
// commonest size the dictionary has. So a constructor's 90 (0.009) costs far less than the
// dictionary's most familiar word (0.10), a word at the lowest minimum still costs less than
// any familiar one, and the cost stays in the standing's order, which the fill tables are
// sorted by. The curve is a straight line, so every point of score counts alike.
double WordPenalty(int size, bool fromList, int familiarSize, bool known = true, int score = -1);

// The most a scored word costs (a score of 0): under the cost of the commonest dictionary
// word (size 10, 0.10).
inline constexpr double kScoredSpan = 0.09;

// How unbalanced the answer lengths are: a small cost per letter squared away from the
// average length.
double LengthPenalty(const std::vector<int>& lengths);

}  // namespace quotella
