// Linked into every test program: the environment the suites expect, whoever runs them.
#include <cstdlib>

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
}  // namespace
