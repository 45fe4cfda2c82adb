// The settings-file reader on any bytes. Files the settings name are not opened: the
// loader only records them.

#include <cstddef>
#include <cstdint>

#include "core/construction.h"
#include "fuzz_support.h"
#include "settings/settingsstore.h"

namespace {

class RecordingLoader : public quotella::SettingsLoader {
 public:
  bool LoadQuotesFile(const std::string& path) override { return !path.empty(); }
  bool LoadWordList(int, const std::string& path) override { return !path.empty(); }
  bool ChangeDirectory(const std::string& dir) override { return !dir.empty(); }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace quotella;
  const std::string path = fuzz::ScratchFile("quotella.ini", data, size);
  fuzz::QuietHost host;
  host.yes = false;  // no default file over the input
  PuzzleDocument doc(host);
  InitPuzzleDefaults(doc);
  RecordingLoader loader;
  Settings values;
  values.ProgramDir = fuzz::ScratchDir();
  values.IniFileName = path;
  SettingsStore store(host, values, &doc, &loader);
  store.ReadIniFile(path);
  store.CreateGeneralSettings();
  // A settings file that is not there: no default is made over nothing the user asked for.
  SettingsStore missing(host, values, &doc, &loader);
  missing.ReadIniFile(fuzz::ScratchDir() + "missing.ini");
  fuzz::Check(!missing.Values().IniLoaded);
  return 0;
}
