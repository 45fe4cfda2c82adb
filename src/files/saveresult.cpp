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
  return WithPathAndReason(message, path, m_reason);
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
