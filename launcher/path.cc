#include "path.h"

#include <string.h>

// Plain copies rather than snprintf: on Windows the C library's formatted
// output would cost more than the rest of the program.
int BuildPath(char* out, size_t size, const char* prefix, const char* suffix) {
  size_t prefix_length = strlen(prefix);
  size_t suffix_length = strlen(suffix);
  if (size == 0)
    return 0;
  if (prefix_length >= size || suffix_length >= size - prefix_length) {
    out[0] = '\0';
    return 0;
  }
  memcpy(out, prefix, prefix_length);
  memcpy(out + prefix_length, suffix, suffix_length + 1);
  return 1;
}
