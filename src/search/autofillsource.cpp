#include "search/autofillsource.h"

#include <algorithm>
#include <mutex>
#include <set>

#include "core/answertable.h"
#include "core/assignment.h"
#include "core/linescan.h"
#include "core/textio.h"
#include "search/fillquality.h"

namespace quotella {

std::unordered_set<std::string> OffensiveWordsOf(std::string_view text) {
  std::unordered_set<std::string> words;
  ForEachLine(text, [&](std::string_view line) {
    const std::string trimmed = Trim(std::string(line));
    if (trimmed.empty() || trimmed[0] == '#') return;
    std::string word = NormaliseListEntry(trimmed);
    if (!word.empty()) words.insert(std::move(word));
  });
  return words;
}

std::unordered_set<std::string> LoadOffensiveWords(const std::string& path) {
  const auto text = ReadWordFileText(path);
  return text ? OffensiveWordsOf(*text) : std::unordered_set<std::string>();
}

std::string NoOffensiveListWarning(const std::string& dictDir) {
  return "The dictionary folder " + dictDir + " holds no readable " + kOffensiveFileName +
         ": autofill leaves out the words of the list that comes with the program instead.";
}

namespace {

// True the first time a folder is named in this run: its warning is given once.
bool FirstTimeWithoutList(const std::string& dictDir) {
  static std::mutex guard;
  static std::set<std::string> warned;
  const std::lock_guard<std::mutex> lock(guard);
  return warned.insert(dictDir).second;
}

}  // namespace

AutofillDictionary::AutofillDictionary(std::string dictDir, Host* host)
    : m_dir(std::move(dictDir)) {
  m_familiarity.LoadFromDictDir(m_dir);
  m_known.LoadFromDictDir(m_dir);
  if (const auto text = ReadWordFileText(m_dir + kOffensiveFileName)) {
    m_offensive = OffensiveWordsOf(*text);
    return;
  }
  m_offensive = OffensiveWordsOf(BundledOffensiveText());
  m_bundledBlocklist = true;
  if (host && FirstTimeWithoutList(m_dir)) host->Message(NoOffensiveListWarning(m_dir));
}

void AutofillDictionary::AddListEntries(const std::vector<std::string>& entries) {
  for (const auto& e : entries) {
    std::string word = NormaliseListEntry(e);
    if (IsAnswerWord(word)) m_listWords.push_back(std::move(word));
  }
  m_words.clear();
}

void AutofillDictionary::UseScoredWords(std::shared_ptr<const ScoredWords> words) {
  m_scored.reset();
  m_scoredWords.clear();
  if (words && words->Active()) {
    for (auto& entry : words->table.Sorted())
      if (IsAnswerWord(entry.word) && entry.score >= words->minScore)
        m_scoredWords[entry.word[0]].push_back(std::move(entry));
    m_scored = std::move(words);
  }
  m_words.clear();
}

int AutofillDictionary::ScoreOf(const std::string& word) const {
  return m_scored ? m_scored->UsableScore(word) : -1;
}

bool AutofillDictionary::RuledOut(const std::string& word) const {
  return m_scored && m_scored->RuledOut(word);
}

AutofillWord AutofillDictionary::Described(const std::string& word, bool fromList) const {
  return {word, m_familiarity.SizeOf(word), fromList, m_known.Knows(word), ScoreOf(word)};
}

bool AutofillDictionary::Offered(const std::string& word) const {
  return IsAnswerWord(word) && m_offensive.count(word) == 0 && !RuledOut(word);
}

const std::vector<AutofillWord>& AutofillDictionary::Words(char initial) {
  auto it = m_words.find(initial);
  if (it != m_words.end()) return it->second;
  std::vector<AutofillWord> words;
  for (const auto& w : m_listWords)
    if (w[0] == initial && Offered(w)) words.push_back(Described(w, true));
  const auto scored = m_scoredWords.find(initial);
  if (scored != m_scoredWords.end())
    for (const auto& entry : scored->second)
      if (Offered(entry.word)) words.push_back(Described(entry.word, false));
  if (ScoredOnly()) return m_words.emplace(initial, std::move(words)).first->second;
  if (auto letter = LoadLetterWords(m_dir, initial)) {
    for (auto& w : *letter)  // a scored word is offered above, once
      if (Offered(w) && ScoreOf(w) < 0) words.push_back(Described(w, false));
  } else {
    m_unreadable.push_back(FindLetterFile(m_dir, initial));
  }
  return m_words.emplace(initial, std::move(words)).first->second;
}

AutofillProblem MakeAutofillProblem(const PuzzleDocument& doc, const std::vector<int>& rows) {
  AutofillProblem problem;
  problem.pool = doc.P.Pool;
  problem.locked = doc.LetterLocked;
  auto wanted = [&rows](int row) {
    if (rows.empty()) return true;
    for (int r : rows)
      if (r == row) return true;
    return false;
  };
  for (int row = 0; row < doc.P.NumWords && row < kTableSize; ++row) {
    const std::string& initial = doc.KeyWords.At(1, row);
    if (initial.empty() || !doc.KeyWords.At(2, row).empty() || !wanted(row)) continue;
    const char c = UpperCase(initial.substr(0, 1))[0];
    if (!IsUpperLetter(c)) continue;
    problem.rowSlots.push_back({row, c});
  }
  return problem;
}

std::unordered_set<std::string> WordsInTable(const PuzzleDocument& doc) {
  std::unordered_set<std::string> words;
  for (int row = 0; row < doc.P.NumWords && row < kTableSize; ++row) {
    if (doc.KeyWords.At(2, row).empty()) continue;
    words.insert(UpperCase(Keystring(doc, row)));
  }
  return words;
}

void PrepareAutofillOptions(const PuzzleDocument& doc, AutofillOptions& options,
                            const std::vector<int>& refill) {
  options.exclude.clear();
  for (int row = 0; row < doc.P.NumWords && row < kTableSize; ++row)
    if (!doc.KeyWords.At(2, row).empty() &&
        std::find(refill.begin(), refill.end(), row) == refill.end())
      options.exclude.insert(UpperCase(Keystring(doc, row)));
  for (const auto& w : options.exclude) options.excludeStems.insert(StemOf(w));
  const std::string& quote = doc.P.QuoteOrig.empty() ? doc.P.MasterQuote : doc.P.QuoteOrig;
  for (auto& w : QuotationWords(quote)) options.exclude.insert(w);
}

AutofillProblem MakeRefillProblem(const PuzzleDocument& doc, const std::vector<int>& rows) {
  AutofillProblem problem;
  problem.pool = doc.P.Pool;
  problem.locked = doc.LetterLocked;
  for (int row = 0; row < doc.P.NumWords && row < kTableSize; ++row) {
    const std::string& initial = doc.KeyWords.At(1, row);
    if (initial.empty()) continue;
    const bool named = std::find(rows.begin(), rows.end(), row) != rows.end();
    const bool empty = doc.KeyWords.At(2, row).empty();
    if (!empty && !named) continue;
    const char c = UpperCase(initial.substr(0, 1))[0];
    if (!IsUpperLetter(c)) continue;
    if (!empty) {
      const std::string word = UpperCase(Keystring(doc, row));
      for (std::size_t k = 1; k < word.size(); ++k)
        if (IsUpperLetter(word[k])) ++problem.pool[static_cast<std::size_t>(LetterIndex(word[k]))];
    }
    problem.rowSlots.push_back({row, c});
  }
  return problem;
}

bool LayRefill(PuzzleDocument& doc, const AutofillProblem& problem, const AutofillFill& fill,
               const std::vector<int>& rows) {
  if (fill.words.size() != problem.rowSlots.size()) return false;
  auto named = [&rows](int row) {
    return rows.empty() || std::find(rows.begin(), rows.end(), row) != rows.end();
  };
  // Every named row gives its letters back before any new word takes them.
  for (const auto& slot : problem.rowSlots)
    if (named(slot.row) && !doc.KeyWords.At(2, slot.row).empty())
      ClearWord1Click(doc, TablePos{0, slot.row}, false);
  bool ok = true;
  for (std::size_t s = 0; s < problem.rowSlots.size(); ++s)
    if (named(problem.rowSlots[s].row) && !fill.words[s].empty())
      ok = LayInString(doc, fill.words[s], problem.rowSlots[s].row) && ok;
  doc.PuzzleChanged = true;
  return ok;
}

bool LayFill(PuzzleDocument& doc, const AutofillProblem& problem, const AutofillFill& fill) {
  if (fill.words.size() != problem.rowSlots.size()) return false;
  bool ok = true;
  for (std::size_t s = 0; s < problem.rowSlots.size(); ++s)
    if (!fill.words[s].empty()) ok = LayInString(doc, fill.words[s], problem.rowSlots[s].row) && ok;
  doc.PuzzleChanged = true;
  return ok && PoolIsEmpty(doc);
}

bool ParseRowLabels(const PuzzleDocument& doc, const std::string& text, std::vector<int>& rows) {
  rows.clear();
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t comma = text.find(',', start);
    if (comma == std::string::npos) comma = text.size();
    const std::string label = UpperCase(Trim(text.substr(start, comma - start)));
    int found = -1;
    for (int row = 0; row < doc.P.NumWords && row < kMaxWords; ++row)
      if (doc.Label(row) == label) found = row;
    if (label.empty() || found < 0) return false;
    rows.push_back(found);
    start = comma + 1;
  }
  return !rows.empty();
}

}  // namespace quotella
