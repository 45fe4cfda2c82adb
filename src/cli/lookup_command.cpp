#include <iostream>

#include "cli/command.h"
#include "settings/lookups.h"

namespace quotella::cli {
namespace {

int RunLookup(const std::vector<std::string>& given) {
  // Both arguments are texts: a "--" before them only says so.
  std::vector<std::string> args = given;
  if (const std::size_t end = EndOfOptions(args); end < args.size()) args.erase(args.begin() + end);
  if (args.size() != 2) return UsageError("lookup", "lookup takes a service and a term");
  const auto service = LookupServiceNamed(args[0]);
  if (!service) return UsageError("lookup", "unknown service '" + args[0] + "'");
  const auto address = TypedLookupAddress(*service, TextArg(args[1]));
  if (!address) {
    std::cerr << "quotella-cli: an empty term opens nothing for " << args[0] << "\n";
    return 1;
  }
  PrintLine(std::cout, *address);
  return 0;
}

const Registration reg{
    {"lookup",
     "  quotella-cli lookup SERVICE TERM     print the address the look-up opens for TERM\n"
     "                                       (SERVICE: dictionary, thesaurus, google, imdb, "
     "britannica)",
     RunLookup}};

}  // namespace
}  // namespace quotella::cli
