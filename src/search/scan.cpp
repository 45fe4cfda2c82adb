#include "search/scan.h"

#include <cmath>
#include <cstdio>

#include "core/answertable.h"
#include "core/fittest.h"
#include "core/textio.h"
#include "search/sorts.h"
#include "search/wordsource.h"

namespace quotella {

namespace {

char RowInitial(const PuzzleDocument& doc, int row) {
  if (!StringTable::Valid(1, row)) return 0;
  const std::string& initial = doc.KeyWords.At(1, row);
  return initial.empty() ? 0 : initial[0];
}

void ShowCandidates(WordSources& src) {
  src.Pane = ListPane::Candidates;
  src.ListLabelVisible = false;
}

bool IsVowel(char c) {
  switch (c) {
    case 'A':
    case 'E':
    case 'I':
    case 'O':
    case 'U':
      return true;
    default:
      return false;
  }
}

struct VowelCount {
  int vowels = 0;
  int consonants = 0;
};

VowelCount CountVowels(const std::string& text) {
  VowelCount n;
  for (char c : UpperCase(text)) {
    if (!IsUpperLetter(c)) continue;
    if (IsVowel(c)) {
      ++n.vowels;
    } else {
      ++n.consonants;
    }
  }
  return n;
}

double Share(double part, double whole) {
  return whole > 0 ? part / whole : 0.0;
}

double RoundSignificant(double value, int significant) {
  if (value == 0 || !std::isfinite(value)) return 0;
  const double magnitude = std::floor(std::log10(std::fabs(value)));
  const double scale = std::pow(10.0, static_cast<double>(significant - 1) - magnitude);
  return std::round(value * scale) / scale;
}

// The lines that end an explanation of a scan that found nothing: the conditions it met.
void AppendConditionLines(const ScanConditions& c, std::vector<std::string>& out) {
  out.push_back(c.on ? "meeting these conditions " : "scanning with NO conditions ");
  if (!c.on) return;
  out.push_back("");
  out.push_back("Conditions: Must contain " + c.mustHave);
  if (c.maxLength > 0) out.push_back("Maximum length: " + std::to_string(c.maxLength));
  if (c.minLength > 0) out.push_back("Minimum length: " + std::to_string(c.minLength));
}

}  // namespace

std::string FixedNumber(double value, int significant, int decimals) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, RoundSignificant(value, significant));
  return buf;
}

std::string GeneralNumber(double value, int significant) {
  const double rounded = RoundSignificant(value, significant);
  char buf[64];
  if (std::fabs(rounded) >= std::pow(10.0, significant)) {
    std::snprintf(buf, sizeof buf, "%.0f", rounded);
  } else {
    std::snprintf(buf, sizeof buf, "%.*g", significant, rounded);
  }
  return buf;
}

bool ScanDictionary(PuzzleDocument& doc, WordSources& src, bool applyConditions,
                    std::vector<std::string>& out) {
  const int row = doc.view().CurRow;
  const char initial = RowInitial(doc, row);
  src.Pane = ListPane::List1;
  WordList& list1 = src.List(1);
  list1.Items.clear();
  // With no puzzle row under the caret nothing can fit: there is no file to read.
  if (initial == 0) return true;
  const std::string path = FindLetterFile(src.DictionaryDir(), initial);
  if (!FileExists(path)) {
    doc.host().Message("File does not exist: " + path);
    return false;
  }
  auto lines = ReadWordFile(path);
  if (!lines) {
    doc.host().Message("Error loading " + path + " File too big?");
    return false;
  }
  list1.Assign(std::move(*lines));
  const ScanConditions* conditions = applyConditions ? &doc.Conditions : nullptr;
  for (const auto& entry : list1.Items) {
    std::string word = NormaliseDictLine(entry);
    if (IsAnswerWord(word) && WordFits(doc, word, row, conditions)) out.push_back(std::move(word));
  }
  return true;
}

bool ScanDictionaryCommand(PuzzleDocument& doc, WordSources& src) {
  src.Candidates.clear();
  const bool read = ScanDictionary(doc, src, true, src.Candidates);
  ShowCandidates(src);
  if (!src.Candidates.empty()) {
    doc.host().PlaySound("ding");
  } else {
    doc.host().PlaySound("pshew");
    src.Candidates.push_back("No candidates found");
  }
  return read;
}

int ScanWordlist(PuzzleDocument& doc, WordSources& src, int n) {
  if (!ValidListNumber(n)) return 0;
  const int row = doc.view().CurRow;
  int found = 0;
  for (const auto& entry : src.List(n).Items) {
    std::string word = NormaliseListEntry(entry);
    if (IsAnswerWord(word) && WordFits(doc, word, row, &doc.Conditions)) {
      src.Candidates.push_back(std::move(word));
      ++found;
    }
  }
  if (found > 0) return found;
  src.Candidates.push_back("No words found in word list " + std::to_string(n));
  src.Candidates.push_back("(" + src.List(n).FileName + ")");
  AppendConditionLines(doc.Conditions, src.Candidates);
  return 0;
}

