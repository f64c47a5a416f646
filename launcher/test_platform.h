// Test helpers: a scriptable Platform and a scratch folder.
#ifndef LAUNCHER_TEST_PLATFORM_H_
#define LAUNCHER_TEST_PLATFORM_H_

#include <stdint.h>
#include <stdio.h>
#include <string.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "platform.h"

// A Platform whose registry, resources and start call are scripted and
// recorded. Files are real: read-only checks and replacing use the host's
// file system, as the Win32 platform uses Windows'.
class TestPlatform final : public Platform {
 public:
  struct Payload {
    std::string name;
    std::string bytes;
  };

  // Scripted.
  bool registered = false;
  std::string open_command;  // the registry value, without its NUL
  std::vector<Payload> payloads;
  bool fail_replace = false;
  uintptr_t start_result = 42;

  // Recorded.
  std::vector<std::string> calls;
  std::vector<std::string> traces;
  std::string queried_subkey;
  size_t queried_buffer_size = 0;
  std::string started_path;
  std::string started_parameter;

  int ReadClassesRootText(const char* subkey, char* buffer, size_t* byte_count) override {
    calls.push_back("ReadClassesRootText");
    queried_subkey = subkey;
    queried_buffer_size = *byte_count;
    // Like the registry: a value that does not fit with its NUL fails.
    if (!registered || open_command.size() + 1 > *byte_count)
      return 0;
    memcpy(buffer, open_command.c_str(), open_command.size() + 1);
    *byte_count = open_command.size() + 1;
    return 1;
  }

  int FindPayload(const char* type, const char* name, const void** bytes, size_t* size) override {
    calls.push_back(std::string("FindPayload ") + type + " " + name);
    for (const Payload& payload : payloads) {
      if (payload.name == name) {
        *bytes = payload.bytes.data();
        *size = payload.bytes.size();
        return 1;
      }
    }
    return 0;
  }

  int IsReadOnlyFile(const char* path) override {
    calls.push_back(std::string("IsReadOnlyFile ") + path);
    struct stat status;
    return stat(path, &status) == 0 && (status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
  }

  int ReplaceFile(const char* from, const char* to) override {
    calls.push_back(std::string("ReplaceFile ") + to);
    return !fail_replace && rename(from, to) == 0;
  }

  uintptr_t StartProgram(const char* path, const char* parameter) override {
    calls.push_back(std::string("StartProgram ") + path);
    started_path = path;
    started_parameter = parameter;
    return start_result;
  }

  void TraceMessage(const char* text) override { traces.push_back(text); }
};

// A fresh, empty folder, removed with everything in it at the end.
class ScratchDir {
 public:
  ScratchDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "launcher-test-XXXXXX").string();
    path_ = mkdtemp(pattern.data()) ? pattern : std::string();
  }
  ~ScratchDir() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
    std::filesystem::remove_all(path_, ignored);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  const std::string& path() const { return path_; }
  // The folder as a prefix ending in a separator.
  std::string prefix() const { return path_ + "/"; }

  std::set<std::string> Entries() const {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_))
      names.insert(entry.path().filename().string());
    return names;
  }

 private:
  std::string path_;
};

inline std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// Package bytes that a text-mode write or a string copy would damage.
inline std::string PackageBytes(char seed, size_t size) {
  std::string bytes;
  const char pattern[] = {'\r', '\n', '\x1a', '\0', '\n', '\xae'};
  for (size_t i = 0; i < size; ++i)
    bytes.push_back(i % 3 ? pattern[(i + seed) % sizeof pattern] : static_cast<char>(seed + i));
  return bytes;
}

#endif  // LAUNCHER_TEST_PLATFORM_H_
