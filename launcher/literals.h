// Every fixed name and text the launcher uses, in one place.
//
// The registry key, folder and file names and the start parameter are
// dictated by the script runtime the launcher starts; they must not change.
#ifndef LAUNCHER_LITERALS_H_
#define LAUNCHER_LITERALS_H_

#include <stddef.h>

// The runtime's shell association below HKEY_CLASSES_ROOT. Its default value
// is the runtime's open command, e.g. "C:\Rt\tarvex.exe" "%1".
constexpr char kOpenCommandKey[] = "vorn_file\\shell\\open\\command";

// Room for the runtime directory prefix: up to 1023 characters and the NUL.
// The registry value is read into a buffer of the same size, so any prefix
// taken from it fits.
constexpr size_t kRuntimeDirSize = 1024;

// The interpreter, in the runtime directory.
constexpr char kInterpreterSuffix[] = "tarvex.exe";

// The one parameter the interpreter is started with: the script to run, then
// percent-encoded lines that load the first package. It is passed exactly as
// it stands here, never decoded or quoted.
constexpr char kStartParameter[] =
    "$ULK/VEK2DEMO/DEMO.vorn$%5fload+%22ulk%2fvek2demo%2fs1%2epkg%22%0d%0ago%0d%0amain%0d%0a";

// The two packages the program carries as resources, and where each goes
// below the runtime directory. The title's folder belongs to the installed
// title; the launcher never creates it.
constexpr char kPayloadType[] = "PKG";
constexpr char kPayload1Name[] = "S1";
constexpr char kPayload1Suffix[] = "Partition\\Ulk\\Vek2demo\\S1.PKG";
constexpr char kPayload2Name[] = "S2";
constexpr char kPayload2Suffix[] = "Partition\\Ulk\\Vek2demo\\S2.PKG";

// A package is first written beside its target under this added suffix and
// only then moved over the target, so a failed write never damages it.
constexpr char kTempFileSuffix[] = ".tmp";

// Any path the launcher builds: the longest prefix, the longest suffix, the
// temporary-file suffix and the NUL, with room to spare.
constexpr size_t kPathSize = kRuntimeDirSize + 64;
static_assert(kRuntimeDirSize - 1 + sizeof kPayload1Suffix - 1 + sizeof kTempFileSuffix <= kPathSize,
              "payload paths must fit");
static_assert(kRuntimeDirSize - 1 + sizeof kInterpreterSuffix <= kPathSize, "interpreter path must fit");

// Traced when a package is not written, each followed by the target path.
constexpr char kTracePayloadMissing[] = "Package not written: the program does not carry it; the existing file is kept:";
constexpr char kTracePayloadPathTooLong[] = "Package not written: its path is too long:";
constexpr char kTracePayloadReadOnly[] = "Package not written: the existing file is read-only:";
constexpr char kTracePayloadWriteFailed[] =
    "Package not written: the new file could not be written; the existing file is kept:";
constexpr char kTracePayloadReplaceFailed[] = "Package not written: the existing file could not be replaced:";

// The process exit status, whatever happened.
constexpr int kExitStatus = 1;

#endif  // LAUNCHER_LITERALS_H_
