#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>

#include "core/document.h"
#include "core/textio.h"
#include "settings/fileassociation.h"
#include "settings/hotkeys.h"
#include "settings/initext.h"
#include "settings/lookups.h"
#include "settings/recentpuzzles.h"
#include "settings/settings.h"
#include "settings/settingsstore.h"
#include "support/clirunner.h"
#include "support/fakehost.h"

namespace quotella {
namespace {

namespace fs = std::filesystem;
using test::FakeHost;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

// ---- The text model ----

TEST(IniText, FindsKeysWhateverTheirCaseAndSurroundingBlanks) {
  const IniText t({"junk", "  [WORDLIST1] ", "first", "[wordlist1]", "second", "[last]"});
  EXPECT_EQ(t.GetIniValue("[wordlist1]"), "first");
  EXPECT_EQ(t.GetIniValue(" [WordList1]"), "first");
  EXPECT_EQ(t.GetIniLine("[wordlist1]"), 2u);
  // A key on the last line has no value; an absent key neither.
  EXPECT_EQ(t.GetIniLine("[last]"), std::nullopt);
  EXPECT_EQ(t.GetIniValue("[last]"), "");
  EXPECT_TRUE(t.KeyLine("[last]").has_value());
  EXPECT_EQ(t.GetIniLine("[absent]"), std::nullopt);
  // Only whole lines match.
  EXPECT_EQ(t.KeyLine("[wordlist"), std::nullopt);
}

TEST(IniText, AValueThatSpellsAKeyIsAValueNotTheKey) {
  IniText t({"[title]", "[quotefile]", "[quotefile]",
             "Citations \xC5\x81\xC3\xB3"
             "d\xC5\xBA.txt"});
  EXPECT_EQ(t.GetIniValue("[title]"), "[quotefile]");
  EXPECT_EQ(t.GetIniValue("[quotefile]"),
            "Citations \xC5\x81\xC3\xB3"
            "d\xC5\xBA.txt");
  t.SetIniValue("[quotefile]", "other.txt");
  EXPECT_THAT(t.Lines(), ElementsAre("[title]", "[quotefile]", "[quotefile]", "other.txt"));
}

TEST(IniText, WritersReplaceTheValueAppendAfterALastKeyOrAppendBoth) {
  IniText t({"[a]", "old", "[b]"});
  t.SetIniValue("[A]", "new");
  t.SetIniValue("[b]", "vb");
  t.SetIniValue("[NEW]", "v");
  EXPECT_THAT(t.Lines(), ElementsAre("[a]", "new", "[b]", "vb", "[NEW]", "v"));
}

TEST(IniText, KeysStayFoundWhileValuesBeforeThemGrowShrinkOrLookLikeKeys) {
  IniText t({"; note", "[a]", "1", "[b]", "2", "[c]", "3"});
  t.SetIniValue("[a]", "a value much longer than the one before");
  EXPECT_EQ(t.GetIniValue("[b]"), "2");
  t.SetIniValue("[b]", "");
  EXPECT_EQ(t.GetIniValue("[c]"), "3");
  EXPECT_EQ(t.GetIniLine("[c]"), 6u);
  t.SetIniValue("[a]", "[z]");  // a value of key shape stays a value
  EXPECT_EQ(t.KeyLine("[z]"), std::nullopt);
  EXPECT_EQ(t.GetIniValue("[a]"), "[z]");
  EXPECT_EQ(t.GetIniValue("[b]"), "");
  t.SetIniValue("[a]", "x");
  EXPECT_EQ(t.KeyLine("[z]"), std::nullopt);
  EXPECT_EQ(t.KeyLine("; NOTE"), 0u);
  EXPECT_THAT(t.Lines(), ElementsAre("; note", "[a]", "x", "[b]", "", "[c]", "3"));
  EXPECT_EQ(t.CrLfText(), "; note\r\n[a]\r\nx\r\n[b]\r\n\r\n[c]\r\n3\r\n");
}

TEST(IniText, AKeyAddedAfterAKeyWithoutItsValueIsNotTakenForThatValue) {
  for (const bool note : {false, true}) {
    IniText t({"[a]", "1", "[b]"});
    if (note) t.SetLines({"; note", "[a]", "1", "[b]"});
    t.SetIniValue("[new]", "v");
    EXPECT_EQ(t.GetIniValue("[new]"), "v");
    EXPECT_EQ(t.GetIniValue("[b]"), "");
    EXPECT_EQ(t.GetIniValue("[a]"), "1");
  }
  IniText valueLast({"[a]", "[b]"});  // "[b]" is the value of "[a]"
  valueLast.SetIniValue("[b]", "x");
  EXPECT_THAT(valueLast.Lines(), ElementsAre("[a]", "[b]", "[b]", "x"));
  EXPECT_EQ(valueLast.GetIniValue("[b]"), "x");
}

TEST(IniText, TextOfAFileSplitsAtEveryKindOfLineEnd) {
  IniText t;
  t.SetText("[a]\r\none\r[b]\ntwo\n\n[c]");
  EXPECT_THAT(t.Lines(), ElementsAre("[a]", "one", "[b]", "two", "", "[c]"));
  EXPECT_EQ(t.GetIniValue("[b]"), "two");
  EXPECT_FALSE(t.HasValue("[c]"));
  t.SetText("\n\n\n");
  EXPECT_TRUE(t.Empty());
  EXPECT_EQ(t.Lines().size(), 3u);
  t.SetIniValue("[new]", "v");
  EXPECT_FALSE(t.Empty());
  EXPECT_EQ(t.KeyLine("[NEW]"), 3u);
}

// ---- Reading and writing the settings file ----

// Loads nothing and leaves the working directory alone; remembers what it was asked.
class RecordingLoader : public SettingsLoader {
 public:
  bool LoadQuotesFile(const std::string& path) override {
    quotes.push_back(path);
    return true;
  }
  bool LoadWordList(int list, const std::string& path) override {
    lists.push_back(std::to_string(list) + ":" + path);
    return true;
  }
  bool ChangeDirectory(const std::string& dir) override {
    dirs.push_back(dir);
    return true;
  }
  std::vector<std::string> quotes, lists, dirs;
};

class SettingsFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char tmpl[] = "/tmp/quotella-settings-XXXXXX";
    ASSERT_NE(::mkdtemp(tmpl), nullptr);
    dir = std::string(tmpl) + "/";
    ini = dir + "quotella.ini";
    doc = std::make_unique<PuzzleDocument>(host);
    // A dictionary in the program folder, so that only the tests that ask get warned.
    WriteRaw(dir + "a.txt", "ABLE\r\n");
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(dir, ec);
  }

  Settings Start() const { return StartupSettings(ProgramPaths{dir, dir, ini, false}); }
  std::unique_ptr<SettingsStore> Store() {
    return std::make_unique<SettingsStore>(host, Start(), doc.get(), &loader);
  }
  void WriteRaw(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }
  void WriteIni(const std::vector<std::string>& lines) { WriteRaw(ini, JoinLinesCrLf(lines)); }
  std::vector<std::string> IniLines() {
    return ReadTextLines(ini).value_or(std::vector<std::string>{});
  }

  FakeHost host;
  RecordingLoader loader;
  std::unique_ptr<PuzzleDocument> doc;
  std::string dir, ini;
};

