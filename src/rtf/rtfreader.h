#pragma once

#include <QString>
#include <limits>
#include <string>

namespace quotella {

// Reads the rich text of the help files and the quote-window file into HTML for a
// QTextEdit. Understands the plain subset those files use: groups, \par, \line, \tab,
// \b, \i, \ul (each with its 0 form), \ulnone, \plain, \pard, \fs, \cf with a colour
// table, \'hh characters of the Windows-1252 page, \u characters (surrogate pairs
// joined) with the \ucN count of fallback characters skipped after them, and the escaped
// braces and backslash. Font tables, style sheets, info groups and \* destinations are
// skipped. Returns false in ok for text that does not start with "{\rtf". The text stops
// after maxChars characters (the rest of the file is not read).
QString RtfToHtml(const std::string& rtf, bool* ok = nullptr,
                  std::size_t maxChars = std::numeric_limits<std::size_t>::max());

}  // namespace quotella
