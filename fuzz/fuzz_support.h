// What the fuzz targets share: a host that shows nothing and answers the file dialogs
// with one path, and a scratch folder in memory for the readers that take a file.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "core/host.h"

namespace quotella::fuzz {

class QuietHost : public Host {
 public:
  void Message(const std::string&) override {}
  bool Confirm(const std::string&, ConfirmKind) override { return yes; }
  std::optional<std::string> Prompt(const std::string&, const std::string&,
                                    const std::string&) override {
    return std::nullopt;
  }
  void Status(StatusBar, int, const std::string&) override {}
  void PlaySound(const std::string&, bool) override {}
  std::optional<std::string> OpenFileName(const std::string&, const std::string&,
                                          const std::string&) override {
    return path;
  }
  std::optional<std::string> OpenFileNamed(const std::string&, const std::string&,
                                           const std::string&, const std::string&) override {
    return path;
  }
  std::optional<std::string> SaveFileName(const std::string&, const std::string&,
                                          const std::string&, const std::string&) override {
    return path;
  }

  std::optional<std::string> path;  // what every file dialog answers
  bool yes = true;
};

// A folder of this process for scratch files, in memory when the system has /dev/shm.
inline const std::string& ScratchDir() {
  // Never destroyed: the exit handler that removes the folder still needs its name.
  static const std::string* dir = [] {
    namespace fs = std::filesystem;
    const fs::path base =
        fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    const fs::path d = base / ("quotella-fuzz-" + std::to_string(::getpid()));
    fs::create_directories(d);
    std::atexit([] {
      std::error_code ec;
      fs::remove_all(*dir, ec);
    });
    return new std::string(d.string() + "/");
  }();
  return *dir;
}

// Writes the input to a scratch file and returns its path.
inline std::string ScratchFile(const std::string& name, const uint8_t* data, size_t size) {
  const std::string path = ScratchDir() + name;
  if (FILE* f = std::fopen(path.c_str(), "wb")) {
    if (size > 0) std::fwrite(data, 1, size, f);
    std::fclose(f);
  }
  return path;
}

// Stops the run with a crash that libFuzzer records, when a property fails.
inline void Check(bool holds) {
  if (!holds) std::abort();
}

}  // namespace quotella::fuzz
