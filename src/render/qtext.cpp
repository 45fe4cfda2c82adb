#include "render/qtext.h"

#include "core/textio.h"

namespace quotella {

QString FromCp(const std::string& cp1252) {
  return QString::fromStdString(Cp1252ToUtf8(cp1252));
}

std::string ToCp(const QString& text) {
  return Utf8ToCp1252(text.toStdString());
}

}  // namespace quotella
