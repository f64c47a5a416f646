// Finds the script runtime's directory from its registered open command.
#ifndef LAUNCHER_LOCATOR_H_
#define LAUNCHER_LOCATOR_H_

#include <stddef.h>

class Platform;

// Takes the runtime directory from an open command: from
// "C:\Program Files\Rt\tarvex.exe" "%1" it takes C:\Program Files\Rt\ (quote dropped).
// |value| holds |value_bytes| bytes as read (the text ends at the first NUL
// among them, or after the last of them). Only the program path is searched
// for its last separator (\ or /), never the arguments:
//   - a value that opens with a double quote and has a closing one: the text
//     between the two;
//   - otherwise (after a lone opening quote, if any): the text up to the end
//     of the first ".exe", in any letter case, that is followed by a blank or
//     ends the value, or the whole text when there is no such ".exe".
// On success writes everything of the command up to and including that
// separator, less an opening quote, NUL-terminated, into |dir| and returns 1.
// Returns 0 and leaves |dir| untouched when there is no separator or the
// prefix would not fit in |dir_size| bytes.
int ExtractRuntimeDir(const char* value, size_t value_bytes, char* dir, size_t dir_size);

// Reads the open command of the runtime's file type from the registry and
// puts its directory into |dir| (see ExtractRuntimeDir). Returns 1 when done;
// 0 when the runtime is not registered or its command names no directory,
// with |dir| untouched.
int LocateRuntimeDir(Platform& platform, char* dir, size_t dir_size);

#endif  // LAUNCHER_LOCATOR_H_
