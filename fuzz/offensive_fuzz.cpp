// The offensive-word list (offensive.txt) on any bytes: note lines and empty lines give
// nothing, every other line gives at most its normalised entry, and a word the list holds
// is never empty and is its own normal form.

#include <cstddef>
#include <cstdint>

#include "core/textio.h"
#include "fuzz_support.h"
#include "search/autofillsource.h"
#include "search/wordsource.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace quotella;
  const std::string path = fuzz::ScratchFile("offensive.txt", data, size);
  const auto words = LoadOffensiveWords(path);
  std::size_t entries = 0;
  const auto lines = ReadTextLines(path);
  for (const auto& line : *lines) {
    const std::string trimmed = Trim(line);
    if (!trimmed.empty() && trimmed[0] != '#') ++entries;
  }
  fuzz::Check(words.size() <= entries);
  for (const auto& word : words) {
    fuzz::Check(!word.empty());
    fuzz::Check(NormaliseListEntry(word) == word);
  }
  return 0;
}
