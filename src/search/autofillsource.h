#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "core/document.h"
#include "core/host.h"
#include "search/autofill.h"
#include "search/knownwords.h"
#include "search/scoredlist.h"
#include "search/wordsource.h"

namespace quotella {

// The editable list of words autofill never proposes, beside the dictionary.
inline constexpr const char* kOffensiveFileName = "offensive.txt";

// One word per line; blank lines and lines starting with "#" are skipped; each word is
// normalised as a word-list entry. Empty when the file cannot be read.
std::unordered_set<std::string> LoadOffensiveWords(const std::string& path);
// The same from the text of such a file.
std::unordered_set<std::string> OffensiveWordsOf(std::string_view text);

// The list that comes with the program (resources/offensive.txt), compiled in, so that a
// dictionary folder without its own copy still keeps those words out of a fill.
std::string_view BundledOffensiveText();

// "The dictionary folder DIR holds no offensive.txt: ..." (the warning of a folder
// without its own list).
std::string NoOffensiveListWarning(const std::string& dictDir);

// The words autofill draws from: the user's word lists (preferred), the constructor's scored
// lists (the words at or above their minimum score) and the dictionary's letter files with
// their familiarity and whether WordNet knows them, less the offensive words (the list names
// their forms too) and the words the scored lists rule out. Letter files are read when an
// initial is first asked for.
class AutofillDictionary {
 public:
  // dictDir ends in a separator; its familiarity, known-word and offensive-word files are
  // read now.
  // A folder without a readable offensive-word file takes the bundled list instead, and
  // the host (when given) is warned once per folder in a run.
  explicit AutofillDictionary(std::string dictDir, Host* host = nullptr);

  // Entries of a word list (free text, normalised here); they rank before any other word.
  void AddListEntries(const std::vector<std::string>& entries);
  // The constructor's scored lists (none when words is empty or names no list): every word
  // at or above the minimum is offered with its score, dictionary or not; a word listed
  // below it never is; and when the lists do not allow the dictionary, only their words and
  // the word-list entries are offered.
  void UseScoredWords(std::shared_ptr<const ScoredWords> words);
  // Only the scored lists and the word lists are drawn from.
  bool ScoredOnly() const { return m_scored && !m_scored->dictionaryAllowed; }
  // The word's score in the scored lists when at or above the minimum; -1 otherwise.
  int ScoreOf(const std::string& word) const;

  const std::vector<AutofillWord>& Words(char initial);
  AutofillWordSource Source() {
    return [this](char initial) -> const std::vector<AutofillWord>& { return Words(initial); };
  }

  const std::unordered_set<std::string>& Offensive() const { return m_offensive; }
  // The folder had no offensive-word file of its own: the bundled list is in use.
  bool BundledBlocklist() const { return m_bundledBlocklist; }

  const Familiarity& Sizes() const { return m_familiarity; }
  const KnownWords& Known() const { return m_known; }
  // Letter files that could not be read, in the order asked for.
  const std::vector<std::string>& Unreadable() const { return m_unreadable; }

 private:
  std::string m_dir;
  Familiarity m_familiarity;
  KnownWords m_known;
  std::unordered_set<std::string> m_offensive;
  bool m_bundledBlocklist = false;
  std::vector<std::string> m_listWords;
  std::shared_ptr<const ScoredWords> m_scored;             // null: no scored list
  std::map<char, std::vector<ScoredEntry>> m_scoredWords;  // usable entries by initial

  bool RuledOut(const std::string& word) const;
  AutofillWord Described(const std::string& word, bool fromList) const;
  bool Offered(const std::string& word) const;
  std::map<char, std::vector<AutofillWord>> m_words;
  std::vector<std::string> m_unreadable;
};

// The rows to fill: every answer row that holds only its initial, or only those of
// `rows` (0-based table rows) that do. The pool and the locked letters come along.
AutofillProblem MakeAutofillProblem(const PuzzleDocument& doc, const std::vector<int>& rows = {});

// A new fill of `rows` (0-based table rows) with every other row kept: the slots are the
// empty rows and the named rows, and the pool takes back the letters of the named rows
// that hold words. Nothing in the document changes until LayRefill.
AutofillProblem MakeRefillProblem(const PuzzleDocument& doc, const std::vector<int>& rows);

// Lays a fill (or a partial fill: "" leaves a slot empty) of a refill problem: the named
// rows give their words back first and only they are laid (all slots when rows is empty).
// True when every word laid went in.
bool LayRefill(PuzzleDocument& doc, const AutofillProblem& problem, const AutofillFill& fill,
               const std::vector<int>& rows);

// The answer words already in the table, so that a fill does not repeat them.
std::unordered_set<std::string> WordsInTable(const PuzzleDocument& doc);

// Sets what a fill of this puzzle must avoid: the words in the table and their stems, and
// the quotation's own words of four letters or more.
// Rows in `refill` are about to get new words: theirs do not count.
void PrepareAutofillOptions(const PuzzleDocument& doc, AutofillOptions& options,
                            const std::vector<int>& refill = {});

// Lays every word of the fill into its row with the normal assignment rule. True when all
// went in and the pool is empty afterwards.
bool LayFill(PuzzleDocument& doc, const AutofillProblem& problem, const AutofillFill& fill);

// "A,C,AA" -> table rows; labels as the table shows them (case-insensitive). False on a
// label that is not a row of the puzzle.
bool ParseRowLabels(const PuzzleDocument& doc, const std::string& text, std::vector<int>& rows);

}  // namespace quotella
