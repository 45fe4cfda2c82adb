#pragma once

#include <string>
#include <vector>

namespace quotella::cli {

// `export P.qtl --pdf ...`, `--bitmap ...` and `--svg ...`: the printed page as a PDF
// file, the grid as a BMP or PNG picture, and the grid or the pages as SVG, drawn without a
// display. Returns the exit code, or -1 when the arguments ask for none of them.
int RunPrintExport(const std::vector<std::string>& args);

// Usage lines of these forms, for the export command's help.
extern const char* const kPrintExportUsage;

}  // namespace quotella::cli