TEST_F(SettingsFileTest, DefaultFileHasThirtyEightLinesAndGainsTheFourFontKeysAtItsEnd) {
  auto store = Store();
  host.confirmAnswers = {true};
  store->MakeDefaultFile();
  const auto written = IniLines();
  ASSERT_EQ(written.size(), 38u);
  EXPECT_EQ(written, store->OutputEditor());
  EXPECT_THAT(std::vector<std::string>(written.begin(), written.begin() + 4),
              ElementsAre("[initial directory]", "", "[quotefile]", "quotes.txt"));
  EXPECT_THAT(std::vector<std::string>(written.begin() + 14, written.begin() + 18),
              ElementsAre("[Frequency]", "ETAOINSRDLUCMFGHYPWBVKXJQZ", "[NumProblems]", "14"));
  EXPECT_THAT(std::vector<std::string>(written.end() - 2, written.end()),
              ElementsAre("[gridcolor]", "16699345"));
  for (const char* key : {"[KEYFONT]", "[KEYFONTSIZE]", "[CLUEFONT]", "[CLUEFONTSIZE]"})
    EXPECT_FALSE(IniText(written).KeyLine(key)) << key;

  auto next = Store();
  next->ReadIniFile(ini);
  next->SaveAtExit();
  const auto saved = IniLines();
  ASSERT_EQ(saved.size(), 60u);
  EXPECT_THAT(std::vector<std::string>(saved.begin() + 38, saved.begin() + 46),
              ElementsAre("[KEYFONT]", "Arial", "[KEYFONTSIZE]", "10", "[CLUEFONT]", "Arial",
                          "[CLUEFONTSIZE]", "10"));
  EXPECT_THAT(
      std::vector<std::string>(saved.begin() + 46, saved.end()),
      ElementsAre("[autofill rarity]", "70", "[autofill time limit]", "10", "[recovery interval]",
                  "30", "[scored lists]", "", "[scored min score]", "50", "[scored default score]",
                  "50", "[autofill dictionary words]", "TRUE"));
  EXPECT_THAT(host.messages, IsEmpty());
}

TEST_F(SettingsFileTest, ReadingThenWritingKeepsEveryLineTheProgramDoesNotOwn) {
  const std::vector<std::string> original = {
      "; my own notes",  "[myown]", "keep me",  "",           "  [LASTFILE]  ",
      "/old/puzzle.qtl", "[title]", "My Title", "[lastfile]", "second copy stays"};
  WriteIni(original);
  auto store = Store();
  store->ReadIniFile(ini);
  EXPECT_EQ(store->Values().LastFile, "/old/puzzle.qtl");
  store->SaveAtExit();
  const auto saved = IniLines();
  ASSERT_GT(saved.size(), original.size());
  EXPECT_EQ(std::vector<std::string>(saved.begin(), saved.begin() + 10), original);
}

TEST_F(SettingsFileTest, FilesWithLfOrCrLineEndsReadLikeCrLf) {
  const std::vector<std::string> lines = {
      "[lastfile]",      " /p/x.qtl ", "[loadlastfile]",      " true ", "[title]", "  Hello  ",
      "[quotewincolor]", "255",        "[launch at startup]", "maybe"};
  std::vector<Settings> results;
  for (const char* end : {"\r\n", "\n", "\r"}) {
    std::string text;
    for (const auto& l : lines) text += l + end;
    WriteRaw(ini, text);
    auto store = Store();
    store->ReadIniFile(ini);
    EXPECT_EQ(store->View().Lines(), lines) << "line end " << (end[0] == '\r' ? "CR" : "LF");
    results.push_back(store->Values());
  }
  for (const auto& s : results) {
    EXPECT_EQ(s.LastFile, "/p/x.qtl");
    EXPECT_TRUE(s.LoadLastFile);
    EXPECT_FALSE(s.LaunchAtStartup);  // neither TRUE nor FALSE: unchanged
    EXPECT_EQ(s.Title, "Hello");
    EXPECT_EQ(s.QuoteWinColor, 255);
  }
}

TEST_F(SettingsFileTest, FrequencyStringIsTakenOnlyAsTheTwentySixLetters) {
  struct Case {
    std::vector<std::string> lines;
    std::string order;
    std::string problems;
  };
  const Case cases[] = {
      // No "[frequency]": the built-in order stays.
      {{"[NumProblems]", "5"}, kDefaultFreqOrder, "JKQXZ"},
      {{"[frequency]", " zyxwvutsrqponmlkjihgfedcba ", "[NumProblems]", "3"},
       "ZYXWVUTSRQPONMLKJIHGFEDCBA",
       "ABC"},
      // Too short, or a letter twice: ignored rather than indexed past its end.
      {{"[frequency]", "ETAOINSHRDLUCMFGYPWBVKXJQ", "[NumProblems]", "2"}, kDefaultFreqOrder, "QZ"},
      {{"[frequency]", "EEAOINSHRDLUCMFGYPWBVKXJQZ", "[NumProblems]", "40"},
       kDefaultFreqOrder,
       "ABCDEFGHIJKLMNOPQRSTUVWXYZ"},
  };
  for (const auto& c : cases) {
    WriteIni(c.lines);
    doc = std::make_unique<PuzzleDocument>(host);
    auto store = Store();
    store->ReadIniFile(ini);
    EXPECT_EQ(doc->P.FreqOrder, c.order) << c.lines[0];
    std::string problems;
    for (char ch = 'A'; ch <= 'Z'; ++ch)
      if (InSet(doc->P.ProblemSet, ch)) problems += ch;
    EXPECT_EQ(problems, c.problems) << c.lines[0];
  }
}

TEST_F(SettingsFileTest, BareWordListNamesMeanTheProgramFolderAndMissingFilesChangeNothing) {
  WriteRaw(dir + "birds.txt", "ROBIN\r\n");
  WriteRaw(dir + "q.txt", "A@B@C\r\n");
  WriteIni({"[wordlist1]", " birds.txt ", "[wordlist2]", "missing.txt", "[wordlist3]",
            "/nowhere/words.txt", "[quotefile]", "q.txt"});
  auto store = Store();
  store->ReadIniFile(ini);
  const auto& files = store->Values().WordListFiles;
  EXPECT_EQ(files[0], dir + "birds.txt");
  EXPECT_EQ(files[1], "words2.txt");
  EXPECT_EQ(files[2], "words3.txt");
  EXPECT_THAT(loader.lists, ElementsAre("1:" + dir + "birds.txt"));
  EXPECT_EQ(store->Values().QuotesFile, dir + "q.txt");
  EXPECT_THAT(loader.quotes, ElementsAre(dir + "q.txt"));
}

TEST_F(SettingsFileTest, DictionaryFolderDefaultsToTheProgramFolderAndIsChecked) {
  fs::remove(dir + "a.txt");
  fs::create_directory(dir + "dict");
  WriteRaw(dir + "dict/A.txt", "ABLE\r\n");
  struct Case {
    std::string value;
    std::string dictDir;
    bool warned;
  };
  const Case cases[] = {
      {"", dir, true},
      {".", dir, true},
      {dir + "dict", dir + "dict/", false},  // found as "A.txt", separator added
      {dir + "dict/", dir + "dict/", false},
      {dir + "gone/", dir, false},
  };
  for (const auto& c : cases) {
    host.Clear();
    WriteIni({"[dictionary directory]", c.value, "[quotewincolor]", "1"});
    auto store = Store();
    store->Values().DictDir = "/elsewhere/";
    store->ReadIniFile(ini);
    EXPECT_EQ(store->Values().DictDir, c.dictDir) << c.value;
    if (c.warned)
      EXPECT_THAT(host.messages,
                  ElementsAre("WARNING! Cannot find Dictionary (a.txt) in directory " + dir));
    else
      EXPECT_THAT(host.messages, IsEmpty()) << c.value;
  }
}

