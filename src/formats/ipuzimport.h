#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/document.h"
#include "files/filesession.h"

namespace quotella {

inline constexpr const char* kNotAcrosticIpuz = "This is not an acrostic ipuz file.";
inline constexpr const char* kIpuzTooLarge = "This ipuz file is too large to be a puzzle.";
inline constexpr const char* kIpuzTooDeep =
    "This ipuz file is damaged: its lists and objects are nested too deeply.";

// Bounds that keep hostile files cheap to refuse: the file's size, and how deeply its
// arrays and objects may nest (an acrostic's go six deep).
inline constexpr std::size_t kMaxIpuzBytes = 16u << 20;
inline constexpr int kMaxIpuzNesting = 32;

// What an ipuz file says as a puzzle of ours. A pure function of the file's bytes, so
// that any input can be thrown at it: it never changes a document and never writes.
struct IpuzImport {
  bool ok = false;
  std::string error;                    // why the file was refused (when !ok)
  std::vector<std::string> notes;       // what the reader decided on its own
  std::vector<std::string> puzzleFile;  // the puzzle as puzzle-file lines (when ok)
  int coordinateBase = 1;               // 0 or 1, as detected
};

// Reads an acrostic ipuz file (ours or another program's): the quotation from the
// solution grid in reading order (blocks break words), author and work from our own
// fields, the "explanation" or (older files of ours) the "notes" when they spell the
// answers' initials, otherwise from the initials of the answers; answers,
// clues and the cell of every answer letter as the file maps them. The file is refused
// when its mapping breaks the puzzle's rules: a letter in a cell of another letter, a cell
// used twice, an answer that does not fit its row.
IpuzImport ReadIpuz(std::string_view bytes);

// The offset of the first "[" or "{" in JSON text that opens more than limit arrays and
// objects at once; npos when none does. Strings are skipped. One pass, constant memory.
std::size_t JsonNestingTooDeepAt(std::string_view json, int limit);

// Open > ipuz Puzzle... and the import command: reads the file at path and, when it is
// an acrostic the program can hold, makes it the current puzzle. Every refusal is
// reported through the host before the current puzzle is touched. True when loaded.
bool LoadIpuzFile(PuzzleDocument& doc, FileSession& session, const std::string& path);

}  // namespace quotella
