#pragma once

#include <string>

namespace quotella {

class Host;

// Open > Import Quotations: the user picks fortune or plain-text files one after another,
// hears how many quotations were imported and skipped, and saves them as a quotes file
// (UTF-8). Returns the file written, or an empty string when nothing was.
std::string ImportQuotations(Host& host, const std::string& folder);

}  // namespace quotella
