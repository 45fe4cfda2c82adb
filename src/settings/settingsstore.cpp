#include "settings/settingsstore.h"

#include <algorithm>
#include <filesystem>

#include "core/poolstatus.h"
#include "core/textio.h"

namespace quotella {

namespace {

bool DirectoryExists(const std::string& path) {
  std::error_code ec;
  return !path.empty() && std::filesystem::is_directory(path, ec);
}

bool PathExists(const std::string& path) {
  std::error_code ec;
  return !path.empty() && std::filesystem::exists(path, ec);
}

// A frequency order is usable only as all 26 letters, each once: the problem letters
// and the rank views index into it.
bool IsLetterOrder(const std::string& order) {
  if (order.size() != 26) return false;
  std::array<bool, 26> seen{};
  for (char c : order) {
    if (!IsUpperLetter(c) || seen[LetterIndex(c)]) return false;
    seen[LetterIndex(c)] = true;
  }
  return true;
}

std::string Reversed(std::string s) {
  std::reverse(s.begin(), s.end());
  return s;
}

}  // namespace

bool SettingsLoader::LoadQuotesFile(const std::string& path) {
  return ReadText(path).has_value();
}

bool SettingsLoader::LoadWordList(int, const std::string& path) {
  return ReadText(path).has_value();
}

bool SettingsLoader::ChangeDirectory(const std::string& dir) {
  std::error_code ec;
  std::filesystem::current_path(dir, ec);
  return !ec;
}

SettingsStore::SettingsStore(Host& host, Settings values, PuzzleDocument* doc,
                             SettingsLoader* loader)
    : m_host(host),
      m_values(std::move(values)),
      m_doc(doc),
      m_loader(loader ? loader : &m_defaultLoader) {}

std::string SettingsStore::InProgramDir(const std::string& name) const {
  if (name.find('/') != std::string::npos) return name;
  return m_values.ProgramDir + name;
}

bool SettingsStore::WriteView(const std::string& path, const std::vector<std::string>& lines) {
  return WriteView(path, IniText(lines));
}

bool SettingsStore::WriteView(const std::string& path, const IniText& text) {
  if (!m_unreadableFile.empty() && path == m_unreadableFile && PathExists(path)) return false;
  const std::string folder = FolderPart(path);
  if (!folder.empty()) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
  }
  return WriteFileAtomic(path, EncodeText(text.CrLfText(), RememberedEncoding(path))).empty();
}

// ---- Reading ----

void SettingsStore::ReadIniFile(const std::string& name) {
  if (FileExists(name)) {
    if (auto text = ReadText(name)) {
      if (name == m_unreadableFile) m_unreadableFile.clear();
      m_view.SetText(*text);
      m_values.IniLoaded = true;
      ParseIniFile();
    } else {
      // Offering a default here would overwrite a file the user still has.
      m_host.Message("Could not load: " + name);
      m_unreadableFile = name;
      return;
    }
  } else {
    m_host.Message("IniFile " + name + " not found");
  }
  if (m_values.IniLoaded) return;
  if (!m_host.Confirm("Could not load INI file. Make default file?", ConfirmKind::Question)) return;
  MakeDefaultFile();
  ReadIniFileAfterDefault();
}

void SettingsStore::ReadIniFileAfterDefault() {
  if (auto text = ReadText(m_values.IniFileName))
    m_view.SetText(*text);
  else
    m_view.SetLines(*m_outputEditor);  // not saved: run on the defaults all the same
  m_values.IniLoaded = true;
  ParseIniFile();
}

