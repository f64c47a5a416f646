#include "path.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(BuildPathTest, AppendsTheSuffixWithinTheBuffer) {
  struct Case {
    const char* prefix;
    const char* suffix;
    int result;
    const char* path;
  };
  // The buffer holds 12 characters and the NUL.
  const Case cases[] = {
      {"C:\\Rt\\", "S1.PKG", 1, "C:\\Rt\\S1.PKG"},
      {"", "tarvex.exe", 1, "tarvex.exe"},
      {"C:\\Rt\\", "S1.PKG1", 0, ""},
      {"C:\\Runtime\\Dir\\", "", 0, ""},
      {"", "", 1, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.prefix) + " + " + c.suffix);
    char out[14];
    out[13] = 'X';  // must survive: only 13 bytes are handed over
    EXPECT_EQ(c.result, BuildPath(out, 13, c.prefix, c.suffix));
    EXPECT_STREQ(c.path, out);
    EXPECT_EQ('X', out[13]);
  }
}

}  // namespace
