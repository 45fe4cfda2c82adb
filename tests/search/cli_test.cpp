#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <sstream>

#include "core/textio.h"
#include "search/wordsource.h"
#include "search_fixture.h"

namespace quotella {
namespace {

struct CliRun {
  int status = -1;
  std::string out;
};

// Runs quotella-cli from the program directory with the arguments (already quoted).
CliRun RunCli(const std::string& args) {
  const std::string command =
      std::string("'") + QUOTELLA_PROGRAM_DIR + "/quotella-cli' " + args + " 2>/dev/null";
  CliRun run;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (!pipe) return run;
  std::array<char, 4096> buf{};
  std::size_t n = 0;
  while ((n = std::fread(buf.data(), 1, buf.size(), pipe)) > 0) run.out.append(buf.data(), n);
  const int status = ::pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return run;
}

TEST(RarityCommand, ReportsTheCountsOfTheBundledLetterFiles) {
  const CliRun run = RunCli("rarity");
  ASSERT_EQ(run.status, 0);
  std::istringstream in(run.out);
  std::string line;
  std::getline(in, line);
  EXPECT_EQ(line, "Dictionary: " + DirWithSeparator(QUOTELLA_PROGRAM_DIR));
  int red = 0;
  for (char c = 'A'; c <= 'Z'; ++c) {
    std::getline(in, line);
    std::istringstream fields(line);
    char letter = 0;
    std::size_t count = 0;
    fields >> letter >> count;
    EXPECT_EQ(letter, c);
    const auto lines = ReadWordFile(FindLetterFile(QUOTELLA_PROGRAM_DIR "/", c));
    ASSERT_TRUE(lines.has_value());
    EXPECT_EQ(count, lines->size()) << c;
    if (line.ends_with(" red")) ++red;
  }
  EXPECT_EQ(red, 6);
  std::getline(in, line);
  EXPECT_TRUE(line.starts_with("red: X ")) << line;  // the bundled dictionary's rarest initial
}

TEST(RarityCommand, FailsOnAnIncompleteDictionary) {
  test::TempDir tmp;
  tmp.Write("a.txt", "a\r\n");
  EXPECT_EQ(RunCli("rarity --dict '" + tmp.Dir() + "'").status, 1);
  EXPECT_EQ(RunCli("rarity --bogus").status, 2);
}

}  // namespace
}  // namespace quotella
