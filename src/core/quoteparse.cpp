#include "core/quoteparse.h"

#include "core/letterfold.h"
#include "core/textio.h"

namespace quotella {

namespace {

const CharSet& Excluded() {
  static const CharSet set = MakeExcludedSet();
  return set;
}

bool IsSeparator(char c) {
  return c == ' ' || c == '-';
}

// Copies s, and after each `mark` character that has at least two characters after it
// drops the spaces that directly follow it.
std::string DropSpacesAfter(const std::string& s, char mark) {
  std::string out;
  out.reserve(s.size());
  const std::size_t n = s.size();
  for (std::size_t i = 0; i < n; ++i) {
    out += s[i];
    if (s[i] == mark && n - i - 1 >= 2)
      while (i + 1 < n && s[i + 1] == ' ') ++i;
  }
  return out;
}

}  // namespace

QuoteLineParts ParseQuoteLine(const std::string& line) {
  QuoteLineParts parts;
  const auto p1 = line.find('@');
  if (p1 == std::string::npos) return parts;
  auto p2 = line.find('@', p1 + 1);
  if (p2 == std::string::npos) p2 = p1;
  parts.author = line.substr(0, p1);
  parts.work = p2 > p1 ? line.substr(p1 + 1, p2 - p1 - 1) : std::string();
  parts.quote = line.substr(p2 + 1);
  parts.ok = true;
  return parts;
}

std::string FoldQuoteParts(QuoteLineParts& parts) {
  std::string problem;
  for (std::string* text : {&parts.author, &parts.work, &parts.quote}) {
    FoldedText folded = FoldLetters(*text);
    if (problem.empty() && !folded.unfoldable.empty())
      problem = UnfoldableMessage(folded.unfoldable);
    *text = std::move(folded.text);
  }
  return problem;
}

std::string CollapseBlanks(const std::string& masterQuote) {
  std::string out;
  out.reserve(masterQuote.size());
  for (char c : masterQuote)
    if (c != ' ' || out.empty() || out.back() != ' ') out += c;
  return out;
}

std::string StripParens(const std::string& text) {
  std::string out;
  bool inside = false;
  for (char c : text) {
    if (c == '(') {
      inside = true;
    } else if (c == ')') {
      inside = false;
    } else if (!inside && c != ' ' && !InSet(Excluded(), c)) {
      out += c;
    }
  }
  return Trim(UpperCase(out));
}

std::string FixSpacesAndHyphens(std::string q) {
  // Runs of spaces become one space; no space after a hyphen. A run that starts at one
  // of the last two positions is left alone.
  q = DropSpacesAfter(q, ' ');
  q = DropSpacesAfter(q, '-');
  if (q.size() < 2) return q;
  // No space before a hyphen.
  std::string rev;
  rev.reserve(q.size());
  for (std::size_t i = q.size(); i-- > 0;) {
    rev += q[i];
    if (q[i] == '-')
      while (i >= 1 && q[i - 1] == ' ') --i;
  }
  return std::string(rev.rbegin(), rev.rend());
}

std::string RemoveExcluded(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text)
    if (!InSet(Excluded(), c)) out += c;
  return out;
}

std::string RemoveSpaces(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text)
    if (c != ' ') out += c;
  return out;
}

std::string WordLetters(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c == ' ' || InSet(Excluded(), c)) continue;
    out.push_back(c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c);
  }
  return out;
}

std::string stripComment(const std::string& line) {
  return WordLetters(std::string_view(line).substr(0, line.find('@')));
}

LetterCounts CountAZ(const std::string& text) {
  LetterCounts n{};
  for (char c : text)
    if (IsUpperLetter(c)) ++n[static_cast<std::size_t>(LetterIndex(c))];
  return n;
}

bool IsPossible(const std::string& s, const std::string& q, std::string& message) {
  const LetterCounts a = CountAZ(RemoveSpaces(RemoveExcluded(UpperCase(s))));
  const LetterCounts n = CountAZ(RemoveSpaces(RemoveExcluded(UpperCase(q))));
  for (std::size_t l = 0; l < 26; ++l) {
    if (n[l] < a[l]) {
      message = "Letter " + std::string(1, static_cast<char>('A' + l)) + " appears " +
                std::to_string(a[l]) + " times in Author/Work but only " + std::to_string(n[l]) +
                " times in Quote";
      return false;
    }
  }
  return true;
}

// The braces and the vertical bar pass the excluded-character filter but are not
// letters: no answer word can use them, so they become neither initials nor cells.
std::string MakeQuotellaString(const std::string& s) {
  std::string out;
  for (char c : RemoveSpaces(RemoveExcluded(Trim(UpperCase(s)))))
    if (IsUpperLetter(c)) out += c;
  return out;
}

std::string MakeMasterQuote(const std::string& s) {
  std::string m;
  for (char c : s)
    if (IsUpperLetter(c) || IsSeparator(c)) m += c;
  // Dropping punctuation can bring a space next to a hyphen ("WELL ,-KNOWN"): one space
  // goes on either side of every hyphen but a final one.
  std::string out;
  out.reserve(m.size());
  for (std::size_t i = 0; i < m.size(); ++i) {
    if (m[i] != '-' || i + 1 == m.size()) {
      out += m[i];
      continue;
    }
    if (!out.empty() && out.back() == ' ') out.pop_back();
    out += '-';
    if (m[i + 1] == ' ') ++i;
  }
  return out;
}