TEST_F(SettingsFileTest, InitialDirectoryBecomesTheCurrentFolderWhenItExists) {
  WriteIni({"[initial directory]", " " + dir + " ", "[quotewincolor]", "1"});
  auto store = Store();
  store->Values().CurrentDir = "/start/";
  store->ReadIniFile(ini);
  EXPECT_EQ(store->Values().CurrentDir, dir);
  EXPECT_THAT(loader.dirs, ElementsAre(dir));

  WriteIni({"[initial directory]", "/no/such/folder/", "[quotewincolor]", "1"});
  auto other = Store();
  other->Values().CurrentDir = "/start/";
  other->ReadIniFile(ini);
  EXPECT_EQ(other->Values().CurrentDir, "/start/");
}

TEST_F(SettingsFileTest, QuoteWindowColourThatIsNoNumberIsReportedAndReplaced) {
  struct Case {
    std::vector<std::string> lines;
    std::vector<std::string> messages;
    int color;
  };
  const Case cases[] = {
      {{"[QuoteWinColor]", "abc"}, {"err in getinivalue [QUOTEWINCOLOR]    str:abc"}, 16777134},
      {{"[formcolor]", "1"}, {"err in getinivalue [QUOTEWINCOLOR]    str:"}, 16777134},
      {{"[quotewincolor]", " 255 "}, {}, 255},
  };
  for (const auto& c : cases) {
    host.Clear();
    WriteIni(c.lines);
    auto store = Store();
    store->Values().FormColor = 7;
    store->ReadIniFile(ini);
    EXPECT_EQ(host.messages, c.messages);
    EXPECT_EQ(store->Values().QuoteWinColor, c.color);
    // Any other colour that is absent or no number takes its built-in value.
    EXPECT_EQ(store->Values().FormColor, c.lines[0] == "[formcolor]" ? 1 : 15780518);
  }
}

TEST_F(SettingsFileTest, MissingFileOffersADefaultOnlyUntilOneHasBeenRead) {
  auto store = Store();
  host.confirmAnswers = {true, true};
  store->ReadIniFile(ini);
  EXPECT_THAT(host.messages, ElementsAre("IniFile " + ini + " not found"));
  EXPECT_THAT(host.questions, ElementsAre("Could not load INI file. Make default file?",
                                          "Save as your default INI file?"));
  EXPECT_TRUE(store->Values().IniLoaded);
  EXPECT_EQ(IniLines().size(), 38u);
  EXPECT_EQ(store->View().Lines(), IniLines());
  EXPECT_TRUE(store->Values().LoadLastFile);

  host.Clear();
  fs::remove(ini);
  store->ReadIniFile(ini);
  EXPECT_THAT(host.messages, ElementsAre("IniFile " + ini + " not found"));
  EXPECT_THAT(host.questions, IsEmpty());

  auto declined = Store();
  host.Clear();
  declined->ReadIniFile(ini);
  EXPECT_THAT(host.questions, ElementsAre("Could not load INI file. Make default file?"));
  EXPECT_FALSE(declined->Values().IniLoaded);
  EXPECT_FALSE(fs::exists(ini));
}

TEST_F(SettingsFileTest, DefaultFileThatCannotBeSavedIsReported) {
  auto store = Store();
  store->Values().IniFileName = dir + "not-a-folder/quotella.ini";
  WriteRaw(dir + "not-a-folder", "x");
  host.confirmAnswers = {true, false};
  store->MakeDefaultFile();
  host.fileAnswers = {dir + "not-a-folder/other.ini"};
  store->MakeDefaultFile();
  // The program's text, then why.
  const std::string why = ": a file stands where a folder is named";
  EXPECT_THAT(host.messages,
              ElementsAre("Could not save " + dir + "not-a-folder/quotella.ini" + why,
                          "Could not save " + dir + "not-a-folder/other.ini" + why));
  EXPECT_EQ(store->OutputEditor().size(), 38u);
}

TEST_F(SettingsFileTest, ExitSaveThatFailsIsReportedAndLeavesTheOldFile) {
  const std::string old = "[lastfile]\r\nold.qtl\r\n";
  WriteRaw(ini, old);
  auto store = Store();
  store->ReadIniFile(ini);
  store->Values().LastFile = "new.qtl";
  host.Clear();

  // A file-size limit makes the write fail whoever runs the test.
  rlimit saved{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit tight = saved;
  tight.rlim_cur = 64;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tight), 0);
  store->SaveAtExit();
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, oldHandler);

  EXPECT_THAT(host.messages,
              ElementsAre(testing::StartsWith("Could not save ini file " + ini + ": ")));
  EXPECT_GT(host.messages[0].size(), ("Could not save ini file " + ini + ": ").size());
  EXPECT_EQ(ReadFileBytes(ini), old);
  for (const auto& e : fs::directory_iterator(dir))  // no temporary file left behind
    EXPECT_NE(e.path().filename().string()[0], '.') << e.path();
}

TEST_F(SettingsFileTest, SaveInitFileAppliesTheTextWhateverTheDialogDoes) {
  WriteIni({"[NumProblems]", "3", "[quotewincolor]", "1"});
  auto store = Store();
  store->ReadIniFile(ini);
  store->View().SetIniValue("[frequency]", "ZYXWVUTSRQPONMLKJIHGFEDCBA");

  store->SaveInitFile();  // cancelled
  EXPECT_EQ(doc->P.FreqOrder, "ZYXWVUTSRQPONMLKJIHGFEDCBA");
  EXPECT_EQ(doc->P.NumProblemChars, 3);
  EXPECT_FALSE(fs::exists(dir + "copy.ini"));

  host.fileAnswers = {dir + "not-a-folder/x.ini"};
  WriteRaw(dir + "not-a-folder", "x");
  EXPECT_FALSE(store->SaveInitFile());
  EXPECT_THAT(host.messages,
              ElementsAre("Could not save file " + dir +
                          "not-a-folder/x.ini: a file stands where a folder is named"));
  EXPECT_EQ(store->Values().IniFileName, ini);

  host.fileAnswers = {dir + "copy.ini"};
  EXPECT_TRUE(store->SaveInitFile());
  EXPECT_EQ(store->Values().IniFileName, dir + "copy.ini");
  EXPECT_THAT(host.fileDialogs, ElementsAre("Save Initialization File", "Save Initialization File",
                                            "Save Initialization File"));
}

