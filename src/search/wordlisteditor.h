#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/host.h"

namespace quotella {

inline constexpr const char* kWordListEditorCaption = "Edit Lists to Remove Words ";
inline constexpr const char* kWordListEditorHeading = "Rera Didava - Exclude Checked";
inline constexpr const char* kExpungeButtonCaption =
    "Expunge Checked Items from Dictionary - Caution!";
inline constexpr const char* kCopyChecksButtonCaption = "Copy Checks";
inline constexpr const char* kEditorLookupMenuCaption = "Look up word at Merriam-Webster";
inline constexpr const char* kWordListEditorHelpFile = "Help6.rtf";

// The word-list editor: the three target lists of the heuristic search as check lists.
// Ticked words are dropped from the lists when the editor is left, and on request
// expunged from the dictionary's letter files.
//
// The editor does not block: Open fills it, the window shows it and forwards its buttons
// to the operations below, and "OK" or "Cancel" closes it, which hands the pruned lists
// to the callback given to Open. The window keeps its own event loop throughout.
class WordListEditor {
 public:
  using Lists = std::array<std::vector<std::string>, 3>;
  // Called once when the editor is left: whether the user bailed out ("Cancel") and the
  // lists without their ticked words (for "Cancel" too).
  using CloseHandler = std::function<void(bool bailedOut, Lists lists)>;

  struct Entry {
    std::string word;
    bool checked = false;
  };
  using CheckList = std::vector<Entry>;

  // Where the letter files are (ends in a separator; empty: the current directory) and
  // where the help file is.
  std::string DictDir;
  std::string ProgramDir;
  // Called while an expunge runs, whenever the status bar or a list changed, so that the
  // window can repaint them. May be empty.
  std::function<void()> Repaint;

  // Opens the editor on copies of lists 1-3 (sorted, nothing ticked), list 1 shown.
  // False when it is already open.
  bool Open(const Lists& lists, CloseHandler onClose);
  bool IsOpen() const { return m_open; }

  // "1.", "2.", "3.": shows that list (with the work list and the log).
  void ShowList(int n);
  // The list whose button is down, 1-3.
  int ShownList() const { return m_shown; }
  // True while the help view is shown in place of the lists.
  bool HelpShown() const { return m_helpShown; }
  const std::string& HelpText() const { return m_helpText; }

  const CheckList& List(int n) const { return m_lists[Slot(n)]; }
  // A click on a tick box; false when there is no such entry.
  bool SetChecked(int n, int index, bool checked);
  // The selected entry of list n, -1 for none.
  int Selected(int n) const { return m_selected[Slot(n)]; }
  void Select(int n, int index);

  // "Copy Checks": the shown list's ticks go to the lists made from the same letter file.
  void CopyChecks();
  // "Expunge Checked Items from Dictionary - Caution!".
  void Expunge(Host& host);
  // "OK" and "Cancel": both leave the editor.
  void Ok();
  void Cancel();
  // "Help": the help file in place of the lists; "Cannot find help file" when it cannot
  // be read.
  void Help(Host& host);
  // A mouse press in the help view.
  void HelpViewPressed();

  // "Lookup" (the shown list) and the check lists' "Look up word at Merriam-Webster":
  // the word to look up in the web dictionary, nullopt without a selected word.
  std::optional<std::string> LookupWord() const { return LookupWord(m_shown); }
  std::optional<std::string> LookupWord(int n) const;

  // The letter file being weeded and the log of expunged words.
  const std::vector<std::string>& WorkList() const { return m_workList; }
  int WorkSelected() const { return m_workSelected; }
  const std::vector<std::string>& Log() const { return m_log; }
  // The editor's status bar: "Deleting:", "Index:", "Count: " until a word is expunged.
  const std::array<std::string, 3>& StatusPanels() const { return m_panels; }
  int DeletedCount() const { return m_deletedCount; }

 private:
  static std::size_t Slot(int n);
  void Close(bool bailedOut);
  void KillItems(CheckList& list, int n);
  void Changed() const {
    if (Repaint) Repaint();
  }

  bool m_open = false;
  CloseHandler m_onClose;
  std::array<CheckList, 3> m_lists;
  std::array<int, 3> m_selected{-1, -1, -1};
  int m_shown = 1;
  bool m_helpShown = false;
  std::string m_helpText;
  std::vector<std::string> m_workList;
  int m_workSelected = -1;
  std::vector<std::string> m_log;
  std::array<std::string, 3> m_panels{"Deleting:", "Index:", "Count: "};
  int m_deletedCount = 0;
};

}  // namespace quotella
