#include "cli/wordsearch_support.h"

#include <charconv>
#include <iostream>

#include "cli/command.h"
#include "core/construction.h"
#include "search/wordsource.h"
#include "settings/settings.h"

namespace quotella::cli {

std::string CommandDictDir(const std::string& dictArg) {
  if (!dictArg.empty()) return DirWithSeparator(dictArg);
  return DefaultDictDir(RunningProgramDir());
}

std::optional<int> IntArg(const std::string& text, int low, int high) {
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [p, ec] = std::from_chars(text.data(), end, value);
  if (ec != std::errc() || p != end || value < low || value > high) return std::nullopt;
  return value;
}

bool LoadSearchPuzzle(CliPuzzle& puzzle, const std::string& path, const std::string& quoteLine) {
  if (!path.empty()) return LoadForCommand(puzzle, path);
  if (QuotesEditorDblClick(puzzle.doc, TextArg(quoteLine)) == DblClickResult::Made) return true;
  std::cerr << "quotella-cli: no puzzle can be made of that quotation line\n";
  return false;
}

}  // namespace quotella::cli
