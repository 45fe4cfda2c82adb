#pragma once

#include <string>
#include <vector>

namespace quotella {

// What a save came to: written, or why not ("the disk is full", "no such folder", ...).
// A caller that drops it is warned by the compiler, so the reason reaches the user.
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

// Writes bytes to path atomically (see WriteFileAtomic).
SaveResult SaveBytes(const std::string& path, const std::string& bytes);
// Writes lines with CR LF ends atomically, in the file's encoding (see WriteLinesAtomic).
SaveResult SaveLines(const std::string& path, const std::vector<std::string>& lines);

}  // namespace quotella
