#include "payload.h"

#include <stdio.h>

#include "literals.h"
#include "path.h"
#include "platform.h"

namespace {

// Fixed texts only, nothing composed: where TraceMessage does nothing, the
// compiler can then drop the texts and every step that leads to them.
void TracePayloadFailure(Platform& platform, const char* reason, const char* path) {
  platform.TraceMessage(reason);
  platform.TraceMessage(path);
}

}  // namespace

int WriteWholeFile(const char* path, const void* bytes, size_t size) {
  FILE* file = fopen(path, "wb");
  if (!file)
    return 0;
  int written = size == 0 || fwrite(bytes, size, 1, file) == 1;
  // The close flushes the stream, so a full disk may only show here.
  int closed = fclose(file) == 0;
  return written && closed;
}

void WritePayload(Platform& platform, const char* name, const char* target_suffix, const char* runtime_dir) {
  char target[kPathSize];
  char temp[kPathSize];
  if (!BuildPath(target, sizeof target, runtime_dir, target_suffix) ||
      !BuildPath(temp, sizeof temp, target, kTempFileSuffix)) {
    TracePayloadFailure(platform, kTracePayloadPathTooLong, target_suffix);
    return;
  }

  const void* bytes = nullptr;
  size_t size = 0;
  if (!platform.FindPayload(kPayloadType, name, &bytes, &size)) {
    TracePayloadFailure(platform, kTracePayloadMissing, target);
    return;
  }
  // A rename would replace a read-only file on some systems; the launcher
  // leaves it alone everywhere, as Windows itself would.
  if (platform.IsReadOnlyFile(target)) {
    TracePayloadFailure(platform, kTracePayloadReadOnly, target);
    return;
  }
  if (!WriteWholeFile(temp, bytes, size)) {
    remove(temp);
    TracePayloadFailure(platform, kTracePayloadWriteFailed, target);
    return;
  }
  if (!platform.ReplaceFile(temp, target)) {
    remove(temp);
    TracePayloadFailure(platform, kTracePayloadReplaceFailed, target);
  }
}
