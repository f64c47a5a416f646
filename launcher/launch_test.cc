#include "launch.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <string>
#include <vector>

#include "literals.h"
#include "test_platform.h"

namespace {

constexpr char kParameter[] =
    "$ULK/VEK2DEMO/DEMO.vorn$%5fload+%22ulk%2fvek2demo%2fs1%2epkg%22%0d%0ago%0d%0amain%0d%0a";
constexpr char kS1Suffix[] = "Partition\\Ulk\\Vek2demo\\S1.PKG";
constexpr char kS2Suffix[] = "Partition\\Ulk\\Vek2demo\\S2.PKG";

// The runtime is registered in a scratch folder; on Linux a backslash is an
// ordinary file-name character, so the packages land in that folder under
// names such as "Partition\Ulk\Vek2demo\S1.PKG".
class RunLauncherTest : public testing::Test {
 protected:
  RunLauncherTest() {
    platform_.registered = true;
    platform_.open_command = "\"" + dir_.prefix() + "tarvex.exe\" /open \"%1\"";
    platform_.payloads = {{"S1", PackageBytes('1', 6387)}, {"S2", PackageBytes('2', 1778)}};
  }

  // The seam calls, less the file checks, in order.
  std::vector<std::string> MainCalls() const {
    std::vector<std::string> main;
    for (const std::string& call : platform_.calls) {
      if (call.rfind("IsReadOnlyFile", 0) != 0 && call.rfind("ReplaceFile", 0) != 0)
        main.push_back(call);
    }
    return main;
  }

  ScratchDir dir_;
  TestPlatform platform_;
};

TEST_F(RunLauncherTest, LocatesWritesBothPackagesThenStarts) {
  EXPECT_EQ(1, RunLauncher(platform_));

  const std::vector<std::string> expected = {
      "ReadClassesRootText",
      "FindPayload PKG S1",
      "FindPayload PKG S2",
      "StartProgram " + dir_.prefix() + "tarvex.exe",
  };
  EXPECT_EQ(expected, MainCalls());
  EXPECT_EQ(kParameter, platform_.started_parameter);
  EXPECT_EQ(platform_.payloads[0].bytes, ReadFile(dir_.prefix() + kS1Suffix));
  EXPECT_EQ(platform_.payloads[1].bytes, ReadFile(dir_.prefix() + kS2Suffix));
  EXPECT_EQ((std::set<std::string>{kS1Suffix, kS2Suffix}), dir_.Entries());
  EXPECT_TRUE(platform_.traces.empty());
}

TEST_F(RunLauncherTest, TracesOnlyTheMessageOfAFailedStart) {
  struct Case {
    uintptr_t start_result;
    std::vector<std::string> traces;
  };
  const Case cases[] = {
      {28, {" The DDE transaction could not be completed because the request timed out. "}},
      {5, {"The operating system denied access to the specified file.  "}},
      {0, {"Out of memory"}},
      {1, {}},
      {33, {}},
      {42, {}},
      {UINTPTR_MAX, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.start_result);
    platform_.start_result = c.start_result;
    platform_.traces.clear();
    EXPECT_EQ(1, RunLauncher(platform_));
    EXPECT_EQ(c.traces, platform_.traces);
  }
}

TEST_F(RunLauncherTest, NotRegisteredUsesPathsRelativeToTheCurrentFolder) {
  platform_.registered = false;
  platform_.start_result = 2;
  char previous[4096];
  ASSERT_NE(nullptr, getcwd(previous, sizeof previous));
  ASSERT_EQ(0, chdir(dir_.path().c_str()));
  int status = RunLauncher(platform_);
  ASSERT_EQ(0, chdir(previous));

  EXPECT_EQ(1, status);
  EXPECT_EQ("tarvex.exe", platform_.started_path);
  EXPECT_EQ(kParameter, platform_.started_parameter);
  EXPECT_EQ(platform_.payloads[0].bytes, ReadFile(dir_.prefix() + kS1Suffix));
  EXPECT_EQ(platform_.payloads[1].bytes, ReadFile(dir_.prefix() + kS2Suffix));
  EXPECT_EQ(std::vector<std::string>{"The specified file was not found. "}, platform_.traces);
}

TEST_F(RunLauncherTest, APackageFailureStopsNothing) {
  platform_.payloads.erase(platform_.payloads.begin());  // S1 not carried
  EXPECT_EQ(1, RunLauncher(platform_));

  EXPECT_EQ(platform_.payloads[0].bytes, ReadFile(dir_.prefix() + kS2Suffix));
  EXPECT_EQ(std::set<std::string>{kS2Suffix}, dir_.Entries());
  EXPECT_EQ("StartProgram " + dir_.prefix() + "tarvex.exe", MainCalls().back());
  ASSERT_EQ(2u, platform_.traces.size());
  EXPECT_NE(std::string::npos, platform_.traces[0].find("does not carry it"));
  EXPECT_EQ(dir_.prefix() + kS1Suffix, platform_.traces[1]);
}

}  // namespace
