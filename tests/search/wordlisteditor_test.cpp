#include "search/wordlisteditor.h"

#include <gtest/gtest.h>

#include "search_fixture.h"

namespace quotella {
namespace {

using test::FakeHost;
using test::TempDir;
using Lines = std::vector<std::string>;

Lines Words(const WordListEditor::CheckList& list) {
  Lines words;
  for (const auto& e : list) words.push_back(e.word);
  return words;
}

Lines Ticked(const WordListEditor::CheckList& list) {
  Lines words;
  for (const auto& e : list)
    if (e.checked) words.push_back(e.word);
  return words;
}

class WordListEditorTest : public ::testing::Test {
 protected:
  TempDir tmp;
  FakeHost host;
  WordListEditor editor;
  int closes = 0;
  bool bailedOut = false;
  WordListEditor::Lists result;

  void SetUp() override {
    editor.DictDir = tmp.Dir();
    editor.ProgramDir = tmp.Dir();
  }

  void Open(WordListEditor::Lists lists) {
    ASSERT_TRUE(editor.Open(lists, [this](bool bailed, WordListEditor::Lists edited) {
      ++closes;
      bailedOut = bailed;
      result = std::move(edited);
    }));
  }

  void Tick(int n, const std::string& word) {
    const auto& list = editor.List(n);
    for (std::size_t i = 0; i < list.size(); ++i) {
      if (list[i].word == word) {
        ASSERT_TRUE(editor.SetChecked(n, static_cast<int>(i), true));
      }
    }
  }
};

TEST_F(WordListEditorTest, LeavingDropsTheTickedWordsForOkAndCancelAlike) {
  for (const bool cancel : {false, true}) {
    SCOPED_TRACE(cancel ? "Cancel" : "OK");
    Open({Lines{"delta", "Alpha", "charlie", "bravo"}, Lines{"X"}, Lines{"Y", "Z"}});
    EXPECT_EQ(Words(editor.List(1)), (Lines{"Alpha", "bravo", "charlie", "delta"}));
    EXPECT_TRUE(Ticked(editor.List(1)).empty());
    EXPECT_EQ(editor.ShownList(), 1);
    EXPECT_FALSE(editor.Open({}, nullptr));  // already open

    Tick(1, "bravo");
    Tick(1, "delta");
    Tick(3, "Z");
    cancel ? editor.Cancel() : editor.Ok();
    EXPECT_FALSE(editor.IsOpen());
    EXPECT_EQ(bailedOut, cancel);
    EXPECT_EQ(result, (WordListEditor::Lists{Lines{"Alpha", "charlie"}, Lines{"X"}, Lines{"Y"}}));
  }
  EXPECT_EQ(closes, 2);
  editor.Ok();  // a closed editor ignores its buttons
  EXPECT_EQ(closes, 2);
}

TEST_F(WordListEditorTest, CopyChecksReachesOnlyListsOfTheSameInitial) {
  Open({Lines{"CAT", "COT", "CUT"}, Lines{"CAT", "COT", "CUT"}, Lines{"DAB", "DOT", "DUE"}});
  Tick(1, "COT");
  editor.CopyChecks();
  EXPECT_EQ(Ticked(editor.List(2)), Lines{"COT"});
  EXPECT_TRUE(Ticked(editor.List(3)).empty());

  editor.ShowList(3);
  Tick(3, "DAB");
  Tick(3, "DUE");
  editor.CopyChecks();
  EXPECT_EQ(Ticked(editor.List(1)), Lines{"COT"});
  EXPECT_EQ(Ticked(editor.List(2)), Lines{"COT"});

  // Ticks are only added.
  editor.ShowList(2);
  editor.SetChecked(2, 1, false);
  Tick(2, "CUT");
  editor.CopyChecks();
  EXPECT_EQ(Ticked(editor.List(1)), (Lines{"COT", "CUT"}));
}

TEST_F(WordListEditorTest, ExpungeRewritesASharedLetterFileOnceAndLogsEachWord) {
  tmp.Write("C.txt", "cab\r\ncat\r\ncot\r\ncub\r\ncut\r\n");
  tmp.Write("D.txt", "dab\ndot\ndue\n");
  Open({Lines{"CAT", "COT", "CUT"}, Lines{"CAT", "COT", "CUT"}, Lines{"DAB", "DOT", "DUE"}});
  Tick(1, "CAT");
  Tick(1, "CUT");
  editor.CopyChecks();
  Tick(3, "DOT");
  int repaints = 0;
  editor.Repaint = [&] { ++repaints; };
  host.confirmAnswers = {true};
  editor.Expunge(host);

  EXPECT_EQ(host.questions,
            Lines{"This will expunge the rejected words in this list from the Dictionary!\r\n\r\n"
                  "Example: CAT CUT \r\n... etc. will be deleted \r\n\r\nGo ahead and Expunge?"});
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(tmp.Read("C.txt"), "cab\r\ncot\r\ncub\r\n");
  EXPECT_EQ(tmp.Read("D.txt"), "dab\r\ndue\r\n");
  EXPECT_EQ(editor.Log(), (Lines{"Deleted cat", "Deleted cut", "Deleted dot"}));
  EXPECT_EQ(editor.StatusPanels(),
            (std::array<std::string, 3>{"Deleting dot", "Index: 1", "Count: 3"}));
  EXPECT_EQ(editor.DeletedCount(), 3);
  EXPECT_EQ(editor.WorkList(), (Lines{"dab", "due"}));
  EXPECT_EQ(editor.ShownList(), 3);
  EXPECT_GT(repaints, 0);
  EXPECT_EQ(host.SoundNames(), Lines{"ding"});
  // Expunged entries leave their check list; list 2 shared list 1's file and was skipped.
  EXPECT_EQ(Words(editor.List(1)), Lines{"COT"});
  EXPECT_EQ(Ticked(editor.List(2)), (Lines{"CAT", "CUT"}));
  EXPECT_EQ(Words(editor.List(3)), (Lines{"DAB", "DUE"}));

  // Copying ticks after the lists have drifted apart still ticks the same words.
  editor.ShowList(2);
  editor.SetChecked(2, 0, false);
  editor.SetChecked(2, 2, false);
  Tick(2, "COT");
  editor.CopyChecks();
  EXPECT_EQ(Ticked(editor.List(1)), Lines{"COT"});

  editor.Ok();
  EXPECT_EQ(editor.DeletedCount(), 0);
  EXPECT_EQ(result, (WordListEditor::Lists{Lines{}, Lines{"CAT", "CUT"}, Lines{"DAB", "DUE"}}));
}

TEST_F(WordListEditorTest, ExpungeWithoutTicksOrConsentChangesNoWord) {
  tmp.Write("a.txt", "ab\nac\n");
  tmp.Write("B.txt", "bc\r\n");
  Open({Lines{"AB"}, Lines{"BC"}, Lines{"AC"}});
  editor.Expunge(host);  // answered No
  EXPECT_EQ(tmp.Read("a.txt"), "ab\nac\n");
  EXPECT_EQ(host.questions.size(), 1u);

  host.confirmAnswers = {true};
  editor.Expunge(host);
  EXPECT_EQ(tmp.Read("a.txt"), "ab\r\nac\r\n");  // found case-insensitively, read and written
  EXPECT_EQ(tmp.Read("B.txt"), "bc\r\n");
  EXPECT_TRUE(editor.Log().empty());
  EXPECT_EQ(editor.DeletedCount(), 0);
  EXPECT_EQ(host.questions[1],
            "This will expunge the rejected words in this list from the Dictionary!\r\n\r\n"
            "Example: \r\n... etc. will be deleted \r\n\r\nGo ahead and Expunge?");
}

TEST_F(WordListEditorTest, ExpungeExampleNamesAtMostTenWords) {
  tmp.Write("A.txt", "");
  Lines many;
  for (char c = 'A'; c <= 'L'; ++c) many.push_back(std::string("A") + c);
  Open({many, Lines{"AA"}, Lines{"AA"}});
  for (const auto& w : many) Tick(1, w);
  editor.Expunge(host);
  ASSERT_EQ(host.questions.size(), 1u);
  EXPECT_NE(host.questions[0].find("Example: AA AB AC AD AE AF AG AH AI AJ \r\n"),
            std::string::npos);
}

TEST_F(WordListEditorTest, ExpungeProblems) {
  // An empty list stops everything before the question.
  Open({Lines{"AB"}, Lines{}, Lines{"AC"}});
  editor.Expunge(host);
  EXPECT_EQ(host.messages, Lines{"One of the lists is empty!"});
  EXPECT_TRUE(host.questions.empty());
  editor.Cancel();

  // A missing letter file ends the expunge; files already done stay written. Words not
  // in their file stay ticked in their list. An unsorted file still gives up its words.
  host.Clear();
  tmp.Write("A.txt", "zz\nab\naa\n");
  Open({Lines{"AB", "AX"}, Lines{"QA"}, Lines{"AC"}});
  Tick(1, "AB");
  Tick(1, "AX");
  Tick(2, "QA");
  host.confirmAnswers = {true};
  editor.Expunge(host);
  EXPECT_EQ(host.messages, Lines{"Could not load " + tmp.Path("Q.txt")});
  EXPECT_EQ(tmp.Read("A.txt"), "zz\r\naa\r\n");
  EXPECT_EQ(Ticked(editor.List(1)), Lines{"AX"});
  EXPECT_EQ(Ticked(editor.List(2)), Lines{"QA"});
  EXPECT_TRUE(host.SoundNames().empty());
  editor.Cancel();

  // A list that starts with an empty entry names no letter file.
  host.Clear();
  Open({Lines{"", "AB"}, Lines{"AB"}, Lines{"AB"}});
  host.confirmAnswers = {true};
  editor.Expunge(host);
  EXPECT_EQ(host.messages, Lines{"Could not load " + tmp.Dir() + ".txt"});
}

TEST_F(WordListEditorTest, ALetterFileThatCannotBeRewrittenIsNamedWithTheReasonAndKept) {
  tmp.Write("B.txt", "bat\r\nbee\r\n");
  std::filesystem::permissions(tmp.Path("B.txt"), std::filesystem::perms::owner_read);
  Open({Lines{"BAT"}, Lines{"BEE"}, Lines{"BAT"}});
  Tick(1, "BAT");
  host.confirmAnswers = {true};
  editor.Expunge(host);
  EXPECT_EQ(host.messages,
            Lines{"Could not save " + tmp.Path("B.txt") + ": the file is read-only"});
  EXPECT_EQ(tmp.Read("B.txt"), "bat\r\nbee\r\n");
}

TEST_F(WordListEditorTest, HelpAndLookupFollowTheShownList) {
  Open({Lines{"AB", "AC"}, Lines{"BC"}, Lines{"CD"}});
  editor.Select(1, 1);
  editor.Select(3, 5);  // no such entry
  EXPECT_EQ(editor.LookupWord(), "AC");
  EXPECT_EQ(editor.LookupWord(3), std::nullopt);
  editor.ShowList(2);
  EXPECT_EQ(editor.LookupWord(), std::nullopt);
  editor.Help(host);
  EXPECT_EQ(host.messages, Lines{"Cannot find help file"});
  EXPECT_FALSE(editor.HelpShown());
  EXPECT_EQ(editor.ShownList(), 2);

  tmp.Write("help6.rtf", "{\\rtf1 Tick the words you do not want.}");
  editor.Help(host);
  EXPECT_TRUE(editor.HelpShown());
  EXPECT_EQ(editor.HelpText(), "{\\rtf1 Tick the words you do not want.}");
  editor.HelpViewPressed();
  EXPECT_FALSE(editor.HelpShown());
  EXPECT_EQ(editor.ShownList(), 1);

  // The help file the program ships.
  editor.ProgramDir = QUOTELLA_SOURCE_DIR "/resources/";
  editor.Help(host);
  EXPECT_TRUE(editor.HelpShown());
  EXPECT_EQ(editor.HelpText().rfind("{\\rtf1", 0), 0u);
}

}  // namespace
}  // namespace quotella
