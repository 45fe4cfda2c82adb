#pragma once

#include <string>

namespace quotella {

// Text placed into HTML (or into an ipuz field, whose texts may hold HTML): &, <, >, "
// and ' become entities. Works byte by byte, so UTF-8 passes through unchanged.
std::string EscapeHtml(const std::string& text);

// The plain text of a short HTML fragment such as an ipuz clue: tags dropped (a line
// break becomes a blank), character entities decoded to UTF-8. Unknown entities stay as
// written.
std::string HtmlToText(const std::string& html);

}  // namespace quotella
