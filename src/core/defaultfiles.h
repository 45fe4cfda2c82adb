#pragma once

namespace quotella {

// The files a fresh start names, shared by the settings and the file session.
inline constexpr const char* kDefaultQuotesFile = "quotes.txt";
inline constexpr const char* kDefaultLastFile = "puzzle1.qtl";

}  // namespace quotella
