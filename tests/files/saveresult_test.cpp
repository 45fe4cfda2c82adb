#include "core/saveresult.h"

#include <gtest/gtest.h>

#include "core/textio.h"
#include "filestest.h"

namespace quotella {
namespace {

using test::ReadAll;

TEST(SaveResult, AFailedSaveNamesThePathAndTheReasonAfterTheProgramsMessage) {
  test::TempDir dir;
  const std::string missing = dir.Path("gone/ünïcode.txt");
  const SaveResult failed = WriteLinesAtomic(missing, {"one", "two"});
  ASSERT_FALSE(failed.ok());
  EXPECT_EQ(failed.reason(), "no such folder");
  EXPECT_EQ(failed.Message("Could not save file ", missing),
            "Could not save file " + missing + ": no such folder");
  // A message that already ends in the path does not name it twice.
  EXPECT_EQ(failed.Message("Could not save " + missing, missing),
            "Could not save " + missing + ": no such folder");
  EXPECT_FALSE(FileExists(missing));
}

TEST(SaveResult, AWrittenFileIsOkAndHoldsTheBytes) {
  test::TempDir dir;
  const std::string path = dir.Path("grid.svg");
  const SaveResult saved = WriteFileAtomic(path, "<svg/>");
  EXPECT_TRUE(saved.ok());
  EXPECT_EQ(ReadAll(path), "<svg/>");
  EXPECT_FALSE(SaveResult::Failed("").ok()) << "a failure without words is still a failure";
}

}  // namespace
}  // namespace quotella
