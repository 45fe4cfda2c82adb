#pragma once

#include <QString>
#include <string>

namespace quotella {

// The window's boundary between Qt text and the program's Windows-1252 strings.
QString FromCp(const std::string& cp1252);
std::string ToCp(const QString& text);

}  // namespace quotella
