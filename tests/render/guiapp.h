#pragma once

#include <QGuiApplication>

namespace quotella::test {

// Fonts are measured and drawn only inside an application object.
inline void EnsureGuiApp() {
  if (QCoreApplication::instance()) return;
  static int argc = 1;
  static char name[] = "render_tests";
  static char* argv[] = {name, nullptr};
  // Never destroyed: Qt must outlive every static that tears down after main.
  static QGuiApplication* app = new QGuiApplication(argc, argv);
  (void)app;
}

}  // namespace quotella::test
