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
  if (QuotesEditorDblClick(doc, TextArg(quoteLine)) == DblClickResult::Made) {
    // The pool's vowel share, as the pool status shows it.
    int total = 0;
    int vowels = 0;
    for (char c = 'A'; c <= 'Z'; ++c) {
      total += doc.P.PoolOf(c);
      if (std::string_view("AEIOU").find(c) != std::string_view::npos) vowels += doc.P.PoolOf(c);
    }
    doc.P.VowelPercent = (total > 0 && vowels > 0) ? 100.0 * vowels / total : 0.0;
    return true;
  }
  std::cerr << "quotella-cli: no puzzle can be made of that quotation line\n";
  return false;
}

std::string PrimaryProblemLetters(const Tpuzzle& p) {
  const int n = p.NumProblemChars;
  if (n <= 11) return {};
  const std::string reverse(p.FreqOrder.rbegin(), p.FreqOrder.rend());
  const std::string secondary =
      reverse.size() > 11 ? reverse.substr(11, static_cast<std::size_t>(n - 11)) : std::string();
  std::string out;
  for (char c = 'A'; c <= 'Z'; ++c) {
    if (!InSet(p.ProblemSet, c) || secondary.find(c) != std::string::npos) continue;
    out.append(static_cast<std::size_t>(std::max(0, p.PoolOf(c))), c);
  }
  return out;
}

}  // namespace quotella::cli
