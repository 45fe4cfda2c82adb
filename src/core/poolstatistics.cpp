#include "core/poolstatistics.h"

#include "core/answertable.h"
#include "core/poolstatus.h"

namespace quotella {

namespace {

std::string LettersAtLeast(const Tpuzzle& p, int count) {
  std::string out;
  for (char letter = 'A'; letter <= 'Z'; ++letter)
    if (p.PoolOf(letter) >= count) out += letter;
  return out;
}

void ComputeCaret(const PuzzleDocument& doc, PoolStatistics& s) {
  const ViewState& view = doc.view();
  const int cell = MappedIndex(doc, view.CurCol, view.CurRow);
  if (cell != 0) s.caretCell = doc.P.Cells[static_cast<std::size_t>(cell)].CellNumber;
  if (!StringTable::Valid(view.CurCol, view.CurRow)) return;
  s.caretLetter = doc.KeyWords.At(view.CurCol, view.CurRow);
  s.caretRowLabel = doc.Label(view.CurRow);
}

}  // namespace

PoolStatistics ComputePoolStatistics(const PuzzleDocument& doc) {
  const Tpuzzle& p = doc.P;
  PoolStatistics s;
  s.total = PoolTotal(p);
  s.vowels = PoolVowels(p);
  s.consonants = PoolConsonants(p);
  s.emptyWords = NumEmpty(doc);
  if (s.emptyWords >= 1) s.avgWordLength = static_cast<double>(s.total) / s.emptyWords;
  if (s.total > 0 && s.vowels > 0) s.vowelShare = static_cast<double>(s.vowels) / s.total;
  if (s.emptyWords > 0) s.useUp = LettersAtLeast(p, s.emptyWords);
  s.problemPool = ProblemPoolString(p);
  s.primaryProblems = FirstEleven(p, s.problemPool);
  s.secondaryProblems = StripEleven(p, s.problemPool);
  s.poolLetters = PoolLetterString(p);
  ComputeCaret(doc, s);
  return s;
}

}  // namespace quotella
