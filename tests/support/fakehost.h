#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "core/host.h"

namespace quotella::test {

// A Host that records every call and answers questions and prompts from a script.
// Unscripted questions are answered No, unscripted prompts are cancelled.
class FakeHost : public Host {
 public:
  struct StatusCall {
    StatusBar bar;
    int panel;
    std::string text;
  };
  struct SoundCall {
    std::string name;
    bool sync;
  };

  void Message(const std::string& text) override;
  bool Confirm(const std::string& text, ConfirmKind kind) override;
  // Takes the next of choiceAnswers, or else a Yes/No answer of confirmAnswers.
  std::optional<bool> ConfirmOrCancel(const std::string& text) override;
  std::optional<std::string> Prompt(const std::string& caption, const std::string& label,
                                    const std::string& initial) override;
  void Status(StatusBar bar, int panel, const std::string& text) override;
  void PlaySound(const std::string& name, bool sync) override;
  std::optional<std::string> OpenFileName(const std::string& title, const std::string& filter,
                                          const std::string& initialDir) override;
  std::optional<std::string> SaveFileName(const std::string& title, const std::string& filter,
                                          const std::string& initialDir,
                                          const std::string& initialName) override;
  void ShowQuoteWindow(const std::vector<std::string>& lines) override;
  bool ProcessPendingEvents() override;

  // Script.
  std::deque<bool> confirmAnswers;
  std::deque<std::optional<bool>> choiceAnswers;  // Yes/No/Cancel; nullopt is Cancel
  std::deque<std::optional<std::string>> promptAnswers;
  std::deque<std::optional<std::string>> fileAnswers;
  // ProcessPendingEvents reports Esc once this many calls have been made (-1: never).
  int escAfterCalls = -1;

  // Record.
  std::vector<std::string> messages;
  std::vector<std::string> questions;
  std::vector<std::string> prompts;  // caption + " | " + label
  std::vector<StatusCall> statuses;
  std::vector<SoundCall> sounds;
  std::vector<std::string> fileDialogs;  // titles
  std::vector<std::string> quoteWindow;
  int pendingEventCalls = 0;

  // The latest text of a status panel, empty when never set.
  std::string StatusText(StatusBar bar, int panel) const;
  // Names of the sounds played, in order.
  std::vector<std::string> SoundNames() const;
  void Clear();
};

}  // namespace quotella::test
