#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/document.h"
#include "core/host.h"

namespace quotella::cli {

// Shared by the word-search commands (rarity, scan, problems).

// The dictionary directory of a command: --dict DIR, or the bundled dictionary.
std::string CommandDictDir(const std::string& dictArg);

// A whole number argument in [low, high]; nullopt when it is not one.
std::optional<int> IntArg(const std::string& text, int low, int high);

// Messages go to stderr (as UTF-8); questions are answered No, prompts cancelled, sounds
// and status texts dropped.
class StderrHost : public Host {
 public:
  void Message(const std::string& text) override;
  bool Confirm(const std::string& text, ConfirmKind kind) override;
  std::optional<std::string> Prompt(const std::string& caption, const std::string& label,
                                    const std::string& initial) override;
  void Status(StatusBar, int, const std::string&) override {}
  void PlaySound(const std::string&, bool) override {}

  std::vector<std::string> messages;
};

// The puzzle a word-search command works on: made fresh from a quotation line
// (--quote). Returns false (with the reason on stderr) when no puzzle could be made.
bool MakeSearchPuzzle(PuzzleDocument& doc, const std::string& quoteLine);

}  // namespace quotella::cli
