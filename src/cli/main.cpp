#include <algorithm>
#include <iostream>

#include "cli/command.h"
#include "core/textio.h"

namespace quotella::cli {

namespace {
std::vector<Command>& Registry() {
  static std::vector<Command> commands;
  return commands;
}
}  // namespace

Registration::Registration(Command command) {
  Registry().push_back(std::move(command));
}

const std::vector<Command>& Commands() {
  auto& commands = Registry();
  std::sort(commands.begin(), commands.end(),
            [](const Command& a, const Command& b) { return a.name < b.name; });
  return commands;
}

int UsageError(const std::string& name, const std::string& problem) {
  if (!problem.empty()) std::cerr << "quotella-cli: " << problem << "\n";
  std::cerr << "usage:\n";
  for (const auto& c : Commands())
    if (name.empty() || c.name == name) std::cerr << c.usage << "\n";
  return 2;
}

std::size_t EndOfOptions(const std::vector<std::string>& args) {
  return static_cast<std::size_t>(std::find(args.begin(), args.end(), "--") - args.begin());
}

std::string TextArg(const std::string& terminalText) {
  if (terminalText.find_first_of("\r\n") != std::string::npos)
    throw LineBreakInText("a text may not hold a line break: " +
                          terminalText.substr(0, terminalText.find_first_of("\r\n")) + "...");
  // A terminal that is not UTF-8 sends Windows-1252, as old files are read.
  return IsValidUtf8(terminalText) ? terminalText : Cp1252ToUtf8(terminalText);
}

void PrintLine(std::ostream& out, const std::string& text) {
  out << text << "\n";
}

}  // namespace quotella::cli

int main(int argc, char** argv) {
  using namespace quotella::cli;
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) return UsageError({}, "no command given");
  if (args[0] == "help" || args[0] == "--help" || args[0] == "-h") {
    std::cout << "quotella-cli: the quotation-acrostic constructor on the command line\n\nusage:\n";
    for (const auto& c : Commands()) std::cout << c.usage << "\n";
    std::cout << "\nAn argument \"--\" ends the options: what follows is text even when it "
                 "begins with \"-\".\n";
    return 0;
  }
  for (const auto& c : Commands()) {
    if (c.name == args[0]) {
      try {
        return c.run(std::vector<std::string>(args.begin() + 1, args.end()));
      } catch (const LineBreakInText& e) {
        return UsageError(c.name, e.what());
      }
    }
  }
  return UsageError({}, "unknown command '" + args[0] + "'");
}
