#include "core/saveresult.h"

#include <utility>

namespace quotella {

SaveResult SaveResult::Failed(std::string reason) {
  SaveResult result;
  result.m_reason =
      reason.empty() ? std::string("the file could not be written") : std::move(reason);
  return result;
}

std::string SaveResult::Message(const std::string& message, const std::string& path) const {
  std::string text = message;
  const bool endsInPath =
      text.size() >= path.size() && text.compare(text.size() - path.size(), path.size(), path) == 0;
  if (!endsInPath) {
    if (!text.empty() && text.back() != ' ') text += ' ';
    text += path;
  }
  return text + ": " + m_reason;
}

}  // namespace quotella