TEST_F(SettingsFileTest, PathsUnderNonAsciiFoldersAreFoundSavedAndFoundAgain) {
  const std::string folder = dir +
                             "S\xC5\x82owniki \xE2\x80\x94 stra\xC3\x9F"
                             "e/";
  fs::create_directories(folder);
  WriteRaw(folder + "cytaty.txt", "A@B@AB\r\n");
  WriteRaw(folder + "ptaki \xC5\xBC.txt", "wren\r\n");
  WriteRaw(folder + "a.txt", "ABLE\r\n");
  const std::string own = folder + "ustawienia \xC4\x87.ini";
  WriteRaw(own, JoinLinesCrLf({"[quotefile]", folder + "cytaty.txt", "[wordlist2]",
                               folder + "ptaki \xC5\xBC.txt", "[dictionary directory]", folder,
                               "[quotewincolor]", "1"}));
  const auto expectFound = [&](SettingsStore& store) {
    EXPECT_THAT(loader.quotes, ElementsAre(folder + "cytaty.txt"));
    EXPECT_THAT(loader.lists, ElementsAre("2:" + folder + "ptaki \xC5\xBC.txt"));
    EXPECT_EQ(store.Values().DictDir, folder);
    EXPECT_THAT(host.messages, IsEmpty());  // the dictionary was found
  };
  auto store = Store();
  store->ReadIniFile(own);
  expectFound(*store);

  host.fileAnswers = {folder + "kopia \xC3\xA9.ini"};
  ASSERT_TRUE(store->SaveInitFile());
  loader.quotes.clear();
  loader.lists.clear();
  auto again = Store();
  again->ReadIniFile(folder + "kopia \xC3\xA9.ini");
  expectFound(*again);
}

TEST_F(SettingsFileTest, RereadingTheFileUpdatesTheBoxesThatAreSavedAtExit) {
  WriteIni({"[loadlastfile]", "TRUE", "[quotewincolor]", "1"});
  auto store = Store();
  store->ReadIniFile(ini);
  store->CreateGeneralSettings();
  EXPECT_TRUE(store->Form().LoadLast);
  // The user edits the settings text by hand and applies it.
  store->View().SetIniValue("[loadlastfile]", "FALSE");
  store->ParseIniFile();
  store->SaveAtExit();
  EXPECT_EQ(IniText(IniLines()).GetIniValue("[loadlastfile]"), "FALSE");
}

TEST_F(SettingsFileTest, GeneralSettingsSaveIniAsksForTwentySixLetters) {
  WriteRaw(dir + "q.txt", "A@B@C\r\n");
  fs::create_directory(dir + "dict");
  WriteRaw(dir + "dict/a.txt", "ABLE\r\n");
  WriteIni({"[quotewincolor]", "1"});
  auto store = Store();
  store->ReadIniFile(ini);
  store->CreateGeneralSettings();
  auto& form = store->Form();
  form.QuotesName = "q.txt";
  form.LetterFrequency = "ETAOINSHRDLUCMFGYPWBVKXJQ";  // 25 letters
  form.NumProblems = " ";
  form.StartupDir = "/tmp";
  form.DictDir = dir + "dict";
  form.LoadLast = true;
  form.Visible = true;
  host.promptAnswers = {"ABC", " ZYXWVUTSRQPONMLKJIHGFEDCBA "};
  host.fileAnswers = {ini};
  store->SaveGeneralSettings();

  EXPECT_THAT(host.prompts, ElementsAre("Letter Frequency | Enter 26 letters exactly",
                                        "Letter Frequency | Enter 26 letters exactly"));
  EXPECT_EQ(store->Values().FreqString, "ZYXWVUTSRQPONMLKJIHGFEDCBA");
  EXPECT_EQ(doc->P.FreqOrder, "ZYXWVUTSRQPONMLKJIHGFEDCBA");
  EXPECT_EQ(form.NumProblems, "14");
  EXPECT_EQ(form.StartupDir, "/tmp/");
  EXPECT_EQ(store->Values().DictDir, dir + "dict/");
  EXPECT_EQ(store->Values().CurrentDir, dir);
  EXPECT_FALSE(form.Visible);
  const IniText saved(IniLines());
  EXPECT_EQ(saved.GetIniValue("[frequency]"), "ZYXWVUTSRQPONMLKJIHGFEDCBA");
  EXPECT_EQ(saved.GetIniValue("[loadlastfile]"), "TRUE");
  EXPECT_EQ(saved.GetIniValue("[dictionary directory]"), dir + "dict/");
  EXPECT_EQ(saved.GetIniValue("[quotefile]"), "q.txt");
  // Read once when the saved file is applied, once more when the window reloads it.
  EXPECT_THAT(loader.quotes, ElementsAre(dir + "q.txt", dir + "q.txt"));

  // Cancelling the prompt keeps the order in force instead of asking for ever.
  host.Clear();
  form.LetterFrequency = "ABC";
  host.fileAnswers = {ini};
  store->SaveGeneralSettings();
  EXPECT_EQ(host.prompts.size(), 1u);
  EXPECT_EQ(store->Values().FreqString, "ZYXWVUTSRQPONMLKJIHGFEDCBA");
}

TEST_F(SettingsFileTest, GeneralSettingsCloseTakesTheFileBoxes) {
  auto store = Store();
  store->CreateGeneralSettings();
  store->Form().ListNames[2] = "/w/three.txt";
  store->Form().Copyright = "(c) me";
  store->Form().NumProblems = "3";
  store->CloseGeneralSettings();
  EXPECT_EQ(store->Values().WordListFiles[2], "/w/three.txt");
  EXPECT_EQ(store->Values().CopyrightText, "(c) me");
  EXPECT_EQ(store->Values().NumProblemChars, 14);
}

TEST(ProgramPaths, SettingsGoToTheUserFolderWhenTheProgramFolderIsReadOnly) {
  const auto here = ResolveProgramPaths("/tmp", "/cfg", "/home/u");
  EXPECT_FALSE(here.Installed);
  EXPECT_EQ(here.ProgramDir, "/tmp/");
  EXPECT_EQ(here.IniFileName, "/tmp/quotella.ini");

  const std::string gone = "/nonexistent-quotella-dir/bin/";
  EXPECT_EQ(ResolveProgramPaths(gone, "/cfg", "/home/u").IniFileName, "/cfg/quotella/quotella.ini");
  EXPECT_EQ(ResolveProgramPaths(gone, "", "/home/u").IniFileName,
            "/home/u/.config/quotella/quotella.ini");
  EXPECT_EQ(ResolveProgramPaths(gone, "relative", "/home/u").IniFileName,
            "/home/u/.config/quotella/quotella.ini");
  const auto installed = StartupSettings(ResolveProgramPaths(gone, "/cfg", "/home/u"));
  EXPECT_EQ(installed.DictDir, gone);
  EXPECT_EQ(installed.IniFileName, "/cfg/quotella/quotella.ini");

  FakeHost host;
  const auto before = fs::current_path();
  EXPECT_FALSE(MakeProgramDirCurrent(host, gone));
  EXPECT_THAT(host.messages, ElementsAre("Cannot set path: " + gone));
  EXPECT_EQ(fs::current_path(), before);
}

