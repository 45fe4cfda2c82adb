// A scored word list on any bytes. Every word the table holds is upper-case A-Z with a score
// of 0-100; the lines are counted once each (entries, bad lines); the table's own text reads
// back as the same table. Adding a listed word's new score to the file keeps every line
// count and gives the word exactly that score, and the bad lines stay as they were.

#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"
#include "search/scoredlist.h"

namespace {

using namespace quotella;

bool IsWord(const std::string& word) {
  if (word.empty()) return false;
  for (char c : word)
    if (c < 'A' || c > 'Z') return false;
  return true;
}

void CheckTable(const ScoredList& list, const ScoredListRead& read) {
  fuzz::Check(read.readable);
  fuzz::Check(list.Count() + read.duplicates == read.entries);
  fuzz::Check((read.badLines == 0) == (read.firstBadLine == 0));
  for (const ScoredEntry& e : list.Sorted()) {
    fuzz::Check(IsWord(e.word));
    fuzz::Check(e.score >= kMinWordScore && e.score <= kMaxWordScore);
    fuzz::Check(list.ScoreOf(e.word) == e.score);
  }
  ScoredList again;
  fuzz::Check(again.AddText(list.Text(), kDefaultListScore).badLines == 0);
  fuzz::Check(again.Text() == list.Text());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string path = fuzz::ScratchFile("scored.txt", data, size);
  ScoredList list;
  const ScoredListRead read = list.AddFile(path, kDefaultListScore);
  CheckTable(list, read);
  if (list.Empty()) return 0;

  const ScoredEntry first = list.Sorted().front();
  const int score = (first.score + 37) % (kMaxWordScore + 1);
  fuzz::Check(AddToScoredListFile(path, {{first.word, score}}).ok());
  ScoredList written;
  const ScoredListRead reread = written.AddFile(path, kDefaultListScore);
  fuzz::Check(written.ScoreOf(first.word) == score);
  fuzz::Check(written.Count() == list.Count());
  fuzz::Check(reread.badLines == read.badLines);
  fuzz::Check(reread.firstBadText == read.firstBadText);
  return 0;
}
