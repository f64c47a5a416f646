// The operating system behind one small interface: the few things the
// launcher needs from it, with every platform error turned into a plain
// result. platform-win32.cc holds the real one; tests supply fakes.
#ifndef LAUNCHER_PLATFORM_H_
#define LAUNCHER_PLATFORM_H_

#include <stddef.h>
#include <stdint.h>

class Platform {
 public:
  // Reads the default value of |subkey| below HKEY_CLASSES_ROOT as text into
  // |buffer|. On entry |*byte_count| is the buffer's size; on success it is
  // the number of bytes stored, the terminating NUL included. Returns 1 when
  // the value was read, 0 on any failure (missing key, no access, a value
  // longer than the buffer).
  virtual int ReadClassesRootText(const char* subkey, char* buffer, size_t* byte_count) = 0;

  // Finds the resource |name| of type |type| carried in the program's own
  // image. Returns 1 with its bytes and length, or 0 when it cannot be found,
  // loaded or locked.
  virtual int FindPayload(const char* type, const char* name, const void** bytes, size_t* size) = 0;

  // Returns 1 when |path| names an existing file that is marked read-only,
  // 0 otherwise (a missing file is not read-only).
  virtual int IsReadOnlyFile(const char* path) = 0;

  // Moves the file |from| over |to|, replacing an existing |to|. Returns 1
  // when done, 0 when not (|to| is then as it was).
  virtual int ReplaceFile(const char* from, const char* to) = 0;

  // Starts the program file |path| with the single parameter string
  // |parameter|, in the current directory, and does not wait for it. Returns
  // a value above 32 when it started, else an error code from 0 to 32.
  virtual uintptr_t StartProgram(const char* path, const char* parameter) = 0;

  // Hands a diagnostic text to wherever the build sends it: nowhere in a
  // normal build, so a player never sees it.
  virtual void TraceMessage(const char* text) = 0;

 protected:
  ~Platform() = default;
};

#endif  // LAUNCHER_PLATFORM_H_