void SettingsStore::ParseIniFile() {
  if (m_view.Empty()) return;
  Settings& s = m_values;
  const IniText& v = m_view;

  // Fonts of the answer-word table; the name is taken as written.
  if (v.HasValue("[KEYFONT]")) s.KeyFontName = v.GetIniValue("[KEYFONT]");
  if (auto n = ParseIniInt(v.GetIniValue("[KEYFONTSIZE]"))) s.KeyFontSize = *n;
  if (auto n = ParseIniInt(v.GetIniValue("[autofill rarity]"));
      n && (*n == 50 || *n == 60 || *n == 70))
    s.AutofillRarity = *n;
  if (auto n = ParseIniInt(v.GetIniValue("[autofill time limit]")); n && *n >= 1 && *n <= 600)
    s.AutofillSeconds = *n;
  if (auto n = ParseIniInt(v.GetIniValue("[recovery interval]"));
      n && *n >= kMinRecoverySeconds && *n <= kMaxRecoverySeconds)
    s.RecoverySeconds = *n;

  if (v.HasValue("[quotefile]")) {
    const std::string name = v.GetIniValue("[quotefile]");
    const std::string path = InProgramDir(name);
    if (FileExists(path)) {
      if (m_loader->LoadQuotesFile(path))
        s.QuotesFile = path;
      else
        m_host.Message("Could not load: " + name);
    }
  }

  if (v.HasValue("[title]")) s.Title = Trim(v.GetIniValue("[title]"));
  if (v.HasValue("[byline]")) s.Byline = Trim(v.GetIniValue("[byline]"));

  if (v.HasValue("[lastfile]")) s.LastFile = Trim(v.GetIniValue("[lastfile]"));
  auto flag = [&](const char* key, bool& target) {
    if (!v.HasValue(key)) return;
    const std::string t = UpperCase(Trim(v.GetIniValue(key)));
    if (t == "TRUE") target = true;
    if (t == "FALSE") target = false;
  };
  flag("[loadlastfile]", s.LoadLastFile);
  flag("[launch at startup]", s.LaunchAtStartup);

  if (v.HasValue("[frequency]")) {
    const std::string order = UpperCase(Trim(v.GetIniValue("[frequency]")));
    if (IsLetterOrder(order)) {
      s.FreqString = order;
      ApplyFrequency(order);
    }
  }
  if (v.HasValue("[NumProblems]")) {
    if (auto n = ParseIniInt(v.GetIniValue("[NumProblems]"))) ApplyNumProblems(*n);
  }

  for (int n = 1; n <= 4; ++n) {
    const std::string key = "[wordlist" + std::to_string(n) + "]";
    if (!v.HasValue(key)) continue;
    const std::string path = InProgramDir(Trim(v.GetIniValue(key)));
    if (!FileExists(path)) continue;
    if (!m_loader->LoadWordList(n, path)) m_host.Message("Could not load: " + path);
    s.WordListFiles[static_cast<std::size_t>(n - 1)] = path;
  }

  if (v.HasValue("[initial directory]")) {
    std::string dir = Trim(v.GetIniValue("[initial directory]"));
    if (FolderPart(dir).empty()) dir = s.ProgramDir;
    if (DirectoryExists(dir)) {
      m_loader->ChangeDirectory(dir);
      s.CurrentDir = dir;
    }
  }

  if (v.HasValue("[dictionary directory]")) {
    std::string dir = Trim(v.GetIniValue("[dictionary directory]"));
    if (FolderPart(dir).empty()) dir = s.ProgramDir;
    // Letter files are named by appending to the folder, so it must end in '/'.
    dir = WithTrailingSeparator(dir);
    if (DirectoryExists(dir)) {
      s.DictDir = dir;
      if (!FileExists(dir + "a.txt") && !FileExists(dir + "A.txt"))
        m_host.Message("WARNING! Cannot find Dictionary (a.txt) in directory " + s.DictDir);
    } else {
      s.DictDir = s.ProgramDir;
    }
  }

  auto color = [&](const char* key, int fallback) {
    return ParseIniInt(v.GetIniValue(key)).value_or(fallback);
  };
  s.FormColor = color("[formcolor]", kDefaultFormColor);
  s.ClueColor = color("[cluecolor]", kDefaultClueColor);
  s.QEditorColor = color("[qeditorcolor]", kDefaultQEditorColor);
  s.OEditorColor = color("[oeditorcolor]", kDefaultOEditorColor);
  if (auto c = ParseIniInt(v.GetIniValue("[QUOTEWINCOLOR]"))) {
    s.QuoteWinColor = *c;
  } else {
    m_host.Message("err in getinivalue [QUOTEWINCOLOR]    str:" + v.GetIniValue("[QUOTEWINCOLOR]"));
    s.QuoteWinColor = kQuoteWinFallbackColor;
  }
  // "[quotecolor]" and "[gridcolor]" are written but not read back.

  // The window's boxes follow what was just read, so that saving at exit does not put
  // back the values the file replaced.
  if (m_formCreated) {
    m_form.LoadLast = s.LoadLastFile;
    m_form.LaunchAtStartup = s.LaunchAtStartup;
    m_form.DictDir = s.DictDir;
  }
}

std::string SettingsStore::EffectiveFreqOrder() const {
  if (IsLetterOrder(m_values.FreqString)) return m_values.FreqString;
  if (m_doc && IsLetterOrder(m_doc->P.FreqOrder)) return m_doc->P.FreqOrder;
  return kDefaultFreqOrder;
}

void SettingsStore::ApplyFrequency(const std::string& order) {
  if (!m_doc) return;
  m_doc->SettingsFreqString = order;
  m_doc->P.FreqOrder = order;
  m_doc->P.ReverseFreqOrder = Reversed(order);
}

void SettingsStore::ApplyNumProblems(int n) {
  m_values.NumProblemChars = std::clamp(n, 0, 26);
  ApplyLetterOrder();
}

