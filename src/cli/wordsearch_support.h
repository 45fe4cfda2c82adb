#pragma once

#include <optional>
#include <string>

#include "cli/puzzle_args.h"

namespace quotella::cli {

// Shared by the word-search commands (rarity, scan, problems).

// The dictionary directory of a command: --dict DIR, or the bundled dictionary.
std::string CommandDictDir(const std::string& dictArg);

// A whole number argument in [low, high]; nullopt when it is not one.
std::optional<int> IntArg(const std::string& text, int low, int high);

// The puzzle a word-search command works on: the puzzle file path, or, when path is
// empty, a fresh puzzle made from a quotation line. False (with the reason on stderr)
// when there is no puzzle.
bool LoadSearchPuzzle(CliPuzzle& puzzle, const std::string& path, const std::string& quoteLine);

}  // namespace quotella::cli
