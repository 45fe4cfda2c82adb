#include "settings/settingsstore.h"

#include <algorithm>
#include <filesystem>

#include "core/poolstatus.h"
#include "core/saveresult.h"
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

std::string SettingsStore::WriteView(const std::string& path,
                                     const std::vector<std::string>& lines) {
  return WriteView(path, IniText(lines));
}

std::string SettingsStore::WriteView(const std::string& path, const IniText& text) {
  if (!m_unreadableFile.empty() && path == m_unreadableFile && PathExists(path))
    return "the file there could not be read, so it is kept";
  const std::string folder = FolderPart(path);
  if (!folder.empty()) {
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
  }
  return WriteFileAtomic(path, EncodeText(text.CrLfText(), RememberedEncoding(path))).reason();
}

void SettingsStore::ReportWriteFailure(const std::string& message, const std::string& path,
                                       const std::string& reason) {
  m_host.Message(SaveResult::Failed(reason).Message(message, path));
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
  for (const SettingsKey* k : KeysRead()) {
    if (m_view.HasValue(k->key))
      k->read(*this, m_view.GetIniValue(k->key));
    else if (k->readAbsent)
      k->read(*this, std::string());
  }

  // The window's boxes follow what was just read, so that saving at exit does not put
  // back the values the file replaced.
  if (m_formCreated) {
    m_form.LoadLast = m_values.LoadLastFile;
    m_form.LaunchAtStartup = m_values.LaunchAtStartup;
    m_form.DictDir = m_values.DictDir;
    ScoredChoicesToForm();
  }
}

void SettingsStore::ScoredChoicesToForm() {
  m_form.ScoredFiles = m_values.ScoredListFiles;
  m_form.MinScore = m_values.MinWordScore;
  m_form.ListScore = m_values.ListWordScore;
  m_form.DictionaryWords = m_values.DictionaryWordsAllowed;
}

void SettingsStore::ScoredChoicesFromForm() {
  m_values.ScoredListFiles = m_form.ScoredFiles;
  m_values.MinWordScore = std::clamp(m_form.MinScore, kLowestWordScore, kHighestWordScore);
  m_values.ListWordScore = std::clamp(m_form.ListScore, kLowestWordScore, kHighestWordScore);
  m_values.DictionaryWordsAllowed = m_form.DictionaryWords;
}

void SettingsStore::ReadQuotesFile(const std::string& value) {
  const std::string path = InProgramDir(value);
  if (!FileExists(path)) return;
  if (m_loader->LoadQuotesFile(path))
    m_values.QuotesFile = path;
  else
    m_host.Message("Could not load: " + value);
}

void SettingsStore::ReadWordList(int list, const std::string& value) {
  const std::string path = InProgramDir(Trim(value));
  if (!FileExists(path)) return;
  if (!m_loader->LoadWordList(list, path)) m_host.Message("Could not load: " + path);
  m_values.WordListFiles[static_cast<std::size_t>(list - 1)] = path;
}

void SettingsStore::ReadInitialDirectory(const std::string& value) {
  std::string dir = Trim(value);
  if (FolderPart(dir).empty()) dir = m_values.ProgramDir;
  if (!DirectoryExists(dir)) return;
  m_loader->ChangeDirectory(dir);
  m_values.CurrentDir = dir;
}

void SettingsStore::ReadDictionaryDirectory(const std::string& value) {
  std::string dir = Trim(value);
  if (FolderPart(dir).empty()) dir = m_values.ProgramDir;
  // Letter files are named by appending to the folder, so it must end in '/'.
  dir = WithTrailingSeparator(dir);
  if (!DirectoryExists(dir)) {
    m_values.DictDir = m_values.ProgramDir;
    return;
  }
  m_values.DictDir = dir;
  if (!FileExists(dir + "a.txt") && !FileExists(dir + "A.txt"))
    m_host.Message("WARNING! Cannot find Dictionary (a.txt) in directory " + m_values.DictDir);
}

void SettingsStore::ReadFrequency(const std::string& value) {
  const std::string order = UpperCase(Trim(value));
  if (!IsLetterOrder(order)) return;
  m_values.FreqString = order;
  ApplyFrequency(order);
}

void SettingsStore::ReadNumProblems(const std::string& value) {
  if (auto n = ParseIniInt(value)) ApplyNumProblems(*n);
}

