#include "launch.h"

#include "literals.h"
#include "locator.h"
#include "path.h"
#include "payload.h"
#include "platform.h"
#include "start_failure.h"

namespace {

// The start result for an interpreter path that could not be built.
constexpr uintptr_t kStartPathNotFound = 3;

// Start results above this mean the program started.
constexpr uintptr_t kLastStartError = 32;

}  // namespace

uintptr_t StartRuntime(Platform& platform, const char* runtime_dir) {
  char interpreter[kPathSize];
  if (!BuildPath(interpreter, sizeof interpreter, runtime_dir, kInterpreterSuffix))
    return kStartPathNotFound;
  return platform.StartProgram(interpreter, kStartParameter);
}

int RunLauncher(Platform& platform) {
  // Stays empty when the runtime is not registered: every path below is then
  // relative to the current directory.
  char RuntimeDir[kRuntimeDirSize] = "";
  LocateRuntimeDir(platform, RuntimeDir, sizeof RuntimeDir);

  WritePayload(platform, kPayload1Name, kPayload1Suffix, RuntimeDir);
  WritePayload(platform, kPayload2Name, kPayload2Suffix, RuntimeDir);

  uintptr_t result = StartRuntime(platform, RuntimeDir);
  if (result <= kLastStartError) {
    if (const char* message = StartFailureMessage(result))
      platform.TraceMessage(message);
  }
  return kExitStatus;
}
