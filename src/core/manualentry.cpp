#include "core/manualentry.h"

#include "core/construction.h"
#include "core/quoteparse.h"
#include "core/textio.h"

namespace quotella {

namespace {

// "@" separates author, work and quotation in a quotation line and in the puzzle file, so
// an author or work holding one would come back as a different puzzle.
bool RefuseAtSign(const std::string& author, const std::string& work, Host& host) {
  if (author.find('@') == std::string::npos && work.find('@') == std::string::npos) return false;
  host.Message(
      "The author and the work cannot hold \"@\": it separates them from the quotation. "
      "Please remove it.");
  return true;
}

}  // namespace

std::string ManualEntry::Quotation() const {
  std::string q;
  for (const auto& line : QuoteLines) q += line;
  return Trim(q);
}

void ManualEntry::Open(const PuzzleDocument& doc) {
  QuoteLines.assign(1, doc.P.QuoteOrig);
  AuthorEdit = doc.P.AuthorOrig;
  QuoteSourceEdit = doc.P.WorkOrig;
  Visible = true;
}

void ManualEntry::TakeTexts() {
  ManualQuoteStr = Quotation();
  ManualAuthorStr = AuthorEdit;
  ManualWorkStr = QuoteSourceEdit;
}

ManualEntry::MakeResult ManualEntry::MakePuzzle(PuzzleDocument& doc) {
  Host& host = doc.host();
  // A field of blanks holds nothing a puzzle could be made of.
  TakeTexts();
  if (ManualQuoteStr.empty() || Trim(ManualAuthorStr).empty() || Trim(ManualWorkStr).empty()) {
    host.Message("Incomplete Data! All fields required.");
    return MakeResult::Incomplete;
  }
  if (RefuseAtSign(ManualAuthorStr, ManualWorkStr, host)) return MakeResult::Incomplete;
  if (SwitchHeuristicOff) SwitchHeuristicOff();

  const std::string& quote = ManualQuoteStr;
  QuoteLineParts folded{ManualAuthorStr, ManualWorkStr, quote, true};
  if (const std::string problem = FoldQuoteParts(folded); !problem.empty()) {
    host.Message(problem);
    return MakeResult::Impossible;
  }
  const std::string authorText = StripParens(UpperCase(folded.author));
  const std::string workText = StripParens(UpperCase(folded.work));
  const std::string a = Trim(UpperCase(authorText));
  const std::string w = Trim(UpperCase(workText));
  const std::string q = UpperCase(folded.quote);

  std::string message;
  if (!IsPossible(a + w, q, message)) {
    host.Message("Impossible Quotella: " + message);
    return MakeResult::Impossible;
  }
  // Checked before the question so that a quotation the puzzle cannot hold never costs
  // the current puzzle.
  message = CapacityProblem(MakeQuotellaString(a + w),
                            CollapseBlanks(MakeMasterQuote(FixSpacesAndHyphens(q))));
  if (!message.empty()) {
    host.Message(message);
    return MakeResult::Impossible;
  }

  const std::string quoteLine = quote + " - " + ManualAuthorStr + " " + ManualWorkStr;
  if (!host.Confirm("This will erase any current puzzle. Continue?", ConfirmKind::Question)) {
    Visible = false;
    return MakeResult::Declined;
  }
  Visible = false;
  ManualQuoteLine = quoteLine;
  if (ResetHeuristicSearch) ResetHeuristicSearch();
  ResetPuzzle(doc);

  // The new puzzle's texts are set only now: a declined or impossible entry leaves the
  // current puzzle's texts alone.
  Tpuzzle& p = doc.P;
  p.QuoteOrig = quote;
  p.AuthorOrig = ManualAuthorStr;
  p.WorkOrig = ManualWorkStr;
  p.QuoteText = q;
  p.AuthorText = authorText;
  p.WorkText = workText;
  p.QuoteLine = ManualQuoteLine;

  const bool made = ConstructPuzzle(doc, a, w, q);
  // The same letter statistics as a puzzle made from a quotation line, so that nothing
  // of the previous puzzle lingers and the puzzle behaves as it will after a reload.
  ComputeSpareCounts(p, p.QuotellaStr, p.MasterQuote);
  LockSingletons(p);
  p.SingletonStr = SingletonStr(p);
  host.ShowQuoteWindow({ManualQuoteLine});
  doc.Notify(PuzzleDocument::Change::Everything);
  return made ? MakeResult::Made : MakeResult::Impossible;
}

bool ManualEntry::AddQuote(LineStore& quotesEditor, Host& host) {
  TakeTexts();
  if (ManualQuoteStr.empty() || Trim(ManualAuthorStr).empty() || Trim(ManualWorkStr).empty()) {
    host.Message("Incomplete Data!");
    return false;
  }
  if (RefuseAtSign(ManualAuthorStr, ManualWorkStr, host)) return false;
  quotesEditor.push_back(ManualAuthorStr + "@" + ManualWorkStr + "@" + ManualQuoteStr);
  quotesEditor.push_back("");
  Visible = false;
  return true;
}

void ManualEntry::Clear() {
  ManualQuoteStr.clear();
  ManualAuthorStr.clear();
  ManualWorkStr.clear();
  QuoteLines.clear();
  AuthorEdit.clear();
  QuoteSourceEdit.clear();
}

}  // namespace quotella
