// Open > Import Quotations: files picked one after another, the counts reported, the
// quotations saved as a quotes file.
#include "app/window/names.h"
#include "windowfixture.h"

namespace quotella::test {
namespace {

class ImportQuotationsTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    QDir(dir.path()).mkdir(QStringLiteral("Zitate \u00e4\u00f6"));
  }
  std::string PathOf(const char* name) {
    return dir.filePath(QStringLiteral("Zitate \u00e4\u00f6/") + QString::fromUtf8(name))
        .toStdString();
  }
  std::string Write(const char* name, const std::string& text) {
    const std::string path = PathOf(name);
    EXPECT_TRUE(WriteFileAtomic(path, text).ok());
    return path;
  }
  void Import() {
    window->command(QString::fromLatin1(names::kImportQuotations))->trigger();
    QApplication::processEvents();
  }
};

TEST_F(ImportQuotationsTest, FilesPickedInTurnAreReportedAndSavedAsAQuotesFile) {
  const std::string fortune = Write("fortunes.txt",
                                    "Solidarity needs no translator.\n-- Lech Wa\u0142\u0119sa, "
                                    "Speeches\n%\nNo one signed this one.\n%\n");
  const std::string plain = Write("plain \u00e9.txt",
                                  "Hope springs eternal in the human breast. -- Pope, An Essay "
                                  "on Man\n\nSolidarity needs no translator. -- Lech "
                                  "Wa\u0142\u0119sa, Speeches\n");
  const std::string out = PathOf("imported.txt");
  host.fileAnswers = {fortune, plain, out};
  host.confirmAnswers = {true, false};  // another file after the first, none after the second
  Import();
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].substr(0, host.messages[0].find('\n')),
            "Imported 2 quotations, skipped 1, dropped 1 duplicates.");
  EXPECT_NE(host.messages[0].find("fortunes.txt:"), std::string::npos) << host.messages[0];
  const auto bytes = ReadText(out);
  ASSERT_TRUE(bytes.has_value());
  EXPECT_EQ(*bytes,
            "Lech Wa\u0142\u0119sa@Speeches@Solidarity needs no translator.\r\n"
            "Pope@An Essay on Man@Hope springs eternal in the human breast.\r\n");
}

TEST_F(ImportQuotationsTest, NothingIsWrittenWhenNoQuotationCouldBeTakenOrTheUserDeclines) {
  const std::string nameless = Write("nameless.txt", "A line without anyone to say it.\n");
  const std::string out = PathOf("imported.txt");
  host.fileAnswers = {nameless, out};
  host.confirmAnswers = {false};
  Import();
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].rfind("No quotation with an author and a work was found.", 0), 0u);
  EXPECT_FALSE(FileExists(out));

  // An existing file stays as it was when the user does not want it replaced.
  const std::string good = Write("good.txt", "Hope springs eternal. -- Pope, An Essay on Man\n");
  const std::string kept = Write("kept.txt", "Milton@Paradise Lost@The mind is its own place.\n");
  host.Clear();
  host.fileAnswers = {good, kept};
  host.confirmAnswers = {false, false};  // no other file; do not overwrite
  Import();
  EXPECT_EQ(ReadText(kept),
            std::optional<std::string>("Milton@Paradise Lost@The mind is its own place.\n"));

  // A file that cannot be read is named and nothing is saved.
  host.Clear();
  host.fileAnswers = {PathOf("missing.txt"), out};
  host.confirmAnswers = {false};
  Import();
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0], "Could not load file " + PathOf("missing.txt"));
  EXPECT_FALSE(FileExists(out));
}

}  // namespace
}  // namespace quotella::test
