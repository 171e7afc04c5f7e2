#include "platform/replacement_file.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

#include "platform/write_all-linux.h"

namespace {

std::string DirectoryOf(const std::string& name) {
  const std::size_t slash = name.rfind('/');
  return slash == std::string::npos ? "." : name.substr(0, slash + 1);
}

// ".OVRIN.xls.<pid>.<n>.tmp" beside "OVRIN.xls": hidden, and unique to this process.
std::string TemporaryName(const std::string& final_name, int attempt) {
  const std::size_t slash = final_name.rfind('/');
  const std::size_t base = slash == std::string::npos ? 0 : slash + 1;
  return final_name.substr(0, base) + "." + final_name.substr(base) + "." + std::to_string(getpid()) + "." +
         std::to_string(attempt) + ".tmp";
}

}  // namespace

int CreateReplacementFile(const std::string& final_name, ReplacementFile* file) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string name = TemporaryName(final_name, attempt);
    const int fd = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
      file->handle = fd;
      file->temporary_name = name;
      return 0;
    }
    if (errno != EEXIST) return errno;
  }
  return EEXIST;
}

int WriteReplacementFile(ReplacementFile* file, const char* data, std::size_t size) {
  return WriteAll(static_cast<int>(file->handle), data, size);
}

int CloseReplacementFile(ReplacementFile* file) {
  const int fd = static_cast<int>(file->handle);
  file->handle = -1;
  const int flushed = fsync(fd) == 0 ? 0 : errno;
  const int closed = close(fd) == 0 ? 0 : errno;
  return flushed != 0 ? flushed : closed;
}

int PutReplacementFileInPlace(ReplacementFile* file, const std::string& final_name) {
  if (rename(file->temporary_name.c_str(), final_name.c_str()) != 0) return errno;
  file->temporary_name.clear();
  // The rename itself reaches the disk with the directory; a failure here loses nothing that
  // is already in place.
  const int directory = open(DirectoryOf(final_name).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (directory >= 0) {
    fsync(directory);
    close(directory);
  }
  return 0;
}

void DiscardReplacementFile(ReplacementFile* file) {
  if (file->handle >= 0) close(static_cast<int>(file->handle));
  file->handle = -1;
  if (!file->temporary_name.empty()) unlink(file->temporary_name.c_str());
  file->temporary_name.clear();
}
