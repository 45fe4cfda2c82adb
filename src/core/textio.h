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

// Splits text into lines at CR LF, LF or CR. A final line end does not start an
// empty last line.
std::vector<std::string> SplitLines(const std::string& text);

// Joins lines with CR LF after every line.
std::string JoinLinesCrLf(const std::vector<std::string>& lines);

// Reads a whole file as bytes; nullopt when it cannot be opened or read.
std::optional<std::string> ReadFileBytes(const std::string& path);

// Reads a text file into Windows-1252 lines: a UTF-8 file (with or without a byte-order
// mark) is converted. nullopt when the file cannot be read.
std::optional<std::vector<std::string>> ReadTextLines(const std::string& path);

// Writes bytes to path through a temporary file in the same folder and a rename, so
// that a failure leaves the old file untouched. Returns an empty string on success,
// otherwise a description of what failed.
std::string WriteFileAtomic(const std::string& path, const std::string& bytes);

// Writes lines with CR LF ends, atomically.
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
