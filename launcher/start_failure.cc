#include "start_failure.h"

namespace {

struct StartFailure {
  uintptr_t code;
  const char* message;
};

// The codes the shell's start call reports, with their messages exactly as
// the platform documents them, blanks included. Texts are in the ANSI code
// page: \xAE is the registered sign. Codes not listed here have no message.
const StartFailure StartFailureTable[] = {
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

}  // namespace

const char* StartFailureMessage(uintptr_t code) {
  for (const StartFailure& failure : StartFailureTable) {
    if (failure.code == code)
      return failure.message;
  }
  return nullptr;
}