TEST(ProgramPaths, AnInstalledPrefixKeepsSettingsOutOfItsProgramFolderEvenWhenWritable) {
  // A prefix the user (or root) can write into: bin/ beside share/quotella/.
  char tmpl[] = "/tmp/quotella-prefix-XXXXXX";
  ASSERT_NE(::mkdtemp(tmpl), nullptr);
  const std::string prefix = tmpl;
  fs::create_directories(prefix + "/usr/bin");
  fs::create_directories(prefix + "/usr/share/quotella");
  fs::create_directories(prefix + "/build/bin");

  const auto installed = ResolveProgramPaths(prefix + "/usr/bin", "/cfg", "/home/u");
  EXPECT_TRUE(installed.Installed);
  EXPECT_EQ(installed.IniFileName, "/cfg/quotella/quotella.ini");
  // Help, quotes, word lists and the dictionary come from the installed data folder.
  EXPECT_EQ(installed.ProgramDir, prefix + "/usr/share/quotella/");
  EXPECT_EQ(StartupSettings(installed).DictDir, prefix + "/usr/share/quotella/");
  // A build folder has no data folder beside it: its settings stay with the program.
  const auto build = ResolveProgramPaths(prefix + "/build/bin/", "/cfg", "/home/u");
  EXPECT_FALSE(build.Installed);
  EXPECT_EQ(build.IniFileName, prefix + "/build/bin/quotella.ini");
  fs::remove_all(prefix);
}

// ---- File association ----

TEST(FileAssociation, RegistersOnceAndLeavesTheFilesAloneOnTheNextStart) {
  char tmpl[] = "/tmp/quotella-xdg-XXXXXX";
  ASSERT_NE(::mkdtemp(tmpl), nullptr);
  const std::string data = tmpl;
  const std::string program = "/opt/my progs/quotella";
  EXPECT_EQ(RegisterExtension(program, data, false), AssociationResult::Written);
  const std::string desktop = data + "/applications/quotella.desktop";
  const std::string mime = data + "/mime/packages/quotella.xml";
  const auto desktopText = ReadFileBytes(desktop).value_or("");
  EXPECT_NE(desktopText.find("Exec=\"/opt/my progs/quotella\" %f\n"), std::string::npos);
  EXPECT_NE(desktopText.find("MimeType=application/x-quotella3;\n"), std::string::npos);
  EXPECT_NE(ReadFileBytes(mime).value_or("").find("<glob pattern=\"*.qtl\"/>"), std::string::npos);

  const auto stamp = fs::last_write_time(desktop);
  EXPECT_EQ(RegisterExtension(program, data, false), AssociationResult::Unchanged);
  EXPECT_EQ(fs::last_write_time(desktop), stamp);
  // A moved program is registered again.
  EXPECT_EQ(RegisterExtension("/usr/bin/quotella", data, false), AssociationResult::Written);

  // A data folder that cannot be made is no error for the caller.
  std::ofstream(data + "/blocker") << "x";
  EXPECT_EQ(RegisterExtension(program, data + "/blocker", false), AssociationResult::Failed);
  fs::remove_all(data);
}

TEST(FileAssociation, ExecLineEscapesWhatTheDesktopWouldExpand) {
  EXPECT_NE(
      DesktopEntryText("/a/100%/q$x\"y\\z").find("Exec=\"/a/100%%/q\\\\$x\\\\\"y\\\\\\\\z\" %f"),
      std::string::npos);
}

// ---- Hotkeys ----

TEST(Hotkeys, ShortcutValuesAndKeySequencesConvertBothWays) {
  const std::pair<int, const char*> cases[] = {
      {45, "Ins"},
      {120, "F9"},
      {16430, "Ctrl+Del"},
      {49236, "Ctrl+Alt+T"},
      {32834, "Alt+B"},
      {16497, "Ctrl+F2"},
      {16384 + 8192 + 116, "Ctrl+Shift+F5"},
      {49152 + 8192 + 65, "Ctrl+Alt+Shift+A"},
      {16384 + 188, "Ctrl+,"},
  };
  for (const auto& [value, text] : cases) {
    EXPECT_EQ(ShortcutToText(value), text);
    EXPECT_EQ(TextToShortcut(text), value) << text;
  }
  EXPECT_EQ(TextToShortcut(" shift+ctrl+f5 "), 16384 + 8192 + 116);
  EXPECT_EQ(TextToShortcut("Control+Insert"), 16384 + 45);
  for (const char* bad : {"", "Ctrl+", "Hyper+A", "Ctrl+Ctrl+A", "Ctrl+Banana"})
    EXPECT_EQ(TextToShortcut(bad), std::nullopt) << bad;
  EXPECT_EQ(ShortcutToText(0), "");
  EXPECT_EQ(ShortcutToText(16384 + 7), "");
}

TEST(Hotkeys, TheBoxesShowTheirFixedValuesAndAChangeRebindsItsItemsOnly) {
  const auto& boxes = HotkeyBoxes();
  ASSERT_EQ(boxes.size(), 28u);
  for (const auto& b : boxes) EXPECT_FALSE(ShortcutToText(b.shown).empty()) << b.box;
  EXPECT_EQ(boxes.back().label, "Make Bitmap (BMP) ");

  HotkeyBindings bindings;
  EXPECT_EQ(bindings.ShortcutOf("Puzzle1"), 0);
  EXPECT_EQ(bindings.ShortcutOf("Puzzle3"), TextToShortcut("Ctrl+W"));
  EXPECT_EQ(bindings.ShortcutOf("SavePuzzleKey1"), TextToShortcut("Ctrl+Alt+S"));
  const int ctrlL = *TextToShortcut("Ctrl+L");
  EXPECT_TRUE(bindings.BoxChanged("OpenPuzzleHotkey", ctrlL));
  EXPECT_EQ(bindings.ShortcutOf("Puzzle1"), ctrlL);
  EXPECT_EQ(bindings.ShortcutOf("Puzzle2"), TextToShortcut("Ctrl+S"));
  EXPECT_THAT(bindings.ItemsWith(ctrlL), ElementsAre("Puzzle1"));
  EXPECT_FALSE(bindings.BoxChanged("NoSuchBox", ctrlL));
  // The window opens with the fixed values again.
  EXPECT_EQ(boxes[9].box, "OpenPuzzleHotkey");
  EXPECT_EQ(boxes[9].shown, TextToShortcut("Ctrl+O"));

  // The entry control refuses a bare key or Shift alone by adding Alt.
  EXPECT_EQ(HotkeyEntryValue('A'), kAltBit + 'A');
  EXPECT_EQ(HotkeyEntryValue(kShiftBit + 'A'), kAltBit + kShiftBit + 'A');
  EXPECT_EQ(HotkeyEntryValue(kCtrlBit + 'A'), kCtrlBit + 'A');
}

// ---- Look-ups ----

TEST(Lookups, TypedTermsGiveTheServicesAddresses) {
  struct Case {
    LookupService service;
    std::optional<std::string> typed;
    std::optional<std::string> address;
  };
  const Case cases[] = {
      {LookupService::Dictionary, "Quiet Hour",
       "https://www.merriam-webster.com/cgi-bin/dictionary?book=Dictionary&va=Quiet Hour"},
      {LookupService::Thesaurus, "calm",
       "https://www.merriam-webster.com/cgi-bin/thesaurus?book=Thesaurus&va=calm"},
      {LookupService::Google, "two words",
       "https://www.google.com/search?hl=en&ie=UTF-8&oe=UTF-8&q=%22two words%22"},
      {LookupService::Imdb, "Star Wars", "https://www.imdb.com/Find?star wars"},
      {LookupService::Britannica, "new york",
       "https://www.britannica.com/search?query=new%20york&ct=&fuzzy=N"},
      {LookupService::Britannica, "new  york",
       "https://www.britannica.com/search?query=new%20%20york&ct=&fuzzy=N"},
      {LookupService::Britannica, "", "https://www.britannica.com/search?query=&ct=&fuzzy=N"},
      {LookupService::Britannica, std::nullopt,
       "https://www.britannica.com/search?query=&ct=&fuzzy=N"},
      {LookupService::Dictionary, "", std::nullopt},
      {LookupService::Google, std::nullopt, std::nullopt},
      {LookupService::Imdb, std::nullopt, std::nullopt},
  };
  for (const auto& c : cases)
    EXPECT_EQ(TypedLookupAddress(c.service, c.typed), c.address) << c.typed.value_or("(cancel)");
  EXPECT_EQ(BritannicaSpaces(" a b "), "%20a%20b");
}

