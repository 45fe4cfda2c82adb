#pragma once

#include <QString>
#include <string>

namespace quotella {

// The window's boundary between Qt text and the program's UTF-8 strings. File names are
// UTF-8 too: on this system that is how the file system spells them.
QString ToQString(const std::string& utf8);
std::string ToUtf8(const QString& text);

}  // namespace quotella
