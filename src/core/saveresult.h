#pragma once

#include <string>

namespace quotella {

// What writing a file came to: written, or why not ("the disk is full", "no such
// folder", ...). A caller that drops it is warned by the compiler, so the reason reaches
// the user.
class [[nodiscard]] SaveResult {
 public:
  SaveResult() = default;
  static SaveResult Failed(std::string reason);

  bool ok() const { return m_reason.empty(); }
  const std::string& reason() const { return m_reason; }
  // The program's message for the failed save followed by the path and the reason:
  // "Could not save file " and "/x/P.txt" give "Could not save file /x/P.txt: no such
  // folder". The message may already end in the path; it is not repeated.
  std::string Message(const std::string& message, const std::string& path) const;

 private:
  std::string m_reason;
};

}  // namespace quotella
