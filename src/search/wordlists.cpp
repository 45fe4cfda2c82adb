#include "search/wordlists.h"

#include <algorithm>
#include <cstdint>
#include <iterator>

#include "core/linescan.h"
#include "core/textio.h"
#include "search/wordsource.h"

namespace quotella {

namespace {

bool IsNoteLine(std::string_view line) {
  return !line.empty() && line[0] == '#';
}

constexpr const char* kNoteRefused = "A word list entry may not start with \"#\": ";

bool IsAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// "The letter ... 3 lines left out." (`what` says what became of the lines).
std::string RefusedLinesMessage(const std::string& letter, std::size_t count, const char* what) {
  return UnfoldableMessage(letter) + " " + std::to_string(count) +
         (count == 1 ? " line " : " lines ") + what;
}

constexpr const char* kLeftOut = "left out.";
constexpr const char* kKeptInFile = "not listed; the file keeps them.";

}  // namespace

FoldedText FoldListEntry(std::string_view entry) {
  if (IsAscii(entry)) return {std::string(entry), {}};
  const std::size_t marker = entry.find(kCommentMarker);
  FoldedText folded = FoldLetters(std::string(entry.substr(0, marker)));
  if (marker != std::string_view::npos) folded.text.append(entry.substr(marker));
  return folded;
}

void WordList::Assign(std::vector<std::string> lines) {
  Notes.clear();
  Unlisted.clear();
  for (const auto& line : lines)
    if (IsNoteLine(line)) Notes.push_back(line);
  std::erase_if(lines, IsNoteLine);
  SortNoCase(lines);
  Items = lines;
}

WordList::Refusals WordList::AssignText(std::string text) {
  Refusals refused;
  Notes.clear();
  Unlisted.clear();
  // The entries that are not empty, one after another, and where each lies: sorted as
  // spans, so that a long list is never held as a string per line.
  struct Span {
    std::uint32_t offset, length;
  };
  std::string flat;
  std::vector<Span> spans;
  // Counted first, so that neither grows by doubling while the text is still held.
  std::size_t entries = 0;
  std::size_t entryBytes = 0;
  ForEachLine(text, [&](std::string_view line) {
    if (line.empty() || IsNoteLine(line)) return;
    ++entries;
    entryBytes += line.size();
  });
  spans.reserve(entries);
  flat.reserve(entryBytes);
  std::size_t empty = 0;
  ForEachLine(text, [&](std::string_view line) {
    if (IsNoteLine(line)) return Notes.push_back(line);
    if (line.empty()) return static_cast<void>(++empty);
    FoldedText folded = FoldListEntry(line);
    if (!folded.unfoldable.empty()) {
      if (refused.count++ == 0) refused.letter = folded.unfoldable;
      return Unlisted.push_back(line);
    }
    spans.push_back(
        {static_cast<std::uint32_t>(flat.size()), static_cast<std::uint32_t>(folded.text.size())});
    flat += folded.text;
  });
  std::string().swap(text);
  const auto entry = [&flat](const Span& s) {
    return std::string_view(flat).substr(s.offset, s.length);
  };
  const auto less = [&](const Span& a, const Span& b) { return LessNoCase(entry(a), entry(b)); };
  if (!std::is_sorted(spans.begin(), spans.end(), less))
    std::stable_sort(spans.begin(), spans.end(), less);
  Items.clear();
  // Each entry's length takes a byte, and one more per 128 bytes of a long entry.
  Items.Reserve(empty + spans.size(), empty + flat.size() + flat.size() / 64 + spans.size());
  for (std::size_t i = 0; i < empty; ++i) Items.push_back({});
  for (const Span& s : spans) Items.push_back(entry(s));
  return refused;
}

std::string WordList::FileText() const {
  return Notes.TextCrLf() + Items.TextCrLf() + Unlisted.TextCrLf();
}

std::size_t WordList::Add(const std::string& entry) {
  const auto at = std::upper_bound(Items.begin(), Items.end(), entry, LessNoCase);
  Items.insert(at, entry);
  return at.Index();
}

WordSources::WordSources() {
  for (int n = 1; n <= 4; ++n) List(n).FileName = "words" + std::to_string(n) + ".txt";
}

std::string WordSources::Resolve(const std::string& fileName) const {
  if (fileName.find('/') != std::string::npos) return fileName;
  return ProgramDir + fileName;
}

std::string WordSources::DictionaryDir() const {
  return EffectiveDictDir(DictDir, ProgramDir);
}

bool ValidListNumber(int n) {
  return n >= 1 && n <= 4;
}

std::string BaseName(const std::string& path) {
  const std::size_t slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

void UpdateListLabel(WordSources& src, int n) {
  if (!ValidListNumber(n)) return;
  const WordList& list = src.List(n);
  const std::size_t count = list.Items.size();
  src.ListLabel = std::to_string(n) + ": " + BaseName(list.FileName) + " - " +
                  std::to_string(count) + (count == 1 ? " item " : " items ");
  src.ListLabelVisible = true;
}

namespace {

void ShowList(WordSources& src, int n) {
  src.Pane = static_cast<ListPane>(static_cast<int>(ListPane::List1) + n - 1);
}

std::string DirectoryOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

const char* const kWordFileFilter = "Text files (*.txt)|*.txt|All files (*.*)|*.*";

}  // namespace

std::optional<std::string> AskWordListFile(const WordSources& src, int n, Host& host) {
  if (!ValidListNumber(n)) return std::nullopt;
  return host.OpenFileName("Wordlist " + std::to_string(n), kWordFileFilter,
                           src.Resolve(src.List(n).FileName));
}

bool LoadWordList(WordSources& src, int n, Host& host) {
  const auto path = AskWordListFile(src, n, host);
  if (!path) return false;
  return LoadWordListFile(src, n, *path, host);
}

bool LoadWordListFile(WordSources& src, int n, const std::string& path, Host& host) {
  if (!ValidListNumber(n)) return false;
  auto text = ReadWordFileText(src.Resolve(path));
  if (!text || text->size() > UINT32_MAX) {
    host.Message("Could not load file ");
    return false;
  }
  const WordList::Refusals refused = src.List(n).AssignText(std::move(*text));
  if (refused.count > 0)
    host.Message(RefusedLinesMessage(refused.letter, refused.count, kKeptInFile));
  src.List(n).FileName = path;
  ShowList(src, n);
  UpdateListLabel(src, n);
  return true;
}

bool SaveWordList(WordSources& src, int n, Host& host) {
  if (!ValidListNumber(n)) return false;
  ShowList(src, n);
  UpdateListLabel(src, n);
  const std::string current = src.Resolve(src.List(n).FileName);
  const auto path = host.SaveFileName("Save Wordlist " + std::to_string(n), kWordFileFilter,
                                      DirectoryOf(current), BaseName(current));
  if (!path) return false;
  return SaveWordListFile(src, n, *path, host);
}

bool SaveWordListFile(WordSources& src, int n, const std::string& path, Host& host) {
  if (!ValidListNumber(n)) return false;
  const std::string target = src.Resolve(path);
  const std::string bytes = EncodeText(src.List(n).FileText(), RememberedEncoding(target));
  if (const SaveResult saved = WriteFileAtomic(target, bytes); !saved.ok()) {
    host.Message(saved.Message("Could not save file ", target));
    return false;
  }
  src.List(n).FileName = path;
  return true;
}

void ReloadWordLists(WordSources& src) {
  for (int n = 1; n <= 4; ++n) {
    auto text = ReadWordFileText(src.Resolve(src.List(n).FileName));
    if (text && text->size() <= UINT32_MAX) src.List(n).AssignText(std::move(*text));
  }
}

std::optional<std::size_t> AddItemFromField(WordSources& src, const std::string& text, Host& host) {
  if (IsNoteLine(text)) {
    host.Message(kNoteRefused + text);
    return std::nullopt;
  }
  const FoldedText folded = FoldListEntry(text);
  if (!folded.unfoldable.empty()) {
    host.Message(UnfoldableMessage(folded.unfoldable));
    return std::nullopt;
  }
  const int n = ValidListNumber(src.AddItemTarget) ? src.AddItemTarget : 1;
  return src.List(n).Add(folded.text);
}

void AddLinesToList(WordSources& src, int n, const LineStore& lines, Host& host) {
  if (!ValidListNumber(n)) return;
  std::size_t notes = 0;
  WordList::Refusals unfoldable;
  std::vector<std::string> added;
  for (auto it = lines.begin(); it != lines.end(); ++it) {
    if (IsNoteLine(it.View())) {
      ++notes;
      continue;
    }
    FoldedText folded = FoldListEntry(it.View());
    if (!folded.unfoldable.empty()) {
      if (unfoldable.count++ == 0) unfoldable.letter = folded.unfoldable;
      continue;
    }
    added.push_back(std::move(folded.text));
  }
  // Each added line goes after the entries equal to it, as Add puts it.
  std::stable_sort(added.begin(), added.end(), LessNoCase);
  LineStore& items = src.List(n).Items;
  LineStore merged;
  std::merge(items.begin(), items.end(), added.begin(), added.end(), std::back_inserter(merged),
             [](const std::string& a, const std::string& b) { return LessNoCase(a, b); });
  items = std::move(merged);
  if (notes > 0)
    host.Message(kNoteRefused + std::to_string(notes) + (notes == 1 ? " line" : " lines") +
                 " left out");
  if (unfoldable.count > 0)
    host.Message(RefusedLinesMessage(unfoldable.letter, unfoldable.count, kLeftOut));
}

int DeleteListEntry(WordSources& src, int n, int index) {
  if (!ValidListNumber(n)) return -1;
  auto& items = src.List(n).Items;
  if (index < 0 || index >= static_cast<int>(items.size())) return -1;
  items.erase(items.begin() + index);
  if (items.empty()) return -1;
  return std::min(index, static_cast<int>(items.size()) - 1);
}

bool GetDictWordCounts(const std::string& dir, LetterCounts& counts, std::vector<std::string>& log,
                       Host& host) {
  log.push_back("Working in Directory: ");
  log.push_back(dir);
  for (char c = 'A'; c <= 'Z'; ++c) {
    const std::string path = FindLetterFile(dir, c);
    const auto lines = ReadWordFile(path);
    if (!lines) {
      host.Message("Could not load file " + path);
      return false;
    }
    counts[static_cast<std::size_t>(LetterIndex(c))] = static_cast<int>(lines->size());
    log.push_back("File:" + BaseName(path) + "  Count=" + std::to_string(lines->size()));
    if (host.ProcessPendingEvents()) return false;  // Esc: the counts so far stay
  }
  return true;
}

std::pair<bool, int> SearchList1(const std::vector<std::string>& list, const std::string& word) {
  std::string key = Trim(UpperCase(word));
  const std::size_t marker = key.find(kCommentMarker);
  if (marker != std::string::npos) key = Trim(key.substr(0, marker));
  if (list.empty()) return {false, 0};
  std::size_t low = 0;
  std::size_t high = list.size();
  while (low != high - 1) {
    const std::size_t middle = (low + high) / 2;
    if (key < UpperCase(list[middle])) {
      high = middle;
    } else {
      low = middle;
    }
  }
  return {UpperCase(list[low]) == key, static_cast<int>(low)};
}

bool DeleteFromDictionary(WordSources& src, int candidateIndex, Host& host) {
  if (candidateIndex < 0 || candidateIndex >= static_cast<int>(src.Candidates.size())) return false;
  const std::string word = UpperCase(src.Candidates[static_cast<std::size_t>(candidateIndex)]);
  if (word.empty()) return false;
  if (src.DictDir.empty()) src.DictDir = src.ProgramDir;
  const std::string path = FindLetterFile(src.DictDir, word[0]);
  auto lines = ReadWordFile(path);
  if (!lines) return false;
  SortNoCase(*lines);
  const auto [found, index] = SearchList1(*lines, word);
  if (!found) {
    host.Message(word + " was not in the Dictionary");
    return false;
  }
  lines->erase(lines->begin() + index);
  if (const SaveResult saved = WriteLinesAtomic(path, *lines); !saved.ok()) {
    host.Message(saved.Message("Could not save file ", path));
    return false;
  }
  src.Candidates.erase(src.Candidates.begin() + candidateIndex);
  host.Message("Deleted! " + word);
  return true;
}

void LaunchWordListManager(const WordSources& src, Host& host) {
  const std::string path = src.ProgramDir + kWordListManagerName;
  if (!FileExists(path)) {
    host.Message("Program not found: " + path);
    return;
  }
  if (!host.OpenProgram(path)) host.Message("Could not start " + path);
}

}  // namespace quotella
