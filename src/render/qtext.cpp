#include "render/qtext.h"

namespace quotella {

QString ToQString(const std::string& utf8) {
  return QString::fromStdString(utf8);
}

std::string ToUtf8(const QString& text) {
  return text.toStdString();
}

}  // namespace quotella