TEST(Lookups, EachMenuCommandAsksWithItsOwnPrompt) {
  using Fn = std::optional<std::string> (*)(Host&);
  const std::pair<Fn, const char*> cases[] = {
      {MainMerriamLookup, "Merriam-Webster Website Lookup | Word to look up: "},
      {ThesaurusLookup, "Merriam-Webster Thesaurus Lookup | Word to look up: "},
      {GoogleLookup, "Google Lookup | Word or phrase to look up: "},
      {MovieDataBaseLookup, "INTERNET MOVIE DATABASE | Enter movie title, actor or actress : "},
      {BritannicaLookup, "Britannica Lookup | Word or phrase to look up: "},
  };
  for (const auto& [fn, prompt] : cases) {
    FakeHost host;
    host.promptAnswers = {"Word"};
    EXPECT_TRUE(fn(host).has_value());
    EXPECT_THAT(host.prompts, ElementsAre(prompt));
  }
}

TEST(Lookups, AnswerAndCandidateLookupsUseTheWordLowerCased) {
  EXPECT_EQ(KeywordMerriamLookup(""), std::nullopt);
  EXPECT_EQ(KeywordMerriamLookup("ZEBRA"),
            "https://www.merriam-webster.com/cgi-bin/dictionary?book=Dictionary&va=zebra");
  EXPECT_EQ(KeywordThesaurusLookup(""),
            "https://www.merriam-webster.com/cgi-bin/thesaurus?book=Thesaurus&va=");
  EXPECT_EQ(CandidateMerriamLookup(""),
            "https://www.merriam-webster.com/cgi-bin/dictionary?book=Dictionary&va=");

  FakeHost host;
  host.promptAnswers = {"New York", std::nullopt, ""};
  EXPECT_EQ(KeywordGoogleLookup(host, "NEWYORK"),
            "https://www.google.com/search?hl=en&ie=UTF-8&oe=UTF-8&q=%22new york%22");
  EXPECT_EQ(KeywordGoogleLookup(host, "NEWYORK"), std::nullopt);  // cancelled
  EXPECT_EQ(CandidateGoogleLookup(host, "PEAR"), std::nullopt);   // emptied
  EXPECT_THAT(host.prompts,
              ElementsAre("GOOGLE LOOKUP | Put SPACES between words, if necessary : ",
                          "GOOGLE LOOKUP | Put SPACES between words, if necessary : ",
                          "GOOGLE LOOKUP | Put SPACES between words if necessary : "));
}

TEST(Lookups, BlankCopyrightNoticeStartsFromTheSignAndTheYear) {
  FakeHost host;
  EXPECT_EQ(EditCopyrightNotice(host, "   ", 2026), "\xC2\xA9 2026");  // cancelled
  host.promptAnswers = {"\xC2\xA9 2026 by Me"};
  EXPECT_EQ(EditCopyrightNotice(host, "old", 2026), "\xC2\xA9 2026 by Me");
  EXPECT_EQ(EditCopyrightNotice(host, "old", 2026), "old");
  EXPECT_EQ(host.prompts[0], "Copyright Notice | (See General Settings for placement)");
}

// ---- The command line ----

// Runs quotella-cli with stderr mixed into the output.
std::string RunCli(const std::string& args, int* status = nullptr) {
  const test::CliRun run = test::RunCli(args, true);
  if (status) *status = run.status;
  return run.out;
}

TEST(SettingsCli, LookupPrintsTheAddressAndSettingsPrintsTheDefaultFile) {
  int rc = -1;
  EXPECT_EQ(RunCli("lookup britannica 'new  york'", &rc),
            "https://www.britannica.com/search?query=new%20%20york&ct=&fuzzy=N\n");
  EXPECT_EQ(rc, 0);
  EXPECT_EQ(RunCli("lookup imdb 'Star Wars'"), "https://www.imdb.com/Find?star wars\n");
  RunCli("lookup google ''", &rc);
  EXPECT_EQ(rc, 1);
  RunCli("lookup encyclopedia x", &rc);
  EXPECT_EQ(rc, 2);

  const auto lines = SplitLines(RunCli("settings --default", &rc));
  EXPECT_EQ(rc, 0);
  ASSERT_EQ(lines.size(), 38u);
  EXPECT_EQ(lines[36], "[gridcolor]");

  char tmpl[] = "/tmp/quotella-check-XXXXXX";
  const int fd = ::mkstemp(tmpl);
  ASSERT_GE(fd, 0);
  const std::string text = "[quotewincolor]\r\nblue\r\n[NumProblems]\r\n5\r\n";
  EXPECT_EQ(::write(fd, text.data(), text.size()), static_cast<ssize_t>(text.size()));
  ::close(fd);
  const auto report = RunCli(std::string("settings --check ") + tmpl, &rc);
  std::remove(tmpl);
  EXPECT_EQ(rc, 0);
  EXPECT_NE(report.find("message: err in getinivalue [QUOTEWINCOLOR]    str:blue\n"),
            std::string::npos);
  EXPECT_NE(report.find("problem letters: JKQXZ\n"), std::string::npos);
  RunCli("settings --check /nonexistent/quotella.ini", &rc);
  EXPECT_EQ(rc, 1);
}

}  // namespace
}  // namespace quotella

namespace quotella {
namespace {

TEST(RecentPuzzlesTest, NewestFirstAtMostEightAndOnlyItsOwnLine) {
  RecentPuzzles recent;
  for (int i = 0; i < 10; ++i) recent.Add("/p/" + std::to_string(i) + ".qtl");
  recent.Add("/p/5.qtl");  // again: moves to the front, once
  recent.Add("/p/odd|name.qtl");
  ASSERT_EQ(recent.Paths().size(), RecentPuzzles::kMax);
  EXPECT_EQ(recent.Paths().front(), "/p/5.qtl");
  EXPECT_EQ(recent.Paths()[1], "/p/9.qtl");
  EXPECT_EQ(std::count(recent.Paths().begin(), recent.Paths().end(), "/p/5.qtl"), 1);

  IniText ini({"[lastfile]", "x.qtl", "; a note of the user's", "[title]", "T"});
  recent.Write(ini);
  EXPECT_EQ(ini.Lines().size(), 7u);
  EXPECT_EQ(ini.Lines()[2], "; a note of the user's");
  RecentPuzzles back;
  back.Read(ini);
  EXPECT_EQ(back.Paths(), recent.Paths());
  back.Remove("/p/5.qtl");
  EXPECT_EQ(back.Paths().front(), "/p/9.qtl");
}

}  // namespace
}  // namespace quotella

