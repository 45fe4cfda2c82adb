#include "app/search/deferredhost.h"

namespace quotella {

void DeferredHost::Message(const std::string& text) {
  m_calls.emplace_back([text](Host& host) { host.Message(text); });
}

bool DeferredHost::Confirm(const std::string&, ConfirmKind) {
  return false;
}

std::optional<std::string> DeferredHost::Prompt(const std::string&, const std::string&,
                                                const std::string&) {
  return std::nullopt;
}

void DeferredHost::Status(StatusBar bar, int panel, const std::string& text) {
  m_calls.emplace_back([bar, panel, text](Host& host) { host.Status(bar, panel, text); });
}

void DeferredHost::PlaySound(const std::string& name, bool) {
  // The window's sounds never make their caller wait.
  m_calls.emplace_back([name](Host& host) { host.PlaySound(name, false); });
}

void DeferredHost::Replay(Host& host) const {
  for (const auto& call : m_calls) call(host);
}

}  // namespace quotella
