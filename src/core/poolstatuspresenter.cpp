#include "core/poolstatuspresenter.h"

#include "core/poolstatus.h"

namespace quotella {

namespace {

constexpr double kFewVowels = 0.35;
constexpr double kManyVowels = 0.5;

std::string EmptyWordsText(const PoolStatistics& s) {
  std::string text = std::to_string(s.emptyWords) + " Empty ";
  if (!s.useUp.empty()) text += " Use up: " + s.useUp;
  return text;
}

std::string LettersText(const PoolStatistics& s, bool showProblemChars) {
  if (!showProblemChars) return "Chars: " + s.poolLetters;
  return "Problem Chars: " + s.primaryProblems + " * " + s.secondaryProblems;
}

}  // namespace

std::string PoolStatusPresenter::Hint(const PoolStatistics& s) {
  if (s.total == 0) return "Puzzle is complete!";
  std::string problems =
      " Use up problem chars! (" + std::to_string(s.primaryProblems.size()) + ") ";
  // Too few empty words for the problem letters: those come first, whatever the vowels.
  if (s.emptyWords < static_cast<int>(s.primaryProblems.size())) return problems;
  if (s.vowelShare < kFewVowels) return " Use up consonants!";
  if (s.vowelShare > kManyVowels) return " Use up vowels!";
  return problems;
}

PoolStatusTexts PoolStatusPresenter::Texts(const PoolStatistics& s, bool showProblemChars) {
  PoolStatusTexts t;
  t.averageLength = "Avg wrd len " + FormatGeneral(s.avgWordLength, 2);
  t.poolTotal = "Pool " + std::to_string(s.total);
  t.consonants = "Cons " + std::to_string(s.consonants);
  t.vowels = "Vowels " + std::to_string(s.vowels);
  t.vowelShare = FormatGeneral(100.0 * s.vowelShare, 3) + "% Vowels  ";
  t.cell = s.caretCell != 0 ? "Cell " + std::to_string(s.caretCell) : std::string("none");
  t.letter = s.caretLetter.empty() ? "No char" : "Char " + s.caretLetter;
  t.row = "Row " + s.caretRowLabel;
  t.emptyWords = EmptyWordsText(s);
  t.hint = Hint(s);
  t.letters = LettersText(s, showProblemChars);
  return t;
}

void PoolStatusPresenter::Show(const PoolStatistics& s, bool showProblemChars) const {
  const PoolStatusTexts t = Texts(s, showProblemChars);
  Host& host = *m_host;
  host.Status(StatusBar::CharStatus2, 0, t.averageLength);
  host.Status(StatusBar::CharStatus2, 1, t.poolTotal);
  host.Status(StatusBar::CharStatus2, 2, t.consonants);
  host.Status(StatusBar::CharStatus2, 3, t.vowels);
  host.Status(StatusBar::CharStatus2, 4, t.vowelShare);
  host.Status(StatusBar::Main, 2, t.hint);
  host.Status(StatusBar::CharStatus1, 0, t.cell);
  host.Status(StatusBar::CharStatus1, 1, t.letter);
  host.Status(StatusBar::CharStatus1, 2, t.row);
  host.Status(StatusBar::CharStatus1, 3, t.emptyWords);
  host.Status(StatusBar::Main, 3, t.letters);
}

void PoolStatusPresenter::ShowHint(const std::string& hint) const {
  m_host->Status(StatusBar::Main, 2, hint);
}

}  // namespace quotella
