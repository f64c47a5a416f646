// The launcher's whole run: locate the runtime, write the packages, start
// the interpreter.
#ifndef LAUNCHER_LAUNCH_H_
#define LAUNCHER_LAUNCH_H_

#include <stdint.h>

class Platform;

// Starts the interpreter in |runtime_dir| (empty: the bare file name, found
// by the platform's search rules) with the fixed start parameter. Returns the
// start result: above 32 when started, else an error code.
uintptr_t StartRuntime(Platform& platform, const char* runtime_dir);

// Runs the launch sequence once and returns the process exit status, which
// is the same whatever happened. Nothing is shown to the user; a failed start
// is reported through TraceMessage only.
int RunLauncher(Platform& platform);

#endif  // LAUNCHER_LAUNCH_H_
