// libFuzzer target for the runtime-folder rule: any bytes the registry could
// return, in a buffer exactly that long so AddressSanitizer sees any read
// beyond it, into destinations of the launcher's size and of a size the
// input picks.
#include <stdint.h>
#include <stdlib.h>
#include <string.h>

#include "literals.h"
#include "locator.h"

namespace {

int IsSeparator(char c) { return c == '\\' || c == '/'; }

void Check(const char* value, size_t size, size_t dir_size) {
  char* dir = static_cast<char*>(malloc(dir_size));
  memset(dir, 'M', dir_size);
  dir[0] = '\0';

  int result = ExtractRuntimeDir(value, size, dir, dir_size);
  size_t length = strnlen(dir, dir_size);
  if (length == dir_size)
    abort();  // not terminated within the destination
  if (!result) {
    if (length != 0 || dir[1] != 'M')
      abort();  // a failed call must leave the destination as it was
  } else {
    if (length == 0 || !IsSeparator(dir[length - 1]) || length >= kRuntimeDirSize)
      abort();
    // The folder is the start of the value, less an opening quote.
    size_t start = value[0] == '"' ? 1 : 0;
    if (start + length > size || memcmp(dir, value + start, length) != 0)
      abort();
  }
  free(dir);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  char* value = static_cast<char*>(malloc(size ? size : 1));
  if (size)
    memcpy(value, data, size);
  Check(value, size, kRuntimeDirSize);
  Check(value, size, size % 32 + 2);
  free(value);
  return 0;
}
