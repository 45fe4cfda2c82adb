#include "clues/cluechecks.h"

#include <cctype>
#include <sstream>

#include "clues/stemmer.h"
#include "core/answertable.h"
#include "core/clues.h"
#include "core/letterfold.h"
#include "core/textio.h"

namespace quotella {

namespace {

bool IsUpper(char c) {
  return c >= 'A' && c <= 'Z';
}

std::string Lower(std::string s) {
  for (char& c : s)
    if (IsUpper(c)) c = static_cast<char>(c - 'A' + 'a');
  return s;
}

// A clue's words with their stems, each stemmed once.
struct StemmedWords {
  std::vector<std::string> words;
  std::vector<std::string> stems;
};

StemmedWords Stemmed(const std::string& clue, const Stemmer& stemmer) {
  StemmedWords s;
  s.words = ClueWords(clue);
  for (const std::string& w : s.words) s.stems.push_back(stemmer.Stem(Lower(w)));
  return s;
}

// The clue word that is the answer or shares its stem, or empty.
std::string WordOfStem(const StemmedWords& clue, const std::string& answer,
                       const std::string& stem) {
  for (std::size_t i = 0; i < clue.words.size(); ++i)
    if (clue.words[i] == answer || clue.stems[i] == stem) return clue.words[i];
  return {};
}

// The letter count an enumeration at the end of a clue states ("(9)", "(4,5)", "(4-5)"),
// or -1 when the clue ends in none.
int StatedLetters(const std::string& clue) {
  const std::string text = TrimRight(clue);
  if (text.empty() || text.back() != ')') return -1;
  const std::size_t open = text.rfind('(');
  if (open == std::string::npos) return -1;
  int total = 0;
  int number = 0;
  bool digits = false;
  for (std::size_t i = open + 1; i + 1 < text.size(); ++i) {
    const char c = text[i];
    if (std::isdigit(static_cast<unsigned char>(c))) {
      number = number * 10 + (c - '0');
      digits = true;
      if (number > 999) return -1;
    } else if ((c == ',' || c == '-' || c == ' ') && digits) {
      total += number;
      number = 0;
      digits = false;
    } else {
      return -1;
    }
  }
  return digits ? total + number : -1;
}

void CheckWords(ClueCheck& check, const std::vector<OtherAnswer>& others, const Stemmer& stemmer) {
  const StemmedWords words = Stemmed(check.clue, stemmer);
  if (check.answer.size() >= kShortestCheckedAnswer) {
    const std::string own = WordOfStem(words, check.answer, stemmer.Stem(Lower(check.answer)));
    if (own == check.answer)
      check.findings.push_back({ClueFault::HoldsAnswer, "holds its answer (" + own + ")", true});
    else if (!own.empty())
      check.findings.push_back(
          {ClueFault::HoldsAnswer, "holds " + own + ", a form of its answer", true});
  }
  for (const OtherAnswer& other : others) {
    if (other.word.size() < kShortestCheckedAnswer || other.word == check.answer) continue;
    const std::string stem = other.stem.empty() ? stemmer.Stem(Lower(other.word)) : other.stem;
    if (!WordOfStem(words, other.word, stem).empty())
      check.findings.push_back({ClueFault::HoldsOtherAnswer,
                                "holds the answer of " + other.label + " (" + other.word + ")",
                                true});
  }
}

}  // namespace

bool ClueCheck::needsLook() const {
  if (!written()) return false;
  for (const ClueFinding& f : findings)
    if (f.needsLook) return true;
  return false;
}

int EstimatedPrintedLines(const std::string& line) {
  int lines = 0;
  std::size_t width = 0;  // characters on the line being filled
  std::istringstream words(line);
  std::string word;
  while (words >> word) {
    std::size_t length = Utf8Length(word);
    if (lines == 0 || width + 1 + length > static_cast<std::size_t>(kEstimatedCharsPerLine)) {
      ++lines;
      // A word longer than a line is broken inside, as the page breaks it.
      while (length > static_cast<std::size_t>(kEstimatedCharsPerLine)) {
        length -= kEstimatedCharsPerLine;
        ++lines;
      }
      width = length;
    } else {
      width += 1 + length;
    }
  }
  return lines;
}

std::vector<std::string> ClueWords(const std::string& clue) {
  const std::string folded = FoldLetters(clue).text;
  std::vector<std::string> words;
  std::string word;
  for (char c : folded) {
    const char up = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    if (IsUpper(up)) {
      word += up;
    } else if (!word.empty()) {
      words.push_back(std::move(word));
      word.clear();
    }
  }
  if (!word.empty()) words.push_back(std::move(word));
  return words;
}

std::string Enumeration(const std::string& answer) {
  return "(" + std::to_string(answer.size()) + ")";
}

ClueCheck CheckClue(const std::string& clue, const std::string& answer,
                    const std::vector<OtherAnswer>& others, const Stemmer& stemmer,
                    const LinesOf& linesOf) {
  ClueCheck check;
  check.clue = Trim(clue);
  check.answer = answer;
  check.enumeration = Enumeration(answer);
  if (!check.written()) {
    check.findings.push_back({ClueFault::Empty, "no clue yet", true});
    return check;
  }
  CheckWords(check, others, stemmer);
  const int stated = StatedLetters(check.clue);
  if (stated >= 0 && answer.size() > 1 && stated != static_cast<int>(answer.size()))
    check.findings.push_back({ClueFault::WrongEnumeration,
                              "states (" + std::to_string(stated) + ") for " +
                                  std::to_string(answer.size()) + " letters",
                              true});
  check.printedLines = linesOf ? linesOf(check.clue) : 0;
  if (check.printedLines > 3)
    check.findings.push_back(
        {ClueFault::OverThreeLines,
         "longer than three printed lines (" + std::to_string(check.printedLines) + ")", true});
  else if (check.printedLines > 1)
    check.findings.push_back({ClueFault::OverOneLine,
                              "takes " + std::to_string(check.printedLines) + " printed lines",
                              false});
  return check;
}

std::vector<ClueCheck> CheckClues(const PuzzleDocument& doc, const Stemmer& stemmer,
                                  const LinesOf& linesOf) {
  std::vector<ClueCheck> checks;
  if (!doc.PuzzleExists) return checks;
  std::vector<OtherAnswer> answers;
  for (int r = 0; r < doc.P.NumWords; ++r) {
    const std::string word = Keystring(doc, r);
    answers.push_back({doc.Label(r), word, stemmer.Stem(Lower(word))});
  }
  for (int r = 0; r < doc.P.NumWords; ++r) {
    const auto i = static_cast<std::size_t>(r);
    const std::string line = i < doc.ClueLines.size() ? Trim(doc.ClueLines[i]) : std::string();
    std::vector<OtherAnswer> others;
    for (int o = 0; o < doc.P.NumWords; ++o)
      if (o != r) others.push_back(answers[static_cast<std::size_t>(o)]);
    const std::string label = doc.Label(r);
    ClueCheck check =
        CheckClue(RemoveLabel(line), answers[i].word, others, stemmer,
                  [&](const std::string& text) { return linesOf(label + ". " + text); });
    check.row = r;
    check.label = label;
    checks.push_back(std::move(check));
  }
  return checks;
}

ClueSummary Summarise(const std::vector<ClueCheck>& checks) {
  ClueSummary s;
  s.rows = static_cast<int>(checks.size());
  for (const ClueCheck& c : checks) {
    s.written += c.written() ? 1 : 0;
    s.needLook += c.needsLook() ? 1 : 0;
  }
  return s;
}

std::string SummaryText(const ClueSummary& s) {
  return "Clues: " + std::to_string(s.written) + " of " + std::to_string(s.rows) + " written, " +
         std::to_string(s.needLook) + (s.needLook == 1 ? " needs a look" : " need a look");
}

std::string ClueDraft(const std::string& gloss) {
  std::string draft = Trim(gloss);
  // A field label in front ("(physics) electromagnetic radiation ...") is no clue text.
  if (!draft.empty() && draft[0] == '(') {
    const std::size_t close = draft.find(')');
    if (close != std::string::npos && close + 1 < draft.size())
      draft = Trim(draft.substr(close + 1));
  }
  if (!draft.empty() && draft[0] >= 'a' && draft[0] <= 'z')
    draft[0] = static_cast<char>(draft[0] - 'a' + 'A');
  return draft;
}

}  // namespace quotella
