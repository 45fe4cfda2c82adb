// The constructor's scored word lists in the window: chosen in General Settings, read
// behind the window at start-up and whenever they change, a damaged list told once, a word
// list saved with scores, and the puzzle's answers added to the user's own list.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <filesystem>
#include <fstream>
#include <set>

#include "app/commands/editorsync.h"
#include "app/commands/puzzlecommands.h"
#include "app/dialogs/generalsettingsdialog.h"
#include "app/widgets/scoredelegate.h"
#include "app/window/actiontable.h"
#include "app/window/names.h"
#include "app/wordscores/scoredlistroom.h"
#include "app/wordscores/scoredlistsgroup.h"
#include "core/answertable.h"
#include "core/assignment.h"
#include "files/filesession.h"
#include "search/heuristic.h"
#include "search/wordlists.h"
#include "settings/settingsstore.h"
#include "windowfixture.h"

namespace quotella {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

// A folder with a Polish name and a blank, as a user's home may hold.
const std::string kPolishFolder =
    "Wa\xC5\x82\xC4\x99sa \xC5\x81\xC3\xB3"
    "d\xC5\xBA";

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void Spit(const std::string& path, const std::string& bytes) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

class ScoredListsTest : public test::WindowTest {
 protected:
  ScoredListRoom& room() { return window->scoredLists(); }
  std::string Path(const std::string& name) { return dir.path().toStdString() + "/" + name; }
  void WaitForLists() {
    for (int i = 0; i < 3000 && room().reading(); ++i) QTest::qWait(10);
    ASSERT_FALSE(room().reading());
  }
  // The settings name these lists, as Load Ini File reads them.
  void NameLists(const std::string& value) {
    const std::string ini = Path("quotella.ini");
    IniText text(ReadTextLines(ini).value_or(std::vector<std::string>{}));
    text.SetIniValue("[scored lists]", value);
    ASSERT_TRUE(WriteLinesAtomic(ini, text.Lines()).ok());
    window->command(QStringLiteral("LoadIniFile1"))->trigger();
    WaitForLists();
  }
  const ScoredWords& Scored() { return *window->sources().Scored; }
  GeneralSettingsDialog* OpenGeneralSettings() {
    window->command(QStringLiteral("GeneralSettings1"))->trigger();
    return window->findChild<GeneralSettingsDialog*>();
  }
  QAction* Command(const char* name) {
    window->actions().updateEnabled();
    return window->command(QString::fromLatin1(name));
  }
};

TEST_F(ScoredListsTest, TheSettingsGroupKeepsWhatTheUserChoseThroughCloseAndExit) {
  const std::string mine = Path(kPolishFolder + "/my list.txt");
  const std::string theirs = Path("crosswords, 2026; \"best\".txt");
  const std::string dropped = Path("dropped.txt");
  Spit(mine, "APPLE;80\r\nBANANA;40\r\n");
  Spit(theirs, "CHERRY;90\r\n");
  GeneralSettingsDialog* dialog = OpenGeneralSettings();
  ASSERT_NE(dialog, nullptr);
  ScoredListsGroup* group = dialog->scoredLists();
  EXPECT_TRUE(group->isVisible());
  EXPECT_EQ(group->files()->count(), 0);
  EXPECT_EQ(group->minScoreBox()->value(), 50);
  EXPECT_TRUE(group->dictionaryWordsBox()->isChecked());

  for (const std::string& file : {dropped, mine, theirs}) {
    host.fileAnswers.push_back(file);
    QTest::mouseClick(group->addButton(), Qt::LeftButton);
  }
  EXPECT_THAT(host.fileDialogs,
              ElementsAre("Add Scored Word List", "Add Scored Word List", "Add Scored Word List"));
  EXPECT_FALSE(group->removeButton()->isEnabled());
  group->files()->setCurrentRow(0);
  QTest::mouseClick(group->removeButton(), Qt::LeftButton);
  group->minScoreBox()->selectAll();
  QTest::keyClicks(group->minScoreBox(), "45");
  group->listScoreBox()->selectAll();
  QTest::keyClicks(group->listScoreBox(), "60");
  QTest::mouseClick(group->dictionaryWordsBox(), Qt::LeftButton);
  QTest::mouseClick(dialog->closeButton(), Qt::LeftButton);
  EXPECT_FALSE(dialog->isVisible());

  const Settings& v = window->settings().Values();
  EXPECT_THAT(v.ScoredListFiles, ElementsAre(mine, theirs));
  EXPECT_EQ(v.MinWordScore, 45);
  EXPECT_EQ(v.ListWordScore, 60);
  EXPECT_FALSE(v.DictionaryWordsAllowed);
  // Close reads the lists: they are what autofill now takes.
  WaitForLists();
  EXPECT_THAT(Scored().files, ElementsAre(mine, theirs));
  EXPECT_EQ(Scored().minScore, 45);
  EXPECT_FALSE(Scored().dictionaryAllowed);
  EXPECT_EQ(Scored().table.ScoreOf("cherry"), 90);
  auto* count = Find<QLabel>("ScoredCount");
  EXPECT_TRUE(count->isVisible());
  EXPECT_EQ(count->text(), QStringLiteral("Scored: 3 words, 2 at 45+"));
  EXPECT_TRUE(count->toolTip().startsWith(
      QStringLiteral("Scored lists: 3 words, 2 at 45 or more\n") + QString::fromStdString(mine)));

  // Shown again, the window holds the same choices.
  dialog = OpenGeneralSettings();
  ASSERT_EQ(group->files()->count(), 2);
  EXPECT_EQ(group->files()->item(0)->text().toStdString(), mine);
  EXPECT_EQ(group->listScoreBox()->value(), 60);
  EXPECT_FALSE(group->dictionaryWordsBox()->isChecked());
  QTest::mouseClick(dialog->closeButton(), Qt::LeftButton);

  // The settings file written at exit brings them back.
  ASSERT_TRUE(window->close());
  const IniText saved(ReadTextLines(Path("quotella.ini")).value_or(std::vector<std::string>{}));
  EXPECT_EQ(SplitQuotedPaths(saved.GetIniValue("[scored lists]")),
            (std::vector<std::string>{mine, theirs}));
  EXPECT_EQ(saved.GetIniValue("[scored min score]"), "45");
  EXPECT_EQ(saved.GetIniValue("[scored default score]"), "60");
  EXPECT_EQ(saved.GetIniValue("[autofill dictionary words]"), "FALSE");
}

TEST_F(ScoredListsTest, ADamagedOrMissingListIsToldOnceByFileAndLineAndTheOthersAreUsed) {
  const std::string good = Path("good.txt");
  const std::string damaged = Path(kPolishFolder + "/damaged.txt");
  const std::string missing = Path("gone.txt");
  Spit(good, "# my best words\r\nAPPLE;80\r\nPEAR\r\n");
  Spit(damaged, "ZEBRA;70\r\nQUAIL;55\r\nOKAPI;high\r\nYAK;-3\r\n");
  NameLists(JoinQuotedPaths({good, damaged, missing}));

  ASSERT_EQ(host.messages.size(), 2u);
  EXPECT_THAT(host.messages[0], HasSubstr(damaged));
  EXPECT_THAT(host.messages[0], HasSubstr("line 3"));
  EXPECT_THAT(host.messages[1], HasSubstr(missing));
  // What could be read is in use: the word alone has the default score.
  EXPECT_EQ(Scored().table.ScoreOf("APPLE"), 80);
  EXPECT_EQ(Scored().table.ScoreOf("PEAR"), 50);
  EXPECT_EQ(Scored().table.ScoreOf("QUAIL"), 55);
  EXPECT_EQ(Scored().table.ScoreOf("OKAPI"), -1);
  EXPECT_EQ(Find<QLabel>("ScoredCount")->text(), QStringLiteral("Scored: 4 words, 4 at 50+"));

  // Reading the same lists again does not tell the same problems again; a new one is told.
  host.Clear();
  room().ReadLists();
  WaitForLists();
  EXPECT_THAT(host.messages, IsEmpty());
  Spit(good, "APPLE;80\r\nFIG;999\r\n");
  room().ReadLists();
  WaitForLists();
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_THAT(host.messages[0], HasSubstr(good));
  EXPECT_THAT(host.messages[0], HasSubstr("line 2"));

  // The window goes on working: a word list still opens and scans.
  host.fileAnswers.push_back(good);
  window->command(QStringLiteral("Wordlist21"))->trigger();
  test::WaitForBackground(*window);
  EXPECT_EQ(window->sources().List(2).Items.size(), 2u);
}

TEST_F(ScoredListsTest, NoListNamedMeansNoCountAndAnEmptyTable) {
  WaitForLists();
  EXPECT_FALSE(Scored().Active());
  EXPECT_FALSE(Find<QLabel>("ScoredCount")->isVisible());
  EXPECT_THAT(host.messages, IsEmpty());
  const std::string list = Path("list.txt");
  Spit(list, "ONE;10\r\n");
  NameLists(JoinQuotedPaths({list}));
  EXPECT_TRUE(Find<QLabel>("ScoredCount")->isVisible());
  NameLists("");
  EXPECT_FALSE(Scored().Active());
  EXPECT_EQ(Scored().table.Count(), 0u);
  EXPECT_FALSE(Find<QLabel>("ScoredCount")->isVisible());
}

// The lists are read behind the window: the window's thread only takes the result, and of
// two reads asked for one after the other, only the newer one's result is taken.
TEST_F(ScoredListsTest, ReadingIsBehindTheWindowAndTheNewestChoiceWins) {
  WaitForLists();
  const std::string big = Path("big.txt");
  std::string text;
  for (int i = 0; i < 20000; ++i) {
    std::string word = "W";
    for (int n = i; n > 0; n /= 26) word += static_cast<char>('A' + n % 26);
    text += word + ";" + std::to_string(i % 101) + "\r\n";
  }
  Spit(big, text);
  const std::string small = Path("small.txt");
  Spit(small, "ONE;10\r\nTWO;20\r\n");

  const auto before = window->sources().Scored;
  int taken = 0;
  const auto counting =
      QObject::connect(&room(), &ScoredListRoom::listsRead, [&taken] { ++taken; });
  window->settings().Values().ScoredListFiles = {small};
  room().ReadLists();
  EXPECT_TRUE(room().reading());
  EXPECT_EQ(window->sources().Scored, before);  // nothing is taken until the result is in
  // Chosen again before the first read is in: the small list's result, which comes first,
  // is dropped.
  window->settings().Values().ScoredListFiles = {big};
  room().SettingsApplied();
  WaitForLists();
  QTest::qWait(20);
  QObject::disconnect(counting);
  EXPECT_EQ(taken, 1);
  EXPECT_THAT(Scored().files, ElementsAre(big));
  EXPECT_EQ(Scored().table.Count(), 20000u);
  EXPECT_EQ(Scored().table.ScoreOf("WB"), 1);
}

TEST_F(ScoredListsTest, AWordListIsSavedWithTheScoresInUseAndItsNotes) {
  const std::string scores = Path("scores.txt");
  Spit(scores, "APPLE;80\r\nZEBRA;30\r\n");
  NameLists(JoinQuotedPaths({scores}));
  window->settings().Values().ListWordScore = 55;

  const char* save2 = names::kSaveListWithScores[1];
  EXPECT_FALSE(Command(save2)->isEnabled());  // nothing to save yet
  (void)window->sources().List(2).AssignText(
      "# fruit and beasts\r\napple\r\nice cream @dessert\r\nzebra\r\napple\r\n");
  window->editors().PushLists();
  ASSERT_TRUE(Command(save2)->isEnabled());
  // The command stands beside the plain saves of the lists.
  const QList<QAction*> saveMenu = window->actions().mainMenu(QStringLiteral("&Save"))->actions();
  const auto at = saveMenu.indexOf(window->command(QStringLiteral("Wordlist42")));
  ASSERT_GE(at, 0);
  EXPECT_EQ(saveMenu[at + 2]->text(), QStringLiteral("Wordlist 2 with Scores\u2026"));

  const std::string target = Path(kPolishFolder + "/scored.txt");
  std::filesystem::create_directories(Path(kPolishFolder));
  host.fileAnswers.push_back(target);
  Command(save2)->trigger();
  EXPECT_THAT(host.fileDialogs, ElementsAre("Save Wordlist 2 with Scores"));
  EXPECT_EQ(Slurp(target),
            "# fruit and beasts\r\napple;80\r\n# ice cream @dessert\r\nice cream;55\r\n"
            "zebra;30\r\n");
  EXPECT_EQ(host.StatusText(StatusBar::Main, kMessagePanel),
            "Word list 2 with scores written to " + target);
  // The list keeps its own file: a reload does not read the scored copy.
  EXPECT_NE(window->sources().List(2).FileName, target);

  // A file that cannot be written is said so, and the file that was there stays.
  Spit(Path("blocked"), "a file, not a folder");
  host.Clear();
  host.fileAnswers.push_back(Path("blocked/scored.txt"));
  Command(save2)->trigger();
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_THAT(host.messages[0], HasSubstr("Could not save file " + Path("blocked/scored.txt")));
  EXPECT_EQ(Slurp(Path("blocked")), "a file, not a folder");
}

// 46 answers; accents in author, work and quotation.
constexpr const char* kLongLine =
    "Zo\xC3\xAB Bront\xC3\xAB-\xC5\x81ukasiewicz@Notes from the Lakes of Sm\xC3\xA5land@Zo\xC3\xAB "
    "Bront\xC3\xAB-\xC5\x81ukasiewicz wrote her notes from the lakes of Sm\xC3\xA5land in winter, "
    "when the ice sang under every step and the pines stood like patient witnesses to a silence "
    "that nobody in the city would ever believe was real, quick as a fox, vexed by jazz.";

class AddAnswersTest : public ScoredListsTest {
 protected:
  // A puzzle of 46 answers made from a quotes line, each answer its initial and up to three
  // letters of the pool, laid in as a candidate is.
  void MakeLongPuzzle() {
    window->command(QStringLiteral("Quotes3"))->trigger();
    auto* editor = Find<QPlainTextEdit>("QuotesEditor");
    editor->setPlainText(QString::fromUtf8(kLongLine));
    editor->setTextCursor(QTextCursor(editor->document()));
    window->puzzleCommands().QuotesEditorDblClick();
    PuzzleDocument& doc = window->doc();
    ASSERT_TRUE(doc.PuzzleExists);
    ASSERT_GE(doc.P.NumWords, 45);
    int next = 0;
    for (int row = 0; row < doc.P.NumWords; ++row) {
      std::string word(1, doc.P.QuotellaStr[static_cast<std::size_t>(row)]);
      for (int step = 0; step < 26 && word.size() < 4; ++step, ++next)
        if (doc.P.PoolOf(static_cast<char>('A' + next % 26)) > 0)
          word += static_cast<char>('A' + next % 26);
      ASSERT_TRUE(LayInString(doc, word, row)) << word;
    }
    window->RefreshViews();
    window->session().QuotesModified = false;
    doc.PuzzleChanged = false;
    host.Clear();
  }
  std::vector<std::string> Answers() {
    std::vector<std::string> answers;
    for (int row = 0; row < window->doc().P.NumWords; ++row)
      if (Keystring(window->doc(), row).size() > 1)
        answers.push_back(Keystring(window->doc(), row));
    return answers;
  }
  void Add(const std::optional<std::string>& score) {
    host.promptAnswers.push_back(score);
    Command(names::kAddAnswersToMyList)->trigger();
    WaitForLists();
  }
};

TEST_F(AddAnswersTest, AnswersGoIntoANewListInAPolishFolderAndThenIntoTheListNamed) {
  EXPECT_FALSE(Command(names::kAddAnswersToMyList)->isEnabled());  // no puzzle
  MakeLongPuzzle();
  const std::vector<std::string> answers = Answers();
  ASSERT_GE(answers.size(), 45u);
  ASSERT_TRUE(Command(names::kAddAnswersToMyList)->isEnabled());

  // Cancel asks nothing more; a score out of range is refused; neither writes a file.
  Add(std::nullopt);
  Add(" 101 ");
  EXPECT_THAT(host.fileDialogs, IsEmpty());
  EXPECT_THAT(host.messages, ElementsAre("A score is a whole number from 0 to 100, not \"101\""));
  EXPECT_THAT(host.prompts,
              ElementsAre("Add Answers to My List | Score of the answers (0 to 100)",
                          "Add Answers to My List | Score of the answers (0 to 100)"));

  // No list is named: the user names a new one, which the settings then name.
  const std::string mine = Path(kPolishFolder + "/my list.txt");
  std::filesystem::create_directories(Path(kPolishFolder));
  host.Clear();
  host.fileAnswers.push_back(mine);
  Add("70");
  EXPECT_THAT(host.fileDialogs, ElementsAre("Add Answers to My List"));
  EXPECT_THAT(host.messages, IsEmpty());
  EXPECT_THAT(window->settings().Values().ScoredListFiles, ElementsAre(mine));
  EXPECT_EQ(host.StatusText(StatusBar::Main, kMessagePanel),
            std::to_string(answers.size()) + " answers added to " + mine);
  const std::string written = Slurp(mine);
  for (const std::string& answer : answers)
    EXPECT_THAT(written, HasSubstr(answer + ";70\r\n")) << answer;
  // Read again at once: the answers are scored words now.
  EXPECT_EQ(Scored().table.ScoreOf(answers.front()), 70);
  EXPECT_EQ(Scored().table.Count(), std::set<std::string>(answers.begin(), answers.end()).size());

  // Next time they go to the list named, without a question, with the new score.
  host.Clear();
  Add("90");
  EXPECT_THAT(host.fileDialogs, IsEmpty());
  EXPECT_EQ(Scored().table.ScoreOf(answers.back()), 90);
  EXPECT_THAT(window->settings().Values().ScoredListFiles, ElementsAre(mine));
}

TEST_F(AddAnswersTest, AListThatCannotBeWrittenIsSaidSoAndNothingChanges) {
  LoadSample();
  Spit(Path("blocked"), "a file, not a folder");
  const std::string unwritable = Path("blocked/my list.txt");
  host.fileAnswers.push_back(unwritable);
  Add("70");
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_THAT(host.messages[0], HasSubstr("Could not save file " + unwritable));
  EXPECT_THAT(host.StatusText(StatusBar::Main, kMessagePanel), HasSubstr(unwritable));
  EXPECT_THAT(window->settings().Values().ScoredListFiles, IsEmpty());
  EXPECT_FALSE(Scored().Active());
  EXPECT_EQ(Slurp(Path("blocked")), "a file, not a folder");
}

TEST_F(AddAnswersTest, ListsJustReadEnableTheScoredScanAndShowTheirScoresAtOnce) {
  MakeLongPuzzle();
  WaitForLists();
  window->ShowView(QStringLiteral("Candidates"));
  window->sources().Candidates = {"MIND", "MAKE"};
  window->editors().PushLists();
  ASSERT_FALSE(window->command(QStringLiteral("ScanScoredLists1"))->isEnabled());
  const std::string list = Path("list.txt");
  Spit(list, "MIND;80\r\n");
  NameLists(JoinQuotedPaths({list}));
  // Nothing else happens in the window (no caret move, no edit): the read alone does it.
  EXPECT_TRUE(window->command(QStringLiteral("ScanScoredLists1"))->isEnabled());
  auto* candidates = Find<QListWidget>("Candidates");
  ASSERT_EQ(candidates->count(), 2);
  auto* delegate = qobject_cast<ScoreDelegate*>(candidates->itemDelegate());
  ASSERT_NE(delegate, nullptr);
  EXPECT_EQ(delegate->scoreText(candidates->model()->index(0, 0)), QStringLiteral("80"));
  EXPECT_EQ(delegate->scoreText(candidates->model()->index(1, 0)), QString());
}

}  // namespace
}  // namespace quotella
