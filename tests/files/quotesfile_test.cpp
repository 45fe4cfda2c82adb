#include "files/quotesfile.h"

#include <gtest/gtest.h>

#include "filestest.h"
#include "support/fakehost.h"

namespace quotella {
namespace {

using test::FakeHost;
using test::ReadAll;
using test::WriteAll;

struct Quotes {
  FakeHost host;
  FileSession session;
  test::TempDir dir;
  std::string first = dir.Path("first.txt");
  std::string second = dir.Path("second.txt");
  Quotes() {
    WriteAll(first, "A@B@ONE\r\nC@D@TWO\r\n");
    WriteAll(second, "E@F@THREE\r\n");
    host.fileAnswers = {first};
    EXPECT_TRUE(OpenQuotesFile(session, host));
    host.Clear();
  }
};

TEST(QuotesFile, OpeningAnotherFileOffersToSaveTheEditsFirst) {
  Quotes q;
  EXPECT_EQ(q.session.QuotesFile, q.first);
  EXPECT_EQ(QuotesListLabel(q.session), "first.txt 2 lines ");
  q.session.QuotesEditor.push_back("G@H@FOUR");
  QuotesEditorChange(q.session);

  q.host.fileAnswers = {q.second};
  q.host.confirmAnswers = {true};
  EXPECT_TRUE(OpenQuotesFile(q.session, q.host));
  EXPECT_EQ(q.host.questions,
            std::vector<std::string>{"File first.txt has been modified! Save it first? "});
  EXPECT_EQ(ReadAll(q.first), "A@B@ONE\r\nC@D@TWO\r\nG@H@FOUR\r\n");
  EXPECT_EQ(q.session.QuotesEditor, std::vector<std::string>{"E@F@THREE"});
  EXPECT_FALSE(q.session.QuotesModified);
}

TEST(QuotesFile, AFailedSaveFirstKeepsTheEdits) {
  Quotes q;
  q.session.QuotesEditor.push_back("G@H@FOUR");
  QuotesEditorChange(q.session);
  q.session.QuotesFile = q.dir.Path("gone/first.txt");
  q.host.fileAnswers = {q.second};
  q.host.confirmAnswers = {true};
  EXPECT_FALSE(OpenQuotesFile(q.session, q.host));
  EXPECT_EQ(q.host.messages,
            std::vector<std::string>{"Cannot save file " + q.dir.Path("gone/first.txt") +
                                     ": no such folder"});
  EXPECT_EQ(q.session.QuotesEditor.size(), 3u);
  EXPECT_TRUE(q.session.QuotesModified);
}

TEST(QuotesFile, ReopeningTheSameFileDiscardsTheEditsWithoutAsking) {
  Quotes q;
  q.session.QuotesEditor.push_back("G@H@FOUR");
  QuotesEditorChange(q.session);
  q.host.fileAnswers = {q.first};
  EXPECT_TRUE(OpenQuotesFile(q.session, q.host));
  EXPECT_TRUE(q.host.questions.empty());
  EXPECT_EQ(q.session.QuotesEditor.size(), 2u);
}

TEST(QuotesFile, UnreadableFileLeavesTheEditorAsItWas) {
  Quotes q;
  q.host.fileAnswers = {q.dir.Path("missing.txt")};
  EXPECT_FALSE(OpenQuotesFile(q.session, q.host));
  EXPECT_EQ(q.host.messages, std::vector<std::string>{"Could not load file "});
  EXPECT_EQ(q.session.QuotesFile, q.first);
  EXPECT_EQ(q.session.QuotesEditor.size(), 2u);
}

TEST(QuotesFile, SavingAsksBeforeOverwritingAndKeepsTheFlagOnFailure) {
  Quotes q;
  q.session.QuotesEditor = {"X@Y@Z"};
  QuotesEditorChange(q.session);
  q.host.fileAnswers = {q.second};
  EXPECT_FALSE(SaveQuotesFile(q.session, q.host));
  EXPECT_EQ(q.host.questions, std::vector<std::string>{"File " + q.second + " exists! Overwrite?"});
  EXPECT_EQ(ReadAll(q.second), "E@F@THREE\r\n");

  q.host.fileAnswers = {q.dir.Path("gone/new.txt")};
  EXPECT_FALSE(SaveQuotesFile(q.session, q.host));
  EXPECT_EQ(q.host.messages,
            std::vector<std::string>{"Could not save file " + q.dir.Path("gone/new.txt") +
                                     ": no such folder"});
  EXPECT_TRUE(q.session.QuotesModified);

  const std::string renamed = q.dir.Path("renamed.txt");
  q.host.fileAnswers = {renamed};
  EXPECT_TRUE(SaveQuotesFile(q.session, q.host));
  EXPECT_EQ(q.session.QuotesFile, renamed);
  EXPECT_FALSE(q.session.QuotesModified);
  EXPECT_EQ(q.host.fileDialogs.back(), "Save Quotes File");
}

TEST(QuotesFile, ClosingAsksOnlyWhenModified) {
  Quotes q;
  OfferToSaveQuotesOnClose(q.session, q.host);
  EXPECT_TRUE(q.host.questions.empty());
  QuotesEditorChange(q.session);
  OfferToSaveQuotesOnClose(q.session, q.host);
  EXPECT_EQ(q.host.questions, std::vector<std::string>{"Quotes file has changed.  Save it?"});
}

}  // namespace
}  // namespace quotella
