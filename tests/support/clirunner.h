#pragma once

#include <string>
#include <vector>

namespace quotella::test {

// What a finished command printed on stdout and the exit code it returned (-1 when it could
// not be started or did not exit normally).
struct CliRun {
  std::string out;
  int status = -1;
};

// One shell word, whatever the text holds.
std::string ShellQuote(const std::string& text);

// Runs a shell command line and captures its stdout.
CliRun RunShell(const std::string& command);

// Runs the built quotella-cli with the arguments (already shell-quoted). Its stderr is
// discarded, or mixed into `out` when `withStderr` is set.
CliRun RunCli(const std::string& args, bool withStderr = false);

// The same with each argument quoted as one shell word.
CliRun RunCliArgs(const std::vector<std::string>& args);

}  // namespace quotella::test
