#pragma once

#include <string>
#include <vector>

namespace quotella::cli {

// `export P.qtl --pdf ...` and `export P.qtl --bitmap ...`: the printed page as a PDF
// file and the grid as a BMP or PNG picture, drawn without a display. Returns the exit
// code, or -1 when the arguments ask for neither.
int RunPrintExport(const std::vector<std::string>& args);

// Usage lines of the two forms, for the export command's help.
extern const char* const kPrintExportUsage;

}  // namespace quotella::cli