void ComputeSpareCounts(Tpuzzle& p, const std::string& quotellaStr,
                        const std::string& masterQuote) {
  const LetterCounts have = CountAZ(UpperCase(RemoveSpaces(Trim(masterQuote))));
  const LetterCounts need = CountAZ(UpperCase(quotellaStr));
  for (std::size_t l = 0; l < 26; ++l) p.SpareCount[l] = have[l] - need[l];
}

namespace {
bool IsSingleton(const LetterCounts& spare, const std::string& quotellaStr, char letter) {
  return IsUpperLetter(letter) && spare[static_cast<std::size_t>(LetterIndex(letter))] == 1 &&
         quotellaStr.find(letter) == std::string::npos;
}

std::string SingletonsOf(const LetterCounts& spare, const std::string& quotellaStr) {
  std::string out;
  for (char l = 'A'; l <= 'Z'; ++l) {
    if (!IsSingleton(spare, quotellaStr, l)) continue;
    out += l;
    out += '*';
  }
  return out;
}
}  // namespace

void LockSingletons(Tpuzzle& p) {
  for (int i = 1; i <= p.NumCells && i <= kMaxCells; ++i) {
    auto& cell = p.Cells[static_cast<std::size_t>(i)];
    if (IsSingleton(p.SpareCount, p.QuotellaStr, cell.Char)) cell.Locked = true;
  }
}

std::string SingletonStr(const Tpuzzle& p) {
  return SingletonsOf(p.SpareCount, p.QuotellaStr);
}

std::string CapacityProblem(const std::string& quotellaStr, const std::string& masterQuote) {
  if (masterQuote.find_first_not_of(" -") == std::string::npos)
    return "The quotation holds no letters; a puzzle needs at least one.";
  if (static_cast<int>(masterQuote.size()) > kMaxCells)
    return "The quotation needs " + std::to_string(masterQuote.size()) +
           " cells; a puzzle holds at most " + std::to_string(kMaxCells) + ".";
  if (static_cast<int>(quotellaStr.size()) > kMaxWords)
    return "Author and work have " + std::to_string(quotellaStr.size()) +
           " letters; a puzzle holds at most " + std::to_string(kMaxWords) + " answer words.";
  std::size_t start = 0;
  while (start < masterQuote.size()) {
    std::size_t end = masterQuote.find_first_of(" -", start);
    if (end == std::string::npos) end = masterQuote.size();
    if (end - start > static_cast<std::size_t>(kTableSize))
      return "The quotation word " + masterQuote.substr(start, end - start) + " has " +
             std::to_string(end - start) + " letters; a quotation word may have at most " +
             std::to_string(kTableSize) + ".";
    start = end + 1;
  }
  return {};
}

QuoteLineCheck CheckQuoteLine(const std::string& line) {
  QuoteLineCheck r;
  r.parts = ParseQuoteLine(line);
  if (!r.parts.ok) return r;
  r.folded = r.parts;
  r.foldProblem = FoldQuoteParts(r.folded);
  const std::string& unfoldable = r.foldProblem;
  r.authorText = StripParens(r.folded.author);
  r.workText = StripParens(r.folded.work);
  const std::string q = FixSpacesAndHyphens(r.folded.quote);
  r.quote = UpperCase(q);
  r.quotellaStr = MakeQuotellaString(r.authorText + r.workText);
  r.masterQuote = CollapseBlanks(MakeMasterQuote(r.quote));
  r.possible = unfoldable.empty() && IsPossible(r.authorText + r.workText, q, r.message);
  if (!unfoldable.empty()) r.message = unfoldable;
  if (r.possible) {
    r.message = CapacityProblem(r.quotellaStr, r.masterQuote);
    r.possible = r.message.empty();
  }
  const LetterCounts have = CountAZ(RemoveSpaces(Trim(r.masterQuote)));
  const LetterCounts need = CountAZ(r.quotellaStr);
  for (std::size_t l = 0; l < 26; ++l) r.spareCount[l] = have[l] - need[l];
  r.singletonStr = SingletonsOf(r.spareCount, r.quotellaStr);
  return r;
}

std::string QuoteWindowLine(const std::string& quoteOrig, const std::string& authorOrig,
                            const std::string& workOrig) {
  return "\"" + quoteOrig + "\" - " + authorOrig + " " + workOrig;
}

void QuotesEditorClick(PuzzleDocument& doc, const std::string& line) {
  Host& host = doc.host();
  host.Status(StatusBar::Main, 3, "");
  const QuoteLineParts parts = ParseQuoteLine(line);
  QuoteLineParts folded = parts;
  std::string message = FoldQuoteParts(folded);
  const std::string author = StripParens(folded.author);
  const std::string work = StripParens(folded.work);
  if (parts.ok) host.ShowQuoteWindow({QuoteWindowLine(parts.quote, parts.author, parts.work)});
  // IsPossible leaves the message empty when the letters suffice.
  if (message.empty()) IsPossible(author + work, folded.quote, message);
  if (!message.empty()) host.Status(StatusBar::Main, 3, "IMPOSSIBLE QUOTELLA! " + message);
}

}  // namespace quotella
