// Every Win32 call the launcher makes, and its entry point.
#include <windows.h>
#include <shellapi.h>

#include "launch.h"
#include "platform.h"

namespace {

class Win32Platform final : public Platform {
 public:
  int ReadClassesRootText(const char* subkey, char* buffer, size_t* byte_count) override {
    LONG count = static_cast<LONG>(*byte_count);
    if (RegQueryValueA(HKEY_CLASSES_ROOT, subkey, buffer, &count) != ERROR_SUCCESS)
      return 0;
    *byte_count = count < 0 ? 0 : static_cast<size_t>(count);
    return 1;
  }

  int FindPayload(const char* type, const char* name, const void** bytes, size_t* size) override {
    // A null module is the program's own image.
    HRSRC found = FindResourceA(nullptr, name, type);
    if (!found)
      return 0;
    HGLOBAL loaded = LoadResource(nullptr, found);
    if (!loaded)
      return 0;
    const void* locked = LockResource(loaded);
    if (!locked)
      return 0;
    *bytes = locked;
    *size = SizeofResource(nullptr, found);
    return 1;
  }

  int IsReadOnlyFile(const char* path) override {
    DWORD attributes = GetFileAttributesA(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
  }

  int ReplaceFile(const char* from, const char* to) override {
    // The C library's rename refuses an existing target on Windows.
    return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING) != 0;
  }

  uintptr_t StartProgram(const char* path, const char* parameter) override {
    // No owner window, the default verb, the current directory.
    HINSTANCE result = ShellExecuteA(nullptr, nullptr, path, parameter, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<uintptr_t>(result);
  }

  void TraceMessage(const char* text) override {
#ifdef LAUNCHER_TRACE
    OutputDebugStringA(text);
#else
    (void)text;
#endif
  }
};

}  // namespace

// The launcher takes no command line and has no window of its own.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  Win32Platform platform;
  return RunLauncher(platform);
}
