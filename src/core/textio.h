#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quotella {

// Windows-1252 <-> UTF-8. Characters with no Windows-1252 form become '?'; bytes that
// Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls.
std::string Cp1252ToUtf8(const std::string& text);
std::string Utf8ToCp1252(const std::string& text);

// True when the bytes are valid UTF-8 and hold at least one non-ASCII character.
bool LooksLikeUtf8(const std::string& bytes);

// How a text file's bytes become the program's Windows-1252 text. A file is read as UTF-8
// only when it is valid UTF-8, every character it holds has a Windows-1252 form, and it
// starts with a byte-order mark or holds a character outside ASCII. Anything else is read
// byte for byte, so writing it back gives the same bytes (a byte-order mark in front of
// such a file is kept too).
enum class TextEncoding { Cp1252, Utf8, Utf8Bom, Cp1252Bom };

struct DecodedText {
  std::string text;  // Windows-1252
  TextEncoding encoding = TextEncoding::Cp1252;
};

DecodedText DecodeText(const std::string& bytes);
std::string EncodeText(const std::string& cp1252, TextEncoding encoding);

// Puzzle files are Windows-1252 by their format: read byte for byte, unless they start
// with a byte-order mark (then as DecodeText reads them). A file the program wrote always
// reads back as the same text, whatever its texts hold.
DecodedText DecodePuzzleText(const std::string& bytes);

// The encoding a text file had when it was last read by ReadTextLines, so that a rewrite
// of that file keeps it. Windows-1252 for a file never read.
TextEncoding RememberedEncoding(const std::string& path);

// Splits text into lines at CR LF, LF or CR. A final line end does not start an
// empty last line.
std::vector<std::string> SplitLines(const std::string& text);

// Joins lines with CR LF after every line.
std::string JoinLinesCrLf(const std::vector<std::string>& lines);

// Reads a whole file as bytes; nullopt when it cannot be opened or read, or is not a
// regular file (a folder, a device, a pipe).
std::optional<std::string> ReadFileBytes(const std::string& path);

// Reads a text file into Windows-1252 lines: a UTF-8 file (with or without a byte-order
// mark) is converted. nullopt when the file cannot be read.
std::optional<std::vector<std::string>> ReadTextLines(const std::string& path);

// Reads a text file as ReadTextLines does, without splitting it into lines: for readers
// that go through the lines once (see ForEachLine) and keep only what they need.
std::optional<std::string> ReadText(const std::string& path);

// Reads a puzzle file into Windows-1252 lines (see DecodePuzzleText).
std::optional<std::vector<std::string>> ReadPuzzleLines(const std::string& path);

// Writes bytes to path through a temporary file in the same folder and a rename, so
// that a failure leaves the old file untouched. A symbolic link is followed: its target
// is replaced and the link stays. An existing file keeps its permissions, and one without
// write permission for its owner, group or others (whoever the program runs as) is
// refused. Returns an empty string on success, otherwise a description of what failed.
std::string WriteFileAtomic(const std::string& path, const std::string& bytes);

// Writes lines with CR LF ends, atomically, in the encoding the file had when it was read
// (Windows-1252 for a new file).
std::string WriteLinesAtomic(const std::string& path, const std::vector<std::string>& lines);

bool FileExists(const std::string& path);

// String helpers shared by the program's text handling (8-bit, ASCII case rules).
std::string UpperCase(std::string s);
std::string LowerCase(std::string s);
std::string Trim(const std::string& s);
std::string TrimLeft(const std::string& s);
std::string TrimRight(const std::string& s);
// Case-insensitive search for needle in haystack; npos when absent.
std::size_t FindNoCase(const std::string& haystack, const std::string& needle);

}  // namespace quotella
