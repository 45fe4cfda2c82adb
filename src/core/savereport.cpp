#include "core/savereport.h"

#include "core/host.h"

namespace quotella {

bool ReportSave(Host& host, const SaveResult& saved, const std::string& what,
                const std::string& failure, const std::string& path) {
  if (saved.ok()) {
    host.Status(StatusBar::Main, 2, what + " written to " + path);
    return true;
  }
  const std::string message = saved.Message(failure, path);
  host.Message(message);
  host.Status(StatusBar::Main, 2, message);
  return false;
}

}  // namespace quotella
