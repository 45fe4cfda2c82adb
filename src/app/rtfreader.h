#pragma once

#include <QString>
#include <string>

namespace quotella {

// Reads the rich text of the help files and the quote-window file into HTML for a
// QTextEdit. Understands the plain subset those files use: groups, \par, \line, \tab,
// \b, \i, \ul (each with its 0 form), \ulnone, \plain, \pard, \fs, \cf with a colour
// table, \'hh characters of the Windows-1252 page, \u with its fallback, and the escaped
// braces and backslash. Font tables, style sheets, info groups and \* destinations are
// skipped. Returns false in ok for text that does not start with "{\rtf".
QString RtfToHtml(const std::string& rtf, bool* ok = nullptr);

}  // namespace quotella
