#include "quotes/silenthost.h"

namespace quotella {

void SilentHost::Message(const std::string&) {}

bool SilentHost::Confirm(const std::string&, ConfirmKind) {
  return false;
}

std::optional<std::string> SilentHost::Prompt(const std::string&, const std::string&,
                                              const std::string&) {
  return std::nullopt;
}

void SilentHost::Status(StatusBar, int, const std::string&) {}

void SilentHost::PlaySound(const std::string&, bool) {}

}  // namespace quotella
