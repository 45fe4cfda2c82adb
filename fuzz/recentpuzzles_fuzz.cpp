// The recent-puzzles line of the settings file on any settings text: the list read holds
// at most kMax paths, none empty, none twice, none with the separator, and writing it
// into the text and reading it back gives the same list and leaves the other lines alone.

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "core/textio.h"
#include "fuzz_support.h"
#include "settings/initext.h"
#include "settings/recentpuzzles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace quotella;
  IniText ini;
  ini.SetText(std::string_view(reinterpret_cast<const char*>(data), size));
  RecentPuzzles recent;
  recent.Read(ini);
  const std::vector<std::string> paths = recent.Paths();
  fuzz::Check(paths.size() <= RecentPuzzles::kMax);
  for (std::size_t i = 0; i < paths.size(); ++i) {
    fuzz::Check(!paths[i].empty() && paths[i].find('|') == std::string::npos);
    fuzz::Check(std::count(paths.begin(), paths.end(), paths[i]) == 1);
  }
  const auto before = ini.Lines();
  const bool hadValue = ini.HasValue(RecentPuzzles::kKey);
  recent.Add("new.qtl");
  recent.Write(ini);
  RecentPuzzles again;
  again.Read(ini);
  fuzz::Check(again.Paths() == recent.Paths());
  // Only the value line changed, or the key and its value were added at the end.
  const auto after = ini.Lines();
  if (hadValue) {
    fuzz::Check(after.size() == before.size());
    std::size_t changed = 0;
    for (std::size_t i = 0; i < after.size(); ++i) changed += after[i] != before[i];
    fuzz::Check(changed <= 1);
  } else {
    // (a key that ended the text without its value gets an empty one first)
    fuzz::Check(after.size() >= before.size() + 1 && after.size() <= before.size() + 3);
    fuzz::Check(std::equal(before.begin(), before.end(), after.begin()));
  }
  return 0;
}
