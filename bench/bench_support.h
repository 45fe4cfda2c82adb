// What the benchmark programs share: a host that shows nothing, the dictionary beside the
// program, the bench quotations and a puzzle made from one of them.
#pragma once

#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "core/answertable.h"
#include "core/assignment.h"
#include "core/construction.h"
#include "core/document.h"
#include "core/host.h"
#include "core/poolstatus.h"
#include "core/textio.h"
#include "search/wordsource.h"

namespace quotella::bench {

// Answers every question No and cancels every prompt; messages go to stderr when asked.
class QuietHost : public Host {
 public:
  explicit QuietHost(bool showMessages = false) : showMessages_(showMessages) {}
  void Message(const std::string& text) override {
    if (showMessages_) std::cerr << text << "\n";
  }
  bool Confirm(const std::string&, ConfirmKind) override { return false; }
  std::optional<std::string> Prompt(const std::string&, const std::string&,
                                    const std::string&) override {
    return std::nullopt;
  }
  void Status(StatusBar, int, const std::string&) override {}
  void PlaySound(const std::string&, bool) override {}

 private:
  bool showMessages_;
};

// The bundled dictionary, found from the running program's folder.
inline std::string DictDir() {
  return DefaultDictDir(std::filesystem::canonical("/proc/self/exe").parent_path().string());
}

inline constexpr const char* kQuotesPath = QUOTELLA_SOURCE_DIR "/tests/data/bench_quotes.txt";

// The non-blank lines of a quotation file (the bench file by default), or nothing when it cannot be
// read.
inline std::optional<std::vector<std::string>> QuoteLines(const char* path = kQuotesPath) {
  auto lines = ReadTextLines(path);
  if (!lines) return std::nullopt;
  std::vector<std::string> kept;
  for (auto& line : *lines)
    if (!Trim(line).empty()) kept.push_back(std::move(line));
  return kept;
}

// Starts a fresh puzzle in `doc` and makes it from an `Author@Work@Quotation` line.
inline bool MakePuzzle(PuzzleDocument& doc, const std::string& line) {
  InitPuzzleDefaults(doc);
  ResetPuzzle(doc);
  return QuotesEditorDblClick(doc, line) == DblClickResult::Made;
}

// A puzzle of as close to maxCells (1000 for 1100) cells as the bench quotations give,
// with every answer row filled so that every letter cell is mapped.
inline void MakeFilledPuzzle(PuzzleDocument& doc, std::size_t maxCells) {
  const auto lines = QuoteLines();
  std::string quote;
  for (const auto& line : lines.value_or(std::vector<std::string>{}))
    quote += " " + line.substr(line.rfind('@') + 1);
  while (!quote.empty()) {
    if (quote.size() < maxCells && MakePuzzle(doc, "Ann Lee@Notes@" + quote)) break;
    quote.erase(quote.find_last_of(' '));
  }
  std::vector<std::string> words(static_cast<std::size_t>(doc.P.NumWords));
  for (int r = 0; r < doc.P.NumWords; ++r) words[static_cast<std::size_t>(r)] = Keystring(doc, r);
  std::size_t s = 0;
  for (char c : PoolLetterString(doc.P))
    if (words[s % words.size()].size() < 51) words[s++ % words.size()] += c;
  for (int r = 0; r < doc.P.NumWords; ++r) LayInString(doc, words[static_cast<std::size_t>(r)], r);
}

}  // namespace quotella::bench
