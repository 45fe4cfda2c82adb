#include <iostream>

#include "cli/command.h"
#include "cli/publish_export.h"
#include "cli/puzzle_args.h"
#include "core/textio.h"
#include "files/infofile.h"
#include "files/textexport.h"
#ifdef QUOTELLA_CLI_PUBLISH
#include "cli/print_export.h"
#endif

namespace quotella::cli {
namespace {

int RunExport(const std::vector<std::string>& args) {
#ifdef QUOTELLA_CLI_PUBLISH
  if (const int code = RunPrintExport(args); code >= 0) return code;
#endif
  const auto a = ParsePuzzleArgs(
      "export", args, {"--text", "--no-grid", "--key", "--info", "--rtf", "--ipuz", "--html"},
      true);
  if (!a) return 2;
  if (a->positional.size() != 1) return UsageError("export", "export takes one puzzle file");
  const int kinds = a->Has("--text") + a->Has("--key") + a->Has("--info") + PublishExportKinds(*a);
  if (kinds != 1) return UsageError("export", "give one of --text, --key, --info, --ipuz, --html");
  if (a->Has("--no-grid") && !a->Has("--text"))
    return UsageError("export", "--no-grid goes with --text");
  if (a->Has("--rtf") && !a->Has("--info")) return UsageError("export", "--rtf goes with --info");
  if (a->output.empty()) return UsageError("export", "export needs -o FILE");

  const std::string& file = a->positional[0];
  CliPuzzle puzzle(a->Has("--yes"));
  if (!LoadForCommand(puzzle, file)) return 1;
  if (a->output == file) {
    std::cerr << "quotella-cli: an export would replace the puzzle file itself\n";
    return 1;
  }
  if (!MayWrite(puzzle, a->output, file)) return 1;

  if (IsPublishExport(*a)) return WritePublishExport(puzzle, *a) ? 0 : 1;
  SaveResult saved;
  if (a->Has("--info")) {
    saved = WriteInfoFile(puzzle.doc, puzzle.files, a->output, a->Has("--rtf"));
  } else {
    const TextForm form = a->Has("--key") ? TextForm::Key : TextForm::Puzzle;
    const auto lines = ComposePuzzleText(puzzle.doc, puzzle.files, form, !a->Has("--no-grid"));
    saved = WriteLinesAtomic(a->output, lines);
  }
  if (!saved.ok()) {
    puzzle.host.Message(saved.Message("Could not save file ", a->output));
    return 1;
  }
  return 0;
}

const Registration reg{
    {"export",
     "  quotella-cli export P.qtl --text [--no-grid] | --key | --info [--rtf] -o FILE [--yes]\n"
     "  quotella-cli export P.qtl --ipuz | --html -o FILE [--yes]\n"
     "      write the puzzle as text, its key as text, its information file, an acrostic\n"
     "      ipuz file or a playable web page"
#ifdef QUOTELLA_CLI_PUBLISH
     "\n" +
         std::string(kPrintExportUsage)
#endif
         ,
     RunExport}};

}  // namespace
}  // namespace quotella::cli
