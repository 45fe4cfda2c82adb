#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/host.h"
#include "core/letterfold.h"
#include "core/linestore.h"
#include "core/tpuzzle.h"
#include "search/scoredlist.h"

namespace quotella {

// What the list pane of the main window shows.
enum class ListPane { None, List1, List2, List3, List4, Candidates };

// One of the four word lists: entries kept in case-insensitive order (duplicates stay),
// the file's note lines and the file they belong to.
class WordList {
 public:
  // Both held compactly: a list file may be large, and its lines short or empty.
  LineStore Items;
  // Lines of the file that start with "#": notes to its reader, never words. They are
  // written back first, in their order.
  LineStore Notes;
  // Lines of the file holding a letter with no A-Z form (another script): never offered
  // as entries, but the file keeps them as they were, written back after the entries.
  LineStore Unlisted;
  std::string FileName;  // as stored; a bare name lies in the program directory

  // What reading a list file did not list: lines holding a letter with no A-Z form.
  struct Refusals {
    std::size_t count = 0;
    std::string letter;  // the first such letter
  };

  // Replaces the notes and entries by the lines of a file; the entries sorted.
  void Assign(std::vector<std::string> lines);
  // The same from a list file's text, each entry folded to A-Z as the grid takes it
  // (FoldListEntry); lines that cannot be folded go to Unlisted and are counted.
  Refusals AssignText(std::string text);
  // The text a save writes: the notes, the entries, then the unlisted lines, each with
  // CR LF.
  std::string FileText() const;
  // Inserts at the sorted place; returns the index.
  std::size_t Add(const std::string& entry);
};

// A word-list entry as the grid takes it: the letters before the comment marker folded to
// A-Z (café -> cafe, Łódź -> Lodz), the comment as typed. `unfoldable` names a letter of
// the word that has no A-Z form (Greek, Cyrillic...).
FoldedText FoldListEntry(std::string_view entry);

// Words in the dictionary with each initial letter, until the dictionary is counted.
inline constexpr LetterCounts kDefaultDictWordCounts = {
    10098, 10857, 15917, 9952, 6937, 6799,  5520, 6237, 6885, 1378, 1734, 4941, 9442,
    4293,  5841,  14289, 827,  9927, 18839, 8447, 4982, 2741, 3647, 137,  553,  543};

// The word sources of the main window: the four word lists, the candidate list, the
// dictionary directory and the per-letter word counts, with the label and pane that
// show them.
struct WordSources {
  WordSources();

  std::array<WordList, 4> Lists;  // word lists 1..4 at 0..3
  std::vector<std::string> Candidates;
  // The constructor's scored lists named in the settings. Replaced as a whole when they are
  // read again, never changed in place: a fill or scan in a worker keeps the one it began with.
  std::shared_ptr<const ScoredWords> Scored = std::make_shared<const ScoredWords>();

  std::string ProgramDir;  // ends in a separator
  std::string DictDir;     // ends in a separator; empty means ProgramDir

  std::string ListLabel;
  bool ListLabelVisible = false;
  ListPane Pane = ListPane::None;
  int AddItemTarget = 1;  // the list "Add Items" adds to
  // The word-list file label over the side picture: the scanned list's file name.
  std::string WordListFileLabel;
  bool WordListFileLabelVisible = false;

  LetterCounts DictWordCounts = kDefaultDictWordCounts;
  std::vector<std::string> ProgressLog;  // the log shown while the dictionary is counted

  // List n, 1-based.
  WordList& List(int n) { return Lists[static_cast<std::size_t>(n - 1)]; }
  const WordList& List(int n) const { return Lists[static_cast<std::size_t>(n - 1)]; }
  // A file name as opened: a bare name lies in the program directory.
  std::string Resolve(const std::string& fileName) const;
  // The directory the dictionary is read from.
  std::string DictionaryDir() const;
};

bool ValidListNumber(int n);

// The file name without its directory.
std::string BaseName(const std::string& path);

// "2: birds.txt - 3 items ": names list n and its size; shows the label.
void UpdateListLabel(WordSources& src, int n);

// Load word list n: open dialog on the list's file; then LoadWordListFile.
bool LoadWordList(WordSources& src, int n, Host& host);
// The open dialog of "Wordlist n", on the list's own file: the chosen file, or nothing.
std::optional<std::string> AskWordListFile(const WordSources& src, int n, Host& host);
// Replaces list n by the lines of path, makes path its file name and shows it. A file
// that cannot be read shows "Could not load file " and changes nothing.
bool LoadWordListFile(WordSources& src, int n, const std::string& path, Host& host);
// Save word list n: shows it, asks for a name ("Save Wordlist n") and writes it there
// (atomically); the name becomes the list's file name. A failed write shows
// "Could not save file " and keeps the old name.
bool SaveWordList(WordSources& src, int n, Host& host);
bool SaveWordListFile(WordSources& src, int n, const std::string& path, Host& host);
// Re-reads every list whose file exists; missing files are skipped silently.
void ReloadWordLists(WordSources& src);
// Enter in the add-item field: its text, folded (FoldListEntry; even empty), joins the list
// the field adds to; returns the index of the new entry. A text starting with "#" would be
// read back as a note, and one with a letter that has no A-Z form cannot go in the grid:
// both are refused with a message (nullopt).
std::optional<std::size_t> AddItemFromField(WordSources& src, const std::string& text, Host& host);
// The output editor's lines become entries of list n, folded (empty lines too); lines
// starting with "#" and lines that cannot be folded are refused, each kind with one message.
void AddLinesToList(WordSources& src, int n, const LineStore& lines, Host& host);
// Delete key on list n: removes the entry at index; returns the index to select next
// (-1 when the list is now empty or index was not an entry).
int DeleteListEntry(WordSources& src, int n, int index);

// Counts the lines of each letter file of dir into counts, logging its progress. Stops
// at a missing or unreadable file with a message naming it; the counts taken so far stay.
// Returns true when all 26 files were counted.
bool GetDictWordCounts(const std::string& dir, LetterCounts& counts, std::vector<std::string>& log,
                       Host& host);

// Case-insensitive binary search of a list sorted by its upper-cased entries. The word is
// upper-cased and trimmed and cut before a comment marker; entries are compared whole
// (a comment or a stray blank keeps an entry from matching). Returns found and the
// index reached (0 for an empty list).
std::pair<bool, int> SearchList1(const std::vector<std::string>& list, const std::string& word);

// "Delete from Dictionary" on the candidate at index: removes the word from its letter
// file, rewritten sorted and atomically, and from the candidates. Returns true when the
// word was deleted.
bool DeleteFromDictionary(WordSources& src, int candidateIndex, Host& host);

// The companion word-list manager program in the program directory.
inline constexpr const char* kWordListManagerName = "quotella-wordlists";
// "Word Lists": starts the word-list manager, or shows "Program not found: " + path.
void LaunchWordListManager(const WordSources& src, Host& host);

}  // namespace quotella
