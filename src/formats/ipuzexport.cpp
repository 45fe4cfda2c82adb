#include "formats/ipuzexport.h"

#include <nlohmann/json.hpp>

#include "core/savereport.h"
#include "core/textio.h"
#include "formats/acrosticlayout.h"
#include "formats/htmltext.h"

namespace quotella {

namespace {

using Json = nlohmann::ordered_json;

// A document text as an ipuz text: UTF-8, HTML special characters escaped.
std::string IpuzText(const std::string& text) {
  return EscapeHtml(text);
}

// The hidden author and work as solvers read them after solving: author, an em dash and
// work ("Pope - An Essay on Man" with a longer dash), the author alone without a work.
std::string AuthorAndWork(const std::string& author, const std::string& work) {
  if (Trim(work).empty()) return IpuzText(Trim(author));
  return IpuzText(Trim(author)) + kAuthorWorkSeparator + IpuzText(Trim(work));
}

Json PuzzleCell(const LayoutCell& cell) {
  switch (cell.kind) {
    case LayoutCell::Kind::Block:
      return "#";
    case LayoutCell::Kind::Hyphen:
      return Json{{"cell", 0}, {"value", "-"}};
    case LayoutCell::Kind::Letter:
      break;
  }
  if (cell.label.empty()) return cell.number;
  return Json{{"cell", cell.number}, {"style", {{"mark", {{"TR", IpuzText(cell.label)}}}}}};
}

Json SolutionCell(const LayoutCell& cell) {
  switch (cell.kind) {
    case LayoutCell::Kind::Block:
      return "#";
    case LayoutCell::Kind::Hyphen:
      return "-";
    case LayoutCell::Kind::Letter:
      break;
  }
  return std::string(1, cell.letter);
}

}  // namespace

std::string ComposeIpuz(const PuzzleDocument& doc, const FileSession& session) {
  const AcrosticLayout layout(doc, session);
  Json puzzle = Json::array();
  Json solution = Json::array();
  for (int r = 0; r < layout.Rows(); ++r) {
    Json puzzleRow = Json::array();
    Json solutionRow = Json::array();
    for (int c = 0; c < layout.Columns(); ++c) {
      puzzleRow.push_back(PuzzleCell(layout.At(c, r)));
      solutionRow.push_back(SolutionCell(layout.At(c, r)));
    }
    puzzle.push_back(std::move(puzzleRow));
    solution.push_back(std::move(solutionRow));
  }

  Json clues = Json::array();
  for (const LayoutAnswer& answer : layout.Answers()) {
    Json cells = Json::array();
    for (const auto& [column, row] : answer.cells) cells.push_back({column + 1, row + 1});
    clues.push_back({{"number", answer.label},
                     {"label", answer.label},
                     {"clue", IpuzText(answer.clue)},
                     {"answer", answer.word},
                     {"enumeration", std::to_string(answer.word.size())},
                     {"cells", std::move(cells)}});
  }

  const Tpuzzle& p = doc.P;
  Json ipuz;
  ipuz["version"] = kIpuzVersion;
  ipuz["kind"] = Json::array({kIpuzAcrosticKind});
  ipuz["origin"] = "Quotella";
  ipuz["title"] = IpuzText(layout.title);
  if (!layout.bylineName.empty()) ipuz["author"] = IpuzText(layout.bylineName);
  if (!layout.copyrightNotice.empty()) ipuz["copyright"] = IpuzText(layout.copyrightNotice);
  // Author and work are the answer to the puzzle: they go only where solvers see them
  // after solving.
  ipuz["explanation"] = AuthorAndWork(layout.authorOrig, layout.workOrig);
  ipuz["block"] = "#";
  ipuz["empty"] = 0;
  ipuz["dimensions"] = {{"width", layout.Columns()}, {"height", layout.Rows()}};
  ipuz["puzzle"] = std::move(puzzle);
  ipuz["solution"] = std::move(solution);
  ipuz["clues"] = {{"Clues", std::move(clues)}};
  // The quotation line as typed (punctuation and case kept), so that a puzzle comes back
  // from its ipuz file with the same quotation text.
  // The copyright line too, as typed: an untouched notice is no copyright for other
  // readers, but it comes back to us as it was.
  ipuz[kIpuzExtensionKey] = {{"quotation", p.AuthorOrig + "@" + p.WorkOrig + "@" + p.QuoteOrig},
                             {"author", p.AuthorOrig},
                             {"work", p.WorkOrig},
                             {"byline", Trim(session.BylineBox)},
                             {"copyright", session.CopyrightText}};
  return ipuz.dump(1, '\t') + "\n";
}

bool WriteIpuzFile(const PuzzleDocument& doc, const FileSession& session, const std::string& path) {
  if (const std::string warning = AcrosticLayout(doc, session).UnfinishedWarning();
      !warning.empty())
    doc.host().Message(warning);
  return ReportSave(doc.host(), WriteFileAtomic(path, ComposeIpuz(doc, session)), "ipuz puzzle",
                    "Could not save file ", path);
}

}  // namespace quotella
