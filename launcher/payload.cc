#include "payload.h"

#include <stdio.h>

#include "literals.h"
#include "platform.h"

namespace {

void TracePayloadFailure(Platform& platform, const char* format, const char* name) {
  char text[256];
  snprintf(text, sizeof text, format, name);
  platform.TraceMessage(text);
}

}  // namespace

int BuildPath(char* out, size_t size, const char* prefix, const char* suffix) {
  int length = snprintf(out, size, "%s%s", prefix, suffix);
  return length >= 0 && static_cast<size_t>(length) < size;
}

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
  const void* bytes = nullptr;
  size_t size = 0;
  if (!platform.FindPayload(kPayloadType, name, &bytes, &size)) {
    TracePayloadFailure(platform, kTracePayloadMissing, name);
    return;
  }

  char target[kPathSize];
  char temp[kPathSize];
  if (!BuildPath(target, sizeof target, runtime_dir, target_suffix) ||
      !BuildPath(temp, sizeof temp, target, kTempFileSuffix)) {
    TracePayloadFailure(platform, kTracePayloadPathTooLong, name);
    return;
  }

  // A rename would replace a read-only file on some systems; the launcher
  // leaves it alone everywhere, as Windows itself would.
  if (platform.IsReadOnlyFile(target)) {
    TracePayloadFailure(platform, kTracePayloadReadOnly, name);
    return;
  }
  if (!WriteWholeFile(temp, bytes, size)) {
    remove(temp);
    TracePayloadFailure(platform, kTracePayloadWriteFailed, name);
    return;
  }
  if (!platform.ReplaceFile(temp, target)) {
    remove(temp);
    TracePayloadFailure(platform, kTracePayloadReplaceFailed, name);
  }
}
