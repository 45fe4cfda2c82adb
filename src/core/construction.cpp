#include "core/construction.h"

#include <algorithm>

#include "core/assignment.h"
#include "core/geometry.h"
#include "core/poolstatus.h"
#include "core/quoteparse.h"
#include "core/textio.h"

namespace quotella {

namespace {

constexpr const char* kDefaultProblemLetters = "BFHJKQVWXYZ";

CharSet SetOf(const std::string& chars) {
  CharSet s;
  for (char c : chars) s.set(static_cast<unsigned char>(c));
  return s;
}

}  // namespace

void InitPuzzleDefaults(PuzzleDocument& doc) {
  Tpuzzle& p = doc.P;
  doc.LetterLocked.fill(false);
  p.SpareCount.fill(0);
  p.ProblemPoolStr.clear();
  p.PoolLetters.clear();

  p.VowelSet = SetOf("AEIOU");
  p.ConsonantSet = SetOf("BCDFGHJKLMNPQRSTVWXYZ");
  p.ExcludedSet = MakeExcludedSet();
  p.SeparatorSet = SetOf(" -");

  if (!doc.SettingsFreqString.empty()) {
    p.FreqOrder = doc.SettingsFreqString;
    p.ReverseFreqOrder.assign(p.FreqOrder.rbegin(), p.FreqOrder.rend());
    const auto n = static_cast<std::size_t>(
        std::clamp(p.NumProblemChars, 0, static_cast<int>(p.ReverseFreqOrder.size())));
    p.ProblemSet = SetOf(p.ReverseFreqOrder.substr(0, n));
  } else {
    p.FreqOrder = kDefaultFreqOrder;
    p.ProblemSet = SetOf(kDefaultProblemLetters);
  }

  p.ExtraCells = 0;
  p.AvgWordLength = 0.0;
  p.GridOffset = 0;
  p.TrailingCells = 0;
  doc.Grid.Columns = 1;  // the grid keeps at least one column and one row
  doc.Grid.Rows = 1;

  for (auto& cell : p.Cells) cell = TMasterCellRec{};
  p.NumProblemChars = 14;
  for (auto& rec : doc.ClueRecords) rec = TClueRecord{};
}

void ResetPuzzle(PuzzleDocument& doc) {
  ++doc.PuzzleGeneration;
  Tpuzzle& p = doc.P;
  for (auto& cell : p.Cells) cell = TMasterCellRec{};
  p.NumCells = 0;
  p.Pool.fill(0);
  doc.KeyWords.Clear();
  p.Title.clear();
  p.Quote.clear();
  p.Author.clear();
  p.QuotellaStr.clear();
  p.MasterQuote.clear();
  p.Work.clear();
  p.FoldedLetters = true;
  p.NumWords = 0;
  InitPuzzleDefaults(doc);
  ResetPoolGrids(doc);
  MakeLabels(p);
  InitNumberGrid(doc);
  doc.view().CurCol = 1;
  doc.view().CurRow = 0;
}

void LayCells(Tpuzzle& p, const std::string& masterQuote) {
  p.NumCells = std::min(static_cast<int>(masterQuote.size()), kMaxCells);
  int n = 1;
  for (int i = 1; i <= p.NumCells; ++i) {
    TMasterCellRec& cell = p.Cells[static_cast<std::size_t>(i)];
    const char c = masterQuote[static_cast<std::size_t>(i - 1)];
    if (c == ' ' || c == '-') {
      cell.Char = c;
      cell.Special = true;
      cell.CellNumber = 0;
    } else {
      cell.Char = UpperCase(std::string(1, c))[0];
      cell.CellNumber = n++;
      cell.Special = false;
    }
  }
}

void CountLetters(PuzzleDocument& doc, const std::string& s) {
  doc.P.Pool = CountAZ(RemoveSpaces(UpperCase(s)));
  for (int l = 0; l < 26; ++l) {
    const auto pos = doc.P.FreqOrder.find(static_cast<char>('A' + l));
    doc.CharPoolGrid[static_cast<std::size_t>(l + 1)][2] =
        std::to_string(pos == std::string::npos ? 0 : pos + 1);
  }
}

void InitAnswerTable(PuzzleDocument& doc) {
  doc.KeyWords.Clear();
  const int n = std::min(doc.P.NumWords, kTableSize);
  for (int r = 0; r < n; ++r) {
    doc.KeyWords.At(1, r) = std::string(1, doc.P.QuotellaStr[static_cast<std::size_t>(r)]);
    doc.KeyWords.At(0, r) = doc.Label(r);
  }
}

void InitNumberGrid(PuzzleDocument& doc) {
  doc.NumberGrid.Clear();
  for (int r = 0; r < kTableSize; ++r) doc.NumberGrid.At(0, r) = doc.Label(r);
}

void InitClueList(PuzzleDocument& doc, int n) {
  doc.ClueLines.clear();
  for (int i = 1; i <= std::min(n, kMaxWords); ++i)
    doc.ClueLines.push_back(doc.P.Labels[static_cast<std::size_t>(i)] + ".");
  doc.Notify(PuzzleDocument::Change::Clues);
}

bool ConstructPuzzle(PuzzleDocument& doc, const std::string& a, const std::string& w,
                     const std::string& quotation) {
  Host& host = doc.host();
  Tpuzzle& p = doc.P;
  const std::string q = FixSpacesAndHyphens(quotation);
  host.ShowQuoteWindow({QuoteWindowLine(p.QuoteOrig, p.AuthorOrig, p.WorkOrig)});

  std::string message;
  if (!IsPossible(a + w, q, message)) {
    host.Message("IMPOSSIBLE QUOTELLA! " + message);
    return false;
  }
  const std::string quotellaStr = MakeQuotellaString(UpperCase(a) + UpperCase(w));
  const std::string masterQuote = CollapseBlanks(MakeMasterQuote(UpperCase(q)));
  message = CapacityProblem(quotellaStr, masterQuote);
  if (!message.empty()) {
    host.Message(message);
    return false;
  }

  p.Author = UpperCase(a);
  p.Work = UpperCase(w);
  p.Quote = UpperCase(q);
  p.QuotellaStr = quotellaStr;
  p.MasterQuote = masterQuote;
  p.NumWords = static_cast<int>(p.QuotellaStr.size());
  InitClueList(doc, p.NumWords);

  CountLetters(doc, p.MasterQuote + p.QuotellaStr);
  TakeFromPool(doc, p.QuotellaStr);
  RefreshPoolViews(doc);
  UpdateCharStatus(doc);

  InitAnswerTable(doc);
  InitNumberGrid(doc);
  LayCells(p, p.MasterQuote);
  doc.Grid.Rows = p.NumCells / std::max(doc.Grid.Columns, 1) + 1;

  // The pool views are refreshed once, after every initial is laid in.
  doc.HoldPoolViews();
  for (int r = 1; r <= p.NumWords; ++r) {
    if (AssignKeywordChar(doc, p.QuotellaStr[static_cast<std::size_t>(r - 1)], 1, r - 1) == 0)
      host.Message("Warning in K/Dblclk, cell=0");
  }
  doc.ReleasePoolViews();

  RefreshPoolViews(doc);
  UpdateCharStatus(doc);
  doc.Grid.Columns = 20;
  StretchGrid1Click(doc);

  doc.PuzzleExists = true;
  doc.PuzzleChanged = false;
  doc.view().CurCol = 2;
  doc.view().CurRow = 0;
  doc.Notify(PuzzleDocument::Change::Everything);
  return true;
}

DblClickResult QuotesEditorDblClick(PuzzleDocument& doc, const std::string& caretLine) {
  Host& host = doc.host();
  Tpuzzle& p = doc.P;
  const std::string line = Trim(caretLine);
  host.Status(StatusBar::Main, 3, "");
  if (line.empty()) {
    host.Message("That is a blank line! Dbl-click on a quote line");
    return DblClickResult::Blank;
  }
  // A quotation the puzzle cannot hold is refused before the current puzzle is lost.
  const QuoteLineCheck check = CheckQuoteLine(line);
  if (check.parts.ok) {
    std::string problem = check.foldProblem;
    if (problem.empty()) problem = CapacityProblem(check.quotellaStr, check.masterQuote);
    if (!problem.empty()) {
      host.Message(problem);
      return DblClickResult::Refused;
    }
  }

  ResetPuzzle(doc);
  p.QuoteLine = line;
  const QuoteLineParts& parts = check.parts;
  p.QuoteOrig = parts.quote;
  p.AuthorOrig = parts.author;
  p.AuthorText = check.authorText;
  p.WorkOrig = parts.work;
  p.WorkText = check.workText;
  p.Author = UpperCase(p.AuthorText);
  p.Work = UpperCase(p.WorkText);

  DblClickResult result = DblClickResult::Made;
  if (!parts.ok) {
    host.Message("Could not parse Quote line. Check formatting.");
    result = DblClickResult::Unparsable;
  } else if (ConstructPuzzle(doc, p.AuthorText, p.WorkText, check.folded.quote)) {
    p.QuoteText = parts.quote;
  } else {
    host.Message(" Could not create blank puzzle. Check Puzzle Data ");
    result = DblClickResult::Impossible;
  }
  ComputeSpareCounts(p, p.QuotellaStr, p.MasterQuote);
  LockSingletons(p);
  p.SingletonStr = SingletonStr(p);
  doc.Notify(PuzzleDocument::Change::Everything);
  return result;
}

}  // namespace quotella
