// A stand-in for the script runtime's interpreter, for the demo and the
// end-to-end tests. When started it records, in tarvex-record.txt next to
// itself, what a real interpreter would get from the launcher: its command
// line, the parameter text after its own name, its current directory, and
// the size and CRC-32 of the title's two packages below its own folder as
// they are at that moment. The record is written to a temporary file and
// moved into place, so a reader never sees half of it.
#include <windows.h>

#include <stdio.h>
#include <string.h>

namespace {

const char* const kPackages[] = {"S1.PKG", "S2.PKG"};

unsigned long Crc32(const unsigned char* bytes, size_t size, unsigned long crc) {
  crc = ~crc & 0xFFFFFFFFul;
  for (size_t i = 0; i < size; ++i) {
    crc ^= bytes[i];
    for (int bit = 0; bit < 8; ++bit)
      crc = (crc >> 1) ^ (0xEDB88320ul & (0ul - (crc & 1)));
  }
  return ~crc & 0xFFFFFFFFul;
}

void RecordPackage(FILE* record, const char* folder, const char* name) {
  char path[MAX_PATH * 2];
  snprintf(path, sizeof path, "%sPartition\\Ulk\\Vek2demo\\%s", folder, name);
  FILE* package = fopen(path, "rb");
  if (!package) {
    fprintf(record, "%s=missing\n", name);
    return;
  }
  unsigned char block[4096];
  unsigned long crc = 0;
  unsigned long long size = 0;
  size_t got;
  while ((got = fread(block, 1, sizeof block, package)) > 0) {
    crc = Crc32(block, got, crc);
    size += got;
  }
  fclose(package);
  fprintf(record, "%s=%llu %08lx\n", name, size, crc);
}

// The parameter text: the command line after the program name (quoted or
// not) and the blanks that follow it, exactly as passed.
const char* ParameterText(const char* command_line) {
  const char* at = command_line;
  if (*at == '"') {
    const char* closing = strchr(at + 1, '"');
    at = closing ? closing + 1 : at + strlen(at);
  } else {
    while (*at && *at != ' ' && *at != '\t')
      ++at;
  }
  while (*at == ' ' || *at == '\t')
    ++at;
  return at;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char folder[MAX_PATH];
  DWORD length = GetModuleFileNameA(nullptr, folder, sizeof folder);
  if (length == 0 || length >= sizeof folder)
    return 2;
  char* last_separator = strrchr(folder, '\\');
  if (!last_separator)
    return 2;
  last_separator[1] = '\0';

  char current_directory[MAX_PATH];
  if (!GetCurrentDirectoryA(sizeof current_directory, current_directory))
    current_directory[0] = '\0';

  char record_path[MAX_PATH * 2];
  char temp_path[MAX_PATH * 2];
  snprintf(record_path, sizeof record_path, "%starvex-record.txt", folder);
  snprintf(temp_path, sizeof temp_path, "%starvex-record.tmp", folder);
  FILE* record = fopen(temp_path, "wb");
  if (!record)
    return 2;
  const char* command_line = GetCommandLineA();
  fprintf(record, "command_line=%s\n", command_line);
  fprintf(record, "parameter=%s\n", ParameterText(command_line));
  fprintf(record, "current_directory=%s\n", current_directory);
  for (const char* name : kPackages)
    RecordPackage(record, folder, name);
  if (fclose(record) != 0 || !MoveFileExA(temp_path, record_path, MOVEFILE_REPLACE_EXISTING))
    return 2;
  return 0;
}