namespace {

std::string ScoredListNames(const ScoredWords& words) {
  std::string names;
  for (const auto& file : words.files) names += (names.empty() ? "" : ", ") + BaseName(file);
  return names;
}

void ExplainNoScoredWords(const PuzzleDocument& doc, const ScoredWords& words,
                          std::vector<std::string>& out) {
  out.push_back("No words found in the scored word lists");
  if (words.files.empty()) out.push_back("(no scored word list is named)");
  for (const auto& file : words.files) out.push_back("(" + file + ")");
  out.push_back("scoring at least " + std::to_string(words.minScore));
  AppendConditionLines(doc.Conditions, out);
}

}  // namespace

int ScanScoredLists(PuzzleDocument& doc, WordSources& src) {
  const ScoredWords empty;
  const ScoredWords& words = src.Scored ? *src.Scored : empty;
  src.WordListFileLabel = ScoredListNames(words);
  src.WordListFileLabelVisible = true;
  src.Candidates.clear();
  const int row = doc.view().CurRow;
  const std::string initial = UpperCase(std::string(1, RowInitial(doc, row)));
  int found = 0;
  if (initial[0] != 0) {
    for (auto& entry : words.table.BestWithInitial(initial[0], words.minScore)) {
      if (IsAnswerWord(entry.word) && WordFits(doc, entry.word, row, &doc.Conditions)) {
        src.Candidates.push_back(std::move(entry.word));
        ++found;
      }
    }
  }
  if (found == 0) ExplainNoScoredWords(doc, words, src.Candidates);
  ShowCandidates(src);
  return found;
}

int ScanListCommand(PuzzleDocument& doc, WordSources& src, int n) {
  if (!ValidListNumber(n)) return 0;
  src.WordListFileLabel = BaseName(src.List(n).FileName);
  src.WordListFileLabelVisible = true;
  src.Candidates.clear();
  const int found = ScanWordlist(doc, src, n);
  ShowCandidates(src);
  return found;
}

CandidateStats CandidateStatistics(const PuzzleDocument& doc, const std::string& line,
                                   const std::string& primaryProblemStr) {
  const std::string s = Trim(line);
  const std::string r = s.empty() ? std::string() : s.substr(1);
  int poolTotal = 0;
  int poolVowels = 0;
  for (int l = 0; l < 26; ++l) {
    const int count = doc.P.Pool[static_cast<std::size_t>(l)];
    poolTotal += count;
    if (IsVowel(static_cast<char>('A' + l))) poolVowels += count;
  }
  // Laying s would give back the letters of the row's present word.
  int total = poolTotal;
  int vowelsLeft = poolVowels;
  const std::string present = Keystring(doc, doc.view().CurRow);
  if (present.size() > 1) {
    const std::string rest = present.substr(1);
    total += static_cast<int>(rest.size());
    vowelsLeft += CountVowels(rest).vowels;
  }

  const VowelCount vr = CountVowels(r);
  const double w = Share(vr.vowels, vr.vowels + vr.consonants);
  const double p = Share(vowelsLeft, total);
  const double next = Share(vowelsLeft - vr.vowels, total - vr.vowels - vr.consonants);

  CandidateStats stats;
  stats.vowelOutlook = FixedNumber(doc.P.VowelPercent, 3, 1) +
                       (w <= p ? "% Vowels +" : "% Vowels -") + FixedNumber(next * 100, 3, 1);

  int primary = 0;
  for (char c : r)
    if (primaryProblemStr.find(c) != std::string::npos) ++primary;
  stats.panels[1] = "Prob: " + std::to_string(NumProblemChars(doc.P, r));
  stats.panels[2] = "Wrst: " + std::to_string(primary);

  const VowelCount vs = CountVowels(s);
  const double vowelShare =
      (vs.vowels == 0 || vs.consonants == 0) ? 0.0 : Share(vs.vowels, vs.vowels + vs.consonants);
  stats.panels[0] = "Vow: " + GeneralNumber(vowelShare, 1);
  stats.panels[3] = "Len " + std::to_string(s.size());
  const int empty = NumEmpty(doc);
  const double average =
      empty <= 1 ? 0.0 : static_cast<double>(poolTotal - static_cast<int>(r.size())) / (empty - 1);
  stats.panels[4] = "Avg " + GeneralNumber(average, 1);
  return stats;
}

}  // namespace quotella
