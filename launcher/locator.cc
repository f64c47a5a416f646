#include "locator.h"

#include <string.h>

#include "literals.h"
#include "platform.h"

namespace {

int IsSeparator(char c) { return c == '\\' || c == '/'; }

int IsBlank(char c) { return c == ' ' || c == '\t'; }

// Position of the first |c| among the first |length| characters of |text|,
// or |length| when there is none.
size_t IndexOf(const char* text, size_t length, char c) {
  size_t at = 0;
  while (at < length && text[at] != c)
    ++at;
  return at;
}

// The end of an unquoted program path, in lower case.
constexpr char kExe[] = ".exe";
constexpr size_t kExeLength = sizeof kExe - 1;

int IsExeAt(const char* text, size_t length, size_t at) {
  if (length - at < kExeLength)
    return 0;
  for (size_t i = 0; i < kExeLength; ++i) {
    char c = text[at + i];
    if (c >= 'A' && c <= 'Z')
      c = static_cast<char>(c - 'A' + 'a');
    if (c != kExe[i])
      return 0;
  }
  return 1;
}

// Length of an unquoted program path at the start of |text|: up to the end
// of the first ".exe" that ends the text or stands before a blank; the whole
// text when there is none.
size_t UnquotedProgramLength(const char* text, size_t length) {
  for (size_t at = 0; at < length; ++at) {
    if (!IsExeAt(text, length, at))
      continue;
    size_t end = at + kExeLength;
    if (end == length || IsBlank(text[end]))
      return end;
  }
  return length;
}

}  // namespace

int ExtractRuntimeDir(const char* value, size_t value_bytes, char* dir, size_t dir_size) {
  const size_t length = IndexOf(value, value_bytes, '\0');
  if (length == 0)
    return 0;

  // The prefix starts after an opening quote; the program path it is taken
  // from ends at the closing quote, or by the unquoted rule.
  const size_t start = value[0] == '"' ? 1 : 0;
  const char* path = value + start;
  const size_t rest = length - start;
  const size_t closing_quote = start ? IndexOf(path, rest, '"') : rest;
  const size_t path_length = closing_quote < rest ? closing_quote : UnquotedProgramLength(path, rest);

  size_t prefix_length = path_length;
  while (prefix_length > 0 && !IsSeparator(path[prefix_length - 1]))
    --prefix_length;
  if (prefix_length == 0 || prefix_length >= dir_size)
    return 0;

  memcpy(dir, path, prefix_length);
  dir[prefix_length] = '\0';
  return 1;
}

int LocateRuntimeDir(Platform& platform, char* dir, size_t dir_size) {
  char value[kRuntimeDirSize];
  size_t byte_count = sizeof value;
  if (!platform.ReadClassesRootText(kOpenCommandKey, value, &byte_count))
    return 0;
  if (byte_count > sizeof value)
    byte_count = sizeof value;
  return ExtractRuntimeDir(value, byte_count, dir, dir_size);
}
