// Writes the packages the program carries into the runtime's title folder.
#ifndef LAUNCHER_PAYLOAD_H_
#define LAUNCHER_PAYLOAD_H_

#include <stddef.h>

class Platform;

// Writes |size| bytes to a new file |path| through a C stream, checking the
// open, the write and the close. Returns 1 when all of it reached the file.
int WriteWholeFile(const char* path, const void* bytes, size_t size);

// Replaces the file |runtime_dir| + |target_suffix| with the bytes of the
// carried package |name|. The bytes go to a temporary file beside the target
// first and are moved over it only once complete, so the target is either
// replaced whole or left exactly as it was: when the package is not carried,
// the target is read-only, or anything fails on the way. No temporary file is
// left behind. A failure is traced as two texts, the reason and the target
// path; the launch goes on.
void WritePayload(Platform& platform, const char* name, const char* target_suffix, const char* runtime_dir);

#endif  // LAUNCHER_PAYLOAD_H_
