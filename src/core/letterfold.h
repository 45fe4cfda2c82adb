#pragma once

#include <string>

namespace quotella {

// A text with its letters folded to A-Z the way a constructor writes them in the grid:
// é→e, ł→l, ß→ss, æ→ae, œ→oe, a letter and its combining accents alike. Characters that
// are not letters (digits, punctuation, symbols, emoji) are kept as they are.
struct FoldedText {
  std::string text;  // UTF-8
  std::string
      unfoldable;  // the first letter with no A-Z form (Greek, Cyrillic, CJK...); empty when none
};

FoldedText FoldLetters(const std::string& utf8);

// The refusal of a line holding a letter with no A-Z form, naming that letter.
std::string UnfoldableMessage(const std::string& letter);

}  // namespace quotella
