// quotella-cli fill with the constructor's scored lists, on a small dictionary in a folder
// whose name has accents: the options, the scores in the report, and lists that cannot be
// read.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "scored_fixture.h"
#include "support/clirunner.h"

namespace quotella {
namespace {

using test::CliRun;
using test::RunCli;
using test::ShellQuote;

class ScoredFillCommand : public ::testing::Test {
 protected:
  // fill of the SEAT TALE ALE puzzle from the small dictionary, with these arguments.
  CliRun Fill(const std::string& args, bool withStderr = false) {
    return RunCli("fill --time-limit 0 --dict " + ShellQuote(m_dict) + " --quote " +
                      ShellQuote(test::kSeatTaleAleLine) + " " + args,
                  withStderr);
  }
  std::string List(const std::string& name, const std::string& text) {
    m_temp.Write(name, text);
    return ShellQuote(m_temp.Path(name));
  }

  test::TempDir m_temp;
  std::string m_dict = test::WriteSeatDictionary(m_temp);
};

TEST_F(ScoredFillCommand, ReportsEachListedAnswersScoreAndTheMeanOfTheFill) {
  const std::string list = List("mine.txt", "# mine\r\nsate\r\nALE;60\r\nsale;40\r\n");
  const CliRun text = Fill("--scored " + list + " --default-score 80");
  ASSERT_EQ(text.status, 0) << text.out;
  EXPECT_NE(text.out.find("mean score 70.0 of 2 scored answers\n  A SATE (scored 80)\n"
                          "  B TEAL\n  C ALE (scored 60)\n"),
            std::string::npos)
      << text.out;

  const CliRun json = Fill("--scored " + list + " --default-score 80 --json");
  ASSERT_EQ(json.status, 0) << json.out;
  const auto fill = nlohmann::json::parse(json.out)["fills"].at(0);
  EXPECT_EQ(fill["scores"], (nlohmann::json{{"A", 80}, {"C", 60}}));
  EXPECT_EQ(fill["meanScore"], 70.0);
  EXPECT_EQ(fill["scored"], 2);

  // A higher minimum rules ALE out: the fill takes SEAL and ATE, and no answer is scored.
  const CliRun strict = Fill("--scored " + list + " --default-score 80 --min-score 70");
  ASSERT_EQ(strict.status, 0) << strict.out;
  EXPECT_NE(strict.out.find("no scored answer\n  A SEAL\n  B TEAL\n  C ATE\n"), std::string::npos)
      << strict.out;
  // Without the lists the report is as it always was.
  const CliRun plain = Fill("");
  EXPECT_EQ(plain.out.find("score "), plain.out.find("score -"));
  EXPECT_EQ(plain.out.find("scored"), std::string::npos) << plain.out;
}

TEST_F(ScoredFillCommand, AListThatCannotBeReadIsNamedAndTheFillGoesOnWithTheRest) {
  const std::string missing = m_temp.Path("gone.txt");
  const std::string damaged = List("damaged.txt", "sate;80\nale;60\nale;x200\n");
  const CliRun r = Fill("--scored " + ShellQuote(missing) + " --scored " + damaged, true);
  ASSERT_EQ(r.status, 0) << r.out;
  EXPECT_NE(r.out.find("Could not read the scored word list " + missing), std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("damaged.txt has 1 bad line"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("  A SATE (scored 80)"), std::string::npos) << r.out;
}

TEST_F(ScoredFillCommand, WithoutTheDictionaryOnlyTheListsFillAndTheirWantIsExplained) {
  const std::string list = List("mine.txt", "sate;80\nale;60\n");
  const CliRun lacking = Fill("--scored " + list + " --no-dictionary");
  EXPECT_EQ(lacking.status, 1);
  EXPECT_NE(lacking.out.find("No fill exists: No word fits the answer starting with T. Words "
                             "come only from the scored word lists: the dictionary is not used"),
            std::string::npos)
      << lacking.out;

  const CliRun whole =
      Fill("--scored " + List("more.txt", "teal;55\n") + " --scored " + list + " --no-dictionary");
  ASSERT_EQ(whole.status, 0) << whole.out;
  EXPECT_NE(whole.out.find("mean score 65.0 of 3 scored answers"), std::string::npos) << whole.out;

  // Nothing to draw on, or options that make no sense: errors, and no fill is tried.
  const CliRun nothing =
      Fill("--scored " + ShellQuote(m_temp.Path("gone.txt")) + " --no-dictionary", true);
  EXPECT_EQ(nothing.status, 1);
  EXPECT_NE(nothing.out.find("--no-dictionary leaves nothing to fill with"), std::string::npos)
      << nothing.out;
  EXPECT_EQ(nothing.out.find("Fill 1"), std::string::npos);
  EXPECT_EQ(Fill("--no-dictionary").status, 2);
  EXPECT_EQ(Fill("--scored " + list + " --min-score 101").status, 2);
  EXPECT_EQ(Fill("--scored " + list + " --default-score -1").status, 2);
}

}  // namespace
}  // namespace quotella
