#pragma once

#include <cstddef>
#include <string>

class QTextEdit;

namespace quotella {

// The quote window shows at most this many characters of its file: a few pages, laid out
// at once however large the file is.
inline constexpr std::size_t kQuoteWindowChars = 50000;

// Shows the rich-text file at path in the quote window; leaves the window empty when the
// file cannot be read or is not rich text.
void LoadQuoteWindowFile(QTextEdit& window, const std::string& path);

}  // namespace quotella
