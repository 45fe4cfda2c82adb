// Prints a puzzle through a real print queue: a private cupsd, listening only on a socket
// in a temporary folder, with one cups-pdf queue. The job goes through QPrinter and the
// system's print support exactly as from the window; the PDF that cups-pdf writes is
// read back with pdftotext.
#include <gtest/gtest.h>
#include <pwd.h>
#include <signal.h>
#include <unistd.h>

#include <QGuiApplication>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "print/pageprinter.h"
#include "support/clirunner.h"
#include "support/fakehost.h"
#include "support/handpuzzle.h"

namespace quotella {
namespace {

using test::RunShell;
using test::ShellQuote;
namespace fs = std::filesystem;

constexpr const char* kQueue = "QuotellaTestPDF";

class CupsQueue : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    s_dir = new QTemporaryDir(QStringLiteral("/tmp/qtl-cups-XXXXXX"));
    const std::string root = s_dir->path().toStdString();
    s_socket = root + "/cups.sock";
    for (const char* sub : {"spool", "spool/tmp", "cache", "state", "log"})
      fs::create_directories(root + "/" + sub);
    std::ofstream(root + "/cupsd.conf") << "Listen " << s_socket
                                        << "\nLogLevel warn\nBrowsing Off\nWebInterface No\n"
                                           "DefaultAuthType None\n"
                                           "<Location />\n  Order allow,deny\n  Allow all\n"
                                           "</Location>\n<Policy default>\n  <Limit All>\n"
                                           "    Order deny,allow\n  </Limit>\n</Policy>\n";
    std::ofstream(root + "/cups-files.conf")
        << "ServerRoot " << root << "\nRequestRoot " << root << "/spool\nTempDir " << root
        << "/spool/tmp\nCacheDir " << root << "/cache\nStateDir " << root << "/state\nErrorLog "
        << root << "/log/error_log\nAccessLog " << root << "/log/access_log\nPageLog " << root
        << "/log/page_log\nSandboxing relaxed\nUser lp\nGroup lp\nSystemGroup root\n";
    const auto started =
        RunShell("cupsd -f -c " + ShellQuote(root + "/cupsd.conf") + " -s " +
                 ShellQuote(root + "/cups-files.conf") + " >/dev/null 2>&1 & echo $!");
    s_pid = std::atoi(started.out.c_str());
    for (int i = 0; i < 100 && !fs::exists(s_socket); ++i)
      std::this_thread::sleep_for(std::chrono::milliseconds(100));
    // cups-pdf makes its PDF from PostScript. The job is turned into PostScript by cairo,
    // which keeps the glyph names of the embedded fonts, so the result still reads as
    // text (the default renderers turn it into unnamed glyphs).
    RunShell("lpadmin -h " + ShellQuote(s_socket) + " -p " + kQueue +
             " -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd"
             " -o pdftops-renderer-default=pdftocairo -E 2>/dev/null");
    // The print support asks this server from the first printer on.
    ::setenv("CUPS_SERVER", s_socket.c_str(), 1);
    static int argc = 1;
    static char name[] = "print_cups_tests";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) new QGuiApplication(argc, argv);
  }
  static void TearDownTestSuite() {
    if (s_pid > 0 && ::kill(s_pid, SIGTERM) == 0) {
      for (int i = 0; i < 50 && ::kill(s_pid, 0) == 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    std::error_code ec;
    fs::remove_all(s_dir->path().toStdString(), ec);
    delete s_dir;
  }

  static QTemporaryDir* s_dir;
  static std::string s_socket;
  static int s_pid;
};

QTemporaryDir* CupsQueue::s_dir = nullptr;
std::string CupsQueue::s_socket;
int CupsQueue::s_pid = 0;

TEST_F(CupsQueue, APuzzlePrintedToTheQueueComesOutAsAPdfWithItsText) {
  if (::geteuid() != 0)
    GTEST_SKIP() << "needs root: the cups-pdf backend runs only under a root cupsd";
  ASSERT_TRUE(fs::exists(s_socket)) << "the private cupsd did not start";
  ASSERT_TRUE(QPrinterInfo::availablePrinterNames().contains(QString::fromLatin1(kQueue)));

  test::FakeHost host;
  PuzzleDocument doc{host};
  test::HandPuzzle::Lay(doc, "ALL THE WORLD IS A STAGE", 10);
  test::HandPuzzle::AddWord(doc, 0, {1, 2, 3}, "Every one");
  test::HandPuzzle::AddWord(doc, 1, {5, 6, 7}, "Definite article");
  PrintOptions options;
  options.title = "Queue test " + std::to_string(::getpid());
  options.byline = "by the print queue";

  QPrinter printer(QPrinter::HighResolution);
  printer.setPrinterName(QString::fromLatin1(kQueue));
  ASSERT_TRUE(printer.isValid());
  const FontSet fonts;
  ASSERT_TRUE(PagePrinter::PrintPuzzle(printer, doc, options, fonts, Qt::black));

  // cups-pdf writes into the PDF folder of the job's owner, named after the job.
  const passwd* pw = ::getpwuid(::geteuid());
  const fs::path out = fs::path(pw ? pw->pw_dir : "/root") / "PDF";
  fs::path found;
  for (int i = 0; i < 300 && found.empty(); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(out, ec))
      if (e.path().filename().string().rfind("Queue_test_" + std::to_string(::getpid()), 0) == 0)
        found = e.path();
  }
  ASSERT_FALSE(found.empty()) << "no PDF from the queue in " << out;
  std::this_thread::sleep_for(std::chrono::milliseconds(500));  // let the backend finish
  const std::string text = RunShell("pdftotext -layout " + ShellQuote(found.string()) + " -").out;
  fs::remove(found);
  EXPECT_NE(text.find(options.title), std::string::npos) << text;
  EXPECT_NE(text.find("by the print queue"), std::string::npos) << text;
  EXPECT_NE(text.find("B. Definite article"), std::string::npos) << text;
}

}  // namespace
}  // namespace quotella
