#pragma once

#include <string>

class QTextEdit;

namespace quotella {

// Shows the rich-text file at path in the quote window; leaves the window empty when the
// file cannot be read or is not rich text.
void LoadQuoteWindowFile(QTextEdit& window, const std::string& path);

}  // namespace quotella
