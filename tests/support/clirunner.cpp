#include "support/clirunner.h"

#include <sys/wait.h>

#include <cstdio>

namespace quotella::test {

std::string ShellQuote(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

CliRun RunShell(const std::string& command) {
  CliRun run;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return run;
  char buf[4096];
  std::size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, pipe)) > 0) run.out.append(buf, n);
  const int status = ::pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

CliRun RunCli(const std::string& args, bool withStderr) {
  return RunShell(ShellQuote(std::string(QUOTELLA_PROGRAM_DIR) + "/quotella-cli") + " " + args +
                  (withStderr ? " 2>&1" : " 2>/dev/null"));
}

CliRun RunCliArgs(const std::vector<std::string>& args) {
  std::string quoted;
  for (const auto& a : args) quoted += " " + ShellQuote(a);
  return RunCli(quoted);
}

}  // namespace quotella::test
