#pragma once

#include "cli/puzzle_args.h"

namespace quotella::cli {

// The publishing forms of `export`: --ipuz (an acrostic ipuz file) and --html (a
// playable web page).
bool IsPublishExport(const PuzzleArgs& args);
int PublishExportKinds(const PuzzleArgs& args);

// Writes the form asked for to args.output; false (with the reason reported) on failure.
bool WritePublishExport(CliPuzzle& puzzle, const PuzzleArgs& args);

}  // namespace quotella::cli
