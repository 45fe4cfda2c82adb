#include "search/autofillsource.h"

#include "core/answertable.h"
#include "core/assignment.h"
#include "core/textio.h"

namespace quotella {

std::unordered_set<std::string> LoadOffensiveWords(const std::string& path) {
  std::unordered_set<std::string> words;
  const auto lines = ReadWordFile(path);
  if (!lines) return words;
  for (const auto& line : *lines) {
    const std::string trimmed = Trim(line);
    if (trimmed.empty() || trimmed[0] == '#') continue;
    std::string word = NormaliseListEntry(trimmed);
    if (!word.empty()) words.insert(std::move(word));
  }
  return words;
}

AutofillDictionary::AutofillDictionary(std::string dictDir) : m_dir(std::move(dictDir)) {
  m_familiarity.LoadFromDictDir(m_dir);
  m_offensive = LoadOffensiveWords(m_dir + kOffensiveFileName);
}

void AutofillDictionary::AddListEntries(const std::vector<std::string>& entries) {
  for (const auto& e : entries) {
    std::string word = NormaliseListEntry(e);
    if (IsAnswerWord(word)) m_listWords.push_back(std::move(word));
  }
  m_words.clear();
}

const std::vector<AutofillWord>& AutofillDictionary::Words(char initial) {
  auto it = m_words.find(initial);
  if (it != m_words.end()) return it->second;
  std::vector<AutofillWord> words;
  for (const auto& w : m_listWords)
    if (w[0] == initial && m_offensive.count(w) == 0)
      words.push_back({w, m_familiarity.SizeOf(w), true});
  if (auto letter = LoadLetterWords(m_dir, initial)) {
    for (auto& w : *letter)
      if (IsAnswerWord(w) && m_offensive.count(w) == 0)
        words.push_back({w, m_familiarity.SizeOf(w), false});
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

bool LayFill(PuzzleDocument& doc, const AutofillProblem& problem, const AutofillFill& fill) {
  if (fill.words.size() != problem.rowSlots.size()) return false;
  bool ok = true;
  for (std::size_t s = 0; s < problem.rowSlots.size(); ++s)
    ok = LayInString(doc, fill.words[s], problem.rowSlots[s].row) && ok;
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
