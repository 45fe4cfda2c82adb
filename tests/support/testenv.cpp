// Linked into every test program: the environment the suites expect, whoever runs them.
#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <string>

extern "C" {
// Leaks inside system libraries that the program cannot free; never our own code.
const char* __lsan_default_suppressions() {
  return "leak:libfontconfig\n"
         "leak:libdbus\n"
         "leak:libQt6Core\n"
         "leak:libQt6Gui\n"
         "leak:libglib\n";
}
}

namespace {
// Window tests draw offscreen unless the caller chose a platform.
const bool kOffscreen = [] {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  return true;
}();

// Recovery copies of the windows under test go to a folder of this run, never into the
// user's own state folder; it goes when the run ends.
std::string g_stateHome;
const bool kPrivateStateHome = [] {
  char pattern[] = "/tmp/quotella-test-state-XXXXXX";
  if (::mkdtemp(pattern) == nullptr) return false;
  g_stateHome = pattern;
  ::setenv("XDG_STATE_HOME", pattern, 1);
  std::atexit([] {
    std::error_code ec;
    std::filesystem::remove_all(g_stateHome, ec);
  });
  return true;
}();
}  // namespace
