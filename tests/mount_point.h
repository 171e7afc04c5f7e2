// A mount made for one test and undone afterwards. Making one needs root; a test that cannot
// mount skips with a message.
#pragma once

#include <cerrno>
#include <cstring>
#include <string>
#include <sys/mount.h>

class MountPoint {
 public:
  // A tmpfs of `size_bytes` at `path`.
  static MountPoint Tmpfs(const std::string& path, long size_bytes) {
    MountPoint mount(path);
    const std::string options = "size=" + std::to_string(size_bytes);
    if (::mount("tmpfs", path.c_str(), "tmpfs", 0, options.c_str()) != 0) mount.failure_ = std::strerror(errno);
    return mount;
  }

  // `path` mounted on itself, read-only.
  static MountPoint ReadOnlyBind(const std::string& path) {
    MountPoint mount(path);
    if (::mount(path.c_str(), path.c_str(), nullptr, MS_BIND, nullptr) != 0) {
      mount.failure_ = std::strerror(errno);
    } else if (::mount(nullptr, path.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0) {
      mount.failure_ = std::strerror(errno);
      umount2(path.c_str(), MNT_DETACH);
    }
    return mount;
  }

  MountPoint(MountPoint&& other) noexcept : path_(other.path_), failure_(other.failure_) { other.path_.clear(); }
  MountPoint& operator=(MountPoint&&) = delete;
  ~MountPoint() { Unmount(); }

  bool mounted() const { return !path_.empty() && failure_.empty(); }
  const std::string& failure() const { return failure_; }

  void Unmount() {
    if (mounted()) umount2(path_.c_str(), MNT_DETACH);
    path_.clear();
  }

 private:
  explicit MountPoint(std::string path) : path_(std::move(path)) {}
  std::string path_;
  std::string failure_;
};
