#include "locator.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "literals.h"
#include "test_platform.h"

namespace {

constexpr char kUntouched[] = "untouched";

struct LocateCase {
  const char* label;
  bool registered;
  std::string value;
  int result;
  std::string dir;  // the destination afterwards
};

// A program path of exactly |length| characters, C:\ddd...\eee...\tarvex.exe;
// its folder goes to |folder|.
std::string LongProgramPath(size_t length, std::string* folder) {
  const std::string name = kInterpreterSuffix;
  std::string dir = "C:\\";
  while (dir.size() + 61 + name.size() < length)
    dir += std::string(60, 'd') + "\\";
  dir += std::string(length - dir.size() - name.size() - 1, 'e') + "\\";
  *folder = dir;
  return dir + name;
}

std::vector<LocateCase> LocateCases() {
  std::string folder_1023;
  std::string path_1023 = LongProgramPath(1023, &folder_1023);
  std::string unused;
  std::string path_1024 = LongProgramPath(1024, &unused);
  EXPECT_EQ(1023u, path_1023.size());
  EXPECT_EQ(1024u, path_1024.size());
  return {
      {"quoted path with a blank", true, "\"C:\\Program Files\\Rt\\tarvex.exe\" \"%1\"", 1, "C:\\Program Files\\Rt\\"},
      {"unquoted path", true, "C:\\Rt\\tarvex.exe %1", 1, "C:\\Rt\\"},
      {"forward slashes", true, "C:/Rt/tarvex.exe", 1, "C:/Rt/"},
      {"switch after quoted path", true, "\"D:\\Rt\\tarvex.exe\" /open \"%1\"", 1, "D:\\Rt\\"},
      {"switch after unquoted upper-case path", true, "C:\\Program Files\\Rt\\TARVEX.EXE /open %1", 1,
       "C:\\Program Files\\Rt\\"},
      {"separator first", true, "\\tarvex.exe", 1, "\\"},
      {"blank before the quote", true, " \"C:\\Rt\\tarvex.exe\" \"%1\"", 1, " \"C:\\Rt\\"},
      {"mixed separators", true, "\"C:\\Rt/bin\\tarvex.exe\"", 1, "C:\\Rt/bin\\"},
      {".exe inside a folder name", true, "C:\\a.exe.d\\tarvex.exe %1", 1, "C:\\a.exe.d\\"},
      {"no closing quote", true, "\"C:\\Rt\\tarvex.exe /open", 1, "C:\\Rt\\"},
      {"quoted bare name with a switch", true, "\"tarvex.exe\" /open", 0, kUntouched},
      {"bare name", true, "tarvex.exe %1", 0, kUntouched},
      {"empty value", true, "", 0, kUntouched},
      {"lone quote", true, "\"", 0, kUntouched},
      {"not registered", false, "", 0, kUntouched},
      {"1023 characters", true, path_1023, 1, folder_1023},
      {"1024 characters", true, path_1024, 0, kUntouched},
  };
}

TEST(LocateRuntimeDirTest, TakesTheFolderOfTheProgramPath) {
  for (const LocateCase& c : LocateCases()) {
    SCOPED_TRACE(c.label);
    TestPlatform platform;
    platform.registered = c.registered;
    platform.open_command = c.value;
    char dir[kRuntimeDirSize];
    strcpy(dir, kUntouched);

    EXPECT_EQ(c.result, LocateRuntimeDir(platform, dir, sizeof dir));
    EXPECT_EQ(c.dir, dir);
    EXPECT_EQ("vorn_file\\shell\\open\\command", platform.queried_subkey);
    EXPECT_EQ(1024u, platform.queried_buffer_size);
  }
}

// Every read stays within the bytes the query returned: the buffers here
// are exactly that long, so AddressSanitizer catches a read beyond them.
TEST(ExtractRuntimeDirTest, ReadsOnlyTheReturnedBytes) {
  struct BoundsCase {
    const char* label;
    std::string bytes;  // exactly what the query returned, NUL or not
    int result;
    std::string dir;
  };
  const BoundsCase cases[] = {
      {"nothing returned", "", 0, kUntouched},
      {"no NUL within the count", "C:\\Rt\\tarvex.exe", 1, "C:\\Rt\\"},
      {"no NUL, cut inside the folder", "C:\\Rt\\tar", 1, "C:\\Rt\\"},
      {"no NUL, ends in a separator", "\"C:\\Rt\\", 1, "C:\\Rt\\"},
      {"text ends before the count", std::string("C:\\Rt\\t.exe\0D:\\Other\\", 22), 1, "C:\\Rt\\"},
      {"NUL first", std::string("\0C:\\Rt\\", 7), 0, kUntouched},
  };
  for (const BoundsCase& c : cases) {
    SCOPED_TRACE(c.label);
    std::vector<char> value(c.bytes.begin(), c.bytes.end());
    char dir[kRuntimeDirSize];
    strcpy(dir, kUntouched);
    EXPECT_EQ(c.result, ExtractRuntimeDir(value.data(), value.size(), dir, sizeof dir));
    EXPECT_EQ(c.dir, dir);
  }
}

TEST(ExtractRuntimeDirTest, LeavesTheDestinationWhenThePrefixDoesNotFit) {
  const char value[] = "C:\\Rt\\tarvex.exe";
  std::vector<char> dir(6, 'z');  // "C:\Rt\" needs 7 bytes with its NUL
  EXPECT_EQ(0, ExtractRuntimeDir(value, sizeof value, dir.data(), dir.size()));
  EXPECT_EQ(std::string(6, 'z'), std::string(dir.begin(), dir.end()));

  std::vector<char> exact(7, 'z');
  EXPECT_EQ(1, ExtractRuntimeDir(value, sizeof value, exact.data(), exact.size()));
  EXPECT_STREQ("C:\\Rt\\", exact.data());
}

}  // namespace
