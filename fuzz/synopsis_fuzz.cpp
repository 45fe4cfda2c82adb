// The puzzle browser's synopsis on any bytes. A file that has the program's header and
// its four tags gives the synopsis; anything else one line that says why. The output
// editor holds the file's lines.

#include <cstddef>
#include <cstdint>

#include "core/textio.h"
#include "files/inforeport.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace quotella;
  const std::string path = fuzz::ScratchFile("browse.qtl", data, size);
  fuzz::QuietHost host;
  FileSession session;
  const std::vector<std::string> pane = MakeInfoReport(session, host, path);
  fuzz::Check(session.Output.Lines == *ReadPuzzleLines(path));
  fuzz::Check(!pane.empty());
  if (pane.size() == 1)
    fuzz::Check(pane[0] == "This is not a puzzle file!" || pane[0] == "Not an Quotella puzzle.");
  return 0;
}
