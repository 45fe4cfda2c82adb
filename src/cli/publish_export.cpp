#include "cli/publish_export.h"

#include "formats/ipuzexport.h"
#include "formats/webpage.h"

namespace quotella::cli {

int PublishExportKinds(const PuzzleArgs& args) {
  return args.Has("--ipuz") + args.Has("--html");
}

bool IsPublishExport(const PuzzleArgs& args) {
  return PublishExportKinds(args) > 0;
}

bool WritePublishExport(CliPuzzle& puzzle, const PuzzleArgs& args) {
  if (args.Has("--ipuz")) return WriteIpuzFile(puzzle.doc, puzzle.files, args.output);
  return WriteWebPage(puzzle.doc, puzzle.files, args.output);
}

}  // namespace quotella::cli
