#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/saveresult.h"

namespace quotella {

// A constructor's own word list with a score per entry: "WORD;SCORE" a line, scores 0-100
// (higher is better). A line with a word alone takes the default score the user has set;
// blank lines and lines starting with "#" are notes. An entry is written as the
// constructor likes it ("ice cream;60", "Erdős;55") and means its letters folded to A-Z as
// the grid takes them (ICECREAM, ERDOS). The file is UTF-8 or Windows-1252, read as the
// word lists are.

inline constexpr int kMinWordScore = 0;
inline constexpr int kMaxWordScore = 100;
inline constexpr int kDefaultListScore = 50;  // a line with a word alone
inline constexpr int kDefaultMinScore = 50;   // the least score autofill takes
inline constexpr char kScoreSeparator = ';';

// A word and its score.
struct ScoredEntry {
  std::string word;  // upper-case letters A-Z
  int score = 0;
};

// What reading a scored list did.
struct ScoredListRead {
  bool readable = true;          // false: the file could not be read (nothing was added)
  std::size_t entries = 0;       // lines taken as entries (duplicates included)
  std::size_t duplicates = 0;    // entries of a word met before (the higher score is kept)
  std::size_t badLines = 0;      // lines skipped: no letters, a score that is not 0-100...
  std::size_t firstBadLine = 0;  // 1-based line number of the first skipped line; 0 = none
  std::string firstBadText;      // that line as it stands in the file
};

// One table of scored words. A word met twice keeps its higher score.
class ScoredList {
 public:
  // Adds the lines of a list's text; a word alone takes defaultScore.
  ScoredListRead AddText(std::string_view text, int defaultScore);
  // Adds the file's lines; readable is false (and nothing changes) when it cannot be read.
  ScoredListRead AddFile(const std::string& path, int defaultScore);

  // Sets a word's score whatever it had (a word in any case, folded like a line's entry).
  void Put(std::string_view word, int score);
  // The word's score; -1 when it is not listed.
  int ScoreOf(std::string_view word) const;
  std::size_t Count() const { return m_scores.size(); }
  bool Empty() const { return m_scores.empty(); }
  void Clear() { m_scores.clear(); }

  // Every entry in alphabetical order.
  std::vector<ScoredEntry> Sorted() const;
  // The entries whose word starts with initial (A-Z) and scores at least minScore, best
  // score first, equal scores alphabetical.
  std::vector<ScoredEntry> BestWithInitial(char initial, int minScore) const;
  // The text of a list holding every entry: "WORD;SCORE" lines in alphabetical order, LF.
  std::string Text() const;

 private:
  std::unordered_map<std::string, int> m_scores;  // folded word -> score
};

// The scored lists the settings name, as one table, with the choices that decide their use.
struct ScoredWords {
  std::vector<std::string> files;  // as named in the settings, in order
  int minScore = kDefaultMinScore;
  int defaultScore = kDefaultListScore;
  bool dictionaryAllowed = true;  // autofill may also take dictionary words
  ScoredList table;               // every file's entries (the higher score wins)

  // Some list is named: the scores decide what autofill takes.
  bool Active() const { return !files.empty(); }
  // The score of a word listed at or above the minimum; -1 otherwise.
  int UsableScore(std::string_view word) const;
  // Listed below the minimum: the constructor has ruled the word out, so autofill never
  // proposes it, from a list or from the dictionary.
  bool RuledOut(std::string_view word) const;
};

// Reads every named file into words.table (emptied first). Returns one message per file
// that could not be read or had bad lines, naming the file and the first bad line:
//   "Could not read the scored word list PATH"
//   "The scored word list PATH has N bad lines (the first is line L: TEXT); they were skipped"
// The lists that could be read are used either way.
std::vector<std::string> LoadScoredWords(ScoredWords& words);

// Adds entries to the list file at path (created when missing), keeping everything the
// file holds: a word already in the file gets the new score on its own line (its text
// kept as written), a new word is added at the end as "WORD;SCORE". Written atomically.
SaveResult AddToScoredListFile(const std::string& path, const std::vector<ScoredEntry>& entries);

}  // namespace quotella
