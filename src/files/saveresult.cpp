#include "files/saveresult.h"

#include <utility>

#include "core/textio.h"

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

SaveResult SaveBytes(const std::string& path, const std::string& bytes) {
  std::string reason = WriteFileAtomic(path, bytes);
  return reason.empty() ? SaveResult() : SaveResult::Failed(std::move(reason));
}

SaveResult SaveLines(const std::string& path, const std::vector<std::string>& lines) {
  std::string reason = WriteLinesAtomic(path, lines);
  return reason.empty() ? SaveResult() : SaveResult::Failed(std::move(reason));
}

}  // namespace quotella
