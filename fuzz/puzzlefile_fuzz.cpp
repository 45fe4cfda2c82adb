// The puzzle-file reader on any bytes. A file it accepts is saved, loaded again and saved
// again: the two saves must be the same bytes.

#include <cstddef>
#include <cstdint>

#include "core/textio.h"
#include "files/puzzlefile.h"
#include "fuzz_support.h"

namespace {

bool Load(quotella::PuzzleDocument& doc, quotella::FileSession& session, const std::string& bytes) {
  session.Output.Lines = quotella::SplitLines(quotella::DecodePuzzleText(bytes).text);
  return quotella::LoadPuzzleFromEditor(doc, session);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace quotella;
  fuzz::QuietHost host;
  PuzzleDocument doc(host);
  FileSession session;
  if (!Load(doc, session, std::string(reinterpret_cast<const char*>(data), size))) return 0;
  const std::string first = JoinLinesCrLf(ComposePuzzleFile(doc, session));

  fuzz::QuietHost host2;
  PuzzleDocument again(host2);
  FileSession session2;
  fuzz::Check(Load(again, session2, first));
  fuzz::Check(JoinLinesCrLf(ComposePuzzleFile(again, session2)) == first);
  return 0;
}
