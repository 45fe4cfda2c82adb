#include "search/wordlisteditor.h"

#include <algorithm>
#include <utility>

#include "core/textio.h"
#include "core/tpuzzle.h"
#include "search/wordlists.h"
#include "search/wordsource.h"

namespace quotella {

namespace {

char Initial(const WordListEditor::CheckList& list) {
  return list.empty() || list.front().word.empty() ? '\0' : UpperCase(list.front().word)[0];
}

// The word's place in a letter file. The binary search expects the file in ascending
// order; a file out of order is searched through as well, so that a ticked word that is
// in the file is always found.
std::pair<bool, int> FindInLetterFile(const std::vector<std::string>& lines,
                                      const std::string& word) {
  const auto found = SearchList1(lines, word);
  if (found.first) return found;
  std::string key = Trim(UpperCase(word));
  const std::size_t marker = key.find(kCommentMarker);
  if (marker != std::string::npos) key = Trim(key.substr(0, marker));
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (UpperCase(lines[i]) == key) return {true, static_cast<int>(i)};
  return found;
}

}  // namespace

std::size_t WordListEditor::Slot(int n) {
  return static_cast<std::size_t>(std::clamp(n, 1, 3) - 1);
}

bool WordListEditor::Open(const Lists& lists, CloseHandler onClose) {
  if (m_open) return false;
  m_open = true;
  m_onClose = std::move(onClose);
  for (std::size_t t = 0; t < 3; ++t) {
    std::vector<std::string> words = lists[t];
    SortNoCase(words);
    m_lists[t].clear();
    for (auto& w : words) m_lists[t].push_back({std::move(w), false});
  }
  m_selected = {-1, -1, -1};
  m_shown = 1;
  m_helpShown = false;
  m_workList.clear();
  m_workSelected = -1;
  m_log.clear();
  return true;
}

void WordListEditor::ShowList(int n) {
  if (n < 1 || n > 3) return;
  m_shown = n;
  m_helpShown = false;
}

bool WordListEditor::SetChecked(int n, int index, bool checked) {
  if (n < 1 || n > 3) return false;
  CheckList& list = m_lists[Slot(n)];
  if (index < 0 || index >= static_cast<int>(list.size())) return false;
  list[static_cast<std::size_t>(index)].checked = checked;
  return true;
}

void WordListEditor::Select(int n, int index) {
  if (n < 1 || n > 3) return;
  const int size = static_cast<int>(m_lists[Slot(n)].size());
  m_selected[Slot(n)] = index >= 0 && index < size ? index : -1;
}

void WordListEditor::CopyChecks() {
  const CheckList& shown = m_lists[Slot(m_shown)];
  if (shown.empty()) return;
  for (int o = 1; o <= 3; ++o) {
    if (o == m_shown) continue;
    CheckList& other = m_lists[Slot(o)];
    if (other.empty() || Initial(other) != Initial(shown)) continue;
    // Lists of one initial were made from the same letter file and match entry for entry,
    // until an expunge has removed words from one of them; ticking by word keeps the
    // ticks on the right words either way.
    for (const Entry& e : shown) {
      if (!e.checked) continue;
      const std::string word = UpperCase(e.word);
      for (Entry& target : other)
        if (UpperCase(target.word) == word) target.checked = true;
    }
  }
}

void WordListEditor::Expunge(Host& host) {
  if (!m_open) return;
  for (const auto& list : m_lists) {
    if (list.empty()) {
      host.Message("One of the lists is empty!");
      return;
    }
  }
  if (m_helpShown) ShowList(1);

  std::string example = "Example: ";
  int shownTicks = 0;
  for (const Entry& e : m_lists[Slot(m_shown)]) {
    if (!e.checked) continue;
    if (++shownTicks > 10) break;
    example += e.word + " ";
  }
  const std::string question =
      "This will expunge the rejected words in this list from the Dictionary!\r\n\r\n" + example +
      "\r\n... etc. will be deleted \r\n\r\nGo ahead and Expunge?";
  if (!host.Confirm(question, ConfirmKind::Warning)) return;

  const std::array<char, 3> letters{Initial(m_lists[0]), Initial(m_lists[1]), Initial(m_lists[2])};
  for (int k = 1; k <= 3; ++k) {
    const char letter = letters[Slot(k)];
    // A list of an initial already done holds the same words, its ticks copied.
    if (k == 2 && letter == letters[0]) continue;
    if (k == 3 && (letter == letters[0] || letter == letters[1])) continue;
    // Only a letter names a letter file; anything else would make a path of its own.
    const std::string path =
        IsUpperLetter(letter)
            ? FindLetterFile(DictDir, letter)
            : DictDir + (letter ? std::string(1, letter) : std::string()) + ".txt";
    auto lines = IsUpperLetter(letter) ? ReadWordFile(path) : std::nullopt;
    if (!lines) {
      host.Message("Could not load " + path);
      return;
    }
    m_workList = std::move(*lines);
    m_workSelected = -1;
    ShowList(k);
    Changed();
    KillItems(m_lists[Slot(k)], k);
    if (const SaveResult saved = WriteLinesAtomic(path, m_workList); !saved.ok())
      host.Message(saved.Message("Could not save " + path, path));
  }
  host.PlaySound("ding");
}

void WordListEditor::KillItems(CheckList& list, int n) {
  if (std::none_of(list.begin(), list.end(), [](const Entry& e) { return e.checked; })) return;
  std::size_t i = 0;
  while (i < list.size()) {
    if (!list[i].checked) {
      ++i;
      continue;
    }
    const auto [found, index] = FindInLetterFile(m_workList, list[i].word);
    if (!found) {
      ++i;
      continue;
    }
    const std::size_t w = static_cast<std::size_t>(index);
    m_panels[0] = "Deleting " + m_workList[w];
    m_panels[1] = "Index: " + std::to_string(index);
    Changed();
    m_log.push_back("Deleted " + m_workList[w]);
    m_workList.erase(m_workList.begin() + index);
    ++m_deletedCount;
    m_panels[2] = "Count: " + std::to_string(m_deletedCount);
    list.erase(list.begin() + static_cast<std::ptrdiff_t>(i));
    // The entry that took the deleted one's place, and the work entry after the word.
    m_selected[Slot(n)] = i < list.size() ? static_cast<int>(i) : static_cast<int>(list.size()) - 1;
    m_workSelected = w < m_workList.size() ? index : static_cast<int>(m_workList.size()) - 1;
    Changed();
  }
}

void WordListEditor::Ok() {
  if (!m_open) return;
  m_deletedCount = 0;
  Close(false);
}

void WordListEditor::Cancel() {
  if (!m_open) return;
  Close(true);
}

void WordListEditor::Close(bool bailedOut) {
  Lists result;
  for (std::size_t t = 0; t < 3; ++t) {
    auto& list = m_lists[t];
    std::erase_if(list, [](const Entry& e) { return e.checked; });
    for (const Entry& e : list) result[t].push_back(e.word);
  }
  m_selected = {-1, -1, -1};
  m_open = false;
  // The handler may open the editor again.
  CloseHandler handler = std::move(m_onClose);
  m_onClose = nullptr;
  if (handler) handler(bailedOut, std::move(result));
}

void WordListEditor::Help(Host& host) {
  auto text = ReadFileBytes(ProgramDir + kWordListEditorHelpFile);
  if (!text) text = ReadFileBytes(ProgramDir + LowerCase(kWordListEditorHelpFile));
  if (!text) {
    // The lists stay in view: an empty help view would leave nothing to click on.
    host.Message("Cannot find help file");
    return;
  }
  m_helpText = std::move(*text);
  m_helpShown = true;
}

void WordListEditor::HelpViewPressed() {
  if (m_helpShown) ShowList(1);
}

std::optional<std::string> WordListEditor::LookupWord(int n) const {
  if (n < 1 || n > 3) return std::nullopt;
  const int index = m_selected[Slot(n)];
  if (index < 0) return std::nullopt;
  return m_lists[Slot(n)][static_cast<std::size_t>(index)].word;
}

}  // namespace quotella
