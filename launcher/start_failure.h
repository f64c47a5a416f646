// Messages for the error codes a failed program start can report.
#ifndef LAUNCHER_START_FAILURE_H_
#define LAUNCHER_START_FAILURE_H_

#include <stdint.h>

// Returns the message for start result |code|, or null when the code has
// none (a successful start, above 32, never has one).
const char* StartFailureMessage(uintptr_t code);

#endif  // LAUNCHER_START_FAILURE_H_
