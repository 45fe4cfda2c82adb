#include <iostream>

#include "cli/command.h"
#include "quotella/version.h"

namespace quotella::cli {
namespace {

int RunVersion(const std::vector<std::string>& args) {
  if (!args.empty()) return UsageError("version", "version takes no arguments");
  std::cout << "quotella-cli " << kVersion << "\n";
  return 0;
}

const Registration reg{{"version", "  quotella-cli version", RunVersion}};

}  // namespace
}  // namespace quotella::cli
