#pragma once

#include <functional>
#include <stop_token>
#include <string>
#include <vector>

#include "core/host.h"

namespace quotella {

// The host of a document copy that a worker scans: what the operation would show (messages,
// status texts, sounds) is kept and shown on the window's thread once the result is taken;
// questions are answered No. The operation's polls see the worker's stop token, so Esc ends
// it where it checks.
class DeferredHost : public Host {
 public:
  explicit DeferredHost(std::stop_token stop) : m_stop(std::move(stop)) {}

  void Message(const std::string& text) override;
  bool Confirm(const std::string& text, ConfirmKind kind) override;
  std::optional<std::string> Prompt(const std::string& caption, const std::string& label,
                                    const std::string& initial) override;
  void Status(StatusBar bar, int panel, const std::string& text) override;
  void PlaySound(const std::string& name, bool sync) override;
  bool ProcessPendingEvents() override { return m_stop.stop_requested(); }

  // Shows on `host` what was kept, in the order it came.
  void Replay(Host& host) const;

 private:
  std::stop_token m_stop;
  std::vector<std::function<void(Host&)>> m_calls;
};

}  // namespace quotella
