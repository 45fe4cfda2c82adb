// The quotation-line parser and puzzle construction on any line, then a few answer
// words laid in and taken out again as the input dictates. The puzzle's own rules must
// hold after every step.

#include <cstddef>
#include <cstdint>

#include "core/answertable.h"
#include "core/assignment.h"
#include "core/construction.h"
#include "fuzz_support.h"

namespace {

// Every mapped cell is counted once, and the pool never goes below zero.
void CheckPool(const quotella::PuzzleDocument& doc) {
  for (int count : doc.P.Pool) quotella::fuzz::Check(count >= 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace quotella;
  // The first bytes steer the answer words; the rest is the quotation line.
  const std::size_t steer = size < 8 ? size : 8;
  const std::string line(reinterpret_cast<const char*>(data) + steer, size - steer);
  fuzz::QuietHost host;
  PuzzleDocument doc(host);
  InitPuzzleDefaults(doc);
  ResetPuzzle(doc);
  if (QuotesEditorDblClick(doc, line) != DblClickResult::Made) return 0;
  CheckPool(doc);
  const int rows = doc.P.NumWords;
  for (std::size_t k = 0; k < steer && rows > 0; ++k) {
    const int row = data[k] % rows;
    std::string word(1, doc.P.QuotellaStr[static_cast<std::size_t>(row)]);
    // Letters still in the pool, picked from the steering byte.
    for (int i = 0; i < 1 + data[k] % 5; ++i) {
      for (int l = 0; l < 26; ++l) {
        const int letter = (data[k] / 5 + i * 7 + l) % 26;
        if (doc.P.Pool[static_cast<std::size_t>(letter)] > 0) {
          word += static_cast<char>('A' + letter);
          break;
        }
      }
    }
    if (data[k] & 0x80)
      ClearWord1Click(doc, TablePos{1, row}, true);
    else if (word.size() > 1 && Keystring(doc, row).size() <= 1)
      LayInString(doc, word, row);
    CheckPool(doc);
  }
  return 0;
}
