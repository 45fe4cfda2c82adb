#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quotella {

// Word files: the four word lists and the 26 letter files of the dictionary directory.
// Both are plain 8-bit text, one entry per line. An entry is free text; what a scan sees
// of it are its letters A-Z (see the normalisers below).

inline constexpr char kCommentMarker = '@';
inline constexpr const char* kFamiliarityFileName = "familiarity.txt";

// A word-list entry as the scans see it: cut before the first comment marker, blanks
// removed, upper-cased, every excluded character removed.
std::string NormaliseListEntry(const std::string& entry);
// A letter-file line as the dictionary scan sees it: upper-cased, blanks removed, trimmed,
// excluded characters removed. The comment marker is removed with the other non-letters,
// so text after it stays part of the word.
std::string NormaliseDictLine(const std::string& line);

// An answer needs at least two letters. The one-letter entries of the letter files and
// word lists ("A", "I", "O", the bare letters) stay in the files but are never offered.
inline bool IsAnswerWord(const std::string& word) {
  return word.size() >= 2;
}

// The case-insensitive order of the word lists: byte order of the upper-cased texts.
bool LessNoCase(std::string_view a, std::string_view b);
// Stable: entries equal but for case keep their order. Duplicates stay.
void SortNoCase(std::vector<std::string>& items);
// Inserts after any equal entries; returns the index of the new entry.
std::size_t InsertSorted(std::vector<std::string>& items, const std::string& item);

// "dir" -> "dir/" (an empty dir stays empty).
std::string DirWithSeparator(const std::string& dir);
// The directory the dictionary is read from: dictDir, or programDir when dictDir is empty.
std::string EffectiveDictDir(const std::string& dictDir, const std::string& programDir);
// The letter file as the program names it: dir + upper-case initial + ".txt".
std::string LetterFileName(const std::string& dir, char initial);
// The existing letter file of an initial, found case-insensitively ("a.txt", "A.txt",
// ...); LetterFileName when none exists.
std::string FindLetterFile(const std::string& dir, char initial);
// True when dir holds a letter file for every initial A-Z.
bool HasDictionary(const std::string& dir);
// Where the bundled dictionary is found without a configured directory: the program
// directory when it holds "a.txt", otherwise the installed data folder when that does,
// otherwise the program directory. Ends in a separator.
std::string DefaultDictDir(const std::string& programDir);

// The lines of a word file as stored (CR LF, LF or CR; a UTF-8 file is converted to the
// program's 8-bit text). nullopt when the file cannot be read.
std::optional<std::vector<std::string>> ReadWordFile(const std::string& path);
// The same file's text, unsplit, for readers that keep only some of its lines.
std::optional<std::string> ReadWordFileText(const std::string& path);

// The words of a letter file as the dictionary scan meets them: the file sorted
// case-insensitively, each line normalised by NormaliseDictLine, empty results dropped.
// nullopt when the file is missing or unreadable.
std::optional<std::vector<std::string>> LoadLetterWords(const std::string& dir, char initial);
// The words of a word-list file: sorted case-insensitively, each entry normalised by
// NormaliseListEntry, empty results dropped. nullopt when unreadable.
std::optional<std::vector<std::string>> LoadListWords(const std::string& path);

// How common each dictionary word is: its smallest SCOWL size (10 = the most common
// words, 70 = the rarest the bundled dictionary holds). Read from familiarity.txt beside
// the letter files, one "word size" per line.
class Familiarity {
 public:
  // Replaces the table; false when the file cannot be read (the table is then empty).
  bool Load(const std::string& path);
  // Loads dir + kFamiliarityFileName.
  bool LoadFromDictDir(const std::string& dir) { return Load(dir + kFamiliarityFileName); }
  // Size of a word in any case; 0 when the word is unknown.
  int SizeOf(const std::string& word) const;
  std::size_t Count() const { return m_sizes.size(); }
  bool Empty() const { return m_sizes.empty(); }

 private:
  std::unordered_map<std::string, int> m_sizes;  // upper-cased word -> size
};

}  // namespace quotella