namespace quotella {
namespace {

// Each default is declared once: a fresh settings file, the values before any file is
// read and the reader's fallback for a value that is not a number all agree.
TEST_F(SettingsFileTest, FreshFileAndUnreadableValuesShareOneSetOfDefaults) {
  const Settings fresh;
  const std::vector<std::string> lines = DefaultIniLines(Start());
  const IniText text(lines);
  const std::pair<const char*, int> colours[] = {
      {"[formcolor]", fresh.FormColor},         {"[cluecolor]", fresh.ClueColor},
      {"[qeditorcolor]", fresh.QEditorColor},   {"[oeditorcolor]", fresh.OEditorColor},
      {"[quotewincolor]", fresh.QuoteWinColor}, {"[gridcolor]", fresh.GridColor}};
  for (const auto& [key, value] : colours)
    EXPECT_EQ(text.GetIniValue(key), std::to_string(value)) << key;

  std::vector<std::string> garbled = lines;
  for (const auto& [key, value] : colours) {
    IniText edit(garbled);
    edit.SetIniValue(key, "blue-ish");
    garbled = edit.Lines();
  }
  WriteIni(garbled);
  auto store = Store();
  store->ReadIniFile(ini);
  EXPECT_EQ(store->Values().FormColor, fresh.FormColor);
  EXPECT_EQ(store->Values().ClueColor, fresh.ClueColor);
  EXPECT_EQ(store->Values().QEditorColor, fresh.QEditorColor);
  EXPECT_EQ(store->Values().OEditorColor, fresh.OEditorColor);
  EXPECT_EQ(FileNamePart(fresh.QuotesFile), text.GetIniValue("[quotefile]"));
}

// ---- The key table drives reading and writing ----

TEST(SettingsKeyTable, EveryKeyIsDeclaredOnceAndReadOrWrittenInOneOrder) {
  std::set<std::string> seen;
  for (const SettingsKey& k : SettingsKeys()) {
    EXPECT_TRUE(seen.insert(UpperCase(k.key)).second) << k.key;
    EXPECT_TRUE(k.current != nullptr) << k.key;
    // A key that is read has a reader; one read when absent is read with its fallback.
    EXPECT_EQ(k.readStep > 0 || k.writeStep >= kFirstClueFontStep, k.read != nullptr) << k.key;
    EXPECT_TRUE(!k.readAbsent || k.readStep > 0) << k.key;
  }
  std::set<int> readSteps, writeSteps;
  for (const SettingsKey& k : SettingsKeys()) {
    if (k.readStep > 0) {
      EXPECT_TRUE(readSteps.insert(k.readStep).second) << k.key;
    }
    if (k.writeStep > 0) {
      EXPECT_TRUE(writeSteps.insert(k.writeStep).second) << k.key;
    }
  }
  // Reading: the fonts first, the letter order before the problem letters, the word lists
  // before the folders, the quotation window's colour after its older twin.
  std::vector<std::string> read;
  for (const SettingsKey* k : KeysRead()) read.push_back(k->key);
  const auto at = [&](const char* key) { return std::find(read.begin(), read.end(), key); };
  EXPECT_EQ(read.front(), "[KEYFONT]");
  EXPECT_LT(at("[Frequency]"), at("[NumProblems]"));
  EXPECT_LT(at("[wordlist4]"), at("[initial directory]"));
  EXPECT_LT(at("[quotecolor]"), at("[quotewincolor]"));
  EXPECT_EQ(at("[CLUEFONT]"), read.end());
}

TEST_F(SettingsFileTest, KeysWrittenButOnceUnreadAreReadBack) {
  WriteIni({"[gridcolor]", "255", "[quotecolor]", "65280", "[quotewincolor]", "16711680"});
  auto store = Store();
  store->ReadIniFile(ini);
  EXPECT_EQ(store->Values().GridColor, 255);
  // "[quotewincolor]" has the last word on the quotation window.
  EXPECT_EQ(store->Values().QuoteWinColor, 16711680);

  // A grid colour that is no number leaves the one in force.
  WriteIni({"[gridcolor]", "teal", "[quotewincolor]", "1"});
  store->ReadIniFile(ini);
  EXPECT_EQ(store->Values().GridColor, 255);
  EXPECT_THAT(host.messages, IsEmpty());

  // What is saved is what comes back.
  store->Values().GridColor = 4242;
  ASSERT_TRUE(store->SimplySaveIniFile());
  auto again = Store();
  again->ReadIniFile(ini);
  EXPECT_EQ(again->Values().GridColor, 4242);
  EXPECT_EQ(again->Values().QuoteWinColor, 1);
}

TEST_F(SettingsFileTest, SavingAFileThatLacksKeysAppendsThemInTheWritersOrder) {
  WriteIni({"; only a note"});
  auto store = Store();
  store->ReadIniFile(ini);
  store->SaveAtExit();
  std::vector<std::string> keys;
  for (const std::string& line : IniLines())
    if (!line.empty() && line[0] == '[') keys.push_back(line);
  EXPECT_THAT(
      keys,
      ElementsAre("[formcolor]", "[cluecolor]", "[qeditorcolor]", "[oeditorcolor]", "[quotecolor]",
                  "[quotewincolor]", "[gridcolor]", "[lastfile]", "[launch at startup]",
                  "[loadlastfile]", "[quotefile]", "[wordlist1]", "[wordlist2]", "[wordlist3]",
                  "[wordlist4]", "[initial directory]", "[dictionary directory]", "[NUMPROBLEMS]",
                  "[KEYFONT]", "[KEYFONTSIZE]", "[CLUEFONT]", "[CLUEFONTSIZE]", "[autofill rarity]",
                  "[autofill time limit]", "[recovery interval]", "[scored lists]",
                  "[scored min score]", "[scored default score]", "[autofill dictionary words]"));
  // Read back, every value is the one that was written.
  auto back = Store();
  back->ReadIniFile(ini);
  for (const SettingsKey& k : SettingsKeys())
    if (k.writeStep > 0) {
      EXPECT_EQ(k.current(back->Values()), k.current(store->Values())) << k.key;
    }
}

TEST_F(SettingsFileTest, AFailedSaveOfTheSettingsSaysWhereAndWhy) {
  WriteRaw(dir + "blocked", "a file, not a folder");
  auto store = Store();
  store->Values().IniFileName = dir + "blocked/quotella.ini";
  store->SaveAtExit();
  EXPECT_THAT(host.messages, ElementsAre("Could not save ini file " + dir +
                                         "blocked/quotella.ini: a file stands where a folder "
                                         "is named"));
  // The silent save used by the window reports nothing itself.
  host.Clear();
  EXPECT_FALSE(store->SimplySaveIniFile());
  EXPECT_THAT(host.messages, IsEmpty());
}

}  // namespace
}  // namespace quotella

