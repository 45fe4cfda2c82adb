#pragma once

#include <string>

#include "core/document.h"
#include "files/filesession.h"

namespace quotella {

inline constexpr const char* kIpuzVersion = "http://ipuz.org/v2";
inline constexpr const char* kIpuzAcrosticKind = "http://ipuz.org/acrostic#1";
// Our own fields, kept under one namespaced key as ipuz asks of extensions.
inline constexpr const char* kIpuzExtensionKey = "org.quotella.acrostic";
inline constexpr const char* kIpuzFilter = "ipuz Puzzles|*.ipuz|All Files|*.*";

// Between author and work in the "explanation" of an ipuz file: an em dash between
// blanks, in UTF-8.
inline constexpr const char* kAuthorWorkSeparator = " \xE2\x80\x94 ";

// The puzzle as an acrostic ipuz document: UTF-8 JSON. Grid coordinates in the clues'
// "cells" count from 1 at the top-left. Text fields are HTML-escaped, as ipuz texts may
// hold HTML.
std::string ComposeIpuz(const PuzzleDocument& doc, const FileSession& session);

// Save > As ipuz... to path: composes and writes atomically. Warns (through the host)
// when the puzzle is not finished; "Could not save file " when the write fails.
bool WriteIpuzFile(const PuzzleDocument& doc, const FileSession& session, const std::string& path);

}  // namespace quotella
