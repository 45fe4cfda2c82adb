// The main program of a benchmark that draws with Qt: the offscreen platform, the
// application object the benchmark needs (QGuiApplication or QApplication), then every
// benchmark of the program.
#pragma once

#include <benchmark/benchmark.h>

#include <QtGlobal>

namespace quotella::bench {

template <typename App>
int RunOffscreenBenchmarks(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  App app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

}  // namespace quotella::bench
