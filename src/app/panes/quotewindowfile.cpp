#include "app/panes/quotewindowfile.h"

#include <QTextEdit>

#include "core/textio.h"
#include "rtf/rtfreader.h"

namespace quotella {

void LoadQuoteWindowFile(QTextEdit& window, const std::string& path) {
  window.clear();
  const auto bytes = ReadFileBytes(path);
  if (!bytes) return;
  bool ok = false;
  const QString html = RtfToHtml(*bytes, &ok, kQuoteWindowChars);
  if (ok) window.setHtml(html);
}

}  // namespace quotella
