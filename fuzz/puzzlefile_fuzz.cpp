// The puzzle-file reader on any bytes. A file it accepts is saved, loaded again and saved
// again: every text comes back as it was given (title, byline, copyright, author, work,
// quotation and each clue), with the same grid letters, and the two saves are the same
// bytes.

#include <cstddef>
#include <cstdint>

#include "core/textio.h"
#include "files/puzzlefile.h"
#include "fuzz_support.h"

namespace {

using quotella::FileSession;
using quotella::PuzzleDocument;

bool Load(PuzzleDocument& doc, FileSession& session, const std::string& bytes) {
  const quotella::DecodedText decoded = quotella::DecodePuzzleText(bytes);
  session.Output.Lines = quotella::SplitLines(decoded.text);
  session.PuzzleEncoding = decoded.encoding;
  return quotella::LoadPuzzleFromEditor(doc, session);
}

std::string Save(PuzzleDocument& doc, FileSession& session) {
  return quotella::EncodePuzzleText(quotella::JoinLinesCrLf(ComposePuzzleFile(doc, session)),
                                    session.PuzzleEncoding);
}

// Everything a user typed, and the letters the grid holds.
std::vector<std::string> Texts(const PuzzleDocument& doc, const FileSession& session) {
  // The title and byline boxes are kept without the blanks and control characters around
  // them.
  std::vector<std::string> texts = {quotella::Trim(session.TitleBox),
                                    quotella::Trim(session.BylineBox),
                                    session.CopyrightText,
                                    doc.P.AuthorOrig,
                                    doc.P.WorkOrig,
                                    doc.P.QuoteOrig,
                                    doc.P.QuotellaStr,
                                    doc.P.MasterQuote};
  for (int r = 0; r < doc.P.NumWords && r < static_cast<int>(doc.ClueLines.size()); ++r)
    texts.push_back(doc.ClueLines[static_cast<std::size_t>(r)]);
  return texts;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace quotella;
  fuzz::QuietHost host;
  PuzzleDocument doc(host);
  FileSession session;
  if (!Load(doc, session, std::string(reinterpret_cast<const char*>(data), size))) return 0;
  // Saving gives an empty title and byline their defaults, so the texts are taken after it.
  const std::string first = Save(doc, session);
  const std::vector<std::string> given = Texts(doc, session);

  fuzz::QuietHost host2;
  PuzzleDocument again(host2);
  FileSession session2;
  fuzz::Check(Load(again, session2, first));
  fuzz::Check(Texts(again, session2) == given);
  fuzz::Check(Save(again, session2) == first);
  return 0;
}
