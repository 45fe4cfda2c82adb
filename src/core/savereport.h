#pragma once

#include <string>

#include "core/saveresult.h"

namespace quotella {

class Host;

// Tells the user what became of a file they chose to write. Written: "WHAT written to PATH"
// in the main status bar's message panel. Failed: the `failure` message with the path and
// the reason in a message box and in that panel. True when the file was written.
bool ReportSave(Host& host, const SaveResult& saved, const std::string& what,
                const std::string& failure, const std::string& path);

}  // namespace quotella
