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

void StderrHost::Message(const std::string& text) {
  messages.push_back(text);
  std::string oneLine = text;
  for (char& c : oneLine)
    if (c == '\r') c = '\n';
  std::cerr << "quotella-cli: ";
  PrintLine(std::cerr, oneLine);
}

bool StderrHost::Confirm(const std::string& text, ConfirmKind) {
  Message(text);
  return false;
}

std::optional<std::string> StderrHost::Prompt(const std::string&, const std::string&,
                                              const std::string&) {
  return std::nullopt;
}

bool MakeSearchPuzzle(PuzzleDocument& doc, const std::string& quoteLine) {
  if (QuotesEditorDblClick(doc, TextArg(quoteLine)) == DblClickResult::Made) return true;
  std::cerr << "quotella-cli: no puzzle can be made of that quotation line\n";
  return false;
}

}  // namespace quotella::cli