void SettingsStore::ApplyLetterOrder() {
  if (!m_doc) return;
  Tpuzzle& p = m_doc->P;
  p.FreqOrder = EffectiveFreqOrder();
  p.ReverseFreqOrder = Reversed(p.FreqOrder);
  p.NumProblemChars = m_values.NumProblemChars;
  p.ProblemSet.reset();
  for (int i = 0; i < p.NumProblemChars; ++i)
    p.ProblemSet.set(static_cast<unsigned char>(p.ReverseFreqOrder[static_cast<std::size_t>(i)]));
}

// ---- Writing ----

void SettingsStore::SetColorSettings() {
  const Settings& s = m_values;
  m_view.SetIniValue("[formcolor]", std::to_string(s.FormColor));
  m_view.SetIniValue("[cluecolor]", std::to_string(s.ClueColor));
  m_view.SetIniValue("[qeditorcolor]", std::to_string(s.QEditorColor));
  m_view.SetIniValue("[oeditorcolor]", std::to_string(s.OEditorColor));
  m_view.SetIniValue("[quotecolor]", std::to_string(s.QuoteWinColor));
  m_view.SetIniValue("[quotewincolor]", std::to_string(s.QuoteWinColor));
  m_view.SetIniValue("[gridcolor]", std::to_string(s.GridColor));
}

void SettingsStore::SetIniVariables() {
  Settings& s = m_values;
  if (m_formCreated) {
    s.LaunchAtStartup = m_form.LaunchAtStartup;
    s.LoadLastFile = m_form.LoadLast;
  }
  m_view.SetIniValue("[lastfile]", Trim(s.LastFile));
  m_view.SetIniValue("[launch at startup]", s.LaunchAtStartup ? "TRUE" : "FALSE");
  m_view.SetIniValue("[loadlastfile]", s.LoadLastFile ? "TRUE" : "FALSE");
  m_view.SetIniValue("[quotefile]", Trim(s.QuotesFile));
  for (int n = 1; n <= 4; ++n)
    m_view.SetIniValue("[wordlist" + std::to_string(n) + "]",
                       Trim(s.WordListFiles[static_cast<std::size_t>(n - 1)]));
  m_view.SetIniValue("[gridcolor]", std::to_string(s.GridColor));
  m_view.SetIniValue("[initial directory]", s.CurrentDir);
  m_view.SetIniValue("[dictionary directory]", Trim(m_formCreated ? m_form.DictDir : s.DictDir));
  m_view.SetIniValue("[NUMPROBLEMS]", std::to_string(s.NumProblemChars));
  m_view.SetIniValue("[KEYFONT]", s.KeyFontName);
  m_view.SetIniValue("[KEYFONTSIZE]", std::to_string(s.KeyFontSize));
}

void SettingsStore::SetFontSettings() {
  Settings& s = m_values;
  if (!m_view.KeyLine("[CLUEFONT]"))
    m_view.SetIniValue("[CLUEFONT]", s.ClueFontName);
  else if (m_view.HasValue("[CLUEFONT]"))
    s.ClueFontName = m_view.GetIniValue("[CLUEFONT]");
  if (!m_view.KeyLine("[CLUEFONTSIZE]"))
    m_view.SetIniValue("[CLUEFONTSIZE]", std::to_string(s.ClueFontSize));
  else if (auto n = ParseIniInt(m_view.GetIniValue("[CLUEFONTSIZE]")))
    s.ClueFontSize = *n;
}

bool SettingsStore::SimplySaveIniFile() {
  SetColorSettings();
  SetIniVariables();
  SetFontSettings();
  // The Autofill dialog's choices, after everything a fresh file and the fonts carry.
  m_view.SetIniValue("[autofill rarity]", std::to_string(m_values.AutofillRarity));
  m_view.SetIniValue("[autofill time limit]", std::to_string(m_values.AutofillSeconds));
  m_view.SetIniValue("[recovery interval]", std::to_string(m_values.RecoverySeconds));
  return WriteView(m_values.IniFileName, m_view);
}

void SettingsStore::SaveAtExit() {
  if (!SimplySaveIniFile()) m_host.Message("Could not save ini file");
}

// ---- Commands ----

bool SettingsStore::ReloadIniView() {
  const auto text = ReadText(m_values.IniFileName);
  if (!text) {
    m_host.Message("Could not load: " + m_values.IniFileName);
    return false;
  }
  m_view.SetText(*text);
  return true;
}

void SettingsStore::OpenIniFile() {
  if (ReloadIniView()) ParseIniFile();
}

bool SettingsStore::SaveInitFile() {
  SetColorSettings();
  SetIniVariables();
  SetFontSettings();
  bool saved = false;
  const auto path = m_host.SaveFileName("Save Initialization File", kFileFilter,
                                        FolderPart(m_values.IniFileName), m_values.IniFileName);
  if (path) {
    saved = WriteView(*path, m_view);
    if (saved)
      m_values.IniFileName = *path;
    else
      m_host.Message("Could not save file ");
  }
  ParseIniFile();
  ApplyLetterOrder();
  if (m_doc && m_doc->PuzzleExists) RefreshPoolViews(*m_doc);
  return saved;
}

