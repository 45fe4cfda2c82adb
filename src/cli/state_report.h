#pragma once

#include <deque>
#include <iosfwd>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

#include "core/document.h"
#include "core/host.h"
#include "files/filesession.h"

namespace quotella::cli {

// The host of the command line. It keeps what the user would have seen: every message
// and question in order, the latest text of every status panel. Questions get the safe
// answer (No) unless the user gave --yes; prompts take the answers queued by the command
// (or are cancelled); sounds are silent. With echo on, messages and questions also go to
// stderr as they come.
class CliHost : public Host {
 public:
  explicit CliHost(bool yes = false, bool echo = false) : m_yes(yes), m_echo(echo) {}

  void Message(const std::string& text) override;
  bool Confirm(const std::string& text, ConfirmKind kind = ConfirmKind::Warning) override;
  std::optional<std::string> Prompt(const std::string& caption, const std::string& label,
                                    const std::string& initial) override;
  void Status(StatusBar bar, int panel, const std::string& text) override;
  void PlaySound(const std::string&, bool) override {}

  std::vector<std::string> messages;
  std::deque<std::string> answers;  // for the next prompts
  std::map<std::pair<StatusBar, int>, std::string> status;

 private:
  bool m_yes;
  bool m_echo;
};

// The state of a puzzle as one JSON object (field names documented for the README):
// made, quotellaStr, masterQuote, numCells, gridLines, cells, rows, pool, poolTotal, grid,
// status, hint, messages.
nlohmann::json StateJson(const PuzzleDocument& doc, const CliHost& host, bool made);

// The puzzle's texts as typed, so that scripts can compare them: `title`, `byline`,
// `copyright`, `author`, `work`, `quotation` and `clues` (one per answer row).
nlohmann::json TextsJson(const PuzzleDocument& doc, const FileSession& files);

// The same facts as readable text.
void PrintState(std::ostream& out, const nlohmann::json& state);

}  // namespace quotella::cli
