#include "start_failure.h"

#include <gtest/gtest.h>

#include <stdint.h>

#include <string>

namespace {

TEST(StartFailureMessageTest, GivesTheMessageOfEachKnownCodeByteForByte) {
  struct Known {
    uintptr_t code;
    const char* message;
  };
  const Known known[] = {
      {0, "Out of memory"},
      {2, "The specified file was not found. "},
      {3, "The specified path was not found. "},
      {5, "The operating system denied access to the specified file.  "},
      {8, " There was not enough memory to complete the operation. "},
      {11, " The .exe file is invalid (non-Win32\xAE .exe or error in .exe image)."},
      {26, "A sharing violation occurred."},
      {27, "The file name association is incomplete or invalid. "},
      {28, " The DDE transaction could not be completed because the request timed out. "},
      {29, " The DDE transaction failed. "},
      {30, " The DDE transaction could not be completed because other DDE transactions were being processed. "},
      {31, " There is no application associated with the given file name extension. This error will also be "
           "returned if you attempt to print a file that is not printable. "},
      {32, "The specified dynamic-link library was not found.  "},
  };
  for (const Known& k : known) {
    SCOPED_TRACE(k.code);
    const char* message = StartFailureMessage(k.code);
    ASSERT_NE(nullptr, message);
    EXPECT_EQ(std::string(k.message), message);
  }
}

// The registered sign is one byte of the ANSI code page, not UTF-8.
TEST(StartFailureMessageTest, RegisteredSignIsOneAnsiByte) {
  const std::string message = StartFailureMessage(11);
  EXPECT_NE(std::string::npos, message.find("Win32\xAE .exe"));
  EXPECT_EQ(std::string::npos, message.find("\xC2"));
}

TEST(StartFailureMessageTest, OtherCodesHaveNone) {
  const uintptr_t without[] = {1, 4, 6, 7, 9, 10, 12, 13, 14, 15, 16, 17, 18, 19, 20,
                               21, 22, 23, 24, 25, 33, 34, 42, 256, UINTPTR_MAX};
  for (uintptr_t code : without) {
    SCOPED_TRACE(code);
    EXPECT_EQ(nullptr, StartFailureMessage(code));
  }
}

}  // namespace
