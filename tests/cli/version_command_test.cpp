#include <gtest/gtest.h>

#include "support/clirunner.h"

namespace quotella {
namespace {

TEST(VersionCommand, ReportsTheVersionTheBuildDeclaresAndTakesNoArguments) {
  const test::CliRun run = test::RunCli("version");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, std::string("quotella-cli ") + QUOTELLA_PROJECT_VERSION + "\n");

  const test::CliRun extra = test::RunCli("version now", true);
  EXPECT_NE(extra.status, 0);
  EXPECT_NE(extra.out.find("version takes no arguments"), std::string::npos) << extra.out;
}

}  // namespace
}  // namespace quotella
