#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/linestore.h"
#include "core/saveresult.h"

namespace quotella {

// The program's text is UTF-8 everywhere below the window. Windows-1252 is only a file
// encoding: old files are read in it, and a file that was Windows-1252 is written back in
// it while every character fits.

// Windows-1252 bytes to UTF-8 (bytes 0x81, 0x8D, 0x8F, 0x90, 0x9D map to the C1 controls).
std::string Cp1252ToUtf8(const std::string& text);
// True when every character of the UTF-8 text has a Windows-1252 form.
bool FitsCp1252(const std::string& utf8);
// UTF-8 text whose characters all fit (FitsCp1252) to Windows-1252 bytes.
std::string Utf8ToCp1252(const std::string& utf8);

// True when the bytes are valid UTF-8 (no overlong forms, no surrogates).
bool IsValidUtf8(const std::string& bytes);
// True when the bytes are valid UTF-8 and hold at least one non-ASCII character.
bool LooksLikeUtf8(const std::string& bytes);

// The characters (code points) of a UTF-8 text; a byte that is not UTF-8 counts as the
// Windows-1252 character it spells.
std::u32string CodePoints(const std::string& utf8);

// One character as UTF-8.
std::string Utf8Of(char32_t cp);

// The number of characters (code points) of a UTF-8 text.
std::size_t Utf8Length(const std::string& utf8);

// How a text file was stored. A file that is valid UTF-8 is read as UTF-8, with or
// without a byte-order mark; anything else is Windows-1252 (Cp1252Bom: a byte-order mark
// in front of bytes that are not UTF-8, kept on writing).
enum class TextEncoding { Cp1252, Utf8, Utf8Bom, Cp1252Bom };

struct DecodedText {
  std::string text;  // UTF-8
  TextEncoding encoding = TextEncoding::Utf8;
};

DecodedText DecodeText(const std::string& bytes);
// The bytes of UTF-8 text in an encoding. A Windows-1252 encoding is kept only while every
// character fits and the bytes read back as the same text; otherwise the text is written
// as UTF-8 (with the byte-order mark the file had), so that no character is ever lost.
std::string EncodeText(const std::string& utf8, TextEncoding encoding);

// Puzzle files are read as DecodeText reads any text file.
DecodedText DecodePuzzleText(const std::string& bytes);
// A puzzle file is written in Windows-1252 while all its text fits (and reads back so),
// unless it was read as UTF-8 (`read`); otherwise as UTF-8 with a byte-order mark.
std::string EncodePuzzleText(const std::string& utf8, TextEncoding read);

// The encoding a text file had when it was last read by ReadTextLines or ReadPuzzleLines,
// so that a rewrite of that file keeps it. UTF-8 for a file never read.
TextEncoding RememberedEncoding(const std::string& path);

// Splits text into lines at CR LF, LF or CR. A final line end does not start an
// empty last line.
std::vector<std::string> SplitLines(const std::string& text);

// Joins lines with CR LF after every line.
std::string JoinLinesCrLf(const std::vector<std::string>& lines);

// Reads a whole file as bytes; nullopt when it cannot be opened or read, or is not a
// regular file (a folder, a device, a pipe).
std::optional<std::string> ReadFileBytes(const std::string& path);

// Reads a text file into UTF-8 lines (see DecodeText). nullopt when the file cannot be
// read.
std::optional<std::vector<std::string>> ReadTextLines(const std::string& path);

// Reads a text file as ReadTextLines does, without splitting it into lines: for readers
// that go through the lines once (see ForEachLine) and keep only what they need.
std::optional<std::string> ReadText(const std::string& path);

// Reads a text file as ReadTextLines does, into a compact line store: for editors that
// hold a whole file, however many lines it has.
std::optional<LineStore> ReadTextLineStore(const std::string& path);

// Reads a puzzle file into UTF-8 lines (see DecodePuzzleText).
std::optional<LineStore> ReadPuzzleLines(const std::string& path);

// Writes bytes to path through a temporary file in the same folder and a rename, so
// that a failure leaves the old file untouched. A symbolic link is followed: its target
// is replaced and the link stays. An existing file keeps its permissions, and one without
// write permission for its owner, group or others (whoever the program runs as) is
// refused. The new file keeps the permission bits and, where the process may, the owner
// of the file it replaces. Temporary files that an interrupted save of the same file left
// behind are removed. The result says why a save failed ("the disk is full", "the folder
// is read-only", "no such folder", ...).
SaveResult WriteFileAtomic(const std::string& path, const std::string& bytes);

// Writes lines with CR LF ends, atomically, in the encoding the file had when it was read
// (UTF-8 for a new file; see EncodeText).
// A vector of lines converts to the store.
SaveResult WriteLinesAtomic(const std::string& path, const LineStore& lines);

bool FileExists(const std::string& path);

// String helpers shared by the program's text handling (ASCII case rules: the bytes of
// other UTF-8 characters are left as they are).
std::string UpperCase(std::string s);
std::string LowerCase(std::string s);
std::string Trim(const std::string& s);
std::string TrimLeft(const std::string& s);
std::string TrimRight(const std::string& s);
// Case-insensitive search for needle in haystack; npos when absent.
std::size_t FindNoCase(const std::string& haystack, const std::string& needle);

}  // namespace quotella