void SettingsStore::ReadQuoteWinColor(const std::string& value) {
  if (auto c = ParseIniInt(value)) {
    m_values.QuoteWinColor = *c;
    return;
  }
  m_host.Message("err in getinivalue [QUOTEWINCOLOR]    str:" + value);
  m_values.QuoteWinColor = kQuoteWinFallbackColor;
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

void SettingsStore::WriteKeys(int first, int last) {
  // The dictionary folder is written as the General Settings window shows it.
  Settings values = m_values;
  if (m_formCreated) values.DictDir = m_form.DictDir;
  for (const SettingsKey* k : KeysWrittenIn(first, last))
    m_view.SetIniValue(k->writtenAs ? k->writtenAs : k->key, k->current(values));
}

void SettingsStore::SetColorSettings() {
  WriteKeys(kFirstColourStep, kFirstVariableStep);
}

void SettingsStore::SetIniVariables() {
  if (m_formCreated) {
    m_values.LaunchAtStartup = m_form.LaunchAtStartup;
    m_values.LoadLastFile = m_form.LoadLast;
  }
  WriteKeys(kFirstVariableStep, kFirstClueFontStep);
}

void SettingsStore::SetFontSettings() {
  // The clue list's font: appended when missing, else the text's value is taken.
  for (const SettingsKey* k : KeysWrittenIn(kFirstClueFontStep, kFirstAutofillStep)) {
    if (!m_view.KeyLine(k->key))
      m_view.SetIniValue(k->key, k->current(m_values));
    else if (m_view.HasValue(k->key))
      k->read(*this, m_view.GetIniValue(k->key));
  }
}

bool SettingsStore::SimplySaveIniFile() {
  return SaveIniFileReporting({});
}

void SettingsStore::WriteAllKeys() {
  SetColorSettings();
  SetIniVariables();
  SetFontSettings();
  // The Autofill dialog's choices and the scored lists, after everything a fresh file and
  // the fonts carry.
  WriteKeys(kFirstAutofillStep, kWriteStepsEnd);
}

bool SettingsStore::SaveIniFileReporting(const std::string& failure) {
  WriteAllKeys();
  const std::string reason = WriteView(m_values.IniFileName, m_view);
  if (!reason.empty() && !failure.empty())
    ReportWriteFailure(failure, m_values.IniFileName, reason);
  return reason.empty();
}

void SettingsStore::SaveAtExit() {
  SaveIniFileReporting("Could not save ini file");
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
  // Every value in force goes into the text first: the text is applied again below, and a
  // choice left out would fall back to what the file held before.
  WriteAllKeys();
  bool saved = false;
  const auto path = m_host.SaveFileName("Save Initialization File", kFileFilter,
                                        FolderPart(m_values.IniFileName), m_values.IniFileName);
  if (path) {
    const std::string reason = WriteView(*path, m_view);
    saved = reason.empty();
    if (saved)
      m_values.IniFileName = *path;
    else
      ReportWriteFailure("Could not save file ", *path, reason);
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
  if (const std::string reason = WriteView(*path, m_view); !reason.empty()) {
    ReportWriteFailure("Could not save ", *path, reason);
    return false;
  }
  m_values.IniFileName = *path;
  return true;
}

void SettingsStore::MakeDefaultFile() {
  *m_outputEditor = DefaultIniLines(m_values);
  if (m_host.Confirm("Save as your default INI file?", ConfirmKind::Question)) {
    if (const std::string reason = WriteView(m_values.IniFileName, *m_outputEditor);
        !reason.empty())
      ReportWriteFailure("Could not save ", m_values.IniFileName, reason);
    ParseIniFile();
    return;
  }
  const auto path = m_host.SaveFileName("Save File", kFileFilter, FolderPart(m_values.IniFileName),
                                        m_values.IniFileName);
  if (!path) return;
  if (const std::string reason = WriteView(*path, *m_outputEditor); !reason.empty())
    ReportWriteFailure("Could not save ", *path, reason);
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
  ScoredChoicesToForm();
  m_form.Visible = false;
  m_formCreated = true;
}

void SettingsStore::ShowGeneralSettings() {
  if (!m_formCreated) CreateGeneralSettings();
  m_form.LaunchAtStartup = m_values.LaunchAtStartup;
  m_form.Visible = true;
}

void SettingsStore::NameScoredList(const std::string& path) {
  auto& files = m_values.ScoredListFiles;
  if (std::find(files.begin(), files.end(), path) == files.end()) files.push_back(path);
  if (m_formCreated) m_form.ScoredFiles = files;
}

void SettingsStore::CloseGeneralSettings() {
  Settings& s = m_values;
  s.QuotesFile = m_form.QuotesName;
  s.WordListFiles = m_form.ListNames;
  s.DictDir = m_form.DictDir;
  s.CopyrightText = m_form.Copyright;
  ScoredChoicesFromForm();
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
  ScoredChoicesFromForm();

  // The letter frequency must hold 26 characters; cancelling keeps the order in force.
  std::string freq = Trim(f.LetterFrequency);
  bool freqAccepted = true;
  while (freq.size() != 26) {
    const auto reply =
        m_host.Prompt("Letter Frequency", "Enter 26 letters exactly", f.LetterFrequency);
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
