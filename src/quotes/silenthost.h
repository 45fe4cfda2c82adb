#pragma once

#include "core/host.h"

namespace quotella {

// The host of a puzzle made only to be judged, never shown: messages and status texts go
// nowhere, questions get No and prompts are cancelled.
class SilentHost : public Host {
 public:
  void Message(const std::string& text) override;
  bool Confirm(const std::string& text, ConfirmKind kind = ConfirmKind::Warning) override;
  std::optional<std::string> Prompt(const std::string& caption, const std::string& label,
                                    const std::string& initial) override;
  void Status(StatusBar bar, int panel, const std::string& text) override;
  void PlaySound(const std::string& name, bool sync = false) override;
};

}  // namespace quotella
