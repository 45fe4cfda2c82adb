#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quotella {

// The status bars of the main window. CharStatus1 (cell, character, row, empty words)
// and CharStatus2 (average word length, pool, consonants, vowels, vowel share) sit
// under the letter pool.
enum class StatusBar { Main, Print1, Print2, Search, CharStatus1, CharStatus2 };

// Kind of a Yes/No question: decides the icon of the box, never its answer.
enum class ConfirmKind { Warning, Question, Information };

// Everything a core operation wants to show or ask goes through the Host.
// All texts are 8-bit Windows-1252 strings, exactly as the program composes them.
// The window implements it with dialogs, the command line with stderr and fixed
// answers, the tests with a scripted recorder.
class Host {
 public:
  virtual ~Host() = default;

  // A modal message box with the program's text.
  virtual void Message(const std::string& text) = 0;
  // A Yes/No question; true means Yes.
  virtual bool Confirm(const std::string& text, ConfirmKind kind = ConfirmKind::Warning) = 0;
  // A Yes/No/Cancel question: true Yes, false No, nullopt Cancel. A host without a Cancel
  // button asks Yes/No.
  virtual std::optional<bool> ConfirmOrCancel(const std::string& text) {
    return Confirm(text, ConfirmKind::Question);
  }
  // A question with buttons of its own ("Recover", "Discard", "Later"): the index of the
  // button pressed, nullopt when the box is closed without one. A host without such boxes
  // asks Yes/No/Cancel for the first three buttons: Yes is 0, No is 1, Cancel 2.
  virtual std::optional<int> Choose(const std::string& text,
                                    const std::vector<std::string>& buttons) {
    (void)buttons;
    const std::optional<bool> answer = ConfirmOrCancel(text);
    if (!answer) return 2;
    return *answer ? 0 : 1;
  }
  // A one-line input prompt; nullopt when the user cancels.
  virtual std::optional<std::string> Prompt(const std::string& caption, const std::string& label,
                                            const std::string& initial) = 0;
  // A status-bar panel (0-based) gets a text.
  virtual void Status(StatusBar bar, int panel, const std::string& text) = 0;
  // One of the program's wave resources by name ("CHEER", "type0", ...). The host
  // decides whether sounds are on; sync means the caller waits for the end.
  virtual void PlaySound(const std::string& name, bool sync = false) = 0;

  // File dialogs. filter uses the "Text|*.txt|All|*.*" form; nullopt on cancel.
  virtual std::optional<std::string> OpenFileName(const std::string& title,
                                                  const std::string& filter,
                                                  const std::string& initialDir) {
    (void)title, (void)filter, (void)initialDir;
    return std::nullopt;
  }
  // The open dialog preset with a file name. Hosts that cannot preset one show the plain
  // dialog.
  virtual std::optional<std::string> OpenFileNamed(const std::string& title,
                                                   const std::string& filter,
                                                   const std::string& initialDir,
                                                   const std::string& initialName) {
    (void)initialName;
    return OpenFileName(title, filter, initialDir);
  }
  virtual std::optional<std::string> SaveFileName(const std::string& title,
                                                  const std::string& filter,
                                                  const std::string& initialDir,
                                                  const std::string& initialName) {
    (void)title, (void)filter, (void)initialDir, (void)initialName;
    return std::nullopt;
  }

  // The quote window above the grids: its whole text, one string per line.
  virtual void ShowQuoteWindow(const std::vector<std::string>& lines) { (void)lines; }

  // Lets a long operation keep the window alive; true when the user pressed Esc.
  virtual bool ProcessPendingEvents() { return false; }

  // Starts a companion program file (the window opens it the desktop way, with no shell);
  // false when it could not be started. Hosts without a desktop start nothing.
  virtual bool OpenProgram(const std::string& path) {
    (void)path;
    return false;
  }
};

}  // namespace quotella
