// The familiarity table (familiarity.txt: one "word size" per line) on any bytes. Every
// word the table holds has a size above zero, found in any letter case, and comes from a
// line of the file. The same bytes as the known-word file (known.txt: one word per line):
// the word of every line is known, in any case, and the table holds no more words than lines.

#include <cstddef>
#include <cstdint>
#include <set>

#include "core/textio.h"
#include "fuzz_support.h"
#include "search/knownwords.h"
#include "search/wordsource.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace quotella;
  const std::string path = fuzz::ScratchFile("familiarity.txt", data, size);
  Familiarity table;
  fuzz::Check(table.Load(path));
  std::set<std::string> words;
  const auto lines = ReadTextLines(path);
  for (const auto& line : *lines) {
    const std::size_t blank = line.find(' ');
    if (blank == std::string::npos || blank == 0) continue;
    const std::string word = line.substr(0, blank);
    words.insert(UpperCase(word));
    const int found = table.SizeOf(word);
    fuzz::Check(found >= 0);
    fuzz::Check(table.SizeOf(LowerCase(word)) == found);
  }
  fuzz::Check(table.Count() <= words.size());

  KnownWords known;
  fuzz::Check(known.Load(path));
  for (const auto& line : *lines) {
    if (NormaliseDictLine(line).empty()) continue;  // a line without letters names no word
    fuzz::Check(known.Knows(line));
    fuzz::Check(known.Knows(LowerCase(line)));
  }
  fuzz::Check(known.Count() <= lines->size());
  return 0;
}