bool SettingsStore::SaveIniFileAs() {
  const auto path = m_host.SaveFileName("Save File", kFileFilter, FolderPart(m_values.IniFileName),
                                        m_values.IniFileName);
  if (!path) return false;
  if (!WriteView(*path, m_view)) {
    m_host.Message("Could not save " + *path);
    return false;
  }
  m_values.IniFileName = *path;
  return true;
}

void SettingsStore::MakeDefaultFile() {
  *m_outputEditor = DefaultIniLines(m_values);
  if (m_host.Confirm("Save as your default INI file?", ConfirmKind::Question)) {
    if (!WriteView(m_values.IniFileName, *m_outputEditor))
      m_host.Message("Could not save " + m_values.IniFileName);
    ParseIniFile();
    return;
  }
  const auto path = m_host.SaveFileName("Save File", kFileFilter, FolderPart(m_values.IniFileName),
                                        m_values.IniFileName);
  if (path && !WriteView(*path, *m_outputEditor)) m_host.Message("Could not save " + *path);
}

// ---- General Settings window ----

void SettingsStore::CreateGeneralSettings() {
  const Settings& s = m_values;
  m_form.QuotesName = s.QuotesFile;
  m_form.ListNames = s.WordListFiles;
  m_form.StartupDir = s.CurrentDir;
  m_form.DictDir = s.DictDir;
  m_form.LetterFrequency = s.FreqString;
  m_form.NumProblems = std::to_string(s.NumProblemChars);
  m_form.Copyright = s.CopyrightText;
  m_form.LoadLast = s.LoadLastFile;
  m_form.LaunchAtStartup = s.LaunchAtStartup;
  m_form.Visible = false;
  m_formCreated = true;
}

void SettingsStore::ShowGeneralSettings() {
  if (!m_formCreated) CreateGeneralSettings();
  m_form.LaunchAtStartup = m_values.LaunchAtStartup;
  m_form.Visible = true;
}

void SettingsStore::CloseGeneralSettings() {
  Settings& s = m_values;
  s.QuotesFile = m_form.QuotesName;
  s.WordListFiles = m_form.ListNames;
  s.DictDir = m_form.DictDir;
  s.CopyrightText = m_form.Copyright;
  m_form.Visible = false;
}

void SettingsStore::SaveGeneralSettings() {
  if (!m_formCreated) CreateGeneralSettings();
  Settings& s = m_values;
  GeneralSettingsForm& f = m_form;

  SetColorSettings();
  s.LaunchAtStartup = f.LaunchAtStartup;
  SetIniVariables();

  s.QuotesFile = f.QuotesName;
  s.WordListFiles = f.ListNames;
  s.CopyrightText = f.Copyright;

  // The letter frequency must hold 26 characters; cancelling keeps the order in force.
  std::string freq = Trim(f.LetterFrequency);
  bool freqAccepted = true;
  while (freq.size() != 26) {
    const auto reply =
        m_host.Prompt("Letter Frequency", "Enter 26 letters exaclty", f.LetterFrequency);
    if (!reply) {
      freqAccepted = false;
      break;
    }
    freq = Trim(*reply);
  }
  if (freqAccepted) {
    s.FreqString = freq;
    f.LetterFrequency = freq;
    // Stored so that the order the user entered is the one the file is read with.
    m_view.SetIniValue("[Frequency]", freq);
  }

  const std::string probs = Trim(f.NumProblems);
  if (probs.empty()) {
    f.NumProblems = std::to_string(kDefaultNumProblems);
    s.NumProblemChars = kDefaultNumProblems;
  } else {
    s.NumProblemChars = std::clamp(ParseIniInt(probs).value_or(kDefaultNumProblems), 0, 26);
  }

  if (!f.StartupDir.empty()) f.StartupDir = WithTrailingSeparator(f.StartupDir);
  f.DictDir = WithTrailingSeparator(f.DictDir);
  s.DictDir = f.DictDir;

  s.LoadLastFile = f.LoadLast;

  SaveInitFile();
  for (int n = 1; n <= 4; ++n) {
    const std::string path = InProgramDir(Trim(s.WordListFiles[static_cast<std::size_t>(n - 1)]));
    if (FileExists(path) && !m_loader->LoadWordList(n, path))
      m_host.Message("Could not load: " + path);
  }
  const std::string quotes = InProgramDir(Trim(s.QuotesFile));
  if (FileExists(quotes) && !m_loader->LoadQuotesFile(quotes))
    m_host.Message("Could not load: " + quotes);
  s.CurrentDir = FolderPart(quotes);
  f.Visible = false;
}

}  // namespace quotella
