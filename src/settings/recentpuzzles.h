#pragma once

#include <string>
#include <vector>

#include "settings/initext.h"

namespace quotella {

// The puzzles opened or saved last, newest first, at most kMax. They live in the settings
// file under a key of their own, one value line with the paths separated by '|'; no
// other line of the file is touched.
class RecentPuzzles {
 public:
  static constexpr std::size_t kMax = 8;
  static constexpr const char* kKey = "[recent puzzles]";

  const std::vector<std::string>& Paths() const { return m_paths; }
  // Puts a path first (once); the oldest beyond kMax drop off. A path holding the
  // separator is not kept.
  void Add(const std::string& path);
  void Remove(const std::string& path);

  void Read(const IniText& ini);
  void Write(IniText& ini) const;

 private:
  std::vector<std::string> m_paths;
};

}  // namespace quotella
