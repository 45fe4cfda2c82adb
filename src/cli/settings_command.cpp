#include <iostream>

#include "cli/command.h"
#include "core/document.h"
#include "core/textio.h"
#include "settings/settings.h"
#include "settings/settingsstore.h"

namespace quotella::cli {
namespace {

// Shows every message of the settings reader on standard output, in order, and answers
// every question No, so a check never writes a file.
class CheckHost : public Host {
 public:
  void Message(const std::string& text) override { PrintLine(std::cout, "message: " + text); }
  bool Confirm(const std::string& text, ConfirmKind) override {
    PrintLine(std::cout, "question: " + text + " (answered No)");
    return false;
  }
  std::optional<std::string> Prompt(const std::string&, const std::string&,
                                    const std::string&) override {
    return std::nullopt;
  }
  void Status(StatusBar, int, const std::string&) override {}
  void PlaySound(const std::string&, bool) override {}
};

// Checks that the named files can be read without loading them anywhere, and leaves
// the working directory alone.
class CheckLoader : public SettingsLoader {
 public:
  bool ChangeDirectory(const std::string&) override { return true; }
};

std::string Letters(const CharSet& set) {
  std::string s;
  for (char c = 'A'; c <= 'Z'; ++c)
    if (InSet(set, c)) s += c;
  return s;
}

int Check(const std::string& file) {
  if (!ReadFileBytes(file)) {
    std::cerr << "quotella-cli: cannot read " << file << "\n";
    return 1;
  }
  CheckHost host;
  PuzzleDocument doc(host);
  CheckLoader loader;
  Settings start = StartupSettings(CurrentProgramPaths());
  start.IniFileName = file;
  SettingsStore store(host, start, &doc, &loader);
  store.ReadIniFile(file);
  store.ApplyLetterOrder();

  const Settings& s = store.Values();
  const IniText& view = store.View();
  for (const auto& k : SettingsKeys()) {
    std::string line = k.key;
    line += " ";
    if (!view.KeyLine(k.key))
      line += "(absent)";
    else if (!view.HasValue(k.key))
      line += "(no value)";
    else
      line += "\"" + view.GetIniValue(k.key) + "\"";
    line += " -> ";
    line += k.meaning;
    line += ": " + k.current(s);
    PrintLine(std::cout, line);
  }
  PrintLine(std::cout, "frequency order in force: " + doc.P.FreqOrder);
  PrintLine(std::cout, "problem letters: " + Letters(doc.P.ProblemSet));
  return 0;
}

int RunSettings(const std::vector<std::string>& args) {
  if (args.size() == 1 && args[0] == "--default") {
    const Settings s = StartupSettings(CurrentProgramPaths());
    for (const auto& line : DefaultIniLines(s)) PrintLine(std::cout, line);
    return 0;
  }
  if (args.size() == 2 && args[0] == "--check") return Check(args[1]);
  if (args.size() == 3 && args[0] == "--check" && args[1] == "--") return Check(args[2]);
  return UsageError("settings", "settings takes --default or --check FILE");
}

const Registration reg{{"settings",
                        "  quotella-cli settings --default      print a fresh settings file\n"
                        "  quotella-cli settings --check FILE   read FILE as the settings file "
                        "and show what each key sets",
                        RunSettings}};

}  // namespace
}  // namespace quotella::cli
