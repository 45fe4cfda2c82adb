#include <gtest/gtest.h>
#include <unistd.h>

#include <regex>

#include "core/assignment.h"
#include "core/textio.h"
#include "files/puzzlefile.h"
#include "formats/htmltext.h"
#include "formats/ipuzexport.h"
#include "formats/webpage.h"
#include "support/clirunner.h"
#include "support/fakehost.h"

namespace quotella {
namespace {

struct Sample {
  test::FakeHost host;
  PuzzleDocument doc{host};
  FileSession session;
  Sample() {
    EXPECT_TRUE(LoadPuzzleFile(doc, session, QUOTELLA_SOURCE_DIR "/resources/samplepuzzle1.qtl"));
    host.messages.clear();
  }
};

std::string Between(const std::string& text, const std::string& from, const std::string& to) {
  const std::size_t a = text.find(from);
  if (a == std::string::npos) return {};
  const std::size_t b = text.find(to, a + from.size());
  return text.substr(a + from.size(), b - a - from.size());
}

TEST(WebPage, GridAndCluesArePlainHtmlAndNoAnswerIsReadable) {
  Sample s;
  s.doc.ClueLines[0] = "A. <script>alert(1)</script> & more";
  const std::string page = ComposeWebPage(s.doc, s.session);
  // One numbered, labelled cell per letter; the clue escaped.
  EXPECT_NE(page.find("<span class=\"num\">1</span><span class=\"lab\">K</span>"),
            std::string::npos);
  EXPECT_NE(page.find("aria-label=\"Cell 62, answer B\""), std::string::npos);
  EXPECT_NE(page.find("<b>A.</b> &lt;script&gt;alert(1)&lt;/script&gt; &amp; more"),
            std::string::npos);
  EXPECT_EQ(page.find("<script>alert"), std::string::npos);
  EXPECT_NE(page.find("<b>B.</b> River mammal that floats on its back"), std::string::npos);
  const std::regex box("<span class=\"box\">");
  EXPECT_EQ(std::distance(std::sregex_iterator(page.begin(), page.end(), box), {}), 62);
  // Neither the answers nor the quotation appear as text.
  for (const char* word : {"OTTER", "PLANS", "NIBBLE", "HOPESPRINGS", "HOPE SPRINGS", "blest"})
    EXPECT_EQ(page.find(word), std::string::npos) << word;
  // Self-contained: nothing is fetched.
  for (const char* ref : {"src=", "href=", "@import", "url(", "http"})
    EXPECT_EQ(page.find(ref), std::string::npos) << ref;
}

TEST(WebPage, TheStoredSolutionRevealsTheGridLettersWithThePuzzlesKey) {
  Sample s;
  const std::string page = ComposeWebPage(s.doc, s.session);
  const std::string key = WebPageKey(s.doc, s.session);
  EXPECT_EQ(Between(page, "QUOTELLA_DATA={\"id\":\"", "\""), key);
  const std::string hidden = Between(page, "\"sol\":\"", "\"");
  std::string letters;
  for (char c : s.doc.P.MasterQuote)
    if (c != ' ' && c != '-') letters += c;
  EXPECT_EQ(RevealSolution(hidden, key), letters);
  EXPECT_EQ(hidden.size(), 2 * letters.size());
  // Another puzzle, another key: a changed clue changes it.
  s.doc.ClueLines[3] = "D. Always";
  EXPECT_NE(WebPageKey(s.doc, s.session), key);
}

TEST(WebPage, TextsAreUtf8AndAWriteFailureIsReported) {
  Sample s;
  s.session.TitleBox = "Caf\xC3\xA9 <Quotes>";
  // The untouched default copyright line is no notice and is left out.
  EXPECT_NE(ComposeWebPage(s.doc, s.session).find("<footer></footer>"), std::string::npos);
  s.session.CopyrightText = "Puzzle \xC2\xA9 2026 by Ren\xC3\xA9";
  const std::string page = ComposeWebPage(s.doc, s.session);
  EXPECT_NE(page.find("<title>Caf\xC3\xA9 &lt;Quotes&gt;</title>"), std::string::npos);
  EXPECT_NE(page.find("<footer>Puzzle \xC2\xA9 2026 by Ren\xC3\xA9</footer>"), std::string::npos);
  EXPECT_FALSE(WriteWebPage(s.doc, s.session, "/nonexistent-folder/page.html"));
  EXPECT_EQ(s.host.messages,
            std::vector<std::string>{
                "Could not save file /nonexistent-folder/page.html: no such folder"});
  s.host.messages.clear();
  EXPECT_FALSE(WriteIpuzFile(s.doc, s.session, "/nonexistent-folder/p.ipuz"));
  EXPECT_EQ(s.host.messages, std::vector<std::string>{
                                 "Could not save file /nonexistent-folder/p.ipuz: no such folder"});
}

TEST(HtmlText, EntitiesAndTagsBecomePlainText) {
  EXPECT_EQ(HtmlToText("<b>Tom</b> &amp; Jerry<br/>caf&eacute; &#233; &#x41; &lt;"),
            "Tom & Jerry caf\xC3\xA9 \xC3\xA9 A <");
  EXPECT_EQ(HtmlToText("a < b &"), "a < b &");
  EXPECT_EQ(EscapeHtml("<a href='x'>&</a>"), "&lt;a href=&#39;x&#39;&gt;&amp;&lt;/a&gt;");
}

TEST(FormatsCli, ExportsAndImportsWithoutTouchingWhatIsThere) {
  // Named after the process, so that suites running side by side do not share the files.
  const std::string dir = ::testing::TempDir() + "quotella_cli_" + std::to_string(::getpid());
  const std::string ipuz = dir + "_sample.ipuz";
  const std::string html = dir + "_sample.html";
  const std::string back = dir + "_back.qtl";
  std::remove(back.c_str());
  const std::string sample = QUOTELLA_SOURCE_DIR "/resources/samplepuzzle1.qtl";
  EXPECT_EQ(test::RunCliArgs({"export", sample, "--ipuz", "-o", ipuz, "--yes"}).status, 0);
  EXPECT_EQ(test::RunCliArgs({"export", sample, "--html", "-o", html, "--yes"}).status, 0);
  EXPECT_NE(ReadFileBytes(html).value_or("").find("<table id=\"grid\""), std::string::npos);
  EXPECT_EQ(test::RunCliArgs({"export", sample, "--ipuz", "--html", "-o", html}).status, 2);

  EXPECT_EQ(test::RunCliArgs({"import", ipuz, "-o", back}).status, 0);
  EXPECT_EQ(ReadFileBytes(back), ReadFileBytes(sample));
  // An existing target needs --yes; a refused file writes nothing.
  EXPECT_EQ(test::RunCliArgs({"import", ipuz, "-o", back}).status, 1);
  std::remove(back.c_str());
  ASSERT_TRUE(WriteFileAtomic(ipuz, "{\"kind\":[\"http://ipuz.org/crossword#1\"]}").ok());
  const test::CliRun refused =
      test::RunCli("import " + test::ShellQuote(ipuz) + " -o " + test::ShellQuote(back), true);
  EXPECT_EQ(refused.status, 1);
  EXPECT_NE(refused.out.find("This is not an acrostic ipuz file."), std::string::npos);
  EXPECT_FALSE(FileExists(back));
  std::remove(ipuz.c_str());
  std::remove(html.c_str());
}

}  // namespace
}  // namespace quotella
