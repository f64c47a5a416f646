#include "payload.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <string>

#include "test_platform.h"

namespace {

constexpr char kTarget[] = "S1.PKG";

class WritePayloadTest : public testing::Test {
 protected:
  WritePayloadTest() { platform_.payloads = {{"S1", PackageBytes('a', 6387)}}; }

  std::string TargetPath() const { return dir_.prefix() + kTarget; }
  void Write() { WritePayload(platform_, "S1", kTarget, dir_.prefix().c_str()); }

  ScratchDir dir_;
  TestPlatform platform_;
};

TEST_F(WritePayloadTest, ReplacesAnyOldContentExactly) {
  struct Case {
    const char* label;
    bool exists;
    std::string old_content;
  };
  const Case cases[] = {
      {"no file yet", false, ""},
      {"longer file", true, PackageBytes('z', 9000)},
      {"shorter file", true, "old"},
      {"empty file", true, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    std::filesystem::remove(TargetPath());
    if (c.exists)
      WriteFile(TargetPath(), c.old_content);

    Write();
    EXPECT_EQ(platform_.payloads[0].bytes, ReadFile(TargetPath()));
    // A second run leaves the same bytes.
    Write();
    EXPECT_EQ(platform_.payloads[0].bytes, ReadFile(TargetPath()));
    EXPECT_EQ(std::set<std::string>{kTarget}, dir_.Entries());
    EXPECT_TRUE(platform_.traces.empty());
  }
}

// Every failure leaves the old package exactly as it was, and no temporary
// file behind, and says why through TraceMessage.
TEST_F(WritePayloadTest, FailureKeepsTheOldPackage) {
  struct Case {
    const char* label;
    bool carried;
    size_t payload_size;
    bool read_only;
    rlim_t file_size_limit;  // 0: none
    bool fail_replace;
    const char* trace;
  };
  const Case cases[] = {
      {"package not carried", false, 6387, false, 0, false, "the program does not carry it"},
      {"target read-only", true, 6387, true, 0, false, "Package not written: the existing file is read-only:"},
      // Larger than the stream's buffer: the write itself fails.
      {"write fails (file size limit)", true, 6387, false, 1000, false, "the new file could not be written"},
      // Fits the stream's buffer: only the flush at the close fails.
      {"close fails (file size limit)", true, 1500, false, 1000, false, "the new file could not be written"},
      {"replace fails", true, 6387, false, 0, true, "the existing file could not be replaced"},
  };
  const std::string old_content = PackageBytes('o', 2000);
  signal(SIGXFSZ, SIG_IGN);  // a write past the limit then fails with EFBIG
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    TestPlatform platform;
    if (c.carried)
      platform.payloads = {{"S1", PackageBytes('n', c.payload_size)}};
    platform.fail_replace = c.fail_replace;
    chmod(TargetPath().c_str(), 0644);
    WriteFile(TargetPath(), old_content);
    chmod(TargetPath().c_str(), c.read_only ? 0444 : 0644);

    struct rlimit saved;
    getrlimit(RLIMIT_FSIZE, &saved);
    if (c.file_size_limit) {
      struct rlimit limited = saved;
      limited.rlim_cur = c.file_size_limit;
      ASSERT_EQ(0, setrlimit(RLIMIT_FSIZE, &limited));
    }
    WritePayload(platform, "S1", kTarget, dir_.prefix().c_str());
    setrlimit(RLIMIT_FSIZE, &saved);

    EXPECT_EQ(old_content, ReadFile(TargetPath()));
    EXPECT_EQ(std::set<std::string>{kTarget}, dir_.Entries());
    struct stat status;
    ASSERT_EQ(0, stat(TargetPath().c_str(), &status));
    EXPECT_EQ(c.read_only ? 0444u : 0644u, status.st_mode & 0777);
    ASSERT_EQ(2u, platform.traces.size());
    EXPECT_NE(std::string::npos, platform.traces[0].find(c.trace)) << platform.traces[0];
    EXPECT_EQ(TargetPath(), platform.traces[1]);
  }
  signal(SIGXFSZ, SIG_DFL);
}

TEST_F(WritePayloadTest, MissingTitleFolderIsNotCreated) {
  const std::string missing = dir_.prefix() + "Partition/";
  WritePayload(platform_, "S1", kTarget, missing.c_str());
  EXPECT_TRUE(dir_.Entries().empty());
  ASSERT_EQ(2u, platform_.traces.size());
  EXPECT_NE(std::string::npos, platform_.traces[0].find("the new file could not be written"));
  EXPECT_EQ(missing + kTarget, platform_.traces[1]);
}

TEST_F(WritePayloadTest, PathThatDoesNotFitIsNotWritten) {
  const std::string long_prefix = dir_.prefix() + std::string(1100, 'p') + "/";
  WritePayload(platform_, "S1", kTarget, long_prefix.c_str());
  EXPECT_TRUE(dir_.Entries().empty());
  EXPECT_EQ((std::vector<std::string>{"Package not written: its path is too long:", kTarget}), platform_.traces);
}

}  // namespace
