#pragma once

#include <string>
#include <string_view>

#include "core/document.h"

namespace quotella {

// A quotation line "author@work@quotation" split at its first two at signs. No part is
// trimmed. ok is false (and all parts empty) when the line holds no at sign.
struct QuoteLineParts {
  std::string author;
  std::string work;
  std::string quote;
  bool ok = false;
};
QuoteLineParts ParseQuoteLine(const std::string& line);

// Folds the letters of author, work and quotation to A-Z (see FoldLetters). Returns the
// message that refuses the line when one holds a letter with no A-Z form, else empty.
std::string FoldQuoteParts(QuoteLineParts& parts);

// The master quote of a new puzzle: a run of blanks that removed dashes or symbols leave
// ("BLANCA  EN") becomes one blank, so the grid never has two blank squares in a row.
std::string CollapseBlanks(const std::string& masterQuote);

// Author or work reduced to the letters the initials must spell: text in parentheses,
// spaces and excluded characters dropped, upper case.
std::string StripParens(const std::string& text);

// Single spaces between words and no space next to a hyphen. Not trimmed.
std::string FixSpacesAndHyphens(std::string q);

// Letter filters; neither changes case.
std::string RemoveExcluded(const std::string& text);
std::string RemoveSpaces(const std::string& text);

// The letters of a word as the searches compare them: upper case, spaces and excluded
// characters dropped wherever they stand.
std::string WordLetters(std::string_view text);

// A word of a word source: the text before the first at sign, spaces and excluded
// characters dropped, upper case.
std::string stripComment(const std::string& line);

// Can quotation q hold every letter of the author-and-work letters s? On failure the
// message names the first letter (alphabetically) that is short.
bool IsPossible(const std::string& s, const std::string& q, std::string& message);

// The answer-word initials: upper case, trimmed, letters only.
std::string MakeQuotellaString(const std::string& s);
// The quotation as cells: letters, spaces and hyphens, no space beside a hyphen.
std::string MakeMasterQuote(const std::string& s);

// Letter counts of `text`, A-Z only (other characters are skipped).
LetterCounts CountAZ(const std::string& text);

// SpareCount := letters of the master quote minus letters of the quotella string.
void ComputeSpareCounts(Tpuzzle& p, const std::string& quotellaStr, const std::string& masterQuote);
// Locks every cell whose letter occurs once in the quotation and not in the quotella
// string: such a cell has no swap partner.
void LockSingletons(Tpuzzle& p);
// Those singleton letters in alphabetical order, each followed by "*".
std::string SingletonStr(const Tpuzzle& p);

// A puzzle's capacities: an empty string when the quotella string and master quote fit,
// otherwise the message that refuses them (a quotation with no letters among them).
std::string CapacityProblem(const std::string& quotellaStr, const std::string& masterQuote);

// Everything the program learns from one quotation line before making a puzzle of it.
struct QuoteLineCheck {
  QuoteLineParts parts;     // as typed
  QuoteLineParts folded;    // letters folded to A-Z
  std::string foldProblem;  // a letter with no A-Z form refuses the line
  std::string authorText;   // reduced author
  std::string workText;     // reduced work
  std::string quotellaStr;
  std::string quote;  // upper case, spaces and hyphens normalised
  std::string masterQuote;
  bool possible = false;
  std::string message;  // why not possible (letter shortage or capacity)
  LetterCounts spareCount{};
  std::string singletonStr;
};
QuoteLineCheck CheckQuoteLine(const std::string& line);

// The quote-window line of a parsed quotation: "quote" - author work.
std::string QuoteWindowLine(const std::string& quoteOrig, const std::string& authorOrig,
                            const std::string& workOrig);

// A click on a quotes-editor line: shows the line in the quote window and says on the
// main status bar (panel 3) when it cannot become a puzzle. The current puzzle is not
// touched.
void QuotesEditorClick(PuzzleDocument& doc, const std::string& line);

}  // namespace quotella
