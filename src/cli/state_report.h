#pragma once

#include <deque>
#include <iosfwd>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

#include "core/document.h"
#include "core/host.h"

namespace quotella::cli {

// The host of the command line: messages go to stderr and are kept for the state report,
// questions get the safe answer (No) unless the user gave --yes, prompts take the answers
// queued by the command (or are cancelled), status texts are kept, sounds are silent.
class CliHost : public Host {
 public:
  explicit CliHost(bool yes = false) : m_yes(yes) {}

  void Message(const std::string& text) override;
  bool Confirm(const std::string& text, ConfirmKind kind = ConfirmKind::Warning) override;
  std::optional<std::string> Prompt(const std::string& caption, const std::string& label,
                                    const std::string& initial) override;
  void Status(StatusBar bar, int panel, const std::string& text) override;
  void PlaySound(const std::string&, bool) override {}

  bool echo = true;                       // write messages and questions to stderr
  std::deque<std::string> promptAnswers;  // answers for the next prompts
  std::vector<std::string> messages;      // every message, in order
  std::map<std::pair<StatusBar, int>, std::string> status;  // the latest text of each panel

 private:
  bool m_yes;
};

// The state of a puzzle as one JSON object: quotellaStr, masterQuote, numCells, gridText,
// cells, rows, pool, grid, status, hint, messages.
nlohmann::json StateJson(const PuzzleDocument& doc, const CliHost& host);

// The same facts as readable text.
void PrintState(std::ostream& out, const PuzzleDocument& doc, const CliHost& host);

// The quotation grid, one line per grid row, "#" for every position without a letter
// or with a blank.
std::vector<std::string> GridText(const PuzzleDocument& doc);

}  // namespace quotella::cli
