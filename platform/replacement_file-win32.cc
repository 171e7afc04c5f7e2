#include "platform/replacement_file.h"

#include <windows.h>

#include "platform/write_all-win32.h"

namespace {

// ".OVRIN.xls.<pid>.<n>.tmp" beside "OVRIN.xls", unique to this process.
std::string TemporaryName(const std::string& final_name, int attempt) {
  const std::size_t separator = final_name.find_last_of("/\\:");
  const std::size_t base = separator == std::string::npos ? 0 : separator + 1;
  return final_name.substr(0, base) + "." + final_name.substr(base) + "." + std::to_string(GetCurrentProcessId()) +
         "." + std::to_string(attempt) + ".tmp";
}

HANDLE HandleOf(const ReplacementFile* file) { return reinterpret_cast<HANDLE>(file->handle); }

}  // namespace

int CreateReplacementFile(const std::string& final_name, ReplacementFile* file) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string name = TemporaryName(final_name, attempt);
    // Write access and read sharing, as for the table itself; created new, never over a file.
    const HANDLE handle = CreateFileA(name.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle != INVALID_HANDLE_VALUE) {
      file->handle = reinterpret_cast<std::intptr_t>(handle);
      file->temporary_name = name;
      return 0;
    }
    const DWORD error = GetLastError();
    if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) return static_cast<int>(error);
  }
  return ERROR_FILE_EXISTS;
}

int WriteReplacementFile(ReplacementFile* file, const char* data, std::size_t size) {
  return WriteAll(HandleOf(file), data, size);
}

int CloseReplacementFile(ReplacementFile* file) {
  const HANDLE handle = HandleOf(file);
  file->handle = -1;
  const int flushed = FlushFileBuffers(handle) ? 0 : static_cast<int>(GetLastError());
  const int closed = CloseHandle(handle) ? 0 : static_cast<int>(GetLastError());
  return flushed != 0 ? flushed : closed;
}

int PutReplacementFileInPlace(ReplacementFile* file, const std::string& final_name) {
  if (!MoveFileExA(file->temporary_name.c_str(), final_name.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    return static_cast<int>(GetLastError());
  }
  file->temporary_name.clear();
  return 0;
}

void DiscardReplacementFile(ReplacementFile* file) {
  if (file->handle != -1) CloseHandle(HandleOf(file));
  file->handle = -1;
  if (!file->temporary_name.empty()) DeleteFileA(file->temporary_name.c_str());
  file->temporary_name.clear();
}