namespace quotella {
namespace {

// ---- The scored word lists ----

TEST(QuotedPaths, EveryPathComesBackWhateverItsLetters) {
  const std::vector<std::string> paths = {
      "/home/ewa/S\xC5\x82owniki/moja lista.txt",
      "/tmp/a, b; c/\"quoted\" list.txt",
      "/data/\xD0\xA1\xD0\xBB\xD0\xBE\xD0\xB2\xD0\xB0/\xE8\xAF\x8D.txt",
      " leading and trailing blanks ",
      "/x/\"\"",
  };
  EXPECT_EQ(SplitQuotedPaths(JoinQuotedPaths(paths)), paths);
  EXPECT_EQ(JoinQuotedPaths({"/a b/c.txt", "/d\"e"}), "\"/a b/c.txt\" \"/d\"\"e\"");

  // A path that cannot stand on one line is left out rather than breaking the file.
  EXPECT_EQ(SplitQuotedPaths(JoinQuotedPaths({"/a\nb.txt", "/c.txt"})),
            std::vector<std::string>{"/c.txt"});
  // Written by hand: one bare path (commas and all), an open quote, separators other than
  // a blank, nothing.
  EXPECT_EQ(SplitQuotedPaths("  /my lists/a, b.txt  "),
            std::vector<std::string>{"/my lists/a, b.txt"});
  EXPECT_EQ(SplitQuotedPaths("\"/a.txt\" \"/b c.txt"),
            (std::vector<std::string>{"/a.txt", "/b c.txt"}));
  EXPECT_EQ(SplitQuotedPaths("\"/a.txt\",\"/b.txt\";\"\""),
            (std::vector<std::string>{"/a.txt", "/b.txt"}));
  EXPECT_THAT(SplitQuotedPaths("   "), IsEmpty());
}

TEST_F(SettingsFileTest, ScoredListChoicesAreSavedAndReadBackAndAbsentKeysMeanTheDefaults) {
  WriteIni({"[quotewincolor]", "1"});
  auto store = Store();
  store->ReadIniFile(ini);
  const Settings fresh;
  EXPECT_THAT(store->Values().ScoredListFiles, IsEmpty());
  EXPECT_EQ(store->Values().MinWordScore, fresh.MinWordScore);
  EXPECT_EQ(store->Values().ListWordScore, fresh.ListWordScore);
  EXPECT_TRUE(store->Values().DictionaryWordsAllowed);

  const std::vector<std::string> files = {dir +
                                              "Wa\xC5\x82\xC4\x99sa \xC5\x81\xC3\xB3"
                                              "d\xC5\xBA/my list.txt",
                                          "/lists/crosswords, 2026; \"best\".txt",
                                          "/\xE5\x8D\x95\xE8\xAF\x8D/\xD0\xB0.txt"};
  store->Values().ScoredListFiles = files;
  store->Values().MinWordScore = 0;
  store->Values().ListWordScore = 100;
  store->Values().DictionaryWordsAllowed = false;
  store->SaveAtExit();

  auto back = Store();
  back->ReadIniFile(ini);
  EXPECT_EQ(back->Values().ScoredListFiles, files);
  EXPECT_EQ(back->Values().MinWordScore, 0);
  EXPECT_EQ(back->Values().ListWordScore, 100);
  EXPECT_FALSE(back->Values().DictionaryWordsAllowed);
  EXPECT_THAT(host.messages, IsEmpty());
}

TEST_F(SettingsFileTest, ScoredListValuesOutOfRangeOrBareNamesAreReadSafely) {
  WriteIni({"[scored lists]", "\"mine.txt\" \"/abs/theirs.txt\"", "[scored min score]", "101",
            "[scored default score]", "sixty", "[autofill dictionary words]", "perhaps",
            "[quotewincolor]", "1"});
  auto store = Store();
  store->ReadIniFile(ini);
  // A bare name lies in the program folder, as the word lists' names do.
  EXPECT_THAT(store->Values().ScoredListFiles, ElementsAre(dir + "mine.txt", "/abs/theirs.txt"));
  EXPECT_EQ(store->Values().MinWordScore, kFreshMinWordScore);
  EXPECT_EQ(store->Values().ListWordScore, kFreshListWordScore);
  EXPECT_TRUE(store->Values().DictionaryWordsAllowed);

  WriteIni({"[scored min score]", " -1 ", "[scored default score]", " 0 ",
            "[autofill dictionary words]", " false ", "[quotewincolor]", "1"});
  store->ReadIniFile(ini);
  EXPECT_EQ(store->Values().MinWordScore, kFreshMinWordScore);
  EXPECT_EQ(store->Values().ListWordScore, 0);
  EXPECT_FALSE(store->Values().DictionaryWordsAllowed);
}

// The General Settings window's choices survive its Close and its Save Ini, which applies
// the saved text again: a choice missing from that text would fall back to the old file.
TEST_F(SettingsFileTest, GeneralSettingsKeepTheScoredListChoicesThroughCloseAndSaveIni) {
  WriteIni({"[scored lists]", "\"/old/list.txt\"", "[scored min score]", "40", "[autofill rarity]",
            "50", "[quotewincolor]", "1"});
  auto store = Store();
  store->ReadIniFile(ini);
  store->CreateGeneralSettings();
  EXPECT_THAT(store->Form().ScoredFiles, ElementsAre("/old/list.txt"));
  EXPECT_EQ(store->Form().MinScore, 40);

  store->Form().ScoredFiles = {"/new/\xC3\xA9t\xC3\xA9 list.txt", "/new/two.txt"};
  store->Form().MinScore = 250;  // out of range: held at the top
  store->Form().ListScore = 65;
  store->Form().DictionaryWords = false;
  store->CloseGeneralSettings();
  EXPECT_EQ(store->Values().MinWordScore, 100);
  EXPECT_EQ(store->Values().ListWordScore, 65);

  store->Values().AutofillRarity = 60;  // chosen in the Autofill dialog meanwhile
  store->Form().MinScore = 75;
  store->Form().LetterFrequency = kDefaultFileFreqOrder;
  host.fileAnswers = {ini};
  store->SaveGeneralSettings();
  EXPECT_THAT(store->Values().ScoredListFiles,
              ElementsAre("/new/\xC3\xA9t\xC3\xA9 list.txt", "/new/two.txt"));
  EXPECT_EQ(store->Values().MinWordScore, 75);
  EXPECT_FALSE(store->Values().DictionaryWordsAllowed);
  EXPECT_EQ(store->Values().AutofillRarity, 60);
  const IniText saved(IniLines());
  EXPECT_EQ(saved.GetIniValue("[scored lists]"),
            "\"/new/\xC3\xA9t\xC3\xA9 list.txt\" \"/new/two.txt\"");
  EXPECT_EQ(saved.GetIniValue("[scored min score]"), "75");
  EXPECT_EQ(saved.GetIniValue("[autofill rarity]"), "60");
}

TEST(SettingsCli, CheckShowsTheScoredListKeys) {
  char tmpl[] = "/tmp/quotella-check-XXXXXX";
  const int fd = ::mkstemp(tmpl);
  ASSERT_GE(fd, 0);
  const std::string text =
      "[scored lists]\r\n\"/a b/m\xC3\xB3j.txt\"\r\n[scored min score]\r\n70\r\n";
  EXPECT_EQ(::write(fd, text.data(), text.size()), static_cast<ssize_t>(text.size()));
  ::close(fd);
  int rc = -1;
  const auto report = RunCli(std::string("settings --check ") + tmpl, &rc);
  std::remove(tmpl);
  EXPECT_EQ(rc, 0);
  EXPECT_NE(report.find("[scored lists] \"\"/a b/m\xC3\xB3j.txt\"\" -> "), std::string::npos)
      << report;
  EXPECT_NE(report.find("[scored min score] \"70\" -> least score of a listed word autofill takes "
                        "(0 to 100): 70\n"),
            std::string::npos)
      << report;
  EXPECT_NE(report.find("[scored default score] (absent) -> "), std::string::npos);
}

}  // namespace
}  // namespace quotella
