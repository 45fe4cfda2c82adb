#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/document.h"
#include "core/host.h"
#include "core/linestore.h"
#include "settings/initext.h"
#include "settings/settings.h"

namespace quotella {

// Puts what the settings name into the views that show it. The window loads the files
// into its lists and editors; the default only checks that the file can be read, and
// changes the process's working directory.
class SettingsLoader {
 public:
  virtual ~SettingsLoader() = default;
  // False when the file cannot be read.
  virtual bool LoadQuotesFile(const std::string& path);
  // list is 1..4.
  virtual bool LoadWordList(int list, const std::string& path);
  virtual bool ChangeDirectory(const std::string& dir);
};

// The boxes of the General Settings window, as text and flags.
struct GeneralSettingsForm {
  std::string QuotesName;
  std::array<std::string, 4> ListNames;
  std::string StartupDir;
  std::string DictDir;
  std::string LetterFrequency;
  std::string NumProblems;
  std::string Copyright;
  bool LoadLast = false;
  bool LaunchAtStartup = false;
  // The scored word lists, their least score for autofill, the score of a word alone, and
  // whether autofill may also take dictionary words.
  std::vector<std::string> ScoredFiles;
  int MinScore = kFreshMinWordScore;
  int ListScore = kFreshListWordScore;
  bool DictionaryWords = true;
  bool Visible = false;
};

// The settings file at run time: the values, the text of the settings view and the
// operations that read the text into the values and write the values into the text.
// Reading applies what the document owns (frequency order, problem letters) at once;
// the window applies the rest from Values(). Nothing here throws; every failure is
// reported through the host.
class SettingsStore {
 public:
  SettingsStore(Host& host, Settings values, PuzzleDocument* doc = nullptr,
                SettingsLoader* loader = nullptr);

  Settings& Values() { return m_values; }
  const Settings& Values() const { return m_values; }
  IniText& View() { return m_view; }
  const IniText& View() const { return m_view; }
  GeneralSettingsForm& Form() { return m_form; }
  // The output editor that a default file is composed in; an internal one by default.
  void SetOutputEditor(LineStore& lines) { m_outputEditor = &lines; }
  const LineStore& OutputEditor() const { return *m_outputEditor; }

  // Load a settings file into the view and apply it; a missing file is reported, and
  // while no file has been read in this run the user is offered a default file.
  void ReadIniFile(const std::string& name);
  // Apply the view's text to the program.
  void ParseIniFile();

  // Put the current values into the view's text.
  void SetColorSettings();
  void SetIniVariables();
  void SetFontSettings();

  // Write the current values into the view and save it to IniFileName.
  bool SimplySaveIniFile();
  // The save when the main window closes; a failure is reported and closing goes on.
  void SaveAtExit();

  // Open > IniFile: load IniFileName into the view and apply it.
  void OpenIniFile();
  // View > Ini File: reload IniFileName into the view.
  bool ReloadIniView();
  // Save > Init File, with its dialog; the view is applied again in every case.
  bool SaveInitFile();
  // The settings view's "Save Ini File": the text as it stands, to a chosen file.
  bool SaveIniFileAs();
  // The settings view's "Load Ini File".
  void LoadIniFile() { ReadIniFile(m_values.IniFileName); }
  // Compose a fresh settings file in the output editor and save it where the user says.
  void MakeDefaultFile();

  // The General Settings window: created once after the first read, shown on demand.
  void CreateGeneralSettings();
  void ShowGeneralSettings();
  // "Close": take the file boxes, the dictionary folder, the copyright and the scored
  // lists' choices, then hide.
  void CloseGeneralSettings();
  // "Save Ini": take every box, save the settings file and reload the files it names.
  void SaveGeneralSettings();
  // A scored list the user made from the window joins the lists named, in the values and
  // in the General Settings window's boxes.
  void NameScoredList(const std::string& path);

  // The frequency order in force and the problem letters it gives, onto the document.
  void ApplyLetterOrder();

  // A name without a folder refers to the program folder.
  std::string InProgramDir(const std::string& name) const;

  // What reading a key does beyond setting a value, for the key table: each takes the
  // value line as it stands in the file.
  void ReadQuotesFile(const std::string& value);
  void ReadWordList(int list, const std::string& value);
  void ReadInitialDirectory(const std::string& value);
  void ReadDictionaryDirectory(const std::string& value);
  void ReadFrequency(const std::string& value);
  void ReadNumProblems(const std::string& value);
  void ReadQuoteWinColor(const std::string& value);

 private:
  // The scored lists' choices between the values and the form.
  void ScoredChoicesToForm();
  void ScoredChoicesFromForm();
  void ApplyFrequency(const std::string& order);
  void ApplyNumProblems(int n);
  // Writes the values into the view and saves it to IniFileName; a failure is reported
  // with the given text, when there is one.
  bool SaveIniFileReporting(const std::string& failure);
  // Every writer: colours, names and flags, the clue font, then the later keys.
  void WriteAllKeys();
  // The keys of write steps [first, last) with the values in force.
  void WriteKeys(int first, int last);
  // The failure of a write, with the path and the reason after the program's text.
  void ReportWriteFailure(const std::string& message, const std::string& path,
                          const std::string& reason);
  void ReadIniFileAfterDefault();
  // Empty on success, else why the file could not be written.
  [[nodiscard]] std::string WriteView(const std::string& path,
                                      const std::vector<std::string>& lines);
  [[nodiscard]] std::string WriteView(const std::string& path, const IniText& text);
  std::string EffectiveFreqOrder() const;

  Host& m_host;
  Settings m_values;
  PuzzleDocument* m_doc;
  SettingsLoader* m_loader;
  SettingsLoader m_defaultLoader;
  IniText m_view;
  GeneralSettingsForm m_form;
  bool m_formCreated = false;
  LineStore m_ownOutputEditor;
  LineStore* m_outputEditor = &m_ownOutputEditor;
  // A settings file that exists but could not be read is never overwritten.
  std::string m_unreadableFile;
};

// The file dialogs' filter.
inline constexpr const char* kFileFilter = "Quotella3 Files|*.qtl|Text Files|*.txt|All Files|*.*";

}  // namespace quotella
