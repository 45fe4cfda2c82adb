#include <gtest/gtest.h>

#include <cstdio>

#include "core/answertable.h"
#include "core/assignment.h"
#include "core/textio.h"
#include "files/puzzlefile.h"
#include "formats/ipuzimport.h"
#include "formats/publishcommands.h"
#include "support/fakehost.h"

namespace quotella {
namespace {

struct Window {
  test::FakeHost host;
  PuzzleDocument doc{host};
  FileSession session;
  void LoadSample() {
    ASSERT_TRUE(LoadPuzzleFile(doc, session, QUOTELLA_SOURCE_DIR "/resources/samplepuzzle1.qtl"));
    host.Clear();
  }
};

TEST(PublishCommands, SavingAsksForTheFileAndBeforeWritingOverOne) {
  Window w;
  EXPECT_FALSE(SaveAsIpuzClick(w.doc, w.session));  // no puzzle: no dialog
  EXPECT_TRUE(w.host.fileDialogs.empty());
  w.LoadSample();
  const std::string path = ::testing::TempDir() + "quotella_publish.ipuz";
  ASSERT_TRUE(WriteFileAtomic(path, "keep").ok());

  w.host.fileAnswers = {path};
  w.host.confirmAnswers = {false};
  EXPECT_FALSE(SaveAsIpuzClick(w.doc, w.session));
  EXPECT_EQ(w.host.fileDialogs, std::vector<std::string>{"Save as ipuz"});
  EXPECT_EQ(w.host.questions, std::vector<std::string>{"File " + path + " exists! Overwrite ?"});
  EXPECT_EQ(ReadFileBytes(path), "keep");

  w.host.fileAnswers = {path};
  w.host.confirmAnswers = {true};
  EXPECT_TRUE(SaveAsIpuzClick(w.doc, w.session));
  EXPECT_EQ(ReadIpuz(*ReadFileBytes(path)).ok, true);

  const std::string page = ::testing::TempDir() + "quotella_publish.html";
  std::remove(page.c_str());
  w.host.fileAnswers = {page};
  EXPECT_TRUE(SaveAsWebPageClick(w.doc, w.session));
  EXPECT_EQ(w.host.fileDialogs.back(), "Save as Web Page");
  EXPECT_EQ(ReadFileBytes(page).value_or("").rfind("<!DOCTYPE html>", 0), 0u);
  std::remove(path.c_str());
  std::remove(page.c_str());
}

TEST(PublishCommands, OpeningAnIpuzFileAsksFirstAndNamesThePuzzleFile) {
  Window source;
  source.LoadSample();
  const std::string path = ::testing::TempDir() + "quotella_open.ipuz";
  source.host.fileAnswers = {path};
  ASSERT_TRUE(SaveAsIpuzClick(source.doc, source.session));

  Window w;
  w.LoadSample();
  ClearWord1Click(w.doc, {1, 1}, false);
  w.host.Clear();
  w.host.confirmAnswers = {false};
  EXPECT_FALSE(OpenIpuzClick(w.doc, w.session));
  EXPECT_TRUE(w.host.fileDialogs.empty());
  EXPECT_EQ(Keystring(w.doc, 1), "O");

  w.host.confirmAnswers = {true};
  w.host.fileAnswers = {path};
  ASSERT_TRUE(OpenIpuzClick(w.doc, w.session));
  EXPECT_EQ(w.host.fileDialogs, std::vector<std::string>{"Open ipuz Puzzle"});
  EXPECT_EQ(Keystring(w.doc, 1), "OTTER");
  EXPECT_EQ(w.session.CurrentPuzzleFile, ::testing::TempDir() + "quotella_open.qtl");
  EXPECT_EQ(w.host.messages, std::vector<std::string>{});

  // A refused file leaves the puzzle as it was.
  ASSERT_TRUE(WriteFileAtomic(path, "{\"kind\":\"http://ipuz.org/acrostic#1\"}").ok());
  ClearWord1Click(w.doc, {1, 1}, false);
  w.host.Clear();
  w.host.confirmAnswers = {true};
  w.host.fileAnswers = {path};
  EXPECT_FALSE(OpenIpuzClick(w.doc, w.session));
  EXPECT_EQ(w.host.messages,
            std::vector<std::string>{"The ipuz file gives no grid size (\"dimensions\")."});
  EXPECT_EQ(Keystring(w.doc, 1), "O");
  std::remove(path.c_str());
}

}  // namespace
}  // namespace quotella
