// The quotes-file and word-list readers on any bytes. What they read is written back and
// read again: the lines (a word list's notes among them) must come back the same, in the
// file's own encoding.

#include <cstddef>
#include <cstdint>

#include "core/textio.h"
#include "files/quotesfile.h"
#include "fuzz_support.h"
#include "search/wordlists.h"
#include "search/wordsource.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace quotella;
  const std::string path = fuzz::ScratchFile("input.txt", data, size);
  fuzz::QuietHost host;
  host.path = path;

  // The quotes file: opened, saved over itself, opened again.
  FileSession session;
  fuzz::Check(OpenQuotesFile(session, host));
  const std::vector<std::string> quotes = session.QuotesEditor;
  fuzz::Check(SaveQuotesFile(session, host));
  fuzz::Check(OpenQuotesFile(session, host));
  fuzz::Check(session.QuotesEditor == quotes);

  // The same bytes as a word list and as a dictionary letter file.
  const std::string listPath = fuzz::ScratchFile("list.txt", data, size);
  WordSources src;
  fuzz::Check(LoadWordListFile(src, 2, listPath, host));
  const std::vector<std::string> items = src.List(2).Items;
  const std::vector<std::string> notes = src.List(2).Notes;
  fuzz::Check(SaveWordListFile(src, 2, listPath, host));
  fuzz::Check(LoadWordListFile(src, 2, listPath, host));
  fuzz::Check(src.List(2).Items == items);
  fuzz::Check(src.List(2).Notes == notes);
  for (const auto& entry : items) {
    const std::string word = NormaliseListEntry(entry);
    fuzz::Check(word.size() <= entry.size());
    (void)SearchList1(items, entry);
  }
  fuzz::ScratchFile("s.txt", data, size);
  (void)LoadLetterWords(fuzz::ScratchDir(), 'S');

  // The readers' refusals: edits kept before another file is opened, a file that is not
  // there, a save into a folder that is not there, and an overwrite declined.
  QuotesEditorChange(session);
  host.path = listPath;
  fuzz::Check(OpenQuotesFile(session, host));
  fuzz::Check(*ReadTextLines(path) == quotes);
  host.path = fuzz::ScratchDir() + "missing/none.txt";
  fuzz::Check(!OpenQuotesFile(session, host) && session.QuotesFile == listPath);
  fuzz::Check(!SaveQuotesFile(session, host));
  fuzz::Check(!LoadWordListFile(src, 2, *host.path, host));
  fuzz::Check(!SaveWordListFile(src, 2, *host.path, host));
  host.path = path;
  host.yes = false;
  fuzz::Check(!SaveQuotesFile(session, host));
  return 0;
}
