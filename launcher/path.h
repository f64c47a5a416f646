// Building paths from the runtime directory and fixed suffixes.
#ifndef LAUNCHER_PATH_H_
#define LAUNCHER_PATH_H_

#include <stddef.h>

// Writes |prefix| (empty, or ending in a separator) followed by |suffix| into
// |out|, NUL-terminated. Returns 1, or 0 when it does not fit in |size|
// bytes (|out| then holds an empty text).
int BuildPath(char* out, size_t size, const char* prefix, const char* suffix);

#endif  // LAUNCHER_PATH_H_
